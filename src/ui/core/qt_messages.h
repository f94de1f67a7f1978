// Message boxes for the running program. Every box stands in front of every window of the
// program (the grid, palettes and faceplates stay on top of the operator screen, and a box
// behind them would take the whole program with it), takes the mouse, and fits the screen.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <string>

#include "engine/core/messages.h"

namespace tessaro {

class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

  // The window the boxes stand over when no window of the program is active; until it
  // exists they stand on their own.
  void SetParent(QWidget* parent) { parent_ = parent; }

  using Messages::Render;
  // In the language the program speaks.
  std::string Render(const Message& message) override;
  void Information(const std::string& text) override;
  bool Question(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;
  SaveAnswer SaveQuestion(const std::string& text, const std::string& title) override;
  void ErrorWithDetails(const std::string& text, const std::string& details) override;

 private:
  QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title,
                                   const std::string& text, QMessageBox::StandardButtons buttons,
                                   const std::string& details = {},
                                   const QList<QPair<QMessageBox::StandardButton, QString>>&
                                       button_texts = {});

  QPointer<QWidget> parent_;
};

// The text as a box shows it: control characters as visible escapes, words too long to
// wrap broken so that they can, and cut after `max_chars` characters with "…". Sets `cut`
// when something was left out.
QString BoxText(const std::string& text, int max_chars, bool* cut = nullptr);

}  // namespace tessaro
