#include "engine/ui/processwindow.h"

#include "engine/model/numbertext.h"
#include "engine/model/processmodel.h"
#include "engine/ui/objecthelp.h"
#include "services/session.h"
#include "services/uitext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace zelvar {

namespace {

constexpr std::array<const char *, 4> kTransferFunctions = {
    "Ordem 2 Sobreamortecido",
    "Ordem 2 Subamortecido",
    "Filtro LEAD-LAG",
    "Integrador",
};
constexpr std::array<const char *, 4> kTransferFunctionsEnglish = {
    "1st/2nd order (overdumped)",
    "2nd order (underdumped)",
    "Lead-Lag Filter",
    "Integrator",
};
constexpr std::array<const char *, 5> kValveCurves = {
    "Linear",
    "Curva Abertura Rápida",
    "Curva Igual Porcentagem",
    "Curva S1",
    "Curva S2",
};
constexpr std::array<const char *, 5> kValveCurvesEnglish = {
    "Linear",
    "Quick Open Curve",
    "Equal-Percentage Curve",
    "S1 Curve",
    "S2 Curve",
};

std::string toText(const QString &text)
{
    return text.toStdString();
}

} // namespace

TProcesso::TProcesso(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : ObjectWindow(session, slot, "ProcessSlot", kProcessHelpPage, parent, dialogs)
{
    build();
    applyTexts();
    showObject();
    followPlant();
}

TProcesso::~TProcesso() = default;

ProcessModel *TProcesso::process()
{
    auto &processes = m_session.plant().processes;
    return processes.IsPresent(slot()) ? &processes[slot()] : nullptr;
}

bool TProcesso::objectPresent()
{
    return process() != nullptr;
}

void TProcesso::build()
{
    auto *column = new QVBoxLayout(this);

    addHeader(column);
    QFont bold = m_label9->font();
    bold.setBold(true);
    m_label9->setFont(bold);

    auto *fields = new QGridLayout;
    m_tagText = newTextEdit(this, "TagText");
    m_descricaoText = newTextEdit(this, "DescricaoText");
    m_label8 = newLabel(this, "Label8", "Entrada:");
    m_entradaSelect = named(new QComboBox(this), "EntradaSelect");
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
        m_entradaSelect->addItem(toQString(TwoDigits(k)));
    m_entradaSelect->installEventFilter(this);
    m_label20 = newLabel(this, "Label20", "Ganho:");
    m_ganhoText = newEdit(this, "GanhoText");
    m_label15 = newLabel(this, "Label15", "TM(seg):");
    m_tempoMorto = newEdit(this, "TempoMorto");
    m_label7 = newLabel(this, "Label7", "Tipo F.T.:");
    m_comboBox2 = named(new QComboBox(this), "ComboBox2");
    for (const char *item : kTransferFunctions)
        m_comboBox2->addItem(QString::fromUtf8(item));
    m_entradaSelect->setToolTip(
        QString::fromUtf8("Seleciona Endereço da Variável de Entrada do Bloco"));
    m_ganhoText->setToolTip(QStringLiteral("Ganho do Processo"));
    m_tempoMorto->setToolTip(QStringLiteral("Tempo Morto (segundos)"));
    m_comboBox2->setToolTip(QString::fromUtf8("Seleciona Função de Transferência"));
    fields->addWidget(newLabel(this, "TagLabel", "Tag:"), 0, 0);
    fields->addWidget(m_tagText, 0, 1);
    fields->addWidget(newLabel(this, "DescLabel", "Desc"), 0, 2);
    fields->addWidget(m_descricaoText, 0, 3);
    fields->addWidget(m_label8, 1, 0);
    fields->addWidget(m_entradaSelect, 1, 1);
    fields->addWidget(m_label20, 1, 2);
    fields->addWidget(m_ganhoText, 1, 3);
    fields->addWidget(m_label15, 2, 2);
    fields->addWidget(m_tempoMorto, 2, 3);
    fields->addWidget(m_label7, 2, 0);
    fields->addWidget(m_comboBox2, 2, 1);
    column->addLayout(fields);

    // The transfer-function pages share one place; only the chosen one shows.
    auto *pages = new QGridLayout;
    const auto newPage = [this, pages](const char *objectName, const char *title) {
        auto *group = named(new QGroupBox(QString::fromUtf8(title), this), objectName);
        pages->addWidget(group, 0, 0);
        return group;
    };
    m_groupPVC = newPage("GroupPVC", "Ordem 2 Sobreamortecido");
    m_lText = newEdit(m_groupPVC, "LText");
    m_cText = newEdit(m_groupPVC, "Ctext");
    auto *pvc = new QGridLayout(m_groupPVC);
    pvc->addWidget(newLabel(m_groupPVC, "Tal1Label", "Tal1(seg):"), 0, 0);
    pvc->addWidget(m_lText, 0, 1);
    pvc->addWidget(newLabel(m_groupPVC, "Tal2Label", "Tal2(seg):"), 1, 0);
    pvc->addWidget(m_cText, 1, 1);

    m_groupOrdem2 = newPage("GroupOrdem2", "Ordem 2 (sub)");
    m_label33 = newLabel(m_groupOrdem2, "Label33", "Num. Ciclos:");
    m_ncText = newEdit(m_groupOrdem2, "NCText");
    m_label34 = newLabel(m_groupOrdem2, "Label34", "Período(seg):");
    m_periodoText = newEdit(m_groupOrdem2, "PeriodoText");
    auto *second = new QGridLayout(m_groupOrdem2);
    second->addWidget(m_label33, 0, 0);
    second->addWidget(m_ncText, 0, 1);
    second->addWidget(m_label34, 1, 0);
    second->addWidget(m_periodoText, 1, 1);

    m_groupLeadLag = newPage("GroupLEADLAG", "Filtro LEAD-LAG");
    m_lead = newEdit(m_groupLeadLag, "LEAD");
    m_lag = newEdit(m_groupLeadLag, "LAG");
    auto *leadLag = new QGridLayout(m_groupLeadLag);
    leadLag->addWidget(newLabel(m_groupLeadLag, "LeadLabel", "LEAD(seg):"), 0, 0);
    leadLag->addWidget(m_lead, 0, 1);
    leadLag->addWidget(newLabel(m_groupLeadLag, "LagLabel", "LAG(seg):"), 1, 0);
    leadLag->addWidget(m_lag, 1, 1);

    m_groupBox2 = newPage("GroupBox2", "Integrador");
    m_label35 = newLabel(m_groupBox2, "Label35", "Valor Inicial(%):");
    m_valorInicialText = newEdit(m_groupBox2, "ValorInicialText");
    auto *integrator = new QGridLayout(m_groupBox2);
    integrator->addWidget(m_label35, 0, 0);
    integrator->addWidget(m_valorInicialText, 0, 1);
    column->addLayout(pages);

    m_groupBox1 = named(new QGroupBox(QString::fromUtf8("Características Não-Lineares"), this),
                        "GroupBox1");
    m_label18 = newLabel(m_groupBox1, "Label18", "Curva de ganho:");
    m_comboBox1 = named(new QComboBox(m_groupBox1), "ComboBox1");
    for (const char *item : kValveCurves)
        m_comboBox1->addItem(QString::fromUtf8(item));
    m_label14 = newLabel(m_groupBox1, "Label14", "Histerese:");
    m_histerese = newEdit(m_groupBox1, "Histerese");
    m_label19 = newLabel(m_groupBox1, "Label19", "Agarramento:");
    m_valveSText = newEdit(m_groupBox1, "valveStext");
    m_tal = newEdit(m_groupBox1, "tal");
    m_rateText = newEdit(m_groupBox1, "ratetext");
    m_checkBox1
        = named(new QCheckBox(QStringLiteral("Desativar Saturador"), m_groupBox1), "CheckBox1");
    auto *nonlinear = new QGridLayout(m_groupBox1);
    nonlinear->addWidget(m_label18, 0, 0);
    nonlinear->addWidget(m_comboBox1, 0, 1, 1, 3);
    nonlinear->addWidget(m_label14, 1, 0);
    nonlinear->addWidget(m_histerese, 1, 1);
    nonlinear->addWidget(m_label19, 1, 2);
    nonlinear->addWidget(m_valveSText, 1, 3);
    nonlinear->addWidget(newLabel(m_groupBox1, "TalLabel", "LAG(seg):"), 2, 0);
    nonlinear->addWidget(m_tal, 2, 1);
    nonlinear->addWidget(newLabel(m_groupBox1, "RateLabel", "Rate(%/seg):"), 2, 2);
    nonlinear->addWidget(m_rateText, 2, 3);
    nonlinear->addWidget(m_checkBox1, 3, 0, 1, 4);
    column->addWidget(m_groupBox1);

    auto *values = new QGridLayout;
    m_label40 = newLabel(this, "Label40", "Entrada (%):");
    m_label36 = newLabel(this, "Label36", "0.00");
    m_label25 = newLabel(this, "Label25", "Posição Atuador(%):");
    m_label26 = newLabel(this, "Label26", "0.00");
    m_label2 = newLabel(this, "Label2", "");
    m_label12 = newLabel(this, "Label12", "0.00");
    m_label22 = newLabel(this, "Label22", "");
    for (QLabel *value : {m_label36, m_label26, m_label12})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values->addWidget(m_label40, 0, 0);
    values->addWidget(m_label36, 0, 1);
    values->addWidget(m_label25, 1, 0);
    values->addWidget(m_label26, 1, 1);
    values->addWidget(m_label2, 1, 2);
    values->addWidget(newLabel(this, "SaidaLabel", "Saída(%):"), 2, 0);
    values->addWidget(m_label12, 2, 1);
    values->addWidget(m_label22, 2, 2);
    column->addLayout(values);

    addButtons(column);

    // ---- User edits -> model.
    connectTextEdit(m_tagText, [](ProcessModel &p, const std::string &t) { p.TagText = t; });
    connect(m_descricaoText, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit([&](ProcessModel &p) { p.SetDescricaoText(toText(text)); });
    });
    connectTextEdit(m_ganhoText, [](ProcessModel &p, const std::string &t) { p.GanhoText = t; });
    connectTextEdit(m_tempoMorto, [](ProcessModel &p, const std::string &t) { p.TempoMorto = t; });
    connectTextEdit(m_lText, [](ProcessModel &p, const std::string &t) { p.LText.SetText(t); });
    connectTextEdit(m_cText, [](ProcessModel &p, const std::string &t) { p.Ctext.SetText(t); });
    connectTextEdit(m_ncText, [](ProcessModel &p, const std::string &t) { p.NCText = t; });
    connectTextEdit(m_periodoText,
                    [](ProcessModel &p, const std::string &t) { p.PeriodoText = t; });
    connectTextEdit(m_lead, [](ProcessModel &p, const std::string &t) { p.LEAD.SetText(t); });
    connectTextEdit(m_lag, [](ProcessModel &p, const std::string &t) { p.LAG.SetText(t); });
    connectTextEdit(m_histerese, [](ProcessModel &p, const std::string &t) { p.Histerese = t; });
    connectTextEdit(m_valveSText, [](ProcessModel &p, const std::string &t) { p.valveStext = t; });
    connectTextEdit(m_tal, [](ProcessModel &p, const std::string &t) { p.tal = t; });
    connectTextEdit(m_rateText,
                    [](ProcessModel &p, const std::string &t) { p.ratetext.SetText(t); });
    // ValorInicialTextChange: Apply waits, the exit does not.
    connect(m_valorInicialText, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit([&](ProcessModel &p) { p.SetValorInicialText(toText(text)); });
    });
    connectList(m_entradaSelect, &ProcessModel::EntradaSelect);
    connectList(m_comboBox1, &ProcessModel::ComboBox1);
    connectList(m_comboBox2, &ProcessModel::ComboBox2);
    connect(m_checkBox1, &QCheckBox::clicked, this, [this](bool checked) {
        edit([&](ProcessModel &p) {
            p.CheckBox1 = checked;
            p.SettingsEdited();
        });
    });
}

// ---- User edits -> model.

void TProcesso::edit(const std::function<void(ProcessModel &)> &change)
{
    ProcessModel *model = process();
    if (!model)
        return;
    change(*model);
    m_session.MarkChanged();
    showButtons();
}

void TProcesso::connectTextEdit(QLineEdit *lineEdit,
                                void (*take)(ProcessModel &, const std::string &))
{
    connect(lineEdit, &QLineEdit::textEdited, this, [this, take](const QString &text) {
        const std::string value = toText(text);
        edit([&](ProcessModel &p) {
            take(p, value);
            p.SettingsEdited();
        });
    });
}

void TProcesso::connectList(QComboBox *list, int ProcessModel::*setting)
{
    connect(list, &QComboBox::activated, this, [this, setting](int index) {
        const ProcessModel *model = process();
        // Picking the item already chosen changes nothing.
        if (!model || model->*setting == index)
            return;
        edit([&](ProcessModel &p) {
            p.*setting = index;
            p.SettingsEdited();
        });
        ComboChange();
    });
}

void TProcesso::btnatualizaClick()
{
    ProcessModel *model = process();
    if (!model)
        return;
    const std::vector<std::string> messages = ApplyFromWindow(*model, m_session.plant().memories);
    showObject();
    if (reportMessages(messages))
        return;
    m_session.RefreshMainWindow();
    m_session.MarkChanged();
}

void TProcesso::EntradaSelectEnter()
{
    // The descriptions may have changed since the last visit. The items are renamed in place,
    // so the chosen input stays chosen and a save keeps it.
    const MemoryTable &memories = m_session.plant().memories;
    const QSignalBlocker blocker(m_entradaSelect);
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
        m_entradaSelect->setItemText(k - 1,
                                     toQString(TwoDigits(k) + " " + memories.Description(k)));
}

void TProcesso::FormActivate()
{
    if (ProcessModel *model = process()) {
        model->RefillDescription(m_session.plant().memories);
        showObject();
    }
    applyTexts();
}

// ---- Model -> widgets.

void TProcesso::showObject()
{
    const ProcessModel *model = process();
    if (!model)
        return;
    showText(m_tagText, model->TagText);
    showText(m_descricaoText, model->DescricaoText);
    showIndex(m_entradaSelect, model->EntradaSelect);
    showText(m_ganhoText, model->GanhoText);
    showText(m_tempoMorto, model->TempoMorto);
    showIndex(m_comboBox2, model->ComboBox2);
    showText(m_lText, model->LText.Text());
    showText(m_cText, model->Ctext.Text());
    showText(m_ncText, model->NCText);
    showText(m_periodoText, model->PeriodoText);
    showText(m_lead, model->LEAD.Text());
    showText(m_lag, model->LAG.Text());
    showText(m_valorInicialText, model->ValorInicialText);
    showIndex(m_comboBox1, model->ComboBox1);
    showText(m_histerese, model->Histerese);
    showText(m_valveSText, model->valveStext);
    showText(m_tal, model->tal);
    showText(m_rateText, model->ratetext.Text());
    showChecked(m_checkBox1, model->CheckBox1);
    showText(m_label9, model->Label9);
    showText(m_label22, model->Label22);
    showText(m_label2, model->Label2);
    ComboChange();
    showButtons();
    showCaption();
    showLiveValues();
}

void TProcesso::showButtons()
{
    if (const ProcessModel *model = process())
        enableButtons(model->btnatualizaEnabled, model->SairButtonEnabled);
}

void TProcesso::ComboChange()
{
    const int page = m_comboBox2->currentIndex();
    m_groupPVC->setVisible(page == 0);
    m_groupOrdem2->setVisible(page == 1);
    m_groupLeadLag->setVisible(page == 2);
    m_groupBox2->setVisible(page == 3);
}

void TProcesso::showLiveValues()
{
    // Hidden labels wait for the window to show again.
    if (!isVisible())
        return;
    if (const ProcessModel *model = process()) {
        showText(m_label36, FormatFixed(model->ShownInput, 2, 2));
        showText(m_label26, FormatFixed(model->ShownActuatorPosition, 2, 2));
        showText(m_label12, FormatFixed(model->ShownOutput, 2, 2));
    }
}

void TProcesso::showCaption()
{
    const ProcessModel *model = process();
    // A successful Apply names the window after the description.
    if (model && model->Caption)
        setWindowTitle(toQString(*model->Caption));
    else
        setWindowTitle(trText(m_session.language(), "Processo", "Process"));
}

void TProcesso::applyTexts()
{
    if (m_session.language() != Language::English || m_label20->text() == QStringLiteral("Gain:"))
        return;
    m_label8->setText(QStringLiteral("Input:"));
    m_label15->setText(QStringLiteral("DT(seg):"));
    m_label20->setText(QStringLiteral("Gain:"));
    m_label40->setText(QStringLiteral("Input(%):"));
    m_label25->setText(QStringLiteral("Actuator Position(%):"));
    m_label7->setText(QStringLiteral("FT Type:"));
    m_groupBox2->setTitle(QStringLiteral("Integrator process"));
    m_label35->setText(QStringLiteral("Initial Value(%):"));
    m_groupBox1->setTitle(QStringLiteral("Nonlinearities characteristics"));
    m_label18->setText(QStringLiteral("Static Gain Curve"));
    m_label14->setText(QStringLiteral("Histerese:"));
    m_label19->setText(QStringLiteral("Stiction"));
    m_checkBox1->setText(QStringLiteral("Disable Saturator"));
    m_btnatualiza->setText(QStringLiteral("Refresh"));
    // Renamed in place, so the choices stay.
    for (int i = 0; i < static_cast<int>(kTransferFunctionsEnglish.size()); ++i)
        m_comboBox2->setItemText(i, QString::fromUtf8(kTransferFunctionsEnglish[i]));
    for (int i = 0; i < static_cast<int>(kValveCurvesEnglish.size()); ++i)
        m_comboBox1->setItemText(i, QString::fromUtf8(kValveCurvesEnglish[i]));
    m_groupLeadLag->setTitle(QStringLiteral("Lead-Lag Filter"));
    m_groupPVC->setTitle(QStringLiteral("1st/2nd order (overdumped)"));
    m_groupOrdem2->setTitle(QStringLiteral("2nd order (underdumped)"));
    m_label33->setText(QStringLiteral("Visible cycles:"));
    m_label34->setText(QStringLiteral("Period(seg):"));
    m_entradaSelect->setToolTip(QStringLiteral("Select Input Variable"));
    m_ganhoText->setToolTip(QStringLiteral("Process Static Gain"));
    m_tempoMorto->setToolTip(QStringLiteral("Dead Time(seconds)"));
    m_sairButton->setToolTip(QStringLiteral("Exit"));
    m_comboBox2->setToolTip(QStringLiteral("Select Transfer Function"));
    showCaption();
}

// ---- Window events.

bool TProcesso::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entradaSelect && event->type() == QEvent::FocusIn) {
        // Entering the list, not coming back from its own popup or from another window.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            EntradaSelectEnter();
    }
    return ObjectWindow::eventFilter(watched, event);
}

void TProcesso::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; the process keeps running.
    if (!m_leaving && process())
        m_session.RefreshMainWindow();
    ObjectWindow::closeEvent(event);
}

} // namespace zelvar
