// The operator screen owns every other window of the program. The window system keeps an
// owned window in front of its owner (X11 window managers, Wayland compositors, Windows),
// without lifting it over other programs, and every owned window is kept on the screen.
#pragma once

class QWidget;

namespace tessaro {

// Gives `window` to `owner` as a dialog of it, and keeps it on the screen from then on.
void OwnWindow(QWidget& window, QWidget& owner);

// On every show and every change of size, `window` goes where it asks if that fits the free
// area of its screen; else it moves onto the screen and, when still too big, shrinks (as
// far as its minimum size allows) so that its content scrolls.
void KeepOnScreen(QWidget& window);
// The same, once, now.
void FitOnScreen(QWidget& window);

// Shows a window, or brings it to the front when it is shown already.
void ShowToFront(QWidget& window);

}  // namespace tessaro
