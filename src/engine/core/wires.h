// Wire fields: each shape copies one of the field's inputs to one, two or three of its own
// edges.
#pragma once

namespace tessaro {

struct GridTables;

// Carries the value through field (r, c) holding wire shape 1..13 ("Draad1".."Draad13").
void WireStep(GridTables& image, int r, int c, int shape);

// One wire pass over columns 2..6, each column top to bottom (downward) or bottom to top.
void WirePass(GridTables& image, bool downward);

}  // namespace tessaro
