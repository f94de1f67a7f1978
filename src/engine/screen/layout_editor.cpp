#include "engine/screen/layout_editor.h"

#include <algorithm>

#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

// The item the editor works on, or -1.
int EditedIndex(const LayoutEditor& editor) {
  return editor.EditedItem.empty() ? -1 : ItemIndex(editor.EditedItem);
}

}  // namespace

void Wie(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int button) {
  editor.EditedItem.clear();
  editor.EditedItemPicture.clear();
  const auto& items = ScreenItems();
  if (button < 1 || button > static_cast<int>(items.size())) return;
  const std::string key(items[static_cast<size_t>(button - 1)].key);
  editor.EditedItem = key;
  editor.EditedItemPicture = "Velden/" + key + ".bmp";

  const int item = button - 1;
  SetVisibleBox(image, view, editor, image.ItemVisible[item] == 1);
  SetSpinEdit1(image, view, editor, image.ItemLeft[item]);
  SetSpinEdit2(image, view, editor, image.ItemTop[item]);
}

void SetVisibleBox(ProcessImage& image, ScreenView& view, LayoutEditor& editor, bool ticked) {
  if (editor.Visible == ticked) return;
  editor.Visible = ticked;
  PasAan(image, view, editor);
}

void SetSpinEdit1(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int value) {
  value = std::clamp(value, 0, kMaxItemLeft);
  if (editor.SpinEdit1 == value) return;
  editor.SpinEdit1 = value;
  Horizontaal(image, view, editor);
}

void SetSpinEdit2(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int value) {
  value = std::clamp(value, 0, kMaxItemTop);
  if (editor.SpinEdit2 == value) return;
  editor.SpinEdit2 = value;
  Vertikaal(image, view, editor);
}

void PasAan(ProcessImage& image, ScreenView& view, const LayoutEditor& editor) {
  const int item = EditedIndex(editor);
  if (item >= 0) SetItemVisible(image, view, item, editor.Visible);
}

void Horizontaal(ProcessImage& image, ScreenView& view, const LayoutEditor& editor) {
  const int item = EditedIndex(editor);
  if (item >= 0) SetItemLeft(image, view, item, editor.SpinEdit1);
}

void Vertikaal(ProcessImage& image, ScreenView& view, const LayoutEditor& editor) {
  const int item = EditedIndex(editor);
  if (item >= 0) SetItemTop(image, view, item, editor.SpinEdit2);
}

}  // namespace tessaro
