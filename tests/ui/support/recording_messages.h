// Messages for window tests: records every text and answers questions with a preset reply,
// so that no test ever waits on a dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/core/messages.h"

namespace tessaro::testing {

class RecordingMessages : public Messages {
 public:
  void Information(const std::string& text) override { informations.push_back(text); }
  bool Question(const std::string& text, const std::string& title) override {
    questions.push_back(title + ": " + text);
    if (while_asking) while_asking();
    return answer_yes;
  }
  void Error(const std::string& text) override { errors.push_back(text); }
  SaveAnswer SaveQuestion(const std::string& text, const std::string& title) override {
    questions.push_back(title + ": " + text);
    if (while_asking) while_asking();
    return save_answer;
  }

  bool answer_yes = false;
  SaveAnswer save_answer = SaveAnswer::Cancel;
  // Runs while a question is open, before it is answered: what the user does meanwhile.
  std::function<void()> while_asking;
  std::vector<std::string> informations;
  std::vector<std::string> questions;
  std::vector<std::string> errors;
};

}  // namespace tessaro::testing
