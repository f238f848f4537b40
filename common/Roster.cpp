#include "Roster.h"

#include <algorithm>
#include <string>

#include "MessageTexts.h"
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
            if (numbers < kRosterEntries) roster.studentNumbers[numbers].assign(field);
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
    const std::string text = "名簿に入るのは " + std::to_string(kRosterEntries) + " 人までです。" +
                             grade.classNames[first->cls].utf8() + "組 " +
                             std::to_string(first->slot + 1) +
                             " 番から後の生徒は名前なしで印刷されます。" + text::kPrintAnyway;
    return messages.ask(text, text::kWarning, MessageIcon::Exclamation, MessageButtons::YesNo,
                        MessageAnswer::No,
                        "基本データの人数を合わせると 450 人を超えています") == MessageAnswer::Yes;
}

}  // namespace jitsu
