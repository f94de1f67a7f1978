// The pictures of the palette entries, drawn by the program: small symbols that show what
// a block is and on which sides it takes its inputs.
#pragma once

#include <QPixmap>
#include <QSize>
#include <string_view>

namespace tessaro {

// The picture of the entry for `key`, `size` pixels large.
QPixmap PaletteEntryPicture(std::string_view key, QSize size);

}  // namespace tessaro
