// Writing pictures into the program's folders without disturbing anything else there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "pictures.h"

namespace tessaro::assets {

// Writes `picture` as a 24-bit BMP into its folder under `root`, creating the folder when it
// is missing. Folder and file are matched without regard to letter case, so an existing
// "velden/and1.bmp" is replaced rather than joined by a second "Velden/AND1.bmp". The file is
// written under a temporary name and renamed, so a failure leaves any old file whole.
// Returns the reason when the picture could not be written.
std::optional<std::string> WritePicture(const std::filesystem::path& root, const Picture& picture);

}  // namespace tessaro::assets
