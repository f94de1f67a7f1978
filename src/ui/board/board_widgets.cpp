#include "ui/board/board_widgets.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const QColor kFrame(60, 60, 60);
const QColor kSlot(45, 45, 45);
const QColor kDarkLamp(70, 70, 70);

}  // namespace

SlideSwitch::SlideSwitch(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setCursor(Qt::PointingHandCursor);
}

QSize SlideSwitch::sizeHint() const { return {26, 46}; }

void SlideSwitch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
  const bool high = isChecked();
  const QColor base = !isEnabled() ? QColor(150, 160, 185)
                      : high       ? QColor(250, 200, 40)
                                   : QColor(210, 210, 210);
  painter.setPen(QPen(kFrame, 1.5));
  painter.setBrush(base);
  painter.drawRoundedRect(body, 5, 5);
  // The slot and the knob, which stands at the top for high.
  const QRectF slot = body.adjusted(body.width() / 2 - 3, 6, -(body.width() / 2 - 3), -6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSlot);
  painter.drawRoundedRect(slot, 2, 2);
  const qreal knob_height = body.height() / 2 - 4;
  const QRectF knob(body.left() + 3, high ? body.top() + 3 : body.bottom() - 3 - knob_height,
                    body.width() - 6, knob_height);
  painter.setPen(QPen(kFrame, 1));
  painter.setBrush(QColor(245, 245, 245));
  painter.drawRoundedRect(knob, 3, 3);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }
}

BoardLamp::BoardLamp(QColor lit, QWidget* parent) : QWidget(parent), lit_(lit) {}

void BoardLamp::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
}

QSize BoardLamp::sizeHint() const { return {26, 26}; }

void BoardLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = std::min(width(), height()) - 4;
  const QRectF circle((width() - side) / 2, (height() - side) / 2, side, side);
  if (on_) {
    QRadialGradient glow(circle.center() - QPointF(side / 6, side / 6), side / 1.6);
    glow.setColorAt(0, lit_.lighter(170));
    glow.setColorAt(1, lit_);
    painter.setBrush(glow);
  } else {
    painter.setBrush(kDarkLamp);
  }
  painter.setPen(QPen(kFrame, 1.5));
  painter.drawEllipse(circle);
}

OutputBar::OutputBar(QWidget* parent) : QWidget(parent) {}

void OutputBar::SetValue(int value, const QString& text) {
  if (value == value_ && text == text_) return;
  value_ = value;
  text_ = text;
  update();
}

QSize OutputBar::sizeHint() const { return {220, 24}; }

void OutputBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(frame, QColor(250, 250, 250));
  const int filled = (frame.width() - 1) * value_ / 255;
  painter.fillRect(QRect(frame.left() + 1, frame.top() + 1, filled, frame.height() - 1),
                   QColor(70, 140, 215));
  painter.setPen(kFrame);
  painter.drawRect(frame);
  painter.setFont(TahomaFont(12, true));
  painter.setPen(Qt::black);
  painter.drawText(frame.adjusted(6, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, text_);
}

}  // namespace tessaro
