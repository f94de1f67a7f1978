#include "ui/control/chart_painter.h"

#include <QPainter>
#include <QPen>
#include <utility>

#include "ui/core/fonts.h"
#include "ui/core/picture_loader.h"

namespace tessaro {

namespace {

constexpr int kScaleFontPixels = 11;

}  // namespace

ChartPainter::ChartPainter(PictureLoader& pictures, std::string paper, QSize paper_size)
    : pictures_(pictures),
      paper_(std::move(paper)),
      paper_size_(paper_size),
      font_(TahomaFont(kScaleFontPixels)) {}

QPixmap ChartPainter::Paper() {
  QPixmap paper = pictures_.Load(paper_);
  if (!paper.isNull()) return paper;
  // Without its paper a chart starts on clean white, never on the lines of its last drawing.
  QPixmap blank(paper_size_);
  blank.fill(Qt::white);
  return blank;
}

const QPixmap& ChartPainter::WrittenPaper(const std::array<ChartText, 11>& scale) {
  const QPixmap paper = Paper();
  if (!written_.isNull() && paper.cacheKey() == written_paper_key_ && scale == written_scale_) {
    return written_;
  }
  written_ = paper;
  written_paper_key_ = paper.cacheKey();
  written_scale_ = scale;

  // Black text on an opaque white ground, written from its top left corner.
  QPainter painter(&written_);
  painter.setFont(font_);
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const int ascent = painter.fontMetrics().ascent();
  for (const ChartText& text : scale) {
    painter.drawText(text.x, text.y + ascent, QString::fromStdString(text.text));
  }
  return written_;
}

QPixmap ChartPainter::Paint(const std::array<ChartText, 11>& scale,
                            std::initializer_list<ChartTrace> traces) {
  QPixmap chart = WrittenPaper(scale);
  QPainter painter(&chart);
  for (const ChartTrace& trace : traces) {
    // Separate segments with square caps: the raster engine draws those directly, where a
    // wide polyline goes through the path stroker and costs ten times as much. The caps close
    // the joints.
    segments_.clear();
    for (size_t i = 1; i < trace.points.size(); ++i) {
      const ChartPoint& from = trace.points[i - 1];
      const ChartPoint& to = trace.points[i];
      segments_.append(QLine(from.x, from.y, to.x, to.y));
    }
    painter.setPen(QPen(QColor(trace.pen.red, trace.pen.green, trace.pen.blue), trace.pen.width,
                        Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLines(segments_);
  }
  return chart;
}

}  // namespace tessaro
