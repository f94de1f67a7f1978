// The faceplate of pulse-valve step controller 4, 5 or 6 (TForm18..TForm20): setpoint and
// process value tags, the open and close pulse lamps, the modes, the arrows and the trend.
#pragma once

#include "ui/control/faceplate_window.h"

namespace tessaro {

class LampShape;

class StepFaceplate : public FaceplateWindow {
  Q_OBJECT

 public:
  // n = 4..6.
  StepFaceplate(ProcessImage& image, PictureLoader& pictures, int n);

  void Refresh() override;

 protected:
  void DrawTrend() override;

 private:
  LampShape* open_lamp_ = nullptr;
  LampShape* close_lamp_ = nullptr;
};

}  // namespace tessaro
