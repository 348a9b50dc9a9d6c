#include "workspace/ui/splashwindow.h"

#include "services/pictures.h"
#include "services/uitext.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace zelvar {

SplashWindow::SplashWindow(Role role, Language language, QWidget *parent)
    : QWidget(parent,
              role == Role::Splash
                  ? Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                  // Like the splash, so that a click on another window never buries it.
                  : Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(role == Role::Splash ? QStringLiteral("Splash") : QStringLiteral("AboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (role == Role::About)
        setWindowTitle(trText(language, "Sobre", "About"));
    setFixedSize(kWidth, kHeight);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(0, 0, kWidth, kHeight);
    m_picture->setPixmap(LoadPicture(QStringLiteral("pictures/splash.png")));
    m_picture->setScaledContents(true);

    m_closeButton = new QPushButton(trText(language, "Fechar", "Close"), this);
    m_closeButton->setObjectName(QStringLiteral("BotaoFechar"));
    m_closeButton->setGeometry(kWidth - 104, kHeight - 44, 88, 30);
    m_closeButton->setVisible(role == Role::About);
    connect(m_closeButton, &QPushButton::clicked, this, &SplashWindow::BotaoFecharClick);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kSplashMs);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::Timer1Timer);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void SplashWindow::ShowAndUpdate()
{
    show();
    raise();
    repaint();
}

void SplashWindow::Timer1Timer()
{
    m_timer->stop();
    m_closeButton->setVisible(true);
    emit splashTimeElapsed();
}

void SplashWindow::BotaoFecharClick()
{
    m_closeButton->hide();
    close();
}

} // namespace zelvar
