// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"

namespace jitsu::cli {

// The columns a terminal gives `text` (UTF-8): one a character for ASCII and half-width
// katakana, two for the rest (kanji, kana, full-width signs).
std::size_t displayColumns(std::string_view text);

// Japanese text (UTF-8) as lines of at most `width` columns, each paragraph ("\n") on lines of
// its own. A line breaks between two Japanese characters or at a blank (dropped), never inside
// a run of Latin letters and never before a closing sign, the long vowel mark or small kana,
// which may hang two columns past `width`.
std::vector<std::string> japaneseLines(std::string_view text, std::size_t width);

// The tool's own options, before the command: -C/--data-dir, -h/--help, --version.
std::span<const OptionSpec> toolOptions();

// The synopsis of `command` as words: its name, its required options with their values, the
// others in brackets, its operand. "[--year Y]" is one word.
std::vector<std::string> synopsisWords(const Command& command);

// "-o, --output FILE" or "    --year Y": an option as its help and manual pages name it.
std::string optionLabel(const OptionSpec& option);

// `jitsuryoku COMMAND --help`: the synopsis, the description and one line per option (a few
// for the combinations), under 25 lines; in Japanese wrapped to the same width.
std::string commandHelp(const Command& command, Language language);

// The short usage and the list of commands, which `jitsuryoku` alone prints; with `full`, as
// --help, also what -C does and the exit statuses.
std::string toolHelp(bool full, Language language);

}  // namespace jitsu::cli
