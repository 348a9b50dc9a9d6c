#pragma once

#include "engine/ui/objectwindow.h"

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zelvar {

struct CalculationBlock;

// The window of one calculation block, a stay-on-top tool window over the main window: every
// user edit goes to the model at once, the model is shown back with the widgets' signals
// blocked, and the output value follows the tick. After an edit the window is left only
// through a successful Apply.
class TBloco : public ObjectWindow
{
    Q_OBJECT

public:
    // dialogs: where Apply's messages and the help page go; null for the real message boxes
    // and browser.
    TBloco(Session &session, int slot, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TBloco() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    // Null while the slot holds no block.
    CalculationBlock *block();
    bool objectPresent() override;

    // User edits -> model.
    // One edit of a setting: the model takes it, Apply waits for it, the plant is marked
    // changed; the buttons follow.
    void edit(const std::function<void(CalculationBlock &)> &change);
    void btnatualizaClick() override;
    void FormActivate() override;

    // Model -> widgets.
    void showObject() override;
    void showButtons();
    void showLiveValues() override;
    void applyTexts();

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
};

} // namespace zelvar
