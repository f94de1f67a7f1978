// Logbooks: an instrument's samples appended to a CSV file while the trainer runs, one row
// per recorder sample or controller cycle, for as long as an afternoon's experiment takes.
// Each row goes to the file as a whole line with one system call, so a program killed at
// any moment leaves every row written so far readable. The writing happens beside the scan:
// a slow or full disk never holds up a tick, and a failed write stops that log with one
// message while the scan goes on.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/control/export.h"
#include "engine/core/system_file.h"

namespace tessaro {

struct ProcessImage;

// Appends lines to one file. In the background mode a thread of its own writes them; in the
// inline mode (tessaro-sim, whose output must not depend on timing) Append writes at once.
class LogWriter {
 public:
  enum class Mode { Background, Inline };

  // Opens `path` for appending, creating it; null with `error` set (why, in words) when it
  // cannot. Only a regular file is taken: a FIFO, a device or a folder is refused at once.
  // A file the log made that is still empty when the log ends is removed.
  static std::unique_ptr<LogWriter> Open(const std::string& path, Mode mode,
                                         std::optional<Phrase>& error);
  // Writes what is still queued, then closes the file.
  ~LogWriter();

  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;

  // The file held nothing when it was opened (so it still needs its header).
  bool WasEmpty() const { return was_empty_; }
  // Queues one whole line; ignored once writing has failed.
  void Append(std::string line);
  // Why writing failed; nothing while it has not.
  std::optional<Phrase> Failure() const;
  // Waits until every queued line has been written or writing has failed.
  void Drain();

 private:
  LogWriter(SystemFile file, Mode mode, bool was_empty, std::string made);
  void Run();
  // Writes one line whole; false (and the failure set) when the file does not take it.
  bool Write(const std::string& line);

  SystemFile file_;
  const Mode mode_;
  const bool was_empty_;
  const std::string made_;  // the file's path when this log made it
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable drained_;
  std::deque<std::string> queue_;
  bool writing_ = false;
  bool closing_ = false;
  std::optional<Phrase> failure_;
  std::thread thread_;
};

// The logs of the 17 instruments, by range slot (see export.h).
class InstrumentLogs {
 public:
  explicit InstrumentLogs(LogWriter::Mode mode = LogWriter::Mode::Background) : mode_(mode) {}

  // Starts logging instrument `slot` to `path` (ending a log it already has): a header when
  // the file is new or empty, then a row for each sample it takes from now on, t counted
  // from `origin_ms`. Returns nothing when started, else the message to show.
  Message Start(ProcessImage& image, int slot, const std::string& path, int64_t origin_ms,
                SampleClock clock);
  void Stop(ProcessImage& image, int slot);
  void StopAll(ProcessImage& image);
  bool Logging(int slot) const;

  struct Stopped {
    int slot;
    Message message;
  };
  // After a scan tick: hands the rows of the samples taken since the last call to the logs'
  // writers, and stops the logs whose writing failed, each with the message to show once.
  std::vector<Stopped> Collect(ProcessImage& image);

  // Waits until every log has written what it was given.
  void Drain();

 private:
  struct Log {
    std::unique_ptr<LogWriter> writer;
    std::string path;
    SampleClock clock = SampleClock::Wall;
    int64_t origin_ms = 0;
    uint64_t logged = 0;  // SamplesTaken when the last row was handed over
  };

  LogWriter::Mode mode_;
  std::array<Log, 18> logs_{};  // 1..17
};

// The message when a log cannot start, and when it stops because a write failed.
Phrase LogNotStarted(const std::string& path, Phrase why);
Phrase LogStopped(const std::string& path, Phrase why);

}  // namespace tessaro
