#include "workspace/ui/plantview.h"

#include "engine/model/numbertext.h"
#include "engine/ui/blockwindow.h"
#include "engine/ui/controllerwindow.h"
#include "engine/ui/processwindow.h"
#include "instruments/ui/animatedtextwindow.h"
#include "instruments/ui/recorderwindow.h"
#include "services/pictures.h"
#include "services/picturewidgets.h"
#include "services/session.h"
#include "services/toolwindows.h"
#include "services/uitext.h"
#include "services/widgethelpers.h"
#include "workspace/ui/plantfilenames.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace zelvar {

namespace {

constexpr int kIconWidth = 79;
constexpr int kIconHeight = 22;
constexpr int kSwitchSize = 49;
constexpr int kButtonPictureSize = 41;
constexpr int kPanelWidth = 193;
constexpr int kTrackTextWidth = 57;
constexpr int kTrackBarHeight = 33;
// Between a slider's name and its value edit.
constexpr int kTrackNameGap = 4;

const QColor kPictureBackground(0xee, 0xf2, 0xf6);

std::size_t Index(int k)
{
    return static_cast<std::size_t>(k);
}

QString number(int n)
{
    return toQString(FormatFixed(n, 0, 0));
}

// "Saída em M05": the memory with two digits.
QString outputHint(int memory)
{
    return QString::fromUtf8("Saída em M") + toQString(TwoDigits(memory));
}

QString processIconName(int slot)
{
    // The layout's names: Proce1, proce2 to proce10, Proce11 to Proce24.
    return (slot >= 2 && slot <= 10 ? QStringLiteral("proce") : QStringLiteral("Proce"))
           + number(slot);
}

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text) {
        label->setText(text);
        label->adjustSize();
    }
}

void setTextIfChanged(QAbstractButton *button, const QString &text)
{
    if (button->text() != text)
        button->setText(text);
}

void setTextIfChanged(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setForeground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    if (palette.color(role) == colour)
        return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void place(QWidget *widget, int left, int top)
{
    if (widget->pos() != QPoint(left, top))
        widget->move(left, top);
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    const QRect geometry(left, top, width, height);
    if (widget->geometry() != geometry)
        widget->setGeometry(geometry);
}

} // namespace

PlantView::PlantView(
    Session &session, UserDialogs &dialogs, QAction *moveMode, QAction *deleteMode, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_dialogs(dialogs)
    , m_moveMode(moveMode)
    , m_deleteMode(deleteMode)
{
    setObjectName(QStringLiteral("PlantArea"));
    // Pointer movements over the bare picture move the selected thing.
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPictureBackground);
    setPalette(palette);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    buildPicture();
    ApplyTexts();

    connect(&m_session, &Session::plantReplaced, this, &PlantView::plantReplaced);
    connect(&m_session, &Session::mainWindowRefreshed, this, &PlantView::ShowPicture);
    connect(&m_session, &Session::displayRefreshDue, this, &PlantView::refreshDisplay);
    ShowPicture();
}

PlantView::~PlantView()
{
    closeObjectWindows();
}

// ---- Building --------------------------------------------------------------------------------

QToolButton *
PlantView::newIcon(ObjectPool pool, int slot, const QString &name, const QString &picture)
{
    auto *icon = named(new QToolButton(this), name);
    icon->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    icon->setIcon(LoadIcon(picture));
    icon->setIconSize(QSize(16, 16));
    icon->setFixedSize(kIconWidth, kIconHeight);
    icon->setFocusPolicy(Qt::NoFocus);
    if (pool != ObjectPool::Recorders)
        icon->setToolTip(outputHint(ObjectNumberOf(pool, slot)));
    icon->hide();
    connect(icon, &QToolButton::clicked, this, [this, pool, slot] { iconClicked(pool, slot); });
    return icon;
}

void PlantView::buildPicture()
{
    // Stacking follows creation: the background lowest, the object icons on top.
    m_image = named(new QLabel(this), QStringLiteral("Image1"));
    // It takes no mouse input (clicks reach the picture's own surface) and is never drawn
    // grey as a disabled label would be.
    m_image->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_image->move(0, 0);
    m_image->hide();

    for (int k = 1; k <= 5; ++k) {
        auto *shape = named(new ShapeWidget(this), QStringLiteral("Shape") + number(k));
        shape->hide();
        connect(shape, &ShapeWidget::pressed, this, [this, k] {
            if (m_moveMode->isChecked())
                select(94 + k);
        });
        m_shapes[Index(k)] = shape;
    }

    for (int k = 1; k <= 6; ++k) {
        auto *back = named(new PressableFrame(this), QStringLiteral("TrackBack") + number(k));
        back->setFrameShape(QFrame::StyledPanel);
        back->setAutoFillBackground(true);
        QPalette palette = back->palette();
        palette.setColor(QPalette::Window, QColor(0xdb, 0xe5, 0xee));
        back->setPalette(palette);
        // The group's frame holds the name, the value and the bar.
        MarkKeptClear(back);
        // A plain font: the group widens with the name (showSliders).
        auto *label = named(new ClickableLabel(this), QStringLiteral("TrackLabel") + number(k));
        // Eight points keep a name within those seven pixels a character.
        QFont plain = label->font();
        plain.setPointSize(8);
        label->setFont(plain);
        auto *text = named(new ValueEdit(this), QStringLiteral("TrackText") + number(k));
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *bar
            = named(new QSlider(Qt::Horizontal, this), QStringLiteral("TrackBar") + number(k));
        bar->setRange(0, 10000);
        bar->setTickInterval(1000);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setSingleStep(100);
        bar->setPageStep(1000);
        for (QWidget *widget : {static_cast<QWidget *>(back),
                                static_cast<QWidget *>(label),
                                static_cast<QWidget *>(text),
                                static_cast<QWidget *>(bar)}) {
            widget->setToolTip(QStringLiteral("output at M") + number(14 + k));
            widget->hide();
        }
        const auto selectGroup = [this, k] {
            if (m_moveMode->isChecked())
                select(102 + k);
        };
        connect(back, &PressableFrame::pressed, this, selectGroup);
        connect(label, &ClickableLabel::clicked, this, selectGroup);
        connect(text, &ValueEdit::pressed, this, selectGroup);
        connect(text, &ValueEdit::enterPressed, this, [this, k] { sliderEnter(k); });
        connect(text, &ValueEdit::escapePressed, this, [this, k] { sliderEscape(k); });
        connect(bar, &QSlider::valueChanged, this, [this, k](int position) {
            sliderMoved(k, position);
        });
        m_trackBacks[Index(k)] = back;
        m_trackLabels[Index(k)] = label;
        m_trackTexts[Index(k)] = text;
        m_trackBars[Index(k)] = bar;
    }

    m_panel = named(new ClickableGroupBox(this), QStringLiteral("PainelComando"));
    m_panel->setGeometry(16, 120, kPanelWidth, 169);
    m_panel->hide();
    MarkKeptClear(m_panel);
    connect(m_panel, &ClickableGroupBox::clicked, this, [this] {
        if (m_moveMode->isChecked())
            select(102);
    });
    const QPixmap released = LoadPicture(QStringLiteral("pictures/botoes/botao_norm.png"));
    const QPixmap pressed = LoadPicture(QStringLiteral("pictures/botoes/botao_press.png"));
    for (int k = 1; k <= 3; ++k) {
        const int top = 24 + 48 * (k - 1);
        auto *up = named(new ClickableLabel(m_panel), QStringLiteral("Botao%1_norm").arg(k));
        auto *down = named(
            new ClickableLabel(m_panel),
            (k == 1 ? QStringLiteral("botao%1_press") : QStringLiteral("Botao%1_press")).arg(k));
        for (ClickableLabel *picture : {up, down}) {
            picture->setGeometry(8, top, kButtonPictureSize, kButtonPictureSize);
            picture->setToolTip(outputHint(96 + k));
            picture->hide();
            connect(picture, &ClickableLabel::clicked, this, [this, k] { pushButtonClicked(k); });
        }
        up->setPixmap(released);
        down->setPixmap(pressed);
        auto *name = named(new QLabel(m_panel), QStringLiteral("Botao%1_label").arg(k));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        name->move(56, top);
        name->hide();
        auto *state = named(new QLabel(m_panel), QStringLiteral("botao%1_texto").arg(k));
        state->move(56, top + 20);
        state->hide();
        m_released[Index(k)] = up;
        m_pressed[Index(k)] = down;
        m_buttonLabels[Index(k)] = name;
        m_buttonTexts[Index(k)] = state;
    }

    for (int s = 1; s <= 2; ++s) {
        for (int p = 1; p <= 8; ++p) {
            auto *picture
                = named(new ClickableLabel(this), QStringLiteral("Chave%1p%2").arg(s).arg(p));
            picture->setPixmap(
                LoadPicture(QStringLiteral("pictures/chaves/chave%1p%2.png").arg(s).arg(p)));
            picture->resize(kSwitchSize, kSwitchSize);
            picture->setToolTip(outputHint(10 + s));
            MarkKeptClear(picture);
            picture->hide();
            connect(picture, &ClickableLabel::clicked, this, [this, s] { switchClicked(s); });
            m_switchPictures[Index(s)][Index(p)] = picture;
        }
    }

    for (int k = 1; k <= 10; ++k) {
        m_controllerIcons[Index(k)] = newIcon(ObjectPool::Controllers,
                                              k,
                                              QStringLiteral("Control") + number(k),
                                              QStringLiteral("pictures/icones/controlador.png"));
        m_recorderIcons[Index(k)] = newIcon(ObjectPool::Recorders,
                                            k,
                                            QStringLiteral("Reg") + number(k),
                                            QStringLiteral("pictures/icones/registrador.png"));
    }
    for (int k = 1; k <= 24; ++k) {
        m_processIcons[Index(k)] = newIcon(ObjectPool::Processes,
                                           k,
                                           processIconName(k),
                                           QStringLiteral("pictures/icones/processo.png"));
        m_blockIcons[Index(k)] = newIcon(ObjectPool::Blocks,
                                         k,
                                         QStringLiteral("Bloc") + number(k),
                                         QStringLiteral("pictures/icones/bloco.png"));
    }
    for (int k = 1; k <= 20; ++k) {
        // A click on the name is the name's own, as on any other control.
        auto *label = named(new ClickableLabel(this), QStringLiteral("Label") + number(k));
        auto *value = named(new ClickableLabel(this), QStringLiteral("Texto") + number(k));
        QFont valueFont = value->font();
        valueFont.setBold(true);
        valueFont.setPointSizeF(valueFont.pointSizeF() * 1.15);
        value->setFont(valueFont);
        label->hide();
        value->hide();
        connect(value, &ClickableLabel::clicked, this, [this, k] {
            iconClicked(ObjectPool::AnimatedTexts, k);
        });
        m_textLabels[Index(k)] = label;
        m_texts[Index(k)] = value;
    }
}

void PlantView::ApplyTexts()
{
    m_panel->setTitle(trText(m_session.language(), " Painel de Comando ", "Command Panel"));
}

// ---- Background picture ----------------------------------------------------------------------

bool PlantView::LoadBackgroundPicture(const QString &path)
{
    const QImage image(path);
    if (image.isNull())
        return false;
    QPixmap pixmap = QPixmap::fromImage(image);
    // The bottom-left pixel's colour is the transparent one.
    const QColor key = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    m_image->setPixmap(pixmap);
    m_image->resize(pixmap.size());
    return true;
}

void PlantView::ShowPlantPicture(const QString &path)
{
    // A plant without its picture shows none rather than the previous plant's.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !LoadBackgroundPicture(path))
        m_image->clear();
    SetBackgroundVisible(true);
}

void PlantView::SetBackgroundVisible(bool visible)
{
    m_image->setVisible(visible);
}

// ---- The picture's own surface ---------------------------------------------------------------

void PlantView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedOnSurface = true;
    event->accept();
}

void PlantView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && m_pressedOnSurface
                       && rect().contains(event->position().toPoint());
    m_pressedOnSurface = false;
    event->accept();
    if (click)
        FormClick();
}

void PlantView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        FormDblClick();
}

void PlantView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // Movements over any control reach here from the control; only the bare picture counts.
    QWidget *over = childAt(at);
    if (over != nullptr && over != m_image)
        return;
    FormMouseMove(at.x(), at.y());
}

void PlantView::FormClick()
{
    if (m_moveMode->isChecked() || m_deleteMode->isChecked())
        m_session.MarkChanged();
    m_moveMode->setChecked(false);
    m_moveToggle = 0;
    m_deleteMode->setChecked(false);
}

void PlantView::FormDblClick()
{
    const QString name = toQString(m_session.plant().PictureFileName);
    const QString picture
        = name.isEmpty() ? QString() : PlantCompanionFile(m_session.CurrentPlantFile, name);
    if (!picture.isEmpty())
        LoadBackgroundPicture(picture);
    emit descriptionReloadRequested();
}

void PlantView::FormMouseMove(int x, int y)
{
    if (!m_moveMode->isChecked() || m_moveToggle != 1)
        return;
    m_session.MarkChanged();
    MoveObject(m_session.plant(), m_selectedObjectId, x, y);
    ShowPicture();
}

// ---- User actions -> model -------------------------------------------------------------------

void PlantView::select(int objectId)
{
    m_selectedObjectId = objectId;
    m_moveToggle = 1 - m_moveToggle;
}

void PlantView::iconClicked(ObjectPool pool, int slot)
{
    if (!IsPresent(m_session.plant(), pool, slot))
        return;
    // Move mode first: with both modes on a click selects and never deletes.
    if (m_moveMode->isChecked())
        select(ObjectIdOf(pool, slot));
    else if (m_deleteMode->isChecked())
        deleteObject(pool, slot);
    else
        openObject(pool, slot);
}

QPointer<QWidget> *PlantView::objectWindow(ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return &m_controllerWindows[Index(slot)];
    case ObjectPool::Processes:
        return &m_processWindows[Index(slot)];
    case ObjectPool::Blocks:
        return &m_blockWindows[Index(slot)];
    case ObjectPool::Recorders:
        return &m_recorderWindows[Index(slot)];
    case ObjectPool::AnimatedTexts:
        break;
    }
    return &m_animatedTextWindows[Index(slot)];
}

void PlantView::openObject(ObjectPool pool, int slot)
{
    QPointer<QWidget> *window = objectWindow(pool, slot);
    // One window per slot, made when its icon is first clicked.
    if (window->isNull()) {
        QWidget *owner = this->window();
        switch (pool) {
        case ObjectPool::Controllers:
            *window = new TControlador(m_session, slot, owner, &m_dialogs);
            break;
        case ObjectPool::Processes:
            *window = new TProcesso(m_session, slot, owner, &m_dialogs);
            break;
        case ObjectPool::Blocks:
            *window = new TBloco(m_session, slot, owner, &m_dialogs);
            break;
        case ObjectPool::Recorders:
            *window = new TRegistrForm(m_session, slot, owner, &m_dialogs);
            break;
        case ObjectPool::AnimatedTexts:
            *window = new TForm2(m_session, slot, owner, &m_dialogs);
            break;
        }
    } else if (pool == ObjectPool::Recorders && (*window)->isVisible()
               && !(*window)->isMinimized()) {
        // A recorder's icon shows and hides its window in turn; a minimised one comes back.
        (*window)->hide();
        return;
    }
    ShowToolWindow(*window);
}

void PlantView::deleteObject(ObjectPool pool, int slot)
{
    // The window's own close handling runs before the object leaves; the window is freed
    // once the click is handled.
    QPointer<QWidget> *window = objectWindow(pool, slot);
    QPointer<QWidget> leaving = *window;
    *window = nullptr;
    if (leaving)
        leaving->close();
    Plant &plant = m_session.plant();
    DeleteObject(plant, pool, slot, m_session.language());
    if (leaving)
        leaving->deleteLater();
    RefreshObjectCaptions(plant);
    m_session.MarkChanged();
    ShowPicture();
    emit objectDeleted(pool, slot);
}

void PlantView::switchClicked(int k)
{
    if (m_moveMode->isChecked()) {
        select(99 + k);
        return;
    }
    ClickSwitch(m_session.plant(), k);
    m_session.MarkChanged();
    showSwitches();
}

void PlantView::pushButtonClicked(int k)
{
    // Neither mode changes what a push button does.
    ClickPushButton(m_session.plant(), k);
    m_session.MarkChanged();
    showCommandPanel();
    showPushButtonTexts();
}

void PlantView::sliderMoved(int k, int position)
{
    MoveSlider(m_session.plant(), k, position);
    m_session.MarkChanged();
    showSliders();
}

void PlantView::sliderEnter(int k)
{
    if (EnterSliderValue(m_session.plant(), k, m_trackTexts[Index(k)]->text().toStdString()))
        m_session.MarkChanged();
    showSliders();
}

void PlantView::sliderEscape(int k)
{
    RestoreSliderText(m_session.plant(), k);
    showSliders();
}

// ---- Model -> widgets ------------------------------------------------------------------------

void PlantView::plantReplaced()
{
    closeObjectWindows();
    // A reset hides the picture; a read shows it again (ShowPlantPicture).
    m_image->hide();
    ShowPicture();
}

void PlantView::closeObjectWindows()
{
    const auto close = [](auto &windows) {
        for (QPointer<QWidget> &window : windows) {
            delete window.data();
            window = nullptr;
        }
    };
    close(m_controllerWindows);
    close(m_processWindows);
    close(m_blockWindows);
    close(m_recorderWindows);
    close(m_animatedTextWindows);
}

void PlantView::ShowPicture()
{
    showShapes();
    showSliders();
    showCommandPanel();
    showPushButtonTexts();
    showSwitches();
    showIcons();
    showAnimatedTexts();
}

void PlantView::showIcons()
{
    const Plant &plant = m_session.plant();
    const auto show = [](QToolButton *button, const PlantIcon &icon) {
        setTextIfChanged(button, toQString(icon.caption));
        place(button, icon.left, icon.top);
        if (button->isHidden() == icon.visible)
            button->setVisible(icon.visible);
    };
    for (int k = 1; k <= 10; ++k) {
        QToolButton *icon = m_controllerIcons[Index(k)];
        show(icon, plant.controllerIcons[Index(k)]);
        setForeground(
            icon, QPalette::ButtonText, ToQColor(plant.controllerIcons[Index(k)].textColour));
        show(m_recorderIcons[Index(k)], plant.recorderIcons[Index(k)]);
    }
    for (int k = 1; k <= 24; ++k) {
        show(m_processIcons[Index(k)], plant.processIcons[Index(k)]);
        show(m_blockIcons[Index(k)], plant.blockIcons[Index(k)]);
    }
}

void PlantView::showAnimatedTexts()
{
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= 20; ++k) {
        const PlantIcon &icon = plant.animatedTextIcons[Index(k)];
        QLabel *value = m_texts[Index(k)];
        QLabel *label = m_textLabels[Index(k)];
        if (plant.animatedTexts.IsPresent(k)) {
            const AnimatedText &text = plant.animatedTexts[k];
            setTextIfChanged(value, toQString(text.Label1));
            setForeground(value, QPalette::WindowText, ToQColor(text.Label1Colour));
        }
        setTextIfChanged(label, toQString(icon.label));
        place(value, icon.left, icon.top);
        place(label, icon.left, icon.labelTop);
        value->setVisible(icon.visible);
        label->setVisible(icon.visible);
    }
}

void PlantView::showShapes()
{
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= 5; ++k) {
        const AnimatedShape &shape = plant.shapes[Index(k)];
        ShapeWidget *widget = m_shapes[Index(k)];
        if (const auto appearance = AppearanceOf(shape, plant.memories.Value(ShapeMemory(shape)))) {
            place(widget, appearance->left, appearance->top, appearance->width, appearance->height);
            widget->SetLook(appearance->ellipse, ToQColor(appearance->colour));
        }
        if (widget->isHidden() == shape.shown)
            widget->setVisible(shape.shown);
    }
}

void PlantView::showSwitches()
{
    const Plant &plant = m_session.plant();
    for (int s = 1; s <= 2; ++s) {
        const PlantSwitch &plantSwitch = plant.switches[Index(s)];
        for (int p = 1; p <= 8; ++p) {
            ClickableLabel *picture = m_switchPictures[Index(s)][Index(p)];
            place(picture, plantSwitch.left, plantSwitch.top);
            const bool visible = plantSwitch.shown && plantSwitch.visiblePicture == p;
            if (picture->isHidden() == visible)
                picture->setVisible(visible);
        }
    }
}

void PlantView::showCommandPanel()
{
    const Plant &plant = m_session.plant();
    const bool panelShown = plant.pushButtons[1].checked;
    const int height = CommandPanelHeight(plant);
    place(m_panel,
          plant.commandPanelLeft,
          plant.commandPanelTop,
          kPanelWidth,
          height > 0 ? height : m_panel->height());
    for (int k = 1; k <= 3; ++k) {
        const bool shown = PushButtonShown(plant, k);
        const bool down = plant.memories.Value(96 + k) == 1.0;
        m_released[Index(k)]->setVisible(shown && !down);
        m_pressed[Index(k)]->setVisible(shown && down);
        m_buttonLabels[Index(k)]->setVisible(shown);
        m_buttonTexts[Index(k)]->setVisible(shown);
        setTextIfChanged(m_buttonLabels[Index(k)], toQString(plant.pushButtons[Index(k)].name));
    }
    if (m_panel->isHidden() == panelShown)
        m_panel->setVisible(panelShown);
}

void PlantView::showPushButtonTexts()
{
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= 3; ++k) {
        if (m_buttonLabels[Index(k)]->isHidden())
            continue;
        const PushButton &button = plant.pushButtons[Index(k)];
        setTextIfChanged(
            m_buttonTexts[Index(k)],
            toQString(plant.memories.Value(96 + k) == 0.0 ? button.textOff : button.textOn));
    }
}

void PlantView::showSliders()
{
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= 6; ++k) {
        const SliderInput &slider = plant.sliders[Index(k)];
        QLabel *label = m_trackLabels[Index(k)];
        setTextIfChanged(label, toQString(slider.name));
        place(label, slider.left + 6, slider.top + 6);
        // Seven pixels a character is narrower than most fonts: the value edit keeps clear of
        // the name as drawn, and the group widens with it.
        const int wider = std::max(0,
                                   6 + label->fontMetrics().horizontalAdvance(label->text())
                                       + kTrackNameGap - slider.textOffset);
        place(m_trackBacks[Index(k)],
              slider.left,
              slider.top,
              slider.backWidth + wider,
              slider.tallSlider ? 60 : 28);
        setTextIfChanged(m_trackTexts[Index(k)], toQString(slider.valueText));
        place(m_trackTexts[Index(k)],
              slider.left + slider.textOffset + wider,
              slider.top + 4,
              kTrackTextWidth,
              m_trackTexts[Index(k)]->sizeHint().height());
        QSlider *bar = m_trackBars[Index(k)];
        place(bar, slider.left + 4, slider.top + 22, slider.barWidth + wider, kTrackBarHeight);
        {
            const QSignalBlocker blocker(bar);
            bar->setValue(slider.position);
        }
        m_trackBacks[Index(k)]->setVisible(slider.shown);
        m_trackLabels[Index(k)]->setVisible(slider.shown);
        m_trackTexts[Index(k)]->setVisible(slider.shown);
        bar->setVisible(slider.shown && slider.barShown);
    }
}

void PlantView::refreshDisplay()
{
    // Every sixth tick: the values that change all the time.
    const Plant &plant = m_session.plant();
    for (int k = 1; k <= 20; ++k) {
        if (!plant.animatedTexts.IsPresent(k))
            continue;
        const AnimatedText &text = plant.animatedTexts[k];
        setTextIfChanged(m_texts[Index(k)], toQString(text.Label1));
        setForeground(m_texts[Index(k)], QPalette::WindowText, ToQColor(text.Label1Colour));
    }
    for (int k = 1; k <= 5; ++k) {
        if (!m_shapes[Index(k)]->isHidden()) {
            const AnimatedShape &shape = plant.shapes[Index(k)];
            if (const auto appearance
                = AppearanceOf(shape, plant.memories.Value(ShapeMemory(shape)))) {
                place(m_shapes[Index(k)],
                      appearance->left,
                      appearance->top,
                      appearance->width,
                      appearance->height);
                m_shapes[Index(k)]->SetLook(appearance->ellipse, ToQColor(appearance->colour));
            }
        }
    }
    showPushButtonTexts();
}

} // namespace zelvar
