// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "Catalogue.h"
#include "FakeMessages.h"
#include "FileSystem.h"
#include "Fixtures.h"
#include "GradeFiles.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "StartUp.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// Grade 2 of 2001: two classes of three students, two subjects; its roster and test 4's scores.
class GradeFilesTest : public testing::Test {
protected:
    GradeFilesTest() {
        data.year = 2001;
        data.rosterTag.assign("N");
        data.grades[1] = makeGrade(2, 3, 2, 4);
        writeBytes(roster, "1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n6,f\r\n");
        auto written = std::make_unique<TestScores>();
        written->scores[1][1][2] = 77;
        EXPECT_TRUE(writeScores(scores, data.grades[1], *written));
    }

    Status read() { return readGradeFiles(dir.path(), data, 2001, 4, 1, *files, messages); }

    TempDir dir;
    const std::filesystem::path roster = rosterPath(dir.path(), "N", 2001, 2);
    const std::filesystem::path scores = scorePath(dir.path(), 2001, 4, 2);
    BasicData data;
    std::unique_ptr<GradeFiles> files = std::make_unique<GradeFiles>();
    FakeMessages messages;
};

// A missing roster or score file: one stop box naming what is missing, a beep, no scores.
TEST_F(GradeFilesTest, AMissingFileIsAnnouncedAndNothingIsRead) {
    for (const auto& [path, message] : {std::pair{roster, text::kRosterMissingPrint},
                                        std::pair{scores, text::kScoresMissingPrint}}) {
        const std::string bytes = readBytes(path);
        std::filesystem::remove(path);
        messages.shown.clear();
        const Status status = read();
        EXPECT_FALSE(status);
        EXPECT_NE(status.reason().find(path.filename().string()), std::string::npos)
            << status.reason();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, message);
        EXPECT_EQ(files->scores.scores[1][1][2], -1);
        writeBytes(path, bytes);
    }
    EXPECT_EQ(messages.beeps, 2);
}

// Runs `open` answering No (Esc) and then Yes: one box about a damaged file each time, Esc the
// safe answer, and `open` goes on only on Yes. Returns the box's detail.
template <typename Open>
std::string judgedBothWays(FakeMessages& messages, Open open) {
    std::string detail;
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.shown.clear();
        messages.answers = {answer};
        EXPECT_EQ(open(), answer == MessageAnswer::Yes);
        EXPECT_EQ(messages.shown.size(), 1u);
        const auto& box = messages.shown.at(0);  // none: an exception fails the test
        EXPECT_EQ(box.text, text::kDamagedFile);
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.safeAnswer, MessageAnswer::No);
        detail = box.detail;
    }
    return detail;
}

}  // namespace

// A roster with CR-only line ends, a score file written under other counts, and the basic data
// file read when a program starts: each is shown with the file and the finding before it is used.
TEST_F(GradeFilesTest, ADamagedFileIsShownAndThePersonGoesOnOrStops) {
    const auto readOnce = [&] {
        const Status status = read();
        EXPECT_TRUE(status || status.reason() == messages.shown.at(0).detail) << status.reason();
        return bool(status);
    };
    const std::string sound = readBytes(roster);
    writeBytes(roster, "1,a\r2,b\r");
    EXPECT_EQ(judgedBothWays(messages, readOnce),
              utf8FromPath(roster) +
                  ": 2 values out of range or malformed, line 1 column 1: 3 fields, a roster line "
                  "has 2 (student number, name), line 2 column 1: 1 names, the head counts add "
                  "up to 6: later names land on the wrong students; CR-only line ends");
    writeBytes(roster, sound);
    writeBytes(scores, readBytes(scores) + "1 2 \r\n");
    EXPECT_EQ(judgedBothWays(messages, readOnce),
              utf8FromPath(scores) + ": written for another shape: 182 values, 180 expected");

    data.schoolName.assign(sj("第一中学校"));
    data.testName.assign(sj("実力テスト"));
    const auto path = basicDataPath(dir.path());
    ASSERT_TRUE(writeBasicData(path, textsOf(data)));
    BasicData basic;
    messages.shown.clear();
    EXPECT_TRUE(openBasicData(dir.path(), basic, messages));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].detail;
    writeBytes(path, readBytes(path).substr(0, 60));
    const std::string detail =
        judgedBothWays(messages, [&] { return openBasicData(dir.path(), basic, messages); });
    EXPECT_EQ(detail.rfind(utf8FromPath(path) + ": ", 0), 0u) << detail;
}

// Head counts past the 450 names a roster holds: a warning names the first student printed
// without a name before anything else is read, and No stops.
TEST_F(GradeFilesTest, HeadCountsPastTheRosterAreAWarningBeforePrinting) {
    // Eleven full classes: every head count in range, the grade past the roster from class 11.
    data.grades[1] = makeGrade(11, 45, 2, 4);
    messages.answers = {MessageAnswer::No};
    ASSERT_TRUE(speakJapanese());  // as the windows speak: the class's name inside the sentence
    const Status status = read();
    speakEnglish();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "名簿に入るのは 450 人までです。" + data.grades[1].classNames[10].utf8() +
                  "組 1 番から後の生徒は名前なしで印刷されます。このまま印刷しますか？");
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_FALSE(status);
}
