// The small symbols inside block pictures and beside input and output terminals.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace tessaro::assets {

enum class Icon {
  Text,        // the symbol text itself ("&", "=1", "max")
  Hysteresis,  // switch with two switch points
  OnDelay,     // output rises late
  OffDelay,    // output falls late
  Contact,     // switch contact with a return spring
  SquareWave,  // blinking output
  Root,        // square root sign
  RangeUp,     // range widened: the lower line steps away
  RangeDown,   // range narrowed: the lower line steps closer
  Trend,       // recorder paper with a trend line
  Faceplate,   // controller faceplate beside the controller's kind word
  ValveBar,    // pulse valve beside the controller's kind word
};

// Draws `icon` inside `area`; `text` is the symbol for Icon::Text and the kind word for the
// controller icons.
void DrawIcon(QPainter& painter, Icon icon, const QRectF& area, const QString& text);

// Symbols of the column-1 sources and the column-7 terminals.
void DrawSpinSymbol(QPainter& painter, const QRectF& area);
void DrawPushButtonSymbol(QPainter& painter, const QRectF& area, const QString& number);
void DrawSineSymbol(QPainter& painter, const QRectF& area);
void DrawTerminal(QPainter& painter, QPointF centre, const QColor& fill);

}  // namespace tessaro::assets
