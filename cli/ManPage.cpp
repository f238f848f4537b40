// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManPage.h"

#include <sstream>
#include <vector>

#include "Commands.h"
#include "Help.h"

namespace jitsu::cli {

namespace {

const WindowProgram kPrograms[] = {
    {"jitsuryoku-launcher", "start the proficiency-test suite's programs on a data folder",
     "データフォルダーを選んで実力テストの各プログラムを起動する",
     "The launcher (menu entry 実力テスト) shows what a data folder holds — for every grade and\n"
     "test, when the score and results files were saved — and the findings of jitsuryoku check,\n"
     "and starts each of the five programs in that folder. It remembers the folder chosen.",
     "ランチャー（メニューの「実力テスト」）は、データフォルダーの中身（学年とテストごとの点数ファ"
     "イルと"
     "結果ファイルの保存日時）と jitsuryoku check の結果を示し、五つのプログラムをそのフォルダーで"
     "起動します。選んだフォルダーを覚えています。"},
    {"jitsuryoku-basesetup", "set up a school year's basic data", "年度の基礎データを設定する",
     "Sets up the school year: the school, grades, classes and head counts, subjects, tests\n"
     "and their full marks, saved as the basic data file wqnmkiso.txt.",
     "学校名、学年・組・人数、教科、テストと満点など年度の基礎データを設定し、基礎データファイル "
     "wqnmkiso.txt に保存します。"},
    {"jitsuryoku-scoreentry", "type in the scores of a test", "テストの点数を入力する",
     "Types in the scores of a test, class by class and subject by subject, into the score\n"
     "file JTyy_T_G.txt of the grade.",
     "テストの点数を組ごと・教科ごとに入力し、学年の点数ファイル JTyy_T_G.txt に保存します。"},
    {"jitsuryoku-proofsheet", "print the score check lists", "点数チェック表を印刷する",
     "Prints the check lists on which students verify their own scores: two identical B4\n"
     "pages a class (jitsuryoku checklists does the same on the command line).",
     "生徒が自分の点数を確かめる点数チェック表を、組ごとに B4 で２枚ずつ印刷します"
     "（コマンドラインでは jitsuryoku checklists）。"},
    {"jitsuryoku-reportcard", "compute the results and print the individual reports",
     "成績を計算して個人票を印刷する",
     "Computes totals, averages, deviation scores and ranks, saves the results file\n"
     "JKyy_T_G.txt and prints the individual score reports (jitsuryoku results and\n"
     "jitsuryoku reports do the same on the command line).",
     "合計・平均・偏差値・順位を計算して結果ファイル JKyy_T_G.txt に保存し、個人票を印刷します"
     "（コマンドラインでは jitsuryoku results と jitsuryoku reports）。"},
    {"jitsuryoku-summaryprint", "print class lists, top scorers and frequency distributions",
     "学級一覧表・上位者一覧表・度数分布表を印刷する",
     "Prints the summary tables of a test from the results files: class lists, top-scorer\n"
     "lists and frequency distributions (jitsuryoku summary does the same on the command\n"
     "line).",
     "結果ファイルから学級一覧表・上位者一覧表・度数分布表を印刷します"
     "（コマンドラインでは jitsuryoku summary）。"},
};

// The section headings, English and Japanese.
struct Words {
    const char *name, *synopsis, *description, *options, *commands, *exitStatus, *environment,
        *examples, *seeAlso;
};
constexpr Words kEnglish{"NAME",        "SYNOPSIS",    "DESCRIPTION", "OPTIONS", "COMMANDS",
                         "EXIT STATUS", "ENVIRONMENT", "EXAMPLES",    "SEE ALSO"};
constexpr Words kJapanese{"名前",           "書式",     "説明", "オプション", "コマンド",
                          "終了ステータス", "環境変数", "例",   "関連項目"};

// Text as roff reads it: '-' and '\' escaped, a line starting with '.' or '\'' made plain.
std::string roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '-')
            out += "\\-";
        else if (c == '\\')
            out += "\\e";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

// "\fB\-\-year\fR \fIY\fR": an option's tag, from the same label the help shows.
std::string optionTag(const OptionSpec& option) {
    std::string tag;
    if (option.letter) tag += "\\fB\\-" + std::string(1, option.letter) + "\\fR, ";
    tag += "\\fB" + roff(std::string("--") + option.name) + "\\fR";
    if (*option.value) tag += " \\fI" + roff(option.value) + "\\fR";
    return tag;
}

void listOption(std::ostream& out, const OptionSpec& option, Language language) {
    out << ".TP\n"
        << optionTag(option) << '\n'
        << roff(language == Language::Japanese ? option.helpJa : option.help) << '\n';
}

void header(std::ostream& out, const std::string& name, const std::string& date,
            Language language) {
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    out << ".TH " << roff(upper) << " 1 " << date << " \"jitsuryoku " << JITSU_VERSION
        << "\" \"実力テスト\"\n";
    // groff breaks Japanese text between characters only with its ja macros; lines are left
    // ragged, as justifying them would stretch the blanks between the few Latin words.
    if (language == Language::Japanese) out << ".if \\n(.g .mso ja.tmac\n.ad l\n";
}

void seeAlso(std::ostream& out, const std::string& self, const Words& words) {
    std::vector<std::string> names{"jitsuryoku"};
    for (const WindowProgram& program : kPrograms) names.push_back(program.name);
    std::erase(names, self);
    out << ".SH " << words.seeAlso << '\n';
    for (std::size_t i = 0; i < names.size(); ++i)
        out << ".BR " << roff(names[i]) << " (1)" << (i + 1 < names.size() ? ",\n" : "\n");
}

}  // namespace

std::span<const WindowProgram> windowPrograms() { return kPrograms; }

std::string toolManPage(Language language, const std::string& date) {
    const bool ja = language == Language::Japanese;
    const Words& words = ja ? kJapanese : kEnglish;
    std::ostringstream out;
    header(out, "jitsuryoku", date, language);
    out << ".SH " << words.name << "\njitsuryoku \\- "
        << (ja ? "実力テストの成績をコマンドラインで計算・印刷する"
               : "compute and print a school's proficiency-test results from the command line")
        << "\n.SH " << words.synopsis
        << "\n.B jitsuryoku\n[\\fB\\-C\\fR \\fIDIR\\fR] \\fICOMMAND\\fR [\\fIOPTIONS\\fR ...]\n"
           ".br\n.B jitsuryoku\n\\fICOMMAND\\fR \\fB\\-\\-help\\fR\n.br\n.B jitsuryoku\n"
           "\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n"
        << ".SH " << words.description << '\n'
        << roff(
               ja ? "jitsuryoku "
                    "は中学校の実力テストのプログラム集「実力テスト」のコマンドライン版です。"
                    "現在のディレクトリー（または -C DIR）のデータファイル（基礎データ "
                    "wqnmkiso.txt、"
                    "各学年の名簿、点数ファイル JTyy_T_G.txt、結果ファイル JKyy_T_G.txt、"
                    "CP932、CR LF）を扱い、ウィンドウのプログラムと同じページを PDF ファイル、"
                    "描画の記録、CUPS のプリンターに出力します。オプションは GNU の流儀で読みます"
                    "（--name=value、--name value、-- 以降はオプションではない）。"
                  : "jitsuryoku is the command-line tool of 実力テスト, the proficiency-test suite "
                    "of a junior high school. It works on the data files in the current directory "
                    "(or DIR with -C): the basic data file wqnmkiso.txt, the roster of every "
                    "grade, the score files JTyy_T_G.txt and the results files JKyy_T_G.txt "
                    "(code page 932, CR LF), and prints the pages the window programs print to "
                    "PDF files, to traces of the drawing calls or to CUPS queues. Options are read "
                    "as GNU tools read them: --name=value or --name value, and -- ends them.")
        << "\n.SH " << words.options << '\n';
    for (const OptionSpec& option : toolOptions()) listOption(out, option, language);
    out << ".SH " << words.commands << '\n'
        << roff(ja ? "どのコマンドも -C DIR（--data-dir DIR）と -h（--help）を受け付けます。"
                   : "Every command also takes -C DIR (--data-dir DIR) and -h (--help).")
        << '\n';
    for (const Command& command : commands()) {
        out << ".SS " << command.name << "\n.B jitsuryoku\n";
        std::string synopsis;
        for (const std::string& word : synopsisWords(command)) synopsis += word + ' ';
        synopsis.pop_back();
        out << roff(synopsis) << "\n.PP\n"
            << roff(ja ? command.descriptionJa : command.description) << '\n';
        for (const OptionSpec& option : command.options) listOption(out, option, language);
    }
    out << ".SH " << words.exitStatus << "\n.TP\n.B 0\n"
        << (ja ? "成功。" : "Success.") << "\n.TP\n.B 1\n"
        << roff(ja ? "データファイルがない、読めない、書けない、またはエラーが見つかった（名前を表"
                     "示します）。"
                   : "A data file is missing, unreadable or could not be written, or check found "
                     "an error; the message names the file.")
        << "\n.TP\n.B 2\n"
        << (ja ? "使い方の誤り。" : "Wrong usage.") << '\n'
        << ".SH " << words.examples << "\n.nf\n"
        << roff(
               "jitsuryoku demo ~/demo-year\n"
               "jitsuryoku -C ~/demo-year results --year=2026 --test 2 --grade 1\n"
               "jitsuryoku -C ~/demo-year reports --year 2026 --test 2 --grade 1 --pdf r.pdf\n"
               "jitsuryoku -C ~/demo-year check --json")
        << "\n.fi\n";
    seeAlso(out, "jitsuryoku", words);
    return out.str();
}

std::string programManPage(const WindowProgram& program, Language language,
                           const std::string& date) {
    const bool ja = language == Language::Japanese;
    const Words& words = ja ? kJapanese : kEnglish;
    std::ostringstream out;
    header(out, program.name, date, language);
    out << ".SH " << words.name << '\n'
        << roff(program.name) << " \\- " << (ja ? program.summaryJa : program.summary) << '\n'
        << ".SH " << words.synopsis << "\n.B " << roff(program.name)
        << "\n[\\fB\\-C\\fR \\fIDIR\\fR | \\fB\\-\\-data\\-dir\\fR \\fIDIR\\fR] "
           "[\\fB\\-\\-help\\fR] [\\fB\\-\\-version\\fR]\n"
        << ".SH " << words.description << '\n'
        << roff(ja ? program.descriptionJa : program.description) << "\n.PP\n"
        << roff(ja ? "実力テストのプログラムの一つで、現在のディレクトリー（または -C DIR）のデータ"
                     "ファイルを扱います。ウィンドウのプログラムなのでディスプレイが必要です。"
                   : "One of the programs of 実力テスト, the proficiency-test suite; it works on "
                     "the data files of the current directory, or of DIR with -C. It is a window "
                     "program and needs a display.")
        << "\n.SH " << words.options << '\n';
    for (const OptionSpec& option : toolOptions()) listOption(out, option, language);
    out << ".SH " << words.environment << "\n.TP\n.BR DISPLAY \", \" WAYLAND_DISPLAY\n"
        << roff(ja ? "ウィンドウを開くディスプレイ。どちらもなければ、その旨を１行表示して終了ステ"
                     "ータス "
                     "1 で終わります。"
                   : "The display to open the window on. Without either, the program says so in "
                     "one line and ends with exit status 1.")
        << "\n.SH " << words.exitStatus << "\n.TP\n.B 0\n"
        << (ja ? "正常に終わった。" : "The window was closed.") << "\n.TP\n.B 1\n"
        << roff(ja ? "ディスプレイがない、またはデータフォルダーに入れない。"
                   : "No display, or the data folder cannot be entered.")
        << "\n.TP\n.B 2\n"
        << (ja ? "使い方の誤り。" : "Wrong usage.") << '\n';
    seeAlso(out, program.name, words);
    return out.str();
}

}  // namespace jitsu::cli
