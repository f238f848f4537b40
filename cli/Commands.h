#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace jitsu::cli {

// What every command gets: the working directory (-C), its arguments and the two streams.
struct CommandContext {
    std::filesystem::path dir;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
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
