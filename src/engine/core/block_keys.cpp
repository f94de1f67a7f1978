#include "engine/core/block_keys.h"

namespace tessaro {

namespace {

constexpr Palette I = Palette::Input;
constexpr Palette P = Palette::Processing;
constexpr Palette O = Palette::Output;

constexpr BlockKeyInfo kKeys[] = {
    {"Spin1", I},   {"Spin2", I},   {"Spin3", I},    {"Spin4", I},    {"Spin5", I},
    {"A1in", I},    {"A2in", I},    {"A3in", I},     {"A4in", I},     {"A5in", I},
    {"A6in", I},    {"A7in", I},    {"A8in", I},     {"D1in", I},     {"D2in", I},
    {"D3in", I},    {"D4in", I},    {"D5in", I},     {"Knop1", I},    {"Knop2", I},
    {"Knop3", I},   {"Knop4", I},   {"Knop5", I},    {"Knop6", I},    {"Sinus", I},
    {"Leeg", I},

    {"Draad1", P},  {"Draad2", P},  {"Draad3", P},   {"Draad4", P},   {"Draad5", P},
    {"Draad6", P},  {"Draad7", P},  {"Draad8", P},   {"Draad9", P},   {"Draad10", P},
    {"Draad11", P}, {"Draad12", P}, {"Draad13", P},  {"Rec1", P},     {"Rec2", P},
    {"Rec3", P},    {"Rec4", P},    {"Rec5", P},     {"Rec6", P},     {"Rec7", P},
    {"Rec8", P},    {"Reg1", P},    {"Reg2", P},     {"Reg3", P},     {"Reg4", P},
    {"Reg5", P},    {"Reg6", P},    {"Reg7", P},     {"Reg8", P},     {"Reg9", P},
    {"HS1", P},     {"LS1", P},     {"Not", P},      {"ADS", P},      {"Tup", P},
    {"Taf", P},     {"ChUp", P},    {"ChDw", P},     {"AND1", P},     {"AND2", P},
    {"AND3", P},    {"NAND1", P},   {"NAND2", P},    {"NAND3", P},    {"OR1", P},
    {"OR2", P},     {"OR3", P},     {"NOR1", P},     {"NOR2", P},     {"NOR3", P},
    {"Wortel", P},  {"Leeg", P},    {"XOR", P},      {"RR1", P},      {"Blinker", P},
    {"Soff", P},    {"Flipflop", P},

    {"A1uit", O},   {"A2uit", O},   {"D1uit", O},    {"D2uit", O},    {"D3uit", O},
    {"D4uit", O},   {"D5uit", O},   {"D6uit", O},    {"Leeg", O},
};

}  // namespace

std::span<const BlockKeyInfo> BlockKeys() { return kKeys; }

bool PaletteOffers(Palette palette, std::string_view key) {
  for (const auto& info : kKeys) {
    if (info.palette == palette && info.key == key) return true;
  }
  return false;
}

bool PaletteOwnsColumn(Palette palette, int column) {
  switch (palette) {
    case Palette::Input:
      return column == 1;
    case Palette::Processing:
      return column >= 2 && column <= 6;
    case Palette::Output:
      return column == 7;
  }
  return false;
}

Palette PaletteForColumn(int column) {
  if (column <= 1) return Palette::Input;
  if (column >= 7) return Palette::Output;
  return Palette::Processing;
}

}  // namespace tessaro
