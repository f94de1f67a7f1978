#include "engine/script/safe_text.h"

namespace tessaro::sim {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    size_t length = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
    bool ok = length != 0 && i + length <= text.size() && !(c == 0xC0 || c == 0xC1 || c > 0xF4);
    for (size_t k = 1; ok && k < length; ++k) {
      ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (ok && length >= 3) {
      // No overlong forms, no surrogates, nothing above U+10FFFF.
      const auto d = static_cast<unsigned char>(text[i + 1]);
      ok = !(c == 0xE0 && d < 0xA0) && !(c == 0xED && d >= 0xA0) && !(c == 0xF0 && d < 0x90) &&
           !(c == 0xF4 && d >= 0x90);
    }
    if (ok) {
      out.append(text, i, length);
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

std::string XmlChars(std::string_view text) {
  const std::string valid = ValidUtf8(text);
  std::string out;
  for (size_t i = 0; i < valid.size(); ++i) {
    const auto c = static_cast<unsigned char>(valid[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      out += kReplacement;
    } else if (c == 0xEF && i + 2 < valid.size() && valid[i + 1] == '\xBF' &&
               (valid[i + 2] == '\xBE' || valid[i + 2] == '\xBF')) {
      out += kReplacement;  // U+FFFE, U+FFFF
      i += 2;
    } else {
      out += valid[i];
    }
  }
  return out;
}

void AppendEscaped(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte != 0x7f) {
    out += c;
    return;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

std::string EscapeControls(std::string_view text) {
  std::string out;
  for (const char c : text) AppendEscaped(out, c);
  return out;
}

std::string Markup(std::string_view text, bool attribute) {
  std::string out;
  for (char c : XmlChars(text)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += attribute ? "&quot;" : "\"";
        break;
      case '\n':
        out += attribute ? "&#10;" : "\n";
        break;
      case '\r':
        out += "&#13;";
        break;
      case '\t':
        out += attribute ? "&#9;" : "\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace tessaro::sim
