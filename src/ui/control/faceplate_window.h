// What the faceplates of all three controller kinds share: the bar scale with its sliding
// tags, the mode indicator, "Auto" and "Man", the arrows, the "Grafiek" width button, the
// trend picture, the caption and the width. A faceplate holds no behaviour: each click runs
// one engine action for its controller and then shows what the controller's state says.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <optional>
#include <string>

#include "engine/core/texts.h"
#include "ui/control/bar_scale.h"
#include "ui/control/chart_view.h"
#include "ui/control/tag_label.h"

class QLabel;
class QPushButton;

namespace tessaro {

class PictureLoader;
struct ProcessImage;
struct SetpointFaceplate;

class FaceplateWindow : public QWidget {
  Q_OBJECT

 public:
  // An engine action on controller n.
  using Action = void (*)(ProcessImage&, int);
  using Creation = std::string (*)(ProcessImage&, int);

  struct Design {
    const char* name;                  // "TForm15"
    int n;                             // the controller
    QPoint position;                   // first screen position
    std::optional<QColor> background;  // the system's button face when absent
    BarColumns columns;
    int trend_top;
    Creation form_create;  // starts the controller's faceplate state, gives the caption
    Action auto_click;
    Action manual_click;
    Action up_click;
    Action down_click;
    Action grafiek_click;
  };

  static constexpr int kHeight = 249;
  static const QColor kSilver;

  FaceplateWindow(ProcessImage& image, PictureLoader& pictures, const Design& design);

  int controller() const { return n_; }
  // The trend picture, Image1.
  ChartView& chart() const { return *trend_; }

  // Everything the controller's state says: caption, width, mode, tags and the rest.
  virtual void Refresh() = 0;

  // The controller has run a cycle: its state at once; its trend while the window is shown,
  // else when it is shown next, with the whole history.
  void Cycled();

 protected:
  void showEvent(QShowEvent* event) override;

  virtual void DrawTrend() = 0;
  void DrawStaleTrend();

  // Runs `action` on this faceplate's controller and shows the outcome.
  void Run(Action action);
  QPushButton* MakeButton(const char* name, const QString& text, int left, int top, Action action);

  // The caption, the outer width and the mode indicator.
  void ShowFrame(const std::string& mode_text, int outer_width);
  // Frame, tags and two-line trend of a step or on/off controller.
  void ShowSetpointPlate(const SetpointFaceplate& plate);
  void DrawSetpointTrend(const SetpointFaceplate& plate);
  void ShowTrend(const std::array<ChartText, 11>& scale, std::initializer_list<ChartTrace> traces);
  std::array<ChartText, 11> TrendScaleOfRange() const;

  ProcessImage& image_;
  const int n_;
  TagLabel* sp_tag_ = nullptr;
  TagLabel* pv_tag_ = nullptr;

 private:
  Phrase start_caption_;
  QLabel* mode_label_ = nullptr;
  ChartView* trend_ = nullptr;
  bool trend_stale_ = false;  // cycles have run since the trend was last drawn
};

}  // namespace tessaro
