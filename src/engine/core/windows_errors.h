// The system errors of Windows as the errno values the rest of the engine words
// (FileCause), so that a failure reads the same on both systems.
#pragma once

namespace tessaro {

int ErrnoFromWindows(unsigned long error);
// ErrnoFromWindows(GetLastError()).
int LastErrno();

}  // namespace tessaro
