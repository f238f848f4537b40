// SPDX-License-Identifier: GPL-3.0-or-later
#include "BasicData.h"

#include <algorithm>
#include <cstdint>

#include "TextFile.h"
#include "TokenReader.h"

namespace jitsu {

namespace {

// "%u" wraps a negative number: the value as it was written.
long long asWritten(std::uint32_t value) {
    return value > 0x7FFFFFFFu ? static_cast<long long>(value) - (1LL << 32) : value;
}

// A roster tag is part of a file name: letters and digits only.
bool isRosterTag(std::string_view tag) {
    return std::all_of(tag.begin(), tag.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

void readCount(TokenReader& in, std::uint32_t& count, std::uint32_t limit, int grade,
               const char* which, FileFindings* health) {
    in.readUnsigned(count);
    if (count > limit && health) {
        health->clamped.push_back({because(N_("grade {1} {2}"), grade + 1, Reason(which)),
                                   std::to_string(asWritten(count)), limit});
    }
    count = std::min(count, limit);
}

void readGrade(TokenReader& in, GradeData& grade, int g, FileFindings* health) {
    readCount(in, grade.classCount, kMaxClasses, g, N_("class count"), health);
    for (int k = 0; k < grade.classes(); ++k) {
        in.readText(grade.classNames[k]);
        // Above 45 is a finding, but the count still places the roster's later classes: it is
        // kept up to the roster's size, where the class ranges stop anyway.
        std::uint32_t& heads = grade.headCounts[k];
        if (in.readUnsigned(heads) && !in.checkRange(asWritten(heads), 0, kSlots, N_("head count")))
            heads = heads > 0x7FFFFFFFu ? 0 : std::min<std::uint32_t>(heads, kRosterEntries);
    }
    readCount(in, grade.subjectCount, kMaxSubjects, g, N_("subject count"), health);
    readCount(in, grade.testCount, kMaxTests, g, N_("test count"), health);
    for (int j = 0; j < grade.subjects(); ++j) {
        in.readText(grade.subjectNames[j]);
        in.readUnsigned(grade.disciplineNumbers[j]);
        for (int t = 0; t < grade.tests(); ++t)
            if (in.readInt(grade.fullMarks[t][j]) &&
                !in.checkRange(grade.fullMarks[t][j], INT32_MIN, kMaxFullMarks, N_("full marks")))
                grade.fullMarks[t][j] = std::min(grade.fullMarks[t][j], kMaxFullMarks);
    }
}

const std::string& entry(const std::vector<std::string>& list, std::size_t i) {
    static const std::string empty;
    return i < list.size() ? list[i] : empty;
}

}  // namespace

void parseBasicData(std::string_view text, BasicData& data, FileFindings* health) {
    TokenReader in(text, health);
    if (in.skipPrefix(kUtf8Bom))
        in.rejectLast(Reason(N_("a byte order mark before the school name")));
    in.readText(data.schoolName);
    in.readText(data.testName);
    if (in.readUnsigned(data.year)) in.checkRange(data.year, kFirstYear, kLastYear, N_("year"));
    // The tag is part of a file name: a BOM, a slash or a dot would name another file.
    if (in.readText(data.rosterTag) && !isRosterTag(data.rosterTag.view().bytes())) {
        in.rejectLast(because(N_("roster tag \"{1}\" is not letters and digits"),
                              std::string(data.rosterTag.view().bytes())));
        data.rosterTag.assign("");
    }
    for (int g = 0; g < kGrades; ++g) readGrade(in, data.grades[g], g, health);
    in.finish();
    if (health) health->valuesExpected = basicDataValues(data);
}

Status readBasicData(const std::filesystem::path& path, BasicData& data, FileFindings* health) {
    std::string text;
    if (Status s = readTextFile(path, kMaxBasicDataBytes, text, health); !s) return s;
    parseBasicData(text, data, health);
    return Status::ok();
}

std::size_t basicDataValues(const BasicData& data) {
    std::size_t values = 4;
    for (const GradeData& grade : data.grades)
        values += 3 + 2 * grade.classCount + grade.subjectCount * (2 + grade.testCount);
    return values;
}

BasicDataTexts textsOf(const BasicData& data) {
    BasicDataTexts texts;
    texts.schoolName = data.schoolName.view().bytes();
    texts.testName = data.testName.view().bytes();
    texts.year = data.year;
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& grade = data.grades[g];
        BasicDataTexts::Grade& out = texts.grades[g];
        out.classCount = grade.classCount;
        for (int k = 0; k < grade.classes(); ++k) {
            out.classNames.emplace_back(grade.classNames[k].view().bytes());
            out.headCounts.push_back(std::to_string(grade.headCounts[k]));
        }
        out.subjectCount = grade.subjectCount;
        out.testCount = grade.testCount;
        for (int j = 0; j < grade.subjects(); ++j) {
            out.subjectNames.emplace_back(grade.subjectNames[j].view().bytes());
            out.disciplineNumbers.push_back(std::to_string(grade.disciplineNumbers[j]));
            std::vector<std::string> marks;
            for (int t = 0; t < grade.tests(); ++t)
                marks.push_back(grade.isGiven(t, j) ? std::to_string(grade.fullMarks[t][j]) : "");
            out.fullMarks.push_back(std::move(marks));
        }
    }
    return texts;
}

std::string formatBasicData(const BasicDataTexts& texts) {
    std::string out =
        texts.schoolName + " " + texts.testName + " " + std::to_string(texts.year) + " N\n";
    for (const BasicDataTexts::Grade& grade : texts.grades) {
        out += std::to_string(grade.classCount) + " \n";
        for (unsigned k = 0; k < grade.classCount; ++k)
            out += entry(grade.classNames, k) + " " + entry(grade.headCounts, k) + " \n";
        out += std::to_string(grade.subjectCount) + " " + std::to_string(grade.testCount) + " \n";
        for (unsigned j = 0; j < grade.subjectCount; ++j) {
            out += entry(grade.subjectNames, j) + " " + entry(grade.disciplineNumbers, j) + " \n";
            static const std::vector<std::string> none;
            const auto& marks = j < grade.fullMarks.size() ? grade.fullMarks[j] : none;
            for (unsigned t = 0; t < grade.testCount; ++t) {
                const std::string& mark = entry(marks, t);
                out += (mark.empty() ? std::string("-1") : mark) + " ";
            }
            out += "\n";
        }
    }
    return toCrLf(out);
}

Status writeBasicData(const std::filesystem::path& path, const BasicDataTexts& texts) {
    return writeFileAtomically(path, formatBasicData(texts));
}

}  // namespace jitsu
