#include "Commands.h"

#include <string>

#include "Arguments.h"
#include "BasicData.h"
#include "Clock.h"
#include "CombinationOption.h"
#include "DamagedFile.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ProgramOptions.h"

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
         std::string(
             "results --year Y --test T --grade G [--combos LIST]\n"
             "    Computes the statistics of grade G in test T of year Y (2000 to 2100) from\n"
             "    the basic data file and the score file, and writes the results file\n"
             "    JKyy_T_G.txt.\n") +
             kCombosHelp,
         resultsCommand},
        {"check",
         "check [--year Y] [--json]\n"
         "    Checks every file of year Y (default: the basic data's year) against the others and\n"
         "    prints one line per finding: error or warning, the file and line, what is wrong and\n"
         "    what to do. Exit status 1 when there is an error. --json: a JSON array.",
         checkCommand},
        {"import-roster",
         "import-roster FILE --grade G [--year Y] [--columns class,number,name]\n"
         "              [--encoding utf-8|cp932] [--sheet NAME] [--force]\n"
         "    Writes the roster of grade G from a spreadsheet: xlsx (the first sheet or NAME), or\n"
         "    CSV or TSV in UTF-8, UTF-16 or CP932 (found out unless --encoding is given):\n"
         "    classes in order, CP932, CR LF. The columns come from a header row (組/クラス,\n"
         "    番号/出席番号/No., 氏名/名前 or 姓 and 名, 学年), title rows above it skipped, or\n"
         "    --columns, in file order (- skips one). A class is written 1, 1組, 1年1組, 1-1 or\n"
         "    its name. An existing roster is replaced only with --force.",
         importRosterCommand},
        {"import-scores",
         "import-scores FILE --test T --grade G [--subject NAME …] [--sheet NAME] [--class C]\n"
         "              [--force]\n"
         "    Merges the scores of a teacher's sheet (xlsx, CSV or TSV) into the score file of\n"
         "    grade G in test T, as a second scoreentry terminal saves them. The header row names\n"
         "    番号, one column per subject (by the basic data's names; --subject takes only "
         "those)\n"
         "    and 組, or the sheet is of one class: C, or the sheet's name (every sheet named\n"
         "    after a class is read). A student not in the roster, a score above full marks or\n"
         "    not a whole number, a subject not given in the test: each is printed with its row,\n"
         "    and nothing is written unless --force leaves those scores out. A score the file\n"
         "    holds differently is a conflict: listed, and replaced only with --force.",
         importScoresCommand},
        {"export",
         "export --year Y --test T --grade G [--format xlsx|csv] [--encoding utf-8|cp932]\n"
         "       [-o FILE]\n"
         "    Writes the results of grade G in test T with the roster's names, a row a student:\n"
         "    per subject score, 偏差値 and rank, per combination total, 偏差値 and rank; absent\n"
         "    students' cells empty. xlsx (default) or CSV (UTF-8 with BOM, or CP932); the file\n"
         "    defaults to JKyy_T_G.xlsx (or .csv) in the data folder.",
         exportCommand},
#ifdef JITSU_CLI_PRINTING
        {"reports",
         std::string(
             "reports --year Y --test T --grade G [--classes LIST] [--combos LIST] [--scale P]\n"
             "        [--font-scale P] [--copies N] [--pages FROM-TO] [--pdf FILE] [--trace FILE]\n"
             "        [--printer QUEUE]\n"
             "    Computes the statistics of grade G in test T of year Y from the roster and\n"
             "    score files (no results file is written) and prints the individual reports of\n"
             "    the listed classes as one document on A4: to a PDF file, to a trace of the\n"
             "    drawing calls, to a CUPS queue (default: the default queue), or to several.\n"
             "    --classes LIST  comma-separated class numbers from 1 (default: every class)\n"
             "    --scale P       print magnification of positions, 80 to 200 percent (100)\n"
             "    --font-scale P  character magnification of font sizes, 50 to 200 percent (100)\n"
             "    --copies N      copies of every page, each on its own sheet, 1 to 10 (1)\n"
             "    --pages FROM-TO the pages to print, counted across the classes (1-999)\n") +
             kCombosHelp,
         reportsCommand},
        {"checklists",
         "checklists --year Y --test T --grade G [--classes LIST] [--deadline M/D] [--place TEXT]\n"
         "           [--scale P] [--pdf FILE | --trace FILE | --printer QUEUE]\n"
         "    Prints the check lists of grade G for test T of year Y as proofsheet does: two\n"
         "    identical B4 pages per class. LIST names classes by number (1,3); all by default.\n"
         "    The deadline defaults to proofsheet's (two days on, or the 1st of next month from\n"
         "    the 30th), the place of submission to none, the magnification P to 100 (80 to 200).\n"
         "    The pages go to a PDF file, a trace file, a CUPS queue (default: the default\n"
         "    queue), or as a trace to standard output. Pages that do not fit the sheet are\n"
         "    printed with a warning naming the magnification that fits.",
         checklistsCommand},
        {"summary",
         "summary --year Y --test T --grade G [--lists class,top,freq] [--scale P]\n"
         "        [--font-scale P] [--pdf FILE | --trace FILE | --printer QUEUE]\n"
         "    Prints the summary tables of grade G in test T of year Y from the roster and the\n"
         "    results file: class lists, top-scorer lists and frequency distributions (all three\n"
         "    unless --lists names some). --scale 50-200 and --font-scale 30-200 are the print\n"
         "    and character magnifications in percent (default 100). The pages go to a PDF file\n"
         "    (A4), a trace file, a CUPS queue (default: the default queue), or as a trace to\n"
         "    standard output.",
         summaryCommand},
        {"history",
         "history --year Y --grade G [--classes LIST] [--students NUMBERS]\n"
         "        [--pdf FILE | --trace FILE | --printer QUEUE] [--force]\n"
         "    Prints the history sheets of grade G in year Y, two students an A4 page: per test\n"
         "    with a results file the score, deviation score and rank in every subject and\n"
         "    combination, and a chart of the deviation scores. LIST names classes by number,\n"
         "    NUMBERS attendance numbers (1,5); all by default. A results file that no longer\n"
         "    fits the basic data is left out with a warning.",
         historyCommand},
        {"trend",
         "trend --year Y --grade G [--pdf FILE | --trace FILE | --printer QUEUE] [--force]\n"
         "    Prints one A4 landscape page for grade G in year Y: each class's average per test\n"
         "    in every subject and the 5-subject total, and the grade's examinees per test.",
         trendCommand},
#endif
    };
    return list;
}

int CommandContext::usageError(const std::string& reason) {
    err << "jitsuryoku " << name << ": " << reason << '\n';
    return kExitUsage;
}

int CommandContext::dataError(const std::string& reason, const char* suiteMessage) {
    if (suiteMessage) err << suiteMessage << '\n';
    err << "jitsuryoku " << name << ": " << reason << '\n';
    return kExitDataError;
}

void CommandContext::warn(const std::string& text) {
    err << "jitsuryoku " << name << ": warning: " << text << '\n';
}

Stop CommandContext::judge(const std::filesystem::path& path, const FileHealth& health) {
    if (!health.damaged()) return std::nullopt;
    if (!force) return dataError(findingOf(path, health));
    warn(findingOf(path, health));
    return std::nullopt;
}

Stop CommandContext::readBasicData(BasicData& data) {
    const auto path = basicDataPath(dir);
    FileHealth health;
    if (Status read = jitsu::readBasicData(path, data, &health); !read)
        return dataError(read.reason(), text::kBasicDataMissing);
    return judge(path, health);
}

Stop CommandContext::checkTest(const BasicData& data, int grade, int test) {
    const int tests = data.grades[grade - 1].tests();
    if (tests == 0)
        return dataError(basicDataPath(dir).string() + ": grade " + std::to_string(grade) +
                         " has no test");
    if (test <= tests) return std::nullopt;
    return usageError("--test must be from 1 to " + std::to_string(tests) +
                      ", the tests of grade " + std::to_string(grade));
}

namespace {

void printHelp(std::ostream& out) {
    out << "usage: jitsuryoku [-C DIR | --data-dir DIR] COMMAND [ARGS…]\n"
           "       jitsuryoku --help | --version\n"
           "The proficiency-test suite's command-line tool. -C DIR works in DIR instead of the\n"
           "current directory. Exit status: 0 success, 1 data or file error, 2 wrong usage.\n\n"
           "Commands:\n";
    for (const Command& command : commands()) out << "  " << command.usage << "\n\n";
}

}  // namespace

int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const SystemClock clock;
    return runCli(words, out, err, clock);
}

int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
           const Clock& clock) {
    std::filesystem::path dir = std::filesystem::current_path();
    std::size_t i = 0;
    if (i < words.size() && (words[i] == "-C" || words[i] == "--data-dir")) {
        if (i + 1 >= words.size()) {
            err << "jitsuryoku: " << words[i] << " needs a directory\n";
            return kExitUsage;
        }
        dir = words[i + 1];
        i += 2;
    }
    if (i >= words.size() || words[i] == "--help" || words[i] == "-h" || words[i] == "help") {
        printHelp(i >= words.size() ? err : out);
        return i >= words.size() ? kExitUsage : kExitOk;
    }
    if (words[i] == "--version") {
        out << versionLine("jitsuryoku") << '\n';
        return kExitOk;
    }
    for (const Command& command : commands()) {
        if (words[i] != command.name) continue;
        std::vector<std::string> args(words.begin() + static_cast<long>(i) + 1, words.end());
        for (const std::string& arg : args)
            if (arg == "--help") {
                out << "usage: jitsuryoku [-C DIR] " << command.usage << '\n';
                return kExitOk;
            }
        CommandContext context{command.name, dir, args, out, err, clock};
        return command.run(context);
    }
    err << "jitsuryoku: unknown command '" << words[i] << "' (see jitsuryoku --help)\n";
    return kExitUsage;
}

}  // namespace jitsu::cli
