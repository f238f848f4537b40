// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace jitsu {

// The options every window program takes before its window opens, as the command-line tool
// does: -C DIR / --data-dir DIR, --help, --version.
struct ProgramOptions {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::filesystem::path dataDir;  // empty: the current directory
    std::string error;              // why the words are wrong, for UsageError
    std::vector<std::string> rest;  // words not ours, left for Qt (-platform, -style …)
};

// Reads the words after the program's name. Any word not starting with '-' is a usage error;
// other options are passed on in `rest` with the word after them when it does not start with
// '-'.
ProgramOptions parseProgramOptions(const std::vector<std::string>& words);

// "NAME 0.1.0": the suite's version line.
std::string versionLine(std::string_view program);

// Acts on `options`: prints the help or the version to `out`, a usage error to `err`, or enters
// the data folder (an error on `err` when it cannot). Returns the exit status when the program
// should end now, nullopt when its window should open.
std::optional<int> applyProgramOptions(const ProgramOptions& options, std::string_view program,
                                       std::ostream& out, std::ostream& err);

// A window needs a display: DISPLAY or WAYLAND_DISPLAY set in `environment`, or a Qt platform
// named (QT_QPA_PLATFORM, or -platform among the words left for Qt). Without one, says so in one
// line on `err` (and that jitsuryoku does the work on the command line) and returns exit status
// 1; nullopt when the window can open.
std::optional<int> requireDisplay(const ProgramOptions& options, std::string_view program,
                                  const std::function<const char*(const char*)>& environment,
                                  std::ostream& err);

}  // namespace jitsu
