// SPDX-License-Identifier: GPL-3.0-or-later
// A grade at the limits: 20 classes of 45 students, 20 subjects. Target: switching class or
// subject and saving the grade each well under 20 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <sstream>

#include "Clock.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "GridLayout.h"
#include "Paths.h"
#include "ScoreEntryWindow.h"
#include "ScoreGrid.h"
#include "ScoreSession.h"
#include "ScoreText.h"
#include "Services.h"
#include "TempDir.h"
#include "TracePrinter.h"

using namespace jitsu;

namespace {

constexpr unsigned kYear = 2026;

// Every student holds one score per discipline (subjects d, d+5, d+10 or d+15), so that the
// one-subject-per-discipline check runs through everything and finds nothing.
GradeData fullGrade() { return makeGrade(kMaxClasses, kSlots, kMaxSubjects); }

void fillScores(const GradeData& grade, TestScores& scores) {
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s)
            for (int d = 0; d < kDisciplines; ++d)
                scores.scores[d + kDisciplines * (s % 4)][c][s] = (c + s * 7 + d) % 101;
}

// A working directory holding that grade as grade 1, its roster and its score file.
void writeYear(const std::filesystem::path& dir) {
    BasicData data;
    data.schoolName.assign(sj("中学校"));
    data.testName.assign(sj("実力テスト"));
    data.year = kYear;
    data.rosterTag.assign("N");
    data.grades[0] = fullGrade();
    data.grades[1] = data.grades[2] = makeGrade(1, 1, 1);
    (void)writeBasicData(basicDataPath(dir), textsOf(data));
    std::string roster;
    for (int c = 0; c < kMaxClasses; ++c)
        for (int s = 0; s < kSlots; ++s)
            roster += std::to_string(10000 + c * 100 + s) + "," + sj("山田　太郎") + "\r\n";
    writeBytes(rosterPath(dir, "N", kYear, 1), roster);
    auto scores = std::make_unique<TestScores>();
    fillScores(data.grades[0], *scores);
    (void)writeScores(scorePath(dir, kYear, 1, 1), data.grades[0], *scores);
}

struct PlainSession {
    TempDir dir;
    std::unique_ptr<ScoreSession> session = std::make_unique<ScoreSession>();
    PlainSession() {
        writeYear(dir.path());
        (void)readBasicData(basicDataPath(dir.path()), session->basic);
        (void)openGradeTest(*session, dir.path(), kYear, 0, 0);
    }
};

// The plain part of a class switch: store the shown cells, show the next class, total it.
void BM_SwitchClassPlain(benchmark::State& state) {
    PlainSession plain;
    ScoreSession& session = *plain.session;
    std::vector<std::string> cells = shownScoreTexts(session);
    for (auto _ : state) {
        storeGridScores(session, cells);
        session.currentClass = neighbourClass(session.currentClass, 1, kMaxClasses);
        std::vector<SlotRow> rows = shownRows(session);
        for (std::size_t k = 0; k < rows.size(); ++k) cells[k] = rows[k].score;
        benchmark::DoNotOptimize(totalsOf(cells));
    }
}
BENCHMARK(BM_SwitchClassPlain)->Unit(benchmark::kMicrosecond);

void BM_SwitchSubjectPlain(benchmark::State& state) {
    PlainSession plain;
    ScoreSession& session = *plain.session;
    std::vector<std::string> cells = shownScoreTexts(session);
    for (auto _ : state) {
        storeGridScores(session, cells);
        session.currentSubject =
            neighbourSubject(session.gradeData(), 0, session.currentSubject, 1);
        cells = shownScoreTexts(session);
        benchmark::DoNotOptimize(totalsOf(cells));
    }
}
BENCHMARK(BM_SwitchSubjectPlain)->Unit(benchmark::kMicrosecond);

// The check of every student of the grade and the atomic rewrite of the score file.
void BM_SaveGrade(benchmark::State& state) {
    PlainSession plain;
    FakeMessages messages;
    for (auto _ : state) {
        plain.session->scoresChanged = true;
        if (saveScores(*plain.session, messages).outcome != SaveOutcome::Written)
            state.SkipWithError("not written");
    }
    if (!messages.shown.empty()) state.SkipWithError("a clash was found");
}
BENCHMARK(BM_SaveGrade)->Unit(benchmark::kMillisecond);

// The same in the window, offscreen: the grids filled, the editor moved, the totals shown.
class WindowBench {
public:
    WindowBench() {
        static int argc = 1;
        static char name[] = "scoreentry_bench";
        static char* argv[] = {name, nullptr};
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) new QApplication(argc, argv);
        writeYear(dir_.path());
        window_ = std::make_unique<ScoreEntryWindow>(services_);
        ready_ = window_->FormCreate();
        window_->show();
        ready_ = ready_ && QTest::qWaitForWindowActive(window_.get()) && window_->Button1Click() &&
                 window_->session().gradeData().classes() == kMaxClasses &&
                 window_->session().gradeData().subjects() == kMaxSubjects &&
                 window_->session().shownSlots() == kSlots;
    }
    bool ready() const { return ready_; }
    ScoreEntryWindow& window() { return *window_; }
    const FakeMessages& messages() const { return messages_; }

private:
    TempDir dir_;
    FakeMessages messages_;
    std::ostringstream trace_;
    TracePrinter printer_{trace_};
    FixedClock clock_{{2026, 3, 1}};
    Services services_{dir_.path(), messages_, printer_, clock_};
    std::unique_ptr<ScoreEntryWindow> window_;
    bool ready_ = false;
};

void BM_WindowNextClass(benchmark::State& state) {
    WindowBench bench;
    if (!bench.ready()) state.SkipWithError("the window did not open");
    for (auto _ : state) {
        bench.window().NextClassButtonClick();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowNextClass)->Unit(benchmark::kMillisecond);

void BM_WindowNextSubject(benchmark::State& state) {
    WindowBench bench;
    if (!bench.ready()) state.SkipWithError("the window did not open");
    for (auto _ : state) {
        bench.window().NextKamokuButtonClick();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowNextSubject)->Unit(benchmark::kMillisecond);

void BM_WindowSave(benchmark::State& state) {
    WindowBench bench;
    if (!bench.ready()) state.SkipWithError("the window did not open");
    for (auto _ : state) bench.window().HozonButtonClick();
    if (!bench.messages().shown.empty()) state.SkipWithError("the save asked or failed");
}
BENCHMARK(BM_WindowSave)->Unit(benchmark::kMillisecond);

// One score typed: digit pressed and released (validation and totals), then Enter.
void BM_WindowKeystrokes(benchmark::State& state) {
    WindowBench bench;
    if (!bench.ready()) state.SkipWithError("the window did not open");
    QWindow* handle = bench.window().windowHandle();
    int row = 1;
    for (auto _ : state) {
        QTest::keyClick(handle, '7');
        QTest::keyClick(handle, Qt::Key_Return);
        if (++row == kLeftGridRows) {  // back to the top of the left grid
            bench.window().findChild<ScoreGrid*>("TenSG1")->focusCell(1);
            row = 1;
        }
    }
}
BENCHMARK(BM_WindowKeystrokes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
