#include "services/widgethelpers.h"

#include "engine/model/memorytable.h"
#include "services/uitext.h"
#include "services/windowsonscreen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace zelvar {

QLabel *newLabel(QWidget *parent, const char *objectName, const char *text)
{
    return named(new QLabel(QString::fromUtf8(text), parent), objectName);
}

namespace {

// The width a label or an edit lacks to show its whole text; negative when it has room to
// spare, nothing when it shows no text.
std::optional<int> lackingWidth(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        if (edit->text().isEmpty())
            return std::nullopt;
        const QMargins margins = edit->textMargins();
        const int room = edit->contentsRect().width() - margins.left() - margins.right()
                         - 4; // the edit's own inner margin
        return edit->fontMetrics().horizontalAdvance(edit->text()) - room;
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return std::nullopt;
        return label->fontMetrics().horizontalAdvance(label->text())
               - label->contentsRect().width();
    }
    return std::nullopt;
}

} // namespace

int FitScaleColumn(QWidget *panel,
                   int column,
                   int designedColumn,
                   const std::vector<QWidget *> &stretching,
                   const std::vector<QWidget *> &covering)
{
    std::optional<int> lack;
    for (const QWidget *widget : stretching) {
        if (const std::optional<int> own = lackingWidth(widget))
            lack = std::max(lack.value_or(*own), *own);
    }
    if (!lack)
        return column;
    const int fitted = std::max(designedColumn, column + *lack);
    const int shift = fitted - column;
    if (shift == 0)
        return column;
    for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (std::find(stretching.begin(), stretching.end(), child) != stretching.end())
            child->resize(child->width() + shift, child->height());
        else if (child->x() >= column)
            child->move(child->x() + shift, child->y());
    }
    panel->setFixedSize(panel->width() + shift, panel->height());
    for (QWidget *cover : covering)
        cover->setFixedSize(cover->width() + shift, cover->height());
    RelayoutNow(panel);
    return fitted;
}

void RelayoutNow(QWidget *changed)
{
    // A layout hears of a size change inside another widget only at the next event round.
    QWidget *inner = changed;
    for (; inner != nullptr && !inner->isWindow(); inner = inner->parentWidget()) {
        if (inner->layout())
            inner->layout()->invalidate();
        inner->updateGeometry();
    }
    if (inner != nullptr && inner->layout())
        inner->layout()->activate();
}

QString WrappableText(const QString &text)
{
    // Longer than any word of a sentence; a file name or a pasted string is longer.
    constexpr qsizetype kLongWord = 30;
    constexpr QChar kBreak(0x200B);
    QString wrappable;
    wrappable.reserve(text.size());
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text.at(i).isSpace())
            continue;
        const QStringView word = QStringView(text).mid(wordStart, i - wordStart);
        if (word.size() <= kLongWord) {
            wrappable += word;
        } else {
            for (qsizetype at = 0; at < word.size(); ++at) {
                wrappable += word.at(at);
                // Never between the halves of a character outside the basic plane.
                if (at + 1 < word.size() && !word.at(at).isHighSurrogate())
                    wrappable += kBreak;
            }
        }
        if (i < text.size())
            wrappable += text.at(i);
        wordStart = i + 1;
    }
    return wrappable;
}

void BoundToMemoryText(QLineEdit *edit)
{
    edit->setMaxLength(static_cast<int>(MemoryTable::kMaxTextLength));
}

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

namespace {

const char *const kKeptClear = "keptClear";
// Room left between a window and a control it keeps clear of.
constexpr int kClearance = 6;

} // namespace

void MarkKeptClear(QWidget *control)
{
    control->setProperty(kKeptClear, true);
}

std::vector<QRect> KeptClearAreas(const QWidget *within)
{
    std::vector<QRect> areas;
    for (const QWidget *control : within->findChildren<QWidget *>()) {
        if (control->property(kKeptClear).toBool() && control->isVisibleTo(within))
            areas.emplace_back(control->mapTo(within, QPoint(0, 0)), control->size());
    }
    return areas;
}

QPoint OpeningPlace(const QSize &size,
                    const QSize &frame,
                    const QRect &screen,
                    int top,
                    const std::vector<QRect> &keepClear)
{
    QPoint centred = screen.center() - QRect(QPoint(0, 0), size).center();
    centred.setY(std::max(centred.y(), top));
    std::vector<QRect> kept;
    for (const QRect &area : keepClear)
        kept.push_back(area.adjusted(-kClearance, -kClearance, kClearance, kClearance));
    const auto clear = [&](const QPoint &place) {
        const QRect covered(place, frame);
        return std::none_of(
            kept.begin(), kept.end(), [&](const QRect &area) { return covered.intersects(area); });
    };
    if (clear(centred))
        return centred;
    // The nearest clear place has each coordinate either the centred one or one at which the
    // window touches a kept area or the screen's edge.
    const int lowestX = screen.left();
    const int highestX = screen.right() + 1 - frame.width();
    const int lowestY = std::max(screen.top(), top);
    const int highestY = screen.bottom() + 1 - frame.height();
    if (highestX < lowestX || highestY < lowestY)
        return centred;
    std::vector<int> xs{centred.x(), lowestX, highestX};
    std::vector<int> ys{centred.y(), lowestY, highestY};
    for (const QRect &area : kept) {
        xs.push_back(area.right() + 1);
        xs.push_back(area.left() - frame.width());
        ys.push_back(area.bottom() + 1);
        ys.push_back(area.top() - frame.height());
    }
    std::optional<QPoint> best;
    qint64 bestDistance = 0;
    for (const int x : xs) {
        for (const int y : ys) {
            const QPoint place(std::clamp(x, lowestX, highestX), std::clamp(y, lowestY, highestY));
            const QPoint shift = place - centred;
            const qint64 distance = qint64(shift.x()) * shift.x() + qint64(shift.y()) * shift.y();
            if ((!best || distance < bestDistance) && clear(place)) {
                best = place;
                bestDistance = distance;
            }
        }
    }
    return best.value_or(centred);
}

void PlaceBelowMainMenu(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    QRect area = screen->availableGeometry();
    std::vector<QRect> keepClear;
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (owner != nullptr) {
        const QPoint origin = owner->mapToGlobal(QPoint(0, 0));
        for (const QRect &control : KeptClearAreas(owner))
            keepClear.push_back(control.translated(origin));
    }
    if (const auto *main = qobject_cast<const QMainWindow *>(owner)) {
        // The frame's top is the window's place, so a frame that starts here leaves it free.
        if (const QWidget *menu = main->menuWidget(); menu != nullptr && menu->isVisible())
            area.setTop(std::max(area.top(), menu->mapToGlobal(QPoint(0, menu->height())).y()));
    }
    // A window too large for the room below the menu shrinks to it first, so that it is placed
    // at the size it keeps.
    KeepWithinArea(window, area);
    const QSize frame = FrameGeometry(window).size();
    MoveFrameTo(window,
                OpeningPlace(frame, frame, screen->availableGeometry(), area.top(), keepClear));
    KeepWithinArea(window, area);
}

void showChecked(QAbstractButton *box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void showIndex(QComboBox *list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

GaugePainter::GaugePainter(QProgressBar *gauge, QWidget *shown)
    : m_gauge(gauge)
    , m_shown(shown ? shown : gauge)
{}

void GaugePainter::operator()(int percent)
{
    constexpr qint64 kPaintIntervalMs = 40;
    if (!m_shown->isVisible()) {
        m_gauge->setValue(percent);
        return;
    }
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < kPaintIntervalMs && percent < 100) {
        // The bar repaints itself at once for every new percent, which costs a long run more
        // than its painting every 40 ms; in between it only takes the value.
        m_gauge->setUpdatesEnabled(false);
        m_gauge->setValue(percent);
        m_gauge->setUpdatesEnabled(true);
        return;
    }
    m_gauge->setValue(percent);
    m_shown->repaint();
    m_sincePaint.start();
}

} // namespace zelvar
