// The program's typeface: Tahoma where it is installed, otherwise the nearest sans serif.
#pragma once

#include <QFont>

namespace tessaro {

// Tahoma at a character height of `pixels` (pixels at 96 dpi).
QFont TahomaFont(int pixels, bool bold = false);

}  // namespace tessaro
