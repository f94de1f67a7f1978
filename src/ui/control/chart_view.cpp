#include "ui/control/chart_view.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tessaro {

namespace {

// Whole pixels of the chart for every pixel of the window: a dense screen's ratio, rounded up.
int ChartRatio() {
  return std::max(1, static_cast<int>(std::ceil(qApp->devicePixelRatio() - 0.01)));
}

}  // namespace

ChartView::ChartView(PictureLoader& pictures, std::string paper, QSize paper_size,
                     bool fits_paper, QWidget* parent)
    : QWidget(parent),
      painter_(pictures, std::move(paper), paper_size, ChartRatio()),
      fits_paper_(fits_paper) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  ShowPaper();
}

void ChartView::ShowPaper() {
  paper_ = painter_.ShowPaper();
  Shown();
}

void ChartView::Draw(const std::array<ChartText, 11>& scale,
                     std::initializer_list<ChartTrace> traces) {
  const bool showed_paper = painter_.chart().isNull();
  // A narrow window shows a few columns of its chart; only those are drawn now.
  const QRect seen = visibleRegion().boundingRect();
  painter_.Paint(scale, traces, seen.left(), seen.isEmpty() ? -1 : seen.right());
  paper_ = QPixmap();
  if (fits_paper_ && size() != ShownSize()) resize(ShownSize());
  // Only the columns the lines moved in are shown again.
  if (showed_paper) {
    update();
  } else {
    update(painter_.changed());
  }
}

QImage ChartView::chart() const {
  painter_.Complete();
  return painter_.chart().isNull() ? paper_.toImage() : painter_.chart();
}

QSize ChartView::ShownSize() const {
  const QSize pixels = painter_.chart().isNull() ? paper_.size() : painter_.chart().size();
  return pixels / painter_.ratio();
}

void ChartView::Shown() {
  if (fits_paper_ && size() != ShownSize()) resize(ShownSize());
  update();
}

void ChartView::paintEvent(QPaintEvent* event) {
  // Columns coming into sight are brought up to the last drawing first.
  const QRect exposed = event->region().boundingRect();
  painter_.Complete(exposed.left(), exposed.right());
  QPainter painter(this);
  // Rectangle by rectangle: the bounding rectangle of a few changed bands can be the whole
  // chart. The paint engine hands a copy of more than about 96 rows to helper threads, whose
  // wake-ups cost more than copying a chart's rows, so each is copied in slices below that.
  constexpr int kSliceRows = 64;
  for (const QRect& area : event->region()) {
    for (int top = area.top(); top <= area.bottom(); top += kSliceRows) {
      const QRect slice(area.left(), top, area.width(),
                        std::min(kSliceRows, area.bottom() - top + 1));
      const int ratio = painter_.ratio();
      if (ratio != 1) {
        // The chart's own pixels under the slice, at the screen's density.
        const QRect pixels(slice.topLeft() * ratio, slice.size() * ratio);
        if (painter_.chart().isNull()) {
          painter.drawPixmap(slice, paper_, pixels);
        } else {
          painter.drawImage(slice, painter_.chart(), pixels);
        }
      } else if (painter_.chart().isNull()) {
        painter.drawPixmap(slice.topLeft(), paper_, slice);
      } else {
        painter.drawImage(slice.topLeft(), painter_.chart(), slice);
      }
    }
  }
  // Beyond a smaller picture the window's own background shows, as beside any picture.
  for (const QRect& rest : event->region().subtracted(QRect(QPoint(0, 0), ShownSize()))) {
    painter.fillRect(rest, palette().window());
  }
}

}  // namespace tessaro
