#include "ui/control/onoff_faceplate.h"

#include <QLabel>

#include "engine/control/onoff_controller.h"
#include "engine/core/process_image.h"
#include "ui/control/faceplate_controls.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

struct OnOffDesign {
  const char* name;
  QPoint position;
  int gap_caption_left;
};

constexpr OnOffDesign kDesigns[] = {
    {"TForm22", {189, 616}, 664}, {"TForm23", {216, 506}, 664}, {"TForm24", {213, 233}, 688}};

FaceplateWindow::Design DesignOf(int n) {
  const OnOffDesign& d = kDesigns[n - kFirstOnOffController];
  return {.name = d.name,
          .n = n,
          .position = d.position,
          .background = FaceplateWindow::kSilver,
          .columns = BarColumns::SetpointProcess,
          .trend_top = 0,
          .form_create = onoff::FormCreate,
          .auto_click = onoff::AutoButtonClick,
          .manual_click = onoff::HandButtonClick,
          .up_click = onoff::SpinButton1UpClick,
          .down_click = onoff::SpinButton1DownClick,
          .grafiek_click = onoff::GKknopClick};
}

}  // namespace

OnOffFaceplate::OnOffFaceplate(ProcessImage& image, PictureLoader& pictures, int n)
    : FaceplateWindow(image, pictures, DesignOf(n)), lamp_(MakeLamp(this, "Shape1", 8, 24)) {
  gap_ = new ArrowSpinBox(this);
  gap_->setObjectName(QStringLiteral("SpinEdit1"));
  gap_->setGeometry(664, 16, 65, 29);
  gap_->setRange(kGapMin, kGapMax);
  gap_->setFont(TahomaFont(16, true));
  gap_->setToolTip(tr("Hysterese killer"));
  connect(gap_, &QSpinBox::valueChanged, this, [this](int value) {
    onoff::GapButtonClick(image_, n_, value);
    Refresh();
  });

  auto* caption = new QLabel(tr("Gap %"), this);
  caption->setObjectName(QStringLiteral("Label2"));
  caption->setFont(TahomaFont(13, true));
  caption->move(kDesigns[n - kFirstOnOffController].gap_caption_left, 48);
  caption->adjustSize();
  Refresh();
}

void OnOffFaceplate::Refresh() {
  const OnOffState& s = image_.OnOff[static_cast<size_t>(n_)];
  ShowSetpointPlate(s);
  lamp_->SetColour(s.Lamp);
  gap_->Mirror(s.Gap);
}

void OnOffFaceplate::DrawTrend() { DrawSetpointTrend(image_.OnOff[static_cast<size_t>(n_)]); }

}  // namespace tessaro
