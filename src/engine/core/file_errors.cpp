#include "engine/core/file_errors.h"

#include <sys/stat.h>

#include <cerrno>

namespace tessaro {

Phrase FileCause(int err) {
  switch (err) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return Phrase{TextId::kCauseDiskFull};
    case EFBIG:
      return Phrase{TextId::kCauseTooBig};
    case EACCES:
    case EPERM:
      return Phrase{TextId::kCauseNoAccess};
    case EROFS:
      return Phrase{TextId::kCauseReadOnly};
    case ENOENT:
      return Phrase{TextId::kCauseMissing};
    case ENOTDIR:
      return Phrase{TextId::kCauseNoFolder};
    case EISDIR:
      return Phrase{TextId::kCauseIsFolder};
    case ELOOP:
      return Phrase{TextId::kCauseLinkLoop};
    case ENAMETOOLONG:
      return Phrase{TextId::kCauseNameTooLong};
    case EIO:
      return Phrase{TextId::kCauseDiskError};
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return Phrase{TextId::kCauseInUse};
    case EMFILE:
    case ENFILE:
      return Phrase{TextId::kCauseTooManyOpen};
    case ENXIO:
    case ENODEV:
      return Phrase{TextId::kCauseNotAFile};
    default:
      // The system's number, as it has always been shown, for whoever looks it up.
      return Phrase{TextId::kCauseIoError, {Word(std::to_string(err))}};
  }
}

Phrase PathCause(const std::filesystem::path& path, int err) {
  return Phrase{TextId::kPathCause, {Word(path.string()), FileCause(err)}};
}

std::optional<Phrase> NotRegularFileCause(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return Phrase{TextId::kCauseIsFolder};
  if (S_ISFIFO(mode)) return Phrase{TextId::kCauseFifo};
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Phrase{TextId::kCauseDevice};
#ifndef _WIN32
  if (S_ISSOCK(mode)) return Phrase{TextId::kCauseSocket};
  if (S_ISLNK(mode)) return Phrase{TextId::kCauseLink};
#endif
  return Phrase{TextId::kCauseNotAFile};
}

Phrase FileError(FileVerb verb, std::string_view file, Phrase cause) {
  static constexpr TextId kSentences[] = {TextId::kCannotSave, TextId::kCannotLoad,
                                          TextId::kCannotWrite};
  return Phrase{kSentences[static_cast<int>(verb)], {Word(std::string(file)), std::move(cause)}};
}

namespace {

FileVerb VerbOf(std::string_view verb) {
  if (verb == "opslaan") return FileVerb::kSave;
  if (verb == "inlezen") return FileVerb::kLoad;
  return FileVerb::kWrite;
}

}  // namespace

std::string FileErrorText(std::string_view verb, std::string_view file, std::string_view cause) {
  return Say(FileError(VerbOf(verb), file, Word(std::string(cause))));
}

std::string FileErrorText(std::string_view verb, std::string_view file, int err) {
  return Say(FileError(VerbOf(verb), file, FileCause(err)));
}

}  // namespace tessaro
