// The measure of start-up. With TESSARO_STARTUP_PROBE set, the program prints the wall-clock
// time at which its window first reached the screen and its resident memory then, and quits.
// With TESSARO_STARTUP_PROBE=every-window it first opens every other window, lets them reach
// the screen, and prints the memory after that as well.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tessaro {

class StartupProbe : public QObject {
 public:
  // Watches the shown `window` when the environment asks for it; `open_every_window` opens
  // the rest.
  StartupProbe(QWidget& window, std::function<void()> open_every_window);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report();

  std::function<void()> open_every_window_;
  bool every_window_ = false;
};

}  // namespace tessaro
