#pragma once

#include "documents/model/plant.h"
#include "documents/model/variablelist.h"
#include "engine/model/language.h"
#include "engine/model/randomsource.h"
#include "engine/model/realtimetick.h"
#include "engine/model/stepcontext.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QTranslator;

namespace zelvar {

// What lives as long as the program: the current plant, the main timer that steps it in real
// time, the language and the folders. Windows keep a non-owning pointer and listen to its
// signals; only the session replaces the plant.
class Session : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTimerIntervalMs = 100;

    // startFolder: the working folder at start-up, home of "preferences.cfg" and the examples.
    // The plant starts with the start-up memory defaults and the main timer runs at once.
    explicit Session(const QString &startFolder, QObject *parent = nullptr);
    ~Session() override;

    Plant &plant() { return *m_plant; }
    const Plant &plant() const { return *m_plant; }

    // An empty plant made from the current one (the reset of "Novo" and "Exemplos").
    void ResetPlant();
    // Takes over a plant that a read produced, and refreshes the variable list from it.
    void ReplacePlant(std::unique_ptr<Plant> plant);

    // The variable list's grids live as long as the program, whether or not its window was
    // ever opened: the slider hints on the plant picture come from them.
    VariableList &variableList() { return m_variableList; }
    const VariableList &variableList() const { return m_variableList; }
    // RefreshVariableList: the grids and slider hints from the plant, the present instruments
    // re-applied; tells the windows.
    void RefreshVariableList();

    // EnglishFlag: fixed at start-up.
    bool EnglishFlag() const { return m_englishFlag; }
    void SetEnglishFlag(bool english) { m_englishFlag = english; }
    Language language() const { return m_englishFlag ? Language::English : Language::Portuguese; }
    // The toolkit's own texts (Yes, No, Cancel, the file dialogs) in the language in force, from
    // the translations installed with the toolkit; false when they are not there. The program
    // calls it at start and again once the language is known.
    bool LoadToolkitTexts();

    // SavedFlag: true while the plant has no unsaved changes.
    bool SavedFlag() const { return m_savedFlag; }
    // A user edit that a save would write.
    // The step context of the tick, which the batch runs share: one random source, seeded once.
    StepContext &context() { return m_context; }

    void MarkChanged();
    void MarkSaved();
    // RefreshMainWindow: re-derives the picture from the plant and tells the windows.
    void RefreshMainWindow();

    // Timer1, the real-time tick. Running is its enabled state; "Pausar Simulação" shows it.
    QTimer &Timer1() { return m_timer; }
    bool IsRunning() const { return m_timer.isActive(); }
    void SetRunning(bool running);

    // Stops the main timer for a piece of work and puts it back as it was on leaving, so a
    // pause stays a pause and a running plant goes on.
    class TimerHold
    {
    public:
        explicit TimerHold(Session &session);
        ~TimerHold();
        TimerHold(const TimerHold &) = delete;
        TimerHold &operator=(const TimerHold &) = delete;

    private:
        Session &m_session;
        bool m_wasRunning;
    };

    // One tick: the time of day, the time step, the display refresh every sixth tick, one step
    // of every present object.
    void Timer1Timer();
    const RealTimeTick &tick() const { return m_tick; }

    // The shared folders and names; the paths use "/".
    QString StartFolder;
    QString CurrentFolder;      // chosen with "Pasta corrente...", with a trailing "/"
    QString CurrentPlantFile;   // empty for a new plant
    QString TrendArchiveFolder; // chosen by the first controller that archives
    QString HelpFolder;         // the bundled help site

signals:
    void plantReplaced();
    void plantChanged();
    void savedFlagChanged(bool saved);
    void runningChanged(bool running);
    // Every sixth tick, before the objects are stepped: animated texts, shapes, push buttons.
    void displayRefreshDue();
    // The plant's derived picture state changed (icons, captions, shapes, sliders).
    void mainWindowRefreshed();
    void ticked();
    // A batch run (fast simulation, XY sweep) stepped the plant with the windows left as they
    // were; they show its values again, paused or not.
    void batchRunEnded();
    void variableListRefreshed();

private:
    std::unique_ptr<Plant> m_plant;
    std::unique_ptr<QTranslator> m_toolkitTexts;
    VariableList m_variableList;
    bool m_englishFlag = false;
    bool m_savedFlag = true;
    QTimer m_timer;
    RealTimeTick m_tick;
    StandardRandomSource m_random;
    StepContext m_context;
};

} // namespace zelvar
