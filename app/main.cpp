#include "workspace/ui/mainwindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    zelvar::TForm1 mainWindow;
    mainWindow.showMaximized();
    return app.exec();
}
