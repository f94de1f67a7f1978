#include "canvas.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <QStringList>

namespace tessaro::assets {

namespace {

constexpr double kWireWidth = 5;
constexpr double kStubWidth = 3;

QPointF Direction(Side side) {
  switch (side) {
    case Side::Left:
      return {-1, 0};
    case Side::Top:
      return {0, -1};
    case Side::Right:
      return {1, 0};
    case Side::Bottom:
      return {0, 1};
  }
  return {};
}

// Where the line through the field's centre towards `side` meets the box.
QPointF BoxEdge(const QRectF& box, Side side) {
  switch (side) {
    case Side::Left:
      return {box.left(), kMid};
    case Side::Top:
      return {kMid, box.top()};
    case Side::Right:
      return {box.right(), kMid};
    case Side::Bottom:
      return {kMid, box.bottom()};
  }
  return {};
}

QPen SignalPen(double width) {
  return QPen(colour::kSignal, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

}  // namespace

namespace {
int drawing_scale = 1;
}  // namespace

void SetDrawingScale(int scale) { drawing_scale = scale; }
int DrawingScale() { return drawing_scale; }

Canvas::Canvas(int width, int height, const QColor& fill)
    : image_(width * drawing_scale, height * drawing_scale, QImage::Format_RGB32), painter_() {
  image_.fill(fill);
  painter_.begin(&image_);
  painter_.scale(drawing_scale, drawing_scale);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
}

QImage Canvas::Finish() {
  painter_.end();
  return image_;
}

QFont SansFont(double pixels, bool bold) {
  QFont font;
  // DejaVu Sans ships with every build machine; Tahoma and Verdana are the window's own faces.
  font.setFamilies(
      {QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma"), QStringLiteral("Verdana")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  return font;
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, double pixels,
                    bool bold, const QColor& colour) {
  QFont font = SansFont(pixels, bold);
  while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.restore();
}

QPointF EdgeMiddle(Side side) {
  switch (side) {
    case Side::Left:
      return {0, kMid};
    case Side::Top:
      return {kMid, 0};
    case Side::Right:
      return {kFieldSize, kMid};
    case Side::Bottom:
      return {kMid, kFieldSize};
  }
  return {};
}

void DrawFieldFrame(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(colour::kFrame);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, kFieldSize - 1, kFieldSize - 1);
  painter.restore();
}

void DrawArrowHead(QPainter& painter, QPointF tip, Side side, double length, double half_width) {
  const QPointF d = Direction(side);
  const QPointF across(-d.y(), d.x());
  const QPointF base = tip - d * length;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour::kSignal);
  painter.drawPolygon(QPolygonF{tip, base + across * half_width, base - across * half_width});
  painter.restore();
}

void DrawWire(QPainter& painter, Side from, const std::vector<Side>& to) {
  constexpr double kHead = 11;
  const QPointF centre(kMid, kMid);
  painter.save();
  painter.setPen(SignalPen(kWireWidth));
  painter.drawLine(EdgeMiddle(from), centre);
  for (Side exit : to) {
    // Stop the line a little inside the head so its flat end never shows past the point.
    painter.drawLine(centre, EdgeMiddle(exit) - Direction(exit) * (kHead - 2));
    DrawArrowHead(painter, EdgeMiddle(exit), exit, kHead, 7);
  }
  // Fill the corner where segments meet; branches get a visible junction dot.
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour::kSignal);
  const double half = to.size() > 1 ? 5 : kWireWidth / 2;
  if (to.size() > 1) {
    painter.drawEllipse(centre, half, half);
  } else {
    painter.drawRect(QRectF(centre - QPointF(half, half), centre + QPointF(half, half)));
  }
  painter.restore();
}

void DrawBlockBox(QPainter& painter, const QRectF& box, const QColor& fill) {
  painter.save();
  painter.setPen(QPen(colour::kBoxEdge, 1.5));
  painter.setBrush(fill);
  painter.drawRoundedRect(box, 3, 3);
  painter.restore();
}

void DrawInputStub(QPainter& painter, Side side, const QRectF& box) {
  constexpr double kHead = 6;
  const QPointF tip = BoxEdge(box, side);
  // The arrow points into the box, that is away from `side`.
  const QPointF inward = -Direction(side);
  painter.save();
  painter.setPen(SignalPen(kStubWidth));
  painter.drawLine(EdgeMiddle(side), tip - inward * (kHead - 1));
  painter.restore();
  const Side pointing = side == Side::Left    ? Side::Right
                        : side == Side::Right ? Side::Left
                        : side == Side::Top   ? Side::Bottom
                                              : Side::Top;
  DrawArrowHead(painter, tip, pointing, kHead, 4.5);
}

void DrawOutputArrow(QPainter& painter, Side side, const QRectF& box, bool negated) {
  const QPointF d = Direction(side);
  const QPointF tip = EdgeMiddle(side);
  if (negated) {
    // Little room between box and edge: the inversion circle sits on the box and a short head
    // follows it directly.
    constexpr double kCircle = 3.5;
    painter.save();
    painter.setPen(QPen(colour::kBoxEdge, 1.5));
    painter.setBrush(colour::kPaper);
    painter.drawEllipse(BoxEdge(box, side) + d * kCircle, kCircle, kCircle);
    painter.restore();
    DrawArrowHead(painter, tip, side, 5, 5.5);
    return;
  }
  constexpr double kHead = 8;
  painter.save();
  painter.setPen(SignalPen(kStubWidth));
  painter.drawLine(BoxEdge(box, side), tip - d * (kHead - 1));
  painter.restore();
  DrawArrowHead(painter, tip, side, kHead, 5.5);
}

void DrawPinName(QPainter& painter, QPointF centre, const QString& name) {
  DrawFittedText(painter, QRectF(centre - QPointF(8, 6), centre + QPointF(8, 6)), name, 10, true,
                 colour::kSignal);
}

}  // namespace tessaro::assets
