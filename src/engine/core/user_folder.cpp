#include "engine/core/user_folder.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/core/file_errors.h"
#include "engine/core/ownership.h"
#include "engine/core/paths.h"
#include "engine/core/private_folder.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

// The folders that are the user's own, with a link per shipped file inside.
bool IsOwnFolder(const fs::path& name) { return name == "Velden" || name == "Teks"; }

// What could not be done (`what`) with `path`, in the system's own words.
Message Failure(TextId what, const fs::path& path, const std::error_code& ec) {
  return {Phrase{what, {Word(path.string()), Word(ec.message())}}};
}

// Whether `entry` is a link this program made for the shipped entry `tail`
// ("tessaro/Velden/papier.bmp"): its target ends in `tail`, wherever the install was.
bool IsShippedLink(const fs::path& entry, const fs::path& tail) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(entry, ec))) return false;
  const fs::path target = fs::read_symlink(entry, ec);
  if (ec) return false;
  const std::vector<fs::path> have(target.begin(), target.end());
  const std::vector<fs::path> want(tail.begin(), tail.end());
  if (have.size() < want.size()) return false;
  return std::equal(want.rbegin(), want.rend(), have.rbegin());
}

class Preparation {
 public:
  Preparation(const fs::path& shared, const fs::path& user) : shared_(shared), user_(user) {}

  Message Run() {
    std::error_code ec;
    fs::create_directories(user_, ec);
    if (ec) return Failure(TextId::kCannotMakeFolder, user_, ec);
    for (fs::directory_iterator it(shared_, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path name = it->path().filename();
      if (IsOwnFolder(name) && it->is_directory()) {
        const auto folder = OwnFolder(name);
        if (!folder) return problem_;
        LinkFolderFiles(it->path(), *folder, name);
      } else {
        Link(it->path(), user_, name);
      }
      if (!problem_.empty()) return problem_;
    }
    if (ec) return Failure(TextId::kCannotReadFolder, shared_, ec);
    RemoveStaleLinks(user_, {});
    return problem_;
  }

 private:
  // The user's Velden or Teks, in whatever letter case the user has it, or made anew.
  std::optional<fs::path> OwnFolder(const fs::path& name) {
    std::error_code ec;
    if (auto existing = ResolvePath(user_, name.string())) {
      if (fs::is_directory(*existing, ec)) return existing;
      problem_ = {Phrase{TextId::kNotAFolder, {Word(existing->string())}}};
      return std::nullopt;
    }
    fs::create_directory(user_ / name, ec);
    if (ec) {
      problem_ = Failure(TextId::kCannotMakeFolder, user_ / name, ec);
      return std::nullopt;
    }
    return user_ / name;
  }

  void LinkFolderFiles(const fs::path& from, const fs::path& folder, const fs::path& name) {
    std::error_code ec;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file()) Link(it->path(), folder, name / it->path().filename());
      if (!problem_.empty()) return;
    }
    if (ec) {
      problem_ = Failure(TextId::kCannotReadFolder, from, ec);
      return;
    }
    RemoveStaleLinks(folder, name);
  }

  // Gives `folder` an entry for the shipped `source`, whose place under the shared folder is
  // `relative`, unless the user has one of that name.
  void Link(const fs::path& source, const fs::path& folder, const fs::path& relative) {
    std::error_code ec;
    const fs::path name = source.filename();
    if (auto existing = ResolvePath(folder, name.string())) {
      if (!IsShippedLink(*existing, Tail(relative))) return;  // the user's own
      if (fs::read_symlink(*existing, ec) == source) return;
      fs::remove(*existing, ec);
      if (ec) {
        problem_ = Failure(TextId::kCannotReplaceLink, *existing, ec);
        return;
      }
    }
    const fs::path entry = folder / name;
    fs::create_symlink(source, entry, ec);
    // Another start of the program may just have made it.
    if (!ec || ec == std::errc::file_exists) return;
    // Some file systems hold no links: a copy serves.
    ec.clear();
    fs::copy(source, entry, fs::copy_options::recursive, ec);
    if (ec && ec != std::errc::file_exists) problem_ = Failure(TextId::kCannotCopyTo, entry, ec);
  }

  // Links this program made for files the install no longer ships point nowhere: they go.
  void RemoveStaleLinks(const fs::path& folder, const fs::path& name) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path entry = it->path();
      if (!fs::exists(entry, ec) && IsShippedLink(entry, Tail(name / entry.filename()))) {
        stale.push_back(entry);
      }
    }
    for (const auto& entry : stale) fs::remove(entry, ec);
  }

  fs::path Tail(const fs::path& relative) const { return shared_.filename() / relative; }

  const fs::path shared_;
  const fs::path user_;
  Message problem_;
};

// Whether `entry`, a link at `relative` in the per-user folder, is one this program makes: to
// the shipped file of that place, in this install or an earlier one.
bool IsOurLink(const fs::path& entry, const fs::path& relative, const fs::path& shared) {
  std::error_code ec;
  const fs::path target = fs::read_symlink(entry, ec).lexically_normal();
  if (ec) return false;
  const fs::path inside = target.lexically_relative(shared);
  if (target.is_absolute() && !inside.empty() && *inside.begin() != "..") return true;
  return IsShippedLink(entry, shared.filename() / relative);
}

// Why the per-user folder, made before by whoever, must not be used: anything in it that is
// someone else's or that others may change, and any link this program did not make. Nothing
// when it may be used, and when it is not there yet.
std::optional<Phrase> UserFolderDistrust(const fs::path& shared, const fs::path& user) {
  std::error_code ec;
  const auto status = fs::symlink_status(user, ec);
  if (!fs::exists(status)) return std::nullopt;
  if (fs::is_symlink(status)) return Phrase{TextId::kUserFolderIsLink, {Word(user.string())}};
  if (auto cause = NotOwnCause(user)) return cause;
  for (fs::recursive_directory_iterator it(user, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path entry = it->path();
    if (auto cause = NotOwnCause(entry)) return cause;
    if (it->is_symlink(ec) && !IsOurLink(entry, entry.lexically_relative(user), shared)) {
      return Phrase{TextId::kUserFolderStrangeLink, {Word(entry.string())}};
    }
  }
  if (ec) return PathCause(user, ec.value());
  return std::nullopt;
}

}  // namespace

fs::path UserFolder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home != nullptr && fs::path(xdg_data_home).is_absolute()) {
    return fs::path(xdg_data_home) / "tessaro";
  }
  if (home != nullptr && fs::path(home).is_absolute()) {
    return fs::path(home) / ".local" / "share" / "tessaro";
  }
  return {};
}

Message PrepareUserFolder(const fs::path& shared, const fs::path& user) {
  return Preparation(shared.lexically_normal(), user.lexically_normal()).Run();
}

WorkFolder ChooseWorkFolder(const fs::path& cwd, const fs::path& program_dir,
                            const fs::path& shared, const fs::path& user) {
  const fs::path root = ChooseDataRoot(cwd, program_dir);
  std::error_code ec;
  const bool in_user_folder = !user.empty() && fs::equivalent(root, user, ec);
  if ((ResolvePath(root, "Velden") && !in_user_folder) || shared.empty() ||
      !ResolvePath(shared, "Velden")) {
    return {root, {}};
  }
  // Without a folder of the user's the shipped pictures still show; a save then fails
  // with its own message, as the user cannot write there.
  if (user.empty()) return {shared, {Phrase{TextId::kNoOwnFolder}}};
  fs::path folder = user;
  Message notice;
  if (auto cause = UserFolderDistrust(shared, user)) {
    // Another user may have prepared it, with a link to one of this user's files where the
    // project is saved: it is left alone.
    folder = MakeFreshPrivateFolder(user);
    if (folder.empty()) {
      return {shared, {Phrase{TextId::kUserFolderNotUsedNoNew, {Word(user.string()), *cause}}}};
    }
    notice = {
        Phrase{TextId::kUserFolderNotUsed, {Word(user.string()), *cause, Word(folder.string())}}};
  } else if (!fs::exists(fs::symlink_status(user, ec))) {
    // Made for this user alone from the start.
    fs::create_directories(user.parent_path(), ec);
    MakePrivateFolder(user);
  }
  Message problem = PrepareUserFolder(shared, folder);
  if (!problem.empty()) return {shared, std::move(problem)};
  return {folder, std::move(notice)};
}

}  // namespace tessaro
