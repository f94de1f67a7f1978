#include <windows.h>

#include <cerrno>
#include <utility>

#include "engine/core/file_errors.h"
#include "engine/core/system_file.h"
#include "engine/core/windows_errors.h"

namespace tessaro {

namespace {

// What is at `path` and is no regular file: a folder, a device, a pipe; empty otherwise.
std::optional<Phrase> NotRegularAt(HANDLE handle) {
  const DWORD type = GetFileType(handle);
  if (type == FILE_TYPE_CHAR) return Phrase{TextId::kCauseDevice};
  if (type == FILE_TYPE_PIPE) return Phrase{TextId::kCauseFifo};
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(handle, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Phrase{TextId::kCauseIsFolder};
  }
  return std::nullopt;
}

}  // namespace

SystemFile::~SystemFile() { Close(); }

SystemFile::SystemFile(SystemFile&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

int SystemFile::OpenForReading(const std::filesystem::path& path) {
  Close();
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastErrno();
  if (NotRegularAt(h)) {
    CloseHandle(h);
    return EACCES;
  }
  handle_ = h;
  return 0;
}

int SystemFile::OpenForAppending(const std::filesystem::path& path, bool& created,
                                 std::optional<Phrase>& error) {
  Close();
  // Devices (COM1, CON, \\.\...) and folders are refused before anything is written.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error = Phrase{TextId::kCauseIsFolder};
    return EACCES;
  }
  created = true;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES | DELETE,
                         FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
    created = false;
    h = CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) {
    const int err = LastErrno();
    error = FileCause(err);
    return err;
  }
  if (auto cause = NotRegularAt(h)) {
    CloseHandle(h);
    error = std::move(cause);
    return EACCES;
  }
  handle_ = h;
  return 0;
}

bool SystemFile::IsOpen() const { return handle_ != nullptr; }

int64_t SystemFile::Size() const {
  LARGE_INTEGER size{};
  return GetFileSizeEx(handle_, &size) ? static_cast<int64_t>(size.QuadPart) : -1;
}

int SystemFile::Read(char* data, size_t size, size_t& got) {
  DWORD n = 0;
  const DWORD want = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
  if (!ReadFile(handle_, data, want, &n, nullptr)) return LastErrno();
  got = n;
  return 0;
}

int SystemFile::Append(const char* data, size_t size) {
  while (size > 0) {
    // Each write lands at the end of the file, as with O_APPEND.
    LARGE_INTEGER end{};
    SetFilePointerEx(handle_, end, nullptr, FILE_END);
    DWORD written = 0;
    const DWORD want = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    if (!WriteFile(handle_, data, want, &written, nullptr)) return LastErrno();
    if (written == 0) return ENOSPC;
    data += written;
    size -= written;
  }
  return 0;
}

void SystemFile::Truncate(int64_t size) {
  LARGE_INTEGER at{};
  at.QuadPart = size;
  if (SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) SetEndOfFile(handle_);
}

void SystemFile::Close() {
  if (handle_ != nullptr) CloseHandle(handle_);
  handle_ = nullptr;
}

FileStamp StampOf(const std::filesystem::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA info{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info)) return {};
  // FILETIME counts 100 ns from 1601.
  constexpr int64_t kFrom1601To1970 = 116'444'736'000'000'000;
  const int64_t ticks = (static_cast<int64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                        info.ftLastWriteTime.dwLowDateTime;
  const bool regular =
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
  return {true, regular,
          (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
          (ticks - kFrom1601To1970) * 100};
}

void RemoveFileQuietly(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

}  // namespace tessaro
