// SPDX-License-Identifier: GPL-3.0-or-later
#include <locale.h>
#include <string.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Catalogue.h"
#include "System.h"

namespace jitsu {

std::filesystem::path programFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n))).parent_path();
}

std::string programName() { return program_invocation_short_name; }

std::tm localTime(std::time_t time) {
    std::tm local{};
    ::localtime_r(&time, &local);
    return local;
}

// The locale's variables are the only choice of language POSIX keeps.
std::string userInterfaceLanguage() { return {}; }

// In Japanese when the system has the Japanese locale and the C library's translations
// (libc-l10n).
std::string systemErrorText(int error) {
    if (speaksJapanese())
        if (locale_t japanese =
                ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "ja_JP.UTF-8", locale_t{})) {
            std::string text = ::strerror_l(error, japanese);
            ::freelocale(japanese);
            return text;
        }
    return std::strerror(error);
}

int portableError(int error) {
    switch (error) {
        case EDQUOT:
            return ENOSPC;
        case ESTALE:
        case EHOSTDOWN:
            return ENETDOWN;
        default:
            return error;
    }
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace jitsu
