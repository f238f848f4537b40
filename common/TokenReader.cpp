// SPDX-License-Identifier: GPL-3.0-or-later
#include "TokenReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
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

// The length of what "%f" reads of a number that std::from_chars ended at `p`: the C library
// also takes an exponent mark (e, or p in hex) and its sign without digits after them.
std::size_t withExponentMark(std::string_view t, std::size_t p, bool hex) {
    if (p < t.size() && std::tolower(static_cast<unsigned char>(t[p])) == (hex ? 'p' : 'e')) {
        ++p;
        if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    }
    return p;
}

// The longest prefix of `t` that "%f" reads, as the C library reads it (decimal and hex
// numbers, inf, nan without its "(chars)", a sign of either kind, an out-of-range value as
// infinity or zero) but with
// std::from_chars, which knows no locale: Qt sets the user's, whose decimal point may differ.
// The length read, 0 for none.
std::size_t scanFloat(std::string_view t, float& out) {
    std::size_t p = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) return 0;
    const char* begin = t.data() + p;
    const char* end = t.data() + t.size();
    std::chars_format format = std::chars_format::general;
    if (t.size() - p >= 2 && t[p] == '0' && (t[p + 1] == 'x' || t[p + 1] == 'X')) {
        format = std::chars_format::hex;
        begin += 2;
    }
    float value = 0;
    auto [stop, error] = std::from_chars(begin, end, value, format);
    if (stop == begin) return 0;
    if (error == std::errc::result_out_of_range) {
        double wide = 0;
        const auto [_, wideError] = std::from_chars(begin, stop, wide, format);
        if (wideError == std::errc())
            value = static_cast<float>(wide);
        else  // beyond even a double: its exponent says which way
            value = std::string_view(begin, stop).find_first_of("-") != std::string_view::npos
                        ? 0.0f
                        : std::numeric_limits<float>::infinity();
    }
    out = negative ? -value : value;
    if (std::isnan(value)) return static_cast<std::size_t>(begin - t.data()) + 3;
    return withExponentMark(t, static_cast<std::size_t>(stop - t.data()),
                            format == std::chars_format::hex);
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
    if (pos_ != 0) return false;
    // Blanks before it do not make it part of the first token.
    skipSpace();
    if (!text_.substr(pos_).starts_with(prefix)) return false;
    lastStart_ = pos_;
    pos_ += prefix.size();
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
    float value;
    const std::size_t used = scanFloat(text_.substr(pos_, end - pos_), value);
    if (used == 0) {
        noFloat_ = noInteger_ = pos_;  // what "%f" rejects, "%d" rejects too
        notANumber();
        return false;
    }
    out = value;
    pos_ += used;
    counted();
    return true;
}

}  // namespace jitsu
