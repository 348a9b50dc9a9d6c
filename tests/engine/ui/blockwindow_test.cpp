#include "engine/ui/blockwindow.h"

#include "documents/model/plantoperations.h"
#include "engine/model/calculationblock.h"
#include "services/session.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace zelvar {
namespace {

// Block slot 1 (M41) in the plant; M21 = 30, M22 = 70.
class BlockWindowTest : public ObjectWindowTest<TBloco>
{
protected:
    void SetUp() override
    {
        ObjectWindowTest::SetUp();
        SetInventoryChecked(plant(), ObjectPool::Blocks, 1, true);
        plant().memories.SetValue(21, 30);
        plant().memories.SetValue(22, 70);
    }

    CalculationBlock &block() { return plant().blocks[1]; }

    double output() const { return m_session->plant().memories.Value(41); }
};

TEST_F(BlockWindowTest, AppliedFunctionDrivesItsMemoryAndTheShownValue)
{
    // When the function and the limit boxes take effect is the model's (BlockStep).
    open();
    m_window->show();
    type("FuncaoTr", "M21*2");
    apply();
    ASSERT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(labelText("Label1"), QStringLiteral("M41="));
    m_session->Timer1Timer();
    EXPECT_EQ(output(), 60.0);
    EXPECT_EQ(labelText("Label6"), QStringLiteral("60.00"));
}

TEST_F(BlockWindowTest, AfterAnEditTheWindowIsLeftOnlyThroughASuccessfulApply)
{
    open();
    m_window->show();
    ASSERT_FALSE(applyEnabled());
    m_session->MarkSaved();
    type("TagText", "FY-10");
    EXPECT_EQ(block().TagText, "FY-10");
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(applyEnabled());
    EXPECT_FALSE(exitEnabled());

    ASSERT_NE(m_window->windowHandle(), nullptr);
    m_window->windowHandle()->close();
    EXPECT_FALSE(m_window->isHidden());

    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    m_session->MarkSaved();
    apply();
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(plant().blockIcons[1].caption, "FY-10");
    EXPECT_FALSE(applyEnabled());
    EXPECT_TRUE(exitEnabled());

    widget<QToolButton>("SairButton")->click();
    EXPECT_TRUE(m_window->isHidden());
    EXPECT_TRUE(plant().blocks.IsPresent(1));
}

TEST_F(BlockWindowTest, ALongDescriptionLeavesTheWindowWithinTheScreen)
{
    // The window widened with its title, past the screen's edge, and came back so.
    const QString pasted(40000, QLatin1Char('b'));
    const struct
    {
        const char *name;
        QString typed;
        bool fromFile;
    } rows[] = {{"typed to what a memory keeps", pasted.left(255), false},
                {"pasted far longer", pasted, false},
                {"read from a file", pasted.left(32767), true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        block() = CalculationBlock(1);
        if (row.fromFile) {
            block().DescricaoText = row.typed.toStdString();
            ApplyBlockSettings(block(), plant().memories);
        }
        open();
        m_window->show();
        if (!row.fromFile) {
            typeInto(edit("DescricaoText"), row.typed);
            // Bounded as it is typed, not first by Apply.
            EXPECT_EQ(edit("DescricaoText")->text(), row.typed.left(255));
            apply();
        }
        QCoreApplication::processEvents();

        EXPECT_LE(edit("DescricaoText")->text().size(), 255);
        EXPECT_EQ(labelText("Label9"), pasted.left(255));
        expectWithinScreen();
        reopen();
        expectWithinScreen();
    }
}

TEST_F(BlockWindowTest, EveryUserEditReachesTheModelAndMarksThePlantChanged)
{
    const std::pair<const char *, std::string CalculationBlock::*> rows[]
        = {{"TagText", &CalculationBlock::TagText},
           {"DescricaoText", &CalculationBlock::DescricaoText},
           {"FuncaoTr", &CalculationBlock::FuncaoTr},
           {"LimSupText", &CalculationBlock::LimSupText},
           {"LimInfText", &CalculationBlock::LimInfText}};
    open();
    for (const auto &[name, setting] : rows) {
        SCOPED_TRACE(name);
        m_session->MarkSaved();
        type(name, "7");
        EXPECT_EQ(block().*setting, "7");
        EXPECT_FALSE(m_session->SavedFlag());
    }
    for (const char *box : {"LimSupCheck", "LimInfCheck"}) {
        SCOPED_TRACE(box);
        apply();
        ASSERT_FALSE(applyEnabled());
        m_session->MarkSaved();
        widget<QCheckBox>(box)->click();
        EXPECT_FALSE(m_session->SavedFlag());
        EXPECT_TRUE(applyEnabled());
        EXPECT_FALSE(exitEnabled());
    }
    EXPECT_TRUE(block().LimSupCheck);
    EXPECT_TRUE(block().LimInfCheck);
}

TEST_F(BlockWindowTest, ActivationRefillsTheDescriptionUnlessTheUserIsEditingIt)
{
    open();
    plant().memories.SetDescription(41, "Soma das vazões");
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QString::fromUtf8("Soma das vazões"));

    type("DescricaoText", "Razão");
    plant().memories.SetDescription(41, "Renomeada na lista");
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QString::fromUtf8("Razão"));

    type("FuncaoTr", "M21");
    apply();
    EXPECT_EQ(labelText("Label9"), QString::fromUtf8("Razão"));
    plant().memories.SetDescription(41, "Depois");
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QStringLiteral("Depois"));
}

TEST_F(BlockWindowTest, ApplyMessagesArePortugueseInBothLanguagesAndHoldTheExit)
{
    const std::pair<Language, const char *> rows[]
        = {{Language::Portuguese, "Bloco de Cálculo"}, {Language::English, "Calculations Block"}};
    for (const auto &[language, caption] : rows) {
        SCOPED_TRACE(caption);
        m_session->SetEnglishFlag(language == Language::English);
        open();
        activate();
        EXPECT_EQ(m_window->windowTitle(), QString::fromUtf8(caption));

        m_dialogs.informations.clear();
        type("FuncaoTr", "2a");
        apply();
        EXPECT_EQ(m_dialogs.informations,
                  QStringList{QString::fromUtf8("Bloco 41: Função inválida")});
        EXPECT_TRUE(applyEnabled());
        EXPECT_FALSE(exitEnabled());
    }
}

TEST_F(BlockWindowTest, HelpButtonOpensTheBlockSectionOfTheObjectsPage)
{
    open();
    widget<QToolButton>("SpeedButton1")->click();
    ASSERT_EQ(m_dialogs.urls.size(), 1u);
    EXPECT_EQ(m_dialogs.urls[0].toLocalFile(),
              QStringLiteral("/opt/zelvar/help/simulador/objetos_simulacao/index.html"));
    EXPECT_EQ(m_dialogs.urls[0].fragment(), QStringLiteral("bloco_calculo"));
}

TEST_F(BlockWindowTest, FollowsItsSlotAcrossPlantsAndLeavesWithIt)
{
    open();
    auto loaded = std::make_unique<Plant>();
    SetInventoryChecked(*loaded, ObjectPool::Blocks, 1, true);
    loaded->blocks[1].FuncaoTr = "M21+M22";
    loaded->blocks[1].LimInfCheck = true;
    m_session->ReplacePlant(std::move(loaded));
    ASSERT_FALSE(m_window.isNull());
    EXPECT_EQ(edit("FuncaoTr")->text(), QStringLiteral("M21+M22"));
    EXPECT_TRUE(widget<QCheckBox>("LimInfCheck")->isChecked());

    DeleteObject(plant(), ObjectPool::Blocks, 1, Language::Portuguese);
    m_session->MarkChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
}

} // namespace
} // namespace zelvar
