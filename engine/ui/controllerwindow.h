#pragma once

#include "engine/ui/objectwindow.h"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace zelvar {

class Controller;
struct ControllerSettings;

// The faceplate of one PID controller, a stay-on-top tool window over the main window: the
// operator column (setpoint, output, local/remote, automatic/manual) beside the trend strip or
// the configuration panel, or folded to the column alone. Every user action goes to the model at
// once; the model is shown back with the widgets' signals blocked; gauges, texts and the strip
// follow the tick while the window shows.
class TControlador : public ObjectWindow
{
    Q_OBJECT

public:
    // dialogs: where Apply's messages, the archive folder question and the help page go; null
    // for the real message boxes, file dialog and browser.
    TControlador(Session &session,
                 int slot,
                 QWidget *parent = nullptr,
                 UserDialogs *dialogs = nullptr);
    ~TControlador() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    QWidget *buildFaceplateColumn();
    QWidget *buildTrendPage();
    QWidget *buildConfigurationPanel();
    void connectSettings();
    void connectOperator();
    void connectTrend();
    // Null while the slot holds no controller.
    Controller *controller();
    bool objectPresent() override;

    // User edits -> model.
    // A configuration edit: Apply becomes pending and the plant is marked changed.
    void editSettings(const std::function<void(ControllerSettings &)> &change);
    void connectSettingText(QLineEdit *edit, std::string ControllerSettings::*setting);
    // An operator action; the plant is marked changed when it moved a value a save writes.
    void operate(const std::function<void(Controller &)> &action);
    void btnatualizaClick() override;
    void AutoManualBTNClick();
    void CheckBox1Click(bool checked);
    // Asks for the archive folder once per run; false when the user gave none.
    bool chooseTrendArchiveFolder();
    void Image1MouseDown(int x, int y);
    void Image1DblClick();
    void memoryListEnter(QComboBox *list);
    void FormActivate() override;

    // Model -> widgets.
    void showObject() override;
    void showSettings();
    void showOperator();
    void showLayout();
    void showTrendControls();
    // The scale column as wide as its longest bound or grid label.
    void fitScaleColumn();
    void showArchiveState();
    void showLiveValues() override;
    void afterTick();
    void showCaption();
    void applyTexts();

    // Faceplate column.
    QLabel *m_descricaoText = nullptr;
    QProgressBar *m_sprBar = nullptr;
    QProgressBar *m_setPointBar = nullptr;
    QProgressBar *m_variavelBar = nullptr;
    QProgressBar *m_saidaBar = nullptr;
    QLineEdit *m_spText = nullptr;
    QLineEdit *m_pvText = nullptr;
    QLineEdit *m_mvText = nullptr;
    QLabel *m_unitEngSP = nullptr;
    QLabel *m_unidEngMV = nullptr;
    QPushButton *m_button2 = nullptr;
    QGroupBox *m_groupBox2 = nullptr;
    QToolButton *m_localRemotoBTN = nullptr;
    QLabel *m_label1 = nullptr;
    QToolButton *m_incrementaSP = nullptr;
    QToolButton *m_decrementaSP = nullptr;
    QGroupBox *m_groupBox3 = nullptr;
    QToolButton *m_autoManualBTN = nullptr;
    QLabel *m_label2 = nullptr;
    QToolButton *m_incrementaSaida = nullptr;
    QToolButton *m_decrementaSaida = nullptr;
    QToolButton *m_configBTN = nullptr;
    QToolButton *m_trendButton = nullptr;

    QStackedWidget *m_rightArea = nullptr;

    // Trend page.
    QWidget *m_trendPage = nullptr;
    QWidget *m_image1 = nullptr;
    QCheckBox *m_mostrarPV = nullptr;
    QCheckBox *m_mostrarSP = nullptr;
    QCheckBox *m_mostrarCO = nullptr;
    QCheckBox *m_mostrarAtuador = nullptr;
    QLineEdit *m_eSupText = nullptr;
    QLineEdit *m_eInfText = nullptr;
    std::array<QLabel *, 10> m_scaleLabels{}; // Label3..Label11 at j = 9..1
    QLabel *m_yLabel = nullptr;
    int m_stripLeft = 0; // the scale column's width
    QComboBox *m_baseTempoBox = nullptr;
    QLabel *m_label17 = nullptr;
    QCheckBox *m_checkBox2 = nullptr;
    QCheckBox *m_usarVirgula = nullptr;
    QCheckBox *m_usarUE = nullptr;
    QCheckBox *m_escalaAuto = nullptr;
    QLabel *m_staticText1 = nullptr;
    QLabel *m_staticText14 = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QLabel *m_label21 = nullptr;
    QTimer *m_timer1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
    QFrame *m_panel3 = nullptr;
    std::array<QLabel *, 7> m_coodsTexts{};   // by readout slot 1..6
    std::array<QWidget *, 7> m_shapes{};      // markers, by slot
    std::array<QLabel *, 7> m_markerLabels{}; // their numbers, by slot

    // Configuration panel.
    QFrame *m_panel2 = nullptr;
    QGroupBox *m_groupBox1 = nullptr;
    QLineEdit *m_tagText = nullptr;
    QLineEdit *m_descricao = nullptr;
    QGroupBox *m_parametrosGroup = nullptr;
    QLineEdit *m_kpText = nullptr;
    QLineEdit *m_kiText = nullptr;
    QLineEdit *m_kdText = nullptr;
    QLineEdit *m_aText = nullptr;
    QLineEdit *m_tfText = nullptr;
    QLineEdit *m_biasText = nullptr;
    QLabel *m_label35 = nullptr;
    QLabel *m_label41 = nullptr;
    QCheckBox *m_pchk = nullptr;
    QCheckBox *m_ichk = nullptr;
    QCheckBox *m_dchk = nullptr;
    QGroupBox *m_escalaGroup = nullptr;
    QLineEdit *m_inicioEscala = nullptr;
    QLineEdit *m_fimEscala = nullptr;
    QLineEdit *m_unidEng = nullptr;
    QLabel *m_label37 = nullptr;
    QLabel *m_label38 = nullptr;
    QLabel *m_label39 = nullptr;
    QGroupBox *m_acaogroup = nullptr;
    QGroupBox *m_estruturaGroup = nullptr;
    QGroupBox *m_derivadaGroup = nullptr;
    QButtonGroup *m_acaoButtons = nullptr;
    QButtonGroup *m_estruturaButtons = nullptr;
    QButtonGroup *m_derivadaButtons = nullptr;
    QComboBox *m_variavelSelect = nullptr;
    QCheckBox *m_checkSPR = nullptr;
    QComboBox *m_sprSelect = nullptr;
    QCheckBox *m_backMVCheck = nullptr;
    QComboBox *m_backMV = nullptr;
    QCheckBox *m_ffwSelect = nullptr;
    QLineEdit *m_ffwEquation = nullptr;
    QGroupBox *m_groupBox4 = nullptr;
    QLineEdit *m_cominText = nullptr;
    QLineEdit *m_comaxText = nullptr;
};

} // namespace zelvar
