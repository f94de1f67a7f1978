// Folders that only the user may open.
#pragma once

#include <filesystem>

namespace tessaro {

// Makes `folder` for the user alone; quietly does nothing when it cannot (the caller finds
// out when it uses the folder).
void MakePrivateFolder(const std::filesystem::path& folder);

// A new folder of the user's alone beside `base`, named "BASE-" and six random letters, so
// that no one could have prepared it; empty when none can be made.
std::filesystem::path MakeFreshPrivateFolder(const std::filesystem::path& base);

}  // namespace tessaro
