// The tuning assistant of PID faceplate n: a step test from "hand" and a relay test from
// "auto", the response with the fitted model drawn over it, and the settings each rule
// proposes, which "Toepassen" puts into the faceplate's boxes. The assistant itself lives
// in the engine; the window starts and stops it and shows what it says.
#pragma once

#include <QWidget>
#include <functional>

#include "engine/core/texts.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tessaro {

class PidTuner;
struct ProcessImage;
struct TuneSession;

// The recorded response: process value (red), output (grey), the fitted model (blue) and,
// for a relay test, the setpoint.
class TuneChart : public QWidget {
  Q_OBJECT

 public:
  explicit TuneChart(const TuneSession& session, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {460, 170}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TuneSession& session_;
};

class TuneWindow : public QWidget {
  Q_OBJECT

 public:
  // `applied` runs after "Toepassen", so that the faceplate shows its new boxes.
  TuneWindow(ProcessImage& image, PidTuner& tuner, int n, std::function<void()> applied,
             QWidget* parent = nullptr);

  // Shows what the assistant now says; cheap while hidden.
  void Refresh();

 private:
  void StartStep();
  void StartRelay();
  void Apply();
  void ShowRefusal(const Message& why);

  ProcessImage& image_;
  PidTuner& tuner_;
  const int n_;
  std::function<void()> applied_;
  QDoubleSpinBox* step_size_ = nullptr;
  QSpinBox* record_time_ = nullptr;
  QDoubleSpinBox* amplitude_ = nullptr;
  QDoubleSpinBox* hysteresis_ = nullptr;
  QSpinBox* closed_loop_time_ = nullptr;
  QLabel* status_ = nullptr;
  TuneChart* chart_ = nullptr;
  QTableWidget* proposals_ = nullptr;
  QCheckBox* to_auto_ = nullptr;
  QPushButton* apply_ = nullptr;
  size_t shown_samples_ = 0;
  int shown_phase_ = -1;
  Message refusal_;  // why the last test asked for could not start
};

}  // namespace tessaro
