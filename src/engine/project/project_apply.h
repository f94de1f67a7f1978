// What a project load does to the windows once the tables hold the new project: it places
// and shows or hides the 47 operator-screen items, selects the PID faceplates' action
// buttons and gives the grid fields their block pictures. The engine decides all of it; the
// windows only carry out the calls of a ProjectLoadView.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct ProcessImage;

// Every method has a do-nothing default. The item calls have the same names and meaning as
// those of ScreenView, so one class serving both gets them from one override.
class ProjectLoadView {
 public:
  virtual ~ProjectLoadView() = default;
  // Item i's control moves: first its top edge, then its left edge.
  virtual void ItemTopChanged(int /*item*/, int /*top*/) {}
  virtual void ItemLeftChanged(int /*item*/, int /*left*/) {}
  virtual void ItemVisibilityChanged(int /*item*/, bool /*visible*/) {}
  // PID faceplate n (1..3) now has "D" (direct) or "R" (reverse) selected. PidAction
  // already holds the matching +1 or -1; a faceplate that runs its click action when the
  // selection changes stores that same value.
  virtual void PidActionSelected(int /*n*/, bool /*direct*/) {}
  // Grid field (row, column) is to show the picture in `file`, a regular file. False when
  // the file holds no picture that can be shown; the field then counts as without one.
  virtual bool FieldPictureLoaded(int /*row*/, int /*column*/,
                                  const std::filesystem::path& /*file*/) {
    return true;
  }
  // Grid field (row, column) holds a key without a picture file: it shows no picture.
  virtual void FieldPictureCleared(int /*row*/, int /*column*/) {}
};

// Places item 0..46 in order (top, left, then shown when ItemVisible is 1, else hidden);
// right after items "Reg1".."Reg3" selects the action of PID controller 1..3: "D" when its
// PidAction is 1, "R" otherwise, and stores +1 or -1 as the button's click does.
void ApplyScreenLayout(ProcessImage& image, ProjectLoadView& view);

// Whether `key` is one of the block keys the palettes offer.
bool IsBlockKey(std::string_view key);

// Gives every field with a non-empty key, row by row, the picture "Velden/" + key + ".bmp"
// found under `root`; a field whose key is empty keeps its picture. A field whose key is no
// block key, or whose picture file is missing or cannot be shown, shows none. Returns the paths of the missing pictures,
// each once, in field order.
std::vector<std::string> RefreshGridPictures(const ProcessImage& image,
                                             const std::filesystem::path& root,
                                             ProjectLoadView& view);

}  // namespace tessaro
