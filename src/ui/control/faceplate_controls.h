// Small controls the faceplates are built from: the up/down arrow pair, the round lamps and
// the spin boxes that are set with their arrows only.
#pragma once

#include <QColor>
#include <QSpinBox>
#include <QWidget>

#include "engine/control/faceplate_state.h"

class QToolButton;

namespace tessaro {

// Two arrow buttons stacked, "Up" over "Down".
class ArrowPair : public QWidget {
  Q_OBJECT

 public:
  explicit ArrowPair(QWidget* parent = nullptr);

  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }

 signals:
  void UpClicked();
  void DownClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// A filled circle with a thin black rim in one of the lamp colours.
class LampShape : public QWidget {
  Q_OBJECT

 public:
  explicit LampShape(QWidget* parent = nullptr);

  void SetColour(LampColour colour);
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_ = Qt::white;
};

// A round lamp `name` of 33 x 33 pixels at (left, top), white at first.
LampShape* MakeLamp(QWidget* parent, const char* name, int left, int top);

// A spin box whose value changes by its arrows (buttons, keys, wheel) but not by typing.
class ArrowSpinBox : public QSpinBox {
  Q_OBJECT

 public:
  explicit ArrowSpinBox(QWidget* parent = nullptr);

  // Shows `value` without running the change handlers: the window mirrors engine state.
  void Mirror(int value);
};

}  // namespace tessaro
