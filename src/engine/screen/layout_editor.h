// The screen layout editor: pick one of the 47 screen items, show or hide it, move it pixel
// by pixel. The editor's controls are mirrored here, so that the rule "a control set to the
// value it already shows runs nothing" is decided in one place for clicks and for selection.
#pragma once

#include <string>

namespace tessaro {

class ScreenView;
struct ProcessImage;

// The editor's range of positions; a stored value outside is shown limited to the range.
inline constexpr int kMaxItemLeft = 2000;
inline constexpr int kMaxItemTop = 1200;

// What the layout editor is editing and what its three controls show.
struct LayoutEditor {
  std::string EditedItem;         // item key, empty while no radio button is selected
  std::string EditedItemPicture;  // "Velden/" + key + ".bmp", empty with EditedItem
  bool Visible = false;           // check box "Visible"
  int SpinEdit1 = 0;              // horizontal position, 0..kMaxItemLeft
  int SpinEdit2 = 0;              // vertical position, 0..kMaxItemTop
};

// Radio button `button` (1..47; anything else means none) has become the selected one: it
// becomes the edited item, and the check box and both spin boxes take the item's stored
// values. Each control whose shown value changes runs its handler, in the order PasAan,
// Horizontaal, Vertikaal; a control that already shows the value runs nothing.
void Wie(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int button);

// A control is set (by the user or by Wie). A spin value is first limited to its range; a value
// equal to what the control shows changes nothing and runs nothing.
void SetVisibleBox(ProcessImage& image, ScreenView& view, LayoutEditor& editor, bool ticked);
void SetSpinEdit1(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int value);
void SetSpinEdit2(ProcessImage& image, ScreenView& view, LayoutEditor& editor, int value);

// The handlers: apply the control's value to the edited item and record it. With no edited
// item (or a key that names none) they do nothing.
void PasAan(ProcessImage& image, ScreenView& view, const LayoutEditor& editor);
void Horizontaal(ProcessImage& image, ScreenView& view, const LayoutEditor& editor);
void Vertikaal(ProcessImage& image, ScreenView& view, const LayoutEditor& editor);

}  // namespace tessaro
