#include "engine/ui/controllerwindow.h"

#include "engine/model/controller.h"
#include "engine/model/faceplate.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/ui/trendstrip.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelvar {

namespace {

constexpr char kControllerHelpPage[] = "/simulador/objetos_simulacao/#controlador_PID";
constexpr char kInitialArchiveIndicator[] = "Arquivando: TA=0.1 seg";

// The faceplate column; the title inside it leaves 2 pixels on each side.
constexpr int kFaceplateColumnWidth = 204;

// Image1 inside the trend page.
constexpr int kStripLeft = 46;
constexpr int kStripTop = 30;
constexpr int kTrendPageWidth = kStripLeft + TrendStrip::kWidth + 36;

const QColor kPvColour(Qt::red);
const QColor kSpColour(Qt::blue);
const QColor kCoColour(0, 128, 0);
const QColor kReadoutColour(204, 255, 204);

void showEnabled(QWidget *widget, bool enabled)
{
    widget->setEnabled(enabled);
}

QString colourSheet(const char *widgetClass, const QColor &colour)
{
    return QStringLiteral("%1 { color: %2; }").arg(QLatin1String(widgetClass), colour.name());
}

// A readout marker: a small red circle.
class MarkerShape : public QWidget
{
public:
    explicit MarkerShape(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(5, 5);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawEllipse(rect());
    }
};

// The layout buttons' pictures: a small trend, and the sliders of a settings panel.
QIcon trendIcon()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(0, 0, 19, 19);
    painter.setPen(QPen(kPvColour, 2));
    painter.drawPolyline(QPolygon({QPoint(2, 15), QPoint(6, 9), QPoint(10, 12), QPoint(17, 4)}));
    painter.setPen(QPen(kSpColour, 1));
    painter.drawLine(2, 7, 17, 7);
    return QIcon(picture);
}

QIcon settingsIcon()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(64, 64, 64), 2));
    for (int row = 0; row < 3; ++row)
        painter.drawLine(2, 4 + 6 * row, 17, 4 + 6 * row);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    const int knobs[] = {12, 5, 9};
    for (int row = 0; row < 3; ++row)
        painter.drawRect(knobs[row] - 2, 1 + 6 * row, 4, 6);
    return QIcon(picture);
}

QProgressBar *newGauge(QWidget *parent, const char *objectName, const QColor &colour)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(objectName));
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 2 * 100);
    bar->setValue(50);
    bar->setTextVisible(false);
    bar->setFixedWidth(15);
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid #808080; background: white; }"
                       "QProgressBar::chunk { background: %1; }")
            .arg(colour.name()));
    return bar;
}

QToolButton *newArrow(QWidget *parent, const char *objectName, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

QComboBox *newMemoryList(QWidget *parent, const char *objectName)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
        list->addItem(toQString(TwoDigits(k)));
    list->setMaxVisibleItems(20);
    return list;
}

std::filesystem::path localPath(const QString &folder)
{
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

} // namespace

TControlador::TControlador(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : ObjectWindow(session, slot, "ControllerSlot", kControllerHelpPage, parent, dialogs)
{
    build();
    applyTexts();
    showObject();
    followPlant();
    connect(&m_session, &Session::ticked, this, &TControlador::afterTick);
}

TControlador::~TControlador() = default;

Controller *TControlador::controller()
{
    auto &controllers = m_session.plant().controllers;
    return controllers.IsPresent(slot()) ? &controllers[slot()] : nullptr;
}

bool TControlador::objectPresent()
{
    return controller() != nullptr;
}

void TControlador::build()
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    // The window folds to the faceplate column and grows back with the right area.
    row->setSizeConstraint(QLayout::SetFixedSize);
    row->addWidget(buildFaceplateColumn(), 0, Qt::AlignTop);

    m_rightArea = new QStackedWidget(this);
    m_rightArea->setObjectName(QStringLiteral("RightArea"));
    m_trendPage = buildTrendPage();
    m_panel2 = named(new QFrame(m_rightArea), "Panel2");
    m_panel2->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(m_panel2);
    panelLayout->setContentsMargins(4, 2, 4, 4);
    panelLayout->addWidget(buildConfigurationPanel());
    // The panel covers the strip exactly; the stack takes its size from the fixed sizes, not
    // from the panel's wider wish.
    const QSize page(m_trendPage->width(),
                     std::max(m_trendPage->height(), m_panel2->sizeHint().height()));
    for (QWidget *covering : {m_trendPage, static_cast<QWidget *>(m_panel2)}) {
        covering->setFixedSize(page);
        covering->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    m_rightArea->addWidget(m_trendPage);
    m_rightArea->addWidget(m_panel2);
    row->addWidget(m_rightArea, 0, Qt::AlignTop);

    connectSettings();
    connectOperator();
    connectTrend();
}

QWidget *TControlador::buildFaceplateColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("FaceplateColumn"));
    column->setFixedWidth(kFaceplateColumnWidth);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *panel1 = named(new QFrame(column), "Panel1");
    panel1->setFrameShape(QFrame::StyledPanel);
    auto *panelRow = new QHBoxLayout(panel1);
    panelRow->setContentsMargins(2, 2, 2, 2);
    m_descricaoText = newLabel(panel1, "DescricaoText", "");
    m_descricaoText->setAlignment(Qt::AlignCenter);
    // A long description takes more lines rather than lose both ends.
    m_descricaoText->setWordWrap(true);
    m_descricaoText->setMinimumHeight(m_descricaoText->fontMetrics().height() + 4);
    QFont bold = m_descricaoText->font();
    bold.setBold(true);
    m_descricaoText->setFont(bold);
    m_descricaoText->setStyleSheet(colourSheet("QLabel", QColor(0, 0, 128)));
    panelRow->addWidget(m_descricaoText);
    layout->addWidget(panel1);

    // Gauges on the left, the values beside them.
    auto *values = new QHBoxLayout;
    values->setSpacing(6);
    auto *gauges = new QHBoxLayout;
    gauges->setSpacing(0);
    m_sprBar = newGauge(column, "SPRBar", kSpColour);
    m_sprBar->setFixedWidth(7);
    m_setPointBar = newGauge(column, "SetPointBar", kSpColour);
    m_variavelBar = newGauge(column, "VariavelBar", kPvColour);
    m_saidaBar = newGauge(column, "SaidaBar", kCoColour);
    for (QProgressBar *bar : {m_sprBar, m_setPointBar, m_variavelBar, m_saidaBar})
        bar->setFixedHeight(170);
    gauges->addWidget(m_sprBar);
    gauges->addWidget(m_setPointBar);
    gauges->addSpacing(8);
    gauges->addWidget(m_variavelBar);
    gauges->addSpacing(8);
    gauges->addWidget(m_saidaBar);
    values->addLayout(gauges);

    auto *texts = new QGridLayout;
    texts->setVerticalSpacing(2);
    texts->setHorizontalSpacing(3);
    const auto newValueEdit = [column](const char *objectName, const char *hint) {
        QLineEdit *edit = newEdit(column, objectName, hint);
        edit->setAlignment(Qt::AlignRight);
        edit->setText(QStringLiteral("0"));
        return edit;
    };
    m_spText = newValueEdit("SPText", "Setpoint");
    m_pvText = newValueEdit("PVText", "Process Variable (Variável Controlada)");
    m_pvText->setReadOnly(true);
    m_mvText = newValueEdit("MVText", "Controller Output (Saída do Controlador)");
    QLabel *spLabel = newLabel(column, "SPLabel", "SP:");
    spLabel->setStyleSheet(colourSheet("QLabel", kSpColour));
    QLabel *pvLabel = newLabel(column, "PVLabel", "PV:");
    pvLabel->setStyleSheet(colourSheet("QLabel", kPvColour));
    QLabel *coLabel = newLabel(column, "COLabel", "CO:");
    coLabel->setStyleSheet(colourSheet("QLabel", kCoColour));
    m_unitEngSP = newLabel(column, "UnitEngSP", "%");
    m_unidEngMV = newLabel(column, "UnidEngMV", "%");
    texts->addWidget(spLabel, 0, 0);
    texts->addWidget(m_spText, 1, 0, 1, 2);
    texts->addWidget(pvLabel, 2, 0);
    texts->addWidget(m_pvText, 3, 0, 1, 2);
    texts->addWidget(m_unitEngSP, 2, 1, Qt::AlignRight);
    texts->addWidget(coLabel, 4, 0);
    texts->addWidget(m_mvText, 5, 0, 1, 2);
    texts->addWidget(m_unidEngMV, 4, 1, Qt::AlignRight);
    m_button2 = named(new QPushButton(QStringLiteral("Enviar"), column), "Button2");
    m_button2->setEnabled(false);
    texts->addWidget(m_button2, 6, 0, 1, 2);
    texts->setRowStretch(7, 1);
    values->addLayout(texts, 1);
    layout->addLayout(values);

    const auto newModeGroup = [column](const char *objectName,
                                       const char *title,
                                       const char *modeButton,
                                       const char *modeText,
                                       const char *stateLabel,
                                       const char *stateText,
                                       const char *raise,
                                       const char *lower) {
        auto *group = named(new QGroupBox(QString::fromUtf8(title), column), objectName);
        auto *grid = new QGridLayout(group);
        grid->setContentsMargins(4, 2, 4, 4);
        grid->setSpacing(2);
        auto *mode = named(new QToolButton(group), modeButton);
        mode->setText(QString::fromLatin1(modeText));
        mode->setMinimumWidth(34);
        QLabel *state = newLabel(group, stateLabel, stateText);
        QFont big = state->font();
        big.setBold(true);
        big.setPointSizeF(big.pointSizeF() * 1.3);
        state->setFont(big);
        state->setAlignment(Qt::AlignCenter);
        state->setFrameShape(QFrame::Panel);
        state->setFrameShadow(QFrame::Sunken);
        grid->addWidget(mode, 0, 0);
        grid->addWidget(state, 0, 1);
        grid->addWidget(newArrow(group, raise, Qt::UpArrow), 1, 0);
        grid->addWidget(newArrow(group, lower, Qt::DownArrow), 1, 1);
        return group;
    };
    auto *modes = new QHBoxLayout;
    modes->setSpacing(4);
    m_groupBox2 = newModeGroup(
        "GroupBox2", "SP", "LocalRemotoBTN", "L/R", "Label1", "L", "IncrementaSP", "DecrementaSP");
    m_groupBox3 = newModeGroup("GroupBox3",
                               "Saída",
                               "AutoManualBTN",
                               "A/M",
                               "Label2",
                               "M",
                               "IncrementaSaida",
                               "DecrementaSaida");
    m_localRemotoBTN = m_groupBox2->findChild<QToolButton *>(QStringLiteral("LocalRemotoBTN"));
    m_label1 = m_groupBox2->findChild<QLabel *>(QStringLiteral("Label1"));
    m_incrementaSP = m_groupBox2->findChild<QToolButton *>(QStringLiteral("IncrementaSP"));
    m_decrementaSP = m_groupBox2->findChild<QToolButton *>(QStringLiteral("DecrementaSP"));
    m_autoManualBTN = m_groupBox3->findChild<QToolButton *>(QStringLiteral("AutoManualBTN"));
    m_label2 = m_groupBox3->findChild<QLabel *>(QStringLiteral("Label2"));
    m_incrementaSaida = m_groupBox3->findChild<QToolButton *>(QStringLiteral("IncrementaSaida"));
    m_decrementaSaida = m_groupBox3->findChild<QToolButton *>(QStringLiteral("DecrementaSaida"));
    const QString sourceHint
        = QStringLiteral("Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)");
    const QString modeHint = QString::fromUtf8(
        "Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual");
    m_localRemotoBTN->setToolTip(sourceHint);
    m_label1->setToolTip(sourceHint);
    m_autoManualBTN->setToolTip(modeHint);
    m_label2->setToolTip(modeHint);
    modes->addWidget(m_groupBox2);
    modes->addWidget(m_groupBox3);
    layout->addLayout(modes);

    auto *buttons = new QHBoxLayout;
    m_configBTN = named(new QToolButton(column), "ConfigBTN");
    m_configBTN->setIcon(settingsIcon());
    m_configBTN->setToolTip(QString::fromUtf8("Exibe/Oculta Configuração do Controlador"));
    m_trendButton = named(new QToolButton(column), "TrendButton");
    m_trendButton->setIcon(trendIcon());
    m_trendButton->setToolTip(QString::fromUtf8("Exibe/Oculta Gráficos de Tendência"));
    m_speedButton1 = named(new QToolButton(column), "SpeedButton1");
    m_speedButton1->setText(QStringLiteral("?"));
    m_sairButton = named(new QToolButton(column), "SairBTN");
    m_sairButton->setIcon(QIcon(QStringLiteral(":/pictures/menu/sair.png")));
    m_sairButton->setToolTip(QStringLiteral("Sair"));
    buttons->addWidget(m_configBTN);
    buttons->addWidget(m_trendButton);
    buttons->addStretch();
    buttons->addWidget(m_speedButton1);
    buttons->addWidget(m_sairButton);
    layout->addLayout(buttons);
    layout->addStretch();
    return column;
}

QWidget *TControlador::buildTrendPage()
{
    auto *page = new QWidget(m_rightArea);
    page->setObjectName(QStringLiteral("TrendPage"));

    auto *traces = new QWidget(page);
    auto *traceRow = new QHBoxLayout(traces);
    traceRow->setContentsMargins(0, 0, 0, 0);
    const auto newTrace
        = [traces, traceRow](const char *objectName, const char *text, const QColor &colour) {
              auto *box = named(new QCheckBox(QString::fromUtf8(text), traces), objectName);
              box->setStyleSheet(colourSheet("QCheckBox", colour));
              traceRow->addWidget(box);
              return box;
          };
    m_mostrarPV = newTrace("MostrarPV", "PV", kPvColour);
    m_mostrarSP = newTrace("MostrarSP", "SP", kSpColour);
    m_mostrarCO = newTrace("MostrarCO", "CO", kCoColour);
    m_mostrarAtuador = newTrace("MostrarAtuador", "Pos. Atuador", Qt::black);
    traceRow->addStretch();
    m_speedButton2 = named(new QToolButton(traces), "SpeedButton2");
    m_speedButton2->setCheckable(true);
    m_speedButton2->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    m_speedButton2->setToolTip(QStringLiteral("Pausar"));
    traceRow->addWidget(m_speedButton2);
    traces->setGeometry(kStripLeft, 2, TrendStrip::kWidth, 26);

    // PV, SP and CO follow the thick-line option; the actuator position stays thin.
    auto *strip = new TrendStrip(
        page,
        [this]() -> const Trend * {
            const Controller *model = controller();
            return model ? &model->trend : nullptr;
        },
        {{kPvColour}, {kSpColour}, {kCoColour}, {Qt::black, false}},
        [this](int trace) {
            const Controller *model = controller();
            if (!model)
                return false;
            const ControllerFaceplate &faceplate = model->faceplate;
            const bool shown[] = {faceplate.MostrarPV,
                                  faceplate.MostrarSP,
                                  faceplate.MostrarCO,
                                  faceplate.MostrarAtuador};
            return shown[trace];
        },
        QPalette::Mid,
        // The paper fills the strip but for its one-pixel frame.
        QSize(Trend::kRingSize + 1, Trend::kTopPoint + 2));
    strip->setCursor(Qt::CrossCursor);
    strip->move(kStripLeft, kStripTop);
    connect(strip, &TrendStrip::pressed, this, [this](QPoint at, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Image1MouseDown(at.x(), at.y());
    });
    connect(strip, &TrendStrip::doubleClicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Image1DblClick();
    });
    m_image1 = strip;

    // Left scale (PV and SP, engineering units) and right scale (CO and actuator, percent),
    // each text centred on its grid line.
    const auto lineY = [](int tens) {
        return kStripTop + TrendStrip::GridLineY(10 - tens);
    };
    const QString leftSheet = colourSheet("QLabel", kPvColour);
    for (int j = 9; j >= 1; --j) {
        const std::string name = "Label" + FormatFixed(12 - j, 0, 0);
        QLabel *label = newLabel(page, name.c_str(), FormatFixed(10.0 * j, 2, 0).c_str());
        label->setStyleSheet(leftSheet);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(0, lineY(j) - 8, kStripLeft - 4, 16);
        m_scaleLabels[static_cast<std::size_t>(j)] = label;
    }
    const auto newBound = [&](const char *objectName, int tens) {
        QLineEdit *bound = newEdit(page, objectName);
        bound->setFrame(false);
        bound->setAlignment(Qt::AlignRight);
        bound->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: transparent; }")
                                 .arg(kPvColour.name()));
        bound->setGeometry(0, lineY(tens) - 9, kStripLeft - 3, 18);
        return bound;
    };
    m_eSupText = newBound("eSupText", 10);
    m_eInfText = newBound("eInfText", 0);
    m_yLabel = newLabel(page, "StaticText13", "Y");
    m_yLabel->setStyleSheet(leftSheet);
    // At the scale column's right end, however wide the column grows.
    m_yLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_yLabel->setGeometry(kStripLeft - 18, 6, 14, 16);
    const char *const rightNames[] = {"StaticText12",
                                      "StaticText11",
                                      "StaticText10",
                                      "StaticText9",
                                      "StaticText8",
                                      "StaticText6",
                                      "StaticText5",
                                      "StaticText4",
                                      "StaticText3",
                                      "StaticText2",
                                      "StaticText7"};
    const QString rightSheet = colourSheet("QLabel", kCoColour);
    for (int tens = 0; tens <= 10; ++tens) {
        QLabel *label = newLabel(page, rightNames[tens], FormatFixed(10.0 * tens, 1, 0).c_str());
        label->setStyleSheet(rightSheet);
        label->setGeometry(kStripLeft + TrendStrip::kWidth + 3, lineY(tens) - 8, 32, 16);
    }

    const int below = kStripTop + TrendStrip::kHeight + 2;
    m_staticText14 = newLabel(page, "StaticText14", "X (segundos)");
    m_staticText14->setAlignment(Qt::AlignCenter);
    m_staticText14->setGeometry(kStripLeft, below, TrendStrip::kWidth, 18);
    m_label21 = newLabel(page, "Label21", kInitialArchiveIndicator);
    m_label21->setStyleSheet(colourSheet("QLabel", Qt::red));
    m_label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label21->setGeometry(kStripLeft + TrendStrip::kWidth - 190, below, 190, 18);
    m_label21->hide();
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);

    auto *options = new QWidget(page);
    auto *grid = new QGridLayout(options);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    m_baseTempoBox = named(new QComboBox(options), "BaseTempoBox");
    for (const char *item : {"3 segundos", "9 segundos", "1 minuto"})
        m_baseTempoBox->addItem(QString::fromUtf8(item));
    m_label17 = newLabel(options, "Label17", "Tempo: 1 divisão =");
    m_label17->hide();
    m_checkBox2 = named(new QCheckBox(QStringLiteral("Linha Grossa"), options), "CheckBox2");
    m_staticText1 = newLabel(options, "StaticText1", "Escala");
    m_escalaAuto = named(new QCheckBox(QStringLiteral("Auto"), options), "EscalaAuto");
    m_checkBox1 = named(new QCheckBox(QStringLiteral("Arquivar"), options), "CheckBox1");
    m_checkBox1->setToolTip(QStringLiteral("Salvar novos dados em arquivo TXT"));
    m_checkBox1->setEnabled(false);
    m_usarVirgula
        = named(new QCheckBox(QStringLiteral("Utilizar ',' como separador decimal"), options),
                "UsarVirgula");
    m_usarUE = named(new QCheckBox(QStringLiteral("Salvar valores em Unid. de Eng."), options),
                     "UsarUE");
    auto *scaleBox = new QHBoxLayout;
    scaleBox->addWidget(m_staticText1);
    scaleBox->addWidget(m_escalaAuto);
    grid->addWidget(m_baseTempoBox, 0, 0);
    grid->addWidget(m_checkBox2, 0, 1);
    grid->addLayout(scaleBox, 0, 2);
    grid->addWidget(m_checkBox1, 0, 3);
    // The two long archive options get a row each, so that neither is cut.
    grid->addWidget(m_usarVirgula, 1, 0, 1, 4);
    grid->addWidget(m_usarUE, 2, 0, 1, 4);
    options->setGeometry(kStripLeft, below + 20, TrendStrip::kWidth, 72);

    m_panel3 = named(new QFrame(page), "Panel3");
    m_panel3->setFrameShape(QFrame::StyledPanel);
    m_panel3->setAutoFillBackground(true);
    QPalette readoutPalette = m_panel3->palette();
    readoutPalette.setColor(QPalette::Window, kReadoutColour);
    m_panel3->setPalette(readoutPalette);
    auto *readouts = new QGridLayout(m_panel3);
    readouts->setContentsMargins(6, 2, 6, 2);
    readouts->setVerticalSpacing(0);
    for (int s = 1; s <= Trend::kReadoutCount; ++s) {
        const std::string name = "CoodsText" + FormatFixed(s, 0, 0);
        const std::string text = "Ponto " + FormatFixed(s, 0, 0) + ":";
        QLabel *readout = newLabel(m_panel3, name.c_str(), text.c_str());
        m_coodsTexts[static_cast<std::size_t>(s)] = readout;
        // Two a row: three cut a readout's time ("X=10" for "X=10.0").
        readouts->addWidget(readout, (s - 1) / 2, (s - 1) % 2);
    }
    m_panel3->setGeometry(kStripLeft, below + 94, TrendStrip::kWidth, 56);
    m_panel3->hide();

    // The markers sit over the strip; their numbers may reach above it.
    const char *const markerLabels[]
        = {"", "Label12", "Label13", "Label14", "Label15", "Label16", "Label18"};
    for (int s = 1; s <= Trend::kReadoutCount; ++s) {
        const std::string name = "Shape" + FormatFixed(s, 0, 0);
        auto *shape = named(new MarkerShape(page), name.c_str());
        QLabel *number = newLabel(page, markerLabels[s], FormatFixed(s, 0, 0).c_str());
        number->setStyleSheet(colourSheet("QLabel", Qt::red));
        number->setAttribute(Qt::WA_TransparentForMouseEvents);
        number->adjustSize();
        shape->hide();
        number->hide();
        m_shapes[static_cast<std::size_t>(s)] = shape;
        m_markerLabels[static_cast<std::size_t>(s)] = number;
    }

    page->setFixedSize(kTrendPageWidth, below + 154);
    m_stripLeft = kStripLeft;
    return page;
}

QWidget *TControlador::buildConfigurationPanel()
{
    auto *panel = new QWidget(m_panel2);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    const auto newGroup = [panel](const char *objectName, const char *title) {
        return named(new QGroupBox(QString::fromUtf8(title), panel), objectName);
    };
    const auto compact = [](QGridLayout *layout) {
        layout->setContentsMargins(4, 2, 4, 4);
        layout->setVerticalSpacing(2);
    };

    m_groupBox1 = newGroup("GroupBox1", "Identificação");
    m_tagText = newTextEdit(m_groupBox1, "TagText");
    m_descricao = newTextEdit(m_groupBox1, "Descricao");
    auto *identification = new QGridLayout(m_groupBox1);
    compact(identification);
    identification->addWidget(newLabel(m_groupBox1, "TagLabel", "Tag"), 0, 0);
    identification->addWidget(m_tagText, 0, 1);
    identification->addWidget(newLabel(m_groupBox1, "DescLabel", "Desc"), 1, 0);
    identification->addWidget(m_descricao, 1, 1);
    grid->addWidget(m_groupBox1, 0, 0);

    m_parametrosGroup = newGroup("ParametrosGroup", "Parâmetros");
    m_kpText = newEdit(m_parametrosGroup, "KpText", "Ganho Proporcional (adimensional)");
    m_kiText = newEdit(m_parametrosGroup, "KiText", "Tempo Integral (segundos)");
    m_kdText = newEdit(m_parametrosGroup, "KdText", "Tempo Derivativo (segundos)");
    m_aText = newEdit(m_parametrosGroup, "aText", "Influencia do SP na ação Proporcinal (0 a 1)");
    m_tfText
        = newEdit(m_parametrosGroup, "tfText", "Contante de Tempo do Filtro da ação Derivativa");
    m_biasText = newEdit(
        m_parametrosGroup, "BiasText", "Valor Constante a ser Somado na Saída do Controlador");
    m_label35 = newLabel(m_parametrosGroup, "Label35", "Fator SP (a):");
    m_label41 = newLabel(m_parametrosGroup, "Label41", "Filtro D talF(s):");
    m_pchk = named(new QCheckBox(QStringLiteral("P"), m_parametrosGroup), "PCHK");
    m_ichk = named(new QCheckBox(QStringLiteral("I"), m_parametrosGroup), "ICHK");
    m_dchk = named(new QCheckBox(QStringLiteral("D"), m_parametrosGroup), "DCHK");
    auto *parameters = new QGridLayout(m_parametrosGroup);
    compact(parameters);
    parameters->addWidget(newLabel(m_parametrosGroup, "KcLabel", "Kc:"), 0, 0);
    parameters->addWidget(m_kpText, 0, 1);
    parameters->addWidget(m_pchk, 0, 2);
    parameters->addWidget(newLabel(m_parametrosGroup, "TiLabel", "Ti(seg):"), 1, 0);
    parameters->addWidget(m_kiText, 1, 1);
    parameters->addWidget(m_ichk, 1, 2);
    parameters->addWidget(newLabel(m_parametrosGroup, "TdLabel", "Td(seg):"), 2, 0);
    parameters->addWidget(m_kdText, 2, 1);
    parameters->addWidget(m_dchk, 2, 2);
    parameters->addWidget(m_label35, 3, 0);
    parameters->addWidget(m_aText, 3, 1);
    parameters->addWidget(m_label41, 4, 0);
    parameters->addWidget(m_tfText, 4, 1);
    parameters->addWidget(newLabel(m_parametrosGroup, "BiasLabel", "Bias(%)"), 5, 0);
    parameters->addWidget(m_biasText, 5, 1);
    grid->addWidget(m_parametrosGroup, 1, 0, 2, 1);

    m_groupBox4 = newGroup("GroupBox4", "Limites de Saída");
    m_cominText = newEdit(m_groupBox4, "COminText", "Limite Inferior da CO");
    m_comaxText = newEdit(m_groupBox4, "COmaxText", "Limite Superior da CO");
    auto *limits = new QGridLayout(m_groupBox4);
    compact(limits);
    limits->addWidget(newLabel(m_groupBox4, "COminLabel", "CO Min.:"), 0, 0);
    limits->addWidget(m_cominText, 0, 1);
    limits->addWidget(newLabel(m_groupBox4, "COmaxLabel", "CO Max.:"), 0, 2);
    limits->addWidget(m_comaxText, 0, 3);
    grid->addWidget(m_groupBox4, 3, 0);

    m_escalaGroup = newGroup("EscalaGroup", "Escala");
    m_inicioEscala = newEdit(m_escalaGroup, "InicioEscala");
    m_fimEscala = newEdit(m_escalaGroup, "FimEscala");
    m_unidEng = newEdit(m_escalaGroup, "UnidEng");
    m_label37 = newLabel(m_escalaGroup, "Label37", "Início");
    m_label38 = newLabel(m_escalaGroup, "Label38", "Final");
    m_label39 = newLabel(m_escalaGroup, "Label39", "Unid.");
    auto *scale = new QGridLayout(m_escalaGroup);
    compact(scale);
    int column = 0;
    for (auto [label, edit] : {std::pair{m_label37, m_inicioEscala},
                               std::pair{m_label38, m_fimEscala},
                               std::pair{m_label39, m_unidEng}}) {
        edit->setReadOnly(true);
        scale->addWidget(label, 0, column);
        scale->addWidget(edit, 1, column++);
    }
    grid->addWidget(m_escalaGroup, 0, 1);

    const auto newChoice = [&](const char *objectName,
                               const char *title,
                               const char *first,
                               const char *second,
                               QButtonGroup *&buttons) {
        QGroupBox *group = newGroup(objectName, title);
        auto *items = new QVBoxLayout(group);
        items->setContentsMargins(4, 0, 4, 2);
        items->setSpacing(0);
        buttons = new QButtonGroup(group);
        int id = 0;
        for (const char *text : {first, second}) {
            auto *item = new QRadioButton(QString::fromUtf8(text), group);
            buttons->addButton(item, id++);
            items->addWidget(item);
        }
        return group;
    };
    m_acaogroup = newChoice(
        "Acaogroup", "Tipo Processo", "Resposta Reversa", "Resposta Direta", m_acaoButtons);
    m_acaogroup->setToolTip(
        QString::fromUtf8("Resposta Direta: Aumento na MV causa aumento na PV; Resposta  "
                          "Reversa: Aumento  na MV causa Diminuição da PV"));
    m_estruturaGroup
        = newChoice("EstruturaGroup", "Estrutura", "Paralela", "ISA (mista)", m_estruturaButtons);
    m_estruturaGroup->setToolTip(QString::fromUtf8("Estrutura ISA: Ganho Kc em Evidência"));
    m_derivadaGroup
        = newChoice("DerivadaGroup", "Derivada", "Sobre o Erro", "Sobre a PV", m_derivadaButtons);
    auto *choices = new QHBoxLayout;
    choices->setSpacing(4);
    choices->addWidget(m_estruturaGroup);
    choices->addWidget(m_derivadaGroup);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(4);
    rightColumn->addWidget(m_acaogroup);
    rightColumn->addLayout(choices);
    grid->addLayout(rightColumn, 1, 1);

    auto *configGroup = named(new QFrame(panel), "ConfigGroup");
    configGroup->setFrameShape(QFrame::StyledPanel);
    auto *memories = new QGridLayout(configGroup);
    compact(memories);
    m_variavelSelect = newMemoryList(configGroup, "VariavelSelect");
    m_variavelSelect->setToolTip(QString::fromUtf8("Seleciona Variável de Processo"));
    m_checkSPR = named(new QCheckBox(QStringLiteral("SPR"), configGroup), "CheckSPR");
    m_sprSelect = newMemoryList(configGroup, "SPRSelect");
    m_sprSelect->setEnabled(false);
    const QString remoteHint = QString::fromUtf8("Endereço para Setpoint Remoto");
    m_checkSPR->setToolTip(remoteHint);
    m_sprSelect->setToolTip(remoteHint);
    m_backMVCheck = named(new QCheckBox(QString::fromUtf8("End. p/ Realim.de MV:"), configGroup),
                          "BackMVCheck");
    m_backMV = newMemoryList(configGroup, "BackMV");
    m_ffwSelect = named(new QCheckBox(QStringLiteral("FF"), configGroup), "FFwSelect");
    m_ffwEquation = newEdit(configGroup, "FFwEquation");
    const QString feedForwardHint
        = QString::fromUtf8("Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)");
    m_ffwSelect->setToolTip(feedForwardHint);
    m_ffwEquation->setToolTip(feedForwardHint);
    for (QComboBox *list : {m_variavelSelect, m_sprSelect, m_backMV})
        list->setMinimumContentsLength(10);
    memories->addWidget(newLabel(configGroup, "PVLabel", "PV"), 0, 0);
    memories->addWidget(m_variavelSelect, 0, 1);
    memories->addWidget(m_checkSPR, 1, 0);
    memories->addWidget(m_sprSelect, 1, 1);
    memories->addWidget(m_backMVCheck, 2, 0);
    memories->addWidget(m_backMV, 2, 1);
    memories->addWidget(m_ffwSelect, 3, 0);
    memories->addWidget(m_ffwEquation, 3, 1);
    grid->addWidget(configGroup, 2, 1);

    m_btnatualiza = named(new QPushButton(QStringLiteral("Atualizar"), panel), "btnatualiza");
    m_btnatualiza->setEnabled(false);
    grid->addWidget(m_btnatualiza, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setRowStretch(4, 1);

    for (QLineEdit *edit : panel->findChildren<QLineEdit *>())
        edit->setMinimumWidth(40);
    return panel;
}

// ---- User edits -> model.

void TControlador::connectSettings()
{
    connectSettingText(m_tagText, &ControllerSettings::TagText);
    connectSettingText(m_descricao, &ControllerSettings::Descricao);
    connectSettingText(m_kpText, &ControllerSettings::KpText);
    connectSettingText(m_kiText, &ControllerSettings::KiText);
    connectSettingText(m_kdText, &ControllerSettings::KdText);
    connectSettingText(m_aText, &ControllerSettings::aText);
    connectSettingText(m_tfText, &ControllerSettings::tfText);
    connectSettingText(m_biasText, &ControllerSettings::BiasText);
    connectSettingText(m_cominText, &ControllerSettings::COminText);
    connectSettingText(m_comaxText, &ControllerSettings::COmaxText);
    connectSettingText(m_ffwEquation, &ControllerSettings::FFwEquation);

    const auto connectBox = [this](QCheckBox *box, bool ControllerSettings::*setting) {
        connect(box, &QCheckBox::clicked, this, [this, setting](bool checked) {
            editSettings([&](ControllerSettings &s) { s.*setting = checked; });
        });
    };
    connectBox(m_pchk, &ControllerSettings::PCHK);
    connectBox(m_ichk, &ControllerSettings::ICHK);
    connectBox(m_dchk, &ControllerSettings::DCHK);
    connectBox(m_backMVCheck, &ControllerSettings::BackMVCheck);
    connectBox(m_ffwSelect, &ControllerSettings::FFwSelect);

    const auto connectChoice = [this](QButtonGroup *buttons, int ControllerSettings::*setting) {
        connect(buttons, &QButtonGroup::idClicked, this, [this, setting](int id) {
            editSettings([&](ControllerSettings &s) { s.*setting = id; });
        });
    };
    connectChoice(m_acaoButtons, &ControllerSettings::Acaogroup);
    connectChoice(m_estruturaButtons, &ControllerSettings::EstruturaGroup);
    connectChoice(m_derivadaButtons, &ControllerSettings::DerivadaGroup);

    const auto connectList = [this](QComboBox *list, int ControllerSettings::*setting) {
        connect(list, &QComboBox::activated, this, [this, setting](int index) {
            const Controller *model = controller();
            // Picking the item already chosen changes nothing.
            if (model && model->Settings().*setting != index)
                editSettings([&](ControllerSettings &s) { s.*setting = index; });
        });
    };
    connectList(m_variavelSelect, &ControllerSettings::VariavelSelect);
    connectList(m_sprSelect, &ControllerSettings::SPRSelect);
    // The step reads this choice directly; it waits for no Apply.
    connect(m_backMV, &QComboBox::activated, this, [this](int index) {
        Controller *model = controller();
        if (!model || model->Settings().BackMV == index)
            return;
        model->LoadSettings([&](ControllerSettings &s) { s.BackMV = index; });
        m_session.MarkChanged();
    });
    connect(m_checkSPR, &QCheckBox::clicked, this, [this](bool checked) {
        if (Controller *model = controller()) {
            model->SetCheckSPR(checked);
            m_session.MarkChanged();
            showSettings();
        }
    });
    m_variavelSelect->installEventFilter(this);
    m_sprSelect->installEventFilter(this);

    connect(m_btnatualiza, &QPushButton::clicked, this, &TControlador::btnatualizaClick);
}

void TControlador::connectOperator()
{
    const auto connectButton = [this](QAbstractButton *button, void (*action)(Controller &)) {
        connect(button, &QAbstractButton::clicked, this, [this, action] { operate(action); });
    };
    connectButton(m_incrementaSP, RaiseSetpoint);
    connectButton(m_decrementaSP, LowerSetpoint);
    connectButton(m_incrementaSaida, RaiseOutput);
    connectButton(m_decrementaSaida, LowerOutput);
    connectButton(m_localRemotoBTN, ToggleLocalRemote);
    connectButton(m_button2, SendOutput);
    connect(m_autoManualBTN, &QToolButton::clicked, this, &TControlador::AutoManualBTNClick);
    connect(m_spText, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (Controller *model = controller())
            TypeSetpointText(*model, text.toStdString());
    });
    connect(m_mvText, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (Controller *model = controller()) {
            TypeOutputText(*model, text.toStdString());
            showOperator();
        }
    });
    for (QLineEdit *edit : {m_spText, m_mvText, m_eSupText, m_eInfText})
        edit->installEventFilter(this);

    connect(m_configBTN, &QToolButton::clicked, this, [this] {
        if (Controller *model = controller()) {
            PressConfigButton(*model);
            showLayout();
        }
    });
    connect(m_trendButton, &QToolButton::clicked, this, [this] {
        if (Controller *model = controller()) {
            PressTrendButton(*model);
            showLayout();
            showTrendControls();
        }
    });
    connect(m_speedButton1, &QToolButton::clicked, this, &TControlador::SpeedButton1Click);
    connect(m_sairButton, &QToolButton::clicked, this, &TControlador::SairButtonClick);
}

void TControlador::connectTrend()
{
    // The strip's own settings are not part of the plant file.
    const auto connectTrace = [this](QCheckBox *box, bool ControllerFaceplate::*shown) {
        connect(box, &QCheckBox::clicked, this, [this, shown](bool checked) {
            if (Controller *model = controller()) {
                model->faceplate.*shown = checked;
                m_image1->update();
            }
        });
    };
    connectTrace(m_mostrarPV, &ControllerFaceplate::MostrarPV);
    connectTrace(m_mostrarSP, &ControllerFaceplate::MostrarSP);
    connectTrace(m_mostrarCO, &ControllerFaceplate::MostrarCO);
    connectTrace(m_mostrarAtuador, &ControllerFaceplate::MostrarAtuador);
    const auto connectOption = [this](QCheckBox *box, bool Trend::*option) {
        connect(box, &QCheckBox::clicked, this, [this, option](bool checked) {
            if (Controller *model = controller()) {
                model->trend.*option = checked;
                m_image1->update();
            }
        });
    };
    connectOption(m_checkBox2, &Trend::CheckBox2);
    connectOption(m_usarVirgula, &Trend::UsarVirgula);
    connectOption(m_usarUE, &Trend::UsarUE);
    connect(m_baseTempoBox, &QComboBox::activated, this, [this](int index) {
        if (Controller *model = controller()) {
            model->trend.SetTimeBase(index);
            showTrendControls();
        }
    });
    connect(m_escalaAuto, &QCheckBox::clicked, this, [this](bool checked) {
        if (Controller *model = controller()) {
            SetTrendAutoScale(*model, m_session.plant().memories, checked);
            showObject();
        }
    });
    connect(m_eSupText, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (Controller *model = controller())
            model->trend.eSupText = text.toStdString();
        fitScaleColumn();
    });
    connect(m_eInfText, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (Controller *model = controller())
            model->trend.eInfText = text.toStdString();
        fitScaleColumn();
    });
    connect(m_speedButton2, &QToolButton::clicked, this, [this] {
        if (Controller *model = controller())
            ToggleTrendPause(*model);
        showTrendControls();
    });
    connect(m_checkBox1, &QCheckBox::clicked, this, &TControlador::CheckBox1Click);
    connect(m_timer1, &QTimer::timeout, this, [this] {
        m_label21->setVisible(!m_label21->isVisible());
    });
}

void TControlador::editSettings(const std::function<void(ControllerSettings &)> &change)
{
    Controller *model = controller();
    if (!model)
        return;
    model->EditSettings(change);
    m_session.MarkChanged();
    showSettings();
}

void TControlador::connectSettingText(QLineEdit *edit, std::string ControllerSettings::*setting)
{
    connect(edit, &QLineEdit::textEdited, this, [this, setting](const QString &text) {
        const std::string value = text.toStdString();
        editSettings([&](ControllerSettings &s) { s.*setting = value; });
    });
}

void TControlador::operate(const std::function<void(Controller &)> &action)
{
    Controller *model = controller();
    if (!model)
        return;
    const auto saved = [](const Controller &c) {
        return std::tuple(c.local, c.automatic, c.Setpoint, c.co);
    };
    const auto before = saved(*model);
    action(*model);
    if (saved(*model) != before)
        m_session.MarkChanged();
    showOperator();
}

void TControlador::btnatualizaClick()
{
    Controller *model = controller();
    if (!model)
        return;
    const std::vector<std::string> messages = ApplyFromPanel(*model, m_session.plant().memories);
    showObject();
    if (reportMessages(messages))
        return;
    m_session.RefreshMainWindow();
    m_session.MarkChanged();
}

void TControlador::AutoManualBTNClick()
{
    operate(ToggleAutoManual);
    showTrendControls();
    // The icon on the picture shows the mode.
    m_session.RefreshMainWindow();
}

void TControlador::CheckBox1Click(bool checked)
{
    Controller *model = controller();
    if (!model)
        return;
    std::string message;
    if (!checked)
        message = model->trend.StopArchive();
    else if (chooseTrendArchiveFolder())
        message = model->StartTrendArchive(localPath(m_session.TrendArchiveFolder),
                                           m_session.language());
    showArchiveState();
    if (!message.empty())
        m_dialogs.inform(this, toQString(message));
}

bool TControlador::chooseTrendArchiveFolder()
{
    if (!m_session.TrendArchiveFolder.isEmpty())
        return true;
    const Controller *model = controller();
    FileDialogRequest request;
    request.title = trText(m_session.language(), "Selecione uma pasta", "Select a folder");
    request.folder
        = m_session.CurrentFolder.isEmpty() ? m_session.StartFolder : m_session.CurrentFolder;
    request.fileName = toQString(model->Settings().TagText + "_1.txt");
    request.filter = QStringLiteral("TXT (*.txt)");
    request.mustExist = false;
    // Cancelling leaves the archive off rather than asking again and again.
    const QString chosen = m_dialogs.openFile(this, request);
    if (chosen.isEmpty())
        return false;
    const QString folder = QFileInfo(chosen).absolutePath();
    QDir::setCurrent(folder);
    m_session.TrendArchiveFolder = folder + QLatin1Char('/');
    return true;
}

void TControlador::Image1MouseDown(int x, int y)
{
    Controller *model = controller();
    if (model && model->trend.Readout(x, y))
        showTrendControls();
}

void TControlador::Image1DblClick()
{
    // Rescales the strip; valid edits waiting in the panel are taken over without messages.
    if (Controller *model = controller()) {
        model->ApplyControllerSettings(m_session.plant().memories, false);
        showObject();
    }
}

void TControlador::memoryListEnter(QComboBox *list)
{
    // Renamed in place, so the choice stays and a save keeps it.
    const MemoryTable &memories = m_session.plant().memories;
    const QSignalBlocker blocker(list);
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
        list->setItemText(k - 1, toQString(TwoDigits(k) + " " + memories.Description(k)));
}

void TControlador::FormActivate()
{
    if (Controller *model = controller()) {
        ActivateFaceplate(*model, m_session.plant().memories);
        showObject();
    }
    applyTexts();
}

// ---- Model -> widgets.

void TControlador::showObject()
{
    if (!controller())
        return;
    showCaption();
    showOperator();
    showSettings();
    showLayout();
    showTrendControls();
}

void TControlador::showOperator()
{
    const Controller *model = controller();
    if (!model)
        return;
    const ControllerFaceplate &f = model->faceplate;
    // A long word (a pasted name) breaks where the column ends, like the words around it.
    if (const QString title = WrappableText(toQString(f.DescricaoText));
        m_descricaoText->text() != title) {
        m_descricaoText->setText(title);
        // The column's width is fixed: a long title grows downwards.
        const auto *panel1 = static_cast<const QFrame *>(m_descricaoText->parentWidget());
        const int titleWidth = kFaceplateColumnWidth - 2 * panel1->frameWidth() - 4;
        m_descricaoText->setMinimumHeight(std::max(m_descricaoText->fontMetrics().height() + 4,
                                                   m_descricaoText->heightForWidth(titleWidth)));
        RelayoutNow(m_descricaoText);
    }
    showText(m_unitEngSP, f.UnitEngSP);
    showText(m_spText, f.SPText);
    showText(m_pvText, f.PVText);
    showText(m_mvText, f.MVText);
    m_sprBar->setValue(f.SPRBar);
    m_setPointBar->setValue(f.SetPointBar);
    m_variavelBar->setValue(f.VariavelBar);
    m_saidaBar->setValue(f.SaidaBar);
    // With a remote setpoint the narrow gauge beside the setpoint shows it.
    m_sprBar->setVisible(f.SPRBarShown);
    m_setPointBar->setFixedWidth(f.SPRBarShown ? 15 : 22);
    showEnabled(m_button2, f.Button2Enabled);
    showEnabled(m_localRemotoBTN, f.LocalRemotoBTNEnabled);
    showText(m_label1, SetpointSourceLabel(*model));
    showText(m_label2, ModeLabel(*model));
    showEnabled(m_incrementaSP, SetpointButtonsEnabled(*model));
    showEnabled(m_decrementaSP, SetpointButtonsEnabled(*model));
    showEnabled(m_incrementaSaida, OutputButtonsEnabled(*model));
    showEnabled(m_decrementaSaida, OutputButtonsEnabled(*model));
}

void TControlador::showSettings()
{
    const Controller *model = controller();
    if (!model)
        return;
    const ControllerSettings &s = model->Settings();
    showText(m_tagText, s.TagText);
    showText(m_descricao, s.Descricao);
    showText(m_kpText, s.KpText);
    showText(m_kiText, s.KiText);
    showText(m_kdText, s.KdText);
    showText(m_aText, s.aText);
    showText(m_tfText, s.tfText);
    showText(m_biasText, s.BiasText);
    showText(m_cominText, s.COminText);
    showText(m_comaxText, s.COmaxText);
    showText(m_ffwEquation, s.FFwEquation);
    showText(m_inicioEscala, s.InicioEscala);
    showText(m_fimEscala, s.FimEscala);
    showText(m_unidEng, s.UnidEng);
    showChecked(m_pchk, s.PCHK);
    showChecked(m_ichk, s.ICHK);
    showChecked(m_dchk, s.DCHK);
    showChecked(m_checkSPR, s.CheckSPR);
    showChecked(m_backMVCheck, s.BackMVCheck);
    showChecked(m_ffwSelect, s.FFwSelect);
    const std::pair<QButtonGroup *, int> choices[] = {{m_acaoButtons, s.Acaogroup},
                                                      {m_estruturaButtons, s.EstruturaGroup},
                                                      {m_derivadaButtons, s.DerivadaGroup}};
    for (const auto &[buttons, position] : choices) {
        const QSignalBlocker blocker(buttons);
        if (QAbstractButton *item = buttons->button(position))
            item->setChecked(true);
    }
    showIndex(m_variavelSelect, s.VariavelSelect);
    showIndex(m_sprSelect, s.SPRSelect);
    showIndex(m_backMV, s.BackMV);
    m_sprSelect->setEnabled(s.CheckSPR);
    m_btnatualiza->setEnabled(model->faceplate.btnatualizaEnabled);
    m_configBTN->setEnabled(model->faceplate.ConfigBTNEnabled);
}

void TControlador::showLayout()
{
    const Controller *model = controller();
    if (!model)
        return;
    const FaceplateLayout shown = model->faceplate.layout;
    m_rightArea->setCurrentWidget(
        shown == FaceplateLayout::Configuration ? static_cast<QWidget *>(m_panel2) : m_trendPage);
    m_rightArea->setVisible(shown != FaceplateLayout::Collapsed);
    m_configBTN->setEnabled(model->faceplate.ConfigBTNEnabled);
    // Resize now, not at the next event round.
    layout()->activate();
}

void TControlador::showTrendControls()
{
    const Controller *model = controller();
    if (!model)
        return;
    const ControllerFaceplate &f = model->faceplate;
    const Trend &trend = model->trend;
    showChecked(m_mostrarPV, f.MostrarPV);
    showChecked(m_mostrarSP, f.MostrarSP);
    showChecked(m_mostrarCO, f.MostrarCO);
    showChecked(m_mostrarAtuador, f.MostrarAtuador);
    showChecked(m_checkBox2, trend.CheckBox2);
    showChecked(m_usarVirgula, trend.UsarVirgula);
    showChecked(m_usarUE, trend.UsarUE);
    showChecked(m_escalaAuto, trend.EscalaAuto);
    showIndex(m_baseTempoBox, trend.TimeBase());
    showText(m_eSupText, trend.eSupText);
    showText(m_eInfText, trend.eInfText);
    for (int j = 1; j <= 9; ++j)
        showText(m_scaleLabels[static_cast<std::size_t>(j)], trend.ScaleLabel(j));

    m_speedButton2->setChecked(trend.Paused());
    m_speedButton2->setIcon(
        style()->standardIcon(trend.Paused() ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    m_panel3->setVisible(trend.Paused());
    for (int s = 1; s <= Trend::kReadoutCount; ++s) {
        const auto at = static_cast<std::size_t>(s);
        showText(m_coodsTexts[at], trend.ReadoutText(s));
        const TrendMarker marker = trend.Marker(s);
        m_shapes[at]->setVisible(marker.shown);
        m_markerLabels[at]->setVisible(marker.shown);
        if (marker.shown) {
            m_shapes[at]->move(m_stripLeft + marker.x, kStripTop + marker.y);
            m_markerLabels[at]->move(m_stripLeft + marker.x + 5, kStripTop + marker.y - 12);
            m_shapes[at]->raise();
            m_markerLabels[at]->raise();
        }
    }
    showArchiveState();
    fitScaleColumn();
    m_image1->update();
}

void TControlador::fitScaleColumn()
{
    std::vector<QWidget *> column{m_eSupText, m_eInfText, m_yLabel};
    for (int j = 1; j <= 9; ++j)
        column.push_back(m_scaleLabels[static_cast<std::size_t>(j)]);
    // The configuration panel covers the trend page exactly.
    m_stripLeft = FitScaleColumn(m_trendPage, m_stripLeft, kStripLeft, column, {m_panel2});
}

void TControlador::showArchiveState()
{
    const Controller *model = controller();
    if (!model)
        return;
    const bool archiving = model->trend.Archiving();
    showChecked(m_checkBox1, archiving);
    m_checkBox1->setEnabled(archiving || model->faceplate.CheckBox1Enabled);
    // The file's name and time step are fixed while it is written.
    for (QWidget *held : {static_cast<QWidget *>(m_eSupText),
                          static_cast<QWidget *>(m_eInfText),
                          static_cast<QWidget *>(m_speedButton2),
                          static_cast<QWidget *>(m_tagText),
                          static_cast<QWidget *>(m_baseTempoBox)})
        held->setEnabled(!archiving);
    const std::string &indicator = model->trend.ArchiveIndicatorText();
    if (indicator == kInitialArchiveIndicator && m_session.language() == Language::English)
        m_label21->setText(QStringLiteral("Saving 0.1 seg"));
    else
        showText(m_label21, indicator);
    if (archiving && !m_timer1->isActive()) {
        m_timer1->start();
    } else if (!archiving) {
        m_timer1->stop();
        m_label21->hide();
    }
}

void TControlador::showLiveValues()
{
    // The strip keeps sampling while hidden and is drawn when the window shows again.
    if (!isVisible())
        return;
    showOperator();
    m_image1->update();
}

void TControlador::afterTick()
{
    Controller *model = controller();
    if (!model)
        return;
    // A failed write ended the archive inside the step; say so once.
    const std::string message = model->trend.TakeArchiveMessage();
    if (message.empty())
        return;
    showArchiveState();
    reportMessages({message});
}

void TControlador::showCaption()
{
    const Controller *model = controller();
    if (model && model->faceplate.Caption != "Controlador")
        setWindowTitle(toQString(model->faceplate.Caption));
    else
        setWindowTitle(trText(m_session.language(), "Controlador", "Controller"));
}

void TControlador::applyTexts()
{
    if (m_session.language() != Language::English || m_button2->text() == QStringLiteral("Send"))
        return;
    m_button2->setText(QStringLiteral("Send"));
    m_groupBox1->setTitle(QStringLiteral("Identification"));
    m_groupBox4->setTitle(QStringLiteral("Output Limits"));
    m_groupBox3->setTitle(QStringLiteral("Output"));
    m_parametrosGroup->setTitle(QStringLiteral("Parameters"));
    m_label35->setText(QStringLiteral("SP Factor(a):"));
    m_label41->setText(QStringLiteral("D Filter talF(s):"));
    m_acaogroup->setTitle(QStringLiteral("Process Direction"));
    m_acaoButtons->button(0)->setText(QStringLiteral("Reverse response"));
    m_acaoButtons->button(1)->setText(QStringLiteral("Direct response"));
    m_acaogroup->setToolTip(QStringLiteral("Direct response: A MV increase causes a PV increase; "
                                           "Reverse response: A MV increase causes a PV decrease"));
    m_estruturaGroup->setTitle(QStringLiteral("Structure"));
    m_estruturaButtons->button(0)->setText(QStringLiteral("Parallel"));
    m_estruturaButtons->button(1)->setText(QStringLiteral("ISA (Ideal)"));
    m_estruturaGroup->setToolTip(QStringLiteral("ISA structure: Kc multiply all actions"));
    m_derivadaGroup->setTitle(QStringLiteral("Derivative Action"));
    m_derivadaButtons->button(0)->setText(QStringLiteral("on error"));
    m_derivadaButtons->button(1)->setText(QStringLiteral("on PV"));
    m_btnatualiza->setText(QStringLiteral("Refresh"));
    m_escalaGroup->setTitle(QStringLiteral("Scale"));
    m_staticText1->setText(QStringLiteral("Scale"));
    m_label37->setText(QStringLiteral("Begin:"));
    m_label38->setText(QStringLiteral("End:"));
    m_label39->setText(QStringLiteral("Unit:"));
    m_backMVCheck->setText(QStringLiteral("Slave MV Adress:"));
    m_label17->setText(QStringLiteral("1 division time="));
    m_checkBox1->setText(QStringLiteral("Archive"));
    m_checkBox1->setToolTip(QStringLiteral("Save data into TXT file"));
    m_checkBox2->setText(QStringLiteral("Strong Line"));
    m_usarVirgula->setText(QStringLiteral("Uses , as decimal separator"));
    m_usarUE->setText(QStringLiteral("Uses Engineering Units"));
    m_pvText->setToolTip(QStringLiteral("Process Variable (Controlled Variable)"));
    m_mvText->setToolTip(QStringLiteral("Controller Output (Manipulated Variable)"));
    const QString sourceHint
        = QStringLiteral("Select SP source: L-> Local; R-> Remote (copy from SPR)");
    const QString modeHint
        = QStringLiteral("Select Controller Operation Mode: A->Automatic Mode; M->Manual Mode");
    m_localRemotoBTN->setToolTip(sourceHint);
    m_autoManualBTN->setToolTip(modeHint);
    m_configBTN->setToolTip(QStringLiteral("Show/Hide Controller Configuration Area"));
    m_trendButton->setToolTip(QStringLiteral("Show/Hide Trends"));
    m_kpText->setToolTip(QStringLiteral("Proporcional Gain (dimensionless)"));
    m_kiText->setToolTip(QStringLiteral("Reset Time(seconds)"));
    m_kdText->setToolTip(QStringLiteral("Rate Time(seconds)"));
    m_aText->setToolTip(QStringLiteral("SP weight on proportional action(0 to 1)"));
    m_tfText->setToolTip(QStringLiteral("Filter time constant to smooth derivative action"));
    m_biasText->setToolTip(QStringLiteral("Constant value added to controller output"));
    m_cominText->setToolTip(QStringLiteral("CO low limit"));
    m_comaxText->setToolTip(QStringLiteral("CO high limit"));
    m_variavelSelect->setToolTip(QStringLiteral("Select Process Variabel"));
    m_sprSelect->setToolTip(QStringLiteral("Remote Setpoint Address"));
    m_ffwEquation->setToolTip(
        QStringLiteral("Math expression to calc dynamic bias(FeedForward action)"));
    m_speedButton2->setToolTip(QStringLiteral("Pause Trend"));
    m_sairButton->setToolTip(QStringLiteral("Exit"));
    showCaption();
    showArchiveState();
}

// ---- Window events.

bool TControlador::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_variavelSelect || watched == m_sprSelect)
        && event->type() == QEvent::FocusIn) {
        // Entering the list, not coming back from its own popup or from another window.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            memoryListEnter(static_cast<QComboBox *>(watched));
    }
    if (event->type() != QEvent::KeyPress)
        return ObjectWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    Controller *model = controller();
    if (!model || !(enter || escape))
        return ObjectWindow::eventFilter(watched, event);
    if (watched == m_spText) {
        operate(enter ? EnterSetpointText : RevertSetpointText);
        return true;
    }
    if (watched == m_mvText) {
        operate(enter ? EnterOutputText : RevertOutputText);
        return true;
    }
    if ((watched == m_eSupText || watched == m_eInfText) && enter) {
        EnterManualScale(*model, m_session.plant().memories);
        showTrendControls();
        return true;
    }
    return ObjectWindow::eventFilter(watched, event);
}

void TControlador::showEvent(QShowEvent *event)
{
    // Each opening shows the trend, or the panel while the controller cannot run yet.
    Controller *model = event->spontaneous() ? nullptr : controller();
    if (model) {
        ShowFaceplate(*model);
        showLayout();
    }
    ObjectWindow::showEvent(event);
}

void TControlador::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; the controller keeps running and archiving.
    if (Controller *model = m_leaving ? nullptr : controller()) {
        CloseFaceplate(*model);
        showTrendControls();
    }
    ObjectWindow::closeEvent(event);
}

} // namespace zelvar
