#pragma once

#include "documents/model/plantoperations.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QSlider;
class QToolButton;

namespace zelvar {

class ClickableGroupBox;
class ClickableLabel;
class PressableFrame;
class Session;
class ShapeWidget;
class UserDialogs;
class ValueEdit;

// The plant picture of the main window ("PlantArea"): the background picture Image1 with the
// icons of the present objects, the animated texts, the five shapes, the two switches, the
// command panel and the six slider inputs on top. It shows the session's plant and forwards
// every mouse action to the plant operations; move and delete mode are the main window's two
// check items, which it is given.
class PlantView : public QWidget
{
    Q_OBJECT

public:
    // dialogs: where the object windows opened from the picture show their messages.
    PlantView(Session &session,
              UserDialogs &dialogs,
              QAction *moveMode,
              QAction *deleteMode,
              QWidget *parent);
    ~PlantView() override;

    // Image1 from a picture file, its bottom-left colour made transparent. A missing or
    // unreadable file leaves the picture as it was and gives false.
    bool LoadBackgroundPicture(const QString &path);
    // A plant read: the picture beside it, or none when the file is missing.
    void ShowPlantPicture(const QString &path);
    void SetBackgroundVisible(bool visible);

    // SelectedObjectId and MoveToggle of the move mode.
    int SelectedObjectId() const { return m_selectedObjectId; }
    int MoveToggle() const { return m_moveToggle; }

    // The main window's own surface: a click leaves both modes, a double click reloads the
    // picture and asks for the plant description, a pointer movement moves the selected thing.
    void FormClick();
    void FormDblClick();
    void FormMouseMove(int x, int y);

    // Model -> widgets: everything the plant picture shows.
    void ShowPicture();
    void ApplyTexts();

signals:
    // An object left the plant in delete mode.
    void objectDeleted(ObjectPool pool, int slot);
    // The double click: "descricao.rtf" into the comment pane.
    void descriptionReloadRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildPicture();
    QToolButton *newIcon(ObjectPool pool, int slot, const QString &name, const QString &picture);

    // User actions -> model.
    void iconClicked(ObjectPool pool, int slot);
    void select(int objectId);
    void openObject(ObjectPool pool, int slot);
    void deleteObject(ObjectPool pool, int slot);
    void switchClicked(int k);
    void pushButtonClicked(int k);
    void sliderMoved(int k, int position);
    void sliderEnter(int k);
    void sliderEscape(int k);

    // Model -> widgets.
    void plantReplaced();
    void showIcons();
    void showAnimatedTexts();
    void showShapes();
    void showSwitches();
    void showCommandPanel();
    void showPushButtonTexts();
    void showSliders();
    void refreshDisplay();
    void closeObjectWindows();
    QPointer<QWidget> *objectWindow(ObjectPool pool, int slot);

    Session &m_session;
    UserDialogs &m_dialogs;
    QAction *m_moveMode;
    QAction *m_deleteMode;
    int m_selectedObjectId = 0;
    int m_moveToggle = 0;
    bool m_pressedOnSurface = false;

    QLabel *m_image = nullptr;
    std::array<QToolButton *, 11> m_controllerIcons{};
    std::array<QToolButton *, 25> m_processIcons{};
    std::array<QToolButton *, 25> m_blockIcons{};
    std::array<QToolButton *, 11> m_recorderIcons{};
    std::array<ClickableLabel *, 21> m_texts{}; // Texto1..20
    std::array<QLabel *, 21> m_textLabels{};    // Label1..20
    std::array<ShapeWidget *, 6> m_shapes{};
    std::array<std::array<ClickableLabel *, 9>, 3> m_switchPictures{};
    ClickableGroupBox *m_panel = nullptr;
    std::array<ClickableLabel *, 4> m_released{};
    std::array<ClickableLabel *, 4> m_pressed{};
    std::array<QLabel *, 4> m_buttonLabels{};
    std::array<QLabel *, 4> m_buttonTexts{};
    std::array<PressableFrame *, 7> m_trackBacks{};
    std::array<ClickableLabel *, 7> m_trackLabels{};
    std::array<ValueEdit *, 7> m_trackTexts{};
    std::array<QSlider *, 7> m_trackBars{};

    // TProcesso and TBloco of the slots opened so far; freed when their object leaves.
    std::array<QPointer<QWidget>, 11> m_controllerWindows{};
    std::array<QPointer<QWidget>, 25> m_processWindows{};
    std::array<QPointer<QWidget>, 25> m_blockWindows{};
    std::array<QPointer<QWidget>, 11> m_recorderWindows{};
    std::array<QPointer<QWidget>, 21> m_animatedTextWindows{};
};

} // namespace zelvar
