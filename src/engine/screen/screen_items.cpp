#include "engine/screen/screen_items.h"

#include <string>

#include "engine/core/translation_mark.h"

namespace tessaro {

namespace {

// The names of the layout editor's radio buttons, by kind, with the item's number for %1.
constexpr Term Named(const char* dutch, const char* english) {
  return {"ScreenItem", dutch, english};
}
constexpr Term kRecorder = Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Recorder%1"), "Recorder %1");
constexpr Term kAnalogIn =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Analoge Ingang%1"), "Analog Input %1");
constexpr Term kDigitalIn =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Digitale Ingang%1"), "Digital Input %1");
constexpr Term kKnob = Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "SpinKnop%1"), "Value Knob %1");
constexpr Term kDigitalOut =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Digitaal Uit%1"), "Digital Out %1");
constexpr Term kPid =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "PID Regelaar %1"), "PID Controller %1");
constexpr Term kStep =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Stappen Regelaar %1"), "Step Controller %1");
constexpr Term kButton = Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Knop%1"), "Button %1");
constexpr Term kOnOff =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "Aan/uit Regelaar %1"), "On/off Controller %1");
constexpr Term kCascade =
    Named(TESSARO_TRANSLATE_NOOP("ScreenItem", "PID Regelaar cascade"), "PID Controller cascade");

}  // namespace

const std::array<ScreenItemInfo, 47>& ScreenItems() {
  // key, control, kind, number, default left/top, layout-editor name and radio position
  static const std::array<ScreenItemInfo, 47> kItems = {{
      {"Rec1", "Label10", ItemKind::RecorderLabel, 1, 900, 50, kRecorder, 208, 16},
      {"Rec2", "Label11", ItemKind::RecorderLabel, 2, 900, 100, kRecorder, 208, 40},
      {"Rec3", "Label12", ItemKind::RecorderLabel, 3, 900, 150, kRecorder, 208, 64},
      {"Rec4", "Label13", ItemKind::RecorderLabel, 4, 900, 200, kRecorder, 208, 88},
      {"Rec5", "Label14", ItemKind::RecorderLabel, 5, 900, 250, kRecorder, 208, 112},
      {"Rec6", "Label15", ItemKind::RecorderLabel, 6, 900, 300, kRecorder, 208, 136},
      {"Rec7", "Label16", ItemKind::RecorderLabel, 7, 900, 350, kRecorder, 208, 160},
      {"Rec8", "Label17", ItemKind::RecorderLabel, 8, 900, 400, kRecorder, 208, 184},
      {"A1in", "Label2", ItemKind::AnalogLabel, 1, 25, 200, kAnalogIn, 16, 40},
      {"A2in", "Label3", ItemKind::AnalogLabel, 2, 25, 250, kAnalogIn, 16, 64},
      {"A3in", "Label4", ItemKind::AnalogLabel, 3, 25, 300, kAnalogIn, 16, 88},
      {"A4in", "Label5", ItemKind::AnalogLabel, 4, 25, 350, kAnalogIn, 16, 112},
      {"A5in", "Label6", ItemKind::AnalogLabel, 5, 25, 400, kAnalogIn, 16, 136},
      {"A6in", "Label7", ItemKind::AnalogLabel, 6, 25, 450, kAnalogIn, 16, 160},
      {"A7in", "Label8", ItemKind::AnalogLabel, 7, 25, 500, kAnalogIn, 16, 184},
      {"A8in", "Label9", ItemKind::AnalogLabel, 8, 25, 550, kAnalogIn, 16, 208},
      {"D1in", "Image2", ItemKind::InputLamp, 1, 100, 200, kDigitalIn, 32, 264},
      {"D2in", "Image3", ItemKind::InputLamp, 2, 100, 250, kDigitalIn, 32, 288},
      {"D3in", "Image4", ItemKind::InputLamp, 3, 100, 300, kDigitalIn, 32, 312},
      {"D4in", "Image5", ItemKind::InputLamp, 4, 100, 350, kDigitalIn, 32, 336},
      {"D5in", "Image6", ItemKind::InputLamp, 5, 100, 400, kDigitalIn, 32, 360},
      {"Spin1", "SpinEdit2", ItemKind::Knob, 1, 200, 130, kKnob, 200, 264},
      {"Spin2", "SpinEdit3", ItemKind::Knob, 2, 300, 130, kKnob, 200, 288},
      {"Spin3", "SpinEdit4", ItemKind::Knob, 3, 400, 130, kKnob, 200, 312},
      {"Spin4", "SpinEdit5", ItemKind::Knob, 4, 500, 130, kKnob, 200, 336},
      {"Spin5", "SpinEdit6", ItemKind::Knob, 5, 600, 130, kKnob, 200, 360},
      {"D1uit", "Image13", ItemKind::OutputLamp, 1, 700, 200, kDigitalOut, 576, 264},
      {"D2uit", "Image14", ItemKind::OutputLamp, 2, 700, 250, kDigitalOut, 576, 288},
      {"D3uit", "Image15", ItemKind::OutputLamp, 3, 700, 300, kDigitalOut, 576, 312},
      {"D4uit", "Image16", ItemKind::OutputLamp, 4, 700, 350, kDigitalOut, 576, 336},
      {"D5uit", "Image17", ItemKind::OutputLamp, 5, 700, 400, kDigitalOut, 576, 360},
      {"D6uit", "Image18", ItemKind::OutputLamp, 6, 700, 450, kDigitalOut, 576, 384},
      {"Reg1", "Label18", ItemKind::ControllerLabel, 1, 1060, 50, kPid, 360, 16},
      {"Reg2", "Label19", ItemKind::ControllerLabel, 2, 1060, 100, kPid, 360, 40},
      {"Reg3", "Label20", ItemKind::ControllerLabel, 3, 1060, 150, kCascade, 360, 64},
      {"Reg4", "Label21", ItemKind::ControllerLabel, 4, 1060, 200, kStep, 360, 88},
      {"Reg5", "Label22", ItemKind::ControllerLabel, 5, 1060, 250, kStep, 360, 112},
      {"Reg6", "Label23", ItemKind::ControllerLabel, 6, 1060, 300, kStep, 360, 136},
      {"Knop1", "Image7", ItemKind::PushButton, 1, 216, 200, kButton, 432, 240},
      {"Knop2", "Image8", ItemKind::PushButton, 2, 216, 250, kButton, 432, 264},
      {"Knop3", "Image9", ItemKind::PushButton, 3, 216, 300, kButton, 432, 288},
      {"Knop4", "Image10", ItemKind::PushButton, 4, 216, 350, kButton, 432, 312},
      {"Knop5", "Image11", ItemKind::PushButton, 5, 216, 400, kButton, 432, 336},
      {"Knop6", "Image12", ItemKind::PushButton, 6, 216, 450, kButton, 432, 360},
      {"Reg7", "Label24", ItemKind::ControllerLabel, 7, 440, 210, kOnOff, 360, 160},
      {"Reg8", "Label25", ItemKind::ControllerLabel, 8, 440, 250, kOnOff, 360, 184},
      {"Reg9", "Label26", ItemKind::ControllerLabel, 9, 440, 290, kOnOff, 360, 208},
  }};
  return kItems;
}

int ItemIndex(std::string_view key) {
  const auto& items = ScreenItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[static_cast<size_t>(i)].key == key) return i;
  }
  return -1;
}

int ItemIndexOf(ItemKind kind, int number) {
  const auto& items = ScreenItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const auto& item = items[static_cast<size_t>(i)];
    if (item.kind == kind && item.number == number) return i;
  }
  return -1;
}

Phrase ItemCaption(const ScreenItemInfo& item) {
  return Phrase{item.caption, {Word(std::to_string(item.number))}};
}

}  // namespace tessaro
