// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BasicData.h"
#include "SheetReader.h"

namespace jitsu::yearfiles {

// What schools write in the sheets they keep, understood: header texts, class forms and
// numbers with full-width digits. Texts are UTF-8.

// Full-width letters, digits and signs as their ASCII forms, the ideographic space as a blank,
// and the dashes of Japanese text (ー, −, ‐ …) as '-'.
std::string halfWidth(std::string_view text);

// A whole number from 0 to 99999 written in half- or full-width digits and nothing else.
std::optional<int> wholeNumberCell(std::string_view text);

// The student-number column's text in its normal form (normalStudentNumberUtf8: "０３ " →
// "03"), or as it stands when it is not a number.
std::string studentNumberText(std::string_view text);

// The kind of column a header names: 組/クラス/学級/class, 番号/出席番号/学籍番号/No.,
// 氏名/名前/生徒氏名/name, 姓, 名, 学年/grade; blanks, dots and letter case do not matter.
enum class ColumnKind { Class, Number, Name, FamilyName, GivenName, Grade, Other };
ColumnKind columnKind(std::string_view header);

// Header text as compared: half-width, without blanks and dots, lower case.
std::string headerKey(std::string_view header);

// Where each kind of column is in a header row; -1 when it is not there.
struct HeaderColumns {
    int cls = -1, number = -1, name = -1, family = -1, given = -1, grade = -1;
    std::vector<int> others;  // columns of a kind not above, with a header text
};
HeaderColumns headerColumns(const SheetRow& header);

// The class of `grade` (grade number `gradeNumber`, 1 … 3) a cell names: 1, １, 1組, 1年1組,
// 1-1, A組 or the class's name in the basic data. Sets `cls` (0-based) or returns why not.
std::optional<std::string> classOfCell(std::string_view text, const GradeData& grade,
                                       int gradeNumber, int& cls);

// Whether a 学年 cell ("1", "１年") names grade `gradeNumber`; the reason when it does not.
std::optional<std::string> checkGradeCell(std::string_view text, int gradeNumber);

// The two name columns joined as one name: 姓 + full-width space + 名 (either alone as it is).
std::string joinedName(std::string_view family, std::string_view given);

}  // namespace jitsu::yearfiles
