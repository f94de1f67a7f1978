// A board reached through a board library in the Velden folder that exports the seven
// board functions with C linkage.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// Why the board library `file`, found under the working folder `root`, must not be loaded,
// in words that name what is wrong; nothing when it may. Loading runs the library's code as
// the user, so the file and every folder from `root` down to it must be the user's own (or
// root's), and a link on the way must be too, as must the file and folder it leads to.
// A library in one of the `trusted` folders (the installed program's own) may always load.
std::optional<Phrase> BoardLibraryDistrust(const std::filesystem::path& file,
                                           const std::filesystem::path& root,
                                           const std::vector<std::filesystem::path>& trusted);

// The board library in `root`/Velden when it is present, the user's own and complete; null
// otherwise. When one is present but may not be loaded, `refusal` holds the text to show:
// "Kaartbibliotheek FILE niet geladen: ...".
std::unique_ptr<LibraryBoard> LoadBoardLibrary(const std::filesystem::path& root,
                                               const std::vector<std::filesystem::path>& trusted,
                                               Message& refusal);

// The board the program starts with: the board library when LoadBoardLibrary gives one,
// otherwise the simulated board. Never null.
std::unique_ptr<Board> MakeStartupBoard(const std::filesystem::path& root,
                                        const std::vector<std::filesystem::path>& trusted = {});

}  // namespace tessaro
