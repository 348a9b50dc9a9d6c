#include "documents/ui/variablelistwindow.h"

#include "engine/ui/objecthelp.h"
#include "services/pictures.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"
#include "services/widgethelpers.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace zelvar {

namespace {

constexpr char kHelpPage[] = "/ferramentas/#mapa_variaveis";
constexpr int kWindowWidth = 812;
constexpr int kWindowHeight = 565;
constexpr int kRowHeight = 18;
constexpr int kListaVarWidths[VariableList::kColumns] = {64, 130, 73, 69, 67, 70, 70, 196, 64};
constexpr int kListaVar2Widths[VariableList::kColumns] = {64, 130, 73, 69, 68, 70, 68, 198, 64};

// The grid's cell editor reports every change of its text, and Enter and Escape, to the
// window; the text reaches the grid only through the model.
class GridCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void(int row, int column, const QString &text)> textEdited;
    std::function<void()> enter;
    std::function<void()> escape;

    QWidget *createEditor(QWidget *parent,
                          const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        BoundToMemoryText(editor);
        const int row = index.row();
        const int column = index.column();
        connect(editor, &QLineEdit::textEdited, editor, [this, row, column](const QString &text) {
            textEdited(row, column, text);
        });
        return editor;
    }

    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(watched);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit closeEditor(editor, NoHint);
                enter();
                return true;
            }
            if (key == Qt::Key_Escape) {
                emit closeEditor(editor, RevertModelCache);
                escape();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

} // namespace

TDialogos::TDialogos(Session &session, QWidget *parent, UserDialogs *dialogs)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtUserDialogs>())
    , m_session(session)
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    setObjectName(QStringLiteral("Dialogos"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(4);

    QFont bold = font();
    bold.setBold(true);
    m_staticText1 = new QLabel(this);
    m_staticText1->setObjectName(QStringLiteral("StaticText1"));
    m_staticText1->setFont(bold);
    m_listaVar = buildGrid(Grid::ProcessVariables, "ListaVar", kListaVarWidths);
    m_staticText2 = new QLabel(this);
    m_staticText2->setObjectName(QStringLiteral("StaticText2"));
    m_staticText2->setFont(bold);
    m_listaVar2 = buildGrid(Grid::ControlSignals, "ListaVar2", kListaVar2Widths);
    column->addWidget(m_staticText1);
    column->addWidget(m_listaVar, 1);
    column->addSpacing(4);
    column->addWidget(m_staticText2);
    column->addWidget(m_listaVar2, 1);

    auto *buttons = new QHBoxLayout;
    const auto newButton = [this](const char *objectName) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(objectName));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setMinimumWidth(80);
        return button;
    };
    m_speedButton1 = newButton("SpeedButton1");
    m_speedButton2 = newButton("SpeedButton2");
    m_speedButton2->setIcon(LoadIcon(QStringLiteral("pictures/menu/sair.png")));
    m_speedButton3 = new QToolButton(this);
    m_speedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    m_speedButton3->setText(QStringLiteral("?"));
    buttons->addWidget(m_speedButton1);
    buttons->addStretch(1);
    buttons->addWidget(m_speedButton3);
    buttons->addWidget(m_speedButton2);
    column->addLayout(buttons);

    // ---- User edits -> model ----
    connect(m_speedButton1, &QToolButton::clicked, this, &TDialogos::SpeedButton1Click);
    connect(m_speedButton2, &QToolButton::clicked, this, &TDialogos::SpeedButton2Click);
    connect(m_speedButton3, &QToolButton::clicked, this, &TDialogos::SpeedButton3Click);
    // Whoever refreshes the list (this window, the reader), the grids show it.
    connect(&m_session, &Session::variableListRefreshed, this, [this] {
        showGrid(Grid::ProcessVariables);
        showGrid(Grid::ControlSignals);
    });

    ApplyTexts();
    showGrid(Grid::ProcessVariables);
    showGrid(Grid::ControlSignals);

    resize(kWindowWidth, kWindowHeight);
    PlaceBelowMainMenu(this);
}

TDialogos::~TDialogos() = default;

QTableWidget *TDialogos::buildGrid(Grid grid, const char *objectName, const int (&widths)[9])
{
    const int rows = VariableList::RowCount(grid);
    auto *table = new QTableWidget(rows, VariableList::kColumns - 1, this);
    table->setObjectName(QString::fromLatin1(objectName));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setWordWrap(false);
    // A compact face, so the roles and tags fit their narrow column as the rows fit 18 pixels.
    QFont compact = table->font();
    compact.setPointSizeF(compact.pointSizeF() - 1.0);
    table->setFont(compact);

    // The grid's fixed row and column are the table's headers: model column c is table
    // column c - 1, model row r table row r - 1.
    QStringList headers;
    for (int c = 1; c < VariableList::kColumns; ++c)
        headers << toQString(m_session.variableList().Cell(grid, 0, c));
    table->setHorizontalHeaderLabels(headers);
    QHeaderView *vertical = table->verticalHeader();
    vertical->setSectionResizeMode(QHeaderView::Fixed);
    vertical->setDefaultSectionSize(kRowHeight);
    vertical->setMinimumSectionSize(kRowHeight);
    vertical->setFixedWidth(widths[0]);
    vertical->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView *horizontal = table->horizontalHeader();
    horizontal->setSectionResizeMode(QHeaderView::Fixed);
    horizontal->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontal->setHighlightSections(false);
    vertical->setHighlightSections(false);
    int width = widths[0] + 2 * table->frameWidth()
                + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    for (int c = 1; c < VariableList::kColumns; ++c) {
        table->setColumnWidth(c - 1, widths[c]);
        width += widths[c];
    }
    // Every column whole beside the scroll bar.
    table->setMinimumWidth(width);

    QStringList names;
    const QBrush fixedBackground = palette().brush(QPalette::Window);
    for (int r = 1; r <= rows; ++r) {
        names << toQString(m_session.variableList().Cell(grid, r, 0));
        for (int c = 1; c < VariableList::kColumns; ++c) {
            auto *item = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (VariableList::CanSelect(c))
                flags |= Qt::ItemIsSelectable;
            if (VariableList::CanEdit(grid, r, c))
                flags |= Qt::ItemIsEditable;
            else
                item->setBackground(fixedBackground);
            item->setFlags(flags);
            if (c == 8)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r - 1, c - 1, item);
        }
    }
    table->setVerticalHeaderLabels(names);

    auto *delegate = new GridCellDelegate(table);
    delegate->textEdited = [this, grid](int row, int column, const QString &text) {
        SetEditText(grid, row + 1, column + 1, text);
    };
    delegate->enter = [this, grid] {
        KeyEnter(grid);
    };
    delegate->escape = [this, grid] {
        KeyEscape(grid);
    };
    table->setItemDelegate(delegate);
    // A cell left without Enter keeps the typed text on show, as the model does.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this, grid] { showGrid(grid); });
    connect(table, &QTableWidget::currentCellChanged, this, [this, grid](int row, int column) {
        SelectCell(grid, row + 1, column + 1);
    });
    table->installEventFilter(this);
    return table;
}

QTableWidget *TDialogos::table(Grid grid) const
{
    return grid == Grid::ProcessVariables ? m_listaVar : m_listaVar2;
}

QString TDialogos::SliderHint(int k) const
{
    if (k < 1 || k > 6)
        return {};
    return toQString(m_session.variableList().SliderHint(k));
}

void TDialogos::ApplyTexts()
{
    const Language language = m_session.language();
    setWindowTitle(trText(language, "Lista de Variáveis", "Variable List"));
    m_staticText1->setText(trText(language, "Variáveis de Processo", "Process Variables"));
    m_staticText2->setText(trText(language, "Sinais de Controle", "Control Signals"));
    m_speedButton1->setText(trText(language, "Atualiza", "Refresh"));
    m_speedButton2->setText(trText(language, "Sair", "Exit"));
}

bool TDialogos::event(QEvent *event)
{
    // FormActivate
    if (event->type() == QEvent::WindowActivate)
        RefreshVariableList();
    return QWidget::event(event);
}

bool TDialogos::eventFilter(QObject *watched, QEvent *event)
{
    // Enter and Escape on a grid outside a cell editor act on its last edit, as inside one.
    if (event->type() == QEvent::KeyPress && (watched == m_listaVar || watched == m_listaVar2)) {
        const Grid grid = watched == m_listaVar ? Grid::ProcessVariables : Grid::ControlSignals;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            KeyEnter(grid);
            return true;
        }
        if (key == Qt::Key_Escape) {
            KeyEscape(grid);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- User edits -> model ---------------------------------------------------------------------

void TDialogos::SelectCell(Grid grid, int row, int column)
{
    if (VariableList::CanSelect(column))
        m_session.variableList().SelectCell(grid, row, column);
}

void TDialogos::SetEditText(Grid grid, int row, int column, const QString &text)
{
    m_session.variableList().SetEditText(grid, row, column, text.toStdString());
}

void TDialogos::KeyEnter(Grid grid)
{
    const VariableList::EnterResult result
        = m_session.variableList().PressEnter(grid, m_session.plant(), m_session.language());
    showGrid(grid);
    if (result.stored)
        m_session.MarkChanged();
    if (!result.message.empty())
        m_dialogs.inform(this, toQString(result.message));
}

void TDialogos::KeyEscape(Grid grid)
{
    m_session.variableList().PressEscape(grid);
    showGrid(grid);
}

void TDialogos::SpeedButton1Click()
{
    RefreshVariableList();
}

void TDialogos::SpeedButton2Click()
{
    RefreshVariableList();
    close();
}

void TDialogos::SpeedButton3Click()
{
    m_dialogs.openUrl(ObjectHelpPageUrl(m_session.HelpFolder, QString::fromLatin1(kHelpPage)));
}

// ---- Model -> widgets ------------------------------------------------------------------------

void TDialogos::RefreshVariableList()
{
    m_session.RefreshVariableList();
}

void TDialogos::showGrid(Grid grid)
{
    QTableWidget *shown = table(grid);
    const QSignalBlocker blocker(shown);
    for (int r = 1; r <= VariableList::RowCount(grid); ++r) {
        for (int c = 1; c < VariableList::kColumns; ++c) {
            QTableWidgetItem *item = shown->item(r - 1, c - 1);
            const QString text = toQString(m_session.variableList().Cell(grid, r, c));
            if (item->text() != text)
                item->setText(text);
        }
    }
}

} // namespace zelvar
