// A small drawing kit shared by all pictures: colours, fitted text, and the pieces a grid
// field is made of (frame, block box, input stubs, output arrows, wire segments).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace tessaro::assets {

namespace colour {
inline const QColor kPaper(255, 255, 255);
inline const QColor kFrame(205, 205, 205);
inline const QColor kInk(24, 24, 24);
inline const QColor kSignal(20, 50, 120);  // wires, stubs and arrows
inline const QColor kBox(236, 242, 250);
inline const QColor kBoxEdge(20, 50, 120);
inline const QColor kHint(110, 110, 110);  // small descriptive text
inline const QColor kRed(210, 20, 20);
inline const QColor kYellow(255, 215, 0);
inline const QColor kTerminalGrey(165, 165, 170);
inline const QColor kTeal(0, 128, 128);
inline const QColor kGreen(0, 150, 0);
inline const QColor kMagenta(255, 0, 255);
}  // namespace colour

// How many image pixels a picture's pixel takes: 1 for the pictures as the windows lay them
// out, 2 for their copies for screens of twice the density ("NAME@2x.bmp"). Every picture is
// drawn at its own size; the canvas scales the drawing.
void SetDrawingScale(int scale);
int DrawingScale();

// A picture being drawn: the image and a painter on it with antialiasing switched on.
class Canvas {
 public:
  Canvas(int width, int height, const QColor& fill);
  QPainter& painter() { return painter_; }
  // Ends painting and hands over the finished picture.
  QImage Finish();

 private:
  QImage image_;
  QPainter painter_;
};

// The program's sans serif at a character height of `pixels`.
QFont SansFont(double pixels, bool bold);

// Draws `text` centred in `box`, shrinking the font until it fits the box's width.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, double pixels,
                    bool bold, const QColor& colour);

// Grid field geometry: 71 x 71 pixels; signals cross the edges at the middle of each edge.
constexpr int kFieldSize = 71;
constexpr double kMid = kFieldSize / 2.0;

enum class Side { Left, Top, Right, Bottom };

// The middle of a field edge, where neighbouring fields connect.
QPointF EdgeMiddle(Side side);

// The block body: clear of the caption lines painted at the top (y 4..17) and bottom (y 54..67).
inline const QRectF kBlockBox(11.5, 19.5, 48, 33);

// The thin frame round every grid field, so the schema reads as a grid.
void DrawFieldFrame(QPainter& painter);

// A filled triangle whose tip is at `tip`, pointing towards `side`.
void DrawArrowHead(QPainter& painter, QPointF tip, Side side, double length, double half_width);

// A wire: the signal enters at `from`, runs to the centre and leaves at each of `to`,
// with an arrow head at every exit and a junction dot where it branches.
void DrawWire(QPainter& painter, Side from, const std::vector<Side>& to);

// The block box with its border.
void DrawBlockBox(QPainter& painter, const QRectF& box, const QColor& fill = colour::kBox);

// An input of a block: a line from the middle of the field edge `side` to the box, ending in a
// small arrow head on the box.
void DrawInputStub(QPainter& painter, Side side, const QRectF& box);

// An output of a block: a line from the box to the middle of field edge `side`, with an arrow
// head on the edge. `negated` adds the inversion circle on the box.
void DrawOutputArrow(QPainter& painter, Side side, const QRectF& box, bool negated = false);

// A small pin name beside a stub or arrow.
void DrawPinName(QPainter& painter, QPointF centre, const QString& name);

}  // namespace tessaro::assets
