#include "ui/control/recorder_window.h"

#include <QLabel>

#include "engine/control/instrument_title.h"
#include "engine/control/recorder.h"
#include "engine/core/process_image.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const QSize kClientSize(584, 308);

struct RecorderDesign {
  const char* name;
  QPoint position;
  bool fits_paper;
};

// Recorders 1..8.
constexpr RecorderDesign kDesigns[] = {
    {"TForm7", {998, 145}, true},   {"TForm8", {212, 379}, true},   {"TForm9", {358, 357}, false},
    {"TForm10", {198, 250}, false}, {"TForm11", {240, 403}, false}, {"TForm12", {192, 125}, true},
    {"TForm13", {402, 194}, true},  {"TForm14", {927, 517}, true}};

}  // namespace

RecorderWindow::RecorderWindow(ProcessImage& image, PictureLoader& pictures, int n)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint),
      image_(image),
      n_(n),
      fits_paper_(kDesigns[n - 1].fits_paper),
      painter_(pictures, kRecorderPaper, kClientSize) {
  setObjectName(QString::fromLatin1(kDesigns[n - 1].name));
  setFont(TahomaFont(11));
  setFixedSize(kClientSize);

  chart_ = new QLabel(this);
  chart_->setObjectName(QStringLiteral("Image1"));
  chart_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  chart_->setGeometry(QRect(QPoint(0, 0), kClientSize));
  ShowChart(painter_.Paper());

  move(kDesigns[n - 1].position);
  Refresh();
}

void RecorderWindow::Sampled() {
  const auto slot = static_cast<size_t>(n_);
  const auto line = RecorderLine(image_.Recorder[slot]);
  ShowChart(painter_.Paint(
      RecorderScale(image_.RangeHigh[slot], image_.RangeLow[slot], image_.RangeUnit[slot]),
      {{line, kRecorderPen}}));
  Refresh();
}

void RecorderWindow::Refresh() {
  setWindowTitle(QString::fromStdString(InstrumentCaption(image_, n_, RecorderStartCaption(n_))));
}

void RecorderWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

void RecorderWindow::ShowChart(const QPixmap& chart) {
  chart_->setPixmap(chart);
  if (fits_paper_ && chart_->size() != chart.size()) chart_->resize(chart.size());
}

}  // namespace tessaro
