#include "workspace/ui/mainwindow.h"

#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "engine/model/planttextfile.h"
#include "engine/model/signalgenerator.h"
#include "engine/ui/controllerwindow.h"
#include "services/session.h"
#include "tests/services/scripteddialogs.h"
#include "tests/services/wholetexts.h"
#include "workspace/ui/examplecatalog.h"
#include "workspace/ui/splashwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <sys/stat.h>

namespace zelvar {
namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray plantFileBytes(const std::string &title)
{
    Plant plant;
    SetTitle(plant, title);
    const std::string text = WritePlantText(plant, Language::Portuguese);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previousWorkingFolder = QDir::currentPath();
        m_startFolder = QDir(m_folder.path()).canonicalPath();
        makeWindow(m_startFolder);
    }

    void TearDown() override
    {
        m_form.reset();
        m_session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_previousWorkingFolder);
    }

    void makeWindow(const QString &startFolder)
    {
        m_form.reset();
        m_session = std::make_unique<Session>(startFolder);
        m_session->HelpFolder = m_startFolder + QStringLiteral("/help");
        m_form = std::make_unique<TForm1>(*m_session, m_dialogs);
    }

    QString preferencesPath() const { return m_startFolder + QStringLiteral("/preferences.cfg"); }

    // Start-up with a preferences file that already names the language.
    void startIn(Language language)
    {
        writeAll(preferencesPath(),
                 language == Language::English ? "<language> English\r\n"
                                               : "<language> Portuguese\r\n");
        m_form->FinishStartUp();
    }

    // A fresh plant from "Novo", started in a language.
    void newPlant(Language language = Language::Portuguese)
    {
        startIn(language);
        trigger("Novo1");
    }

    // Started on a fresh plant that then holds unsaved work.
    void changedPlant(const char *title = "", Language language = Language::Portuguese)
    {
        newPlant(language);
        if (*title != '\0')
            SetTitle(m_session->plant(), title);
        m_session->MarkChanged();
    }

    QAction *action(const char *name) const
    {
        auto *found = m_form->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    template<typename Widget> Widget *widget(const char *name) const
    {
        auto *found = m_form->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void trigger(const char *name) { action(name)->trigger(); }

    bool galleryVisible() const { return !widget<QTabWidget>("TabbedNotebook1")->isHidden(); }

    // The plant picture's menus of the visibility table, without the indicator.
    bool toolMenusVisible(bool expected) const
    {
        bool all = true;
        for (const char *name : {"SalvarComo1",
                                 "Exemplos1",
                                 "Configurao2",
                                 "Configurao1",
                                 "Opes1",
                                 "Variveis1",
                                 "Dese1",
                                 "RegistradorXY1"}) {
            const bool visible = action(name)->isVisible();
            EXPECT_EQ(visible, expected) << name;
            all = all && visible == expected;
        }
        return all;
    }

    QString plantFile(const QString &name) const { return m_startFolder + QLatin1Char('/') + name; }

    QTemporaryDir m_folder;
    QString m_previousWorkingFolder;
    QString m_startFolder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<TForm1> m_form;
};

// ---- Start-up and language ----------------------------------------------------------------

TEST_F(MainWindowTest, SplashShowsOnlyFileAndHelpMenusUntilItsTimerFinishesStartUp)
{
    QPointer<SplashWindow> splash = m_form->splash();
    ASSERT_FALSE(splash.isNull());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->BotaoFechar()->isVisibleTo(splash));
    EXPECT_TRUE(splash->Timer1()->isActive());
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Zelvar (v 7.8)"));
    EXPECT_FALSE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(false));
    EXPECT_TRUE(action("Arquivo1")->isVisible());
    EXPECT_TRUE(action("Sobre1")->isVisible());
    EXPECT_FALSE(galleryVisible());
    EXPECT_TRUE(m_session->IsRunning());
    EXPECT_TRUE(m_session->SavedFlag());

    startIn(Language::Portuguese);
    m_form->FinishStartUp(); // a second call changes nothing
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(splash.isNull());
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
}

TEST_F(MainWindowTest, FirstRunAsksForEnglishAndWritesTheAnswer)
{
    struct Row
    {
        bool yes;
        const char *written;
        const char *novo;
        const char *hint;
    };
    const Row rows[] = {
        {true, "<language> English\r\n", "New", "Click here for aditional informations"},
        {false, "<language> Portuguese\r\n", "Novo", "Clique aqui para informações adicionais"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.written);
        QFile::remove(preferencesPath());
        m_dialogs.questions.clear();
        makeWindow(m_startFolder);
        m_dialogs.answers = {row.yes};
        m_form->FinishStartUp();

        EXPECT_EQ(
            m_dialogs.questions,
            QStringList{QString::fromUtf8("Portuguese is the current language. Do you wish "
                                          "to convert to english? (Converter textos inglês?)")});
        EXPECT_EQ(readAll(preferencesPath()), QByteArray(row.written));
        EXPECT_EQ(m_session->EnglishFlag(), row.yes);
        EXPECT_EQ(action("English1")->isChecked(), row.yes);
        EXPECT_EQ(action("Portuguese1")->isChecked(), !row.yes);
        EXPECT_EQ(action("Novo1")->text(), QString::fromUtf8(row.novo));
        EXPECT_EQ(widget<QLabel>("Label21")->text(), QString::fromUtf8(row.hint));
        EXPECT_TRUE(galleryVisible());
    }
}

struct PreferencesCase
{
    const char *name;
    QByteArray content;
    bool english;
};

class PreferencesFileAtStartUp : public MainWindowTest,
                                 public ::testing::WithParamInterface<PreferencesCase>
{
};

TEST_P(PreferencesFileAtStartUp, DecidesTheLanguageWithoutAskingAndKeepsTheFile)
{
    writeAll(preferencesPath(), GetParam().content);
    m_form->FinishStartUp();

    EXPECT_TRUE(m_dialogs.questions.isEmpty());
    EXPECT_EQ(m_session->EnglishFlag(), GetParam().english);
    EXPECT_EQ(action("English1")->isChecked(), GetParam().english);
    EXPECT_EQ(readAll(preferencesPath()), GetParam().content);
    EXPECT_TRUE(galleryVisible());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow,
    PreferencesFileAtStartUp,
    ::testing::Values(PreferencesCase{"EnglishLine", "<language> English\r\n", true},
                      PreferencesCase{"JustTheWord", "English", true},
                      PreferencesCase{"WordInsideOtherText", "xxEnglishyy\n", true},
                      PreferencesCase{"LowerCaseIsPortuguese", "<language> english\r\n", false},
                      PreferencesCase{"EmptyFirstLine", "\r\nEnglish\r\n", false},
                      PreferencesCase{"EmptyFile", "", false},
                      PreferencesCase{"PortugueseLine", "<language> Portuguese\r\n", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, UnwritablePreferencesKeepTheAnswerShowOneErrorAndStillShowTheGallery)
{
    m_startFolder = m_folder.path() + QStringLiteral("/missing/folder");
    makeWindow(m_startFolder);
    m_dialogs.answers = {true};
    m_form->FinishStartUp();

    EXPECT_TRUE(m_session->EnglishFlag());
    EXPECT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_TRUE(galleryVisible());
}

TEST_F(MainWindowTest, LanguageItemsRewriteTheFileOnlyForTheOtherLanguageAndAskForARestart)
{
    const std::tuple<bool, const char *, const char *> rows[]
        = {{false, "<language> English\r\n", "It is necessary restart application"},
           {true, "<language> Portuguese\r\n", "É necessário reiniciar o aplicativo"}};
    for (const auto &[english, written, message] : rows) {
        SCOPED_TRACE(written);
        const char *same = english ? "English1" : "Portuguese1";
        const char *other = english ? "Portuguese1" : "English1";
        makeWindow(m_startFolder);
        m_dialogs.informations.clear();
        startIn(english ? Language::English : Language::Portuguese);

        trigger(same);
        EXPECT_TRUE(m_dialogs.informations.isEmpty());
        trigger(other);

        EXPECT_EQ(readAll(preferencesPath()), QByteArray(written));
        EXPECT_EQ(m_dialogs.informations, QStringList{QString::fromUtf8(message)});
        // The window keeps its language until the restart.
        EXPECT_TRUE(action(same)->isChecked());
        EXPECT_FALSE(action(other)->isChecked());
        EXPECT_EQ(m_session->EnglishFlag(), english);
        EXPECT_EQ(action("Novo1")->text(),
                  english ? QStringLiteral("New") : QStringLiteral("Novo"));
    }
}

TEST_F(MainWindowTest, NovoShowsEveryMenuAndExemplosHidesThemAgain)
{
    newPlant();

    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Zelvar v 7.8"));
    EXPECT_TRUE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(true));
    EXPECT_FALSE(galleryVisible());
    EXPECT_FALSE(widget<QTextEdit>("RichEdit1")->isHidden());
    EXPECT_TRUE(action("Comentrios1")->isChecked());
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());

    trigger("Exemplos1");

    EXPECT_FALSE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(false));
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(widget<QTextEdit>("RichEdit1")->isHidden());
    EXPECT_TRUE(m_session->SavedFlag());
    // Regression: the gallery's empty plant must not ask to be saved by the next command.
    trigger("Novo1");
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
}

// ---- Saved indicator -----------------------------------------------------------------------

TEST_F(MainWindowTest, SavedIndicatorFollowsTheSavedFlagInTheLanguage)
{
    struct Row
    {
        Language language;
        bool changed;
        const char *caption;
        int image;
    };
    const Row rows[]
        = {{Language::Portuguese, false, "To salvo!", 0}, {Language::English, true, "Save me!", 1}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.caption);
        makeWindow(m_startFolder);
        newPlant(row.language);
        if (row.changed)
            m_session->MarkChanged();

        EXPECT_EQ(action("Salvar1")->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(action("Salvar1")->property("imageIndex").toInt(), row.image);
        auto *indicator = widget<QToolButton>("Salvar1Button");
        EXPECT_EQ(indicator->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(indicator->defaultAction(), action("Salvar1"));
        EXPECT_EQ(m_form->menuBar()->cornerWidget(Qt::TopLeftCorner), indicator);
    }
}

// ---- Save As and the quick save ------------------------------------------------------------

TEST_F(MainWindowTest, SaveAsWritesThePlantAddsSmpAndTitlesAnUntitledPlant)
{
    // Which names get ".smp" and which title they give is PlantFileName's table.
    changedPlant();
    m_dialogs.saveFiles = {plantFile(QStringLiteral("tank"))};

    trigger("SalvarComo1");

    const QString written = plantFile(QStringLiteral("tank.smp"));
    EXPECT_EQ(m_session->CurrentPlantFile, written);
    EXPECT_EQ(m_session->plant().title, "tank");
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("tank"));
    const std::string expected = WritePlantText(m_session->plant(), Language::Portuguese);
    EXPECT_EQ(readAll(written).toStdString(), expected);
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("To salvo!"));
    ASSERT_EQ(m_dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(m_dialogs.saveRequests.front().folder, m_startFolder);
    EXPECT_EQ(m_dialogs.saveRequests.front().title, QStringLiteral("Salvar Como"));
}

TEST_F(MainWindowTest, SaveAsKeepsAnExistingTitleAndCaption)
{
    newPlant();
    SetTitle(m_session->plant(), "Caldeira");
    m_form->setWindowTitle(QStringLiteral("Caldeira"));
    m_dialogs.saveFiles = {plantFile(QStringLiteral("boiler"))};

    trigger("SalvarComo1");

    EXPECT_EQ(m_session->plant().title, "Caldeira");
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Caldeira"));
    EXPECT_TRUE(QFileInfo::exists(plantFile(QStringLiteral("boiler.smp"))));
}

TEST_F(MainWindowTest, CancelledSaveChangesNothing)
{
    for (const char *command : {"SalvarComo1", "Salvar1"}) {
        SCOPED_TRACE(command);
        makeWindow(m_startFolder);
        changedPlant();
        m_dialogs.saveFiles = {QString()};

        trigger(command);

        EXPECT_FALSE(m_session->SavedFlag());
        EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
        EXPECT_TRUE(m_session->plant().title.empty());
        EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("Salve me!"));
    }
}

TEST_F(MainWindowTest, QuickSaveOfANamedPlantWritesWithoutADialog)
{
    newPlant();
    m_dialogs.saveFiles = {plantFile(QStringLiteral("first"))};
    trigger("Salvar1");
    ASSERT_EQ(m_session->CurrentPlantFile, plantFile(QStringLiteral("first.smp")));
    QFile::remove(m_session->CurrentPlantFile);
    m_session->MarkChanged();

    trigger("Salvar1");

    EXPECT_EQ(m_dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(plantFile(QStringLiteral("first.smp"))));
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, FailedSaveShowsTheErrorAndLeavesThePlantChanged)
{
    changedPlant();
    m_dialogs.saveFiles = {plantFile(QStringLiteral("no/such/folder/plant"))};

    trigger("SalvarComo1");

    EXPECT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("Salve me!"));
}

// ---- Save prompt ---------------------------------------------------------------------------

TEST_F(MainWindowTest, NovoOfAChangedPlantInEnglishAsksAndNoDiscards)
{
    changedPlant("Old", Language::English);
    m_dialogs.answers = {false};

    trigger("Novo1");

    EXPECT_EQ(m_dialogs.questions, QStringList{QStringLiteral("Save changes?")});
    EXPECT_TRUE(m_dialogs.saveRequests.empty());
    EXPECT_TRUE(m_session->plant().title.empty());
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, YesThenCancelledSaveDialogCancelsTheOpen)
{
    changedPlant("Unsaved work");
    m_dialogs.answers = {true};
    m_dialogs.saveFiles = {QString()};

    trigger("Abrir1");

    EXPECT_EQ(m_dialogs.questions, QStringList{QString::fromUtf8("Salvar Alterações em Arquivo?")});
    EXPECT_TRUE(m_dialogs.openRequests.empty());
    EXPECT_EQ(m_session->plant().title, "Unsaved work");
    EXPECT_FALSE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, YesSavesUnderTheNameAsReturnedBeforeTheExamples)
{
    changedPlant();
    m_dialogs.answers = {true};
    m_dialogs.saveFiles = {plantFile(QStringLiteral("kept"))};

    trigger("Exemplos1");

    // The prompt takes the name as typed: no extension is added there.
    EXPECT_TRUE(QFileInfo::exists(plantFile(QStringLiteral("kept"))));
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
}

TEST_F(MainWindowTest, CancelledOpenDialogChangesNothing)
{
    changedPlant("Current");
    m_dialogs.answers = {false};
    m_dialogs.openFiles = {QString()};

    trigger("Abrir1");

    EXPECT_EQ(m_session->plant().title, "Current");
    EXPECT_FALSE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, OpenReadsTheFileShowsItsTitleAndMovesTheWorkingFolder)
{
    newPlant();
    const QString file = plantFile(QStringLiteral("plants/reactor.smp"));
    writeAll(file, plantFileBytes("Reator"));
    m_dialogs.openFiles = {file};
    auto *group = m_form->findChild<QGroupBox *>(QStringLiteral("GroupBox1"));
    ASSERT_NE(group, nullptr);
    std::vector<int> shownProgress;
    QObject::connect(m_form->findChild<QProgressBar *>(QStringLiteral("ProgressBar1")),
                     &QProgressBar::valueChanged,
                     m_form.get(),
                     [&](int percent) {
                         if (!group->isHidden())
                             shownProgress.push_back(percent);
                     });

    trigger("Abrir1");

    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    // The progress group shows the reader's points while it reads, and goes away after.
    EXPECT_EQ(shownProgress, (std::vector<int>{5, 10, 25, 45, 60, 70, 85, 95, 100}));
    EXPECT_TRUE(group->isHidden());
    EXPECT_EQ(m_session->plant().title, "Reator");
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Reator"));
    EXPECT_EQ(m_session->CurrentPlantFile, file);
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(true));
    EXPECT_EQ(QDir::currentPath(), m_startFolder + QStringLiteral("/plants"));
    ASSERT_EQ(m_dialogs.openRequests.size(), 1u);
    EXPECT_EQ(m_dialogs.openRequests.front().folder, m_startFolder);
}

// A rejected feed-forward equation keeps the loop running on its last accepted settings and
// the equation as it stands; saved and reopened, the controller ran as FIC-101 no more (tag
// PID1, PV M01, FF off) and the flow no longer held its 60 m3/h.
TEST_F(MainWindowTest, FlowLoopWithARejectedFeedForwardRunsAtItsSetpointAfterReopening)
{
    newPlant();
    const QString example
        = QStringLiteral(ZELVAR_TEST_DATA "/../../resources/examples/basic flow loop/");
    const QString file = plantFile(QStringLiteral("flow/basic flow loop.smp"));
    writeAll(file, readAll(example + QStringLiteral("basic flow loop.smp")));
    writeAll(plantFile(QStringLiteral("flow/basic flow loop.png")),
             readAll(example + QStringLiteral("basic flow loop.png")));
    m_dialogs.openFiles = {file};
    trigger("Abrir1");
    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    ASSERT_EQ(m_session->plant().controllers[1].AppliedTag(), "FIC-101");

    widget<QToolButton>("Control1")->click();
    auto *window = m_form->findChild<TControlador *>();
    ASSERT_NE(window, nullptr);
    auto *feedForward = window->findChild<QAbstractButton *>(QStringLiteral("FFwSelect"));
    auto *equation = window->findChild<QLineEdit *>(QStringLiteral("FFwEquation"));
    auto *apply = window->findChild<QAbstractButton *>(QStringLiteral("btnatualiza"));
    ASSERT_TRUE(feedForward && equation && apply);
    feedForward->click();
    equation->selectAll();
    equation->insert(QStringLiteral("50+M15*0.1"));
    apply->click();
    ASSERT_TRUE(m_dialogs.informations.isEmpty())
        << m_dialogs.informations.join('\n').toStdString();
    equation->selectAll();
    equation->insert(QStringLiteral("50+M15*k"));
    apply->click();
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QString::fromUtf8("Controlador 1: Equação do FF inválida")});

    const QString saved = plantFile(QStringLiteral("flow/with ff.smp"));
    m_dialogs.saveFiles = {saved};
    trigger("SalvarComo1");
    ASSERT_TRUE(m_session->SavedFlag());
    m_dialogs.openFiles = {saved};
    trigger("Abrir1");
    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    ASSERT_EQ(m_session->CurrentPlantFile, saved);

    const Controller &controller = m_session->plant().controllers[1];
    EXPECT_EQ(controller.AppliedTag(), "FIC-101");
    EXPECT_EQ(controller.pvMemory, 21);
    EXPECT_TRUE(controller.feedForward);
    // The supply pressure drops to 3 bar: only the loop brings the flow back.
    ClickPushButton(m_session->plant(), 1);
    ASSERT_EQ(m_session->plant().memories.Value(97), 1.0);
    for (int tick = 0; tick < 900; ++tick)
        m_session->Timer1Timer();
    const MemoryTable &memories = m_session->plant().memories;
    const double flow
        = memories.RangeLow(21)
          + (memories.RangeHigh(21) - memories.RangeLow(21)) * memories.Value(21) / 100.0;
    EXPECT_NEAR(flow, 60.0, 0.5);
}

TEST_F(MainWindowTest, FailedReadKeepsThePlantTheMenusAndTheTimer)
{
    newPlant();
    SetTitle(m_session->plant(), "Current");
    trigger("PausarSimulao2");
    const QString file = plantFile(QStringLiteral("broken.smp"));
    writeAll(file, "Only a title\r\n");
    m_dialogs.openFiles = {file};

    trigger("Abrir1");

    ASSERT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_TRUE(m_dialogs.errors.front().contains(file));
    EXPECT_EQ(m_session->plant().title, "Current");
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
    EXPECT_FALSE(m_session->IsRunning());
    EXPECT_TRUE(action("PausarSimulao2")->isChecked());
}

// What lives as long as the program goes through "Abrir": the generator's working values
// (a medium-random row's target, a sine's time), the XY recorder's choices and the
// actuator-position descriptions; and the slider hints follow the opened plant's units
// without the variable list ever opened.
TEST_F(MainWindowTest, OpenKeepsWhatLivesAsLongAsTheProgramAndRefreshesTheSliderHints)
{
    newPlant();
    Plant &running = m_session->plant();
    running.signalGenerator.ChangeKind(81, kMediumRandom, running.memories);
    running.signalGenerator.ChangeKind(82, kSine, running.memories);
    running.signalGenerator.working[0].GeneratorTarget = 63.5;
    running.signalGenerator.working[1].GeneratorSineTime = 1234.5;
    running.xyRecorder.ComboX = 4;
    running.xyRecorder.ComboY = 104;
    running.xyRecorder.JanelaComboBox = 2;
    running.memories.SetDescription(101, "Válvula de vapor");

    Plant saved;
    SetTitle(saved, "Reator");
    saved.signalGenerator.ChangeKind(81, kMediumRandom, saved.memories);
    saved.signalGenerator.ChangeKind(82, kSine, saved.memories);
    SetSliderShown(saved, 1, true);
    saved.memories.MemoryUnit[15] = "kg/h";
    saved.memories.MemoryUEMin[15] = "0";
    saved.memories.MemoryUEMax[15] = "500";
    const std::string text = WritePlantText(saved, Language::Portuguese);
    const QString file = plantFile(QStringLiteral("reactor.smp"));
    writeAll(file, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    m_dialogs.openFiles = {file};

    trigger("Abrir1");

    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    const Plant &opened = m_session->plant();
    ASSERT_EQ(opened.title, "Reator");
    EXPECT_EQ(opened.signalGenerator.working[0].GeneratorTarget, 63.5);
    EXPECT_EQ(opened.signalGenerator.working[1].GeneratorSineTime, 1234.5);
    EXPECT_EQ(opened.xyRecorder.ComboX, 4);
    EXPECT_EQ(opened.xyRecorder.ComboY, 104);
    EXPECT_EQ(opened.xyRecorder.JanelaComboBox, 2);
    EXPECT_EQ(opened.memories.Description(101), "Válvula de vapor");
    EXPECT_EQ(widget<QWidget>("TrackBack1")->toolTip(), QStringLiteral("Faixa: de 0 a 500 kg/h"));
    EXPECT_EQ(widget<QWidget>("TrackLabel1")->toolTip(), QStringLiteral("Faixa: de 0 a 500 kg/h"));
}

// A read that fails midway (here: a folder with a plant's name) is reported; the program goes
// on with the plant it had.
TEST_F(MainWindowTest, OpeningAFolderReportsItAndKeepsThePlant)
{
    newPlant();
    SetTitle(m_session->plant(), "Current");
    const QString folder = plantFile(QStringLiteral("x.smp"));
    ASSERT_TRUE(QDir().mkpath(folder));
    m_dialogs.openFiles = {folder};

    trigger("Abrir1");

    ASSERT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_EQ(m_dialogs.errors.front(),
              folder + QStringLiteral(": Não foi possível ler o arquivo"));
    EXPECT_EQ(m_session->plant().title, "Current");
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
}

// Ends the test program when what it guards has not finished in time: a reader trapped by a
// file must fail the run, not stall it.
class Watchdog
{
public:
    explicit Watchdog(std::string what)
        : m_what(std::move(what))
        , m_thread([this] {
            std::unique_lock lock(m_mutex);
            if (!m_finished.wait_for(lock, std::chrono::seconds(60), [this] { return m_done; })) {
                std::fprintf(stderr, "hung: %s\n", m_what.c_str());
                std::abort();
            }
        })
    {}
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_finished.notify_one();
        m_thread.join();
    }

private:
    std::string m_what;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_thread;
};

// Files that once trapped the reader or opened as an empty plant with a garbage title: each
// is refused with a message, and the unsaved plant the user had stays as it was.
TEST_F(MainWindowTest, FilesThatAreNoPlantAreRefusedAndTheUnsavedPlantStays)
{
    const std::string plant = plantFileBytes("Reator").toStdString();
    const auto bytes = [](const std::string &text) {
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    };
    const QString cannotRead = QStringLiteral("Não foi possível ler o arquivo");
    const QString tooLarge = QStringLiteral("O arquivo é grande demais para uma planta");
    const QString notAPlant = QStringLiteral("Não é um arquivo de planta");
    const std::vector<std::tuple<const char *, std::function<void(const QString &)>, QString>>
        attacks = {
            {"Pipe",
             [](const QString &file) {
                 ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
             },
             cannotRead},
            {"LinkToTheZeroDevice",
             [](const QString &file) {
                 ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), file));
             },
             cannotRead},
            {"TitleOf17Megabytes",
             [&](const QString &file) {
                 writeAll(file, bytes(std::string(17 << 20, 'T') + "\r\n" + plant));
             },
             tooLarge},
            {"PlantOverTheBound",
             [&](const QString &file) {
                 std::string padded = plant;
                 while (padded.size() <= kMaxPlantFileBytes)
                     padded += std::string(1000, 'c') + "\r\n";
                 writeAll(file, bytes(padded));
             },
             tooLarge},
            {"Executable",
             [](const QString &file) {
                 ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/true"), file));
             },
             notAPlant},
            {"Utf16Plant",
             [&](const QString &file) {
                 const QString text = QString::fromLatin1(bytes(plant));
                 QByteArray utf16("\xFF\xFE", 2);
                 utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
                 writeAll(file, utf16);
             },
             notAPlant},
            {"RandomBytesWithoutNul",
             [&](const QString &file) {
                 std::mt19937 random(11);
                 std::string noise(200000, ' ');
                 for (char &c : noise)
                     c = static_cast<char>(1 + random() % 255);
                 writeAll(file, bytes(noise));
             },
             notAPlant},
            {"PlantWithANulByte",
             [&](const QString &file) {
                 std::string withNul = plant;
                 withNul.insert(withNul.find("<END_COMMENTS>"), std::string("\0\r\n", 3));
                 writeAll(file, bytes(withNul));
             },
             notAPlant},
        };
    newPlant();
    SetTitle(m_session->plant(), "Current");
    m_session->MarkChanged();
    const std::string before = WritePlantText(m_session->plant(), Language::Portuguese);
    const QString caption = m_form->windowTitle();
    for (const auto &[name, arrange, message] : attacks) {
        SCOPED_TRACE(name);
        m_dialogs.errors.clear();
        const QString file = plantFile(QString::fromLatin1(name) + QStringLiteral(".smp"));
        arrange(file);
        m_dialogs.openFiles = {file};
        m_dialogs.answers = {false}; // the unsaved plant: not saved now

        {
            const Watchdog watchdog(name);
            trigger("Abrir1");
        }

        EXPECT_EQ(m_dialogs.errors, QStringList{file + QStringLiteral(": ") + message});
        EXPECT_TRUE(WritePlantText(m_session->plant(), Language::Portuguese) == before);
        EXPECT_EQ(m_form->windowTitle(), caption);
        EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
        EXPECT_FALSE(m_session->SavedFlag());
        QFile::remove(file);
    }
}

// A title line longer than a window system takes as a caption, and a comment paragraph the
// comment pane would take minutes to lay out: the plant opens at once, the title cut as a
// memory text is and the paragraph as a single-line edit's text.
TEST_F(MainWindowTest, OverlongLinesOpenCutAndAtOnce)
{
    newPlant();
    Plant saved;
    SetTitle(saved, "placeholder");
    saved.comments = {std::string(2 << 20, 'c')};
    saved.commentDisplay = true;
    std::string text = WritePlantText(saved, Language::Portuguese);
    const std::string title = "Caldeira " + std::string(1 << 20, 'x');
    text.replace(0, std::string("placeholder").size(), title);
    const QString file = plantFile(QStringLiteral("long.smp"));
    writeAll(file, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    m_dialogs.openFiles = {file};
    m_form->show();

    {
        const Watchdog watchdog("overlong lines");
        trigger("Abrir1");
        QCoreApplication::processEvents();
    }

    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    const std::string &opened = m_session->plant().title;
    EXPECT_EQ(opened.size(), MemoryTable::kMaxTextLength);
    EXPECT_TRUE(title.starts_with(opened));
    EXPECT_EQ(m_form->windowTitle().size(), static_cast<qsizetype>(MemoryTable::kMaxTextLength));
    const auto *pane = widget<QTextEdit>("RichEdit1");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->toPlainText().size(),
              static_cast<qsizetype>(PlantTextReader::kMaxLineCharacters));
}

TEST_F(MainWindowTest, ClosingAChangedPlantAsksInPortugueseAndYesThenCancelKeepsTheWindow)
{
    changedPlant("", Language::English);
    int closed = 0;
    QObject::connect(m_form.get(), &TForm1::closed, [&closed] { ++closed; });
    m_dialogs.answers = {true};
    m_dialogs.saveFiles = {QString()};
    m_form->show();

    m_form->close();

    EXPECT_EQ(m_dialogs.questions, QStringList{QString::fromUtf8("Salvar Alterações em Arquivo?")});
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(closed, 0);

    m_dialogs.answers = {false};
    trigger("Sair1");
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(closed, 1);
}

// ---- Options and help ----------------------------------------------------------------------

TEST_F(MainWindowTest, PauseTogglesTheTimerAndOpeningAPlantLeavesItPaused)
{
    newPlant();
    const QString file = plantFile(QStringLiteral("paused.smp"));
    writeAll(file, plantFileBytes("Paused"));
    m_dialogs.openFiles = {file};

    trigger("PausarSimulao2");
    EXPECT_FALSE(m_session->IsRunning());
    trigger("Abrir1");
    ASSERT_EQ(m_session->plant().title, "Paused");
    EXPECT_FALSE(m_session->IsRunning());
    EXPECT_TRUE(action("PausarSimulao2")->isChecked());

    trigger("PausarSimulao2");
    EXPECT_TRUE(m_session->IsRunning());
    EXPECT_FALSE(action("PausarSimulao2")->isChecked());
}

TEST_F(MainWindowTest, EditModesSetTheCursorEachByItsOwnMark)
{
    startIn(Language::Portuguese);
    trigger("MoverObjetos2");
    EXPECT_EQ(m_form->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(m_form->IsMoveMode());
    trigger("ExcluirObjetos");
    EXPECT_TRUE(m_form->IsDeleteMode());

    trigger("MoverObjetos2");

    EXPECT_EQ(m_form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(m_form->IsMoveMode());
    EXPECT_TRUE(action("ExcluirObjetos")->isChecked());
}

TEST_F(MainWindowTest, CommentItemShowsThePaneWithoutMarkingThePlantChanged)
{
    newPlant();

    trigger("Comentrios1");

    EXPECT_TRUE(widget<QTextEdit>("RichEdit1")->isHidden());
    EXPECT_FALSE(m_session->plant().commentDisplay);
    EXPECT_TRUE(m_session->SavedFlag());

    widget<QTextEdit>("RichEdit1")->setPlainText(QStringLiteral("first\nsecond"));
    EXPECT_EQ(m_session->plant().comments, (std::vector<std::string>{"first", "second"}));
    EXPECT_FALSE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, WebCommandsOpenTheBundledPages)
{
    startIn(Language::Portuguese);
    writeAll(m_startFolder + QStringLiteral("/help/index.html"), "<html></html>");

    trigger("utorial1");
    trigger("VdeoAulas1");
    trigger("IntroduoControledeProcessos1");
    QMouseEvent click(QEvent::MouseButtonRelease,
                      QPointF(2, 2),
                      QPointF(2, 2),
                      Qt::LeftButton,
                      Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget<QLabel>("Label21"), &click);

    const QString help = m_startFolder + QStringLiteral("/help");
    ASSERT_EQ(m_dialogs.urls.size(), 4u);
    EXPECT_EQ(m_dialogs.urls[0], QUrl::fromLocalFile(help + QStringLiteral("/index.html")));
    EXPECT_EQ(m_dialogs.urls[1],
              QUrl::fromLocalFile(help + QStringLiteral("/video_aulas/index.html")));
    EXPECT_EQ(m_dialogs.urls[2], QUrl::fromLocalFile(help + QStringLiteral("/aulas/index.html")));
    EXPECT_EQ(m_dialogs.urls[3], m_dialogs.urls[0]);
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
}

TEST_F(MainWindowTest, WebCommandsWithoutTheSiteAskForAConnectionInPortuguese)
{
    startIn(Language::English);

    trigger("VdeoAulas1");

    EXPECT_TRUE(m_dialogs.urls.empty());
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QString::fromUtf8("É requerida conexão com internet")});
}

TEST_F(MainWindowTest, CurrentFolderIsTheChosenFilesFolderAndBecomesTheWorkingFolder)
{
    startIn(Language::Portuguese);
    QDir(m_startFolder).mkpath(QStringLiteral("work"));
    m_dialogs.openFiles = {plantFile(QStringLiteral("work/anything.txt"))};

    trigger("Pastacorrente1");

    const QString work = m_startFolder + QStringLiteral("/work/");
    EXPECT_EQ(m_session->CurrentFolder, work);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), work);
    ASSERT_EQ(m_dialogs.openRequests.size(), 1u);
    EXPECT_EQ(m_dialogs.openRequests.front().folder, m_startFolder);
    EXPECT_EQ(m_dialogs.openRequests.front().fileName, QStringLiteral("*."));
    EXPECT_EQ(m_dialogs.openRequests.front().filter, QStringLiteral("*."));
    EXPECT_FALSE(m_dialogs.openRequests.front().mustExist);

    // Cancelled: the folder stays and is made the working folder again.
    QDir::setCurrent(m_startFolder);
    m_dialogs.openFiles = {QString()};
    trigger("Pastacorrente1");
    EXPECT_EQ(m_session->CurrentFolder, work);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), work);

    // Later open dialogs start there.
    m_dialogs.openFiles = {QString()};
    trigger("Abrir1");
    EXPECT_EQ(m_dialogs.openRequests.back().folder, work);
}

class InEachLanguage : public MainWindowTest, public ::testing::WithParamInterface<Language>
{
protected:
    SplashWindow *aboutBox() const
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("AboutBox") && window->isVisible())
                return qobject_cast<SplashWindow *>(window);
        }
        return nullptr;
    }
};

// In English the about box's button read "Fechar".
TEST_P(InEachLanguage, AboutBoxButtonReadsTheLanguagesWordWhole)
{
    startIn(GetParam());
    trigger("Sobre3");

    SplashWindow *about = aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->BotaoFechar()->text(),
              GetParam() == Language::English ? QStringLiteral("Close") : QStringLiteral("Fechar"));
    ExpectWholeTexts(about);
    about->BotaoFechar()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "Furnace Temperature(Master-Slave)" took three lines in a box of two, its first line cut off.
TEST_P(InEachLanguage, GalleryShowsEveryTitleAndDescriptionWhole)
{
    startIn(GetParam());
    m_form->show();
    auto *gallery = widget<QTabWidget>("TabbedNotebook1");
    for (int tab = 0; tab < gallery->count(); ++tab) {
        SCOPED_TRACE(gallery->tabText(tab).toStdString());
        gallery->setCurrentIndex(tab);
        ExpectWholeTexts(gallery);
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow,
                         InEachLanguage,
                         ::testing::Values(Language::Portuguese, Language::English),
                         [](const auto &info) {
                             return info.param == Language::English ? "English" : "Portuguese";
                         });

TEST_F(MainWindowTest, AboutBoxShowsThePictureAndClosesWithItsButton)
{
    startIn(Language::Portuguese);
    trigger("Sobre3");

    SplashWindow *about = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("AboutBox") && window->isVisible())
            about = qobject_cast<SplashWindow *>(window);
    }
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->BotaoFechar()->isVisible());
    EXPECT_FALSE(about->Timer1()->isActive());
    QPointer<SplashWindow> watch = about;

    about->BotaoFechar()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(MainWindowTest, ToolWindowItemsAskForTheirWindows)
{
    newPlant();
    const std::pair<const char *, void (TForm1::*)()> items[]
        = {{"Configurao2", &TForm1::configurationRequested},
           {"Configurao1", &TForm1::signalGeneratorRequested},
           {"Dese1", &TForm1::fastSimulationRequested},
           {"Variveis1", &TForm1::variableListRequested},
           {"RegistradorXY1", &TForm1::xyRecorderRequested}};
    std::map<std::string, int> requests;
    for (const auto &[name, request] : items)
        QObject::connect(m_form.get(), request, [&requests, name] { ++requests[name]; });

    for (const auto &item : items)
        trigger(item.first);

    for (const auto &item : items)
        EXPECT_EQ(requests[item.first], 1) << item.first;
}

// ---- Signal generator window ----------------------------------------------------------------

TEST_F(MainWindowTest, EveryNewOrOpenedPlantComesWithANewGeneratorWindow)
{
    const QString file = plantFile(QStringLiteral("plants/reactor.smp"));
    writeAll(file, plantFileBytes("Reator"));
    newPlant();
    for (const char *command : {"Novo1", "Exemplos1", "Abrir1"}) {
        SCOPED_TRACE(command);
        trigger("Configurao1");
        QPointer<QWidget> old = m_form->findChild<QWidget *>(QStringLiteral("ParmForm"));
        ASSERT_FALSE(old.isNull());
        ASSERT_TRUE(old->isVisible());
        auto *kind = old->findChild<QComboBox *>(QStringLiteral("M81Tipo"));
        kind->setCurrentIndex(kFastRandom);
        emit kind->activated(kFastRandom);
        m_session->MarkSaved();
        m_dialogs.openFiles = {file};

        trigger(command);

        // The old window goes without the close that would commit its rows.
        EXPECT_TRUE(old.isNull());
        EXPECT_TRUE(m_session->SavedFlag());
        EXPECT_NE(m_session->plant().memories.Description(81), "Aleatório");
        trigger("Configurao1");
        auto *made = m_form->findChild<QWidget *>(QStringLiteral("ParmForm"));
        ASSERT_NE(made, nullptr);
        EXPECT_TRUE(made->isVisible());
        EXPECT_EQ(made->findChild<QComboBox *>(QStringLiteral("M81Tipo"))->currentIndex(), 0);
    }
}

// ---- Examples gallery ----------------------------------------------------------------------

TEST_F(MainWindowTest, GalleryEntriesReportAMissingExampleThenOpenIt)
{
    // The pictures are made from one catalog: its first and last entries prove the wiring.
    const std::pair<const char *, const char *> entries[]
        = {{"sim18", "examples/basic flow loop/basic flow loop.smp"},
           {"sim19", "examples/frequency response/frequencyresponse.smp"}};
    startIn(Language::English);
    for (const auto &[picture, relative] : entries) {
        SCOPED_TRACE(picture);
        m_dialogs.informations.clear();
        const QString file = plantFile(QString::fromUtf8(relative));

        widget<QToolButton>(picture)->click();
        EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("File not found")});
        EXPECT_TRUE(galleryVisible());
        EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());

        m_dialogs.informations.clear();
        writeAll(file, plantFileBytes(picture));
        widget<QToolButton>(picture)->click();
        ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
        EXPECT_TRUE(m_dialogs.informations.isEmpty());
        EXPECT_EQ(m_session->plant().title, picture);
        EXPECT_EQ(m_session->CurrentPlantFile, file);
        EXPECT_FALSE(galleryVisible());
        EXPECT_FALSE(action("Salvar1")->isVisible());
        EXPECT_TRUE(toolMenusVisible(true));
        EXPECT_TRUE(m_session->SavedFlag());
        EXPECT_TRUE(m_dialogs.questions.isEmpty());
        trigger("Exemplos1");
    }
}

} // namespace
} // namespace zelvar
