// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Help.h"

using namespace jitsu::cli;

TEST(Help, CountsTheColumnsATerminalGives) {
    struct Case {
        const char* text;
        std::size_t columns;
    };
    for (const Case& c : {Case{"", 0}, Case{"--year Y", 8}, Case{"年度", 4}, Case{"ｱｲｳ", 3},
                          Case{"（１〜１０）", 12}, Case{"a日ｱ", 4}})
        EXPECT_EQ(displayColumns(c.text), c.columns) << c.text;
}

TEST(Help, BreaksJapaneseWhereJapaneseBreaks) {
    struct Case {
        const char* text;
        std::size_t width;
        std::vector<std::string> lines;
    };
    for (const Case& c : {
             Case{"あいうえおかきくけこさ", 10, {"あいうえお", "かきくけこ", "さ"}},
             // A closing sign, the long vowel mark and small kana hang on the line before.
             Case{"あいうえ。お", 8, {"あいうえ。", "お"}},
             Case{"ステータス", 4, {"ステー", "タス"}},
             Case{"あいうっか", 6, {"あいうっ", "か"}},
             // Latin words are never split; the blank at a break is dropped.
             Case{"あいう JKyy_T_G.txt を", 10, {"あいう", "JKyy_T_G.txt", "を"}},
             Case{"あいう えお", 6, {"あいう", "えお"}},
             Case{"結果 (--force) を", 12, {"結果", "(--force) を"}},
             Case{"あ\nい", 10, {"あ", "い"}},
         })
        EXPECT_EQ(japaneseLines(c.text, c.width), c.lines) << c.text;
}

// The help of every command fits the terminal's 90 columns in both languages, and the Japanese
// one says something other than the English.
TEST(Help, EveryCommandsHelpFitsInBothLanguages) {
    for (const Command& command : commands()) {
        const std::string japanese = commandHelp(command, Language::Japanese);
        EXPECT_NE(japanese, commandHelp(command, Language::English)) << command.name;
        for (Language language : {Language::English, Language::Japanese}) {
            std::istringstream help(commandHelp(command, language));
            for (std::string line; std::getline(help, line);)
                EXPECT_LE(displayColumns(line), 90u) << command.name << ": " << line;
        }
    }
}
