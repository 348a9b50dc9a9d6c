#pragma once

#include "engine/model/language.h"

#include <QObject>

class QAction;
class QMenuBar;
class QToolButton;

namespace zelvar {

// Salvar1, the first item of the menu bar: the quick save command and at the same time the
// display of the saved flag, picture and caption together. A menu bar shows either an icon
// or a text for its own items, so the item is a tool button at the bar's left corner driven
// by the action.
class SavedIndicator : public QObject
{
    Q_OBJECT

public:
    // The images of ImageList1: 0 saved, 1 changed.
    static constexpr int kSavedImage = 0;
    static constexpr int kChangedImage = 1;

    SavedIndicator(QMenuBar *menuBar, QWidget *actionOwner);

    QAction *action() const { return m_action; }

    void SetSaved(bool saved, Language language);
    void SetVisible(bool visible);
    bool IsVisible() const;
    int ImageIndex() const { return m_imageIndex; }

private:
    QAction *m_action = nullptr;
    QToolButton *m_button = nullptr;
    QMenuBar *m_menuBar = nullptr;
    int m_imageIndex = kSavedImage;
};

} // namespace zelvar
