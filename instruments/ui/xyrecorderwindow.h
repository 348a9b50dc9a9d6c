#pragma once

#include <QWidget>

#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QToolButton;
class QValueAxis;

namespace zelvar {

class ChartPoints;
class Session;
class UserDialogs;
class XYRecorder;

// RegXY, "Registrador XY": one memory plotted against another while the plant runs a sweep
// over a simulated window. The axis choices, the presets and the window are the plant's XY
// recorder; "Registra" sweeps the live plant with the main timer held and the gauge showing
// the progress, and the chart gets the whole point cloud once the sweep is over, drawn in one
// pass however many sweeps it has gathered. The window
// lives as long as the program; closing it only hides it.
class TRegXY : public QWidget
{
    Q_OBJECT

public:
    // dialogs: kept for the shape shared by the windows; the recorder asks nothing.
    TRegXY(Session &session, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TRegXY() override;

    // The window's texts in the session's language.
    void ApplyTexts();
    // The point cloud as the chart draws it.
    const ChartPoints *Series1() const { return m_points; }

private:
    XYRecorder &recorder();
    void build();

    // User edits -> model.
    void PresetsChange(int index);
    void ComboXDropDown();
    void ComboYDropDown();
    void ComboXChange(int index);
    void ComboYChange(int index);
    void JanelaComboBoxChange(int index);
    void Button1Click();
    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // Model -> widgets.
    void showRecorder();
    void fillMemoryLists();
    void showPoints();
    void scaleAxes();

    Session &m_session;
    bool m_fullScale = false; // SpeedButton3: both axes 0-100 instead of following the points

    QComboBox *m_presets = nullptr;
    QLabel *m_labelX = nullptr;
    QComboBox *m_comboX = nullptr;
    QLabel *m_labelY = nullptr;
    QComboBox *m_comboY = nullptr;
    QLabel *m_label36 = nullptr;
    QComboBox *m_janelaComboBox = nullptr;
    QPushButton *m_button1 = nullptr;
    QProgressBar *m_gauge1 = nullptr;
    QToolButton *m_speedButton4 = nullptr;
    QToolButton *m_speedButton3 = nullptr;
    QToolButton *m_speedButton1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
    QPushButton *m_sairButton = nullptr;
    QChartView *m_chart1 = nullptr;
    // Empty: it only carries the mouse zoom; the points are drawn by m_points.
    QScatterSeries *m_series1 = nullptr;
    ChartPoints *m_points = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;
};

} // namespace zelvar
