// The simulated board on screen: switches for the five digital inputs, sliders for the
// eight analog inputs behind the multiplexer, lamps for the eight digital outputs, bars for
// the two analog outputs, the multiplexer's select state, and the choice of the process
// wired to the board with a drawing of it. The lab holds the state; the panel shows it and
// passes the user's hand on.
#pragma once

#include <QWidget>
#include <array>
#include <string>

class QComboBox;
class QLabel;
class QSlider;

namespace tessaro {

class BoardLamp;
class Lab;
class OutputBar;
class ProcessView;
class SlideSwitch;

class BoardPanel : public QWidget {
  Q_OBJECT

 public:
  explicit BoardPanel(Lab& lab, QWidget* parent = nullptr);

  // Shows what the board and the process hold now. Cheap while the panel is hidden.
  void Refresh();
  // Wires process `name` ("heater", "tank", "valve") fresh from its start, as choosing it
  // in the panel does.
  void WirePlant(const std::string& name);

 signals:
  // A process was chosen (or "Geen proces"): whether a process now runs on the board.
  void PlantChosenSignal(bool running);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildInputs();
  QWidget* BuildOutputs();
  QWidget* BuildProcess();
  void PlantChosen(int index);
  // First shown: below the operator screen's command buttons, at the right of the screen.
  void PlaceBelowCommandRow();

  Lab& lab_;
  bool placed_ = false;
  std::array<SlideSwitch*, 6> switches_{};    // 1..5
  std::array<QSlider*, 9> sliders_{};         // 1..8
  std::array<QLabel*, 9> slider_values_{};    // 1..8
  std::array<QLabel*, 9> slider_captions_{};  // 1..8
  std::array<BoardLamp*, 9> lamps_{};         // 1..8
  std::array<OutputBar*, 3> bars_{};          // 1..2
  QLabel* mux_state_ = nullptr;
  QComboBox* plant_choice_ = nullptr;
  ProcessView* process_view_ = nullptr;
  QLabel* plant_state_ = nullptr;
};

}  // namespace tessaro
