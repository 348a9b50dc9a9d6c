#include "instruments/ui/xyrecorderwindow.h"

#include "engine/model/controller.h"
#include "engine/ui/controllerwindow.h"
#include "instruments/ui/chartpoints.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QProgressBar>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelvar {
namespace {

class XYRecorderWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::tempPath());
        m_session->SetRunning(false);
    }
    void TearDown() override
    {
        m_window.reset();
        m_session.reset();
    }

    void open() { m_window = std::make_unique<TRegXY>(*m_session, nullptr, &m_dialogs); }
    Plant &plant() { return m_session->plant(); }
    template<typename Widget> Widget *widget(const char *name) const
    {
        auto *found = m_window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox *combo(const char *name) const { return widget<QComboBox>(name); }
    // The user picks an item of a list.
    void choose(const char *name, int index)
    {
        combo(name)->setCurrentIndex(index);
        emit combo(name)->activated(index);
    }
    const ChartPoints *series() const { return m_window->Series1(); }
    QChartView *view() const { return widget<QChartView>("Chart1"); }
    QValueAxis *axis(Qt::Orientation orientation) const
    {
        const QList<QAbstractAxis *> axes = view()->chart()->axes(orientation);
        EXPECT_EQ(axes.size(), 1);
        return qobject_cast<QValueAxis *>(axes.value(0));
    }
    // Whether the shown chart has the cloud's colour in the pixel that holds the point.
    bool drawn(const QImage &shown, XYPoint point) const
    {
        QChart *chart = view()->chart();
        const QPointF at
            = chart->mapToPosition(QPointF(point.x, point.y), chart->findChild<QScatterSeries *>());
        const QPoint pixel = view()->viewport()->mapTo(
            view(),
            QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
        return shown.pixelColor(pixel) == QColor(Qt::red);
    }
    // Tick values on whole multiples of a step of 1, 2 or 5 times a power of ten.
    static void expectRoundTicks(const QValueAxis *axis)
    {
        const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        EXPECT_TRUE(std::abs(mantissa - 1.0) < 1e-9 || std::abs(mantissa - 2.0) < 1e-9
                    || std::abs(mantissa - 5.0) < 1e-9)
            << axis->min() << ".." << axis->max() << " in " << axis->tickCount() << " ticks";
        const double first = axis->min() / step;
        EXPECT_NEAR(first, std::nearbyint(first), 1e-9) << axis->min() << " every " << step;
    }

    std::unique_ptr<Session> m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TRegXY> m_window;
};

TEST_F(XYRecorderWindowTest, PresetOfAPresentLoopChoosesItsOutputAndPV)
{
    plant().controllers[3] = Controller(3);
    plant().controllers.present[3] = true;
    plant().controllers[3].LoadSettings([](ControllerSettings &s) { s.VariavelSelect = 22; });
    open();
    ASSERT_EQ(combo("Presets")->count(), 21);
    EXPECT_EQ(combo("Presets")->currentIndex(), -1);
    ASSERT_EQ(combo("ComboX")->count(), 124);

    choose("Presets", 5); // "COxPV [Malha 3]"

    EXPECT_EQ(combo("ComboX")->currentIndex(), 2);
    EXPECT_EQ(combo("ComboY")->currentIndex(), 22);
    EXPECT_EQ(plant().xyRecorder.ComboY, 22);

    // Opening a list takes it back to memory 1 and the presets to the individual choice.
    combo("ComboX")->showPopup();
    combo("ComboX")->hidePopup();
    EXPECT_EQ(combo("ComboX")->currentIndex(), 0);
    EXPECT_EQ(combo("Presets")->currentText(), QString::fromUtf8("Seleção Individual"));
}

TEST_F(XYRecorderWindowTest, RegistraSweepsTheChosenAxesWithTheTimerHeldAndLimparClears)
{
    plant().memories.SetValue(5, 40.0);
    plant().memories.SetValue(6, 70.0);
    m_session->SetRunning(true);
    open();
    choose("ComboX", 4);
    choose("ComboY", 5);
    choose("JanelaComboBox", 0);

    widget<QPushButton>("Button1")->click();

    // "10 min" at 0.1 s: 6000 steps, one point each; nothing writes M5 and M6.
    ASSERT_EQ(series()->Count(), 6000);
    EXPECT_EQ(series()->Data().x(0), 40.0);
    EXPECT_EQ(series()->Data().ys[0], 70.0);
    EXPECT_EQ(plant().xyRecorder.Series1().size(), 6000u);
    EXPECT_EQ(widget<QProgressBar>("Gauge1")->value(), 100);
    EXPECT_TRUE(m_session->IsRunning());

    widget<QToolButton>("SpeedButton4")->click();

    EXPECT_EQ(series()->Count(), 0);
    EXPECT_TRUE(plant().xyRecorder.Series1().empty());
}

// The sweep moves the live plant; an open faceplate kept the remote setpoint from before it.
TEST_F(XYRecorderWindowTest, AnOpenFaceplateShowsThePlantTheSweepLeft)
{
    SetInventoryChecked(plant(), ObjectPool::Controllers, 1, true);
    Controller &controller = plant().controllers[1];
    controller.SetCheckSPR(true);
    controller.remoteSetpointMemory = 30;
    controller.local = false;
    plant().memories.SetValue(30, 70.0);
    TControlador faceplate(*m_session, 1, nullptr, &m_dialogs);
    faceplate.show();
    open();
    choose("ComboX", 29);
    choose("ComboY", 0);

    widget<QPushButton>("Button1")->click();

    auto *spText = faceplate.findChild<QLineEdit *>(QStringLiteral("SPText"));
    ASSERT_NE(spText, nullptr);
    EXPECT_EQ(spText->text(), QStringLiteral("70.0"));
}

TEST_F(XYRecorderWindowTest, PointsOnTheEdgesOfThePlotAreDrawnAndAxesTickOnRoundValues)
{
    // A figure of eight that saturates at 0 and 100 on both axes, as a CO at its limits does.
    std::vector<XYPoint> cloud;
    for (int i = 0; i < 6000; ++i) {
        const double t = 2.0 * M_PI * i / 6000.0;
        cloud.push_back({std::clamp(50.0 + 60.0 * std::sin(t), 0.0, 100.0),
                         std::clamp(50.0 + 60.0 * std::sin(2.0 * t), 0.0, 100.0)});
    }
    plant().xyRecorder.AddPoints(cloud);
    open();
    m_window->show();
    // Automatic scaling and the 0-100 % scale both put the saturated points on the edges.
    for (const char *scale : {"automatic", "SpeedButton3"}) {
        SCOPED_TRACE(scale);
        if (scale != std::string("automatic"))
            widget<QToolButton>(scale)->click();
        ASSERT_EQ(axis(Qt::Horizontal)->max(), 100.0);
        ASSERT_EQ(axis(Qt::Vertical)->min(), 0.0);
        QCoreApplication::processEvents();
        const QImage shown = view()->grab().toImage();
        std::vector<XYPoint> onEdges;
        std::vector<XYPoint> missing;
        for (const XYPoint &point : plant().xyRecorder.Series1()) {
            if (point.x != 0.0 && point.x != 100.0 && point.y != 0.0 && point.y != 100.0)
                continue;
            onEdges.push_back(point);
            if (!drawn(shown, point))
                missing.push_back(point);
        }
        EXPECT_GT(onEdges.size(), 100u);
        if (!missing.empty()) {
            ADD_FAILURE() << missing.size() << " of " << onEdges.size()
                          << " points on the edges not drawn, the first at " << missing.front().x
                          << "," << missing.front().y;
        }
        expectRoundTicks(axis(Qt::Horizontal));
        expectRoundTicks(axis(Qt::Vertical));
    }

    // Regression: after a cloud scaled to 20..80, "Limpar" left 0..100 in that cloud's seven
    // ticks (0, 16.667, ...); so did the 0-100 % scale.
    for (const char *button : {"SpeedButton4", "SpeedButton3"}) {
        SCOPED_TRACE(button);
        widget<QToolButton>("SpeedButton4")->click();
        plant().xyRecorder.AddPoints({{20.0, 20.0}, {80.0, 80.0}});
        widget<QToolButton>("SpeedButton2")->click(); // automatic scaling shows the new cloud
        ASSERT_EQ(axis(Qt::Horizontal)->min(), 20.0);
        widget<QToolButton>(button)->click();
        EXPECT_EQ(axis(Qt::Horizontal)->min(), 0.0);
        EXPECT_EQ(axis(Qt::Horizontal)->max(), 100.0);
        expectRoundTicks(axis(Qt::Horizontal));
        expectRoundTicks(axis(Qt::Vertical));
    }
}

TEST_F(XYRecorderWindowTest, EnglishTexts)
{
    m_session->SetEnglishFlag(true);
    open();
    EXPECT_EQ(widget<QLabel>("Label36")->text(), QStringLiteral("Window"));
    EXPECT_EQ(widget<QPushButton>("Button1")->text(), QStringLiteral("Register"));
    EXPECT_EQ(widget<QToolButton>("SpeedButton4")->toolTip(), QStringLiteral("Clean Graphic"));
}

TEST_F(XYRecorderWindowTest, FollowsAReplacedPlantsDescriptions)
{
    open();
    auto replacement = std::make_unique<Plant>();
    replacement->memories.SetDescription(1, "Vazão");

    m_session->ReplacePlant(std::move(replacement));

    EXPECT_EQ(combo("ComboX")->itemText(0), QString::fromUtf8("01   Vazão"));
}

} // namespace
} // namespace zelvar
