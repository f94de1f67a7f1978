// The one drawing routine of every trend and recorder chart: the paper picture, the eleven
// scale texts and the history lines the engine computed, in that order.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>
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

  // The chart becomes the paper alone, as a chart window shows it before its first drawing.
  const QImage& ShowPaper();

  // The chart becomes the paper with the scale texts and then the traces, the last on top.
  // It is drawn in place: only where the last drawing's lines stood is the paper put back,
  // so a drawing costs what its lines cost, not a copy of the whole paper.
  const QImage& Paint(const std::array<ChartText, 11>& scale,
                      std::initializer_list<ChartTrace> traces);

  // What the chart shows now. Not to be kept: the next drawing changes it in place.
  const QImage& chart() const { return chart_; }

 private:
  QPixmap Paper();
  // The paper with the scale texts written on it, kept while neither changes: the texts
  // cost more to write than the lines to draw.
  const QImage& WrittenPaper(const std::array<ChartText, 11>& scale);

  PictureLoader& pictures_;
  std::string paper_;
  QSize paper_size_;
  QFont font_;
  QPixmap blank_;    // white paper while the file cannot be read, kept for a steady cacheKey
  QImage written_;   // 32-bit pixels, so that the lines are set straight into them
  qint64 written_paper_key_ = 0;
  std::array<ChartText, 11> written_scale_{};
  int written_version_ = 0;  // moves each time written_ is written afresh
  QImage chart_;             // the written paper and the lines of the last drawing
  int chart_version_ = -1;   // the written_ version chart_ was drawn on; -1: not on written_
  QList<QRect> drawn_;       // where chart_ differs from written_
  QList<QRect> runs_;        // reused, so a drawing allocates nothing for its lines
};

}  // namespace tessaro
