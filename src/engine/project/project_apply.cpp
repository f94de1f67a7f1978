#include "engine/project/project_apply.h"

#include <algorithm>
#include <system_error>

#include "engine/core/block_keys.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "engine/control/pid_faceplate.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

constexpr char kPictureFolder[] = "Velden";

// The path a missing picture would have had, for the report.
std::string ExpectedPicturePath(const std::filesystem::path& root, const std::string& file) {
  auto folder = ResolvePath(root, kPictureFolder);
  return ((folder ? *folder : root / kPictureFolder) / "").string() + file;
}

}  // namespace

void ApplyScreenLayout(ProcessImage& image, ProjectLoadView& view) {
  const auto& items = ScreenItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    view.ItemTopChanged(i, image.ItemTop[i]);
    view.ItemLeftChanged(i, image.ItemLeft[i]);
    view.ItemVisibilityChanged(i, image.ItemVisible[i] == 1);

    const auto& item = items[static_cast<size_t>(i)];
    if (item.kind == ItemKind::ControllerLabel && item.number >= 1 && item.number <= 3) {
      // Selected as a click would; +1 or -1 is in force afterwards, whatever the file held.
      const bool direct = image.Pid[item.number].PidAction == 1;
      pid::SelectAction(image, item.number, direct);
      view.PidActionSelected(item.number, direct);
    }
  }
}

bool IsBlockKey(std::string_view key) {
  const auto keys = BlockKeys();
  return std::any_of(keys.begin(), keys.end(),
                     [key](const BlockKeyInfo& info) { return info.key == key; });
}

std::vector<std::string> RefreshGridPictures(const ProcessImage& image,
                                             const std::filesystem::path& root,
                                             ProjectLoadView& view) {
  std::vector<std::string> missing;
  for (int r = 1; r <= kRows; ++r) {
    for (int k = 1; k <= kColumns; ++k) {
      const std::string& key = image.FieldGrid[r][k];
      if (key.empty()) continue;
      const std::string file = key + ".bmp";
      // Only a known key names a file: any other text from a project file stays data.
      if (IsBlockKey(key)) {
        auto path = ResolveFolderFile(root, kPictureFolder, file);
        std::error_code ec;
        if (path && std::filesystem::is_regular_file(*path, ec) &&
            view.FieldPictureLoaded(r, k, *path)) {
          continue;
        }
      }
      view.FieldPictureCleared(r, k);
      std::string expected = ExpectedPicturePath(root, file);
      if (std::find(missing.begin(), missing.end(), expected) == missing.end()) {
        missing.push_back(std::move(expected));
      }
    }
  }
  return missing;
}

}  // namespace tessaro
