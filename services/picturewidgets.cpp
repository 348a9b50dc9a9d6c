#include "services/picturewidgets.h"

#include "documents/model/colourtext.h"
#include "services/uitext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstdint>

namespace zelvar {

QColor ToQColor(PlantColour colour)
{
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0xFF000000u) == 0xFF000000u) {
        // A system colour: the closest role of the palette.
        const QPalette palette = QApplication::palette();
        switch (bits & 0xFFu) {
        case 5: // clWindow
            return palette.color(QPalette::Base);
        case 8:  // clWindowText
        case 18: // clBtnText
            return palette.color(QPalette::Text);
        case 13: // clHighlight
            return palette.color(QPalette::Highlight);
        case 14: // clHighlightText
            return palette.color(QPalette::HighlightedText);
        case 16: // clBtnShadow
            return palette.color(QPalette::Dark);
        case 20: // clBtnHighlight
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Button);
        }
    }
    if (bits == 0x1FFFFFFFu) // clNone
        return QColor(Qt::transparent);
    if (bits == 0x20000000u) // clDefault
        return QApplication::palette().color(QPalette::Button);
    return QColor(static_cast<int>(bits & 0xFFu),
                  static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

// ---- Clickable controls ----------------------------------------------------------------------

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void PressableFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

void ClickableGroupBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickableGroupBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void ValueEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        event->accept();
        return;
    case Qt::Key_Escape:
        emit escapePressed();
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void ValueEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QLineEdit::mousePressEvent(event);
}

// ---- Shapes ----------------------------------------------------------------------------------

ShapeWidget::ShapeWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShapeWidget::SetLook(bool ellipse, const QColor &fill)
{
    if (ellipse == m_ellipse && fill == m_fill)
        return;
    m_ellipse = ellipse;
    m_fill = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2c, 0x44, 0x5e), 1));
    painter.setBrush(m_fill);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_ellipse)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}

void ShapeWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

// ---- Up-down ---------------------------------------------------------------------------------

UpDown::UpDown(int minimum, int maximum, int step, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_step(step)
    , m_position(minimum)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    for (QToolButton *button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        column->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, &UpDown::StepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::StepDown);
    setFixedSize(16, 22);
}

void UpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void UpDown::StepUp()
{
    stepBy(1);
}

void UpDown::StepDown()
{
    stepBy(-1);
}

void UpDown::stepBy(int steps)
{
    const int position = std::clamp(m_position + steps * m_step, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    emit positionChanged(position);
}

// ---- Colour list -----------------------------------------------------------------------------

namespace {

constexpr std::array<PlantColour, 20> kListedColours
    = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
       0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
       0xFFFF00, 0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.setBrush(colour);
    painter.drawRect(QRect(0, 0, 13, 13));
    return QIcon(pixmap);
}

} // namespace

ColourBox::ColourBox(QWidget *parent)
    : QComboBox(parent)
{
    // The swatch and a short name; the list shows the names whole.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(5);
    for (const PlantColour colour : kListedColours) {
        // "clRed" is listed as "Red".
        addColour(colour, toQString(ColourToText(colour)).mid(2));
    }
    connect(this, &QComboBox::activated, this, [this](int) { emit colourChosen(Colour()); });
}

void ColourBox::addColour(PlantColour colour, const QString &name)
{
    addItem(swatch(ToQColor(colour)), name, QVariant::fromValue(static_cast<int>(colour)));
}

PlantColour ColourBox::Colour() const
{
    return static_cast<PlantColour>(currentData().toInt());
}

void ColourBox::SetColour(PlantColour colour)
{
    const QSignalBlocker blocker(this);
    int index = findData(QVariant::fromValue(static_cast<int>(colour)));
    if (index < 0) {
        addColour(colour, toQString(ColourToText(colour)));
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace zelvar
