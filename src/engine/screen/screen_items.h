// The 47 operator-screen items: their keys, the main-window control each one moves, and
// their start-up positions.
#pragma once

#include <array>
#include <string_view>

#include "engine/core/texts.h"

namespace tessaro {

struct ProcessImage;

enum class ItemKind { RecorderLabel, AnalogLabel, InputLamp, Knob, OutputLamp, ControllerLabel,
                      PushButton };

struct ScreenItemInfo {
  std::string_view key;      // "Rec1", "A3in", "Knop2", ...
  std::string_view control;  // main-window control name: "Label10", "Image7", "SpinEdit2", ...
  ItemKind kind;
  int number;  // 1-based number within its kind (recorder 3, knob 2, controller 7, ...)
  int default_left;
  int default_top;
  Term caption;  // its name on its radio button in the layout editor, %1 its number
  int radio_left;
  int radio_top;
};

const std::array<ScreenItemInfo, 47>& ScreenItems();

// The item's name as the layout editor shows it: "Recorder1", "PID Regelaar cascade", ...
Phrase ItemCaption(const ScreenItemInfo& item);

// Index 0..46 of the item with this key, or -1. Keys are compared whole and case-sensitively.
int ItemIndex(std::string_view key);

// The item index of a numbered item of a kind (for example kind PushButton, number 3), or -1.
int ItemIndexOf(ItemKind kind, int number);

}  // namespace tessaro
