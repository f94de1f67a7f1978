// The operator screen drawn at another size than its own: every control keeps its place on
// the plate, scaled as one picture with it, and its font grows or shrinks along. The places
// the engine gives stay in the plate's own pixels.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <cmath>

#include "engine/core/messages.h"
#include "ui/core/language.h"
#include "ui/core/main_window.h"

namespace tessaro {

namespace {

constexpr int kDesignWidth = 1286;
constexpr int kDesignHeight = 632;
const QString kZoomSetting = QStringLiteral("view/zoom");

bool FitsItsText(ItemKind kind) {
  return kind == ItemKind::RecorderLabel || kind == ItemKind::ControllerLabel;
}

}  // namespace

ZoomChoice MainWindow::StoredZoomChoice() {
  return ParseZoomSetting(QSettings().value(kZoomSetting).toString().toStdString());
}

void MainWindow::SetZoomChoice(const ZoomChoice& choice) {
  zoom_choice_ = choice;
  ApplyZoom();
}

void MainWindow::ChooseZoom(const ZoomChoice& choice) {
  SetZoomChoice(choice);
  QSettings().setValue(kZoomSetting, QString::fromStdString(ZoomSettingText(choice)));
}

void MainWindow::BuildZoomKeys() {
  const auto key = [this](const QKeySequence& keys, auto choice) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this,
            [this, choice] { ChooseZoom(choice(zoom_percent_)); });
  };
  key(QKeySequence(Qt::CTRL | Qt::Key_0), [](int) { return ZoomChoice{}; });
  key(QKeySequence(Qt::CTRL | Qt::Key_Plus), ZoomIn);
  key(QKeySequence(Qt::CTRL | Qt::Key_Equal), ZoomIn);  // "+" without Shift
  key(QKeySequence(Qt::CTRL | Qt::Key_Minus), ZoomOut);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("ZoomMenu"));
  const auto entry = [this, &menu](const QString& text, bool checked, auto choice) {
    QAction* action = menu.addAction(text);
    action->setCheckable(checked);
    action->setChecked(checked);
    connect(action, &QAction::triggered, this, [this, choice] { ChooseZoom(choice(zoom_percent_)); });
  };
  entry(tr("Passend op het scherm\tCtrl+0"), zoom_choice_.fit,
        [](int) { return ZoomChoice{}; });
  entry(QStringLiteral("100 %"), zoom_choice_ == ZoomChoice{false, 100},
        [](int) { return ZoomChoice{false, 100}; });
  entry(tr("Groter\tCtrl++"), false, ZoomIn);
  entry(tr("Kleiner\tCtrl+-"), false, ZoomOut);
  menu.addSeparator();
  AddLanguageMenu(menu);
  menu.exec(event->globalPos());
}

void MainWindow::AddLanguageMenu(QMenu& menu) {
  // Both languages' words, so that it is found whichever one the program speaks now.
  QMenu* languages = menu.addMenu(QStringLiteral("Taal / Language"));
  languages->setObjectName(QStringLiteral("LanguageMenu"));
  const QString stored = StoredLanguageChoice();
  const std::pair<QString, QString> choices[] = {
      {QString(), tr("Zoals het bureaublad")},
      {QStringLiteral("nl"), QStringLiteral("Nederlands")},
      {QStringLiteral("en"), QStringLiteral("English")}};
  for (const auto& [code, name] : choices) {
    QAction* action = languages->addAction(name);
    action->setCheckable(true);
    action->setChecked(code == stored);
    connect(action, &QAction::triggered, this, [this, code = code] {
      StoreLanguageChoice(code);
      // In both languages: the one chosen may be the one the user reads.
      messages_.Information(
          "De taal wordt gebruikt vanaf de volgende start van Tessaro.\n"
          "The language is used from the next start of Tessaro on.");
    });
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ApplyZoom();
}

QRect MainWindow::ItemPlace(int item) const {
  QWidget* control = ItemControl(item);
  if (control == nullptr) return {};
  const auto design = design_.constFind(control);
  return design == design_.cend() ? control->geometry() : design->rect;
}

QRect MainWindow::Zoomed(const QRect& rect) const {
  // Both edges scaled, so that controls that touch at their own size still touch.
  const auto scale = [this](int v) {
    return static_cast<int>(std::lround(v * zoom_percent_ / 100.0));
  };
  const int left = scale(rect.x());
  const int top = scale(rect.y());
  return QRect(left, top, scale(rect.x() + rect.width()) - left,
               scale(rect.y() + rect.height()) - top);
}

QFont MainWindow::Zoomed(int font_pixels, const QFont& font) const {
  QFont zoomed = font;
  if (font_pixels > 0) {
    zoomed.setPixelSize(std::max(1, static_cast<int>(std::lround(font_pixels * zoom_percent_ / 100.0))));
  }
  return zoomed;
}

QPixmap MainWindow::Zoomed(const QPixmap& picture) {
  if (picture.isNull() || zoom_percent_ == 100) return picture;
  // The scan shows the same lamp pictures over and over: each is scaled once.
  const auto done = zoomed_.constFind(picture.cacheKey());
  if (done != zoomed_.cend()) return *done;
  const qreal ratio = devicePixelRatioF();
  const QSize size = Zoomed(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize())).size();
  QPixmap zoomed = picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  zoomed.setDevicePixelRatio(ratio);
  zoomed_.insert(picture.cacheKey(), zoomed);
  return zoomed;
}

void MainWindow::MoveItem(QWidget* control, std::optional<int> left, std::optional<int> top) {
  const auto design = design_.find(control);
  if (design == design_.end()) {
    control->move(left.value_or(control->x()), top.value_or(control->y()));
    return;
  }
  design->rect.moveTo(left.value_or(design->rect.x()), top.value_or(design->rect.y()));
  control->move(Zoomed(design->rect).topLeft());
}

void MainWindow::ApplyZoom() {
  const int percent =
      ZoomPercent(zoom_choice_, {width(), height()}, {kDesignWidth, kDesignHeight});
  if (percent == zoom_percent_) return;
  if (design_.isEmpty()) {
    // Until now at its own size: what every control shows is its place on the plate.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!child->isWindow()) design_.insert(child, {child->geometry(), child->font().pixelSize()});
    }
  }
  zoom_percent_ = percent;
  zoomed_.clear();
  fitted_sizes_.clear();
  for (auto design = design_.cbegin(); design != design_.cend(); ++design) {
    design.key()->setFont(Zoomed(design->font_pixels, design.key()->font()));
    design.key()->setGeometry(Zoomed(design->rect));
  }
  if (!plate_file_.empty()) LoadProcessPlate(plate_file_.c_str(), false);
  const auto& items = ScreenItems();
  for (int item = 0; item < kScreenItems; ++item) {
    const ScreenItemInfo& info = items[static_cast<size_t>(item)];
    if (FitsItsText(info.kind)) {
      items_[static_cast<size_t>(item)]->adjustSize();
    } else if (info.kind == ItemKind::InputLamp || info.kind == ItemKind::PushButton ||
               info.kind == ItemKind::OutputLamp) {
      const std::string file = item_files_[static_cast<size_t>(item)];
      static_cast<QLabel*>(items_[static_cast<size_t>(item)])->setPixmap(ItemPicture(info, file));
    }
  }
  if (!run_state_->text().isEmpty()) run_state_->adjustSize();
  if (project_line_->isVisible()) {
    project_line_->resize(project_line_->sizeHint().width(), Zoomed(QRect(0, 0, 1, 25)).height());
  }
}

}  // namespace tessaro
