// The running trainer: the operator screen and every other window, created at start and
// kept for the whole run, and the two timers' ticks. It is the view the engine reports to,
// and passes each report to the window that shows it.
#pragma once

#include <QObject>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "engine/control/instrument_log.h"
#include "engine/control/pid_tuner.h"
#include "engine/core/run_control.h"
#include "engine/core/screen_view.h"
#include "engine/project/project_apply.h"

class QTimer;

namespace tessaro {

class Board;
class BoardPanel;
class ChartMenu;
class CheckWindow;
class Lab;
class FaceplateWindow;
class LayoutWindow;
class LessonWindow;
class LogicGridWindow;
class MainWindow;
class Messages;
class ProjectDialog;
class ProjectSession;
struct ProcessImage;
class RecorderWindow;
class TuneWindow;

class Trainer : public QObject, public ScreenView, public ProjectLoadView, public TickSink {
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

  // The project dialog's actions; true when the action completed. Each names the project
  // in the operator screen's title.
  bool Opslaan();
  bool Inlezen();
  bool OpslaanAls(const std::filesystem::path& file);
  bool Openen(const std::filesystem::path& file);
  bool Nieuw();
  bool OpenExample(const std::filesystem::path& file);
  // "Controleer": the check beside the open project, run on a copy of it as it is now.
  // False when the project has no check.
  bool Controleer();
  ProjectSession& project() { return *session_; }
  CheckWindow& check_window() { return *check_window_; }
  // F1 and "Les": the lessons' document at the open lesson's section.
  void ShowLesson();
  LessonWindow* lesson_window() { return lesson_.get(); }

  // The window of recorder n (1..8) and the faceplate of controller n (1..9).
  RecorderWindow& recorder_window(int n) { return *recorders_[static_cast<size_t>(n)]; }
  FaceplateWindow& faceplate(int n) { return *faceplates_[static_cast<size_t>(n)]; }
  // The charts' context menu, and the logbooks it starts.
  ChartMenu& chart_menu() { return *chart_menu_; }
  // The tuning assistant of PID controller n (1..3), its window built when first opened.
  PidTuner& tuner() { return tuner_; }
  TuneWindow& tune_window(int n);
  void OpenTuneWindow(int n);
  InstrumentLogs& logs() { return logs_; }

  // Opens every window of the program, as clicks on every opening button and label would.
  void ShowEveryWindow();

  // The scan timer's tick and the multiplex timer's tick; while paused they do nothing.
  void schakelblok();
  void SWklok();
  // The run controls: "Pauze"/"Verder", "Stap" and the speed choice.
  void PauzeClick();
  void StapClick();
  void SpeedChoice(int speed);
  const RunControl& run() const { return run_; }
  // "Kaart".
  void KaartLezenClick();
  // The plant timer's tick: the process on the simulated board runs 100 ms further.
  void PlantTick();
  // TickSink: one tick of each timer and the plant's time, run whether or not paused.
  void ScanTick() override;
  void MuxTick() override;
  void PlantAdvance(int64_t ms) override;
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
  void ProjectReset() override;

 private:
  void CreateInstrumentWindows();
  void CreateProjectDialog();
  // After a project action: the title names the project, and the instrument windows and the
  // palette's editors show the state it brought.
  bool ProjectChanged(bool completed);
  // With unsaved changes, the question whether to save them first; true when the action
  // that replaces the project may go on.
  bool SaveChangesFirst();
  // The operator screen's line that names the project, marked while it has unsaved changes.
  void ShowProjectLine();
  // Where a save of a read-only example goes: the file the user chooses.
  std::optional<std::filesystem::path> ChooseSaveFile();
  void CreateLateInstrumentWindows();
  void OwnWindows();

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
  // The timers' intervals and the run controls follow the run's state.
  void ApplyRun();

  ProcessImage& image_;
  Board& board_;
  Messages& messages_;
  std::filesystem::path root_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<Lab> lab_;
  std::unique_ptr<BoardPanel> panel_;
  QTimer* plant_timer_ = nullptr;
  RunControl run_;
  std::array<std::unique_ptr<RecorderWindow>, 9> recorders_;     // 1..8
  std::array<std::unique_ptr<FaceplateWindow>, 10> faceplates_;  // 1..9
  std::unique_ptr<LayoutWindow> layout_;
  std::unique_ptr<LogicGridWindow> grid_;  // with the three block palettes
  std::unique_ptr<ProjectSession> session_;
  std::unique_ptr<ProjectDialog> project_;
  std::unique_ptr<CheckWindow> check_window_;
  std::unique_ptr<LessonWindow> lesson_;  // made when first asked for
  InstrumentLogs logs_;
  std::unique_ptr<ChartMenu> chart_menu_;
  PidTuner tuner_;
  std::array<std::unique_ptr<TuneWindow>, 4> tune_windows_;  // 1..3
  bool started_ = false;         // FinishStart() has run
  bool plate_waits_ = false;     // the process plate is loaded by FinishStart()
  unsigned early_cycles_ = 0;    // bit n: instrument n ran before its window existed
  unsigned early_samples_ = 0;
};

}  // namespace tessaro
