// The operator screen's background: a small heated buffer tank with its supply and drain,
// drawn so that the screen items at their starting places land beside what they belong to
// (value labels and lamps by their columns, output lamps beside valves, pumps and heater,
// controller labels by the tank). The strip above y = 30 stays empty for the command buttons.
#include <QPainterPath>
#include <QPolygonF>
#include <initializer_list>

#include "canvas.h"
#include "pictures.h"

namespace tessaro::assets {

namespace {

const QColor kBackground(128, 128, 128);
const QColor kCaption(250, 250, 250);
const QColor kOutline(45, 45, 50);
const QColor kPipe(196, 204, 214);
const QColor kSteel(214, 218, 224);
const QColor kLiquid(76, 144, 214);
const QColor kDevice(246, 246, 246);
const QColor kHeat(226, 88, 40);
const QColor kSignalLine(232, 232, 232);
const QColor kPanel(116, 116, 120);

void Caption(QPainter& painter, const QRectF& box, const QString& text, double pixels = 12,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  painter.save();
  painter.setFont(SansFont(pixels, true));
  painter.setPen(kCaption);
  painter.drawText(box, align, text);
  painter.restore();
}

// A pipe: a light tube with a dark outline, following the points given.
void Pipe(QPainter& painter, std::initializer_list<QPointF> points) {
  const QPolygonF line(points);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutline, 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPolyline(line);
  painter.setPen(QPen(kPipe, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPolyline(line);
  painter.restore();
}

// A dashed control line from a device to its lamp or label.
void SignalLine(QPainter& painter, std::initializer_list<QPointF> points) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kSignalLine, 1.2, Qt::DashLine));
  painter.drawPolyline(QPolygonF(points));
  painter.restore();
}

void Outlined(QPainter& painter, const QColor& fill) {
  painter.setPen(QPen(kOutline, 2));
  painter.setBrush(fill);
}

// A valve in a pipe; `vertical` when the pipe runs up and down.
void Valve(QPainter& painter, QPointF c, bool vertical) {
  const double a = 11, b = 8;
  painter.save();
  Outlined(painter, kDevice);
  if (vertical) {
    painter.drawPolygon(
        QPolygonF{c + QPointF(-b, -a), c + QPointF(b, -a), c + QPointF(-b, a), c + QPointF(b, a)});
    painter.drawLine(c, c + QPointF(-16, 0));
    painter.drawRect(QRectF(c + QPointF(-22, -6), QSizeF(6, 12)));
  } else {
    painter.drawPolygon(
        QPolygonF{c + QPointF(-a, -b), c + QPointF(-a, b), c + QPointF(a, -b), c + QPointF(a, b)});
    painter.drawLine(c, c + QPointF(0, -16));
    painter.drawRect(QRectF(c + QPointF(-6, -22), QSizeF(12, 6)));
  }
  painter.restore();
}

// A centrifugal pump: a wheel with the arrow of its flow direction `d`.
void Pump(QPainter& painter, QPointF c, QPointF d) {
  const double r = 13;
  const QPointF across(-d.y(), d.x());
  painter.save();
  Outlined(painter, kDevice);
  painter.drawEllipse(c, r, r);
  painter.setBrush(kOutline);
  painter.drawPolygon(QPolygonF{c + d * (r - 2), c - d * 6 + across * 8, c - d * 6 - across * 8});
  painter.restore();
}

// An inline electric heater: a box with a heating coil, in a vertical pipe.
void Heater(QPainter& painter, QPointF c) {
  const QRectF box(c - QPointF(13, 11), QSizeF(26, 22));
  painter.save();
  Outlined(painter, kHeat);
  painter.drawRect(box);
  painter.setPen(QPen(Qt::white, 1.6));
  painter.setBrush(Qt::NoBrush);
  QPolygonF coil;
  for (int i = 0; i <= 6; ++i) {
    coil << QPointF(box.left() + 4 + i * 3, (i % 2) ? box.top() + 5 : box.bottom() - 5);
  }
  painter.drawPolyline(coil);
  painter.restore();
}

// A mixer driven through the tank wall: motor, shaft and impeller.
void Mixer(QPainter& painter, QPointF motor, double impeller_x) {
  painter.save();
  painter.setPen(QPen(kOutline, 3));
  painter.drawLine(QPointF(impeller_x, motor.y()), motor);
  Outlined(painter, kDevice);
  for (double side : {-1.0, 1.0}) {
    painter.drawEllipse(QPointF(impeller_x, motor.y() + side * 7), 3.5, 7);
  }
  painter.drawEllipse(motor, 13, 13);
  painter.restore();
  DrawFittedText(painter, QRectF(motor - QPointF(10, 10), QSizeF(20, 20)), "M", 14, true, kOutline);
}

// An instrument bubble: what it measures on top, the input it feeds underneath.
void Instrument(QPainter& painter, QPointF c, QPointF tap, const QString& function,
                const QString& input) {
  painter.save();
  painter.setPen(QPen(kOutline, 2));
  painter.drawLine(c, tap);
  Outlined(painter, kDevice);
  painter.drawEllipse(c, 16, 16);
  painter.drawLine(c + QPointF(-16, 0), c + QPointF(16, 0));
  painter.restore();
  DrawFittedText(painter, QRectF(c.x() - 14, c.y() - 14, 28, 13), function, 10, true, kOutline);
  DrawFittedText(painter, QRectF(c.x() - 14, c.y() + 1, 28, 13), input, 10, true,
                 QColor(20, 60, 150));
}

void Tank(QPainter& painter, const QRectF& body, double level) {
  painter.save();
  QPainterPath shell;
  shell.addRoundedRect(body, 22, 22);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSteel);
  painter.drawPath(shell);
  painter.setClipPath(shell);
  painter.setBrush(kLiquid);
  painter.drawRect(QRectF(body.left(), level, body.width(), body.bottom() - level));
  painter.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
  for (int i = 0; i < 3; ++i) {
    const double y = level + 3;
    const double x = body.left() + 30 + i * 55;
    painter.drawLine(QPointF(x, y), QPointF(x + 22, y));
  }
  painter.setClipping(false);
  painter.setPen(QPen(kOutline, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shell);
  painter.restore();
  DrawFittedText(painter, QRectF(body.left(), body.top() + 10, body.width(), 20), "TK1", 16, true,
                 kOutline);
}

void Arrow(QPainter& painter, QPointF tip, QPointF d) {
  const QPointF across(-d.y(), d.x());
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  painter.drawPolygon(QPolygonF{tip, tip - d * 14 + across * 9, tip - d * 14 - across * 9});
  painter.restore();
}

void DrawControlColumns(QPainter& painter) {
  Caption(painter, QRectF(12, 36, 600, 30), "Tessaro  \u2013  buffervat met verwarming", 20);
  // Value knobs on a desk panel, each under its name.
  painter.save();
  painter.setPen(QPen(QColor(160, 160, 164), 1));
  painter.setBrush(kPanel);
  painter.drawRoundedRect(QRectF(186.5, 80.5, 494, 94), 6, 6);
  painter.restore();
  Caption(painter, QRectF(196, 84, 200, 16), "Instelwaarden", 11);
  for (int n = 0; n < 5; ++n) {
    Caption(painter, QRectF(200 + 100 * n, 111, 65, 16), QString("Spin%1").arg(n + 1), 11,
            Qt::AlignCenter);
  }
  // Column titles above the value labels, input lamps and push buttons.
  Caption(painter, QRectF(4, 178, 90, 18), "Analoog in", 11);
  Caption(painter, QRectF(104, 178, 90, 18), "Digitaal in", 11);
  Caption(painter, QRectF(216, 178, 90, 18), "Knoppen", 11);
  for (int n = 0; n < 8; ++n) {
    Caption(painter, QRectF(0, 200 + 50 * n, 24, 33), QString("A%1").arg(n + 1), 10,
            Qt::AlignCenter);
  }
  Caption(painter, QRectF(704, 178, 120, 18), "Digitaal uit", 11);
  Caption(painter, QRectF(440, 190, 200, 18), "Aan/uit-regelaars", 11);
  Caption(painter, QRectF(900, 30, 150, 18), "Recorders", 11);
  Caption(painter, QRectF(1060, 30, 150, 18), "Regelaars", 11);
}

void DrawPlant(QPainter& painter) {
  const QRectF tank(360, 335, 190, 255);
  const double level = 380;

  // Supply from the right, above the output lamps and their heading, down through valve,
  // pump and heater into the top of the tank.
  Pipe(painter, {{885, 150}, {690, 150}, {690, 188}, {655, 188}, {655, 350}, {556, 350}});
  Arrow(painter, {540, 350}, {-1, 0});
  Caption(painter, QRectF(812, 120, 80, 18), "Toevoer", 11);
  // Drain from the tank bottom through pump and valve to the right.
  Pipe(painter, {{455, 585}, {455, 612}, {1250, 612}});
  Arrow(painter, {1268, 612}, {1, 0});
  Caption(painter, QRectF(1180, 588, 90, 18), "Afvoer", 11);

  Tank(painter, tank, level);
  Mixer(painter, {585, 400}, 510);

  // Devices of the supply line: each sits at the height of the output lamp that drives it.
  Valve(painter, {655, 214}, true);
  Pump(painter, {655, 264}, {0, 1});
  Heater(painter, {655, 314});
  Pump(painter, {610, 612}, {1, 0});
  Valve(painter, {680, 612}, false);

  // Output tags beside the lamps; the drain devices reach their lamps by control lines.
  const struct {
    const char* name;
    QPointF at;
  } tags[] = {{"V1", {669, 206}}, {"P1", {669, 256}}, {"E1", {669, 306}},
              {"M1", {574, 369}}, {"P2", {616, 574}}, {"V2", {686, 574}}};
  for (const auto& tag : tags) Caption(painter, QRectF(tag.at, QSizeF(28, 16)), tag.name, 11);
  SignalLine(painter, {{598, 400}, {688, 400}, {688, 364}, {698, 364}});
  SignalLine(painter, {{610, 598}, {610, 414}, {698, 414}});
  SignalLine(painter, {{680, 590}, {680, 464}, {698, 464}});

  // Sensors on the tank wall and in the supply line, each marked with the input it feeds,
  // as the virtual lab wires them: temperature on A1, level on A2, flow on A3.
  Instrument(painter, {332, 368}, {360, 368}, "LSH", "D1");
  Instrument(painter, {332, 450}, {360, 450}, "TT", "A1");
  Instrument(painter, {332, 510}, {360, 510}, "LT", "A2");
  Instrument(painter, {332, 566}, {360, 566}, "LSL", "D2");
  Instrument(painter, {770, 150}, {770, 150}, "FT", "A3");
}

}  // namespace

Picture ProcessPlate() {
  Canvas canvas(1286, 632, kBackground);
  DrawControlColumns(canvas.painter());
  DrawPlant(canvas.painter());
  return {"Teks", "Procesplaat.bmp", canvas.Finish()};
}

}  // namespace tessaro::assets
