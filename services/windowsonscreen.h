#pragma once

class QMargins;
class QPoint;
class QRect;
class QSize;
class QWidget;

namespace zelvar {

// What the window manager's frame adds on each side of a window, known once it has framed the
// window. Before that it is reckoned from a shown owner, framed alike, with room for the borders
// a maximised owner goes without; or, with no owner to learn from, as a usual title bar and
// border. A window placed by the reckoning has its real frame within the reckoned one.
QMargins FrameMargins(const QWidget *window);
// What the frame adds to the window's size.
QSize FrameDecoration(const QWidget *window);
// The frame's place on the screen, real or reckoned.
QRect FrameGeometry(const QWidget *window);
// Moves the window so that its frame, real or reckoned, starts at `place`. (A window the window
// manager has not framed yet takes a move as the place of its contents, title bar left out.)
void MoveFrameTo(QWidget *window, const QPoint &place);

// Keeps a window within an area of the screen (by default the whole available area of its
// screen): larger than the area, it shrinks as far as its minimum size lets it; reaching past an
// edge, it moves in, its top-left corner first. Maximised, full-screen and minimised windows are
// left alone.
void KeepWithinScreen(QWidget *window);
void KeepWithinArea(QWidget *window, const QRect &area);

// Every window of the program, whichever made it, is kept within its screen whenever it shows
// or changes size, so that no title or content can push its buttons out of the mouse's reach;
// only the main window, which opens maximised, is left to the user. Installed once on the
// application; later calls do nothing.
void KeepWindowsOnScreen();

} // namespace zelvar
