#include "ui/control/chart_painter.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "ui/core/fonts.h"
#include "ui/core/picture_loader.h"

namespace tessaro {

namespace {

constexpr int kScaleFontPixels = 11;

// A history line as the column runs a line drawing routine sets: each column between two
// points takes the part of the rise that passes over it, so neighbouring points share the rise
// half and half. A pen `width` pixels wide widens every run by that much.
void AddRuns(const std::vector<ChartPoint>& points, int width, QList<QRect>& runs) {
  const auto run = [&](int x, int from, int to) {
    runs.append(
        QRect(x - width / 2, std::min(from, to) - width / 2, width, std::abs(to - from) + width));
  };
  if (points.size() == 1) run(points[0].x, points[0].y, points[0].y);
  for (size_t i = 1; i < points.size(); ++i) {
    const ChartPoint& a = points[i - 1];
    const ChartPoint& b = points[i];
    const int columns = std::abs(b.x - a.x);
    if (columns == 0) {
      run(a.x, a.y, b.y);
      continue;
    }
    const int step = b.x > a.x ? 1 : -1;
    const int rise = b.y - a.y;
    for (int k = 0; k <= columns; ++k) {
      // Column k covers the line from half a column before it to half a column after it.
      const int from = a.y + rise * std::max(0, 2 * k - 1) / (2 * columns);
      const int to = a.y + rise * std::min(2 * columns, 2 * k + 1) / (2 * columns);
      run(a.x + k * step, from, to);
    }
  }
}

// Sets the pixels of `runs` within `image` (32 bits a pixel) to `colour`. A line is a few
// hundred short runs, which plain stores set far faster than a paint engine fills them.
void Fill(QImage& image, const QList<QRect>& runs, QRgb colour) {
  const QRect bounds = image.rect();
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const QRect& run : runs) {
    const QRect shown = run & bounds;
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
      std::fill(line + shown.left(), line + shown.right() + 1, colour);
    }
  }
}


// Puts the pixels of `runs` back from `from` into `image` (both 32 bits a pixel, same size).
void Restore(QImage& image, const QImage& from, const QList<QRect>& runs) {
  const QRect bounds = image.rect();
  uchar* const bits = image.bits();
  const uchar* const source = from.constBits();
  const qsizetype stride = image.bytesPerLine();
  for (const QRect& run : runs) {
    const QRect shown = run & bounds;
    const auto bytes = static_cast<size_t>(shown.width()) * sizeof(QRgb);
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
      const qsizetype offset = y * stride + shown.left() * static_cast<qsizetype>(sizeof(QRgb));
      std::memcpy(bits + offset, source + offset, bytes);
    }
  }
}

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
  if (blank_.isNull()) {
    blank_ = QPixmap(paper_size_);
    blank_.fill(Qt::white);
  }
  return blank_;
}

QPixmap ChartPainter::ShowPaper() {
  chart_ = QImage();
  drawn_.clear();
  return Paper();
}

void ChartPainter::StartChart(const QPixmap& paper, const std::array<ChartText, 11>& scale) {
  // The paper's own pixels, shared with the loader's picture: the chart is drawn on a copy.
  paper_pixels_ = paper.toImage().convertToFormat(QImage::Format_RGB32);
  paper_key_ = paper.cacheKey();
  scale_ = scale;
  chart_ = paper_pixels_.copy();
  drawn_.clear();

  // Black text on an opaque white ground, written from its top left corner.
  QPainter painter(&chart_);
  painter.setFont(font_);
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QFontMetrics metrics = painter.fontMetrics();
  text_area_ = QRegion();
  for (const ChartText& text : scale) {
    const QString shown = QString::fromStdString(text.text);
    painter.drawText(text.x, text.y + metrics.ascent(), shown);
    text_area_ += QRect(text.x, text.y, metrics.horizontalAdvance(shown) + 1, metrics.height());
  }
}

const QImage& ChartPainter::Paint(const std::array<ChartText, 11>& scale,
                                  std::initializer_list<ChartTrace> traces) {
  const QPixmap paper = Paper();
  // The texts cost more to write than the lines to draw: they are written again only when
  // they or the paper changed, or when a line crossed them.
  const bool lines_crossed_texts =
      std::any_of(drawn_.begin(), drawn_.end(), [&](const QRect& run) {
        return text_area_.intersects(run);
      });
  if (chart_.isNull() || paper.cacheKey() != paper_key_ || scale != scale_ ||
      lines_crossed_texts) {
    StartChart(paper, scale);
  } else {
    Restore(chart_, paper_pixels_, drawn_);
  }
  drawn_.clear();
  for (const ChartTrace& trace : traces) {
    runs_.clear();
    AddRuns(trace.points, trace.pen.width, runs_);
    Fill(chart_, runs_, qRgb(trace.pen.red, trace.pen.green, trace.pen.blue));
    drawn_.append(runs_);
  }
  return chart_;
}

}  // namespace tessaro
