// Grid field pictures: one per block key, drawn from the tables below.
#include <QPainterPath>
#include <QPolygonF>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "canvas.h"
#include "engine/core/block_keys.h"
#include "icons.h"
#include "pictures.h"

namespace tessaro::assets {

namespace {

// The inputs a block reads.
enum Input : unsigned { kLeft = 1, kUpper = 2, kLower = 4 };

enum class Output { Right, RightAndDown, None };

struct BlockArt {
  unsigned inputs;
  Output output;
  Icon icon;
  QString symbol;  // text for Icon::Text, the kind word for controllers
  bool negated = false;
};

struct WireArt {
  Side from;
  std::vector<Side> to;
};

const std::map<std::string, WireArt>& Wires() {
  using S = Side;
  static const std::map<std::string, WireArt> kWires = {
      {"Draad1", {S::Left, {S::Right}}},
      {"Draad2", {S::Bottom, {S::Top}}},
      {"Draad3", {S::Top, {S::Bottom}}},
      {"Draad4", {S::Left, {S::Bottom}}},
      {"Draad5", {S::Bottom, {S::Right}}},
      {"Draad6", {S::Top, {S::Right}}},
      {"Draad7", {S::Left, {S::Top}}},
      {"Draad8", {S::Left, {S::Top, S::Bottom}}},
      {"Draad9", {S::Left, {S::Top, S::Right}}},
      {"Draad10", {S::Left, {S::Right, S::Bottom}}},
      {"Draad11", {S::Top, {S::Right, S::Bottom}}},
      {"Draad12", {S::Bottom, {S::Right, S::Top}}},
      {"Draad13", {S::Left, {S::Top, S::Right, S::Bottom}}},
  };
  return kWires;
}

std::map<std::string, BlockArt> MakeBlocks() {
  std::map<std::string, BlockArt> blocks;
  // Gates: the digit says which inputs take part (1 left+lower, 2 left+upper, 3 all three).
  struct Gate {
    const char* name;
    const char* symbol;
    bool negated;
  };
  const Gate gates[] = {
      {"AND", "&", false}, {"NAND", "&", true}, {"OR", "\u22651", false}, {"NOR", "\u22651", true}};
  const unsigned digit_inputs[] = {kLeft | kLower, kLeft | kUpper, kLeft | kUpper | kLower};
  for (const Gate& gate : gates) {
    for (int digit = 1; digit <= 3; ++digit) {
      blocks[gate.name + std::to_string(digit)] = {digit_inputs[digit - 1], Output::Right,
                                                   Icon::Text, gate.symbol, gate.negated};
    }
  }
  blocks["XOR"] = {kUpper | kLower, Output::Right, Icon::Text, "=1"};
  blocks["HS1"] = {kLeft | kUpper, Output::Right, Icon::Text, "max"};
  blocks["LS1"] = {kLeft | kLower, Output::Right, Icon::Text, "min"};
  blocks["Not"] = {kLeft, Output::Right, Icon::Text, "1", true};
  blocks["Flipflop"] = {kLeft | kLower, Output::Right, Icon::Text, "SR"};
  blocks["ADS"] = {kLeft, Output::Right, Icon::Hysteresis, {}};
  blocks["Tup"] = {kLeft, Output::Right, Icon::OnDelay, {}};
  blocks["Taf"] = {kLeft, Output::Right, Icon::OffDelay, {}};
  blocks["Soff"] = {kLeft, Output::Right, Icon::Contact, {}};
  blocks["Blinker"] = {kLeft, Output::Right, Icon::SquareWave, {}};
  blocks["Wortel"] = {kLeft, Output::Right, Icon::Root, {}};
  blocks["ChUp"] = {kLeft, Output::Right, Icon::RangeUp, {}};
  blocks["ChDw"] = {kLeft, Output::Right, Icon::RangeDown, {}};
  blocks["RR1"] = {kLeft, Output::Right, Icon::Text, "a\u00b7x+b"};
  for (int n = 1; n <= 8; ++n) {
    blocks["Rec" + std::to_string(n)] = {kLeft, Output::None, Icon::Trend, {}};
  }
  blocks["Reg1"] = {kLeft, Output::Right, Icon::Faceplate, "PID"};
  blocks["Reg2"] = {kLeft, Output::Right, Icon::Faceplate, "PID"};
  blocks["Reg3"] = {kLeft | kUpper, Output::Right, Icon::Faceplate, "casc"};
  for (int n = 4; n <= 6; ++n) {
    blocks["Reg" + std::to_string(n)] = {kLeft, Output::RightAndDown, Icon::ValveBar, "puls"};
  }
  for (int n = 7; n <= 9; ++n) {
    blocks["Reg" + std::to_string(n)] = {kLeft, Output::Right, Icon::Text, "aan/uit"};
  }
  return blocks;
}

const std::map<std::string, BlockArt>& Blocks() {
  static const std::map<std::string, BlockArt> kBlocks = MakeBlocks();
  return kBlocks;
}

void DrawKeyText(QPainter& painter, const QRectF& box, const QString& key) {
  DrawFittedText(painter, box, key, 12, true, colour::kInk);
}

void DrawBlock(QPainter& painter, const QString& key, const BlockArt& art) {
  const QRectF& box = kBlockBox;
  DrawBlockBox(painter, box);
  if (art.inputs & kLeft) DrawInputStub(painter, Side::Left, box);
  if (art.inputs & kUpper) DrawInputStub(painter, Side::Top, box);
  if (art.inputs & kLower) DrawInputStub(painter, Side::Bottom, box);
  if (art.output != Output::None) DrawOutputArrow(painter, Side::Right, box, art.negated);
  if (art.output == Output::RightAndDown) DrawOutputArrow(painter, Side::Bottom, box);

  const QRectF icon(box.left() + 3, box.top() + 2, box.width() - 6, 13);
  const QRectF name(box.left() + 2, box.top() + 16, box.width() - 4, 14);
  DrawIcon(painter, art.icon, icon, art.symbol);
  DrawKeyText(painter, name, key);

  // Pin names where a block's inputs or outputs differ in meaning.
  if (key == "Flipflop") {
    DrawPinName(painter, {5.5, 27}, "S");
    DrawPinName(painter, {44, 62}, "R");
    DrawPinName(painter, {65.5, 27}, "Q");
  } else if (art.output == Output::RightAndDown) {
    DrawPinName(painter, {65.5, 27}, "+");
    DrawPinName(painter, {44, 62}, "\u2212");
  } else if (key == "Reg3") {
    DrawPinName(painter, {46, 9}, "SP");
  }
}

// Column 1: a source symbol on the left feeding an arrow to the right edge.
void DrawInputBlock(QPainter& painter, const QString& key) {
  const QRectF symbol(6, 23.5, 24, 24);
  DrawOutputArrow(painter, Side::Right, symbol);
  QString hint;
  if (key.startsWith("Spin")) {
    DrawSpinSymbol(painter, symbol);
    hint = "spinknop";
  } else if (key.startsWith("Knop")) {
    DrawPushButtonSymbol(painter, symbol, key.mid(4));
    hint = "schermknop";
  } else if (key == "Sinus") {
    DrawSineSymbol(painter, symbol);
    hint = "sinusgever";
  } else if (key.startsWith("A")) {
    DrawTerminal(painter, symbol.center(), colour::kTerminalGrey);
    hint = "analoog in";
  } else {
    DrawTerminal(painter, symbol.center(), colour::kYellow);
    hint = "digitaal in";
  }
  DrawKeyText(painter, QRectF(3, 3, 65, 15), key);
  DrawFittedText(painter, QRectF(3, 53, 65, 14), hint, 10, false, colour::kHint);
}

// Column 7: an arrow from the left edge into a board terminal.
void DrawOutputBlock(QPainter& painter, const QString& key) {
  const QRectF terminal(43, 26.5, 18, 18);
  DrawInputStub(painter, Side::Left, terminal);
  const bool analog = key.startsWith("A");
  DrawTerminal(painter, terminal.center(), analog ? colour::kTerminalGrey : colour::kYellow);
  DrawKeyText(painter, QRectF(3, 3, 65, 15), key);
  DrawFittedText(painter, QRectF(3, 53, 65, 14), analog ? "analoog uit" : "digitaal uit", 10, false,
                 colour::kHint);
}

QImage FieldPicture(const std::string& key, Palette palette) {
  Canvas canvas(kFieldSize, kFieldSize, colour::kPaper);
  QPainter& painter = canvas.painter();
  DrawFieldFrame(painter);
  const QString text = QString::fromStdString(key);
  if (key == "Leeg") {
    // An empty field stays empty.
  } else if (palette == Palette::Input) {
    DrawInputBlock(painter, text);
  } else if (palette == Palette::Output) {
    DrawOutputBlock(painter, text);
  } else if (auto wire = Wires().find(key); wire != Wires().end()) {
    DrawWire(painter, wire->second.from, wire->second.to);
    // The straight wire shows its value at (10, 20) while running; its name stays above that.
    if (key == "Draad1") {
      DrawFittedText(painter, QRectF(3, 3, 65, 14), "Draad", 11, true, colour::kHint);
    }
  } else if (auto block = Blocks().find(key); block != Blocks().end()) {
    DrawBlock(painter, text, block->second);
  } else {
    throw std::runtime_error("no picture design for block key " + key);
  }
  return canvas.Finish();
}

}  // namespace

std::vector<Picture> FieldPictures() {
  std::vector<Picture> pictures;
  std::set<std::string_view> done;
  for (const BlockKeyInfo& info : BlockKeys()) {
    // "Leeg" is offered by all three palettes but is one file.
    if (!done.insert(info.key).second) continue;
    const std::string key(info.key);
    pictures.push_back(
        {"Velden", QString::fromStdString(key) + ".bmp", FieldPicture(key, info.palette)});
  }
  Canvas blank(kFieldSize, kFieldSize, colour::kPaper);
  DrawFieldFrame(blank.painter());
  pictures.push_back({"Velden", "Blanco.bmp", blank.Finish()});
  return pictures;
}

}  // namespace tessaro::assets
