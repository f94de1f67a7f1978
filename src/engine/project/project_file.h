// "Opslaan" and "Inlezen": saving the project to "Velden/data1.txt" and loading it back.
// Both are called by the save/load dialog and by tessaro-sim; failures are shown through
// Messages with the texts the user knows, naming the file ("File not found: FILE.",
// "Invalid numeric input.", ...).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "engine/project/project_apply.h"

namespace tessaro {

// The file "Opslaan" and "Inlezen" use, in the Velden folder under the data root.
inline constexpr char kProjectFileName[] = "data1.txt";

class Messages;
struct ProcessImage;

// Writes the 470 lines of the project, and after them the settings section when there is
// one, to "Velden/data1.txt" under `root`, through WriteFileWhole: a failure leaves the old
// file whole; where no file may be made in that folder but data1.txt may be written, it is
// written in place. A data1.txt without any write permission bit is not replaced ("File
// access denied: Velden/data1.txt."). A link is followed, to a file not yet made as well.
// Nothing in memory changes. True when the file was written. Every message names the file;
// a failure the texts above do not cover says its cause in words ("Kan Velden/data1.txt
// niet opslaan: de schijf is vol.").
bool SaveProject(const ProcessImage& image, const std::filesystem::path& root, Messages& messages);

// "Opslaan als": as SaveProject, to any file in an existing folder. A message names the
// file by its path from `root` when it lies there, otherwise as it was given.
bool SaveProjectAs(const ProcessImage& image, const std::filesystem::path& file,
                   Messages& messages, const std::filesystem::path& root = {});

enum class LoadResult {
  Failed,           // nothing changed; the error was shown
  Loaded,           // the project is in force and shown
  PicturesMissing,  // as Loaded, but some grid fields have no picture; shown once
};

enum class GridPictures { Refresh, Skip };

// Whether a load puts the project over what is there (as "Inlezen" always has: what the
// file does not hold stays) or over the start-up state, as a lesson begins.
enum class LoadStart { AsItIs, Fresh };

// Reads "Velden/data1.txt" under `root` whole; a file that is not a regular one (a FIFO, a
// device) is refused without waiting, as is one over 1 MiB or with a line over 4 KiB, and a
// leading UTF-8 byte-order mark is skipped. Only when every line read well does it
// replace the project tables, then places the screen items, selects the PID actions and
// (unless skipped, as the headless runner does) gives the grid fields their pictures.
LoadResult LoadProject(ProcessImage& image, const std::filesystem::path& root, Messages& messages,
                       ProjectLoadView& view, GridPictures pictures = GridPictures::Refresh);

// "Openen": as LoadProject, from any file; block pictures are still found under `root`.
// With LoadStart::Fresh the project is put over the start-up state, once it has read well.
LoadResult LoadProjectFile(ProcessImage& image, const std::filesystem::path& file,
                           const std::filesystem::path& root, Messages& messages,
                           ProjectLoadView& view, GridPictures pictures = GridPictures::Refresh,
                           LoadStart start = LoadStart::AsItIs);

// How much of a project a file holds, for a report on it: a file of fewer than the 470
// lines loads without an error (what is missing reads as 0 or empty), so a report tells a
// damaged or cut-off file apart from a wrong answer.
struct ProjectFileLines {
  bool empty = false;       // 0 bytes
  bool incomplete = false;  // fewer lines than a whole project
  size_t lines = 0;         // counted up to a whole project
};

// Counts the lines of a project file as a load reads them; none when it cannot be read.
std::optional<ProjectFileLines> CountProjectLines(const std::filesystem::path& file);

}  // namespace tessaro
