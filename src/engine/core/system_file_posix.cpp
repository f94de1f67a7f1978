#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "engine/core/file_errors.h"
#include "engine/core/system_file.h"

namespace tessaro {

SystemFile::~SystemFile() { Close(); }

SystemFile::SystemFile(SystemFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

int SystemFile::OpenForReading(const std::filesystem::path& path) {
  Close();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int err = S_ISREG(info.st_mode) ? errno : EACCES;
    ::close(fd);
    return err;
  }
  fd_ = fd;
  return 0;
}

int SystemFile::OpenForAppending(const std::filesystem::path& path, bool& created,
                                 std::optional<Phrase>& error) {
  Close();
  // A FIFO, a device or a folder is refused before it is opened: opening one may wait for
  // a reader, or do what that device does.
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    error = NotRegularFileCause(status.st_mode);
    return EACCES;
  }
  constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  created = true;
  int fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
  if (fd < 0 && errno == EEXIST) {
    created = false;
    fd = ::open(path.c_str(), kFlags);
  }
  if (fd < 0) {
    const int err = errno;
    error = FileCause(err);
    return err;
  }
  // It may have been swapped for something else since it was looked at.
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    const int err = S_ISREG(status.st_mode) ? errno : EACCES;
    error = S_ISREG(status.st_mode) ? FileCause(err) : NotRegularFileCause(status.st_mode);
    ::close(fd);
    return err;
  }
  fd_ = fd;
  return 0;
}

bool SystemFile::IsOpen() const { return fd_ >= 0; }

int64_t SystemFile::Size() const {
  struct stat info {};
  return ::fstat(fd_, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

int SystemFile::Read(char* data, size_t size, size_t& got) {
  while (true) {
    const ssize_t n = ::read(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    got = static_cast<size_t>(n);
    return 0;
  }
}

int SystemFile::Append(const char* data, size_t size) {
  // O_APPEND puts the bytes at the end in one piece; a short write (a disk that is nearly
  // full) goes on where it stopped.
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : ENOSPC;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return 0;
}

void SystemFile::Truncate(int64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
    // The caller reports the write that failed; there is nothing more to be done here.
  }
}

void SystemFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileStamp StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {true, S_ISREG(info.st_mode), static_cast<uint64_t>(info.st_size),
          static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

void RemoveFileQuietly(const std::filesystem::path& path) { ::unlink(path.c_str()); }

}  // namespace tessaro
