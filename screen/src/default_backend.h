// The backend Current() falls back to when none is installed: the Win32 screen
// on Windows, the profile screen elsewhere.
#pragma once

#include "screen/screen.h"

namespace screen {

// Lives for the whole process; created on first use.
Screen& DefaultBackend();

}  // namespace screen
