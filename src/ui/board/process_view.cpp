#include "ui/board/process_view.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "engine/board/lab.h"
#include "engine/board/plant_models.h"
#include "engine/core/numbers.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPipe(200, 206, 214);
const QColor kWater(70, 140, 215);
const QColor kActive(235, 70, 40);
const QColor kIdle(150, 150, 150);

QString Number(double value, int decimals) { return QLocale().toString(value, 'f', decimals); }

// The share 0..1 of `value` between `low` and `high`.
double Share(double value, double low, double high) {
  return std::clamp((value - low) / (high - low), 0.0, 1.0);
}

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                          a.greenF() + (b.greenF() - a.greenF()) * share,
                          a.blueF() + (b.blueF() - a.blueF()) * share);
}

void Caption(QPainter& painter, const QRectF& box, const QString& text, bool bold = false,
             int flags = Qt::AlignLeft | Qt::AlignVCenter) {
  painter.setFont(TahomaFont(12, bold));
  painter.setPen(kInk);
  painter.drawText(box, flags, text);
}

void Pipe(QPainter& painter, const QPolygonF& line) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kInk, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPolyline(line);
  painter.setPen(QPen(kPipe, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPolyline(line);
}

// A valve symbol, two triangles meeting at `centre`, filled by its opening 0..1.
void ValveSymbol(QPainter& painter, QPointF centre, double opening, bool vertical = false) {
  const qreal s = 11;
  QPolygonF left, right;
  if (vertical) {
    left << centre << centre + QPointF(-s, -s) << centre + QPointF(s, -s);
    right << centre << centre + QPointF(-s, s) << centre + QPointF(s, s);
  } else {
    left << centre << centre + QPointF(-s, -s) << centre + QPointF(-s, s);
    right << centre << centre + QPointF(s, -s) << centre + QPointF(s, s);
  }
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(Mix(Qt::white, kWater, opening));
  painter.drawPolygon(left);
  painter.drawPolygon(right);
}

// A vessel with its water up to `level` percent, the level written in its upper half.
void Vessel(QPainter& painter, const QRectF& box, double level) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  const double height = Share(level, 0, 100) * box.height();
  painter.setBrush(kWater);
  painter.drawRect(QRectF(box.left(), box.bottom() - height, box.width(), height));
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  Caption(painter, box.adjusted(0, 0, 0, -box.height() / 2),
          QStringLiteral("%1 %").arg(Number(level, 1)), true, Qt::AlignCenter);
}

void Arrow(QPainter& painter, QPointF tip, bool up, bool lit) {
  QPolygonF head;
  const qreal d = up ? 1 : -1;
  head << tip << tip + QPointF(-8, 10 * d) << tip + QPointF(-3, 10 * d) << tip + QPointF(-3, 20 * d)
       << tip + QPointF(3, 20 * d) << tip + QPointF(3, 10 * d) << tip + QPointF(8, 10 * d);
  painter.setPen(QPen(kInk, 1));
  painter.setBrush(lit ? kActive : QColor(225, 225, 225));
  painter.drawPolygon(head);
}

// A thermometer at the right of the picture over `low`..`high` °C, with a mark every `step`
// degrees from `first`, and the temperature written under it.
void Thermometer(QPainter& painter, double temperature, double low, double high, int first,
                 int step) {
  const QRectF tube(250, 30, 16, 140);
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(tube, 8, 8);
  const double fill = Share(temperature, low, high) * (tube.height() - 8);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 40, 40));
  painter.drawRoundedRect(QRectF(tube.left() + 4, tube.bottom() - 4 - fill, 8, fill), 4, 4);
  painter.drawEllipse(QPointF(tube.center().x(), tube.bottom() + 6), 11, 11);
  painter.setPen(kInk);
  painter.setFont(TahomaFont(9));
  for (int t = first; t <= high; t += step) {
    const qreal y = tube.bottom() - 4 - Share(t, low, high) * (tube.height() - 8);
    painter.drawLine(QPointF(tube.right(), y), QPointF(tube.right() + 5, y));
    painter.drawText(QRectF(tube.right() + 7, y - 6, 30, 12), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(t));
  }
  Caption(painter, QRectF(210, 196, 108, 20), QStringLiteral("%1 °C").arg(Number(temperature, 1)),
          true, Qt::AlignCenter);
}

// A value the process wired now reports, by the name it reports it under.
double Reading(const Lab& lab, std::string_view name) {
  for (const PlantReading& r : lab.plant().Readings()) {
    if (r.name == name) return r.value;
  }
  return 0;
}

// A heating element: a zigzag from `start` whose teeth stand `step.x()` apart, the first at
// `first` and every other one `step.y()` lower; it glows as its power (0..100 %) rises.
void HeatingElement(QPainter& painter, QPointF start, QPointF first, QPointF step, int teeth,
                    std::optional<QPointF> end, double power) {
  QPainterPath path;
  path.moveTo(start);
  for (int i = 0; i < teeth; ++i) {
    path.lineTo(first.x() + step.x() * i, first.y() + (i % 2 == 0 ? 0 : step.y()));
  }
  if (end) path.lineTo(*end);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Mix(kIdle, kActive, Share(power, 0, 100)), 3));
  painter.drawPath(path);
}

void DrawNothing(QPainter& painter, const Lab&, const QRectF& area) {
  Caption(
      painter, area.adjusted(20, 20, -20, -20),
      QCoreApplication::translate("ProcessView",
                                  "Geen proces aangesloten.\n\nDe ingangen volgen de schakelaars "
                                  "en de schuiven."),
      false, Qt::AlignCenter | Qt::TextWordWrap);
}

void DrawHeater(QPainter& painter, const Lab& lab, const QRectF&) {
  // Both heaters read their temperature first.
  const SimulatedBoard& board = lab.board();
  const double temperature = Reading(lab, "temp");
  const double power = BytePercent(board.AnalogOutput(1));
  const bool fan = board.DigitalOutput(1);

  // The block, glowing from cool grey at ambient to red at 100 °C.
  const QRectF block(70, 50, 130, 90);
  const double heat = Share(temperature, HeaterPlant::kAmbient, 100);
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(Mix(QColor(150, 165, 185), QColor(230, 60, 30), heat));
  painter.drawRoundedRect(block, 6, 6);
  Caption(painter, block, QCoreApplication::translate("ProcessView", "blok"), true,
          Qt::AlignCenter);

  // The heating element under it.
  HeatingElement(painter, {80, 160}, {87.5, 150}, {15, 20}, 8, QPointF(200, 160), power);
  Caption(painter, QRectF(60, 178, 160, 18),
          QCoreApplication::translate("ProcessView", "verwarming %1 %").arg(Number(power, 0)),
          false, Qt::AlignCenter);

  // The fan to its left.
  const QPointF hub(32, 95);
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(fan ? QColor(90, 170, 230) : QColor(225, 225, 225));
  for (int blade = 0; blade < 3; ++blade) {
    painter.save();
    painter.translate(hub);
    painter.rotate(120 * blade + 15);
    painter.drawEllipse(QRectF(2, -6, 20, 12));
    painter.restore();
  }
  painter.setBrush(kInk);
  painter.drawEllipse(hub, 3, 3);
  Caption(painter, QRectF(0, 124, 70, 18),
          fan ? QCoreApplication::translate("ProcessView", "ventilator aan")
              : QCoreApplication::translate("ProcessView", "ventilator uit"),
          false, Qt::AlignCenter);

  // The thermometer: 0..100 °C.
  Thermometer(painter, temperature, 0, 100, 0, 20);
  Caption(painter, QRectF(6, 6, 300, 18),
          QCoreApplication::translate("ProcessView", "A1uit verwarming, D1uit ventilator → A1in"));
}

void DrawTank(QPainter& painter, const Lab& lab, const QRectF&) {
  const SimulatedBoard& board = lab.board();
  const double level = Reading(lab, "level");
  const double opening = BytePercent(board.AnalogOutput(2)) / 100;
  const bool pump = board.DigitalOutput(2);

  // Inlet from the top left through the valve.
  Pipe(painter, QPolygonF({{10, 44}, {150, 44}, {150, 62}}));
  ValveSymbol(painter, {70, 44}, opening);
  Caption(painter, QRectF(40, 52, 80, 18),
          QCoreApplication::translate("ProcessView", "klep %1 %").arg(Number(opening * 100, 0)),
          false, Qt::AlignCenter);

  // Outlet at the foot to the pump.
  const QRectF vessel(100, 62, 110, 130);
  Pipe(painter, QPolygonF({{155, vessel.bottom()}, {155, 212}, {310, 212}}));
  const QPointF pump_centre(250, 212);
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(pump ? QColor(90, 190, 90) : QColor(225, 225, 225));
  painter.drawEllipse(pump_centre, 12, 12);
  painter.setBrush(kInk);
  painter.drawPolygon(QPolygonF(
      {pump_centre + QPointF(-5, -7), pump_centre + QPointF(7, 0), pump_centre + QPointF(-5, 7)}));
  Caption(painter, QRectF(205, 226, 90, 18),
          pump ? QCoreApplication::translate("ProcessView", "pomp aan")
               : QCoreApplication::translate("ProcessView", "pomp uit"),
          false, Qt::AlignCenter);

  Vessel(painter, vessel, level);

  // The level switches on the vessel's right wall, lit while made.
  auto level_switch = [&](double at, bool made, const QString& text) {
    const qreal y = vessel.bottom() - at / 100 * vessel.height();
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(QPointF(vessel.right(), y), QPointF(vessel.right() + 14, y));
    painter.setBrush(made ? QColor(250, 200, 40) : QColor(225, 225, 225));
    painter.drawEllipse(QPointF(vessel.right() + 22, y), 8, 8);
    Caption(painter, QRectF(vessel.right() + 34, y - 9, 80, 18), text);
  };
  level_switch(TankPlant::kHighSwitch, board.DigitalInput(1),
               QCoreApplication::translate("ProcessView", "hoog D1in"));
  level_switch(TankPlant::kLowSwitch, board.DigitalInput(2),
               QCoreApplication::translate("ProcessView", "laag D2in"));
  Caption(painter, QRectF(6, 6, 310, 18),
          QCoreApplication::translate("ProcessView", "A2uit klep, D2uit pomp → A2in niveau"));
}

void DrawTwoTanks(QPainter& painter, const Lab& lab, const QRectF&) {
  const SimulatedBoard& board = lab.board();
  const double opening = BytePercent(board.AnalogOutput(2)) / 100;
  const bool pump = board.DigitalOutput(2);
  auto vessel = [&](const QRectF& box, double level, const QString& text) {
    Vessel(painter, box, level);
    Caption(painter, QRectF(box.right() + 6, box.top(), 60, 18), text);
  };
  Pipe(painter, QPolygonF({{10, 40}, {90, 40}, {90, 52}}));
  ValveSymbol(painter, {50, 40}, opening);
  const QRectF upper(60, 52, 70, 70), lower(150, 130, 90, 80);
  Pipe(painter, QPolygonF({{95, upper.bottom()}, {95, 120}, {190, 120}, {190, lower.top()}}));
  Pipe(painter, QPolygonF({{195, lower.bottom()}, {195, 226}, {310, 226}}));
  const QPointF pump_centre(270, 226);
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(pump ? QColor(90, 190, 90) : QColor(225, 225, 225));
  painter.drawEllipse(pump_centre, 10, 10);
  vessel(upper, Reading(lab, "upper"), QStringLiteral("A4in"));
  vessel(lower, Reading(lab, "lower"), QStringLiteral("A2in"));
  Caption(painter, QRectF(6, 6, 310, 18),
          QCoreApplication::translate("ProcessView", "A2uit klep %1 %, D2uit pomp → A2in, A4in")
              .arg(Number(opening * 100, 0)));
}

void DrawValve(QPainter& painter, const Lab& lab, const QRectF&) {
  const double flow = Reading(lab, "flow");
  const SimulatedBoard& board = lab.board();
  const double position = Reading(lab, "position") / 100;
  const bool opening = board.DigitalOutput(3);
  const bool closing = board.DigitalOutput(4);

  // The pipe, with water after the valve as far as it flows.
  const qreal y = 150;
  Pipe(painter, QPolygonF({{10, y}, {310, y}}));
  painter.setPen(QPen(Mix(kPipe, kWater, Share(flow, 0, 100)), 6, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(172, y), QPointF(310, y));
  const QPointF centre(160, y);
  ValveSymbol(painter, centre, position);

  // The motor on its spindle, with the open and close arrows lit while driven.
  painter.setPen(QPen(kInk, 2));
  painter.drawLine(centre, centre - QPointF(0, 40));
  const QRectF motor(centre.x() - 22, centre.y() - 82, 44, 42);
  painter.setBrush(QColor(225, 225, 225));
  painter.drawRoundedRect(motor, 4, 4);
  Caption(painter, motor, QStringLiteral("M"), true, Qt::AlignCenter);
  Arrow(painter, motor.topRight() + QPointF(24, 0), true, opening);
  Arrow(painter, motor.bottomRight() + QPointF(24, 0), false, closing);
  Caption(painter, QRectF(motor.right() + 38, motor.top() + 2, 90, 18),
          QCoreApplication::translate("ProcessView", "open D3uit"));
  Caption(painter, QRectF(motor.right() + 38, motor.bottom() - 20, 90, 18),
          QCoreApplication::translate("ProcessView", "dicht D4uit"));

  // The valve's travel.
  const QRectF travel(60, 185, 200, 12);
  painter.setPen(QPen(kInk, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(travel);
  painter.fillRect(QRectF(travel.left() + 1, travel.top() + 1, (travel.width() - 1) * position,
                          travel.height() - 1),
                   QColor(120, 120, 120));
  Caption(painter, QRectF(60, 200, 200, 18),
          QCoreApplication::translate("ProcessView", "stand %1 %   debiet %2 l/min")
              .arg(Number(position * 100, 0), Number(flow, 1)),
          false, Qt::AlignCenter);
  Caption(painter, QRectF(6, 6, 310, 18),
          QCoreApplication::translate("ProcessView", "D3uit open, D4uit dicht → A3in debiet"));
}

void DrawOven(QPainter& painter, const Lab& lab, const QRectF&) {
  const double temperature = Reading(lab, "temp");
  const double power = Reading(lab, "power");
  const double heat = Share(temperature, OvenPlant::kAmbient, OvenPlant::kHottest);

  // The oven: its chamber glows from cool grey to red hot, the element along its floor.
  const QRectF body(30, 40, 180, 140);
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(QColor(200, 204, 210));
  painter.drawRoundedRect(body, 8, 8);
  const QRectF chamber = body.adjusted(16, 16, -16, -36);
  painter.setBrush(Mix(QColor(150, 165, 185), QColor(230, 60, 30), heat));
  painter.drawRect(chamber);
  Caption(painter, chamber, QStringLiteral("oven"), true, Qt::AlignCenter);
  HeatingElement(painter, {chamber.left() + 6, body.bottom() - 22},
                 {chamber.left() + 13, body.bottom() - 28}, {14, 12}, 10, std::nullopt, power);
  Caption(painter, QRectF(30, 186, 180, 18),
          QCoreApplication::translate("ProcessView", "verwarming %1 %").arg(Number(power, 0)),
          false, Qt::AlignCenter);

  // The thermometer: 20..250 °C.
  Thermometer(painter, temperature, OvenPlant::kAmbient, OvenPlant::kHottest, 50, 50);
  Caption(painter, QRectF(6, 6, 300, 18),
          QCoreApplication::translate("ProcessView", "A2uit verwarming → A4in"));
}

// The drawing of each process, by the name the lab's process table gives it; a process
// without one shows the words of "none".
struct ProcessDrawing {
  std::string_view plant;
  void (*draw)(QPainter& painter, const Lab& lab, const QRectF& area);
};

constexpr ProcessDrawing kDrawings[] = {
    {"heater", DrawHeater}, {"labheater", DrawHeater},  {"tank", DrawTank},
    {"valve", DrawValve},   {"twotanks", DrawTwoTanks}, {"oven", DrawOven},
};

}  // namespace

ProcessView::ProcessView(const Lab& lab, QWidget* parent) : QWidget(parent), lab_(lab) {
  setObjectName(QStringLiteral("ProcessView"));
  setMinimumSize(sizeHint());
}

void ProcessView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(246, 247, 249));
  painter.setPen(QColor(190, 190, 190));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setRenderHint(QPainter::Antialiasing);
  const std::string name = lab_.plant().Name();
  auto draw = DrawNothing;
  for (const ProcessDrawing& drawing : kDrawings) {
    if (drawing.plant == name) draw = drawing.draw;
  }
  draw(painter, lab_, QRectF(rect()));
}

}  // namespace tessaro
