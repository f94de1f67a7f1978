#include "ui/control/pid_faceplate.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "engine/control/modes.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/pid_tuner.h"
#include "engine/core/process_image.h"
#include "ui/control/faceplate_controls.h"
#include "ui/control/tag_label.h"
#include "ui/core/engine_texts.h"

namespace tessaro {

namespace {

struct PidDesign {
  const char* name;
  QPoint position;
};

constexpr PidDesign kDesigns[] = {
    {"TForm15", {192, 211}}, {"TForm16", {240, 156}}, {"TForm17", {471, 359}}};

constexpr int kCascadeSlave = 3;

FaceplateWindow::Design DesignOf(int n) {
  const PidDesign& d = kDesigns[n - 1];
  return {.name = d.name,
          .n = n,
          .position = d.position,
          .background = FaceplateWindow::kSilver,
          .columns = BarColumns::OutputSetpointProcess,
          .trend_top = 8,
          .form_create = pid::FormCreate,
          .auto_click = pid::AutoButtonClick,
          .manual_click = pid::ManualButtonClick,
          .up_click = pid::SpinButton1UpClick,
          .down_click = pid::SpinButton1DownClick,
          .grafiek_click = pid::GKknopClick};
}

struct BoxDesign {
  PidBox box;
  const char* name;
  int top;
};

constexpr std::array<BoxDesign, 7> kBoxes{{{PidBox::PBSpin, "PBSpin", 8},
                                           {PidBox::ItijdSpin, "ItijdSpin", 32},
                                           {PidBox::DtijdSpin, "DtijdSpin", 56},
                                           {PidBox::SpinEdit2, "SpinEdit2", 104},
                                           {PidBox::SpinEdit3, "SpinEdit3", 128},
                                           {PidBox::SpinEdit4, "SpinEdit4", 152},
                                           {PidBox::SpinEdit5, "SpinEdit5", 176}}};

constexpr int kTuningLeft = 656;
constexpr int kCaptionLeft = 700;

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* text, int left) {
  auto* radio = new QRadioButton(QString::fromLatin1(text), parent);
  radio->setObjectName(QString::fromLatin1(name));
  radio->setGeometry(left, 80, 32, 17);
  return radio;
}

}  // namespace

PidFaceplate::PidFaceplate(ProcessImage& image, PictureLoader& pictures, int n)
    : FaceplateWindow(image, pictures, DesignOf(n)) {
  // The cascade slave's output tag stands on silver of its own.
  op_tag_ = new TagLabel(this, "OpLabel", 0, 40,
                         n == kCascadeSlave ? std::optional<QColor>(kSilver) : std::nullopt);
  if (n == kCascadeSlave) {
    //: Cascade (short: the button is 33 pixels wide)
    MakeButton("Button1", tr("Casc"), 152, 72, pid::CascadeButtonClick);
    //: Bypass (short: the button is 33 pixels wide)
    MakeButton("Button3", tr("Bypas"), 152, 96, pid::BypassButtonClick);
  }
  BuildTuning();
  Refresh();
}

void PidFaceplate::BuildTuning() {
  for (size_t i = 0; i < kBoxes.size(); ++i) {
    const BoxDesign& design = kBoxes[i];
    auto* box = new ArrowSpinBox(this);
    box->setObjectName(QString::fromLatin1(design.name));
    box->setGeometry(kTuningLeft, design.top, 41, 22);
    const BoxRange range = PidBoxRange(n_, design.box);
    box->setRange(range.min, range.max);
    connect(box, &QSpinBox::valueChanged, this, [this, which = design.box](int value) {
      pid::SetBox(image_, n_, which, value);
      Refresh();
    });
    boxes_[i] = box;
  }
  direct_ = MakeRadio(this, "RadioButton1", "D", kTuningLeft);
  reverse_ = MakeRadio(this, "RadioButton2", "R", 688);
  connect(direct_, &QRadioButton::clicked, this, [this] { Run(pid::RadioButton1Click); });
  connect(reverse_, &QRadioButton::clicked, this, [this] { Run(pid::RadioButton2Click); });

  auto* change = new QPushButton(tr("Change"), this);
  change->setObjectName(QStringLiteral("Button2"));
  change->setGeometry(kTuningLeft, 216, 73, 25);
  connect(change, &QPushButton::clicked, this, [this] { Run(pid::Button2Click); });
}

void PidFaceplate::Refresh() {
  const PidState& pid = image_.Pid[static_cast<size_t>(n_)];
  ShowFrame(pid.ModeText, pid.Width);
  op_tag_->Show(pid.OpTag);
  sp_tag_->Show(pid.SpTag);
  pv_tag_->Show(pid.PvTag);

  for (size_t i = 0; i < kBoxes.size(); ++i) {
    boxes_[i]->Mirror(PidBoxValue(pid.Boxes, kBoxes[i].box));
    boxes_[i]->setEnabled(pid.TuningEnabled);
  }
  {
    const QSignalBlocker quiet_direct(direct_);
    const QSignalBlocker quiet_reverse(reverse_);
    (pid.RadioButton1Checked ? direct_ : reverse_)->setChecked(true);
  }
  direct_->setEnabled(pid.TuningEnabled);
  reverse_->setEnabled(pid.TuningEnabled);

  const bool captions = ViewSizeOf(pid.ViewSize) == ViewSize::kSuper;
  if (captions != captions_shown_) {
    captions_shown_ = captions;
    update();
  }
}

void PidFaceplate::DrawTrend() {
  const PidState& pid = image_.Pid[static_cast<size_t>(n_)];
  const auto output = TrendLine(pid.OutTrend);
  const auto setpoint = TrendLine(pid.SpTrend);
  const auto process_value = TrendLine(pid.PvTrend);
  // The process value on top of the others; a fitted model over it all.
  const auto model = tune_ != nullptr ? ModelTrendLine(*tune_) : std::vector<ChartPoint>{};
  ShowTrend(TrendScaleOfRange(), {{output, kTrendOutputPen},
                                  {setpoint, kTrendSetpointPen},
                                  {process_value, kTrendProcessValuePen},
                                  {model, kTrendModelPen}});
}

void PidFaceplate::closeEvent(QCloseEvent* event) {
  // Closing only hides the window; it comes back narrow and locked, never left of the screen.
  const int left = pid::Sluiten(image_, n_, x());
  if (left != x()) move(left, y());
  Refresh();
  event->accept();
}

void PidFaceplate::paintEvent(QPaintEvent* event) {
  FaceplateWindow::paintEvent(event);
  // The trend is redrawn every cycle; its repaints never reach the captions.
  if (!captions_shown_ || event->rect().right() < kCaptionLeft) return;
  // The box captions are written on the window itself, black on silver.
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(Qt::black);
  painter.setBackground(kSilver);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const int ascent = painter.fontMetrics().ascent();
  for (const BoxCaption& caption : PidBoxCaptions()) {
    painter.drawText(caption.x, caption.y + ascent, BoxCaptionText(caption.text));
  }
}

}  // namespace tessaro
