#pragma once

#include <optional>
#include <string>
#include <vector>

namespace jitsu::cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

// A command's arguments: "--name value" options, "--flag" switches and positional words.
// Every option must be declared; anything else is a usage error.
class Arguments {
public:
    Arguments(std::vector<std::string> words, std::vector<std::string> options,
              std::vector<std::string> flags);

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
    // Like intOption, but the option must be present.
    std::optional<int> requiredInt(const std::string& name, int min, int max);

    // What a command on one grade's test needs: --year (2000 to 2100), --test (1 to 10) and
    // --grade (1 to 3), and no positional words. Sets the error and returns nullopt otherwise.
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

// The classes named by a comma-separated list of class numbers 1 … classCount (as "1,3"), one
// flag per class; nullopt when an item is not such a number or the list is empty.
std::optional<std::vector<bool>> parseClassList(const std::string& list, int classCount);

// A whole number written in decimal with an optional sign and nothing else.
std::optional<long long> parseWholeNumber(const std::string& text);

}  // namespace jitsu::cli
