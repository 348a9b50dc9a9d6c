#include "services/session.h"

#include "documents/model/plantoperations.h"
#include "instruments/model/animatedtext.h"
#include "instruments/model/recorder.h"
#include "services/modalwindows.h"
#include "services/singlelineedits.h"
#include "services/toolwindows.h"
#include "services/windowsonscreen.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTime>
#include <QTranslator>

namespace zelvar {

Session::Session(const QString &startFolder, QObject *parent)
    : QObject(parent)
    , StartFolder(startFolder)
    , HelpFolder(startFolder + QStringLiteral("/help"))
    , m_plant(std::make_unique<Plant>())
{
    m_plant->memories.SetStartupDefaults();
    GuardSingleLineEdits();
    KeepModalWindowsInFront();
    MinimiseToolWindowsAlone();
    KeepWindowsOnScreen();
    m_context.random = &m_random;
    m_tick.TimerIntervalMs = kTimerIntervalMs;
    m_tick.RefreshDisplay = [this] {
        StepAnimatedTexts(m_plant->animatedTexts, *m_plant);
        emit displayRefreshDue();
    };
    m_tick.Hooks.recorders = [this] {
        StepRecorders(m_plant->recorders, *m_plant, m_context);
    };

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kTimerIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Session::Timer1Timer);
    m_timer.start();
}

Session::~Session()
{
    if (m_toolkitTexts)
        QCoreApplication::removeTranslator(m_toolkitTexts.get());
}

bool Session::LoadToolkitTexts()
{
    if (m_toolkitTexts) {
        QCoreApplication::removeTranslator(m_toolkitTexts.get());
        m_toolkitTexts.reset();
    }
    // The toolkit speaks English of its own.
    if (m_englishFlag)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qt_pt_BR"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_toolkitTexts = std::move(translator);
    return true;
}

void Session::ResetPlant()
{
    ReplacePlant(zelvar::ResetPlant(*m_plant, language()));
}

void Session::ReplacePlant(std::unique_ptr<Plant> plant)
{
    if (!plant)
        return;
    m_plant = std::move(plant);
    emit plantReplaced();
    RefreshVariableList();
}

void Session::RefreshVariableList()
{
    m_variableList.Refresh(*m_plant);
    emit variableListRefreshed();
}

void Session::MarkChanged()
{
    m_savedFlag = false;
    emit savedFlagChanged(false);
    emit plantChanged();
}

void Session::MarkSaved()
{
    m_savedFlag = true;
    emit savedFlagChanged(true);
}

void Session::RefreshMainWindow()
{
    zelvar::RefreshMainWindow(*m_plant);
    emit mainWindowRefreshed();
}

void Session::SetRunning(bool running)
{
    if (running == m_timer.isActive())
        return;
    if (running)
        m_timer.start();
    else
        m_timer.stop();
    emit runningChanged(running);
}

Session::TimerHold::TimerHold(Session &session)
    : m_session(session)
    , m_wasRunning(session.m_timer.isActive())
{
    m_session.m_timer.stop();
}

Session::TimerHold::~TimerHold()
{
    if (m_wasRunning)
        m_session.m_timer.start();
}

void Session::Timer1Timer()
{
    m_tick.TimerIntervalMs = m_timer.interval();
    const double timeOfDayMs = QTime::currentTime().msecsSinceStartOfDay();
    m_tick.Tick(timeOfDayMs, *m_plant, m_context);
    emit ticked();
}

} // namespace zelvar
