#include "ui/editor/palette_entries.h"

#include <QCoreApplication>
#include <span>

namespace tessaro {

namespace {

constexpr QSize kEntry(64, 28);
constexpr QSize kWideEntry(70, 25);
constexpr QSize kFormula(245, 61);
constexpr int kStep = 32;  // entries of one family stand 32 pixels apart

// A family of entries numbered from `first`, one below the other; in the key and tooltip a
// '#' stands for the entry's number. The tooltips are translated in the context "Palette".
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
    {1, 1, 5, "Spin#", QT_TRANSLATE_NOOP("Palette", "Spinknop#"), 16, 16},
    {6, 1, 8, "A#in", QT_TRANSLATE_NOOP("Palette", "Analoge ingang #"), 88, 16},
    {14, 1, 5, "D#in", QT_TRANSLATE_NOOP("Palette", "Digitale ingang #"), 160, 16},
    {19, 1, 6, "Knop#", QT_TRANSLATE_NOOP("Palette", "Digitale knop #"), 232, 16},
    {26, 0, 1, "Sinus", QT_TRANSLATE_NOOP("Palette", "Sinusgever"), 368, 88},
    {25, 0, 1, "Leeg", QT_TRANSLATE_NOOP("Palette", "Blanco"), 88, 296},
};

constexpr Family kOutputs[] = {
    {6, 1, 1, "A#uit", QT_TRANSLATE_NOOP("Palette", "Analoge uitgang-#"), 24, 16},
    {1, 2, 1, "A#uit", QT_TRANSLATE_NOOP("Palette", "Analoge uitgang-#"), 24, 48},
    {2, 1, 4, "D#uit", QT_TRANSLATE_NOOP("Palette", "Digitale uitgang-#"), 104, 16},
    {7, 5, 2, "D#uit", QT_TRANSLATE_NOOP("Palette", "Digitale uitgang-#"), 104, 144},
    {9, 0, 1, "Leeg", QT_TRANSLATE_NOOP("Palette", "Blanco"), 24, 176},
};

constexpr Family kProcessing[] = {
    {1, 1, 7, "Draad#", QT_TRANSLATE_NOOP("Palette", "Draad"), 8, 8},
    {8, 8, 1, "Draad#", "", 8, 232},
    {9, 9, 5, "Draad#", QT_TRANSLATE_NOOP("Palette", "Draad"), 8, 264},
    {49, 0, 1, "Leeg", QT_TRANSLATE_NOOP("Palette", "Leeg veld"), 8, 424},
    {14, 1, 8, "Rec#", QT_TRANSLATE_NOOP("Palette", "Recorder-#"), 96, 8},
    {34, 0, 1, "ChDw", QT_TRANSLATE_NOOP("Palette", "Range verkleinen"), 96, 328},
    {35, 0, 1, "ChUp", QT_TRANSLATE_NOOP("Palette", "Range vergroten"), 96, 360},
    {48, 0, 1, "Wortel", QT_TRANSLATE_NOOP("Palette", "Wortel trekker"), 96, 392},
    {22, 1, 2, "Reg#", QT_TRANSLATE_NOOP("Palette", "PID regelaar (meester)"), 240, 8, kWideEntry},
    {24, 3, 1, "Reg#", QT_TRANSLATE_NOOP("Palette", "PID regelaar (knecht)"), 240, 72, kWideEntry},
    {25, 4, 3, "Reg#", QT_TRANSLATE_NOOP("Palette", "Regelaar voor Pulsklep"), 240, 120},
    {55, 7, 3, "Reg#", QT_TRANSLATE_NOOP("Palette", "aan/uit Regelaar"), 320, 120, kWideEntry},
    {28, 0, 1, "HS1", QT_TRANSLATE_NOOP("Palette", "High Selector"), 416, 8},
    {29, 0, 1, "LS1", QT_TRANSLATE_NOOP("Palette", "Low Selector"), 416, 40},
    {30, 0, 1, "Not", QT_TRANSLATE_NOOP("Palette", "Not"), 416, 72},
    {36, 0, 1, "AND1", QT_TRANSLATE_NOOP("Palette", "AND poort"), 520, 32},
    {38, 0, 1, "AND2", QT_TRANSLATE_NOOP("Palette", "AND poort"), 520, 64},
    {40, 0, 1, "AND3", QT_TRANSLATE_NOOP("Palette", "AND poort"), 520, 96},
    {37, 0, 1, "NAND1", QT_TRANSLATE_NOOP("Palette", "NAND poort"), 592, 32},
    {39, 0, 1, "NAND2", QT_TRANSLATE_NOOP("Palette", "NAND poort"), 592, 64},
    {41, 0, 1, "NAND3", QT_TRANSLATE_NOOP("Palette", "NAND poort"), 592, 96},
    {42, 1, 3, "OR#", QT_TRANSLATE_NOOP("Palette", "OR poort"), 520, 128},
    {45, 1, 3, "NOR#", QT_TRANSLATE_NOOP("Palette", "NOR poort"), 592, 128},
    {50, 0, 1, "XOR", QT_TRANSLATE_NOOP("Palette", "XOR poort"), 560, 224},
    {54, 0, 1, "Flipflop", QT_TRANSLATE_NOOP("Palette", "Flipflop"), 560, 256, kEntry, true},
    {31, 0, 1, "ADS", QT_TRANSLATE_NOOP("Palette", "Analoog naar digitaal schakelaar"), 288, 384},
    {33, 0, 1, "Tup", QT_TRANSLATE_NOOP("Palette", "Timer vertraagd opkomend"), 440, 352},
    {32, 0, 1, "Taf", QT_TRANSLATE_NOOP("Palette", "Timer vertraagd afvallend"), 440, 416},
    {51, 0, 1, "RR1", QT_TRANSLATE_NOOP("Palette", "Rekenblok"), 632, 368, kFormula},
    {53, 0, 1, "Soff", QT_TRANSLATE_NOOP("Palette", "Set Off (automatische uitschakelaar)"), 816,
     40},
    {52, 0, 1, "Blinker", QT_TRANSLATE_NOOP("Palette", "Blinker"), 816, 208},
};

QString Numbered(const QString& pattern, int number) {
  QString text = pattern;
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
      entries.push_back(
          {family.picture + i, Numbered(QString::fromLatin1(family.key), number).toStdString(),
           Numbered(QCoreApplication::translate("Palette", family.tooltip), number),
           QRect(QPoint(family.left, family.top + kStep * i), family.size), family.double_click});
    }
  }
  return entries;
}

}  // namespace tessaro
