// Every message box the program shows goes through this interface: the windows show real
// boxes, tessaro-sim prints the texts, tests record them.
#pragma once

#include <string>

#include "engine/core/texts.h"

namespace tessaro {

// The answers to the question whether to save unsaved changes first.
enum class SaveAnswer { Save, DontSave, Cancel };

class Messages {
 public:
  virtual ~Messages() = default;
  // A message named by its ids, in the words of the user's language: the windows translate
  // it, tessaro-sim says it in the language it was asked for; by default the program's own.
  virtual std::string Render(const Message& message) { return Say(message); }
  std::string Render(const Phrase& text) { return Render(Message{text}); }
  virtual void Information(const std::string& text) = 0;
  // A question with the buttons Yes and No; true for Yes.
  virtual bool Question(const std::string& text, const std::string& title) = 0;
  virtual void Error(const std::string& text) = 0;
  // A question with the buttons Save, Don't save and Cancel. Where no one can answer, the
  // answer is Cancel: nothing is lost unasked.
  virtual SaveAnswer SaveQuestion(const std::string& /*text*/, const std::string& /*title*/) {
    return SaveAnswer::Cancel;
  }
  // An error whose short text is shown, with the whole story (a long list of files) to be
  // had on request; where there is no room for that, the short text alone.
  virtual void ErrorWithDetails(const std::string& text, const std::string& /*details*/) {
    Error(text);
  }
};

}  // namespace tessaro
