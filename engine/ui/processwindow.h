#pragma once

#include "engine/ui/objectwindow.h"

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zelvar {

struct ProcessModel;

// The window of one process, a stay-on-top tool window over the main window: every user edit
// goes to the model at once, the model is shown back with the widgets' signals blocked, and the
// input, actuator and output values follow the tick.
class TProcesso : public ObjectWindow
{
    Q_OBJECT

public:
    // dialogs: where Apply's messages and the help page go; null for the real message boxes
    // and browser.
    TProcesso(Session &session,
              int slot,
              QWidget *parent = nullptr,
              UserDialogs *dialogs = nullptr);
    ~TProcesso() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    // Null while the slot holds no process.
    ProcessModel *process();
    bool objectPresent() override;

    // User edits -> model.
    // One edit of a setting: the model takes it (with its own side effects) and the plant is
    // marked changed; the buttons follow.
    void edit(const std::function<void(ProcessModel &)> &change);
    void connectTextEdit(QLineEdit *edit, void (*take)(ProcessModel &, const std::string &));
    // ComboBox1Change, ComboBox2Change and the input list's change.
    void connectList(QComboBox *list, int ProcessModel::*setting);
    void btnatualizaClick() override;
    void EntradaSelectEnter();
    void FormActivate() override;

    // Model -> widgets.
    void showObject() override;
    void showButtons();
    void ComboChange();
    void showLiveValues() override;
    void showCaption();
    void applyTexts();

    QLineEdit *m_tagText = nullptr;
    QLineEdit *m_descricaoText = nullptr;
    QLabel *m_label8 = nullptr;
    QComboBox *m_entradaSelect = nullptr;
    QLabel *m_label20 = nullptr;
    QLineEdit *m_ganhoText = nullptr;
    QLabel *m_label15 = nullptr;
    QLineEdit *m_tempoMorto = nullptr;
    QLabel *m_label7 = nullptr;
    QComboBox *m_comboBox2 = nullptr;
    QGroupBox *m_groupPVC = nullptr;
    QLineEdit *m_lText = nullptr;
    QLineEdit *m_cText = nullptr;
    QGroupBox *m_groupOrdem2 = nullptr;
    QLabel *m_label33 = nullptr;
    QLineEdit *m_ncText = nullptr;
    QLabel *m_label34 = nullptr;
    QLineEdit *m_periodoText = nullptr;
    QGroupBox *m_groupLeadLag = nullptr;
    QLineEdit *m_lead = nullptr;
    QLineEdit *m_lag = nullptr;
    QGroupBox *m_groupBox2 = nullptr;
    QLabel *m_label35 = nullptr;
    QLineEdit *m_valorInicialText = nullptr;
    QGroupBox *m_groupBox1 = nullptr;
    QLabel *m_label18 = nullptr;
    QComboBox *m_comboBox1 = nullptr;
    QLabel *m_label14 = nullptr;
    QLineEdit *m_histerese = nullptr;
    QLabel *m_label19 = nullptr;
    QLineEdit *m_valveSText = nullptr;
    QLineEdit *m_tal = nullptr;
    QLineEdit *m_rateText = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QLabel *m_label40 = nullptr;
    QLabel *m_label36 = nullptr;
    QLabel *m_label25 = nullptr;
    QLabel *m_label26 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label12 = nullptr;
    QLabel *m_label22 = nullptr;
};

} // namespace zelvar
