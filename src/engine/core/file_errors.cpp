#include "engine/core/file_errors.h"

#include <sys/stat.h>

#include <cerrno>

namespace tessaro {

std::string FileErrorCause(int err) {
  switch (err) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "de schijf is vol";
    case EFBIG:
      return "het bestand wordt te groot";
    case EACCES:
    case EPERM:
      return "geen toegang";
    case EROFS:
      return "de schijf is alleen te lezen";
    case ENOENT:
      return "bestaat niet";
    case ENOTDIR:
      return "de map bestaat niet";
    case EISDIR:
      return "het is een map";
    case ELOOP:
      return "de koppeling wijst naar zichzelf";
    case ENAMETOOLONG:
      return "de naam is te lang";
    case EIO:
      return "de schijf geeft een lees- of schrijffout";
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return "het bestand is in gebruik";
    case EMFILE:
    case ENFILE:
      return "er zijn te veel bestanden open";
    case ENXIO:
    case ENODEV:
      return "het is geen gewoon bestand";
    default:
      // The system's number, as it has always been shown, for whoever looks it up.
      return "I/O error " + std::to_string(err);
  }
}

std::string NotRegularFileCause(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "het is een map";
  if (S_ISFIFO(mode)) return "het is een FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "het is een apparaat";
#ifndef _WIN32
  if (S_ISSOCK(mode)) return "het is een socket";
  if (S_ISLNK(mode)) return "het is een koppeling";
#endif
  return "het is geen gewoon bestand";
}

std::string FileErrorText(std::string_view verb, std::string_view file, std::string_view cause) {
  std::string text = "Kan ";
  text.append(file).append(" niet ").append(verb).append(": ").append(cause).append(".");
  return text;
}

std::string FileErrorText(std::string_view verb, std::string_view file, int err) {
  return FileErrorText(verb, file, FileErrorCause(err));
}

}  // namespace tessaro
