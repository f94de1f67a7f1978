// A small live drawing of the process wired to the simulated board: the heater block with
// its thermometer and fan, the tank with its valve, pump and level switches, or the motor
// valve in its pipe.
#pragma once

#include <QWidget>

namespace tessaro {

class Lab;

class ProcessView : public QWidget {
  Q_OBJECT

 public:
  explicit ProcessView(const Lab& lab, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {320, 250}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Lab& lab_;
};

}  // namespace tessaro
