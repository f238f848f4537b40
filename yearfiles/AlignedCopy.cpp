// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlignedCopy.h"

#include <algorithm>
#include <string_view>

#include "AtomicWrite.h"
#include "Limits.h"
#include "Paths.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace {

constexpr std::string_view kSizesMark = "#class-sizes";

// Reads the sizes of line `line` (the mark dropped) into `sizes`; false on a value out of range
// or too many.
bool parseSizes(std::string_view line, std::vector<unsigned>& sizes) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        for (; i < line.size() && line[i] != ' '; ++i, ++digits) {
            if (line[i] < '0' || line[i] > '9' || digits >= 3) return false;
            value = value * 10 + static_cast<unsigned>(line[i] - '0');
        }
        if (value > static_cast<unsigned>(kRosterEntries) ||
            sizes.size() >= static_cast<std::size_t>(kMaxClasses))
            return false;
        sizes.push_back(value);
    }
    return true;
}

}  // namespace

Status readAlignedCopy(const std::filesystem::path& roster, AlignedCopy& copy) {
    copy = {};
    const std::filesystem::path path = alignedRosterPath(roster);
    std::string bytes;
    if (Status read = readFileBytes(path, kMaxRosterBytes + 256, bytes); !read) return read;
    if (!bytes.starts_with(kSizesMark)) {
        copy.rosterBytes = std::move(bytes);
        return Status::ok();
    }
    const std::size_t end = bytes.find('\n');
    std::string_view line = std::string_view(bytes).substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!parseSizes(line.substr(kSizesMark.size()), copy.classSizes))
        return Status::error(because(N_("{1}: line 1: the class sizes are not {2} numbers or "
                                        "fewer from 0 to {3}; it is written again with the next "
                                        "roster"),
                                     path, kMaxClasses, kRosterEntries));
    copy.rosterBytes = end == std::string::npos ? std::string() : bytes.substr(end + 1);
    return Status::ok();
}

Status writeAlignedCopy(const std::filesystem::path& roster, const AlignedCopy& copy) {
    std::string bytes(kSizesMark);
    for (unsigned size : copy.classSizes) {
        bytes += ' ';
        bytes += std::to_string(size);
    }
    return writeFileAtomically(alignedRosterPath(roster), bytes + "\r\n" + copy.rosterBytes);
}

std::vector<unsigned> headCountsOf(const GradeData& grade) {
    return std::vector<unsigned>(grade.headCounts, grade.headCounts + grade.classes());
}

void placeAsCopied(const AlignedCopy& copy, GradeData& grade) {
    if (copy.classSizes.empty()) return;
    for (std::size_t k = 0; k < static_cast<std::size_t>(grade.classes()); ++k)
        grade.headCounts[k] = k < copy.classSizes.size() ? copy.classSizes[k] : 0;
}

int rosterLines(std::string_view bytes) {
    const auto ends = std::count(bytes.begin(), bytes.end(), '\n');
    return static_cast<int>(ends) + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

}  // namespace jitsu::yearfiles
