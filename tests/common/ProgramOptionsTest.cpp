// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "Catalogue.h"
#include "FileSystem.h"
#include "Golden.h"
#include "ProgramOptions.h"
#include "TempDir.h"

using namespace jitsu;

// Each list of words and what it asks for: the action, the data folder, the words left for
// QApplication (Qt's own options with their values) and the error, in the golden file.
TEST(ProgramOptions, ReadTheWords) {
    const char* const actions[] = {"run", "help", "version", "usage error"};
    std::string out;
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{},
                                               {"-C", "/data/2026"},
                                               {"--data-dir", "年度"},
                                               {"-C", "a", "-C", "b"},
                                               {"-platform", "offscreen", "-C", "d", "-reverse"},
                                               {"--version"},
                                               {"--version", "--help"},
                                               {"-C"},
                                               {"--data-dir", ""},
                                               {"year2026"}}) {
        const ProgramOptions options = parseProgramOptions(words);
        out += "$";
        for (const std::string& word : words) out += " [" + word + "]";
        out += "\n  " + std::string(actions[static_cast<int>(options.action)]) + ", folder [" +
               options.dataDir.string() + "]" + (options.error.empty() ? "" : ": ") +
               options.error + "\n";
        for (const std::string& word : options.rest) out += "  left for Qt: " + word + "\n";
    }
    EXPECT_TRUE(matchesGolden(out, "program-options/words.txt"));
}

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
    EXPECT_EQ(
        applyProgramOptions(parseProgramOptions({"-C", utf8FromPath(dir.path())}), "p", out, err),
        std::nullopt);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.path()));
    std::filesystem::current_path(before);
    const std::string missing = utf8FromPath(dir / "missing");
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

// What a window program says on the terminal before its window opens, in Japanese where Japanese
// is spoken: the help, a wrong word, a folder it cannot enter, a missing display.
TEST(ProgramOptions, TheTerminalLinesFollowTheLanguage) {
    ASSERT_TRUE(speakJapanese());
    std::ostringstream out, err;
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"-h"}), "reportcard", out, err), 0);
    EXPECT_TRUE(out.str().starts_with("使い方: reportcard [-C DIR | --data-dir DIR]")) << out.str();
    EXPECT_NE(out.str().find("のデータファイルを扱います。"), std::string::npos) << out.str();
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"x"}), "reportcard", out, err), 2);
    EXPECT_EQ(err.str(), "reportcard: 余分な引数「x」があります（reportcard --help を参照）\n");
    err.str("");
    TempDir dir;
    const std::string missing = utf8FromPath(dir / "missing");
    EXPECT_EQ(applyProgramOptions(parseProgramOptions({"-C", missing}), "p", out, err), 1);
    EXPECT_TRUE(err.str().starts_with("p: " + missing + " で作業できません: ")) << err.str();
    EXPECT_EQ(err.str().find("No such"), std::string::npos) << err.str();
    err.str("");
    EXPECT_EQ(requireDisplay(
                  parseProgramOptions({}), "reportcard",
                  [](const char*) -> const char* { return nullptr; }, err),
              1);
    EXPECT_TRUE(err.str().starts_with("reportcard: ディスプレイが必要です")) << err.str();
    speakEnglish();
}
