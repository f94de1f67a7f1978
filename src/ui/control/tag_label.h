// The sliding value tags of the faceplates: a small coloured label in its column of the bar
// scale, moved to the height of the value it shows.
#pragma once

#include <QColor>
#include <QLabel>
#include <optional>

#include "engine/control/trend.h"

namespace tessaro {

// Tag `name` in the column from `left`, `width` wide, at the foot of the scale, on
// `background` or else on the window's colour.
QLabel* MakeTagLabel(QWidget* parent, const char* name, int left, int width,
                     std::optional<QColor> background);

// Puts the label where the engine's tag says: its top, its text and whether it shows. A text
// wider than the tag widens it.
void ShowTag(QLabel* label, const Tag& tag);

}  // namespace tessaro
