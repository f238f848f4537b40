// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "QuestionsLoad.h"
#include "ResultsExport.h"
#include "Status.h"

namespace jitsu::yearfiles {

// One row per question: 問, 配点, 領域, 観点, 学年 (the grade's rate) and one column per class,
// headed by the class's name; rates are percentages shown with one decimal, empty for a class
// nobody sat.
ExportTable questionRateTable(const questions::LoadedQuestions& loaded);

// Writes the table to `output`: xlsx, or CSV (UTF-8 with BOM, or CP932), atomically.
Status exportQuestionRates(const questions::LoadedQuestions& loaded,
                           const std::filesystem::path& output, bool csv, bool cp932);

}  // namespace jitsu::yearfiles
