// Texts from outside — student file names, names and units from their projects — made safe
// for where the runner writes them: an XML report that must parse, and standard output,
// where a name must not start a line of its own.
#pragma once

#include <string>
#include <string_view>

namespace tessaro::sim {

// Valid UTF-8: each byte that does not begin a well-formed sequence (overlong forms,
// surrogates and code points above U+10FFFF included) becomes U+FFFD.
std::string ValidUtf8(std::string_view text);

// Valid UTF-8 holding only characters XML allows: control characters other than tab, line
// feed and carriage return, U+FFFE and U+FFFF become U+FFFD as well.
std::string XmlChars(std::string_view text);

// XML (or HTML) text, or with `attribute` a value between double quotes: of the characters
// XML allows, with every markup character escaped.
std::string Markup(std::string_view text, bool attribute);

// Control characters written as "\x07", as the runner's error lines show them.
void AppendEscaped(std::string& out, char c);
std::string EscapeControls(std::string_view text);

}  // namespace tessaro::sim
