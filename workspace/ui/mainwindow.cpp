#include "workspace/ui/mainwindow.h"

#include <QMenuBar>

namespace zelvar {

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8("Zelvar (v 7.8)"));
    resize(1024, 700);
    // Until a plant is made or opened only these two menus show.
    m_fileMenu = menuBar()->addMenu(QString::fromUtf8("Arquivo"));
    m_fileMenu->setObjectName("Arquivo1");
    m_helpMenu = menuBar()->addMenu(QString::fromUtf8("Ajuda"));
    m_helpMenu->setObjectName("Ajuda1");
}

} // namespace zelvar
