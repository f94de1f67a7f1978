#include "icons.h"

#include <QPolygonF>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "canvas.h"

namespace tessaro::assets {

namespace {

// A point of `area` given as fractions of its width and height.
QPointF At(const QRectF& area, double fx, double fy) {
  return {area.left() + fx * area.width(), area.top() + fy * area.height()};
}

QPolygonF Line(const QRectF& area, std::initializer_list<QPointF> fractions) {
  QPolygonF line;
  for (QPointF f : fractions) line << At(area, f.x(), f.y());
  return line;
}

void Stroke(QPainter& painter, const QPolygonF& line, const QColor& colour, double width,
            Qt::PenStyle style = Qt::SolidLine) {
  painter.save();
  painter.setPen(QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(line);
  painter.restore();
}

// A centred part of `area`, `width` pixels wide.
QRectF Middle(const QRectF& area, double width) {
  return {area.center().x() - width / 2, area.top(), width, area.height()};
}

const QColor kDotted(100, 100, 100);

void DrawTrend(QPainter& painter, const QRectF& area) {
  const QRectF paper = Middle(area, 34).adjusted(0, -1, 0, 1);
  painter.save();
  painter.setPen(QPen(QColor(120, 160, 120), 1));
  painter.setBrush(QColor(255, 251, 228));
  painter.drawRect(paper);
  for (double f : {0.25, 0.5, 0.75}) painter.drawLine(At(paper, f, 0), At(paper, f, 1));
  painter.drawLine(At(paper, 0, 0.5), At(paper, 1, 0.5));
  painter.restore();
  Stroke(painter,
         Line(paper.adjusted(1, 2, -1, -2),
              {{0, 0.8}, {0.2, 0.6}, {0.35, 0.7}, {0.55, 0.2}, {0.7, 0.35}, {0.85, 0.1}, {1, 0.3}}),
         colour::kRed, 1.6);
}

// Controller icons: a symbol on the left, the controller's kind word beside it.
void DrawWithKind(QPainter& painter, const QRectF& area, const QString& kind, bool valve) {
  const QRectF symbol(area.left(), area.top(), 11, area.height());
  painter.save();
  if (valve) {
    // A valve body with its actuator stem.
    painter.setPen(QPen(colour::kInk, 1));
    painter.setBrush(QColor(250, 250, 250));
    const QRectF body = symbol.adjusted(0, 4, 0, 0);
    painter.drawPolygon(QPolygonF{At(body, 0, 0), At(body, 1, 1), At(body, 1, 0), At(body, 0, 1)});
    painter.drawLine(At(symbol, 0.5, 0.0), At(body, 0.5, 0.5));
    painter.setBrush(colour::kRed);
    painter.drawRect(QRectF(At(symbol, 0.2, 0), At(symbol, 0.8, 0.22)));
  } else {
    // A faceplate with its three bars: measured value, setpoint, output.
    painter.setPen(QPen(colour::kInk, 1));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(symbol.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::NoPen);
    const QColor bars[] = {QColor(255, 60, 60), QColor(80, 220, 80), QColor(90, 160, 255)};
    const double heights[] = {0.7, 0.5, 0.85};
    for (int i = 0; i < 3; ++i) {
      const double left = symbol.left() + 1.6 + i * 2.7;
      const double bottom = symbol.bottom() - 2;
      painter.setBrush(bars[i]);
      painter.drawRect(QRectF(left, bottom - heights[i] * (symbol.height() - 4), 2,
                              heights[i] * (symbol.height() - 4)));
    }
  }
  painter.restore();
  DrawFittedText(painter, area.adjusted(12, 0, 2, 0), kind, 10, kind.size() <= 4, colour::kHint);
}

}  // namespace

void DrawIcon(QPainter& painter, Icon icon, const QRectF& area, const QString& text) {
  const QRectF wave = Middle(area, 30).adjusted(0, 1, 0, -1);
  switch (icon) {
    case Icon::None:
    case Icon::Text:
      DrawFittedText(painter, area, text, 12, true, colour::kSignal);
      break;
    case Icon::Hysteresis: {
      const QRectF loop = Middle(area, 24).adjusted(0, 1, 0, -1);
      Stroke(painter, Line(loop, {{0, 1}, {0.65, 1}, {0.65, 0}}), colour::kInk, 1.5);
      Stroke(painter, Line(loop, {{0.35, 1}, {0.35, 0}, {1, 0}}), colour::kInk, 1.5);
      break;
    }
    case Icon::OnDelay:
      Stroke(painter, Line(wave, {{0.15, 1}, {0.15, 0}}), kDotted, 1, Qt::DashLine);
      Stroke(painter, Line(wave, {{0, 1}, {0.6, 1}, {0.6, 0}, {1, 0}}), colour::kRed, 1.8);
      break;
    case Icon::OffDelay:
      Stroke(painter, Line(wave, {{0.45, 1}, {0.45, 0}}), kDotted, 1, Qt::DashLine);
      Stroke(painter, Line(wave, {{0, 1}, {0.12, 1}, {0.12, 0}, {0.82, 0}, {0.82, 1}, {1, 1}}),
             colour::kRed, 1.8);
      break;
    case Icon::Contact: {
      const QRectF c = Middle(area, 32);
      Stroke(painter, Line(c, {{0, 0.9}, {0.3, 0.9}, {0.72, 0.1}}), colour::kInk, 1.6);
      Stroke(painter, Line(c, {{0.68, 0.55}, {0.68, 0.9}, {1, 0.9}}), colour::kInk, 1.6);
      // The spring that pulls the contact open again.
      Stroke(painter,
             Line(c, {{0.5, 0.5},
                      {0.55, 0.15},
                      {0.62, 0.45},
                      {0.7, 0.05},
                      {0.78, 0.35},
                      {0.86, 0.0},
                      {0.95, 0.25}}),
             colour::kRed, 1.2);
      break;
    }
    case Icon::SquareWave:
      Stroke(painter,
             Line(wave, {{0, 1},
                         {0.1, 1},
                         {0.1, 0},
                         {0.3, 0},
                         {0.3, 1},
                         {0.5, 1},
                         {0.5, 0},
                         {0.7, 0},
                         {0.7, 1},
                         {0.9, 1},
                         {0.9, 0},
                         {1, 0}}),
             colour::kRed, 1.8);
      break;
    case Icon::Root:
      Stroke(painter, Line(Middle(area, 26), {{0, 0.6}, {0.15, 0.5}, {0.35, 1}, {0.55, 0}, {1, 0}}),
             colour::kRed, 1.8);
      break;
    case Icon::RangeUp:
    case Icon::RangeDown: {
      const QRectF r = Middle(area, 30);
      Stroke(painter, Line(r, {{0, 0.05}, {1, 0.05}}), colour::kInk, 1.5);
      if (icon == Icon::RangeUp) {
        Stroke(painter, Line(r, {{0, 0.5}, {0.4, 0.5}, {0.6, 0.95}, {1, 0.95}}), colour::kRed, 1.8);
      } else {
        Stroke(painter, Line(r, {{0, 0.95}, {0.4, 0.95}, {0.6, 0.5}, {1, 0.5}}), colour::kRed, 1.8);
      }
      break;
    }
    case Icon::Trend:
      DrawTrend(painter, area);
      break;
    case Icon::Faceplate:
      DrawWithKind(painter, area, text, false);
      break;
    case Icon::ValveBar:
      DrawWithKind(painter, area, text, true);
      break;
    default:
      break;
  }
}

void DrawSpinSymbol(QPainter& painter, const QRectF& area) {
  const QRectF body = area.adjusted(0, 4, 0, -4);
  const double split = body.right() - 8;
  painter.save();
  painter.setPen(QPen(colour::kInk, 1.2));
  painter.setBrush(colour::kPaper);
  painter.drawRect(body);
  painter.drawLine(QPointF(split, body.top()), QPointF(split, body.bottom()));
  painter.drawLine(QPointF(split, body.center().y()), QPointF(body.right(), body.center().y()));
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour::kInk);
  const double cx = (split + body.right()) / 2;
  const double top = body.top(), mid = body.center().y(), bottom = body.bottom();
  painter.drawPolygon(QPolygonF{{cx, top + 2}, {cx - 2.5, mid - 2}, {cx + 2.5, mid - 2}});
  painter.drawPolygon(QPolygonF{{cx, bottom - 2}, {cx - 2.5, mid + 2}, {cx + 2.5, mid + 2}});
  painter.restore();
  DrawFittedText(painter, QRectF(body.left(), body.top(), split - body.left(), body.height()), "#",
                 10, true, colour::kInk);
}

void DrawPushButtonSymbol(QPainter& painter, const QRectF& area, const QString& number) {
  painter.save();
  painter.setPen(QPen(QColor(190, 140, 0), 2));
  painter.setBrush(colour::kYellow);
  painter.drawEllipse(area.center(), 10.5, 10.5);
  painter.restore();
  DrawFittedText(painter, area, number, 14, true, colour::kMagenta.darker(130));
}

void DrawSineSymbol(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setPen(QPen(QColor(170, 170, 170), 1));
  painter.drawLine(QPointF(area.left(), area.center().y()),
                   QPointF(area.right(), area.center().y()));
  painter.restore();
  QPolygonF sine;
  for (int i = 0; i <= 24; ++i) {
    const double f = i / 24.0;
    sine << QPointF(area.left() + f * area.width(),
                    area.center().y() - 9 * std::sin(2 * std::numbers::pi * f));
  }
  Stroke(painter, sine, colour::kRed, 2);
}

void DrawTerminal(QPainter& painter, QPointF centre, const QColor& fill) {
  painter.save();
  painter.setPen(QPen(colour::kInk, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(centre, 9, 9);
  painter.setBrush(fill.lighter(115));
  painter.drawEllipse(centre, 5, 5);
  painter.drawLine(centre + QPointF(-3.5, 3.5), centre + QPointF(3.5, -3.5));
  painter.restore();
}

}  // namespace tessaro::assets
