#include "workspace/ui/configform.h"

#include "engine/model/memorytable.h"
#include "services/picturewidgets.h"
#include "tests/workspace/ui/plantwindowtest.h"

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <string>

namespace zelvar {
namespace {

class ConfigFormTest : public PlantWindowTest
{
public:
    void open() { action("Configurao2")->trigger(); }
};

// ---- Inventory -------------------------------------------------------------------------------

struct BoxCase
{
    const char *box;
    ObjectPool pool;
    int slot;
    const char *icon;
};

class InventoryBox : public ConfigFormTest, public ::testing::WithParamInterface<BoxCase>
{
};

TEST_P(InventoryBox, CreatesTheObjectOfItsSlotWhoseIconShowsAfterSair)
{
    const BoxCase &c = GetParam();
    open();

    tick(c.box);

    // The box numbers skip about; the object each slot makes is the model's (PlantObjects).
    EXPECT_TRUE(IsPresent(plant(), c.pool, c.slot));
    EXPECT_FALSE(m_session->SavedFlag());
    // The icon waits for the next refresh of the main window.
    EXPECT_TRUE(widget(c.icon)->isHidden());

    leaveConfiguration();

    EXPECT_FALSE(widget(c.icon)->isHidden());
    EXPECT_TRUE(config()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    ConfigForm,
    InventoryBox,
    ::testing::Values(BoxCase{"CheckBox1", ObjectPool::Controllers, 1, "Control1"},
                      BoxCase{"CheckBox10", ObjectPool::Controllers, 10, "Control10"},
                      BoxCase{"CheckBox20", ObjectPool::Recorders, 10, "Reg10"},
                      BoxCase{"CheckBox22", ObjectPool::Processes, 2, "proce2"},
                      BoxCase{"CheckBox61", ObjectPool::Processes, 11, "Proce11"},
                      BoxCase{"CheckBox56", ObjectPool::Processes, 16, "Proce16"},
                      BoxCase{"CheckBox73", ObjectPool::Processes, 22, "Proce22"},
                      BoxCase{"CheckBox78", ObjectPool::Processes, 24, "Proce24"},
                      BoxCase{"CheckBox45", ObjectPool::Blocks, 15, "Bloc15"},
                      BoxCase{"CheckBox82", ObjectPool::Blocks, 16, "Bloc16"},
                      BoxCase{"CheckBox75", ObjectPool::Blocks, 21, "Bloc21"},
                      BoxCase{"CheckBox79", ObjectPool::Blocks, 24, "Bloc24"},
                      BoxCase{"CheckBox54", ObjectPool::AnimatedTexts, 9, "Texto9"},
                      BoxCase{"CheckBox66", ObjectPool::AnimatedTexts, 10, "Texto10"},
                      BoxCase{"CheckBox71", ObjectPool::AnimatedTexts, 15, "Texto15"},
                      BoxCase{"CheckBox87", ObjectPool::AnimatedTexts, 16, "Texto16"}),
    [](const ::testing::TestParamInfo<BoxCase> &info) { return std::string(info.param.box); });

TEST_F(ConfigFormTest, EightyEightBoxesWithTheirPlaceholdersAndThreeGaps)
{
    int boxes = 0;
    for (int n = 1; n <= 91; ++n) {
        const QString name = QStringLiteral("CheckBox%1").arg(n);
        const bool gap = n == 55 || n == 80 || n == 81;
        auto *box = config()->findChild<QCheckBox *>(name);
        EXPECT_EQ(box == nullptr, gap) << name.toStdString();
        boxes += box != nullptr;
    }
    EXPECT_EQ(boxes, 88);
    // Placeholders no model test spells out (the animated text's has no blank).
    EXPECT_EQ(widget<QCheckBox>("CheckBox1")->text(), QStringLiteral("<vago> Controlador 1"));
    EXPECT_EQ(widget<QCheckBox>("CheckBox11")->text(), QStringLiteral("<vago> Registrador 1"));
    EXPECT_EQ(widget<QCheckBox>("CheckBox66")->text(), QStringLiteral("<vago>Texto Animado 10"));
}

TEST_F(ConfigFormTest, TickUntickTickCreatesOneObjectAndUntickingKeepsIt)
{
    open();
    tick("CheckBox21");
    plant().processes[1].TagText = "FT-1";

    tick("CheckBox21");
    EXPECT_TRUE(plant().processes.IsPresent(1));
    leaveConfiguration();
    // A present object whose box is unticked stays in the plant, its icon hidden.
    EXPECT_TRUE(widget("Proce1")->isHidden());
    open();
    tick("CheckBox21");

    EXPECT_EQ(plant().processes[1].TagText, "FT-1");
    leaveConfiguration();
    EXPECT_FALSE(widget("Proce1")->isHidden());
}

TEST_F(ConfigFormTest, ConfigurationShowsTheNamesOfThePresentObjects)
{
    open();
    tick("CheckBox58");
    tick("CheckBox48");
    leaveConfiguration();
    plant().processes[18].TagText = "LT-18";
    plant().processes[18].DescricaoText = "Nível";
    plant().animatedTexts[3].DescricaoText = "Pressão";

    open();

    EXPECT_EQ(widget<QCheckBox>("CheckBox58")->text(), QString::fromUtf8("LT-18 Nível"));
    EXPECT_EQ(widget<QCheckBox>("CheckBox48")->text(), QString::fromUtf8("Pressão"));
    EXPECT_FALSE(config()->isHidden());
}

// ---- Every user edit is a change ------------------------------------------------------------

TEST_F(ConfigFormTest, EveryUserEditMarksThePlantChanged)
{
    open();
    // Each edit starts from a saved plant; a shape's, switch's or input's own settings are
    // edited after its box, which enables them, has been ticked.
    const auto changes = [this](const char *what, const std::function<void()> &edit) {
        m_session->MarkSaved();
        edit();
        EXPECT_FALSE(m_session->SavedFlag()) << what;
    };
    changes("Title", [&] { type(widget<QLineEdit>("Titulo"), "x"); });
    changes("InventoryBox", [&] { tick("CheckBox5"); });
    changes("NotebookTab",
            [&] { emit widget<QTabWidget>("NoteBook1")->tabBar()->tabBarClicked(3); });
    changes("ShapeBox", [&] { tick("Imagem2Check"); });
    changes("ShapeKind", [&] { choose(widget<QComboBox>("Imagem2Tipo"), 1); });
    changes("ShapeMemory", [&] { choose(widget<QComboBox>("Imagem2Var"), 30); });
    changes("ShapeColour", [&] { choose(widget<QComboBox>("Imagem2Cor2"), 12); });
    changes("ShapeSize", [&] { widget<UpDown>("Imagem4Tam")->StepUp(); });
    changes("ShapeWidth", [&] { widget<UpDown>("Imagem5TamW")->StepDown(); });
    changes("SwitchBox", [&] { tick("Chave1Check"); });
    changes("SwitchOrientation", [&] { choose(widget<QComboBox>("Chave1Tipo"), 3); });
    changes("PushButtonBox", [&] { tick("Botao1_check"); });
    changes("PushButtonName", [&] { type(widget<QLineEdit>("Edit8"), "Bomba"); });
    changes("SliderBox", [&] { tick("Ent4Check"); });
    changes("SliderName", [&] { type(widget<QLineEdit>("Ent4label"), "Carga"); });
    changes("LinearizerInput",
            [&] { type(widget<QComboBox>("Lin1EndEnt")->lineEdit(), "21 Nível"); });
    changes("LinearizerPoint", [&] { type(widget<QLineEdit>("Lin1PV4"), "55"); });
    changes("LinearizerActive", [&] { tick("Lin1Ativar"); });
}

TEST_F(ConfigFormTest, ShowingThePlantChangesNothing)
{
    plant().shapes[2].shown = true;
    plant().sliders[1].name = "Vazão";

    config()->ShowPlant();
    open();

    EXPECT_TRUE(m_session->SavedFlag());
    EXPECT_TRUE(widget<QCheckBox>("Imagem2Check")->isChecked());
    EXPECT_EQ(widget<QLineEdit>("Ent1Label")->text(), QString::fromUtf8("Vazão"));
}

// ---- Presentation settings -------------------------------------------------------------------

TEST_F(ConfigFormTest, TitleBecomesTheMainCaptionAtOnce)
{
    open();

    type(widget<QLineEdit>("Titulo"), QString::fromUtf8("Caldeira a gás"));

    EXPECT_EQ(plant().title, "Caldeira a gás");
    EXPECT_EQ(m_form->windowTitle(), QString::fromUtf8("Caldeira a gás"));
}

// The title is kept as a memory text; the edit shows no more than the plant keeps and saves.
TEST_F(ConfigFormTest, TitleTakesWhatAMemoryTextHolds)
{
    open();
    const QString typed(static_cast<qsizetype>(MemoryTable::kMaxTextLength) + 45, QLatin1Char('t'));

    type(widget<QLineEdit>("Titulo"), typed);

    const QString kept = typed.left(static_cast<qsizetype>(MemoryTable::kMaxTextLength));
    EXPECT_EQ(widget<QLineEdit>("Titulo")->text(), kept);
    EXPECT_EQ(QString::fromStdString(plant().title), kept);
    EXPECT_EQ(m_form->windowTitle(), kept);
}

TEST_F(ConfigFormTest, ShapeSizeStepsShowTheirPositionAndScaleARectangle)
{
    // Regression: the size shown and the scale follow the step just made, not the one before.
    open();
    tick("Imagem2Check");
    choose(widget<QComboBox>("Imagem2Tipo"), 1);

    widget<UpDown>("Imagem2Tam")->StepUp();
    EXPECT_EQ(widget<QLineEdit>("Imagem2Tamanho")->text(), QStringLiteral("52"));
    EXPECT_DOUBLE_EQ(plant().shapes[2].scale, 1.04);
    widget<UpDown>("Imagem2Tam")->StepUp();
    EXPECT_EQ(widget<QLineEdit>("Imagem2Tamanho")->text(), QStringLiteral("54"));
    EXPECT_DOUBLE_EQ(plant().shapes[2].scale, 1.08);
    widget<UpDown>("Imagem2TamW")->StepDown();
    EXPECT_EQ(widget<QLineEdit>("Imagem2TamanhoW")->text(), QStringLiteral("48"));
    EXPECT_EQ(widget("Shape2")->width(), 48);
}

TEST_F(ConfigFormTest, ShapeListsAreEnabledByTheFirstTickAndStaySo)
{
    open();
    EXPECT_FALSE(widget("Imagem4Tipo")->isEnabled());
    EXPECT_FALSE(widget("Imagem4Tamanho")->isEnabled());

    tick("Imagem4Check");
    EXPECT_FALSE(widget("Shape4")->isHidden());
    tick("Imagem4Check");

    EXPECT_TRUE(widget("Shape4")->isHidden());
    for (const char *name : {"Imagem4Tipo", "Imagem4Var", "Imagem4Cor1", "Imagem4Cor2"})
        EXPECT_TRUE(widget(name)->isEnabled()) << name;
    EXPECT_EQ(widget<ColourBox>("Imagem4Cor1")->Colour(), kColourRed);
    EXPECT_EQ(widget<ColourBox>("Imagem4Cor2")->Colour(), kColourLime);
}

TEST_F(ConfigFormTest, SwitchShowsThePictureOfItsOrientationOnly)
{
    open();
    tick("Chave1Check");
    choose(widget<QComboBox>("Chave1Tipo"), 2); // para direita

    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(widget(QStringLiteral("Chave1p%1").arg(p))->isHidden(), p != 5) << p;

    tick("Chave1Check");

    for (int p = 1; p <= 8; ++p)
        EXPECT_TRUE(widget(QStringLiteral("Chave1p%1").arg(p))->isHidden()) << p;
    EXPECT_FALSE(widget("Chave1Tipo")->isEnabled());
}

TEST_F(ConfigFormTest, PushButtonBoxesSizeThePanelAndEnableTheirTexts)
{
    open();
    EXPECT_FALSE(widget("Botao2_check")->isEnabled());
    EXPECT_FALSE(widget("Edit2")->isEnabled());

    // The panel heights and which buttons let go are the model's (PlantOperations).
    tick("Botao1_check");
    EXPECT_TRUE(widget("Edit2")->isEnabled());
    EXPECT_TRUE(widget("Edit8")->isEnabled());
    EXPECT_FALSE(widget("Edit4")->isEnabled());
    tick("Botao2_check");
    EXPECT_EQ(widget("PainelComando")->height(), 120);
    EXPECT_TRUE(widget("Edit9")->isEnabled());
    tick("Botao3_check");
    EXPECT_FALSE(widget("Botao3_label")->isHidden());

    // Regression: button 3 stayed on the picture with its box disabled.
    tick("Botao2_check");
    EXPECT_TRUE(widget("Botao3_label")->isHidden());
    EXPECT_FALSE(widget("Botao3_check")->isEnabled());
    EXPECT_FALSE(widget("Edit6")->isEnabled());
    EXPECT_EQ(widget("PainelComando")->height(), 70);
    tick("Botao2_check");
    EXPECT_FALSE(widget("Botao3_label")->isHidden());

    tick("Botao1_check");

    EXPECT_TRUE(widget("PainelComando")->isHidden());
    // The later boxes stay ticked, but disabled with every text edit.
    EXPECT_TRUE(widget<QCheckBox>("Botao2_check")->isChecked());
    EXPECT_FALSE(widget("Botao2_check")->isEnabled());
    EXPECT_FALSE(widget("Botao3_check")->isEnabled());
    for (const char *name : {"Edit2", "Edit3", "Edit5", "Edit7", "Edit8", "Edit10"})
        EXPECT_FALSE(widget(name)->isEnabled()) << name;
}

TEST_F(ConfigFormTest, PushButtonTextsAreShortAndTheNameRelabelsTheButton)
{
    open();
    tick("Botao1_check");

    type(widget<QLineEdit>("Edit8"), QStringLiteral("Bomba principal de carga"));
    type(widget<QLineEdit>("Edit3"), QStringLiteral("Ligada agora mesmo, sim"));

    EXPECT_EQ(plant().pushButtons[1].name, "Bomba principal");
    EXPECT_EQ(widget<QLabel>("Botao1_label")->text(), QStringLiteral("Bomba principal"));
    EXPECT_EQ(plant().pushButtons[1].textOn, "Ligada agora mes");
}

TEST_F(ConfigFormTest, DataInputShowsItsGroupAndALongNameWidensIt)
{
    open();
    EXPECT_FALSE(widget("Ent1Label")->isEnabled());
    tick("Ent1check");
    EXPECT_TRUE(widget("Ent1Label")->isEnabled());
    EXPECT_FALSE(widget("TrackBar1")->isHidden());
    EXPECT_EQ(widget("TrackBack1")->height(), 60);

    type(widget<QLineEdit>("Ent1Label"), QStringLiteral("Vazão água")); // 10 characters

    EXPECT_EQ(widget("TrackBack1")->width(), 145);
    EXPECT_EQ(widget("TrackBar1")->width(), 133);
    EXPECT_EQ(widget("TrackText1")->x(), widget("TrackBack1")->x() + 80);
    EXPECT_EQ(widget<QLabel>("TrackLabel1")->text(), QString::fromUtf8("Vazão água"));
    EXPECT_EQ(plant().memories.Description(15), "Vazão água");

    tick("Ent1track");
    EXPECT_TRUE(widget("TrackBar1")->isHidden());
    EXPECT_EQ(widget("TrackBack1")->height(), 28);

    // Showing the group again shows its slider, and leaves the tall box and the height be.
    tick("Ent1check");
    EXPECT_TRUE(widget("TrackBar1")->isHidden());
    tick("Ent1check");
    EXPECT_FALSE(widget("TrackBar1")->isHidden());
    EXPECT_FALSE(widget<QCheckBox>("Ent1track")->isChecked());
    EXPECT_EQ(widget("TrackBack1")->height(), 28);
    tick("Ent1track");
    tick("Ent1track");
    EXPECT_TRUE(widget("TrackBar1")->isHidden());
}

TEST_F(ConfigFormTest, LinearizerInputListRefillsOnFocusAndKeepsTheTypedText)
{
    open();
    auto *input = widget<QComboBox>("Lin1EndEnt");
    EXPECT_EQ(input->currentText(), QStringLiteral("01 MV"));
    type(input->lineEdit(), QStringLiteral("05 Carga"));
    plant().memories.SetDescription(21, "Nível");

    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(input, &focus);

    ASSERT_EQ(input->count(), 99);
    EXPECT_EQ(input->itemText(0), QStringLiteral("01 "));
    EXPECT_EQ(input->itemText(12), QString::fromUtf8("13 Saída Linearizador"));
    EXPECT_EQ(input->itemText(20), QString::fromUtf8("21 Nível"));
    EXPECT_EQ(input->currentText(), QStringLiteral("05 Carga"));
    EXPECT_EQ(plant().linearizer.Lin1EndEnt, "05 Carga");

    choose(input, 20);
    EXPECT_EQ(plant().linearizer.Lin1EndEnt, "21 Nível");
}

TEST_F(ConfigFormTest, PictureButtonKeepsTheBareNameAndMovesTheWorkingFolder)
{
    QDir(m_startFolder).mkpath(QStringLiteral("fotos"));
    const QString file = m_startFolder + QStringLiteral("/fotos/unidade.bmp");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 29, qRgb(255, 0, 255));
    ASSERT_TRUE(image.save(file));
    open();
    m_dialogs.openFiles = {file};

    widget<QToolButton>("SpeedButton1")->click();

    EXPECT_EQ(plant().PictureFileName, "unidade.bmp");
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), QStringLiteral("unidade.bmp"));
    EXPECT_EQ(QDir::currentPath(), m_startFolder + QStringLiteral("/fotos"));
    EXPECT_FALSE(m_session->SavedFlag());
    auto *background = widget<QLabel>("Image1");
    EXPECT_FALSE(background->isHidden());
    EXPECT_EQ(background->pixmap().size(), QSize(40, 30));
    // The bottom-left colour is transparent, the rest is drawn.
    const QImage shown = background->pixmap().toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 29)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(1, 29)), 255);
    EXPECT_EQ(shown.pixel(20, 10) & 0xFFFFFF, 0xFFFFFFu);

    // Cancelled: nothing changes.
    m_dialogs.openFiles = {QString()};
    widget<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(plant().PictureFileName, "unidade.bmp");

    // Regression: a file that is not a picture was stored and drew a blank background.
    const QString notes = m_startFolder + QStringLiteral("/notas.bmp");
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture\n");
    text.close();
    m_dialogs.openFiles = {notes};
    widget<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(plant().PictureFileName, "unidade.bmp");
    EXPECT_EQ(m_dialogs.informations,
              QStringList{QString::fromUtf8("O arquivo não é uma imagem: ") + notes});
}

TEST_F(ConfigFormTest, ConfiguracaoAlwaysOpensOnTheControllersPage)
{
    open();
    widget<QTabWidget>("NoteBook1")->setCurrentIndex(5);
    config()->close();

    open();

    EXPECT_EQ(widget<QTabWidget>("NoteBook1")->currentIndex(), 0);
}

TEST_F(ConfigFormTest, CycleLabelShowsTheTimeBetweenTicks)
{
    m_session->Timer1Timer();
    m_session->Timer1Timer();

    // The plant picture has a Label2 of its own.
    const QString cycle = config()->findChild<QLabel *>(QStringLiteral("Label2"))->text();
    EXPECT_TRUE(cycle.endsWith(QStringLiteral("ms"))) << cycle.toStdString();
    EXPECT_EQ(cycle, QString::fromStdString(m_session->tick().CycleText));
}

TEST_F(ConfigFormTest, ANewPlantBringsANewWindowWithTheLayoutDefaults)
{
    open();
    type(widget<QLineEdit>("Titulo"), QStringLiteral("Forno"));
    tick("CheckBox30");
    tick("Imagem1Check");
    widget<QTabWidget>("NoteBook1")->setCurrentIndex(4);
    const QPointer<TConfigForm> before = config();
    m_dialogs.answers = {false};

    action("Novo1")->trigger();

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(before.isNull());
    ASSERT_NE(config(), nullptr);
    EXPECT_TRUE(config()->isHidden());
    EXPECT_EQ(widget<QLineEdit>("Titulo")->text(), QString());
    EXPECT_FALSE(widget<QCheckBox>("CheckBox30")->isChecked());
    EXPECT_EQ(widget<QCheckBox>("CheckBox30")->text(), QStringLiteral("<vago> Processo 10"));
    EXPECT_FALSE(widget<QCheckBox>("Imagem1Check")->isChecked());
    EXPECT_EQ(widget<QTabWidget>("NoteBook1")->currentIndex(), 0);
}

// ---- English ---------------------------------------------------------------------------------

TEST_F(ConfigFormTest, EnglishTextsKeepEveryListPosition)
{
    start(Language::English);
    open();

    EXPECT_EQ(widget<QCheckBox>("CheckBox21")->text(), QStringLiteral("<empty> Process 1"));
    EXPECT_EQ(widget<QCheckBox>("CheckBox11")->text(), QStringLiteral("<empty> Register 1"));
    auto *orientation = widget<QComboBox>("Chave2Tipo");
    ASSERT_EQ(orientation->count(), 4);
    EXPECT_EQ(orientation->itemText(0), QStringLiteral("to left"));
    EXPECT_EQ(orientation->itemText(3), QStringLiteral("to down"));

    // "para cima" is position 1 in both languages.
    tick("Chave2Check");
    choose(orientation, 1);
    EXPECT_EQ(plant().switches[2].orientation, 1);
    EXPECT_FALSE(widget("Chave2p3")->isHidden());
}

} // namespace
} // namespace zelvar
