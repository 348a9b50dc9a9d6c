#include "engine/ui/blockwindow.h"

#include "engine/model/calculationblock.h"
#include "engine/model/numbertext.h"
#include "engine/ui/objecthelp.h"
#include "workspace/ui/session.h"
#include "workspace/ui/uitext.h"
#include "workspace/ui/userdialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <string>

namespace zelvar {

namespace {

template<typename Widget> Widget *named(Widget *widget, const char *objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QLabel *newLabel(QWidget *parent, const char *objectName, const char *text)
{
    return named(new QLabel(QString::fromUtf8(text), parent), objectName);
}

QLineEdit *newEdit(QWidget *parent, const char *objectName, const char *hint = nullptr)
{
    auto *edit = named(new QLineEdit(parent), objectName);
    if (hint)
        edit->setToolTip(QString::fromUtf8(hint));
    return edit;
}

// Shown text follows the model; an unchanged text is left alone so the cursor stays put.
void showText(QLineEdit *edit, const std::string &text)
{
    const QString shown = toQString(text);
    if (edit->text() == shown)
        return;
    const QSignalBlocker blocker(edit);
    edit->setText(shown);
}

void showText(QLabel *label, const std::string &text)
{
    const QString shown = toQString(text);
    if (label->text() != shown)
        label->setText(shown);
}

void showChecked(QCheckBox *box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

} // namespace

TBloco::TBloco(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_session(session)
    , m_slot(slot)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtUserDialogs>())
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    setObjectName(QStringLiteral("BlockSlot") + toQString(FormatFixed(slot, 0, 0)));
    setWindowTitle(QString::fromUtf8("Bloco de Cálculo"));
    build();
    applyTexts();
    showBlock();

    connect(&m_session, &Session::plantReplaced, this, [this] {
        if (!leaveIfRemoved())
            showBlock();
    });
    connect(&m_session, &Session::plantChanged, this, &TBloco::leaveIfRemoved);
    connect(&m_session, &Session::mainWindowRefreshed, this, &TBloco::leaveIfRemoved);
    connect(&m_session, &Session::ticked, this, [this] {
        if (!leaveIfRemoved())
            showLiveValue();
    });
}

TBloco::~TBloco() = default;

CalculationBlock *TBloco::block()
{
    auto &blocks = m_session.plant().blocks;
    return blocks.IsPresent(m_slot) ? &blocks[m_slot] : nullptr;
}

void TBloco::build()
{
    auto *column = new QVBoxLayout(this);

    m_panel1 = named(new QFrame(this), "Panel1");
    m_panel1->setFrameShape(QFrame::StyledPanel);
    auto *panelRow = new QHBoxLayout(m_panel1);
    m_label9 = newLabel(m_panel1, "Label9", "");
    panelRow->addWidget(m_label9);
    column->addWidget(m_panel1);

    auto *fields = new QGridLayout;
    m_tagText = newEdit(this, "TagText");
    m_label1 = newLabel(this, "Label1", "=");
    m_label6 = newLabel(this, "Label6", "0.00");
    QFont bold = m_label6->font();
    bold.setBold(true);
    m_label6->setFont(bold);
    m_descricaoText = newEdit(this, "DescricaoText");
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

    auto *buttons = new QHBoxLayout;
    m_btnatualiza = named(new QPushButton(QStringLiteral("Atualizar"), this), "btnatualiza");
    m_sairButton = named(new QToolButton(this), "SairButton");
    m_sairButton->setIcon(QIcon(QStringLiteral(":/pictures/menu/sair.png")));
    m_sairButton->setToolTip(QStringLiteral("Sair"));
    m_speedButton1 = named(new QToolButton(this), "SpeedButton1");
    m_speedButton1->setText(QStringLiteral("?"));
    buttons->addWidget(m_btnatualiza);
    buttons->addStretch();
    buttons->addWidget(m_speedButton1);
    buttons->addWidget(m_sairButton);
    column->addLayout(buttons);

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
    connect(m_btnatualiza, &QPushButton::clicked, this, &TBloco::btnatualizaClick);
    connect(m_sairButton, &QToolButton::clicked, this, &TBloco::SairButtonClick);
    connect(m_speedButton1, &QToolButton::clicked, this, &TBloco::SpeedButton1Click);
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
    showBlock();
    if (!messages.empty()) {
        // The boxes are modal and the tick goes on behind them: the window may be gone after one.
        const QPointer<TBloco> alive(this);
        for (const std::string &message : messages) {
            m_dialogs.inform(this, toQString(message));
            if (!alive)
                return;
        }
        return;
    }
    m_session.MarkChanged();
    m_session.RefreshMainWindow();
}

void TBloco::SairButtonClick()
{
    close();
}

void TBloco::SpeedButton1Click()
{
    m_dialogs.openUrl(ObjectHelpPageUrl(m_session.HelpFolder, QString::fromLatin1(kBlockHelpPage)));
}

void TBloco::FormActivate()
{
    if (CalculationBlock *model = block()) {
        model->RefillDescription(m_session.plant().memories);
        showBlock();
    }
    applyTexts();
}

// ---- Model -> widgets.

void TBloco::showBlock()
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
    showLiveValue();
}

void TBloco::showButtons()
{
    if (const CalculationBlock *model = block()) {
        m_btnatualiza->setEnabled(model->btnatualizaEnabled);
        m_sairButton->setEnabled(model->SairButtonEnabled);
    }
}

void TBloco::showLiveValue()
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

bool TBloco::leaveIfRemoved()
{
    if (m_leaving)
        return true;
    if (block())
        return false;
    m_leaving = true;
    hide();
    deleteLater();
    return true;
}

// ---- Window events.

bool TBloco::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !leaveIfRemoved())
        FormActivate();
    return QWidget::event(event);
}

void TBloco::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showLiveValue();
}

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
    QWidget::closeEvent(event);
}

} // namespace zelvar
