#include "ui/control/chart_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <utility>

namespace tessaro {

ChartView::ChartView(PictureLoader& pictures, std::string paper, QSize paper_size,
                     bool fits_paper, QWidget* parent)
    : QWidget(parent), painter_(pictures, std::move(paper), paper_size), fits_paper_(fits_paper) {
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
  painter_.Paint(scale, traces);
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
  return painter_.chart().isNull() ? paper_.toImage() : painter_.chart();
}

QSize ChartView::ShownSize() const {
  return painter_.chart().isNull() ? paper_.size() : painter_.chart().size();
}

void ChartView::Shown() {
  if (fits_paper_ && size() != ShownSize()) resize(ShownSize());
  update();
}

void ChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Rectangle by rectangle: the bounding rectangle of a few changed bands can be the whole chart.
  for (const QRect& area : event->region()) {
    if (painter_.chart().isNull()) {
      painter.drawPixmap(area.topLeft(), paper_, area);
    } else {
      painter.drawImage(area.topLeft(), painter_.chart(), area);
    }
  }
  // Beyond a smaller picture the window's own background shows, as beside any picture.
  for (const QRect& rest : event->region().subtracted(QRect(QPoint(0, 0), ShownSize()))) {
    painter.fillRect(rest, palette().window());
  }
}

}  // namespace tessaro
