// What the engine tells the operator screen. The engine decides every text, picture and
// position; a view only puts them on screen. Every method has a do-nothing default so that
// a view implements what it shows.
#pragma once

#include <string>

namespace tessaro {

class ScreenView {
 public:
  virtual ~ScreenView() = default;
  // Item i's value label now reads `text`.
  virtual void ItemTextChanged(int /*item*/, const std::string& /*text*/) {}
  // Item i's lamp or push button now shows picture `file` ("Teks/Knop3uit.bmp").
  virtual void ItemPictureChanged(int /*item*/, const std::string& /*file*/) {}
  virtual void ItemVisibilityChanged(int /*item*/, bool /*visible*/) {}
  // The control's left or top edge moves; the other edge stays where it is.
  virtual void ItemLeftChanged(int /*item*/, int /*left*/) {}
  virtual void ItemTopChanged(int /*item*/, int /*top*/) {}
  // Text painted onto the picture of grid field (row, column) at pixel (x, y): on an opaque
  // silver background when `silver` is set, else in the picture's own colours.
  virtual void FieldTextPainted(int /*row*/, int /*column*/, int /*x*/, int /*y*/,
                                const std::string& /*text*/, bool /*silver*/) {}
  // The board address box is hidden after a board answered.
  virtual void AddressBoxHidden() {}
  // Controller n (1..9) has run a cycle: its tags and trend show the new state.
  virtual void ControllerCycled(int /*n*/) {}
  // Recorder n (1..8) has taken a sample.
  virtual void RecorderSampled(int /*n*/) {}
};

}  // namespace tessaro
