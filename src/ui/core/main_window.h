// The operator screen: the process plate with the 47 screen items over it, the command
// buttons along the top, and the two timers that drive the scan and the multiplexing.
// Closing it ends the program.
#pragma once

#include <QHash>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "engine/core/image_sizes.h"
#include "engine/core/run_control.h"
#include "engine/core/screen_view.h"
#include "engine/screen/screen_items.h"
#include "engine/screen/screen_zoom.h"
#include "ui/core/picture_loader.h"

class QComboBox;
class QFont;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

class QMenu;

namespace tessaro {

struct ProcessImage;

class Board;
class Messages;

class MainWindow : public QWidget, public ScreenView {
  Q_OBJECT

 public:
  // Runs the start-up: process plate, start-up defaults of `image`. Pictures are read
  // under `data_root`. Without `load_plate` the plate waits for LoadProcessPlates(), so that
  // the first frame need not wait for the screen's largest picture.
  MainWindow(ProcessImage& image, Board& board, Messages& messages,
             const std::filesystem::path& data_root, bool load_plate = true,
             QWidget* parent = nullptr);

  // The process plate, under both its spellings; only the first load reports a missing file.
  void LoadProcessPlates();

  ProcessImage& image() { return image_; }
  Board& board() { return board_; }
  Messages& messages() { return messages_; }
  PictureLoader& pictures() { return pictures_; }

  // The scan tick (250 ms) and the multiplex tick (333 ms); both run from the start.
  QTimer* Timer1() { return timer1_; }
  QTimer* Timer2() { return timer2_; }

  // The control that screen item i (0..46) stands for.
  QWidget* ItemControl(int item) const;

  // What the engine shows on the operator screen.
  void ItemTextChanged(int item, const std::string& text) override;
  void ItemPictureChanged(int item, const std::string& file) override;
  void ItemVisibilityChanged(int item, bool visible) override;
  void ItemLeftChanged(int item, int left) override;
  void ItemTopChanged(int item, int top) override;
  void AddressBoxHidden() override;
  // Every item shows what the image holds for it: label texts, lamp and button pictures and
  // knob values, as after "Nieuw".
  void ShowItemState();
  // The line right of the run controls that names the open project; the operator screen has
  // no title bar to show it.
  void ShowProjectLine(const QString& line);
  // What "Exit" and a close through the window manager ask before the program ends; true
  // when it is to end. Until set, "Afsluiten?".
  void SetExitQuestion(std::function<bool()> ask) { exit_question_ = std::move(ask); }
  // The "Simulatie" button, shown while the simulated board takes the board calls.
  void ShowSimulatieButton(bool shown);
  // The run controls show the run's state: the pause button's text, the speeds offered and
  // chosen, and the state text on the operator screen ("PAUZE", "10x", or nothing).
  void ShowRunState(const RunControl& run);

  // How large the process plate and its items are drawn: fitted to the window (the default)
  // or at the user's own size. Ctrl+0, Ctrl++ and Ctrl+- and the menu under the right mouse
  // button choose it as well; a choice made there is kept in the settings for the next start.
  void SetZoomChoice(const ZoomChoice& choice);
  const ZoomChoice& zoom_choice() const { return zoom_choice_; }
  // The size they are drawn at now, in percent of their own.
  int zoom_percent() const { return zoom_percent_; }
  // Where screen item i (0..46) stands on the plate, in the plate's own pixels; its control
  // stands there scaled by the size drawn at.
  QRect ItemPlace(int item) const;
  // The choice kept in the settings.
  static ZoomChoice StoredZoomChoice();

 signals:
  // The window has closed: the program ends.
  void Closed();
  // The command buttons and instrument labels that open other windows or act on the board.
  void ScreenClicked();
  void LogicsClicked();
  void KaartClicked();
  void OpslaanClicked();
  void SimulatieClicked();
  void RecorderClicked(int n);  // 1..8
  void RegelaarClicked(int n);  // 1..9
  // The run controls: "Pauze"/"Verder", "Stap" and the speed choice (1, 2 or 10).
  void PauzeClicked();
  void StapClicked();
  void SpeedChosen(int speed);
  // F1, from any window: the lessons' document.
  void LessonAsked();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // "Taal / Language": the desktop's language, Dutch or English, from the next start on.
  void AddLanguageMenu(QMenu& menu);

 private:
  // A control's place and font on the plate at its own size.
  struct Design {
    QRect rect;
    int font_pixels = 0;
  };
  void BuildControls();
  void BuildRunControls();
  void MapItems();
  void LoadProcessPlate(const char* file, bool report_failure);
  void ReportPictureFailure(int item, const std::string& file);
  void Button1Click();  // "Exit"
  // The picture item `info` shows for `file` (its start picture when empty), at the size
  // drawn at; null when the file holds none.
  QPixmap ItemPicture(const ScreenItemInfo& info, const std::string& file);
  QPixmap Zoomed(const QPixmap& picture);
  QRect Zoomed(const QRect& rect) const;
  QFont Zoomed(int font_pixels, const QFont& font) const;
  void MoveItem(QWidget* control, std::optional<int> left, std::optional<int> top);
  void ShowPlate(const QPixmap& plate);
  void ApplyZoom();
  void ChooseZoom(const ZoomChoice& choice);  // the user's: applied and kept
  void BuildZoomKeys();

  ProcessImage& image_;
  Board& board_;
  Messages& messages_;
  PictureLoader pictures_;

  QLabel* plate_ = nullptr;
  QSpinBox* address_box_ = nullptr;
  QPushButton* simulatie_button_ = nullptr;
  QPushButton* pauze_button_ = nullptr;
  QComboBox* speed_box_ = nullptr;
  QLabel* run_state_ = nullptr;
  QLabel* project_line_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  std::array<QWidget*, kScreenItems> items_{};
  bool asking_ = false;          // the "Afsluiten?" question is open
  bool exit_confirmed_ = false;  // answered Yes: the window may close
  std::function<bool()> exit_question_;
  std::set<std::string> reported_pictures_;  // lamp pictures already reported missing
  // The size an instrument value label takes for each text it showed. Fitting a label lays
  // its text out, and the scan shows the same few values over and over.
  QHash<QString, QSize> fitted_sizes_;

  ZoomChoice zoom_choice_;
  int zoom_percent_ = 100;
  // Every control's place at the plate's own size; filled when first drawn at another size.
  QHash<QWidget*, Design> design_;
  // Above 100 % the pictures come from their copies at twice the size.
  PictureLoader sharp_pictures_;
  std::string plate_file_;                            // the plate shown
  std::array<std::string, kScreenItems> item_files_;  // the picture each item shows
  QHash<qint64, QPixmap> zoomed_;  // scaled pictures, by the picture they were scaled from
};

}  // namespace tessaro
