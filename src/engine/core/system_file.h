// An open file, on whichever system: the few things the project reader and the logbook do
// with one. Only regular files are opened, and never in a way that waits: a FIFO or a
// device named where a file was expected is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/core/texts.h"

namespace tessaro {

class SystemFile {
 public:
  SystemFile() = default;
  ~SystemFile();
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;
  SystemFile(SystemFile&& other) noexcept;
  SystemFile& operator=(SystemFile&& other) noexcept;

  // Opens a regular file for reading. Returns 0, or the system error (errno); EACCES for
  // something that is no regular file.
  int OpenForReading(const std::filesystem::path& path);
  // Opens a regular file for appending, making it when it is not there (`created` tells).
  // Returns 0, or the system error; `error` then holds the cause in words.
  int OpenForAppending(const std::filesystem::path& path, bool& created,
                       std::optional<Phrase>& error);

  bool IsOpen() const;
  // The size in bytes, or -1 when it cannot be told.
  int64_t Size() const;
  // Reads up to `size` bytes; `got` is 0 at the end. Returns 0 or the system error.
  int Read(char* data, size_t size, size_t& got);
  // Appends all of `size` bytes, or returns the system error (ENOSPC for a short write).
  int Append(const char* data, size_t size);
  // Cuts the file back to `size` bytes.
  void Truncate(int64_t size);
  void Close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

// What the system tells of a file without opening it (a link is followed).
struct FileStamp {
  bool exists = false;
  bool regular = false;     // a regular file: no folder, FIFO or device
  uint64_t size = 0;
  int64_t modified_ns = 0;  // last change, in nanoseconds since 1970 (UTC)
};
FileStamp StampOf(const std::filesystem::path& path);

// Removes a file; quietly does nothing when it cannot.
void RemoveFileQuietly(const std::filesystem::path& path);

}  // namespace tessaro
