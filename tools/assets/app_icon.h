// The program's icon for the desktop's menus and task bar.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace tessaro::assets {

// Writes the icon into the icon theme folder `folder` as
// hicolor/scalable/apps/<name>.svg and hicolor/<n>x<n>/apps/<name>.png at the usual sizes.
// Returns the reason when a file could not be written.
std::optional<std::string> WriteAppIcons(const std::filesystem::path& folder, const QString& name);

}  // namespace tessaro::assets
