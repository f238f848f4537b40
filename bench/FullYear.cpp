// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullYear.h"

#include <memory>
#include <random>
#include <string>

#include "AtomicWrite.h"
#include "BasicData.h"
#include "Combinations.h"
#include "Cp932.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TestScores.h"

namespace jitsu::bench {

Status writeFullYear(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return Status::error(dir.string() + ": " + ec.message());
    BasicDataTexts texts;
    texts.schoolName = toCp932("市立第一中学校");
    texts.testName = toCp932("実力テスト");
    texts.year = kBenchYear;
    for (int g = 0; g < kGrades; ++g) {
        BasicDataTexts::Grade& grade = texts.grades[g];
        grade.classCount = g == 0 ? kMaxClasses : 10;
        for (unsigned k = 0; k < grade.classCount; ++k) {
            grade.classNames.push_back(std::to_string(k + 1));
            grade.headCounts.push_back(std::to_string(kSlots));
        }
        grade.subjectCount = kMaxSubjects;
        grade.testCount = kMaxTests;
        for (int j = 0; j < kMaxSubjects; ++j) {
            grade.subjectNames.push_back(toCp932("科目") + std::to_string(j + 1));
            grade.disciplineNumbers.push_back(std::to_string(j % kDisciplines + 1));
            grade.fullMarks.emplace_back(kMaxTests, "100");
        }
    }
    const auto basicPath = basicDataPath(dir);
    if (Status s = writeBasicData(basicPath, texts); !s) return s;
    BasicData data;
    if (Status s = readBasicData(basicPath, data); !s) return s;

    std::mt19937 dice(2026);
    CombinationSet all;
    all.fill(true);
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& grade = data.grades[g];
        std::string roster;
        for (int k = 0; k < grade.classes(); ++k)
            for (int s = 0; s < kSlots && k * kSlots + s < kRosterEntries; ++s)
                roster += std::to_string((g + 1) * 10000 + (k + 1) * 100 + s + 1) + "," +
                          toCp932("山田　太郎") + std::to_string(k * kSlots + s) + "\r\n";
        const auto rosterFile = rosterPath(dir, data.rosterTag.view().bytes(), data.year, g + 1);
        if (Status s = writeFileAtomically(rosterFile, roster); !s) return s;
        for (int t = 1; t <= kMaxTests; ++t) {
            auto scores = std::make_unique<TestScores>();
            for (int j = 0; j < kMaxSubjects; ++j)
                for (int k = 0; k < grade.classes(); ++k)
                    for (int s = 0; s < kSlots; ++s)
                        scores->scores[j][k][s] =
                            dice() % 20 == 0 ? -1 : static_cast<int>(dice() % 101);
            auto results = std::make_unique<GradeResults>();
            computeGradeResults(grade, *scores, all, *results);
            if (Status s = writeScores(scorePath(dir, data.year, t, g + 1), grade, *scores); !s)
                return s;
            if (Status s = writeResultsFile(resultsPath(dir, data.year, t, g + 1), grade, *results);
                !s)
                return s;
        }
    }
    return Status::ok();
}

}  // namespace jitsu::bench
