// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "Arguments.h"

namespace jitsu {
class Clock;
struct BasicData;
struct GradeData;
struct FileFindings;
}  // namespace jitsu

namespace jitsu::cli {

// The exit status of a command that has to end here; nullopt to go on.
using Stop = std::optional<int>;

// What every command gets: the working directory (-C), its arguments read against its option
// table, the two streams and the clock that the printing commands pass on to the pages.
struct CommandContext {
    std::string name;
    std::filesystem::path dir;
    Arguments args;
    std::ostream& out;
    std::ostream& err;
    const Clock& clock;
    bool force = false;  // --force: go on from a damaged file, its finding printed as a warning

    // "jitsuryoku NAME: reason" on standard error; returns the usage exit status.
    int usageError(const std::string& reason);
    // The suite's own message when there is one, then "jitsuryoku NAME: reason", on standard
    // error; returns the data-error exit status.
    int dataError(const std::string& reason, const char* suiteMessage = nullptr);
    // "jitsuryoku NAME: warning: text" on standard error.
    void warn(const std::string& text);
    // The usage error of a --classes `list` that names no class from 1 to `classCount`.
    int badClassList(int classCount, const std::string& list);

    // A file a reader read: a sound one goes on; a damaged one ends the command with one line
    // naming the file and the finding, or with --force is warned about and goes on.
    Stop judge(const std::filesystem::path& path, const FileFindings& health);
    // Reads and judges the directory's basic data file.
    Stop readBasicData(BasicData& data);
    // Grade `grade` (1 … 3) of the basic data has test `test`. A grade with no test is a data
    // error naming the basic data file; a test beyond the grade's tests, a usage error.
    Stop checkTest(const BasicData& data, int grade, int test);
    // The results file of the test is no older than the files it was computed from. An
    // out-of-date one ends the command naming both files and their save times, unless
    // --recompute (it is computed again first) or --force (a warning, and it is used as it is).
    Stop judgeResultsAge(const GradeData& grade, unsigned year, int test, int gradeNumber);
};

// The language of the help and the manual pages.
enum class Language { English, Japanese };

// One command of the tool: what its --help, its manual pages and the shell completion say, and
// the options it takes. Adding a command or an option is one entry in commands().
struct Command {
    const char* name;
    const char* operand;        // the words it takes besides its options ("DIR"), or ""
    const char* brief;          // one line for the list of commands
    const char* briefJa;        // the same in Japanese
    const char* description;    // a few lines for its --help and the manual
    const char* descriptionJa;  // the same in Japanese
    std::vector<OptionSpec> options;
    int (*run)(CommandContext& context);
};

const std::vector<Command>& commands();

// The options every command takes besides its own: -C/--data-dir DIR and -h/--help.
std::span<const OptionSpec> commonOptions();

// The whole tool: `jitsuryoku [-C DIR] COMMAND …`, on `clock` (by default the system's).
// Returns the exit status.
int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
           const Clock& clock);

int demoCommand(CommandContext& context);
int resultsCommand(CommandContext& context);
int reportsCommand(CommandContext& context);
int checklistsCommand(CommandContext& context);
int summaryCommand(CommandContext& context);
int checkCommand(CommandContext& context);
int importRosterCommand(CommandContext& context);
int importScoresCommand(CommandContext& context);
int questionsImportCommand(CommandContext& context);
int exportCommand(CommandContext& context);
int questionsExportCommand(CommandContext& context);
int questionsReportCommand(CommandContext& context);
int historyCommand(CommandContext& context);
int trendCommand(CommandContext& context);
int versionsCommand(CommandContext& context);
int restoreCommand(CommandContext& context);
int testsCommand(CommandContext& context);

}  // namespace jitsu::cli
