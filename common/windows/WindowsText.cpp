// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsText.h"

#include <cerrno>
#include <vector>

namespace jitsu {

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
    return out;
}

Reason windowsReason(DWORD error, bool writing) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return Reason::ofErrno(ENOENT, writing);
        case ERROR_ACCESS_DENIED:
            return Reason::ofErrno(EACCES, writing);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return Reason::ofErrno(ENOSPC, writing);
        case ERROR_WRITE_PROTECT:
            return Reason::ofErrno(EROFS, writing);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return Reason::ofErrno(EBUSY, writing);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return Reason::ofErrno(EEXIST, writing);
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return Reason::ofErrno(ENOMEM, writing);
        default:
            break;
    }
    return because(N_("{1} (error {2})"), windowsErrorText(error),
                   static_cast<unsigned long>(error));
}

std::string windowsErrorText(DWORD error) {
    std::vector<LANGID> languages;
    if (speaksJapanese()) languages.push_back(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN));
    // English, else whatever the system has.
    languages.insert(languages.end(), {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 0});
    for (const LANGID language : languages) {
        wchar_t* text = nullptr;
        const DWORD n = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, error, language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::string words = n > 0 ? utf8FromWide(std::wstring_view(text, n)) : std::string();
        ::LocalFree(text);
        while (!words.empty() &&
               (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
            words.pop_back();
        if (!words.empty()) return words;
    }
    return {};
}

}  // namespace jitsu
