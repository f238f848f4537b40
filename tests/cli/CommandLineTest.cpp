// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "Commands.h"
#include "Help.h"
#include "ManPage.h"
#include "Paths.h"
#include "TestYear.h"

using namespace jitsu;

namespace {

// A command line, its exit status and a piece of what it prints ("out:" on standard output,
// "err:" on standard error) and, for a run that works, a file it leaves in the year's folder.
// In the line, YEAR stands for the small test year's folder and TEST1 for its test 1 of grade 1.
struct CommandLine {
    std::string line;
    int status;
    std::string printed;
    std::string written = "";
};

void PrintTo(const CommandLine& c, std::ostream* os) { *os << c.line; }

class CommandLines : public ::testing::TestWithParam<CommandLine> {
protected:
    std::vector<std::string> words(std::string line) const {
        if (const auto at = line.find("TEST1"); at != std::string::npos)
            line.replace(at, 5, "--year 2026 --test 1 --grade 1");
        std::vector<std::string> list;
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            if (const auto at = word.find("YEAR"); at != std::string::npos)
                word.replace(at, 4, year.path().string());
            list.push_back(word);
        }
        return list;
    }

    TestYear year;
};

TEST_P(CommandLines, AreReadAsGetoptReadsThem) {
    const CommandLine& c = GetParam();
    std::ostringstream out, err;
    if (c.line.find("export") != std::string::npos) {  // exports read the results file
        ASSERT_EQ(cli::runCli(words("-C YEAR results TEST1"), out, err), 0) << err.str();
    }
    EXPECT_EQ(cli::runCli(words(c.line), out, err), c.status) << err.str();
    const std::string& stream = c.printed.starts_with("out:") ? out.str() : err.str();
    EXPECT_NE(stream.find(c.printed.substr(4)), std::string::npos) << stream;
    if (!c.written.empty()) {
        EXPECT_TRUE(std::filesystem::exists(year.path() / c.written)) << c.written;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLines,
    ::testing::Values(
        // Values after '=' or as the next word, short options with or without a blank, long
        // names shortened to a unique prefix, -C before or after the command.
        CommandLine{"--data-dir=YEAR results --year=2026 --test 1 --grade=1", 0, "out:wrote ",
                    "JK26_1_1.txt"},
        CommandLine{"--data-dir YEAR results TEST1", 0, "out:wrote ", "JK26_1_1.txt"},
        CommandLine{"-CYEAR results --gr 1 --te 1 --ye 2026", 0, "out:wrote ", "JK26_1_1.txt"},
        CommandLine{"results TEST1 -C YEAR", 0, "out:wrote ", "JK26_1_1.txt"},
        CommandLine{"-C YEAR export TEST1 --format csv -oout.csv", 0, "out:wrote ", "out.csv"},
        CommandLine{"-C YEAR export TEST1 --format=csv -o x.csv", 0, "out:wrote ", "x.csv"},
        // "--" ends the options: what follows is a name, even when it starts with '-'.
        CommandLine{"-C YEAR demo --force -- -new-year", 0, "out:wrote ", "-new-year/wqnmkiso.txt"},
        // Help: the tool's, or one command's alone, by -h, --help or help COMMAND.
        CommandLine{"--help", 0, "out:  reports         print the individual score reports\n"},
        CommandLine{"help", 0, "out:Exit status: 0 success"},
        CommandLine{"--version", 0, "out:jitsuryoku " JITSU_VERSION "\n"},
        CommandLine{"results -h", 0, "out:usage: jitsuryoku results --year Y --test T"},
        CommandLine{"help export", 0, "out:  -o, --output FILE "},
        CommandLine{"-C YEAR check -h", 0, "out:usage: jitsuryoku check [--year Y] [--json]\n"},
        // The tests the basic data sets up, which the shell completion offers after --test.
        CommandLine{"-C YEAR tests --grade 2", 0, "out:2 5 第５回\n"},
        CommandLine{"-C YEAR tests --grade=4", 2, "err:--grade must be a whole number from 1 to 3"},
        // Wrong usage: status 2 and one line saying what is wrong.
        CommandLine{"", 2, "err:usage: jitsuryoku [-C DIR] COMMAND"},
        CommandLine{"results", 2,
                    "err:jitsuryoku results: --year, --test and --grade are required (see "
                    "jitsuryoku results --help)\n"},
        CommandLine{"results --year=2026 --test 1", 2, "err:: --grade is required ("},
        CommandLine{"export --grade 1", 2, "err:: --year and --test are required ("},
        CommandLine{"results TEST1 --year", 2, "err:: --year needs a value ("},
        CommandLine{"export TEST1 -o", 2, "err:: -o needs a value ("},
        CommandLine{"results TEST1 --bogus", 2, "err:: unknown option '--bogus' ("},
        CommandLine{"results TEST1 --bogus=3", 2, "err:: unknown option '--bogus' ("},
        CommandLine{"results TEST1 -x", 2, "err:: unknown option '-x' ("},
        CommandLine{"results TEST1 --force=yes", 2, "err:: --force takes no value ("},
        CommandLine{"reports TEST1 --f 3", 2, "err:: unknown option '--f' ("},
        CommandLine{"results TEST1 extra", 2, "err:: unexpected argument 'extra' ("},
        CommandLine{"results TEST1 -- --force", 2, "err:: unexpected argument '--force' ("},
        CommandLine{"demo", 2, "err:jitsuryoku demo: give the DIR ("},
        CommandLine{"-C", 2, "err:jitsuryoku: -C needs a value"},
        CommandLine{"--data-dir= check", 2, "err:: -C and --data-dir need a directory"},
        CommandLine{"--bogus check", 2, "err:jitsuryoku: unknown option '--bogus'"},
        CommandLine{"frobnicate", 2, "err:jitsuryoku: unknown command 'frobnicate'"}));

// The long names of the options `text` lists, one a line as `pattern` finds them.
std::set<std::string> optionNames(const std::string& text, const std::regex& pattern) {
    std::set<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        names.insert((*it)[1]);
    return names;
}

// Blanks run together, roff's "\-" read as '-'.
std::string plain(std::string text) {
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    return std::regex_replace(text, std::regex(R"(\s+)"), " ");
}

// Each command's --help is short and lists its options; each command's section of both manual
// pages names the options its --help names (less the common ones, listed once at the top) and
// has the same synopsis.
TEST(ManPage, AgreesWithEveryCommandsHelp) {
    const std::regex helpOption(R"(\n  (?:-., |    )--([a-z-]+))");
    const std::regex manOption(R"(\.TP\n(?:\\fB\\-.\\fR, )?\\fB\\-\\-([a-z\\-]+)\\fR)");
    for (const auto language : {cli::Language::English, cli::Language::Japanese}) {
        const std::string page = cli::toolManPage(language, "2026-12-07");
        for (const cli::Command& command : cli::commands()) {
            std::ostringstream out, err;
            ASSERT_EQ(cli::runCli({command.name, "--help"}, out, err), 0);
            const std::string help = out.str();
            EXPECT_LT(std::count(help.begin(), help.end(), '\n'), 25) << help;
            for (const cli::OptionSpec& option : command.options)
                EXPECT_NE(help.find(cli::optionLabel(option)), std::string::npos) << help;
            const auto start = page.find(".SS " + std::string(command.name) + "\n");
            ASSERT_NE(start, std::string::npos) << command.name;
            const std::string section = page.substr(start, page.find("\n.S", start + 1) - start);
            std::set<std::string> helpNames = optionNames(help, helpOption);
            helpNames.erase("data-dir");
            helpNames.erase("help");
            std::set<std::string> manNames;
            for (const std::string& name : optionNames(section, manOption))
                manNames.insert(std::regex_replace(name, std::regex(R"(\\-)"), "-"));
            EXPECT_EQ(helpNames.empty(), command.options.empty()) << command.name;
            EXPECT_EQ(manNames, helpNames) << command.name;
            const std::string usage = help.substr(0, help.find("\n\n"));
            const auto synopsis = section.find(".B jitsuryoku\n");
            EXPECT_EQ(plain("usage: jitsuryoku " +
                            section.substr(synopsis + 14, section.find("\n.PP") - synopsis - 14)),
                      plain(usage))
                << command.name;
        }
    }
}

}  // namespace
