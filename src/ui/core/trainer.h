// The running trainer: the operator screen and every other window, created at start and
// kept for the whole run, and the two timers' ticks. It is the view the engine reports to,
// and passes each report to the window that shows it.
#pragma once

#include <QObject>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/control/instrument_log.h"
#include "engine/core/screen_view.h"
#include "engine/project/project_apply.h"

class QTimer;

namespace tessaro {

class Board;
class BoardPanel;
class ChartMenu;
class Lab;
class FaceplateWindow;
class LayoutWindow;
class LogicGridWindow;
class MainWindow;
class Messages;
class ProjectDialog;
struct ProcessImage;
class RecorderWindow;

class Trainer : public QObject, public ScreenView, public ProjectLoadView {
  Q_OBJECT

 public:
  Trainer(ProcessImage& image, Board& board, Messages& messages,
          const std::filesystem::path& data_root);
  ~Trainer() override;

  MainWindow& main_window() { return *main_; }
  // The simulated board's panel and lab; null when the program has no simulated board.
  BoardPanel* board_panel() { return panel_.get(); }
  Lab* lab() { return lab_.get(); }
  LayoutWindow& layout_window() { return *layout_; }
  LogicGridWindow& logic_grid() { return *grid_; }
  ProjectDialog& project_dialog() { return *project_; }

  // "Opslaan" and "Inlezen" of the save/load dialog; true when the action completed.
  bool Opslaan();
  bool Inlezen();

  // The window of recorder n (1..8) and the faceplate of controller n (1..9).
  RecorderWindow& recorder_window(int n) { return *recorders_[static_cast<size_t>(n)]; }
  FaceplateWindow& faceplate(int n) { return *faceplates_[static_cast<size_t>(n)]; }
  // The charts' context menu, and the logbooks it starts.
  ChartMenu& chart_menu() { return *chart_menu_; }
  InstrumentLogs& logs() { return logs_; }

  // The scan timer's tick and the multiplex timer's tick.
  void schakelblok();
  void SWklok();
  // "Kaart".
  void KaartLezenClick();
  // The plant timer's tick: the process on the simulated board runs 100 ms further.
  void PlantTick();
  // The simulated board takes the board calls: no board library or USB board is in use.
  bool SimulatedBoardInUse() const;

  // ScreenView: the operator-screen reports go to the main window.
  void ItemTextChanged(int item, const std::string& text) override;
  void ItemPictureChanged(int item, const std::string& file) override;
  void ItemVisibilityChanged(int item, bool visible) override;
  void ItemLeftChanged(int item, int left) override;
  void ItemTopChanged(int item, int top) override;
  void AddressBoxHidden() override;
  // ScreenView: captions on the logic grid's fields.
  void FieldTextPainted(int row, int column, int x, int y, const std::string& text,
                        bool silver) override;
  // ScreenView: the instruments' reports go to their windows.
  void ControllerCycled(int n) override;
  void RecorderSampled(int n) override;
  // ProjectLoadView: a loaded project's action choices and grid pictures. (The item reports
  // above serve a load as well.)
  void PidActionSelected(int n, bool direct) override;
  bool FieldPictureLoaded(int row, int column, const std::filesystem::path& file) override;
  void FieldPictureCleared(int row, int column) override;

 private:
  void CreateInstrumentWindows();
  void CreateLateInstrumentWindows();

  // Shows a notice the board has for the user, without blocking the tick.
  void ShowBoardNotice();
  void CreateLab();
  // Gives every chart picture its context menu.
  void InstallChartMenus();
  // Hands the samples of the last tick to the logbooks; a log that failed is told once,
  // after the tick, and its window's caption no longer says it logs.
  void CollectLogs();
  void RefreshInstrument(int slot);
  // Shows the board's new state on the panel; hides panel and button once a real board
  // has taken over.
  void UpdateLab();

  ProcessImage& image_;
  Board& board_;
  Messages& messages_;
  std::filesystem::path root_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<Lab> lab_;
  std::unique_ptr<BoardPanel> panel_;
  QTimer* plant_timer_ = nullptr;
  std::array<std::unique_ptr<RecorderWindow>, 9> recorders_;     // 1..8
  std::array<std::unique_ptr<FaceplateWindow>, 10> faceplates_;  // 1..9
  std::unique_ptr<LayoutWindow> layout_;
  std::unique_ptr<LogicGridWindow> grid_;  // with the three block palettes
  std::unique_ptr<ProjectDialog> project_;
  InstrumentLogs logs_;
  std::unique_ptr<ChartMenu> chart_menu_;
};

}  // namespace tessaro
