// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "Clock.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "Cp932.h"
#include "FolderSettings.h"
#include "Golden.h"
#include "Help.h"
#include "ManPage.h"
#include "MarksText.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
#include "QuestionFile.h"
#include "ResultsAge.h"
#include "TestYear.h"

using namespace jitsu;

namespace {

CombinationSet setOf(std::initializer_list<Combination> members) {
    CombinationSet set{};
    for (Combination k : members) set[k] = true;
    return set;
}

// The command lines of tests/data/FOLDER/lines.txt, its comments ("#") left out.
std::vector<std::string> commandLines(const std::string& folder) {
    std::vector<std::string> lines;
    std::istringstream in(readBytes(goldenPath(folder + "/lines.txt")));
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with("#")) lines.push_back(line);
    return lines;
}

std::set<std::filesystem::path> filesUnder(const std::filesystem::path& dir) {
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        files.insert(entry.path());
    return files;
}

// The command line on the small test year (2026; two classes per grade, tests 1 and 2 scored)
// on 15 March. A line's words are split at blanks; "TEST1" stands for test 1 of grade 1.
class Cli : public ::testing::Test {
protected:
    int run(const std::string& line) { return runWords("-C YEAR " + line); }
    // `jitsuryoku LINE`, YEAR standing for the year's folder.
    int runWords(std::string line) {
        if (const auto at = line.find("TEST1"); at != std::string::npos)
            line.replace(at, 5, "--year 2026 --test 1 --grade 1");
        std::vector<std::string> words;
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            if (const auto at = word.find("YEAR"); at != std::string::npos)
                word.replace(at, 4, year.path().string());
            words.push_back(word);
        }
        std::ostringstream o, e;
        const int status = cli::runCli(words, o, e, march15);
        out = o.str();
        err = e.str();
        return status;
    }
    std::string transcript(const std::string& folder);
    void matchTranscriptsInBothLanguages(const std::string& folder);

    TestYear year;
    const FixedClock march15{LocalDate{2026, 2, 15}};
    const std::filesystem::path results = resultsPath(year.path(), 2026, 1, 1);
    std::string out, err;
};

}  // namespace

// Test 1 computes 英国数 only unless told; --combos names the combinations.
TEST_F(Cli, ResultsHoldTheCombinationsAskedFor) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    EXPECT_TRUE(matchesGolden(readBytes(results), "cli-results/default.txt"));
    ASSERT_EQ(run("results TEST1 --combos 英国,３＋理,eisu"), 0) << err;
    EXPECT_TRUE(matchesGolden(readBytes(results), "cli-results/combos.txt"));
}

// Every command that writes a page or a file reaches its job with every option: each line of
// tests/data/cli-outputs/lines.txt writes the file it names, which matches its golden file. The
// command names the file it wrote and saves nothing else.
TEST_F(Cli, OutputsMatchTheGoldenFiles) {
    ASSERT_EQ(run("results TEST1 --combos all"), 0) << err;
    ASSERT_EQ(run("results --year 2026 --test 2 --grade 1"), 0) << err;
    // The hand-worked marks per question of the analysis, kept for 英語 of grade 1 in test 2.
    questions::QuestionMarks marks =
        marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")));
    marks.test = 2;
    marks.subject = toCp932("英語");
    ASSERT_TRUE(questions::writeQuestionFile(
        questions::questionFilePath(year.path(), 2026, 2, 1, 1), marks));
    const auto before = readBytes(results);
    for (const std::string& line : commandLines("cli-outputs")) {
        const std::string command = line.substr(0, line.find(' ')),
                          file = line.substr(line.rfind(' ') + 1);
        ASSERT_EQ(run(line), 0) << line << "\n" << err;
        EXPECT_NE(out.find((year.dir / file).string()), std::string::npos) << out;
        EXPECT_TRUE(matchesGolden(readBytes(year.dir / file), "cli-" + command + "/" + file));
        std::filesystem::remove(year.dir / file);
    }
    EXPECT_EQ(readBytes(results), before);
}

// The folder's settings choose how the check lists print the year; --era overrides them.
TEST_F(Cli, TheFolderChoosesTheEraAndTheOptionOverridesIt) {
    ASSERT_TRUE(writeFolderSettings(year.path(), {Era::Wareki}));
    ASSERT_EQ(run("checklists TEST1 --classes 1 --trace w.txt"), 0) << err;
    EXPECT_NE(readBytes(year.dir / "w.txt").find("令和８年度"), std::string::npos);
    ASSERT_EQ(run("checklists TEST1 --classes 1 --era seireki --trace s.txt"), 0) << err;
    EXPECT_NE(readBytes(year.dir / "s.txt").find("  2026年度"), std::string::npos);
    writeBytes(folderSettingsPath(year.path()), "era=taisho\r\n");
    EXPECT_EQ(run("checklists TEST1 --classes 1 --trace t.txt"), 1);
    EXPECT_NE(err.find("jitsuryoku-settings.txt:1:"), std::string::npos) << err;
}

TEST_F(Cli, WritesAPdf) {
    ASSERT_EQ(run("reports TEST1 --classes 1 --pdf r.pdf"), 0) << err;
    EXPECT_EQ(pdfPageCount(year.dir / "r.pdf"), 1);  // up to six students a sheet
}

// Each line of tests/data/FOLDER/lines.txt run in turn (lines.txt says how it reads), in the
// transcript with its status and what it printed, the folder written DIR; a line that fails
// writes nothing.
std::string Cli::transcript(const std::string& folder) {
    std::string all;
    for (const std::string& line : commandLines(folder)) {
        const auto before = filesUnder(year.path());
        const std::string roster = readBytes(year.dir / "N261.csv");
        const int status = runWords(line);
        all += "$ " + line + "\nstatus " + std::to_string(status) + "\n";
        for (const auto& [stream, text] : {std::pair{"out| ", out}, {"err| ", err}}) {
            std::istringstream printed(text);
            for (std::string l; std::getline(printed, l);) all += stream + l + "\n";
        }
        if (status != 0) {
            EXPECT_EQ(filesUnder(year.path()), before) << line;
            EXPECT_EQ(readBytes(year.dir / "N261.csv"), roster) << line;
        }
    }
    for (const auto& [from, to] : {std::pair{year.path().string(), std::string("DIR")},
                                   {std::string(JITSU_VERSION), std::string("VERSION")}})
        for (auto at = all.find(from); at != std::string::npos; at = all.find(from))
            all.replace(at, from.size(), to);
    return all;
}

// Words after '=' or as the next word, help, and every usage error: status 2 and one line.
TEST_F(Cli, CommandLinesAreReadAsGetoptReadsThem) {
    EXPECT_TRUE(matchesGolden(transcript("cli-usage"), "cli-usage/transcript.txt"));
}

// The transcript of FOLDER in English (LANG=C) and in Japanese (LANG=ja_JP.UTF-8), each against
// its golden file FOLDER/LANG.txt.
void Cli::matchTranscriptsInBothLanguages(const std::string& folder) {
    for (const char* lang : {"C", "ja_JP.UTF-8"}) {
        ::setenv("LANG", lang, 1);
        const std::string text = transcript(folder);
        ::setenv("LANG", "C.UTF-8", 1);
        EXPECT_TRUE(matchesGolden(text, folder + "/" + lang + ".txt"));
    }
}

// Every failure of the data, test 1 of grade 1 having results: status 1 and a message naming
// what is wrong, in English (LANG=C) and in Japanese (LANG=ja_JP.UTF-8).
TEST_F(Cli, TheFailuresReadInTheLocalesLanguage) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    writeBytes(year.dir / "ok.csv", "組,番号,氏名\n1,1,佐藤\n");
    writeBytes(year.dir / "in.csv", "組,番号,氏名\n1,1,佐藤\n9,1,鈴木\n");
    writeBytes(year.dir / "q.csv", "問,配点\n1,40\n2,50\n");
    writeBytes(year.dir / "a.csv", "組,番号,1,2\n1,1,41,50\n");
    writeBytes(year.dir / "over.csv", "組,番号,英語\n1,1,101\n");
    matchTranscriptsInBothLanguages("cli-failures");
}

// The help follows the language spoken too.
TEST_F(Cli, TheHelpReadsInTheLocalesLanguage) { matchTranscriptsInBothLanguages("cli-help"); }

// What a command that did its work says, in English and in Japanese.
TEST_F(Cli, TheSuccessesReadInTheLocalesLanguage) {
    writeBytes(year.dir / "s.csv", "組,番号,英語\n1,1,80\n1,2,75\n");
    writeBytes(year.dir / "x.csv", "組,番号,英語,体育\n1,1,101,5\n1,2,75,5\n");
    matchTranscriptsInBothLanguages("cli-successes");
}

// A results file computed again is listed with its earlier version, which restore puts back.
TEST_F(Cli, VersionsListsAndRestorePutsBack) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    const std::string first = readBytes(results);
    ASSERT_EQ(run("versions JK26_1_1.txt"), 0) << err;
    EXPECT_EQ(out, "no earlier version of JK26_1_1.txt is kept\n");
    ASSERT_EQ(run("results TEST1 --combos all"), 0) << err;
    ASSERT_EQ(run("versions JK26_1_1.txt"), 0) << err;
    EXPECT_TRUE(out.starts_with("  1  20")) << out;
    EXPECT_NE(out.find("  cli_tests  " + std::to_string(first.size()) + " bytes\n"),
              std::string::npos)
        << out;
    ASSERT_EQ(run("restore JK26_1_1.txt 1"), 0) << err;
    EXPECT_EQ(readBytes(results), first);
    EXPECT_TRUE(out.starts_with("restored JK26_1_1.txt from version   1  20")) << out;
}

// Results older than their scores: every command that uses them refuses naming both files;
// --force uses them with a warning, --recompute computes them again first.
TEST_F(Cli, OutOfDateResultsAreRefusedUnlessForcedOrRecomputed) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    const auto scores = scorePath(year.path(), 2026, 1, 1);
    std::filesystem::last_write_time(
        results, std::filesystem::last_write_time(scores) - std::chrono::seconds(10));
    for (const char* line : {"summary TEST1 --trace t.txt", "export TEST1 --format csv",
                             "history --year 2026 --grade 1 --trace t.txt",
                             "trend --year 2026 --grade 1 --trace t.txt"}) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_NE(err.find(": JK26_1_1.txt (saved 20"), std::string::npos) << err;
        EXPECT_NE(err.find(") is out of date: JT26_1_1.txt was saved after it (20"),
                  std::string::npos)
            << err;
    }
    EXPECT_EQ(run("summary TEST1 --trace t.txt --force"), 0) << err;
    EXPECT_NE(err.find("warning: JK26_1_1.txt"), std::string::npos) << err;
    EXPECT_EQ(run("export TEST1 --format csv --recompute"), 0) << err;
    EXPECT_NE(err.find("computed again"), std::string::npos) << err;
    EXPECT_EQ(run("summary TEST1 --trace t.txt"), 0) << err;
}

// Basic data saved after the results puts them out of date only with a change of their own
// grade's counts, head counts, disciplines or full marks.
TEST_F(Cli, ResultsGoOutOfDateOnlyWithTheirGradesBasicData) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    BasicData data;
    ASSERT_TRUE(readBasicData(basicDataPath(year.path()), data));
    for (std::int32_t* marks : {&data.grades[1].fullMarks[0][0], &data.grades[0].fullMarks[0][0]}) {
        --*marks;
        ASSERT_TRUE(writeBasicData(basicDataPath(year.path()), textsOf(data)));
        EXPECT_EQ(staleResults(year.path(), 2026, 1, 1).has_value(),
                  marks == &data.grades[0].fullMarks[0][0]);
    }
}

TEST_F(Cli, WithoutBasicDataEveryCommandStopsWithStatusOne) {
    std::filesystem::remove(basicDataPath(year.path()));
    const auto before = filesUnder(year.path());
    for (const char* line : {"results TEST1", "checklists TEST1 --trace t",
                             "reports TEST1 --trace t", "summary TEST1 --trace t"}) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos) << err;
    }
    EXPECT_EQ(filesUnder(year.path()), before);
}

TEST_F(Cli, UnwritableOutputsGiveStatusOneNamingTheFileOnce) {
    std::filesystem::create_directory(results);
    EXPECT_EQ(run("results TEST1"), 1);
    EXPECT_NE(err.find(text::kResultsNotSaved), std::string::npos) << err;
    EXPECT_EQ(err.find(results.string()), err.rfind(results.string())) << err;
    std::filesystem::create_directory(year.dir / "t.txt");
    EXPECT_EQ(run("checklists TEST1 --trace t.txt"), 1);
    EXPECT_EQ(run("reports TEST1 --pdf no/such/r.pdf"), 1);
}

// A file of the year spoilt as a teacher might find it: refused in one line naming the file and
// the finding, the old results file kept; --force goes on with the finding as a warning (and
// stops all the same without basic data).
TEST_F(Cli, ADamagedFileIsRefusedUnlessForced) {
    ASSERT_EQ(run("results TEST1"), 0);
    const std::string before = readBytes(results);
    for (const auto& [file, forcedStatus] : {std::pair{"JT26_1_1.txt", 0}, {"wqnmkiso.txt", 1}}) {
        const std::string sound = readBytes(year.dir / file);
        writeBytes(year.dir / file, "");
        EXPECT_EQ(run("results TEST1"), 1);
        const std::string line = (year.dir / file).string() + ": empty";
        EXPECT_EQ(err, "jitsuryoku results: " + line + "\n");
        EXPECT_EQ(readBytes(results), before);
        EXPECT_EQ(run("results TEST1 --force"), forcedStatus);
        EXPECT_NE(err.find("warning: " + line), std::string::npos) << err;
        EXPECT_EQ(readBytes(results) == before, forcedStatus != 0) << file;
        writeBytes(year.dir / file, sound);
        writeBytes(results, before);
    }
}

// Every kind of file damaged, or a link out of the folder (the other ways a file is spoilt are
// the readers' own tests): each command that reads it stops with status 1, names the file, and
// writes nothing; nothing outside the folder is read or replaced.
TEST_F(Cli, EveryCommandReadingASpoiltFileStopsNamingIt) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    TempDir outside;
    writeBytes(outside / "notes.txt", "private\n");
    const auto firstTokenSpoilt = [](std::string bytes) {
        return "99999999999999999999" + bytes.substr(bytes.find(' '));
    };
    struct File {
        std::string name, damaged;
        std::vector<std::string> commands;
    };
    const std::string history = "history --year 2026 --grade 1 --trace t.txt",
                      trend = "trend --year 2026 --grade 1 --trace t.txt",
                      exportCsv = "export TEST1 --format csv -o e.csv";
    const std::vector<File> files = {
        {"N261.csv",
         "10101,,A\r\n",
         {"checklists TEST1 --trace t.txt", "reports TEST1 --trace t.txt",
          "summary TEST1 --trace t.txt", exportCsv, history, "check"}},
        {"JT26_1_1.txt",
         firstTokenSpoilt(readBytes(year.dir / "JT26_1_1.txt")),
         {"results TEST1", "checklists TEST1 --trace t.txt", "reports TEST1 --trace t.txt",
          "check"}},
        {"JK26_1_1.txt",
         firstTokenSpoilt(readBytes(results)),
         {"summary TEST1 --trace t.txt", exportCsv, history, trend, "check"}},
    };
    using Spoil = std::function<void(const std::filesystem::path&, const std::string&)>;
    const std::vector<std::pair<const char*, Spoil>> spoils = {
        {"damaged", [](const auto& p, const auto& damaged) { writeBytes(p, damaged); }},
        {"link out of the folder",
         [&](const auto& p, const auto&) {
             std::filesystem::create_symlink(outside / "notes.txt", p);
         }},
    };
    for (const File& file : files) {
        const auto path = year.dir / file.name;
        const std::string sound = readBytes(path);
        for (const auto& [how, spoil] : spoils) {
            std::filesystem::remove(path);
            spoil(path, file.damaged);
            const auto before = filesUnder(year.path());
            for (const std::string& line : file.commands) {
                SCOPED_TRACE(file.name + ", " + how + ": " + line);
                EXPECT_EQ(run(line), 1) << out << err;
                EXPECT_NE((out + err).find(path.string()), std::string::npos) << out << err;
                EXPECT_EQ(filesUnder(year.path()), before);
            }
        }
        std::filesystem::remove(path);
        writeBytes(path, sound);
    }
    EXPECT_EQ(readBytes(outside / "notes.txt"), "private\n");
}

// "all" is read by the output cases above.
TEST(CombinationList, NamesTheCombinationsOrRefuses) {
    std::string error;
    EXPECT_EQ(cli::parseCombinationList("英国数,５教科,３＋理,３＋社", error),
              setOf({Eikokusu, Kyouka5, Eikokusuri, Eikokususha}));
    EXPECT_EQ(cli::parseCombinationList("Kyouka5,EIKOKU,eikoku", error), setOf({Kyouka5, Eikoku}));
    EXPECT_EQ(cli::parseCombinationList("none", error), setOf({}));
    for (const char* list : {"", "英国,", "英国,,英数", "英語", "3+理", "eikoku "}) {
        EXPECT_FALSE(cli::parseCombinationList(list, error)) << list;
        EXPECT_FALSE(error.empty()) << list;
    }
}

namespace {

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
