// Small controls the faceplates are built from: the up/down arrow pair, the round lamps and
// the spin boxes that are set with their arrows only.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QWidget>

#include "engine/control/faceplate_state.h"

class QToolButton;

namespace tessaro {

// Two arrow buttons stacked, "Up" over "Down". A click is one step; an arrow held down
// repeats, ever faster the longer it is held; Page Up and Page Down in the window are ten
// steps, and each notch of the mouse wheel over the arrows one.
class ArrowPair : public QWidget {
  Q_OBJECT

 public:
  explicit ArrowPair(QWidget* parent = nullptr);

  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }

  // The steps one repeat of an arrow held for `held_ms` makes.
  static int RepeatSteps(qint64 held_ms);

 signals:
  void UpClicked();
  void DownClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Steps(bool up, int count);

  QElapsedTimer held_;
  int wheel_ = 0;  // eighths of a degree turned and not yet stepped
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

// A spin box whose value changes by its arrows (buttons, keys, wheel) but not by typing;
// an arrow held down steps faster and faster, Page Up and Page Down step ten.
class ArrowSpinBox : public QSpinBox {
  Q_OBJECT

 public:
  explicit ArrowSpinBox(QWidget* parent = nullptr);

  // Shows `value` without running the change handlers: the window mirrors engine state.
  void Mirror(int value);
};

}  // namespace tessaro
