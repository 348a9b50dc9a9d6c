#pragma once

#include "engine/ui/objectwindow.h"

#include <QTimer>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace zelvar {

class Recorder;
struct RecorderSettings;

// The window of one strip-chart recorder, a stay-on-top tool window over the main window: the
// strip with its two scales and pen values on the left, the settings area on the right (shown
// or hidden with ConfBTN). Every user edit goes to the model at once; the strip, the pen values
// and the archive follow the tick while the window is shown. Closing only hides the window: the
// recorder keeps sampling and archiving.
class TRegistrForm : public ObjectWindow
{
    Q_OBJECT

public:
    // dialogs: where the archive messages go; null for the real message boxes.
    TRegistrForm(Session &session,
                 int slot,
                 QWidget *parent = nullptr,
                 UserDialogs *dialogs = nullptr);
    ~TRegistrForm() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    QWidget *buildStrip();
    QWidget *buildSettings();
    // Null while the slot holds no recorder.
    Recorder *recorder();
    bool objectPresent() override;
    // The memory lists, from the plant's descriptions (a window made for the plant).
    void fillLists();

    // User edits -> model.
    // A setting the plant file stores: the settings are applied and the plant marked changed.
    void editSettings(const std::function<void(RecorderSettings &)> &change);
    void Variavel3SelectChange(int position);
    void BaseTempoBoxChange(int position);
    void eSupTextKeyPress();
    void CheckBox1Click(bool checked);
    void SpeedButton1Click();
    void ConfBTNClick();
    void Image1MouseDown(QPoint at);
    // Image1DblClick: the settings applied again.
    void btnatualizaClick() override;
    void FormActivate() override;
    void reportArchiveMessage(const std::string &message);

    // Model -> widgets.
    void showObject() override;
    void showLiveValues() override;
    void showScale();
    // The left scale as wide as its longest bound, grid label or unit.
    void fitScaleColumn();
    void showArchiveState();
    void showReadouts();
    void Timer1Timer();
    void applyTexts();

    QLabel *m_vermelhoLabel = nullptr;
    QLabel *m_azulLabel = nullptr;
    QLabel *m_verdeLabel = nullptr;
    QWidget *m_image1 = nullptr;
    QLineEdit *m_eSupText = nullptr;
    QLineEdit *m_eInfText = nullptr;
    std::array<QLabel *, 9> m_scaleLabels{}; // Label2 (90 %) to Label10 (10 %)
    QLabel *m_label1 = nullptr;
    QWidget *m_stripPanel = nullptr;
    int m_scaleColumn = 0; // the left scale's width, widened by long texts

    QFrame *m_settings = nullptr;
    QLineEdit *m_tagText = nullptr;
    QLineEdit *m_descricaoText = nullptr;
    QComboBox *m_variavel1Select = nullptr;
    QComboBox *m_variavel2Select = nullptr;
    QComboBox *m_variavel3Select = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QLineEdit *m_edit2 = nullptr;
    QLineEdit *m_edit3 = nullptr;
    QCheckBox *m_checkBox2 = nullptr;
    QCheckBox *m_usarVirgula = nullptr;
    QCheckBox *m_usarUE = nullptr;
    QLabel *m_label12 = nullptr;
    QLabel *m_label13 = nullptr;
    std::array<QLabel *, 3> m_variableLabels{}; // Label14 to Label16
    std::array<QLabel *, 3> m_textLabels{};     // Label18 to Label20

    QLabel *m_label17 = nullptr;
    QComboBox *m_baseTempoBox = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QLabel *m_label21 = nullptr;
    QLabel *m_staticText1 = nullptr;
    QCheckBox *m_escalaAuto = nullptr;

    QToolButton *m_confBTN = nullptr;
    QToolButton *m_pauseButton = nullptr; // SpeedButton1
    QToolButton *m_sairBTN = nullptr;

    QFrame *m_panel3 = nullptr;
    std::array<QLabel *, 6> m_coodsTexts{};

    QTimer m_timer1;
};

} // namespace zelvar
