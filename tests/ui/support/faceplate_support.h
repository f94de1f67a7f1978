// Instrument windows over their own data folder and process image, and what the tests look
// for in their pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QToolButton>
#include <QWidget>

#include "engine/board/simulated_board.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/chart_view.h"
#include "ui/core/main_window.h"
#include "ui/core/picture_loader.h"
#include "ui/core/trainer.h"

namespace tessaro::testing {

inline const QColor kTrendPaperColour(250, 253, 244);

// A process image after start-up with the trend and recorder papers in the data folder.
struct Instruments {
  Instruments() {
    ApplyStartupDefaults(image);
    root.WritePicture("Velden/papier.bmp", kTrendPaperColour, {460, 240});
    root.WritePicture("Velden/Papier40.bmp", kTrendPaperColour, {584, 308});
  }

  TestDataRoot root;
  ProcessImage image;
  PictureLoader pictures{root.path()};
};

// The whole trainer over those papers, with one instrument fed by value knob 1 and its
// label shown, driven by calling the scan tick.
struct RunningInstrument : Instruments {
  RunningInstrument(int row, const char* key, int knob) {
    trainer.main_window().show();
    image.FieldGrid[row][1] = "Spin1";
    image.FieldGrid[row][2] = key;
    image.KnobValue[1] = knob;
    SetItemVisible(image, trainer.main_window(), ItemIndex(key), true);
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) trainer.schakelblok();
  }

  SimulatedBoard board;
  RecordingMessages messages;
  Trainer trainer{image, board, messages, root.path()};
};

template <typename Control = QWidget>
Control* Find(const QWidget& window, const char* name) {
  return window.findChild<Control*>(QString::fromLatin1(name));
}

// What the picture control `name` of `window` shows.
inline QImage Shown(const QWidget& window, const char* name) {
  if (auto* chart = Find<ChartView>(window, name)) return chart->chart();
  return Find<QLabel>(window, name)->pixmap().toImage();
}

inline QColor Pixel(const QImage& picture, int x, int y) { return picture.pixelColor(x, y); }

// Whether any pixel in `area` is nearly black, as written text has.
inline bool AnyInk(const QImage& picture, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (picture.pixelColor(x, y).lightness() < 80) return true;
    }
  }
  return false;
}

// The up or down arrow of a faceplate.
inline void ClickArrow(const QWidget& window, bool up) {
  Find(window, "SpinButton1")->findChild<QToolButton*>(up ? "Up" : "Down")->click();
}

}  // namespace tessaro::testing
