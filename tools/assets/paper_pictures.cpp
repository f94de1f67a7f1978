// Chart papers. The program draws its trend lines and scale texts onto these pictures at fixed
// pixel positions, so every grid line sits exactly where those positions expect it.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace tessaro::assets {

namespace {

const QColor kChart(250, 253, 244);
const QColor kFine(200, 226, 200);
const QColor kBold(110, 170, 110);

struct PaperLayout {
  int width, height;
  int right;         // x of the newest sample; the chart runs from x = 0 to here
  int top, bottom;   // y of 100 % and of 0 %
  double row_step;   // pixels between horizontal lines (10 % of the range)
  int column_step;   // pixels between vertical lines, counted from the right edge
  int mark_step;     // pixels between labelled time marks, counted from the right edge
  int mark_minutes;  // minutes per time mark
};

void Line(QPainter& painter, const QColor& colour, int x1, int y1, int x2, int y2) {
  painter.setPen(colour);
  painter.drawLine(x1, y1, x2, y2);
}

QImage Paper(const PaperLayout& p) {
  // The margins stay white: the scale texts are written there in the window's own colours.
  Canvas canvas(p.width, p.height, colour::kPaper);
  QPainter& painter = canvas.painter();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(0, p.top, p.right + 1, p.bottom - p.top + 1, kChart);

  for (int x = p.right; x >= 0; x -= p.column_step) Line(painter, kFine, x, p.top, x, p.bottom);
  for (int k = 0; k <= 10; ++k) {
    const int y = static_cast<int>(std::lround(p.bottom - k * p.row_step));
    Line(painter, k == 5 ? kBold : kFine, 0, y, p.right, y);
  }
  // Time marks: heavier lines with the age in minutes underneath.
  for (int k = 1; p.right - k * p.mark_step > 0; ++k) {
    const int x = p.right - k * p.mark_step;
    Line(painter, kBold, x, p.top, x, p.bottom);
    DrawFittedText(painter, QRectF(x - 15, p.bottom + 2, 30, 14),
                   QString::number(k * p.mark_minutes), 11, false, colour::kInk);
  }
  // The chart's frame, the right edge marking "now".
  Line(painter, kBold, 0, p.top, p.right, p.top);
  Line(painter, kBold, 0, p.bottom, p.right, p.bottom);
  Line(painter, kBold, 0, p.top, 0, p.bottom);
  Line(painter, colour::kInk, p.right, p.top, p.right, p.bottom);
  DrawFittedText(painter, QRectF(p.right - 24, p.bottom + 2, 22, 14), "min", 10, false,
                 colour::kHint);
  return canvas.Finish();
}

}  // namespace

std::vector<Picture> PaperPictures() {
  // Faceplate trend: one pixel per second, 400 s wide, 0 % at y = 213 and 100 % at y = 13.
  const PaperLayout trend{460, 240, 400, 13, 213, 20, 20, 60, 1};
  // Recorder: one pixel per 4 s sample, 480 samples, byte 255 at y = 25 and 0 at y = 280.
  const PaperLayout recorder{584, 308, 480, 25, 280, 25.5, 30, 60, 4};
  return {{"Velden", "papier.bmp", Paper(trend)}, {"Velden", "Papier40.bmp", Paper(recorder)}};
}

}  // namespace tessaro::assets
