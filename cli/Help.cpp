// SPDX-License-Identifier: GPL-3.0-or-later
#include "Help.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "Utf8.h"

namespace jitsu::cli {

namespace {

constexpr std::size_t kWidth = 90;       // help lines are wrapped before this column
constexpr std::size_t kHelpColumn = 24;  // where an option's help begins

// Appends `words` after `lead`, wrapped at kWidth with continuation lines indented to `indent`.
void wrapWords(std::ostream& out, const std::string& lead, const std::vector<std::string>& words,
               std::size_t indent) {
    std::string line = lead;
    for (const std::string& word : words) {
        if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
            out << line << '\n';
            line = std::string(indent, ' ') + word;
        } else {
            line += ' ' + word;
        }
    }
    out << line << '\n';
}

// Characters a Japanese line does not begin with (closing signs, the long vowel mark, small
// kana): they stay at the end of the line before, one or two columns past the width.
bool closesLine(std::string_view character) {
    for (std::string_view sign : {"、", "。", "）", "」", "』", "，", "．", "・", "ー", "っ", "ゃ",
                                  "ゅ", "ょ", "ッ", "ャ", "ュ", "ョ"})
        if (character == sign) return true;
    return false;
}

// The words of the help in one language.
struct HelpWords {
    const char* usage;
    const char* options;
    const char* commands;
    const char* about;  // what --help says of the tool besides its commands
};

const HelpWords kEnglishWords{
    "usage:", "Options:", "Commands:",
    "The proficiency-test suite's command-line tool. -C DIR (--data-dir DIR) works on\n"
    "the data files in DIR instead of the current directory. Exit status: 0 success,\n"
    "1 data or file error, 2 wrong usage."};
const HelpWords kJapaneseWords{
    "使い方:", "オプション:", "コマンド:",
    "中学校の実力テストのプログラム集「実力テスト」のコマンドライン版です。-C DIR（--data-dir "
    "DIR）を付けると、現在のディレクトリーの代わりに DIR のデータファイルを扱います。終了ステー"
    "タス: 0 成功、1 データかファイルのエラー、2 使い方の誤り。"};

const HelpWords& wordsFor(Language language) {
    return language == Language::Japanese ? kJapaneseWords : kEnglishWords;
}

// `text` as the help prints it: English as written (its lines are laid out in the tables),
// Japanese wrapped to the help's width after `indent` columns, with room for a sign that hangs.
std::vector<std::string> helpLines(const char* english, const char* japanese, Language language,
                                   std::size_t indent) {
    if (language == Language::Japanese) return japaneseLines(japanese, kWidth - 2 - indent);
    std::vector<std::string> lines;
    std::istringstream in(english);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::size_t displayColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = std::max<std::size_t>(utf8SequenceLength(text, i), 1);
        const std::string_view character = text.substr(i, length);
        const bool halfWidthKana = length == 3 && character >= "\xEF\xBD\xA1" &&
                                   character <= "\xEF\xBE\x9F";  // U+FF61 to U+FF9F
        columns += length == 1 || halfWidthKana ? 1 : 2;
        i += length;
    }
    return columns;
}

std::vector<std::string> japaneseLines(std::string_view text, std::size_t width) {
    std::vector<std::string> lines{""};
    std::size_t columns = 0;
    auto breakLine = [&] {
        while (lines.back().ends_with(' ')) lines.back().pop_back();
        lines.emplace_back();
        columns = 0;
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n') {
            breakLine();
            ++i;
            continue;
        }
        // The next unit: a blank, a run of Latin letters and signs, or one Japanese character.
        std::size_t end = i + std::max<std::size_t>(utf8SequenceLength(text, i), 1);
        if (static_cast<unsigned char>(text[i]) < 0x80 && text[i] != ' ')
            while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80 &&
                   text[end] != ' ' && text[end] != '\n')
                ++end;
        const std::string_view unit = text.substr(i, end - i);
        i = end;
        const std::size_t unitColumns = displayColumns(unit);
        if (unit == " " && columns == 0) continue;
        if (columns > 0 && columns + unitColumns > width && unit != " " && !closesLine(unit))
            breakLine();
        lines.back() += unit;
        columns += unitColumns;
    }
    return lines;
}

std::span<const OptionSpec> toolOptions() {
    static const OptionSpec options[] = {
        commonOptions()[0],
        commonOptions()[1],
        {"version", 0, "", false, "show the version and end", "版を表示して終わる"},
    };
    return options;
}

std::vector<std::string> synopsisWords(const Command& command) {
    std::vector<std::string> words{command.name};
    for (const OptionSpec& option : command.options) {
        std::string word = option.required ? "--" : "[--";
        word.append(option.name);
        if (*option.value) word.append(" ").append(option.value);
        if (!option.required) word.append("]");
        words.push_back(word);
    }
    if (*command.operand) words.push_back(command.operand);
    return words;
}

std::string optionLabel(const OptionSpec& option) {
    std::string label(4, ' ');
    if (option.letter) {
        label[0] = '-';
        label[1] = option.letter;
        label[2] = ',';
    }
    label.append("--").append(option.name);
    if (*option.value) label.append(" ").append(option.value);
    return label;
}

std::string commandHelp(const Command& command, Language language) {
    const HelpWords& words = wordsFor(language);
    std::ostringstream out;
    const std::string lead = std::string(words.usage) + " jitsuryoku";
    // Continuation lines begin under the blank after the command's name.
    wrapWords(out, lead, synopsisWords(command),
              displayColumns(lead) + 1 + std::string_view(command.name).size());
    out << '\n';
    for (const std::string& line :
         helpLines(command.description, command.descriptionJa, language, 0))
        out << line << '\n';
    out << '\n' << words.options << '\n';
    auto list = [&](const OptionSpec& option) {
        std::string label = "  " + optionLabel(option);
        label.resize(std::max(label.size() + 2, kHelpColumn), ' ');
        bool first = true;
        for (const std::string& line :
             helpLines(option.help, option.helpJa, language, label.size())) {
            out << (first ? label : std::string(label.size(), ' ')) << line << '\n';
            first = false;
        }
    };
    std::for_each(command.options.begin(), command.options.end(), list);
    for (const OptionSpec& option : commonOptions()) list(option);
    return out.str();
}

std::string toolHelp(bool full, Language language) {
    const HelpWords& words = wordsFor(language);
    std::ostringstream out;
    const std::string usage = words.usage;
    out << usage << " jitsuryoku [-C DIR] COMMAND [OPTIONS…]\n"
        << std::string(displayColumns(usage) + 1, ' ')
        << "jitsuryoku COMMAND --help | jitsuryoku --help | jitsuryoku --version\n";
    if (full) {
        out << '\n';
        for (const std::string& line : helpLines(words.about, words.about, language, 0))
            out << line << '\n';
    }
    out << '\n' << words.commands << '\n';
    std::size_t width = 0;  // the longest name, and two blanks before the brief
    for (const Command& command : commands())
        width = std::max(width, std::string_view(command.name).size() + 4);
    for (const Command& command : commands()) {
        std::string name = "  " + std::string(command.name);
        name.resize(width, ' ');
        out << name << (language == Language::Japanese ? command.briefJa : command.brief) << '\n';
    }
    return out.str();
}

}  // namespace jitsu::cli
