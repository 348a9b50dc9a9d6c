#pragma once

#include "services/widgethelpers.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace zelvar {

class Session;
class UserDialogs;

// What the windows of one plant object have in common. A window binds to the session's plant
// by slot, never by pointer: it follows a replaced plant, shows the live values on the tick,
// and when the slot is no longer in use (a replaced plant, a delete on the picture) it closes
// and deletes itself. The subclass builds the widgets and says what "the object" is.
class ObjectWindow : public QWidget
{
    Q_OBJECT

public:
    ~ObjectWindow() override;

    int slot() const { return m_slot; }

protected:
    // slotNamePrefix: the object name is the prefix and the slot number ("ProcessSlot21").
    // helpPage: the help site's page behind SpeedButton1. dialogs: where Apply's messages and
    // the help page go; null for the real message boxes and browser.
    ObjectWindow(Session &session,
                 int slot,
                 const char *slotNamePrefix,
                 const char *helpPage,
                 QWidget *parent,
                 UserDialogs *dialogs);

    // True while the slot holds the window's object.
    virtual bool objectPresent() = 0;
    // Model -> widgets: everything, and the values that follow the tick.
    virtual void showObject() = 0;
    virtual void showLiveValues() = 0;
    virtual void FormActivate() = 0;
    virtual void btnatualizaClick() = 0;

    // Connects the window to the session; called once the widgets exist.
    void followPlant();
    // Leaves when the slot is no longer in use; true when it did.
    bool leaveIfRemoved();

    // Panel1 with Label9, on top of the window.
    void addHeader(QVBoxLayout *column);
    // btnatualiza, SpeedButton1 and SairButton, at the bottom of the window, connected.
    void addButtons(QVBoxLayout *column);
    void enableButtons(bool applyEnabled, bool exitEnabled);
    // Apply's messages, one modal box each, in order; true when there were any. The tick goes
    // on behind the boxes: when the window is gone after one, the rest are not shown.
    bool reportMessages(const std::vector<std::string> &messages);
    void SairButtonClick();
    void SpeedButton1Click();

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // hint: the tool tip, if any.
    static QLineEdit *newEdit(QWidget *parent, const char *objectName, const char *hint = nullptr);
    // A tag or a description, bounded to what a memory text keeps.
    static QLineEdit *newTextEdit(QWidget *parent, const char *objectName);

private:
    // Declared before m_dialogs, which may refer to it.
    std::unique_ptr<UserDialogs> m_ownDialogs;
    const int m_slot;
    const char *const m_helpPage;
    bool m_placed = false;

protected:
    Session &m_session;
    UserDialogs &m_dialogs;
    bool m_leaving = false;

    QLabel *m_label9 = nullptr;
    QPushButton *m_btnatualiza = nullptr;
    QToolButton *m_sairButton = nullptr;
    QToolButton *m_speedButton1 = nullptr;
};

} // namespace zelvar
