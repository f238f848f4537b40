// SPDX-License-Identifier: GPL-3.0-or-later
#include "Help.h"

#include <algorithm>
#include <sstream>

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

}  // namespace

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

std::string commandHelp(const Command& command) {
    std::ostringstream out;
    wrapWords(out, "usage: jitsuryoku", synopsisWords(command),
              18 + std::string(command.name).size());
    out << '\n' << command.description << "\n\nOptions:\n";
    auto list = [&](const OptionSpec& option) {
        std::string label = "  " + optionLabel(option);
        label.resize(std::max(label.size() + 2, kHelpColumn), ' ');
        std::istringstream help(option.help);
        std::string line;
        for (bool first = true; std::getline(help, line); first = false)
            out << (first ? label : std::string(kHelpColumn, ' ')) << line << '\n';
    };
    std::for_each(command.options.begin(), command.options.end(), list);
    for (const OptionSpec& option : commonOptions()) list(option);
    return out.str();
}

std::string toolHelp(bool full) {
    std::ostringstream out;
    out << "usage: jitsuryoku [-C DIR] COMMAND [OPTIONS…]\n"
           "       jitsuryoku COMMAND --help | jitsuryoku --help | jitsuryoku --version\n";
    if (full)
        out << "\nThe proficiency-test suite's command-line tool. -C DIR (--data-dir DIR) works "
               "on\n"
               "the data files in DIR instead of the current directory. Exit status: 0 success,\n"
               "1 data or file error, 2 wrong usage.\n";
    out << "\nCommands:\n";
    std::size_t width = 0;  // the longest name, and two blanks before the brief
    for (const Command& command : commands())
        width = std::max(width, std::string_view(command.name).size() + 4);
    for (const Command& command : commands()) {
        std::string name = "  " + std::string(command.name);
        name.resize(width, ' ');
        out << name << command.brief << '\n';
    }
    return out.str();
}

}  // namespace jitsu::cli
