#include "instruments/ui/fastsimulationwindow.h"

#include "engine/model/numbertext.h"
#include "engine/ui/objecthelp.h"
#include "instruments/model/performancedatafile.h"
#include "instruments/model/performancehistory.h"
#include "instruments/ui/performancechart.h"
#include "services/dropdownlist.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <filesystem>
#include <string>

namespace zelvar {

namespace {

constexpr char kFastSimulationHelpPage[] = "/ferramentas/#simulacao_rapida";
constexpr char kDefaultFileBase[] = "DadosDesempenho";
// The main timer rests this long before the first step of a run.
constexpr unsigned long kTimerRestMs = 110;
constexpr int kSidePanelWidth = 380;

constexpr std::array<const char *, 4> kTestSignals = {
    "Selecione um sinal de teste:",
    "Nenhum",
    "Degrau no SP",
    "Distúrbio degrau no processo",
};
constexpr std::array<const char *, 4> kTestSignalsEnglish = {
    "Select a test signal:",
    "None",
    "SP step change",
    "Step process disturbance",
};

struct IndexRowTexts
{
    const char *label;
    const char *portuguese;
    const char *english;
    const char *upperBox;
    const char *lowerBox;
    const char *upperHint;
};

constexpr std::array<IndexRowTexts, 7> kIndexRows = {{
    {"Label16",
     "Variabilidade:",
     "Variability",
     "varPVmalha",
     "varPVhist",
     "Variabilidade da PV (3*Desvio padrão)"},
    {"Label15",
     "Integral Erro Médio(IEM):",
     "Int Average Error",
     "IEMmalha",
     "IEMhist",
     "Integral do Erro Médio"},
    {"Label14",
     "Int. Erro Médio Abs(IEMA):",
     "Int Absolute Average Error",
     "IEMAmalha",
     "IEMAhist",
     "Integral do Erro Médio Absoluto"},
    {"Label13",
     "Excursão CO:",
     "CO Travel",
     "ExcMVmalha",
     "ExcMVhist",
     "Somatório de variações do sinal CO "},
    {"Label12", "Desvio Pad. CO:", "CO Standard Deviation", "DevMVmalha", "DevMVhist", nullptr},
    {"Label11",
     "Saturação CO:",
     "CO Saturation Index",
     "satMVmalha",
     "SatMVhist",
     "%Tempo em que a CO atinge 0 ou 100%"},
    {"StaticText1", "PV min/max:", "PV min/max:", "PVminmaxMalha", "PVminmaxHist", nullptr},
}};

// The index tables and the loop units outlive the window: they hang on the session.
class PerformanceTablesHolder : public QObject
{
public:
    explicit PerformanceTablesHolder(QObject *parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("PerformanceTables"));
    }
    PerformanceTables tables;
};

PerformanceTables &SessionPerformanceTables(Session &session)
{
    for (QObject *child : session.children())
        if (auto *holder = dynamic_cast<PerformanceTablesHolder *>(child))
            return holder->tables;
    return (new PerformanceTablesHolder(&session))->tables;
}

// Data files live in the working folder, which "Pasta corrente..." sets.
std::filesystem::path CurrentFolder()
{
    return std::filesystem::path(QDir::currentPath().toStdU16String());
}

QProgressBar *newGauge(QWidget *parent, const char *objectName)
{
    auto *gauge = named(new QProgressBar(parent), objectName);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    return gauge;
}

QFrame *newPanel(QWidget *parent, const char *objectName)
{
    auto *panel = named(new QFrame(parent), objectName);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

void showPage(QTabWidget *notebook, int page)
{
    const QSignalBlocker blocker(notebook);
    notebook->setCurrentIndex(page);
}

} // namespace

TAboutBox::TAboutBox(Session &session, QWidget *parent, UserDialogs *dialogs)
    : QWidget(parent, Qt::Window)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtUserDialogs>())
    , m_session(session)
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_tables(SessionPerformanceTables(session))
{
    setObjectName(QStringLiteral("FastSimulation"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    applyTexts();
    setUp();
    showPanel();
    resize(950, 650);
    setWindowState(Qt::WindowMaximized);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::build()
{
    auto *panel1 = named(new QWidget(this), "Panel1");
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel1);

    auto *row = new QHBoxLayout(panel1);
    auto *left = new QVBoxLayout;
    left->addWidget(buildSimulationPanel());
    left->addWidget(buildIndicesPanel());
    left->addStretch();
    row->addLayout(left);

    auto *panel2 = named(new QWidget(panel1), "Panel2");
    auto *right = new QVBoxLayout(panel2);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(buildChartTools());
    right->addWidget(buildNotebook(true), 1);
    right->addWidget(buildNotebook(false), 1);
    row->addWidget(panel2, 1);
}

QWidget *TAboutBox::buildSimulationPanel()
{
    auto *panel = newPanel(this, "Panel3");
    panel->setFixedWidth(kSidePanelWidth);
    auto *grid = new QGridLayout(panel);

    m_label35 = newLabel(panel, "Label35", "Simulação Rápida");
    QFont title = m_label35->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    m_label35->setFont(title);
    m_speedButton4 = named(new QToolButton(panel), "SpeedButton4");
    m_speedButton4->setText(QStringLiteral("?"));
    grid->addWidget(m_label35, 0, 0, 1, 2);
    grid->addWidget(m_speedButton4, 0, 2, Qt::AlignRight);

    m_label36 = newLabel(panel, "Label36", "Janela Simulação:");
    m_janelaComboBox = named(new QComboBox(panel), "JanelaComboBox");
    for (const char *item : {"30 min", "1 hora", "2 horas", "4 horas"})
        m_janelaComboBox->addItem(QString::fromUtf8(item));
    m_label6 = newLabel(panel, "Label6", "Tempo Amostragem:");
    m_taCombo = named(new QComboBox(panel), "TACombo");
    for (const char *item : {"100 ms", "200 ms", "500 ms", "1 seg"})
        m_taCombo->addItem(QString::fromUtf8(item));
    grid->addWidget(m_label36, 1, 0);
    grid->addWidget(m_janelaComboBox, 1, 1, 1, 2);
    grid->addWidget(m_label6, 2, 0);
    grid->addWidget(m_taCombo, 2, 1, 1, 2);

    m_sinalTesteCombo = named(new QComboBox(panel), "SinalTesteCombo");
    m_sinalTesteCombo->setEditable(true);
    m_sinalTesteCombo->setInsertPolicy(QComboBox::NoInsert);
    for (const char *item : kTestSignals)
        m_sinalTesteCombo->addItem(QString::fromUtf8(item));
    grid->addWidget(m_sinalTesteCombo, 3, 0, 1, 3);

    m_sinalTesteTxt = newLabel(panel, "SinalTesteTxt", "Amplitude do Degrau(%):");
    m_sinalTesteValor = named(new QLineEdit(panel), "SinalTesteValor");
    m_sinalTesteValor->setMaximumWidth(60);
    const QString localHint
        = QStringLiteral("For SP change, the controller L/R switch must be in Local position");
    m_sinalTesteTxt->setToolTip(localHint);
    m_sinalTesteValor->setToolTip(localHint);
    grid->addWidget(m_sinalTesteTxt, 4, 0, 1, 2);
    grid->addWidget(m_sinalTesteValor, 4, 2);

    m_btnSimular = named(new QPushButton(QStringLiteral("Simular"), panel), "BTNSimular");
    m_gauge1 = newGauge(panel, "Gauge1");
    grid->addWidget(m_btnSimular, 5, 0, 1, 3);
    grid->addWidget(m_gauge1, 6, 0, 1, 3);

    m_checkArquivar
        = named(new QCheckBox(QStringLiteral("Armazenar Dados"), panel), "CheckArquivar");
    m_label3 = newLabel(panel, "Label3", "Arquivo:");
    m_edit2 = named(new QLineEdit(panel), "Edit2");
    m_label5 = newLabel(panel, "Label5", ".");
    m_label5->setStyleSheet(QStringLiteral("color: red;"));
    m_label5->setWordWrap(true);
    grid->addWidget(m_checkArquivar, 7, 0, 1, 3);
    grid->addWidget(m_label3, 8, 0);
    grid->addWidget(m_edit2, 8, 1, 1, 2);
    grid->addWidget(m_label5, 9, 0, 1, 3);

    // ---- User edits -> model.
    connect(m_janelaComboBox, &QComboBox::activated, this, &TAboutBox::JanelaComboBoxChange);
    connect(m_taCombo, &QComboBox::activated, this, [this](int index) { m_panel.TACombo = index; });
    connect(m_sinalTesteCombo, &QComboBox::activated, this, &TAboutBox::SinalTesteComboChange);
    connect(m_sinalTesteValor, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_panel.SinalTesteValor = text.toStdString();
    });
    connect(m_btnSimular, &QPushButton::clicked, this, &TAboutBox::BTNSimularClick);
    connect(m_checkArquivar, &QCheckBox::clicked, this, [this](bool checked) {
        m_panel.CheckArquivar = checked;
    });
    connect(m_edit2, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_panel.Edit2 = text.toStdString();
    });
    connect(m_speedButton4, &QToolButton::clicked, this, &TAboutBox::SpeedButton4Click);
    return panel;
}

QWidget *TAboutBox::buildIndicesPanel()
{
    auto *panel = newPanel(this, "Panel4");
    panel->setFixedWidth(kSidePanelWidth);
    auto *grid = new QGridLayout(panel);
    m_label9 = newLabel(panel, "Label9", "Índices de Desempenho");
    QFont bold = m_label9->font();
    bold.setBold(true);
    m_label9->setFont(bold);
    m_label17 = newLabel(panel, "Label17", "Gráfico       Gráfico");
    m_label18 = newLabel(panel, "Label18", "Superior     Inferior");
    grid->addWidget(m_label9, 0, 0, 1, 3);
    grid->addWidget(m_label17, 1, 1, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_label18, 2, 1, 1, 2, Qt::AlignHCenter);

    QPalette blue;
    blue.setColor(QPalette::Text, Qt::blue);
    const auto newBox = [&](const char *objectName, const char *hint) {
        auto *box = named(new QLineEdit(panel), objectName);
        box->setReadOnly(true);
        box->setFont(bold);
        box->setPalette(blue);
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(88);
        if (hint)
            box->setToolTip(QString::fromUtf8(hint));
        return box;
    };
    for (std::size_t i = 0; i < kIndexRows.size(); ++i) {
        const IndexRowTexts &texts = kIndexRows[i];
        const int line = static_cast<int>(i) + 3;
        m_indexLabels[i] = newLabel(panel, texts.label, texts.portuguese);
        m_upperBoxes[i] = newBox(texts.upperBox, texts.upperHint);
        m_lowerBoxes[i] = newBox(texts.lowerBox, nullptr);
        grid->addWidget(m_indexLabels[i], line, 0);
        grid->addWidget(m_upperBoxes[i], line, 1);
        grid->addWidget(m_lowerBoxes[i], line, 2);
    }
    m_normaliza = named(new QCheckBox(QStringLiteral("Normalizar"), panel), "Normaliza");
    grid->addWidget(m_normaliza, 10, 0, 1, 3);

    connect(m_normaliza, &QCheckBox::clicked, this, [this](bool checked) {
        m_panel.Normaliza = checked;
    });
    return panel;
}

QWidget *TAboutBox::buildChartTools()
{
    auto *tools = named(new QWidget(this), "ChartTools");
    auto *row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    const auto newButton = [&](const char *objectName, const char *text) {
        auto *button = named(new QToolButton(tools), objectName);
        button->setText(QString::fromUtf8(text));
        row->addWidget(button);
        return button;
    };
    m_speedButton1 = newButton("SpeedButton1", "Zoom");
    m_speedButton2 = newButton("SpeedButton2", "1:1");
    m_speedButton3 = newButton("SpeedButton3", "0-100%");
    m_replicarZoom = named(new QCheckBox(QStringLiteral("Replicar Zoom"), tools), "replicarzoom");
    m_replicarZoom->setChecked(true);
    m_checkBox1 = named(new QCheckBox(QStringLiteral("Ocultar COs"), tools), "CheckBox1");
    m_ptsPag = named(new QComboBox(tools), "PtsPag");
    for (const char *item : {"15 min", "30 min", "1 hora", "2 horas", "4 horas"})
        m_ptsPag->addItem(QString::fromUtf8(item));
    m_ptsPag->setCurrentIndex(1);
    m_selPage = named(new QWidget(tools), "SelPage");
    auto *arrows = new QHBoxLayout(m_selPage);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto *back = named(new QToolButton(m_selPage), "SelPageBack");
    back->setArrowType(Qt::LeftArrow);
    auto *forward = named(new QToolButton(m_selPage), "SelPageForward");
    forward->setArrowType(Qt::RightArrow);
    arrows->addWidget(back);
    arrows->addWidget(forward);
    row->addSpacing(8);
    row->addWidget(m_replicarZoom);
    row->addWidget(m_checkBox1);
    row->addStretch();
    row->addWidget(m_ptsPag);
    row->addWidget(m_selPage);

    connect(m_speedButton1, &QToolButton::clicked, this, &TAboutBox::SpeedButton1Click);
    connect(m_speedButton2, &QToolButton::clicked, this, &TAboutBox::SpeedButton2Click);
    connect(m_speedButton3, &QToolButton::clicked, this, &TAboutBox::SpeedButton3Click);
    connect(m_ptsPag, &QComboBox::activated, this, &TAboutBox::PtsPagChange);
    connect(back, &QToolButton::clicked, this, [this] { SelPageChanging(false); });
    connect(forward, &QToolButton::clicked, this, [this] { SelPageChanging(true); });
    connect(m_checkBox1, &QCheckBox::clicked, this, &TAboutBox::CheckBox1Click);
    return tools;
}

QWidget *TAboutBox::buildNotebook(bool upper)
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *history = new QHBoxLayout;
    auto *label = newLabel(box, upper ? "Label2" : "Label10", "Nome Arquivo:");
    // The folder is looked into afresh as the list opens.
    auto *list = named(
        new DropDownList(box, [this, upper] { fillFileList(upper ? m_comboBox2 : m_comboBox1); }),
        upper ? "ComboBox2" : "ComboBox1");
    list->setMinimumWidth(220);
    list->setInsertPolicy(QComboBox::InsertAlphabetically);
    list->setEditable(upper);
    list->installEventFilter(this);
    auto *load = named(new QPushButton(QString::fromUtf8("Carregar Histórico"), box),
                       upper ? "Button1" : "BTNCarregar");
    auto *gauge = newGauge(box, upper ? "Gauge2" : "Gauge3");
    gauge->setMaximumWidth(200);
    history->addWidget(label);
    history->addWidget(list);
    history->addWidget(load);
    history->addWidget(gauge);
    history->addStretch();
    column->addLayout(history);

    auto *notebook = named(new QTabWidget(box), upper ? "TabbedNotebook1" : "TabbedNotebook2");
    auto &charts = upper ? m_upperCharts : m_lowerCharts;
    for (int k = 1; k <= kLoopCount; ++k) {
        const std::string number = FormatFixed(k, 0, 0);
        auto *chart
            = new PerformanceChart(toQString((upper ? "ChartM" : "ChartH") + number), notebook);
        charts[static_cast<std::size_t>(k)] = chart;
        // The first lower charts keep their own look: a zoom that moves, whole sample numbers.
        if (!upper && k == 1)
            chart->SetZoomAnimated(true);
        if (!upper && k <= 2)
            chart->SetBottomLabelsWithThreeDecimalsAtMost();
        notebook->addTab(chart, toQString((upper ? "Malha " : "Hist ") + number));
        connect(
            chart, &PerformanceChart::zoomed, this, [this, k, upper] { chartZoomed(k, upper); });
        connect(chart, &PerformanceChart::zoomUndone, this, [this, k, upper] {
            chartZoomUndone(k, upper);
        });
    }
    column->addWidget(notebook, 1);

    if (upper) {
        m_label2 = label;
        m_comboBox2 = list;
        m_button1 = load;
        m_gauge2 = gauge;
        m_tabbedNotebook1 = notebook;
        connect(notebook, &QTabWidget::currentChanged, this, &TAboutBox::TabbedNotebook1Click);
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
            m_panel.ComboBox2 = text.toStdString();
        });
        connect(list, &QComboBox::activated, this, [this] {
            m_panel.ComboBox2 = m_comboBox2->currentText().toStdString();
        });
    } else {
        m_label10 = label;
        m_comboBox1 = list;
        m_btnCarregar = load;
        m_gauge3 = gauge;
        m_tabbedNotebook2 = notebook;
        connect(notebook, &QTabWidget::currentChanged, this, &TAboutBox::TabbedNotebook2Click);
    }
    connect(load, &QPushButton::clicked, this, [this, upper] { loadHistory(upper); });
    return box;
}

void TAboutBox::applyTexts()
{
    const Language language = m_session.language();
    setWindowTitle(trText(language, "Simulação Rápida", "Fast Simulation"));
    if (language != Language::English)
        return;
    m_label35->setText(QStringLiteral("Fast Simulation"));
    m_label36->setText(QStringLiteral("Data Window:"));
    m_label6->setText(QStringLiteral("Sample Time:"));
    for (std::size_t i = 0; i < kTestSignalsEnglish.size(); ++i)
        m_sinalTesteCombo->setItemText(static_cast<int>(i),
                                       QString::fromUtf8(kTestSignalsEnglish[i]));
    m_sinalTesteCombo->setEditText(QString::fromUtf8(kTestSignalsEnglish[0]));
    m_sinalTesteTxt->setText(QStringLiteral("Step size:"));
    m_btnSimular->setText(QStringLiteral("Simulate"));
    m_checkArquivar->setText(QStringLiteral("Archive"));
    m_label3->setText(QStringLiteral("File Name:"));
    m_label9->setText(QStringLiteral("Performance Indices"));
    m_label17->setText(QStringLiteral(" Upper         Lower"));
    m_label18->setText(QStringLiteral("Graphic       Graphic"));
    for (std::size_t i = 0; i < kIndexRows.size(); ++i)
        m_indexLabels[i]->setText(QString::fromUtf8(kIndexRows[i].english));
    m_normaliza->setText(QStringLiteral("Normalize"));
    m_label2->setText(QStringLiteral("File Name:"));
    m_label10->setText(QStringLiteral("File Name:"));
    m_button1->setText(QStringLiteral("Load Archive"));
    m_btnCarregar->setText(QStringLiteral("Load Archive"));
    m_speedButton1->setToolTip(
        QStringLiteral("Zoom Window: Drag and drop cursor at right/down directions"));
    m_speedButton2->setToolTip(QStringLiteral("Undo Zoom"));
    m_speedButton3->setToolTip(QStringLiteral("Apply 0-100% scale"));
    m_replicarZoom->setText(QStringLiteral("Zoom replicate"));
    m_replicarZoom->setToolTip(QStringLiteral("Uses same zoom in both graphics"));
    m_checkBox1->setText(QStringLiteral("Hide COs"));
    m_checkBox1->setToolTip(QStringLiteral("Hide control output signal"));
    for (int k = 1; k <= kLoopCount; ++k)
        m_tabbedNotebook1->setTabText(k - 1, toQString("Loop " + FormatFixed(k, 0, 0)));
}

void TAboutBox::setUp()
{
    if (m_session.language() != Language::English) {
        m_speedButton1->setToolTip(
            QStringLiteral("Zoom Window: Clicar e arrastar para baixo e para a direita"));
        m_speedButton2->setToolTip(QStringLiteral("Desfazer Zoom"));
        m_speedButton3->setToolTip(QStringLiteral("Aplicar Escala 0-100%"));
        m_replicarZoom->setToolTip(QStringLiteral("Reproduzir Zoom na Janela Inferior"));
        m_checkBox1->setToolTip(QString::fromUtf8("Esconde Sinal de Saída do Controlador"));
    }
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= kLoopCount; ++k) {
        if (!plant.controllers.IsPresent(k))
            continue;
        const QString tag = toQString(plant.controllers[k].Settings().TagText);
        m_tabbedNotebook1->setTabText(k - 1, tag);
        m_tabbedNotebook2->setTabText(k - 1, tag + QStringLiteral("(hist)"));
    }
    showPage(m_tabbedNotebook1, 0);
    showPage(m_tabbedNotebook2, 0);
    m_panel.Edit2 = plant.title.empty() ? std::string(kDefaultFileBase) : plant.title;
}

// ---- User edits -> model.

void TAboutBox::BTNSimularClick()
{
    enablePanel(false);
    bool ran = false;
    std::vector<std::string> messages;
    {
        const Session::TimerHold hold(m_session);
        QThread::msleep(kTimerRestMs);
        messages = SimulateFromPanel(m_panel,
                                     m_tables,
                                     m_session.plant(),
                                     m_session.context(),
                                     CurrentFolder(),
                                     m_session.language(),
                                     [&ran, gauge = GaugePainter(m_gauge1)](int percent) mutable {
                                         ran = true;
                                         gauge(percent);
                                     });
    }
    enablePanel(true);
    showPanel();
    if (ran) {
        emit m_session.batchRunEnded();
        showCharts(true);
        showPage(m_tabbedNotebook1, 0);
        showIndexRow(true, 1);
    }
    for (const std::string &message : messages)
        m_dialogs.inform(this, toQString(message));
}

void TAboutBox::SinalTesteComboChange(int index)
{
    m_panel.SinalTesteCombo = index;
    showPanel();
}

void TAboutBox::JanelaComboBoxChange(int index)
{
    m_panel.SelectRunLength(index);
    showPanel();
}

void TAboutBox::SpeedButton4Click()
{
    m_dialogs.openUrl(
        ObjectHelpPageUrl(m_session.HelpFolder, QString::fromLatin1(kFastSimulationHelpPage)));
}

void TAboutBox::loadHistory(bool upper)
{
    QComboBox *list = upper ? m_comboBox2 : m_comboBox1;
    if (list->currentIndex() < 0)
        return;
    QProgressBar *gauge = upper ? m_gauge2 : m_gauge3;
    GaugePainter progress(gauge);
    const std::filesystem::path file
        = CurrentFolder() / std::filesystem::path((list->currentText() + ".txd").toStdU16String());
    const Plant &plant = m_session.plant();
    const std::string message
        = upper ? LoadUpperHistory(m_panel, m_tables, plant, file, m_session.language(), progress)
                : LoadLowerHistory(m_panel, m_tables, plant, file, m_session.language(), progress);
    if (!message.empty()) {
        m_dialogs.showError(this, toQString(message));
        return;
    }
    showCharts(upper);
    showPage(upper ? m_tabbedNotebook1 : m_tabbedNotebook2, 0);
    showIndexRow(upper, 1);
}

void TAboutBox::fillFileList(QComboBox *list)
{
    const QString chosen = list->currentText();
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string &name : DataFileList(CurrentFolder()))
        list->addItem(toQString(name));
    // Nothing is chosen until the user picks a file; a picked or typed name that is in the
    // folder stays chosen, and a typed one stays typed.
    list->setCurrentIndex(list->findText(chosen));
    if (list->isEditable() && list->currentIndex() < 0)
        list->setEditText(chosen);
}

void TAboutBox::TabbedNotebook1Click(int page)
{
    const int loop = page + 1;
    if (m_tables.simulationIndices)
        showIndexRow(true, loop);
    showPage(m_tabbedNotebook2, page);
    if (m_tables.historyIndices)
        showIndexRow(false, loop);
}

void TAboutBox::TabbedNotebook2Click(int page)
{
    if (m_tables.historyIndices)
        showIndexRow(false, page + 1);
}

void TAboutBox::SpeedButton1Click()
{
    m_speedButton1->setEnabled(false);
    m_armedLoop = currentLoop();
    chart(m_armedLoop, true)->SetAllowZoom(true);
    chart(m_armedLoop, false)->SetAllowZoom(true);
}

void TAboutBox::SpeedButton2Click()
{
    for (const bool upper : {true, false})
        for (int k = 1; k <= kLoopCount; ++k) {
            PerformanceChart *each = chart(k, upper);
            each->UndoZoom();
            each->SetAutomatic(true, true);
        }
}

void TAboutBox::SpeedButton3Click()
{
    const int loop = currentLoop();
    chart(loop, true)->SetLeftRange(0.0, 100.0);
    if (m_replicarZoom->isChecked())
        chart(loop, false)->SetLeftRange(0.0, 100.0);
}

void TAboutBox::chartZoomed(int loop, bool upper)
{
    const PerformanceChart *source = chart(loop, upper);
    PerformanceChart *twin = chart(loop, !upper);
    if (m_replicarZoom->isChecked()) {
        // The zoom itself, not where the source's glide has got to.
        twin->SetBottomRange(source->BottomRange().minimum, source->BottomRange().maximum);
        twin->SetLeftRange(source->LeftRange().minimum, source->LeftRange().maximum);
    }
    m_speedButton1->setEnabled(true);
    chart(loop, true)->SetAllowZoom(false);
    chart(loop, false)->SetAllowZoom(false);
    m_armedLoop = 0;
}

void TAboutBox::chartZoomUndone(int loop, bool upper)
{
    if (m_replicarZoom->isChecked())
        chart(loop, !upper)->SetAutomatic(true, true);
}

void TAboutBox::PtsPagChange(int index)
{
    // One point per simulated second: 15, 30, 60, 120 or 240 minutes a page.
    const int points = RoundHalfEven(900.0 * std::pow(2.0, index));
    for (const bool upper : {true, false})
        for (int k = 1; k <= kLoopCount; ++k)
            chart(k, upper)->SetMaxPointsPerPage(points);
}

void TAboutBox::SelPageChanging(bool forward)
{
    // The upper chart decides; the lower one moves by the same step from its own page, as far
    // as its own pages go.
    const int loop = currentLoop();
    PerformanceChart *upperChart = chart(loop, true);
    PerformanceChart *lowerChart = chart(loop, false);
    if (forward) {
        if (upperChart->NumPages() > upperChart->Page()) {
            upperChart->SetPage(upperChart->Page() + 1);
            lowerChart->SetPage(lowerChart->Page() + 1);
        }
    } else if (upperChart->Page() > 1) {
        upperChart->SetPage(upperChart->Page() - 1);
        lowerChart->SetPage(lowerChart->Page() - 1);
    }
}

void TAboutBox::CheckBox1Click(bool checked)
{
    if (!checked)
        return;
    for (const bool upper : {true, false}) {
        LoopCharts &charts = upper ? m_panel.upperCharts : m_panel.lowerCharts;
        for (int k = 1; k <= kLoopCount; ++k) {
            charts[static_cast<std::size_t>(k)].CO.clear();
            chart(k, upper)->ClearCO();
        }
    }
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a file list looks into the folder afresh; the focus that comes back as the
    // list's own popup closes is no entry, and the pick it just made is not yet taken.
    if (event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == m_comboBox1)
            fillFileList(m_comboBox1);
        else if (watched == m_comboBox2)
            fillFileList(m_comboBox2);
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Model -> widgets.

void TAboutBox::showPanel()
{
    {
        const QSignalBlocker blocker(m_janelaComboBox);
        m_janelaComboBox->setCurrentIndex(m_panel.JanelaComboBox);
    }
    {
        const QSignalBlocker blocker(m_taCombo);
        m_taCombo->setCurrentIndex(m_panel.TACombo);
    }
    if (m_sinalTesteCombo->currentIndex() != m_panel.SinalTesteCombo) {
        const QSignalBlocker blocker(m_sinalTesteCombo);
        m_sinalTesteCombo->setCurrentIndex(m_panel.SinalTesteCombo);
    }
    m_sinalTesteTxt->setVisible(m_panel.TestSignalChosen());
    m_sinalTesteValor->setVisible(m_panel.TestSignalChosen());
    showText(m_sinalTesteValor, m_panel.SinalTesteValor);
    {
        const QSignalBlocker blocker(m_checkArquivar);
        m_checkArquivar->setChecked(m_panel.CheckArquivar);
    }
    showText(m_edit2, m_panel.Edit2);
    m_label5->setText(toQString(m_panel.Label5));
    {
        const QSignalBlocker blocker(m_normaliza);
        m_normaliza->setChecked(m_panel.Normaliza);
    }
    if (m_comboBox2->currentText() != toQString(m_panel.ComboBox2)) {
        const QSignalBlocker blocker(m_comboBox2);
        m_comboBox2->setCurrentIndex(m_comboBox2->findText(toQString(m_panel.ComboBox2)));
        if (m_comboBox2->currentIndex() < 0)
            m_comboBox2->setEditText(toQString(m_panel.ComboBox2));
    }
}

void TAboutBox::showCharts(bool upper)
{
    const LoopCharts &charts = upper ? m_panel.upperCharts : m_panel.lowerCharts;
    for (int k = 1; k <= kLoopCount; ++k)
        chart(k, upper)->SetPoints(charts[static_cast<std::size_t>(k)]);
}

void TAboutBox::showIndexRow(bool upper, int loop)
{
    const auto k = static_cast<std::size_t>(loop);
    const LoopIndexRow &row = upper ? m_tables.LoopIndexTable[k] : m_tables.HistoryIndexTable[k];
    const LoopIndexRow shown
        = ShownIndexTexts(row, IndexSuffix(m_panel.Normaliza, m_tables.LoopUnit[k]));
    const auto &boxes = upper ? m_upperBoxes : m_lowerBoxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        showText(boxes[i], shown[i]);
}

void TAboutBox::enablePanel(bool enabled)
{
    for (QWidget *control : {static_cast<QWidget *>(m_btnSimular),
                             static_cast<QWidget *>(m_checkArquivar),
                             static_cast<QWidget *>(m_edit2),
                             static_cast<QWidget *>(m_janelaComboBox)})
        control->setEnabled(enabled);
}

PerformanceChart *TAboutBox::chart(int loop, bool upper) const
{
    return (upper ? m_upperCharts : m_lowerCharts)[static_cast<std::size_t>(loop)];
}

int TAboutBox::currentLoop() const
{
    return std::max(0, m_tabbedNotebook1->currentIndex()) + 1;
}

} // namespace zelvar
