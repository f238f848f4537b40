// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "Reason.h"

namespace jitsu {

// UTF-16 text from the system, as UTF-8.
std::string utf8FromWide(std::wstring_view text);

// The system's description of `GetLastError()` value `error` (FormatMessageW), as UTF-8: in
// Japanese when the process speaks it and Windows has the text, else in English.
std::string windowsErrorText(DWORD error);

// Why a call failed with `GetLastError()` value `error`: the suite's own words where it has
// them (Reason::ofErrno), else the system's (FormatMessageW) with the number.
Reason windowsReason(DWORD error, bool writing = false);

}  // namespace jitsu
