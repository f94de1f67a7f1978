// The faceplate of PID controller 1, 2 or 3 (TForm15..TForm17): setpoint, process value and
// output tags, the modes ("Casc" and "Bypas" on the cascade slave), the arrows, the trend
// and, at full width, the nine tuning controls behind "Change".
#pragma once

#include <array>

#include "ui/control/faceplate_window.h"

class QRadioButton;

namespace tessaro {

class ArrowSpinBox;
struct TuneSession;

class PidFaceplate : public FaceplateWindow {
  Q_OBJECT

 public:
  // n = 1..3.
  PidFaceplate(ProcessImage& image, PictureLoader& pictures, int n);

  void Refresh() override;

  // The tuning assistant's session of this controller, whose fitted model the trend shows.
  void ShowModelOf(const TuneSession* session) { tune_ = session; }

 protected:
  void DrawTrend() override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildTuning();

  TagLabel* op_tag_ = nullptr;
  std::array<ArrowSpinBox*, 7> boxes_{};
  QRadioButton* direct_ = nullptr;
  QRadioButton* reverse_ = nullptr;
  bool captions_shown_ = false;
  const TuneSession* tune_ = nullptr;
};

}  // namespace tessaro
