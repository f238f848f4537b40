// SPDX-License-Identifier: GPL-3.0-or-later
#include "TokenReader.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace jitsu {

namespace {

// A table rather than six comparisons: every byte of a file passes here, some more than once.
constexpr std::array<bool, 256> kSpaces = [] {
    std::array<bool, 256> spaces{};
    for (unsigned char c : {' ', '\t', '\n', '\r', '\v', '\f'}) spaces[c] = true;
    return spaces;
}();

bool isSpace(char c) { return kSpaces[static_cast<unsigned char>(c)]; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view s, std::size_t p) {
    while (p < s.size() && isDigit(s[p])) ++p;
    return p;
}

// Whether `text` is `word` (lower case) in any case.
bool isWord(std::string_view text, std::string_view word) {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(),
                      [](char c, char w) { return static_cast<char>(c | 0x20) == w; });
}

// Whether a whole token is a number as the suite's writers write them ("%d", "%f", inf, nan).
bool isNumberToken(std::string_view t) {
    std::size_t p = t.size() > 0 && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    const std::string_view rest = t.substr(p);
    if (isWord(rest, "inf") || isWord(rest, "infinity") || isWord(rest, "nan")) return true;
    std::size_t digits = skipDigits(t, p);
    bool any = digits > p;
    p = digits;
    if (p < t.size() && t[p] == '.') {
        digits = skipDigits(t, p + 1);
        any = any || digits > p + 1;
        p = digits;
    }
    if (!any) return false;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < t.size() && (t[q] == '+' || t[q] == '-')) ++q;
        if (skipDigits(t, q) == q) return false;
        p = skipDigits(t, q);
    }
    return p == t.size();
}

// The C locale, whatever the program set: Qt sets the user's, whose decimal point may differ.
locale_t cLocale() {
    static locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

}  // namespace

void TokenReader::counted() {
    if (health_) ++health_->valuesRead;
}

void TokenReader::notANumber() {
    if (!health_ || pos_ >= text_.size() || pos_ == lastBad_) return;
    lastBad_ = pos_;
    ++health_->badTokens;
    if (health_->badTokenPlaces.size() < kListedBadTokens)
        health_->badTokenPlaces.push_back(placeOf(pos_));
}

TextPosition TokenReader::placeOf(std::size_t offset) {
    // Places are asked for in file order: go on from the last one rather than from the start.
    if (offset < placed_) {
        placed_ = 0;
        place_ = TextPosition{};
    }
    for (; placed_ < offset && placed_ < text_.size(); ++placed_) {
        if (text_[placed_] == '\n') {
            ++place_.line;
            place_.column = 1;
        } else {
            ++place_.column;
        }
    }
    return place_;
}

void TokenReader::rejectLast(Reason what) {
    if (health_) health_->reject(placeOf(lastStart_), std::move(what));
}

bool TokenReader::recordOutOfRange(long long value, long long low, long long high,
                                   const char* what) {
    if (!health_) return false;
    if (!health_->keepsPlaces()) {
        ++health_->rejected;  // the place and text only for the few listed
        return false;
    }
    // A range open below (any negative is "none") names its top only.
    rejectLast(low <= INT32_MIN
                   ? because(N_("{1} {2} above {3}"), Reason(what), value, high)
                   : because(N_("{1} {2} outside {3}..{4}"), Reason(what), value, low, high));
    return false;
}

void TokenReader::finish() {
    if (!health_ || atEnd()) return;
    health_->bytesLeftOver = text_.size() - pos_;
    while (!atEnd()) {
        std::size_t start = pos_;
        std::string_view token = nextToken();
        ++health_->tokensLeftOver;
        if (start == lastBad_ || isNumberToken(token)) continue;
        ++health_->badTokens;
        if (health_->badTokenPlaces.size() < kListedBadTokens)
            health_->badTokenPlaces.push_back(placeOf(start));
    }
}

bool TokenReader::skipPrefix(std::string_view prefix) {
    if (pos_ != 0 || !text_.starts_with(prefix)) return false;
    lastStart_ = 0;
    pos_ = prefix.size();
    return true;
}

void TokenReader::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
}

bool TokenReader::atEnd() {
    skipSpace();
    return pos_ >= text_.size();
}

bool TokenReader::exhausted(bool numbersToo) {
    return atEnd() || (pos_ == noInteger_ && (!numbersToo || pos_ == noFloat_));
}

std::string_view TokenReader::nextToken() {
    skipSpace();
    std::size_t start = pos_;
    lastStart_ = start;
    while (pos_ < text_.size() && !isSpace(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

bool TokenReader::readToken(std::string& out) {
    std::string_view token = nextToken();
    if (token.empty()) return false;
    out.assign(token);
    counted();
    return true;
}

std::optional<DecimalNumber> TokenReader::readInteger() {
    skipSpace();
    if (pos_ == noInteger_) return std::nullopt;  // rejected already, nothing consumed since
    lastStart_ = pos_;
    auto number = leadingNumber(text_.substr(pos_));
    if (!number) {
        noInteger_ = pos_;
        notANumber();
        return std::nullopt;
    }
    pos_ += number->length;
    counted();
    return number;
}

bool TokenReader::readUnsigned(std::uint32_t& out) {
    auto number = readInteger();
    if (!number) return false;
    const auto value = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(number->magnitude, std::numeric_limits<std::uint32_t>::max()));
    out = number->negative ? 0u - value : value;
    return true;
}

bool TokenReader::readInt(std::int32_t& out) {
    auto number = readInteger();
    if (!number) return false;
    out = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(number->value(), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    return true;
}

bool TokenReader::readFloat(float& out) {
    skipSpace();
    if (pos_ >= text_.size() || pos_ == noFloat_) return false;
    lastStart_ = pos_;
    // The decimals the suite writes, without the C library; anything else as the C library
    // reads it. %f never reads across whitespace, so the token alone gives its answer.
    if (const auto plain = leadingDecimal(text_.substr(pos_));
        plain && (pos_ + plain->length == text_.size() || isSpace(text_[pos_ + plain->length]))) {
        out = plain->value;
        pos_ += plain->length;
        counted();
        return true;
    }
    std::size_t end = pos_;
    while (end < text_.size() && !isSpace(text_[end])) ++end;
    const std::string token(text_.substr(pos_, end - pos_));
    float value;
    int used = 0;
    locale_t previous = ::uselocale(cLocale());
    int converted = std::sscanf(token.c_str(), "%f%n", &value, &used);
    ::uselocale(previous);
    if (converted != 1) {
        noFloat_ = noInteger_ = pos_;  // what "%f" rejects, "%d" rejects too
        notANumber();
        return false;
    }
    out = value;
    pos_ += static_cast<std::size_t>(used);
    counted();
    return true;
}

}  // namespace jitsu
