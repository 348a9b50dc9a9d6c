#include "engine/ui/blockwindow.h"

#include "engine/model/calculationblock.h"
#include "engine/model/numbertext.h"
#include "engine/ui/objecthelp.h"
#include "services/session.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string>

namespace zelvar {

TBloco::TBloco(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : ObjectWindow(session, slot, "BlockSlot", kBlockHelpPage, parent, dialogs)
{
    setWindowTitle(QString::fromUtf8("Bloco de Cálculo"));
    build();
    applyTexts();
    showObject();
    followPlant();
}

TBloco::~TBloco() = default;

CalculationBlock *TBloco::block()
{
    auto &blocks = m_session.plant().blocks;
    return blocks.IsPresent(slot()) ? &blocks[slot()] : nullptr;
}

bool TBloco::objectPresent()
{
    return block() != nullptr;
}

void TBloco::build()
{
    auto *column = new QVBoxLayout(this);

    addHeader(column);

    auto *fields = new QGridLayout;
    m_tagText = newTextEdit(this, "TagText");
    m_label1 = newLabel(this, "Label1", "=");
    m_label6 = newLabel(this, "Label6", "0.00");
    QFont bold = m_label6->font();
    bold.setBold(true);
    m_label6->setFont(bold);
    m_descricaoText = newTextEdit(this, "DescricaoText");
    m_label2 = newLabel(this, "Label2", "Função");
    m_funcaoTr = newEdit(this, "FuncaoTr", "Expressão matemática do cálculo");
    auto *output = new QHBoxLayout;
    output->addWidget(m_label1);
    output->addWidget(m_label6);
    output->addStretch();
    fields->addWidget(newLabel(this, "TagLabel", "Tag:"), 0, 0);
    fields->addWidget(m_tagText, 0, 1);
    fields->addLayout(output, 0, 2);
    fields->addWidget(newLabel(this, "DescLabel", "Desc"), 1, 0);
    fields->addWidget(m_descricaoText, 1, 1, 1, 2);
    fields->addWidget(m_label2, 2, 0);
    fields->addWidget(m_funcaoTr, 2, 1, 1, 2);
    column->addLayout(fields);

    m_groupBox1 = named(new QGroupBox(QStringLiteral("Limites:"), this), "GroupBox1");
    m_limSupCheck = named(new QCheckBox(QStringLiteral("Max:"), m_groupBox1), "LimSupCheck");
    m_limSupText = newEdit(m_groupBox1, "LimSupText", "Limite superior para saída");
    m_limInfCheck = named(new QCheckBox(QStringLiteral("Min:"), m_groupBox1), "LimInfCheck");
    m_limInfText = newEdit(m_groupBox1, "LimInfText", "Limite inferior para saída");
    auto *limits = new QGridLayout(m_groupBox1);
    limits->addWidget(m_limSupCheck, 0, 0);
    limits->addWidget(m_limSupText, 0, 1);
    limits->addWidget(m_limInfCheck, 1, 0);
    limits->addWidget(m_limInfText, 1, 1);
    column->addWidget(m_groupBox1);

    addButtons(column);

    // ---- User edits -> model.
    const auto connectText
        = [this](QLineEdit *lineEdit, void (*take)(CalculationBlock &, const std::string &)) {
              connect(lineEdit, &QLineEdit::textEdited, this, [this, take](const QString &text) {
                  const std::string value = text.toStdString();
                  edit([&](CalculationBlock &b) { take(b, value); });
              });
          };
    connectText(m_tagText, [](CalculationBlock &b, const std::string &t) { b.TagText = t; });
    connectText(m_descricaoText,
                [](CalculationBlock &b, const std::string &t) { b.SetDescricaoText(t); });
    connectText(m_funcaoTr, [](CalculationBlock &b, const std::string &t) { b.FuncaoTr = t; });
    connectText(m_limSupText, [](CalculationBlock &b, const std::string &t) { b.LimSupText = t; });
    connectText(m_limInfText, [](CalculationBlock &b, const std::string &t) { b.LimInfText = t; });
    // The boxes act on the next step, before any Apply.
    connect(m_limSupCheck, &QCheckBox::clicked, this, [this](bool checked) {
        edit([&](CalculationBlock &b) { b.LimSupCheck = checked; });
    });
    connect(m_limInfCheck, &QCheckBox::clicked, this, [this](bool checked) {
        edit([&](CalculationBlock &b) { b.LimInfCheck = checked; });
    });
}

// ---- User edits -> model.

void TBloco::edit(const std::function<void(CalculationBlock &)> &change)
{
    CalculationBlock *model = block();
    if (!model)
        return;
    change(*model);
    model->SettingsEdited();
    m_session.MarkChanged();
    showButtons();
}

void TBloco::btnatualizaClick()
{
    CalculationBlock *model = block();
    if (!model)
        return;
    const std::vector<std::string> messages = ApplyFromWindow(*model, m_session.plant().memories);
    showObject();
    if (reportMessages(messages))
        return;
    m_session.MarkChanged();
    m_session.RefreshMainWindow();
}

void TBloco::FormActivate()
{
    if (CalculationBlock *model = block()) {
        model->RefillDescription(m_session.plant().memories);
        showObject();
    }
    applyTexts();
}

// ---- Model -> widgets.

void TBloco::showObject()
{
    const CalculationBlock *model = block();
    if (!model)
        return;
    showText(m_tagText, model->TagText);
    showText(m_descricaoText, model->DescricaoText);
    showText(m_funcaoTr, model->FuncaoTr);
    showText(m_limSupText, model->LimSupText);
    showText(m_limInfText, model->LimInfText);
    showChecked(m_limSupCheck, model->LimSupCheck);
    showChecked(m_limInfCheck, model->LimInfCheck);
    showText(m_label1, model->Label1);
    showText(m_label9, model->Label9);
    showButtons();
    showLiveValues();
}

void TBloco::showButtons()
{
    if (const CalculationBlock *model = block())
        enableButtons(model->btnatualizaEnabled, model->SairButtonEnabled);
}

void TBloco::showLiveValues()
{
    // A hidden label waits for the window to show again.
    if (!isVisible())
        return;
    if (const CalculationBlock *model = block())
        showText(m_label6, FormatFixed(model->ShownOutput, 2, 2));
}

void TBloco::applyTexts()
{
    if (m_session.language() != Language::English || m_label2->text() == QStringLiteral("Function"))
        return;
    setWindowTitle(QStringLiteral("Calculations Block"));
    m_label2->setText(QStringLiteral("Function"));
    m_groupBox1->setTitle(QStringLiteral("Limits"));
    m_funcaoTr->setToolTip(QStringLiteral("Math expression for calculation"));
    m_limSupText->setToolTip(QStringLiteral("Output Upper Limit"));
    m_limInfText->setToolTip(QStringLiteral("Output Lower Limit"));
}

// ---- Window events.

void TBloco::closeEvent(QCloseEvent *event)
{
    CalculationBlock *model = m_leaving ? nullptr : block();
    // While an edit waits for Apply the window stays, by the title bar too; leaving the plant
    // (m_leaving) and deleting the window are not closes.
    if (model && !model->SairButtonEnabled) {
        event->ignore();
        return;
    }
    // Closing only hides the window; the block keeps running.
    if (model && model->SairButtonEnabled) {
        model->btnatualizaEnabled = false;
        showButtons();
    }
    ObjectWindow::closeEvent(event);
}

} // namespace zelvar
