#pragma once

#include "engine/model/language.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

#include <string>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTextEdit;

namespace zelvar {

class ExamplesGallery;
class PlantView;
class SavedIndicator;
class Session;
class SplashWindow;
class TConfigForm;
class UserDialogs;

// The main window: the menu bar with the saved indicator, the plant area with the examples
// gallery, the comment pane and the help bar. It shows the session's plant and runs the file
// commands on it; every question and dialog goes through UserDialogs.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // The creation handler: shows the splash, whose timer later calls FinishStartUp.
    TForm1(Session &session, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TForm1() override;

    // The splash timer's work: the language from "preferences.cfg" (asked for and written on
    // the first run), the English texts, the gallery shown and the splash closed. Runs once.
    void FinishStartUp();
    // The main window's English texts; EnglishFlag is set first.
    void ApplyEnglishTexts();

    // The plant reader: with an empty name it asks for the file, otherwise the name is an
    // example's file relative to the start folder. A failed read keeps the current plant.
    bool LoadPlantFile(const QString &fileName);

    SplashWindow *splash() const;
    bool IsMoveMode() const;
    bool IsDeleteMode() const;
    // The configuration window of the current plant (made anew with every plant).
    TConfigForm *configForm() const;
    PlantView *plantView() const;

signals:
    // The tool windows come with their own parts of the program.
    void configurationRequested();
    void signalGeneratorRequested();
    void fastSimulationRequested();
    void variableListRequested();
    void xyRecorderRequested();
    // The window closed for good: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildCentralArea();
    void applyTexts();

    // File commands.
    void Novo1Click();
    void Abrir1Click();
    void SalvarComo1Click();
    void Salvar1Click();
    void Exemplos1Click();
    bool FormClose();
    // Asks to save unsaved changes. False when the user gave up on the save he asked for (or
    // it failed): the calling command then stops.
    bool runSavePrompt(const QString &question);
    QString runSaveDialog();
    bool readPlant(const QString &path, bool fromExample);
    bool writePlant();
    // Salvar Como's naming: the title from the file name when there is none, ".smp" added.
    void takeFileName(const QString &chosen);

    // The configuration window: made with the plant, shown by "Configuração".
    void createConfigForm();
    void showConfigForm();
    void showToolWindow(QPointer<QWidget> &window, const std::function<QWidget *()> &make);
    // The double click on the picture: the plant's own "descricao.rtf" into the pane.
    void loadDescription();

    // Other commands.
    void Portuguese1Click();
    void English1Click();
    // The language for the next start, from its menu item; this run keeps its own.
    void chooseLanguage(QAction *item, Language language, const QString &restartMessage);
    void Pastacorrente1Click();
    void PausarSimulao2Click();
    void Sobre3Click();
    void openWebPage(const QString &pagePath);

    // Model -> widgets.
    void showPlant();
    void setPlantCaption(const QString &caption);
    void showSavedFlag(bool saved);
    void showRunning(bool running);
    void setToolMenusVisible(bool visible);
    void setGalleryVisible(bool visible);
    void setEditCursor(bool on);

    // User edits -> model.
    void commentsEdited();
    std::vector<std::string> commentLines() const;
    void commentDisplayToggled(bool on);

    Session &m_session;
    UserDialogs &m_dialogs;
    QPointer<SplashWindow> m_splash;
    bool m_startUpDone = false;
    QString m_saveDialogFolder;

    SavedIndicator *m_indicator = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_novo = nullptr;
    QAction *m_abrir = nullptr;
    QAction *m_salvarComo = nullptr;
    QAction *m_sair = nullptr;
    QAction *m_portuguese = nullptr;
    QAction *m_english = nullptr;
    QAction *m_pastaCorrente = nullptr;
    QAction *m_exemplos = nullptr;
    QAction *m_configuracao = nullptr;
    QAction *m_geradorSinais = nullptr;
    QAction *m_simulacaoRapida = nullptr;
    QAction *m_listaVariaveis = nullptr;
    QAction *m_registradorXY = nullptr;
    QAction *m_pausar = nullptr;
    QAction *m_moverObjetos = nullptr;
    QAction *m_excluirObjetos = nullptr;
    QAction *m_comentarios = nullptr;
    QAction *m_website = nullptr;
    QAction *m_videoAulas = nullptr;
    QAction *m_introducao = nullptr;
    QAction *m_sobre = nullptr;

    QWidget *m_plantArea = nullptr;
    PlantView *m_plantView = nullptr;
    QPointer<TConfigForm> m_configForm;
    // Tool windows made on first use; they follow the plant themselves.
    QPointer<QWidget> m_signalGenerator;
    QPointer<QWidget> m_variableList;
    QPointer<QWidget> m_xyRecorder;
    ExamplesGallery *m_gallery = nullptr;
    QTextEdit *m_commentPane = nullptr;
    QFrame *m_helpBar = nullptr;
    QLabel *m_helpLabel = nullptr;
    QGroupBox *m_progressGroup = nullptr; // GroupBox1 with ProgressBar1: a plant being read
    QProgressBar *m_progressBar = nullptr;
};

} // namespace zelvar
