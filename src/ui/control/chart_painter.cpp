#include "ui/control/chart_painter.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "ui/core/fonts.h"
#include "ui/core/picture_loader.h"

namespace tessaro {

namespace {

constexpr int kScaleFontPixels = 11;

// Appends the runs of one pen to a drawing's runs, each clipped to the chart.
class RunWriter {
 public:
  // Runs are kept in 16 bits: a paper picture of more than 32767 pixels is drawn on only so far.
  RunWriter(std::vector<ChartRun>& runs, const QRect& bounds, const ChartPen& pen)
      : runs_(runs),
        bounds_(bounds & QRect(0, 0, std::numeric_limits<int16_t>::max(),
                               std::numeric_limits<int16_t>::max())),
        width_(pen.width),
        colour_(qRgb(pen.red, pen.green, pen.blue)) {}

  // The pixels from `from` to `to` (either way round) in column `x`.
  [[gnu::always_inline]] void Add(int x, int from, int to) {
    const int left = std::max(x - width_ / 2, bounds_.left());
    const int right = std::min(x - width_ / 2 + width_ - 1, bounds_.right());
    const int top = std::max(std::min(from, to) - width_ / 2, bounds_.top());
    const int bottom = std::min(std::max(from, to) - width_ / 2 + width_ - 1, bounds_.bottom());
    if (left <= right && top <= bottom) {
      runs_.push_back({static_cast<int16_t>(left), static_cast<int16_t>(right),
                       static_cast<int16_t>(top), static_cast<int16_t>(bottom), colour_});
    }
  }

 private:
  std::vector<ChartRun>& runs_;
  const QRect bounds_;
  const int width_;
  const QRgb colour_;
};

// A history line as the column runs a line drawing routine sets: each column between two
// points takes the part of the rise that passes over it, so neighbouring points share the rise
// half and half. A pen `width` pixels wide widens every run by that much. Only what falls
// within `bounds` is kept.
void AddRuns(const ChartTrace& trace, const QRect& bounds, std::vector<ChartRun>& runs) {
  const std::vector<ChartPoint>& points = trace.points;
  RunWriter run(runs, bounds, trace.pen);  // the runs keep their room from drawing to drawing
  if (points.size() == 1) run.Add(points[0].x, points[0].y, points[0].y);
  // A wide pen reaches this far beside its column.
  const int reach = trace.pen.width;
  for (size_t i = 1; i < points.size(); ++i) {
    const ChartPoint& a = points[i - 1];
    const ChartPoint& b = points[i];
    if (std::max(a.x, b.x) + reach < bounds.left() || std::min(a.x, b.x) - reach > bounds.right()) {
      continue;  // out of sight
    }
    const int columns = std::abs(b.x - a.x);
    if (columns == 0) {
      run.Add(a.x, a.y, b.y);
      continue;
    }
    const int step = b.x > a.x ? 1 : -1;
    const int rise = b.y - a.y;
    if (columns == 1) {  // one sample a column, as the charts draw: the rise shared in halves
      const int half = a.y + rise / 2;
      run.Add(a.x, a.y, half);
      run.Add(b.x, half, b.y);
      continue;
    }
    for (int k = 0; k <= columns; ++k) {
      // Column k covers the line from half a column before it to half a column after it.
      const int from = a.y + rise * std::max(0, 2 * k - 1) / (2 * columns);
      const int to = a.y + rise * std::min(2 * columns, 2 * k + 1) / (2 * columns);
      run.Add(a.x + k * step, from, to);
    }
  }
}

// The pixels of `image` (32 bits a pixel) as rows of `QRgb`.
struct Pixels {
  explicit Pixels(QImage& image)
      : bits(image.bits()), stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))) {}
  QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits) + y * stride; }
  uchar* bits;
  qsizetype stride;
};

}  // namespace

ChartPainter::ChartPainter(PictureLoader& pictures, std::string paper, QSize paper_size,
                           int ratio)
    : pictures_(pictures),
      ratio_(std::max(1, ratio)),
      paper_(std::move(paper)),
      paper_size_(paper_size),
      font_(TahomaFont(kScaleFontPixels)) {}

QPixmap ChartPainter::Paper() {
  if (ratio_ == 1) {
    QPixmap paper = pictures_.LoadSingle(paper_);
    if (!paper.isNull()) return paper;
  } else {
    QPixmap paper = pictures_.Load(paper_);
    if (!paper.isNull()) {
      if (paper.devicePixelRatio() != ratio_) {
        // No copy at this size: the paper's pixels enlarged, each a square of `ratio_`.
        const QSize size = paper.deviceIndependentSize().toSize() * ratio_;
        paper = paper.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        paper.setDevicePixelRatio(ratio_);
      }
      return paper;
    }
  }
  // Without its paper a chart starts on clean white, never on the lines of its last drawing.
  if (blank_.isNull()) {
    blank_ = QPixmap(paper_size_ * ratio_);
    blank_.setDevicePixelRatio(ratio_);
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
  chart_.setDevicePixelRatio(ratio_);
  drawn_.clear();
  texts_.clear();
  text_bounds_ = QRect();

  // Black text on an opaque white ground, written from its top left corner.
  QPainter painter(&chart_);
  painter.setFont(font_);
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QFontMetrics metrics = painter.fontMetrics();
  std::vector<QRect> areas;
  for (const ChartText& text : scale) {
    const QString shown = QString::fromStdString(text.text);
    painter.drawText(text.x, text.y + metrics.ascent(), shown);
    areas.push_back(QRect(text.x * ratio_, text.y * ratio_,
                          (metrics.horizontalAdvance(shown) + 1) * ratio_,
                          metrics.height() * ratio_) &
                    chart_.rect());
  }
  painter.end();
  // Taken once all are written, so that texts written over one another come back as shown.
  for (const QRect& area : areas) {
    if (area.isEmpty()) continue;
    texts_.push_back({area, chart_.copy(area)});
    text_bounds_ |= area;
  }
}

void ChartPainter::MarkChangedColumns() {
  uint8_t* const changed = changed_columns_.data();
  if (next_.size() == drawn_.size()) {
    std::fill(changed_columns_.begin(), changed_columns_.end(), kSame);
    size_t i = 0;
    for (; i < next_.size(); ++i) {
      const ChartRun& now = next_[i];
      const ChartRun& before = drawn_[i];
      if (now.left != before.left || now.right != before.right) break;  // lines of another shape
      if (now == before) continue;
      for (int x = now.left; x <= now.right; ++x) changed[x] = kRunsMoved;
    }
    if (i == next_.size()) return;
  }
  std::fill(changed_columns_.begin(), changed_columns_.end(), kRunsMoved);
}

void ChartPainter::RestoreChangedColumns() {
  const Pixels chart(chart_);
  const QRgb* const paper = reinterpret_cast<const QRgb*>(paper_pixels_.constBits());
  const uint8_t* const changed = changed_columns_.data();
  for (const ChartRun& run : drawn_) {
    bool restored = false;
    for (int x = run.left; x <= run.right; ++x) {
      if (changed[x] != kRunsMoved) continue;
      restored = true;
      QRgb* to = chart.Row(run.top) + x;
      const QRgb* from = paper + run.top * chart.stride + x;
      for (int y = run.top; y <= run.bottom; ++y, to += chart.stride, from += chart.stride) {
        *to = *from;
      }
    }
    if (!restored) continue;
    Reach(run);
    if (run.right < text_bounds_.left() || run.left > text_bounds_.right() ||
        run.bottom < text_bounds_.top() || run.top > text_bounds_.bottom()) {
      continue;
    }
    for (const WrittenText& text : texts_) {
      const QRect crossed =
          QRect(QPoint(run.left, run.top), QPoint(run.right, run.bottom)) & text.area;
      for (int x = crossed.left(); x <= crossed.right(); ++x) {
        if (changed[x] != kRunsMoved) continue;
        for (int y = crossed.top(); y <= crossed.bottom(); ++y) {
          chart.Row(y)[x] = reinterpret_cast<const QRgb*>(
              text.pixels.constScanLine(y - text.area.top()))[x - text.area.left()];
        }
      }
    }
  }
  // Columns left as they were while out of sight: all of the column comes back.
  for (int x = 0; x < chart_.width(); ++x) {
    if (changed[x] != kWholeColumn) continue;
    for (int y = 0; y < chart_.height(); ++y) chart.Row(y)[x] = paper[y * chart.stride + x];
    for (const WrittenText& text : texts_) {
      if (x < text.area.left() || x > text.area.right()) continue;
      for (int y = text.area.top(); y <= text.area.bottom(); ++y) {
        chart.Row(y)[x] = reinterpret_cast<const QRgb*>(
            text.pixels.constScanLine(y - text.area.top()))[x - text.area.left()];
      }
    }
    const auto column = static_cast<int16_t>(std::min<int>(x, std::numeric_limits<int16_t>::max()));
    Reach({column, column, 0,
           static_cast<int16_t>(
               std::min<int>(chart_.height() - 1, std::numeric_limits<int16_t>::max())),
           0});
  }
}

void ChartPainter::FillChangedColumns(const std::vector<ChartRun>& runs) {
  const Pixels chart(chart_);
  const uint8_t* const changed = changed_columns_.data();
  for (const ChartRun& run : runs) {
    bool filled = false;
    for (int x = run.left; x <= run.right; ++x) {
      if (changed[x] == kSame) continue;
      filled = true;
      QRgb* to = chart.Row(run.top) + x;
      for (int y = run.top; y <= run.bottom; ++y, to += chart.stride) *to = run.colour;
    }
    if (filled) Reach(run);
  }
}

const QImage& ChartPainter::Paint(const std::array<ChartText, 11>& scale,
                                  std::initializer_list<ChartTrace> traces, int shown_left,
                                  int shown_right) {
  const QPixmap paper = Paper();
  // The texts cost more to write than the lines to draw: they are written again only when
  // they or the paper changed.
  const bool fresh = chart_.isNull() || paper.cacheKey() != paper_key_ || scale != scale_;
  if (fresh) StartChart(paper, scale);
  if (ratio_ == 1) {
    PaintPixels({traces.begin(), traces.size()}, shown_left, shown_right);
    if (fresh) changed_ = chart_.rect();
    return chart_;
  }
  // Each point in the middle of the square of pixels it stands for, each pen as much wider.
  scaled_.resize(traces.size());
  std::vector<ChartTrace> scaled;
  scaled.reserve(traces.size());
  size_t i = 0;
  for (const ChartTrace& trace : traces) {
    std::vector<ChartPoint>& points = scaled_[i++];
    points.resize(trace.points.size());
    for (size_t p = 0; p < points.size(); ++p) {
      points[p] = {trace.points[p].x * ratio_ + ratio_ / 2, trace.points[p].y * ratio_ + ratio_ / 2};
    }
    ChartPen pen = trace.pen;
    pen.width *= ratio_;
    scaled.push_back({points, pen});
  }
  const int last = std::numeric_limits<int>::max() / ratio_ - 1;
  PaintPixels(scaled, shown_left * ratio_, std::min(shown_right, last) * ratio_ + ratio_ - 1);
  if (fresh) changed_pixels_ = chart_.rect();
  // In the paper's pixels: every band widened outwards to whole pixels of the paper.
  changed_ = QRegion();
  for (const QRect& band : changed_pixels_) {
    changed_ += QRect(QPoint(band.left() / ratio_, band.top() / ratio_),
                      QPoint(band.right() / ratio_, band.bottom() / ratio_));
  }
  return chart_;
}

void ChartPainter::PaintPixels(std::span<const ChartTrace> traces, int shown_left,
                               int shown_right) {
  // The lines are kept, so that columns left out now can be drawn when they come into sight.
  points_.resize(traces.size());
  pens_.clear();
  size_t i = 0;
  for (const ChartTrace& trace : traces) {
    points_[i++] = trace.points;
    pens_.push_back(trace.pen);
  }
  // Only the runs in sight are made: a narrow window shows a few columns of its chart.
  const QRect shown = chart_.rect() & QRect(QPoint(shown_left, 0),
                                            QPoint(std::max(shown_left - 1, shown_right),
                                                   chart_.height() - 1));
  next_.clear();
  for (const ChartTrace& trace : traces) AddRuns(trace, shown, next_);
  // A history moves by one column a drawing, so most columns of a steady line are drawn
  // exactly as before: only the columns where some run differs are put back and drawn again,
  // and only those in sight. The others wait, out of date, until they are shown.
  const auto width = static_cast<size_t>(chart_.width());
  changed_columns_.resize(width);
  stale_columns_.resize(width);
  MarkChangedColumns();
  for (size_t x = 0; x < width; ++x) {
    if (static_cast<int>(x) < shown.left() || static_cast<int>(x) > shown.right()) {
      stale_columns_[x] = 1;  // no runs were made for it, so whether it changed is unknown
      changed_columns_[x] = kSame;
    } else if (stale_columns_[x] != 0) {
      changed_columns_[x] = kWholeColumn;
      stale_columns_[x] = 0;
    }
  }
  reach_.assign((width + kBandColumns - 1) / kBandColumns, {chart_.height(), -1});
  RestoreChangedColumns();
  FillChangedColumns(next_);
  drawn_.swap(next_);
  // Neighbouring bands that reach alike are one rectangle: a region grows by a copy of itself
  // for every rectangle added.
  QRegion& changed = ratio_ == 1 ? changed_ : changed_pixels_;
  changed = QRegion();
  for (size_t band = 0; band < reach_.size();) {
    const auto [top, bottom] = reach_[band];
    size_t end = band + 1;
    while (end < reach_.size() && reach_[end] == reach_[band]) ++end;
    if (top <= bottom) {
      changed += QRect(static_cast<int>(band) * kBandColumns, top,
                       static_cast<int>(end - band) * kBandColumns, bottom - top + 1) &
                 chart_.rect();
    }
    band = end;
  }
}

void ChartPainter::Complete(int left, int right) {
  if (chart_.isNull()) return;
  if (ratio_ == 1) {
    CompletePixels(left, right);
    return;
  }
  const int last = std::numeric_limits<int>::max() / ratio_ - 1;
  CompletePixels(std::max(left, -1) * ratio_, std::min(right, last) * ratio_ + ratio_ - 1);
}

void ChartPainter::CompletePixels(int left, int right) {
  bool any = false;
  for (int x = 0; x < chart_.width(); ++x) {
    const bool wanted = x >= left && x <= right && stale_columns_[x] != 0;
    changed_columns_[x] = wanted ? kWholeColumn : kSame;
    if (wanted) stale_columns_[x] = 0;
    any = any || wanted;
  }
  if (!any) return;
  reach_.assign((static_cast<size_t>(chart_.width()) + kBandColumns - 1) / kBandColumns,
                {chart_.height(), -1});
  RestoreChangedColumns();
  next_.clear();
  for (size_t i = 0; i < points_.size(); ++i) {
    AddRuns({points_[i], pens_[i]}, chart_.rect(), next_);
  }
  FillChangedColumns(next_);
  // The runs of every column now, as the next drawing must find them where it puts the paper
  // back; in columns still out of date they are never used.
  drawn_.swap(next_);
}

}  // namespace tessaro
