// The words the engine hands the windows as they are, listed here for the translators' tool
// (lupdate): the engine has no Qt to mark them with. Each is translated where it is shown
// (engine_texts.h), in the context it is listed under.
#include <QtGlobal>

namespace tessaro {
namespace {

[[maybe_unused]] const char* const kModes[] = {
    //: Manual mode of a controller (the operator sets the output)
    QT_TRANSLATE_NOOP("Mode", "Hand"),
    QT_TRANSLATE_NOOP("Mode", "Auto"),
    //: Cascade: the setpoint comes from the master controller
    QT_TRANSLATE_NOOP("Mode", "Casc"),
    //: Bypass: the master's output goes straight through
    QT_TRANSLATE_NOOP("Mode", "Bypas"),
};

[[maybe_unused]] const char* const kBoxCaptions[] = {
    //: Proportional band
    QT_TRANSLATE_NOOP("Caption", "PB %"),
    //: Integral time in seconds
    QT_TRANSLATE_NOOP("Caption", "I-tijd sec"),
    //: Derivative time in seconds
    QT_TRANSLATE_NOOP("Caption", "D-tijd sec"),
    QT_TRANSLATE_NOOP("Caption", "Outp-max %"),
    QT_TRANSLATE_NOOP("Caption", "Outp-min %"),
    QT_TRANSLATE_NOOP("Caption", "Setp-max %"),
    QT_TRANSLATE_NOOP("Caption", "Setp-min %"),
};

}  // namespace
}  // namespace tessaro
