// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountChange.h"

#include <memory>

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileSystem.h"
#include "Paths.h"
#include "Roster.h"
#include "TestList.h"
#include "TestScores.h"
#include "TextFile.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

// Whether slot `slot` of class `cls` holds a score in any subject.
bool holdsScores(const GradeData& grade, const TestScores& scores, int cls, int slot) {
    for (int j = 0; j < grade.subjects(); ++j)
        if (scores.scores[j][cls][slot] >= 0) return true;
    return false;
}

std::string gradeLabel(int g) { return std::to_string(g + 1) + "年"; }

// What the new counts drop from one score file, one line each.
void dropped(const GradeData& old, const GradeData& now, const TestScores& scores,
             const std::string& where, std::string& out) {
    for (int k = 0; k < old.classes(); ++k)
        for (int s = 0; s < kSlots; ++s) {
            if (!holdsScores(old, scores, k, s)) continue;
            const std::string cls = old.classNames[k].utf8() + "組";
            if (k >= now.classes()) {
                out += "　" + where + "：" + cls + " がなくなり、その得点は消えます\n";
                break;
            }
            if (static_cast<unsigned>(s) >= now.headCounts[k]) {
                out += "　" + where + "：" + cls + " " + std::to_string(s + 1) +
                       "番に得点があります（人数 " + std::to_string(now.headCounts[k]) +
                       " 人より後ろ）\n";
                break;
            }
        }
    for (int j = now.subjects(); j < old.subjects(); ++j)
        for (int k = 0; k < old.classes(); ++k) {
            bool any = false;
            for (int s = 0; s < kSlots && !any; ++s) any = scores.scores[j][k][s] >= 0;
            if (!any) continue;
            out += "　" + where + "：" + old.subjectNames[j].utf8() +
                   " がなくなり、その得点は消えます\n";
            break;
        }
}

}  // namespace

Status planCountChange(const fs::path& dir, const BasicData& before, const BasicData& after,
                       CountChange& plan) {
    plan = {};
    std::string files, drops;
    auto scores = std::make_unique<TestScores>();
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& old = before.grades[g];
        const GradeData& now = after.grades[g];
        const bool reshaped =
            old.classCount != now.classCount || old.subjectCount != now.subjectCount;
        for (int t = 1; t <= old.tests(); ++t) {
            const fs::path path = scorePath(dir, before.year, t, g + 1);
            std::string text;
            if (Status read = readTextFile(path, kMaxScoreFileBytes, text); !read) {
                if (read.isMissing()) continue;
                return read;
            }
            const std::string where = gradeLabel(g) + " " + testLabel(t);
            if (t > now.tests()) {
                drops += "　" + where + "：テストの回数から外れます（" +
                         utf8FromPath(path.filename()) + " はそのまま残ります）\n";
                continue;
            }
            FileFindings health;
            parseScores(text, old, *scores, &health);
            if (!checkShape(health).fits || health.damaged())
                return Status::error(
                    because(N_("{1}: {2}: it does not fit the counts saved before"), path,
                            health.describe()));
            dropped(old, now, *scores, where, drops);
            if (!reshaped) continue;
            plan.scoreFiles.push_back({path, text, formatScores(now, *scores)});
            files += "　" + utf8FromPath(path.filename());
            const fs::path results = resultsPath(dir, before.year, t, g + 1);
            std::error_code ec;
            if (fs::exists(results, ec))
                files += "（" + utf8FromPath(results.filename()) + " は古くなります）";
            files += "\n";
        }
    }
    if (plan.scoreFiles.empty() && drops.empty()) return Status::ok();
    plan.question = "組・教科・テストの数が変わります。";
    if (!files.empty())
        plan.question +=
            "\n次の点数ファイルを新しい数に合わせて書き直します（組と教科は順番どおり）：\n" +
            files;
    if (!drops.empty()) plan.question += "\n注意：\n" + drops;
    plan.question += "\nこのまま保存しますか？";
    return Status::ok();
}

std::string classHoldings(const fs::path& dir, const BasicData& data, int grade, int cls) {
    const GradeData& g = data.grades[grade];
    if (cls >= g.classes()) return "";
    std::string out;
    auto roster = std::make_unique<GradeRoster>();
    if (readRoster(rosterPath(dir, data.rosterTag.view().bytes(), data.year, grade + 1), *roster)) {
        classRanges(g, *roster);
        int lines = 0;
        for (int s = 0, entry; s < kSlots && (entry = roster->entryOf(cls, s)) >= 0; ++s)
            lines += !roster->numberAt(entry).empty() || !roster->nameAt(entry).empty();
        if (lines > 0) out = "名簿に " + std::to_string(lines) + " 人";
    }
    std::string tests;
    auto scores = std::make_unique<TestScores>();
    for (int t = 1; t <= g.tests(); ++t) {
        FileFindings health;
        if (!readScores(scorePath(dir, data.year, t, grade + 1), g, *scores, &health) ||
            !checkShape(health).fits)
            continue;
        for (int s = 0; s < kSlots; ++s)
            if (holdsScores(g, *scores, cls, s)) {
                tests += (tests.empty() ? "" : "・") + testLabel(t);
                break;
            }
    }
    if (!tests.empty()) out += (out.empty() ? "" : "、") + tests + " の得点";
    return out;
}

Status applyCountChange(const CountChange& plan, const fs::path& basicDataFile,
                        const BasicDataTexts& texts) {
    return rewriteAllOrNothing(plan.scoreFiles,
                               N_("{1}: saved again since the question; nothing was changed"),
                               [&] { return writeBasicData(basicDataFile, texts); });
}

}  // namespace jitsu
