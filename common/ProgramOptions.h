#pragma once

#include <filesystem>
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

}  // namespace jitsu
