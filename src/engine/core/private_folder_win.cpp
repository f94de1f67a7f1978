// On Windows a folder made under the user's profile (%APPDATA%) takes the profile's access
// list, which already keeps other users out.
#include <windows.h>

#include <random>
#include <string>

#include "engine/core/private_folder.h"

namespace tessaro {

void MakePrivateFolder(const std::filesystem::path& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
}

std::filesystem::path MakeFreshPrivateFolder(const std::filesystem::path& base) {
  static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::mt19937_64 generator{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring name = base.native() + L"-";
    for (int i = 0; i < 6; ++i) name += kLetters[generator() % (std::size(kLetters) - 1)];
    if (CreateDirectoryW(name.c_str(), nullptr)) return name;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
  return {};
}

}  // namespace tessaro
