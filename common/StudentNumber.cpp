// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudentNumber.h"

#include "Cp932.h"

namespace jitsu {

namespace {

constexpr std::string_view kIdeographicSpace = "\x81\x40";  // "　" in CP932

std::string_view withoutBlanks(std::string_view text) {
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view blank : {std::string_view(" "), std::string_view("\t"),
                                       std::string_view("\r"), kIdeographicSpace}) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                cut = true;
            }
            // A trailing 0x40 could be the second byte of another character only if the text
            // ended in a lone lead byte, which is then no number either way.
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                cut = true;
            }
        }
    }
    return text;
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

}  // namespace

std::optional<std::string> normalStudentNumber(std::string_view cp932) {
    const std::string_view text = withoutBlanks(cp932);
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= '0' && byte <= '9') {
            digits += static_cast<char>(byte);
        } else if (byte == 0x82 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x4F &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x58) {
            digits += static_cast<char>('0' + static_cast<unsigned char>(text[i + 1]) - 0x4F);
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) return std::nullopt;
    return digits;
}

std::optional<std::string> normalStudentNumberUtf8(std::string_view utf8) {
    const std::optional<std::string> cp932 = utf8ToCp932(utf8);
    return cp932 ? normalStudentNumber(*cp932) : std::nullopt;
}

int compareStudentNumbers(std::string_view a, std::string_view b) {
    a = withoutLeadingZeros(a);
    b = withoutLeadingZeros(b);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

}  // namespace jitsu
