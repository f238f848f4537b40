// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "FileSystem.h"
#include "System.h"
#include "WindowsText.h"

namespace jitsu {

namespace {

std::filesystem::path programFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return {};
        if (n < name.size()) return std::filesystem::path(name.substr(0, n));
        name.resize(name.size() * 2);
    }
}

}  // namespace

std::filesystem::path programFolder() { return programFile().parent_path(); }

std::string programName() { return utf8FromPath(programFile().stem()); }

std::string userInterfaceLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    const int n = ::LCIDToLocaleName(MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                                     LOCALE_NAME_MAX_LENGTH, 0);
    return n > 1 ? utf8FromWide(std::wstring_view(name, static_cast<std::size_t>(n - 1))) : "";
}

// The C library has its texts in English only; the system's own errors (windowsReason) are
// worded by Windows in the person's language.
std::string systemErrorText(int error) { return std::strerror(error); }

std::tm localTime(std::time_t time) {
    std::tm local{};
    ::localtime_s(&local, &time);
    return local;
}

// Windows' C library has none of the POSIX-only numbers.
int portableError(int error) { return error; }

std::vector<std::string> commandLineArguments(int, char**) {
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    // The output is the same bytes as on Linux: "\n" stays one byte, not CR LF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(words[i]));
    ::LocalFree(words);
    return arguments;
}

}  // namespace jitsu
