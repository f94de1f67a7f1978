// A controller's mode and a faceplate's size as values, not words. The process image and the
// project file keep the words they always stored ("hand", "auto", "casc", "byps"; "klein",
// "groot", "super"); what a window shows for them is its own caption, in the user's language.
#pragma once

#include <string_view>

namespace tessaro {

enum class ControllerMode { kHand, kAuto, kCascade, kBypass };
enum class ViewSize { kSmall, kLarge, kSuper };

// The value of a stored word; an unknown word is the start-up state ("hand", "klein").
ControllerMode ModeOf(std::string_view stored);
ViewSize ViewSizeOf(std::string_view stored);

// The word each value is stored as.
const char* StoredWord(ControllerMode mode);
const char* StoredWord(ViewSize size);

}  // namespace tessaro
