#pragma once

#include "documents/model/plantoperations.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zelvar {

class ColourBox;
class Session;
class UpDown;
class UserDialogs;

// ConfigForm, "Configuração Geral": the object inventory (one box per slot of the five pools)
// and the plant's presentation settings (title, background picture, animated shapes, switches,
// command panel, slider inputs, linearizer). Every control shows a setting of the session's
// plant and every user edit goes straight to the plant, marked as a change; the window keeps
// nothing a save would need. It stays on top of the main window, its parent.
class TConfigForm : public QWidget
{
    Q_OBJECT

public:
    TConfigForm(Session &session, UserDialogs &dialogs, QWidget *mainWindow);

    // "CheckBox1" ... "CheckBox91": the inventory box of a pool's slot.
    static QString InventoryBoxName(ObjectPool pool, int slot);

    // The boxes of present slots name their objects.
    void RefreshObjectCaptions();
    // The notebook back on its first page, "Controladores".
    void SelectFirstPage();
    // Model -> widgets: every control from the plant, signals blocked.
    void ShowPlant();
    // The window's texts in the session's language.
    void ApplyTexts();

signals:
    // TituloChange: the main window's caption follows the title.
    void captionChanged(const QString &caption);
    // SpeedButton1: a picture was chosen; its bare name is in the plant, the file in the
    // working folder.
    void pictureChosen();
    // A setting that the plant picture shows changed.
    void pictureChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildInventoryPage(ObjectPool pool, int columns);
    QWidget *buildControllerPage();
    QWidget *buildShapesPage();
    QWidget *buildCommandsPage();

    // User edits -> model.
    void edited(bool pictureToo);
    void inventoryClicked(ObjectPool pool, int slot, bool checked);
    void SpeedButton1Click();
    void SairButtonClick();
    void ComboBox2Change(int index);
    void Lin1EndEntEnter();

    QCheckBox *&inventoryBox(ObjectPool pool, int slot);

    Session &m_session;
    UserDialogs &m_dialogs;
    bool m_placed = false;

    QLabel *m_titleLabel = nullptr;         // Label3
    QLineEdit *m_title = nullptr;           // Titulo
    QLabel *m_pictureLabel = nullptr;       // Label1
    QLineEdit *m_pictureName = nullptr;     // Edit1
    QToolButton *m_pictureButton = nullptr; // SpeedButton1
    QTabWidget *m_notebook = nullptr;       // NoteBook1
    QLabel *m_cycleCaption = nullptr;       // Label29
    QComboBox *m_cycle = nullptr;           // ComboBox2
    QLabel *m_cycleText = nullptr;          // Label2
    QPushButton *m_exit = nullptr;          // SairButton

    std::array<std::array<QCheckBox *, 25>, 5> m_inventory{};

    // Linearizer.
    QLabel *m_linearizerTitle = nullptr;       // Label34
    QLabel *m_linearizerInputLabel = nullptr;  // Label30
    QLabel *m_linearizerOutputLabel = nullptr; // Label31
    QComboBox *m_linearizerInput = nullptr;    // Lin1EndEnt
    QLineEdit *m_linearizerOutput = nullptr;   // Lin1EndSai
    std::array<QLineEdit *, 7> m_linearizerMV{};
    std::array<QLineEdit *, 7> m_linearizerPV{};
    QCheckBox *m_linearizerActive = nullptr; // Lin1Ativar

    // Shapes 1-5.
    std::array<QCheckBox *, 6> m_shapeShown{};
    std::array<QComboBox *, 6> m_shapeKind{};
    std::array<QComboBox *, 6> m_shapeMemory{};
    std::array<QLineEdit *, 6> m_shapeSizeText{};
    std::array<UpDown *, 6> m_shapeSize{};
    std::array<QLineEdit *, 6> m_shapeWidthText{};
    std::array<UpDown *, 6> m_shapeWidth{};
    std::array<ColourBox *, 6> m_shapeColour1{};
    std::array<ColourBox *, 6> m_shapeColour2{};
    std::array<QLabel *, 6> m_shapeMemoryLabels{};
    std::array<QLabel *, 6> m_shapeSizeLabels{};
    std::array<QLabel *, 6> m_shapeColourLabels{};

    // Switches 1-2.
    std::array<QCheckBox *, 3> m_switchShown{};
    std::array<QComboBox *, 3> m_switchOrientation{};
    std::array<QLabel *, 3> m_switchOutput{};

    // Push buttons 1-3: box, state texts for 0 and 1, name.
    std::array<QCheckBox *, 4> m_buttonChecked{};
    std::array<QLineEdit *, 4> m_buttonTextOff{};
    std::array<QLineEdit *, 4> m_buttonTextOn{};
    std::array<QLineEdit *, 4> m_buttonName{};

    // Slider inputs 1-6.
    std::array<QCheckBox *, 7> m_sliderShown{};
    std::array<QLineEdit *, 7> m_sliderName{};
    std::array<QCheckBox *, 7> m_sliderTall{};
};

} // namespace zelvar
