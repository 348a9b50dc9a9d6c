#pragma once

#include "engine/model/language.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace zelvar {

// The picture window of 602 by 452 pixels, on top: the splash at start-up (borderless, its
// one-shot Timer1 ends the start-up) and the about box (with its close button). Its texts are those
// of the language in force when it is made.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Role { Splash, About };

    static constexpr int kWidth = 602;
    static constexpr int kHeight = 452;
    static constexpr int kSplashMs = 3000;

    SplashWindow(Role role, Language language, QWidget *parent = nullptr);

    // Shows the window and draws it at once, before the caller goes on.
    void ShowAndUpdate();
    QTimer *Timer1() const { return m_timer; }
    QPushButton *BotaoFechar() const { return m_closeButton; }

signals:
    // The splash timer fired (once).
    void splashTimeElapsed();

private:
    void Timer1Timer();
    void BotaoFecharClick();

    QLabel *m_picture = nullptr;
    QPushButton *m_closeButton = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace zelvar
