#include "services/session.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

#include <vector>

namespace zelvar {
namespace {

TEST(Session, StartsRunningSavedAndInPortuguese)
{
    Session session(QStringLiteral("/start"));

    EXPECT_TRUE(session.IsRunning());
    EXPECT_EQ(session.Timer1().interval(), 100);
    EXPECT_TRUE(session.SavedFlag());
    EXPECT_FALSE(session.EnglishFlag());
    EXPECT_EQ(session.StartFolder, QStringLiteral("/start"));
    EXPECT_TRUE(session.CurrentFolder.isEmpty());
    EXPECT_TRUE(session.TrendArchiveFolder.isEmpty());
    // The start-up memory defaults are MemoryTable's; only the reset below differs from them.
    EXPECT_EQ(session.plant().memories.MemoryUEMin[30], "0.0");
}

TEST(Session, MarkChangedAndMarkSavedReportTheFlag)
{
    Session session(QStringLiteral("/start"));
    std::vector<bool> reported;
    int changes = 0;
    QObject::connect(
        &session, &Session::savedFlagChanged, [&](bool saved) { reported.push_back(saved); });
    QObject::connect(&session, &Session::plantChanged, [&] { ++changes; });

    session.MarkChanged();
    EXPECT_FALSE(session.SavedFlag());
    session.MarkSaved();

    EXPECT_TRUE(session.SavedFlag());
    EXPECT_EQ(reported, (std::vector<bool>{false, true}));
    EXPECT_EQ(changes, 1);
}

TEST(Session, ResetGivesAnEmptyPlantAndTellsTheWindows)
{
    Session session(QStringLiteral("/start"));
    session.plant().title = "Old";
    session.plant().memories.SetValue(30, 42.0);
    const Plant *before = &session.plant();
    int replaced = 0;
    QObject::connect(&session, &Session::plantReplaced, [&] { ++replaced; });

    session.ResetPlant();

    EXPECT_EQ(replaced, 1);
    EXPECT_NE(&session.plant(), before);
    EXPECT_TRUE(session.plant().title.empty());
    EXPECT_EQ(session.plant().memories.Value(30), 0.0);
    // A reset plant's range low is "0.00", unlike the start-up default.
    EXPECT_EQ(session.plant().memories.MemoryUEMin[30], "0.00");
}

TEST(Session, ReplacingWithNothingKeepsThePlant)
{
    Session session(QStringLiteral("/start"));
    const Plant *before = &session.plant();

    session.ReplacePlant(nullptr);

    EXPECT_EQ(&session.plant(), before);
}

TEST(Session, TimerHoldPutsTheTimerBackAsItWas)
{
    Session session(QStringLiteral("/start"));
    int reports = 0;
    QObject::connect(&session, &Session::runningChanged, [&] { ++reports; });
    {
        const Session::TimerHold hold(session);
        EXPECT_FALSE(session.IsRunning());
    }
    EXPECT_TRUE(session.IsRunning());

    session.SetRunning(false);
    {
        const Session::TimerHold hold(session);
    }
    EXPECT_FALSE(session.IsRunning());
    // Only the pause itself is a change of state.
    EXPECT_EQ(reports, 1);
}

TEST(Session, EverySixthTickRefreshesTheDisplayBeforeStepping)
{
    Session session(QStringLiteral("/start"));
    std::vector<char> events;
    QObject::connect(&session, &Session::displayRefreshDue, [&] { events.push_back('r'); });
    QObject::connect(&session, &Session::ticked, [&] { events.push_back('t'); });

    for (int tick = 0; tick < 12; ++tick)
        session.Timer1Timer();

    EXPECT_EQ(std::string(events.begin(), events.end()), "tttttrttttttrt");
    EXPECT_NE(session.tick().CycleText.find("ms"), std::string::npos);
}

TEST(Session, TimeStepFollowsTheTimerInterval)
{
    Session session(QStringLiteral("/start"));
    session.Timer1().setInterval(250);

    session.Timer1Timer();

    EXPECT_EQ(session.tick().TimerIntervalMs, 250);
}

TEST(Session, TheToolkitSpeaksTheProgramsLanguage)
{
    // Regression: Yes, No, Cancel and the file dialogs came in English in a Portuguese program.
    for (const auto &[english, yes, lookIn] :
         {std::tuple{false, "&Sim", "Procurar em:"}, {true, "&Yes", "Look in:"}}) {
        SCOPED_TRACE(english ? "English" : "Portuguese");
        Session session(QStringLiteral("/start"));
        session.SetEnglishFlag(english);
        ASSERT_TRUE(session.LoadToolkitTexts());
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(yes));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"),
                  QString::fromUtf8(lookIn));
    }
    // The texts go with the session.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

} // namespace
} // namespace zelvar
