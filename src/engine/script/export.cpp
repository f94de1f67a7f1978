// Taking data out: `export` writes an instrument's CSV as its window's menu does, `log`
// starts and stops logbooks over the script's clock.
#include "engine/control/export.h"

#include <string>

#include "engine/core/file_write.h"
#include "engine/core/utf8_path.h"
#include "simulator.h"

namespace tessaro::sim {

namespace {

// The instrument named at words[i..]: `recorder N` or `trend pid|step|onoff N`; `i` moves
// past it.
int InstrumentSlotAt(const Line& l, size_t& i) {
  if (l.size() > i + 1 && l[i] == "recorder") {
    const int n = static_cast<int>(Integer(l[i + 1], 1, kRecorders, "recorder"));
    i += 2;
    return RecorderSlot(n);
  }
  if (l.size() > i + 2 && l[i] == "trend") {
    const std::string& kind = l[i + 1];
    const int first = kind == "pid" ? 1 : kind == "step" ? 4 : kind == "onoff" ? 7 : 0;
    if (first == 0) {
      throw ScriptError("trend kind must be pid, step or onoff, got '" + kind + "'");
    }
    const int n =
        static_cast<int>(Integer(l[i + 2], first, first + 2, (kind + " controller").c_str()));
    i += 3;
    return ControllerSlot(n);
  }
  throw ScriptError("'" + l[0] + "' needs 'recorder N' or 'trend pid|step|onoff N'");
}

}  // namespace

void ExportCommand(Simulator& s, const Line& l) {
  if (l[0] == "log" && l.size() == 2 && l[1] == "stop") {
    s.logs().StopAll(s.image());
    return;
  }
  size_t i = 1;
  const int slot = InstrumentSlotAt(l, i);
  ExpectWords(l, i + 1);
  const std::string& file = l[i];
  const std::filesystem::path path = s.root() / Utf8Path(file);
  if (l[0] == "export") {
    const int err = WriteFileWhole(path, InstrumentCsv(s.image(), slot, SampleClock::Script));
    if (err != 0) s.Error(s.Render(ExportFailed(file, err)));
    return;
  }
  const Message message =
      s.logs().Start(s.image(), slot, Utf8Name(path), s.elapsed_ms(), SampleClock::Script);
  if (!message.empty()) s.Error(s.Render(message));
}

}  // namespace tessaro::sim
