#include "ui/control/tag_label.h"

#include <algorithm>

namespace tessaro {

namespace {

constexpr int kTagHeight = 13;
constexpr int kFootTop = 216;  // 0 % on the scale
constexpr qsizetype kMostWidths = 256;

}  // namespace

TagLabel::TagLabel(QWidget* parent, const char* name, int left, int width,
                   std::optional<QColor> background)
    : QLabel(parent), design_width_(width) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(left, kFootTop, width, kTagHeight);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setContentsMargins(1, 0, 0, 0);
  // Tags are opaque, so the scale does not show through their text.
  setAutoFillBackground(true);
  QPalette colours = palette();
  if (background) colours.setColor(QPalette::Window, *background);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
}

void TagLabel::Show(const Tag& tag) {
  const QString shown = QString::fromStdString(tag.text);
  int width = this->width();
  if (shown != text()) {
    setText(shown);
    // A long value widens its tag to the right rather than losing its last digits or its
    // unit; a short one gives the tag its design width back.
    auto known = widths_.constFind(shown);
    if (known == widths_.cend()) {
      if (widths_.size() >= kMostWidths) widths_.clear();
      known = widths_.insert(shown, fontMetrics().horizontalAdvance(shown) + 3);
    }
    width = std::max(design_width_, *known);
  }
  if (y() != tag.top || this->width() != width) setGeometry(x(), tag.top, width, kTagHeight);
  setVisible(tag.visible);
}

}  // namespace tessaro
