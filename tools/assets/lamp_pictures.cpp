// Push buttons and lamps of the operator screen. The off pictures match the ones the window
// shows before any file is loaded; the on pictures are lit versions of the same design.
#include <QRadialGradient>

#include "canvas.h"
#include "pictures.h"

namespace tessaro::assets {

namespace {

const QColor kLitGreen(110, 255, 110);
const QColor kLitTeal(80, 240, 220);
const QColor kLitAmber(255, 205, 0);
const QColor kDark(32, 32, 32);

// A raised edge for off, a sunken one for on, so a pressed button also looks pressed.
void DrawBevel(QPainter& painter, const QRect& rect, bool sunken) {
  const QColor light(255, 255, 255, 150), shade(0, 0, 0, 110);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(sunken ? shade : light);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(sunken ? light : shade);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
  painter.restore();
}

// A round lamp; lit lamps get a soft halo round them.
void DrawLampDisc(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                  bool lit) {
  painter.save();
  if (lit) {
    QRadialGradient halo(centre, radius * 1.7);
    halo.setColorAt(0, QColor(255, 255, 220, 230));
    halo.setColorAt(1, QColor(255, 255, 220, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius * 1.7, radius * 1.7);
  }
  painter.setPen(QPen(lit ? QColor(200, 140, 0) : QColor(0, 0, 0, 90), 1.5));
  painter.setBrush(colour);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

QImage PushButton(int n, bool on) {
  Canvas canvas(90, 40, on ? kLitGreen : colour::kGreen);
  QPainter& painter = canvas.painter();
  DrawLampDisc(painter, {20, 20}, 16, on ? QColor(255, 255, 120) : colour::kYellow, on);
  DrawFittedText(painter, QRectF(4, 4, 32, 32), "K", 20, true, colour::kMagenta);
  // "Aan" is wider than "Uit": the lit picture gives the word a little more room.
  const double word = on ? 51 : 54;
  DrawFittedText(painter, QRectF(word - 16, 0, 16, 40), QString::number(n), 20, true,
                 on ? kDark : colour::kYellow);
  DrawFittedText(painter, QRectF(word, 0, 88 - word, 40), on ? "Aan" : "Uit", 16, true, Qt::black);
  DrawBevel(painter, QRect(0, 0, 89, 39), on);
  return canvas.Finish();
}

QImage InputLamp(int n, bool high) {
  Canvas canvas(90, 40, high ? kLitTeal : colour::kTeal);
  QPainter& painter = canvas.painter();
  DrawLampDisc(painter, {18, 20}, 11, high ? QColor(255, 250, 90) : QColor(0, 90, 90), high);
  DrawFittedText(painter, QRectF(7, 9, 22, 22), QString::number(n), 13, true,
                 high ? kDark : QColor(150, 200, 200));
  DrawFittedText(painter, QRectF(32, 0, 56, 40), high ? "Hoog" : "Laag", 18, true, Qt::black);
  DrawBevel(painter, QRect(0, 0, 89, 39), true);
  return canvas.Finish();
}

QImage OutputLamp(int n, bool high) {
  Canvas canvas(108, 29, high ? kLitAmber : colour::kPaper);
  QPainter& painter = canvas.painter();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(high ? QColor(190, 90, 0) : Qt::black);
  painter.drawRect(0, 0, 107, 28);
  if (high) painter.drawRect(1, 1, 105, 26);
  painter.setRenderHint(QPainter::Antialiasing, true);
  DrawFittedText(painter, QRectF(2, 0, 104, 29),
                 QString("Digitaal %1 %2").arg(n).arg(high ? "hoog" : "laag"), 12, true,
                 high ? Qt::black : kDark);
  return canvas.Finish();
}

}  // namespace

std::vector<Picture> LampPictures() {
  std::vector<Picture> pictures;
  for (int n = 1; n <= 6; ++n) {
    pictures.push_back({"Teks", QString("Knop%1aan.bmp").arg(n), PushButton(n, true)});
    pictures.push_back({"Teks", QString("Knop%1uit.bmp").arg(n), PushButton(n, false)});
  }
  for (int n = 1; n <= 5; ++n) {
    pictures.push_back({"Teks", QString("Dig%1hoog.bmp").arg(n), InputLamp(n, true)});
    pictures.push_back({"Teks", QString("Dig%1laag.bmp").arg(n), InputLamp(n, false)});
  }
  for (int n = 1; n <= 6; ++n) {
    pictures.push_back({"Teks", QString("D%1uithoog.bmp").arg(n), OutputLamp(n, true)});
    pictures.push_back({"Teks", QString("D%1uitlaag.bmp").arg(n), OutputLamp(n, false)});
  }
  return pictures;
}

}  // namespace tessaro::assets
