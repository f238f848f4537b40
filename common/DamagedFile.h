// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "FileFindings.h"
#include "Messages.h"

namespace jitsu {

// "PATH: finding" for a file a reader found damaged.
std::string findingOf(const std::filesystem::path& path, const FileFindings& health);

// Asked before printing or saving from a file: true at once for a sound file. For a damaged
// one a warning box (the file and the finding as its detail) asks whether to go on; Esc and the
// close button stop.
bool goOnDespiteDamage(const std::filesystem::path& path, const FileFindings& health,
                       Messages& messages);

}  // namespace jitsu
