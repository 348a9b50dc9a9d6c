// Drives the real main window on a real display (Xvfb with a window manager) and saves pictures
// of it: the gallery after start-up, the open "Arquivo" menu, the window after "Novo", the about
// box, the seven pages of the configuration window, a plant picture with objects, the windows of
// its objects and of the menu bar, the questions and dialogs in front of the stay-on-top windows
// (the first-run question over the splash, "Pasta corrente..." over the variable list, the save
// question of "Novo" over the configuration window, after a click on that window), then the
// three lessons of the walkthrough page, step by step as their text reads (the basic flow loop
// operated, a loop built from a new plant, a recorder, a fast run and an XY sweep), then example
// plants opened from the gallery, in both languages.
// Built and run by scripts/screenshots.
#include "documents/model/plantoperations.h"
#include "services/picturewidgets.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "workspace/ui/configform.h"
#include "workspace/ui/examplecatalog.h"
#include "workspace/ui/mainwindow.h"
#include "workspace/ui/plantview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace {

void shoot(const QString &folder, const QString &name);

// Nobody is there to answer: every question is No, every dialog cancelled. While a shot is
// asked for, the next box or dialog is the program's real one, pictured as it comes in front
// of the windows and then closed (No, or cancelled).
class SilentDialogs : public zelvar::UserDialogs
{
public:
    // clickFirst: a window the user clicks before the picture is taken.
    void ShootNext(const QString &folder, const QString &name, QWidget *clickFirst = nullptr)
    {
        m_folder = folder;
        m_shot = name;
        m_clickFirst = clickFirst;
    }

    bool askYesNo(QWidget *parent, const QString &text) override
    {
        return takeShot() && m_real.askYesNo(parent, text);
    }
    void inform(QWidget *, const QString &) override {}
    void showError(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    }
    QString openFile(QWidget *parent, const zelvar::FileDialogRequest &request) override
    {
        return takeShot() ? m_real.openFile(parent, request) : QString();
    }
    QString saveFile(QWidget *, const zelvar::FileDialogRequest &) override { return {}; }
    void openUrl(const QUrl &) override {}

private:
    // Arms the picture of the dialog about to open; false when none was asked for.
    bool takeShot()
    {
        if (m_shot.isEmpty())
            return false;
        const QString folder = m_folder;
        const QString name = m_shot;
        m_shot.clear();
        const QPointer<QWidget> clickFirst = m_clickFirst;
        m_clickFirst = nullptr;
        QTimer::singleShot(300, [folder, name, clickFirst] {
            // A real click, through the window manager, which raises what it clicks.
            if (clickFirst) {
                const QPoint at = clickFirst->mapToGlobal(QPoint(8, 8));
                QProcess::execute(QStringLiteral("xdotool"),
                                  {QStringLiteral("mousemove"),
                                   QStringLiteral("--sync"),
                                   QString::number(at.x()),
                                   QString::number(at.y()),
                                   QStringLiteral("click"),
                                   QStringLiteral("1")});
            }
            shoot(folder, name);
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        return true;
    }

    zelvar::QtUserDialogs m_real;
    QString m_folder;
    QString m_shot;
    QPointer<QWidget> m_clickFirst;
};

void settle(int milliseconds = 400)
{
    const qint64 end = QDateTime::currentMSecsSinceEpoch() + milliseconds;
    while (QDateTime::currentMSecsSinceEpoch() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

void shoot(const QString &folder, const QString &name)
{
    settle();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

// A plant unit to put behind the objects: two tanks, a pump, a heater and their pipes on a
// white ground, the bottom-left pixel giving the transparent colour.
void drawBackground(const QString &path)
{
    QImage image(1000, 560, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2c, 0x44, 0x5e);
    const QColor water(0x3f, 0x8f, 0xd8);
    const auto pipe = [&](const QPolygonF &points, const QColor &colour) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(points);
        p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(points);
    };
    const auto tank = [&](const QRectF &r, double level) {
        QLinearGradient metal(r.topLeft(), r.topRight());
        metal.setColorAt(0, QColor(0xdb, 0xe5, 0xee));
        metal.setColorAt(0.5, QColor(0xf7, 0xfa, 0xfc));
        metal.setColorAt(1, QColor(0xa9, 0xbc, 0xcf));
        p.setPen(QPen(ink, 2));
        p.setBrush(metal);
        p.drawRoundedRect(r, 14, 14);
        const QRectF liquid(
            r.left() + 3, r.bottom() - level * r.height(), r.width() - 6, level * r.height() - 3);
        p.setPen(Qt::NoPen);
        p.setBrush(water.lighter(115));
        p.drawRoundedRect(liquid, 10, 10);
    };
    pipe({QPointF(250, 170), QPointF(330, 170), QPointF(330, 200)}, water);
    pipe({QPointF(400, 420), QPointF(400, 470), QPointF(520, 470)}, water);
    pipe({QPointF(580, 470), QPointF(640, 470), QPointF(640, 230), QPointF(690, 230)}, water);
    pipe({QPointF(760, 420), QPointF(760, 500), QPointF(860, 500)}, water);
    tank(QRectF(280, 200, 240, 220), 0.55);
    tank(QRectF(690, 200, 150, 220), 0.35);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(0xdb, 0xe5, 0xee));
    p.drawEllipse(QPointF(550, 470), 22, 22);
    p.setBrush(QColor(0xe2, 0x6b, 0x3a));
    p.drawRect(QRectF(705, 380, 120, 18));
    p.setPen(ink);
    QFont label(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
    p.setFont(label);
    p.drawText(QPointF(370, 195), QStringLiteral("T-101"));
    p.drawText(QPointF(735, 195), QStringLiteral("T-102"));
    p.drawText(QPointF(528, 510), QStringLiteral("B-101"));
    p.end();
    image.save(path);
}

// A small plant built the way a user would: boxes ticked on the configuration window, the
// objects named, the inputs shown, the picture chosen.
void buildPlant(zelvar::TForm1 &form, zelvar::Session &session, const QString &folder)
{
    using namespace zelvar;
    zelvar::TConfigForm *config = form.configForm();
    const auto box = [config](const char *name) {
        config->findChild<QCheckBox *>(QString::fromLatin1(name))->click();
    };
    const auto choose = [config](const char *name, int index) {
        auto *list = config->findChild<QComboBox *>(QString::fromLatin1(name));
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    const auto type = [config](const char *name, const QString &text) {
        auto *edit = config->findChild<QLineEdit *>(QString::fromLatin1(name));
        edit->selectAll();
        edit->insert(text);
    };
    for (const char *name : {"CheckBox1",
                             "CheckBox2",
                             "CheckBox21",
                             "CheckBox22",
                             "CheckBox31",
                             "CheckBox11",
                             "CheckBox46",
                             "CheckBox47"})
        box(name);
    Plant &plant = session.plant();
    plant.controllers[1].EditSettings([](ControllerSettings &s) { s.TagText = "LIC-101"; });
    plant.controllers[2].EditSettings([](ControllerSettings &s) { s.TagText = "TIC-102"; });
    plant.controllers[1].ApplyControllerSettings(plant.memories, false);
    plant.controllers[2].ApplyControllerSettings(plant.memories, false);
    plant.controllers[2].automatic = true;
    plant.processes[1].TagText = "LT-101";
    plant.processes[2].TagText = "TT-102";
    plant.blocks[1].TagText = "FY-101";
    plant.recorders[1].EditSettings(plant.memories,
                                    [](RecorderSettings &s) { s.TagText = "TR-1"; });
    plant.memories.MemoryUnit[15] = "m3/h";
    plant.memories.MemoryUEMax[15] = "40";
    for (int k = 1; k <= 2; ++k) {
        AnimatedText &text = plant.animatedTexts[k];
        text.DescricaoText = k == 1 ? "Vazão de carga" : "Carga";
        ChooseTextMemory(text, 13 + k, plant.memories);
        ApplyTextSettings(text, plant.memories);
        StepAnimatedText(text, plant);
    }
    MoveObject(plant, ObjectIdOf(ObjectPool::Controllers, 1), 150, 250);
    MoveObject(plant, ObjectIdOf(ObjectPool::Processes, 1), 530, 280);
    MoveObject(plant, ObjectIdOf(ObjectPool::Controllers, 2), 850, 300);
    MoveObject(plant, ObjectIdOf(ObjectPool::Processes, 2), 850, 340);
    MoveObject(plant, ObjectIdOf(ObjectPool::Blocks, 1), 150, 290);
    MoveObject(plant, ObjectIdOf(ObjectPool::Recorders, 1), 40, 60);
    MoveObject(plant, ObjectIdOf(ObjectPool::AnimatedTexts, 1), 350, 300);
    MoveObject(plant, ObjectIdOf(ObjectPool::AnimatedTexts, 2), 725, 300);

    box("Imagem1Check");
    choose("Imagem1Tipo", 1);
    choose("Imagem1Var", 14);
    box("Imagem2Check");
    choose("Imagem2Var", 10);
    MoveObject(plant, 95, 560, 305);
    MoveObject(plant, 96, 310, 470);
    plant.memories.SetValue(11, 1.0);
    box("Chave1Check");
    choose("Chave1Tipo", 1);
    MoveObject(plant, 100, 250, 470);
    box("Botao1_check");
    box("Botao2_check");
    type("Edit8", QString::fromUtf8("Bomba B-101"));
    type("Edit2", QStringLiteral("Desligada"));
    type("Edit3", QStringLiteral("Ligada"));
    type("Edit9", QStringLiteral("Alarme"));
    plant.memories.SetValue(97, 1.0);
    MoveObject(plant, 102, 20, 380);
    box("Ent1check");
    type("Ent1Label", QString::fromUtf8("Vazão de carga"));
    box("Ent2Check");
    type("Ent2Label", QStringLiteral("Carga"));
    MoveSlider(plant, 1, 4250);
    MoveSlider(plant, 2, 1800);
    MoveObject(plant, 103, 860, 60);
    MoveObject(plant, 104, 860, 130);
    type("Titulo", QString::fromUtf8("Tanques em série"));

    drawBackground(folder + QStringLiteral("/tanques.bmp"));
    QDir::setCurrent(folder);
    plant.PictureFileName = "tanques.bmp";
    form.plantView()->LoadBackgroundPicture(QStringLiteral("tanques.bmp"));
    form.plantView()->SetBackgroundVisible(true);
    config->ShowPlant();
}

// Plant time at the real tick's step, with the windows kept up to date.
void tick(zelvar::Session &session, int ticks)
{
    for (int i = 0; i < ticks; ++i) {
        session.Timer1Timer();
        if (i % 20 == 0)
            QCoreApplication::processEvents();
    }
}

void closeToolWindows(zelvar::TForm1 &form)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &form && window->isVisible()
            && window->objectName() != QStringLiteral("Splash"))
            window->close();
    }
    settle(200);
}

// The shown top-level window of that name, else the one holding a widget of that name (the main
// window holds hidden windows of its own, so its own name comes first).
QWidget *shownWindowWith(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && window->objectName() == name)
            return window;
    }
    for (QWidget *window : windows) {
        if (window->isVisible() && window->findChild<QWidget *>(name) != nullptr)
            return window;
    }
    return nullptr;
}

// A click on push button 1 of the command panel, on whichever of its pictures shows.
void pressPushButton1(zelvar::TForm1 &form)
{
    for (const char *name : {"Botao1_norm", "botao1_press"}) {
        auto *picture = form.findChild<zelvar::ClickableLabel *>(QString::fromLatin1(name));
        if (picture != nullptr && picture->isVisible()) {
            emit picture->clicked();
            return;
        }
    }
}

// Opens the example of the gallery picture; false when its plant is not there.
bool openExample(zelvar::TForm1 &form, zelvar::Session &session, const char *picture)
{
    session.MarkSaved();
    form.findChild<QAction *>(QStringLiteral("Exemplos1"))->trigger();
    auto *button = form.findChild<QToolButton *>(QString::fromLatin1(picture));
    if (button == nullptr || session.StartFolder.isEmpty())
        return false;
    const QString before = session.CurrentPlantFile;
    button->click();
    session.SetRunning(false);
    return !session.CurrentPlantFile.isEmpty() && session.CurrentPlantFile != before;
}

// Text typed into an edit as a user types it, Enter included.
void typeInto(QWidget *window, const char *name, const QString &text, bool enter = false)
{
    auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (edit == nullptr)
        return;
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    if (enter) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &press);
    }
}

// An item picked from a list, as a user picks it.
void chooseIn(QWidget *window, const char *name, int index)
{
    if (auto *list = window->findChild<QComboBox *>(QString::fromLatin1(name))) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
}

void clickIn(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        button->click();
}

// The window an icon of the picture opens.
QWidget *openIcon(zelvar::TForm1 &form, const char *icon)
{
    auto *button = form.findChild<QAbstractButton *>(QString::fromLatin1(icon));
    if (button == nullptr)
        return nullptr;
    button->click();
    settle(300);
    QWidget *window = QApplication::activeWindow();
    return window != &form ? window : nullptr;
}

// The walkthrough's first lesson as its text reads: the gallery at start (pictured by run), the
// basic flow loop opened from it, an SP typed on its controller's faceplate.
void walkThroughFirstSteps(zelvar::TForm1 &form,
                           zelvar::Session &session,
                           const QString &outFolder,
                           const QString &suffix)
{
    closeToolWindows(form);
    if (!openExample(form, session, "sim18"))
        return;
    tick(session, 600);
    shoot(outFolder, QStringLiteral("example-sim18") + suffix);
    if (QWidget *faceplate = openIcon(form, "Control1")) {
        typeInto(faceplate, "SPText", QStringLiteral("72"), true);
        tick(session, 250);
        shoot(outFolder, QStringLiteral("example-faceplate") + suffix);
        // Then to manual, the output moved by hand.
        clickIn(faceplate, "AutoManualBTN");
        for (int press = 0; press < 5; ++press)
            clickIn(faceplate, "IncrementaSaida");
        tick(session, 50);
    }
    closeToolWindows(form);
}

// The second lesson as its text reads: a new plant, a controller, a process and a recorder
// ticked on the configuration window, the loop closed and named on their own windows.
void walkThroughBuilding(zelvar::TForm1 &form,
                         zelvar::Session &session,
                         const QString &outFolder,
                         const QString &suffix)
{
    closeToolWindows(form);
    session.MarkSaved();
    form.findChild<QAction *>(QStringLiteral("Novo1"))->trigger();
    shoot(outFolder, QStringLiteral("lesson2-new") + suffix);

    form.findChild<QAction *>(QStringLiteral("Configurao2"))->trigger();
    settle(300);
    zelvar::TConfigForm *config = form.configForm();
    auto *notebook = config->findChild<QTabWidget *>(QStringLiteral("NoteBook1"));
    // Process 1, recorder 1, controller 1, each ticked on the page that holds its box.
    for (const char *name : {"CheckBox21", "CheckBox11", "CheckBox1"}) {
        auto *box = config->findChild<QCheckBox *>(QString::fromLatin1(name));
        for (int page = 0; page < notebook->count(); ++page) {
            if (notebook->widget(page)->isAncestorOf(box))
                notebook->setCurrentIndex(page);
        }
        box->click();
    }
    shoot(outFolder, QStringLiteral("lesson2-config") + suffix);
    clickIn(config, "SairButton");
    tick(session, 50);
    shoot(outFolder, QStringLiteral("lesson2-icons") + suffix);

    if (QWidget *process = openIcon(form, "Proce1")) {
        typeInto(process, "TagText", QStringLiteral("FT-101"));
        typeInto(process, "DescricaoText", trText(session.language(), "Vazão", "Flow"));
        clickIn(process, "btnatualiza");
        tick(session, 20);
        shoot(outFolder, QStringLiteral("lesson2-process") + suffix);
    }
    closeToolWindows(form);
    if (QWidget *recorder = openIcon(form, "Reg1")) {
        chooseIn(recorder, "Variavel3Select", 0);
        chooseIn(recorder, "Variavel1Select", 20);
        typeInto(recorder, "TagText", QStringLiteral("FR-101"));
    }
    closeToolWindows(form);
    if (QWidget *faceplate = openIcon(form, "Control1")) {
        clickIn(faceplate, "ConfigBTN");
        typeInto(faceplate, "TagText", QStringLiteral("FIC-101"));
        chooseIn(faceplate, "VariavelSelect", 20);
        clickIn(faceplate, "btnatualiza");
        clickIn(faceplate, "AutoManualBTN");
        typeInto(faceplate, "SPText", QStringLiteral("60"), true);
        tick(session, 300);
        shoot(outFolder, QStringLiteral("lesson2-controller") + suffix);
    }
    closeToolWindows(form);
    if (openIcon(form, "Reg1") != nullptr)
        shoot(outFolder, QStringLiteral("lesson2-recorder") + suffix);
    closeToolWindows(form);
    session.MarkSaved();
}

// The third lesson as its text reads, on the basic flow loop opened anew: the disturbance and
// the recorder that shows it, a fast run with an SP step, then an XY sweep started, with the
// simulation paused, right after the disturbance is taken back.
void walkThroughComparing(zelvar::TForm1 &form,
                          zelvar::Session &session,
                          const QString &outFolder,
                          const QString &suffix)
{
    closeToolWindows(form);
    if (!openExample(form, session, "sim18"))
        return;
    tick(session, 100);
    pressPushButton1(form);
    tick(session, 300);
    if (openIcon(form, "Reg1") != nullptr)
        shoot(outFolder, QStringLiteral("example-recorder") + suffix);
    closeToolWindows(form);

    form.findChild<QAction *>(QStringLiteral("Dese1"))->trigger();
    settle(300);
    if (QWidget *fastRun = shownWindowWith(QStringLiteral("FastSimulation"))) {
        chooseIn(fastRun, "JanelaComboBox", 0);
        chooseIn(fastRun, "TACombo", 0);
        chooseIn(fastRun, "SinalTesteCombo", 2);
        if (auto *archive = fastRun->findChild<QCheckBox *>(QStringLiteral("CheckArquivar")))
            if (archive->isChecked())
                archive->click();
        clickIn(fastRun, "BTNSimular");
        settle(800);
        shoot(outFolder, QStringLiteral("example-fastrun") + suffix);
    }
    closeToolWindows(form);

    // The fast run leaves the simulation running; the lesson pauses it from the menu.
    session.SetRunning(true);
    form.findChild<QAction *>(QStringLiteral("PausarSimulao2"))->trigger();
    pressPushButton1(form);
    form.findChild<QAction *>(QStringLiteral("RegistradorXY1"))->trigger();
    settle(300);
    if (QWidget *xy = shownWindowWith(QStringLiteral("RegXY"))) {
        clickIn(xy, "SpeedButton4");
        chooseIn(xy, "Presets", 1);
        chooseIn(xy, "JanelaComboBox", 0);
        clickIn(xy, "Button1");
        settle(800);
        shoot(outFolder, QStringLiteral("example-xy") + suffix);
    }
    closeToolWindows(form);
    form.findChild<QAction *>(QStringLiteral("PausarSimulao2"))->trigger();
    session.MarkSaved();
}

void shootExamples(zelvar::TForm1 &form,
                   zelvar::Session &session,
                   const QString &outFolder,
                   const QString &suffix)
{
    closeToolWindows(form);
    // The main window of two more examples of other kinds, as far as they are built.
    int shown = 0;
    for (const char *picture : {"sim1", "sim16", "sim11", "sim5", "sim4", "sim13"}) {
        if (shown == 2 || !openExample(form, session, picture))
            continue;
        tick(session, 600);
        shoot(outFolder, QStringLiteral("example-") + QString::fromLatin1(picture) + suffix);
        ++shown;
    }
    // Every example's main window at rest, for a look at its picture's legibility.
    for (const zelvar::ExampleEntry &entry : zelvar::ExampleEntries()) {
        const std::string picture(entry.picture);
        if (!openExample(form, session, picture.c_str()))
            continue;
        tick(session, 20);
        shoot(outFolder, QStringLiteral("gallery-") + QString::fromStdString(picture) + suffix);
    }
    session.MarkSaved();
}

// The faceplate's strip paused and read at six places, the readouts filled.
void showReadouts(QWidget *faceplate)
{
    faceplate->findChild<QAbstractButton *>(QStringLiteral("SpeedButton2"))->click();
    auto *strip = faceplate->findChild<QWidget *>(QStringLiteral("Image1"));
    for (int s = 1; s <= 6; ++s) {
        const QPointF at(70.0 * s, 30.0 * s);
        QMouseEvent press(QEvent::MouseButtonPress,
                          at,
                          strip->mapToGlobal(at),
                          Qt::LeftButton,
                          Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(strip, &press);
    }
}

void run(const QString &startFolder, const QString &outFolder, const QString &suffix)
{
    QDir::setCurrent(startFolder);
    zelvar::Session session(startFolder);
    session.HelpFolder = startFolder + QStringLiteral("/help");
    session.LoadToolkitTexts();
    SilentDialogs dialogs;
    zelvar::TForm1 form(session, dialogs);
    // No window manager maximises it under Xvfb: take the screen's size directly.
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    settle(600);
    shoot(outFolder, QStringLiteral("splash") + suffix);
    // Without a preferences file the language question comes over the splash.
    if (!QFile::exists(startFolder + QStringLiteral("/preferences.cfg")))
        dialogs.ShootNext(outFolder, QStringLiteral("question-first-run") + suffix);
    form.FinishStartUp();
    shoot(outFolder, QStringLiteral("gallery") + suffix);

    auto *fileMenu = form.findChild<QMenu *>(QStringLiteral("Arquivo1"));
    form.menuBar()->setActiveAction(fileMenu->menuAction());
    shoot(outFolder, QStringLiteral("menu-arquivo") + suffix);
    fileMenu->hide();
    form.menuBar()->setActiveAction(nullptr);

    form.findChild<QAction *>(QStringLiteral("Novo1"))->trigger();
    shoot(outFolder, QStringLiteral("novo") + suffix);
    session.MarkChanged();
    auto *options = form.findChild<QMenu *>(QStringLiteral("Opes1"));
    form.menuBar()->setActiveAction(options->menuAction());
    shoot(outFolder, QStringLiteral("menu-opcoes-changed") + suffix);
    options->hide();
    auto *help = form.findChild<QMenu *>(QStringLiteral("Sobre1"));
    form.menuBar()->setActiveAction(help->menuAction());
    shoot(outFolder, QStringLiteral("menu-ajuda") + suffix);
    help->hide();
    form.menuBar()->setActiveAction(nullptr);

    form.findChild<QAction *>(QStringLiteral("Sobre3"))->trigger();
    shoot(outFolder, QStringLiteral("about") + suffix);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("AboutBox"))
            window->close();
    }

    // The configuration window's pages over a plant being built, then the plant picture.
    form.findChild<QAction *>(QStringLiteral("Configurao2"))->trigger();
    buildPlant(form, session, startFolder);
    auto *notebook = form.configForm()->findChild<QTabWidget *>(QStringLiteral("NoteBook1"));
    for (int page = 0; page < notebook->count(); ++page) {
        notebook->setCurrentIndex(page);
        shoot(outFolder, QStringLiteral("config-%1").arg(page + 1) + suffix);
    }
    form.configForm()->findChild<QAbstractButton *>(QStringLiteral("SairButton"))->click();
    session.SetRunning(true);
    settle(1500);
    shoot(outFolder, QStringLiteral("plant") + suffix);

    // The windows of a process and of a block, opened from their icons.
    for (const auto &[icon, name] : {std::pair{"Proce1", "process"},
                                     std::pair{"Bloc1", "block"},
                                     std::pair{"Control1", "controller"},
                                     std::pair{"Reg1", "recorder"}}) {
        if (auto *button = form.findChild<QAbstractButton *>(QString::fromLatin1(icon))) {
            button->click();
            settle(700);
            shoot(outFolder, QString::fromLatin1(name) + suffix);
            if (QWidget *window = QApplication::activeWindow();
                std::string_view(name) == "controller" && window != nullptr) {
                showReadouts(window);
                shoot(outFolder, QStringLiteral("controller-readouts") + suffix);
                window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton2"))->click();
            }
        }
        if (QWidget *window = QApplication::activeWindow(); window != nullptr && window != &form)
            window->close();
    }
    // The tool windows of the menu bar.
    for (const auto &[command, name] : {std::pair{"Configurao1", "generator"},
                                        std::pair{"Variveis1", "variables"},
                                        std::pair{"RegistradorXY1", "xy"},
                                        std::pair{"Dese1", "fastrun"}}) {
        if (auto *action = form.findChild<QAction *>(QString::fromLatin1(command))) {
            action->trigger();
            settle(500);
            shoot(outFolder, QString::fromLatin1(name) + suffix);
            // The XY recorder and the fast run after their runs, with their points drawn.
            const std::string_view shown(name);
            const char *run = shown == "xy" ? "Button1" : shown == "fastrun" ? "BTNSimular" : "";
            QWidget *window = QApplication::activeWindow();
            if (*run != '\0' && window != nullptr) {
                window->findChild<QAbstractButton *>(QString::fromLatin1(run))->click();
                shoot(outFolder, QString::fromLatin1(name) + QStringLiteral("-run") + suffix);
            }
        }
        if (QWidget *window = QApplication::activeWindow(); window != nullptr && window != &form)
            window->close();
    }

    // The questions and dialogs that stay-on-top windows once covered.
    form.findChild<QAction *>(QStringLiteral("Variveis1"))->trigger();
    settle(300);
    dialogs.ShootNext(outFolder, QStringLiteral("dialog-current-folder-over-list") + suffix);
    form.findChild<QAction *>(QStringLiteral("Pastacorrente1"))->trigger();
    // The list would cover the configuration window, and the click that raises it.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &form && window->isVisible())
            window->close();
    }
    form.findChild<QAction *>(QStringLiteral("Configurao2"))->trigger();
    settle(300);
    session.MarkChanged();
    form.activateWindow();
    dialogs.ShootNext(
        outFolder, QStringLiteral("question-novo-over-config") + suffix, form.configForm());
    form.findChild<QAction *>(QStringLiteral("Novo1"))->trigger();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &form && window->isVisible())
            window->close();
    }
    session.MarkSaved();
    walkThroughFirstSteps(form, session, outFolder, suffix);
    walkThroughBuilding(form, session, outFolder, suffix);
    walkThroughComparing(form, session, outFolder, suffix);
    shootExamples(form, session, outFolder, suffix);
    QDir::setCurrent(startFolder);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvar"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshots START_FOLDER OUT_FOLDER\n");
        return 2;
    }
    const QString start = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const char *language : {"Portuguese", "English"}) {
        QFile preferences(start + QStringLiteral("/preferences.cfg"));
        // The first run has no preferences: its question is answered No, Portuguese.
        if (language[0] == 'P') {
            preferences.remove();
            run(start, out, QStringLiteral("-pt"));
            continue;
        }
        if (!preferences.open(QIODevice::WriteOnly))
            return 1;
        preferences.write(QByteArray("<language> ") + language + "\r\n");
        preferences.close();
        run(start, out, language[0] == 'E' ? QStringLiteral("-en") : QStringLiteral("-pt"));
    }
    return 0;
}
