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

  // The paper alone, as a chart window shows it before its first drawing.
  QPixmap Paper();

  // A fresh copy of the paper with the scale texts and then the traces, the last on top.
  QPixmap Paint(const std::array<ChartText, 11>& scale, std::initializer_list<ChartTrace> traces);

 private:
  // The paper with the scale texts written on it, kept while neither changes: the texts
  // cost more to write than the lines to draw.
  const QImage& WrittenPaper(const std::array<ChartText, 11>& scale);

  PictureLoader& pictures_;
  std::string paper_;
  QSize paper_size_;
  QFont font_;
  QImage written_;  // 32-bit pixels, so that the lines are set straight into them
  qint64 written_paper_key_ = 0;
  std::array<ChartText, 11> written_scale_{};
  QList<QRect> runs_;  // reused, so a drawing allocates nothing for its lines
};

}  // namespace tessaro
