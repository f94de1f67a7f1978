// Whether a file is the user's own, in Windows terms: its owner is the user, the
// administrators or the system, and its access list lets nobody else change it.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <memory>
#include <vector>

#include "engine/core/file_errors.h"
#include "engine/core/ownership.h"
#include "engine/core/windows_errors.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> CurrentUserSid() {
  HANDLE token = nullptr;
  std::vector<unsigned char> sid;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return sid;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> buffer(size);
  if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    const PSID user = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    sid.assign(static_cast<unsigned char*>(user),
               static_cast<unsigned char*>(user) + GetLengthSid(user));
  }
  CloseHandle(token);
  return sid;
}

// The user, or an account that could change anything anyway.
bool Trusted(PSID sid, const std::vector<unsigned char>& me) {
  if (sid == nullptr || !IsValidSid(sid)) return false;
  if (!me.empty() && EqualSid(sid, const_cast<unsigned char*>(me.data()))) return true;
  for (const WELL_KNOWN_SID_TYPE type : {WinLocalSystemSid, WinBuiltinAdministratorsSid,
                                         WinCreatorOwnerSid, WinLocalServiceSid}) {
    if (IsWellKnownSid(sid, type)) return true;
  }
  // TrustedInstaller, the owner of what Windows itself installs.
  LPWSTR text = nullptr;
  bool installer = false;
  if (ConvertSidToStringSidW(sid, &text)) {
    installer = std::wstring(text).starts_with(L"S-1-5-80-956008885-");
    LocalFree(text);
  }
  return installer;
}

constexpr ACCESS_MASK kChanges = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                                 FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER |
                                 GENERIC_WRITE | GENERIC_ALL;

}  // namespace

std::optional<Phrase> NotOwnCause(const fs::path& path) {
  PSID owner = nullptr;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const DWORD err = GetNamedSecurityInfoW(
      path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
      &owner, nullptr, &dacl, nullptr, &descriptor);
  if (err != ERROR_SUCCESS) return PathCause(path, ErrnoFromWindows(err));
  std::unique_ptr<void, decltype(&LocalFree)> free_descriptor(descriptor, &LocalFree);
  const std::vector<unsigned char> me = CurrentUserSid();
  const Phrase writable{TextId::kNotOwnWritable, {Word(path.string())}};
  if (!Trusted(owner, me)) return Phrase{TextId::kNotOwnOtherUser, {Word(path.string())}};
  // No access list at all lets everyone do everything.
  if (dacl == nullptr) return writable;
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    void* entry = nullptr;
    if (!GetAce(dacl, i, &entry)) continue;
    const auto* header = static_cast<ACE_HEADER*>(entry);
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0) {
      continue;
    }
    const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
    const PSID who = const_cast<DWORD*>(&allowed->SidStart);
    if ((allowed->Mask & kChanges) != 0 && !Trusted(who, me)) return writable;
  }
  return std::nullopt;
}

}  // namespace tessaro
