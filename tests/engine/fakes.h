// Recording stand-ins for the windows, shared by the engine tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/screen_view.h"

namespace tessaro {

struct RecordingMessages : Messages {
  void Information(const std::string& text) override { infos.push_back(text); }
  bool Question(const std::string& text, const std::string& title) override {
    questions.push_back(title + ": " + text);
    return answer;
  }
  void Error(const std::string& text) override { errors.push_back(text); }
  SaveAnswer SaveQuestion(const std::string& text, const std::string& title) override {
    questions.push_back(title + ": " + text);
    return save_answer;
  }
  void ErrorWithDetails(const std::string& text, const std::string& more) override {
    errors.push_back(text);
    details.push_back(more);
  }

  bool answer = true;
  SaveAnswer save_answer = SaveAnswer::Cancel;
  std::vector<std::string> infos, questions, errors, details;
};

struct RecordingView : ScreenView {
  void ItemTextChanged(int item, const std::string& text) override {
    texts.emplace_back(item, text);
  }
  void ItemPictureChanged(int item, const std::string& file) override {
    pictures.emplace_back(item, file);
  }
  void ItemVisibilityChanged(int item, bool visible) override {
    visibility.emplace_back(item, visible);
  }
  void FieldTextPainted(int row, int column, int x, int y, const std::string& text,
                        bool silver) override {
    captions.push_back({row, column, x, y, text, silver});
  }
  void AddressBoxHidden() override { address_box_hidden = true; }
  void ControllerCycled(int n) override { controller_cycles.push_back(n); }
  void RecorderSampled(int n) override { recorder_samples.push_back(n); }

  struct Caption {
    int row, column, x, y;
    std::string text;
    bool silver;
  };
  std::vector<std::pair<int, std::string>> texts, pictures;
  std::vector<std::pair<int, bool>> visibility;
  std::vector<Caption> captions;
  std::vector<int> controller_cycles, recorder_samples;
  bool address_box_hidden = false;
};

}  // namespace tessaro
