// The chart painter draws each chart in place over the last one: what it shows must always be
// what a painter drawing the same lines for the first time shows, and whatever it reports as
// changed must hold every pixel that did change.
#include "ui/control/chart_painter.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>
#include <QtTest>
#include <array>
#include <vector>

#include "engine/control/chart.h"
#include "support/test_pictures.h"
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

// Paper with a grid, so that a pixel put back from the wrong place shows.
void WriteGridPaper(const TestDataRoot& root) {
  QImage paper(kPaper, QImage::Format_RGB32);
  paper.fill(QColor(250, 250, 235));
  QPainter painter(&paper);
  painter.setPen(QColor(160, 200, 160));
  for (int x = 0; x < kPaper.width(); x += 7) painter.drawLine(x, 0, x, kPaper.height());
  for (int y = 0; y < kPaper.height(); y += 5) painter.drawLine(0, y, kPaper.width(), y);
  painter.end();
  std::filesystem::create_directories(root.path() / "Velden");
  QVERIFY(paper.save(QString::fromStdString((root.path() / kPaperName).string()), "BMP"));
}

// Texts down the left edge, where the lines run through them.
std::array<ChartText, 11> Scale(int high) {
  std::array<ChartText, 11> scale;
  for (int i = 0; i < 11; ++i) {
    scale[static_cast<size_t>(i)] = {2, i * 7, std::to_string(high - i * high / 10)};
  }
  return scale;
}

// A history line newest at the right, one sample a column, as the charts draw theirs.
std::vector<ChartPoint> Line(const std::vector<int>& history) {
  std::vector<ChartPoint> points{{100, history[0]}};
  for (size_t i = 0; i < history.size(); ++i) {
    points.push_back({100 - static_cast<int>(i) - 1, history[i]});
  }
  return points;
}

struct Drawing {
  std::array<ChartText, 11> scale;
  std::vector<ChartPoint> first;
  std::vector<ChartPoint> second;
};

const QImage& Paint(ChartPainter& painter, const Drawing& drawing) {
  return painter.Paint(drawing.scale, {{drawing.first, ChartPen{0, 0, 0, 1}},
                                       {drawing.second, ChartPen{255, 0, 0, 2}}});
}

// The pixels that differ between two pictures of one size.
QRegion Differences(const QImage& a, const QImage& b) {
  QRegion differ;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) differ += QRect(x, y, 1, 1);
    }
  }
  return differ;
}

}  // namespace

class ChartPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryDrawingEqualsAFreshOneAndItsChangesAreReported();
  void ColumnsOutOfSightWaitUntilAskedForAndThenShowTheLastDrawing();
};

// Histories that move by a column a drawing, now steady, now jumping over the whole height
// and through the texts, lines off the chart, a history that grows, a new scale: after each,
// the chart drawn in place equals a fresh painter's, and nothing changed outside changed().
void ChartPainterTest::EveryDrawingEqualsAFreshOneAndItsChangesAreReported() {
  TestDataRoot root;
  WriteGridPaper(root);
  PictureLoader pictures(root.path());
  ChartPainter painter(pictures, kPaperName, kPaper);
  QRandomGenerator random(20261208);

  std::vector<int> first(60, 40);
  std::vector<int> second(60, 20);
  QImage shown;
  for (int drawing = 0; drawing < 300; ++drawing) {
    const int phase = drawing / 50;
    const auto next = [&](int last) {
      switch (phase) {
        case 0:
          return last;  // steady
        case 1:
          return last + static_cast<int>(random.bounded(5)) - 2;  // drifting
        case 2:
          return static_cast<int>(random.bounded(-10, 90));  // jumping, past both edges
        default:
          return static_cast<int>(random.bounded(20)) * 4;
      }
    };
    first.insert(first.begin(), next(first.front()));
    first.pop_back();
    second.insert(second.begin(), next(second.front()));
    if (phase < 4) second.pop_back();  // later the second history grows
    const Drawing now{Scale(drawing < 200 ? 100 : 150), Line(first), Line(second)};

    const QImage drawn = Paint(painter, now).copy();
    PictureLoader fresh_pictures(root.path());
    ChartPainter fresh(fresh_pictures, kPaperName, kPaper);
    QVERIFY2(SamePixels(drawn, Paint(fresh, now)),
             qPrintable(QStringLiteral("drawing %1 differs from a fresh one").arg(drawing)));
    if (!shown.isNull()) {
      const QRegion unreported = Differences(shown, drawn).subtracted(painter.changed());
      QVERIFY2(unreported.isEmpty(),
               qPrintable(QStringLiteral("drawing %1 changed pixels it did not report, at %2,%3")
                              .arg(drawing)
                              .arg(unreported.boundingRect().x())
                              .arg(unreported.boundingRect().y())));
    }
    shown = drawn;
  }
  // The same lines drawn again change nothing.
  const std::vector<int> flat(60, 30);
  const Drawing steady{Scale(150), Line(flat), Line(flat)};
  Paint(painter, steady);
  Paint(painter, steady);
  QVERIFY(painter.changed().isEmpty());
}

// A narrow window shows columns 90..100: only those follow each drawing, and the rest, once
// asked for (as the window widens), show the last drawing exactly.
void ChartPainterTest::ColumnsOutOfSightWaitUntilAskedForAndThenShowTheLastDrawing() {
  TestDataRoot root;
  WriteGridPaper(root);
  PictureLoader pictures(root.path());
  ChartPainter painter(pictures, kPaperName, kPaper);
  QRandomGenerator random(7);
  std::vector<int> first(60, 40);
  std::vector<int> second(60, 20);
  QString problem;  // the first column drawn out of turn
  const auto draw = [&](int shown_left, int shown_right) {
    first.insert(first.begin(), static_cast<int>(random.bounded(-5, 85)));
    first.pop_back();
    second.insert(second.begin(), static_cast<int>(random.bounded(-5, 85)));
    second.pop_back();
    const Drawing now{Scale(100), Line(first), Line(second)};
    const QImage before = painter.chart().copy();
    const QImage& drawn = painter.Paint(
        now.scale, {{now.first, ChartPen{0, 0, 0, 1}}, {now.second, ChartPen{255, 0, 0, 2}}},
        shown_left, shown_right);
    PictureLoader fresh_pictures(root.path());
    ChartPainter fresh(fresh_pictures, kPaperName, kPaper);
    const QImage& expected = Paint(fresh, now);
    for (int x = 0; x < kPaper.width(); ++x) {
      const bool shown = x >= shown_left && x <= shown_right;
      const QRect column(x, 0, 1, kPaper.height());
      if (!problem.isEmpty()) continue;
      if (shown && !SamePixels(drawn.copy(column), expected.copy(column))) {
        problem = QStringLiteral("column %1 in sight is not drawn").arg(x);
      } else if (!shown && !before.isNull() &&
                 !SamePixels(drawn.copy(column), before.copy(column))) {
        problem = QStringLiteral("column %1 out of sight was drawn").arg(x);
      }
    }
    return expected.copy();
  };
  draw(0, 1000);
  for (int i = 0; i < 20; ++i) draw(90, 100);
  QImage expected = draw(90, 100);
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  painter.Complete(80, 89);
  for (int x = 80; x <= 100; ++x) {
    QVERIFY(SamePixels(painter.chart().copy(x, 0, 1, kPaper.height()),
                       expected.copy(x, 0, 1, kPaper.height())));
  }
  painter.Complete();
  QVERIFY(SamePixels(painter.chart(), expected));

  // Nothing in sight: the drawing waits whole, and a later full one catches up.
  for (int i = 0; i < 5; ++i) draw(0, -1);
  expected = draw(0, 1000);
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  QVERIFY(SamePixels(painter.chart(), expected));
}

QTEST_MAIN(ChartPainterTest)
#include "chart_painter_test.moc"
