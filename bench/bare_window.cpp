// The floor for the start-up measurement: a bare Qt window, maximised, with the same probe
// as the program, so that both are timed and weighed alike.
#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "ui/core/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setGeometry(window.screen()->availableGeometry());
  window.showMaximized();
  const tessaro::StartupProbe probe(window, nullptr);
  return app.exec();
}
