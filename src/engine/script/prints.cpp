// The `print` commands for the schema, the board and the operator screen.
#include <string>

#include "engine/control/instrument_title.h"
#include "engine/control/pid_faceplate.h"
#include "engine/editor/block_help.h"
#include "engine/screen/screen_items.h"
#include "simulator.h"

namespace tessaro::sim {

namespace {

std::string N(int64_t v) { return std::to_string(v); }

// A print command sees its own words from index 1 on: l[1] is what to print.
void Field(Simulator& s, const Line& l) {
  ExpectWords(l, 4);
  const int r = static_cast<int>(Integer(l[2], 1, kRows, "row"));
  const int c = static_cast<int>(Integer(l[3], 1, kColumns, "column"));
  const ProcessImage& p = s.image();
  const std::string& key = p.FieldGrid[r][c];
  std::string text = "field " + N(r) + " " + N(c) + " key=" + (key.empty() ? "-" : key) +
                     " right=" + N(p.OutRight[r][c]) + " down=" + N(p.OutDown[r][c]) +
                     " up=" + N(p.OutUp[r][c]);
  if (c >= kFirstProcessingColumn && c <= kLastProcessingColumn) {
    text += " a=" + N(p.FieldParamA[r][c]) + " b=" + N(p.FieldParamB[r][c]);
  }
  s.Print(text);
}

void Board(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  std::string dout;
  for (int ch = 1; ch <= 8; ++ch) dout += s.board().DigitalOutput(ch) ? '1' : '0';
  s.Print("board dout=" + dout + " aout1=" + N(s.board().AnalogOutput(1)) +
          " aout2=" + N(s.board().AnalogOutput(2)));
}

void AnalogIn(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  std::string text = "analogin";
  for (int n = 1; n <= kAnalogInputs; ++n) text += " " + N(s.image().AnalogIn[n]);
  s.Print(text);
}

void Label(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const int i = ItemOf(l[2]);
  const ItemKind kind = ScreenItems()[static_cast<size_t>(i)].kind;
  if (kind != ItemKind::AnalogLabel && kind != ItemKind::RecorderLabel &&
      kind != ItemKind::ControllerLabel) {
    throw ScriptError("'" + l[2] + "' has no value label");
  }
  // A label that no scan has written yet shows its design text.
  std::string text = s.image().ItemText[i];
  if (text.empty()) text = kind == ItemKind::AnalogLabel ? "255" : l[2];
  s.Print("label " + l[2] + " " + text);
}

void Lamp(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const int i = ItemOf(l[2]);
  const ItemKind kind = ScreenItems()[static_cast<size_t>(i)].kind;
  if (kind != ItemKind::InputLamp && kind != ItemKind::OutputLamp && kind != ItemKind::PushButton) {
    throw ScriptError("'" + l[2] + "' is no lamp or push button");
  }
  const std::string& file = s.image().ItemPicture[i];
  s.Print("lamp " + l[2] + " " + (file.empty() ? "-" : file));
}

void Item(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const int i = ItemOf(l[2]);
  const ProcessImage& p = s.image();
  s.Print("item " + l[2] + " visible=" + N(p.ItemVisible[i]) + " left=" + N(p.ItemLeft[i]) +
          " top=" + N(p.ItemTop[i]));
}

void Range(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const int n = static_cast<int>(Integer(l[2], 1, kRangeSlots, "range slot"));
  const ProcessImage& p = s.image();
  s.Print("range " + N(n) + " high=" + N(p.RangeHigh[n]) + " low=" + N(p.RangeLow[n]) +
          " unit=" + p.RangeUnit[n]);
}

void Phase(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  const ProcessImage& p = s.image();
  s.Print("phase scan=" + N(p.ScanPhase) + " sine=" + N(p.SineStep) +
          " recorder=" + N(p.RecorderPhase) + " mux=" + N(p.MuxPhase));
}

// The window title of recorder "Rec1".."Rec8" or controller "Reg1".."Reg9". Before its block
// is placed a controller's window keeps the caption it got when it was made at start-up.
void Title(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const std::string& key = l[2];
  const bool recorder = key.rfind("Rec", 0) == 0;
  if (key.size() != 4 || (!recorder && key.rfind("Reg", 0) != 0) || key[3] < '1' ||
      key[3] > (recorder ? '8' : '9')) {
    throw ScriptError("no recorder or controller '" + key + "'");
  }
  const int n = key[3] - '0';
  const int slot = recorder ? n : 8 + n;
  static const ProcessImage start_up;
  const Phrase before =
      recorder ? Word(RecorderStartCaption(n)) : RangeCaptionPhrase(start_up, slot);
  s.Print("title " + key + " " + s.Render(InstrumentCaptionText(s.image(), slot, before)));
}

// The hover text on one line: its lines joined by "; ".
void Hover(Simulator& s, const Line& l) {
  ExpectWords(l, 4);
  const int r = static_cast<int>(Integer(l[2], 1, kRows, "row"));
  const int c = static_cast<int>(Integer(l[3], 1, kColumns, "column"));
  std::string text = s.Render(FieldHoverText(s.image(), r, c));
  for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i)) {
    text.replace(i, 1, "; ");
  }
  s.Print("hover " + l[2] + " " + l[3] + " " + text);
}

}  // namespace

void PrintCommand(Simulator& s, const Line& l) {
  if (l.size() < 2) throw ScriptError("'print' needs what to print");
  using Handler = void (*)(Simulator&, const Line&);
  static const std::pair<const char*, Handler> kPrints[] = {
      {"field", Field},
      {"board", Board},
      {"analogin", AnalogIn},
      {"label", Label},
      {"lamp", Lamp},
      {"item", Item},
      {"range", Range},
      {"phase", Phase},
      {"pid", PrintInstrument},
      {"step", PrintInstrument},
      {"onoff", PrintInstrument},
      {"tag", PrintInstrument},
      {"trend", PrintInstrument},
      {"recorder", PrintInstrument},
      {"plant", PrintPlant},
      {"tune", PrintTune},
      {"title", Title},
      {"hover", Hover},
  };
  for (const auto& [name, handler] : kPrints) {
    if (l[1] == name) return handler(s, l);
  }
  throw ScriptError("cannot print '" + l[1] + "'");
}

}  // namespace tessaro::sim
