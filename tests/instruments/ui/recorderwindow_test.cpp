#include "instruments/ui/recorderwindow.h"

#include "documents/model/plantoperations.h"
#include "instruments/model/recorder.h"
#include "services/session.h"
#include "tests/engine/ui/objectwindowtest.h"
#include "tests/services/wholetexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {
namespace {

void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Recorder slot 1 in the plant; M21 ranges 0-200 in "kPa" and stands at 25 %.
class RecorderWindowTest : public ObjectWindowTest<TRegistrForm>
{
protected:
    void SetUp() override
    {
        ObjectWindowTest::SetUp();
        SetInventoryChecked(plant(), ObjectPool::Recorders, 1, true);
        plant().memories.MemoryUEMax[21] = "200";
        plant().memories.MemoryUnit[21] = "kPa";
        plant().memories.SetValue(21, 25);
    }

    Recorder &recorder() { return plant().recorders[1]; }
    QComboBox *list(const char *name) const { return widget<QComboBox>(name); }
};

TEST_F(RecorderWindowTest, PenChoicesReachTheModelAndTheTickShowsTheirValues)
{
    open();
    m_window->show();
    EXPECT_EQ(list("Variavel1Select")->count(), 124);
    EXPECT_EQ(list("Variavel2Select")->itemText(124), QStringLiteral("Nenhum"));
    m_session->MarkSaved();
    choose(list("Variavel1Select"), 20);
    EXPECT_EQ(recorder().Settings().Variavel1Select, 20);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(labelText("Label1"), QStringLiteral("kPa"));
    EXPECT_EQ(labelText("Label2"), QStringLiteral("180"));

    // Pen 3 on controller output M3 pairs the default "SP" pen with the loop's setpoint M63.
    choose(list("Variavel3Select"), 2);
    EXPECT_EQ(list("Variavel2Select")->currentIndex(), 62);

    m_session->Timer1Timer();
    EXPECT_EQ(labelText("VermelhoLabel"), QStringLiteral("PV: 50.00 kPa"));
    EXPECT_EQ(labelText("AzulLabel"), QStringLiteral("SP: 0.00 kPa"));
    EXPECT_EQ(labelText("VerdeLabel"), QStringLiteral("MV: 0.00%"));
}

TEST_F(RecorderWindowTest, WideRangesAndUnitsReadWholeOnTheScale)
{
    plant().memories.MemoryUEMax[21] = "40000";
    plant().memories.MemoryUnit[21] = "Nm3/h";
    open();
    m_window->show();
    choose(list("Variavel1Select"), 20);
    m_session->Timer1Timer();
    ASSERT_EQ(widget<QLineEdit>("eSupText")->text(), QStringLiteral("40000.0"));
    for (const char *name : {"eSupText", "eInfText"}) {
        const auto *edit = widget<QLineEdit>(name);
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()),
                  edit->contentsRect().width() - 4)
            << name;
    }
    for (const char *name : {"Label1", "Label2", "Label10"}) {
        const auto *label = widget<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << name << " " << label->text().toStdString();
    }
}

TEST_F(RecorderWindowTest, TagNamesTheWindowAndEnablesTheArchiveWhichTheWorkingFolderReceives)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    open();
    EXPECT_FALSE(widget<QCheckBox>("CheckBox1")->isEnabled());
    type("TagText", "TR-1");
    type("DescricaoText", "Forno");
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("TR-1 - Forno"));

    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_TRUE(recorder().trend.Archiving());
    EXPECT_FALSE(edit("TagText")->isEnabled());
    EXPECT_FALSE(widget<QToolButton>("SpeedButton1")->isEnabled());
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("TR-1_1.txt"))));

    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QStringLiteral("Data saved: ")
                          + QDir::current().absoluteFilePath(QStringLiteral("TR-1_1.txt"))});
    EXPECT_TRUE(edit("TagText")->isEnabled());
    QDir::setCurrent(previous);
}

TEST_F(RecorderWindowTest, PauseLetsAClickReadTheStripAndClosingEndsIt)
{
    open();
    m_window->show();
    auto *image = widget<QWidget>("Image1");
    const auto clickAt = [&](QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress,
                          at,
                          image->mapToGlobal(at),
                          Qt::LeftButton,
                          Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(image, &press);
    };
    clickAt({100, 100});
    EXPECT_EQ(recorder().trend.ReadoutSlot(), 1);

    widget<QToolButton>("SpeedButton1")->click();
    EXPECT_TRUE(widget<QFrame>("Panel3")->isVisible());
    // Scale 0-100: the middle height reads 50, 100 pixels at 0.1 s each are 10 s.
    clickAt({100, 100});
    EXPECT_EQ(labelText("CoodsText1"), QStringLiteral("Y: 50.0 %  T: 10.0 s"));

    m_window->close();
    EXPECT_FALSE(recorder().trend.Paused());
    EXPECT_TRUE(plant().recorders.IsPresent(1));
}

TEST_F(RecorderWindowTest, EnterInAScaleBoundTakesTheTypedScale)
{
    open();
    widget<QCheckBox>("EscalaAuto")->click();
    ASSERT_TRUE(recorder().trend.EscalaAuto);
    type("eSupText", "50");
    type("eInfText", "10");
    emit edit("eInfText")->returnPressed();
    EXPECT_FALSE(widget<QCheckBox>("EscalaAuto")->isChecked());
    EXPECT_EQ(labelText("Label2"), QStringLiteral("46"));
    EXPECT_EQ(labelText("Label10"), QStringLiteral("14"));
}

TEST_F(RecorderWindowTest, EnglishTextsAndFollowingThePlant)
{
    m_session->SetEnglishFlag(true);
    open();
    activate();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Register"));
    EXPECT_EQ(labelText("Label13"), QStringLiteral("Description:"));

    auto loaded = std::make_unique<Plant>();
    SetInventoryChecked(*loaded, ObjectPool::Recorders, 1, true);
    loaded->recorders[1].LoadSettings([](RecorderSettings &s) { s.TagText = "TR-9"; });
    loaded->memories.SetDescription(5, "Vazão");
    m_session->ReplacePlant(std::move(loaded));
    ASSERT_FALSE(m_window.isNull());
    EXPECT_EQ(edit("TagText")->text(), QStringLiteral("TR-9"));
    EXPECT_EQ(list("Variavel1Select")->itemText(4), QString::fromUtf8("05   Vazão"));

    DeleteObject(plant(), ObjectPool::Recorders, 1, Language::English);
    m_session->MarkChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
}

TEST_F(RecorderWindowTest, LongScaleBoundsShowWhole)
{
    plant().memories.MemoryUEMin[21] = "-10000";
    plant().memories.MemoryUEMax[21] = "10000";
    open();
    m_window->show();
    activate();
    choose(list("Variavel1Select"), 20);
    ASSERT_EQ(edit("eSupText")->text(), QStringLiteral("10000.0"));
    ASSERT_EQ(edit("eInfText")->text(), QStringLiteral("-10000.0"));
    ExpectWholeTexts(m_window);

    typeInto(edit("eSupText"), QStringLiteral("123456789"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit("eSupText"), &enter);
    ASSERT_EQ(recorder().trend.eSupText, "123456789");
    ExpectWholeTexts(m_window);
}

TEST_F(RecorderWindowTest, ReadoutsAndLabelsShowTheirWholeTextsInBothLanguages)
{
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Portuguese");
        m_session->SetEnglishFlag(english);
        open();
        m_window->show();
        activate();
        choose(list("BaseTempoBox"), 2);
        typeInto(edit("eInfText"), QStringLiteral("-1000"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit("eInfText"), &enter);
        widget<QToolButton>("SpeedButton1")->click();
        auto *image = widget<QWidget>("Image1");
        for (int s = 1; s <= 6; ++s) {
            QMouseEvent press(QEvent::MouseButtonPress,
                              QPointF(449, 199),
                              image->mapToGlobal(QPointF(449, 199)),
                              Qt::LeftButton,
                              Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(image, &press);
        }
        ASSERT_FALSE(labelText("CoodsText6").isEmpty());
        ExpectWholeTexts(m_window);
        widget<QToolButton>("ConfBTN")->click();
        ExpectWholeTexts(m_window);
        m_window->close(); // ends the pause
    }
}

} // namespace
} // namespace zelvar
