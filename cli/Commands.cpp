// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "Arguments.h"
#include "BasicData.h"
#include "Catalogue.h"
#include "Clock.h"
#include "CombinationOption.h"
#include "DamagedFile.h"
#include "FileSystem.h"
#include "Help.h"
#include "Limits.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ProgramOptions.h"
#include "Reason.h"
#include "ResultsAge.h"
#include "System.h"

namespace jitsu::cli {

namespace {

// The year's range in the help, from the limits the option is read with.
std::string yearSpan(const char* to) {
    return std::to_string(kFirstYear) + to + std::to_string(kLastYear);
}
const std::string kYearHelp = "the school year, " + yearSpan(" to ");
const std::string kYearHelpJa = "年度（" + yearSpan("〜") + "）";
const std::string kYearOptionalHelp = kYearHelp + " (default: the basic data's)";
const std::string kYearOptionalHelpJa = "年度（" + yearSpan("〜") + "、省略時は基礎データの年度）";

// The options several commands share.
const OptionSpec kYear{"year", 0, "Y", true, kYearHelp.c_str(), kYearHelpJa.c_str()};
const OptionSpec kYearOptional{
    "year", 0, "Y", false, kYearOptionalHelp.c_str(), kYearOptionalHelpJa.c_str()};
const OptionSpec kTest{"test", 0, "T", true, "the test, 1 to 10", "テストの回（1〜10）"};
const OptionSpec kGrade{"grade", 0, "G", true, "the grade, 1 to 3", "学年（1〜3）"};
const OptionSpec kSubject{"subject",
                          0,
                          "NAME",
                          true,
                          "the subject, as the basic data names it",
                          "科目（基礎データの科目名）"};
const OptionSpec kForce{"force",
                        0,
                        "",
                        false,
                        "go on from a damaged file, its finding printed as a warning",
                        "壊れたファイルがあっても警告を出して続ける"};
const OptionSpec kRecompute{"recompute",
                            0,
                            "",
                            false,
                            "compute an out-of-date results file again first",
                            "古くなった結果ファイルを先に計算し直す"};
const OptionSpec kClasses{"classes",
                          0,
                          "LIST",
                          false,
                          "comma-separated class numbers from 1 (default: every class)",
                          "組の番号をコンマで区切って（省略時はすべての組）"};
const OptionSpec kCombos{"combos",
                         0,
                         "LIST",
                         false,
                         "comma-separated combinations: 英国数, ５教科, 英数理, 英国社,\n"
                         "英国, 英数, 国数, ３＋理, ３＋社 (or eikokusu …), all or none",
                         "計算する教科の組み合わせをコンマで区切って（英国数、５教科、英数理、"
                         "英国社、英国、英数、国数、３＋理、３＋社、all、none）"};
const OptionSpec kPdf{
    "pdf", 0, "FILE", false, "write the pages to a PDF file", "ページを PDF ファイルに書き出す"};
const OptionSpec kTrace{"trace",
                        0,
                        "FILE",
                        false,
                        "write the drawing calls to a text file",
                        "描画の記録をテキストファイルに書き出す"};
const OptionSpec kPrinter{
    "printer", 0, "QUEUE", false, "print on a CUPS queue", "CUPS のプリンター（キュー）で印刷する"};

const OptionSpec kCommon[] = {
    {"data-dir", 'C', "DIR", false, "work in DIR instead of the current directory",
     "現在のディレクトリーではなく DIR のデータファイルを扱う"},
    {"help", 'h', "", false, "show this help and end", "このヘルプを表示して終わる"},
};

}  // namespace

std::span<const OptionSpec> commonOptions() { return kCommon; }

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"demo",
         "DIR",
         "write a sample school year",
         "サンプルの年度を書き出す",
         "Writes a sample school year into DIR (created if missing): the basic data file, a\n"
         "roster per grade and the score files of tests 1 and 2.",
         "サンプルの年度のファイル（基礎データ、各学年の名簿、第１回と第２回の点数ファイル）を DIR "
         "に書き出します（DIR がなければ作ります）。",
         {{"force", 0, "", false, "overwrite an existing basic data file",
           "既存の基礎データファイルを上書きする"}},
         demoCommand},
        {"results",
         "",
         "compute a test's results file",
         "テストの結果ファイルを計算する",
         "Computes the statistics of grade G in test T of year Y from the basic data, roster and\n"
         "score files, and writes the results file JKyy_T_G.txt.",
         "基礎データ・名簿・点数ファイルから Y 年度第 T 回の G 学年の統計を計算し、結果ファイル "
         "JKyy_T_G.txt を書き出します。",
         {kYear, kTest, kGrade, kCombos, kForce},
         resultsCommand},
        {"check",
         "",
         "check every file of a year",
         "年度のすべてのファイルを点検する",
         "Checks every file of the year against the others: one line per finding, error or\n"
         "warning, the file and line, what is wrong and what to do. Exit status 1 on an error.",
         "年度のすべてのファイルを互いに照らして調べ、見つけたことを１行ずつ（エラーか警告、ファイ"
         "ルと"
         "行、何がおかしいか、どうすればよいか）表示します。エラーがあれば終了ステータスは 1 "
         "です。",
         {kYearOptional,
          {"json", 0, "", false, "print the findings as JSON (see check-findings.schema.json)",
           "見つけたことを JSON で表示する（check-findings.schema.json を参照）"}},
         checkCommand},
        {"import-roster",
         "FILE",
         "write a grade's roster from a spreadsheet",
         "表計算の表から学年の名簿を書く",
         "Writes the roster of grade G from a spreadsheet: xlsx (the first sheet or NAME), or CSV\n"
         "or TSV in UTF-8, UTF-16 or CP932; classes in order, in CP932 with CR LF. The columns "
         "come\n"
         "from a header row (組/クラス, 番号/出席番号/No., 氏名/名前 or 姓 and 名, 学年) or\n"
         "--columns. A class is written 1, 1組, 1年1組, 1-1 or its name.",
         "表計算ソフトのファイル（xlsx の最初のシートか NAME のシート、または UTF-8・UTF-16・CP932 "
         "の CSV か TSV）から G 学年の名簿を書き出します（組の順、CP932、CR "
         "LF）。列は見出し行（組・番号・氏名、姓と名、学年）か --columns で決まります。",
         {kGrade,
          {"year", 0, "Y", false, "the year of the roster (default: the basic data's)",
           "名簿の年度（省略時は基礎データの年度）"},
          {"columns", 0, "LIST", false, "the file's columns in order: class, number, name, - skips",
           "ファイルの列の順（class、number、name、- は読み飛ばす）"},
          {"encoding", 0, "utf-8|cp932", false, "the file's encoding (default: found out)",
           "ファイルの文字コード（省略時は判別する）"},
          {"sheet", 0, "NAME", false, "the xlsx sheet to read (default: the first)",
           "読み込む xlsx のシート（省略時は最初のシート）"},
          {"force", 0, "", false, "replace an existing roster", "既存の名簿を置き換える"}},
         importRosterCommand},
        {"import-scores",
         "FILE",
         "merge a teacher's score sheet into a test's scores",
         "先生の点数表をテストの点数に取り込む",
         "Merges the scores of a teacher's sheet (xlsx, CSV or TSV) into the score file of grade\n"
         "G in test T, as a second scoreentry terminal saves them. The header row names 番号, a\n"
         "column per subject (the basic data's names) and 組; or the sheet is of one class, C or\n"
         "the sheet's name (then every sheet named after a class is read). A student not in the\n"
         "roster, a score above full marks or not a whole number, a subject not given in the\n"
         "test: each is printed with its row, and nothing is written unless --force leaves those\n"
         "scores out. Scores the file holds differently are listed and kept unless --force.",
         "先生の点数表（xlsx・CSV・TSV）の点数を、G 学年の第 T "
         "回の点数ファイルに、２台目の点数入力の端末が保存するのと同じように取り込みます。見出し行"
         "に"
         "番号、科目ごとの列（基礎データの科目名）と組があるか、シートが１つの組（C "
         "かシート名）のものです。名簿にない生徒、満点を超える点数や整数でない点数、その回に実施し"
         "な"
         "い科目は行とともに表示し、--force "
         "でその点数を除かない限り何も書きません。ファイルと違う点"
         "数は一覧にし、--force がなければ書きません。",
         {kTest,
          kGrade,
          {"subject", 0, "NAME", false, "take only this subject (may be given again)",
           "この科目だけを取り込む（くり返し指定できる）"},
          {"sheet", 0, "NAME", false, "the xlsx sheet to read (default: the first)",
           "読み込む xlsx のシート（省略時は最初のシート）"},
          {"class", 0, "C", false, "the class of a sheet without a class column",
           "組の列がないシートの組"},
          {"force", 0, "", false,
           "leave out the scores that cannot be taken; keep the sheet's scores\n"
           "where the file differs",
           "取り込めない点数を除いて取り込み、ファイルと違う点数は表のものにする"}},
         importScoresCommand},
        {"questions import",
         "FILE [ANSWERS]",
         "take a subject's marks per question and merge their sums",
         "教科の設問別の得点を取り込み、合計を点数に入れる",
         "Reads the questions of subject NAME (sheet 設問: 問, 配点, 領域, 観点 and perhaps 正答)\n"
         "and the marks per question (sheet 解答: 組, 番号 and one column per 問) from the\n"
         "workbook FILE, or from FILE and ANSWERS (CSV, TSV or xlsx). A mark is the points "
         "earned,\n"
         "or the choice read where the question has a 正答. The points must add up to the full\n"
         "marks; every finding is printed with its row and nothing is written while one remains.\n"
         "Each student's sum is merged into the score file of grade G in test T as import-scores\n"
         "merges it, and the marks are kept beside it (JSyy_T_G_S.txt). Sums the file holds\n"
         "differently are listed and kept unless --force.",
         "科目 NAME の設問（シート「設問」：問・配点・領域・観点と必要なら正答）と設問別の得点"
         "（シート「解答」：組・番号と問ごとの列）を xlsx の FILE から、または FILE と ANSWERS"
         "（CSV・TSV・xlsx）から読みます。得点は取った点数か、正答のある問ではマークした選択肢で"
         "す。配点の合計は満点でなければなりません。見つかった問題は行とともに表示し、１つでも"
         "あれば何も書きません。生徒ごとの合計を G 学年の第 T 回の点数ファイルに import-scores "
         "と同じように取り込み、設問別の得点をその横（JSyy_T_G_S.txt）に残します。ファイルと違う"
         "合計は一覧にし、--force がなければ書きません。",
         {kTest,
          kGrade,
          {"subject", 0, "NAME", true, "the subject, as the basic data names it",
           "科目（基礎データの科目名）"},
          {"force", 0, "", false, "keep the sheet's sums where the score file differs",
           "点数ファイルと違う合計は表のものにする"}},
         questionsImportCommand},
        {"export",
         "",
         "export a test's results to Excel or CSV",
         "テストの結果を Excel か CSV に書き出す",
         "Writes the results of grade G in test T with the roster's names, one row a student:\n"
         "per subject score, 偏差値 and rank, per combination total, 偏差値 and rank.",
         "G 学年の第 T "
         "回の成績を名簿の氏名とともに生徒１人１行で書き出します（教科ごとの点数・偏差値・"
         "順位、組み合わせごとの合計・偏差値・順位）。",
         {kYear,
          kTest,
          kGrade,
          {"format", 0, "xlsx|csv", false, "the file format (default: xlsx)",
           "ファイル形式（省略時は xlsx）"},
          {"encoding", 0, "utf-8|cp932", false, "the CSV's encoding (default: UTF-8 with BOM)",
           "CSV の文字コード（省略時は BOM 付き UTF-8）"},
          {"output", 'o', "FILE", false, "the file (default: JKyy_T_G.xlsx in the data folder)",
           "書き出すファイル（省略時はデータフォルダーの JKyy_T_G.xlsx）"},
          kRecompute,
          kForce},
         exportCommand},
        {"questions export",
         "",
         "export a subject's rates per question to Excel or CSV",
         "教科の設問別の正答率を Excel か CSV に書き出す",
         "Writes the marks per question kept for subject NAME of grade G in test T as rates, one\n"
         "row a question: 問, 配点, 領域, 観点, 学年 (the grade's rate) and a column per class,\n"
         "percentages with one decimal.",
         "G 学年の第 T 回の科目 NAME の設問別の得点から、設問ごとに１行で正答率を書き出します（問・"
         "配点・領域・観点・学年の正答率と組ごとの正答率、小数第１位までのパーセント）。",
         {kTest,
          kGrade,
          kSubject,
          {"format", 0, "xlsx|csv", false, "the file format (default: xlsx)",
           "ファイル形式（省略時は xlsx）"},
          {"encoding", 0, "utf-8|cp932", false, "the CSV's encoding (default: UTF-8 with BOM)",
           "CSV の文字コード（省略時は BOM 付き UTF-8）"},
          {"output", 'o', "FILE", false, "the file (default: JSyy_T_G_S.xlsx in the data folder)",
           "書き出すファイル（省略時はデータフォルダーの JSyy_T_G_S.xlsx）"}},
         questionsExportCommand},
        {"versions",
         "FILE",
         "list the earlier versions of a file",
         "ファイルの以前の版を一覧する",
         "Lists the earlier versions kept of FILE, a file of the data folder, newest first: its\n"
         "number, when it was replaced, the program that replaced it and its size.",
         "データフォルダーのファイル FILE の以前の版を新しい順に表示します（番号、置き換えられた日"
         "時、置き換えたプログラム、大きさ）。",
         {},
         versionsCommand},
        {"restore",
         "FILE VERSION",
         "put back an earlier version of a file",
         "ファイルを以前の版に戻す",
         "Puts back version VERSION of FILE (its number in versions). The bytes it replaces are\n"
         "kept as the newest version, so a restore is undone by restoring version 1.",
         "FILE の以前の版 VERSION（versions の番号）を戻します。置き換えられる内容は最も新しい版と"
         "して残るので、版 1 を戻せば元に戻ります。",
         {},
         restoreCommand},
        {"tests",
         "",
         "list the tests of the year",
         "年度のテストを一覧する",
         "Lists the tests the basic data sets up, one line a grade and test: the grade, the\n"
         "test's number and its name (第１回 …). The shell completion offers the numbers.",
         "基礎データで設定したテストを、学年とテストごとに１行（学年、テストの回、名前）で表示しま"
         "す。"
         "シェルの補完はこの回を候補にします。",
         {{"grade", 0, "G", false, "only the tests of grade G, 1 to 3",
           "G 学年のテストだけ（1〜3）"}},
         testsCommand},
#ifdef JITSU_CLI_PRINTING
        {"reports",
         "",
         "print the individual score reports",
         "個人票を印刷する",
         "Computes grade G's statistics in test T (no results file written) and prints the\n"
         "reports, six an A4 page, to one output (default: a trace on standard output).",
         "G 学年の第 T 回の統計を計算し（結果ファイルは書きません）、組ごとの個人票を A4 "
         "に６人ずつ、一つの出力に印刷します（省略時は標準出力に描画の記録）。",
         {kYear,
          kTest,
          kGrade,
          kClasses,
          kCombos,
          {"scale", 0, "P", false, "print magnification of positions, 80 to 200 percent",
           "印刷倍率（位置、80〜200 パーセント）"},
          {"font-scale", 0, "P", false, "magnification of font sizes, 50 to 200 percent",
           "文字の倍率（50〜200 パーセント）"},
          {"copies", 0, "N", false, "copies of every page, each on its own sheet, 1 to 10",
           "各ページの部数（1〜10）"},
          {"pages", 0, "FROM-TO", false, "the pages to print, counted across the classes",
           "印刷するページ（組を通して数える）"},
          kPdf,
          kTrace,
          kPrinter,
          kForce},
         reportsCommand},
        {"checklists",
         "",
         "print the score check lists",
         "点数チェック表を印刷する",
         "Prints the check lists of grade G for test T as proofsheet does: two identical B4\n"
         "pages a class, to one output (default: a trace on standard output).",
         "proofsheet と同じく G 学年の第 T 回の点数チェック表を組ごとに B4 で２枚ずつ、一つの出力に"
         "印刷します（省略時は標準出力に描画の記録）。",
         {kYear,
          kTest,
          kGrade,
          kClasses,
          {"deadline", 0, "M/D", false, "the deadline (default: two days on)",
           "提出期限（省略時は２日後）"},
          {"place", 0, "TEXT", false, "the place of submission", "提出場所"},
          {"scale", 0, "P", false, "print magnification, 80 to 200 percent",
           "印刷倍率（80〜200 パーセント）"},
          {"era", 0, "seireki|wareki", false,
           "print the year in 西暦 or in the Japanese era (default: the\n"
           "folder's choice)",
           "年度を西暦と和暦のどちらで印刷するか（省略時はフォルダーの設定）"},
          kPdf,
          kTrace,
          kPrinter,
          kForce},
         checklistsCommand},
        {"summary",
         "",
         "print class lists, top scorers and distributions",
         "各種集計表（組別一覧・上位者・度数分布）を印刷する",
         "Prints the summary tables of grade G in test T from the roster and the results file,\n"
         "to one output (default: a trace on standard output).",
         "名簿と結果ファイルから G 学年の第 T "
         "回の集計表を一つの出力に印刷します（省略時は標準出力に"
         "描画の記録）。",
         {kYear,
          kTest,
          kGrade,
          {"lists", 0, "LIST", false, "some of class, top, freq (default: all three)",
           "印刷する表：class、top、freq（省略時は三つとも）"},
          {"scale", 0, "P", false, "print magnification, 50 to 200 percent",
           "印刷倍率（50〜200 パーセント）"},
          {"font-scale", 0, "P", false, "magnification of font sizes, 30 to 200 percent",
           "文字の倍率（30〜200 パーセント）"},
          kPdf,
          kTrace,
          kPrinter,
          kRecompute,
          kForce},
         summaryCommand},
        {"history",
         "",
         "print students' history sheets",
         "生徒の成績推移を印刷する",
         "Prints the history sheets of grade G in year Y, two students an A4 page: per test the\n"
         "score, deviation score and rank in every subject, and a chart of the deviation scores.",
         "Y 年度の G 学年の個人成績の推移を A4 "
         "に２人ずつ印刷します（テストごとの点数・偏差値・順位と"
         "偏差値のグラフ）。",
         {kYear,
          kGrade,
          kClasses,
          {"students", 0, "NUMBERS", false, "comma-separated attendance numbers (default: all)",
           "出席番号をコンマで区切って（省略時は全員）"},
          kPdf,
          kTrace,
          kPrinter,
          kRecompute,
          kForce},
         historyCommand},
        {"trend",
         "",
         "print a grade's averages across the year",
         "学年の平均の推移を印刷する",
         "Prints one A4 landscape page for grade G in year Y: each class's average per test in\n"
         "every subject and the 5-subject total, and the grade's examinees per test.",
         "Y 年度の G 学年について、組ごと・テストごとの各教科と５教科の平均と受験者数を A4 "
         "横１ページ"
         "に印刷します。",
         {kYear, kGrade, kPdf, kTrace, kPrinter, kRecompute, kForce},
         trendCommand},
        {"questions report",
         "",
         "print a subject's analysis per question",
         "教科の設問別の分析を印刷する",
         "Prints, from the marks per question kept for subject NAME of grade G in test T, A4\n"
         "pages: the rate of every question for the grade and each class, the rates per 領域 and\n"
         "観点, each class's S-P chart with its caution indices, and each student's ○△× sheet\n"
         "(default: a trace on standard output).",
         "G 学年の第 T 回の科目 NAME の設問別の得点から、設問別正答率表、領域・観点別正答率表、"
         "組ごとの S-P 表（注意係数つき）、生徒ごとの ○△× の個票を A4 "
         "に印刷します（省略時は標準出力に描画の記録）。",
         {kTest,
          kGrade,
          kSubject,
          kClasses,
          {"parts", 0, "LIST", false, "some of rates, groups, charts, students (default: all)",
           "印刷する表：rates、groups、charts、students（省略時はすべて）"},
          kPdf,
          kTrace,
          kPrinter,
          kForce},
         questionsReportCommand},
#endif
    };
    return list;
}

// The catalogue is applied here, where a line is written: a reason made of a catalogue's text
// reads in the run's language.
int CommandContext::usageError(const std::string& reason) {
    err << "jitsuryoku " << name << ": " << tr(reason) << '\n';
    return kExitUsage;
}

int CommandContext::dataError(const std::string& reason, const char* suiteMessage) {
    if (suiteMessage) err << tr(suiteMessage) << '\n';
    err << "jitsuryoku " << name << ": " << tr(reason) << '\n';
    return kExitDataError;
}

int CommandContext::badClassList(int classCount, const std::string& list) {
    return usageError(
        because(N_("--classes must list class numbers from 1 to {1}, not '{2}'"), classCount, list)
            .text());
}

void CommandContext::warn(const std::string& text) {
    err << "jitsuryoku " << name << ": " << trFormat(N_("warning: {1}"), std::vector{text}) << '\n';
}

Stop CommandContext::judge(const std::filesystem::path& path, const FileFindings& health) {
    if (!health.damaged()) return std::nullopt;
    if (!force) return dataError(findingOf(path, health));
    warn(findingOf(path, health));
    return std::nullopt;
}

Stop CommandContext::readBasicData(BasicData& data) {
    const auto path = basicDataPath(dir);
    FileFindings health;
    if (Status read = jitsu::readBasicData(path, data, &health); !read)
        return dataError(read.reason(), text::kBasicDataMissing);
    return judge(path, health);
}

Stop CommandContext::judgeResultsAge(const GradeData& grade, unsigned year, int test,
                                     int gradeNumber) {
    const auto stale = staleResults(dir, year, test, gradeNumber);
    if (!stale) return std::nullopt;
    if (args.flag("recompute")) {
        if (Status s = recomputeResults(dir, grade, year, test, gradeNumber); !s)
            return dataError(s.reason());
        err << "jitsuryoku " << name << ": "
            << because(N_("{1}; computed again"), staleReason(*stale)).text() << '\n';
        return std::nullopt;
    }
    if (args.flag("force")) {
        warn(staleReason(*stale).text());
        return std::nullopt;
    }
    return dataError(because(N_("{1}: compute the results again first (--recompute), or use "
                                "them as they are (--force)"),
                             staleReason(*stale))
                         .text());
}

Stop CommandContext::checkTest(const BasicData& data, int grade, int test) {
    const int tests = data.grades[grade - 1].tests();
    if (tests == 0)
        return dataError(
            because(N_("{1}: grade {2} has no test"), basicDataPath(dir), grade).text());
    if (test <= tests) return std::nullopt;
    return usageError(
        because(N_("--test must be from 1 to {1}, the tests of grade {2}"), tests, grade).text());
}

int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const SystemClock clock;
    return runCli(words, out, err, clock);
}

int runCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
           const Clock& clock) {
    speakLocaleLanguage(std::getenv, userInterfaceLanguage);
    const Language language = speaksJapanese() ? Language::Japanese : Language::English;
    const Arguments tool(words, toolOptions(), true);
    if (!tool.ok()) {
        err << "jitsuryoku: "
            << because(N_("{1} (see {2} --help)"), tool.error(), "jitsuryoku").text() << '\n';
        return kExitUsage;
    }
    if (tool.flag("help") || (!tool.positional().empty() && tool.positional()[0] == "help" &&
                              tool.positional().size() == 1)) {
        out << toolHelp(true, language);
        return kExitOk;
    }
    if (tool.flag("version")) {
        out << versionLine("jitsuryoku") << '\n';
        return kExitOk;
    }
    if (tool.positional().empty()) {
        err << toolHelp(false, language);
        return kExitUsage;
    }
    std::vector<std::string> rest(tool.positional().begin() + 1, tool.positional().end());
    std::string name = tool.positional()[0];
    const bool help = name == "help";  // help COMMAND: the same as COMMAND --help
    if (help) {
        name = rest[0];
        rest.erase(rest.begin());
    }
    const auto named = [&](const std::string& n) {
        return std::find_if(commands().begin(), commands().end(),
                            [&](const Command& c) { return n == c.name; });
    };
    // A command of two words (questions import) is named by both.
    if (!rest.empty() && named(name + " " + rest[0]) != commands().end()) {
        name += " " + rest[0];
        rest.erase(rest.begin());
    }
    if (help) rest = {"--help"};
    const auto command = named(name);
    if (command == commands().end()) {
        // The first word of two-word commands alone (questions) lists its second words.
        std::string seconds;
        for (const Command& c : commands())
            if (std::string_view(c.name).starts_with(name + " "))
                seconds +=
                    (seconds.empty() ? "" : ", ") + std::string(c.name).substr(name.size() + 1);
        const Reason reason = seconds.empty()
                                  ? because(N_("unknown command '{1}'"), name)
                                  : because(N_("'{1}' needs one of: {2}"), name, seconds);
        err << "jitsuryoku: " << because(N_("{1} (see {2} --help)"), reason, "jitsuryoku").text()
            << '\n';
        return kExitUsage;
    }
    std::vector<OptionSpec> options = command->options;
    options.insert(options.end(), commonOptions().begin(), commonOptions().end());
    CommandContext context{command->name,
                           tool.option("data-dir") ? pathFromUtf8(*tool.option("data-dir"))
                                                   : std::filesystem::current_path(),
                           Arguments(rest, options),
                           out,
                           err,
                           clock};
    Arguments& args = context.args;
    if (args.flag("help")) {
        out << commandHelp(*command, language);
        return kExitOk;
    }
    const auto seeHelp = [&](Reason reason) {
        return because(N_("{1} (see {2} --help)"), std::move(reason), "jitsuryoku " + name).text();
    };
    if (!args.ok()) return context.usageError(seeHelp(Reason::verbatim(args.error())));
    const std::string_view operand = command->operand;
    // The words of the operand; those in brackets ([ANSWERS]) may be left out.
    const std::size_t operands =
        operand.empty()
            ? 0
            : 1 + static_cast<std::size_t>(std::count(operand.begin(), operand.end(), ' '));
    const std::size_t required =
        operands - static_cast<std::size_t>(std::count(operand.begin(), operand.end(), '['));
    if (args.positional().size() > operands)
        return context.usageError(
            seeHelp(because(N_("unexpected argument '{1}'"), args.positional()[operands])));
    if (args.positional().size() < required)
        return context.usageError(seeHelp(because(N_("give the {1}"), command->operand)));
    if (auto dir = args.option("data-dir")) context.dir = pathFromUtf8(*dir);
    if (context.dir.empty())
        return context.usageError(seeHelp(Reason(N_("-C and --data-dir need a directory"))));
    return command->run(context);
}

}  // namespace jitsu::cli
