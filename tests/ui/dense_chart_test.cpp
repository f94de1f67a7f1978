// A chart on a dense screen: drawn with twice the pixels, the lines at that resolution
// rather than enlarged, on the paper's copy at twice the size; and drawn in place, it still
// equals a fresh drawing, and what it reports as changed holds every pixel that changed.
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>
#include <array>
#include <vector>

#include "engine/control/chart.h"
#include "support/test_pictures.h"
#include "ui/control/chart_painter.h"
#include "ui/core/picture_loader.h"

using tessaro::ChartPainter;
using tessaro::ChartPen;
using tessaro::ChartPoint;
using tessaro::ChartText;
using tessaro::PictureLoader;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

namespace {

constexpr QSize kPaper{120, 80};
constexpr char kPaperName[] = "Velden/papier.bmp";
const QColor kPaperColour(250, 250, 235);
const QColor kRuled(160, 200, 160);

// Paper ruled every 7 columns, so that a pixel put back from the wrong place shows.
QImage WritePaper(const TestDataRoot& root, const char* name, int ratio, const QColor& ground) {
  QImage paper(kPaper * ratio, QImage::Format_RGB32);
  paper.fill(ground);
  QPainter painter(&paper);
  for (int x = 0; x < kPaper.width(); x += 7) {
    painter.fillRect(x * ratio, 0, ratio, paper.height(), kRuled);
  }
  painter.end();
  std::filesystem::create_directories(root.path() / "Velden");
  paper.save(QString::fromStdString((root.path() / name).string()), "BMP");
  return paper;
}

std::array<ChartText, 11> Scale() {
  std::array<ChartText, 11> scale;
  for (int i = 0; i < 11; ++i) scale[static_cast<size_t>(i)] = {2, i * 7, std::to_string(100 - i * 10)};
  return scale;
}

const QImage& Paint(ChartPainter& painter, const std::vector<ChartPoint>& line,
                    int shown_left = 0, int shown_right = 1000) {
  return painter.Paint(Scale(), {{line, ChartPen{200, 0, 0, 1}}}, shown_left, shown_right);
}

int Count(const QImage& chart, QRgb colour) {
  int n = 0;
  for (int y = 0; y < chart.height(); ++y) {
    for (int x = 0; x < chart.width(); ++x) n += chart.pixel(x, y) == colour ? 1 : 0;
  }
  return n;
}

}  // namespace

class DenseChartTest : public QObject {
  Q_OBJECT

 private slots:
  void LinesAreDrawnAtTwiceTheResolutionNotEnlarged();
  void ThePapersCopyAtTwiceTheSizeIsDrawnOn();
  void DrawnInPlaceItEqualsAFreshDrawingAndReportsItsChanges();
};

void DenseChartTest::LinesAreDrawnAtTwiceTheResolutionNotEnlarged() {
  TestDataRoot root;
  const QImage paper = WritePaper(root, kPaperName, 1, kPaperColour);
  PictureLoader pictures(root.path());
  ChartPainter single(pictures, kPaperName, kPaper);
  ChartPainter dense(pictures, kPaperName, kPaper, 2);
  const QRgb red = qRgb(200, 0, 0);

  // Level from column 20 to 100 at row 50: exactly the two rows and the columns it covers.
  const std::vector<ChartPoint> level{{100, 50}, {20, 50}};
  const QImage& chart = Paint(dense, level);
  QCOMPARE(chart.size(), kPaper * 2);
  QCOMPARE(chart.devicePixelRatio(), 2.0);
  for (int x : {40, 41, 120, 200, 201}) {
    QCOMPARE(chart.pixel(x, 100), red);
    QCOMPARE(chart.pixel(x, 101), red);
    QVERIFY(chart.pixel(x, 99) != red && chart.pixel(x, 102) != red);
  }
  QVERIFY(chart.pixel(39, 100) != red && chart.pixel(202, 100) != red);
  // Without a copy at twice the size, the paper's own pixels, each a square of four.
  QCOMPARE(chart.pixel(2 * 70, 150), kRuled.rgb());
  QCOMPARE(chart.pixel(2 * 70 + 1, 151), kRuled.rgb());
  QCOMPARE(chart.pixel(2 * 71, 150), paper.pixel(71, 75));

  // A sloping line: each of the twice as many columns takes its own share of the rise, so
  // the line follows the same path in finer steps, not the single-density steps enlarged.
  const std::vector<ChartPoint> slope{{61, 75}, {60, 5}, {30, 40}};
  const QImage enlarged = Paint(single, slope).scaled(kPaper * 2);
  const QImage& fine = Paint(dense, slope);
  int differing = 0;
  for (int y = 0; y < fine.height(); ++y) {
    for (int x = 0; x < fine.width(); ++x) {
      const bool on = fine.pixel(x, y) == red;
      differing += on != (enlarged.pixel(x, y) == red) ? 1 : 0;
      if (!on) continue;
      bool near = false;
      for (int dy = -2; dy <= 2 && !near; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          near = near || (enlarged.valid(x + dx, y + dy) && enlarged.pixel(x + dx, y + dy) == red);
        }
      }
      QVERIFY2(near, qPrintable(QStringLiteral("%1,%2 is off the line").arg(x).arg(y)));
    }
  }
  QVERIFY2(differing > 20, qPrintable(QString::number(differing)));
  QVERIFY(Count(fine, red) > 0);
}

void DenseChartTest::ThePapersCopyAtTwiceTheSizeIsDrawnOn() {
  TestDataRoot root;
  WritePaper(root, kPaperName, 1, kPaperColour);
  const QColor copy_ground(240, 240, 255);
  WritePaper(root, "Velden/papier@2x.bmp", 2, copy_ground);
  PictureLoader pictures(root.path());
  pictures.SetDeviceRatio(2);
  ChartPainter dense(pictures, kPaperName, kPaper, 2);
  QCOMPARE(dense.ShowPaper().size(), kPaper * 2);
  const QImage& chart = Paint(dense, {{100, 50}, {20, 50}});
  QCOMPARE(chart.pixel(233, 150), copy_ground.rgb());
  // A scale text is written at twice the size too: its letters reach below the first
  // text line's single-density height.
  bool dark_below = false;
  for (int y = 14; y < 26 && !dark_below; ++y) {
    for (int x = 4; x < 30; ++x) dark_below = dark_below || qGray(chart.pixel(x, y)) < 100;
  }
  QVERIFY(dark_below);
}

void DenseChartTest::DrawnInPlaceItEqualsAFreshDrawingAndReportsItsChanges() {
  TestDataRoot root;
  WritePaper(root, kPaperName, 1, kPaperColour);
  PictureLoader pictures(root.path());
  ChartPainter painter(pictures, kPaperName, kPaper, 2);
  QRandomGenerator random(20261208);
  std::vector<int> history(70, 40);
  QImage last;
  for (int drawing = 0; drawing < 120; ++drawing) {
    const int jump = drawing < 60 ? 3 : 80;  // steady, then over the whole height and the texts
    history.insert(history.begin(), std::clamp(history.front() + random.bounded(-jump, jump + 1), -5, 85));
    history.pop_back();
    std::vector<ChartPoint> line;
    for (size_t i = 0; i < history.size(); ++i) line.push_back({100 - static_cast<int>(i), history[i]});
    // Now and then only the right part is in sight; the rest is brought up to date after.
    const bool narrow = drawing % 7 == 3;
    const QImage shown = Paint(painter, line, narrow ? 60 : 0, 1000).copy();
    if (narrow) painter.Complete();
    ChartPainter fresh(pictures, kPaperName, kPaper, 2);
    QVERIFY2(SamePixels(painter.chart(), Paint(fresh, line)), qPrintable(QString::number(drawing)));
    if (!last.isNull() && !narrow) {
      // Every changed pixel lies in the reported region, which is in the paper's pixels.
      const QRegion changed = painter.changed();
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
          if (shown.pixel(x, y) != last.pixel(x, y)) {
            QVERIFY2(changed.contains(QPoint(x / 2, y / 2)),
                     qPrintable(QStringLiteral("%1: %2,%3").arg(drawing).arg(x).arg(y)));
          }
        }
      }
    }
    last = painter.chart().copy();
  }
}

QTEST_MAIN(DenseChartTest)
#include "dense_chart_test.moc"
