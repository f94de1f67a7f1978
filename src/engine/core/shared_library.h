// Loading a library of functions at run time (the board's own library in Velden).
#pragma once

#include <filesystem>

namespace tessaro {

// The loaded library, or null when it cannot be loaded.
void* OpenSharedLibrary(const std::filesystem::path& file);
// The function `name` of the library, or null.
void* SharedLibrarySymbol(void* library, const char* name);
void CloseSharedLibrary(void* library);

}  // namespace tessaro
