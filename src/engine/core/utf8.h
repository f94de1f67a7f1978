// UTF-8, the text of every file the trainer writes and of the project files it reads.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Whether `text` is well-formed UTF-8 (plain ASCII is).
bool IsValidUtf8(std::string_view text);

// `text` as UTF-8: itself when it is, else read as Latin-1, as a unit typed on an old
// system comes.
std::string AsUtf8(std::string_view text);

}  // namespace tessaro
