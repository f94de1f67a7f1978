#include "ui/control/bar_scale.h"

#include <QPainter>

#include "ui/core/builtin_pictures.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

constexpr int kWidth = 145;
constexpr int kHeight = 249;
constexpr int kTop = 24;      // 100 %
constexpr int kBottom = 224;  // 0 %

const QColor kStrip(252, 252, 248);
const QColor kTick(90, 90, 90);
const QColor kGuide(214, 220, 228);
const QColor kFigures(130, 130, 130);

struct Column {
  int left;
  int width;
  const char* heading;
};

void DrawColumn(QPainter& painter, const Column& column) {
  painter.setFont(TahomaFont(11, true));
  painter.setPen(Qt::black);
  painter.drawText(QRect(column.left, 4, column.width, 16), Qt::AlignCenter,
                   QString::fromLatin1(column.heading));

  // The strip reaches half a tag beyond either end, so a tag at 0 or 100 % lies on it.
  const QRect strip(column.left, kTop - 6, column.width, kBottom - kTop + 13);
  painter.fillRect(strip, kStrip);
  painter.setPen(kTick);
  painter.drawRect(strip.adjusted(0, 0, -1, -1));

  painter.setFont(TahomaFont(9));
  for (int percent = 0; percent <= 100; percent += 5) {
    const int y = kBottom - 2 * percent;
    const bool major = percent % 25 == 0;
    if (percent % 10 == 0) {
      painter.setPen(kGuide);
      painter.drawLine(column.left + 1, y, column.left + column.width - 2, y);
    }
    painter.setPen(kTick);
    painter.drawLine(column.left, y, column.left + (major ? 7 : 3), y);
    if (major) {
      painter.setPen(kFigures);
      painter.drawText(QRect(column.left + 9, y - 6, column.width - 11, 12),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::number(percent));
    }
  }
}

}  // namespace

QPixmap BarScalePicture(BarColumns columns) {
  QPixmap picture = ScreenPicture(QSize(kWidth, kHeight));
  picture.fill(Qt::transparent);  // the window's own colour around the columns
  QPainter painter(&picture);
  if (columns == BarColumns::OutputSetpointProcess) DrawColumn(painter, {0, 41, "outp"});
  DrawColumn(painter, {44, 47, "SP"});
  DrawColumn(painter, {92, 52, "PV"});
  return picture;
}

}  // namespace tessaro
