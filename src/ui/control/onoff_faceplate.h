// The faceplate of on/off controller 7, 8 or 9 (TForm22..TForm24): setpoint and process value
// tags, the output lamp, the modes, the arrows, the trend and, at full width, the gap box.
#pragma once

#include "ui/control/faceplate_window.h"

namespace tessaro {

class ArrowSpinBox;
class LampShape;

class OnOffFaceplate : public FaceplateWindow {
  Q_OBJECT

 public:
  // n = 7..9.
  OnOffFaceplate(ProcessImage& image, PictureLoader& pictures, int n);

  void Refresh() override;

 protected:
  void DrawTrend() override;

 private:
  LampShape* lamp_ = nullptr;
  ArrowSpinBox* gap_ = nullptr;
};

}  // namespace tessaro
