#pragma once

#include "engine/ui/objectwindow.h"

#include <functional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zelvar {

class AnimatedText;

// The settings window of one animated text, a fixed-size stay-on-top tool window over the main
// window: the kind, the memory or the function, the description, unit, decimals, range and
// alarm limits. Every user edit goes to the model at once; the exit button applies the settings
// and hides the window (the text goes on showing on the plant picture).
class TForm2 : public ObjectWindow
{
    Q_OBJECT

public:
    // dialogs: where the window's messages would go; null for the real message boxes.
    TForm2(Session &session, int slot, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TForm2() override;

private:
    void build();
    // Null while the slot holds no animated text.
    AnimatedText *text();
    bool objectPresent() override;

    // User edits -> model.
    // One edit of a setting the plant file stores: the model takes it, the plant is marked
    // changed.
    void edit(const std::function<void(AnimatedText &)> &change);
    void TipoClick(int kind);
    void ComboBox1Change(int position);
    void ComboBox1DropDown();
    // ApplyTextSettings; valid settings refresh the main window.
    void btnatualizaClick() override;
    void SairButtonClick();
    void FormActivate() override;

    // Model -> widgets.
    void showObject() override;
    void showLiveValues() override;
    void ArrangeTextLayout();
    void applyTexts();

    QLabel *m_label1 = nullptr;
    QFrame *m_panel1 = nullptr;
    QLabel *m_label4 = nullptr;
    QGroupBox *m_tipo = nullptr;
    QButtonGroup *m_tipoButtons = nullptr;
    QLabel *m_label3 = nullptr;
    QComboBox *m_comboBox1 = nullptr;
    QLineEdit *m_funcaoTr = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_descricaoText = nullptr;
    QFrame *m_panel2 = nullptr;
    QLabel *m_label6 = nullptr;
    QLineEdit *m_unidade = nullptr;
    QLabel *m_label5 = nullptr;
    QSpinBox *m_casasDecimais = nullptr;
    QLabel *m_label7 = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QLabel *m_label8 = nullptr;
    QLineEdit *m_edit4 = nullptr;
    // Label9 ("Alarme Alto:") and SairButton are the base's m_label9 and m_sairButton.
    QLineEdit *m_edit2 = nullptr;
    QLabel *m_label10 = nullptr;
    QLineEdit *m_edit3 = nullptr;
};

} // namespace zelvar
