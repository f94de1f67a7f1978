// Grid field pictures: one per block key, drawn from the block table's recipe.
#include <set>
#include <string>

#include "canvas.h"
#include "engine/core/block_table.h"
#include "icons.h"
#include "pictures.h"

namespace tessaro::assets {

namespace {

Side SideOf(unsigned edge) {
  return edge == kToUp ? Side::Top : edge == kToDown ? Side::Bottom : Side::Right;
}

Side SourceOf(unsigned reads) {
  return reads == kFromUpper ? Side::Top : reads == kFromLower ? Side::Bottom : Side::Left;
}

void DrawKeyText(QPainter& painter, const QRectF& box, const QString& key) {
  DrawFittedText(painter, box, key, 12, true, colour::kInk);
}

void DrawBlock(QPainter& painter, const QString& key, const BlockType& type) {
  const QRectF& box = kBlockBox;
  DrawBlockBox(painter, box);
  if (type.reads & kFromLeft) DrawInputStub(painter, Side::Left, box);
  if (type.reads & kFromUpper) DrawInputStub(painter, Side::Top, box);
  if (type.reads & kFromLower) DrawInputStub(painter, Side::Bottom, box);
  if (type.writes & kToRight) DrawOutputArrow(painter, Side::Right, box, type.negated);
  if (type.writes & kToDown) DrawOutputArrow(painter, Side::Bottom, box);

  const QRectF icon(box.left() + 3, box.top() + 2, box.width() - 6, 13);
  const QRectF name(box.left() + 2, box.top() + 16, box.width() - 4, 14);
  DrawIcon(painter, type.icon, icon, QString::fromUtf8(type.symbol));
  DrawKeyText(painter, name, key);

  // Pin names where a block's inputs or outputs differ in meaning: left, upper, lower, right.
  constexpr QPointF kPins[4] = {{5.5, 27}, {46, 9}, {44, 62}, {65.5, 27}};
  for (int i = 0; i < 4; ++i) {
    if (*type.pins[i] != '\0') DrawPinName(painter, kPins[i], QString::fromUtf8(type.pins[i]));
  }
}

// Column 1: a source symbol on the left feeding an arrow to the right edge.
void DrawInputBlock(QPainter& painter, const QString& key, const BlockEntry& entry) {
  const QRectF symbol(6, 23.5, 24, 24);
  DrawOutputArrow(painter, Side::Right, symbol);
  switch (entry.type->icon) {
    case FieldIcon::Spin:
      DrawSpinSymbol(painter, symbol);
      break;
    case FieldIcon::PushButton:
      DrawPushButtonSymbol(painter, symbol, QString::number(entry.number));
      break;
    case FieldIcon::Sine:
      DrawSineSymbol(painter, symbol);
      break;
    case FieldIcon::AnalogTerminal:
      DrawTerminal(painter, symbol.center(), colour::kTerminalGrey);
      break;
    default:
      DrawTerminal(painter, symbol.center(), colour::kYellow);
      break;
  }
  DrawKeyText(painter, QRectF(3, 3, 65, 15), key);
  DrawFittedText(painter, QRectF(3, 53, 65, 14), QString::fromUtf8(entry.type->hint), 10, false,
                 colour::kHint);
}

// Column 7: an arrow from the left edge into a board terminal.
void DrawOutputBlock(QPainter& painter, const QString& key, const BlockType& type) {
  const QRectF terminal(43, 26.5, 18, 18);
  DrawInputStub(painter, Side::Left, terminal);
  const bool analog = type.icon == FieldIcon::AnalogTerminal;
  DrawTerminal(painter, terminal.center(), analog ? colour::kTerminalGrey : colour::kYellow);
  DrawKeyText(painter, QRectF(3, 3, 65, 15), key);
  DrawFittedText(painter, QRectF(3, 53, 65, 14), QString::fromUtf8(type.hint), 10, false,
                 colour::kHint);
}

// A wire: in at the side it reads, out at the edges it writes.
void DrawWireBlock(QPainter& painter, const BlockType& type) {
  std::vector<Side> exits;
  for (unsigned edge : {kToUp, kToRight, kToDown}) {
    if (type.writes & edge) exits.push_back(SideOf(edge));
  }
  DrawWire(painter, SourceOf(type.reads), exits);
  // The straight wire shows its value at (10, 20) while running; its name stays above that.
  if (*type.symbol != '\0') {
    DrawFittedText(painter, QRectF(3, 3, 65, 14), QString::fromUtf8(type.symbol), 11, true,
                   colour::kHint);
  }
}

QImage FieldPicture(const BlockEntry& entry) {
  Canvas canvas(kFieldSize, kFieldSize, colour::kPaper);
  QPainter& painter = canvas.painter();
  DrawFieldFrame(painter);
  const QString text = QString::fromStdString(entry.key);
  const BlockType& type = *entry.type;
  if (type.kind == BlockKind::Empty) {
    // An empty field stays empty.
  } else if (type.palette == Palette::Input) {
    DrawInputBlock(painter, text, entry);
  } else if (type.palette == Palette::Output) {
    DrawOutputBlock(painter, text, type);
  } else if (type.kind == BlockKind::Wire) {
    DrawWireBlock(painter, type);
  } else {
    DrawBlock(painter, text, type);
  }
  return canvas.Finish();
}

}  // namespace

std::vector<Picture> FieldPictures() {
  std::vector<Picture> pictures;
  std::set<std::string_view> done;
  for (const BlockEntry& entry : BlockEntries()) {
    // "Leeg" is offered by all three palettes but is one file.
    if (!done.insert(entry.key).second) continue;
    pictures.push_back({"Velden", QString::fromStdString(entry.key) + ".bmp", FieldPicture(entry)});
  }
  Canvas blank(kFieldSize, kFieldSize, colour::kPaper);
  DrawFieldFrame(blank.painter());
  pictures.push_back({"Velden", "Blanco.bmp", blank.Finish()});
  return pictures;
}

}  // namespace tessaro::assets
