// Drives the real main window on a real display (Xvfb) and saves pictures of it: the gallery
// after start-up, the open "Arquivo" menu, the window after "Novo" and the about box, in both
// languages. Built and run by scripts/screenshots.
#include "workspace/ui/mainwindow.h"
#include "workspace/ui/session.h"
#include "workspace/ui/userdialogs.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Nobody is there to answer: every question is No, every dialog cancelled.
class SilentDialogs : public zelvar::UserDialogs
{
public:
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void inform(QWidget *, const QString &) override {}
    void showError(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    }
    QString openFile(QWidget *, const zelvar::FileDialogRequest &) override { return {}; }
    QString saveFile(QWidget *, const zelvar::FileDialogRequest &) override { return {}; }
    void openUrl(const QUrl &) override {}
};

void settle(int milliseconds = 400)
{
    const qint64 end = QDateTime::currentMSecsSinceEpoch() + milliseconds;
    while (QDateTime::currentMSecsSinceEpoch() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

void shoot(const QString &folder, const QString &name)
{
    settle();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

void run(const QString &startFolder, const QString &outFolder, const QString &suffix)
{
    QDir::setCurrent(startFolder);
    zelvar::Session session(startFolder);
    session.HelpFolder = startFolder + QStringLiteral("/help");
    SilentDialogs dialogs;
    zelvar::TForm1 form(session, dialogs);
    // No window manager maximises it under Xvfb: take the screen's size directly.
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    settle(600);
    shoot(outFolder, QStringLiteral("splash") + suffix);
    form.FinishStartUp();
    shoot(outFolder, QStringLiteral("gallery") + suffix);

    auto *fileMenu = form.findChild<QMenu *>(QStringLiteral("Arquivo1"));
    form.menuBar()->setActiveAction(fileMenu->menuAction());
    shoot(outFolder, QStringLiteral("menu-arquivo") + suffix);
    fileMenu->hide();
    form.menuBar()->setActiveAction(nullptr);

    form.findChild<QAction *>(QStringLiteral("Novo1"))->trigger();
    shoot(outFolder, QStringLiteral("novo") + suffix);
    session.MarkChanged();
    auto *options = form.findChild<QMenu *>(QStringLiteral("Opes1"));
    form.menuBar()->setActiveAction(options->menuAction());
    shoot(outFolder, QStringLiteral("menu-opcoes-changed") + suffix);
    options->hide();
    auto *help = form.findChild<QMenu *>(QStringLiteral("Sobre1"));
    form.menuBar()->setActiveAction(help->menuAction());
    shoot(outFolder, QStringLiteral("menu-ajuda") + suffix);
    help->hide();
    form.menuBar()->setActiveAction(nullptr);

    form.findChild<QAction *>(QStringLiteral("Sobre3"))->trigger();
    shoot(outFolder, QStringLiteral("about") + suffix);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("AboutBox"))
            window->close();
    }
    session.MarkSaved();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Zelvar"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshots START_FOLDER OUT_FOLDER\n");
        return 2;
    }
    const QString start = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const char *language : {"Portuguese", "English"}) {
        QFile preferences(start + QStringLiteral("/preferences.cfg"));
        if (!preferences.open(QIODevice::WriteOnly))
            return 1;
        preferences.write(QByteArray("<language> ") + language + "\r\n");
        preferences.close();
        run(start, out, language[0] == 'E' ? QStringLiteral("-en") : QStringLiteral("-pt"));
    }
    return 0;
}
