#include <dlfcn.h>

#include "engine/core/shared_library.h"

namespace tessaro {

void* OpenSharedLibrary(const std::filesystem::path& file) {
  return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* SharedLibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

void CloseSharedLibrary(void* library) { dlclose(library); }

}  // namespace tessaro
