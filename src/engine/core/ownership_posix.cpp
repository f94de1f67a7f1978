#include "engine/core/ownership.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "engine/core/file_errors.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

// A group that is the user's alone (a user private group): the user's primary group with
// no other member. What it may write, only the user may.
bool IsPrivateGroup(gid_t gid) {
  if (gid != ::getegid()) return false;
  const group* g = ::getgrgid(gid);
  if (g == nullptr) return false;
  const passwd* me = ::getpwuid(::geteuid());
  for (char** member = g->gr_mem; member != nullptr && *member != nullptr; ++member) {
    if (me == nullptr || std::strcmp(*member, me->pw_name) != 0) return false;
  }
  return true;
}

bool TrustedOwner(uid_t uid) { return uid == ::geteuid() || uid == 0; }

}  // namespace

std::optional<Phrase> NotOwnCause(const fs::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return PathCause(path, errno);
  const bool link = S_ISLNK(info.st_mode);
  if (!TrustedOwner(info.st_uid)) {
    return Phrase{link ? TextId::kNotOwnLinkOtherUser : TextId::kNotOwnOtherUser,
                  {Word(path.string())}};
  }
  if (link) return std::nullopt;
  if ((info.st_mode & S_IWOTH) != 0 ||
      ((info.st_mode & S_IWGRP) != 0 && !IsPrivateGroup(info.st_gid))) {
    return Phrase{TextId::kNotOwnWritable, {Word(path.string())}};
  }
  return std::nullopt;
}

}  // namespace tessaro
