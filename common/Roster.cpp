#include "Roster.h"

#include <algorithm>
#include <string>

#include "TextFile.h"

namespace jitsu {

void parseRoster(std::string_view text, GradeRoster& roster) {
    int numbers = 0;
    int names = 0;
    std::string field;
    bool lineOpen = false;  // bytes read since the last line feed
    for (char c : text) {
        if (c == ',' || c == '\t') {
            if (numbers < kRosterEntries) roster.studentNumbers[numbers].assign(field);
            ++numbers;
            field.clear();
            lineOpen = true;
        } else if (c == '\n') {
            if (names < kRosterEntries) roster.studentNames[names].assign(field);
            ++names;
            field.clear();
            lineOpen = false;
        } else {
            field += c;
            lineOpen = true;
        }
        if (numbers >= kRosterEntries && names >= kRosterEntries) return;
    }
    if (lineOpen && names < kRosterEntries) roster.studentNames[names].assign(field);
}

Status readRoster(const std::filesystem::path& path, GradeRoster& roster) {
    auto text = readTextFile(path);
    if (!text) return Status::error(path.string() + ": cannot be opened");
    parseRoster(*text, roster);
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
