#include "ui/control/faceplate_window.h"

#include <QLabel>
#include <QPushButton>

#include "engine/control/chart.h"
#include "engine/control/faceplate_state.h"
#include "engine/control/instrument_title.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/setpoint_faceplate.h"
#include "engine/core/process_image.h"
#include "ui/control/faceplate_controls.h"
#include "ui/control/tag_label.h"
#include "ui/core/engine_texts.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"

namespace tessaro {

namespace {

constexpr int kWindowFontPixels = 11;
constexpr int kModeFontPixels = 16;
const QSize kTrendSize(460, 240);

QFont ModeFont() {
  QFont font(QStringLiteral("Arial Black"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kModeFontPixels);
  font.setWeight(QFont::Black);
  return font;
}

QLabel* MakeModeLabel(QWidget* parent) {
  auto* label = new QLabel(ModeCaption("Hand"), parent);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(145, 0, 46, 23);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(ModeFont());
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(0, 0, 255));
  palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
  label->setPalette(palette);
  return label;
}

int ControllerSlot(int n) { return 8 + n; }

// Starts the controller's state. Until its block is placed, the window is named by the
// controller's range, the caption form_create gives, said in the user's language.
Phrase StartCaption(const FaceplateWindow::Design& design, ProcessImage& image) {
  design.form_create(image, design.n);
  return RangeCaptionPhrase(image, ControllerSlot(design.n));
}

}  // namespace

const QColor FaceplateWindow::kSilver(192, 192, 192);

FaceplateWindow::FaceplateWindow(ProcessImage& image, PictureLoader& pictures, const Design& design)
    : QWidget(nullptr, Qt::Dialog),
      image_(image),
      n_(design.n),
      start_caption_(StartCaption(design, image)) {
  setObjectName(QString::fromLatin1(design.name));
  setFont(TahomaFont(kWindowFontPixels));
  QPalette palette = this->palette();
  if (design.background) {
    setAutoFillBackground(true);
    palette.setColor(QPalette::Window, *design.background);
  }
  // Locked controls stay readable on silver.
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
  }
  setPalette(palette);

  // The scale first: the tags and lamps slide over it.
  auto* scale = new QLabel(this);
  scale->setObjectName(QStringLiteral("Image2"));
  scale->setGeometry(0, 0, 145, kHeight);
  scale->setPixmap(BarScalePicture(design.columns));
  sp_tag_ = new TagLabel(this, "SPLabel", 44, 47, QColor(255, 255, 0));
  pv_tag_ = new TagLabel(this, "PVLabel", 92, 51, QColor(0, 255, 255));
  mode_label_ = MakeModeLabel(this);

  MakeButton("AutoButton", tr("Auto"), 152, 24, design.auto_click);
  //: Manual mode (short: the button is 33 pixels wide)
  MakeButton("ManualButton", tr("Man"), 152, 48, design.manual_click);
  auto* arrows = new ArrowPair(this);
  arrows->setObjectName(QStringLiteral("SpinButton1"));
  arrows->setGeometry(152, 184, 33, 41);
  connect(arrows, &ArrowPair::UpClicked, this, [this, up = design.up_click] { Run(up); });
  connect(arrows, &ArrowPair::DownClicked, this, [this, down = design.down_click] { Run(down); });
  //: Shows the trend chart larger, then smaller again
  QPushButton* grafiek = MakeButton("GKknop", tr("Grafiek"), 144, 232, design.grafiek_click);
  grafiek->resize(49, 17);
  GrowToText(*grafiek);

  trend_ = new ChartView(pictures, kTrendPaper, kTrendSize, false, this);
  trend_->setObjectName(QStringLiteral("Image1"));
  trend_->setGeometry(192, design.trend_top, kTrendSize.width(), kTrendSize.height());

  move(design.position);
}

QPushButton* FaceplateWindow::MakeButton(const char* name, const QString& text, int left, int top,
                                         Action action) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, 33, 17);
  GrowToText(*button);
  connect(button, &QPushButton::clicked, this, [this, action] { Run(action); });
  return button;
}

void FaceplateWindow::Run(Action action) {
  action(image_, n_);
  Refresh();
}

void FaceplateWindow::Cycled() {
  Refresh();
  trend_stale_ = true;
  if (isVisible()) DrawStaleTrend();
}

void FaceplateWindow::DrawStaleTrend() {
  if (!trend_stale_) return;
  trend_stale_ = false;
  DrawTrend();
}

void FaceplateWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();  // the caption may have been named, or the state loaded, while hidden
  DrawStaleTrend();
}

void FaceplateWindow::ShowFrame(const std::string& mode_text, int outer_width) {
  setWindowTitle(QString::fromStdString(
      Translated(InstrumentCaptionText(image_, ControllerSlot(n_), start_caption_))));
  // The widths are those of the whole window, frame included; without a frame (or before
  // the window manager has told us its size) the client area takes the whole width.
  const int client_width = outer_width - (frameGeometry().width() - geometry().width());
  if (width() != client_width || height() != kHeight) setFixedSize(client_width, kHeight);
  mode_label_->setText(ModeCaption(mode_text));
}

void FaceplateWindow::ShowSetpointPlate(const SetpointFaceplate& plate) {
  ShowFrame(plate.ModeText, FaceplateWidth(plate.ViewSize));
  sp_tag_->Show(plate.SpTag);
  pv_tag_->Show(plate.PvTag);
}

std::array<ChartText, 11> FaceplateWindow::TrendScaleOfRange() const {
  const auto slot = static_cast<size_t>(ControllerSlot(n_));
  return TrendScale(image_.RangeHigh[slot], image_.RangeLow[slot], image_.RangeUnit[slot]);
}

void FaceplateWindow::DrawSetpointTrend(const SetpointFaceplate& plate) {
  const auto setpoint = TrendLine(plate.SpTrend);
  const auto process_value = TrendLine(plate.PvTrend);
  ShowTrend(TrendScaleOfRange(),
            {{setpoint, kTrendSetpointPen}, {process_value, kTrendProcessValuePen}});
}

void FaceplateWindow::ShowTrend(const std::array<ChartText, 11>& scale,
                                std::initializer_list<ChartTrace> traces) {
  trend_->Draw(scale, traces);
}

}  // namespace tessaro
