// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace jitsu {

// What the suite asks of the system besides files; one implementation per platform.

// The folder the running program's file is in; empty when the system does not say.
std::filesystem::path programFolder();

// The running program's name without folder or ".exe" (it names the program in saved
// versions).
std::string programName();

// `time` in the computer's time zone.
std::tm localTime(std::time_t time);

// The language the person chose for the system's own texts, as a tag such as "ja-JP"; empty
// where the system keeps no such choice besides the locale's variables (POSIX).
std::string userInterfaceLanguage();

// The system's own words for the C library's error number `error`: in Japanese when the process
// speaks it (speaksJapanese) and the system has them, else in English.
std::string systemErrorText(int error);

// The error number that means the same to the person as the system's error number `error`
// (a full quota as a full disk, a stale shared file or its server down as the network down);
// `error` itself for every other.
int portableError(int error);

// The program's arguments after its name, as UTF-8 (main's `argv` is in the system's code page
// on Windows); on Windows the console is also set to show UTF-8, and the standard output and
// error to write "\n" as it is.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace jitsu
