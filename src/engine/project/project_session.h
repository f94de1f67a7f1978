// The project the user has open: "Opslaan" and "Inlezen" of the one project file, "Opslaan
// als" and "Openen" of any file, "Nieuw", and the example lessons, which open read-only
// over the start-up state. The save/load dialog and tessaro-sim both work through it; the
// windows only ask for a file name.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/texts.h"
#include "engine/project/project_file.h"

namespace tessaro {

class Board;
class Messages;
struct ProcessImage;

// The folder with the example lessons, "examples" beside Velden and Teks; none when absent.
std::optional<std::filesystem::path> ExamplesFolder(const std::filesystem::path& root);

// The example lessons (*.txt in the examples folder), sorted by name.
std::vector<std::filesystem::path> ExampleProjects(const std::filesystem::path& root);

// The document with the lessons and the teachers' notes, "lessen.html" beside Velden and
// Teks; none when absent. Each lesson's section is named after its project's file name.
std::optional<std::filesystem::path> LessonDocument(const std::filesystem::path& root);

// The process a lesson is made for ("heater", "tank", "valve"), from the line
// "lab.process=NAME" in its settings section; "" when it names none.
std::string LessonProcess(const std::filesystem::path& lesson);

// Puts the process image back at its start-up state: empty grid, the start-up values of
// every table, controller, recorder, push button and knob, the palette's editors and the
// screen items' places. What belongs to the machine rather than the project stays: the
// board's address and analog inputs, the multiplexer's phase, the decimal separator and
// whether the grid window is open. The view hears ProjectReset().
void ResetToStartup(ProcessImage& image, ProjectLoadView& view);

// Both analog outputs to 0 and digital outputs 1..6 off; 7 and 8 select the multiplexer's
// channel and are left to it.
void SwitchOutputsOff(Board& board);

class ProjectSession {
 public:
  ProjectSession(ProcessImage& image, Board& board, Messages& messages, ProjectLoadView& view,
                 std::filesystem::path root, GridPictures pictures = GridPictures::Refresh);

  // "Opslaan" and "Inlezen": Velden/data1.txt, as they have always been.
  bool Save();
  bool Load();
  // "Opslaan als" and "Openen". A save into the examples folder is refused.
  bool SaveAs(const std::filesystem::path& file);
  bool Open(const std::filesystem::path& file);
  // A lesson from the examples: the start-up state, outputs off, then the lesson. The
  // project is marked read-only; no save ever writes into the examples.
  bool OpenExample(const std::filesystem::path& file);
  // Asks the user for a file to save the project in ("Opslaan als"); none when none given.
  using FileChoice = std::function<std::optional<std::filesystem::path>()>;

  // "Nieuw": the start-up state with the outputs off. Unchanged since the last save or load,
  // after a Yes to its question; with unsaved changes, after the question whether to save
  // them (see SaveChangesFirst).
  bool New(const FileChoice& choose = {});

  // Whether the project differs from what was last saved or loaded.
  bool unsaved() const;
  // Before an action that replaces the project ("Inlezen", "Openen", "Voorbeelden"): with
  // unsaved changes, asks whether to save them first (Save / Don't save / Cancel). Save
  // writes where "Opslaan" does; a read-only example is saved to the file `choose` gives.
  // True when the action may go on: nothing unsaved, Don't save, or saved.
  bool SaveChangesFirst(const FileChoice& choose);
  // "Exit" and a close of the operator screen: with unsaved changes the question whether to
  // save them takes the place of "Afsluiten?". True when the program is to end; the board
  // has then been closed.
  bool Exit(const FileChoice& choose);

  // The file's name ("" before any save or load and after "Nieuw"), whether it is an
  // example, and the operator screen's title that names it.
  const std::string& name() const { return name_; }
  bool example() const { return example_; }
  // The open lesson's name (its file name without ".txt"), "" when no example is open, and
  // the process it is made for.
  std::string lesson() const;
  const std::string& lesson_process() const { return lesson_process_; }
  std::string WindowTitle() const;
  // The whole path of the file last saved or opened, "Opslaan" and "Inlezen" included; ""
  // before any and after "Nieuw". A check for the project is looked up beside it.
  const std::filesystem::path& file() const { return file_; }
  // The line on the operator screen that names the open project, marked when it has
  // unsaved changes.
  Phrase ScreenLinePhrase() const;
  std::string ScreenLine() const;  // in the program's own words
  // The projects saved or opened by name, newest first, at most five; examples and
  // Velden/data1.txt are not among them. The program keeps the list between runs. Names are
  // UTF-8 text on every system (Utf8Path makes them paths again).
  static constexpr size_t kRecentProjects = 5;
  const std::vector<std::string>& recent() const { return recent_; }
  void SetRecent(std::vector<std::string> files);
  // The folder of the file last saved or opened by name; "" before any.
  const std::filesystem::path& last_folder() const { return last_folder_; }

 private:
  bool Opened(LoadResult result, const std::filesystem::path& file, bool example);
  void AddRecent(const std::filesystem::path& file);
  bool InExamples(const std::filesystem::path& file) const;

  ProcessImage& image_;
  Board& board_;
  Messages& messages_;
  ProjectLoadView& view_;
  std::filesystem::path root_;
  GridPictures pictures_;
  std::string name_;
  std::filesystem::path file_;
  bool example_ = false;
  std::filesystem::path last_folder_;
  std::vector<std::string> recent_;
  std::string lesson_process_;
};

}  // namespace tessaro
