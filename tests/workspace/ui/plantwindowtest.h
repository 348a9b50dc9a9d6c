#pragma once

#include "services/session.h"
#include "tests/services/scripteddialogs.h"
#include "workspace/ui/configform.h"
#include "workspace/ui/mainwindow.h"
#include "workspace/ui/plantview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar {

// A shown main window on a real session, started in a language and with a new plant ("Novo"),
// its configuration window and plant picture found by object name. The timer is stopped: a
// test ticks by hand.
class PlantWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previousWorkingFolder = QDir::currentPath();
        start(Language::Portuguese);
    }

    void TearDown() override
    {
        m_form.reset();
        m_session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_previousWorkingFolder);
    }

    void start(Language language)
    {
        m_form.reset();
        m_session.reset();
        ASSERT_TRUE(m_folder.isValid());
        m_startFolder = QDir(m_folder.path()).canonicalPath();
        QDir::setCurrent(m_startFolder);
        QFile preferences(m_startFolder + QStringLiteral("/preferences.cfg"));
        ASSERT_TRUE(preferences.open(QIODevice::WriteOnly));
        preferences.write(language == Language::English ? "<language> English\r\n"
                                                        : "<language> Portuguese\r\n");
        preferences.close();
        m_session = std::make_unique<Session>(m_startFolder);
        m_session->SetRunning(false);
        m_form = std::make_unique<TForm1>(*m_session, m_dialogs);
        m_form->FinishStartUp();
        m_form->resize(1260, 760);
        m_form->show();
        action("Novo1")->trigger();
    }

public:
    Plant &plant() { return m_session->plant(); }
    TConfigForm *config() const { return m_form->configForm(); }
    PlantView *picture() const { return m_form->plantView(); }

    QAction *action(const char *name) const
    {
        auto *found = m_form->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    template<typename Widget = QWidget> Widget *widget(const QString &name) const
    {
        auto *found = m_form->findChild<Widget *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template<typename Widget = QWidget> Widget *widget(const char *name) const
    {
        return widget<Widget>(QString::fromLatin1(name));
    }

    // A user's click, as the window system delivers it.
    static void click(QWidget *target, QPoint at = QPoint(-1, -1))
    {
        if (at == QPoint(-1, -1))
            at = target->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress,
                          at,
                          target->mapToGlobal(at),
                          Qt::LeftButton,
                          Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease,
                            at,
                            target->mapToGlobal(at),
                            Qt::LeftButton,
                            Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    // The pointer moves over the plant picture to a point of its own coordinates.
    void movePointer(int x, int y)
    {
        const QPoint at(x, y);
        QMouseEvent move(QEvent::MouseMove,
                         at,
                         picture()->mapToGlobal(at),
                         Qt::NoButton,
                         Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(picture(), &move);
    }

    static void press(QWidget *target, int key, const QString &text = QString())
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
    }

    // The user types over an edit's text.
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        edit->del();
        edit->insert(text);
    }

    // The user picks an item of a list.
    static void choose(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // A user's tick or untick of a box.
    void tick(const char *name) { widget<QCheckBox>(name)->click(); }

    // "Sair" of the configuration window: the picture is refreshed from the plant.
    void leaveConfiguration() { widget<QAbstractButton>("SairButton")->click(); }

    QTemporaryDir m_folder;
    QString m_startFolder;
    QString m_previousWorkingFolder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<TForm1> m_form;
};

} // namespace zelvar
