// The small symbols inside block pictures and beside input and output terminals.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "engine/core/block_table.h"

namespace tessaro::assets {

// The symbols are the block table's: Text draws the symbol text itself ("&", "=1", "max");
// Faceplate and ValveBar draw the controller's kind word beside their picture.
using Icon = FieldIcon;

// Draws `icon` inside `area`; `text` is the symbol for Icon::Text and the kind word for the
// controller icons. The column-1 and column-7 symbols have drawings of their own below.
void DrawIcon(QPainter& painter, Icon icon, const QRectF& area, const QString& text);

// Symbols of the column-1 sources and the column-7 terminals.
void DrawSpinSymbol(QPainter& painter, const QRectF& area);
void DrawPushButtonSymbol(QPainter& painter, const QRectF& area, const QString& number);
void DrawSineSymbol(QPainter& painter, const QRectF& area);
void DrawTerminal(QPainter& painter, QPointF centre, const QColor& fill);

}  // namespace tessaro::assets
