// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "FileRewrite.h"
#include "Status.h"

namespace jitsu {

// What saving basic data with other class or subject counts does to the year's score files:
// each is rewritten to the new shape, classes and subjects matched by position (removed ones
// dropped, new ones empty), worked out before anything is written.
struct CountChange {
    std::vector<FileRewrite> scoreFiles;  // before: the file as read; after: in the new shape
    std::string question;                 // UTF-8: the files, and the scores that would be dropped
};

// Compares the counts of `before` (the basic data on disk) and `after` for every grade; for
// a grade whose class or subject count changed, reads each of its score files of
// `before.year` in the old shape. The question names those files and the results files of
// those grades (out of date afterwards), each removed class and subject that holds scores, a
// test count lowered below a test with a score file (left as it is), and a head count lowered
// below a slot that holds scores (head counts never move scores). No score file to rewrite
// and nothing to tell: an empty question. Fails naming the file when one cannot be read or
// does not fit the old counts.
Status planCountChange(const std::filesystem::path& dir, const BasicData& before,
                       const BasicData& after, CountChange& plan);

// What class `cls` of grade `grade` (both from 0) holds in the files of `data`'s year, under
// the counts of `data` (the basic data on disk), UTF-8: "名簿に 35 人、第１回・第２回 の得点";
// "" when it holds neither a roster line nor a score. A file that cannot be read or does not
// fit the counts adds nothing.
std::string classHoldings(const std::filesystem::path& dir, const BasicData& data, int grade,
                          int cls);

// Rewrites every score file of the plan, then the basic data with `texts`; all or nothing: on a
// failure the files already rewritten get their bytes back and the reason names the file.
Status applyCountChange(const CountChange& plan, const std::filesystem::path& basicDataFile,
                        const BasicDataTexts& texts);

}  // namespace jitsu
