// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FolderSettings.h"
#include "TempDir.h"

using namespace jitsu;

TEST(Era, PrintsTheYearAsSchoolsWriteIt) {
    struct Case {
        unsigned year;
        const char* wareki;
    };
    for (const Case& c : {Case{2000, "平成１２"}, Case{2018, "平成３０"}, Case{2019, "令和元"},
                          Case{2020, "令和２"}, Case{2026, "令和８"}, Case{2028, "令和１０"},
                          Case{2100, "令和８２"}}) {
        EXPECT_EQ(printedYear(c.year, Era::Wareki), c.wareki) << c.year;
        EXPECT_EQ(printedYear(c.year, Era::Seireki), std::to_string(c.year));
    }
}

TEST(Era, WordsRoundTripAndNothingElseIsAnEra) {
    for (Era era : {Era::Seireki, Era::Wareki}) EXPECT_EQ(parseEra(eraWord(era)), era);
    for (const char* word : {"", "Wareki", "reiwa", "wareki ", "和暦"})
        EXPECT_FALSE(parseEra(word)) << word;
}

TEST(FolderSettings, AFolderWithoutTheFileHasTheDefaults) {
    TempDir dir;
    FolderSettings settings{Era::Wareki};
    ASSERT_TRUE(readFolderSettings(dir.path(), settings));
    EXPECT_EQ(settings.era, Era::Seireki);
}

TEST(FolderSettings, WhatIsWrittenIsReadBackInCrLfLines) {
    TempDir dir;
    ASSERT_TRUE(writeFolderSettings(dir.path(), {Era::Wareki}));
    EXPECT_EQ(readBytes(folderSettingsPath(dir.path())), "era=wareki\r\n");
    FolderSettings settings;
    ASSERT_TRUE(readFolderSettings(dir.path(), settings));
    EXPECT_EQ(settings.era, Era::Wareki);
}

// An unknown line is named by its line. The suite never writes a file without its setting: an
// empty one is a cut copy, and reading it as the defaults would print the Western year where the
// school chose the Japanese era.
TEST(FolderSettings, WhatIsNotTheSuitesSettingsIsRefusedNamingTheFile) {
    struct Case {
        const char* text;
        const char* named;
    };
    for (const Case& c :
         {Case{"era=wareki\r\nera=reiwa\r\n", "jitsuryoku-settings.txt:2:"},
          Case{"\r\nfont=big\r\n", "jitsuryoku-settings.txt:2:"},
          Case{"era=seireki\r\nwareki\r\n", "jitsuryoku-settings.txt:2:"},
          Case{"", "jitsuryoku-settings.txt:"}, Case{"\n\n", "jitsuryoku-settings.txt:"}}) {
        TempDir dir;
        writeBytes(folderSettingsPath(dir.path()), c.text);
        FolderSettings settings;
        Status read = readFolderSettings(dir.path(), settings);
        ASSERT_FALSE(read) << c.text;
        EXPECT_NE(read.reason().find(c.named), std::string::npos) << read.reason();
    }
}
