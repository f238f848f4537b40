// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>

namespace jitsu {

namespace {

// One subject's or one combination's values over the grade, [class][slot].
using IntPlane = std::int32_t[kMaxClasses][kSlots];
using FloatPlane = float[kMaxClasses][kSlots];

template <typename T, typename V>
void fillAll(T& element, V value) {
    element = static_cast<T>(value);
}
template <typename T, std::size_t N, typename V>
void fillAll(T (&array)[N], V value) {
    for (auto& element : array) fillAll(element, value);
}

bool hasValue(std::int32_t value) { return value >= 0; }

// The counts of the grade as far as the record reaches.
int classesOf(const GradeData& grade) {
    return static_cast<int>(std::min<std::uint32_t>(grade.classCount, kMaxClasses));
}
int subjectsOf(const GradeData& grade) {
    return static_cast<int>(std::min<std::uint32_t>(grade.subjectCount, kMaxSubjects));
}

// `discipline` 0 stands for any number outside 1 to 5, which only Kyouka5 takes.
bool isMember(const SubjectCombination& combination, int discipline) {
    return combination.everySubject || combination.members[discipline];
}

// The deviation score of `value`; an examinee of a subject or combination without spread is
// exactly at the average.
float deviationScore(std::int32_t value, float average, double stdDev) {
    if (stdDev == 0.0) return 50.0f;
    return static_cast<float>((value - static_cast<double>(average)) * 10.0 / stdDev + 50.0);
}

// Rank = 1 + the number of values of the grade strictly above the value; equal values share a
// rank. Scores and totals normally span a few hundred values, so a counting sort finds the
// number above each value; a wider span sorts the values from the highest down, where a run of
// equal values shares the position of its first.
constexpr std::int64_t kCountingSpan = 4096;

void rankByCounting(const IntPlane& values, int classes, std::int32_t lowest, std::int32_t highest,
                    IntPlane& ranks) {
    // Per value first the count, then the count above; missing values go to a last counter.
    std::int32_t above[kCountingSpan + 1] = {};
    auto counter = [lowest](std::int32_t value) {
        return hasValue(value) ? value - lowest : kCountingSpan;
    };
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) ++above[counter(values[c][s])];
    std::int32_t higher = 0;
    for (std::int32_t v = highest - lowest; v >= 0; --v) {
        const std::int32_t equal = above[v];
        above[v] = higher;
        higher += equal;
    }
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            ranks[c][s] = hasValue(values[c][s]) ? above[counter(values[c][s])] + 1 : kNoScore;
}

void rankBySorting(const IntPlane& values, int classes, IntPlane& ranks) {
    constexpr int kPositionBits = 10;  // each sort key holds the value above the slot's position
    static_assert(kMaxClasses * kSlots <= (1 << kPositionBits));
    std::uint64_t keys[kMaxClasses * kSlots];
    int count = 0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            if (hasValue(values[c][s]))
                keys[count++] = static_cast<std::uint64_t>(values[c][s]) << kPositionBits |
                                static_cast<std::uint64_t>(c * kSlots + s);
    std::sort(keys, keys + count, std::greater<>());
    std::int32_t rank = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || keys[i] >> kPositionBits != keys[i - 1] >> kPositionBits) rank = i + 1;
        const int position = static_cast<int>(keys[i] & ((1u << kPositionBits) - 1));
        ranks[position / kSlots][position % kSlots] = rank;
    }
}

void rankPlane(const IntPlane& values, int classes, IntPlane& ranks) {
    std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
    std::int32_t highest = -1;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) {
            lowest = std::min(lowest, hasValue(values[c][s]) ? values[c][s] : lowest);
            highest = std::max(highest, values[c][s]);
        }
    if (highest < 0) return;
    if (std::int64_t{highest} - lowest < kCountingSpan)
        rankByCounting(values, classes, lowest, highest, ranks);
    else
        rankBySorting(values, classes, ranks);
}

// Population standard deviation around the single-precision average, in double precision.
// (Missing values add 0, which leaves the sum as it is: no branch to mispredict.)
double populationStdDev(const IntPlane& values, int classes, float average, int examinees) {
    double sum = 0.0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) {
            const double difference =
                hasValue(values[c][s]) ? values[c][s] - static_cast<double>(average) : 0.0;
            sum += difference * difference;
        }
    return std::sqrt(sum / examinees);
}

// What follows from the average of a subject or combination with at least one examinee.
void describePlane(const IntPlane& values, int classes, float average, int examinees,
                   double& stdDev, IntPlane& ranks, FloatPlane& deviations) {
    rankPlane(values, classes, ranks);
    stdDev = populationStdDev(values, classes, average, examinees);
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            deviations[c][s] =
                hasValue(values[c][s]) ? deviationScore(values[c][s], average, stdDev) : kNoValue;
}

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

// The values every entry has before the computation reaches it.
void startValues(const TestScores& scores, GradeResults& out) {
    static_assert(sizeof out.scores == sizeof scores.scores);
    std::memcpy(out.scores, scores.scores, sizeof out.scores);
    fillAll(out.subjectDeviations, kNoValue);
    fillAll(out.subjectRanks, kNoScore);
    fillAll(out.comboTotals, kNoScore);
    fillAll(out.comboDeviations, kNoValue);
    fillAll(out.comboRanks, kNoScore);
    fillAll(out.subjectExaminees, 0);
    fillAll(out.subjectAverages, kNoValue);
    fillAll(out.comboExaminees, 0);
    fillAll(out.comboAverages, kNoValue);
    fillAll(out.comboFlags, 0);
    fillAll(out.subjectStdDevs, 0.0);
    fillAll(out.comboStdDevs, 0.0);
}

void computeSubject(int subject, int classes, GradeResults& out) {
    const IntPlane& scores = out.scores[subject];
    int examinees = 0;
    float sum = 0.0f;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) {
            examinees += hasValue(scores[c][s]);
            sum += hasValue(scores[c][s]) ? static_cast<float>(scores[c][s]) : 0.0f;
        }
    out.subjectExaminees[subject] = examinees;
    if (examinees == 0) return;
    out.subjectAverages[subject] = sum / static_cast<float>(examinees);
    describePlane(scores, classes, out.subjectAverages[subject], examinees,
                  out.subjectStdDevs[subject], out.subjectRanks[subject],
                  out.subjectDeviations[subject]);
}

// Per discipline number (0 standing for any number outside 1 to 5), each slot's count of
// scores and their sum: a combination's count and total are sums over its disciplines.
struct DisciplineSums {
    std::int32_t counts[kDisciplines + 1][kMaxClasses][kSlots] = {};
    std::int64_t totals[kDisciplines + 1][kMaxClasses][kSlots] = {};
};

int disciplineOf(std::uint32_t number) {
    return number >= 1 && number <= static_cast<std::uint32_t>(kDisciplines)
               ? static_cast<int>(number)
               : 0;
}

void sumByDiscipline(const GradeData& grade, int classes, int subjects, const GradeResults& out,
                     DisciplineSums& sums) {
    for (int j = 0; j < subjects; ++j) {
        const int d = disciplineOf(grade.disciplineNumbers[j]);
        for (int c = 0; c < classes; ++c)
            for (int s = 0; s < kSlots; ++s) {
                const std::int32_t score = out.scores[j][c][s];
                const bool present = hasValue(score);
                sums.counts[d][c][s] += present;
                sums.totals[d][c][s] += present ? score : 0;
            }
    }
}

void computeCombination(int k, const GradeData& grade, int classes, const DisciplineSums& sums,
                        GradeResults& out) {
    const SubjectCombination& combination = kSubjectCombinations[k];
    int members[kDisciplines + 1];
    int memberCount = 0;
    for (int d = 0; d <= kDisciplines; ++d)
        if (isMember(combination, d)) members[memberCount++] = d;

    IntPlane& totals = out.comboTotals[k];
    int examinees = 0;
    std::int64_t sum = 0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < grade.studentSlots(c); ++s) {
            int count = 0;
            std::int64_t total = 0;
            for (int m = 0; m < memberCount; ++m) {
                count += sums.counts[members[m]][c][s];
                total += sums.totals[members[m]][c][s];
            }
            if (count != combination.required) continue;
            totals[c][s] = clampToInt32(total);
            ++examinees;
            sum += totals[c][s];
        }
    out.comboFlags[k] = 1;
    out.comboExaminees[k] = examinees;
    if (examinees == 0) return;
    out.comboAverages[k] = static_cast<float>(static_cast<double>(sum) / examinees);
    describePlane(totals, classes, out.comboAverages[k], examinees, out.comboStdDevs[k],
                  out.comboRanks[k], out.comboDeviations[k]);
}

}  // namespace

void computeGradeResults(const GradeData& grade, const TestScores& scores,
                         const CombinationSet& ticked, GradeResults& out) {
    startValues(scores, out);
    const int classes = classesOf(grade);
    const int subjects = subjectsOf(grade);
    for (int j = 0; j < subjects; ++j) computeSubject(j, classes, out);
    auto sums = std::make_unique<DisciplineSums>();
    sumByDiscipline(grade, classes, subjects, out, *sums);
    for (int k = 0; k < kCombinations; ++k)
        if (ticked[k]) computeCombination(k, grade, classes, *sums, out);
}

void resetGradeResults(GradeResults& results) {
    fillAll(results.scores, kNoScore);
    fillAll(results.subjectDeviations, 0);
    fillAll(results.subjectRanks, 0);
    fillAll(results.comboTotals, 0);
    fillAll(results.comboDeviations, 0);
    fillAll(results.comboRanks, 0);
    fillAll(results.subjectExaminees, 0);
    fillAll(results.subjectAverages, 0);
    fillAll(results.comboExaminees, 0);
    fillAll(results.comboAverages, 0);
    fillAll(results.comboFlags, 0);
    fillAll(results.subjectStdDevs, 0);
    fillAll(results.comboStdDevs, 0);
}

}  // namespace jitsu
