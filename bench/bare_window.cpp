// The floor for the start-up measurement: a bare Qt window, maximised, with the same probe
// as the program, so that both are timed and weighed alike. With "timers" it also runs two
// empty timers on the program's own intervals (250 and 333 ms), the floor of its idle cost.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "ui/core/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setGeometry(window.screen()->availableGeometry());
  window.showMaximized();
  const tessaro::StartupProbe probe(window, nullptr);
  QTimer scan;
  QTimer multiplex;
  if (argc > 1 && std::strcmp(argv[1], "timers") == 0) {
    QObject::connect(&scan, &QTimer::timeout, [] {});
    QObject::connect(&multiplex, &QTimer::timeout, [] {});
    scan.start(250);
    multiplex.start(333);
  }
  return app.exec();
}
