// The three block palettes: as designed, their entries and pictures, the setting editors,
// and what a choice stores, shows and reports.
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>
#include <algorithm>
#include <set>

#include "engine/core/block_keys.h"
#include "engine/editor/block_help.h"
#include "support/logic_editor.h"
#include "ui/editor/palette_entries.h"
#include "ui/editor/palette_pictures.h"

using tessaro::Palette;
using tessaro::testing::LogicEditor;
using tessaro::testing::SamePixels;

Q_DECLARE_METATYPE(tessaro::Palette)

namespace {

const QColor kGrey(128, 128, 128);

QSpinBox* Spin(const LogicEditor& e, int n) {
  return e.palette(Palette::Processing).findChild<QSpinBox*>(QStringLiteral("SpinEdit%1").arg(n));
}

QLineEdit* Edit(const LogicEditor& e, int n) {
  return e.palette(Palette::Processing).findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
}

// Replaces what an editor shows as the user would: select all, type.
void Type(QWidget* editor, const QString& text) {
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
}

// Whether a signal line crosses the middle of an entry picture's edge.
bool Stub(const QImage& picture, QPoint at) {
  const QColor c = picture.pixelColor(at);
  return c.blue() > c.red() + 40;  // the dark blue of wires, inputs and outputs
}

}  // namespace

class PalettesTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowsAsDesigned_data();
  void WindowsAsDesigned();
  void EntriesOfferEveryKeyOnceWithoutOverlap();
  void EntryPicturesShowTheirBlocks();
  void EditorsAsDesignedAndMirroredIntoTheImage();
  void ChoicesCopyTheirSettings();
  void InstrumentsTakeTheRangeSlotAndTitle();
  void MissingPicturesAreReportedAndThePlacementCompletes();
  void FlipflopAnswersADoubleClick();
};

void PalettesTest::WindowsAsDesigned_data() {
  QTest::addColumn<Palette>("palette");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QRect>("place");
  QTest::newRow("inputs") << Palette::Input << "TForm5"
                          << "Plaats de inputblokken" << QRect(320, 213, 513, 351);
  QTest::newRow("processing") << Palette::Processing << "TForm4"
                              << "Plaats de verwerkingsblokken" << QRect(207, 344, 998, 461);
  QTest::newRow("outputs") << Palette::Output << "TForm6"
                           << "Outputblokken" << QRect(281, 233, 213, 236);
}

void PalettesTest::WindowsAsDesigned() {
  QFETCH(Palette, palette);
  QFETCH(QString, name);
  QFETCH(QString, title);
  QFETCH(QRect, place);
  // An entry for every key the block table lets this palette offer.
  const auto keys = tessaro::BlockKeys();
  const int entries = static_cast<int>(std::count_if(
      keys.begin(), keys.end(), [&](const auto& info) { return info.palette == palette; }));
  LogicEditor e;
  e.Start();
  const tessaro::BlockPalette& window = e.palette(palette);
  QCOMPARE(window.objectName(), name);
  QCOMPARE(window.windowTitle(), title);
  QCOMPARE(window.geometry(), place);
  QCOMPARE(window.minimumSize(), window.maximumSize());
  QVERIFY(!window.isVisible());
  QCOMPARE(window.palette().color(QPalette::Window), kGrey);

  // Every entry is a picture of its own size at its place, with its tooltip.
  const auto table = tessaro::PaletteEntries(palette);
  QCOMPARE(static_cast<int>(table.size()), entries);
  for (const tessaro::PaletteEntry& entry : table) {
    QLabel* picture = e.Entry(palette, entry.picture);
    QVERIFY2(picture != nullptr, entry.key.c_str());
    QCOMPARE(picture->geometry(), entry.place);
    QCOMPARE(picture->pixmap().size(), entry.place.size());
    // The entry's own name first, then what the block does.
    const QString help = QString::fromStdString(tessaro::Say(tessaro::BlockHelp(entry.key)));
    QVERIFY(!help.isEmpty());
    QCOMPARE(picture->toolTip(),
             entry.tooltip.isEmpty() ? help : entry.tooltip + QLatin1Char('\n') + help);
  }
}

void PalettesTest::EntriesOfferEveryKeyOnceWithoutOverlap() {
  for (Palette palette : {Palette::Input, Palette::Processing, Palette::Output}) {
    std::multiset<std::string> offered;
    for (const tessaro::BlockKeyInfo& info : tessaro::BlockKeys()) {
      if (info.palette == palette) offered.insert(std::string(info.key));
    }
    const auto entries = tessaro::PaletteEntries(palette);
    std::multiset<std::string> shown;
    std::set<int> pictures;
    for (size_t i = 0; i < entries.size(); ++i) {
      shown.insert(entries[i].key);
      QVERIFY(pictures.insert(entries[i].picture).second);
      for (size_t j = 0; j < i; ++j) {
        QVERIFY2(!entries[i].place.intersects(entries[j].place),
                 (entries[i].key + " over " + entries[j].key).c_str());
      }
    }
    QVERIFY(shown == offered);
  }

  // A few places and tooltips that do not follow their family's pattern.
  const auto processing = tessaro::PaletteEntries(Palette::Processing);
  const auto find = [&](const std::string& key) {
    for (const auto& entry : processing) {
      if (entry.key == key) return entry;
    }
    return tessaro::PaletteEntry{};
  };
  QCOMPARE(find("Draad8").tooltip, QString());
  QCOMPARE(find("Draad9").place, QRect(8, 264, 64, 28));
  QCOMPARE(find("Reg3").tooltip, QStringLiteral("PID regelaar (knecht)"));
  QCOMPARE(find("Reg9").place, QRect(320, 184, 70, 25));
  QCOMPARE(find("Reg9").picture, 57);
  QCOMPARE(find("NAND3").picture, 41);
  QCOMPARE(find("NOR2").place, QRect(592, 160, 64, 28));
  QCOMPARE(find("RR1").place, QRect(632, 368, 245, 61));
  QVERIFY(find("Flipflop").double_click);
  const auto outputs = tessaro::PaletteEntries(Palette::Output);
  QCOMPARE(outputs[0].picture, 6);
  QCOMPARE(outputs[1].key, std::string("A2uit"));
  QCOMPARE(outputs[1].picture, 1);
  QCOMPARE(outputs[7].place.topLeft(), QPoint(104, 176));
}

void PalettesTest::EntryPicturesShowTheirBlocks() {
  const auto picture = [](const char* key) {
    return tessaro::PaletteEntryPicture(key, {64, 28}).toImage();
  };
  const QPoint left(1, 14), top(32, 1), bottom(32, 26), right(62, 14);
  struct Sides {
    const char* key;
    bool left, top, bottom;
  };
  // Gates, selectors and the flipflop show the sides they read; all give out on the right.
  const Sides blocks[] = {
      {"AND1", true, false, true},     {"AND2", true, true, false}, {"AND3", true, true, true},
      {"NAND1", true, false, true},    {"NOR2", true, true, false}, {"OR3", true, true, true},
      {"XOR", false, true, true},      {"HS1", true, true, false},  {"LS1", true, false, true},
      {"Flipflop", true, false, true}, {"ADS", true, false, false},
  };
  for (const Sides& s : blocks) {
    const QImage p = picture(s.key);
    QVERIFY2(Stub(p, left) == s.left, s.key);
    QVERIFY2(Stub(p, top) == s.top, s.key);
    QVERIFY2(Stub(p, bottom) == s.bottom, s.key);
    QVERIFY2(Stub(p, right), s.key);
  }
  // Wires: where each one enters and leaves.
  const Sides wires[] = {
      {"Draad2", false, true, true}, {"Draad4", true, false, true},  {"Draad6", false, true, false},
      {"Draad8", true, true, true},  {"Draad12", false, true, true},
  };
  for (const Sides& s : wires) {
    const QImage p = picture(s.key);
    QVERIFY2(Stub(p, left) == s.left, s.key);
    QVERIFY2(Stub(p, top) == s.top, s.key);
    QVERIFY2(Stub(p, bottom) == s.bottom, s.key);
  }

  // No two entries of a palette look alike, and only "Leeg" is empty.
  for (Palette palette : {Palette::Input, Palette::Processing, Palette::Output}) {
    std::vector<QImage> seen;
    for (const auto& entry : tessaro::PaletteEntries(palette)) {
      const QImage p = tessaro::PaletteEntryPicture(entry.key, entry.place.size()).toImage();
      QImage white(p.size(), p.format());
      white.fill(Qt::white);
      QCOMPARE(p == white, entry.key == "Leeg");
      for (const QImage& other : seen) QVERIFY2(p != other, entry.key.c_str());
      seen.push_back(p);
    }
  }
}

void PalettesTest::EditorsAsDesignedAndMirroredIntoTheImage() {
  LogicEditor e;
  e.Start();
  struct Design {
    int n, min, max, value, left, top, width, font;
    const char* tooltip;
  };
  const Design spins[] = {
      {1, -100, 500, 0, 168, 176, 57, 13, "Onderzijde Range"},
      {2, 0, 1600, 100, 168, 112, 57, 13, "Bovenzijde Range"},
      {3, 1, 255, 200, 288, 352, 65, 13, "Bovenschakelpunt ADS"},
      {4, 0, 254, 50, 288, 416, 65, 13, "Onderschakelpunt ADS"},
      {5, 1, 999, 10, 440, 384, 65, 13, "Tijd voor timer in seconde"},
      {6, -5000, 5000, 100, 640, 378, 73, 15, ""},
      {7, -9999, 9999, 0, 748, 392, 65, 15, ""},
      {8, 1, 999, 10, 816, 240, 65, 13, "Tijdsinstelling voor blinker"},
      {9, 1, 9999, 10, 816, 72, 65, 13,
       "Tijdsinstelling Set Off (automatische uitschakelaar) in seconde"},
  };
  for (const Design& d : spins) {
    QSpinBox* box = Spin(e, d.n);
    QVERIFY(box != nullptr);
    QCOMPARE(box->minimum(), d.min);
    QCOMPARE(box->maximum(), d.max);
    QCOMPARE(box->value(), d.value);
    QCOMPARE(box->pos(), QPoint(d.left, d.top));
    QCOMPARE(box->width(), d.width);
    QCOMPARE(box->font().pixelSize(), d.font);
    QVERIFY(box->font().bold());
    QCOMPARE(box->toolTip(), QString::fromUtf8(d.tooltip));
    QCOMPARE(e.image.Editors.SpinEdit[static_cast<size_t>(d.n)], d.value);
  }
  QCOMPARE(Edit(e, 1)->text(), QStringLiteral("eenheid"));
  QCOMPARE(Edit(e, 1)->geometry().topLeft(), QPoint(168, 144));
  QCOMPARE(Edit(e, 1)->toolTip(), QStringLiteral("Eenheid van de Range"));
  QCOMPARE(Edit(e, 2)->text(), QStringLiteral("Naam"));
  QCOMPARE(Edit(e, 2)->geometry(), QRect(168, 216, 137, Edit(e, 2)->height()));
  QCOMPARE(Edit(e, 2)->toolTip(), QStringLiteral("Naam van de Regelaar/Recorder"));

  // The calculation block's editors stand on its picture, in front of it.
  QLabel* formula = e.Entry(Palette::Processing, 51);
  for (int n : {6, 7}) {
    QVERIFY(formula->geometry().contains(Spin(e, n)->geometry()));
    QCOMPARE(e.palette(Palette::Processing).childAt(Spin(e, n)->geometry().center())->parent(),
             Spin(e, n));
  }

  // The six group titles, bold and yellow.
  int titles = 0;
  for (QLabel* label : e.palette(Palette::Processing).findChildren<QLabel*>()) {
    if (label->objectName().startsWith(QStringLiteral("Image"))) continue;
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    ++titles;
  }
  QCOMPARE(titles, 6);

  // Every change reaches the image: typed numbers, other text as the minimum, free text.
  e.palette(Palette::Processing).ShowOnTop();
  QVERIFY(QTest::qWaitForWindowExposed(&e.palette(Palette::Processing)));
  Type(Spin(e, 5), QStringLiteral("37"));
  QCOMPARE(e.image.Editors.SpinEdit[5], 37);
  Type(Spin(e, 7), QStringLiteral("-"));
  QCOMPARE(e.image.Editors.SpinEdit[7], -9999);
  // Left, such text makes way for the box's last value, and so does the image.
  Edit(e, 1)->setFocus();
  QVERIFY(!Spin(e, 7)->hasFocus());
  QCOMPARE(Spin(e, 7)->text(), QStringLiteral("0"));
  QCOMPARE(e.image.Editors.SpinEdit[7], 0);
  Spin(e, 7)->setValue(12);
  QCOMPARE(e.image.Editors.SpinEdit[7], 12);
  Type(Edit(e, 1), QStringLiteral("bar"));
  QCOMPARE(e.image.Editors.Edit1, std::string("bar"));
}

void PalettesTest::ChoicesCopyTheirSettings() {
  LogicEditor e;
  e.Start();
  struct Choice {
    int row, column, picture;
    int32_t a, b;
  };
  // With the start values; B is kept by the timers and the switch-off, A reset by the blinker.
  const Choice choices[] = {
      {1, 2, 31, 200, 50},  // ADS
      {2, 3, 51, 100, 0},   // RR1
      {3, 4, 33, 10, -7},   // Tup
      {4, 5, 32, 10, -7},   // Taf
      {5, 6, 53, 10, -7},   // Soff
      {6, 2, 52, 0, 10},    // Blinker
  };
  for (const Choice& c : choices) {
    e.image.FieldParamA[c.row][c.column] = -7;
    e.image.FieldParamB[c.row][c.column] = -7;
    e.Click(c.row, c.column);
    e.Choose(Palette::Processing, c.picture);
    QCOMPARE(e.image.FieldParamA[c.row][c.column], c.a);
    QCOMPARE(e.image.FieldParamB[c.row][c.column], c.b);
  }

  // A block without settings leaves what the field held.
  e.Click(1, 2);
  e.Choose(Palette::Processing, 36);  // AND1
  QCOMPARE(e.image.FieldGrid[1][2], std::string("AND1"));
  QCOMPARE(e.image.FieldParamA[1][2], 200);
  QCOMPARE(e.image.FieldParamB[1][2], 50);

  // The editors as they stand at the choice; text that is no number counts as the minimum.
  Type(Spin(e, 3), QString());
  Spin(e, 4)->setValue(120);
  e.Click(7, 2);
  e.Choose(Palette::Processing, 31);
  QCOMPARE(e.image.FieldParamA[7][2], 1);
  QCOMPARE(e.image.FieldParamB[7][2], 120);
  Spin(e, 6)->setValue(-250);
  Spin(e, 7)->setValue(40);
  e.Click(8, 2);
  e.Choose(Palette::Processing, 51);
  QCOMPARE(e.image.FieldParamA[8][2], -250);
  QCOMPARE(e.image.FieldParamB[8][2], 40);
}

void PalettesTest::InstrumentsTakeTheRangeSlotAndTitle() {
  LogicEditor e;
  e.Start();
  e.Click(1, 3);
  e.Choose(Palette::Processing, 16);  // Rec3
  QCOMPARE(e.image.FieldGrid[1][3], std::string("Rec3"));
  QCOMPARE(e.image.RangeLow[3], 0);
  QCOMPARE(e.image.RangeHigh[3], 100);
  QCOMPARE(e.image.RangeUnit[3], std::string("eenheid"));
  QCOMPARE(e.image.InstrumentTitle[3], std::string("Naam"));

  Type(Spin(e, 1), QStringLiteral("-20"));
  Type(Spin(e, 2), QStringLiteral("400"));
  Type(Edit(e, 1), QStringLiteral("kPa"));
  Type(Edit(e, 2), QStringLiteral("Druk ketel"));
  e.Click(2, 5);
  e.Choose(Palette::Processing, 55);  // Reg7
  QCOMPARE(e.image.FieldGrid[2][5], std::string("Reg7"));
  QCOMPARE(e.image.RangeLow[15], -20);
  QCOMPARE(e.image.RangeHigh[15], 400);
  QCOMPARE(e.image.RangeUnit[15], std::string("kPa"));
  QCOMPARE(e.image.InstrumentTitle[15], std::string("Druk ketel"));
  QCOMPARE(e.image.InstrumentTitle[3], std::string("Naam"));
  QCOMPARE(e.image.FieldParamA[2][5], 0);
}

void PalettesTest::MissingPicturesAreReportedAndThePlacementCompletes() {
  LogicEditor e;
  e.Start();
  e.Click(3, 1);
  e.Choose(Palette::Input, 26);  // Sinus
  e.Click(3, 7);
  e.Choose(Palette::Output, 6);  // A1uit
  e.image.FieldParamA[3][4] = 77;
  e.Click(3, 4);
  e.Choose(Palette::Processing, 33);  // Tup

  const std::vector<std::string> expected = {"Geen Sinus.bmp gevonden", "Geen A1uit.bmp gevonden",
                                             "Geen Tup.bmp gevonden"};
  QCOMPARE(e.messages.informations, expected);
  QVERIFY(e.messages.errors.empty());
  QCOMPARE(e.image.FieldGrid[3][1], std::string("Sinus"));
  QCOMPARE(e.image.FieldGrid[3][7], std::string("A1uit"));
  QCOMPARE(e.image.FieldGrid[3][4], std::string("Tup"));
  // The processing block is placed whole, settings included, and the palette closes.
  QCOMPARE(e.image.FieldParamA[3][4], 10);
  for (int column : {1, 4, 7}) QVERIFY(SamePixels(e.FieldPicture(3, column), e.blank));
  for (Palette p : {Palette::Input, Palette::Processing, Palette::Output}) {
    QVERIFY(!e.palette(p).isVisible());
  }
}

void PalettesTest::FlipflopAnswersADoubleClick() {
  LogicEditor e;
  const QImage flipflop = e.root.WritePicture("Velden/Flipflop.bmp", Qt::magenta, {71, 71});
  e.Start();
  e.Click(9, 6);
  QTest::mouseDClick(e.Entry(Palette::Processing, 54), Qt::LeftButton);
  QCOMPARE(e.image.FieldGrid[9][6], std::string("Flipflop"));
  QVERIFY(SamePixels(e.FieldPicture(9, 6), flipflop));
  QVERIFY(!e.palette(Palette::Processing).isVisible());

  // Other entries take only a click.
  e.Click(10, 6);
  QTest::mouseDClick(e.Entry(Palette::Processing, 36), Qt::LeftButton);
  QCOMPARE(e.image.FieldGrid[10][6], std::string());
  QVERIFY(e.palette(Palette::Processing).isVisible());
}

QTEST_MAIN(PalettesTest)
#include "palettes_test.moc"
