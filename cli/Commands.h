#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace jitsu {
class Clock;
struct BasicData;
struct FileHealth;
}  // namespace jitsu

namespace jitsu::cli {

// The exit status of a command that has to end here; nullopt to go on.
using Stop = std::optional<int>;

// What every command gets: the working directory (-C), its arguments, the two streams and the
// clock that the printing commands pass on to the pages.
struct CommandContext {
    std::string name;
    std::filesystem::path dir;
    std::vector<std::string> args;
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

    // A file a reader read: a sound one goes on; a damaged one ends the command with one line
    // naming the file and the finding, or with --force is warned about and goes on.
    Stop judge(const std::filesystem::path& path, const FileHealth& health);
    // Reads and judges the directory's basic data file.
    Stop readBasicData(BasicData& data);
    // Grade `grade` (1 … 3) of the basic data has test `test`. A grade with no test is a data
    // error naming the basic data file; a test beyond the grade's tests, a usage error.
    Stop checkTest(const BasicData& data, int grade, int test);
};

struct Command {
    const char* name;
    std::string usage;  // the synopsis and one line per option, for --help
    int (*run)(CommandContext& context);
};

const std::vector<Command>& commands();

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
int exportCommand(CommandContext& context);
int historyCommand(CommandContext& context);
int trendCommand(CommandContext& context);

}  // namespace jitsu::cli
