#pragma once

class QRect;
class QSize;
class QWidget;

namespace zelvar {

// What the window manager's frame adds to a window's size, known once the window has been
// mapped; before that, a shown owner's is the best guess, as the window manager frames them
// alike.
QSize FrameDecoration(const QWidget *window);

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
