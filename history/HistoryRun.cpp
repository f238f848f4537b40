// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryRun.h"

#include <memory>
#include <sstream>

#include "BasicData.h"
#include "DamagedFile.h"
#include "HistoryPage.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsAge.h"
#include "Roster.h"
#include "TrendPage.h"

namespace jitsu::history {

std::optional<std::array<bool, kMaxClasses>> classesNamed(std::string_view text, int classCount) {
    std::array<bool, kMaxClasses> classes{};
    std::string words(text);
    for (char& c : words)
        if (c == ',') c = ' ';
    std::istringstream in(words);
    bool any = false;
    for (std::string word; in >> word; any = true) {
        if (word.find_first_not_of("0123456789") != std::string::npos || word.size() > 2)
            return std::nullopt;
        const int number = std::stoi(word);
        if (number < 1 || number > classCount) return std::nullopt;
        classes[number - 1] = true;
    }
    if (!any)
        for (int c = 0; c < classCount; ++c) classes[c] = true;
    return classes;
}

void printFromFolder(const Services& services, int grade, std::string_view classText,
                     HistoryPrint what) {
    Messages& messages = services.messages;
    auto data = std::make_unique<BasicData>();
    const auto basicPath = basicDataPath(services.dir);
    FileHealth basicHealth;
    if (Status read = readBasicData(basicPath, *data, &basicHealth); !read)
        return messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop,
                              read.reason());
    if (!goOnDespiteDamage(basicPath, basicHealth, messages)) return;
    const GradeData& gradeData = data->grades[grade - 1];
    for (int t = 1; t <= gradeData.tests(); ++t)
        if (!confirmFreshResults(services.dir, messages, gradeData, data->year, t, grade)) return;
    const YearResults year = readYearResults(services.dir, *data, data->year, grade - 1, messages);
    if (year.tests.empty())
        return messages.inform("この学年の成績処理データがありません。", text::kConfirm,
                               MessageIcon::Exclamation);
    Status printed = Status::ok();
    if (what == HistoryPrint::Trend) {
        printed =
            printTrend({gradeData, grade, data->testName.view(), year}, services.printer, messages);
    } else {
        const auto classes = classesNamed(classText, gradeData.classes());
        if (!classes)
            return messages.inform("組の番号は 1 から " + std::to_string(gradeData.classes()) +
                                       " までを「,」で区切って入れてください。",
                                   text::kConfirm, MessageIcon::Exclamation);
        auto roster = std::make_unique<GradeRoster>();
        const auto rosterFile = rosterPath(services.dir, data->rosterTag.view(), data->year, grade);
        FileHealth health;
        if (Status read = readRoster(rosterFile, *roster, &health, &gradeData); !read)
            return messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop,
                                  read.reason());
        if (!goOnDespiteDamage(rosterFile, health, messages)) return;
        classRanges(gradeData, *roster);
        if (!goOnDespiteRosterLimit(gradeData, messages)) return;
        const HistoryJob job{gradeData, data->testName.view(), *roster, year,
                             chooseStudents(gradeData, *classes, {})};
        printed = printHistory(job, services.printer, messages);
    }
    if (!printed)
        messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Stop, printed.reason());
}

}  // namespace jitsu::history
