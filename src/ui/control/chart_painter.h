// The one drawing routine of every trend and recorder chart: the paper picture, the eleven
// scale texts and the history lines the engine computed, in that order.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/control/chart.h"

namespace tessaro {

class PictureLoader;

// One history line and the pen it is drawn with.
struct ChartTrace {
  const std::vector<ChartPoint>& points;
  ChartPen pen;
};

// The pixels a line sets in one column (or two, for a wide pen), all within the chart. Small,
// as a chart keeps two drawings' runs: up to a few thousand each.
struct ChartRun {
  int16_t left;
  int16_t right;
  int16_t top;
  int16_t bottom;
  QRgb colour;
  bool operator==(const ChartRun&) const = default;
};

class ChartPainter {
 public:
  // `paper` is read through `pictures` at every drawing, so a changed file shows at the next
  // one; while it cannot be read the chart is drawn on white paper of `paper_size`.
  // With a `ratio` above 1 the chart has that many pixels for each of the paper's, for a
  // dense screen: the paper's copy at twice the size where it has one and `ratio` is 2 (else
  // the paper enlarged), the texts and lines drawn at that resolution. Places and sizes the
  // engine gives, and the shown columns and changed region, stay in the paper's pixels; the
  // chart's device pixel ratio is `ratio`.
  ChartPainter(PictureLoader& pictures, std::string paper, QSize paper_size, int ratio = 1);

  int ratio() const { return ratio_; }

  // The chart is cleared back to the paper alone, as a chart window shows it before its
  // first drawing; that paper is returned, shared with the picture loader's copy.
  QPixmap ShowPaper();

  // The chart becomes the paper with the scale texts and then the traces, the last on top.
  // It is drawn in place: only in the columns where a line moved is the paper put back where
  // the last drawing's lines stood and are the new lines drawn, so a drawing costs what its
  // moving lines cost, not a copy of the whole paper, and the chart holds no second picture
  // beside the paper it shares with the loader.
  // Columns outside `shown_left`..`shown_right` are left as they were, at no cost, until
  // Complete() draws them from the lines kept of the last drawing.
  const QImage& Paint(const std::array<ChartText, 11>& scale,
                      std::initializer_list<ChartTrace> traces, int shown_left = 0,
                      int shown_right = std::numeric_limits<int>::max());

  // Brings the columns from `left` to `right` that a drawing left out up to it.
  void Complete(int left = 0, int right = std::numeric_limits<int>::max());

  // The last drawing, null before the first, where complete. Not to be kept: the next
  // drawing changes it in place.
  const QImage& chart() const { return chart_; }

  // Where the last drawing changed the chart: all of it after a fresh start, else bands of
  // columns as high as the lines that moved in them, now and before.
  const QRegion& changed() const { return changed_; }

 private:
  QPixmap Paper();
  // Paint() and Complete() in the chart's own pixels.
  void PaintPixels(std::span<const ChartTrace> traces, int shown_left, int shown_right);
  void CompletePixels(int left, int right);
  // The chart afresh: `paper` with the scale texts written on it.
  void StartChart(const QPixmap& paper, const std::array<ChartText, 11>& scale);
  // Which columns the runs of this drawing (next_) change against the last one (drawn_).
  void MarkChangedColumns();
  // In the changed columns: the paper and the texts back where the last drawing's lines
  // stand, then the new lines, each widening the changed bands.
  void RestoreChangedColumns();
  void FillChangedColumns(const std::vector<ChartRun>& runs);
  // Widens the changed bands of the columns of `run` over it.
  void Reach(const ChartRun& run) {
    for (int band = run.left / kBandColumns; band <= run.right / kBandColumns; ++band) {
      auto& [top, bottom] = reach_[static_cast<size_t>(band)];
      top = std::min<int>(top, run.top);
      bottom = std::max<int>(bottom, run.bottom);
    }
  }

  // Columns a band of the changed region spans: the changes are gathered into bands this
  // wide, so that a drawing's changes are a few rectangles rather than one per column.
  static constexpr int kBandColumns = 32;

  PictureLoader& pictures_;
  const int ratio_;
  std::vector<std::vector<ChartPoint>> scaled_;  // the lines in the chart's pixels, ratio > 1
  std::string paper_;
  QSize paper_size_;
  QFont font_;
  QPixmap blank_;        // white paper while the file cannot be read, kept for a steady key
  QImage paper_pixels_;  // the paper the chart was started on, shared with the loader's
  qint64 paper_key_ = 0;
  std::array<ChartText, 11> scale_{};
  // The written texts as they stand on the chart, so that a line crossing one costs only
  // the few pixels it covers, never writing all texts again.
  struct WrittenText {
    QRect area;
    QImage pixels;
  };
  std::vector<WrittenText> texts_;
  QRect text_bounds_;
  QImage chart_;                 // 32-bit pixels, so that the lines are set straight into them
  std::vector<std::vector<ChartPoint>> points_;  // the last drawing's lines
  std::vector<ChartPen> pens_;
  std::vector<ChartRun> drawn_;  // where the last drawing's lines stand, in every column not stale
  std::vector<ChartRun> next_;   // this drawing's, reused so a drawing allocates nothing
  // What a drawing does in each column.
  enum ColumnChange : uint8_t {
    kSame,         // nothing
    kRunsMoved,    // puts back the paper under the last drawing's runs and draws its own
    kWholeColumn,  // puts back all of the paper, the column being out of date, and draws
  };
  std::vector<uint8_t> changed_columns_;
  std::vector<uint8_t> stale_columns_;      // left out of drawings while out of sight
  std::vector<std::pair<int, int>> reach_;  // top and bottom changed of each band of columns
  QRegion changed_;
  QRegion changed_pixels_;  // the same in the chart's own pixels
};

}  // namespace tessaro
