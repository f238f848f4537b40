#include <gtest/gtest.h>

#include <memory>

#include "FakeMessages.h"
#include "Fixtures.h"
#include "GradeFiles.h"
#include "MessageTexts.h"
#include "Paths.h"
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

TEST_F(GradeFilesTest, AMissingRosterIsAnnouncedAndTheScoresAreNotRead) {
    std::filesystem::remove(rosterPath(dir.path(), "N", 2001, 2));
    const Status status = read();
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason().find("N012.csv"), std::string::npos) << status.reason();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(files->scores.scores[1][1][2], -1);
}

TEST_F(GradeFilesTest, AMissingScoreFileIsAnnounced) {
    std::filesystem::remove(scorePath(dir.path(), 2001, 4, 2));
    const Status status = read();
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason().find("JT01_4_2.txt"), std::string::npos) << status.reason();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kScoresMissingPrint);
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.beeps, 1);
}

}  // namespace
