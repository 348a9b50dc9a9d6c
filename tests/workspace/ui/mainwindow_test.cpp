#include "workspace/ui/mainwindow.h"

#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "tests/workspace/ui/scripteddialogs.h"
#include "workspace/ui/examplecatalog.h"
#include "workspace/ui/session.h"
#include "workspace/ui/splashwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

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

TEST_F(MainWindowTest, CreationShowsTheSplashAndOnlyFileAndHelpMenus)
{
    SplashWindow *splash = m_form->splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->size(), QSize(602, 452));
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->BotaoFechar()->isVisibleTo(splash));
    EXPECT_TRUE(splash->Timer1()->isActive());
    EXPECT_EQ(splash->Timer1()->interval(), 3000);

    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Zelvar (v 7.8)"));
    EXPECT_FALSE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(false));
    EXPECT_TRUE(action("Arquivo1")->isVisible());
    EXPECT_TRUE(action("Sobre1")->isVisible());
    EXPECT_FALSE(galleryVisible());
    EXPECT_TRUE(m_session->IsRunning());
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_EQ(widget<QTextEdit>("RichEdit1")->width(), 288);
}

TEST_F(MainWindowTest, SplashTimerFinishesStartUpAndClosesTheSplash)
{
    startIn(Language::Portuguese);
    QPointer<SplashWindow> splash = m_form->splash();
    m_form->FinishStartUp(); // a second call changes nothing

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
}

TEST_F(MainWindowTest, FirstRunAnsweredYesWritesEnglishAndTurnsTheWindowToEnglish)
{
    m_dialogs.answers = {true};
    m_form->FinishStartUp();

    ASSERT_EQ(m_dialogs.questions.size(), 1);
    EXPECT_EQ(m_dialogs.questions.front(),
              QString::fromUtf8("Portuguese is the current language. Do you wish to convert to "
                                "english? (Converter textos inglês?)"));
    EXPECT_EQ(readAll(preferencesPath()), QByteArray("<language> English\r\n"));
    EXPECT_TRUE(m_session->EnglishFlag());
    EXPECT_TRUE(action("English1")->isChecked());
    EXPECT_FALSE(action("Portuguese1")->isChecked());
    EXPECT_EQ(action("Novo1")->text(), QStringLiteral("New"));
    EXPECT_EQ(action("PausarSimulao2")->text(), QStringLiteral("Stop Simulation"));
    EXPECT_EQ(action("VdeoAulas1")->text(), QString::fromUtf8("Vídeo Aulas"));
    EXPECT_EQ(widget<QLabel>("Label21")->text(),
              QStringLiteral("Click here for aditional informations"));
    EXPECT_EQ(widget<QTabWidget>("TabbedNotebook1")->tabText(5), QStringLiteral("Others"));
    EXPECT_EQ(widget<QLabel>("sim4Title")->text(), QStringLiteral("Linearized pH control"));
    EXPECT_TRUE(galleryVisible());
}

TEST_F(MainWindowTest, FirstRunAnsweredNoWritesPortuguese)
{
    m_dialogs.answers = {false};
    m_form->FinishStartUp();

    EXPECT_EQ(readAll(preferencesPath()), QByteArray("<language> Portuguese\r\n"));
    EXPECT_FALSE(m_session->EnglishFlag());
    EXPECT_TRUE(action("Portuguese1")->isChecked());
    EXPECT_FALSE(action("English1")->isChecked());
    EXPECT_EQ(action("Novo1")->text(), QStringLiteral("Novo"));
    EXPECT_EQ(widget<QLabel>("Label21")->text(),
              QString::fromUtf8("Clique aqui para informações adicionais"));
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
    EXPECT_EQ(action("Portuguese1")->isChecked(), !GetParam().english);
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

TEST_F(MainWindowTest, LanguageItemsRewriteTheFileOnlyForTheOtherLanguageAndKeepTheirCheck)
{
    startIn(Language::Portuguese);

    trigger("Portuguese1");
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_TRUE(action("Portuguese1")->isChecked());

    trigger("English1");
    EXPECT_EQ(readAll(preferencesPath()), QByteArray("<language> English\r\n"));
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QStringLiteral("It is necessary restart application")});
    EXPECT_TRUE(action("Portuguese1")->isChecked());
    EXPECT_FALSE(action("English1")->isChecked());
    EXPECT_FALSE(m_session->EnglishFlag());
    EXPECT_EQ(action("Novo1")->text(), QStringLiteral("Novo"));
}

TEST_F(MainWindowTest, PortugueseItemInEnglishModeAsksForARestartInPortuguese)
{
    startIn(Language::English);

    trigger("Portuguese1");
    EXPECT_EQ(readAll(preferencesPath()), QByteArray("<language> Portuguese\r\n"));
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QString::fromUtf8("É necessário reiniciar o aplicativo")});
    EXPECT_TRUE(action("English1")->isChecked());
    EXPECT_TRUE(m_session->EnglishFlag());
    EXPECT_EQ(action("Novo1")->text(), QStringLiteral("New"));
}

// ---- Menu bar ------------------------------------------------------------------------------

TEST_F(MainWindowTest, MenuBarHoldsTheIndicatorAndTheMenusInOrder)
{
    QMenuBar *bar = m_form->menuBar();
    auto *indicator = qobject_cast<QToolButton *>(bar->cornerWidget(Qt::TopLeftCorner));
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->defaultAction(), action("Salvar1"));

    QStringList names;
    for (QAction *item : bar->actions())
        names.append(item->objectName());
    EXPECT_EQ(names,
              (QStringList{"Arquivo1",
                           "Exemplos1",
                           "Configurao2",
                           "Configurao1",
                           "Dese1",
                           "Variveis1",
                           "RegistradorXY1",
                           "Opes1",
                           "Sobre1"}));

    QStringList fileItems;
    for (QAction *item : widget<QMenu>("Arquivo1")->actions())
        fileItems.append(item->isSeparator() ? QStringLiteral("-") : item->objectName());
    EXPECT_EQ(
        fileItems,
        (QStringList{
            "Novo1", "Abrir1", "SalvarComo1", "-", "Sair1", "SelectLanguage1", "Pastacorrente1"}));

    QStringList helpItems;
    for (QAction *item : widget<QMenu>("Sobre1")->actions())
        helpItems.append(item->objectName());
    EXPECT_EQ(
        helpItems,
        (QStringList{
            "Comentrios1", "utorial1", "VdeoAulas1", "IntroduoControledeProcessos1", "Sobre3"}));

    EXPECT_EQ(action("Configurao2")->toolTip(), QString::fromUtf8("Inclusão de objetos "));
    EXPECT_EQ(action("Configurao1")->toolTip(),
              QString::fromUtf8("Inclusão de sinais aleatórios para simular distúrbios"));
    for (const char *name : {"PausarSimulao2", "MoverObjetos2", "ExcluirObjetos", "Comentrios1"}) {
        EXPECT_TRUE(action(name)->isCheckable()) << name;
        EXPECT_FALSE(action(name)->isChecked()) << name;
    }
}

TEST_F(MainWindowTest, NovoShowsEveryMenuTheIndicatorAndTheCommentPane)
{
    startIn(Language::Portuguese);
    trigger("Novo1");

    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Zelvar v 7.8"));
    EXPECT_TRUE(action("Salvar1")->isVisible());
    EXPECT_EQ(action("Salvar1")->property("imageIndex").toInt(), 0);
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("To salvo!"));
    EXPECT_TRUE(toolMenusVisible(true));
    EXPECT_FALSE(galleryVisible());
    EXPECT_FALSE(widget<QTextEdit>("RichEdit1")->isHidden());
    EXPECT_TRUE(action("Comentrios1")->isChecked());
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
}

TEST_F(MainWindowTest, ExemplosHidesTheMenusAgainAndLeavesAnEmptySavedPlant)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    trigger("Exemplos1");

    EXPECT_FALSE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(false));
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(widget<QTextEdit>("RichEdit1")->isHidden());
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Zelvar v 7.8"));
    EXPECT_TRUE(m_session->SavedFlag());

    // Regression: the gallery's empty plant must not ask to be saved by the next command.
    trigger("Novo1");
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
}

// ---- Saved indicator -----------------------------------------------------------------------

struct IndicatorCase
{
    const char *name;
    Language language;
    bool changed;
    const char *caption;
    int image;
};

class SavedIndicatorCaption : public MainWindowTest,
                              public ::testing::WithParamInterface<IndicatorCase>
{
};

TEST_P(SavedIndicatorCaption, FollowsTheSavedFlagInTheLanguage)
{
    startIn(GetParam().language);
    trigger("Novo1");
    if (GetParam().changed)
        m_session->MarkChanged();

    EXPECT_EQ(action("Salvar1")->text(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(action("Salvar1")->property("imageIndex").toInt(), GetParam().image);
    EXPECT_EQ(widget<QToolButton>("Salvar1Button")->text(), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow,
    SavedIndicatorCaption,
    ::testing::Values(IndicatorCase{"PortugueseSaved", Language::Portuguese, false, "To salvo!", 0},
                      IndicatorCase{
                          "PortugueseChanged", Language::Portuguese, true, "Salve me!", 1},
                      IndicatorCase{"EnglishSaved", Language::English, false, "I´m saved!", 0},
                      IndicatorCase{"EnglishChanged", Language::English, true, "Save me!", 1}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Save As and the quick save ------------------------------------------------------------

struct SaveAsCase
{
    const char *name;
    const char *typed;   // relative to the start folder
    const char *written; // relative to the start folder
    const char *title;
};

class SaveAsNaming : public MainWindowTest, public ::testing::WithParamInterface<SaveAsCase>
{
};

TEST_P(SaveAsNaming, AddsSmpOnlyToNamesWithoutExtensionAndTitlesAnUntitledPlant)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    QDir(m_startFolder).mkpath(QStringLiteral("plain"));
    QDir(m_startFolder).mkpath(QStringLiteral("with.dot"));
    m_session->MarkChanged();
    m_dialogs.saveFiles = {plantFile(QString::fromUtf8(GetParam().typed))};

    trigger("SalvarComo1");

    const QString written = plantFile(QString::fromUtf8(GetParam().written));
    EXPECT_EQ(m_session->CurrentPlantFile, written);
    EXPECT_EQ(m_session->plant().title, GetParam().title);
    EXPECT_EQ(m_form->windowTitle(), QString::fromUtf8(GetParam().title));
    const std::string expected = WritePlantText(m_session->plant(), Language::Portuguese);
    EXPECT_EQ(readAll(written).toStdString(), expected);
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("To salvo!"));
    ASSERT_EQ(m_dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(m_dialogs.saveRequests.front().folder, m_startFolder);
    EXPECT_EQ(m_dialogs.saveRequests.front().title, QStringLiteral("Salvar Como"));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow,
    SaveAsNaming,
    ::testing::Values(SaveAsCase{"NoExtension", "plain/tank", "plain/tank.smp", "tank"},
                      SaveAsCase{"OtherExtension", "plain/tank.txt", "plain/tank.txt", "tank.txt"},
                      SaveAsCase{"DotInFolderOnly", "with.dot/tank", "with.dot/tank.smp", "tank"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SaveAsKeepsAnExistingTitleAndCaption)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    SetTitle(m_session->plant(), "Caldeira");
    m_form->setWindowTitle(QStringLiteral("Caldeira"));
    m_dialogs.saveFiles = {plantFile(QStringLiteral("boiler"))};

    trigger("SalvarComo1");

    EXPECT_EQ(m_session->plant().title, "Caldeira");
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Caldeira"));
    EXPECT_TRUE(QFileInfo::exists(plantFile(QStringLiteral("boiler.smp"))));
}

TEST_F(MainWindowTest, CancelledSaveAsChangesNothing)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    m_session->MarkChanged();
    m_dialogs.saveFiles = {QString()};

    trigger("SalvarComo1");

    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
    EXPECT_TRUE(m_session->plant().title.empty());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("Salve me!"));
}

TEST_F(MainWindowTest, QuickSaveOfANamedPlantWritesWithoutADialog)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
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

TEST_F(MainWindowTest, CancelledFirstQuickSaveChangesNothing)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    m_session->MarkChanged();
    m_dialogs.saveFiles = {QString()};

    trigger("Salvar1");

    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
}

TEST_F(MainWindowTest, FailedSaveShowsTheErrorAndLeavesThePlantChanged)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    m_session->MarkChanged();
    m_dialogs.saveFiles = {plantFile(QStringLiteral("no/such/folder/plant"))};

    trigger("SalvarComo1");

    EXPECT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("Salve me!"));
}

// ---- Save prompt ---------------------------------------------------------------------------

TEST_F(MainWindowTest, NovoOfAChangedPlantInEnglishAsksAndNoDiscards)
{
    startIn(Language::English);
    trigger("Novo1");
    SetTitle(m_session->plant(), "Old");
    m_session->MarkChanged();
    m_dialogs.answers = {false};

    trigger("Novo1");

    EXPECT_EQ(m_dialogs.questions, QStringList{QStringLiteral("Save changes?")});
    EXPECT_TRUE(m_dialogs.saveRequests.empty());
    EXPECT_TRUE(m_session->plant().title.empty());
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(MainWindowTest, YesThenCancelledSaveDialogCancelsTheOpen)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    SetTitle(m_session->plant(), "Unsaved work");
    m_session->MarkChanged();
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
    startIn(Language::Portuguese);
    trigger("Novo1");
    m_session->MarkChanged();
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
    startIn(Language::Portuguese);
    trigger("Novo1");
    SetTitle(m_session->plant(), "Current");
    m_session->MarkChanged();
    m_dialogs.answers = {false};
    m_dialogs.openFiles = {QString()};

    trigger("Abrir1");

    EXPECT_EQ(m_session->plant().title, "Current");
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(action("Salvar1")->text(), QStringLiteral("Salve me!"));
}

TEST_F(MainWindowTest, OpenReadsTheFileShowsItsTitleAndMovesTheWorkingFolder)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    const QString file = plantFile(QStringLiteral("plants/reactor.smp"));
    writeAll(file, plantFileBytes("Reator"));
    m_dialogs.openFiles = {file};

    trigger("Abrir1");

    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
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

TEST_F(MainWindowTest, FailedReadKeepsThePlantTheMenusAndTheTimer)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
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

TEST_F(MainWindowTest, ClosingAChangedPlantAsksInPortugueseAndYesThenCancelKeepsTheWindow)
{
    startIn(Language::English);
    trigger("Novo1");
    m_session->MarkChanged();
    m_form->show();
    int closed = 0;
    QObject::connect(m_form.get(), &TForm1::closed, [&closed] { ++closed; });
    m_dialogs.answers = {true};
    m_dialogs.saveFiles = {QString()};

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

TEST_F(MainWindowTest, PauseTogglesTheTimerAndTheCheckMarkFollows)
{
    startIn(Language::Portuguese);
    trigger("Novo1");

    trigger("PausarSimulao2");
    EXPECT_FALSE(m_session->IsRunning());
    EXPECT_TRUE(action("PausarSimulao2")->isChecked());

    trigger("PausarSimulao2");
    EXPECT_TRUE(m_session->IsRunning());
    EXPECT_FALSE(action("PausarSimulao2")->isChecked());
}

TEST_F(MainWindowTest, OpeningAPlantLeavesAPauseAPause)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    trigger("PausarSimulao2");
    const QString file = plantFile(QStringLiteral("paused.smp"));
    writeAll(file, plantFileBytes("Paused"));
    m_dialogs.openFiles = {file};

    trigger("Abrir1");

    ASSERT_EQ(m_session->plant().title, "Paused");
    EXPECT_FALSE(m_session->IsRunning());
    EXPECT_TRUE(action("PausarSimulao2")->isChecked());
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
    startIn(Language::Portuguese);
    trigger("Novo1");

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
    EXPECT_EQ(about->size(), QSize(602, 452));
    EXPECT_TRUE(about->BotaoFechar()->isVisible());
    EXPECT_EQ(about->BotaoFechar()->text(), QStringLiteral("Fechar"));
    EXPECT_FALSE(about->Timer1()->isActive());
    QPointer<SplashWindow> watch = about;

    about->BotaoFechar()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(MainWindowTest, ToolWindowItemsAskForTheirWindows)
{
    startIn(Language::Portuguese);
    trigger("Novo1");
    std::map<std::string, int> requests;
    const auto count = [this, &requests](void (TForm1::*request)(), const char *name) {
        QObject::connect(m_form.get(), request, [&requests, name] { ++requests[name]; });
    };
    count(&TForm1::configurationRequested, "Configurao2");
    count(&TForm1::signalGeneratorRequested, "Configurao1");
    count(&TForm1::fastSimulationRequested, "Dese1");
    count(&TForm1::variableListRequested, "Variveis1");
    count(&TForm1::xyRecorderRequested, "RegistradorXY1");

    for (const char *name : {"Configurao2", "Configurao1", "Dese1", "Variveis1", "RegistradorXY1"})
        trigger(name);

    EXPECT_EQ(requests,
              (std::map<std::string, int>{{"Configurao2", 1},
                                          {"Configurao1", 1},
                                          {"Dese1", 1},
                                          {"Variveis1", 1},
                                          {"RegistradorXY1", 1}}));
}

// ---- Examples gallery ----------------------------------------------------------------------

struct GalleryCase
{
    const char *picture;
    const char *file; // relative to the start folder
};

class GalleryEntry : public MainWindowTest, public ::testing::WithParamInterface<GalleryCase>
{
};

TEST_P(GalleryEntry, OpensItsExampleAndHidesTheGallery)
{
    startIn(Language::Portuguese);
    const QString file = plantFile(QString::fromUtf8(GetParam().file));
    writeAll(file, plantFileBytes(GetParam().picture));

    widget<QToolButton>(GetParam().picture)->click();

    ASSERT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(m_session->plant().title, GetParam().picture);
    EXPECT_EQ(m_session->CurrentPlantFile, file);
    EXPECT_FALSE(galleryVisible());
    EXPECT_FALSE(action("Salvar1")->isVisible());
    EXPECT_TRUE(toolMenusVisible(true));
    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
}

TEST_P(GalleryEntry, ReportsAMissingExampleAndChangesNothing)
{
    startIn(Language::English);

    widget<QToolButton>(GetParam().picture)->click();

    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("File not found")});
    EXPECT_TRUE(galleryVisible());
    EXPECT_TRUE(m_session->CurrentPlantFile.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow,
    GalleryEntry,
    ::testing::Values(
        GalleryCase{"sim18", "examples/basic flow loop/basic flow loop.smp"},
        GalleryCase{"sim17", "examples/course-fine flow loop/course-fine flow loop.smp"},
        GalleryCase{
            "sim8",
            "examples/header pressure with 3 consumers/header pressure with 3 consumers.smp"},
        GalleryCase{"sim9", "examples/nonlinear flow processes/nonlinear flow processes.smp"},
        GalleryCase{"sim5", "examples/regulatory level/regulatory level.smp"},
        GalleryCase{"sim6", "examples/surge tank/surge tank.smp"},
        GalleryCase{"sim11", "examples/heat exchanger/heatexchanger.smp"},
        GalleryCase{"sim14", "examples/splitrange control/splitrange.smp"},
        GalleryCase{"sim12", "examples/furnace/furnace.smp"},
        GalleryCase{"sim13", "examples/furnace masterslave/furnace.smp"},
        GalleryCase{"sim10", "examples/reactor/reactor.smp"},
        GalleryCase{"sim15", "examples/coolingplant/coolingplant.smp"},
        GalleryCase{"sim16", "examples/ethaneplant/ethaneplant.smp"},
        GalleryCase{"sim1", "examples/boiler/boiler.smp"},
        GalleryCase{"sim3a", "examples/combustion/ratio.smp"},
        GalleryCase{"sim3b", "examples/combustion/cl.smp"},
        GalleryCase{"sim3c", "examples/combustion/dcl.smp"},
        GalleryCase{"sim3d", "examples/combustion2fuels/combustion2fuels.smp"},
        GalleryCase{"sim4", "examples/Linearized pH control/pHcontrol.smp"},
        GalleryCase{"sim7", "examples/smith predictor/smithpredictor.smp"},
        GalleryCase{"sim2", "examples/processes to model/4processes.smp"},
        GalleryCase{"sim19", "examples/frequency response/frequencyresponse.smp"}),
    [](const auto &info) { return std::string(info.param.picture); });

TEST_F(MainWindowTest, GalleryPlacesEachEntryBesideItsTitle)
{
    startIn(Language::Portuguese);
    auto *notebook = widget<QTabWidget>("TabbedNotebook1");
    ASSERT_EQ(notebook->count(), 6);
    EXPECT_EQ(notebook->tabText(0), QString::fromUtf8("Vazão/Pressão"));

    // On "Outros" the upper left picture is the conductivity example, the lower left the
    // four processes, each with its own title at its left.
    auto *upperLeft = widget<QToolButton>("sim4");
    auto *lowerLeft = widget<QToolButton>("sim2");
    EXPECT_EQ(upperLeft->geometry(), QRect(240, upperLeft->y(), 321, 193));
    EXPECT_EQ(lowerLeft->x(), 240);
    EXPECT_GT(lowerLeft->y(), upperLeft->y());
    EXPECT_EQ(widget<QToolButton>("sim7")->x(), 808);
    auto *title = widget<QLabel>("sim4Title");
    EXPECT_EQ(title->text(), QStringLiteral("Condutividade Linearizado"));
    EXPECT_LT(title->geometry().right(), upperLeft->x());
    EXPECT_EQ(title->parentWidget(), upperLeft->parentWidget());
    EXPECT_EQ(notebook->indexOf(upperLeft->parentWidget()), 5);
}

} // namespace
} // namespace zelvar
