#include "ui/control/recorder_window.h"

#include "engine/control/instrument_title.h"
#include "engine/control/recorder.h"
#include "engine/core/process_image.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"

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
    : QWidget(nullptr, Qt::Dialog), image_(image), n_(n) {
  setObjectName(QString::fromLatin1(kDesigns[n - 1].name));
  setFont(TahomaFont(11));
  setFixedSize(kClientSize);

  chart_ = new ChartView(pictures, kRecorderPaper, kClientSize, kDesigns[n - 1].fits_paper, this);
  chart_->setObjectName(QStringLiteral("Image1"));
  chart_->setGeometry(QRect(QPoint(0, 0), kClientSize));
  chart_->ShowPaper();

  move(kDesigns[n - 1].position);
  Refresh();
}

void RecorderWindow::Sampled() {
  chart_stale_ = true;
  if (isVisible()) DrawStaleChart();
  Refresh();
}

void RecorderWindow::DrawStaleChart() {
  if (!chart_stale_) return;
  chart_stale_ = false;
  const auto slot = static_cast<size_t>(n_);
  const auto line = RecorderLine(image_.Recorder[slot]);
  chart_->Draw(
      RecorderScale(image_.RangeHigh[slot], image_.RangeLow[slot], image_.RangeUnit[slot]),
      {{line, kRecorderPen}});
}

void RecorderWindow::Refresh() {
  setWindowTitle(QString::fromStdString(
      Translated(InstrumentCaptionText(image_, n_, Word(RecorderStartCaption(n_))))));
}

void RecorderWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  DrawStaleChart();
}

}  // namespace tessaro
