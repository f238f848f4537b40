// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "Cp932.h"

namespace jitsu {

// CP932 bytes as the data files carry them, kept apart from UTF-8 by their type: the one way to
// UTF-8 is utf8(), and bytes() hands the bytes themselves to a writer or a comparison. A page or
// a window that is given a Cp932View where it wants UTF-8 does not compile.
class Cp932View {
public:
    constexpr Cp932View() = default;
    constexpr explicit Cp932View(std::string_view bytes) : bytes_(bytes) {}

    constexpr std::string_view bytes() const { return bytes_; }
    constexpr bool empty() const { return bytes_.empty(); }
    std::string utf8() const { return cp932ToUtf8(bytes_); }
    bool operator==(const Cp932View&) const = default;

private:
    std::string_view bytes_;
};

// Owning CP932 bytes, for texts that outlive the record they came from.
class Cp932Text {
public:
    Cp932Text() = default;
    explicit Cp932Text(std::string bytes) : bytes_(std::move(bytes)) {}
    explicit Cp932Text(Cp932View view) : bytes_(view.bytes()) {}

    Cp932View view() const { return Cp932View(bytes_); }
    const std::string& bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }
    std::string utf8() const { return cp932ToUtf8(bytes_); }
    bool operator==(const Cp932Text&) const = default;

private:
    std::string bytes_;
};

}  // namespace jitsu
