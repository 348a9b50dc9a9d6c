#include "engine/ui/controllerwindow.h"

#include "documents/model/plantoperations.h"
#include "engine/model/controller.h"
#include "services/session.h"
#include "tests/engine/ui/objectwindowtest.h"
#include "tests/services/wholetexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {
namespace {

// Controller slot 2 in the plant, reading its PV from M1 (range 0 to 100).
class ControllerWindowTest : public ObjectWindowTest<TControlador>
{
protected:
    void SetUp() override
    {
        ObjectWindowTest::SetUp();
        SetInventoryChecked(plant(), ObjectPool::Controllers, 2, true);
        open(2);
    }

    Controller &controller() { return plant().controllers[2]; }
    void click(const char *name) { widget<QAbstractButton>(name)->click(); }
    void press(const char *name, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(edit(name), &event);
    }
};

TEST_F(ControllerWindowTest, OperatorActionsReachTheModelAndAreShownBack)
{
    click("IncrementaSP");
    EXPECT_EQ(controller().Setpoint, 1.0);
    EXPECT_FALSE(m_session->SavedFlag());
    type("SPText", "25,5");
    press("SPText", Qt::Key_Return);
    EXPECT_EQ(controller().Setpoint, 25.5);
    type("MVText", "150"); // out of range: refused, the old value shows again
    press("MVText", Qt::Key_Return);
    EXPECT_EQ(controller().co, 0.0);
    EXPECT_EQ(edit("MVText")->text(), QStringLiteral("0.00"));

    int refreshes = 0;
    QObject::connect(
        m_session.get(), &Session::mainWindowRefreshed, m_window, [&] { ++refreshes; });
    click("AutoManualBTN");
    EXPECT_TRUE(controller().automatic);
    EXPECT_EQ(labelText("Label2"), QStringLiteral("A"));
    EXPECT_FALSE(widget<QAbstractButton>("IncrementaSaida")->isEnabled());
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ControllerWindowTest, PanelEditsWaitForApplyWhichReportsOrTakesThemOver)
{
    type("KpText", "2x");
    EXPECT_EQ(controller().Settings().KpText, "2x");
    EXPECT_FALSE(widget<QAbstractButton>("ConfigBTN")->isEnabled());
    apply();
    EXPECT_EQ(m_dialogs.informations, QStringList{QString::fromUtf8("Controlador 2: Kp inválido")});
    EXPECT_TRUE(applyEnabled());

    type("KpText", "2");
    type("TagText", "FIC-7");
    m_session->MarkSaved();
    apply();
    EXPECT_EQ(controller().kc, 2.0);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("FIC-7"));
    EXPECT_EQ(edit("Descricao")->text(), QStringLiteral(" SP FIC-7"));
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(widget<QAbstractButton>("ConfigBTN")->isEnabled());
}

TEST_F(ControllerWindowTest, ReopeningEnablesTheConfigurationButtonWithEditsPending)
{
    m_window->show();
    type("KpText", "3");
    ASSERT_FALSE(widget<QAbstractButton>("ConfigBTN")->isEnabled());
    m_window->close();

    m_window->show();
    EXPECT_TRUE(widget<QAbstractButton>("ConfigBTN")->isEnabled());
    EXPECT_TRUE(applyEnabled());
    EXPECT_EQ(edit("KpText")->text(), QStringLiteral("3"));
}

TEST_F(ControllerWindowTest, TickShowsLiveValuesAndLayoutButtonsFoldTheWindow)
{
    m_window->show();
    ASSERT_FALSE(widget<QStackedWidget>("RightArea")->isHidden());
    plant().memories.SetValue(1, 40);
    m_session->Timer1Timer();
    // A new controller shows its PV with the decimals of its scale, as it does once reopened.
    EXPECT_EQ(edit("PVText")->text(), QStringLiteral("40.0"));
    EXPECT_EQ(widget<QProgressBar>("VariavelBar")->value(), 80);

    click("TrendButton");
    EXPECT_TRUE(widget<QStackedWidget>("RightArea")->isHidden());
    click("ConfigBTN");
    EXPECT_TRUE(widget<QFrame>("Panel2")->isVisible());
}

// The variable list rescales the controller; a paused faceplate kept the old setpoint text.
TEST_F(ControllerWindowTest, ARangeChangedInTheVariableListShowsAtOnceWhilePaused)
{
    m_session->SetRunning(false);
    m_window->show();
    click("IncrementaSP");
    ASSERT_EQ(edit("SPText")->text(), QStringLiteral("1.0"));

    plant().memories.MemoryUEMax[1] = "4";
    m_session->RefreshVariableList();

    EXPECT_EQ(edit("SPText")->text(), QStringLiteral("0.040"));
    EXPECT_EQ(edit("FimEscala")->text(), QStringLiteral("4"));
    press("SPText", Qt::Key_Return);
    EXPECT_EQ(controller().Setpoint, 1.0);
}

TEST_F(ControllerWindowTest, PausedStripReadsValuesUnderTheClick)
{
    m_window->show();
    click("SpeedButton2");
    ASSERT_TRUE(widget<QFrame>("Panel3")->isVisible());
    QWidget *strip = widget<QWidget>("Image1");
    QMouseEvent down(QEvent::MouseButtonPress,
                     QPointF(100, 100),
                     strip->mapToGlobal(QPointF(100, 100)),
                     Qt::LeftButton,
                     Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(strip, &down);
    // Full scale 0-100: height 100 of 200 is 50; 100 pixels at 0.1 s are 10 s.
    EXPECT_EQ(labelText("CoodsText1"), QStringLiteral("Ponto 1:  Y=50.0  X=10.0"));
    EXPECT_TRUE(widget<QWidget>("Shape1")->isVisible());
}

TEST_F(ControllerWindowTest, ArchiveAsksForItsFolderOnceAndSaysWhereTheDataWent)
{
    const QString previousFolder = QDir::currentPath();
    QTemporaryDir folder;
    m_dialogs.openFiles.push_back(folder.filePath(QStringLiteral("PID2_1.txt")));
    type("KpText", "1");
    apply();
    click("CheckBox1");
    EXPECT_EQ(m_session->TrendArchiveFolder, QFileInfo(folder.path()).absoluteFilePath() + '/');
    EXPECT_FALSE(edit("TagText")->isEnabled());
    m_session->Timer1Timer();
    click("CheckBox1");
    const QString file
        = QFileInfo(folder.filePath(QStringLiteral("PID2_1.txt"))).absoluteFilePath();
    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("Data saved: ") + file});
    EXPECT_TRUE(edit("TagText")->isEnabled());

    click("CheckBox1"); // no second question: PID2_2.txt in the same folder
    EXPECT_EQ(m_dialogs.openRequests.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("PID2_2.txt"))));
    click("CheckBox1");
    QDir::setCurrent(previousFolder);
}

TEST_F(ControllerWindowTest, EnglishTextsAndFollowingThePlant)
{
    m_session->SetEnglishFlag(true);
    open(2);
    activate();
    EXPECT_EQ(widget<QPushButton>("Button2")->text(), QStringLiteral("Send"));
    // A new controller runs under its default tag in either language, as it reopens.
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("PID2"));

    auto loaded = std::make_unique<Plant>();
    SetInventoryChecked(*loaded, ObjectPool::Controllers, 2, true);
    loaded->controllers[2].LoadSettings([](ControllerSettings &s) { s.TagText = "LIC-3"; });
    m_session->ReplacePlant(std::move(loaded));
    EXPECT_EQ(edit("TagText")->text(), QStringLiteral("LIC-3"));
    m_session->ReplacePlant(std::make_unique<Plant>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
}

TEST_F(ControllerWindowTest, ReadoutsAndLabelsShowTheirWholeTextsInBothLanguages)
{
    // Regression: the three readouts of a row cut "X=10.0" to "X=10".
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Portuguese");
        m_session->SetEnglishFlag(english);
        open(2);
        m_window->show();
        activate();
        widget<QComboBox>("BaseTempoBox")->setCurrentIndex(2);
        emit widget<QComboBox>("BaseTempoBox")->activated(2);
        typeInto(edit("eInfText"), QStringLiteral("-1000"));
        press("eInfText", Qt::Key_Return);
        click("SpeedButton2");
        QWidget *strip = widget<QWidget>("Image1");
        for (int s = 1; s <= 6; ++s) {
            QMouseEvent down(QEvent::MouseButtonPress,
                             QPointF(449, 199),
                             strip->mapToGlobal(QPointF(449, 199)),
                             Qt::LeftButton,
                             Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(strip, &down);
        }
        ASSERT_TRUE(labelText("CoodsText6").contains(QStringLiteral("X=898.0")))
            << labelText("CoodsText6").toStdString();
        ExpectWholeTexts(m_window);
        click("ConfigBTN");
        ExpectWholeTexts(m_window);
        m_window->close(); // ends the pause
    }
}

TEST_F(ControllerWindowTest, LongScaleBoundsAndALongTitleShowWhole)
{
    m_window->show();
    activate();
    // The scale is the PV memory's range.
    plant().memories.MemoryUEMin[1] = "-10000";
    plant().memories.MemoryUEMax[1] = "10000";
    type("Descricao", "Temperatura de saída do forno de reaquecimento");
    apply();
    ASSERT_TRUE(m_dialogs.informations.isEmpty());
    ASSERT_EQ(labelText("DescricaoText"),
              QString::fromUtf8("Temperatura de saída do forno de reaquecimento"));
    ASSERT_EQ(edit("eSupText")->text(), QStringLiteral("10000.0"));
    ASSERT_EQ(edit("eInfText")->text(), QStringLiteral("-10000.0"));
    ExpectWholeTexts(m_window);

    typeInto(edit("eSupText"), QStringLiteral("123456789"));
    press("eSupText", Qt::Key_Return);
    ASSERT_EQ(controller().trend.eSupText, "123456789");
    ExpectWholeTexts(m_window);
}

TEST_F(ControllerWindowTest, ALongTitleWrapsWholeWithinTheScreen)
{
    // A pasted description grew the title downwards past the screen; one long word ran past
    // both edges of its column.
    const QString words = QStringLiteral("Temperatura do forno ").repeated(13);
    const struct
    {
        const char *name;
        QString pasted;
    } rows[] = {{"many words", words}, {"one long word", QString(40000, QLatin1Char('t'))}};
    m_window->show();
    activate();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        typeInto(edit("Descricao"), row.pasted);
        EXPECT_EQ(edit("Descricao")->text(), row.pasted.left(255));
        apply();
        ASSERT_TRUE(m_dialogs.informations.isEmpty());
        QCoreApplication::processEvents();
        QString title = labelText("DescricaoText");
        title.remove(QChar(0x200B));
        EXPECT_EQ(title, row.pasted.left(255));
        ExpectWholeTexts(m_window);
        expectWithinScreen({"btnatualiza", "SairBTN"});
    }
}

TEST_F(ControllerWindowTest, ARefusedBoundGivesWayToTheScaleInForce)
{
    m_window->show();
    activate();
    auto *automatic = widget<QCheckBox>("EscalaAuto");
    if (!automatic->isChecked())
        automatic->click();
    ASSERT_TRUE(controller().trend.EscalaAuto);
    const QString top = edit("eSupText")->text();

    typeInto(edit("eSupText"), QStringLiteral("abc"));
    press("eSupText", Qt::Key_Return);

    EXPECT_EQ(automatic->isChecked(), controller().trend.EscalaAuto);
    EXPECT_EQ(edit("eSupText")->text(), top);
    EXPECT_EQ(controller().trend.eSupText, top.toStdString());
}

} // namespace
} // namespace zelvar
