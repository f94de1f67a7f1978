#include "ui/core/trainer.h"

#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPixmap>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <utility>
#include <vector>

#include "engine/board/board.h"
#include "engine/board/board_selection.h"
#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/core/board_connection.h"
#include "engine/core/messages.h"
#include "engine/core/scan.h"
#include "engine/project/project_session.h"
#include "engine/script/check.h"
#include "ui/board/board_panel.h"
#include "ui/control/chart_menu.h"
#include "ui/control/onoff_faceplate.h"
#include "ui/control/pid_faceplate.h"
#include "ui/control/recorder_window.h"
#include "ui/control/step_faceplate.h"
#include "ui/control/tune_window.h"
#include "ui/core/file_folders.h"
#include "ui/core/file_names.h"
#include "ui/core/language.h"
#include "ui/core/main_window.h"
#include "ui/core/owned_window.h"
#include "ui/editor/block_palette.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/project/check_window.h"
#include "ui/project/lesson_window.h"
#include "ui/project/project_dialog.h"
#include "ui/screen/layout_window.h"

namespace tessaro {

namespace {

constexpr int kPlantTickMs = 100;  // the plant's own step, in program time
// The projects saved or opened last, newest first.
const QString kRecentSetting = QStringLiteral("files/recent");

}  // namespace

Trainer::Trainer(ProcessImage& image, Board& board, Messages& messages,
                 const std::filesystem::path& data_root, Start start)
    : image_(image),
      board_(board),
      messages_(messages),
      root_(data_root),
      main_(
          std::make_unique<MainWindow>(image, board, messages, data_root, start == Start::kWhole)),
      plate_waits_(start != Start::kWhole) {
  run_.clock_origin_ms = QDateTime::currentMSecsSinceEpoch();
  connect(main_->Timer1(), &QTimer::timeout, this, &Trainer::schakelblok);
  connect(main_->Timer2(), &QTimer::timeout, this, &Trainer::SWklok);
  connect(main_.get(), &MainWindow::KaartClicked, this, &Trainer::KaartLezenClick);
  connect(main_.get(), &MainWindow::PauzeClicked, this, &Trainer::PauzeClick);
  connect(main_.get(), &MainWindow::StapClicked, this, &Trainer::StapClick);
  connect(main_.get(), &MainWindow::SpeedChosen, this, &Trainer::SpeedChoice);
  connect(main_.get(), &MainWindow::LessonAsked, this, &Trainer::ShowLesson);
  if (start == Start::kWhole) FinishStart();
}

void Trainer::FinishStartAfterFirstFrame() {
  // The first expose of the operator screen paints it before the event is done; the rest of
  // the start is posted then, ahead of any input that arrives after it.
  class FirstFrame : public QObject {
   public:
    explicit FirstFrame(Trainer& trainer) : QObject(&trainer), trainer_(trainer) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, &trainer_, [this] {
          trainer_.FinishStart();
          deleteLater();
        });
      }
      return false;
    }

   private:
    Trainer& trainer_;
  };
  if (main_->windowHandle() == nullptr) main_->winId();
  main_->windowHandle()->installEventFilter(new FirstFrame(*this));
}

void Trainer::FinishStart() {
  if (started_ || layout_) return;  // done, or under way
  CreateLab();
  layout_ = std::make_unique<LayoutWindow>(image_, *this, main_->pictures());
  connect(main_.get(), &MainWindow::ScreenClicked, layout_.get(), &LayoutWindow::ShowEditor);
  grid_ = std::make_unique<LogicGridWindow>(image_, messages_, main_->pictures());
  connect(main_.get(), &MainWindow::LogicsClicked, grid_.get(), &LogicGridWindow::ShowLogics);
  CreateInstrumentWindows();
  // The save/load window comes between the step faceplates and recorder 2's window.
  CreateProjectDialog();
  CreateLateInstrumentWindows();
  InstallChartMenus();
  OwnWindows();
  // A board library or USB board in use from the start runs in real time.
  if (!SimulatedBoardInUse()) RealBoardConnected(run_);
  ApplyRun();
  started_ = true;
  for (int n = 1; n <= 9; ++n) {
    if (early_cycles_ & (1u << n)) faceplate(n).Cycled();
    if (n <= 8 && (early_samples_ & (1u << n))) recorder_window(n).Sampled();
  }
  // Last: a missing plate's message box lets the timers run, and every window exists now.
  if (plate_waits_) main_->LoadProcessPlates();
}

Trainer::~Trainer() = default;

void Trainer::CreateProjectDialog() {
  session_ = std::make_unique<ProjectSession>(image_, board_, messages_, *this, root_);
  std::vector<std::string> recent;
  for (const QString& file : QSettings().value(kRecentSetting).toStringList()) {
    recent.push_back(file.toStdString());
  }
  session_->SetRecent(std::move(recent));
  const auto path = [](const QString& file) { return ToPath(file); };
  ProjectDialog::Actions actions{
      .save = [this] { return Opslaan(); },
      .load = [this] { return Inlezen(); },
      .save_as = [this, path](const QString& file) { return OpslaanAls(path(file)); },
      .open = [this, path](const QString& file) { return Openen(path(file)); },
      .new_project = [this] { return Nieuw(); },
      .open_example = [this, path](const QString& file) { return OpenExample(path(file)); },
      .examples =
          [this] {
            std::vector<ProjectDialog::Example> examples;
            for (const auto& file : ExampleProjects(root_)) {
              examples.push_back({QString::fromStdString(file.stem().string()), FromPath(file)});
            }
            return examples;
          },
      .recent =
          [this] {
            std::vector<ProjectDialog::Example> recent;
            for (const std::string& file : session_->recent()) {
              const QString path = QString::fromStdString(file);
              // The name first, then the folder it is in.
              recent.push_back({QFileInfo(path).fileName() + QStringLiteral("  (") +
                                    QFileInfo(path).absolutePath() + QStringLiteral(")"),
                                path});
            }
            return recent;
          },
      .start_folder = [] { return FileDialogFolder(); },
      .lesson = [this] { ShowLesson(); },
      .has_check = [this] { return sim::CheckFileFor(session_->file()).has_value(); },
      .check = [this] { return Controleer(); },
  };
  project_ = std::make_unique<ProjectDialog>(std::move(actions));
  check_window_ = std::make_unique<CheckWindow>(messages_);
  main_->SetExitQuestion([this] { return session_->Exit([this] { return ChooseSaveFile(); }); });
  connect(main_.get(), &MainWindow::OpslaanClicked, project_.get(), [this] {
    project_->ShowCheckButton();
    ShowToFront(*project_);
  });
}

// The recorder and controller windows, all hidden, in the order the trainer has always
// created them: recorders 1, 5..8, the PID and step faceplates; later recorders 2..4 and the
// on/off faceplates.
void Trainer::CreateInstrumentWindows() {
  PictureLoader& pictures = main_->pictures();
  for (int n : {1, 5, 6, 7, 8}) {
    recorders_[static_cast<size_t>(n)] = std::make_unique<RecorderWindow>(image_, pictures, n);
  }
  for (int n = 1; n <= 3; ++n) {
    faceplates_[static_cast<size_t>(n)] = std::make_unique<PidFaceplate>(image_, pictures, n);
  }
  for (int n = 4; n <= 6; ++n) {
    faceplates_[static_cast<size_t>(n)] = std::make_unique<StepFaceplate>(image_, pictures, n);
  }
}

void Trainer::CreateLateInstrumentWindows() {
  PictureLoader& pictures = main_->pictures();
  for (int n : {2, 3, 4}) {
    recorders_[static_cast<size_t>(n)] = std::make_unique<RecorderWindow>(image_, pictures, n);
  }
  for (int n = 7; n <= 9; ++n) {
    faceplates_[static_cast<size_t>(n)] = std::make_unique<OnOffFaceplate>(image_, pictures, n);
  }
  connect(main_.get(), &MainWindow::RecorderClicked, this,
          [this](int n) { ShowToFront(recorder_window(n)); });
  connect(main_.get(), &MainWindow::RegelaarClicked, this,
          [this](int n) { ShowToFront(faceplate(n)); });
}

// Every other window belongs to the operator screen, which the window system then keeps
// behind them; message boxes stand over the window they come from.
void Trainer::OwnWindows() {
  std::vector<QWidget*> windows{layout_.get(), grid_.get(), project_.get(), panel_.get(),
                                check_window_.get()};
  for (Palette palette : {Palette::Input, Palette::Processing, Palette::Output}) {
    windows.push_back(&grid_->PaletteWindow(palette));
  }
  for (int n = 1; n <= 8; ++n) windows.push_back(&recorder_window(n));
  for (int n = 1; n <= 9; ++n) windows.push_back(&faceplate(n));
  for (QWidget* window : windows) {
    if (window != nullptr) OwnWindow(*window, *main_);
  }
}

void Trainer::ShowEveryWindow() {
  FinishStart();
  emit main_->ScreenClicked();
  emit main_->LogicsClicked();
  emit main_->OpslaanClicked();
  if (SimulatedBoardInUse()) emit main_->SimulatieClicked();
  for (int n = 1; n <= 8; ++n) emit main_->RecorderClicked(n);
  for (int n = 1; n <= 9; ++n) emit main_->RegelaarClicked(n);
}

void Trainer::schakelblok() {
  if (AcceptScanTimer(run_)) ScanTick();
}

void Trainer::SWklok() {
  if (AcceptMuxTimer(run_)) MuxTick();
}

void Trainer::ScanTick() {
  image_.ClockMs = ProgramClockMs(run_);
  tessaro::schakelblok(image_, board_, *this);
  CollectLogs();
  UpdateLab();
  ShowBoardNotice();
  if (grid_) grid_->RefreshHover();
  ShowProjectLine();
}

void Trainer::ShowProjectLine() {
  if (session_) main_->ShowProjectLine(TranslatedText(session_->ScreenLinePhrase()));
}

void Trainer::MuxTick() {
  tessaro::SWklok(image_, board_);
  UpdateLab();
  ShowBoardNotice();
}

void Trainer::InstallChartMenus() {
  chart_menu_ = std::make_unique<ChartMenu>(image_, logs_, messages_);
  chart_menu_->SetClock([this] { return ProgramClockMs(run_); });
  for (int n = 1; n <= 8; ++n) {
    chart_menu_->Install(recorder_window(n).chart(), RecorderSlot(n),
                         [this, n] { recorder_window(n).Refresh(); });
  }
  for (int n = 1; n <= 9; ++n) {
    chart_menu_->Install(faceplate(n).chart(), ControllerSlot(n),
                         [this, n] { faceplate(n).Refresh(); });
  }
  // A PID faceplate's trend shows its tuning test's model; its bar scale opens the assistant
  // with a right click.
  for (int n = 1; n <= 3; ++n) {
    static_cast<PidFaceplate&>(faceplate(n)).ShowModelOf(&tuner_.session(n));
    QWidget* scale = faceplate(n).findChild<QWidget*>(QStringLiteral("Image2"));
    if (scale == nullptr) continue;
    scale->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(scale, &QWidget::customContextMenuRequested, this, [this, n, scale](const QPoint& at) {
      auto* menu = new QMenu(scale);
      menu->setObjectName(QStringLiteral("TuneMenu"));
      menu->setAttribute(Qt::WA_DeleteOnClose);
      menu->addAction(tr("Afstemhulp…"), this, [this, n] { OpenTuneWindow(n); });
      menu->popup(scale->mapToGlobal(at));
    });
  }
}

TuneWindow& Trainer::tune_window(int n) {
  auto& window = tune_windows_[static_cast<size_t>(n)];
  if (!window) {
    window = std::make_unique<TuneWindow>(image_, tuner_, n, [this, n] { faceplate(n).Refresh(); });
    OwnWindow(*window, *main_);
  }
  return *window;
}

void Trainer::OpenTuneWindow(int n) {
  if (n < 1 || n > 3) return;
  TuneWindow& window = tune_window(n);
  ShowToFront(window);
  window.Refresh();
}

void Trainer::CollectLogs() {
  for (auto& stopped : logs_.Collect(image_)) {
    RefreshInstrument(stopped.slot);
    QMetaObject::invokeMethod(
        this,
        [this, message = std::move(stopped.message)] {
          messages_.Error(messages_.Render(message));
        },
        Qt::QueuedConnection);
  }
}

void Trainer::RefreshInstrument(int slot) {
  if (slot <= 8) {
    recorder_window(slot).Refresh();
  } else {
    faceplate(slot - 8).Refresh();
  }
}

void Trainer::PauzeClick() {
  tessaro::PauseClick(run_);
  ApplyRun();
}

void Trainer::StapClick() {
  Step(run_, *this);
  ApplyRun();
}

void Trainer::SpeedChoice(int speed) {
  SetSpeed(run_, speed);
  ApplyRun();
}

void Trainer::ApplyRun() {
  main_->Timer1()->setInterval(ScanTimerInterval(run_));
  main_->Timer2()->setInterval(MuxTimerInterval(run_));
  if (plant_timer_ != nullptr) plant_timer_->setInterval(PlantTimerInterval(run_, kPlantTickMs));
  main_->ShowRunState(run_);
}

// A board that stopped answering is told once, after the tick, so that the box does not hold
// up the tick that found it; the timers run on while it is shown.
void Trainer::ShowBoardNotice() {
  Message notice = board_.TakeNotice();
  if (notice.empty()) return;
  QMetaObject::invokeMethod(
      this, [this, notice = std::move(notice)] { messages_.Information(messages_.Render(notice)); },
      Qt::QueuedConnection);
}

void Trainer::KaartLezenClick() {
  tessaro::KaartLezenClick(image_, board_, messages_, *this);
  UpdateLab();
}

namespace {

// The simulated board behind the program's board, if it has one.
SimulatedBoard* SimulatedBoardOf(Board& board) {
  if (auto* selector = dynamic_cast<BoardSelector*>(&board)) {
    return dynamic_cast<SimulatedBoard*>(&selector->simulated());
  }
  return dynamic_cast<SimulatedBoard*>(&board);
}

}  // namespace

// With a simulated board the program is a lab: the panel works its inputs, and a process
// wired to it runs on a timer of its own. The plant counts ticks, not the wall clock, just
// as the controllers count scan ticks, so a busy moment slows both alike.
void Trainer::CreateLab() {
  SimulatedBoard* simulated = SimulatedBoardOf(board_);
  if (simulated == nullptr) return;
  lab_ = std::make_unique<Lab>(*simulated);
  panel_ = std::make_unique<BoardPanel>(*lab_);
  connect(main_.get(), &MainWindow::SimulatieClicked, this, [this] { ShowToFront(*panel_); });
  // The plant's timer runs only while a process is wired: an idle lab costs no wake-ups.
  plant_timer_ = new QTimer(this);
  plant_timer_->setObjectName(QStringLiteral("PlantTimer"));
  plant_timer_->setInterval(kPlantTickMs);
  connect(plant_timer_, &QTimer::timeout, this, &Trainer::PlantTick);
  connect(panel_.get(), &BoardPanel::PlantChosenSignal, this, [this](bool running) {
    if (running && SimulatedBoardInUse()) {
      plant_timer_->start();
    } else {
      plant_timer_->stop();
    }
  });
  main_->ShowSimulatieButton(SimulatedBoardInUse());
}

bool Trainer::SimulatedBoardInUse() const {
  if (!lab_) return false;
  if (auto* selector = dynamic_cast<const BoardSelector*>(&board_)) {
    return selector->source() == BoardSource::kSimulated;
  }
  return true;  // the board is the simulated board itself
}

void Trainer::PlantTick() {
  if (AcceptPlantTimer(run_)) PlantAdvance(kPlantTickMs);
}

void Trainer::PlantAdvance(int64_t ms) {
  if (!SimulatedBoardInUse() || ms <= 0) return;
  lab_->Advance(static_cast<double>(ms) / 1000);
  panel_->Refresh();
}

void Trainer::UpdateLab() {
  if (!lab_) return;
  if (SimulatedBoardInUse()) {
    panel_->Refresh();
    return;
  }
  // A real board answered: its inputs are the ones that count now, in real time.
  plant_timer_->stop();
  panel_->hide();
  main_->ShowSimulatieButton(false);
  if (!run_.real_board) {
    RealBoardConnected(run_);
    ApplyRun();
  }
}

void Trainer::ItemTextChanged(int item, const std::string& text) {
  main_->ItemTextChanged(item, text);
}

void Trainer::ItemPictureChanged(int item, const std::string& file) {
  main_->ItemPictureChanged(item, file);
}

void Trainer::ItemVisibilityChanged(int item, bool visible) {
  main_->ItemVisibilityChanged(item, visible);
}

void Trainer::ItemLeftChanged(int item, int left) { main_->ItemLeftChanged(item, left); }

void Trainer::ItemTopChanged(int item, int top) { main_->ItemTopChanged(item, top); }

void Trainer::AddressBoxHidden() { main_->AddressBoxHidden(); }

void Trainer::FieldTextPainted(int row, int column, int x, int y, const std::string& text,
                               bool silver) {
  if (grid_) grid_->FieldTextPainted(row, column, x, y, text, silver);
}

// Before the start is finished a tick may run an instrument whose window does not exist yet;
// the window draws that history once it is built.
void Trainer::ControllerCycled(int n) {
  if (n < 1 || n > 9) return;
  if (n <= 3) {
    tuner_.Cycled(image_, n);
    if (tune_windows_[static_cast<size_t>(n)]) tune_windows_[static_cast<size_t>(n)]->Refresh();
  }
  if (!started_) {
    early_cycles_ |= 1u << n;
  } else {
    faceplate(n).Cycled();
  }
}

void Trainer::RecorderSampled(int n) {
  if (n < 1 || n > 8) return;
  if (!started_) {
    early_samples_ |= 1u << n;
  } else {
    recorder_window(n).Sampled();
  }
}

}  // namespace tessaro

namespace tessaro {

bool Trainer::Opslaan() { return ProjectChanged(session_->Save()); }

bool Trainer::Inlezen() { return SaveChangesFirst() && ProjectChanged(session_->Load()); }

bool Trainer::OpslaanAls(const std::filesystem::path& file) {
  return ProjectChanged(session_->SaveAs(file));
}

bool Trainer::Openen(const std::filesystem::path& file) {
  return SaveChangesFirst() && ProjectChanged(session_->Open(file));
}

bool Trainer::Nieuw() {
  return ProjectChanged(session_->New([this] { return ChooseSaveFile(); }));
}

bool Trainer::OpenExample(const std::filesystem::path& file) {
  if (!SaveChangesFirst() || !ProjectChanged(session_->OpenExample(file))) return false;
  // The lesson's process is wired at once, so that its controller never runs against none.
  if (panel_ && SimulatedBoardInUse() && !session_->lesson_process().empty()) {
    panel_->WirePlant(session_->lesson_process());
  }
  return true;
}

void Trainer::ShowLesson() {
  const auto document = LessonDocument(root_);
  if (!document) {
    messages_.Information(tr("Geen lessen.html gevonden").toStdString());
    return;
  }
  if (!lesson_) {
    lesson_ = std::make_unique<LessonWindow>();
    OwnWindow(*lesson_, *main_);
  }
  lesson_->ShowLesson(FromPath(*document),
                      QString::fromStdString(session_ ? session_->lesson() : std::string()));
}

bool Trainer::SaveChangesFirst() {
  const bool unsaved = session_->unsaved();
  if (!session_->SaveChangesFirst([this] { return ChooseSaveFile(); })) return false;
  // A save made here names the project in the title even if the action then fails.
  if (unsaved && !session_->unsaved()) ProjectChanged(true);
  return true;
}

std::optional<std::filesystem::path> Trainer::ChooseSaveFile() {
  const QString file = project_->ChooseFile(true);
  if (file.isEmpty()) return std::nullopt;
  return ToPath(file);
}

bool Trainer::Controleer() {
  const auto check = sim::CheckFileFor(session_->file());
  if (!check) return false;
  check_window_->Start(image_, *check, QString::fromStdString(session_->name()));
  return true;
}

bool Trainer::ProjectChanged(bool completed) {
  if (!completed) return false;
  main_->setWindowTitle(QString::fromStdString(session_->WindowTitle()));
  if (!session_->last_folder().empty()) {
    RememberFolder(FromPath(session_->last_folder()));
  }
  QStringList recent;
  for (const std::string& file : session_->recent()) recent << QString::fromStdString(file);
  QSettings().setValue(kRecentSetting, recent);
  ShowProjectLine();
  grid_->ShowPaletteEditors();
  for (int n = 1; n <= 9; ++n) faceplate(n).Cycled();
  for (int n = 1; n <= 8; ++n) recorder_window(n).Sampled();
  return true;
}

void Trainer::ProjectReset() {
  tuner_.Reset();
  for (auto& window : tune_windows_) {
    if (window) window->Refresh();
  }
  main_->ShowItemState();
  grid_->ShowStartFields();
  UpdateLab();
}

void Trainer::PidActionSelected(int n, bool /*direct*/) {
  // The engine has made the choice; the faceplate shows it.
  faceplate(n).Refresh();
}

bool Trainer::FieldPictureLoaded(int row, int column, const std::filesystem::path& file) {
  const std::string relative = file.lexically_relative(root_).generic_string();
  const QPixmap picture = main_->pictures().Load(relative);
  if (picture.isNull()) return false;  // the engine blanks the field and reports it
  grid_->SetFieldPicture(row, column, picture);
  return true;
}

void Trainer::FieldPictureCleared(int row, int column) {
  grid_->SetFieldPicture(row, column, main_->pictures().Load("velden/Blanco.bmp"));
}

}  // namespace tessaro
