#include "workspace/ui/plantview.h"

#include "documents/model/plantfile.h"
#include "engine/ui/blockwindow.h"
#include "engine/ui/controllerwindow.h"
#include "engine/ui/processwindow.h"
#include "instruments/ui/recorderwindow.h"
#include "services/picturewidgets.h"
#include "tests/workspace/ui/plantwindowtest.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace zelvar {
namespace {

class PlantViewTest : public PlantWindowTest
{
public:
    // Objects ticked on the configuration window and shown by its "Sair".
    void place(std::initializer_list<const char *> boxes)
    {
        action("Configurao2")->trigger();
        for (const char *box : boxes)
            tick(box);
        leaveConfiguration();
        m_session->MarkSaved();
    }

    QStringList savedLines()
    {
        const QString file = m_startFolder + QStringLiteral("/planta.smp");
        m_dialogs.saveFiles = {file};
        action("SalvarComo1")->trigger();
        QFile saved(file);
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
        return QString::fromLatin1(saved.readAll()).split(QStringLiteral("\r\n"));
    }
};

// ---- Icons and the two modes -----------------------------------------------------------------

TEST_F(PlantViewTest, IconsShowTagsAndOutputHints)
{
    place({"CheckBox3", "CheckBox21", "CheckBox79", "CheckBox13", "CheckBox46"});
    plant().processes[1].TagText = "LT-1";
    plant().animatedTexts[1].DescricaoText = "Nível";
    m_session->RefreshMainWindow();

    auto *controller = widget<QToolButton>("Control3");
    EXPECT_EQ(controller->text(), QStringLiteral("PID3"));
    EXPECT_EQ(controller->toolTip(), QString::fromUtf8("Saída em M03"));
    EXPECT_EQ(widget<QToolButton>("Proce1")->text(), QStringLiteral("LT-1"));
    EXPECT_EQ(widget<QToolButton>("Proce1")->toolTip(), QString::fromUtf8("Saída em M21"));
    EXPECT_EQ(widget<QToolButton>("Bloc24")->toolTip(), QString::fromUtf8("Saída em M78"));
    EXPECT_EQ(widget<QToolButton>("Reg3")->toolTip(), QString());
    EXPECT_EQ(widget<QLabel>("Label1")->text(), QString::fromUtf8("Nível"));
    EXPECT_FALSE(widget("Texto1")->isHidden());
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(PlantViewTest, RefreshColoursAControllersIconByItsMode)
{
    place({"CheckBox4"});
    auto *icon = widget<QToolButton>("Control4");
    EXPECT_EQ(icon->palette().color(QPalette::ButtonText), QColor(Qt::red));

    plant().controllers[4].automatic = true;
    m_session->RefreshMainWindow();
    EXPECT_EQ(icon->palette().color(QPalette::ButtonText), QColor(Qt::blue));

    // Unticked, it keeps an up-to-date caption and colour but hides.
    plant().controllers[4].automatic = false;
    plant().controllerInventory[4].checked = false;
    m_session->RefreshMainWindow();
    EXPECT_EQ(icon->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_TRUE(icon->isHidden());
}

TEST_F(PlantViewTest, MovingAnIconInMoveModeIsSavedWithThePlant)
{
    place({"CheckBox1"});
    action("MoverObjetos2")->trigger();

    widget<QToolButton>("Control1")->click();
    EXPECT_EQ(picture()->SelectedObjectId(), 2);
    EXPECT_EQ(picture()->MoveToggle(), 1);
    movePointer(300, 400);

    EXPECT_EQ(widget("Control1")->pos(), QPoint(300, 400));
    EXPECT_FALSE(m_session->SavedFlag());
    const QStringList lines = savedLines();
    const qsizetype at = lines.indexOf(QStringLiteral("=====<<<COORDENADAS>>>====="));
    ASSERT_GE(at, 0);
    // Caption, top, left, shown.
    EXPECT_EQ(lines.mid(at + 1, 4),
              (QStringList{QStringLiteral("PID1"),
                           QStringLiteral("400"),
                           QStringLiteral("300"),
                           QStringLiteral("True")}));
}

TEST_F(PlantViewTest, MovementsOverAControlDoNotMoveTheSelectedThing)
{
    place({"CheckBox1", "CheckBox2"});
    action("MoverObjetos2")->trigger();
    widget<QToolButton>("Control1")->click();
    m_session->MarkSaved();

    // Controller 2's icon stands at (43, 3).
    movePointer(50, 10);

    EXPECT_EQ(widget("Control1")->pos(), QPoint(3, 3));
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(PlantViewTest, ASecondSelectingClickStopsFollowingAndTheBareSurfaceLeavesTheModes)
{
    place({"CheckBox21"});
    action("MoverObjetos2")->trigger();
    widget<QToolButton>("Proce1")->click();
    widget<QToolButton>("Proce1")->click();
    EXPECT_EQ(picture()->MoveToggle(), 0);
    m_session->MarkSaved();

    movePointer(600, 500);
    EXPECT_EQ(widget("Proce1")->pos(), QPoint(2, 39));
    EXPECT_TRUE(m_session->SavedFlag());

    click(picture(), QPoint(700, 600));

    EXPECT_FALSE(action("MoverObjetos2")->isChecked());
    EXPECT_FALSE(action("ExcluirObjetos")->isChecked());
    EXPECT_EQ(m_form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(picture()->SelectedObjectId(), 23);
    // Leaving a mode is a change; a click outside both is not.
    EXPECT_FALSE(m_session->SavedFlag());
    m_session->MarkSaved();
    click(picture(), QPoint(700, 600));
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(PlantViewTest, WithBothModesOnAClickSelectsAndNeverDeletes)
{
    place({"CheckBox1"});
    action("MoverObjetos2")->trigger();
    action("ExcluirObjetos")->trigger();

    widget<QToolButton>("Control1")->click();

    EXPECT_TRUE(plant().controllers.IsPresent(1));
    EXPECT_EQ(picture()->SelectedObjectId(), 2);
}

struct DeleteCase
{
    bool english;
    const char *box;
    const char *icon;
    ObjectPool pool;
    int slot;
    const char *placeholder;
};

using enum ObjectPool;
// Each pool's placeholder is checked in PlantObjects and on the configuration window's boxes;
// here the click reaches the deletion in the window's language and the box mirrors it.
const DeleteCase kDeleteCases[] = {
    {false, "CheckBox78", "Proce24", Processes, 24, "<vago> Processo 24"},
    {true, "CheckBox3", "Control3", Controllers, 3, "<empty> Controller 3"},
};

class DeleteMode : public PlantViewTest, public ::testing::WithParamInterface<DeleteCase>
{
};

TEST_P(DeleteMode, FreesTheObjectItsIconAndItsBox)
{
    const DeleteCase &c = GetParam();
    start(c.english ? Language::English : Language::Portuguese);
    place({c.box});
    action("ExcluirObjetos")->trigger();

    click(widget(c.icon));

    EXPECT_FALSE(IsPresent(plant(), c.pool, c.slot));
    EXPECT_TRUE(widget(c.icon)->isHidden());
    auto *box = widget<QCheckBox>(c.box);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text(), QString::fromUtf8(c.placeholder));
    EXPECT_FALSE(m_session->SavedFlag());
    // The slot is free again: its box creates a new object.
    action("Configurao2")->trigger();
    tick(c.box);
    EXPECT_TRUE(IsPresent(plant(), c.pool, c.slot));
}

INSTANTIATE_TEST_SUITE_P(
    PlantView, DeleteMode, ::testing::ValuesIn(kDeleteCases), [](const auto &info) {
        return std::string(info.param.icon) + (info.param.english ? "English" : "Portuguese");
    });

TEST_F(PlantViewTest, DeletingAnAnimatedTextHidesItsNameLabelToo)
{
    place({"CheckBox47"});
    EXPECT_FALSE(widget("Label2")->isHidden());
    action("ExcluirObjetos")->trigger();

    click(widget("Texto2"));

    EXPECT_TRUE(widget("Label2")->isHidden());
    EXPECT_TRUE(widget("Texto2")->isHidden());
}

TEST_F(PlantViewTest, AnIconOpensOneWindowPerSlotThatLeavesWithItsObject)
{
    place({"CheckBox21", "CheckBox22", "CheckBox31"});

    widget<QToolButton>("Proce1")->click();
    widget<QToolButton>("Proce1")->click();
    widget<QToolButton>("proce2")->click();
    widget<QToolButton>("Bloc1")->click();

    const QList<TProcesso *> processes = m_form->findChildren<TProcesso *>();
    ASSERT_EQ(processes.size(), 2);
    QPointer<TProcesso> first = processes[0]->slot() == 1 ? processes[0] : processes[1];
    EXPECT_TRUE(first->isVisible());
    ASSERT_EQ(m_form->findChildren<TBloco *>().size(), 1);
    QPointer<TBloco> block = m_form->findChildren<TBloco *>().front();
    EXPECT_TRUE(block->isVisible());

    action("ExcluirObjetos")->trigger();
    widget<QToolButton>("Proce1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(m_form->findChildren<TProcesso *>().size(), 1);

    // A new plant frees every object window.
    m_dialogs.answers = {false};
    action("Novo1")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(block.isNull());
    EXPECT_TRUE(m_form->findChildren<TProcesso *>().isEmpty());
}

TEST_F(PlantViewTest, ARecorderIconShowsAndHidesItsWindowInTurn)
{
    place({"CheckBox11", "CheckBox5"});

    widget<QToolButton>("Reg1")->click();
    QWidget *recorder = m_form->findChild<TRegistrForm *>();
    ASSERT_NE(recorder, nullptr);
    EXPECT_TRUE(recorder->isVisible());
    widget<QToolButton>("Reg1")->click();
    EXPECT_FALSE(recorder->isVisible());

    // A controller's icon opens its faceplate, and keeps showing it.
    widget<QToolButton>("Control5")->click();
    widget<QToolButton>("Control5")->click();
    ASSERT_EQ(m_form->findChildren<TControlador *>().size(), 1);
    EXPECT_TRUE(m_form->findChild<TControlador *>()->isVisible());
}

// ---- Operator inputs ---------------------------------------------------------------------------

// The recorders, the animated texts' windows and the XY recorder opened over the menu bar, and
// stay on top: the menu could not be used until they were moved.
TEST_F(PlantViewTest, ToolWindowsOpenClearOfTheMainMenu)
{
    // A screen's height, so that a tall window centred on it would reach the menu.
    m_form->setGeometry(m_form->screen()->availableGeometry());
    place({"CheckBox11", "CheckBox12", "CheckBox1", "CheckBox21", "CheckBox31", "CheckBox46"});
    for (const char *icon : {"Reg1", "Reg2", "Control1", "Proce1", "Bloc1"})
        widget<QToolButton>(icon)->click();
    emit widget<ClickableLabel>("Texto1")->clicked();
    for (const char *command : {"RegistradorXY1", "Variveis1"})
        action(command)->trigger();

    const QWidget *menu = m_form->menuBar();
    const int menuBottom = menu->mapToGlobal(QPoint(0, menu->height())).y();
    const QRect screen = m_form->screen()->availableGeometry();
    int checked = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == m_form.get() || !window->isVisible()
            || !window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            continue;
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_GE(window->frameGeometry().top(), menuBottom);
        // Across the screen's middle, as the other object windows.
        EXPECT_LT(window->frameGeometry().left(), screen.center().x());
        EXPECT_GT(window->frameGeometry().right(), screen.center().x());
        ++checked;
    }
    EXPECT_EQ(checked, 8);
}

// A window manager minimises a window together with the ones it is transient for: minimising
// one tool window hid every window of the program. And a tool window the user had minimised
// stayed away when its icon or command asked for it again.
TEST_F(PlantViewTest, EveryToolWindowMinimisesAloneAndComesBackWhenAskedFor)
{
    place({"CheckBox11", "CheckBox1", "CheckBox21", "CheckBox31", "CheckBox46"});
    const std::pair<const char *, std::function<void()>> windows[] = {
        {"RecorderSlot1",
         [this] {
             widget<QToolButton>("Reg1")->click();
         }},
        {"ControllerSlot1",
         [this] {
             widget<QToolButton>("Control1")->click();
         }},
        {"ProcessSlot1",
         [this] {
             widget<QToolButton>("Proce1")->click();
         }},
        {"BlockSlot1",
         [this] {
             widget<QToolButton>("Bloc1")->click();
         }},
        {"AnimatedTextSlot1",
         [this] {
             emit widget<ClickableLabel>("Texto1")->clicked();
         }},
        {"ConfigForm",
         [this] {
             action("Configurao2")->trigger();
         }},
        {"ParmForm",
         [this] {
             action("Configurao1")->trigger();
         }},
        {"Dialogos",
         [this] {
             action("Variveis1")->trigger();
         }},
        {"RegXY",
         [this] {
             action("RegistradorXY1")->trigger();
         }},
    };
    for (const auto &[name, open] : windows) {
        SCOPED_TRACE(name);
        open();
        QWidget *window = nullptr;
        for (QWidget *candidate : QApplication::topLevelWidgets()) {
            if (candidate->objectName() == QLatin1String(name))
                window = candidate;
        }
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), nullptr);

        window->setWindowState(window->windowState() | Qt::WindowMinimized);
        open();
        EXPECT_FALSE(window->isMinimized());
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(PlantViewTest, SwitchClickFlipsItsMemoryAndItsPicture)
{
    action("Configurao2")->trigger();
    tick("Chave1Check");
    choose(widget<QComboBox>("Chave1Tipo"), 2); // para direita
    m_session->MarkSaved();

    click(widget("Chave1p5"));

    EXPECT_EQ(plant().memories.Value(11), 1.0);
    EXPECT_TRUE(widget("Chave1p5")->isHidden());
    EXPECT_FALSE(widget("Chave1p6")->isHidden());
    EXPECT_FALSE(m_session->SavedFlag());

    click(widget("Chave1p6"));
    EXPECT_EQ(plant().memories.Value(11), 0.0);
    EXPECT_FALSE(widget("Chave1p5")->isHidden());

    // In move mode the click selects the switch instead.
    action("MoverObjetos2")->trigger();
    click(widget("Chave1p5"));
    EXPECT_EQ(plant().memories.Value(11), 0.0);
    EXPECT_EQ(picture()->SelectedObjectId(), 100);
    movePointer(640, 320);
    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(widget(QStringLiteral("Chave1p%1").arg(p))->pos(), QPoint(640, 320)) << p;
}

TEST_F(PlantViewTest, PushButtonStaysPressedUntilClickedAgainInAnyMode)
{
    action("Configurao2")->trigger();
    tick("Botao1_check");
    tick("Botao2_check");
    leaveConfiguration();
    EXPECT_EQ(widget("PainelComando")->height(), 120);
    EXPECT_FALSE(widget("Botao2_norm")->isHidden());
    action("MoverObjetos2")->trigger();

    click(widget("Botao2_norm"));

    EXPECT_EQ(plant().memories.Value(98), 1.0);
    EXPECT_TRUE(widget("Botao2_norm")->isHidden());
    EXPECT_FALSE(widget("Botao2_press")->isHidden());
    emit m_session->displayRefreshDue();
    EXPECT_EQ(widget<QLabel>("botao2_texto")->text(), QStringLiteral("Texto para M98=1"));
    EXPECT_EQ(widget<QLabel>("botao1_texto")->text(), QStringLiteral("Texto para M97=0"));

    click(widget("Botao2_press"));

    EXPECT_EQ(plant().memories.Value(98), 0.0);
    EXPECT_FALSE(widget("Botao2_norm")->isHidden());
    EXPECT_TRUE(widget("Botao2_press")->isHidden());
    EXPECT_EQ(widget<QLabel>("botao2_texto")->text(), QStringLiteral("Texto para M98=0"));
}

class SliderTest : public PlantViewTest
{
public:
    void SetUp() override
    {
        PlantViewTest::SetUp();
        plant().memories.MemoryUEMax[15] = "200";
        action("Configurao2")->trigger();
        tick("Ent1check");
        leaveConfiguration();
        m_session->MarkSaved();
        text = widget<ValueEdit>("TrackText1");
        bar = widget<QSlider>("TrackBar1");
    }

    void enter(const QString &typed)
    {
        type(text, typed);
        press(text, Qt::Key_Return, QStringLiteral("\r"));
    }

    ValueEdit *text = nullptr;
    QSlider *bar = nullptr;
};

TEST_F(SliderTest, TheValueEditStandsClearOfTheNameAsDrawn)
{
    auto *name = widget<QLabel>("TrackLabel1");
    auto *back = widget("TrackBack1");
    for (const char *typed : {"Vazão", "Demanda de queima", "WWWWWWWWWWWWWWWWWWWW"}) {
        SCOPED_TRACE(typed);
        action("Configurao2")->trigger();
        type(widget<QLineEdit>("Ent1Label"), QString::fromUtf8(typed));
        leaveConfiguration();

        ASSERT_EQ(name->text(), QString::fromUtf8(typed));
        const int nameEnd = name->x() + name->fontMetrics().horizontalAdvance(name->text());
        EXPECT_GT(text->x(), nameEnd);
        // Never left of where seven pixels a character puts it.
        const int length = static_cast<int>(QString::fromUtf8(typed).size());
        EXPECT_GE(text->x(), back->x() + 52 + 7 * std::max(0, length - 6));
        EXPECT_LE(text->geometry().right(), back->geometry().right());
        EXPECT_LE(bar->geometry().right(), back->geometry().right());
    }
}

TEST_F(SliderTest, SliderWritesPercentAndEnterTakesEngineeringUnits)
{
    bar->setValue(2500);
    EXPECT_EQ(text->text(), QStringLiteral("50.00"));
    EXPECT_EQ(plant().memories.Value(15), 25.0);
    EXPECT_FALSE(m_session->SavedFlag());

    enter(QStringLiteral("150"));

    EXPECT_EQ(text->text(), QStringLiteral("150.00"));
    EXPECT_EQ(plant().memories.Value(15), 75.0);
    EXPECT_EQ(bar->value(), 7500);
}

TEST_F(SliderTest, ARefusedEnterAndEscapeRestoreTheShownValue)
{
    bar->setValue(2500);
    m_session->MarkSaved();

    // Which texts Enter refuses is the model's rule (PlantOperations' SliderTest).
    enter(QStringLiteral("250"));
    EXPECT_EQ(text->text(), QStringLiteral("50.00"));
    type(text, QStringLiteral("99"));
    press(text, Qt::Key_Escape);
    EXPECT_EQ(text->text(), QStringLiteral("50.00"));

    EXPECT_EQ(plant().memories.Value(15), 25.0);
    EXPECT_EQ(bar->value(), 2500);
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(SliderTest, EnterOnAnEmptyRangeKeepsTheMemoryFinite)
{
    // Regression: a range whose ends are equal has no percentage to give.
    plant().memories.MemoryUEMax[15] = "0";
    plant().memories.MemoryUEMin[15] = "0";
    plant().memories.SetValue(15, 30.0);

    enter(QStringLiteral("0"));

    EXPECT_EQ(plant().memories.Value(15), 30.0);
    EXPECT_TRUE(std::isfinite(plant().memories.Value(15)));
}

TEST_F(SliderTest, RefreshShowsTheValueWithWidthFive)
{
    plant().memories.MemoryUEMax[15] = "100";
    plant().memories.SetValue(15, 5.0);

    m_session->RefreshMainWindow();

    EXPECT_EQ(text->text(), QStringLiteral(" 5.00"));
}

// ---- Shapes ------------------------------------------------------------------------------------

TEST_F(PlantViewTest, ShapesFollowTheirMemoryAtTheDisplayRefresh)
{
    action("Configurao2")->trigger();
    tick("Imagem1Check");
    choose(widget<QComboBox>("Imagem1Tipo"), 1); // rectangle
    choose(widget<QComboBox>("Imagem1Var"), 40); // M41
    tick("Imagem2Check");
    choose(widget<QComboBox>("Imagem2Tipo"), 0); // circle
    choose(widget<QComboBox>("Imagem2Var"), 41); // M42
    leaveConfiguration();
    auto *bar = widget<ShapeWidget>("Shape1");
    auto *circle = widget<ShapeWidget>("Shape2");

    plant().memories.SetValue(41, 0.0);
    plant().memories.SetValue(42, 0.0);
    emit m_session->displayRefreshDue();
    // Shape 1 rests on 304 + 100 x 1.
    EXPECT_EQ(bar->geometry(), QRect(984, 404, 50, 0));
    EXPECT_TRUE(circle->IsEllipse());
    EXPECT_EQ(circle->Fill(), QColor(Qt::red));

    plant().memories.SetValue(41, 100.0);
    plant().memories.SetValue(42, 100.0);
    emit m_session->displayRefreshDue();
    EXPECT_EQ(bar->geometry(), QRect(984, 304, 50, 100));
    EXPECT_EQ(circle->Fill(), QColor(Qt::green));
}

TEST_F(PlantViewTest, MovingARectangleKeepsItsBottomOnTheMemoryScale)
{
    action("Configurao2")->trigger();
    tick("Imagem3Check");
    choose(widget<QComboBox>("Imagem3Tipo"), 1);
    choose(widget<QComboBox>("Imagem3Var"), 20); // M21
    leaveConfiguration();
    plant().memories.SetValue(21, 40.0);
    action("MoverObjetos2")->trigger();
    click(widget("Shape3"));
    EXPECT_EQ(picture()->SelectedObjectId(), 97);

    movePointer(700, 100);

    EXPECT_EQ(widget("Shape3")->geometry(), QRect(700, 160, 50, 40));
    EXPECT_EQ(plant().shapes[3].baseTop, 100);
    emit m_session->displayRefreshDue();
    EXPECT_EQ(widget("Shape3")->geometry(), QRect(700, 160, 50, 40));
}

// ---- Background picture and description ------------------------------------------------------

TEST_F(PlantViewTest, DoubleClickReloadsThePictureAndTheDescription)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(image.save(m_startFolder + QStringLiteral("/fundo.bmp")));
    plant().PictureFileName = "fundo.bmp";
    QFile description(m_startFolder + QStringLiteral("/descricao.rtf"));
    ASSERT_TRUE(description.open(QIODevice::WriteOnly));
    description.write("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 "
                      "{\\b Caldeira} de vapor\\par Press\\'e3o alta\\par }");
    description.close();

    QMouseEvent doubleClick(QEvent::MouseButtonDblClick,
                            QPointF(700, 600),
                            picture()->mapToGlobal(QPointF(700, 600)),
                            Qt::LeftButton,
                            Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(picture(), &doubleClick);

    EXPECT_EQ(widget<QLabel>("Image1")->pixmap().size(), QSize(64, 48));
    auto *pane = widget<QTextEdit>("RichEdit1");
    EXPECT_EQ(pane->toPlainText(), QString::fromUtf8("Caldeira de vapor\nPressão alta"));
    const QTextBlock first = pane->document()->firstBlock();
    EXPECT_EQ(first.begin().fragment().text(), QStringLiteral("Caldeira"));
    EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(plant().comments, (std::vector<std::string>{"Caldeira de vapor", "Pressão alta"}));
    EXPECT_FALSE(m_session->SavedFlag());
}

// A plant file whose picture, when given, lies beside it.
void writePlant(const QString &folder, const std::string &picture, QRgb colour)
{
    QDir().mkpath(folder);
    if (!picture.empty()) {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(folder + QLatin1Char('/') + QString::fromStdString(picture)));
    }
    Plant plant;
    SetTitle(plant, "Unidade");
    plant.PictureFileName = picture;
    const std::string text = WritePlantText(plant, Language::Portuguese);
    QFile file(folder + QStringLiteral("/planta.smp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(PlantViewTest, AnOpenedPlantShowsItsOwnPictureOrNone)
{
    const QString withPicture = m_startFolder + QStringLiteral("/com");
    const QString without = m_startFolder + QStringLiteral("/sem");
    writePlant(withPicture, "fundo.bmp", qRgb(200, 30, 30));
    writePlant(without, "", 0);
    auto *background = widget<QLabel>("Image1");

    m_dialogs.openFiles = {withPicture + QStringLiteral("/planta.smp")};
    action("Abrir1")->trigger();
    EXPECT_FALSE(background->isHidden());
    EXPECT_EQ(background->pixmap().size(), QSize(30, 20));

    // Regression: the next plant must not show the previous plant's picture.
    m_dialogs.openFiles = {without + QStringLiteral("/planta.smp")};
    action("Abrir1")->trigger();
    EXPECT_TRUE(background->pixmap().isNull());

    // "Novo" hides the picture.
    m_dialogs.openFiles = {withPicture + QStringLiteral("/planta.smp")};
    action("Abrir1")->trigger();
    action("Novo1")->trigger();
    EXPECT_TRUE(background->isHidden());
}

TEST_F(PlantViewTest, AnExamplesPictureLiesBesideItsPlantFile)
{
    writePlant(m_startFolder + QStringLiteral("/examples/tanque"), "tanque.bmp", qRgb(0, 0, 200));
    const QString before = QDir::currentPath();

    ASSERT_TRUE(m_form->LoadPlantFile(QStringLiteral("\\examples\\tanque\\planta.smp")));

    EXPECT_EQ(widget<QLabel>("Image1")->pixmap().size(), QSize(30, 20));
    EXPECT_EQ(QDir::currentPath(), before);
}

void writeDescription(const QString &folder, const char *text)
{
    QFile file(folder + QStringLiteral("/descricao.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("{\\rtf1\\ansi ") + text + "\\par }");
}

TEST_F(PlantViewTest, DoubleClickShowsTheOpenPlantsOwnPictureAndDescription)
{
    const QString boiler = m_startFolder + QStringLiteral("/examples/caldeira");
    const QString duct = m_startFolder + QStringLiteral("/examples/duto");
    writePlant(boiler, "fundo.bmp", qRgb(200, 30, 30));
    writePlant(duct, "fundo.bmp", qRgb(30, 30, 200));
    ASSERT_TRUE(QImage(50, 40, QImage::Format_RGB32).save(duct + QStringLiteral("/fundo.bmp")));
    writeDescription(boiler, "Caldeira");
    writeDescription(duct, "Duto");
    auto *pane = widget<QTextEdit>("RichEdit1");
    auto *background = widget<QLabel>("Image1");
    const auto doubleClick = [this] {
        QMouseEvent event(QEvent::MouseButtonDblClick,
                          QPointF(700, 600),
                          picture()->mapToGlobal(QPointF(700, 600)),
                          Qt::LeftButton,
                          Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(picture(), &event);
    };

    // "Abrir" makes the duct's folder the working folder; a gallery open leaves it there.
    m_dialogs.openFiles = {duct + QStringLiteral("/planta.smp")};
    action("Abrir1")->trigger();
    ASSERT_TRUE(m_form->LoadPlantFile(QStringLiteral("\\examples\\caldeira\\planta.smp")));
    doubleClick();
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("Caldeira"));
    EXPECT_EQ(background->pixmap().size(), QSize(30, 20));

    // Without its own, the boiler shows none rather than the duct's.
    QFile::remove(boiler + QStringLiteral("/descricao.rtf"));
    QFile::remove(boiler + QStringLiteral("/fundo.bmp"));
    doubleClick();
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("Caldeira"));
    EXPECT_EQ(background->pixmap().size(), QSize(30, 20));

    // A new plant has no folder of its own, and the duct's is another plant's.
    m_session->MarkSaved();
    action("Novo1")->trigger();
    doubleClick();
    EXPECT_TRUE(pane->toPlainText().isEmpty());

    // A working folder that holds no other plant lends its description.
    const QString notes = m_startFolder + QStringLiteral("/notas");
    QDir().mkpath(notes);
    writeDescription(notes, "Notas");
    QDir::setCurrent(notes);
    ASSERT_TRUE(m_form->LoadPlantFile(QStringLiteral("\\examples\\caldeira\\planta.smp")));
    doubleClick();
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("Notas"));
}

TEST_F(PlantViewTest, DoubleClickWithoutTheFilesChangesNothing)
{
    plant().comments = {"antes"};
    m_form->findChild<QTextEdit *>(QStringLiteral("RichEdit1"))
        ->setPlainText(QStringLiteral("antes"));
    m_session->MarkSaved();

    picture()->FormDblClick();

    EXPECT_EQ(widget<QTextEdit>("RichEdit1")->toPlainText(), QStringLiteral("antes"));
    EXPECT_TRUE(widget<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(m_session->SavedFlag());
}

} // namespace
} // namespace zelvar
