#include <gtest/gtest.h>

#include <memory>

#include "FakeMessages.h"
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
        writeBytes(rosterPath(dir.path(), "N", 2001, 2),
                   "1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n6,f\r\n");
        scores->scores[1][1][2] = 77;
        EXPECT_TRUE(writeScores(scorePath(dir.path(), 2001, 4, 2), data.grades[1], *scores));
    }

    Status read() { return readGradeFiles(dir.path(), data, 2001, 4, 1, *files, messages); }

    TempDir dir;
    BasicData data;
    std::unique_ptr<TestScores> scores = std::make_unique<TestScores>();
    std::unique_ptr<GradeFiles> files = std::make_unique<GradeFiles>();
    FakeMessages messages;
};

TEST_F(GradeFilesTest, ReadsTheRosterWithItsClassRangesAndTheScores) {
    ASSERT_TRUE(read());
    EXPECT_EQ(files->roster.classFirst[1], 3);
    EXPECT_EQ(files->roster.nameAt(files->roster.entryOf(1, 2)), "f");
    EXPECT_EQ(files->scores.scores[1][1][2], 77);
    EXPECT_EQ(files->scores.scores[0][0][0], -1);
    EXPECT_TRUE(messages.shown.empty());
}

// A missing roster or score file: one stop box naming what is missing, a beep, no scores.
TEST_F(GradeFilesTest, AMissingFileIsAnnouncedAndNothingIsRead) {
    const std::pair<std::filesystem::path, const char*> cases[] = {
        {rosterPath(dir.path(), "N", 2001, 2), text::kRosterMissingPrint},
        {scorePath(dir.path(), 2001, 4, 2), text::kScoresMissingPrint}};
    for (const auto& [path, message] : cases) {
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

}  // namespace

// A score file written under other counts, a roster with CR-only line ends: each is shown with
// the file and the finding before it is used, Esc (the safe answer) stopping.
TEST_F(GradeFilesTest, ADamagedFileIsShownAndThePersonGoesOnOrStops) {
    const auto scoreFile = scorePath(dir.path(), 2001, 4, 2);
    writeBytes(scoreFile, readBytes(scoreFile) + "1 2 \r\n");
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.shown.clear();
        messages.answers = {answer};
        const Status status = read();
        EXPECT_EQ(bool(status), answer == MessageAnswer::Yes);
        ASSERT_EQ(messages.shown.size(), 1u);
        const auto& box = messages.shown[0];
        EXPECT_EQ(box.text, text::kDamagedFile);
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.safeAnswer, MessageAnswer::No);
        EXPECT_EQ(box.detail,
                  scoreFile.string() + ": written for another shape: 182 values, 180 expected");
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(status.reason(), box.detail);
        }
    }
    writeBytes(rosterPath(dir.path(), "N", 2001, 2), "1,a\r2,b\r");
    messages.shown.clear();
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(read());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].detail.find("N012.csv: CR-only line ends"), std::string::npos);
}

// The basic data file read when a program starts: a damaged one is shown with its finding, and
// the person's answer decides whether the program goes on.
TEST_F(GradeFilesTest, ADamagedBasicDataFileIsShownAtStartUp) {
    data.schoolName.assign(sj("第一中学校"));
    data.testName.assign(sj("実力テスト"));
    ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), textsOf(data)));
    BasicData read;
    EXPECT_TRUE(openBasicData(dir.path(), read, messages));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].detail;
    const auto path = basicDataPath(dir.path());
    writeBytes(path, readBytes(path).substr(0, 60));
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.shown.clear();
        messages.answers = {answer};
        EXPECT_EQ(openBasicData(dir.path(), read, messages), answer == MessageAnswer::Yes);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, text::kDamagedFile);
        EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
        EXPECT_EQ(messages.shown[0].detail.rfind(path.string() + ": ", 0), 0u);
    }
}
