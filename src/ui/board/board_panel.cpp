#include "ui/board/board_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/board/lab.h"
#include "engine/board/plant.h"
#include "ui/board/board_widgets.h"
#include "ui/board/process_view.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

constexpr int kFontPixels = 12;
const QColor kSelectedPair(30, 100, 210);

QString Numbered(const char* prefix, int n, const char* suffix = "") {
  return QString::fromLatin1(prefix) + QString::number(n) + QString::fromLatin1(suffix);
}

QLabel* SmallLabel(const QString& text, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setFont(TahomaFont(kFontPixels, bold));
  return label;
}

QGroupBox* Group(const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setFont(TahomaFont(kFontPixels, true));
  return group;
}

// The operator screen's command buttons run along its top edge; the panel opens below them,
// at the right, where the process picture has the least to show.
constexpr int kBelowCommandRow = 40;

}  // namespace

BoardPanel::BoardPanel(Lab& lab, QWidget* parent) : QWidget(parent, Qt::Window), lab_(lab) {
  setObjectName(QStringLiteral("BoardPanel"));
  setWindowTitle(tr("Simulatie: kaart en proces"));
  setFont(TahomaFont(kFontPixels));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildInputs());
  layout->addWidget(BuildOutputs());
  layout->addWidget(BuildProcess());
  Refresh();
}

QWidget* BoardPanel::BuildInputs() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  QGroupBox* digital = Group(tr("Digitale ingangen"), column);
  auto* switches = new QGridLayout(digital);
  for (int n = 1; n <= 5; ++n) {
    auto* input = new SlideSwitch(digital);
    input->setObjectName(Numbered("DigitalIn", n));
    input->setToolTip(tr("D%1in: omhoog is hoog").arg(n));
    connect(input, &SlideSwitch::toggled, this, [this, n](bool high) {
      lab_.SetDigitalInput(n, high);
      Refresh();
    });
    switches->addWidget(input, 0, n - 1, Qt::AlignHCenter);
    switches->addWidget(SmallLabel(Numbered("D", n, "in"), digital), 1, n - 1, Qt::AlignHCenter);
    switches_[static_cast<size_t>(n)] = input;
  }
  layout->addWidget(digital);

  QGroupBox* analog = Group(tr("Analoge ingangen (achter de multiplexer)"), column);
  auto* sliders = new QGridLayout(analog);
  sliders->setVerticalSpacing(2);
  for (int n = 1; n <= 8; ++n) {
    auto* caption = SmallLabel(Numbered("A", n, "in"), analog, true);
    auto* slider = new QSlider(Qt::Horizontal, analog);
    slider->setObjectName(Numbered("AnalogIn", n));
    slider->setRange(0, 255);
    slider->setMinimumWidth(180);
    connect(slider, &QSlider::valueChanged, this, [this, n](int value) {
      lab_.SetAnalogInput(n, static_cast<uint8_t>(value));
      Refresh();
    });
    auto* value = SmallLabel(QStringLiteral("0"), analog, true);
    value->setObjectName(Numbered("AnalogInValue", n));
    value->setMinimumWidth(90);
    sliders->addWidget(caption, n - 1, 0);
    sliders->addWidget(slider, n - 1, 1);
    sliders->addWidget(value, n - 1, 2);
    slider_captions_[static_cast<size_t>(n)] = caption;
    sliders_[static_cast<size_t>(n)] = slider;
    slider_values_[static_cast<size_t>(n)] = value;
  }
  layout->addWidget(analog);
  layout->addStretch();
  return column;
}

QWidget* BoardPanel::BuildOutputs() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  QGroupBox* digital = Group(tr("Digitale uitgangen"), column);
  auto* lamps = new QGridLayout(digital);
  for (int n = 1; n <= 8; ++n) {
    // Outputs 7 and 8 select the multiplexer's channel; they have a colour of their own.
    const bool select = n >= 7;
    auto* lamp = new BoardLamp(select ? QColor(70, 150, 240) : QColor(240, 50, 40), digital);
    lamp->setObjectName(Numbered("DigitalOut", n));
    lamp->setMinimumSize(lamp->sizeHint());
    lamps->addWidget(lamp, 0, n - 1, Qt::AlignHCenter);
    lamps->addWidget(SmallLabel(QString::number(n), digital), 1, n - 1, Qt::AlignHCenter);
    lamps_[static_cast<size_t>(n)] = lamp;
  }
  lamps->addWidget(SmallLabel(QStringLiteral("D1uit .. D6uit"), digital), 2, 0, 1, 6,
                   Qt::AlignHCenter);
  lamps->addWidget(SmallLabel(tr("kies", "the select lines of the multiplexer"), digital), 2, 6, 1,
                   2, Qt::AlignHCenter);
  layout->addWidget(digital);

  QGroupBox* analog = Group(tr("Analoge uitgangen"), column);
  auto* bars = new QGridLayout(analog);
  for (int n = 1; n <= 2; ++n) {
    auto* bar = new OutputBar(analog);
    bar->setObjectName(Numbered("AnalogOut", n));
    bar->setMinimumSize(bar->sizeHint());
    bars->addWidget(SmallLabel(Numbered("A", n, "uit"), analog, true), n - 1, 0);
    bars->addWidget(bar, n - 1, 1);
    bars_[static_cast<size_t>(n)] = bar;
  }
  layout->addWidget(analog);

  QGroupBox* mux = Group(tr("Multiplexer"), column);
  auto* mux_layout = new QVBoxLayout(mux);
  mux_state_ = SmallLabel({}, mux);
  mux_state_->setObjectName(QStringLiteral("MuxState"));
  mux_layout->addWidget(mux_state_);
  layout->addWidget(mux);
  layout->addStretch();
  return column;
}

QWidget* BoardPanel::BuildProcess() {
  QGroupBox* group = Group(tr("Proces"), this);
  auto* layout = new QVBoxLayout(group);
  plant_choice_ = new QComboBox(group);
  plant_choice_->setObjectName(QStringLiteral("PlantChoice"));
  plant_choice_->setFont(TahomaFont(kFontPixels));
  // Each process by its name and the channels it is wired to.
  for (const PlantType& type : PlantTypes()) {
    QString text = QCoreApplication::translate("Process", type.display);
    const std::string channels = PlantChannels(type);
    if (!channels.empty()) text += QStringLiteral(" (%1)").arg(QString::fromStdString(channels));
    plant_choice_->addItem(text, QString::fromUtf8(type.name.data(), type.name.size()));
  }
  connect(plant_choice_, &QComboBox::currentIndexChanged, this, &BoardPanel::PlantChosen);
  layout->addWidget(plant_choice_);
  // Noise on the readings, as a real sensor gives; the same seed every time, so that a
  // lesson repeats.
  auto* noise = new QCheckBox(tr("Meetruis"), group);
  noise->setObjectName(QStringLiteral("PlantNoise"));
  noise->setToolTip(tr("Ruis op de meetwaarden van het proces (herhaalbaar)"));
  connect(noise, &QCheckBox::toggled, this, [this](bool on) {
    lab_.SetNoise(on);
    Refresh();
  });
  layout->addWidget(noise);
  process_view_ = new ProcessView(lab_, group);
  layout->addWidget(process_view_);
  plant_state_ = SmallLabel({}, group);
  plant_state_->setObjectName(QStringLiteral("PlantState"));
  plant_state_->setWordWrap(true);
  layout->addWidget(plant_state_);
  layout->addStretch();
  return group;
}

void BoardPanel::PlantChosen(int index) {
  lab_.SetPlant(plant_choice_->itemData(index).toString().toStdString());
  Refresh();
  emit PlantChosenSignal(lab_.ProcessWired());
}

void BoardPanel::WirePlant(const std::string& name) {
  const int index = plant_choice_->findData(QString::fromStdString(name));
  if (index < 0) return;
  if (index == plant_choice_->currentIndex()) {
    PlantChosen(index);  // the same process again starts afresh
  } else {
    plant_choice_->setCurrentIndex(index);
  }
}

void BoardPanel::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    PlaceBelowCommandRow();
  }
  QWidget::showEvent(event);
  Refresh();
}

void BoardPanel::PlaceBelowCommandRow() {
  const QRect room = screen()->availableGeometry();
  // A window manager's frame adds a title bar above and a little on each side, and may
  // place the window by its inside; leave room for it.
  constexpr int kTitleAllowance = 32;
  constexpr int kFrameAllowance = 12;
  const int top = room.top() + kBelowCommandRow + kTitleAllowance;
  const QSize size = sizeHint().boundedTo(room.size() - QSize(kFrameAllowance, top - room.top()));
  resize(size);
  const int left = std::max(room.left(), room.right() + 1 - size.width() - kFrameAllowance);
  move(left, top);
}

void BoardPanel::Refresh() {
  if (!isVisible()) return;
  const SimulatedBoard& board = lab_.board();
  const int pair = lab_.SelectedPair();
  for (int n = 1; n <= 5; ++n) {
    SlideSwitch* input = switches_[static_cast<size_t>(n)];
    const QSignalBlocker quiet(input);
    input->setChecked(board.DigitalInput(n));
    input->setEnabled(!lab_.DrivesDigitalInput(n));
  }
  for (int n = 1; n <= 8; ++n) {
    QSlider* slider = sliders_[static_cast<size_t>(n)];
    const int value = board.MuxInput(n);
    const bool driven = lab_.DrivesAnalogInput(n);
    if (slider->value() != value) {
      const QSignalBlocker quiet(slider);
      slider->setValue(value);
    }
    slider->setEnabled(!driven);
    slider_values_[static_cast<size_t>(n)]->setText(driven ? tr("%1 (proces)").arg(value)
                                                           : QString::number(value));
    // The pair the select lines put on the board's two analog inputs now.
    const bool selected = n == pair || n == pair + 1;
    QLabel* caption = slider_captions_[static_cast<size_t>(n)];
    QPalette colours = caption->palette();
    colours.setColor(QPalette::WindowText,
                     selected ? kSelectedPair : palette().color(QPalette::WindowText));
    if (colours != caption->palette()) caption->setPalette(colours);
  }
  for (int n = 1; n <= 8; ++n) lamps_[static_cast<size_t>(n)]->SetOn(board.DigitalOutput(n));
  for (int n = 1; n <= 2; ++n) {
    const int value = board.AnalogOutput(n);
    bars_[static_cast<size_t>(n)]->SetValue(
        value, QStringLiteral("%1   %2 V")
                   .arg(value)
                   .arg(QLocale().toString(lab_.AnalogOutputVolts(n), 'f', 2)));
  }
  mux_state_->setText(tr("Uitgang 7 %1, uitgang 8 %2: A%3in en A%4in op de kaart")
                          .arg(board.DigitalOutput(7) ? tr("aan") : tr("uit"),
                               board.DigitalOutput(8) ? tr("aan") : tr("uit"))
                          .arg(pair)
                          .arg(pair + 1));
  const int chosen = plant_choice_->findData(QString::fromStdString(lab_.plant().Name()));
  if (chosen != plant_choice_->currentIndex()) {
    const QSignalBlocker quiet(plant_choice_);
    plant_choice_->setCurrentIndex(chosen);
  }
  QStringList readings;
  for (const PlantReading& r : lab_.plant().Readings()) {
    // A reading without a unit is a switch: 0 or 1.
    const int decimals = r.unit.empty() ? 0 : 1;
    readings << QStringLiteral("%1 %2 %3")
                    .arg(QString::fromStdString(r.name), QLocale().toString(r.value, 'f', decimals),
                         QString::fromStdString(r.unit))
                    .trimmed();
  }
  plant_state_->setText(readings.join(QStringLiteral(" · ")));
  process_view_->update();
}

}  // namespace tessaro
