#pragma once

#include <deque>
#include <memory>
#include <sstream>

#include "BasicData.h"
#include "Clock.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Services.h"
#include "Statistics.h"
#include "TempDir.h"
#include "Trace.h"
#include "TracePrinter.h"

// A trace printer whose print dialog answers from a queue (print all pages when it runs out).
class ScriptedPrinter : public jitsu::TracePrinter {
public:
    using TracePrinter::TracePrinter;
    std::deque<bool> answers;  // false: cancel

    std::optional<jitsu::PageRange> printDialog(bool pageRange) override {
        TracePrinter::printDialog(pageRange);
        if (answers.empty()) return jitsu::PageRange{};
        bool print = answers.front();
        answers.pop_front();
        return print ? std::optional(jitsu::PageRange{}) : std::nullopt;
    }
};

// A school year in a temporary working directory: three grades of two classes of three
// students and two subjects (英語, 国語), five tests, roster tag "N", with fake services.
struct YearFixture {
    TempDir dir;
    jitsu::BasicData data;
    FakeMessages messages;
    std::ostringstream out;
    ScriptedPrinter printer{out};
    jitsu::FixedClock clock{{2001, 6, 1}};
    jitsu::Services services{dir.path(), messages, printer, clock};

    YearFixture() {
        data.schoolName.assign(sj("桜ヶ丘中学校"));
        data.testName.assign(sj("実力テスト"));
        data.year = 2001;
        data.rosterTag.assign("N");
        for (int g = 0; g < jitsu::kGrades; ++g) {
            data.grades[g] = makeGrade(2, 3, 2, 5);
            data.grades[g].subjectNames[0].assign(sj("英語"));
            data.grades[g].subjectNames[1].assign(sj("国語"));
        }
    }

    void writeBasicData() {
        ASSERT_TRUE(jitsu::writeBasicData(jitsu::basicDataPath(dir.path()), jitsu::textsOf(data)));
    }

    // Student numbers g, class, slot ("1203": grade 1, class 2, slot 3) and names 生徒 + number.
    void writeRoster(int grade) {
        std::string text;
        for (int k = 0; k < 2; ++k)
            for (int s = 0; s < 3; ++s) {
                std::string number = std::to_string(grade * 1000 + (k + 1) * 100 + s + 1);
                text += number + "," + sj("生徒") + number + "\r\n";
            }
        writeBytes(jitsu::rosterPath(dir.path(), "N", data.year, grade), text);
    }

    // Every student of the grade scores `score` + slot in both subjects; 英国 computed.
    void writeResults(int grade, int test, int score = 70) {
        auto scores = std::make_unique<jitsu::TestScores>();
        for (auto& subject : scores->scores)
            for (auto& cls : subject)
                for (auto& slot : cls) slot = -1;
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                for (int s = 0; s < 3; ++s) scores->scores[j][k][s] = score + s;
        jitsu::CombinationSet ticked{};
        ticked[jitsu::Eikoku] = true;
        auto results = std::make_unique<jitsu::GradeResults>();
        jitsu::computeGradeResults(data.grades[grade - 1], *scores, ticked, *results);
        ASSERT_TRUE(jitsu::writeResultsFile(jitsu::resultsPath(dir.path(), data.year, test, grade),
                                            data.grades[grade - 1], *results));
    }

    void writeGrade(int grade, int test) {
        writeRoster(grade);
        writeResults(grade, test);
    }

    Trace trace() const { return parseTrace(out.str()); }
    int count(const std::string& event) const {
        int n = 0;
        for (const std::string& e : trace().events) n += e == event;
        return n;
    }
};
