// A label or picture that answers a click, as the operator screen's push buttons and the
// recorder and controller labels do.
#pragma once

#include <QLabel>

namespace tessaro {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}

 signals:
  // A left-button press and release on the control.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace tessaro
