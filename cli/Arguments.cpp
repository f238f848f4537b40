// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

#include <getopt.h>

#include <algorithm>

#include "DecimalNumber.h"
#include "Reason.h"

namespace jitsu::cli {

std::optional<long long> parseWholeNumber(const std::string& text) {
    auto number = wholeNumber(text);
    if (!number || number->digits > 12) return std::nullopt;
    return number->value();
}

std::optional<std::pair<int, int>> parseNumberPair(const std::string& text, char separator,
                                                   int min1, int max1, int min2, int max2) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return std::nullopt;
    const auto first = parseWholeNumber(text.substr(0, at));
    const auto second = parseWholeNumber(text.substr(at + 1));
    if (!first || !second || *first < min1 || *first > max1 || *second < min2 || *second > max2)
        return std::nullopt;
    return std::pair{static_cast<int>(*first), static_cast<int>(*second)};
}

namespace {

// "--a, --b and --c", in the run's language.
std::string joinedNames(const std::vector<std::string>& names) {
    std::string text = "--" + names[0];
    for (std::size_t i = 1; i < names.size(); ++i)
        text = because(i + 1 < names.size() ? N_("{1}, {2}") : N_("{1} and {2}"), text,
                       "--" + names[i])
                   .text();
    return text;
}

}  // namespace

Arguments::Arguments(const std::vector<std::string>& words, std::span<const OptionSpec> specs,
                     bool optionsFirst) {
    // getopt_long tells an option by the number it returns: kLong + its index in `specs`.
    constexpr int kLong = 256;
    // ':' first: a missing value is told from an unknown option; '+' before it: no reordering.
    std::string shortOptions = optionsFirst ? "+:" : ":";
    std::vector<struct option> longOptions;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const bool takesValue = *specs[i].value != '\0';
        longOptions.push_back({specs[i].name, takesValue ? required_argument : no_argument, nullptr,
                               kLong + static_cast<int>(i)});
        if (specs[i].letter)
            shortOptions += std::string(1, specs[i].letter) + (takesValue ? ":" : "");
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});
    std::vector<std::string> argvWords = {"jitsuryoku"};
    argvWords.insert(argvWords.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& word : argvWords) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argvWords.size());

    const auto specOf = [&](int code) -> const OptionSpec* {
        if (code >= kLong) return &specs[static_cast<std::size_t>(code - kLong)];
        if (code == 0) return nullptr;  // an unknown long option
        for (const OptionSpec& spec : specs)
            if (spec.letter == code) return &spec;
        return nullptr;
    };
    optind = 0;  // 0, not 1: GNU getopt starts afresh, forgetting the previous command line
    opterr = 0;
    for (int code; (code = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(),
                                       nullptr)) != -1;) {
        const std::string word = argv[optind - 1];
        const OptionSpec* spec = specOf(code == '?' || code == ':' ? optopt : code);
        if (code == ':') {
            error_ = because(N_("{1} needs a value"), word.starts_with("--")
                                                          ? "--" + std::string(spec->name)
                                                          : "-" + std::string(1, spec->letter))
                         .text();
            return;
        }
        if (code == '?') {
            error_ = spec ? because(N_("{1} takes no value"), "--" + std::string(spec->name)).text()
                          : because(N_("unknown option '{1}'"),
                                    optopt ? "-" + std::string(1, static_cast<char>(optopt))
                                           : word.substr(0, word.find('=')))
                                .text();
            return;
        }
        if (*spec->value)
            values_.emplace_back(spec->name, optarg);
        else
            flagsSet_.push_back(spec->name);
    }
    // getopt_long has moved the positional words behind the options in `argv`.
    positional_.assign(argv.begin() + optind, argv.begin() + argc);
    std::vector<std::string> missing;
    for (const OptionSpec& spec : specs)
        if (spec.required && !option(spec.name)) missing.push_back(spec.name);
    if (!missing.empty())
        error_ = because(missing.size() == 1 ? N_("{1} is required") : N_("{1} are required"),
                         joinedNames(missing))
                     .text();
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it)
        if (it->first == name) return it->second;
    return std::nullopt;
}

std::vector<std::string> Arguments::options(const std::string& name) const {
    std::vector<std::string> values;
    for (const auto& [key, value] : values_)
        if (key == name) values.push_back(value);
    return values;
}

bool Arguments::flag(const std::string& name) const {
    return std::find(flagsSet_.begin(), flagsSet_.end(), name) != flagsSet_.end();
}

std::optional<int> Arguments::intOption(const std::string& name, int min, int max, int fallback) {
    auto text = option(name);
    if (!text) return fallback;
    auto value = parseWholeNumber(*text);
    if (!value || *value < min || *value > max) {
        error_ = because(N_("--{1} must be a whole number from {2} to {3}, not '{4}'"), name, min,
                         max, *text)
                     .text();
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<int> Arguments::requiredInt(const std::string& name, int min, int max) {
    if (!option(name)) return std::nullopt;
    return intOption(name, min, max, 0);
}

std::optional<Arguments::GradeTest> Arguments::gradeTest() {
    auto year = requiredInt("year", kFirstYear, kLastYear);
    auto test = requiredInt("test", 1, kMaxTests);
    auto grade = requiredInt("grade", 1, kGrades);
    if (!year || !test || !grade) return std::nullopt;
    return GradeTest{*year, *test, *grade};
}

}  // namespace jitsu::cli
