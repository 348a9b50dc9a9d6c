#pragma once

#include "instruments/model/fastsimulation.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zelvar {

class PerformanceChart;
class Session;
class UserDialogs;

// "Simulação Rápida": runs the whole plant for 30 minutes to 4 hours of plant time in one go
// and shows each loop's PV, SP and CO on its upper chart (ChartM1-ChartM10) with the loop's
// performance indices; a data file written by a run can be loaded back into the upper or the
// lower charts (ChartH1-ChartH10) to compare two runs. The index tables outlive the window:
// they belong to the session. Nothing here is written to the plant file.
class TAboutBox : public QWidget
{
    Q_OBJECT

public:
    // dialogs: where the messages and the help page go; null for the real ones.
    explicit TAboutBox(Session &session, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TAboutBox() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    QWidget *buildSimulationPanel();
    QWidget *buildIndicesPanel();
    QWidget *buildChartTools();
    QWidget *buildNotebook(bool upper);
    void applyTexts();
    // The set-up of "Simulação Rápida": page captions from the controller tags, the data
    // file's base name from the plant title.
    void setUp();

    // User edits -> model.
    void BTNSimularClick();
    void SinalTesteComboChange(int index);
    void JanelaComboBoxChange(int index);
    void SpeedButton4Click();
    void loadHistory(bool upper);
    void fillFileList(QComboBox *list);
    void TabbedNotebook1Click(int page);
    void TabbedNotebook2Click(int page);
    // Chart tools.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void chartZoomed(int loop, bool upper);
    void chartZoomUndone(int loop, bool upper);
    void PtsPagChange(int index);
    void SelPageChanging(bool forward);
    void CheckBox1Click(bool checked);

    // Model -> widgets.
    void showPanel();
    void showCharts(bool upper);
    void showIndexRow(bool upper, int loop);
    void enablePanel(bool enabled);
    PerformanceChart *chart(int loop, bool upper) const;
    int currentLoop() const;

    std::unique_ptr<UserDialogs> m_ownDialogs;
    Session &m_session;
    UserDialogs &m_dialogs;
    PerformanceTables &m_tables;
    PerformanceWindow m_panel;
    // The pair of charts armed for a zoom, or 0.
    int m_armedLoop = 0;

    QLabel *m_label35 = nullptr;
    QLabel *m_label36 = nullptr;
    QComboBox *m_janelaComboBox = nullptr;
    QLabel *m_label6 = nullptr;
    QComboBox *m_taCombo = nullptr;
    QComboBox *m_sinalTesteCombo = nullptr;
    QLabel *m_sinalTesteTxt = nullptr;
    QLineEdit *m_sinalTesteValor = nullptr;
    QPushButton *m_btnSimular = nullptr;
    QProgressBar *m_gauge1 = nullptr;
    QCheckBox *m_checkArquivar = nullptr;
    QLabel *m_label3 = nullptr;
    QLineEdit *m_edit2 = nullptr;
    QLabel *m_label5 = nullptr;
    QToolButton *m_speedButton4 = nullptr;

    QLabel *m_label9 = nullptr;
    QLabel *m_label17 = nullptr;
    QLabel *m_label18 = nullptr;
    std::array<QLabel *, 7> m_indexLabels{};
    std::array<QLineEdit *, 7> m_upperBoxes{};
    std::array<QLineEdit *, 7> m_lowerBoxes{};
    QCheckBox *m_normaliza = nullptr;

    QToolButton *m_speedButton1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
    QToolButton *m_speedButton3 = nullptr;
    QCheckBox *m_replicarZoom = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QComboBox *m_ptsPag = nullptr;
    QWidget *m_selPage = nullptr;

    QTabWidget *m_tabbedNotebook1 = nullptr;
    QTabWidget *m_tabbedNotebook2 = nullptr;
    std::array<PerformanceChart *, kLoopCount + 1> m_upperCharts{};
    std::array<PerformanceChart *, kLoopCount + 1> m_lowerCharts{};
    QLabel *m_label2 = nullptr;
    QComboBox *m_comboBox2 = nullptr;
    QPushButton *m_button1 = nullptr;
    QProgressBar *m_gauge2 = nullptr;
    QLabel *m_label10 = nullptr;
    QComboBox *m_comboBox1 = nullptr;
    QPushButton *m_btnCarregar = nullptr;
    QProgressBar *m_gauge3 = nullptr;
};

} // namespace zelvar
