// Words the engine hands the windows as they are (a faceplate's mode, a box caption): the
// windows translate them where they show them, each in its own context.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace tessaro {

// A faceplate's mode indicator: "Hand", "Auto", "Casc", "Bypas".
inline QString ModeCaption(const std::string& mode) {
  return QCoreApplication::translate("Mode", mode.c_str());
}

// A caption written beside a faceplate's box ("PB %", "I-tijd sec", ...).
inline QString BoxCaptionText(const char* caption) {
  return QCoreApplication::translate("Caption", caption);
}

}  // namespace tessaro
