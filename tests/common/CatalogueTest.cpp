// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <locale.h>

#include <cerrno>
#include <map>

#include "Catalogue.h"
#include "Reason.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// Japanese for the length of a test.
struct InJapanese {
    InJapanese() { EXPECT_TRUE(speakJapanese()); }
    ~InJapanese() { speakEnglish(); }
};

}  // namespace

// A reason is a value until shown: the same one reads in either language, its places filled in
// the order the language puts them.
TEST(Reason, ReadsInTheLanguageOfTheProcessWhenShown) {
    const Reason why = because(N_("{1}: the folder {2} takes no new file: {3}"), "/d/JK26_2_1.txt",
                               "/d", Reason::ofErrno(EACCES, true));
    EXPECT_EQ(why.text(),
              "/d/JK26_2_1.txt: the folder /d takes no new file: no permission to write");
    InJapanese japanese;
    EXPECT_EQ(why.text(),
              "/d/JK26_2_1.txt: フォルダー /d "
              "に新しいファイルを作れません（書き込みの許可がありません）");
    EXPECT_EQ(
        because(N_("{1} score(s) for {2}, which test {3} does not give"), 3, "社会", 2).text(),
        "第2回で実施しない社会に点数が 3 個あります");
}

TEST(Reason, TheDisksRefusalsReadAsATeacherSaysThem) {
    InJapanese japanese;
    const std::map<int, std::string> expected = {{ENOSPC, "空き容量がありません"},
                                                 {EDQUOT, "空き容量がありません"},
                                                 {EROFS, "読み取り専用です"},
                                                 {EACCES, "書き込みの許可がありません"},
                                                 {EPERM, "書き込みの許可がありません"}};
    for (const auto& [error, text] : expected) EXPECT_EQ(Reason::ofErrno(error, true).text(), text);
    EXPECT_EQ(Reason::ofErrno(EACCES).text(), "読み取りの許可がありません");
}

// One the catalogue does not name: the system's own description, in Japanese where the system
// has the Japanese locale, and its number.
TEST(Reason, AnErrorTheCatalogueDoesNotNameKeepsTheSystemsWords) {
    InJapanese japanese;
    const locale_t system =
        ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "ja_JP.UTF-8", locale_t{});
    if (!system) GTEST_SKIP() << "no ja_JP.UTF-8 locale";
    ::freelocale(system);
    EXPECT_EQ(
        Reason::ofErrno(EXDEV, true).text(),
        "システムのエラー「無効なクロスデバイスリンクです」（番号 " + std::to_string(EXDEV) + "）");
}

// LC_ALL, then LC_MESSAGES, then LANG: the first that is set and not empty decides; only when
// none is set (a Windows PC) does the system's language.
TEST(Catalogue, TheCommandLineFollowsTheLocaleThenTheSystem) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string system;
        bool japanese;
    };
    const Case cases[] = {
        {{{"LANG", "ja_JP.UTF-8"}}, "", true},
        {{{"LANG", "C"}}, "", false},
        {{}, "", false},
        {{{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "C"}}, "", true},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "C"}, {"LANG", "ja_JP.UTF-8"}}, "", false},
        {{{"LC_MESSAGES", "ja_JP.eucJP"}, {"LANG", "en_GB.UTF-8"}}, "", true},
        {{}, "ja-JP", true},
        {{}, "en-US", false},
        {{{"LANG", ""}}, "ja-JP", true},
        {{{"LANG", "C.UTF-8"}}, "ja-JP", false},
        {{{"LANG", "ja_JP.UTF-8"}}, "en-US", true},
    };
    for (const Case& c : cases) {
        speakLocaleLanguage(
            [&](const char* name) -> const char* {
                const auto found = c.environment.find(name);
                return found == c.environment.end() ? nullptr : found->second.c_str();
            },
            [&] { return c.system; });
        EXPECT_EQ(speaksJapanese(), c.japanese) << c.system;
        EXPECT_EQ(tr(N_("no space left on the disk")),
                  c.japanese ? "空き容量がありません" : "no space left on the disk");
    }
    speakEnglish();
}

// Whatever the catalogue file holds, loading it never reads past its end: a cut or garbled
// file is no catalogue, and every text stays as written.
TEST(Catalogue, ACutOrGarbledFileIsNoCatalogue) {
    TempDir dir;
    const std::string real = readBytes(japaneseCataloguePath());
    ASSERT_GT(real.size(), 1000u);
    Catalogue whole;
    ASSERT_TRUE(whole.load(japaneseCataloguePath()));
    EXPECT_EQ(whole.lookup("Confirm"), "確認");
    EXPECT_EQ(whole.lookup("not a text of the suite"), "not a text of the suite");
    std::string flipped = real;
    for (std::size_t at : {std::size_t(12), std::size_t(16)}) flipped[at + 3] = '\x7f';
    for (const std::string& bytes :
         {real.substr(0, 27), real.substr(0, real.size() / 2), flipped, std::string(100, '\xde')}) {
        writeBytes(dir / "bad.mo", bytes);
        Catalogue bad;
        EXPECT_FALSE(bad.load(dir / "bad.mo"));
        EXPECT_EQ(bad.size(), 0u);
    }
    Catalogue none;
    EXPECT_FALSE(none.load(dir / "missing.mo"));
}
