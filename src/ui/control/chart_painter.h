// The one drawing routine of every trend and recorder chart: the paper picture, the eleven
// scale texts and the history lines the engine computed, in that order.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/control/chart.h"

namespace tessaro {

class PictureLoader;

// One history line and the pen it is drawn with.
struct ChartTrace {
  const std::vector<ChartPoint>& points;
  ChartPen pen;
};

class ChartPainter {
 public:
  // `paper` is read through `pictures` at every drawing, so a changed file shows at the next
  // one; while it cannot be read the chart is drawn on white paper of `paper_size`.
  ChartPainter(PictureLoader& pictures, std::string paper, QSize paper_size);

  // The chart is cleared back to the paper alone, as a chart window shows it before its
  // first drawing; that paper is returned, shared with the picture loader's copy.
  QPixmap ShowPaper();

  // The chart becomes the paper with the scale texts and then the traces, the last on top.
  // It is drawn in place: only where the last drawing's lines stood is the paper put back,
  // so a drawing costs what its lines cost, not a copy of the whole paper, and the chart
  // holds no second picture beside the paper it shares with the loader.
  const QImage& Paint(const std::array<ChartText, 11>& scale,
                      std::initializer_list<ChartTrace> traces);

  // The last drawing, null before the first. Not to be kept: the next drawing changes it
  // in place.
  const QImage& chart() const { return chart_; }

 private:
  QPixmap Paper();
  // The chart afresh: `paper` with the scale texts written on it.
  void StartChart(const QPixmap& paper, const std::array<ChartText, 11>& scale);

  PictureLoader& pictures_;
  std::string paper_;
  QSize paper_size_;
  QFont font_;
  QPixmap blank_;        // white paper while the file cannot be read, kept for a steady key
  QImage paper_pixels_;  // the paper the chart was started on, shared with the loader's
  qint64 paper_key_ = 0;
  std::array<ChartText, 11> scale_{};
  QRegion text_area_;  // where the scale texts stand
  QImage chart_;       // 32-bit pixels, so that the lines are set straight into them
  QList<QRect> drawn_;  // where the last drawing's lines stand on chart_
  QList<QRect> runs_;   // reused, so a drawing allocates nothing for its lines
};

}  // namespace tessaro
