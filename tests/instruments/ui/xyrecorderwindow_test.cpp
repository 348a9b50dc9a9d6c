#include "instruments/ui/xyrecorderwindow.h"

#include "instruments/ui/chartpoints.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QChartView>
#include <QComboBox>
#include <QProgressBar>

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
