#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace zelvar {

// The widget with its object name, the name its handlers and tests find it by.
template<typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

template<typename Widget> Widget *named(Widget *widget, const char *objectName)
{
    return named(widget, QString::fromLatin1(objectName));
}

// A free text that ends up in a window title or a memory text (a tag, a description) is
// bounded, as it is typed or pasted, to the 255 characters a memory text keeps.
void BoundToMemoryText(QLineEdit *edit);

// The text with a break opportunity (an invisible zero-width space) after every character of
// each word too long for a line, so that a wrapped label breaks a long file name as it breaks
// the words around it rather than run past its edge.
QString WrappableText(const QString &text);

// text: UTF-8.
QLabel *newLabel(QWidget *parent, const char *objectName, const char *text);

// Model -> widgets, without the widget's signals. A shown text follows the model; an unchanged
// text is left alone so the cursor of the edit being typed in stays put.
void showText(QLineEdit *edit, const std::string &text);
void showText(QLabel *label, const std::string &text);
void showChecked(QAbstractButton *box, bool checked);
// An index the list does not hold shows no item.
void showIndex(QComboBox *list, int index);

// Scales beside a strip, placed by hand: the column of bounds and grid labels widens to the
// widest of their texts (never below its designed width), the column's widgets stretch with
// it, everything right of it moves along and the panel (with any that covers it) grows.
// Returns the column's new width; the enclosing layouts are told at once.
int FitScaleColumn(QWidget *panel,
                   int column,
                   int designedColumn,
                   const std::vector<QWidget *> &stretching,
                   const std::vector<QWidget *> &covering = {});

// A widget's size wish changed deep inside the window: every enclosing layout hears of it now
// rather than at the next event round, so the window fits before it is next drawn.
void RelayoutNow(QWidget *changed);

// The controls a tool window should leave free when it opens (push buttons, switches, sliders
// of the plant picture): marked once when they are made, found in whichever window holds them.
void MarkKeptClear(QWidget *control);
// The shown marked controls inside `within`, in its coordinates.
std::vector<QRect> KeptClearAreas(const QWidget *within);

// Where a tool window first opens: centred on the screen's free area but never above `top`
// (the bottom of its owner's main menu, which it would make unusable, as tool windows stay on
// top). When that would cover one of `keepClear`, it goes to the nearest place on the screen
// that covers none of them by a small margin; when there is none, it stays centred. size: what
// it is centred by; frame: what it covers (FrameGeometry).
QPoint OpeningPlace(const QSize &size,
                    const QSize &frame,
                    const QRect &screen,
                    int top,
                    const std::vector<QRect> &keepClear);

// A tool window of the size it opens with placed by OpeningPlace on its screen, below its
// owner's main menu and clear of the controls marked in its owner. A window too large for the
// room below the menu shrinks to it as far as it can.
void PlaceBelowMainMenu(QWidget *window);

// The progress of long work that runs without yielding (a batch run, a sweep, a read): the gauge
// takes every value, but the picture is painted at most every 40 ms and at the end, so that
// painting does not cost the work a large share of its time. shown: what is repainted (the
// gauge, or a group around it).
class GaugePainter
{
public:
    explicit GaugePainter(QProgressBar *gauge, QWidget *shown = nullptr);
    void operator()(int percent);

private:
    QProgressBar *m_gauge;
    QWidget *m_shown;
    QElapsedTimer m_sincePaint;
};

} // namespace zelvar
