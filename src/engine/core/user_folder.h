// Where an installed trainer works. The shipped pictures and lessons lie read-only in the
// shared data folder (share/tessaro); each user works in a folder of their own, whose Velden
// and Teks hold links to the shipped pictures beside the user's project file and whatever
// pictures the user drew.
#pragma once

#include <filesystem>

#include "engine/core/texts.h"

namespace tessaro {

// The per-user folder: $XDG_DATA_HOME/tessaro, or $HOME/.local/share/tessaro when
// XDG_DATA_HOME is unset, empty or relative. Empty when neither gives an absolute folder.
// Either argument may be null (the variable is unset).
std::filesystem::path UserFolder(const char* xdg_data_home, const char* home);

// Brings `user` up to date with the shipped folder `shared`: Velden and Teks become real
// folders of the user's, and every shipped file in them gets a link of the same name; every
// other shipped entry (the example lessons) gets a link in `user` itself. An entry the user
// already has under that name, in whatever letter case, stays as it is, unless it is a link
// this function made earlier: that one is pointed at the shipped file again (the install
// may have moved), and removed once the shipped file is gone. Where links cannot be made,
// the file is copied, and the copy is the user's from then on. Returns nothing on success,
// otherwise what went wrong.
Message PrepareUserFolder(const std::filesystem::path& shared, const std::filesystem::path& user);

struct WorkFolder {
  std::filesystem::path root;
  // Set when the per-user folder was due but could not be prepared, or was not used: the
  // message to show.
  Message problem;
};

// The folder the program works in: as ChooseDataRoot decides when the working folder or
// the program's folder has a Velden folder; otherwise, when `shared` holds the shipped
// Velden, the per-user folder `user`, prepared from it. When that cannot be prepared, the
// program works in `shared` itself, which shows the pictures but takes no save, and
// `problem` says why. A per-user folder that is there already but is not safely the user's
// own — an entry of someone else's or one that others may change, a link the program did
// not make — is left alone: the program works in a new folder beside it that only the user
// may enter, and `problem` says so. A per-user folder made new is the user's alone (0700).
WorkFolder ChooseWorkFolder(const std::filesystem::path& cwd,
                            const std::filesystem::path& program_dir,
                            const std::filesystem::path& shared, const std::filesystem::path& user);

}  // namespace tessaro
