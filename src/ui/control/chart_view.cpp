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
  painter_.ShowPaper();
  Shown();
}

void ChartView::Draw(const std::array<ChartText, 11>& scale,
                     std::initializer_list<ChartTrace> traces) {
  painter_.Paint(scale, traces);
  Shown();
}

void ChartView::Shown() {
  if (fits_paper_ && size() != chart().size()) resize(chart().size());
  update();
}

void ChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), chart(), area);
  // Beyond a smaller picture the window's own background shows, as beside any picture.
  for (const QRect& rest : QRegion(area).subtracted(chart().rect())) {
    painter.fillRect(rest, palette().window());
  }
}

}  // namespace tessaro
