#include "engine/ui/signalgeneratorwindow.h"

#include "engine/model/numbertext.h"
#include "engine/ui/objecthelp.h"
#include "services/pictures.h"
#include "services/picturewidgets.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace zelvar {

namespace {

constexpr char kHelpPage[] = "/ferramentas/#gerador_sinais";

// The kind lists' entries; a row offers the first SignalGenerator::KindCount(n) of them.
struct KindText
{
    const char *portuguese;
    const char *english;
};
constexpr KindText kKindTexts[] = {
    {"Constante 0-100", "Constant 0-100"},
    {"Constante 0-1", "Constant 0-1"},
    {"Aleatório Rápido", "Fast Random"},
    {"Aleatório Médio", "Medium Random"},
    {"Aleatório Lento", "Slow Random"},
    {"Sinal Senoidal", "Sinusoidal signal"},
    {"Random Walk", "Random Walk"},
    {"Equação", "Equation"},
    {"LN()", "LN()"},
    {"Exp()", "Exp()"},
};

// Client area and the fixed places of a row's inputs, in pixels; the Desc and Valor edits take
// their left and width from the row's layout.
constexpr int kWindowWidth = 377;
constexpr int kWindowHeight = 456;
constexpr int kNumberLeft = 6;
constexpr int kTipoLeft = 24;
constexpr int kTipoWidth = 97;
constexpr int kDescLeft = 128;
constexpr int kMinLeft = 200;
constexpr int kMaxLeft = 248;
constexpr int kBoundWidth = 41;
constexpr int kValorDigWidth = 73;
constexpr int kUpDownLeft = 336;
constexpr int kRowHeight = 21;
constexpr int kButtonsTop = 416;
constexpr int kButtonHeight = 28;
// The line height the pixel numbers above were made for, and what a kind list needs beside its
// text (frame and arrow).
constexpr double kDesignTextHeight = 13.0;
constexpr int kListChrome = 30;

int rowTop(int n)
{
    return n <= SignalGenerator::kLastSteppedRow ? 8 + 24 * (n - 81) : 264 + 24 * (n - 91);
}

QString rowName(int n, const char *part)
{
    return QStringLiteral("M") + toQString(FormatFixed(n, 0, 0)) + QString::fromLatin1(part);
}

} // namespace

TParmForm::TParmForm(Session &session, QWidget *parent, UserDialogs *dialogs)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtUserDialogs>())
    , m_session(session)
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    setObjectName(QStringLiteral("ParmForm"));
    // Larger fonts spread the rows out rather than cut their texts: the rows grow with the
    // line height, the columns until the longest kind fits its list.
    const QFontMetrics metrics = fontMetrics();
    int widestKind = 0;
    for (const KindText &kind : kKindTexts) {
        const char *text = session.language() == Language::English ? kind.english : kind.portuguese;
        widestKind = std::max(widestKind, metrics.horizontalAdvance(QString::fromUtf8(text)));
    }
    m_scaleX = std::max(1.0, static_cast<double>(widestKind + kListChrome) / kTipoWidth);
    m_scaleY = std::max(1.0, metrics.height() / kDesignTextHeight);
    // The caption stays Portuguese in English too.
    setWindowTitle(QStringLiteral("Gerador de Sinais"));
    build();
    applyTexts();
    showGenerator();
    setFixedSize(pxX(kWindowWidth), pxY(kWindowHeight));
    move(189, 195);

    connect(&m_session, &Session::ticked, this, [this] {
        // Hidden texts wait for the window to show again.
        if (isVisible())
            showShownValues();
    });
}

TParmForm::~TParmForm() = default;

SignalGenerator &TParmForm::generator()
{
    // Never kept: a read or a reset replaces the plant.
    return m_session.plant().signalGenerator;
}

int TParmForm::pxX(int designPixels) const
{
    return RoundHalfEven(designPixels * m_scaleX);
}

int TParmForm::pxY(int designPixels) const
{
    return RoundHalfEven(designPixels * m_scaleY);
}

void TParmForm::place(QWidget *widget, int left, int top, int width, int height) const
{
    widget->setGeometry(pxX(left), pxY(top), pxX(width), pxY(height));
}

TParmForm::RowWidgets &TParmForm::rowWidgets(int n)
{
    return m_rows[static_cast<std::size_t>(n - SignalGenerator::kFirstRow)];
}

void TParmForm::build()
{
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n)
        buildRow(n);

    m_button1 = new QPushButton(QStringLiteral("Atualiza"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    QFont larger = m_button1->font();
    larger.setPointSizeF(larger.pointSizeF() + 1.0);
    larger.setBold(true);
    m_button1->setFont(larger);
    place(m_button1, 24, kButtonsTop, 89, kButtonHeight);

    m_speedButton1 = new QToolButton(this);
    m_speedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    m_speedButton1->setText(QStringLiteral("?"));
    place(m_speedButton1, 176, kButtonsTop, 37, kButtonHeight);

    m_sairButton = new QPushButton(QStringLiteral("Sair"), this);
    m_sairButton->setObjectName(QStringLiteral("SairButton"));
    m_sairButton->setIcon(LoadIcon(QStringLiteral("pictures/menu/sair.png")));
    place(m_sairButton, 273, kButtonsTop, 79, kButtonHeight);

    connect(m_button1, &QPushButton::clicked, this, &TParmForm::Button1Click);
    connect(m_speedButton1, &QToolButton::clicked, this, &TParmForm::SpeedButton1Click);
    connect(m_sairButton, &QPushButton::clicked, this, &TParmForm::SairButtonClick);
}

void TParmForm::buildRow(int n)
{
    RowWidgets &row = rowWidgets(n);
    const int top = rowTop(n);
    const bool stepped = n <= SignalGenerator::kLastSteppedRow;

    row.number = new QLabel(toQString(FormatFixed(n, 0, 0)), this);
    place(row.number, kNumberLeft, top, kTipoLeft - kNumberLeft, kRowHeight);

    row.tipo = new QComboBox(this);
    row.tipo->setObjectName(rowName(n, "Tipo"));
    for (int kind = 0; kind < SignalGenerator::KindCount(n); ++kind)
        row.tipo->addItem(QString::fromUtf8(kKindTexts[kind].portuguese));
    // The list is narrow; its entries are read in full when it drops down.
    row.tipo->view()->setMinimumWidth(row.tipo->view()->sizeHintForColumn(0) + 8);
    place(row.tipo, kTipoLeft, top, kTipoWidth, kRowHeight);
    connect(row.tipo, &QComboBox::activated, this, [this, n](int kind) { TipoChange(n, kind); });

    row.desc = newRowEdit(n, "Desc", SignalText::Desc);
    if (stepped) {
        row.min = newRowEdit(n, "Min", SignalText::Min);
        place(row.min, kMinLeft, top, kBoundWidth, kRowHeight);
        row.max = newRowEdit(n, "Max", SignalText::Max);
        place(row.max, kMaxLeft, top, kBoundWidth, kRowHeight);
    }
    row.valor = newRowEdit(n, "Valor", SignalText::Valor);

    // The 0/1 choice takes the place of the Valor edit and the up-down.
    row.valorDig = new QWidget(this);
    row.valorDig->setObjectName(rowName(n, "ValorDig"));
    auto *choices = new QHBoxLayout(row.valorDig);
    choices->setContentsMargins(4, 0, 0, 0);
    row.zeroOne = new QButtonGroup(row.valorDig);
    for (int position : {0, 1}) {
        auto *choice = new QRadioButton(toQString(FormatFixed(position, 0, 0)), row.valorDig);
        choices->addWidget(choice);
        row.zeroOne->addButton(choice, position);
    }
    place(row.valorDig, stepped ? 292 : 288, top, kValorDigWidth, kRowHeight);
    connect(row.zeroOne, &QButtonGroup::idClicked, this, [this, n](int position) {
        ValorDigClick(n, position);
    });

    row.upDown = new UpDown(0, 100, 1, this);
    row.upDown->setObjectName(rowName(n, "UpDown"));
    row.upDown->move(pxX(kUpDownLeft), pxY(top) + (pxY(kRowHeight) - row.upDown->height()) / 2);
    // It sits over the right end of the Valor edit.
    row.upDown->raise();
    connect(row.upDown, &UpDown::positionChanged, this, [this, n](int position) {
        UpDownClick(n, position);
    });
}

QLineEdit *TParmForm::newRowEdit(int n, const char *part, SignalText which)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(rowName(n, part));
    if (which == SignalText::Desc)
        BoundToMemoryText(edit);
    connect(edit, &QLineEdit::textEdited, this, [this, n, which](const QString &text) {
        textEdited(n, which, text);
    });
    connect(edit, &QLineEdit::returnPressed, this, &TParmForm::ValorKeyPressEnter);
    return edit;
}

// ---- User edits -> model ---------------------------------------------------------------------

void TParmForm::TipoChange(int n, int kind)
{
    // The kind already chosen is laid out again too: the user starts the row afresh.
    generator().ChangeKind(n, kind, m_session.plant().memories);
    m_session.MarkChanged();
    showRow(n);
}

void TParmForm::textEdited(int n, SignalText which, const QString &text)
{
    generator().SetText(n, which, text.toStdString());
    m_session.MarkChanged();
    m_button1->setEnabled(generator().Button1Enabled());
}

void TParmForm::ValorKeyPressEnter()
{
    // The typing has marked the plant changed already.
    generator().ApplySignalGeneratorSettings(m_session.plant().memories);
    showGenerator();
}

void TParmForm::ValorDigClick(int n, int position)
{
    generator().ClickZeroOne(n, position, m_session.plant().memories);
    m_session.MarkChanged();
    showGenerator();
}

void TParmForm::UpDownClick(int n, int position)
{
    // The widget has moved one step; the model takes the same step and commits.
    generator().ClickUpDown(n, position > generator().Row(n).UpDown, m_session.plant().memories);
    m_session.MarkChanged();
    showGenerator();
}

void TParmForm::Button1Click()
{
    m_session.MarkChanged();
    generator().ApplySignalGeneratorSettings(m_session.plant().memories);
    showGenerator();
}

void TParmForm::SairButtonClick()
{
    // The close handling commits.
    close();
}

void TParmForm::SpeedButton1Click()
{
    m_dialogs.openUrl(ObjectHelpPageUrl(m_session.HelpFolder, QString::fromLatin1(kHelpPage)));
}

// ---- Model -> widgets ------------------------------------------------------------------------

void TParmForm::showGenerator()
{
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n)
        showRow(n);
    m_button1->setEnabled(generator().Button1Enabled());
}

void TParmForm::showRow(int n)
{
    RowWidgets &widgets = rowWidgets(n);
    const SignalRow &row = generator().Row(n);
    const SignalRowLayout &layout = row.layout;
    const int top = rowTop(n);

    showIndex(widgets.tipo, row.Tipo);
    showText(widgets.desc, row.Desc);
    showText(widgets.valor, row.Valor);
    place(widgets.desc, kDescLeft, top, layout.descWidth, kRowHeight);
    widgets.desc->setVisible(layout.descShown);
    place(widgets.valor, layout.valorLeft, top, layout.valorWidth, kRowHeight);
    widgets.valor->setVisible(layout.valorShown);
    widgets.valor->setEnabled(layout.valorEnabled);
    if (widgets.min) {
        showText(widgets.min, row.Min);
        showText(widgets.max, row.Max);
        widgets.min->setVisible(layout.minMaxShown);
        widgets.max->setVisible(layout.minMaxShown);
    }
    widgets.valorDig->setVisible(layout.valorDigShown);
    widgets.upDown->setVisible(layout.upDownShown);
    widgets.upDown->SetPosition(row.UpDown);

    // No choice at all needs the group non-exclusive for a moment.
    const QSignalBlocker blocker(widgets.zeroOne);
    widgets.zeroOne->setExclusive(false);
    for (QAbstractButton *choice : widgets.zeroOne->buttons())
        choice->setChecked(widgets.zeroOne->id(choice) == row.ValorDig);
    widgets.zeroOne->setExclusive(true);
}

void TParmForm::showShownValues()
{
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastSteppedRow; ++n)
        showText(rowWidgets(n).valor, generator().Row(n).Valor);
}

void TParmForm::applyTexts()
{
    if (m_session.language() != Language::English)
        return;
    // The layouts' placeholders and descriptions stay Portuguese.
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
        QComboBox *tipo = rowWidgets(n).tipo;
        for (int kind = 0; kind < tipo->count(); ++kind)
            tipo->setItemText(kind, QString::fromUtf8(kKindTexts[kind].english));
    }
    m_button1->setText(QStringLiteral("Refresh"));
    m_sairButton->setText(QStringLiteral("Exit"));
}

// ---- Window events ---------------------------------------------------------------------------

void TParmForm::closeEvent(QCloseEvent *event)
{
    // Every close commits what is still waiting; the window is only hidden.
    m_session.MarkChanged();
    generator().ApplySignalGeneratorSettings(m_session.plant().memories);
    showGenerator();
    QWidget::closeEvent(event);
}

void TParmForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showShownValues();
}

bool TParmForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        showGenerator();
    return QWidget::event(event);
}

} // namespace zelvar
