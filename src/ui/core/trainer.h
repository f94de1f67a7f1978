// The running trainer: the operator screen and every other window, created at start and
// kept for the whole run, and the two timers' ticks. It is the view the engine reports to,
// and passes each report to the window that shows it.
#pragma once

#include <QObject>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/screen_view.h"
#include "engine/project/project_apply.h"

class QTimer;

namespace tessaro {

class Board;
class BoardPanel;
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
  // kWhole builds every window at once. kOperatorScreenFirst builds the operator screen
  // alone, so that it reaches the screen sooner; FinishStartAfterFirstFrame() or
  // FinishStart() then loads its process plate and builds the windows that start hidden.
  enum class Start { kWhole, kOperatorScreenFirst };

  Trainer(ProcessImage& image, Board& board, Messages& messages,
          const std::filesystem::path& data_root, Start start = Start::kWhole);
  ~Trainer() override;

  // The rest of the start, once: the plate and the hidden windows, with the history of any
  // instrument that ran before its window existed.
  void FinishStart();
  // FinishStart() as soon as the operator screen has been drawn for the first time: before
  // any click on it can reach the program.
  void FinishStartAfterFirstFrame();

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

  // Opens every window of the program, as clicks on every opening button and label would.
  void ShowEveryWindow();

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
  void FieldPictureLoaded(int row, int column, const std::filesystem::path& file) override;
  void FieldPictureCleared(int row, int column) override;

 private:
  void CreateInstrumentWindows();
  void CreateLateInstrumentWindows();

  // Shows a notice the board has for the user, without blocking the tick.
  void ShowBoardNotice();
  void CreateLab();
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
  bool started_ = false;         // FinishStart() has run
  bool plate_waits_ = false;     // the process plate is loaded by FinishStart()
  unsigned early_cycles_ = 0;    // bit n: instrument n ran before its window existed
  unsigned early_samples_ = 0;
};

}  // namespace tessaro
