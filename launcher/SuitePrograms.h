// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace jitsu::launcher {

// One of the five window programs the launcher starts.
struct SuiteProgram {
    std::string_view name;   // its name in the build tree: "reportcard"
    std::string_view label;  // its button, UTF-8
    bool needsBasicData;     // it ends at once without the basic data file
};

// The programs in the order of the year's work.
const std::array<SuiteProgram, 5>& suitePrograms();

// The installed name of a program: "jitsuryoku-reportcard".
std::string installedName(std::string_view name);

// Where program `name` is, seen from the folder that holds the launcher: its installed name
// beside the launcher (both installed in the same folder), or NAME/NAME in the folder next to
// the launcher's own in the build tree. Empty when neither is an executable file.
std::filesystem::path findProgram(const std::filesystem::path& launcherDir, std::string_view name);

}  // namespace jitsu::launcher
