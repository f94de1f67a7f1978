#include "engine/core/texts.h"

#include "engine/core/translation_mark.h"

namespace tessaro {

namespace {

struct Entry {
  TextId id;
  const char* dutch;
  const char* english;
};

// The Dutch patterns are the program's own words; the marker lets the translators' tool
// (lupdate) find them, in the context "Message" that the windows translate them in. The
// English column is what tessaro-sim --lang en prints; a window test keeps it equal to the
// translation the windows use.
constexpr Entry kTexts[] = {
    {TextId::kWord, "%1", "%1"},
    {TextId::kExitQuestion, TESSARO_TRANSLATE_NOOP("Message", "Afsluiten?"), "Exit?"},
    {TextId::kExitTitle, TESSARO_TRANSLATE_NOOP("Message", "Exit"), "Exit"},
    {TextId::kBoardFound, TESSARO_TRANSLATE_NOOP("Message", "Kaart gevonden op %1"),
     "Board found at %1"},
    {TextId::kNoBoardFound, TESSARO_TRANSLATE_NOOP("Message", "Geen kaart gevonden op %1"),
     "No board found at %1"},
    {TextId::kNoBoardOfThisType,
     TESSARO_TRANSLATE_NOOP("Message", "Er zit geen kaart van dit type op USB."),
     "There is no board of this type on USB."},
    {TextId::kBoardElsewhere,
     TESSARO_TRANSLATE_NOOP("Message",
                            "Er zit wel een kaart op adres %1; de jumpers SK5 en SK6 op de kaart "
                            "stellen het adres in."),
     "There is a board at address %1; the jumpers SK5 and SK6 on the board set the address."},
    {TextId::kBoardsElsewhere,
     TESSARO_TRANSLATE_NOOP("Message",
                            "Er zitten wel kaarten op adres %1; de jumpers SK5 en SK6 op de kaart "
                            "stellen het adres in."),
     "There are boards at addresses %1; the jumpers SK5 and SK6 on the board set the address."},
    {TextId::kBoardDenied,
     TESSARO_TRANSLATE_NOOP(
         "Message",
         "Deze gebruiker mag de kaart op adres %1 niet openen: installeer de udev-regel uit de "
         "README (packaging/udev/60-tessaro-board.rules) en word lid van de groep plugdev."),
     "This user may not open the board at address %1: install the udev rule from the README "
     "(packaging/udev/60-tessaro-board.rules) and join the group plugdev."},
    {TextId::kBoardBusy,
     TESSARO_TRANSLATE_NOOP("Message",
                            "De kaart op adres %1 is in gebruik bij een ander programma."),
     "The board at address %1 is in use by another program."},
    {TextId::kBoardSilent,
     TESSARO_TRANSLATE_NOOP("Message", "De kaart op adres %1 geeft geen antwoord."),
     "The board at address %1 does not answer."},
    {TextId::kListTwo, TESSARO_TRANSLATE_NOOP("Message", "%1 en %2"), "%1 and %2"},
    {TextId::kNewQuestion,
     TESSARO_TRANSLATE_NOOP("Message",
                            "Nieuw project beginnen? Wat niet is opgeslagen, gaat verloren."),
     "Start a new project? What has not been saved is lost."},
    {TextId::kNewTitle, TESSARO_TRANSLATE_NOOP("Message", "Nieuw"), "New"},
    {TextId::kUnsavedTitle, TESSARO_TRANSLATE_NOOP("Message", "Niet opgeslagen"), "Not saved"},
    {TextId::kUnsavedQuestion,
     TESSARO_TRANSLATE_NOOP(
         "Message",
         "De wijzigingen in het project zijn niet opgeslagen. Opslaan in Velden/data1.txt?"),
     "The changes to the project have not been saved. Save them in Velden/data1.txt?"},
    {TextId::kUnsavedExampleQuestion,
     TESSARO_TRANSLATE_NOOP(
         "Message",
         "De wijzigingen in het voorbeeld zijn niet opgeslagen. Opslaan als een nieuw project?"),
     "The changes to the example have not been saved. Save them as a new project?"},
    {TextId::kExampleRefused,
     TESSARO_TRANSLATE_NOOP(
         "Message", "De voorbeelden worden niet overschreven. Kies een andere map om op te slaan."),
     "The examples are not overwritten. Choose another folder to save in."},
    {TextId::kLoggingCaption, TESSARO_TRANSLATE_NOOP("Message", "%1 — logboek %2"), "%1 — log %2"},
    {TextId::kProjectLine, TESSARO_TRANSLATE_NOOP("Message", "Project: %1"), "Project: %1"},
    {TextId::kProjectNew, TESSARO_TRANSLATE_NOOP("Message", "nieuw"), "new"},
    {TextId::kProjectExample, TESSARO_TRANSLATE_NOOP("Message", "%1 (voorbeeld)"), "%1 (example)"},
    {TextId::kUnsavedMark, TESSARO_TRANSLATE_NOOP("Message", "%1 *"), "%1 *"},
    {TextId::kPaused, TESSARO_TRANSLATE_NOOP("Message", "PAUZE"), "PAUSED"},
    {TextId::kSpeed, TESSARO_TRANSLATE_NOOP("Message", "%1x"), "%1x"},
    {TextId::kPauseButton, TESSARO_TRANSLATE_NOOP("Message", "Pauze"), "Pause"},
    {TextId::kResumeButton, TESSARO_TRANSLATE_NOOP("Message", "Verder"), "Resume"},
    // A controller's caption before its block is placed: its range and unit.
    {TextId::kRangeCaption, TESSARO_TRANSLATE_NOOP("Message", " (%1 tot %2%3)"), " (%1 to %2%3)"},
    // Why a file could not be used, and the sentences that name the file and the cause.
    {TextId::kCauseDiskFull, TESSARO_TRANSLATE_NOOP("Message", "de schijf is vol"),
     "the disk is full"},
    {TextId::kCauseTooBig, TESSARO_TRANSLATE_NOOP("Message", "het bestand wordt te groot"),
     "the file grows too big"},
    {TextId::kCauseNoAccess, TESSARO_TRANSLATE_NOOP("Message", "geen toegang"), "access denied"},
    {TextId::kCauseReadOnly, TESSARO_TRANSLATE_NOOP("Message", "de schijf is alleen te lezen"),
     "the disk is read-only"},
    {TextId::kCauseMissing, TESSARO_TRANSLATE_NOOP("Message", "bestaat niet"), "does not exist"},
    {TextId::kCauseNoFolder, TESSARO_TRANSLATE_NOOP("Message", "de map bestaat niet"),
     "the folder does not exist"},
    {TextId::kCauseIsFolder, TESSARO_TRANSLATE_NOOP("Message", "het is een map"), "it is a folder"},
    {TextId::kCauseLinkLoop, TESSARO_TRANSLATE_NOOP("Message", "de koppeling wijst naar zichzelf"),
     "the link points to itself"},
    {TextId::kCauseNameTooLong, TESSARO_TRANSLATE_NOOP("Message", "de naam is te lang"),
     "the name is too long"},
    {TextId::kCauseDiskError,
     TESSARO_TRANSLATE_NOOP("Message", "de schijf geeft een lees- of schrijffout"),
     "the disk gives a read or write error"},
    {TextId::kCauseInUse, TESSARO_TRANSLATE_NOOP("Message", "het bestand is in gebruik"),
     "the file is in use"},
    {TextId::kCauseTooManyOpen, TESSARO_TRANSLATE_NOOP("Message", "er zijn te veel bestanden open"),
     "too many files are open"},
    {TextId::kCauseNotAFile, TESSARO_TRANSLATE_NOOP("Message", "het is geen gewoon bestand"),
     "it is no regular file"},
    {TextId::kCauseIoError, TESSARO_TRANSLATE_NOOP("Message", "I/O error %1"), "I/O error %1"},
    {TextId::kCannotSave, TESSARO_TRANSLATE_NOOP("Message", "Kan %1 niet opslaan: %2."),
     "Cannot save %1: %2."},
    {TextId::kCannotLoad, TESSARO_TRANSLATE_NOOP("Message", "Kan %1 niet inlezen: %2."),
     "Cannot load %1: %2."},
    {TextId::kCannotWrite, TESSARO_TRANSLATE_NOOP("Message", "Kan %1 niet schrijven: %2."),
     "Cannot write %1: %2."},
    {TextId::kPictureNotMade,
     TESSARO_TRANSLATE_NOOP("Message", "de afbeelding kon niet worden gemaakt"),
     "the picture could not be made"},
    {TextId::kNoProject, TESSARO_TRANSLATE_NOOP("Message", "%1 is geen Tessaro-project."),
     "%1 is no Tessaro project."},
    {TextId::kFileNotFound, TESSARO_TRANSLATE_NOOP("Message", "File not found: %1"),
     "File not found: %1"},
    {TextId::kFileAccessDenied, TESSARO_TRANSLATE_NOOP("Message", "File access denied: %1"),
     "File access denied: %1"},
    {TextId::kInvalidFilename, TESSARO_TRANSLATE_NOOP("Message", "Invalid filename: %1"),
     "Invalid filename: %1"},
    {TextId::kInvalidNumber, TESSARO_TRANSLATE_NOOP("Message", "Invalid numeric input"),
     "Invalid numeric input"},
    {TextId::kProjectTooBig,
     TESSARO_TRANSLATE_NOOP("Message", "Geen projectbestand: groter dan %1 MiB"),
     "No project file: larger than %1 MiB"},
    {TextId::kProjectLineTooLong,
     TESSARO_TRANSLATE_NOOP("Message", "Geen projectbestand: regel %1 is langer dan %2 tekens"),
     "No project file: line %1 is longer than %2 characters"},
    // Grid pictures a project names that are not there: the first few by name (%1, quoted),
    // the system's reason (%2), and how many more (%3).
    {TextId::kPicturesMissing, TESSARO_TRANSLATE_NOOP("Message", "Cannot open file %1. %2"),
     "Cannot open file %1. %2"},
    {TextId::kPicturesMissingOneMore,
     TESSARO_TRANSLATE_NOOP("Message", "Cannot open file %1 en nog %3 ander bestand. %2."),
     "Cannot open file %1 and %3 other file. %2."},
    {TextId::kPicturesMissingMore,
     TESSARO_TRANSLATE_NOOP("Message", "Cannot open file %1 en nog %3 andere bestanden. %2."),
     "Cannot open file %1 and %3 other files. %2."},
    // Block help and field hover text: what a palette entry does, and what a grid field
    // holds. The sides a block reads and the edges it writes, listed with "%1, %2".
    {TextId::kHelpReads, TESSARO_TRANSLATE_NOOP("Message", "Leest: %1"), "Reads: %1"},
    {TextId::kHelpWrites, TESSARO_TRANSLATE_NOOP("Message", "Schrijft: %1"), "Writes: %1"},
    //: A side a block reads its input from: the left one
    {TextId::kSideLeft, TESSARO_TRANSLATE_NOOP("Message", "links"), "left"},
    //: A side a block reads its input from: the upper one
    {TextId::kSideUpper, TESSARO_TRANSLATE_NOOP("Message", "boven"), "upper"},
    //: A side a block reads its input from: the lower one
    {TextId::kSideLower, TESSARO_TRANSLATE_NOOP("Message", "onder"), "lower"},
    //: An edge a block writes its output to: the right one
    {TextId::kEdgeRight, TESSARO_TRANSLATE_NOOP("Message", "rechts"), "right"},
    //: An edge a block writes its output to: up, to the field above
    {TextId::kEdgeUp, TESSARO_TRANSLATE_NOOP("Message", "naar boven"), "up"},
    //: An edge a block writes its output to: down, to the field below
    {TextId::kEdgeDown, TESSARO_TRANSLATE_NOOP("Message", "naar onder"), "down"},
    {TextId::kSideList, TESSARO_TRANSLATE_NOOP("Message", "%1, %2"), "%1, %2"},
    // What the block's settings A and B mean.
    {TextId::kHelpParameters, TESSARO_TRANSLATE_NOOP("Message", "A: %1, B: %2"), "A: %1, B: %2"},
    {TextId::kHelpSettings,
     TESSARO_TRANSLATE_NOOP("Message",
                            "Instellingen: bereik, eenheid en naam uit de vakken van het palet"),
     "Settings: range, unit and name from the boxes of the palette"},
    // A grid field: its row, column and key (or "leeg").
    {TextId::kHoverField, TESSARO_TRANSLATE_NOOP("Message", "Veld %1,%2: %3"), "Field %1,%2: %3"},
    {TextId::kHoverEmpty, TESSARO_TRANSLATE_NOOP("Message", "leeg"), "empty"},
    {TextId::kHoverInLeft, TESSARO_TRANSLATE_NOOP("Message", "In links: %1"), "Left input: %1"},
    {TextId::kHoverInUpper, TESSARO_TRANSLATE_NOOP("Message", "In boven: %1"), "Upper input: %1"},
    {TextId::kHoverInLower, TESSARO_TRANSLATE_NOOP("Message", "In onder: %1"), "Lower input: %1"},
    {TextId::kHoverNotRead, TESSARO_TRANSLATE_NOOP("Message", "%1 (niet gelezen)"),
     "%1 (not read)"},
    {TextId::kHoverOutRight, TESSARO_TRANSLATE_NOOP("Message", "Uit rechts: %1"),
     "Output right: %1"},
    {TextId::kHoverOutUp, TESSARO_TRANSLATE_NOOP("Message", "Uit naar boven: %1"), "Output up: %1"},
    {TextId::kHoverOutDown, TESSARO_TRANSLATE_NOOP("Message", "Uit naar onder: %1"),
     "Output down: %1"},
    // A byte (%1) of an analog signal with its percent (%2).
    {TextId::kHoverPercent, TESSARO_TRANSLATE_NOOP("Message", "%1 (%2 %)"), "%1 (%2 %)"},
    // A setting's meaning (%1) and value (%2).
    {TextId::kHoverParamA, TESSARO_TRANSLATE_NOOP("Message", "A (%1) = %2"), "A (%1) = %2"},
    {TextId::kHoverParamB, TESSARO_TRANSLATE_NOOP("Message", "B (%1) = %2"), "B (%1) = %2"},
    // An instrument's range: low (%1), high (%2) and unit (%3).
    {TextId::kHoverRange, TESSARO_TRANSLATE_NOOP("Message", "Bereik %1..%2 %3"), "Range %1..%2 %3"},
    // "Screen" is the operator screen's button that opens the layout window.
    {TextId::kHoverNotRunning,
     TESSARO_TRANSLATE_NOOP("Message", "loopt niet: label verborgen, zie Screen"),
     "not running: label hidden, see Screen"},
    // The tuning assistant: why a test cannot start, what it does, and what it found (the
    // model's gain %1, time constant %2, dead time %3 and fit %4; the relay test's ultimate
    // gain %1, period %2 and half swing %3). "%/%" is per cent of output per per cent.
    {TextId::kTuneNoPid, TESSARO_TRANSLATE_NOOP("Message", "Geen PID-regelaar"),
     "No PID controller"},
    {TextId::kTuneStepFromHand, TESSARO_TRANSLATE_NOOP("Message", "De stapproef begint in Hand"),
     "The step test starts in Man"},
    {TextId::kTuneStepSize, TESSARO_TRANSLATE_NOOP("Message", "De stap is 0,5 tot 100 %"),
     "The step is 0.5 to 100 %"},
    {TextId::kTuneStepOutsideLimits,
     TESSARO_TRANSLATE_NOOP("Message", "De stap valt buiten de uitgangsgrenzen"),
     "The step falls outside the output limits"},
    {TextId::kTuneRelayFromAuto,
     TESSARO_TRANSLATE_NOOP("Message", "De relaisproef begint in Auto, rond het setpoint"),
     "The relay test starts in Auto, about the setpoint"},
    {TextId::kTuneAmplitude, TESSARO_TRANSLATE_NOOP("Message", "De amplitude is 0,5 tot 50 %"),
     "The amplitude is 0.5 to 50 %"},
    {TextId::kTuneHysteresis, TESSARO_TRANSLATE_NOOP("Message", "De hysterese is 0 tot 10 %"),
     "The hysteresis is 0 to 10 %"},
    {TextId::kTuneNoRoomToSwing,
     TESSARO_TRANSLATE_NOOP("Message", "De uitgangsgrenzen laten geen slingering toe"),
     "The output limits leave no room to oscillate"},
    {TextId::kTuneWaiting, TESSARO_TRANSLATE_NOOP("Message", "Wacht tot de meetwaarde stil staat"),
     "Waiting for the process value to settle"},
    {TextId::kTuneRelaySwinging,
     TESSARO_TRANSLATE_NOOP("Message", "Relais slingert rond het setpoint"),
     "The relay oscillates about the setpoint"},
    {TextId::kTuneStopped, TESSARO_TRANSLATE_NOOP("Message", "Gestopt"), "Stopped"},
    {TextId::kTuneLeftHand,
     TESSARO_TRANSLATE_NOOP("Message", "Afgebroken: de regelaar staat niet meer op Hand"),
     "Aborted: the controller is no longer in Man"},
    {TextId::kTuneOutputMoved,
     TESSARO_TRANSLATE_NOOP("Message", "Afgebroken: de uitgang is met de hand veranderd"),
     "Aborted: the output was changed by hand"},
    {TextId::kTuneStepGiven,
     TESSARO_TRANSLATE_NOOP("Message", "Stap gegeven: de reactie wordt gemeten"),
     "Step given: measuring the response"},
    {TextId::kTuneTooLittleResponse,
     TESSARO_TRANSLATE_NOOP("Message", "Te weinig reactie op de stap"),
     "Too little response to the step"},
    {TextId::kTuneNoModel,
     TESSARO_TRANSLATE_NOOP("Message", "Geen model gevonden bij deze reactie"),
     "No model fits this response"},
    {TextId::kTuneSwingBelowHysteresis,
     TESSARO_TRANSLATE_NOOP("Message", "De slingering is kleiner dan de hysterese"),
     "The oscillation is smaller than the hysteresis"},
    {TextId::kTuneNoRegularSwing,
     TESSARO_TRANSLATE_NOOP("Message", "Geen regelmatige slingering gevonden"),
     "No regular oscillation found"},
    {TextId::kTuneStepModel,
     TESSARO_TRANSLATE_NOOP("Message", "K %1 %/%, tau %2 s, dode tijd %3 s, fit %4 %"),
     "K %1 %/%, tau %2 s, dead time %3 s, fit %4 %"},
    {TextId::kTuneRelayResult,
     TESSARO_TRANSLATE_NOOP("Message", "Ku %1 %/%, Pu %2 s, slingering %3 %"),
     "Ku %1 %/%, Pu %2 s, oscillation %3 %"},
    // What each tuning rule aims for, beside its name in the assistant's table.
    {TextId::kAimStepZieglerNicholsPi,
     TESSARO_TRANSLATE_NOOP("Message",
                            "snel, kwartdemping: elke slingering een kwart van de vorige"),
     "fast, quarter decay: each swing a quarter of the one before"},
    {TextId::kAimStepZieglerNicholsPid,
     TESSARO_TRANSLATE_NOOP("Message", "nog sneller door de D-actie, ook kwartdemping"),
     "faster still through the D action, quarter decay too"},
    {TextId::kAimCohenCoonPi,
     TESSARO_TRANSLATE_NOOP("Message", "kwartdemping, ook bij een grotere dode tijd"),
     "quarter decay, also with a longer dead time"},
    {TextId::kAimCohenCoonPid,
     TESSARO_TRANSLATE_NOOP("Message", "kwartdemping met D-actie, ook bij grotere dode tijd"),
     "quarter decay with D action, also with a longer dead time"},
    {TextId::kAimSimcPi,
     TESSARO_TRANSLATE_NOOP(
         "Message", "rustig: gesloten lus als een eerste orde met tijd tc, weinig doorschot"),
     "calm: the closed loop as a first order with time tc, little overshoot"},
    {TextId::kAimImcPid,
     TESSARO_TRANSLATE_NOOP("Message", "modelvolgend: setpointstap zonder doorschot, met D-actie"),
     "model following: a setpoint step without overshoot, with D action"},
    {TextId::kAimUltimateZieglerNicholsPi, TESSARO_TRANSLATE_NOOP("Message", "snel, kwartdemping"),
     "fast, quarter decay"},
    {TextId::kAimUltimateZieglerNicholsPid,
     TESSARO_TRANSLATE_NOOP("Message", "snel met D-actie, kwartdemping"),
     "fast with D action, quarter decay"},
    {TextId::kAimTyreusLuybenPi,
     TESSARO_TRANSLATE_NOOP("Message", "voorzichtig: minder doorschot, ruim stabiel"),
     "cautious: less overshoot, well within stability"},
    {TextId::kAimTyreusLuybenPid,
     TESSARO_TRANSLATE_NOOP("Message", "voorzichtig met D-actie, ruim stabiel"),
     "cautious with D action, well within stability"},
    // A rule's value that did not fit its box of the faceplate (%1), and what the box holds
    // (%2); the boxes are named as the faceplate names them.
    {TextId::kLimitedPb, TESSARO_TRANSLATE_NOOP("Message", "PB %1 -> %2"), "PB %1 -> %2"},
    {TextId::kLimitedTi, TESSARO_TRANSLATE_NOOP("Message", "I-tijd %1 -> %2"), "I-time %1 -> %2"},
    {TextId::kLimitedTd, TESSARO_TRANSLATE_NOOP("Message", "D-tijd %1 -> %2"), "D-time %1 -> %2"},
    // A board on USB that stopped answering (%1: its address).
    {TextId::kBoardLost, TESSARO_TRANSLATE_NOOP("Message", "Verbinding met kaart op %1 verbroken"),
     "Connection to the board at %1 lost"},
    // A board library that is not loaded (%1), and why (%2): a file or folder on its way that
    // is not safely the user's own.
    {TextId::kLibraryRefused,
     TESSARO_TRANSLATE_NOOP("Message", "Kaartbibliotheek %1 niet geladen: %2."),
     "Board library %1 not loaded: %2."},
    {TextId::kNotOwnOtherUser, TESSARO_TRANSLATE_NOOP("Message", "%1 is van een andere gebruiker"),
     "%1 belongs to another user"},
    {TextId::kNotOwnLinkOtherUser,
     TESSARO_TRANSLATE_NOOP("Message", "%1 is een koppeling van een andere gebruiker"),
     "%1 is a link of another user"},
    {TextId::kNotOwnWritable,
     TESSARO_TRANSLATE_NOOP("Message", "%1 mag ook door anderen worden gewijzigd"),
     "%1 may be changed by others too"},
    // A file or folder (%1) and what the system said of it (%2).
    {TextId::kPathCause, TESSARO_TRANSLATE_NOOP("Message", "%1: %2"), "%1: %2"},
    {TextId::kCauseFifo, TESSARO_TRANSLATE_NOOP("Message", "het is een FIFO"), "it is a FIFO"},
    {TextId::kCauseDevice, TESSARO_TRANSLATE_NOOP("Message", "het is een apparaat"),
     "it is a device"},
    {TextId::kCauseSocket, TESSARO_TRANSLATE_NOOP("Message", "het is een socket"),
     "it is a socket"},
    {TextId::kCauseLink, TESSARO_TRANSLATE_NOOP("Message", "het is een koppeling"), "it is a link"},
    // The user's own folder of an installed program (%1), not used for the reason %2; the
    // new folder the program works in instead (%3).
    {TextId::kUserFolderIsLink, TESSARO_TRANSLATE_NOOP("Message", "%1 is een koppeling"),
     "%1 is a link"},
    {TextId::kUserFolderStrangeLink,
     TESSARO_TRANSLATE_NOOP("Message", "%1 is een koppeling die Tessaro niet heeft gemaakt"),
     "%1 is a link that Tessaro did not make"},
    {TextId::kUserFolderNotUsed,
     TESSARO_TRANSLATE_NOOP(
         "Message", "De map %1 wordt niet gebruikt: %2. Tessaro werkt nu in een nieuwe map: %3."),
     "The folder %1 is not used: %2. Tessaro now works in a new folder: %3."},
    {TextId::kUserFolderNotUsedNoNew,
     TESSARO_TRANSLATE_NOOP(
         "Message", "De map %1 wordt niet gebruikt: %2. Er kon geen nieuwe map worden gemaakt."),
     "The folder %1 is not used: %2. No new folder could be made."},
    {TextId::kNoOwnFolder, TESSARO_TRANSLATE_NOOP("Message", "Geen eigen map: HOME is niet gezet"),
     "No folder of your own: HOME is not set"},
    // Preparing the user's own folder: the folder, link or file (%1) and the system's words
    // for what went wrong (%2).
    {TextId::kCannotMakeFolder, TESSARO_TRANSLATE_NOOP("Message", "Kan de map niet maken: %1: %2"),
     "Cannot make the folder: %1: %2"},
    {TextId::kCannotReadFolder, TESSARO_TRANSLATE_NOOP("Message", "Kan de map niet lezen: %1: %2"),
     "Cannot read the folder: %1: %2"},
    {TextId::kCannotReplaceLink,
     TESSARO_TRANSLATE_NOOP("Message", "Kan de koppeling niet vervangen: %1: %2"),
     "Cannot replace the link: %1: %2"},
    {TextId::kCannotCopyTo, TESSARO_TRANSLATE_NOOP("Message", "Kan niet kopiëren naar %1: %2"),
     "Cannot copy to %1: %2"},
    {TextId::kNotAFolder, TESSARO_TRANSLATE_NOOP("Message", "Geen map: %1"), "Not a folder: %1"},
    // An instrument's logbook: the file (%1) and why it did not start or stopped (%2).
    {TextId::kLogNoInstrument, TESSARO_TRANSLATE_NOOP("Message", "geen instrument"),
     "no instrument"},
    {TextId::kLogNotStarted, TESSARO_TRANSLATE_NOOP("Message", "Logboek niet gestart, %1: %2."),
     "Log not started, %1: %2."},
    {TextId::kLogStopped,
     TESSARO_TRANSLATE_NOOP("Message", "Logboek gestopt, %1 neemt niets meer aan: %2."),
     "Log stopped, %1 takes nothing more: %2."},
    {TextId::kNoBlockPicture, TESSARO_TRANSLATE_NOOP("Message", "Geen %1.bmp gevonden"),
     "No %1.bmp found"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(TextId::kCount));

constexpr bool InIdOrder() {
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    if (kTexts[i].id != static_cast<TextId>(i)) return false;
  }
  return true;
}
static_assert(InIdOrder(), "the table lists every id in the order of the enum");

}  // namespace

const char* Pattern(TextId id, Language language) {
  const Entry& entry = kTexts[static_cast<std::size_t>(id)];
  return language == Language::kEnglish ? entry.english : entry.dutch;
}

std::string Fill(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        text += args[n];
        ++i;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

Phrase Word(std::string word) {
  Phrase text(TextId::kWord);
  text.word = std::move(word);
  return text;
}

namespace {

std::string SayOne(const Phrase& text, const PatternSource& source) {
  const bool term = text.term.dutch != nullptr;
  if (!term && text.id == TextId::kWord) return text.word;
  std::vector<std::string> args;
  for (const Phrase& arg : text.args) args.push_back(SayOne(arg, source));
  if (term) return Fill(source(text.term), args);
  const Entry& entry = kTexts[static_cast<std::size_t>(text.id)];
  return Fill(source(Term{"Message", entry.dutch, entry.english}), args);
}

}  // namespace

std::string Say(const Message& message, const PatternSource& source) {
  std::string text;
  for (const Phrase& line : message) {
    if (!text.empty()) text += '\n';
    text += SayOne(line, source);
  }
  return text;
}

std::string Say(const Message& message, Language language) {
  return Say(message, [language](const Term& term) {
    return std::string(language == Language::kEnglish ? term.english : term.dutch);
  });
}

Phrase ListOf(const std::vector<std::string>& items) {
  if (items.size() < 2) return Word(items.empty() ? std::string() : items[0]);
  std::string head = items[0];
  for (std::size_t i = 1; i + 1 < items.size(); ++i) head += ", " + items[i];
  return Phrase{TextId::kListTwo, {Word(head), Word(items.back())}};
}

bool LanguageFromName(std::string_view name, Language* language) {
  const std::string_view code = name.substr(0, name.find_first_of("_-.@"));
  if (code == "nl") {
    *language = Language::kDutch;
  } else if (code == "en") {
    *language = Language::kEnglish;
  } else {
    return false;
  }
  return true;
}

}  // namespace tessaro
