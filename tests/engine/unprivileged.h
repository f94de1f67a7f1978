// Running a piece of a test as an ordinary user: root passes every permission check, and
// whose a file is matters only to someone who is not root.
#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

namespace tessaro {

// The ordinary user the tests run as, and another one whose files the first must distrust.
constexpr uid_t kNobody = 65534;
constexpr uid_t kSomeoneElse = 65533;

// Exit status of a child that could not become the ordinary user.
constexpr int kCannotChangeUser = 77;

// Runs `body` as kNobody in a child process; its result is the child's exit status (0 when
// `body` held). Where the user cannot be changed (not root), `body` runs as it is.
inline int AsUnprivilegedUser(const std::function<bool()>& body) {
  if (::geteuid() != 0) return body() ? 0 : 1;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(kCannotChangeUser);
    }
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

// Gives `path` (not following a link) to `uid`; false where that cannot be done (not root).
inline bool GiveTo(const std::filesystem::path& path, uid_t uid) {
  return ::lchown(path.c_str(), uid, uid) == 0;
}

// Files can grow to `bytes` at most while this lives, as on a disk that is nearly full;
// a write beyond fails (EFBIG) instead of ending the program.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace tessaro
