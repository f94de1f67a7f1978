#include "ui/core/builtin_pictures.h"

#include <QGuiApplication>
#include <QPainter>

#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const QColor kTeal(0, 128, 128);
const QColor kGreen(0, 150, 0);
const QColor kYellow(255, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kDark(32, 32, 32);

QPixmap Field(int width, int height, const QColor& colour, qreal ratio) {
  QPixmap picture = ScreenPicture(QSize(width, height), ratio);
  picture.fill(colour);
  return picture;
}

QRect Whole(const QPixmap& picture) {
  return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

void Text(QPainter& painter, const QRect& box, const QString& text, const QColor& colour,
          int pixels) {
  painter.setFont(TahomaFont(pixels, true));
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QPixmap ScreenPicture(QSize size, qreal ratio) {
  if (ratio <= 0) ratio = qApp->devicePixelRatio();
  if (ratio <= 1) return QPixmap(size);
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QPixmap InputLampOffPicture(qreal ratio) {
  QPixmap picture = Field(90, 40, kTeal, ratio);
  QPainter painter(&picture);
  Text(painter, Whole(picture), QStringLiteral("Laag"), Qt::black, 18);
  return picture;
}

QPixmap PushButtonOffPicture(int n, qreal ratio) {
  QPixmap picture = Field(90, 40, kGreen, ratio);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect disc(4, 4, 32, 32);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kYellow);
  painter.drawEllipse(disc);
  Text(painter, disc, QStringLiteral("K"), kMagenta, 20);
  Text(painter, QRect(38, 0, 16, 40), QString::number(n), kYellow, 20);
  Text(painter, QRect(54, 0, 34, 40), QStringLiteral("Uit"), Qt::black, 16);
  return picture;
}

QPixmap OutputLampOffPicture(int n, qreal ratio) {
  QPixmap picture = Field(108, 29, Qt::white, ratio);
  QPainter painter(&picture);
  painter.drawRect(Whole(picture).adjusted(0, 0, -1, -1));
  Text(painter, Whole(picture), QStringLiteral("Digitaal %1 laag").arg(n), kDark, 12);
  return picture;
}

}  // namespace tessaro
