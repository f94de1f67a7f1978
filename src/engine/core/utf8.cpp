#include "engine/core/utf8.h"

#include <cstddef>

namespace tessaro {

bool IsValidUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const unsigned char b = bytes[i];
    const size_t length = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > size) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((bytes[i + k] >> 6) != 0x2) return false;
    }
    i += length;
  }
  return true;
}

std::string AsUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string converted;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      converted += c;
    } else {
      converted += static_cast<char>(0xC0 | (b >> 6));
      converted += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return converted;
}

}  // namespace tessaro
