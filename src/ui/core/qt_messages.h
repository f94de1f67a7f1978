// Message boxes for the running program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "engine/core/messages.h"

namespace tessaro {

class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

  // The window the boxes stand over; until it exists they stand on their own.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Information(const std::string& text) override;
  bool Question(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace tessaro
