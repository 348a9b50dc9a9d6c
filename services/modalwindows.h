#pragma once

namespace zelvar {

// A modal window (a question, a message, a file dialog) blocks every other window of the
// program, so it stays above all of them until it closes, whatever the user clicks: while it is
// open it stays on top and the other windows that stay on top (the tool windows, the splash)
// give that up, taking it back when it closes. It is raised and made active once shown. Once it
// closes, the window that was active before it opened is active and in front again, if still
// shown, wherever the window manager would have put the focus.
// Installed once on the application; later calls do nothing.
void KeepModalWindowsInFront();

} // namespace zelvar
