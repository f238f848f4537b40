// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "Commands.h"

namespace jitsu::cli {

// The tool's own options, before the command: -C/--data-dir, -h/--help, --version.
std::span<const OptionSpec> toolOptions();

// The synopsis of `command` as words: its name, its required options with their values, the
// others in brackets, its operand. "[--year Y]" is one word.
std::vector<std::string> synopsisWords(const Command& command);

// "-o, --output FILE" or "    --year Y": an option as its help and manual pages name it.
std::string optionLabel(const OptionSpec& option);

// `jitsuryoku COMMAND --help`: the synopsis, the description and one line per option (a few
// for the combinations), under 25 lines.
std::string commandHelp(const Command& command);

// The short usage and the list of commands, which `jitsuryoku` alone prints; with `full`, as
// --help, also what -C does and the exit statuses.
std::string toolHelp(bool full);

}  // namespace jitsu::cli
