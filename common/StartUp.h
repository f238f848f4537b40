// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "BasicData.h"
#include "Messages.h"

namespace jitsu {

// Reads the basic data file of `dir` when a program starts. When it cannot be opened, sounds
// the beep and shows the suite's message ("基礎となるデータのファイルを…") and returns false:
// the program then ends with exit code 0. A file that reads as damaged (FileFindings) is shown
// with its finding first, and the person's No also returns false.
bool openBasicData(const std::filesystem::path& dir, BasicData& data, Messages& messages);

}  // namespace jitsu
