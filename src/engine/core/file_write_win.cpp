// Writing a file whole on Windows: the same steps as elsewhere, in the system's own terms.
// A temporary is held open without sharing while it is written, which is what tells a
// live writer's temporary from one a killed program left behind: only the latter can be
// opened for deletion.
#include <windows.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "engine/core/file_write.h"
#include "engine/core/file_write_parts.h"
#include "engine/core/utf8_path.h"
#include "engine/core/windows_errors.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  void Reset(HANDLE h) {
    Close();
    h_ = h;
  }
  int Close() {
    const HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h != INVALID_HANDLE_VALUE && !CloseHandle(h) ? LastErrno() : 0;
  }

 private:
  HANDLE h_;
};

int WriteAll(HANDLE h, std::string_view text) {
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(h, start, nullptr, FILE_BEGIN)) return LastErrno();
  for (size_t done = 0; done < text.size();) {
    const size_t left = text.size() - done;
    const DWORD want = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD put = 0;
    if (!WriteFile(h, text.data() + done, want, &put, nullptr)) return LastErrno();
    if (put == 0) return ENOSPC;
    done += put;
  }
  return 0;
}

int CutAt(HANDLE h, size_t size) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN) || !SetEndOfFile(h)) return LastErrno();
  return 0;
}

// Temporaries of `name` that no writer holds any more: opening one without sharing fails
// while its writer has it open.
void RemoveStaleTemporaries(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsTemporaryFor(Utf8Name(it->path().filename()), name)) continue;
    if (!it->is_regular_file(ec) || it->is_symlink(ec)) continue;
    HANDLE h = CreateFileW(it->path().c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
}

// The fallback for a folder where no file may be made: the new bytes over the old ones.
// Room is made first, so that a full disk is found before anything is overwritten; should
// a write fail after all, the old bytes go back.
int WriteInPlace(const fs::path& path, std::string_view text) {
  Handle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastErrno();
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return EACCES;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return LastErrno();
  std::string old(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!old.empty() && !ReadFile(file.get(), old.data(), static_cast<DWORD>(old.size()), &got,
                                nullptr)) {
    return LastErrno();
  }
  old.resize(got);
  if (text.size() > old.size()) {
    if (const int err = CutAt(file.get(), text.size()); err != 0) {
      CutAt(file.get(), old.size());
      return err;
    }
  }
  int err = WriteAll(file.get(), text);
  if (err == 0) err = CutAt(file.get(), text.size());
  if (err == 0 && !FlushFileBuffers(file.get())) err = LastErrno();
  if (err != 0) {
    // The old bytes took this room before, so they fit again.
    if (WriteAll(file.get(), old) == 0 && CutAt(file.get(), old.size()) == 0) {
      FlushFileBuffers(file.get());
    }
  }
  const int closed = file.Close();
  return err != 0 ? err : closed;
}

}  // namespace

int WriteFileWhole(const fs::path& given, std::string_view text, const WriteOptions& options) {
  WriteTarget where;
  if (const int err = FindWriteTarget(given, options.follow_link, where); err != 0) return err;
  const fs::path& target = where.file;
  const std::string& name = where.name;
  const fs::path& folder = where.folder;

  // The old file, if any: not replaced when it is no regular file or is read-only.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists) {
    const DWORD why = GetLastError();
    if (why != ERROR_FILE_NOT_FOUND) return ErrnoFromWindows(why);
  }
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                               FILE_ATTRIBUTE_READONLY)) != 0) {
    return EACCES;
  }
  const DWORD folder_attributes = GetFileAttributesW(folder.c_str());
  if (folder_attributes == INVALID_FILE_ATTRIBUTES) return LastErrno();
  if ((folder_attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return ENOTDIR;
  RemoveStaleTemporaries(folder, name);

  fs::path temporary;
  Handle file;
  int err = EEXIST;
  for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
    temporary = folder / Utf8Path(TemporaryNameFor(name));
    file.Reset(CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    err = file.valid() ? 0 : LastErrno();
  }
  if (err == EACCES || err == EROFS) {
    if (exists) return WriteInPlace(target, text);
    return err;
  }
  if (err != 0) return err;

  err = WriteAll(file.get(), text);
  if (err == 0 && !FlushFileBuffers(file.get())) err = LastErrno();
  if (err == 0) err = file.Close();
  if (err == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    err = LastErrno();
  }
  if (err != 0) {
    file.Close();
    DeleteFileW(temporary.c_str());
    return err;
  }
  return 0;
}

}  // namespace tessaro
