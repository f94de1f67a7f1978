// The board reads two analog inputs; a CD4052B (two 4-way analog switches sharing select
// inputs A and B) puts one of four sources in front of each. Digital outputs 7 and 8 drive A
// and B. The board's outputs are open collector: an output that is on pulls its line low, an
// output that is off lets the 1 kilohm pull-up hold the line at 12 V. The channel numbers
// below are worked out from that, so the drawing always agrees with the multiplex steps.
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <iterator>

#include "canvas.h"
#include "wiring.h"

namespace tessaro::assets {

namespace {

constexpr int kWidth = 404;
constexpr int kHeight = 406;

const QColor kWire(20, 50, 120);
const QColor kChip(236, 242, 250);
const QColor kBoard(232, 236, 228);
const QColor kSupply(200, 30, 30);
const QColor kPinNumber(110, 110, 110);

// The words in the drawing, in the program's own language and in English. Pin, chip and input
// names are the same in both.
struct Words {
  const char* title;
  const char* board;
  const char* terminals[4];  // analog in 1, 2; digital out 7, 8
  const char* header[3];     // the select table's "out 7", "out 8" and "channel"
  const char* on;
  const char* off;
  const char* notes[2];
};
constexpr Words kDutch = {
    "Acht analoge ingangen met een CD4052B",
    "Kaart",
    {"analoog in 1", "analoog in 2", "digitaal uit 7", "digitaal uit 8"},
    {"uit 7", "uit 8", "kanaal"},
    "aan",
    "uit",
    {"Uitgang aan trekt de lijn laag (0), uit houdt de 1 k\u03a9 hem op 12 V (1).",
     "Min van de 12 V voeding, GND van de kaart en de CD4052B samen."}};
constexpr Words kEnglish = {
    "Eight analog inputs with a CD4052B",
    "Board",
    {"analog in 1", "analog in 2", "digital out 7", "digital out 8"},
    {"out 7", "out 8", "channel"},
    "on",
    "off",
    {"An output that is on pulls the line low (0); off, the 1 k\u03a9 holds it at 12 V (1).",
     "Minus of the 12 V supply, the board's GND and the CD4052B's joined."}};

QString Say(const char* text) { return QString::fromUtf8(text); }

// The multiplex steps: the state of outputs 7 and 8 and the first of the two analog inputs
// read in it (the board's input 1 gives that one, input 2 the next).
struct SelectStep {
  bool out7;
  bool out8;
  int first_input;
};
constexpr std::array<SelectStep, 4> kSteps = {{
    {false, false, 1},
    {true, false, 3},
    {true, true, 5},
    {false, true, 7},
}};

// Logic levels on select inputs A (output 7) and B (output 8): an output that is on is low.
int LevelA(const SelectStep& step) { return step.out7 ? 0 : 1; }
int LevelB(const SelectStep& step) { return step.out8 ? 0 : 1; }
// The CD4052B connects X<n> and Y<n>, where n is B, A read as a binary number.
int Channel(const SelectStep& step) { return LevelB(step) * 2 + LevelA(step); }

// The analog input on channel `channel` of half `half` (0 = X, 1 = Y).
int InputOn(int channel, int half) {
  for (const SelectStep& step : kSteps) {
    if (Channel(step) == channel) return step.first_input + half;
  }
  return 0;
}

// CD4052B pin numbers of X0..X3 and Y0..Y3.
constexpr std::array<std::array<int, 4>, 2> kChannelPins = {{{12, 14, 15, 11}, {1, 5, 2, 4}}};

// Geometry.
const QRectF kChipBox(110, 52, 104, 196);
const QRectF kBoardBox(300, 52, 98, 188);
constexpr double kFirstInputY = 82;
constexpr double kInputStep = 20;
constexpr double kXLineY = 84;
constexpr double kYLineY = 112;
constexpr double kALineY = 172;
constexpr double kBLineY = 204;
constexpr double kPullUpX = 246;
constexpr double kGroundRailY = 264;

void Text(QPainter& painter, const QRectF& box, const QString& text, double pixels, bool bold,
          const QColor& colour, Qt::Alignment align) {
  painter.save();
  painter.setFont(SansFont(pixels, bold));
  painter.setPen(colour);
  painter.drawText(box, align, text);
  painter.restore();
}

void Line(QPainter& painter, QPointF from, QPointF to) {
  painter.save();
  painter.setPen(QPen(kWire, 2, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(from, to);
  painter.restore();
}

void Dot(QPainter& painter, QPointF at) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWire);
  painter.drawEllipse(at, 3.5, 3.5);
  painter.restore();
}

// A screw terminal where a wire is connected.
void Terminal(QPainter& painter, QPointF at) {
  painter.save();
  painter.setPen(QPen(kWire, 1.5));
  painter.setBrush(colour::kPaper);
  painter.drawEllipse(at, 4, 4);
  painter.restore();
}

// A pin number beside the pin's line, just outside the chip.
void PinNumber(QPainter& painter, const QRectF& box, int pin, Qt::Alignment align) {
  Text(painter, box, QString::number(pin), 9, false, kPinNumber, align);
}

// The supply symbol: a bar across the line's end with "+12 V" beside it. `up` says whether
// the line leaves the bar upwards or downwards.
void Supply(QPainter& painter, QPointF bar, bool up) {
  painter.save();
  painter.setPen(QPen(kSupply, 2.5, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(bar - QPointF(9, 0), bar + QPointF(9, 0));
  painter.restore();
  const double top = up ? bar.y() - 14 : bar.y() - 2;
  Text(painter, QRectF(bar.x() + 11, top, 40, 16), QStringLiteral("+12 V"), 11, true, kSupply,
       Qt::AlignLeft | Qt::AlignVCenter);
}

void Ground(QPainter& painter, QPointF top) {
  painter.save();
  painter.setPen(QPen(colour::kInk, 2, Qt::SolidLine, Qt::FlatCap));
  for (int i = 0; i < 3; ++i) {
    const double half = 10 - 3.5 * i;
    const double y = top.y() + 4 * i;
    painter.drawLine(QPointF(top.x() - half, y), QPointF(top.x() + half, y));
  }
  painter.restore();
}

// A 1 kilohm resistor standing between y1 and y2 on line x, labelled on its right.
void Resistor(QPainter& painter, double x, double y1, double y2) {
  const QRectF body(x - 5, y1, 10, y2 - y1);
  painter.save();
  painter.setPen(QPen(colour::kInk, 1.5));
  painter.setBrush(colour::kPaper);
  painter.drawRect(body);
  painter.restore();
  Text(painter, QRectF(x + 8, y1, 40, y2 - y1), QStringLiteral("1 k\u03a9"), 11, false,
       colour::kInk, Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawTitle(QPainter& painter, const Words& words) {
  Text(painter, QRectF(0, 2, kWidth, 18), Say(words.title), 13, true, colour::kInk,
       Qt::AlignCenter);
}

void DrawChip(QPainter& painter) {
  painter.save();
  painter.setPen(QPen(colour::kBoxEdge, 2));
  painter.setBrush(kChip);
  painter.drawRect(kChipBox);
  painter.restore();
  Text(painter, QRectF(kChipBox.left(), kChipBox.top() + 3, kChipBox.width(), 16),
       QStringLiteral("CD4052B"), 12, true, colour::kBoxEdge, Qt::AlignCenter);

  // Supply on top, inhibit and both negative supplies on the ground rail below.
  const double top_x = kChipBox.center().x();
  Line(painter, QPointF(top_x, kChipBox.top()), QPointF(top_x, 36));
  Supply(painter, QPointF(top_x, 36), true);
  PinNumber(painter, QRectF(top_x + 3, 38, 30, 12), 16, Qt::AlignLeft | Qt::AlignVCenter);
  Text(painter, QRectF(top_x - 40, 38, 36, 12), QStringLiteral("VDD"), 9, false, kPinNumber,
       Qt::AlignRight | Qt::AlignVCenter);

  struct BottomPin {
    const char* name;
    int pin;
    double x;
  };
  constexpr BottomPin kBottom[] = {{"INH", 6, 130}, {"VEE", 7, 162}, {"VSS", 8, 194}};
  for (const BottomPin& p : kBottom) {
    Line(painter, QPointF(p.x, kChipBox.bottom()), QPointF(p.x, kGroundRailY));
    Text(painter, QRectF(p.x - 16, kChipBox.bottom() - 15, 32, 13), QString::fromLatin1(p.name), 10,
         false, colour::kInk, Qt::AlignCenter);
    PinNumber(painter, QRectF(p.x + 3, kChipBox.bottom() + 3, 20, 12), p.pin,
              Qt::AlignLeft | Qt::AlignVCenter);
  }
  Line(painter, QPointF(kBottom[0].x, kGroundRailY), QPointF(kBottom[2].x, kGroundRailY));
  Dot(painter, QPointF(kBottom[1].x, kGroundRailY));
  Line(painter, QPointF(kBottom[1].x, kGroundRailY), QPointF(kBottom[1].x, kGroundRailY + 8));
  Ground(painter, QPointF(kBottom[1].x, kGroundRailY + 8));
}

// The eight sources on the left, each on its channel pin.
void DrawInputs(QPainter& painter) {
  for (int half = 0; half < 2; ++half) {
    for (int channel = 0; channel < 4; ++channel) {
      const double y = kFirstInputY + kInputStep * (half * 4 + channel);
      const QString pin_name = QString(half == 0 ? 'X' : 'Y') + QString::number(channel);
      const QString input = QStringLiteral("A%1in").arg(InputOn(channel, half));
      Text(painter, QRectF(4, y - 8, 50, 16), input, 12, true, colour::kInk,
           Qt::AlignRight | Qt::AlignVCenter);
      Terminal(painter, QPointF(62, y));
      Line(painter, QPointF(66, y), QPointF(kChipBox.left(), y));
      PinNumber(painter, QRectF(kChipBox.left() - 24, y - 13, 21, 12),
                kChannelPins[static_cast<size_t>(half)][static_cast<size_t>(channel)],
                Qt::AlignRight | Qt::AlignVCenter);
      Text(painter, QRectF(kChipBox.left() + 4, y - 7, 30, 14), pin_name, 11, true,
           colour::kBoxEdge, Qt::AlignLeft | Qt::AlignVCenter);
    }
  }
}

// The four lines between chip and board, with the pull-ups on the select lines.
void DrawBoardLines(QPainter& painter, const Words& words) {
  struct Connection {
    const char* chip_pin;
    int pin;
    double y;
  };
  constexpr Connection kLines[] = {
      {"X", 13, kXLineY}, {"Y", 3, kYLineY}, {"A", 10, kALineY}, {"B", 9, kBLineY}};
  for (size_t i = 0; i < std::size(kLines); ++i) {
    const Connection& c = kLines[i];
    Line(painter, QPointF(kChipBox.right(), c.y), QPointF(kBoardBox.left(), c.y));
    Text(painter, QRectF(kChipBox.right() - 24, c.y - 7, 20, 14), QString::fromLatin1(c.chip_pin),
         11, true, colour::kBoxEdge, Qt::AlignRight | Qt::AlignVCenter);
    PinNumber(painter, QRectF(kChipBox.right() + 3, c.y - 13, 20, 12), c.pin,
              Qt::AlignLeft | Qt::AlignVCenter);
    Terminal(painter, QPointF(kBoardBox.left(), c.y));
    Text(painter, QRectF(kBoardBox.left() + 8, c.y - 8, kBoardBox.width() - 10, 16),
         Say(words.terminals[i]), 11, false, colour::kInk, Qt::AlignLeft | Qt::AlignVCenter);
  }

  // A's pull-up rises to the supply, B's hangs down to it, so neither crosses the other line.
  Dot(painter, QPointF(kPullUpX, kALineY));
  Line(painter, QPointF(kPullUpX, kALineY), QPointF(kPullUpX, 134));
  Resistor(painter, kPullUpX, 138, 164);
  Supply(painter, QPointF(kPullUpX, 134), true);
  Dot(painter, QPointF(kPullUpX, kBLineY));
  Line(painter, QPointF(kPullUpX, kBLineY), QPointF(kPullUpX, 246));
  Resistor(painter, kPullUpX, 212, 238);
  Supply(painter, QPointF(kPullUpX, 246), false);
}

void DrawBoard(QPainter& painter, const Words& words) {
  painter.save();
  painter.setPen(QPen(colour::kInk, 2));
  painter.setBrush(kBoard);
  painter.drawRect(kBoardBox);
  painter.restore();
  Text(painter, QRectF(kBoardBox.left(), kBoardBox.top() + 3, kBoardBox.width(), 16),
       Say(words.board), 12, true, colour::kInk, Qt::AlignCenter);
  const double ground_x = kBoardBox.center().x();
  Text(painter, QRectF(ground_x - 20, kBoardBox.bottom() - 17, 40, 14), QStringLiteral("GND"), 11,
       false, colour::kInk, Qt::AlignCenter);
  Terminal(painter, QPointF(ground_x, kBoardBox.bottom()));
  Line(painter, QPointF(ground_x, kBoardBox.bottom() + 4), QPointF(ground_x, kGroundRailY + 8));
  Ground(painter, QPointF(ground_x, kGroundRailY + 8));
}

// Which inputs each select state reads, in the order the multiplexer steps through them.
void DrawSelectTable(QPainter& painter, const Words& words) {
  constexpr double kTop = 288;
  constexpr double kRow = 17;
  constexpr std::array<double, 7> kColumns = {8, 62, 116, 150, 186, 258, 330};
  constexpr double kRight = 396;
  const std::array<QString, 7> header = {
      Say(words.header[0]), Say(words.header[1]),   QStringLiteral("B"),   QStringLiteral("A"),
      Say(words.header[2]), QStringLiteral("in 1"), QStringLiteral("in 2")};
  auto cell = [&](size_t column, double y, const QString& text, bool bold) {
    const double right = column + 1 < kColumns.size() ? kColumns[column + 1] : kRight;
    Text(painter, QRectF(kColumns[column], y, right - kColumns[column], kRow), text, 11, bold,
         colour::kInk, Qt::AlignCenter);
  };
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(226, 232, 242));
  painter.drawRect(QRectF(kColumns[0], kTop, kRight - kColumns[0], kRow));
  painter.restore();
  for (size_t c = 0; c < header.size(); ++c) cell(c, kTop, header[c], true);
  double y = kTop + kRow;
  for (const SelectStep& step : kSteps) {
    const auto on_off = [&words](bool on) { return Say(on ? words.on : words.off); };
    const int channel = Channel(step);
    cell(0, y, on_off(step.out7), false);
    cell(1, y, on_off(step.out8), false);
    cell(2, y, QString::number(LevelB(step)), false);
    cell(3, y, QString::number(LevelA(step)), false);
    cell(4, y, QStringLiteral("X%1 / Y%1").arg(channel), false);
    cell(5, y, QStringLiteral("A%1in").arg(step.first_input), true);
    cell(6, y, QStringLiteral("A%1in").arg(step.first_input + 1), true);
    y += kRow;
  }
  painter.save();
  painter.setPen(QPen(colour::kFrame, 1));
  for (int row = 0; row <= 5; ++row) {
    const double line = kTop + kRow * row;
    painter.drawLine(QPointF(kColumns[0], line), QPointF(kRight, line));
  }
  painter.restore();
  for (int line = 0; line < 2; ++line) {
    Text(painter, QRectF(4, y + 3 + 14 * line, kWidth - 8, 14), Say(words.notes[line]), 10, false,
         colour::kHint, Qt::AlignCenter);
  }
}

}  // namespace

QImage WiringDrawing(Language language) {
  const Words& words = language == Language::kEnglish ? kEnglish : kDutch;
  Canvas canvas(kWidth, kHeight, colour::kPaper);
  QPainter& painter = canvas.painter();
  DrawTitle(painter, words);
  // The two boxes first: the pin names and terminals stand on them.
  DrawChip(painter);
  DrawBoard(painter, words);
  DrawBoardLines(painter, words);
  DrawInputs(painter);
  DrawSelectTable(painter, words);
  return canvas.Finish();
}

}  // namespace tessaro::assets
