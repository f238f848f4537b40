#include "Roster.h"

#include <algorithm>
#include <string>

#include "StudentNumber.h"
#include "TextFile.h"

namespace jitsu {

void parseRoster(std::string_view text, GradeRoster& roster, FileHealth* health) {
    if (health) health->lineEndsMatter = true;
    int numbers = 0;
    int names = 0;
    std::string field;
    bool lineOpen = false;  // bytes read since the last line feed
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',' || c == '\t') {
            if (numbers < kRosterEntries)
                roster.studentNumbers[numbers].assign(normalStudentNumber(field).value_or(field));
            ++numbers;
            field.clear();
            lineOpen = true;
        } else if (c == '\n') {
            if (names < kRosterEntries) {
                roster.studentNames[names].assign(field);
                if (health) ++health->valuesRead;
            }
            ++names;
            field.clear();
            lineOpen = false;
        } else {
            field += c;
            lineOpen = true;
        }
        if (numbers >= kRosterEntries && names >= kRosterEntries) {
            if (health) health->bytesLeftOver = text.size() - i - 1;
            return;
        }
    }
    if (lineOpen && names < kRosterEntries) {
        roster.studentNames[names].assign(field);
        if (health) ++health->valuesRead;
    }
}

Status readRoster(const std::filesystem::path& path, GradeRoster& roster, FileHealth* health) {
    std::string text;
    if (Status s = readTextFile(path, kMaxRosterBytes, text, health); !s) return s;
    parseRoster(text, roster, health);
    return Status::ok();
}

void classRanges(const GradeData& grade, GradeRoster& roster) {
    long long first = 0;
    roster.classFirst[0] = 0;
    for (int c = 0; c < grade.classes(); ++c) {
        long long next = std::min<long long>(first + grade.headCounts[c], kRosterEntries);
        roster.classLast[c] = static_cast<int>(next - 1);
        roster.classFirst[c + 1] = static_cast<int>(next);
        first = next;
    }
}

}  // namespace jitsu
