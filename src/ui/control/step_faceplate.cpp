#include "ui/control/step_faceplate.h"

#include "engine/control/step_controller.h"
#include "engine/core/process_image.h"
#include "ui/control/faceplate_controls.h"

namespace tessaro {

namespace {

struct StepDesign {
  const char* name;
  QPoint position;
};

constexpr StepDesign kDesigns[] = {
    {"TForm18", {367, 271}}, {"TForm19", {422, 249}}, {"TForm20", {271, 279}}};

FaceplateWindow::Design DesignOf(int n) {
  const StepDesign& d = kDesigns[n - kFirstStepController];
  return {.name = d.name,
          .n = n,
          .position = d.position,
          .background = std::nullopt,  // the system's button face
          .columns = BarColumns::SetpointProcess,
          .trend_top = 0,
          .form_create = step::FormCreate,
          .auto_click = step::AutoButtonClick,
          .manual_click = step::HandButtonClick,
          .up_click = step::SpinButton1UpClick,
          .down_click = step::SpinButton1DownClick,
          .grafiek_click = step::GKknopClick};
}

}  // namespace

StepFaceplate::StepFaceplate(ProcessImage& image, PictureLoader& pictures, int n)
    : FaceplateWindow(image, pictures, DesignOf(n)),
      open_lamp_(MakeLamp(this, "Shape1", 8, 24)),
      close_lamp_(MakeLamp(this, "Shape2", 8, 184)) {
  Refresh();
}

void StepFaceplate::Refresh() {
  const StepState& s = image_.Step[static_cast<size_t>(n_)];
  ShowSetpointPlate(s);
  open_lamp_->SetColour(s.OpenLamp);
  close_lamp_->SetColour(s.CloseLamp);
}

void StepFaceplate::DrawTrend() { DrawSetpointTrend(image_.Step[static_cast<size_t>(n_)]); }

}  // namespace tessaro
