// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Limits.h"

namespace jitsu::cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

// One option a command takes, as its --help, its manual pages and the shell completion show it.
struct OptionSpec {
    const char* name;        // the long name, without "--"
    char letter = 0;         // the one-letter form ('o' for -o), 0 for none
    const char* value = "";  // the value's name in the help (FILE); empty for a switch
    bool required = false;
    const char* help = "";    // English, one line or a few joined by '\n'
    const char* helpJa = "";  // the same in Japanese, for the Japanese manual page
};

// A command's arguments, read with getopt_long as every GNU tool reads them: --name value,
// --name=value, -o value, -ovalue, switches, an unambiguous prefix of a long name, and "--"
// ending the options; the other words are positional, wherever they stand.
class Arguments {
public:
    Arguments() = default;
    // Reads `words` against `specs`. An undeclared option, a missing value or a value given to a
    // switch is an error; so are missing required options, all named in one error. With
    // `optionsFirst`, the options end at the first positional word (a command's name).
    Arguments(const std::vector<std::string>& words, std::span<const OptionSpec> specs,
              bool optionsFirst = false);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    std::optional<std::string> option(const std::string& name) const;
    // Every value of an option that may be given more than once, in order.
    std::vector<std::string> options(const std::string& name) const;
    bool flag(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

    // A whole number within [min, max] from option `name`, or `fallback` when it is absent.
    // Sets the error and returns nullopt when the text is not such a number.
    std::optional<int> intOption(const std::string& name, int min, int max, int fallback);
    // Like intOption, for an option the command requires (its absence has been reported).
    std::optional<int> requiredInt(const std::string& name, int min, int max);

    // What a command on one grade's test needs: --year (kFirstYear to kLastYear), --test (1 to 10)
    // and
    // --grade (1 to 3). Sets the error and returns nullopt otherwise.
    struct GradeTest {
        int year, test, grade;
    };
    std::optional<GradeTest> gradeTest();

private:
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flagsSet_;
    std::vector<std::string> positional_;
    std::string error_;
};

// A whole number written in decimal with an optional sign and nothing else.
std::optional<long long> parseWholeNumber(const std::string& text);

// Two whole numbers joined by `separator` ("3/15", "2-4"), the first within [min1, max1], the
// second within [min2, max2]; nullopt for any other text.
std::optional<std::pair<int, int>> parseNumberPair(const std::string& text, char separator,
                                                   int min1, int max1, int min2, int max2);

}  // namespace jitsu::cli
