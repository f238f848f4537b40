// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileFindings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Cp932.h"
#include "Utf8.h"

namespace jitsu {

namespace {

bool isCp932Trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Where the run of ASCII bytes (without NUL, with `nulToo` false) that begins at `i` ends. A
// year's files are mostly digits and blanks: eight bytes a step rather than one.
std::size_t asciiRunEnd(std::string_view raw, std::size_t i, bool nulToo) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighBits = 0x8080808080808080;
    for (; i + 8 <= raw.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, raw.data() + i, sizeof word);
        const bool hasNul = ((word - kOnes) & ~word & kHighBits) != 0;
        if ((word & kHighBits) != 0 || (!nulToo && hasNul)) break;
    }
    while (i < raw.size() && static_cast<unsigned char>(raw[i]) < 0x80 && (nulToo || raw[i] != 0))
        ++i;
    return i;
}

// Valid CP932 text: one- and two-byte characters, no NUL.
bool isCp932Text(std::string_view raw) {
    for (std::size_t i = asciiRunEnd(raw, 0, false); i < raw.size();
         i = asciiRunEnd(raw, i + 1, false)) {
        auto b = static_cast<unsigned char>(raw[i]);
        if (isCp932LeadByte(b)) {
            if (i + 1 >= raw.size() || !isCp932Trail(static_cast<unsigned char>(raw[i + 1])))
                return false;
            ++i;
        } else if (b == 0 || b == 0x80 || b == 0xA0 || b >= 0xFD) {
            return false;
        }
    }
    return true;
}

// Valid UTF-8 with at least one character beyond ASCII.
bool looksLikeUtf8(std::string_view raw) {
    bool beyondAscii = false;
    for (std::size_t i = asciiRunEnd(raw, 0, true); i < raw.size(); i = asciiRunEnd(raw, i, true)) {
        const std::size_t length = utf8SequenceLength(raw, i);
        if (length == 0) return false;
        beyondAscii = true;  // only a character beyond ASCII stops the run
        i += length;
    }
    return beyondAscii;
}

void append(std::string& out, const std::string& finding) {
    if (!out.empty()) out += tr(N_("; "));
    out += finding;
}

std::string said(const Reason& reason) { return reason.text(); }

}  // namespace

void surveyBytes(std::string_view raw, FileFindings& health) {
    health.bytes = raw.size();
    // Every CR is a CR LF end or a lone CR; every other LF is an LF end.
    std::size_t crs = 0, crLfs = 0;
    for (std::size_t i = raw.find('\r'); i != std::string_view::npos; i = raw.find('\r', i + 1)) {
        ++crs;
        crLfs += i + 1 < raw.size() && raw[i + 1] == '\n';
    }
    health.crLfEnds += crLfs;
    health.crEnds += crs - crLfs;
    std::size_t lfs = 0;
    for (std::size_t i = raw.find('\n'); i != std::string_view::npos; i = raw.find('\n', i + 1))
        ++lfs;
    health.lfEnds += lfs - crLfs;
    // Most of a year's files are ASCII through and through: one look settles both questions.
    const bool ascii = asciiRunEnd(raw, 0, false) == raw.size();
    health.looksUtf8 = !ascii && looksLikeUtf8(raw);
    health.validCp932 = ascii || isCp932Text(raw);
}

TextPosition positionIn(std::string_view text, std::size_t offset) {
    TextPosition at;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++at.line;
            at.column = 1;
        } else {
            ++at.column;
        }
    }
    return at;
}

void FileFindings::reject(TextPosition at, Reason what) {
    ++rejected;
    if (keepsPlaces()) rejectedPlaces.push_back({at, std::move(what)});
}

bool FileFindings::damaged() const { return !describe().empty(); }

std::string FileFindings::describe() const {
    std::string out;
    const bool shapeFixed = valuesExpected > 0;
    if (bytes == 0 && valuesFound() == 0) {
        if (shapeFixed || lineEndsMatter) append(out, said(Reason(N_("empty"))));
        return out;
    }
    if (looksUtf8)
        append(out, said(Reason(N_("the text is UTF-8, not CP932"))));
    else if (!validCp932)
        append(out, said(Reason(N_("bytes that are not CP932 text"))));
    for (const ClampedCount& c : clamped)
        append(out, said(because(N_("{1} {2} clamped to {3}"), c.which, c.from, c.to)));
    // A token split in two by a stuck read counts twice: only a larger difference is the shape.
    const std::size_t found = valuesFound();
    const std::size_t off =
        found > valuesExpected ? found - valuesExpected : valuesExpected - found;
    if (shapeFixed && off > badTokens) {
        if (found < valuesExpected)
            append(out, said(because(N_("truncated: {1} of {2} values"), found, valuesExpected)));
        else
            append(out, said(because(N_("written for another shape: {1} values, {2} expected"),
                                     found, valuesExpected)));
    }
    if (badTokens > 0) {
        const Reason tokens = badTokens == 1
                                  ? because(N_("{1} token that is not a number"), badTokens)
                                  : because(N_("{1} tokens that are not numbers"), badTokens);
        append(out, badTokenPlaces.empty()
                        ? said(tokens)
                        : said(because(N_("{1} from line {2}, column {3}"), tokens,
                                       badTokenPlaces[0].line, badTokenPlaces[0].column)));
    }
    if (rejected > 0) {
        std::string finding =
            said(rejected == 1 ? because(N_("{1} value out of range or malformed"), rejected)
                               : because(N_("{1} values out of range or malformed"), rejected));
        for (const Rejection& place : rejectedPlaces)
            finding += said(because(N_(", line {1} column {2}: {3}"), place.at.line,
                                    place.at.column, place.what));
        append(out, finding);
    }
    if (lineEndsMatter && crEnds > 0) append(out, said(Reason(N_("CR-only line ends"))));
    return out;
}

ShapeFit checkShape(const FileFindings& health) {
    return {health.valuesFound() == health.valuesExpected, health.valuesFound(),
            health.valuesExpected};
}

}  // namespace jitsu
