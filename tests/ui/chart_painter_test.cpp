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

const QImage& Paint(ChartPainter& painter, const Drawing& drawing, int shown_left = 0,
                    int shown_right = 1000) {
  return painter.Paint(drawing.scale,
                       {{drawing.first, ChartPen{0, 0, 0, 1}},
                        {drawing.second, ChartPen{255, 0, 0, 2}}},
                       shown_left, shown_right);
}

// A chart on grid paper with two histories that the cases move on.
struct Chart {
  Chart() : pictures(WrittenPaper(root)), painter(pictures, kPaperName, kPaper) {}

  static std::filesystem::path WrittenPaper(const TestDataRoot& root) {
    WriteGridPaper(root);
    return root.path();
  }

  // Both histories take a sample.
  void Sample(int first_value, int second_value, bool second_grows = false) {
    first.insert(first.begin(), first_value);
    first.pop_back();
    second.insert(second.begin(), second_value);
    if (!second_grows) second.pop_back();
  }
  Drawing Now(int high = 100) const { return {Scale(high), Line(first), Line(second)}; }

  // What a painter drawing `drawing` for the first time shows.
  QImage Fresh(const Drawing& drawing) const {
    PictureLoader fresh_pictures(root.path());
    ChartPainter fresh(fresh_pictures, kPaperName, kPaper);
    return Paint(fresh, drawing).copy();
  }

  TestDataRoot root;
  PictureLoader pictures;
  ChartPainter painter;
  std::vector<int> first = std::vector<int>(60, 40);
  std::vector<int> second = std::vector<int>(60, 20);
};

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
  Chart chart;
  QRandomGenerator random(20261208);
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
    chart.Sample(next(chart.first.front()), next(chart.second.front()), phase >= 4);
    const Drawing now = chart.Now(drawing < 200 ? 100 : 150);

    const QImage drawn = Paint(chart.painter, now).copy();
    QVERIFY2(SamePixels(drawn, chart.Fresh(now)),
             qPrintable(QStringLiteral("drawing %1 differs from a fresh one").arg(drawing)));
    if (!shown.isNull()) {
      const QRegion unreported = Differences(shown, drawn).subtracted(chart.painter.changed());
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
  Paint(chart.painter, steady);
  Paint(chart.painter, steady);
  QVERIFY(chart.painter.changed().isEmpty());
}

// A narrow window shows columns 90..100: only those follow each drawing, and the rest, once
// asked for (as the window widens), show the last drawing exactly.
void ChartPainterTest::ColumnsOutOfSightWaitUntilAskedForAndThenShowTheLastDrawing() {
  Chart chart;
  QRandomGenerator random(7);
  QString problem;  // the first column drawn out of turn
  const auto draw = [&](int shown_left, int shown_right) {
    chart.Sample(static_cast<int>(random.bounded(-5, 85)),
                 static_cast<int>(random.bounded(-5, 85)));
    const Drawing now = chart.Now();
    const QImage before = chart.painter.chart().copy();
    const QImage& drawn = Paint(chart.painter, now, shown_left, shown_right);
    const QImage expected = chart.Fresh(now);
    for (int x = 0; x < kPaper.width() && problem.isEmpty(); ++x) {
      const bool shown = x >= shown_left && x <= shown_right;
      const QRect column(x, 0, 1, kPaper.height());
      if (shown && !SamePixels(drawn.copy(column), expected.copy(column))) {
        problem = QStringLiteral("column %1 in sight is not drawn").arg(x);
      } else if (!shown && !before.isNull() &&
                 !SamePixels(drawn.copy(column), before.copy(column))) {
        problem = QStringLiteral("column %1 out of sight was drawn").arg(x);
      }
    }
    return expected;
  };
  draw(0, 1000);
  for (int i = 0; i < 20; ++i) draw(90, 100);
  QImage expected = draw(90, 100);
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  chart.painter.Complete(80, 89);
  const QRect completed(80, 0, 21, kPaper.height());
  QVERIFY(SamePixels(chart.painter.chart().copy(completed), expected.copy(completed)));
  chart.painter.Complete();
  QVERIFY(SamePixels(chart.painter.chart(), expected));

  // Nothing in sight: the drawing waits whole, and a later full one catches up.
  for (int i = 0; i < 5; ++i) draw(0, -1);
  expected = draw(0, 1000);
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  QVERIFY(SamePixels(chart.painter.chart(), expected));
}

QTEST_MAIN(ChartPainterTest)
#include "chart_painter_test.moc"
