#include <gtest/gtest.h>

#include "BasicData.h"
#include "Fixtures.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

BasicDataTexts oneByOne() {
    BasicDataTexts texts;
    texts.schoolName = sj("桜中学校");
    texts.testName = sj("実力テスト");
    texts.year = 2001;
    for (auto& grade : texts.grades) {
        grade.classCount = 1;
        grade.classNames = {sj("１組")};
        grade.headCounts = {"30"};
        grade.subjectCount = 1;
        grade.testCount = 1;
        grade.subjectNames = {sj("英語")};
        grade.disciplineNumbers = {"1"};
        grade.fullMarks = {{"100"}};
    }
    return texts;
}

}  // namespace

TEST(BasicDataFile, OneClassOneSubjectOneTestGivesFiveLinesEndingInBlank) {
    std::string file = formatBasicData(oneByOne());
    std::string header = sj("桜中学校") + " " + sj("実力テスト") + " 2001 N\r\n";
    std::string block = "1 \r\n" + sj("１組") + " 30 \r\n1 1 \r\n" + sj("英語") + " 1 \r\n100 \r\n";
    EXPECT_EQ(file, header + block + block + block);
}

TEST(BasicDataFile, EmptyFullMarksAreWrittenAsMinusOneAndZeroAsTyped) {
    BasicDataTexts texts = oneByOne();
    texts.grades[0].testCount = 3;
    texts.grades[0].fullMarks = {{"", "0", "50"}};
    std::string file = formatBasicData(texts);
    EXPECT_NE(file.find("\r\n-1 0 50 \r\n"), std::string::npos);

    BasicData data;
    parseBasicData(file, data);
    EXPECT_FALSE(data.grades[0].isGiven(0, 0));
    EXPECT_FALSE(data.grades[0].isGiven(1, 0));  // 0 counts as not given
    EXPECT_TRUE(data.grades[0].isGiven(2, 0));
    // Written back from the record, 0 becomes "not given" too.
    EXPECT_EQ(textsOf(data).grades[0].fullMarks[0], (std::vector<std::string>{"", "", "50"}));
}

TEST(BasicDataFile, WrittenAndReadBackGivesTheSameRecord) {
    TempDir dir;
    BasicDataTexts texts = oneByOne();
    texts.year = 2026;
    auto& g3 = texts.grades[2];
    g3.classCount = 3;
    g3.classNames = {"A", "B", sj("Ｃ組")};
    g3.headCounts = {"35", "0", "45"};
    g3.subjectCount = 2;
    g3.testCount = 4;
    g3.subjectNames = {sj("数学"), sj("理科")};
    g3.disciplineNumbers = {"3", "4"};
    g3.fullMarks = {{"100", "", "50", "100"}, {"", "", "", "200"}};
    ASSERT_TRUE(writeBasicData(dir / "wqnmkiso.txt", texts));

    BasicData data;
    ASSERT_TRUE(readBasicData(dir / "wqnmkiso.txt", data));
    EXPECT_EQ(data.schoolName.view(), sj("桜中学校"));
    EXPECT_EQ(data.year, 2026u);
    EXPECT_EQ(data.rosterTag.view(), "N");
    const GradeData& grade = data.grades[2];
    EXPECT_EQ(grade.classCount, 3u);
    EXPECT_EQ(grade.classNames[2].view(), sj("Ｃ組"));
    EXPECT_EQ(grade.headCounts[1], 0u);
    EXPECT_EQ(grade.headCounts[2], 45u);
    EXPECT_EQ(grade.testCount, 4u);
    EXPECT_EQ(grade.disciplineNumbers[1], 4u);
    EXPECT_EQ(grade.fullMarks[2][0], 50);
    EXPECT_EQ(grade.fullMarks[1][0], -1);
    EXPECT_EQ(grade.fullMarks[3][1], 200);
    EXPECT_EQ(data.grades[0].classCount, 1u);
    // Writing the record again reproduces the file byte for byte.
    EXPECT_EQ(formatBasicData(textsOf(data)), readBytes(dir / "wqnmkiso.txt"));
}

TEST(BasicDataFile, MissingFileFails) {
    TempDir dir;
    BasicData data;
    EXPECT_FALSE(readBasicData(dir / "wqnmkiso.txt", data));
}

TEST(BasicDataFile, HeadCountTypedWithLeadingZeroReadsAsNumber) {
    BasicDataTexts texts = oneByOne();
    texts.grades[1].headCounts = {"035"};
    BasicData data;
    parseBasicData(formatBasicData(texts), data);
    EXPECT_EQ(data.grades[1].headCounts[0], 35u);
}
