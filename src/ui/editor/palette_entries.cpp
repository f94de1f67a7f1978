#include "ui/editor/palette_entries.h"

#include <span>

namespace tessaro {

namespace {

constexpr QSize kEntry(64, 28);
constexpr QSize kWideEntry(70, 25);
constexpr QSize kFormula(245, 61);
constexpr int kStep = 32;  // entries of one family stand 32 pixels apart

// A family of entries numbered from `first`, one below the other; in the key and tooltip a
// '#' stands for the entry's number.
struct Family {
  int picture;
  int first;
  int count;
  const char* key;
  const char* tooltip;
  int left;
  int top;
  QSize size = kEntry;
  bool double_click = false;
};

constexpr Family kInputs[] = {
    {1, 1, 5, "Spin#", "Spinknop#", 16, 16},
    {6, 1, 8, "A#in", "Analoge ingang #", 88, 16},
    {14, 1, 5, "D#in", "Digitale ingang #", 160, 16},
    {19, 1, 6, "Knop#", "Digitale knop #", 232, 16},
    {26, 0, 1, "Sinus", "Sinusgever", 368, 88},
    {25, 0, 1, "Leeg", "Blanco", 88, 296},
};

constexpr Family kOutputs[] = {
    {6, 1, 1, "A#uit", "Analoge uitgang-#", 24, 16},
    {1, 2, 1, "A#uit", "Analoge uitgang-#", 24, 48},
    {2, 1, 4, "D#uit", "Digitale uitgang-#", 104, 16},
    {7, 5, 2, "D#uit", "Digitale uitgang-#", 104, 144},
    {9, 0, 1, "Leeg", "Blanco", 24, 176},
};

constexpr Family kProcessing[] = {
    {1, 1, 7, "Draad#", "Draad", 8, 8},
    {8, 8, 1, "Draad#", "", 8, 232},
    {9, 9, 5, "Draad#", "Draad", 8, 264},
    {49, 0, 1, "Leeg", "Leeg veld", 8, 424},
    {14, 1, 8, "Rec#", "Recorder-#", 96, 8},
    {34, 0, 1, "ChDw", "Range verkleinen", 96, 328},
    {35, 0, 1, "ChUp", "Range vergroten", 96, 360},
    {48, 0, 1, "Wortel", "Wortel trekker", 96, 392},
    {22, 1, 2, "Reg#", "PID regelaar (meester)", 240, 8, kWideEntry},
    {24, 3, 1, "Reg#", "PID regelaar (knecht)", 240, 72, kWideEntry},
    {25, 4, 3, "Reg#", "Regelaar voor Pulsklep", 240, 120},
    {55, 7, 3, "Reg#", "aan/uit Regelaar", 320, 120, kWideEntry},
    {28, 0, 1, "HS1", "High Selector", 416, 8},
    {29, 0, 1, "LS1", "Low Selector", 416, 40},
    {30, 0, 1, "Not", "Not", 416, 72},
    {36, 0, 1, "AND1", "AND poort", 520, 32},
    {38, 0, 1, "AND2", "AND poort", 520, 64},
    {40, 0, 1, "AND3", "AND poort", 520, 96},
    {37, 0, 1, "NAND1", "NAND poort", 592, 32},
    {39, 0, 1, "NAND2", "NAND poort", 592, 64},
    {41, 0, 1, "NAND3", "NAND poort", 592, 96},
    {42, 1, 3, "OR#", "OR poort", 520, 128},
    {45, 1, 3, "NOR#", "NOR poort", 592, 128},
    {50, 0, 1, "XOR", "XOR poort", 560, 224},
    {54, 0, 1, "Flipflop", "Flipflop", 560, 256, kEntry, true},
    {31, 0, 1, "ADS", "Analoog naar digitaal schakelaar", 288, 384},
    {33, 0, 1, "Tup", "Timer vertraagd opkomend", 440, 352},
    {32, 0, 1, "Taf", "Timer vertraagd afvallend", 440, 416},
    {51, 0, 1, "RR1", "Rekenblok", 632, 368, kFormula},
    {53, 0, 1, "Soff", "Set Off (automatische uitschakelaar)", 816, 40},
    {52, 0, 1, "Blinker", "Blinker", 816, 208},
};

QString Numbered(const char* pattern, int number) {
  QString text = QString::fromUtf8(pattern);
  text.replace(QLatin1Char('#'), QString::number(number));
  return text;
}

std::span<const Family> Families(Palette palette) {
  switch (palette) {
    case Palette::Input:
      return kInputs;
    case Palette::Processing:
      return kProcessing;
    case Palette::Output:
      return kOutputs;
  }
  return {};
}

}  // namespace

std::vector<PaletteEntry> PaletteEntries(Palette palette) {
  std::vector<PaletteEntry> entries;
  for (const Family& family : Families(palette)) {
    for (int i = 0; i < family.count; ++i) {
      const int number = family.first + i;
      entries.push_back({family.picture + i, Numbered(family.key, number).toStdString(),
                         Numbered(family.tooltip, number),
                         QRect(QPoint(family.left, family.top + kStep * i), family.size),
                         family.double_click});
    }
  }
  return entries;
}

}  // namespace tessaro
