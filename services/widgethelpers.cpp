#include "services/widgethelpers.h"

#include "services/uitext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace zelvar {

QLabel *newLabel(QWidget *parent, const char *objectName, const char *text)
{
    return named(new QLabel(QString::fromUtf8(text), parent), objectName);
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

void CentreBelowMainMenu(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    QPoint place = screen->availableGeometry().center() - window->rect().center();
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (const auto *main = qobject_cast<const QMainWindow *>(owner)) {
        // The frame's top is the window's place, so a frame that starts here leaves it free.
        if (const QWidget *menu = main->menuWidget(); menu != nullptr && menu->isVisible())
            place.setY(std::max(place.y(), menu->mapToGlobal(QPoint(0, menu->height())).y()));
    }
    window->move(place);
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
