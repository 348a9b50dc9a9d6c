#include "workspace/ui/mainwindow.h"

#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "documents/ui/variablelistwindow.h"
#include "engine/model/numbertext.h"
#include "engine/ui/signalgeneratorwindow.h"
#include "instruments/ui/fastsimulationwindow.h"
#include "instruments/ui/xyrecorderwindow.h"
#include "services/helpsite.h"
#include "services/pictures.h"
#include "services/session.h"
#include "services/toolwindows.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"
#include "workspace/model/richtextfile.h"
#include "workspace/ui/configform.h"
#include "workspace/ui/examplesgallery.h"
#include "workspace/ui/plantfilenames.h"
#include "workspace/ui/plantview.h"
#include "workspace/ui/preferencesfile.h"
#include "workspace/ui/savedindicator.h"
#include "workspace/ui/splashwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zelvar {

namespace {

constexpr char kStartCaption[] = "Zelvar (v 7.8)";
constexpr char kPlantCaption[] = "Zelvar v 7.8";
constexpr int kCommentPaneWidth = 288;

const QString kPlantFileFilter
    = QString::fromUtf8("Arquivos de Simulação (*.smp);;Todos os  Arquivos (*)");

// icon: the action's picture in pictures/menu/, if any.
QAction *newAction(QWidget *owner, const char *objectName, const char *icon = nullptr)
{
    auto *action = new QAction(owner);
    action->setObjectName(QString::fromLatin1(objectName));
    if (icon)
        action->setIcon(LoadIcon(QStringLiteral("pictures/menu/") + QString::fromLatin1(icon)));
    return action;
}

QAction *newCheckAction(QWidget *owner, const char *objectName)
{
    QAction *action = newAction(owner, objectName);
    action->setCheckable(true);
    return action;
}

QMenu *newMenu(QWidget *parent, const char *objectName)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->menuAction()->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

QString preferencesPath(const Session &session)
{
    return session.StartFolder + QLatin1Char('/') + toQString(kPreferencesFileName);
}

// The folder the file dialogs start in: the chosen working folder, else the start folder.
QString workingFolder(const Session &session)
{
    return session.CurrentFolder.isEmpty() ? session.StartFolder : session.CurrentFolder;
}

QString saveChangesQuestion(Language language)
{
    return trText(language, "Salvar Alterações em Arquivo?", "Save changes?");
}

// The description's paragraphs with their bold, italic, underline and sizes.
void showRichText(QTextEdit *pane, const RichText &text)
{
    pane->clear();
    QTextCursor cursor(pane->document());
    const double baseSize = pane->font().pointSizeF();
    bool first = true;
    for (const RichTextParagraph &paragraph : text.paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        for (const RichTextRun &run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            format.setFontPointSize(run.halfPoints > 0 ? run.halfPoints / 2.0 : baseSize);
            cursor.insertText(toQString(run.text), format);
        }
    }
}

} // namespace

TForm1::TForm1(Session &session, UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kStartCaption));
    setWindowIcon(LoadIcon(QStringLiteral("pictures/zelvar.png")));
    resize(1260, 760);

    // The splash first, so it is drawn while the rest is built.
    m_splash = new SplashWindow(SplashWindow::Role::Splash, m_session.language());
    m_splash->ShowAndUpdate();
    m_splash->Timer1()->start();
    connect(m_splash, &SplashWindow::splashTimeElapsed, this, &TForm1::FinishStartUp);

    buildMenus();
    buildCentralArea();
    createConfigForm();
    applyTexts();

    connect(&m_session, &Session::plantReplaced, this, [this] {
        // A new plant comes with new configuration and generator windows, as their layouts
        // have them. The old generator window goes without its close: its rows belong to
        // the plant left behind.
        createConfigForm();
        delete m_signalGenerator.data();
        showPlant();
    });
    connect(&m_session, &Session::savedFlagChanged, this, &TForm1::showSavedFlag);
    connect(&m_session, &Session::runningChanged, this, &TForm1::showRunning);

    // Until a plant is made or opened only "Arquivo" and "Ajuda" show.
    m_indicator->SetVisible(false);
    setToolMenusVisible(false);
    setGalleryVisible(false);
    showPlant();
    showSavedFlag(m_session.SavedFlag());
    showRunning(m_session.IsRunning());
}

TForm1::~TForm1()
{
    if (m_splash)
        delete m_splash.data();
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    m_indicator = new SavedIndicator(bar, this);
    connect(m_indicator->action(), &QAction::triggered, this, &TForm1::Salvar1Click);

    m_fileMenu = newMenu(this, "Arquivo1");
    m_novo = newAction(this, "Novo1", "novo.png");
    m_abrir = newAction(this, "Abrir1", "abrir.png");
    m_salvarComo = newAction(this, "SalvarComo1", "salvarcomo.png");
    m_sair = newAction(this, "Sair1", "sair.png");
    m_languageMenu = newMenu(this, "SelectLanguage1");
    m_portuguese = newCheckAction(this, "Portuguese1");
    m_english = newCheckAction(this, "English1");
    m_pastaCorrente = newAction(this, "Pastacorrente1", "pasta.png");
    m_fileMenu->addActions({m_novo, m_abrir, m_salvarComo});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_sair);
    m_languageMenu->addActions({m_portuguese, m_english});
    m_fileMenu->addMenu(m_languageMenu);
    m_fileMenu->addAction(m_pastaCorrente);
    bar->addMenu(m_fileMenu);

    m_exemplos = newAction(this, "Exemplos1");
    m_configuracao = newAction(this, "Configurao2");
    m_geradorSinais = newAction(this, "Configurao1");
    m_simulacaoRapida = newAction(this, "Dese1");
    m_listaVariaveis = newAction(this, "Variveis1");
    m_registradorXY = newAction(this, "RegistradorXY1");
    bar->addActions({m_exemplos,
                     m_configuracao,
                     m_geradorSinais,
                     m_simulacaoRapida,
                     m_listaVariaveis,
                     m_registradorXY});

    m_optionsMenu = newMenu(this, "Opes1");
    m_pausar = newCheckAction(this, "PausarSimulao2");
    m_moverObjetos = newCheckAction(this, "MoverObjetos2");
    m_excluirObjetos = newCheckAction(this, "ExcluirObjetos");
    m_optionsMenu->addActions({m_pausar, m_moverObjetos, m_excluirObjetos});
    bar->addMenu(m_optionsMenu);

    m_helpMenu = newMenu(this, "Sobre1");
    m_comentarios = newCheckAction(this, "Comentrios1");
    m_website = newAction(this, "utorial1", "website.png");
    m_videoAulas = newAction(this, "VdeoAulas1", "video.png");
    m_introducao = newAction(this, "IntroduoControledeProcessos1", "aulas.png");
    m_sobre = newAction(this, "Sobre3", "sobre.png");
    m_helpMenu->addActions({m_comentarios, m_website, m_videoAulas, m_introducao, m_sobre});
    bar->addMenu(m_helpMenu);

    connect(m_novo, &QAction::triggered, this, &TForm1::Novo1Click);
    connect(m_abrir, &QAction::triggered, this, &TForm1::Abrir1Click);
    connect(m_salvarComo, &QAction::triggered, this, &TForm1::SalvarComo1Click);
    connect(m_sair, &QAction::triggered, this, &QWidget::close);
    connect(m_portuguese, &QAction::triggered, this, &TForm1::Portuguese1Click);
    connect(m_english, &QAction::triggered, this, &TForm1::English1Click);
    connect(m_pastaCorrente, &QAction::triggered, this, &TForm1::Pastacorrente1Click);
    connect(m_exemplos, &QAction::triggered, this, &TForm1::Exemplos1Click);
    connect(m_configuracao, &QAction::triggered, this, &TForm1::configurationRequested);
    connect(this, &TForm1::configurationRequested, this, &TForm1::showConfigForm);
    connect(m_geradorSinais, &QAction::triggered, this, &TForm1::signalGeneratorRequested);
    connect(m_simulacaoRapida, &QAction::triggered, this, &TForm1::fastSimulationRequested);
    connect(m_listaVariaveis, &QAction::triggered, this, &TForm1::variableListRequested);
    connect(m_registradorXY, &QAction::triggered, this, &TForm1::xyRecorderRequested);
    connect(this, &TForm1::signalGeneratorRequested, this, [this] {
        showToolWindow(m_signalGenerator,
                       [this] { return new TParmForm(m_session, this, &m_dialogs); });
    });
    connect(this, &TForm1::variableListRequested, this, [this] {
        showToolWindow(m_variableList,
                       [this] { return new TDialogos(m_session, this, &m_dialogs); });
    });
    connect(this, &TForm1::fastSimulationRequested, this, [this] {
        // Each request makes a window of its own, which frees itself when closed.
        (new TAboutBox(m_session, this, &m_dialogs))->show();
    });
    connect(this, &TForm1::xyRecorderRequested, this, [this] {
        showToolWindow(m_xyRecorder, [this] { return new TRegXY(m_session, this, &m_dialogs); });
    });
    connect(&m_session, &Session::variableListRefreshed, this, [this] {
        for (int k = 1; k <= 6; ++k) {
            const QString hint = toQString(m_session.variableList().SliderHint(k));
            for (const char *name : {"TrackBack%1", "TrackLabel%1"}) {
                if (QWidget *part = findChild<QWidget *>(QString::fromLatin1(name).arg(k)))
                    part->setToolTip(hint);
            }
        }
    });
    connect(m_pausar, &QAction::triggered, this, &TForm1::PausarSimulao2Click);
    connect(m_moverObjetos, &QAction::toggled, this, &TForm1::setEditCursor);
    connect(m_excluirObjetos, &QAction::toggled, this, &TForm1::setEditCursor);
    connect(m_comentarios, &QAction::toggled, this, &TForm1::commentDisplayToggled);
    connect(m_website, &QAction::triggered, this, [this] {
        openWebPage(QString::fromLatin1(kHelpHomePage));
    });
    connect(m_videoAulas, &QAction::triggered, this, [this] {
        openWebPage(QString::fromLatin1(kHelpVideoLessonsPage));
    });
    connect(m_introducao, &QAction::triggered, this, [this] {
        openWebPage(QString::fromLatin1(kHelpLessonsPage));
    });
    connect(m_sobre, &QAction::triggered, this, &TForm1::Sobre3Click);
}

void TForm1::buildCentralArea()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    m_plantView = new PlantView(m_session, m_dialogs, m_moverObjetos, m_excluirObjetos, central);
    m_plantArea = m_plantView;
    row->addWidget(m_plantArea);
    connect(m_plantView, &PlantView::descriptionReloadRequested, this, &TForm1::loadDescription);
    connect(m_plantView, &PlantView::objectDeleted, this, [this] {
        if (m_configForm)
            m_configForm->ShowPlant();
    });

    m_commentPane = new QTextEdit(central);
    m_commentPane->setObjectName(QStringLiteral("RichEdit1"));
    m_commentPane->setFrameShape(QFrame::NoFrame);
    m_commentPane->setAcceptRichText(false);
    m_commentPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_commentPane->setFixedWidth(kCommentPaneWidth);
    m_commentPane->hide();
    row->addWidget(m_commentPane);
    column->addLayout(row, 1);

    m_helpBar = new QFrame(central);
    m_helpBar->setObjectName(QStringLiteral("HelpBar"));
    m_helpBar->setFrameShape(QFrame::StyledPanel);
    auto *helpRow = new QHBoxLayout(m_helpBar);
    helpRow->setContentsMargins(4, 3, 4, 3);
    m_helpLabel = new QLabel(m_helpBar);
    m_helpLabel->setObjectName(QStringLiteral("Label21"));
    m_helpLabel->setAlignment(Qt::AlignCenter);
    m_helpLabel->setCursor(Qt::PointingHandCursor);
    m_helpLabel->setStyleSheet(QStringLiteral("QLabel { color: #1d5fa0; }"));
    m_helpLabel->installEventFilter(this);
    helpRow->addWidget(m_helpLabel);
    column->addWidget(m_helpBar);

    // Shown while a plant file is read, over the picture.
    m_progressGroup = new QGroupBox(m_plantArea);
    m_progressGroup->setObjectName(QStringLiteral("GroupBox1"));
    auto *progressRow = new QVBoxLayout(m_progressGroup);
    m_progressBar = new QProgressBar(m_progressGroup);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 100);
    progressRow->addWidget(m_progressBar);
    m_progressGroup->setFixedSize(280, 56);
    m_progressGroup->hide();

    m_gallery = new ExamplesGallery(m_plantArea);
    connect(m_gallery, &ExamplesGallery::exampleChosen, this, [this](const QString &file) {
        LoadPlantFile(file);
    });

    connect(m_commentPane, &QTextEdit::textChanged, this, &TForm1::commentsEdited);
    setCentralWidget(central);
}

void TForm1::applyTexts()
{
    const Language language = m_session.language();
    const auto text = [language](QAction *action, const char *portuguese, const char *english) {
        action->setText(trText(language, portuguese, english));
    };
    text(m_fileMenu->menuAction(), "Arquivo", "File");
    text(m_novo, "Novo", "New");
    text(m_abrir, "Abrir", "Open");
    text(m_salvarComo, "Salvar Como...", "Save as...");
    text(m_sair, "Sair", "Exit");
    // These keep their captions in both languages.
    m_languageMenu->menuAction()->setText(QStringLiteral("Select Language"));
    m_portuguese->setText(QStringLiteral("Portuguese"));
    m_english->setText(QStringLiteral("English"));
    m_pastaCorrente->setText(QStringLiteral("Pasta corrente..."));
    m_videoAulas->setText(QString::fromUtf8("Vídeo Aulas"));
    m_introducao->setText(QString::fromUtf8("Introdução Controle de Processos"));

    text(m_exemplos, "Exemplos", "Examples");
    text(m_configuracao, "Configuração", "Configuration");
    text(m_geradorSinais, "Gerador de Sinais", "Signals Generator");
    text(m_simulacaoRapida, "Simulação Rápida", "Fast Simulation");
    text(m_listaVariaveis, "Lista de Variáveis", "Variables List");
    text(m_registradorXY, "Registrador XY", "XY Register");
    text(m_optionsMenu->menuAction(), "Opções", "Options");
    text(m_pausar, "Pausar Simulação", "Stop Simulation");
    text(m_moverObjetos, "Mover Objetos", "Move Objects");
    text(m_excluirObjetos, "Excluir Objetos", "Exclude Objects");
    text(m_helpMenu->menuAction(), "Ajuda", "Help");
    text(m_comentarios, "Exibir comentários", "Show comments");
    text(m_website, "Visitar website", "Online help...");
    text(m_sobre, "Sobre", "About");

    const QString objectsHint = QString::fromUtf8("Inclusão de objetos ");
    const QString signalsHint
        = QString::fromUtf8("Inclusão de sinais aleatórios para simular distúrbios");
    m_configuracao->setToolTip(objectsHint);
    m_configuracao->setStatusTip(objectsHint);
    m_geradorSinais->setToolTip(signalsHint);
    m_geradorSinais->setStatusTip(signalsHint);

    m_helpLabel->setText(trText(language,
                                "Clique aqui para informações adicionais",
                                "Click here for aditional informations"));
    m_gallery->SetLanguage(language);
    m_indicator->SetSaved(m_session.SavedFlag(), language);
}

void TForm1::ApplyEnglishTexts()
{
    m_session.SetEnglishFlag(true);
    applyTexts();
    ApplyEnglishDefaults(m_session.plant());
    m_configForm->ApplyTexts();
    m_configForm->ShowPlant();
    m_plantView->ApplyTexts();
    m_plantView->ShowPicture();
}

// ---- Configuration window ----------------------------------------------------------------

void TForm1::createConfigForm()
{
    delete m_configForm.data();
    m_configForm = new TConfigForm(m_session, m_dialogs, this);
    connect(m_configForm, &TConfigForm::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_configForm, &TConfigForm::pictureChanged, m_plantView, &PlantView::ShowPicture);
    connect(m_configForm, &TConfigForm::pictureChosen, this, [this] {
        const QString picture = toQString(m_session.plant().PictureFileName);
        if (QFileInfo(picture).isFile())
            m_plantView->LoadBackgroundPicture(picture);
        m_plantView->SetBackgroundVisible(true);
    });
}

void TForm1::showToolWindow(QPointer<QWidget> &window, const std::function<QWidget *()> &make)
{
    if (window.isNull())
        window = make();
    ShowToolWindow(window);
}

void TForm1::showConfigForm()
{
    m_configForm->RefreshObjectCaptions();
    m_configForm->SelectFirstPage();
    ShowToolWindow(m_configForm);
}

// ---- Start-up ----------------------------------------------------------------------------

void TForm1::FinishStartUp()
{
    if (m_startUpDone)
        return;
    m_startUpDone = true;

    const QString path = preferencesPath(m_session);
    const PreferencesReading reading = ReadLanguagePreference(path);
    Language language = Language::Portuguese;
    QString failure;
    if (reading.exists) {
        if (reading.readable)
            language = reading.language;
        else
            failure = reading.error;
    } else {
        const bool english = m_dialogs.askYesNo(
            m_splash,
            QString::fromUtf8("Portuguese is the current language. Do you wish to convert to "
                              "english? (Converter textos inglês?)"));
        language = english ? Language::English : Language::Portuguese;
        QString error;
        if (!WriteLanguagePreference(path, language, error))
            failure = error;
    }

    if (language == Language::English) {
        ApplyEnglishTexts();
        m_english->setChecked(true);
    } else {
        m_session.SetEnglishFlag(false);
        m_portuguese->setChecked(true);
    }
    m_session.LoadToolkitTexts();
    // A preferences file that cannot be used does not stop the program: the language above
    // holds for this run.
    if (!failure.isEmpty()) {
        m_dialogs.showError(this,
                            trText(language, "Erro no arquivo ", "Error in the file ") + path
                                + QStringLiteral(": ") + failure);
    }

    setGalleryVisible(true);
    if (m_splash)
        m_splash->close();
}

void TForm1::Portuguese1Click()
{
    chooseLanguage(m_portuguese,
                   Language::Portuguese,
                   QString::fromUtf8("É necessário reiniciar o aplicativo"));
}

void TForm1::English1Click()
{
    chooseLanguage(
        m_english, Language::English, QStringLiteral("It is necessary restart application"));
}

void TForm1::chooseLanguage(QAction *item, Language language, const QString &restartMessage)
{
    // The check shows the language in force, which changes only at the next start.
    item->setChecked(!item->isChecked());
    if (m_session.language() == language)
        return;
    const QString path = preferencesPath(m_session);
    QString error;
    if (!WriteLanguagePreference(path, language, error)) {
        m_dialogs.showError(this, path + QStringLiteral(": ") + error);
        return;
    }
    m_dialogs.inform(this, restartMessage);
}

// ---- File commands -----------------------------------------------------------------------

bool TForm1::runSavePrompt(const QString &question)
{
    if (m_session.SavedFlag())
        return true;
    if (!m_dialogs.askYesNo(this, question))
        return true;
    const QString chosen = runSaveDialog();
    // Yes, then no name: the user has not agreed to lose the changes.
    if (chosen.isEmpty())
        return false;
    m_session.CurrentPlantFile = chosen;
    if (!writePlant())
        return false;
    m_session.MarkSaved();
    return true;
}

QString TForm1::runSaveDialog()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Salvar Como");
    request.folder = m_saveDialogFolder;
    request.fileName = FileNamePart(m_session.CurrentPlantFile);
    request.filter = kPlantFileFilter;
    const QString chosen = m_dialogs.saveFile(this, request);
    if (!chosen.isEmpty())
        QDir::setCurrent(folderOf(chosen));
    return chosen;
}

bool TForm1::writePlant()
{
    std::string error;
    if (!SavePlantFile(m_session.plant(),
                       m_session.CurrentPlantFile.toStdString(),
                       m_session.language(),
                       error)) {
        m_dialogs.showError(this, toQString(error));
        return false;
    }
    return true;
}

void TForm1::takeFileName(const QString &chosen)
{
    m_session.CurrentPlantFile = chosen;
    if (m_session.plant().title.empty()) {
        SetTitle(m_session.plant(), FileNamePart(chosen).toStdString());
        setWindowTitle(toQString(m_session.plant().caption));
        m_session.MarkChanged();
    }
    m_session.CurrentPlantFile = WithPlantFileExtension(chosen);
}

void TForm1::Novo1Click()
{
    if (!runSavePrompt(saveChangesQuestion(m_session.language())))
        return;
    m_session.ResetPlant();
    m_session.CurrentPlantFile.clear();
    setPlantCaption(QString::fromLatin1(kPlantCaption));
    m_session.MarkSaved();
    setGalleryVisible(false);
    // The comment pane shows, and its check mark says so.
    m_comentarios->setChecked(true);
    m_indicator->SetVisible(true);
    setToolMenusVisible(true);
}

void TForm1::Abrir1Click()
{
    m_saveDialogFolder = workingFolder(m_session);
    if (!runSavePrompt(saveChangesQuestion(m_session.language())))
        return;
    LoadPlantFile(QString());
}

void TForm1::SalvarComo1Click()
{
    m_saveDialogFolder = workingFolder(m_session);
    const QString chosen = runSaveDialog();
    if (chosen.isEmpty())
        return;
    takeFileName(chosen);
    if (writePlant())
        m_session.MarkSaved();
}

void TForm1::Salvar1Click()
{
    if (m_session.CurrentPlantFile.isEmpty()) {
        const QString chosen = runSaveDialog();
        if (chosen.isEmpty())
            return;
        takeFileName(chosen);
        m_indicator->SetVisible(true);
    }
    if (writePlant())
        m_session.MarkSaved();
}

void TForm1::Exemplos1Click()
{
    if (!runSavePrompt(saveChangesQuestion(m_session.language())))
        return;
    m_session.CurrentPlantFile.clear();
    m_session.MarkSaved();
    m_session.ResetPlant();
    setPlantCaption(QString::fromLatin1(kPlantCaption));
    m_commentPane->hide();
    m_indicator->SetVisible(false);
    setToolMenusVisible(false);
    setGalleryVisible(true);
}

bool TForm1::LoadPlantFile(const QString &fileName)
{
    if (fileName.isEmpty()) {
        FileDialogRequest request;
        request.title = trText(m_session.language(), "Abrir", "Open");
        request.folder = workingFolder(m_session);
        request.filter = kPlantFileFilter;
        const QString chosen = m_dialogs.openFile(this, request);
        if (chosen.isEmpty())
            return false;
        QDir::setCurrent(folderOf(chosen));
        return readPlant(chosen, false);
    }
    const QString path = ExampleFilePath(m_session.StartFolder, fileName.toStdString());
    if (!QFileInfo::exists(path)) {
        m_dialogs.inform(this,
                         trText(m_session.language(), "Arquivo não encontrado", "File not found"));
        return false;
    }
    return readPlant(path, true);
}

bool TForm1::readPlant(const QString &path, bool fromExample)
{
    PlantReadResult result;
    {
        const Session::TimerHold hold(m_session);
        m_progressGroup->move((m_plantArea->width() - m_progressGroup->width()) / 2,
                              (m_plantArea->height() - m_progressGroup->height()) / 2);
        m_progressGroup->show();
        m_progressGroup->raise();
        PlantReadOptions options;
        options.language = m_session.language();
        options.previous = &m_session.plant();
        options.progress = GaugePainter(m_progressBar, m_progressGroup);
        result = ReadPlantFile(path.toStdString(), std::move(options));
        m_progressGroup->hide();
    }
    if (!result.Succeeded()) {
        const Language language = m_session.language();
        QString message = path;
        if (result.errorLine > 0) {
            message += QLatin1Char('\n') + trText(language, "Linha ", "Line ")
                       + toQString(FormatFixed(result.errorLine, 0, 0));
        }
        message += QStringLiteral(": ") + toQString(result.error);
        m_dialogs.showError(this, message);
        return false;
    }
    m_session.CurrentPlantFile = path;
    m_session.ReplacePlant(std::move(result.plant));
    m_session.MarkSaved();
    setWindowTitle(toQString(m_session.plant().caption));
    // An example's picture lies beside its plant file; another plant's in the working folder.
    const QString picture = toQString(m_session.plant().PictureFileName);
    m_plantView->ShowPlantPicture(
        picture.isEmpty() || !fromExample ? picture : folderOf(path) + QLatin1Char('/') + picture);
    setGalleryVisible(false);
    setToolMenusVisible(true);
    // An example is saved under a new name only.
    if (fromExample)
        m_indicator->SetVisible(false);
    for (const std::string &message : result.applyMessages)
        m_dialogs.inform(this, toQString(message));
    return true;
}

bool TForm1::FormClose()
{
    // Asked in Portuguese in both languages.
    return runSavePrompt(saveChangesQuestion(Language::Portuguese));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_splash)
        m_splash->close();
    emit closed();
}

// ---- Other commands ----------------------------------------------------------------------

void TForm1::Pastacorrente1Click()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Pasta corrente...");
    request.folder = m_session.StartFolder;
    // Any name confirms the folder shown; "*." proposes one and lists no files.
    request.fileName = QStringLiteral("*.");
    request.filter = QStringLiteral("*.");
    request.mustExist = false;
    const QString chosen = m_dialogs.openFile(this, request);
    if (!chosen.isEmpty())
        m_session.CurrentFolder = folderOf(chosen) + QLatin1Char('/');
    if (!m_session.CurrentFolder.isEmpty())
        QDir::setCurrent(m_session.CurrentFolder);
}

void TForm1::PausarSimulao2Click()
{
    m_session.SetRunning(!m_session.IsRunning());
    showRunning(m_session.IsRunning());
}

void TForm1::Sobre3Click()
{
    auto *about = new SplashWindow(SplashWindow::Role::About, m_session.language());
    about->ShowAndUpdate();
}

void TForm1::openWebPage(const QString &pagePath)
{
    if (!IsInternetConnected(m_session.HelpFolder)) {
        // Portuguese in both languages.
        m_dialogs.inform(this, QString::fromUtf8("É requerida conexão com internet"));
        return;
    }
    m_dialogs.openUrl(HelpPageUrl(m_session.HelpFolder, pagePath));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_helpLabel && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            openWebPage(QString::fromLatin1(kHelpHomePage));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

SplashWindow *TForm1::splash() const
{
    return m_splash.data();
}

bool TForm1::IsMoveMode() const
{
    return m_moverObjetos->isChecked();
}

bool TForm1::IsDeleteMode() const
{
    return m_excluirObjetos->isChecked();
}

TConfigForm *TForm1::configForm() const
{
    return m_configForm.data();
}

PlantView *TForm1::plantView() const
{
    return m_plantView;
}

void TForm1::loadDescription()
{
    const QString path
        = PlantCompanionFile(m_session.CurrentPlantFile, QStringLiteral("descricao.rtf"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    {
        const QSignalBlocker blocker(m_commentPane);
        showRichText(m_commentPane,
                     ReadRichText(std::string_view(bytes.constData(),
                                                   static_cast<std::size_t>(bytes.size()))));
    }
    // The pane's lines are what a save writes.
    std::vector<std::string> lines = commentLines();
    if (lines != m_session.plant().comments) {
        m_session.plant().comments = std::move(lines);
        m_session.MarkChanged();
    }
}

// ---- Model -> widgets --------------------------------------------------------------------

void TForm1::showPlant()
{
    const Plant &plant = m_session.plant();
    {
        const QSignalBlocker blocker(m_commentPane);
        QStringList lines;
        for (const std::string &line : plant.comments)
            lines.append(toQString(line));
        m_commentPane->setPlainText(lines.join(QLatin1Char('\n')));
    }
    {
        const QSignalBlocker blocker(m_comentarios);
        m_comentarios->setChecked(plant.commentDisplay);
    }
    m_commentPane->setVisible(plant.commentDisplay);
}

void TForm1::setPlantCaption(const QString &caption)
{
    // The file stores the caption, so it is part of the plant.
    m_session.plant().caption = caption.toStdString();
    setWindowTitle(caption);
}

void TForm1::showSavedFlag(bool saved)
{
    m_indicator->SetSaved(saved, m_session.language());
}

void TForm1::showRunning(bool running)
{
    const QSignalBlocker blocker(m_pausar);
    m_pausar->setChecked(!running);
}

void TForm1::setToolMenusVisible(bool visible)
{
    for (QAction *item : {m_salvarComo,
                          m_exemplos,
                          m_configuracao,
                          m_geradorSinais,
                          m_optionsMenu->menuAction(),
                          m_listaVariaveis,
                          m_simulacaoRapida,
                          m_registradorXY}) {
        item->setVisible(visible);
    }
}

void TForm1::setGalleryVisible(bool visible)
{
    m_gallery->setVisible(visible);
    if (visible)
        m_gallery->raise();
}

void TForm1::setEditCursor(bool on)
{
    // Each mode sets the cursor by its own mark, whatever the other's.
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

// ---- User edits -> model -----------------------------------------------------------------

std::vector<std::string> TForm1::commentLines() const
{
    const QStringList lines = m_commentPane->toPlainText().split(QLatin1Char('\n'));
    std::vector<std::string> comments;
    if (!(lines.size() == 1 && lines.constFirst().isEmpty())) {
        comments.reserve(static_cast<std::size_t>(lines.size()));
        for (const QString &line : lines)
            comments.push_back(line.toStdString());
    }
    return comments;
}

void TForm1::commentsEdited()
{
    m_session.plant().comments = commentLines();
    m_session.MarkChanged();
}

void TForm1::commentDisplayToggled(bool on)
{
    m_session.plant().commentDisplay = on;
    m_commentPane->setVisible(on);
}

} // namespace zelvar
