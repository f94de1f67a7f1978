// The logic grid window: its fields, opening and closing, clicks that open the palettes,
// and the captions the scan paints onto the fields.
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QAction>
#include <QHelpEvent>
#include <QCursor>
#include <QToolTip>
#include <QtTest>

#include "support/logic_editor.h"
#include "ui/core/main_window.h"
#include "ui/editor/logic_grid_window.h"

using tessaro::Palette;
using tessaro::testing::LogicEditor;
using tessaro::testing::SamePixels;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kSilver(192, 192, 192);

void PressLogics(const LogicEditor& e) {
  e.trainer->main_window().findChild<QPushButton*>(QStringLiteral("Button3"))->click();
}

// How many pixels of `area` in `picture` have `colour`.
int CountPixels(const QImage& picture, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += picture.pixelColor(x, y) == colour;
  }
  return count;
}

bool Near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
         std::abs(a.blue() - b.blue()) <= 2;
}

}  // namespace

class GridWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsHiddenWithEveryFieldInItsPlace();
  void ClosingOnlyHidesAndReopeningShowsEverything();
  void AClickBlanksThePictureAndTheBlockWorksOn();
  void TwoPalettesOpenPlaceIntoTheFieldClickedLast();
  void MissingBlankPictureIsReportedAndPlacingStillWorks();
  void ScanPaintsCaptionsOntoTheFields();
  void UndoAndRedoBringBackTheFieldsPicture();
  void HoverTextShowsTheFieldsLiveValues();
};

void GridWindowTest::StartsHiddenWithEveryFieldInItsPlace() {
  LogicEditor e;
  e.Start();
  tessaro::LogicGridWindow& grid = e.grid();
  QCOMPARE(grid.objectName(), QStringLiteral("TForm3"));
  QCOMPARE(grid.windowTitle(), QStringLiteral("Logics, bouw hier je logisch schema op"));
  QVERIFY(!grid.isVisible());
  QCOMPARE(grid.pos(), QPoint(475, 56));
  QCOMPARE(grid.size(), QSize(528, 770));
  QVERIFY(grid.minimumSize() != grid.maximumSize());  // resizable
  QCOMPARE(e.image.LogicsOpen, 0);
  QCOMPARE(e.image.SelectedRow, 0);
  QCOMPARE(e.image.SelectedColumn, 0);
  for (Palette p : {Palette::Input, Palette::Processing, Palette::Output}) {
    QVERIFY(!e.palette(p).isVisible());
  }

  // 112 fields, numbered row by row, no gaps, all with the same dark-to-grey gradient.
  const QImage start = e.FieldPicture(1, 1);
  QVERIFY(Near(start.pixelColor(0, 0), QColor(11, 10, 11)));
  QVERIFY(Near(start.pixelColor(70, 70), QColor(150, 149, 150)));
  QVERIFY(start.pixelColor(35, 35).red() > 60 && start.pixelColor(35, 35).red() < 100);
  QCOMPARE(start.pixelColor(70, 0), start.pixelColor(0, 70));
  for (int row = 1; row <= 16; ++row) {
    for (int column = 1; column <= 7; ++column) {
      QLabel* field = e.Field(row, column);
      QCOMPARE(field->objectName(), QStringLiteral("Image%1").arg((row - 1) * 7 + column));
      QCOMPARE(field->geometry(), QRect((column - 1) * 71, (row - 1) * 71, 71, 71));
      QVERIFY(SamePixels(field->pixmap().toImage(), start));
    }
  }
  QVERIFY(e.Field(0, 1) == nullptr && e.Field(17, 1) == nullptr && e.Field(1, 8) == nullptr);

  // The label stands below the grid, and the window scrolls to reach both.
  auto* label = grid.findChild<QLabel*>(QStringLiteral("Label1"));
  QCOMPARE(label->text(), QStringLiteral("Logics"));
  QCOMPARE(label->pos(), QPoint(0, 1144));
  auto* scroll = grid.findChild<QScrollArea*>();
  QVERIFY(scroll->widget()->height() > label->geometry().bottom());
  PressLogics(e);
  QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
  scroll->ensureWidgetVisible(e.Field(16, 7));
  QVERIFY(e.Field(16, 7)->visibleRegion().boundingRect().size() == QSize(71, 71));
  QVERIFY(e.messages.errors.empty());
}

void GridWindowTest::ClosingOnlyHidesAndReopeningShowsEverything() {
  LogicEditor e;
  const QImage and1 = e.root.WritePicture("Velden/AND1.bmp", Qt::green, {71, 71});
  const QImage d6uit = e.root.WritePicture("Velden/d6UIT.bmp", Qt::red, {71, 71});
  e.Start();
  PressLogics(e);
  QVERIFY(e.grid().isVisible());
  QCOMPARE(e.image.LogicsOpen, 1);

  e.Click(1, 2);
  e.Choose(Palette::Processing, 36);  // AND1
  QVERIFY(SamePixels(e.FieldPicture(1, 2), and1));

  // Closed with a palette open: the palette stays, and its choice lands in the hidden grid.
  e.Click(16, 7);
  const QImage untouched = e.FieldPicture(2, 5);
  QVERIFY(e.grid().close());
  QVERIFY(!e.grid().isVisible());
  QCOMPARE(e.image.LogicsOpen, 0);
  QVERIFY(e.palette(Palette::Output).isVisible());
  e.Choose(Palette::Output, 8);  // D6uit
  QCOMPARE(e.image.FieldGrid[16][7], std::string("D6uit"));
  QVERIFY(!e.palette(Palette::Output).isVisible());

  PressLogics(e);
  QVERIFY(e.grid().isVisible());
  QCOMPARE(e.image.LogicsOpen, 1);
  QVERIFY(SamePixels(e.FieldPicture(1, 2), and1));
  QVERIFY(SamePixels(e.FieldPicture(16, 7), d6uit));
  QVERIFY(SamePixels(e.FieldPicture(2, 5), untouched));
  QCOMPARE(e.image.SelectedRow, 16);
  QCOMPARE(e.image.SelectedColumn, 7);
  QVERIFY(e.messages.informations.empty());
}

void GridWindowTest::AClickBlanksThePictureAndTheBlockWorksOn() {
  LogicEditor e;
  e.Start();
  // Knob 1 into the gate's left input, knob 2 up into its lower input.
  e.image.FieldGrid[2][1] = "Spin1";
  e.image.FieldGrid[3][1] = "Spin2";
  e.image.FieldGrid[3][2] = "Draad7";
  e.image.FieldGrid[2][2] = "AND1";
  e.image.KnobValue[1] = 255;
  e.image.KnobValue[2] = 255;
  e.Cycle();
  QCOMPARE(e.image.OutRight[2][2], 255);

  PressLogics(e);
  e.Click(2, 2);
  QVERIFY(e.palette(Palette::Processing).isVisible());
  QVERIFY(!e.palette(Palette::Input).isVisible());
  QCOMPARE(e.image.SelectedRow, 2);
  QCOMPARE(e.image.SelectedColumn, 2);
  QVERIFY(SamePixels(e.FieldPicture(2, 2), e.blank));
  QCOMPARE(e.image.FieldGrid[2][2], std::string("AND1"));

  // The palette closed without a choice: the gate still answers its inputs.
  e.palette(Palette::Processing).close();
  e.image.KnobValue[2] = 0;
  e.Cycle();
  QCOMPARE(e.image.OutRight[2][2], 0);
  e.image.KnobValue[2] = 255;
  e.Cycle();
  QCOMPARE(e.image.OutRight[2][2], 255);

  // The same field again: the palette is back.
  e.Click(2, 2);
  QVERIFY(e.palette(Palette::Processing).isVisible());
  QVERIFY(SamePixels(e.FieldPicture(2, 2), e.blank));
}

void GridWindowTest::TwoPalettesOpenPlaceIntoTheFieldClickedLast() {
  LogicEditor e;
  const QImage and1 = e.root.WritePicture("Velden/AND1.bmp", Qt::green, {71, 71});
  e.root.WritePicture("Velden/A1in.bmp", Qt::cyan, {71, 71});
  e.Start();
  PressLogics(e);
  e.Click(5, 1);
  e.Click(5, 4);
  QVERIFY(e.palette(Palette::Input).isVisible());
  QVERIFY(e.palette(Palette::Processing).isVisible());

  // An input block for a processing field: stored, no picture, no message.
  e.Choose(Palette::Input, 6);  // A1in
  QCOMPARE(e.image.FieldGrid[5][4], std::string("A1in"));
  QCOMPARE(e.image.FieldGrid[5][1], std::string());
  QVERIFY(SamePixels(e.FieldPicture(5, 4), e.blank));
  QVERIFY(SamePixels(e.FieldPicture(5, 1), e.blank));
  QVERIFY(e.messages.informations.empty());
  QVERIFY(!e.palette(Palette::Input).isVisible());
  QVERIFY(e.palette(Palette::Processing).isVisible());

  // The selection stays, so the other palette places into the same field.
  e.Choose(Palette::Processing, 36);  // AND1
  QCOMPARE(e.image.FieldGrid[5][4], std::string("AND1"));
  QVERIFY(SamePixels(e.FieldPicture(5, 4), and1));
  QVERIFY(!e.palette(Palette::Processing).isVisible());
}

void GridWindowTest::MissingBlankPictureIsReportedAndPlacingStillWorks() {
  LogicEditor e;
  e.root.Remove("Velden/Blanco.bmp");
  const QImage and1 = e.root.WritePicture("Velden/AND1.bmp", Qt::green, {71, 71});
  e.Start();
  PressLogics(e);
  const QImage start = e.FieldPicture(4, 3);
  e.Click(4, 3);
  QCOMPARE(e.messages.errors.size(), size_t{1});
  QVERIFY(e.messages.errors[0].find("velden/Blanco.bmp") != std::string::npos);
  QVERIFY(e.palette(Palette::Processing).isVisible());
  QCOMPARE(e.image.SelectedRow, 4);
  QCOMPARE(e.image.SelectedColumn, 3);
  QVERIFY(SamePixels(e.FieldPicture(4, 3), start));

  e.Choose(Palette::Processing, 36);
  QCOMPARE(e.image.FieldGrid[4][3], std::string("AND1"));
  QVERIFY(SamePixels(e.FieldPicture(4, 3), and1));
}

void GridWindowTest::ScanPaintsCaptionsOntoTheFields() {
  LogicEditor e;
  const QImage wire = e.root.WritePicture("Velden/Draad1.bmp", kBlue, {71, 71});
  e.root.WritePicture("Velden/ADS.bmp", kBlue, {71, 71});
  e.Start();
  e.image.FieldGrid[4][1] = "Spin1";
  e.Click(4, 2);
  e.Choose(Palette::Processing, 1);  // Draad1
  e.Click(6, 3);
  e.Choose(Palette::Processing, 31);  // ADS, with 200 and 50
  QVERIFY(e.messages.informations.empty());

  // Grid closed: the parameters are painted, the wire values are not.
  e.Cycle();
  QVERIFY(SamePixels(e.FieldPicture(4, 2), wire));
  const QImage with_parameters = e.FieldPicture(6, 3);
  QCOMPARE(with_parameters.pixelColor(13, 6), QColor(Qt::white));
  QCOMPARE(with_parameters.pixelColor(13, 56), QColor(Qt::white));
  QVERIFY(CountPixels(with_parameters, QRect(12, 4, 40, 11), Qt::white) > 20);
  QCOMPARE(with_parameters.pixelColor(5, 30), kBlue);
  QCOMPARE(with_parameters.pixelColor(11, 5), kBlue);

  // Grid shown: "low" on silver at (10, 20), text in the box, the rest of the picture kept.
  PressLogics(e);
  e.Cycle();
  const QImage low = e.FieldPicture(4, 2);
  QCOMPARE(low.pixelColor(10, 20), kSilver);
  const QRect box(10, 20, 40, 12);
  QVERIFY(CountPixels(low, box, kSilver) > 100);
  QVERIFY(CountPixels(low, box, kSilver) + CountPixels(low, box, kBlue) <
          box.width() * box.height());
  QCOMPARE(low.pixelColor(9, 20), kBlue);
  QCOMPARE(low.pixelColor(5, 60), kBlue);

  // The caption follows the value; a shorter text wipes out the longer one before it.
  e.image.KnobValue[1] = 255;
  e.Cycle();
  QVERIFY(!SamePixels(e.FieldPicture(4, 2), low));
  e.image.KnobValue[1] = 0;
  e.Cycle();
  const QImage again = e.FieldPicture(4, 2);
  for (int y = 0; y < 71; ++y) {
    for (int x = 0; x < 71; ++x) {
      const QColor now = again.pixelColor(x, y);
      QVERIFY(now == low.pixelColor(x, y) || now == kSilver);
    }
  }

  // The painting never reaches the picture file's own copy.
  e.Click(8, 2);
  e.Choose(Palette::Processing, 1);
  QVERIFY(SamePixels(e.FieldPicture(8, 2), wire));
}

void GridWindowTest::UndoAndRedoBringBackTheFieldsPicture() {
  LogicEditor e;
  const QImage and1 = e.root.WritePicture("Velden/AND1.bmp", Qt::green, {71, 71});
  const QImage or1 = e.root.WritePicture("Velden/OR1.bmp", Qt::blue, {71, 71});
  e.Start();
  PressLogics(e);
  QVERIFY(QTest::qWaitForWindowActive(&e.grid()));
  const QImage start = e.FieldPicture(3, 3);
  e.Click(3, 3);
  e.Choose(Palette::Processing, 36);  // AND1
  e.Click(3, 3);                      // a wrong click: the field is blank
  QVERIFY(SamePixels(e.FieldPicture(3, 3), e.blank));

  QTest::keyClick(&e.grid(), Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(SamePixels(e.FieldPicture(3, 3), and1));
  QCOMPARE(e.image.FieldGrid[3][3], std::string("AND1"));
  QTest::keyClick(&e.grid(), Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(SamePixels(e.FieldPicture(3, 3), start));  // back to the grey start picture
  QCOMPARE(e.image.FieldGrid[3][3], std::string());

  QTest::keyClick(&e.grid(), Qt::Key_Y, Qt::ControlModifier);
  QVERIFY(SamePixels(e.FieldPicture(3, 3), and1));
  QTest::keyClick(&e.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(SamePixels(e.FieldPicture(3, 3), e.blank));

  // The same from the window's context menu.
  auto* undo = e.grid().findChild<QAction*>(QStringLiteral("UndoAction"));
  auto* redo = e.grid().findChild<QAction*>(QStringLiteral("RedoAction"));
  QVERIFY(undo != nullptr && redo != nullptr);
  QVERIFY(e.grid().actions().contains(undo) && e.grid().actions().contains(redo));
  QCOMPARE(e.grid().contextMenuPolicy(), Qt::ActionsContextMenu);
  e.Choose(Palette::Processing, 42);  // OR1, a step of its own after the redone click
  QVERIFY(SamePixels(e.FieldPicture(3, 3), or1));
  undo->trigger();
  QVERIFY(SamePixels(e.FieldPicture(3, 3), e.blank));
  redo->trigger();
  QVERIFY(SamePixels(e.FieldPicture(3, 3), or1));
  QCOMPARE(e.image.FieldGrid[3][3], std::string("OR1"));
  QVERIFY(e.messages.errors.empty());
}

void GridWindowTest::HoverTextShowsTheFieldsLiveValues() {
  LogicEditor e;
  e.Start();
  PressLogics(e);
  e.image.FieldGrid[2][1] = "Knop1";
  e.image.FieldGrid[2][2] = "Not";
  const QString before = e.grid().HoverText(2, 2);
  QVERIFY(before.startsWith(QStringLiteral("Veld 2,2: Not\nIn links: 0 (0.0 %)")));
  e.image.ScreenButton[1] = 255;
  e.Cycle();
  const QString after = e.grid().HoverText(2, 2);
  QVERIFY2(after.contains(QStringLiteral("In links: 255 (100.0 %)")), qPrintable(after));
  QVERIFY2(after.contains(QStringLiteral("Uit rechts: 0 (0.0 %)")), qPrintable(after));

  // Hovering a field shows that text as its tooltip, renewed while the pointer stays on it.
  const QPoint on_field = e.Field(2, 2)->mapToGlobal(QPoint(10, 10));
  QCursor::setPos(on_field);
  QHelpEvent hover(QEvent::ToolTip, QPoint(10, 10), on_field);
  QApplication::sendEvent(e.Field(2, 2), &hover);
  QTRY_VERIFY(QToolTip::isVisible());
  QCOMPARE(QToolTip::text(), after);
  e.image.ScreenButton[1] = 0;
  e.Cycle();  // the scan renews the shown text
  QVERIFY(QToolTip::text().contains(QStringLiteral("In links: 0 (0.0 %)")));
  QToolTip::hideText();
}

QTEST_MAIN(GridWindowTest)
#include "grid_window_test.moc"
