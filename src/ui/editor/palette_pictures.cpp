#include "ui/editor/palette_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <bit>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "engine/core/block_table.h"
#include "ui/core/builtin_pictures.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(24, 24, 24);
const QColor kSignal(20, 50, 120);  // wires, inputs and outputs
const QColor kBox(236, 242, 250);
const QColor kHint(110, 110, 110);
const QColor kRed(210, 20, 20);
const QColor kYellow(255, 215, 0);
const QColor kTerminalGrey(165, 165, 170);

// Picture edges, combined as flags.
enum Side : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };

QPointF EdgeMiddle(const QRectF& area, Side side) {
  switch (side) {
    case kLeft:
      return {area.left(), area.center().y()};
    case kTop:
      return {area.center().x(), area.top()};
    case kRight:
      return {area.right(), area.center().y()};
    case kBottom:
      return {area.center().x(), area.bottom()};
  }
  return area.center();
}

// A unit step pointing towards `side`.
QPointF Towards(Side side) {
  switch (side) {
    case kLeft:
      return {-1, 0};
    case kTop:
      return {0, -1};
    case kRight:
      return {1, 0};
    case kBottom:
      return {0, 1};
  }
  return {};
}

void SignalPen(QPainter& p, double width = 2) {
  p.setPen(QPen(kSignal, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
}

void Stroke(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour,
            double width) {
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF(QList<QPointF>(points)));
  p.restore();
}

// A filled arrow head whose tip is at `tip`, pointing towards `side`.
void ArrowHead(QPainter& p, QPointF tip, Side side, double length = 5, double half_width = 3) {
  const QPointF along = Towards(side);
  const QPointF across(along.y(), along.x());
  const QPointF base = tip - along * length;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kSignal);
  p.drawPolygon(QPolygonF{tip, base + across * half_width, base - across * half_width});
  p.restore();
}

// A line that ends in an arrow head at `to`, pointing towards `side`.
void Arrow(QPainter& p, QPointF from, QPointF to, Side side) {
  SignalPen(p);
  p.drawLine(from, to - Towards(side) * 4);
  ArrowHead(p, to, side);
}

// `text` centred in `box`, the font made smaller until the text fits the box's width.
void Text(QPainter& p, const QRectF& box, const QString& text, int pixels, bool bold,
          const QColor& colour, Qt::Alignment align = Qt::AlignCenter) {
  QFont font = TahomaFont(pixels, bold);
  while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
    font.setPixelSize(--pixels);
  }
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, align, text);
  p.restore();
}

// A signal path: in at `from`, through the centre, out at each of `to` with an arrow head;
// a dot marks a branch.
void Wire(QPainter& p, const QRectF& area, Side from, unsigned to) {
  const QPointF centre = area.center();
  SignalPen(p);
  p.drawLine(EdgeMiddle(area, from), centre);
  for (Side side : {kLeft, kTop, kRight, kBottom}) {
    if (to & side) Arrow(p, centre, EdgeMiddle(area, side), side);
  }
  if (std::popcount(to) > 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSignal);
    p.drawEllipse(centre, 2.6, 2.6);
  }
}

// The box of a block, clear of the edges so that the inputs above and below show.
QRectF BlockBox(const QRectF& area) { return area.adjusted(14, 7, -14, -7); }

// A block: a box with its name, a stub on every input side and the output on the right,
// with an inversion circle when `negated`.
void Block(QPainter& p, const QRectF& area, const QString& name, unsigned inputs,
           bool negated = false) {
  const QRectF box = BlockBox(area);
  for (Side side : {kLeft, kTop, kBottom}) {
    if (!(inputs & side)) continue;
    const QPointF edge = EdgeMiddle(area, side);
    const QPointF on_box = EdgeMiddle(box, side);
    SignalPen(p, 1.6);
    p.drawLine(edge, on_box);
    ArrowHead(p, on_box,
              static_cast<Side>(side == kLeft  ? kRight
                                : side == kTop ? kBottom
                                               : kTop),
              side == kLeft ? 4 : 3, side == kLeft ? 2.5 : 2);
  }
  QPointF out = EdgeMiddle(box, kRight);
  if (negated) {
    p.setPen(QPen(kSignal, 1.4));
    p.setBrush(kPaper);
    p.drawEllipse(out + QPointF(3, 0), 3, 3);
    out += QPointF(6, 0);
  }
  Arrow(p, out, EdgeMiddle(area, kRight), kRight);
  p.setPen(QPen(kSignal, 1.2));
  p.setBrush(kBox);
  p.drawRect(box);
  Text(p, box.adjusted(1, 0, -1, 0), name, 10, true, kInk);
}

// A screw terminal: a disc with a slot.
void Terminal(QPainter& p, QPointF centre, double radius, const QColor& fill) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(fill);
  p.drawEllipse(centre, radius, radius);
  const QPointF slot(radius * 0.6, -radius * 0.6);
  p.drawLine(centre - slot, centre + slot);
}

// Column-1 sources: a terminal on the left, the key above the signal going out.
void InputTerminal(QPainter& p, const QRectF& area, const QString& key, const QColor& fill) {
  const double y = area.bottom() - 9;
  Terminal(p, {area.left() + 9, y}, 6, fill);
  Arrow(p, {area.left() + 15, y}, {area.right(), y}, kRight);
  Text(p, QRectF(area.left() + 16, area.top(), area.width() - 18, 14), key, 11, true, kInk);
}

// Column-7 outputs: the signal comes in from the left and ends in a terminal.
void OutputTerminal(QPainter& p, const QRectF& area, const QString& key, const QColor& fill) {
  const double y = area.bottom() - 9;
  Arrow(p, {area.left(), y}, {area.right() - 16, y}, kRight);
  Terminal(p, {area.right() - 9, y}, 6, fill);
  Text(p, QRectF(area.left() + 2, area.top(), area.width() - 20, 14), key, 11, true, kInk);
}

void SpinSymbol(QPainter& p, const QRectF& body) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(body);
  p.drawLine(QPointF(body.left(), body.center().y()), QPointF(body.right(), body.center().y()));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  const double cx = body.center().x();
  const double top = body.top(), mid = body.center().y(), bottom = body.bottom();
  p.drawPolygon(QPolygonF{{cx, top + 2}, {cx - 3, mid - 2}, {cx + 3, mid - 2}});
  p.drawPolygon(QPolygonF{{cx, bottom - 2}, {cx - 3, mid + 2}, {cx + 3, mid + 2}});
}

// A controller faceplate: a dark panel with its measured value, setpoint and output bars.
void FaceplateSymbol(QPainter& p, const QRectF& panel) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(panel);
  p.setPen(Qt::NoPen);
  const QColor bars[] = {QColor(255, 60, 60), QColor(80, 220, 80), QColor(90, 160, 255)};
  const double heights[] = {0.65, 0.45, 0.8};
  const double width = (panel.width() - 4) / 3;
  for (int i = 0; i < 3; ++i) {
    const double h = (panel.height() - 4) * heights[i];
    p.setBrush(bars[i]);
    p.drawRect(QRectF(panel.left() + 2 + i * width, panel.bottom() - 2 - h, width - 1, h));
  }
}

// A pulse valve: the valve body on its bar, with the actuator on top.
void ValveSymbol(QPainter& p, const QRectF& area) {
  const QRectF body(area.left(), area.center().y() - 3, area.width(), 10);
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(250, 250, 250));
  p.drawPolygon(QPolygonF{body.topLeft(), body.bottomRight(), body.topRight(), body.bottomLeft()});
  p.drawLine(QPointF(body.center().x(), area.top() + 5), body.center());
  p.setBrush(kRed);
  p.drawRect(QRectF(body.center().x() - 4, area.top() + 1, 8, 4));
  p.setPen(QPen(kInk, 2));
  p.drawLine(QPointF(area.left() - 1, body.bottom() + 3),
             QPointF(area.right() + 1, body.bottom() + 3));
}

void SineWave(QPainter& p, const QRectF& area) {
  QPainterPath path;
  constexpr int kSteps = 48;
  for (int i = 0; i <= kSteps; ++i) {
    const double f = static_cast<double>(i) / kSteps;
    const QPointF point(area.left() + f * area.width(),
                        area.center().y() - std::sin(2 * std::numbers::pi * f) * area.height() / 2);
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  p.setPen(QPen(kRed, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void SquareWave(QPainter& p, const QRectF& a) {
  const double t = a.top(), b = a.bottom(), w = a.width(), l = a.left();
  Stroke(p,
         {{l, b},
          {l + 0.15 * w, b},
          {l + 0.15 * w, t},
          {l + 0.4 * w, t},
          {l + 0.4 * w, b},
          {l + 0.6 * w, b},
          {l + 0.6 * w, t},
          {l + 0.85 * w, t},
          {l + 0.85 * w, b},
          {l + w, b}},
         kRed, 1.8);
}

// The range blocks: the upper line stays, the lower one steps towards it or away.
void RangeSteps(QPainter& p, const QRectF& a, bool narrower) {
  const double upper = a.top() + 7, near = a.top() + 14, far = a.bottom() - 5;
  Stroke(p, {{a.left() + 4, upper}, {a.right() - 4, upper}}, kSignal, 2);
  const double before = narrower ? far : near, after = narrower ? near : far;
  const double step = a.center().x();
  Stroke(p, {{a.left() + 4, before}, {step, before}, {step, after}, {a.right() - 4, after}}, kRed,
         2);
}

// "Rec" and the number over a trend on recorder paper.
void RecorderSymbol(QPainter& p, const QRectF& a, int n) {
  Text(p, QRectF(a.left(), a.top(), a.width(), 13), QStringLiteral("Rec %1").arg(n), 11, true,
       kInk);
  const QRectF paper(a.left() + 6, a.top() + 14, a.width() - 12, a.height() - 16);
  p.setPen(QPen(QColor(120, 160, 120), 1));
  p.setBrush(QColor(255, 251, 228));
  p.drawRect(paper);
  const double l = paper.left(), w = paper.width(), t = paper.top(), h = paper.height();
  Stroke(p,
         {{l + 1, t + 0.8 * h},
          {l + 0.2 * w, t + 0.55 * h},
          {l + 0.35 * w, t + 0.7 * h},
          {l + 0.55 * w, t + 0.2 * h},
          {l + 0.75 * w, t + 0.45 * h},
          {l + w - 1, t + 0.25 * h}},
         kRed, 1.6);
}

// The controller entries: a symbol on the left, two lines of words beside it.
void ControllerSymbol(QPainter& p, const QRectF& a, bool valve, const QString& upper,
                      const QString& lower) {
  const QRectF symbol(a.left() + 2, a.top() + 2, 12, a.height() - 4);
  if (valve) {
    ValveSymbol(p, symbol);
  } else {
    FaceplateSymbol(p, symbol);
  }
  const QRectF words(symbol.right() + 3, a.top(), a.right() - symbol.right() - 4, a.height());
  Text(p, QRectF(words.left(), words.top() + 1, words.width(), words.height() / 2 - 1), upper, 10,
       true, kInk);
  Text(p, QRectF(words.left(), words.center().y(), words.width(), words.height() / 2 - 1), lower,
       10, false, kHint);
}

// A word drawn on an entry, in the program's language.
QString EntryWord(const char* text) { return QCoreApplication::translate("PaletteEntry", text); }

void Controller(QPainter& p, const QRectF& a, int n) {
  const QString number = QString::number(n);
  if (n <= 2) {
    //: Drawn on a palette entry about 50 pixels wide; the text shrinks to fit
    ControllerSymbol(p, a, false,
                     EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "Regelaar %1")).arg(n),
                     QStringLiteral("PID"));
  } else if (n == 3) {
    ControllerSymbol(p, a, false, EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "Regelaar")),
                     QStringLiteral("cascade"));
  } else if (n <= 6) {
    ControllerSymbol(p, a.adjusted(0, 0, 0, -5), true,
                     EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "Regelaar")), number);
    Stroke(p, {{a.left() + 18, a.bottom() - 3}, {a.right() - 3, a.bottom() - 3}}, kRed, 2);
  } else {
    ControllerSymbol(p, a, false, EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "Aan/uit %1")).arg(n),
                     EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "Regelaar")));
  }
}

// "Not" over the signal with its inversion dot.
void NotSymbol(QPainter& p, const QRectF& a) {
  Text(p, QRectF(a.left(), a.top(), a.width(), 14), QStringLiteral("Not"), 11, true, kInk);
  const double y = a.bottom() - 8;
  SignalPen(p);
  p.drawLine(QPointF(a.left(), y), QPointF(a.left() + 26, y));
  p.setPen(QPen(kSignal, 1.6));
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(a.left() + 30, y), 4, 4);
  Arrow(p, {a.left() + 34, y}, {a.right(), y}, kRight);
}

// The automatic switch-off: an open contact pulled open by a red spring.
void ContactSymbol(QPainter& p, const QRectF& a) {
  const double y = a.bottom() - 7;
  const double pivot = a.left() + 20, contact = a.left() + 42;
  SignalPen(p);
  p.drawLine(QPointF(a.left(), y), QPointF(pivot, y));
  p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(pivot, y), QPointF(contact + 2, a.top() + 8));
  Arrow(p, {contact, y}, {a.right(), y}, kRight);
  Stroke(p, {{contact - 6, y - 5}, {contact, y}}, kInk, 1.5);
  // The spring that pulls the blade open again.
  const double x0 = pivot + 9, top = a.top() + 2;
  Stroke(p,
         {{x0, a.top() + 13},
          {x0 + 3, top + 7},
          {x0 + 6, top + 2},
          {x0 + 9, top + 7},
          {x0 + 12, top + 2},
          {x0 + 15, top + 7},
          {x0 + 18, top}},
         kRed, 1.3);
}

// The calculation block: factor over 100, times the input, plus the offset, out. The two
// editors of the palette stand on the blank places left for them.
void Formula(QPainter& p, const QRectF& a) {
  p.setPen(QPen(kSignal, 1));
  p.setBrush(kBox);
  p.drawRect(a.adjusted(0, 0, -1, -1));
  const double mid = a.top() + 37;
  Stroke(p, {{a.left() + 8, mid}, {a.left() + 81, mid}}, kInk, 2);
  Text(p, QRectF(a.left() + 8, mid + 2, 73, 18), QStringLiteral("100"), 15, true, kInk);
  Text(p, QRectF(a.left() + 83, mid - 11, 14, 22), QString(QChar(0x00d7)), 17, true, kInk);
  Text(p, QRectF(a.left() + 99, mid - 11, 14, 22), QStringLiteral("+"), 17, true, kInk);
  Arrow(p, {a.left() + 188, mid}, {a.right() - 4, mid}, kRight);
}

// The block table's sides and edges as picture edges.
unsigned InputSides(unsigned reads) {
  return (reads & kFromLeft ? kLeft : 0u) | (reads & kFromUpper ? kTop : 0u) |
         (reads & kFromLower ? kBottom : 0u);
}

unsigned OutputSides(unsigned writes) {
  return (writes & kToRight ? kRight : 0u) | (writes & kToUp ? kTop : 0u) |
         (writes & kToDown ? kBottom : 0u);
}

void Draw(QPainter& p, const QRectF& a, const BlockEntry& entry) {
  const BlockType& type = *entry.type;
  const QString text = QString::fromStdString(entry.key);
  const QString label = QString::fromUtf8(type.entry_label);
  const int n = entry.number;
  const QColor& terminal = type.analog_in || type.analog_out ? kTerminalGrey : kYellow;
  switch (type.entry) {
    case EntryArt::None:
      return;
    case EntryArt::Spin:
      SpinSymbol(p, QRectF(a.left() + 2, a.top() + 5, 11, a.height() - 10));
      Text(p, QRectF(a.left() + 14, a.top(), 34, a.height()), QStringLiteral("spin %1").arg(n), 11,
           true, kInk);
      Arrow(p, {a.left() + 48, a.center().y()}, EdgeMiddle(a, kRight), kRight);
      return;
    case EntryArt::Terminal:
      if (type.palette == Palette::Output) return OutputTerminal(p, a, text, terminal);
      return InputTerminal(p, a, text, terminal);
    case EntryArt::Knop:
      //: A push button on the operator screen, drawn in 23 pixels beside its round button
      Text(p, QRectF(a.left() + 1, a.top(), 23, a.height()),
           EntryWord(QT_TRANSLATE_NOOP("PaletteEntry", "knop")), 10, true, kInk);
      p.setPen(QPen(QColor(150, 110, 0), 1.4));
      p.setBrush(kYellow);
      p.drawEllipse(QPointF(a.left() + 33, a.center().y()), 7.5, 7.5);
      Text(p, QRectF(a.left() + 42, a.top(), 12, a.height()), QString::number(n), 12, true, kInk);
      Arrow(p, {a.left() + 53, a.center().y()}, EdgeMiddle(a, kRight), kRight);
      return;
    case EntryArt::Sine:
      return SineWave(p, a.adjusted(4, 4, -4, -4));
    case EntryArt::Wire: {
      // In at the side it reads, out at the others; a named wire has its name above it.
      const auto from = static_cast<Side>(InputSides(type.reads));
      if (!label.isEmpty()) {
        Text(p, QRectF(a.left(), a.top(), a.width(), 13), label, 11, true, kHint);
        return Wire(p, a.adjusted(0, 12, 0, 0), from, OutputSides(type.writes));
      }
      return Wire(p, a, from, OutputSides(type.writes));
    }
    case EntryArt::Recorder:
      return RecorderSymbol(p, a, n);
    case EntryArt::Controller:
      return Controller(p, a, n);
    case EntryArt::Box:
      return Block(p, a, label.isEmpty() ? text : label, InputSides(type.reads), type.negated);
    case EntryArt::Not:
      return NotSymbol(p, a);
    case EntryArt::Root: {
      Block(p, a, QString(), kLeft);
      const QRectF box = BlockBox(a).adjusted(4, 2, -4, -2);
      Stroke(p,
             {{box.left(), box.center().y()},
              {box.left() + 4, box.bottom()},
              {box.left() + 10, box.top()},
              {box.right(), box.top()}},
             kRed, 1.8);
      return;
    }
    case EntryArt::RangeUp:
      return RangeSteps(p, a, false);
    case EntryArt::RangeDown:
      return RangeSteps(p, a, true);
    case EntryArt::Formula:
      return Formula(p, a);
    case EntryArt::Contact:
      return ContactSymbol(p, a);
    case EntryArt::Blinker:
      Text(p, QRectF(a.left(), a.top(), a.width(), 13), QStringLiteral("Blinker"), 11, true, kInk);
      return SquareWave(p, QRectF(a.left() + 6, a.top() + 15, a.width() - 12, a.height() - 18));
  }
}

}  // namespace

QPixmap PaletteEntryPicture(std::string_view key, QSize size) {
  QPixmap picture = ScreenPicture(size);
  picture.fill(kPaper);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const BlockEntry& entry : BlockEntries()) {
    if (entry.key != key) continue;
    Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), entry);
    break;
  }
  return picture;
}

}  // namespace tessaro
