// The window of recorder 1..8 (TForm7..TForm14): the paper chart of its last 480 samples,
// newest at the right, with the recorder's range beside it.
#pragma once

#include <QWidget>
#include <string>

#include "ui/control/chart_painter.h"

class QLabel;

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
  QLabel& chart() const { return *chart_; }

  // The recorder has taken a sample: the chart is drawn afresh, shown or not.
  void Sampled();
  // The caption: the recorder's name once placed.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowChart(const QPixmap& chart);

  ProcessImage& image_;
  const int n_;
  const bool fits_paper_;  // the picture takes the size of its paper
  ChartPainter painter_;
  QLabel* chart_ = nullptr;
};

}  // namespace tessaro
