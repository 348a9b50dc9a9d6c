#pragma once

#include "engine/model/signalgenerator.h"

#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zelvar {

class Session;
class UpDown;
class UserDialogs;

// ParmForm, "Gerador de Sinais": the sixteen rows of the plant's signal generator, row n
// driving memory Mn. Each row shows its kind list and the inputs its kind uses, placed where the
// row's layout says; every user edit goes to the generator at once and the generator is shown
// back with the widgets' signals blocked. Button1 stays enabled while edits wait for a commit.
// The window lives as long as its plant (a new plant comes with a new window); closing only
// hides it, after one more commit. Random, sine and walk values follow the tick while it is shown.
class TParmForm : public QWidget
{
    Q_OBJECT

public:
    // dialogs: where the help page goes; null for the real browser.
    explicit TParmForm(Session &session, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TParmForm() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // FormActivate: the rows again, as the variable list may have given a row its description.
    bool event(QEvent *event) override;

private:
    // One row's controls; Min and Max exist for rows 81-90 only.
    struct RowWidgets
    {
        QLabel *number = nullptr;
        QComboBox *tipo = nullptr;
        QLineEdit *desc = nullptr;
        QLineEdit *min = nullptr;
        QLineEdit *max = nullptr;
        QLineEdit *valor = nullptr;
        QWidget *valorDig = nullptr;
        QButtonGroup *zeroOne = nullptr;
        UpDown *upDown = nullptr;
    };

    SignalGenerator &generator();
    // Design pixels to screen pixels, in proportion to the font.
    int pxX(int designPixels) const;
    int pxY(int designPixels) const;
    void place(QWidget *widget, int left, int top, int width, int height) const;
    RowWidgets &rowWidgets(int n);
    void build();
    void buildRow(int n);
    QLineEdit *newRowEdit(int n, const char *part, SignalText which);

    // User edits -> model.
    void TipoChange(int n, int kind);
    void textEdited(int n, SignalText which, const QString &text);
    void ValorKeyPressEnter();
    void ValorDigClick(int n, int position);
    void UpDownClick(int n, int position);
    void Button1Click();
    void SairButtonClick();
    void SpeedButton1Click();

    // Model -> widgets.
    void showGenerator();
    void showRow(int n);
    void showShownValues();
    void applyTexts();

    std::unique_ptr<UserDialogs> m_ownDialogs;
    Session &m_session;
    UserDialogs &m_dialogs;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    std::array<RowWidgets, SignalGenerator::kRowCount> m_rows;
    QPushButton *m_button1 = nullptr;
    QToolButton *m_speedButton1 = nullptr;
    QPushButton *m_sairButton = nullptr;
};

} // namespace zelvar
