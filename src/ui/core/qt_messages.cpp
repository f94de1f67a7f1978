#include "ui/core/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tessaro {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void QtMessages::Information(const std::string& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), Text(text));
}

bool QtMessages::Question(const std::string& text, const std::string& title) {
  return QMessageBox::question(parent_, Text(title), Text(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessages::Error(const std::string& text) {
  QMessageBox::critical(parent_, QApplication::applicationName(), Text(text));
}

}  // namespace tessaro
