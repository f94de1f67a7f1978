#include "ui/core/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QWindow>

#include "engine/core/messages.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "ui/core/builtin_pictures.h"
#include "ui/core/click_label.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"

namespace tessaro {

namespace {

constexpr int kDesignWidth = 1286;
constexpr int kDesignHeight = 632;
constexpr int kWindowFontPixels = 11;
constexpr int kAddressFontPixels = 13;
constexpr int kKnobFontPixels = 21;
constexpr int kLabelFontPixels = 27;
constexpr int kRunStatePixels = 19;
constexpr int kRunSpeeds[] = {1, 2, 10};
// Right of the run state ("PAUZE", "10x"), in the row of the command buttons.
constexpr int kProjectLineLeft = 820;

QString Name(const char* prefix, int number) {
  return QString::fromLatin1(prefix) + QString::number(number);
}

template <typename Control>
Control* Place(Control* control, const QString& name, int left, int top, bool shown) {
  control->setObjectName(name);
  control->move(left, top);
  control->setVisible(shown);
  return control;
}

QPushButton* MakeCommandButton(QWidget* parent, const char* name, const QString& text, int left,
                               int width) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 0, width, 25);
  GrowToText(*button);
  return button;
}

QLabel* MakeValueLabel(QLabel* label, const QString& text) {
  label->setText(text);
  label->setFont(TahomaFont(kLabelFontPixels, true));
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QLabel* MakePicture(QLabel* label, const QPixmap& picture) {
  // A picture larger than its control is cut off at the right and bottom.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setPixmap(picture);
  label->resize(picture.deviceIndependentSize().toSize());
  return label;
}

QSpinBox* MakeSpinBox(QWidget* parent, int maximum, int font_pixels) {
  auto* box = new QSpinBox(parent);
  box->setRange(0, maximum);
  box->setValue(0);
  box->setFont(TahomaFont(font_pixels, true));
  return box;
}

bool IsLabel(ItemKind kind) {
  return kind == ItemKind::RecorderLabel || kind == ItemKind::AnalogLabel ||
         kind == ItemKind::ControllerLabel;
}

QPixmap BuiltinPicture(const ScreenItemInfo& item, qreal ratio = 0) {
  switch (item.kind) {
    case ItemKind::InputLamp:
      return InputLampOffPicture(ratio);
    case ItemKind::PushButton:
      return PushButtonOffPicture(item.number, ratio);
    case ItemKind::OutputLamp:
      return OutputLampOffPicture(item.number, ratio);
    default:
      return {};
  }
}

}  // namespace

MainWindow::MainWindow(ProcessImage& image, Board& board, Messages& messages,
                       const std::filesystem::path& data_root, bool load_plate, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      image_(image),
      board_(board),
      messages_(messages),
      pictures_(data_root),
      sharp_pictures_(data_root) {
  sharp_pictures_.SetDeviceRatio(2);
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Tessaro"));
  setFont(TahomaFont(kWindowFontPixels));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(palette);
  resize(kDesignWidth, kDesignHeight);

  BuildControls();
  MapItems();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->start(250);
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  timer2_->start(333);

  // Start-up. The plate is loaded twice under its two spellings; only the first load
  // reports a missing file.
  if (load_plate) LoadProcessPlate("Teks/Procesplaat.bmp", true);
  ApplyStartupDefaults(image_);
  if (load_plate) LoadProcessPlate("Teks/ProcesPlaat.bmp", false);
}

void MainWindow::LoadProcessPlates() {
  LoadProcessPlate("Teks/Procesplaat.bmp", true);
  LoadProcessPlate("Teks/ProcesPlaat.bmp", false);
}

void MainWindow::BuildControls() {
  // The process plate first, so that everything else stands in front of it.
  plate_ = Place(new QLabel(this), QStringLiteral("Image1"), 0, 0, true);
  plate_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  plate_->resize(0, 0);

  connect(MakeCommandButton(this, "Button1", tr("Exit"), 0, 73), &QPushButton::clicked, this,
          &MainWindow::Button1Click);
  connect(MakeCommandButton(this, "Button2", tr("Screen"), 80, 73), &QPushButton::clicked, this,
          &MainWindow::ScreenClicked);
  connect(MakeCommandButton(this, "Button3", tr("Logics"), 160, 73), &QPushButton::clicked, this,
          &MainWindow::LogicsClicked);
  connect(MakeCommandButton(this, "Button4", tr("Kaart"), 240, 57), &QPushButton::clicked, this,
          &MainWindow::KaartClicked);
  address_box_ =
      Place(MakeSpinBox(this, 3, kAddressFontPixels), QStringLiteral("SpinEdit1"), 296, 0, true);
  address_box_->resize(41, 26);
  connect(MakeCommandButton(this, "Button5", tr("Opslaan/inlezen"), 344, 89), &QPushButton::clicked,
          this, &MainWindow::OpslaanClicked);
  // The panel of the simulated board; hidden until the trainer has one.
  simulatie_button_ = MakeCommandButton(this, "SimulatieButton", tr("Simulatie"), 440, 73);
  simulatie_button_->hide();
  connect(simulatie_button_, &QPushButton::clicked, this, &MainWindow::SimulatieClicked);
  BuildRunControls();

  for (int n = 1; n <= kAnalogInputs; ++n) {
    QLabel* label = Place(new QLabel(this), Name("Label", n + 1), 24, 200 + 40 * (n - 1), false);
    MakeValueLabel(label, QStringLiteral("255"))->resize(51, 33);
  }
  for (int n = 1; n <= kRecorders; ++n) {
    auto* label = Place(new ClickLabel(this), Name("Label", n + 9), 904, 32 + 40 * (n - 1), false);
    MakeValueLabel(label, Name("Rec", n))->adjustSize();
    connect(label, &ClickLabel::clicked, this, [this, n] { emit RecorderClicked(n); });
  }
  constexpr int kControllerTops[] = {48, 96, 152, 200, 248, 304, 208, 248, 288};
  for (int n = 1; n <= 9; ++n) {
    const int left = n <= 6 ? 1064 : 440;
    auto* label =
        Place(new ClickLabel(this), Name("Label", n + 17), left, kControllerTops[n - 1], false);
    MakeValueLabel(label, Name("Reg", n))->adjustSize();
    connect(label, &ClickLabel::clicked, this, [this, n] { emit RegelaarClicked(n); });
  }
  for (int n = 1; n <= 5; ++n) {
    MakePicture(Place(new QLabel(this), Name("Image", n + 1), 104, 200 + 48 * (n - 1), false),
                InputLampOffPicture());
  }
  for (int n = 1; n <= kScreenButtons; ++n) {
    auto* button = new ClickLabel(this);
    MakePicture(Place(button, Name("Image", n + 6), 216, 200 + 48 * (n - 1), false),
                PushButtonOffPicture(n));
    connect(button, &ClickLabel::clicked, this, [this, n] { KnopClick(image_, *this, n); });
  }
  for (int n = 1; n <= 6; ++n) {
    MakePicture(Place(new QLabel(this), Name("Image", n + 12), 704, 192 + 40 * (n - 1), false),
                OutputLampOffPicture(n));
  }
  constexpr int kKnobLefts[] = {256, 344, 424, 504, 584};
  for (int n = 1; n <= kValueKnobs; ++n) {
    QSpinBox* knob = Place(MakeSpinBox(this, 255, kKnobFontPixels), Name("SpinEdit", n + 1),
                           kKnobLefts[n - 1], 128, false);
    knob->resize(65, 35);
    connect(knob, &QSpinBox::valueChanged, this,
            [this, n](int value) { KnobChanged(image_, n, value); });
  }

  connect(address_box_, &QSpinBox::valueChanged, this,
          [this](int value) { image_.AddressBox = value; });
  BuildZoomKeys();
}

// Right of the command buttons: pause, step and speed, each with a key that works from every
// window of the program, and the run's state in large letters.
void MainWindow::BuildRunControls() {
  pauze_button_ = MakeCommandButton(this, "PauzeButton", tr("Pauze"), 520, 73);
  connect(pauze_button_, &QPushButton::clicked, this, &MainWindow::PauzeClicked);
  QPushButton* stap = MakeCommandButton(this, "StapButton",
                                        //: One second forward, then pause again
                                        tr("Stap"), 600, 57);
  connect(stap, &QPushButton::clicked, this, &MainWindow::StapClicked);
  speed_box_ = new QComboBox(this);
  speed_box_->setObjectName(QStringLiteral("SpeedBox"));
  speed_box_->setGeometry(664, 0, 57, 25);
  for (int speed : kRunSpeeds) speed_box_->addItem(QStringLiteral("%1x").arg(speed), speed);
  speed_box_->setToolTip(tr("Snelheid (Ctrl+1, Ctrl+2, Ctrl+3)"));
  connect(speed_box_, &QComboBox::activated, this,
          [this](int index) { emit SpeedChosen(speed_box_->itemData(index).toInt()); });
  pauze_button_->setToolTip(tr("Pauze / verder (F5)"));
  stap->setToolTip(tr("Een seconde verder (F10)"));

  run_state_ = new QLabel(this);
  run_state_->setObjectName(QStringLiteral("RunState"));
  run_state_->setFont(TahomaFont(kRunStatePixels, true));
  run_state_->setAutoFillBackground(true);
  QPalette colours = run_state_->palette();
  colours.setColor(QPalette::Window, QColor(255, 220, 0));
  colours.setColor(QPalette::WindowText, Qt::black);
  run_state_->setPalette(colours);
  run_state_->setContentsMargins(6, 0, 6, 0);
  run_state_->move(728, 0);
  run_state_->hide();

  project_line_ = new QLabel(this);
  project_line_->setObjectName(QStringLiteral("ProjectLine"));
  project_line_->setFont(TahomaFont(kWindowFontPixels, true));
  project_line_->setAutoFillBackground(true);
  QPalette line_colours = project_line_->palette();
  line_colours.setColor(QPalette::Window, QColor(224, 224, 224));
  line_colours.setColor(QPalette::WindowText, Qt::black);
  project_line_->setPalette(line_colours);
  project_line_->setContentsMargins(6, 0, 6, 0);
  project_line_->setGeometry(kProjectLineLeft, 0, 0, 25);
  project_line_->hide();

  const auto shortcut = [this](const QKeySequence& keys, auto action) {
    auto* s = new QShortcut(keys, this);
    s->setContext(Qt::ApplicationShortcut);
    connect(s, &QShortcut::activated, this, action);
  };
  shortcut(QKeySequence(Qt::Key_F5), [this] { emit PauzeClicked(); });
  shortcut(QKeySequence(Qt::Key_Pause), [this] { emit PauzeClicked(); });
  shortcut(QKeySequence(Qt::Key_F10), [this] { emit StapClicked(); });
  shortcut(QKeySequence(Qt::Key_F1), [this] { emit LessonAsked(); });
  for (int i = 0; i < static_cast<int>(std::size(kRunSpeeds)); ++i) {
    const int speed = kRunSpeeds[i];
    shortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)), [this, speed] { emit SpeedChosen(speed); });
  }
}

void MainWindow::ShowProjectLine(const QString& line) {
  if (line == project_line_->text() && project_line_->isVisible()) return;
  project_line_->setText(line);
  project_line_->resize(project_line_->sizeHint().width(), Zoomed(QRect(0, 0, 1, 25)).height());
  project_line_->show();
}

void MainWindow::ShowRunState(const RunControl& run) {
  pauze_button_->setText(TranslatedText(PauseButton(run)));
  for (int i = 0; i < speed_box_->count(); ++i) {
    const int speed = speed_box_->itemData(i).toInt();
    auto* model = static_cast<QStandardItemModel*>(speed_box_->model());
    model->item(i)->setEnabled(SpeedOffered(run, speed));
    if (speed == run.speed) speed_box_->setCurrentIndex(i);
  }
  const QString state = TranslatedText(RunState(run));
  run_state_->setText(state);
  run_state_->adjustSize();
  run_state_->setVisible(!state.isEmpty());
  run_state_->raise();
}

void MainWindow::MapItems() {
  const auto& items = ScreenItems();
  for (int i = 0; i < kScreenItems; ++i) {
    const std::string_view control = items[static_cast<size_t>(i)].control;
    items_[static_cast<size_t>(i)] = findChild<QWidget*>(
        QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size())),
        Qt::FindDirectChildrenOnly);
    Q_ASSERT(items_[static_cast<size_t>(i)] != nullptr);
  }
}

QWidget* MainWindow::ItemControl(int item) const {
  if (item < 0 || item >= kScreenItems) return nullptr;
  return items_[static_cast<size_t>(item)];
}

void MainWindow::LoadProcessPlate(const char* file, bool report_failure) {
  const QPixmap plate = zoom_percent_ > 100 ? sharp_pictures_.Load(file) : pictures_.Load(file);
  if (plate.isNull()) {
    if (report_failure) messages_.Information(tr("Geen Procesplaat.bmp gevonden").toStdString());
    return;
  }
  plate_file_ = file;
  ShowPlate(plate);
}

void MainWindow::ShowItemState() {
  for (int item = 0; item < kScreenItems; ++item) {
    ItemTextChanged(item, image_.ItemText[static_cast<size_t>(item)]);
    ItemPictureChanged(item, image_.ItemPicture[static_cast<size_t>(item)]);
  }
  const std::array<int32_t, kValueKnobs + 1> knobs = image_.KnobValue;
  for (int n = 1; n <= kValueKnobs; ++n) {
    findChild<QSpinBox*>(QStringLiteral("SpinEdit%1").arg(n + 1))->setValue(knobs[n]);
  }
}

void MainWindow::ItemTextChanged(int item, const std::string& text) {
  QWidget* control = ItemControl(item);
  if (control == nullptr || !IsLabel(ScreenItems()[static_cast<size_t>(item)].kind)) return;
  auto* label = static_cast<QLabel*>(control);
  const QString shown = QString::fromStdString(text);
  if (shown == label->text()) return;  // the scan reports every value every cycle
  label->setText(shown);
  // The analog value labels keep their size; the others, all alike, fit their text.
  if (ScreenItems()[static_cast<size_t>(item)].kind == ItemKind::AnalogLabel) return;
  constexpr qsizetype kMostFittedSizes = 512;
  auto fitted = fitted_sizes_.constFind(shown);
  if (fitted == fitted_sizes_.cend()) {
    if (fitted_sizes_.size() >= kMostFittedSizes) fitted_sizes_.clear();
    label->adjustSize();
    fitted_sizes_.insert(shown, label->size());
  } else if (label->size() != *fitted) {
    label->resize(*fitted);
  }
}

void MainWindow::ItemPictureChanged(int item, const std::string& file) {
  QWidget* control = ItemControl(item);
  if (control == nullptr) return;
  const ScreenItemInfo& info = ScreenItems()[static_cast<size_t>(item)];
  if (IsLabel(info.kind) || info.kind == ItemKind::Knob) return;
  auto* picture = static_cast<QLabel*>(control);
  const QPixmap shown = ItemPicture(info, file);
  if (shown.isNull()) {
    ReportPictureFailure(item, file);  // the control keeps what it showed
    return;
  }
  item_files_[static_cast<size_t>(item)] = file;
  // The scan sets the same lamp picture every cycle; an unchanged picture is not redrawn.
  if (picture->pixmap().cacheKey() != shown.cacheKey()) picture->setPixmap(shown);
}

QPixmap MainWindow::ItemPicture(const ScreenItemInfo& info, const std::string& file) {
  if (zoom_percent_ == 100) return file.empty() ? BuiltinPicture(info) : pictures_.Load(file);
  if (!file.empty())
    return Zoomed(zoom_percent_ > 100 ? sharp_pictures_.Load(file) : pictures_.Load(file));
  // A start picture is drawn at the size it is shown at.
  return Zoomed(BuiltinPicture(info, devicePixelRatioF() * zoom_percent_ / 100.0));
}

void MainWindow::ShowPlate(const QPixmap& plate) {
  if (design_.isEmpty()) {
    MakePicture(plate_, plate);
    return;
  }
  design_[plate_].rect = QRect(QPoint(0, 0), plate.deviceIndependentSize().toSize());
  plate_->setGeometry(Zoomed(design_[plate_].rect));
  plate_->setPixmap(Zoomed(plate));
}

void MainWindow::ReportPictureFailure(int item, const std::string& file) {
  const std::string text = CannotOpenText(file).toStdString();
  if (ScreenItems()[static_cast<size_t>(item)].kind == ItemKind::PushButton) {
    messages_.Error(text);  // a click: the user hears at once
    return;
  }
  // Lamps are redrawn by the scan: each missing picture is reported once, after the scan
  // phase that met it has finished.
  if (!reported_pictures_.insert(file).second) return;
  QTimer::singleShot(0, this, [this, text] { messages_.Error(text); });
}

void MainWindow::ItemVisibilityChanged(int item, bool visible) {
  if (QWidget* control = ItemControl(item)) control->setVisible(visible);
}

void MainWindow::ItemLeftChanged(int item, int left) {
  if (QWidget* control = ItemControl(item)) MoveItem(control, left, std::nullopt);
}

void MainWindow::ItemTopChanged(int item, int top) {
  if (QWidget* control = ItemControl(item)) MoveItem(control, std::nullopt, top);
}

void MainWindow::AddressBoxHidden() { address_box_->hide(); }

void MainWindow::ShowSimulatieButton(bool shown) { simulatie_button_->setVisible(shown); }

void MainWindow::Button1Click() { close(); }

// "Exit" and a close from the window manager (Alt+F4, the task bar) ask the same question;
// only Yes closes the board and ends the program.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exit_confirmed_) {
    // A second close while the question is open is the same request, not a new one.
    if (asking_) {
      event->ignore();
      return;
    }
    asking_ = true;
    exit_confirmed_ = exit_question_ ? exit_question_() : tessaro::ExitClick(messages_, board_);
    asking_ = false;
    if (!exit_confirmed_) {
      event->ignore();
      return;
    }
  }
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QWindow* window = windowHandle()) window->installEventFilter(this);
}

// A close request that reaches the window while a question is open (the window manager's
// close button, Alt+F4 once more) is answered by that question. Qt would take it as the
// close already under way and take the window off the screen for good.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close || watched != windowHandle()) return false;
  QWidget* question = QApplication::activeModalWidget();
  if (!asking_ && question == nullptr) return false;
  event->ignore();
  if (question != nullptr) {
    question->raise();
    question->activateWindow();
  }
  return true;
}

}  // namespace tessaro
