// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuitePrograms.h"

#include <string>
#include <system_error>

namespace jitsu::launcher {

namespace {

bool isExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    using std::filesystem::perms;
    return !error && std::filesystem::is_regular_file(status) &&
           (status.permissions() & perms::owner_exec) != perms::none;
}

}  // namespace

const std::array<SuiteProgram, 5>& suitePrograms() {
    static const std::array<SuiteProgram, 5> programs = {{
        {"basesetup", "基礎データ", false},
        {"scoreentry", "点数入力", true},
        {"proofsheet", "点数チェック表", true},
        {"reportcard", "個人票 印刷", true},
        {"summaryprint", "各種集計表印刷", true},
    }};
    return programs;
}

std::string installedName(std::string_view name) { return "jitsuryoku-" + std::string(name); }

std::filesystem::path findProgram(const std::filesystem::path& launcherDir, std::string_view name) {
    for (const auto& candidate :
         {launcherDir / installedName(name), launcherDir.parent_path() / name / name})
        if (isExecutableFile(candidate)) return candidate;
    return {};
}

}  // namespace jitsu::launcher
