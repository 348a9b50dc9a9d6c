#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zelvar {

class Session;
class UserDialogs;
struct CalculationBlock;

// The window of one calculation block, a stay-on-top tool window over the main window. It
// binds to the session's plant by slot, never by pointer: every user edit goes to the model at
// once, the model is shown back with the widgets' signals blocked, and the output value
// follows the tick. After an edit the window is left only through a successful Apply. When the
// slot is no longer in use (a replaced plant, a delete on the picture) the window closes and
// deletes itself.
class TBloco : public QWidget
{
    Q_OBJECT

public:
    // dialogs: where Apply's messages and the help page go; null for the real message boxes
    // and browser.
    TBloco(Session &session, int slot, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TBloco() override;

    int slot() const { return m_slot; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    // Null while the slot holds no block.
    CalculationBlock *block();

    // User edits -> model.
    // One edit of a setting: the model takes it, Apply waits for it, the plant is marked
    // changed; the buttons follow.
    void edit(const std::function<void(CalculationBlock &)> &change);
    void btnatualizaClick();
    void SairButtonClick();
    void SpeedButton1Click();
    void FormActivate();

    // Model -> widgets.
    void showBlock();
    void showButtons();
    void showLiveValue();
    void applyTexts();
    // Leaves when the slot is no longer in use; true when it did.
    bool leaveIfRemoved();

    Session &m_session;
    const int m_slot;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs &m_dialogs;
    bool m_leaving = false;

    QFrame *m_panel1 = nullptr;
    QLabel *m_label9 = nullptr;
    QLineEdit *m_tagText = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label6 = nullptr;
    QLineEdit *m_descricaoText = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_funcaoTr = nullptr;
    QGroupBox *m_groupBox1 = nullptr;
    QCheckBox *m_limSupCheck = nullptr;
    QLineEdit *m_limSupText = nullptr;
    QCheckBox *m_limInfCheck = nullptr;
    QLineEdit *m_limInfText = nullptr;
    QPushButton *m_btnatualiza = nullptr;
    QToolButton *m_sairButton = nullptr;
    QToolButton *m_speedButton1 = nullptr;
};

} // namespace zelvar
