#include "engine/ui/processwindow.h"

#include "documents/model/plantoperations.h"
#include "engine/model/processmodel.h"
#include "services/session.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

namespace zelvar {
namespace {

// The user picks an item, as the list's popup does it.
void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Process slots 1 (M21) and 21 in the plant; the window opens on slot 1 unless told.
class ProcessWindowTest : public ObjectWindowTest<TProcesso>
{
protected:
    void SetUp() override
    {
        ObjectWindowTest::SetUp();
        SetInventoryChecked(plant(), ObjectPool::Processes, 1, true);
        SetInventoryChecked(plant(), ObjectPool::Processes, 21, true);
    }

    ProcessModel &process(int slot = 1) { return plant().processes[slot]; }
};

TEST_F(ProcessWindowTest, ApplyShowsTheMessagesOfTheChosenTransferFunctionAndHoldsTheExit)
{
    // Which field gives which message, and the working values kept, are the model's rules.
    const std::tuple<int, const char *, const char *, const char *> rows[]
        = {{0, "GanhoText", "2a", "Ganho inválido"}, {1, "NCText", "0", "NCn inválido"}};
    for (const auto &[transferFunction, name, bad, message] : rows) {
        SCOPED_TRACE(name);
        process() = ProcessModel(1);
        m_dialogs.informations.clear();
        open();
        choose(widget<QComboBox>("ComboBox2"), transferFunction);
        type(name, bad);
        apply();
        EXPECT_EQ(m_dialogs.informations,
                  QStringList{QStringLiteral("Processo 21: ") + QString::fromUtf8(message)});
        EXPECT_TRUE(applyEnabled());
        EXPECT_FALSE(exitEnabled());
    }
}

TEST_F(ProcessWindowTest, ApplyLabelsTheWindowRefreshesThePictureAndMarksTheChange)
{
    open(21);
    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    type("TagText", "TI-01");
    type("DescricaoText", "Forno");
    m_session->MarkSaved();

    apply();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(labelText("Label9"), QStringLiteral("TI-01 Forno"));
    EXPECT_EQ(labelText("Label22"), QStringLiteral("(M71)"));
    EXPECT_EQ(labelText("Label2"), QStringLiteral("(M121)"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Forno"));
    EXPECT_EQ(plant().processIcons[21].caption, "TI-01");
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_FALSE(applyEnabled());
    EXPECT_TRUE(exitEnabled());

    // Regression: an empty description once brought back the caption "Processo".
    type("DescricaoText", "");
    apply();
    EXPECT_EQ(m_window->windowTitle(), QString());
}

TEST_F(ProcessWindowTest, ALongDescriptionLeavesTheWindowWithinTheScreen)
{
    // The window widened with its title, past the screen's edge, and came back so.
    const QString words = QStringLiteral("Vazão de vapor ").repeated(17); // 255 characters
    const QString pasted(40000, QLatin1Char('v'));
    const struct
    {
        const char *name;
        QString typed;
        bool fromFile;
    } rows[] = {{"typed to what a memory keeps", words, false},
                {"pasted far longer", pasted, false},
                {"read from a file", pasted.left(32767), true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        process() = ProcessModel(1);
        if (row.fromFile) {
            process().TagText = "FT-01";
            process().DescricaoText = row.typed.toStdString();
            ASSERT_TRUE(ApplyProcessSettings(process(), plant().memories).empty());
        }
        open();
        m_window->show();
        if (!row.fromFile) {
            type("TagText", "FT-01");
            typeInto(edit("DescricaoText"), row.typed);
            // Bounded as it is typed, not first by Apply.
            EXPECT_EQ(edit("DescricaoText")->text(), row.typed.left(255));
            apply();
        }
        QCoreApplication::processEvents();

        EXPECT_LE(edit("DescricaoText")->text().size(), 255);
        EXPECT_LE(QString::fromStdString(process().DescricaoText).size(), 255);
        EXPECT_TRUE(labelText("Label9").startsWith(QStringLiteral("FT-01 ")));
        expectWithinScreen();
        reopen();
        expectWithinScreen();
    }
}

TEST_F(ProcessWindowTest, EveryUserEditReachesTheModelAndMarksThePlantChanged)
{
    using Setting = std::function<std::string(const ProcessModel &)>;
    struct Row
    {
        const char *edit;
        Setting setting;
        bool exitEnabled;
    };
    const Row rows[] = {
        {"TagText", [](const ProcessModel &p) { return p.TagText; }, false},
        {"DescricaoText", [](const ProcessModel &p) { return p.DescricaoText; }, false},
        {"GanhoText", [](const ProcessModel &p) { return p.GanhoText; }, false},
        {"TempoMorto", [](const ProcessModel &p) { return p.TempoMorto; }, false},
        {"LText", [](const ProcessModel &p) { return p.LText.Text(); }, false},
        {"Ctext", [](const ProcessModel &p) { return p.Ctext.Text(); }, false},
        {"NCText", [](const ProcessModel &p) { return p.NCText; }, false},
        {"PeriodoText", [](const ProcessModel &p) { return p.PeriodoText; }, false},
        {"LEAD", [](const ProcessModel &p) { return p.LEAD.Text(); }, false},
        {"LAG", [](const ProcessModel &p) { return p.LAG.Text(); }, false},
        {"Histerese", [](const ProcessModel &p) { return p.Histerese; }, false},
        {"valveStext", [](const ProcessModel &p) { return p.valveStext; }, false},
        {"tal", [](const ProcessModel &p) { return p.tal; }, false},
        {"ratetext", [](const ProcessModel &p) { return p.ratetext.Text(); }, false},
        // The integrator's start value holds Apply back but not the exit.
        {"ValorInicialText", [](const ProcessModel &p) { return p.ValorInicialText; }, true},
    };
    open();
    // "7" is valid in every edit, so each round's Apply succeeds.
    for (const Row &row : rows) {
        SCOPED_TRACE(row.edit);
        apply();
        ASSERT_FALSE(applyEnabled());
        m_session->MarkSaved();
        type(row.edit, "7");
        EXPECT_EQ(row.setting(process()), "7");
        EXPECT_FALSE(m_session->SavedFlag());
        EXPECT_TRUE(applyEnabled());
        EXPECT_EQ(exitEnabled(), row.exitEnabled);
    }
    EXPECT_TRUE(process().InitialValueChanged);
}

TEST_F(ProcessWindowTest, ListsAndTheSaturationSwitchReachTheModelAndMarkThePlantChanged)
{
    open();
    const auto afterApply = [&] {
        apply();
        m_session->MarkSaved();
    };
    afterApply();
    choose(widget<QComboBox>("EntradaSelect"), 6);
    EXPECT_EQ(process().EntradaSelect, 6);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_FALSE(exitEnabled());

    afterApply();
    choose(widget<QComboBox>("EntradaSelect"), 6); // the item already chosen
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(exitEnabled());
    choose(widget<QComboBox>("ComboBox1"), 4);
    EXPECT_EQ(process().ComboBox1, 4);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(applyEnabled());

    afterApply();
    choose(widget<QComboBox>("ComboBox2"), 3);
    EXPECT_EQ(process().ComboBox2, 3);
    EXPECT_FALSE(m_session->SavedFlag());

    afterApply();
    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_TRUE(process().CheckBox1);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_FALSE(exitEnabled());
}

TEST_F(ProcessWindowTest, OnlyThePageOfTheChosenTransferFunctionShows)
{
    const char *const pages[] = {"GroupPVC", "GroupOrdem2", "GroupLEADLAG", "GroupBox2"};
    open();
    for (int chosen = 0; chosen < 4; ++chosen) {
        SCOPED_TRACE(pages[chosen]);
        choose(widget<QComboBox>("ComboBox2"), chosen);
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(widget<QGroupBox>(pages[page])->isHidden(), page != chosen) << pages[page];
    }
    // A loaded plant shows the page of its own transfer function.
    process().ComboBox2 = 1;
    open();
    EXPECT_FALSE(widget<QGroupBox>("GroupOrdem2")->isHidden());
    EXPECT_TRUE(widget<QGroupBox>("GroupPVC")->isHidden());
}

TEST_F(ProcessWindowTest, EnteringTheInputListRenamesItsItemsAndKeepsTheChoice)
{
    // Regression: clearing the list on entry lost the input memory at the next save.
    plant().memories.SetDescription(5, "Vazão de vapor");
    open();
    auto *list = widget<QComboBox>("EntradaSelect");
    ASSERT_EQ(list->count(), 99);
    EXPECT_EQ(list->itemText(4), QStringLiteral("05"));
    choose(list, 4);
    m_session->MarkSaved();

    QFocusEvent entry(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &entry);
    EXPECT_EQ(list->count(), 99);
    EXPECT_EQ(list->itemText(4), QString::fromUtf8("05 Vazão de vapor"));
    EXPECT_EQ(list->itemText(98), QStringLiteral("99 "));
    EXPECT_EQ(list->currentIndex(), 4);
    EXPECT_EQ(process().EntradaSelect, 4);
    EXPECT_TRUE(m_session->SavedFlag());

    apply();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(process().InputMemory, 5);
}

TEST_F(ProcessWindowTest, ActivationRefillsTheDescriptionUnlessTheUserIsEditingIt)
{
    open();
    plant().memories.SetDescription(21, "Temperatura do forno");
    m_session->MarkSaved();
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QStringLiteral("Temperatura do forno"));
    EXPECT_EQ(process().DescricaoText, "Temperatura do forno");
    EXPECT_TRUE(m_session->SavedFlag());

    type("DescricaoText", "Pressão");
    plant().memories.SetDescription(21, "Renomeada na lista");
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QString::fromUtf8("Pressão"));

    apply();
    ASSERT_EQ(plant().memories.Description(21), "Pressão");
    plant().memories.SetDescription(21, "Depois");
    activate();
    EXPECT_EQ(edit("DescricaoText")->text(), QStringLiteral("Depois"));
}

TEST_F(ProcessWindowTest, LiveValuesFollowTheTickButNotAFastRun)
{
    open();
    m_window->show();
    type("LText", "0");
    apply();
    plant().memories.SetValue(1, 40);
    m_session->Timer1Timer();
    EXPECT_EQ(labelText("Label36"), QStringLiteral("40.00"));
    EXPECT_EQ(labelText("Label26"), QStringLiteral("40.00"));
    EXPECT_EQ(labelText("Label12"), QStringLiteral("40.00"));

    plant().memories.SetValue(1, 60);
    StepContext fastRun;
    fastRun.FastRunFlag = true;
    StepProcess(process(), 1, plant(), fastRun);
    emit m_session->ticked();
    ASSERT_EQ(plant().memories.Value(21), 60.0);
    EXPECT_EQ(labelText("Label36"), QStringLiteral("40.00"));
    EXPECT_EQ(labelText("Label12"), QStringLiteral("40.00"));
}

TEST_F(ProcessWindowTest, TextsFollowTheLanguageAndKeepTheListPositions)
{
    const std::pair<Language, const char *> rows[]
        = {{Language::Portuguese, "Filtro LEAD-LAG"}, {Language::English, "Lead-Lag Filter"}};
    for (const auto &[language, leadLagItem] : rows) {
        SCOPED_TRACE(leadLagItem);
        m_session->SetEnglishFlag(language == Language::English);
        process() = ProcessModel(1);
        process().ComboBox2 = 2;
        process().ComboBox1 = 3;
        open();
        activate();
        auto *transfer = widget<QComboBox>("ComboBox2");
        EXPECT_EQ(transfer->currentIndex(), 2);
        EXPECT_EQ(transfer->currentText(), QString::fromUtf8(leadLagItem));
        EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentIndex(), 3);

        // Apply's messages are Portuguese in both languages.
        m_dialogs.informations.clear();
        type("GanhoText", "?");
        apply();
        EXPECT_EQ(m_dialogs.informations,
                  QStringList{QString::fromUtf8("Processo 21: Ganho inválido")});
    }
}

TEST_F(ProcessWindowTest, HelpButtonOpensTheProcessSectionOfTheObjectsPage)
{
    open();
    widget<QToolButton>("SpeedButton1")->click();
    ASSERT_EQ(m_dialogs.urls.size(), 1u);
    EXPECT_EQ(m_dialogs.urls[0].toLocalFile(),
              QStringLiteral("/opt/zelvar/help/simulador/objetos_simulacao/index.html"));
    EXPECT_EQ(m_dialogs.urls[0].fragment(), QStringLiteral("bloco_processo"));
}

TEST_F(ProcessWindowTest, LeavingRefreshesThePictureAndTheProcessRunsOn)
{
    open();
    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    m_window->show();
    widget<QToolButton>("SairButton")->click();
    EXPECT_TRUE(m_window->isHidden());
    EXPECT_EQ(refreshes, 1);

    m_window->show();
    ASSERT_NE(m_window->windowHandle(), nullptr);
    m_window->windowHandle()->close();
    EXPECT_TRUE(m_window->isHidden());
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(plant().processes.IsPresent(1));
}

TEST_F(ProcessWindowTest, FollowsItsSlotAcrossPlantsAndLeavesWithIt)
{
    open();
    auto loaded = std::make_unique<Plant>();
    SetInventoryChecked(*loaded, ObjectPool::Processes, 1, true);
    loaded->processes[1].TagText = "LT-02";
    m_session->ReplacePlant(std::move(loaded));
    ASSERT_FALSE(m_window.isNull());
    EXPECT_EQ(edit("TagText")->text(), QStringLiteral("LT-02"));

    DeleteObject(plant(), ObjectPool::Processes, 1, Language::Portuguese);
    m_session->MarkChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());

    open(21);
    m_session->ReplacePlant(std::make_unique<Plant>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
}

} // namespace
} // namespace zelvar
