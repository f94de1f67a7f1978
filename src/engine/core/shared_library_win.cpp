#include <windows.h>

#include "engine/core/shared_library.h"

namespace tessaro {

void* OpenSharedLibrary(const std::filesystem::path& file) {
  // The library's own dependencies are looked for beside it and in the system folders, not
  // in the current folder or along PATH.
  return LoadLibraryExW(file.c_str(), nullptr,
                        LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void* SharedLibrarySymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseSharedLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

}  // namespace tessaro
