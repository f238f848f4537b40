#include "Commands.h"

#include <string>

#include "Arguments.h"
#include "CombinationOption.h"

namespace jitsu::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"demo",
         "demo DIR [--force]\n"
         "    Writes a sample school year into DIR (created if missing): the basic data file,\n"
         "    a roster per grade and the score files of tests 1 and 2. Refuses to overwrite an\n"
         "    existing basic data file unless --force is given.",
         demoCommand},
        {"results",
         std::string("results --year Y --test T --grade G [--combos LIST]\n"
                     "    Computes the statistics of grade G in test T of year Y (2000 to 2100) from\n"
                     "    the basic data file and the score file, and writes the results file\n"
                     "    JKyy_T_G.txt.\n") +
             kCombosHelp,
         resultsCommand},
#ifdef JITSU_CLI_SUMMARY
        {"summary",
         "summary --year Y --test T --grade G [--lists class,top,freq] [--scale P]\n"
         "        [--font-scale P] (--pdf FILE | --trace FILE)\n"
         "    Prints the summary tables of grade G in test T of year Y from the roster and the\n"
         "    results file: class lists, top-scorer lists and frequency distributions (all three\n"
         "    unless --lists names some). --scale 50-200 and --font-scale 30-200 are the print\n"
         "    and character magnifications in percent (default 100). Writes a PDF, or the\n"
         "    drawing calls as a trace; no file when there is nothing to print.",
         summaryCommand},
#endif
    };
    return list;
}

namespace {

void printHelp(std::ostream& out) {
    out << "usage: jitsuryoku [-C DIR] COMMAND [ARGS…]\n"
           "The proficiency-test suite's command-line tool. -C DIR works in DIR instead of the\n"
           "current directory. Exit status: 0 success, 1 data or file error, 2 wrong usage.\n\n"
           "Commands:\n";
    for (const Command& command : commands()) out << "  " << command.usage << "\n\n";
}

}  // namespace

int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::filesystem::path dir = std::filesystem::current_path();
    std::size_t i = 0;
    if (i < words.size() && words[i] == "-C") {
        if (i + 1 >= words.size()) {
            err << "jitsuryoku: -C needs a directory\n";
            return kExitUsage;
        }
        dir = words[i + 1];
        i += 2;
    }
    if (i >= words.size() || words[i] == "--help" || words[i] == "-h" || words[i] == "help") {
        printHelp(i >= words.size() ? err : out);
        return i >= words.size() ? kExitUsage : kExitOk;
    }
    for (const Command& command : commands()) {
        if (words[i] != command.name) continue;
        std::vector<std::string> args(words.begin() + static_cast<long>(i) + 1, words.end());
        for (const std::string& arg : args)
            if (arg == "--help") {
                out << "usage: jitsuryoku [-C DIR] " << command.usage << '\n';
                return kExitOk;
            }
        CommandContext context{dir, args, out, err};
        return command.run(context);
    }
    err << "jitsuryoku: unknown command '" << words[i] << "' (see jitsuryoku --help)\n";
    return kExitUsage;
}

}  // namespace jitsu::cli
