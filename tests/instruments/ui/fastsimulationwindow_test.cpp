#include "instruments/ui/fastsimulationwindow.h"

#include "documents/model/plantoperations.h"
#include "engine/model/controller.h"
#include "engine/ui/controllerwindow.h"
#include "instruments/ui/chartpoints.h"
#include "instruments/ui/performancechart.h"
#include "services/session.h"
#include "tests/services/scripteddialogs.h"
#include "tests/services/wholetexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

namespace zelvar {
namespace {

// The window over a session whose working folder is a fresh temporary one, controller 1
// present, the timer running. Runs use "30 min" at "1 seg": 1800 steps, 1800 samples.
class FastSimulationWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previousFolder = QDir::currentPath();
        ASSERT_TRUE(m_folder.isValid());
        QDir::setCurrent(m_folder.path());
        m_session = std::make_unique<Session>(m_folder.path());
        SetInventoryChecked(m_session->plant(), ObjectPool::Controllers, 1, true);
    }
    void TearDown() override
    {
        delete m_window.data();
        m_session.reset();
        QDir::setCurrent(m_previousFolder);
    }

    void open()
    {
        delete m_window.data();
        m_window = new TAboutBox(*m_session, nullptr, &m_dialogs);
    }
    template<typename Widget = QWidget> Widget *widget(const char *name) const
    {
        auto *found = m_window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void choose(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void simulate()
    {
        choose(widget<QComboBox>("TACombo"), 3);
        widget<QPushButton>("BTNSimular")->click();
    }
    int points(const char *chart, int series = 0) const
    {
        return widget<PerformanceChart>(chart)->Trace(series)->Count();
    }
    QString text(const char *box) const { return widget<QLineEdit>(box)->text(); }
    // A performance file of the working folder through a loader's list and button; the first
    // of the list when no name is given.
    void loadHistory(const char *listName, const char *button, const QString &file = {})
    {
        auto *list = widget<QComboBox>(listName);
        QFocusEvent enter(QEvent::FocusIn);
        QApplication::sendEvent(list, &enter);
        const int index = file.isEmpty() ? 0 : list->findText(file);
        ASSERT_GE(index, 0) << file.toStdString();
        choose(list, index);
        widget<QPushButton>(button)->click();
    }
    // A mouse zoom dragged over the chart's plot, from near its top left corner to its centre.
    static void dragZoom(PerformanceChart *chart)
    {
        const QRectF plot = chart->chart()->plotArea();
        const QPoint from = chart->mapFromScene(plot.topLeft() + QPointF(20, 20));
        const QPoint to = chart->mapFromScene(plot.center());
        mouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(chart, QEvent::MouseMove, to, Qt::LeftButton, Qt::LeftButton);
        mouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    static void rightClick(PerformanceChart *chart)
    {
        const QPoint at = chart->mapFromScene(chart->chart()->plotArea().center());
        mouse(chart, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        mouse(chart, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }
    static void mouse(PerformanceChart *chart,
                      QEvent::Type type,
                      QPoint at,
                      Qt::MouseButton button,
                      Qt::MouseButtons buttons)
    {
        QMouseEvent event(
            type, at, chart->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(chart->viewport(), &event);
    }
    // Runs the event loop, frame by frame, until no chart of the window glides any more; then
    // every chart shows the ranges it holds.
    void letGlidesEnd() const
    {
        const QList<PerformanceChart *> charts = m_window->findChildren<PerformanceChart *>();
        const auto gliding = [&] {
            return std::any_of(charts.begin(), charts.end(), [](const PerformanceChart *chart) {
                return chart->Gliding();
            });
        };
        QElapsedTimer clock;
        clock.start();
        while (gliding() && clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        for (const PerformanceChart *chart : charts) {
            SCOPED_TRACE(chart->objectName().toStdString());
            EXPECT_FALSE(chart->Gliding());
            EXPECT_EQ(chart->BottomAxis()->min(), chart->BottomRange().minimum);
            EXPECT_EQ(chart->BottomAxis()->max(), chart->BottomRange().maximum);
            EXPECT_EQ(chart->LeftAxis()->min(), chart->LeftRange().minimum);
            EXPECT_EQ(chart->LeftAxis()->max(), chart->LeftRange().maximum);
        }
    }

    QTemporaryDir m_folder;
    QString m_previousFolder;
    std::unique_ptr<Session> m_session;
    ScriptedDialogs m_dialogs;
    QPointer<TAboutBox> m_window;
};

TEST_F(FastSimulationWindowTest, OpensWithTagPagesAndTheTitleAsFileBase)
{
    Plant &plant = m_session->plant();
    SetInventoryChecked(plant, ObjectPool::Controllers, 2, true);
    plant.controllers[2].EditSettings([](ControllerSettings &s) { s.TagText = "FIC-02"; });
    for (const auto &[title, base] : {std::pair{"", "DadosDesempenho"}, {"Forno", "Forno"}}) {
        SCOPED_TRACE(title);
        plant.title = title;
        open();
        EXPECT_EQ(m_window->windowTitle(), QString::fromUtf8("Simulação Rápida"));
        EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), QString::fromLatin1(base));
        auto *upper = widget<QTabWidget>("TabbedNotebook1");
        EXPECT_EQ(upper->tabText(1), QStringLiteral("FIC-02"));
        EXPECT_EQ(widget<QTabWidget>("TabbedNotebook2")->tabText(1),
                  QStringLiteral("FIC-02(hist)"));
        EXPECT_EQ(upper->tabText(2), QStringLiteral("Malha 3"));
    }
}

TEST_F(FastSimulationWindowTest, SimulateArchivesChartsTheLoopsAndShowsLoopOneIndices)
{
    open();
    simulate();
    EXPECT_TRUE(QFile::exists(m_folder.filePath(QStringLiteral("DadosDesempenho_1.txd"))));
    EXPECT_EQ(widget<QLabel>("Label5")->text(), QStringLiteral("Dados salvos no arquivo"));
    EXPECT_EQ(widget<QComboBox>("ComboBox2")->currentText(),
              QStringLiteral("DadosDesempenho_1.txd"));
    EXPECT_EQ(points("ChartM1", 0), 1800);
    EXPECT_EQ(points("ChartM1", 2), 1800);
    EXPECT_EQ(points("ChartM2"), 0);
    EXPECT_TRUE(text("varPVmalha").endsWith(QStringLiteral(" %")));
    EXPECT_FALSE(text("PVminmaxMalha").isEmpty());
    // The timer is back as it was and the panel usable again.
    EXPECT_TRUE(m_session->IsRunning());
    EXPECT_TRUE(widget<QPushButton>("BTNSimular")->isEnabled());
    EXPECT_TRUE(widget<QLineEdit>("Edit2")->isEnabled());
}

// An open faceplate kept the setpoint from before the run in its SP edit, and Enter there set
// it back; with the plant paused no tick comes to mend it.
TEST_F(FastSimulationWindowTest, AnOpenFaceplateShowsTheSetpointTheRunStepped)
{
    Plant &plant = m_session->plant();
    Controller &controller = plant.controllers[1];
    plant.memories.MemoryUEMax[21] = "4";
    controller.EditSettings([](ControllerSettings &s) { s.VariavelSelect = 20; });
    ASSERT_TRUE(controller.ApplyControllerSettings(plant.memories, true).empty());
    controller.Setpoint = 50.0;
    controller.ShowSetpointText();
    m_session->SetRunning(false);
    TControlador faceplate(*m_session, 1, nullptr, &m_dialogs);
    faceplate.show();
    auto *spText = faceplate.findChild<QLineEdit *>(QStringLiteral("SPText"));
    ASSERT_NE(spText, nullptr);
    ASSERT_EQ(spText->text(), QStringLiteral("2.000"));
    open();
    choose(widget<QComboBox>("SinalTesteCombo"), 2);

    simulate();

    ASSERT_EQ(controller.Setpoint, 60.0);
    EXPECT_EQ(spText->text(), QStringLiteral("2.400"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(spText, &enter);
    EXPECT_EQ(controller.Setpoint, 60.0);
}

TEST_F(FastSimulationWindowTest, AStepAmplitudeThatIsNotWholeIsReportedAndNothingRuns)
{
    open();
    choose(widget<QComboBox>("SinalTesteCombo"), 2);
    auto *amplitude = widget<QLineEdit>("SinalTesteValor");
    EXPECT_FALSE(amplitude->isHidden());
    amplitude->setText(QStringLiteral("1.5"));
    emit amplitude->textEdited(amplitude->text());
    simulate();
    EXPECT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("DadosDesempenho_1.txd"))));
    EXPECT_EQ(points("ChartM1"), 0);
}

TEST_F(FastSimulationWindowTest, LowerLoaderReadsTheChosenFileAndTabsFollowTheUpperNotebook)
{
    open();
    simulate();
    auto *list = widget<QComboBox>("ComboBox1");
    QFocusEvent enter(QEvent::FocusIn);
    QApplication::sendEvent(list, &enter);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("DadosDesempenho_1"));
    // No file chosen yet: nothing happens.
    widget<QPushButton>("BTNCarregar")->click();
    EXPECT_EQ(points("ChartH1"), 0);

    choose(list, 0);
    widget<QPushButton>("BTNCarregar")->click();
    EXPECT_EQ(points("ChartH1"), 1800);
    EXPECT_FALSE(text("IEMAhist").trimmed().isEmpty());
    widget<QTabWidget>("TabbedNotebook1")->setCurrentIndex(2);
    EXPECT_EQ(widget<QTabWidget>("TabbedNotebook2")->currentIndex(), 2);
}

// A mouse pick in a file list was lost: closing the popup gives the list the focus, and the
// refill on entering the list came before the pick was taken.
TEST_F(FastSimulationWindowTest, AFilePickedFromAnOpenListStaysChosenAndLoads)
{
    open();
    simulate();
    for (const auto &[name, load] :
         {std::pair{"ComboBox1", "BTNCarregar"}, std::pair{"ComboBox2", "Button1"}}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(QFile::copy(m_folder.filePath(QStringLiteral("DadosDesempenho_1.txd")),
                                m_folder.filePath(QStringLiteral("%1.txd").arg(name))));
        auto *list = widget<QComboBox>(name);

        // Opening looks into the folder; the pick is made in the open list, and the list gets
        // the focus back from its popup before the pick is taken.
        list->showPopup();
        const int picked = list->findText(QString::fromLatin1(name));
        ASSERT_GE(picked, 0);
        list->view()->setCurrentIndex(list->model()->index(picked, 0));
        list->hidePopup();
        QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(list, &back);
        choose(list, list->view()->currentIndex().row());
        EXPECT_EQ(list->currentText(), QString::fromLatin1(name));

        // Entering the list again, changing the run's window, opening the list again: the
        // picked name stays.
        QFocusEvent enter(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &enter);
        choose(widget<QComboBox>("JanelaComboBox"), 1);
        list->showPopup();
        list->hidePopup();
        EXPECT_EQ(list->currentText(), QString::fromLatin1(name));

        // The loader reads the picked file: gone by now, it says so.
        ASSERT_TRUE(QFile::remove(m_folder.filePath(QStringLiteral("%1.txd").arg(name))));
        const qsizetype errors = m_dialogs.errors.size();
        widget<QPushButton>(load)->click();
        ASSERT_EQ(m_dialogs.errors.size(), errors + 1);
        EXPECT_TRUE(m_dialogs.errors.last().contains(QStringLiteral("%1.txd").arg(name)));
    }
}

TEST_F(FastSimulationWindowTest, ARunAfterAPlantReplacementChartsTheNewPlantsLoops)
{
    open();
    auto replacement = std::make_unique<Plant>();
    SetInventoryChecked(*replacement, ObjectPool::Controllers, 3, true);
    m_session->ReplacePlant(std::move(replacement));
    simulate();
    EXPECT_EQ(points("ChartM1"), 0);
    EXPECT_EQ(points("ChartM3"), 1800);
}

TEST_F(FastSimulationWindowTest, EnglishTexts)
{
    m_session->SetEnglishFlag(true);
    open();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Fast Simulation"));
    EXPECT_EQ(widget<QPushButton>("BTNSimular")->text(), QStringLiteral("Simulate"));
    EXPECT_EQ(widget<QComboBox>("SinalTesteCombo")->currentText(),
              QStringLiteral("Select a test signal:"));
    EXPECT_EQ(widget<QTabWidget>("TabbedNotebook1")->tabText(0).toStdString(),
              m_session->plant().controllers[1].Settings().TagText);
    EXPECT_EQ(widget<QTabWidget>("TabbedNotebook1")->tabText(1), QStringLiteral("Loop 2"));
}

TEST_F(FastSimulationWindowTest, PagingFollowsPointsPerPageAndCoTracesCanBeHidden)
{
    open();
    simulate();
    // The run's history below, so the lower chart has the pages to follow the upper one.
    loadHistory("ComboBox1", "BTNCarregar");
    choose(widget<QComboBox>("PtsPag"), 0); // 900 points: 1800 samples make two pages
    auto *chart = widget<PerformanceChart>("ChartM1");
    EXPECT_EQ(chart->NumPages(), 2);
    for (const auto &[button, page] :
         {std::pair{"SelPageForward", 2}, {"SelPageForward", 2}, {"SelPageBack", 1}}) {
        widget<QToolButton>(button)->click();
        EXPECT_EQ(chart->Page(), page) << button;
        EXPECT_EQ(widget<PerformanceChart>("ChartH1")->Page(), page) << button;
    }
    // Regression: larger pages after paging forward left the chart on a page that did not exist.
    widget<QToolButton>("SelPageForward")->click();
    choose(widget<QComboBox>("PtsPag"), 1);
    EXPECT_EQ(chart->NumPages(), 1);
    EXPECT_EQ(chart->Page(), 1);
    EXPECT_EQ(chart->BottomAxis()->min(), 0.0);
    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_EQ(points("ChartM1", 2), 0);
    EXPECT_EQ(points("ChartM1", 0), 1800);
}

// Regression: after paging far into a four-hour run, a shorter run or history left both charts
// of the loop on a page past their points, empty, with the bottom axis at 13500.
TEST_F(FastSimulationWindowTest, LessDataBringsThePageBackToTheLastOneWithPoints)
{
    const auto run = [&](int length) {
        choose(widget<QComboBox>("JanelaComboBox"), length);
        simulate();
        return widget<QComboBox>("ComboBox2")->currentText().chopped(4);
    };
    open();
    const QString shortRun = run(0); // 30 min, 1800 samples
    struct Shrink
    {
        const char *what;
        const char *shrunkChart;
        std::function<void()> act;
    };
    const auto shorterRun = [&] {
        run(0);
    };
    const auto shorterHistoryAbove = [&] {
        loadHistory("ComboBox2", "Button1", shortRun);
    };
    const auto shorterHistoryBelow = [&] {
        loadHistory("ComboBox1", "BTNCarregar", shortRun);
    };
    const Shrink shrinks[] = {{"a shorter run", "ChartM1", shorterRun},
                              {"a shorter history above", "ChartM1", shorterHistoryAbove},
                              {"a shorter history below", "ChartH1", shorterHistoryBelow}};
    for (const Shrink &shrink : shrinks) {
        SCOPED_TRACE(shrink.what);
        open();
        auto *upper = widget<PerformanceChart>("ChartM1");
        auto *lower = widget<PerformanceChart>("ChartH1");
        // Four hours in both charts at "15 min" a page, paged to the last of 16 pages.
        loadHistory("ComboBox1", "BTNCarregar", run(3));
        choose(widget<QComboBox>("PtsPag"), 0);
        for (int page = 1; page < 16; ++page)
            widget<QToolButton>("SelPageForward")->click();
        ASSERT_EQ(upper->Page(), 16);
        ASSERT_EQ(lower->Page(), 16);

        shrink.act();
        letGlidesEnd();
        for (const PerformanceChart *chart : {upper, lower}) {
            SCOPED_TRACE(chart->objectName().toStdString());
            EXPECT_LE(chart->Page(), chart->NumPages());
            // The bottom axis shows points of the chart.
            EXPECT_LT(chart->BottomAxis()->min(), chart->Count());
            EXPECT_GT(chart->BottomAxis()->max(), chart->BottomAxis()->min());
        }
        const auto *shrunk = widget<PerformanceChart>(shrink.shrunkChart);
        EXPECT_EQ(shrunk->Count(), 1800);
        EXPECT_EQ(shrunk->Page(), 2);
        EXPECT_EQ(shrunk->BottomAxis()->min(), 900.0);
    }
}

TEST_F(FastSimulationWindowTest, ADraggedZoomIsCopiedToTheTwinAndDisarms)
{
    open();
    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(950, 650);
    m_window->show();
    simulate();
    widget<QToolButton>("SpeedButton1")->click();
    EXPECT_FALSE(widget<QToolButton>("SpeedButton1")->isEnabled());

    auto *source = widget<PerformanceChart>("ChartM1");
    dragZoom(source);

    auto *twin = widget<PerformanceChart>("ChartH1");
    EXPECT_FALSE(source->BottomAutomatic());
    EXPECT_LT(source->BottomAxis()->max(), 1799.0);
    EXPECT_EQ(twin->BottomRange(), source->BottomRange());
    EXPECT_EQ(twin->LeftRange(), source->LeftRange());
    EXPECT_TRUE(widget<QToolButton>("SpeedButton1")->isEnabled());
    EXPECT_FALSE(source->AllowZoom());

    widget<QToolButton>("SpeedButton2")->click();
    EXPECT_TRUE(twin->BottomAutomatic());
    EXPECT_TRUE(source->LeftAutomatic());
    letGlidesEnd();
}

TEST_F(FastSimulationWindowTest, TheAnimatedZoomGlidesToTheEndOnEveryPathThatMovesTheAxes)
{
    // Regression: the chart's own axis animation crashed the program a moment after a zoom,
    // an undo, a new page size or a history load on the first lower chart.
    open();
    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(950, 650);
    m_window->show();
    choose(widget<QComboBox>("JanelaComboBox"), 3); // four hours at one sample a second
    simulate();
    auto *upper = widget<PerformanceChart>("ChartM1");
    auto *lower = widget<PerformanceChart>("ChartH1");
    ASSERT_TRUE(lower->ZoomAnimated());
    ASSERT_EQ(upper->Trace(0)->Count(), 14400);
    // Each path moves the lower chart's axes to a new range, which they glide to.
    const auto glides = [&](const char *path, const auto &change) {
        SCOPED_TRACE(path);
        const AxisRange bottom = lower->BottomRange();
        const AxisRange left = lower->LeftRange();
        change();
        EXPECT_TRUE(lower->BottomRange() != bottom || lower->LeftRange() != left);
        EXPECT_TRUE(lower->Gliding());
        letGlidesEnd();
    };

    glides("history load", [&] {
        auto *list = widget<QComboBox>("ComboBox1");
        QFocusEvent enter(QEvent::FocusIn);
        QApplication::sendEvent(list, &enter);
        choose(list, 0);
        widget<QPushButton>("BTNCarregar")->click();
        EXPECT_EQ(lower->Trace(0)->Count(), 14400);
    });
    EXPECT_EQ(lower->BottomRange(), (AxisRange{0.0, 1799.0}));
    glides("points per page", [&] { choose(widget<QComboBox>("PtsPag"), 0); });
    EXPECT_EQ(lower->BottomRange(), (AxisRange{0.0, 899.0}));
    glides("page", [&] { widget<QToolButton>("SelPageForward")->click(); });
    EXPECT_EQ(lower->BottomRange(), (AxisRange{900.0, 1799.0}));
    glides("zoom", [&] {
        widget<QToolButton>("SpeedButton1")->click();
        dragZoom(lower);
    });
    EXPECT_GT(lower->BottomRange().minimum, 900.0);
    EXPECT_LT(lower->BottomRange().maximum, 1799.0);
    EXPECT_EQ(upper->BottomRange(), lower->BottomRange());
    glides("undo", [&] { rightClick(lower); });
    EXPECT_EQ(lower->BottomRange(), (AxisRange{900.0, 1799.0}));
    EXPECT_TRUE(upper->BottomAutomatic());
    glides("replicate", [&] {
        widget<QToolButton>("SpeedButton1")->click();
        dragZoom(upper);
    });
    EXPECT_EQ(lower->BottomRange(), upper->BottomRange());
    EXPECT_EQ(lower->LeftRange(), upper->LeftRange());
    glides("1:1", [&] { widget<QToolButton>("SpeedButton3")->click(); });
    EXPECT_EQ(lower->LeftRange(), (AxisRange{0.0, 100.0}));
    glides("undo all", [&] { widget<QToolButton>("SpeedButton2")->click(); });
    EXPECT_EQ(lower->BottomRange(), (AxisRange{900.0, 1799.0}));
    EXPECT_TRUE(lower->LeftAutomatic());
}

TEST_F(FastSimulationWindowTest, LabelsAndIndexTextsShowWhole)
{
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Portuguese");
        m_session->SetEnglishFlag(english);
        open();
        m_window->show();
        simulate();
        ExpectWholeTexts(m_window.data());
    }
}

TEST_F(FastSimulationWindowTest, TheFirstLowerChartsLabelSamplesWithThreeDecimalsAtMost)
{
    open();
    for (const auto &[name, finestTick, animated] : {std::tuple{"ChartH1", 0.001, true},
                                                     {"ChartH2", 0.001, false},
                                                     {"ChartM1", 0.0005, false}}) {
        SCOPED_TRACE(name);
        auto *chart = widget<PerformanceChart>(name);
        chart->SetBottomRange(0.0, 0.004);
        letGlidesEnd();
        EXPECT_DOUBLE_EQ(chart->BottomAxis()->tickInterval(), finestTick);
        EXPECT_EQ(chart->ZoomAnimated(), animated);
    }
}

} // namespace
} // namespace zelvar
