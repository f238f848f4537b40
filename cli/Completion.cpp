// SPDX-License-Identifier: GPL-3.0-or-later
#include "Completion.h"

#include <map>
#include <sstream>
#include <string_view>

#include "Commands.h"
#include "Help.h"

namespace jitsu::cli {

namespace {

// "-o|--output": the words that name an option.
std::string names(const OptionSpec& option) {
    std::string text = option.letter ? std::string{'-', option.letter, '|'} : std::string();
    return text.append("--").append(option.name);
}

// What completes the value `value` names (DIR, FILE, QUEUE, T, G, a|b), as bash.
std::string valueCompletion(std::string_view value) {
    if (value == "DIR") return "_filedir -d";
    if (value == "FILE") return "_filedir";
    if (value == "QUEUE")
        return "COMPREPLY=($(compgen -W \"$(lpstat -e 2>/dev/null)\" -- \"$cur\"))";
    if (value == "G") return "COMPREPLY=($(compgen -W \"1 2 3\" -- \"$cur\"))";
    if (value == "T")
        return "COMPREPLY=($(compgen -W \"$(\"$1\" ${dir:+-C \"$dir\"} tests "
               "${grade:+--grade \"$grade\"} 2>/dev/null | awk '{print $2}' | sort -un)\" -- "
               "\"$cur\"))";
    if (value.find('|') != std::string_view::npos) {
        std::string words(value);
        for (char& c : words)
            if (c == '|') c = ' ';
        return "COMPREPLY=($(compgen -W \"" + words + "\" -- \"$cur\"))";
    }
    return ":";  // a number or a text: nothing to offer
}

}  // namespace

std::string bashCompletion() {
    // The options with a value, as case patterns ("--pdf | --trace"), by how the value is
    // completed.
    std::map<std::string, std::string> values;
    const auto addValue = [&](const OptionSpec& option) {
        if (!*option.value) return;
        std::string& patterns = values[valueCompletion(option.value)];
        const std::string pattern = names(option);
        if (patterns.find(pattern) == std::string::npos)
            patterns += (patterns.empty() ? "" : " | ") + pattern;
    };
    // The first words of the commands; a command of two words (questions import) is completed
    // word by word, its first word a group of the second words.
    std::string commandNames;
    std::map<std::string, std::string> groups;
    for (const Command& command : commands()) {
        const std::string_view name = command.name;
        const std::string first(name.substr(0, name.find(' ')));
        if (first.size() < name.size())
            groups[first] += std::string(groups[first].empty() ? "" : " ") +
                             std::string(name.substr(first.size() + 1));
        if (first.size() == name.size() || groups[first].find(' ') == std::string::npos)
            commandNames += std::string(commandNames.empty() ? "" : " ") + first;
        for (const OptionSpec& option : command.options) addValue(option);
    }
    std::string groupPattern;
    for (const auto& [group, words] : groups)
        groupPattern += (groupPattern.empty() ? "" : " | ") + group;
    for (const OptionSpec& option : toolOptions()) addValue(option);

    std::ostringstream out;
    out << "# bash completion for jitsuryoku, written from its option tables\n"
           "_jitsuryoku() {\n"
           "    local cur prev words cword split\n"
           "    _init_completion -s || return\n"
           "    # The command, and the folder and grade the line names so far.\n"
           "    local i command='' dir='' grade=''\n"
           "    for ((i = 1; i < cword; i++)); do\n"
           "        case ${words[i]} in\n"
           "            -C | --data-dir) dir=${words[i + 1]}; ((i++)) ;;\n"
           "            --data-dir=*) dir=${words[i]#*=} ;;\n"
           "            -C?*) dir=${words[i]#-C} ;;\n"
           "            --grade) grade=${words[i + 1]}; ((i++)) ;;\n"
           "            --grade=*) grade=${words[i]#*=} ;;\n";
    std::string valueOptions;
    for (const auto& [completion, patterns] : values)
        valueOptions += (valueOptions.empty() ? "" : " | ") + patterns;
    out << "            " << valueOptions << ") ((i++)) ;;\n"
        << "            -*) ;;\n"
           "            *) if [[ ! $command ]]; then command=${words[i]}\n"
           "               elif [[ $command == @("
        << (groupPattern.empty() ? "''" : groupPattern)
        << ") ]]; then command+=\" ${words[i]}\"; fi ;;\n"
           "        esac\n"
           "    done\n"
           "    case $prev in\n";
    for (const auto& [completion, patterns] : values)
        out << "        " << patterns << ")\n            " << completion
            << "\n            return ;;\n";
    out << "    esac\n"
           "    $split && return\n"
           "    local options\n"
           "    case $command in\n"
           "        '')\n"
           "            if [[ $cur == -* ]]; then\n"
           "                options='";
    for (const OptionSpec& option : toolOptions())
        out << (option.letter ? std::string{'-', option.letter, ' '} : std::string()) << "--"
            << option.name << (&option == &toolOptions().back() ? "" : " ");
    out << "'\n"
           "            else\n"
           "                COMPREPLY=($(compgen -W '"
        << commandNames
        << " help' -- \"$cur\"))\n"
           "                return\n"
           "            fi ;;\n"
           "        help)\n"
           "            COMPREPLY=($(compgen -W '"
        << commandNames << "' -- \"$cur\"))\n            return ;;\n";
    for (const auto& [group, words] : groups)
        out << "        " << group << ")\n            COMPREPLY=($(compgen -W '" << words
            << "' -- \"$cur\"))\n            return ;;\n";
    for (const Command& command : commands()) {
        out << "        '" << command.name << "')\n            options='";
        std::string list;
        for (const OptionSpec& option : command.options) list += " --" + std::string(option.name);
        for (const OptionSpec& option : commonOptions())
            list += std::string(" -") + option.letter + " --" + option.name;
        out << list.substr(1) << "'\n";
        if (*command.operand)
            out << "            [[ $cur == -* ]] || { "
                << valueCompletion(std::string_view(command.operand)
                                       .substr(0, std::string_view(command.operand).find(' ')))
                << "; return; } ;;\n";
        else
            out << "            ;;\n";
    }
    out << "        *) return ;;\n"
           "    esac\n"
           "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "} &&\n"
           "    complete -F _jitsuryoku jitsuryoku\n";
    return out.str();
}

std::string programBashCompletion(const std::string& program) {
    return "# bash completion for " + program +
           "\n"
           "_jitsuryoku_program() {\n"
           "    local cur prev words cword split\n"
           "    _init_completion -s || return\n"
           "    case $prev in\n"
           "        -C | --data-dir)\n"
           "            _filedir -d\n"
           "            return ;;\n"
           "    esac\n"
           "    $split && return\n"
           "    COMPREPLY=($(compgen -W '-C --data-dir -h --help --version' -- \"$cur\"))\n"
           "} &&\n"
           "    complete -F _jitsuryoku_program " +
           program + "\n";
}

}  // namespace jitsu::cli
