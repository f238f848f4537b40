// SPDX-License-Identifier: GPL-3.0-or-later
#include "Roster.h"

#include <algorithm>
#include <string>

#include "MessageTexts.h"
#include "StudentNumber.h"
#include "TextFile.h"

namespace jitsu {

namespace {

// What one roster line should be: a student number, one separator, a name, each within its
// field. Anything else is recorded in the health with the line.
void checkLine(std::string_view line, std::size_t number, FileFindings& health) {
    const TextPosition at{number, 1};
    const std::size_t separators = static_cast<std::size_t>(
        std::count_if(line.begin(), line.end(), [](char c) { return c == ',' || c == '\t'; }));
    if (separators != 1) {
        health.reject(
            at,
            because(separators == 0 ? N_("{1} field, a roster line has 2 (student number, name)")
                                    : N_("{1} fields, a roster line has 2 (student number, name)"),
                    separators + 1));
        return;
    }
    const std::size_t cut = line.find_first_of(",\t");
    if (cut > kStudentNumberField - 1)
        health.reject(at, because(N_("student number of {1} bytes, more than {2}"), cut,
                                  kStudentNumberField - 1));
    if (line.size() - cut - 1 > kNameField - 1)
        health.reject(at, because(N_("name of {1} bytes, more than {2}"), line.size() - cut - 1,
                                  kNameField - 1));
}

void checkLines(std::string_view text, FileFindings& health) {
    if (text.starts_with("\xEF\xBB\xBF"))
        health.reject({1, 1}, Reason(N_("a byte order mark before the first student number")));
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (++number > std::size_t(kRosterEntries)) {
            health.reject(
                {number, 1},
                because(N_("more than {1} lines: the roster holds {1} students"), kRosterEntries));
            return;
        }
        checkLine(text.substr(start, end - start), number, health);
        start = end + 1;
    }
}

}  // namespace

void parseRoster(std::string_view text, GradeRoster& roster, FileFindings* health) {
    if (health) {
        health->lineEndsMatter = true;
        checkLines(text, *health);
    }
    int numbers = 0;
    int names = 0;
    std::string field;
    bool lineOpen = false;  // bytes read since the last line feed
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',' || c == '\t') {
            if (numbers < kRosterEntries) {
                // Normalised as stored (cut to its field), so that reading it again keeps it.
                auto& number = roster.studentNumbers[numbers];
                number.assign(field);
                if (auto normal = normalStudentNumber(number.view().bytes()))
                    number.assign(*normal);
            }
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

Status readRoster(const std::filesystem::path& path, GradeRoster& roster, FileFindings* health,
                  const GradeData* grade) {
    std::string text;
    if (Status s = readTextFile(path, kMaxRosterBytes, text, health); !s) return s;
    parseRoster(text, roster, health);
    if (!health || !grade) return Status::ok();
    std::size_t heads = 0;
    for (int c = 0; c < grade->classes(); ++c) heads += grade->headCounts[c];
    heads = std::min<std::size_t>(heads, kRosterEntries);
    if (health->valuesRead != heads)
        health->reject({std::min(health->valuesRead, heads) + 1, 1},
                       because(N_("{1} names, the head counts add up to {2}: later names land on "
                                  "the wrong students"),
                               health->valuesRead, heads));
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

std::optional<RosterPlace> firstUnnamedStudent(const GradeData& grade) {
    long long before = 0;
    for (int c = 0; c < grade.classes(); ++c) {
        if (before + grade.headCounts[c] > kRosterEntries)
            return RosterPlace{c, static_cast<int>(kRosterEntries - before)};
        before += grade.headCounts[c];
    }
    return std::nullopt;
}

bool goOnDespiteRosterLimit(const GradeData& grade, Messages& messages) {
    const auto first = firstUnnamedStudent(grade);
    if (!first) return true;
    const std::string text =
        because(N_("The roster holds {1} students at most. The students of class {2} from "
                   "number {3} on are printed without names. "),
                kRosterEntries, grade.classNames[first->cls].utf8(), first->slot + 1)
            .text() +
        std::string(tr(text::kPrintAnyway));
    return messages.ask(text, text::kWarning, MessageIcon::Exclamation, MessageButtons::YesNo,
                        MessageAnswer::No,
                        because(N_("the head counts of the basic data add up to more than {1}"),
                                kRosterEntries)
                            .text()) == MessageAnswer::Yes;
}

}  // namespace jitsu
