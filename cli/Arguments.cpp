#include "Arguments.h"

#include <algorithm>

#include "DecimalNumber.h"

namespace jitsu::cli {

std::optional<long long> parseWholeNumber(const std::string& text) {
    auto number = wholeNumber(text);
    if (!number || number->digits > 12) return std::nullopt;
    return number->value();
}

std::optional<std::vector<bool>> parseClassList(const std::string& list, int classCount) {
    std::vector<bool> ticked(static_cast<std::size_t>(std::max(classCount, 0)), false);
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        auto number = parseWholeNumber(list.substr(start, comma - start));
        if (!number || *number < 1 || *number > classCount) return std::nullopt;
        ticked[static_cast<std::size_t>(*number - 1)] = true;
        if (comma == list.size()) return ticked;
        start = comma + 1;
    }
}

Arguments::Arguments(std::vector<std::string> words, std::vector<std::string> options,
                     std::vector<std::string> flags) {
    auto has = [](const std::vector<std::string>& list, const std::string& w) {
        return std::find(list.begin(), list.end(), w) != list.end();
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            positional_.push_back(word);
        } else if (has(flags, word.substr(2))) {
            flagsSet_.push_back(word.substr(2));
        } else if (has(options, word.substr(2))) {
            if (i + 1 >= words.size()) {
                error_ = word + " needs a value";
                return;
            }
            values_.emplace_back(word.substr(2), words[++i]);
        } else {
            error_ = "unknown option " + word;
            return;
        }
    }
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
        error_ = "--" + name + " must be a whole number from " + std::to_string(min) + " to " +
                 std::to_string(max) + ", not '" + *text + "'";
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<int> Arguments::requiredInt(const std::string& name, int min, int max) {
    if (!option(name)) {
        error_ = "--" + name + " is required";
        return std::nullopt;
    }
    return intOption(name, min, max, 0);
}

std::optional<Arguments::GradeTest> Arguments::gradeTest() {
    if (!positional_.empty()) {
        error_ = "unexpected argument '" + positional_[0] + "'";
        return std::nullopt;
    }
    auto year = requiredInt("year", 2000, 2100);
    auto test = requiredInt("test", 1, 10);
    auto grade = requiredInt("grade", 1, 3);
    if (!year || !test || !grade) return std::nullopt;
    return GradeTest{*year, *test, *grade};
}

}  // namespace jitsu::cli
