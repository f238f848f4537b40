// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "ProgramOptions.h"
#include "TempDir.h"

using namespace jitsu;
using Action = ProgramOptions::Action;

struct OptionsCase {
    std::vector<std::string> words;
    Action action;
    std::string dataDir;
    std::vector<std::string> rest;
    std::string error;
};

class ProgramOptionsTable : public testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTable, ReadsTheWords) {
    const OptionsCase& c = GetParam();
    const ProgramOptions options = parseProgramOptions(c.words);
    EXPECT_EQ(options.action, c.action);
    EXPECT_EQ(options.dataDir.string(), c.dataDir);
    EXPECT_EQ(options.rest, c.rest);
    EXPECT_EQ(options.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ProgramOptionsTable,
    testing::Values(
        OptionsCase{{}, Action::Run, "", {}, ""},
        OptionsCase{{"-C", "/data/2026"}, Action::Run, "/data/2026", {}, ""},
        OptionsCase{{"--data-dir", "年度"}, Action::Run, "年度", {}, ""},
        OptionsCase{{"-C", "a", "-C", "b"}, Action::Run, "b", {}, ""},
        // Qt's own options go on to QApplication with their values.
        OptionsCase{{"-platform", "offscreen", "-C", "d", "-reverse"},
                    Action::Run,
                    "d",
                    {"-platform", "offscreen", "-reverse"},
                    ""},
        OptionsCase{{"--version"}, Action::Version, "", {}, ""},
        OptionsCase{{"--version", "--help"}, Action::Help, "", {}, ""},
        OptionsCase{{"-C"}, Action::UsageError, "", {}, "-C needs a directory"},
        OptionsCase{{"--data-dir", ""}, Action::UsageError, "", {}, "--data-dir needs a directory"},
        OptionsCase{{"year2026"}, Action::UsageError, "", {}, "unexpected argument 'year2026'"}));

TEST(ProgramOptions, HelpVersionAndUsageErrorEndTheProgram) {
    std::ostringstream out, err;
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"--version"}), "reportcard", out, err), 0);
    EXPECT_EQ(out.str(), "reportcard " JITSU_VERSION "\n");
    out.str("");
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"-h"}), "reportcard", out, err), 0);
    EXPECT_NE(out.str().find("usage: reportcard [-C DIR | --data-dir DIR]"), std::string::npos);
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"x"}), "reportcard", out, err), 2);
    EXPECT_EQ(err.str(), "reportcard: unexpected argument 'x' (see reportcard --help)\n");
}

TEST(ProgramOptions, EntersTheDataFolderOrSaysWhyNot) {
    const auto before = std::filesystem::current_path();
    TempDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"-C", dir.path().string()}), "p", out, err),
              std::nullopt);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.path()));
    std::filesystem::current_path(before);
    const std::string missing = (dir / "missing").string();
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"-C", missing}), "p", out, err), 1);
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_NE(err.str().find("p: cannot work in " + missing), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

// Without a display a window program ends at once with one line; a display or a Qt platform
// (as the tests run offscreen) lets the window open.
TEST(ProgramOptions, AWindowNeedsADisplay) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::vector<std::string> words;
        bool opens;
    };
    for (const Case& c :
         {Case{{}, {}, false}, Case{{{"DISPLAY", ""}, {"HOME", "/home/t"}}, {}, false},
          Case{{{"DISPLAY", ":0"}}, {}, true}, Case{{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
          Case{{{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
          Case{{}, {"-platform", "offscreen"}, true}}) {
        const auto environment = [&](const char* name) -> const char* {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? nullptr : it->second.c_str();
        };
        std::ostringstream err;
        const auto status =
            requireDisplay(parseProgramOptions(c.words), "reportcard", environment, err);
        EXPECT_EQ(status, c.opens ? std::nullopt : std::optional<int>(1)) << err.str();
        const std::string line = err.str();
        EXPECT_EQ(line.empty(), c.opens) << line;
        if (!c.opens) {
            EXPECT_TRUE(line.starts_with("reportcard: needs a display")) << line;
            EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
        }
    }
}
