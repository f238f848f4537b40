// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "DecimalNumber.h"
#include "FileFindings.h"
#include "Reason.h"
#include "TextField.h"

namespace jitsu {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Reads whitespace-separated values the way the C library's formatted input does, for files
// whose readers must survive any content. A numeric read skips whitespace, takes an optional
// sign and digits; when no digit follows, the target is left unchanged and nothing is consumed,
// so that the next read meets the same token. Reads past the end leave their targets unchanged.
// Given a FileFindings, it counts the fields read and the tokens that were no number where one was
// asked for; finish() adds what is left after the last field.
class TokenReader {
public:
    explicit TokenReader(std::string_view text, FileFindings* health = nullptr)
        : text_(text), health_(health) {}

    // "%s": the next token, cut to the field.
    template <std::size_t N>
    bool readText(TextField<N>& field) {
        std::string_view token = nextToken();
        if (token.empty()) return false;
        field.assign(token);
        counted();
        return true;
    }
    // "%s" into a string of any length.
    bool readToken(std::string& out);
    // "%u": a negative number wraps modulo 2^32, as the C library does.
    bool readUnsigned(std::uint32_t& out);
    // "%d": values beyond the 32-bit range are clamped.
    bool readInt(std::int32_t& out);
    // "%f" in the C locale: accepts, rejects and converts exactly as the C library does
    // (signs, exponents, hexadecimal, inf, nan; out of range gives ±inf or 0). A token it
    // rejects is not consumed.
    bool readFloat(float& out);

    // Whether `value`, the value last read, lies in [low, high]; when not, records it in the
    // health at its place: "`what` VALUE outside LOW..HIGH" ("above HIGH" when LOW is INT32_MIN).
    bool checkRange(long long value, long long low, long long high, const char* what) {
        return (value >= low && value <= high) || recordOutOfRange(value, low, high, what);
    }
    // Records in the health that the value last read is no value its field may take.
    void rejectLast(Reason what);

    // Skips `prefix` when the text's first token starts with it (a byte order mark, perhaps
    // after blank lines); whether it did.
    bool skipPrefix(std::string_view prefix);

    bool atEnd();
    // Whether the text has ended or its next token was refused as a whole number (with
    // `numbersToo`, as any number too): every such read from here fails and consumes nothing, so
    // a reader's loops can stop there.
    bool exhausted(bool numbersToo);
    // Records the tokens after the last field read in the health, when there is one.
    void finish();

private:
    void skipSpace();
    std::string_view nextToken();
    // An optional sign and decimal digits at the current position; on success advances.
    std::optional<DecimalNumber> readInteger();
    void counted();
    // Where byte `offset` lies (as positionIn), counted on from the last place asked for.
    TextPosition placeOf(std::size_t offset);
    // A number was asked of the token at the current position and it holds none.
    void notANumber();
    // checkRange's record of a value outside its range; false.
    bool recordOutOfRange(long long value, long long low, long long high, const char* what);

    std::string_view text_;
    std::size_t pos_ = 0;
    FileFindings* health_;
    std::size_t lastBad_ = std::string_view::npos;
    // The token a read of each kind last rejected: a stuck token is not parsed again and again.
    std::size_t noInteger_ = std::string_view::npos, noFloat_ = std::string_view::npos;
    std::size_t lastStart_ = 0;  // where the value last read begins
    std::size_t placed_ = 0;     // the offset place_ stands for
    TextPosition place_;
};

}  // namespace jitsu
