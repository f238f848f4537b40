#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

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

// Students of a class: a head count above the slot limit counts only the slots there are.
int studentsOf(const GradeData& grade, int cls) {
    return static_cast<int>(std::min<std::uint32_t>(grade.headCounts[cls], kSlots));
}

bool isMember(const SubjectCombination& combination, std::uint32_t discipline) {
    return combination.everySubject ||
           (discipline <= static_cast<std::uint32_t>(kDisciplines) && combination.members[discipline]);
}

// The deviation score of `value`; an examinee of a subject or combination without spread is
// exactly at the average.
float deviationScore(std::int32_t value, float average, double stdDev) {
    if (stdDev == 0.0) return 50.0f;
    return static_cast<float>((value - static_cast<double>(average)) * 10.0 / stdDev + 50.0);
}

// Rank = 1 + the number of values of the grade strictly above the value, found by binary
// search in the values sorted from the highest down; equal values share a rank.
void rankPlane(const IntPlane& values, int classes, IntPlane& ranks) {
    std::int32_t sorted[kMaxClasses * kSlots];
    int count = 0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            if (hasValue(values[c][s])) sorted[count++] = values[c][s];
    std::sort(sorted, sorted + count, std::greater<>());
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            if (hasValue(values[c][s]))
                ranks[c][s] = static_cast<std::int32_t>(
                    std::lower_bound(sorted, sorted + count, values[c][s], std::greater<>()) - sorted) + 1;
}

// Population standard deviation around the single-precision average, in double precision.
double populationStdDev(const IntPlane& values, int classes, float average, int examinees) {
    double sum = 0.0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s)
            if (hasValue(values[c][s])) {
                double difference = values[c][s] - static_cast<double>(average);
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
            if (hasValue(values[c][s])) deviations[c][s] = deviationScore(values[c][s], average, stdDev);
}

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
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
        for (int s = 0; s < kSlots; ++s)
            if (hasValue(scores[c][s])) {
                ++examinees;
                sum += static_cast<float>(scores[c][s]);
            }
    out.subjectExaminees[subject] = examinees;
    if (examinees == 0) return;
    out.subjectAverages[subject] = sum / static_cast<float>(examinees);
    describePlane(scores, classes, out.subjectAverages[subject], examinees, out.subjectStdDevs[subject],
                  out.subjectRanks[subject], out.subjectDeviations[subject]);
}

void computeCombination(int k, const GradeData& grade, int classes, int subjects, GradeResults& out) {
    const SubjectCombination& combination = kSubjectCombinations[k];
    int members[kMaxSubjects];
    int memberCount = 0;
    for (int j = 0; j < subjects; ++j)
        if (isMember(combination, grade.disciplineNumbers[j])) members[memberCount++] = j;

    IntPlane& totals = out.comboTotals[k];
    int examinees = 0;
    std::int64_t sum = 0;
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < studentsOf(grade, c); ++s) {
            int count = 0;
            std::int64_t total = 0;
            for (int m = 0; m < memberCount; ++m) {
                std::int32_t score = out.scores[members[m]][c][s];
                if (!hasValue(score)) continue;
                ++count;
                total += score;
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
    for (int k = 0; k < kCombinations; ++k)
        if (ticked[k]) computeCombination(k, grade, classes, subjects, out);
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
