// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetColumns.h"

#include <algorithm>
#include <array>

#include "Reason.h"
#include "StudentNumber.h"

namespace jitsu::yearfiles {

namespace {

// The code point starting at `text[i]` and its length in bytes (a stray byte as itself).
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t length = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (length == 1 || i + length > text.size()) return {b, 1};
    char32_t c = b & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (text[i + k] & 0x3F);
    return {c, length};
}

bool isDash(char32_t c) {
    return c == U'ー' || c == U'−' || c == U'―' || c == U'‐' || c == U'‑' || c == U'–' ||
           c == U'—' || c == U'ｰ';
}

std::string withoutSuffix(std::string text, std::string_view suffix) {
    if (text.ends_with(suffix)) text.resize(text.size() - suffix.size());
    return text;
}

std::string withoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct KindNames {
    ColumnKind kind;
    std::vector<std::string_view> keys;  // as headerKey gives them
};

const std::array<KindNames, 6> kKinds = {{
    {ColumnKind::Class, {"組", "クラス", "学級", "組名", "学級名", "class"}},
    {ColumnKind::Number,
     {"番号", "出席番号", "学籍番号", "番", "出席no", "no", "number", "出席簿番号", "№"}},
    {ColumnKind::Name, {"氏名", "名前", "生徒氏名", "生徒名", "name"}},
    {ColumnKind::FamilyName, {"姓", "氏"}},
    {ColumnKind::GivenName, {"名"}},
    {ColumnKind::Grade, {"学年", "grade"}},
}};

}  // namespace

std::string halfWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = codePointAt(text, i);
        if (c >= 0xFF01 && c <= 0xFF5E)
            out += static_cast<char>(c - 0xFEE0);
        else if (c == 0x3000)
            out += ' ';
        else if (isDash(c))
            out += '-';
        else
            out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

std::optional<int> wholeNumberCell(std::string_view text) {
    const std::string digits = halfWidth(text);
    if (!allDigits(digits) || digits.size() > 9) return std::nullopt;
    const int value = std::stoi(digits);
    return value <= 99999 ? std::optional<int>(value) : std::nullopt;
}

std::string studentNumberText(std::string_view text) {
    return normalStudentNumberUtf8(text).value_or(std::string(text));
}

std::string headerKey(std::string_view header) {
    std::string key;
    for (char c : halfWidth(header))
        if (c != ' ' && c != '.' && c != '\n')
            key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return key;
}

ColumnKind columnKind(std::string_view header) {
    const std::string key = headerKey(header);
    for (const KindNames& kind : kKinds)
        if (std::find(kind.keys.begin(), kind.keys.end(), key) != kind.keys.end()) return kind.kind;
    return ColumnKind::Other;
}

HeaderColumns headerColumns(const SheetRow& header) {
    HeaderColumns columns;
    for (std::size_t i = 0; i < header.cells.size(); ++i) {
        const int at = static_cast<int>(i);
        int* slot = nullptr;
        switch (columnKind(header.cells[i])) {
            case ColumnKind::Class:
                slot = &columns.cls;
                break;
            case ColumnKind::Number:
                slot = &columns.number;
                break;
            case ColumnKind::Name:
                slot = &columns.name;
                break;
            case ColumnKind::FamilyName:
                slot = &columns.family;
                break;
            case ColumnKind::GivenName:
                slot = &columns.given;
                break;
            case ColumnKind::Grade:
                slot = &columns.grade;
                break;
            case ColumnKind::Other:
                if (!header.cells[i].empty()) columns.others.push_back(at);
                break;
        }
        if (slot && *slot < 0) *slot = at;  // the first of two such columns counts
    }
    return columns;
}

std::optional<std::string> classOfCell(std::string_view text, const GradeData& grade,
                                       int gradeNumber, int& cls) {
    const std::string key = withoutSuffix(withoutBlanks(halfWidth(text)), "組");
    const auto byName = [&](const std::string& name) {
        for (int k = 0; k < grade.classes(); ++k)
            if (withoutSuffix(withoutBlanks(halfWidth(grade.classNames[k].utf8())), "組") == name)
                return k;
        return -1;
    };
    const auto byNumberOrName = [&](const std::string& part) {
        if (int k = byName(part); k >= 0) return k;
        if (!allDigits(part) || part.size() > 3) return -1;
        const int number = std::stoi(part);
        return number >= 1 && number <= grade.classes() ? number - 1 : -1;
    };
    const std::string bad =
        because(N_("class \"{1}\" is not a class of the grade (1 to {2} or its name)"),
                std::string(text), grade.classes())
            .text();
    if (key.empty()) return std::string(tr(N_("the class is empty")));
    if ((cls = byName(key)) >= 0) return std::nullopt;
    // 1年1組 and 1-1 name the grade first.
    for (std::string_view between : {"年", "-"})
        if (const std::size_t at = key.find(between);
            at != std::string::npos && allDigits(key.substr(0, at))) {
            if (const std::string named = key.substr(0, at); named != std::to_string(gradeNumber))
                return because(N_("class \"{1}\" names grade {2}, not {3}"), std::string(text),
                               named, gradeNumber)
                    .text();
            cls = byNumberOrName(key.substr(at + between.size()));
            return cls >= 0 ? std::nullopt : std::optional<std::string>(bad);
        }
    cls = byNumberOrName(key);
    return cls >= 0 ? std::nullopt : std::optional<std::string>(bad);
}

std::optional<std::string> checkGradeCell(std::string_view text, int gradeNumber) {
    const std::optional<int> grade =
        wholeNumberCell(withoutSuffix(withoutBlanks(halfWidth(text)), "年"));
    if (grade == gradeNumber) return std::nullopt;
    return because(N_("学年 \"{1}\" is not grade {2}"), std::string(text), gradeNumber).text();
}

std::string joinedName(std::string_view family, std::string_view given) {
    if (family.empty() || given.empty()) return std::string(family.empty() ? given : family);
    return std::string(family) + "　" + std::string(given);
}

}  // namespace jitsu::yearfiles
