// The off pictures the operator screen's lamps and push buttons carry until a state picture
// from the Teks folder is loaded into them.
#pragma once

#include <QPixmap>

namespace tessaro {

// An empty picture of `size` pixels as windows lay them out, with as many device pixels as
// the screen has for them (the application's highest device pixel ratio), so that what is
// drawn on it is sharp on a dense screen. At ratio 1 it is a plain pixmap of that size.
// A `ratio` above 0 gives that many device pixels per pixel instead (a picture drawn larger).
QPixmap ScreenPicture(QSize size, qreal ratio = 0);

// Digital input lamp, 90 x 40: "Laag" on teal.
QPixmap InputLampOffPicture(qreal ratio = 0);

// Push button n, 90 x 40: a yellow disc with a magenta K, the digit n and "Uit" on green.
QPixmap PushButtonOffPicture(int n, qreal ratio = 0);

// Digital output lamp n, 108 x 29: "Digitaal n laag" on white.
QPixmap OutputLampOffPicture(int n, qreal ratio = 0);

}  // namespace tessaro
