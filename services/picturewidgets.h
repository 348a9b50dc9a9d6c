#pragma once

#include "documents/model/plantpicture.h"
#include "services/widgethelpers.h"

#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace zelvar {

// The plant's colours (0x00BBGGRR, or a system colour 0xFF000000 + index) on the screen.
QColor ToQColor(PlantColour colour);

// A label that reports a click (press and release on it) and a press.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void pressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A frame that reports a press (the slider groups' background).
class PressableFrame : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// A group box that reports a click on its own surface (the command panel).
class ClickableGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A value edit that reports Enter and Escape, and a press (to select it in move mode).
class ValueEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void pressed();
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

// An animated shape: an ellipse or a rectangle filled with one colour and a thin outline.
class ShapeWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ShapeWidget(QWidget *parent = nullptr);

    void SetLook(bool ellipse, const QColor &fill);
    bool IsEllipse() const { return m_ellipse; }
    QColor Fill() const { return m_fill; }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_ellipse = true;
    QColor m_fill = Qt::red;
};

// An up-down: two arrow buttons that step a whole number within a range. The number itself
// shows in an edit beside it.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    UpDown(int minimum, int maximum, int step, QWidget *parent = nullptr);

    int Position() const { return m_position; }
    // Code's change: no signal.
    void SetPosition(int position);
    // The user's arrows.
    void StepUp();
    void StepDown();

signals:
    void positionChanged(int position);

private:
    void stepBy(int steps);

    int m_minimum;
    int m_maximum;
    int m_step;
    int m_position;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};

// A colour list with the standard colours, each with its swatch; a colour that is not in the
// list is added at its end as "$00BBGGRR".
class ColourBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ColourBox(QWidget *parent = nullptr);

    PlantColour Colour() const;
    // Code's change: no signal.
    void SetColour(PlantColour colour);

signals:
    void colourChosen(PlantColour colour);

private:
    void addColour(PlantColour colour, const QString &name);
};

} // namespace zelvar
