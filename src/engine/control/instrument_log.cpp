#include "engine/control/instrument_log.h"

#include <algorithm>
#include <cerrno>

#include "engine/core/file_errors.h"
#include "engine/core/process_image.h"
#include "engine/core/system_file.h"
#include "engine/core/utf8_path.h"

namespace tessaro {

std::unique_ptr<LogWriter> LogWriter::Open(const std::string& path, Mode mode,
                                           std::optional<Phrase>& error) {
  SystemFile file;
  bool created = false;
  if (file.OpenForAppending(Utf8Path(path), created, error) != 0) return nullptr;
  const bool was_empty = file.Size() == 0;
  return std::unique_ptr<LogWriter>(
      new LogWriter(std::move(file), mode, was_empty, created ? path : std::string()));
}

LogWriter::LogWriter(SystemFile file, Mode mode, bool was_empty, std::string made)
    : file_(std::move(file)), mode_(mode), was_empty_(was_empty), made_(std::move(made)) {
  if (mode_ == Mode::Background) thread_ = std::thread([this] { Run(); });
}

LogWriter::~LogWriter() {
  if (thread_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  // A log that made its file and never got a row into it leaves nothing behind.
  if (!made_.empty() && file_.Size() == 0) {
    file_.Close();
    RemoveFileQuietly(Utf8Path(made_));
  }
  file_.Close();
}

void LogWriter::Append(std::string line) {
  if (mode_ == Mode::Inline) {
    if (!failure_) Write(line);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    if (failure_) return;
    queue_.push_back(std::move(line));
  }
  wake_.notify_one();
}

std::optional<Phrase> LogWriter::Failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

void LogWriter::Drain() {
  std::unique_lock lock(mutex_);
  drained_.wait(lock, [this] { return (queue_.empty() && !writing_) || failure_.has_value(); });
}

void LogWriter::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return !queue_.empty() || closing_; });
    if (queue_.empty()) return;  // closing, and everything is written
    std::string line = std::move(queue_.front());
    queue_.pop_front();
    writing_ = true;
    lock.unlock();
    Write(line);
    lock.lock();
    writing_ = false;
    if (failure_) queue_.clear();
    if (queue_.empty()) drained_.notify_all();
  }
}

bool LogWriter::Write(const std::string& line) {
  // Each line goes at the end in one piece; a short write (a disk that is nearly full) goes
  // on where it stopped. A line that does not fit whole is taken out again, so the log ends
  // on a whole row.
  const int64_t end = file_.Size();
  if (const int err = file_.Append(line.data(), line.size()); err != 0) {
    if (end >= 0) file_.Truncate(end);
    std::lock_guard lock(mutex_);
    failure_ = FileCause(err);
    return false;
  }
  return true;
}

Message InstrumentLogs::Start(ProcessImage& image, int slot, const std::string& path,
                              int64_t origin_ms, SampleClock clock) {
  if (!IsInstrumentSlot(slot)) return {LogNotStarted(path, Phrase{TextId::kLogNoInstrument})};
  Stop(image, slot);
  std::optional<Phrase> error;
  auto writer = LogWriter::Open(path, mode_, error);
  if (!writer) return {LogNotStarted(path, error.value_or(Word({})))};
  if (writer->WasEmpty()) writer->Append(CsvHeader(image, slot));
  // Written at once in the inline mode: a file that takes not even the header is no log.
  // (In the background mode a failure is told by Collect, whenever the writer finds it.)
  if (mode_ == LogWriter::Mode::Inline) {
    if (auto failure = writer->Failure()) return {LogNotStarted(path, *failure)};
  }
  Log& log = logs_[static_cast<size_t>(slot)];
  log = {std::move(writer), path, clock, origin_ms, SamplesTaken(image, slot)};
  image.LogFile[static_cast<size_t>(slot)] = path;
  return {};
}

void InstrumentLogs::Stop(ProcessImage& image, int slot) {
  if (!IsInstrumentSlot(slot)) return;
  logs_[static_cast<size_t>(slot)] = Log{};
  image.LogFile[static_cast<size_t>(slot)].clear();
}

void InstrumentLogs::StopAll(ProcessImage& image) {
  for (int slot = 1; slot < static_cast<int>(logs_.size()); ++slot) Stop(image, slot);
}

bool InstrumentLogs::Logging(int slot) const {
  return IsInstrumentSlot(slot) && logs_[static_cast<size_t>(slot)].writer != nullptr;
}

std::vector<InstrumentLogs::Stopped> InstrumentLogs::Collect(ProcessImage& image) {
  std::vector<Stopped> stopped;
  for (int slot = 1; slot < static_cast<int>(logs_.size()); ++slot) {
    Log& log = logs_[static_cast<size_t>(slot)];
    if (!log.writer) continue;
    const uint64_t taken = SamplesTaken(image, slot);
    // The history keeps only its last samples; a log is asked after every tick, so it never
    // falls that far behind.
    const size_t fresh =
        static_cast<size_t>(std::min<uint64_t>(taken - log.logged, SamplesHeld(image, slot)));
    for (size_t i = fresh; i-- > 0;) {
      log.writer->Append(CsvRow(image, slot, i, log.origin_ms, log.clock));
    }
    log.logged = taken;
    if (auto failure = log.writer->Failure()) {
      stopped.push_back({slot, {LogStopped(log.path, *failure)}});
      Stop(image, slot);
    }
  }
  return stopped;
}

void InstrumentLogs::Drain() {
  for (Log& log : logs_) {
    if (log.writer) log.writer->Drain();
  }
}

Phrase LogNotStarted(const std::string& path, Phrase why) {
  return Phrase{TextId::kLogNotStarted, {Word(path), std::move(why)}};
}

Phrase LogStopped(const std::string& path, Phrase why) {
  return Phrase{TextId::kLogStopped, {Word(path), std::move(why)}};
}

}  // namespace tessaro
