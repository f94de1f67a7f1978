#include "engine/screen/screen_items.h"

namespace tessaro {

const std::array<ScreenItemInfo, 47>& ScreenItems() {
  // key, control, kind, number, default left/top, layout-editor caption and radio position
  static const std::array<ScreenItemInfo, 47> kItems = {{
      {"Rec1", "Label10", ItemKind::RecorderLabel, 1, 900, 50, "Recorder1", 208, 16},
      {"Rec2", "Label11", ItemKind::RecorderLabel, 2, 900, 100, "Recorder2", 208, 40},
      {"Rec3", "Label12", ItemKind::RecorderLabel, 3, 900, 150, "Recorder3", 208, 64},
      {"Rec4", "Label13", ItemKind::RecorderLabel, 4, 900, 200, "Recorder4", 208, 88},
      {"Rec5", "Label14", ItemKind::RecorderLabel, 5, 900, 250, "Recorder5", 208, 112},
      {"Rec6", "Label15", ItemKind::RecorderLabel, 6, 900, 300, "Recorder6", 208, 136},
      {"Rec7", "Label16", ItemKind::RecorderLabel, 7, 900, 350, "Recorder7", 208, 160},
      {"Rec8", "Label17", ItemKind::RecorderLabel, 8, 900, 400, "Recorder8", 208, 184},
      {"A1in", "Label2", ItemKind::AnalogLabel, 1, 25, 200, "Analoge Ingang1", 16, 40},
      {"A2in", "Label3", ItemKind::AnalogLabel, 2, 25, 250, "Analoge Ingang2", 16, 64},
      {"A3in", "Label4", ItemKind::AnalogLabel, 3, 25, 300, "Analoge Ingang3", 16, 88},
      {"A4in", "Label5", ItemKind::AnalogLabel, 4, 25, 350, "Analoge Ingang4", 16, 112},
      {"A5in", "Label6", ItemKind::AnalogLabel, 5, 25, 400, "Analoge Ingang5", 16, 136},
      {"A6in", "Label7", ItemKind::AnalogLabel, 6, 25, 450, "Analoge Ingang6", 16, 160},
      {"A7in", "Label8", ItemKind::AnalogLabel, 7, 25, 500, "Analoge Ingang7", 16, 184},
      {"A8in", "Label9", ItemKind::AnalogLabel, 8, 25, 550, "Analoge Ingang8", 16, 208},
      {"D1in", "Image2", ItemKind::InputLamp, 1, 100, 200, "Digitale Ingang1", 32, 264},
      {"D2in", "Image3", ItemKind::InputLamp, 2, 100, 250, "Digitale Ingang2", 32, 288},
      {"D3in", "Image4", ItemKind::InputLamp, 3, 100, 300, "Digitale Ingang3", 32, 312},
      {"D4in", "Image5", ItemKind::InputLamp, 4, 100, 350, "Digitale Ingang4", 32, 336},
      {"D5in", "Image6", ItemKind::InputLamp, 5, 100, 400, "Digitale Ingang5", 32, 360},
      {"Spin1", "SpinEdit2", ItemKind::Knob, 1, 200, 130, "SpinKnop1", 200, 264},
      {"Spin2", "SpinEdit3", ItemKind::Knob, 2, 300, 130, "SpinKnop2", 200, 288},
      {"Spin3", "SpinEdit4", ItemKind::Knob, 3, 400, 130, "SpinKnop3", 200, 312},
      {"Spin4", "SpinEdit5", ItemKind::Knob, 4, 500, 130, "SpinKnop4", 200, 336},
      {"Spin5", "SpinEdit6", ItemKind::Knob, 5, 600, 130, "SpinKnop5", 200, 360},
      {"D1uit", "Image13", ItemKind::OutputLamp, 1, 700, 200, "Digitaal Uit1", 576, 264},
      {"D2uit", "Image14", ItemKind::OutputLamp, 2, 700, 250, "Digitaal Uit2", 576, 288},
      {"D3uit", "Image15", ItemKind::OutputLamp, 3, 700, 300, "Digitaal Uit3", 576, 312},
      {"D4uit", "Image16", ItemKind::OutputLamp, 4, 700, 350, "Digitaal Uit4", 576, 336},
      {"D5uit", "Image17", ItemKind::OutputLamp, 5, 700, 400, "Digitaal Uit5", 576, 360},
      {"D6uit", "Image18", ItemKind::OutputLamp, 6, 700, 450, "Digitaal Uit6", 576, 384},
      {"Reg1", "Label18", ItemKind::ControllerLabel, 1, 1060, 50, "PID Regelaar 1", 360, 16},
      {"Reg2", "Label19", ItemKind::ControllerLabel, 2, 1060, 100, "PID Regelaar 2", 360, 40},
      {"Reg3", "Label20", ItemKind::ControllerLabel, 3, 1060, 150, "PID Regelaar cascade", 360, 64},
      {"Reg4", "Label21", ItemKind::ControllerLabel, 4, 1060, 200, "Stappen Regelaar 4", 360, 88},
      {"Reg5", "Label22", ItemKind::ControllerLabel, 5, 1060, 250, "Stappen Regelaar 5", 360, 112},
      {"Reg6", "Label23", ItemKind::ControllerLabel, 6, 1060, 300, "Stappen Regelaar 6", 360, 136},
      {"Knop1", "Image7", ItemKind::PushButton, 1, 216, 200, "Knop1", 432, 240},
      {"Knop2", "Image8", ItemKind::PushButton, 2, 216, 250, "Knop2", 432, 264},
      {"Knop3", "Image9", ItemKind::PushButton, 3, 216, 300, "Knop3", 432, 288},
      {"Knop4", "Image10", ItemKind::PushButton, 4, 216, 350, "Knop4", 432, 312},
      {"Knop5", "Image11", ItemKind::PushButton, 5, 216, 400, "Knop5", 432, 336},
      {"Knop6", "Image12", ItemKind::PushButton, 6, 216, 450, "Knop6", 432, 360},
      {"Reg7", "Label24", ItemKind::ControllerLabel, 7, 440, 210, "Aan/uit Regelaar 7", 360, 160},
      {"Reg8", "Label25", ItemKind::ControllerLabel, 8, 440, 250, "Aan/uit Regelaar 8", 360, 184},
      {"Reg9", "Label26", ItemKind::ControllerLabel, 9, 440, 290, "Aan/uit Regelaar 9", 360, 208},
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

}  // namespace tessaro
