// The picture control of a trend or recorder chart. It shows its painter's chart as drawn in
// place, so a drawing costs no copy of the paper, and a narrow window draws and repaints only
// the few columns of the chart it shows.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <string>

#include "ui/control/chart_painter.h"

namespace tessaro {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  // With `fits_paper` the control takes the size of its paper picture at each drawing.
  ChartView(PictureLoader& pictures, std::string paper, QSize paper_size, bool fits_paper,
            QWidget* parent);

  // The paper alone, as before the first drawing.
  void ShowPaper();
  void Draw(const std::array<ChartText, 11>& scale, std::initializer_list<ChartTrace> traces);

  // What the control shows now.
  QImage chart() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Shown();

  QSize ShownSize() const;

  // Mutable: what the control shows is its last drawing, some columns of which may still
  // wait to be brought up to it.
  mutable ChartPainter painter_;
  QPixmap paper_;  // shown until the first drawing; a blank chart costs no picture of its own
  const bool fits_paper_;
};

}  // namespace tessaro
