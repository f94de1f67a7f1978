// The sentences the engine says to the user, by id. The engine never builds a sentence of
// its own: it names one with its arguments (a file, an address, a count), and whoever shows
// it turns that into text. The windows translate the Dutch pattern through Qt (context
// "Message"); tessaro-sim prints the Dutch or, asked for it, the English pattern. A pattern
// is whole, with %1..%9 where its arguments go, so that a translation may reorder them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaro {

enum class TextId {
  kWord,  // not a sentence: a word given as it is (a file name, a number)
  kExitQuestion,
  kExitTitle,
  kBoardFound,
  kNoBoardFound,
  kNoBoardOfThisType,
  kBoardElsewhere,
  kBoardsElsewhere,
  kBoardDenied,
  kBoardBusy,
  kBoardSilent,
  kListTwo,
  kNewQuestion,
  kNewTitle,
  kUnsavedTitle,
  kUnsavedQuestion,
  kUnsavedExampleQuestion,
  kExampleRefused,
  kLoggingCaption,
  kProjectLine,
  kProjectNew,
  kProjectExample,
  kUnsavedMark,
  kPaused,
  kSpeed,
  kPauseButton,
  kResumeButton,
  kRangeCaption,
  kCauseDiskFull,
  kCauseTooBig,
  kCauseNoAccess,
  kCauseReadOnly,
  kCauseMissing,
  kCauseNoFolder,
  kCauseIsFolder,
  kCauseLinkLoop,
  kCauseNameTooLong,
  kCauseDiskError,
  kCauseInUse,
  kCauseTooManyOpen,
  kCauseNotAFile,
  kCauseIoError,
  kCannotSave,
  kCannotLoad,
  kCannotWrite,
  kPictureNotMade,
  kNoProject,
  kFileNotFound,
  kFileAccessDenied,
  kInvalidFilename,
  kInvalidNumber,
  kProjectTooBig,
  kProjectLineTooLong,
  kPicturesMissing,
  kPicturesMissingOneMore,
  kPicturesMissingMore,
  // Block help and field hover text.
  kHelpReads,
  kHelpWrites,
  kSideLeft,
  kSideUpper,
  kSideLower,
  kEdgeRight,
  kEdgeUp,
  kEdgeDown,
  kSideList,
  kHelpParameters,
  kHelpSettings,
  kHoverField,
  kHoverEmpty,
  kHoverInLeft,
  kHoverInUpper,
  kHoverInLower,
  kHoverNotRead,
  kHoverOutRight,
  kHoverOutUp,
  kHoverOutDown,
  kHoverPercent,
  kHoverParamA,
  kHoverParamB,
  kHoverRange,
  kHoverNotRunning,
  // The tuning assistant's refusals, states, results and rules; the notices of the board,
  // the board library, the user's folder and the instrument logbooks, and their causes.
  kTuneNoPid,
  kTuneStepFromHand,
  kTuneStepSize,
  kTuneStepOutsideLimits,
  kTuneRelayFromAuto,
  kTuneAmplitude,
  kTuneHysteresis,
  kTuneNoRoomToSwing,
  kTuneWaiting,
  kTuneRelaySwinging,
  kTuneStopped,
  kTuneLeftHand,
  kTuneOutputMoved,
  kTuneStepGiven,
  kTuneTooLittleResponse,
  kTuneNoModel,
  kTuneSwingBelowHysteresis,
  kTuneNoRegularSwing,
  kTuneStepModel,
  kTuneRelayResult,
  kAimStepZieglerNicholsPi,
  kAimStepZieglerNicholsPid,
  kAimCohenCoonPi,
  kAimCohenCoonPid,
  kAimSimcPi,
  kAimImcPid,
  kAimUltimateZieglerNicholsPi,
  kAimUltimateZieglerNicholsPid,
  kAimTyreusLuybenPi,
  kAimTyreusLuybenPid,
  kLimitedPb,
  kLimitedTi,
  kLimitedTd,
  kBoardLost,
  kLibraryRefused,
  kNotOwnOtherUser,
  kNotOwnLinkOtherUser,
  kNotOwnWritable,
  kPathCause,
  kCauseFifo,
  kCauseDevice,
  kCauseSocket,
  kCauseLink,
  kUserFolderIsLink,
  kUserFolderStrangeLink,
  kUserFolderNotUsed,
  kUserFolderNotUsedNoNew,
  kNoOwnFolder,
  kCannotMakeFolder,
  kCannotReadFolder,
  kCannotReplaceLink,
  kCannotCopyTo,
  kNotAFolder,
  kLogNoInstrument,
  kLogNotStarted,
  kLogStopped,
  // A block placed whose picture is missing.
  kNoBlockPicture,
  kCount  // not a text: the number of ids
};

enum class Language { kDutch, kEnglish };

// A text of one of the engine's tables (a block's help, a screen item's name), kept there
// with its English beside it: the windows translate the Dutch in `context`, tessaro-sim
// prints the Dutch or the English. Like a pattern it may hold %1..%9.
struct Term {
  const char* context = nullptr;
  const char* dutch = nullptr;
  const char* english = nullptr;
};

// One sentence: its id, or a table's term, and the arguments that fill its %1, %2, ... An
// argument is a word or a part that is itself said in the language (a list joined with "en").
struct Phrase {
  Phrase(TextId id, std::vector<Phrase> args = {}) : id(id), args(std::move(args)) {}
  Phrase(const Term& term, std::vector<Phrase> args = {})
      : id(TextId::kWord), args(std::move(args)), term(term) {}
  TextId id;
  std::vector<Phrase> args;
  std::string word;  // the text of a kWord
  Term term;         // the pattern of a table's term, when its Dutch is set
};
Phrase Word(std::string word);

// A message is one or more sentences, each on a line of its own.
using Message = std::vector<Phrase>;

// The pattern of `id` in `language`.
const char* Pattern(TextId id, Language language = Language::kDutch);
// `pattern` with %1..%9 replaced by the arguments; a placeholder without an argument, and
// every other %, stays as it is.
std::string Fill(std::string_view pattern, const std::vector<std::string>& args);
// Where the patterns come from: the engine's own, or the windows' translations. A sentence
// of the engine's own table is asked for as the term of the context "Message".
using PatternSource = std::function<std::string(const Term&)>;
// The message with each pattern from `source`, its sentences joined by line ends.
std::string Say(const Message& message, const PatternSource& source);
// The message in `language`.
std::string Say(const Message& message, Language language = Language::kDutch);
inline std::string Say(const Phrase& text, Language language = Language::kDutch) {
  return Say(Message{text}, language);
}
// "1", "1 en 3", "0, 1 en 3" (the last two joined as the language joins two).
Phrase ListOf(const std::vector<std::string>& items);
// The language a tessaro-sim option or a locale name asks for: "en", "en_GB" English,
// "nl", "nl_BE" Dutch; false for any other word.
bool LanguageFromName(std::string_view name, Language* language);

}  // namespace tessaro
