#include "instruments/ui/xyrecorderwindow.h"

#include "instruments/model/memorylist.h"
#include "instruments/model/xyrecorder.h"
#include "instruments/ui/chartpoints.h"
#include "services/dropdownlist.h"
#include "services/pictures.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/widgethelpers.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <functional>

namespace zelvar {

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 520;
// The memory lists show the number when closed and the whole item when open.
constexpr int kMemoryListWidth = 64;
constexpr int kMemoryListOpenWidth = 260;

// The speed buttons' pictures, drawn in the chart's navy.
enum class Picture { Clear, FullScale, Zoom, UndoZoom };

QIcon pictureIcon(Picture picture)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0, 0, 128), 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    switch (picture) {
    case Picture::Clear: // a page with a cross
        painter.drawRect(QRectF(3.5, 2.5, 13, 15));
        painter.setPen(QPen(QColor(200, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 7), QPointF(13, 13));
        painter.drawLine(QPointF(13, 7), QPointF(7, 13));
        break;
    case Picture::FullScale: // axes with a square range
        painter.drawLine(QPointF(3, 2), QPointF(3, 17));
        painter.drawLine(QPointF(3, 17), QPointF(18, 17));
        painter.setPen(QPen(QColor(0, 0, 128), 1.0, Qt::DashLine));
        painter.drawRect(QRectF(3, 4, 13, 13));
        break;
    case Picture::Zoom:
    case Picture::UndoZoom: // a magnifier, with a plus or a minus
        painter.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        painter.setPen(QPen(QColor(0, 0, 128), 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
        painter.setPen(pen);
        painter.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
        if (picture == Picture::Zoom)
            painter.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
        break;
    }
    return QIcon(pixmap);
}

// 0 to 100 in steps of 10. The tick count goes with the range: a cloud's automatic scale
// leaves its own count behind, which would divide 0-100 into steps such as 14.2857.
void ShowFullScale(QValueAxis *axis)
{
    axis->setRange(0, 100);
    axis->setTickCount(11);
}

} // namespace

TRegXY::TRegXY(Session &session, QWidget *parent, UserDialogs *)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_session(session)
{
    setObjectName(QStringLiteral("RegXY"));
    build();
    ApplyTexts();
    fillMemoryLists();
    showRecorder();
    showPoints();

    // ---- User edits -> model ----
    connect(m_presets, &QComboBox::activated, this, &TRegXY::PresetsChange);
    connect(m_comboX, &QComboBox::activated, this, &TRegXY::ComboXChange);
    connect(m_comboY, &QComboBox::activated, this, &TRegXY::ComboYChange);
    connect(m_janelaComboBox, &QComboBox::activated, this, &TRegXY::JanelaComboBoxChange);
    connect(m_button1, &QPushButton::clicked, this, &TRegXY::Button1Click);
    connect(m_speedButton4, &QToolButton::clicked, this, &TRegXY::SpeedButton4Click);
    connect(m_speedButton3, &QToolButton::clicked, this, &TRegXY::SpeedButton3Click);
    connect(m_speedButton1, &QToolButton::clicked, this, &TRegXY::SpeedButton1Click);
    connect(m_speedButton2, &QToolButton::clicked, this, &TRegXY::SpeedButton2Click);
    connect(m_sairButton, &QPushButton::clicked, this, &QWidget::close);
    // The recorder outlives a reset and a read, but the new plant brings its own descriptions.
    connect(&m_session, &Session::plantReplaced, this, [this] {
        fillMemoryLists();
        showRecorder();
        showPoints();
    });

    setFixedSize(kWindowWidth, kWindowHeight);
    PlaceBelowMainMenu(this);
}

TRegXY::~TRegXY() = default;

XYRecorder &TRegXY::recorder()
{
    return m_session.plant().xyRecorder;
}

void TRegXY::build()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);

    const auto newCombo = [this](QComboBox *combo, const char *objectName) {
        combo->setParent(this);
        combo->setObjectName(QString::fromLatin1(objectName));
        return combo;
    };
    m_presets = newCombo(new QComboBox, "Presets");
    for (int i = 0; i < XYRecorder::kPresetCount; ++i)
        m_presets->addItem(toQString(XYPresetItem(i)));
    m_presets->setMinimumWidth(150);

    m_comboX = newCombo(new DropDownList(nullptr, [this] { ComboXDropDown(); }), "ComboX");
    m_comboY = newCombo(new DropDownList(nullptr, [this] { ComboYDropDown(); }), "ComboY");
    for (QComboBox *list : {m_comboX, m_comboY}) {
        list->setFixedWidth(kMemoryListWidth);
        list->view()->setMinimumWidth(kMemoryListOpenWidth);
        list->setMaxVisibleItems(20);
    }
    m_labelX = new QLabel(QStringLiteral("var X:"), this);
    m_labelX->setObjectName(QStringLiteral("LabelX"));
    m_labelY = new QLabel(QStringLiteral("var Y:"), this);
    m_labelY->setObjectName(QStringLiteral("LabelY"));

    m_label36 = new QLabel(this);
    m_label36->setObjectName(QStringLiteral("Label36"));
    m_janelaComboBox = newCombo(new QComboBox, "JanelaComboBox");
    m_janelaComboBox->addItems(
        {QStringLiteral("10 min"), QStringLiteral("30 min"), QStringLiteral("1 hora")});

    m_button1 = new QPushButton(this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_gauge1 = new QProgressBar(this);
    m_gauge1->setObjectName(QStringLiteral("Gauge1"));
    m_gauge1->setRange(0, 100);
    m_gauge1->setValue(0);
    m_gauge1->setTextVisible(false);
    m_gauge1->setFixedHeight(10);
    m_gauge1->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid gray; background: "
                                           "white; } QProgressBar::chunk { background: navy; }"));

    auto *choices = new QHBoxLayout;
    choices->addWidget(m_presets);
    choices->addSpacing(10);
    choices->addWidget(m_labelX);
    choices->addWidget(m_comboX);
    choices->addSpacing(6);
    choices->addWidget(m_labelY);
    choices->addWidget(m_comboY);
    choices->addSpacing(10);
    choices->addWidget(m_label36);
    choices->addWidget(m_janelaComboBox);
    choices->addStretch(1);
    choices->addWidget(m_button1);
    column->addLayout(choices);
    column->addWidget(m_gauge1);

    auto *series = new QScatterSeries;
    m_series1 = series;
    m_series1->setObjectName(QStringLiteral("Series1"));
    m_series1->setName(QStringLiteral("Pontos"));
    m_series1->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_series1->setMarkerSize(3.0);
    m_series1->setColor(Qt::red);
    m_series1->setBorderColor(Qt::red);
    auto *chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(m_series1);
    m_axisX = new QValueAxis;
    m_axisY = new QValueAxis;
    for (QValueAxis *axis : {m_axisX, m_axisY}) {
        axis->setLabelFormat(QStringLiteral("%g"));
        ShowFullScale(axis);
    }
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series1->attachAxis(m_axisX);
    m_series1->attachAxis(m_axisY);
    m_points = new ChartPoints(chart, m_axisX, m_axisY, {ChartPointsStyle::Kind::Dots, Qt::red, 1});
    m_chart1 = new QChartView(chart, this);
    m_chart1->setObjectName(QStringLiteral("Chart1"));
    m_chart1->setRenderHint(QPainter::Antialiasing, false);
    m_chart1->setRubberBand(QChartView::NoRubberBand);
    m_chart1->setFrameShape(QFrame::StyledPanel);
    column->addWidget(m_chart1, 1);

    const auto newSpeedButton = [this](const char *objectName, Picture picture) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(objectName));
        button->setIcon(pictureIcon(picture));
        button->setIconSize(QSize(20, 20));
        return button;
    };
    m_speedButton4 = newSpeedButton("SpeedButton4", Picture::Clear);
    m_speedButton3 = newSpeedButton("SpeedButton3", Picture::FullScale);
    m_speedButton1 = newSpeedButton("SpeedButton1", Picture::Zoom);
    m_speedButton2 = newSpeedButton("SpeedButton2", Picture::UndoZoom);
    m_sairButton = new QPushButton(this);
    m_sairButton->setObjectName(QStringLiteral("SairButton"));
    m_sairButton->setIcon(LoadIcon(QStringLiteral("pictures/menu/sair.png")));

    auto *tools = new QHBoxLayout;
    tools->addWidget(m_speedButton4);
    tools->addWidget(m_speedButton3);
    tools->addWidget(m_speedButton1);
    tools->addWidget(m_speedButton2);
    tools->addStretch(1);
    tools->addWidget(m_sairButton);
    column->addLayout(tools);
}

void TRegXY::ApplyTexts()
{
    const Language language = m_session.language();
    setWindowTitle(QStringLiteral("Registrador XY"));
    m_label36->setText(trText(language, "Janela:", "Window"));
    m_sairButton->setText(trText(language, "Sair", "Exit"));
    m_button1->setText(trText(language, "Registra", "Register"));
    m_speedButton4->setToolTip(trText(language, "Limpar", "Clean Graphic"));
    m_presets->setToolTip(
        trText(language, "Pares de variáveis pré-selecionadas", "Preselected variable pairs"));
    m_comboX->setToolTip(trText(language, "Variável do eixo X", "Horizontal axis variable"));
    m_comboY->setToolTip(trText(language, "Variável do eixo vertical", "Vertical axis variable"));
    m_speedButton3->setToolTip(trText(language, "Aplicar Escala 0-100%", "Apply 0-100% scale"));
    m_speedButton1->setToolTip(trText(language,
                                      "Zoom Window: Clicar e arrastar para baixo e para a direita",
                                      "Zoom window: Click and drag to select zoom area"));
    m_speedButton2->setToolTip(trText(language, "Desfazer Zoom", "Undo zoom"));
}

// ---- User edits -> model ---------------------------------------------------------------------

void TRegXY::PresetsChange(int index)
{
    SelectXYPreset(recorder(), index, m_session.plant());
    showRecorder();
}

void TRegXY::ComboXDropDown()
{
    recorder().OpenXList();
    fillMemoryLists();
    showRecorder();
}

void TRegXY::ComboYDropDown()
{
    recorder().OpenYList();
    fillMemoryLists();
    showRecorder();
}

void TRegXY::ComboXChange(int index)
{
    recorder().ComboX = index;
    showRecorder();
}

void TRegXY::ComboYChange(int index)
{
    recorder().ComboY = index;
    showRecorder();
}

void TRegXY::JanelaComboBoxChange(int index)
{
    recorder().JanelaComboBox = index;
}

void TRegXY::Button1Click()
{
    if (!recorder().Button1Enabled())
        return;
    {
        // The sweep runs without yielding; the gauge is painted as it goes.
        const Session::TimerHold hold(m_session);
        m_gauge1->setValue(0);
        RecordXYSweep(recorder(), m_session.plant(), m_session.context(), GaugePainter(m_gauge1));
    }
    emit m_session.batchRunEnded();
    showPoints();
}

void TRegXY::SpeedButton4Click()
{
    recorder().Clear();
    showPoints();
}

void TRegXY::SpeedButton3Click()
{
    m_fullScale = true;
    scaleAxes();
}

void TRegXY::SpeedButton1Click()
{
    m_chart1->setRubberBand(QChartView::RectangleRubberBand);
}

void TRegXY::SpeedButton2Click()
{
    m_chart1->chart()->zoomReset();
    m_fullScale = false;
    scaleAxes();
}

// ---- Model -> widgets ------------------------------------------------------------------------

void TRegXY::fillMemoryLists()
{
    const std::vector<std::string> items = MemoryListItems(m_session.plant().memories);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string &item : items)
        texts << toQString(item);
    for (QComboBox *list : {m_comboX, m_comboY}) {
        const QSignalBlocker blocker(list);
        const int chosen = list->currentIndex();
        list->clear();
        list->addItems(texts);
        list->setCurrentIndex(chosen);
    }
}

void TRegXY::showRecorder()
{
    const XYRecorder &shown = recorder();
    showIndex(m_presets, shown.Presets);
    showIndex(m_comboX, shown.ComboX);
    showIndex(m_comboY, shown.ComboY);
    showIndex(m_janelaComboBox, shown.JanelaComboBox);
    m_button1->setEnabled(shown.Button1Enabled());
}

void TRegXY::showPoints()
{
    const std::vector<XYPoint> &points = recorder().Series1();
    ChartData shown;
    shown.xs.reserve(points.size());
    shown.ys.reserve(points.size());
    for (const XYPoint &point : points) {
        shown.xs.push_back(point.x);
        shown.ys.push_back(point.y);
    }
    m_points->SetData(std::move(shown));
    scaleAxes();
}

void TRegXY::scaleAxes()
{
    const std::vector<XYPoint> &points = recorder().Series1();
    if (m_fullScale || points.empty()) {
        ShowFullScale(m_axisX);
        ShowFullScale(m_axisY);
        return;
    }
    const auto [minX, maxX] = std::minmax_element(
        points.begin(), points.end(), [](const XYPoint &a, const XYPoint &b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(
        points.begin(), points.end(), [](const XYPoint &a, const XYPoint &b) { return a.y < b.y; });
    // A flat cloud still gets an axis a unit wide around it.
    const auto range = [](QValueAxis *axis, double low, double high) {
        if (high - low < 1e-9) {
            low -= 0.5;
            high += 0.5;
        }
        axis->setRange(low, high);
        axis->applyNiceNumbers();
    };
    range(m_axisX, minX->x, maxX->x);
    range(m_axisY, minY->y, maxY->y);
}

} // namespace zelvar
