#include "services/windowsonscreen.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace zelvar {
namespace {

// A window whose content or place reached past the screen's edge had its buttons out of the
// mouse's reach; every window is now kept within the screen as it shows and as it grows.
TEST(KeepWindowsOnScreen, AWindowShowsAndGrowsWithinTheScreen)
{
    KeepWindowsOnScreen();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget probe(nullptr, Qt::Tool);
    probe.show();
    // What the window system's frame adds to a window.
    const QSize frame = probe.frameGeometry().size() - probe.size();
    const QSize room = screen.size() - frame;
    const struct
    {
        const char *name;
        QPoint place; // of the frame
        QSize size;
        QSize minimum;
        QRect expected; // the frame once shown
    } rows[] = {
        {"inside stays put",
         {10, 20},
         {300, 200},
         {0, 0},
         {QPoint(10, 20), QSize(300, 200) + frame}},
        {"past the right and bottom edges moves in",
         {screen.width() - 100, screen.height() - 100},
         {300, 200},
         {0, 0},
         {QPoint(room.width() - 300, room.height() - 200), QSize(300, 200) + frame}},
        {"above and left of the screen moves in",
         {-500, -500},
         {300, 200},
         {0, 0},
         {QPoint(0, 0), QSize(300, 200) + frame}},
        {"wider than the screen shrinks to it",
         {0, 0},
         {screen.width() * 3, 200},
         {100, 100},
         {QPoint(0, 0), QSize(screen.width(), 200 + frame.height())}},
        {"too wide to shrink keeps its left edge on the screen",
         {200, 0},
         {screen.width() + 50, 200},
         {screen.width() + 50, 200},
         {QPoint(0, 0), QSize(screen.width() + 50, 200) + frame}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QWidget window(nullptr, Qt::Tool);
        window.setMinimumSize(row.minimum);
        window.resize(row.size);
        window.move(row.place + screen.topLeft());
        window.show();
        EXPECT_EQ(window.frameGeometry(), row.expected.translated(screen.topLeft()));
    }
    // Growing while shown, as a window does when its content changes.
    QWidget window(nullptr, Qt::Tool);
    window.resize(300, 200);
    window.move(screen.right() - 400, screen.top());
    window.show();
    window.resize(600, 200);
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
    EXPECT_EQ(window.width(), 600);
}

TEST(KeepWindowsOnScreen, AWindowNotYetShownMakesRoomForTheFrameItsOwnerHas)
{
    // Placed before the window manager framed it, a window's title bar pushed its bottom off.
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.show();
    const QSize frame = owner.frameGeometry().size() - owner.size();
    ASSERT_FALSE(frame.isNull());
    QWidget tool(&owner, Qt::Tool);
    tool.resize(300, screen.height());
    KeepWithinScreen(&tool);
    EXPECT_EQ(tool.height() + frame.height(), screen.height());
}

TEST(KeepWindowsOnScreen, AWindowNotYetFramedMakesRoomForTheBordersAMaximisedOwnerLacks)
{
    // A maximised owner's frame has no borders, so reckoned from it alone a tool window's title
    // bar and borders came out short and its frame ran onto the main menu.
    QWidget owner;
    owner.showMaximized();
    QWidget tool(&owner, Qt::Tool);
    const QMargins reckoned = FrameMargins(&tool);
    const QMargins ownerMargins(owner.geometry().left() - owner.frameGeometry().left(),
                                owner.geometry().top() - owner.frameGeometry().top(),
                                owner.frameGeometry().right() - owner.geometry().right(),
                                owner.frameGeometry().bottom() - owner.geometry().bottom());
    EXPECT_GT(reckoned.left(), ownerMargins.left());
    EXPECT_GT(reckoned.top(), ownerMargins.top());
    EXPECT_GT(reckoned.right(), ownerMargins.right());
    EXPECT_GT(reckoned.bottom(), ownerMargins.bottom());
}

TEST(KeepWindowsOnScreen, MenusAndMaximisedWindowsAreLeftAlone)
{
    KeepWindowsOnScreen();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget popup(nullptr, Qt::Popup);
    popup.resize(100, 100);
    popup.move(screen.right() - 50, screen.top());
    popup.show();
    // The toolkit places its menus and lists itself, reaching past an edge where it must.
    EXPECT_GT(popup.frameGeometry().right(), screen.right());
    QWidget maximised(nullptr, Qt::Tool);
    maximised.resize(screen.width() * 2, 100);
    maximised.showMaximized();
    maximised.resize(screen.width() * 2, 100);
    EXPECT_EQ(maximised.width(), screen.width() * 2);
}

} // namespace
} // namespace zelvar
