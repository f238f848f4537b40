#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace jitsu::cli {

// What every command gets: the working directory (-C), its arguments and the two streams.
struct CommandContext {
    std::string name;
    std::filesystem::path dir;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;

    // "jitsuryoku NAME: reason" on standard error; returns the usage exit status.
    int usageError(const std::string& reason);
    // The suite's own message when there is one, then "jitsuryoku NAME: reason", on standard
    // error; returns the data-error exit status.
    int dataError(const std::string& reason, const char* suiteMessage = nullptr);
};

struct Command {
    const char* name;
    std::string usage;  // the synopsis and one line per option, for --help
    int (*run)(CommandContext& context);
};

const std::vector<Command>& commands();

// The whole tool: `jitsuryoku [-C DIR] COMMAND …`. Returns the exit status.
int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

int demoCommand(CommandContext& context);
int resultsCommand(CommandContext& context);
int reportsCommand(CommandContext& context);
int checklistsCommand(CommandContext& context);
int summaryCommand(CommandContext& context);

}  // namespace jitsu::cli
