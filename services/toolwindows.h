#pragma once

class QWidget;

namespace zelvar {

// The tool windows (the object windows, the configuration window, the signal generator, the
// variable list, the XY recorder) belong to the main window but are not the window manager's
// transients of it: a window manager minimises a window together with the windows it is
// transient for, so minimising one tool window would hide the whole program. Each tool window
// is minimised alone; the main window minimised takes the shown ones along and brings them back.
// Installed once on the application; later calls do nothing.
void MinimiseToolWindowsAlone();

// A tool window asked for again comes back in front with the keyboard, also when the user had
// minimised it: that was the only way to have it back.
void ShowToolWindow(QWidget *window);

} // namespace zelvar
