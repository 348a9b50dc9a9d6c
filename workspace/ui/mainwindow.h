#pragma once

#include <QMainWindow>

class QMenu;

namespace zelvar {

// The main window: the plant picture, its menus and the comment pane.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

private:
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
};

} // namespace zelvar
