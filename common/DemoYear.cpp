// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoYear.h"

#include <algorithm>
#include <random>

#include "BasicData.h"
#include "Cp932.h"
#include "FileSystem.h"
#include "Paths.h"
#include "Roster.h"
#include "TestScores.h"
#include "TextFile.h"

namespace jitsu {

namespace {

const char* const kFamilyNames[] = {"佐藤",   "鈴木", "高橋", "田中", "伊藤", "渡辺",
                                    "山本",   "中村", "小林", "加藤", "吉田", "山田",
                                    "佐々木", "山口", "松本", "井上", "木村", "林",
                                    "清水",   "森",   "池田", "橋本", "石川", "前田"};
const char* const kGivenNames[] = {"太郎", "花子", "翔太", "美咲", "大輔", "陽菜", "健太", "さくら",
                                   "拓海", "結衣", "蓮",   "葵",   "悠真", "凛",   "颯太", "千尋",
                                   "優斗", "七海", "湊",   "彩花", "大翔", "美月", "陸",   "真央"};
const char* const kClassNames[] = {"１", "２", "３", "４", "５", "６"};
const char* const kSubjects[] = {"英語", "国語", "数学", "理科", "社会"};

constexpr int kDemoTests = 5;
constexpr int kScoredTests = 2;

// A fixed seed: the demo year is the same on every machine.
class Dice {
public:
    int roll(int low, int high) {  // inclusive
        return low + static_cast<int>(engine_() % static_cast<unsigned>(high - low + 1));
    }

private:
    std::mt19937 engine_{20260401u};
};

int fullMarksOf(int test, int subject) {
    return test == 1 && subject == 4 ? 50 : 100;  // 社会 of test 2 is out of 50
}

}  // namespace

Status writeDemoYear(const std::filesystem::path& dir, bool force, std::vector<Reason>& written,
                     const DemoYearSize& size) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec)
        return Status::error(because(N_("{1}: cannot create the folder: {2}"), dir,
                                     Reason::ofErrno(ec.default_error_condition().value(), true)));
    const auto basicPath = basicDataPath(dir);
    // Anything by that name, a link of any kind included, is a file the person may want kept.
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(basicPath, ec)))
        return Status::error(
            because(N_("{1} exists already (use --force to replace it)"), basicPath));

    Dice dice;
    BasicDataTexts texts;
    texts.schoolName = toCp932("桜ヶ丘中学校");
    texts.testName = toCp932("実力テスト");
    texts.year = kDemoYear;
    for (int g = 0; g < kGrades; ++g) {
        BasicDataTexts::Grade& grade = texts.grades[g];
        grade.classCount = size.classes[g];
        for (int k = 0; k < size.classes[g]; ++k) {
            grade.classNames.push_back(toCp932(kClassNames[k]));
            grade.headCounts.push_back(std::to_string(dice.roll(size.fewestHeads, size.mostHeads)));
        }
        grade.subjectCount = 5;
        grade.testCount = kDemoTests;
        for (int j = 0; j < 5; ++j) {
            grade.subjectNames.push_back(toCp932(kSubjects[j]));
            grade.disciplineNumbers.push_back(std::to_string(j + 1));
            std::vector<std::string> marks;
            for (int t = 0; t < kDemoTests; ++t) marks.push_back(std::to_string(fullMarksOf(t, j)));
            grade.fullMarks.push_back(marks);
        }
    }
    if (Status s = writeBasicData(basicPath, texts); !s) return s;
    written.push_back(
        because(N_("wrote {1}: school year {2}, classes {3}/{4}/{5}, 5 subjects, 5 tests"),
                basicPath, kDemoYear, size.classes[0], size.classes[1], size.classes[2]));

    BasicData data;
    if (Status s = readBasicData(basicPath, data); !s) return s;
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& grade = data.grades[g];
        std::string roster;
        int students = 0;
        for (int k = 0; k < grade.classes(); ++k)
            for (unsigned s = 0; s < grade.headCounts[k]; ++s, ++students) {
                // The student number: grade, class and position, as 10105 for grade 1, class 1,
                // No. 5.
                std::string number =
                    std::to_string((g + 1) * 10000 + (k + 1) * 100 + static_cast<int>(s) + 1);
                roster += number + "," +
                          toCp932(std::string(kFamilyNames[dice.roll(0, 23)]) + "　" +
                                  kGivenNames[dice.roll(0, 23)]) +
                          "\r\n";
            }
        const auto path = rosterPath(dir, data.rosterTag.view().bytes(), data.year, g + 1);
        if (Status s = writeFileAtomically(path, roster); !s) return s;
        written.push_back(because(N_("wrote {1}: {2} students"), path, students));

        for (int t = 0; t < kScoredTests; ++t) {
            TestScores scores;
            int entered = 0;
            for (int k = 0; k < grade.classes(); ++k)
                // A score file holds 45 slots a class; students past them have no scores.
                for (int s = 0; s < grade.studentSlots(k); ++s) {
                    if (dice.roll(0, 49) == 0) continue;  // absent on the day
                    int ability = dice.roll(25, 95);
                    for (int j = 0; j < grade.subjects(); ++j) {
                        int full = grade.fullMarks[t][j];
                        int score = ability + dice.roll(-20, 20);
                        scores.scores[j][k][s] = std::clamp(score, 0, 100) * full / 100;
                        ++entered;
                    }
                }
            const auto path = scorePath(dir, data.year, t + 1, g + 1);
            if (Status s = writeScores(path, grade, scores); !s) return s;
            written.push_back(because(N_("wrote {1}: test {2}, {3} scores"), path, t + 1, entered));
        }
    }
    return Status::ok();
}

}  // namespace jitsu
