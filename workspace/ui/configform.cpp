#include "workspace/ui/configform.h"

#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "services/pictures.h"
#include "services/picturewidgets.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"
#include "services/windowsonscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvar {

namespace {

constexpr int kWindowWidth = 680;
constexpr int kWindowHeight = 323;
constexpr int kPushTextLength = 16;
constexpr int kPushNameLength = 15;

std::size_t Index(int k)
{
    return static_cast<std::size_t>(k);
}

std::size_t Index(ObjectPool pool)
{
    return static_cast<std::size_t>(pool);
}

QString number(int n)
{
    return toQString(FormatFixed(n, 0, 0));
}

QString latin(const char *name)
{
    return QString::fromLatin1(name);
}

QLabel *newLabel(QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(parent);
    if (name != nullptr)
        label->setObjectName(latin(name));
    return label;
}

QLineEdit *newEdit(QWidget *parent, const QString &name)
{
    return named(new QLineEdit(parent), name);
}

} // namespace

QString TConfigForm::InventoryBoxName(ObjectPool pool, int slot)
{
    // The box numbers do not follow the slots: later slots took the numbers left free.
    int box = 0;
    switch (pool) {
    case ObjectPool::Controllers:
        box = slot;
        break;
    case ObjectPool::Recorders:
        box = 10 + slot;
        break;
    case ObjectPool::Processes:
        box = slot <= 10   ? 20 + slot
              : slot <= 15 ? 50 + slot
              : slot <= 20 ? 40 + slot
              : slot <= 23 ? 51 + slot
                           : 78;
        break;
    case ObjectPool::Blocks:
        box = slot <= 15 ? 30 + slot : slot <= 20 ? 66 + slot : slot <= 23 ? 54 + slot : 79;
        break;
    case ObjectPool::AnimatedTexts:
        box = slot <= 9 ? 45 + slot : slot <= 15 ? 56 + slot : 71 + slot;
        break;
    }
    return QStringLiteral("CheckBox") + number(box);
}

TConfigForm::TConfigForm(Session &session, UserDialogs &dialogs, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_session(session)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ConfigForm"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);

    auto *top = new QHBoxLayout;
    m_titleLabel = newLabel(this, "Label3");
    m_title = newEdit(this, QStringLiteral("Titulo"));
    // The title is held as a memory text: the edit takes no more than the plant keeps.
    m_title->setMaxLength(static_cast<int>(MemoryTable::kMaxTextLength));
    m_pictureLabel = newLabel(this, "Label1");
    m_pictureName = newEdit(this, QStringLiteral("Edit1"));
    m_pictureName->setReadOnly(true);
    m_pictureButton = named(new QToolButton(this), QStringLiteral("SpeedButton1"));
    m_pictureButton->setIcon(LoadIcon(QStringLiteral("pictures/menu/abrir.png")));
    top->addWidget(m_titleLabel);
    top->addWidget(m_title, 3);
    top->addSpacing(8);
    top->addWidget(m_pictureLabel);
    top->addWidget(m_pictureName, 2);
    top->addWidget(m_pictureButton);
    column->addLayout(top);

    m_notebook = named(new QTabWidget(this), QStringLiteral("NoteBook1"));
    m_notebook->addTab(buildControllerPage(), QString());
    m_notebook->addTab(buildInventoryPage(ObjectPool::Processes, 3), QString());
    m_notebook->addTab(buildInventoryPage(ObjectPool::Blocks, 3), QString());
    m_notebook->addTab(buildInventoryPage(ObjectPool::Recorders, 2), QString());
    m_notebook->addTab(buildInventoryPage(ObjectPool::AnimatedTexts, 3), QString());
    m_notebook->addTab(buildShapesPage(), QString());
    m_notebook->addTab(buildCommandsPage(), QString());
    m_notebook->setCurrentIndex(0);
    column->addWidget(m_notebook, 1);

    auto *bottom = new QHBoxLayout;
    m_cycleCaption = newLabel(this, "Label29");
    m_cycle = named(new QComboBox(this), QStringLiteral("ComboBox2"));
    m_cycle->addItems(
        {QStringLiteral("100 ms"), QStringLiteral("333 ms"), QStringLiteral("1 segundo")});
    m_cycle->setCurrentIndex(0);
    // The cycle is fixed: the list only shows it.
    m_cycle->setEnabled(false);
    m_cycleText = newLabel(this, "Label2");
    m_cycleText->setMinimumWidth(60);
    m_exit = named(new QPushButton(this), QStringLiteral("SairButton"));
    bottom->addWidget(m_cycleCaption);
    bottom->addWidget(m_cycle);
    bottom->addWidget(m_cycleText);
    bottom->addStretch(1);
    bottom->addWidget(m_exit);
    column->addLayout(bottom);

    // ---- User edits -> model ----
    connect(m_title, &QLineEdit::textEdited, this, [this](const QString &text) {
        SetTitle(m_session.plant(), text.toStdString());
        m_session.MarkChanged();
        emit captionChanged(toQString(m_session.plant().caption));
    });
    connect(m_pictureButton, &QToolButton::clicked, this, &TConfigForm::SpeedButton1Click);
    connect(m_notebook->tabBar(), &QTabBar::tabBarClicked, this, [this](int) {
        m_session.MarkChanged();
    });
    connect(m_exit, &QPushButton::clicked, this, &TConfigForm::SairButtonClick);
    connect(m_cycle, &QComboBox::activated, this, &TConfigForm::ComboBox2Change);
    connect(&m_session, &Session::ticked, this, [this] {
        const QString cycle = toQString(m_session.tick().CycleText);
        if (m_cycleText->text() != cycle)
            m_cycleText->setText(cycle);
    });

    ApplyTexts();
    ShowPlant();
    resize(kWindowWidth, kWindowHeight);
}

QCheckBox *&TConfigForm::inventoryBox(ObjectPool pool, int slot)
{
    return m_inventory[Index(pool)][Index(slot)];
}

// ---- Pages -----------------------------------------------------------------------------------

QWidget *TConfigForm::buildInventoryPage(ObjectPool pool, int columns)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    const int slotCount = SlotCount(pool);
    const int rows = (slotCount + columns - 1) / columns;
    for (int slot = 1; slot <= slotCount; ++slot) {
        auto *box = named(new QCheckBox(page), InventoryBoxName(pool, slot));
        // Long names are cut at the column's edge; the hint shows them whole.
        box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(box, &QCheckBox::toggled, this, [this, pool, slot](bool checked) {
            inventoryClicked(pool, slot, checked);
        });
        grid->addWidget(box, (slot - 1) % rows, (slot - 1) / rows);
        inventoryBox(pool, slot) = box;
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    grid->setRowStretch(rows, 1);
    return page;
}

QWidget *TConfigForm::buildControllerPage()
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(8, 6, 8, 6);

    auto *pid = new QGroupBox(QStringLiteral("PID"), page);
    auto *grid = new QGridLayout(pid);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(12);
    for (int slot = 1; slot <= 10; ++slot) {
        auto *box = named(new QCheckBox(pid), InventoryBoxName(ObjectPool::Controllers, slot));
        box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(box, &QCheckBox::toggled, this, [this, slot](bool checked) {
            inventoryClicked(ObjectPool::Controllers, slot, checked);
        });
        grid->addWidget(box, (slot - 1) % 5, (slot - 1) / 5);
        inventoryBox(ObjectPool::Controllers, slot) = box;
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    row->addWidget(pid, 3);

    auto *panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("LinearizerPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *table = new QGridLayout(panel);
    table->setVerticalSpacing(2);
    m_linearizerTitle = newLabel(panel, "Label34");
    QFont bold = m_linearizerTitle->font();
    bold.setBold(true);
    m_linearizerTitle->setFont(bold);
    m_linearizerInputLabel = newLabel(panel, "Label30");
    m_linearizerInput = named(new QComboBox(panel), QStringLiteral("Lin1EndEnt"));
    m_linearizerInput->setEditable(true);
    m_linearizerInput->setInsertPolicy(QComboBox::NoInsert);
    m_linearizerInput->setMinimumContentsLength(10);
    m_linearizerInput->installEventFilter(this);
    m_linearizerInput->lineEdit()->installEventFilter(this);
    m_linearizerOutputLabel = newLabel(panel, "Label31");
    m_linearizerOutput = newEdit(panel, QStringLiteral("Lin1EndSai"));
    m_linearizerOutput->setText(QStringLiteral("M13"));
    m_linearizerOutput->setEnabled(false);
    m_linearizerOutput->setMaximumWidth(60);
    m_linearizerActive = named(new QCheckBox(panel), QStringLiteral("Lin1Ativar"));
    table->addWidget(m_linearizerTitle, 0, 0, 1, 2);
    table->addWidget(m_linearizerActive, 0, 2, 1, 2, Qt::AlignRight);
    table->addWidget(m_linearizerInputLabel, 1, 0, 1, 2);
    table->addWidget(m_linearizerInput, 1, 2, 1, 2);
    table->addWidget(m_linearizerOutputLabel, 2, 0, 1, 2);
    table->addWidget(m_linearizerOutput, 2, 2, 1, 2);
    auto *mvHeader = new QLabel(QStringLiteral("MV"), panel);
    auto *pvHeader = new QLabel(QStringLiteral("PV"), panel);
    mvHeader->setAlignment(Qt::AlignCenter);
    pvHeader->setAlignment(Qt::AlignCenter);
    table->addWidget(mvHeader, 3, 1);
    table->addWidget(pvHeader, 3, 2);
    for (int i = 1; i <= Linearizer::kPoints; ++i) {
        auto *point = new QLabel(number(i), panel);
        point->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_linearizerMV[Index(i)] = newEdit(panel, QStringLiteral("Lin1MV") + number(i));
        m_linearizerPV[Index(i)] = newEdit(panel, QStringLiteral("Lin1PV") + number(i));
        table->addWidget(point, 3 + i, 0);
        table->addWidget(m_linearizerMV[Index(i)], 3 + i, 1);
        table->addWidget(m_linearizerPV[Index(i)], 3 + i, 2);
        for (QLineEdit *edit : {m_linearizerMV[Index(i)], m_linearizerPV[Index(i)]})
            edit->setMaximumWidth(70);
        connect(
            m_linearizerMV[Index(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
                m_session.plant().linearizer.Lin1MV[Index(i)] = text.toStdString();
                edited(false);
            });
        connect(
            m_linearizerPV[Index(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
                m_session.plant().linearizer.Lin1PV[Index(i)] = text.toStdString();
                edited(false);
            });
    }
    row->addWidget(panel, 2);

    connect(
        m_linearizerInput->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
            m_session.plant().linearizer.Lin1EndEnt = text.toStdString();
            edited(false);
        });
    connect(m_linearizerInput, &QComboBox::activated, this, [this](int index) {
        m_session.plant().linearizer.Lin1EndEnt = m_linearizerInput->itemText(index).toStdString();
        edited(false);
    });
    connect(m_linearizerActive, &QCheckBox::toggled, this, [this](bool checked) {
        m_session.plant().linearizer.Lin1Ativar = checked;
        edited(false);
    });
    return page;
}

QWidget *TConfigForm::buildShapesPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(8);
    constexpr std::array<const char *, 6> kMemoryLabels
        = {"", "Label6", "Label8", "Label9", "Label10", "Label11"};
    constexpr std::array<const char *, 6> kSizeLabels
        = {"", "Label7", "Label12", "Label13", "Label14", "Label15"};
    constexpr std::array<const char *, 6> kColourLabels
        = {"", "Label4", "Label16", "Label17", "Label18", "Label19"};
    QStringList memories;
    for (int m = 1; m <= 99; ++m)
        memories.append(number(m));
    for (int k = 1; k <= 5; ++k) {
        const QString name = QStringLiteral("Imagem") + number(k);
        const int row = k - 1;
        auto *shown = named(new QCheckBox(number(k), page), name + QStringLiteral("Check"));
        auto *kind = named(new QComboBox(page), name + QStringLiteral("Tipo"));
        kind->addItems({QString(), QString()});
        auto *memory = named(new QComboBox(page), name + QStringLiteral("Var"));
        memory->addItems(memories);
        memory->setMaxVisibleItems(16);
        auto *sizeText = newEdit(page, name + QStringLiteral("Tamanho"));
        auto *size = named(new UpDown(0, 300, 2, page), name + QStringLiteral("Tam"));
        auto *widthText = newEdit(page, name + QStringLiteral("TamanhoW"));
        auto *width = named(new UpDown(0, 300, 2, page), name + QStringLiteral("TamW"));
        for (QLineEdit *edit : {sizeText, widthText}) {
            edit->setEnabled(false);
            edit->setFixedWidth(38);
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        auto *colour1 = named(new ColourBox(page), name + QStringLiteral("Cor1"));
        auto *colour2 = named(new ColourBox(page), name + QStringLiteral("Cor2"));
        auto *memoryLabel = newLabel(page, kMemoryLabels[Index(k)]);
        auto *sizeLabel = newLabel(page, kSizeLabels[Index(k)]);
        auto *colourLabel = newLabel(page, kColourLabels[Index(k)]);

        auto *sizes = new QHBoxLayout;
        sizes->setSpacing(1);
        sizes->addWidget(sizeText);
        sizes->addWidget(size);
        sizes->addSpacing(6);
        sizes->addWidget(widthText);
        sizes->addWidget(width);
        grid->addWidget(shown, row, 0);
        grid->addWidget(kind, row, 1);
        grid->addWidget(memoryLabel, row, 2, Qt::AlignRight);
        grid->addWidget(memory, row, 3);
        grid->addWidget(sizeLabel, row, 4, Qt::AlignRight);
        grid->addLayout(sizes, row, 5);
        grid->addWidget(colourLabel, row, 6, Qt::AlignRight);
        grid->addWidget(colour1, row, 7);
        grid->addWidget(colour2, row, 8);

        connect(shown, &QCheckBox::toggled, this, [this, k](bool checked) {
            SetShapeShown(m_session.plant(), k, checked);
            edited(true);
        });
        connect(kind, &QComboBox::activated, this, [this, k](int index) {
            Plant &plant = m_session.plant();
            plant.shapes[Index(k)].kind = index;
            // A rectangle's scale comes from its size.
            SetShapeSize(plant, k, plant.shapes[Index(k)].size);
            RefreshObjectCaptions();
            edited(true);
        });
        connect(memory, &QComboBox::activated, this, [this, k](int index) {
            m_session.plant().shapes[Index(k)].memoryIndex = index;
            edited(true);
        });
        connect(size, &UpDown::positionChanged, this, [this, k](int position) {
            SetShapeSize(m_session.plant(), k, position);
            edited(true);
            // The first shape's size also refreshes the whole picture.
            if (k == 1)
                m_session.RefreshMainWindow();
        });
        connect(width, &UpDown::positionChanged, this, [this, k](int position) {
            m_session.plant().shapes[Index(k)].width = position;
            edited(true);
        });
        connect(colour1, &ColourBox::colourChosen, this, [this, k](PlantColour colour) {
            m_session.plant().shapes[Index(k)].colour1 = colour;
            edited(true);
        });
        connect(colour2, &ColourBox::colourChosen, this, [this, k](PlantColour colour) {
            m_session.plant().shapes[Index(k)].colour2 = colour;
            edited(true);
        });

        m_shapeShown[Index(k)] = shown;
        m_shapeKind[Index(k)] = kind;
        m_shapeMemory[Index(k)] = memory;
        m_shapeSizeText[Index(k)] = sizeText;
        m_shapeSize[Index(k)] = size;
        m_shapeWidthText[Index(k)] = widthText;
        m_shapeWidth[Index(k)] = width;
        m_shapeColour1[Index(k)] = colour1;
        m_shapeColour2[Index(k)] = colour2;
        m_shapeMemoryLabels[Index(k)] = memoryLabel;
        m_shapeSizeLabels[Index(k)] = sizeLabel;
        m_shapeColourLabels[Index(k)] = colourLabel;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *TConfigForm::buildCommandsPage()
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(10);

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    auto *switches = new QGridLayout;
    switches->setVerticalSpacing(2);
    for (int s = 1; s <= 2; ++s) {
        auto *shown = named(new QCheckBox(page), QStringLiteral("Chave%1Check").arg(s));
        auto *orientation = named(new QComboBox(page), QStringLiteral("Chave%1Tipo").arg(s));
        orientation->addItems({QString(), QString(), QString(), QString()});
        auto *output = newLabel(page, s == 1 ? "Label22" : "Label23");
        switches->addWidget(shown, s - 1, 0);
        switches->addWidget(orientation, s - 1, 1);
        switches->addWidget(output, s - 1, 2);
        connect(shown, &QCheckBox::toggled, this, [this, s](bool checked) {
            SetSwitchShown(m_session.plant(), s, checked);
            edited(true);
        });
        connect(orientation, &QComboBox::activated, this, [this, s](int index) {
            SetSwitchOrientation(m_session.plant(), s, index);
            edited(true);
        });
        m_switchShown[Index(s)] = shown;
        m_switchOrientation[Index(s)] = orientation;
        m_switchOutput[Index(s)] = output;
    }
    switches->setColumnStretch(3, 1);
    left->addLayout(switches);

    auto *panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("CommandPanelSettings"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QGridLayout(panel);
    buttons->setVerticalSpacing(2);
    buttons->setHorizontalSpacing(4);
    constexpr std::array<const char *, 4> kOffEdits = {"", "Edit2", "Edit4", "Edit6"};
    constexpr std::array<const char *, 4> kOnEdits = {"", "Edit3", "Edit5", "Edit7"};
    constexpr std::array<const char *, 4> kNameEdits = {"", "Edit8", "Edit9", "Edit10"};
    for (int k = 1; k <= 3; ++k) {
        auto *checked = named(new QCheckBox(panel), QStringLiteral("Botao%1_check").arg(k));
        auto *off = newEdit(panel, latin(kOffEdits[Index(k)]));
        auto *on = newEdit(panel, latin(kOnEdits[Index(k)]));
        auto *name = newEdit(panel, latin(kNameEdits[Index(k)]));
        off->setMaxLength(kPushTextLength);
        on->setMaxLength(kPushTextLength);
        name->setMaxLength(kPushNameLength);
        buttons->addWidget(checked, 2 * (k - 1), 0, 1, 3);
        buttons->addWidget(off, 2 * k - 1, 0);
        buttons->addWidget(on, 2 * k - 1, 1);
        buttons->addWidget(name, 2 * k - 1, 2);
        connect(checked, &QCheckBox::toggled, this, [this, k](bool on) {
            SetPushButtonChecked(m_session.plant(), k, on);
            edited(true);
        });
        connect(off, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            m_session.plant().pushButtons[Index(k)].textOff = text.toStdString();
            edited(true);
        });
        connect(on, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            m_session.plant().pushButtons[Index(k)].textOn = text.toStdString();
            edited(true);
        });
        connect(name, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            m_session.plant().pushButtons[Index(k)].name = text.toStdString();
            edited(true);
        });
        m_buttonChecked[Index(k)] = checked;
        m_buttonTextOff[Index(k)] = off;
        m_buttonTextOn[Index(k)] = on;
        m_buttonName[Index(k)] = name;
    }
    left->addWidget(panel);
    left->addStretch(1);
    row->addLayout(left, 3);

    auto *inputs = new QGridLayout;
    inputs->setVerticalSpacing(3);
    for (int k = 1; k <= 6; ++k) {
        auto *shown
            = named(new QCheckBox(QStringLiteral("Ent%1:").arg(k), page),
                    k == 1 ? QStringLiteral("Ent1check") : QStringLiteral("Ent%1Check").arg(k));
        auto *name = newEdit(
            page, k == 4 ? QStringLiteral("Ent4label") : QStringLiteral("Ent%1Label").arg(k));
        auto *tall
            = named(new QCheckBox(page),
                    k == 1 ? QStringLiteral("Ent1track") : QStringLiteral("Ent%1Track").arg(k));
        inputs->addWidget(shown, k - 1, 0);
        inputs->addWidget(name, k - 1, 1);
        inputs->addWidget(tall, k - 1, 2);
        connect(shown, &QCheckBox::toggled, this, [this, k](bool checked) {
            SetSliderShown(m_session.plant(), k, checked);
            edited(true);
        });
        connect(name, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            SetSliderName(m_session.plant(), k, text.toStdString());
            edited(true);
        });
        connect(tall, &QCheckBox::toggled, this, [this, k](bool checked) {
            SetSliderTall(m_session.plant(), k, checked);
            edited(true);
        });
        m_sliderShown[Index(k)] = shown;
        m_sliderName[Index(k)] = name;
        m_sliderTall[Index(k)] = tall;
    }
    inputs->setRowStretch(6, 1);
    row->addLayout(inputs, 2);
    return page;
}

// ---- Texts -----------------------------------------------------------------------------------

void TConfigForm::ApplyTexts()
{
    const Language language = m_session.language();
    const auto text = [language](const char *portuguese, const char *english) {
        return trText(language, portuguese, english);
    };
    setWindowTitle(text("Configuração Geral", "General Configuration"));
    m_cycleCaption->setText(text("Ciclo Execução: ", "Execution Cycle"));
    m_titleLabel->setText(text("Título da Simulação:", "Simulation Title:"));
    m_pictureLabel->setText(text("Arquivo de Imagem:", "Image File:"));
    const std::array<QString, 7> pages = {text("Controladores", "Controllers"),
                                          text("Processos", "Processes"),
                                          text("Blocos de Cálculo", "Calc Blocks"),
                                          text("Registradores", "Registers"),
                                          text("Textos Animados", "Animated Texts"),
                                          text("Imagens Animadas", "Animated Shapes"),
                                          text("Comandos", "Commands")};
    for (int page = 0; page < 7; ++page)
        m_notebook->setTabText(page, pages[Index(page)]);

    m_switchShown[1]->setText(text("Chave 1     Tipo:", "Switch 1    Type:"));
    m_switchShown[2]->setText(text("Chave 2     Tipo:", "Switch 2    Type:"));
    const std::array<QString, 4> orientations = {text("para esquerda", "to left"),
                                                 text("para cima", "to up"),
                                                 text("para direita", "to right"),
                                                 text("para baixo", "to down")};
    for (int s = 1; s <= 2; ++s) {
        // Each item keeps its place, so a stored position means the same in both languages.
        for (int i = 0; i < 4; ++i)
            m_switchOrientation[Index(s)]->setItemText(i, orientations[Index(i)]);
    }
    m_switchOutput[1]->setText(text("Saída em M11", "Output M11"));
    m_switchOutput[2]->setText(text("Saída em M12", "Output M12"));
    m_buttonChecked[1]->setText(text("Botão 1 (saída em M97)", "Button 1(output M97)"));
    m_buttonChecked[2]->setText(text("Botão 2 (Saída em M98)", "Button 2(output M98)"));
    m_buttonChecked[3]->setText(text("Botão 3 (saída em M99)", "Button 3(output M99)"));
    for (int k = 1; k <= 5; ++k) {
        m_shapeKind[Index(k)]->setItemText(
            0, text("Círculo de Cor Variável", "Cilcle with variable color"));
        m_shapeKind[Index(k)]->setItemText(
            1, text("Retângulo Tamanho Variável", "Square with variable size"));
        m_shapeMemoryLabels[Index(k)]->setText(text("Variável:", "Variable"));
        m_shapeSizeLabels[Index(k)]->setText(text("Dimensões:", "Dimensions:"));
        m_shapeColourLabels[Index(k)]->setText(text("Cores:", "Colors:"));
    }
    m_linearizerTitle->setText(text("Linearizador", "Characterizer"));
    m_linearizerInputLabel->setText(text("End. Entrada:", "Input Ad.:"));
    m_linearizerOutputLabel->setText(text("End.Saída:", "Output Ad.:"));
    m_linearizerActive->setText(text("Ativar", "Enable"));
    m_exit->setText(text("Sair", "Exit"));
}

// ---- User edits -> model ---------------------------------------------------------------------

void TConfigForm::edited(bool pictureToo)
{
    m_session.MarkChanged();
    // Some edits enable or fill other controls.
    ShowPlant();
    if (pictureToo)
        emit pictureChanged();
}

void TConfigForm::inventoryClicked(ObjectPool pool, int slot, bool checked)
{
    // The new object's icon shows at the next refresh of the main window ("Sair").
    SetInventoryChecked(m_session.plant(), pool, slot, checked);
    edited(false);
}

void TConfigForm::RefreshObjectCaptions()
{
    zelvar::RefreshObjectCaptions(m_session.plant());
    ShowPlant();
}

void TConfigForm::SelectFirstPage()
{
    m_notebook->setCurrentIndex(0);
}

void TConfigForm::SpeedButton1Click()
{
    FileDialogRequest request;
    request.title = trText(m_session.language(), "Arquivo de Imagem", "Image File");
    request.folder = QDir::currentPath();
    request.filter = QStringLiteral("Arquivos Bit-Map (*.bmp);;Todos os Arquivos (*)");
    const QString chosen = m_dialogs.openFile(this, request);
    if (chosen.isEmpty())
        return;
    // A file the picture reader cannot take would leave the plant naming a blank picture.
    if (!QImageReader(chosen).canRead()) {
        m_dialogs.inform(
            this,
            trText(
                m_session.language(), "O arquivo não é uma imagem: ", "The file is not a picture: ")
                + chosen);
        return;
    }
    // The plant keeps the bare name; its picture is looked up in the working folder.
    const QFileInfo file(chosen);
    QDir::setCurrent(file.absolutePath());
    m_session.plant().PictureFileName = file.fileName().toStdString();
    m_session.MarkChanged();
    ShowPlant();
    emit pictureChosen();
}

void TConfigForm::SairButtonClick()
{
    m_session.RefreshMainWindow();
    close();
}

void TConfigForm::ComboBox2Change(int index)
{
    m_session.Timer1().setInterval(index == 0 ? 100 : index == 1 ? 333 : 1000);
}

void TConfigForm::Lin1EndEntEnter()
{
    // clear() would take the typed text with it.
    const QSignalBlocker blocker(m_linearizerInput);
    const QString typed = m_linearizerInput->currentText();
    m_linearizerInput->clear();
    const MemoryTable &memories = m_session.plant().memories;
    QStringList items;
    for (int m = 1; m <= 99; ++m)
        items.append(toQString(TwoDigits(m)) + QLatin1Char(' ')
                     + toQString(memories.Description(m)));
    m_linearizerInput->addItems(items);
    m_linearizerInput->setCurrentIndex(-1);
    m_linearizerInput->setEditText(typed);
}

bool TConfigForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn
        && (watched == m_linearizerInput || watched == m_linearizerInput->lineEdit())) {
        Lin1EndEntEnter();
    }
    return QWidget::eventFilter(watched, event);
}

void TConfigForm::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
            KeepWithinScreen(this);
        }
    }
    QWidget::showEvent(event);
}

// ---- Model -> widgets ------------------------------------------------------------------------

void TConfigForm::ShowPlant()
{
    const Plant &plant = m_session.plant();
    showText(m_title, plant.title);
    showText(m_pictureName, plant.PictureFileName);

    const auto mirrorInventory = [this](ObjectPool pool, const auto &entries) {
        for (int slot = 1; slot <= SlotCount(pool); ++slot) {
            QCheckBox *box = inventoryBox(pool, slot);
            const InventoryEntry &entry = entries[Index(slot)];
            const QString caption = toQString(entry.caption);
            if (box->text() != caption) {
                box->setText(caption);
                box->setToolTip(caption);
            }
            showChecked(box, entry.checked);
        }
    };
    mirrorInventory(ObjectPool::Controllers, plant.controllerInventory);
    mirrorInventory(ObjectPool::Processes, plant.processInventory);
    mirrorInventory(ObjectPool::Blocks, plant.blockInventory);
    mirrorInventory(ObjectPool::Recorders, plant.recorderInventory);
    mirrorInventory(ObjectPool::AnimatedTexts, plant.animatedTextInventory);

    const Linearizer &linearizer = plant.linearizer;
    if (m_linearizerInput->currentText() != toQString(linearizer.Lin1EndEnt)) {
        const QSignalBlocker blocker(m_linearizerInput);
        m_linearizerInput->setEditText(toQString(linearizer.Lin1EndEnt));
    }
    showChecked(m_linearizerActive, linearizer.Lin1Ativar);
    for (int i = 1; i <= Linearizer::kPoints; ++i) {
        showText(m_linearizerMV[Index(i)], linearizer.Lin1MV[Index(i)]);
        showText(m_linearizerPV[Index(i)], linearizer.Lin1PV[Index(i)]);
    }

    for (int k = 1; k <= 5; ++k) {
        const AnimatedShape &shape = plant.shapes[Index(k)];
        showChecked(m_shapeShown[Index(k)], shape.shown);
        showIndex(m_shapeKind[Index(k)], shape.kind);
        showIndex(m_shapeMemory[Index(k)], shape.memoryIndex);
        m_shapeSize[Index(k)]->SetPosition(shape.size);
        m_shapeWidth[Index(k)]->SetPosition(shape.width);
        showText(m_shapeSizeText[Index(k)], FormatFixed(shape.size, 0, 0));
        showText(m_shapeWidthText[Index(k)], FormatFixed(shape.width, 0, 0));
        m_shapeColour1[Index(k)]->SetColour(shape.colour1);
        m_shapeColour2[Index(k)]->SetColour(shape.colour2);
        // Once a shape was first shown its lists and colours stay enabled.
        for (QWidget *control : {static_cast<QWidget *>(m_shapeKind[Index(k)]),
                                 static_cast<QWidget *>(m_shapeMemory[Index(k)]),
                                 static_cast<QWidget *>(m_shapeColour1[Index(k)]),
                                 static_cast<QWidget *>(m_shapeColour2[Index(k)])})
            control->setEnabled(shape.controlsEnabled);
    }

    for (int s = 1; s <= 2; ++s) {
        const PlantSwitch &plantSwitch = plant.switches[Index(s)];
        showChecked(m_switchShown[Index(s)], plantSwitch.shown);
        showIndex(m_switchOrientation[Index(s)], plantSwitch.orientation);
        m_switchOrientation[Index(s)]->setEnabled(plantSwitch.shown);
    }

    // A button's texts can be edited while the button shows; its box while the one before shows.
    for (int k = 1; k <= 3; ++k) {
        const PushButton &button = plant.pushButtons[Index(k)];
        showChecked(m_buttonChecked[Index(k)], button.checked);
        m_buttonChecked[Index(k)]->setEnabled(k == 1 || PushButtonShown(plant, k - 1));
        showText(m_buttonTextOff[Index(k)], button.textOff);
        showText(m_buttonTextOn[Index(k)], button.textOn);
        showText(m_buttonName[Index(k)], button.name);
        for (QLineEdit *edit :
             {m_buttonTextOff[Index(k)], m_buttonTextOn[Index(k)], m_buttonName[Index(k)]})
            edit->setEnabled(PushButtonShown(plant, k));
    }

    for (int k = 1; k <= 6; ++k) {
        const SliderInput &slider = plant.sliders[Index(k)];
        showChecked(m_sliderShown[Index(k)], slider.shown);
        showText(m_sliderName[Index(k)], slider.name);
        showChecked(m_sliderTall[Index(k)], slider.tallSlider);
        m_sliderName[Index(k)]->setEnabled(slider.shown);
        m_sliderTall[Index(k)]->setEnabled(slider.shown);
    }
}

} // namespace zelvar
