// The static bar-scale picture at the left of every faceplate: a column per tag with its
// heading and ticks every 5 %, 100 % at y = 24 and 0 % at y = 224, so that the middle of a
// 13-pixel tag points at its value.
#pragma once

#include <QPixmap>

namespace tessaro {

enum class BarColumns {
  OutputSetpointProcess,  // "outp", "SP", "PV" (PID)
  SetpointProcess,        // "SP", "PV"; the left strip carries the lamps
};

// 145 x 249.
QPixmap BarScalePicture(BarColumns columns);

}  // namespace tessaro
