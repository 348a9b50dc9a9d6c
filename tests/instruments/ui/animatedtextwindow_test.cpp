#include "instruments/ui/animatedtextwindow.h"

#include "documents/model/plantoperations.h"
#include "instruments/model/animatedtext.h"
#include "services/session.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {
namespace {

// Animated text slot 1 in the plant; M21 ranges 0-200 in "kPa" and stands at 25 %.
class AnimatedTextWindowTest : public ObjectWindowTest<TForm2>
{
protected:
    void SetUp() override
    {
        ObjectWindowTest::SetUp();
        SetInventoryChecked(plant(), ObjectPool::AnimatedTexts, 1, true);
        plant().memories.MemoryUEMax[21] = "200";
        plant().memories.MemoryUnit[21] = "kPa";
        plant().memories.SetValue(21, 25);
    }

    AnimatedText &text() { return plant().animatedTexts[1]; }

    void chooseKind(int kind)
    {
        widget<QGroupBox>("Tipo")->findChildren<QRadioButton *>().at(kind)->click();
    }
    void chooseMemory(int position)
    {
        auto *list = widget<QComboBox>("ComboBox1");
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
};

TEST_F(AnimatedTextWindowTest, EachKindShowsItsOwnControls)
{
    open();
    m_window->show();
    EXPECT_TRUE(edit("Edit1")->isReadOnly());
    EXPECT_TRUE(edit("FuncaoTr")->isHidden());

    m_session->MarkSaved();
    chooseKind(kBinario);
    EXPECT_EQ(text().Tipo, kBinario);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(labelText("Label3"), QStringLiteral("<Texto>"));
    EXPECT_TRUE(widget<QFrame>("Panel2")->isHidden());
    EXPECT_FALSE(widget<QComboBox>("ComboBox1")->isHidden());

    chooseKind(kEquacao);
    EXPECT_TRUE(widget<QComboBox>("ComboBox1")->isHidden());
    EXPECT_FALSE(edit("Edit1")->isReadOnly());
    EXPECT_TRUE(edit("Edit2")->isHidden());
    // The range edits carry their text into the alarm edits beside them.
    type("Edit1", "10");
    EXPECT_EQ(text().Edit2, "10");
}

TEST_F(AnimatedTextWindowTest, ExitAppliesTheSettingsAndTheDisplayFollowsTheRefresh)
{
    open();
    m_window->show();
    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    chooseMemory(20);
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("200"));
    EXPECT_EQ(edit("Unidade")->text(), QStringLiteral("kPa"));
    widget<QSpinBox>("CasasDecimais")->stepDown();
    EXPECT_EQ(text().CasasDecimais, 1);
    type("DescricaoText", "Pressão");

    widget<QToolButton>("SairButton")->click();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(labelText("Label4"), QString::fromUtf8("Pressão"));
    EXPECT_TRUE(m_window->isHidden());

    m_window->show();
    for (int tick = 0; tick < 6; ++tick)
        m_session->Timer1Timer();
    EXPECT_EQ(labelText("Label1"), QStringLiteral("50.0 kPa"));
    EXPECT_EQ(widget<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(AnimatedTextWindowTest, InvalidSettingsLeaveThePictureAlone)
{
    open();
    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    type("DescricaoText", "Sem variável");
    widget<QToolButton>("SairButton")->click();
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(labelText("Label4"), QString());
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
}

TEST_F(AnimatedTextWindowTest, EnglishTextsAndFollowingThePlant)
{
    m_session->SetEnglishFlag(true);
    open();
    activate();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Animated text"));
    EXPECT_EQ(labelText("Label2"), QStringLiteral("Description:"));
    EXPECT_EQ(labelText("Label3"), QStringLiteral("Variable"));
    EXPECT_EQ(widget<QGroupBox>("Tipo")->title(), QStringLiteral("Type"));

    auto loaded = std::make_unique<Plant>();
    SetInventoryChecked(*loaded, ObjectPool::AnimatedTexts, 1, true);
    loaded->animatedTexts[1].Tipo = kEquacao;
    loaded->animatedTexts[1].FuncaoTr = "M21*2";
    m_session->ReplacePlant(std::move(loaded));
    ASSERT_FALSE(m_window.isNull());
    EXPECT_EQ(edit("FuncaoTr")->text(), QStringLiteral("M21*2"));
    EXPECT_EQ(labelText("Label3"), QStringLiteral("Equation"));

    DeleteObject(plant(), ObjectPool::AnimatedTexts, 1, Language::English);
    m_session->MarkChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
}

} // namespace
} // namespace zelvar
