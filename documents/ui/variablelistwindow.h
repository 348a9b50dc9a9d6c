#pragma once

#include "documents/model/variablelist.h"

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class QTableWidget;
class QToolButton;

namespace zelvar {

class Session;
class UserDialogs;

// Dialogos, "Lista de Variáveis": the memory table in two grids, ListaVar (the process
// variables) and ListaVar2 (the control signals). Unit, range, limits and description are
// edited in place: the typed text goes to the model as it changes, Enter stores it into the
// memory and Escape gives the cell its text back. The grids are refreshed from the plant on
// every activation, by "Atualiza" and "Sair", and when the plant is replaced. The window lives
// as long as the program; closing it only hides it.
class TDialogos : public QWidget
{
    Q_OBJECT

public:
    // dialogs: where refusals and the help page go; null for the real message boxes and
    // browser.
    TDialogos(Session &session, QWidget *parent = nullptr, UserDialogs *dialogs = nullptr);
    ~TDialogos() override;

    // RefreshVariableList: both grids from the plant, the slider hints, and the present
    // instruments re-applied so a changed range reaches them.
    void RefreshVariableList();
    // The hint of slider input k (1-6), for TrackBack<k> and TrackLabel<k> on the plant
    // picture, as the last refresh left it: "Faixa: de <low> a <high> <unit>".
    QString SliderHint(int k) const;
    // The window's texts in the session's language.
    void ApplyTexts();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Grid = VariableList::Grid;

    QTableWidget *buildGrid(Grid grid, const char *objectName, const int (&widths)[9]);
    QTableWidget *table(Grid grid) const;

    // User edits -> model.
    void SelectCell(Grid grid, int row, int column);
    void SetEditText(Grid grid, int row, int column, const QString &text);
    void KeyEnter(Grid grid);
    void KeyEscape(Grid grid);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

    // Model -> widgets.
    void showGrid(Grid grid);

    // Declared before m_dialogs, which may refer to it.
    std::unique_ptr<UserDialogs> m_ownDialogs;
    Session &m_session;
    UserDialogs &m_dialogs;

    QLabel *m_staticText1 = nullptr;
    QLabel *m_staticText2 = nullptr;
    QTableWidget *m_listaVar = nullptr;
    QTableWidget *m_listaVar2 = nullptr;
    QToolButton *m_speedButton1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
    QToolButton *m_speedButton3 = nullptr;
};

} // namespace zelvar
