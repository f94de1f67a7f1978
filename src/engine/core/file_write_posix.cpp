#include "engine/core/file_write.h"
#include "engine/core/file_write_parts.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

namespace tessaro {

namespace fs = std::filesystem;

namespace {

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  // Closes now; 0 or the error close reported.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }

 private:
  int fd_;
};

int WriteAll(int fd, std::string_view text, off_t at) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t put =
        ::pwrite(fd, text.data() + done, text.size() - done, at + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return put < 0 ? errno : ENOSPC;
    done += static_cast<size_t>(put);
  }
  return 0;
}

// Temporaries of `name` that no writer holds any more: a writer keeps a lock on its own
// until it is renamed, so one that can be locked was left by a program that died.
void RemoveStaleTemporaries(int dir, std::string_view name) {
  const int listing = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* stream = ::fdopendir(listing);
  if (stream == nullptr) {
    ::close(listing);
    return;
  }
  const uid_t me = ::geteuid();
  while (const dirent* entry = ::readdir(stream)) {
    if (!IsTemporaryFor(entry->d_name, name)) continue;
    // Only a file of the user's is opened: opening a device may already do something.
    struct stat info {};
    if (::fstatat(dir, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != me) {
      continue;
    }
    Fd fd(::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
    ::unlinkat(dir, entry->d_name, 0);
  }
  ::closedir(stream);
}

// Makes a fresh temporary for `name` in `dir`, open for writing and locked.
int CreateTemporary(int dir, std::string_view name, mode_t mode, std::string& temporary, Fd& out) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = TemporaryNameFor(name);
    const int fd = ::openat(dir, temporary.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX);
      out.Reset(fd);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// The fallback for a folder where no file may be made: the new bytes over the old ones.
// Room is made first, so that a full disk is found before anything is overwritten; should
// a write fail after all, the old bytes go back.
int WriteInPlace(const fs::path& path, std::string_view text) {
  bool can_read = true;
  Fd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0 && errno == EACCES) {
    can_read = false;
    fd.Reset(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
  }
  if (fd.get() < 0) return errno;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return errno;
  if (!S_ISREG(info.st_mode)) return EACCES;

  std::string old;
  if (can_read) {
    old.resize(static_cast<size_t>(info.st_size));
    size_t got = 0;
    while (got < old.size()) {
      const ssize_t n =
          ::pread(fd.get(), old.data() + got, old.size() - got, static_cast<off_t>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    old.resize(got);
  }
  if (!text.empty()) {
    const int err = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(text.size()));
    // Where the file system cannot reserve room, the restore below is the safeguard.
    if (err != 0 && err != EOPNOTSUPP && err != EINVAL) return err;
  }
  int err = WriteAll(fd.get(), text, 0);
  if (err == 0 && ::ftruncate(fd.get(), static_cast<off_t>(text.size())) != 0) err = errno;
  if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
  if (err != 0 && can_read) {
    // The old bytes took this room before, so they fit again.
    if (WriteAll(fd.get(), old, 0) == 0) {
      if (::ftruncate(fd.get(), static_cast<off_t>(old.size())) == 0) ::fsync(fd.get());
    }
  }
  const int closed = fd.Close();
  return err != 0 ? err : closed;
}

bool IsReadOnly(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

}  // namespace

int WriteFileWhole(const fs::path& given, std::string_view text, const WriteOptions& options) {
  WriteTarget where;
  if (const int err = FindWriteTarget(given, options.follow_link, where); err != 0) return err;
  const fs::path& target = where.file;
  const std::string& name = where.name;
  const fs::path& folder = where.folder;

  // The old file, if any: not replaced when it is no regular file or is read-only.
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return errno;
  if (exists && (!S_ISREG(old.st_mode) || IsReadOnly(old.st_mode))) return EACCES;

  bool listable = true;
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0 && errno == EACCES) {
    listable = false;
    dir.Reset(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  }
  if (dir.get() < 0) return errno;
  if (listable) RemoveStaleTemporaries(dir.get(), name);

  std::string temporary;
  Fd file;
  int err = CreateTemporary(dir.get(), name, exists ? 0600 : 0666, temporary, file);
  if (err == EACCES || err == EPERM || err == EROFS) {
    if (exists && ::access(target.c_str(), W_OK) == 0) return WriteInPlace(target, text);
    return err;
  }
  if (err != 0) return err;

  err = WriteAll(file.get(), text, 0);
  if (err == 0 && exists && ::fchmod(file.get(), old.st_mode & 07777) != 0) err = errno;
  if (err == 0 && ::fsync(file.get()) != 0) err = errno;
  // Renamed while still locked, so that no cleaner takes it for a dead writer's.
  if (err == 0 && ::renameat(dir.get(), temporary.c_str(), dir.get(), name.c_str()) != 0) {
    err = errno;
  }
  if (err != 0) {
    ::unlinkat(dir.get(), temporary.c_str(), 0);
    return err;
  }
  file.Close();
  ::fsync(dir.get());
  return 0;
}

}  // namespace tessaro
