// The wiring drawing of the analog multiplexer that the layout editor shows beside its
// controls: how eight analog inputs reach the board's two through a CD4052B.
#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/core/texts.h"

namespace tessaro::assets {

// The drawing, 404 x 406, with its words in `language`.
QImage WiringDrawing(Language language = Language::kDutch);

// Writes `image` as a baseline colour JPEG without chroma subsampling, so thin lines and small
// letters stay sharp. The file is written under a temporary name and renamed. Returns the
// reason when it could not be written.
std::optional<std::string> WriteJpeg(const std::filesystem::path& file, const QImage& image);

}  // namespace tessaro::assets
