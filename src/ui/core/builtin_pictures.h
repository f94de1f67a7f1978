// The off pictures the operator screen's lamps and push buttons carry until a state picture
// from the Teks folder is loaded into them.
#pragma once

#include <QPixmap>

namespace tessaro {

// An empty picture of `size` pixels as windows lay them out, with as many device pixels as
// the screen has for them (the application's highest device pixel ratio), so that what is
// drawn on it is sharp on a dense screen. At ratio 1 it is a plain pixmap of that size.
QPixmap ScreenPicture(QSize size);

// Digital input lamp, 90 x 40: "Laag" on teal.
QPixmap InputLampOffPicture();

// Push button n, 90 x 40: a yellow disc with a magenta K, the digit n and "Uit" on green.
QPixmap PushButtonOffPicture(int n);

// Digital output lamp n, 108 x 29: "Digitaal n laag" on white.
QPixmap OutputLampOffPicture(int n);

}  // namespace tessaro
