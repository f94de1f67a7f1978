#include "engine/board/library_board.h"

#include "engine/board/simulated_board.h"
#include "engine/core/ownership.h"
#include "engine/core/paths.h"
#include "engine/core/shared_library.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

template <typename Fn>
bool Bind(void* handle, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(SharedLibrarySymbol(handle, name));
  return fn != nullptr;
}

}  // namespace

std::unique_ptr<LibraryBoard> LibraryBoard::Load(const std::filesystem::path& file) {
  void* handle = OpenSharedLibrary(file);
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
  if (handle_ != nullptr) CloseSharedLibrary(handle_);
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

std::optional<Phrase> BoardLibraryDistrust(const fs::path& file, const fs::path& root,
                                           const std::vector<fs::path>& trusted) {
  std::error_code ec;
  const fs::path real = fs::canonical(file, ec);
  for (const fs::path& folder : trusted) {
    std::error_code folder_ec;
    const fs::path own = fs::canonical(folder, folder_ec);
    if (ec || folder_ec) continue;
    const fs::path relative = real.lexically_relative(own);
    if (!relative.empty() && *relative.begin() != "..") return std::nullopt;
  }
  fs::path at = root;
  std::optional<Phrase> cause = NotOwnCauseFollowed(at);
  for (const fs::path& part : file.lexically_relative(root)) {
    if (cause) break;
    at /= part;
    cause = NotOwnCauseFollowed(at);
  }
  return cause;
}

std::unique_ptr<LibraryBoard> LoadBoardLibrary(const fs::path& root,
                                               const std::vector<fs::path>& trusted,
                                               Message& refusal) {
  refusal.clear();
  const auto found = FindBoardLibrary(root);
  if (!found) return nullptr;
  const fs::path file = fs::absolute(*found);
  if (auto cause = BoardLibraryDistrust(file, fs::absolute(root), trusted)) {
    refusal = {Phrase{TextId::kLibraryRefused, {Word(file.string()), std::move(*cause)}}};
    return nullptr;
  }
  return LibraryBoard::Load(file);
}

std::unique_ptr<Board> MakeStartupBoard(const fs::path& root,
                                        const std::vector<fs::path>& trusted) {
  Message refusal;
  if (auto board = LoadBoardLibrary(root, trusted, refusal)) return board;
  return std::make_unique<SimulatedBoard>();
}

}  // namespace tessaro
