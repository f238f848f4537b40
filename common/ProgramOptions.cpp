// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramOptions.h"

#include <algorithm>
#include <system_error>

#include "FileSystem.h"
#include "Reason.h"

namespace jitsu {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitDataError = 1;
constexpr int kExitUsage = 2;

bool startsWithDash(const std::string& word) { return !word.empty() && word[0] == '-'; }

}  // namespace

ProgramOptions parseProgramOptions(const std::vector<std::string>& words) {
    ProgramOptions options;
    const auto fail = [&](std::string reason) {
        options.action = ProgramOptions::Action::UsageError;
        options.error = std::move(reason);
        return options;
    };
    constexpr std::string_view kDataDirIs = "--data-dir=";
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            options.action = ProgramOptions::Action::Help;
        } else if (word == "--version") {
            if (options.action == ProgramOptions::Action::Run)
                options.action = ProgramOptions::Action::Version;
        } else if (word == "-C" || word == "--data-dir") {
            if (i + 1 >= words.size() || words[i + 1].empty())
                return fail(because(N_("{1} needs a directory"), word).text());
            options.dataDir = pathFromUtf8(words[++i]);
        } else if (word.starts_with(kDataDirIs)) {
            if (word.size() == kDataDirIs.size())
                return fail(because(N_("{1} needs a directory"), "--data-dir").text());
            options.dataDir = pathFromUtf8(word.substr(kDataDirIs.size()));
        } else if (startsWithDash(word)) {
            options.rest.push_back(word);
            if (i + 1 < words.size() && !startsWithDash(words[i + 1]))
                options.rest.push_back(words[++i]);
        } else {
            return fail(because(N_("unexpected argument '{1}'"), word).text());
        }
    }
    return options;
}

std::string versionLine(std::string_view program) {
    return std::string(program) + " " + JITSU_VERSION;
}

std::optional<int> applyProgramOptions(const ProgramOptions& options, std::string_view program,
                                       std::ostream& out, std::ostream& err) {
    switch (options.action) {
        case ProgramOptions::Action::Help:
            out << because(N_("usage: {1} [-C DIR | --data-dir DIR] [--help] [--version]"), program)
                       .text()
                << '\n'
                << tr(N_("One of the proficiency-test suite's programs (実力テスト). It works on "
                         "the data\nfiles of the current directory, or of DIR with -C DIR or "
                         "--data-dir DIR."))
                << '\n';
            return kExitOk;
        case ProgramOptions::Action::Version:
            out << versionLine(program) << '\n';
            return kExitOk;
        case ProgramOptions::Action::UsageError:
            err << program << ": "
                << because(N_("{1} (see {2} --help)"), options.error, program).text() << '\n';
            return kExitUsage;
        case ProgramOptions::Action::Run:
            break;
    }
    if (options.dataDir.empty()) return std::nullopt;
    std::error_code error;
    std::filesystem::current_path(options.dataDir, error);
    if (!error) return std::nullopt;
    err << program << ": "
        << because(N_("cannot work in {1}: {2}"), options.dataDir,
                   Reason::ofErrno(error.default_error_condition().value()))
               .text()
        << '\n';
    return kExitDataError;
}

std::optional<int> requireDisplay(const ProgramOptions& options, std::string_view program,
                                  const std::function<const char*(const char*)>& environment,
                                  std::ostream& err) {
    const auto set = [&](const char* name) {
        const char* value = environment(name);
        return value && *value;
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM") ||
        std::find(options.rest.begin(), options.rest.end(), "-platform") != options.rest.end())
        return std::nullopt;
    err << program << ": "
        << tr(N_("needs a display (DISPLAY or WAYLAND_DISPLAY is not set); jitsuryoku does the "
                 "printing and computing on the command line (see jitsuryoku --help)"))
        << '\n';
    return kExitDataError;
}

}  // namespace jitsu
