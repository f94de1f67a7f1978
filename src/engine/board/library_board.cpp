#include "engine/board/library_board.h"

#include <dlfcn.h>

#include "engine/board/simulated_board.h"
#include "engine/core/paths.h"

namespace tessaro {

namespace {

template <typename Fn>
bool Bind(void* handle, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(dlsym(handle, name));
  return fn != nullptr;
}

}  // namespace

std::unique_ptr<LibraryBoard> LibraryBoard::Load(const std::filesystem::path& file) {
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  std::unique_ptr<LibraryBoard> board(new LibraryBoard());
  board->handle_ = handle;
  const bool complete = Bind(handle, "OpenDevice", board->open_device_) &&
                        Bind(handle, "CloseDevice", board->close_device_) &&
                        Bind(handle, "ReadAnalogChannel", board->read_analog_) &&
                        Bind(handle, "OutputAnalogChannel", board->output_analog_) &&
                        Bind(handle, "SetDigitalChannel", board->set_digital_) &&
                        Bind(handle, "ClearDigitalChannel", board->clear_digital_) &&
                        Bind(handle, "ReadDigitalChannel", board->read_digital_);
  if (!complete) return nullptr;  // the destructor closes the handle
  return board;
}

LibraryBoard::~LibraryBoard() {
  if (handle_ != nullptr) dlclose(handle_);
}

int32_t LibraryBoard::OpenDevice(int32_t address) { return open_device_(address); }
void LibraryBoard::CloseDevice() { close_device_(); }
int32_t LibraryBoard::ReadAnalogChannel(int32_t channel) { return read_analog_(channel); }
void LibraryBoard::OutputAnalogChannel(int32_t channel, int32_t value) {
  output_analog_(channel, value);
}
void LibraryBoard::SetDigitalChannel(int32_t channel) { set_digital_(channel); }
void LibraryBoard::ClearDigitalChannel(int32_t channel) { clear_digital_(channel); }
int32_t LibraryBoard::ReadDigitalChannel(int32_t channel) { return read_digital_(channel); }

const char* BoardLibraryFileName() {
#ifdef _WIN32
  return "K8055d.dll";
#else
  return "libk8055d.so";
#endif
}

std::optional<std::filesystem::path> FindBoardLibrary(const std::filesystem::path& root) {
  return ResolveFolderFile(root, "Velden", BoardLibraryFileName());
}

std::unique_ptr<Board> MakeStartupBoard(const std::filesystem::path& root) {
  if (auto file = FindBoardLibrary(root)) {
    if (auto board = LibraryBoard::Load(std::filesystem::absolute(*file))) return board;
  }
  return std::make_unique<SimulatedBoard>();
}

}  // namespace tessaro
