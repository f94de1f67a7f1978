// A board reached through a board library in the Velden folder that exports the seven
// board functions with C linkage.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "engine/board/board.h"

namespace tessaro {

class LibraryBoard : public Board {
 public:
  // Loads the library; null when it cannot be loaded or lacks any of the seven functions.
  static std::unique_ptr<LibraryBoard> Load(const std::filesystem::path& file);
  ~LibraryBoard() override;
  LibraryBoard(const LibraryBoard&) = delete;
  LibraryBoard& operator=(const LibraryBoard&) = delete;

  int32_t OpenDevice(int32_t address) override;
  void CloseDevice() override;
  int32_t ReadAnalogChannel(int32_t channel) override;
  void OutputAnalogChannel(int32_t channel, int32_t value) override;
  void SetDigitalChannel(int32_t channel) override;
  void ClearDigitalChannel(int32_t channel) override;
  int32_t ReadDigitalChannel(int32_t channel) override;

 private:
  using IntOfInt = int32_t (*)(int32_t);
  using VoidOfVoid = void (*)();
  using VoidOfInt = void (*)(int32_t);
  using VoidOfIntInt = void (*)(int32_t, int32_t);

  LibraryBoard() = default;

  void* handle_ = nullptr;
  IntOfInt open_device_ = nullptr;
  VoidOfVoid close_device_ = nullptr;
  IntOfInt read_analog_ = nullptr;
  VoidOfIntInt output_analog_ = nullptr;
  VoidOfInt set_digital_ = nullptr;
  VoidOfInt clear_digital_ = nullptr;
  IntOfInt read_digital_ = nullptr;
};

// The platform's file name of the board library.
const char* BoardLibraryFileName();

// The board library in `root`/Velden, matched case-insensitively, if there is one.
std::optional<std::filesystem::path> FindBoardLibrary(const std::filesystem::path& root);

// The board the program starts with: the board library when one is present and complete,
// otherwise the simulated board. Never null.
std::unique_ptr<Board> MakeStartupBoard(const std::filesystem::path& root);

}  // namespace tessaro
