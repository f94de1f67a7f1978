// The sliding value tags of the faceplates: a small coloured label in its column of the bar
// scale, moved to the height of the value it shows.
#pragma once

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QString>
#include <optional>

#include "engine/control/trend.h"

namespace tessaro {

class TagLabel : public QLabel {
  Q_OBJECT

 public:
  // Tag `name` in the column from `left`, `width` wide, at the foot of the scale, on
  // `background` or else on the window's colour.
  TagLabel(QWidget* parent, const char* name, int left, int width,
           std::optional<QColor> background);

  // Puts the label where the engine's tag says: its top, its text and whether it shows. A
  // text wider than the tag widens it.
  void Show(const Tag& tag);

 private:
  const int design_width_;
  // The width each text shown needed: measuring a text lays it out, and a tag shows the same
  // few values over and over.
  QHash<QString, int> widths_;
};

}  // namespace tessaro
