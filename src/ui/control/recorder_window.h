// The window of recorder 1..8 (TForm7..TForm14): the paper chart of its last 480 samples,
// newest at the right, with the recorder's range beside it.
#pragma once

#include <QWidget>
#include <string>

#include "ui/control/chart_view.h"

namespace tessaro {

class PictureLoader;
struct ProcessImage;

class RecorderWindow : public QWidget {
  Q_OBJECT

 public:
  // n = 1..8.
  RecorderWindow(ProcessImage& image, PictureLoader& pictures, int n);

  int recorder() const { return n_; }
  // The paper picture, Image1.
  ChartView& chart() const { return *chart_; }

  // The recorder has taken a sample: the chart is drawn afresh while the window is shown,
  // else when it is shown next, with the whole history.
  void Sampled();
  // The caption: the recorder's name once placed.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DrawStaleChart();

  ProcessImage& image_;
  const int n_;
  ChartView* chart_ = nullptr;
  bool chart_stale_ = false;  // samples were taken since the chart was last drawn
};

}  // namespace tessaro
