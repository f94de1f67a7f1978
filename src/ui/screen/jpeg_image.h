// The one JPEG the program shows, decoded with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessaro {

// The picture in `bytes`, or a null image when they are not a whole, sound JPEG: a cut-off
// or damaged file gives no half-grey picture. libjpeg stays silent; nothing is printed.
QImage DecodeJpeg(const QByteArray& bytes);

// The JPEG in file `file` (a path or a ":/" resource), or a null image when it cannot be read
// or decoded.
QImage LoadJpeg(const QString& file);

}  // namespace tessaro
