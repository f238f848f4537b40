// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jitsu {

// A student number as the roster keeps it: ASCII decimal digits. `cp932` as typed or read,
// with full-width digits (０ to ９) turned into ASCII and the blanks around it (ASCII or
// ideographic) dropped; nullopt when nothing is left or anything but digits is.
std::optional<std::string> normalStudentNumber(std::string_view cp932);

// The same for UTF-8 text (a spreadsheet's cell, a typed field).
std::optional<std::string> normalStudentNumberUtf8(std::string_view utf8);

// Orders two digit strings by their value: "2" before "10", "01" equal to "1". Negative,
// zero or positive as a comes before, equals or comes after b.
int compareStudentNumbers(std::string_view a, std::string_view b);

}  // namespace jitsu
