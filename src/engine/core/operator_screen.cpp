#include "engine/core/operator_screen.h"

#include <algorithm>

#include "engine/board/board.h"
#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

bool ValidItem(int item) { return item >= 0 && item < kScreenItems; }

}  // namespace

std::string KnopPicture(int n, bool on) {
  return "Teks/Knop" + std::to_string(n) + (on ? "aan.bmp" : "uit.bmp");
}

void KnopClick(ProcessImage& image, ScreenView& view, int n) {
  if (n < 1 || n > kScreenButtons) return;
  const bool on = image.ScreenButton[n] == 0;
  image.ScreenButton[n] = on ? 255 : 0;
  const int item = ItemIndexOf(ItemKind::PushButton, n);
  image.ItemPicture[item] = KnopPicture(n, on);
  view.ItemPictureChanged(item, image.ItemPicture[item]);
}

void KnobChanged(ProcessImage& image, int n, int value) {
  if (n < 1 || n > kValueKnobs) return;
  image.KnobValue[n] = std::clamp(value, 0, 255);
}

void SetItemVisible(ProcessImage& image, ScreenView& view, int item, bool visible) {
  if (!ValidItem(item)) return;
  if (image.ItemVisible[item] != (visible ? 1 : 0)) image.UnsavedChanges = true;
  image.ItemVisible[item] = visible ? 1 : 0;
  view.ItemVisibilityChanged(item, visible);
}

void SetItemLeft(ProcessImage& image, ScreenView& view, int item, int left) {
  if (!ValidItem(item)) return;
  if (image.ItemLeft[item] != (left)) image.UnsavedChanges = true;
  image.ItemLeft[item] = left;
  view.ItemLeftChanged(item, left);
}

void SetItemTop(ProcessImage& image, ScreenView& view, int item, int top) {
  if (!ValidItem(item)) return;
  if (image.ItemTop[item] != (top)) image.UnsavedChanges = true;
  image.ItemTop[item] = top;
  view.ItemTopChanged(item, top);
}

bool ExitClick(Messages& messages, Board& board) {
  if (!messages.Question(messages.Render(Phrase{TextId::kExitQuestion}),
                         messages.Render(Phrase{TextId::kExitTitle}))) {
    return false;
  }
  board.CloseDevice();
  return true;
}

}  // namespace tessaro
