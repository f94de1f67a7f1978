#include "ui/control/tag_label.h"

#include <algorithm>

namespace tessaro {

namespace {

constexpr int kTagHeight = 13;
constexpr int kFootTop = 216;  // 0 % on the scale
constexpr char kDesignWidth[] = "designWidth";

}  // namespace

QLabel* MakeTagLabel(QWidget* parent, const char* name, int left, int width,
                     std::optional<QColor> background) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(left, kFootTop, width, kTagHeight);
  label->setProperty(kDesignWidth, width);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setContentsMargins(1, 0, 0, 0);
  // Tags are opaque, so the scale does not show through their text.
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  if (background) palette.setColor(QPalette::Window, *background);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

void ShowTag(QLabel* label, const Tag& tag) {
  if (label->y() != tag.top) label->move(label->x(), tag.top);
  const QString text = QString::fromStdString(tag.text);
  if (text != label->text()) {
    label->setText(text);
    // A long value widens its tag to the right rather than losing its last digits or its
    // unit; a short one gives the tag its design width back.
    const int design = label->property(kDesignWidth).toInt();
    const int needed = label->fontMetrics().horizontalAdvance(text) + 3;
    label->resize(std::max(design, needed), kTagHeight);
  }
  label->setVisible(tag.visible);
}

}  // namespace tessaro
