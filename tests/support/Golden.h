// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempDir.h"

// Golden files: exact output (traces, results files, pages) kept under tests/data/, one folder
// per case holding its input files and its expected output, reviewed like code.
//
//   goldenPath("grade-small/results.txt")    JITSU_TESTDATA_DIR/grade-small/results.txt
//   EXPECT_TRUE(matchesGolden(bytes, "grade-small/results.txt"))
//
// matchesGolden compares byte for byte and names the first difference. With JITSU_UPDATE_GOLDEN=1
// in the environment (scripts/update-golden.sh) it writes `actual` to the golden file instead and
// passes: an intended change is one command and a reviewed `git diff tests/data`.

inline std::filesystem::path goldenPath(const std::string& relative) {
    return std::filesystem::path(JITSU_TESTDATA_DIR) / relative;
}

inline ::testing::AssertionResult matchesGolden(const std::string& actual,
                                                const std::string& relative) {
    const std::filesystem::path path = goldenPath(relative);
    if (const char* update = std::getenv("JITSU_UPDATE_GOLDEN");
        update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        writeBytes(path, actual);
        return ::testing::AssertionSuccess() << "updated " << path;
    }
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure()
               << path << " is missing (JITSU_UPDATE_GOLDEN=1 writes it)";
    const std::string expected = readBytes(path);
    if (actual == expected) return ::testing::AssertionSuccess();
    auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(a - actual.begin());
    const auto line = 1 + std::count(actual.begin(), a, '\n');
    const auto excerpt = [at](const std::string& s) {
        return s.substr(at - std::min<std::size_t>(at, 20), 40);
    };
    return ::testing::AssertionFailure()
           << path << " differs at byte " << at << " (line " << line << ", " << actual.size()
           << " bytes against " << expected.size() << ")\n  actual:   \"" << excerpt(actual)
           << "\"\n  expected: \"" << excerpt(expected) << "\"";
}
