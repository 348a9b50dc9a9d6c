#include "instruments/ui/animatedtextwindow.h"

#include "instruments/model/animatedtext.h"
#include "instruments/model/memorylist.h"
#include "services/dropdownlist.h"
#include "services/picturewidgets.h"
#include "services/session.h"
#include "services/uitext.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <string>
#include <utility>

namespace zelvar {

namespace {

// ComboBox1 is narrow, showing the memory number; its open list is wide enough to read the
// descriptions, which it takes afresh each time it opens.
constexpr int kComboBox1ListWidth = 260;

constexpr const char *kKinds[] = {"Escalar", "Binário", "Equação"};
constexpr const char *kKindsEnglish[] = {"Escalar", "Binary", "Equation"};

// The caption beside the memory list or the function names what the kind asks for, in English
// too.
const char *Label3English(int kind)
{
    switch (kind) {
    case kBinario:
        return "<Text>";
    case kEquacao:
        return "Equation";
    default:
        return "Variable";
    }
}

void setReadOnly(std::initializer_list<QLineEdit *> edits, bool readOnly)
{
    for (QLineEdit *edit : edits)
        edit->setReadOnly(readOnly);
}

} // namespace

TForm2::TForm2(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : ObjectWindow(session, slot, "AnimatedTextSlot", "", parent, dialogs)
{
    setWindowTitle(QStringLiteral("TEXTO"));
    build();
    applyTexts();
    showObject();
    followPlant();
}

TForm2::~TForm2() = default;

AnimatedText *TForm2::text()
{
    auto &texts = m_session.plant().animatedTexts;
    return texts.IsPresent(slot()) ? &texts[slot()] : nullptr;
}

bool TForm2::objectPresent()
{
    return text() != nullptr;
}

void TForm2::build()
{
    auto *column = new QVBoxLayout(this);
    // A fixed-size dialog whose height follows the kind's controls.
    column->setSizeConstraint(QLayout::SetFixedSize);

    m_label1 = newLabel(this, "Label1", "");
    QFont large = m_label1->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    m_label1->setFont(large);
    m_label1->setAlignment(Qt::AlignCenter);
    m_panel1 = named(new QFrame(this), "Panel1");
    m_panel1->setFrameShape(QFrame::StyledPanel);
    auto *panel1Column = new QVBoxLayout(m_panel1);
    m_label4 = newLabel(m_panel1, "Label4", "");
    m_label4->setAlignment(Qt::AlignCenter);
    panel1Column->addWidget(m_label1);
    panel1Column->addWidget(m_label4);
    column->addWidget(m_panel1);

    m_tipo = named(new QGroupBox(QStringLiteral("Tipo"), this), "Tipo");
    auto *kinds = new QHBoxLayout(m_tipo);
    m_tipoButtons = new QButtonGroup(this);
    for (int kind = kEscalar; kind <= kEquacao; ++kind) {
        auto *button = new QRadioButton(QString::fromUtf8(kKinds[kind]), m_tipo);
        m_tipoButtons->addButton(button, kind);
        kinds->addWidget(button);
    }
    column->addWidget(m_tipo);

    auto *choice = new QHBoxLayout;
    m_label3 = newLabel(this, "Label3", "Variável");
    m_label3->setMinimumWidth(60);
    m_comboBox1 = named(new DropDownList(this, [this] { ComboBox1DropDown(); }), "ComboBox1");
    QStyleOptionComboBox option;
    option.initFrom(m_comboBox1);
    const QSize number(m_comboBox1->fontMetrics().horizontalAdvance(QStringLiteral("000")),
                       m_comboBox1->fontMetrics().height());
    m_comboBox1->setFixedWidth(
        m_comboBox1->style()->sizeFromContents(QStyle::CT_ComboBox, &option, number).width());
    m_comboBox1->view()->setMinimumWidth(kComboBox1ListWidth);
    m_comboBox1->setToolTip(QString::fromUtf8("Variável para exibição"));
    m_funcaoTr = newEdit(this,
                         "FuncaoTr",
                         "Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 "
                         "separados pelo caracter /");
    m_funcaoTr->setMinimumWidth(180);
    choice->addWidget(m_label3);
    choice->addWidget(m_comboBox1);
    choice->addWidget(m_funcaoTr, 1);
    choice->addStretch();
    column->addLayout(choice);

    auto *description = new QHBoxLayout;
    m_label2 = newLabel(this, "Label2", "Descrição:");
    m_descricaoText = newTextEdit(this, "DescricaoText");
    description->addWidget(m_label2);
    description->addWidget(m_descricaoText, 1);
    column->addLayout(description);

    m_panel2 = named(new QFrame(this), "Panel2");
    m_panel2->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(m_panel2);
    m_label6 = newLabel(m_panel2, "Label6", "Unid. Eng.:");
    m_unidade = newEdit(m_panel2, "Unidade");
    m_label5 = newLabel(m_panel2, "Label5", "Decimais:");
    m_casasDecimais = named(new QSpinBox(m_panel2), "CasasDecimais");
    m_casasDecimais->setRange(0, 5);
    // Changed with the arrows only.
    if (auto *typed = m_casasDecimais->findChild<QLineEdit *>())
        typed->setReadOnly(true);
    m_label7 = newLabel(m_panel2, "Label7", "Faixa máx:");
    m_edit1 = newEdit(m_panel2, "Edit1");
    m_label8 = newLabel(m_panel2, "Label8", "Faixa min:");
    m_edit4 = newEdit(m_panel2, "Edit4");
    m_label9 = newLabel(m_panel2, "Label9", "Alarme Alto:");
    m_edit2 = newEdit(m_panel2, "Edit2");
    m_label10 = newLabel(m_panel2, "Label10", "Alarme Baixo:");
    m_edit3 = newEdit(m_panel2, "Edit3");
    for (QLineEdit *edit : {m_unidade, m_edit1, m_edit4, m_edit2, m_edit3})
        edit->setMaximumWidth(90);
    grid->addWidget(m_label6, 0, 0);
    grid->addWidget(m_unidade, 0, 1);
    grid->addWidget(m_label5, 0, 2);
    grid->addWidget(m_casasDecimais, 0, 3);
    grid->addWidget(m_label7, 1, 0);
    grid->addWidget(m_edit1, 1, 1);
    grid->addWidget(m_label8, 1, 2);
    grid->addWidget(m_edit4, 1, 3);
    grid->addWidget(m_label9, 2, 0);
    grid->addWidget(m_edit2, 2, 1);
    grid->addWidget(m_label10, 2, 2);
    grid->addWidget(m_edit3, 2, 3);
    column->addWidget(m_panel2);

    auto *buttons = new QHBoxLayout;
    m_sairButton = named(new QToolButton(this), "SairButton");
    m_sairButton->setIcon(QIcon(QStringLiteral(":/pictures/menu/sair.png")));
    m_sairButton->setToolTip(QStringLiteral("Sair"));
    buttons->addStretch();
    buttons->addWidget(m_sairButton);
    column->addLayout(buttons);

    // ---- User edits -> model.
    connect(m_tipoButtons, &QButtonGroup::idClicked, this, &TForm2::TipoClick);
    connect(m_comboBox1, &QComboBox::activated, this, &TForm2::ComboBox1Change);
    const auto connectText
        = [this](QLineEdit *lineEdit, void (*take)(AnimatedText &, std::string)) {
              connect(lineEdit, &QLineEdit::textEdited, this, [this, take](const QString &typed) {
                  std::string value = typed.toStdString();
                  edit([&](AnimatedText &t) { take(t, std::move(value)); });
              });
          };
    connectText(m_funcaoTr, [](AnimatedText &t, std::string s) { t.FuncaoTr = std::move(s); });
    connectText(m_descricaoText,
                [](AnimatedText &t, std::string s) { t.DescricaoText = std::move(s); });
    connectText(m_unidade, [](AnimatedText &t, std::string s) { t.Unidade = std::move(s); });
    connectText(m_edit1, [](AnimatedText &t, std::string s) { t.SetRangeHighText(std::move(s)); });
    connectText(m_edit4, [](AnimatedText &t, std::string s) { t.SetRangeLowText(std::move(s)); });
    connectText(m_edit2, [](AnimatedText &t, std::string s) { t.Edit2 = std::move(s); });
    connectText(m_edit3, [](AnimatedText &t, std::string s) { t.Edit3 = std::move(s); });
    connect(m_casasDecimais, &QSpinBox::valueChanged, this, [this](int decimals) {
        edit([&](AnimatedText &t) { t.SetDecimals(decimals); });
    });
    connect(m_sairButton, &QToolButton::clicked, this, &TForm2::SairButtonClick);
}

// ---- User edits -> model.

void TForm2::edit(const std::function<void(AnimatedText &)> &change)
{
    AnimatedText *model = text();
    if (!model)
        return;
    change(*model);
    m_session.MarkChanged();
    showObject();
}

void TForm2::TipoClick(int kind)
{
    const AnimatedText *model = text();
    if (!model || model->Tipo == kind)
        return;
    edit([&](AnimatedText &t) { t.Tipo = kind; });
}

void TForm2::ComboBox1Change(int position)
{
    const AnimatedText *model = text();
    if (!model || model->ComboBox1 == position)
        return;
    edit([&](AnimatedText &t) { ChooseTextMemory(t, position, m_session.plant().memories); });
}

void TForm2::ComboBox1DropDown()
{
    // Renamed in place, so the choice stays.
    const MemoryTable &memories = m_session.plant().memories;
    const QSignalBlocker blocker(m_comboBox1);
    for (int position = 0; position < m_comboBox1->count(); ++position)
        m_comboBox1->setItemText(position, toQString(MemoryListItem(memories, position)));
}

void TForm2::btnatualizaClick()
{
    AnimatedText *model = text();
    if (!model)
        return;
    const bool valid = ApplyTextSettings(*model, m_session.plant().memories);
    showObject();
    if (valid)
        m_session.RefreshMainWindow();
}

void TForm2::SairButtonClick()
{
    btnatualizaClick();
    hide();
}

void TForm2::FormActivate()
{
    applyTexts();
}

// ---- Model -> widgets.

void TForm2::showObject()
{
    const AnimatedText *model = text();
    if (!model)
        return;
    if (m_comboBox1->count() == 0) {
        for (const std::string &item : MemoryListItems(m_session.plant().memories))
            m_comboBox1->addItem(toQString(item));
    }
    {
        const QSignalBlocker blocker(m_tipoButtons);
        if (QAbstractButton *button = m_tipoButtons->button(model->Tipo)) {
            button->setChecked(true);
        } else if (QAbstractButton *checked = m_tipoButtons->checkedButton()) {
            // A kind the file did not name: no button stays checked.
            m_tipoButtons->setExclusive(false);
            checked->setChecked(false);
            m_tipoButtons->setExclusive(true);
        }
    }
    {
        const QSignalBlocker blocker(m_comboBox1);
        m_comboBox1->setCurrentIndex(
            model->ComboBox1 >= 0 && model->ComboBox1 < m_comboBox1->count() ? model->ComboBox1
                                                                             : -1);
    }
    showText(m_funcaoTr, model->FuncaoTr);
    showText(m_descricaoText, model->DescricaoText);
    showText(m_unidade, model->Unidade);
    {
        const QSignalBlocker blocker(m_casasDecimais);
        m_casasDecimais->setValue(model->CasasDecimais);
    }
    showText(m_edit1, model->Edit1);
    showText(m_edit4, model->Edit4);
    showText(m_edit2, model->Edit2);
    showText(m_edit3, model->Edit3);
    showText(m_label4, model->Label4);
    ArrangeTextLayout();
    showLiveValues();
}

void TForm2::showLiveValues()
{
    // The display follows the picture's refresh; a hidden window waits.
    if (!isVisible())
        return;
    if (const AnimatedText *model = text()) {
        showText(m_label1, model->Label1);
        QPalette palette = m_label1->palette();
        palette.setColor(QPalette::WindowText, ToQColor(model->Label1Colour));
        m_label1->setPalette(palette);
    }
}

void TForm2::ArrangeTextLayout()
{
    const AnimatedText *model = text();
    if (!model)
        return;
    const AnimatedTextLayout layout = zelvar::ArrangeTextLayout(model->Tipo);
    m_comboBox1->setVisible(layout.ComboBox1Shown);
    m_panel2->setVisible(layout.Panel2Shown);
    // The short panel keeps the unit and range rows only.
    const bool alarmRows = layout.Panel2Height > 61;
    for (QWidget *alarm : std::initializer_list<QWidget *>{m_label9, m_edit2, m_label10, m_edit3})
        alarm->setVisible(alarmRows);
    m_funcaoTr->setVisible(layout.FuncaoTrShown);
    if (layout.rangeEdits == AnimatedTextLayout::Edits::ReadOnly)
        setReadOnly({m_unidade, m_edit1, m_edit2, m_edit3, m_edit4}, true);
    else if (layout.rangeEdits == AnimatedTextLayout::Edits::Editable)
        setReadOnly({m_unidade, m_edit1, m_edit4}, false);

    showText(m_label3,
             std::string(Tr(m_session.language(), layout.Label3, Label3English(model->Tipo))));
}

void TForm2::applyTexts()
{
    if (m_session.language() != Language::English
        || m_label2->text() == QStringLiteral("Description:"))
        return;
    m_label2->setText(QStringLiteral("Description:"));
    m_tipo->setTitle(QStringLiteral("Type"));
    for (int kind = kEscalar; kind <= kEquacao; ++kind)
        m_tipoButtons->button(kind)->setText(QString::fromUtf8(kKindsEnglish[kind]));
    m_label6->setText(QStringLiteral("Eng.Unit:"));
    m_label8->setText(QStringLiteral("Min Span:"));
    m_label7->setText(QStringLiteral("Max Span:"));
    m_label10->setText(QStringLiteral("Low Alarm:"));
    m_label9->setText(QStringLiteral("High Alarm:"));
    setWindowTitle(QStringLiteral("Animated text"));
    m_comboBox1->setToolTip(QStringLiteral("Variable to show"));
    m_funcaoTr->setToolTip(
        QStringLiteral("If binary type, insert text for 0 and 1 values split by / caracter"));
}

} // namespace zelvar
