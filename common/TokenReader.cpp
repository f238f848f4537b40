#include "TokenReader.h"

#include <charconv>
#include <limits>

namespace jitsu {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void TokenReader::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
}

bool TokenReader::atEnd() {
    skipSpace();
    return pos_ >= text_.size();
}

std::string_view TokenReader::nextToken() {
    skipSpace();
    std::size_t start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

bool TokenReader::readToken(std::string& out) {
    std::string_view token = nextToken();
    if (token.empty()) return false;
    out.assign(token);
    return true;
}

bool TokenReader::readInteger(bool& negative, std::uint64_t& magnitude) {
    skipSpace();
    std::size_t p = pos_;
    negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
        negative = text_[p] == '-';
        ++p;
    }
    if (p >= text_.size() || !isDigit(text_[p])) return false;
    constexpr std::uint64_t kCap = std::uint64_t(1) << 40;  // far beyond any 32-bit value
    magnitude = 0;
    while (p < text_.size() && isDigit(text_[p])) {
        if (magnitude < kCap) magnitude = magnitude * 10 + static_cast<unsigned>(text_[p] - '0');
        ++p;
    }
    pos_ = p;
    return true;
}

bool TokenReader::readUnsigned(std::uint32_t& out) {
    bool negative;
    std::uint64_t magnitude;
    if (!readInteger(negative, magnitude)) return false;
    std::uint32_t value = magnitude > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(magnitude);
    out = negative ? 0u - value : value;
    return true;
}

bool TokenReader::readInt(std::int32_t& out) {
    bool negative;
    std::uint64_t magnitude;
    if (!readInteger(negative, magnitude)) return false;
    std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) value = std::numeric_limits<std::int32_t>::min();
    out = static_cast<std::int32_t>(value);
    return true;
}

bool TokenReader::readFloat(float& out) {
    skipSpace();
    std::size_t p = pos_;
    if (p < text_.size() && text_[p] == '+') ++p;  // from_chars takes '-' but not '+'
    const char* first = text_.data() + p;
    const char* last = text_.data() + text_.size();
    float value;
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (end == first) return false;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a float: the C library gives ±HUGE_VAL or 0 here.
        value = 0.0f;
    }
    out = value;
    pos_ = static_cast<std::size_t>(end - text_.data());
    return true;
}

}  // namespace jitsu
