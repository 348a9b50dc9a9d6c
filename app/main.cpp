#include "services/helpsite.h"
#include "services/session.h"
#include "services/userdialogs.h"
#include "workspace/ui/mainwindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // A name, not a display name: the toolkit would add a display name to every window title.
    QApplication::setApplicationName(QStringLiteral("Zelvar"));
    // The main window ends the program when it closes, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);

    zelvar::Session session(QDir::currentPath());
    session.LoadToolkitTexts();
    const QString helpFolder
        = zelvar::FindHelpFolder(session.StartFolder, QCoreApplication::applicationDirPath());
    if (!helpFolder.isEmpty())
        session.HelpFolder = helpFolder;

    zelvar::QtUserDialogs dialogs;
    zelvar::TForm1 Form1(session, dialogs);
    QObject::connect(
        &Form1, &zelvar::TForm1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    Form1.showMaximized();
    return app.exec();
}
