// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Catalogue.h"

namespace jitsu {

// Why something failed or what a reader found, as a value: an English text of the catalogue
// with numbered places ({1} …) and the values that fill them (a file, a line, a column, a
// value, a limit, the cause an errno gives). It is put into words in the process's language
// only when shown (text()), so that the core never decides the language.
class Reason {
public:
    Reason() = default;
    // A text of the catalogue, marked with N_ where it is written.
    explicit Reason(const char* english, std::vector<Reason> values = {})
        : text_(english), values_(std::move(values)) {}

    // A value shown as it is: a file name, a number, a text taken from a file.
    static Reason verbatim(std::string text) {
        Reason r;
        r.text_ = std::move(text);
        r.verbatim_ = true;
        return r;
    }
    // What errno `error` means to a person; `writing` tells the refusal to write from the one
    // to read (EACCES, EPERM). An error the catalogue does not name keeps the system's own
    // description, taken in the process's language when the reason is made.
    static Reason ofErrno(int error, bool writing = false);

    // Put into words in the process's language.
    std::string text() const;
    // The English text with its places (the catalogue's key), or the value itself.
    const std::string& english() const { return text_; }
    const std::vector<Reason>& values() const { return values_; }
    bool empty() const { return text_.empty(); }
    bool operator==(const Reason&) const = default;

private:
    std::string text_;
    std::vector<Reason> values_;
    bool verbatim_ = false;
};

// A value for a place of a Reason: a Reason as it is, a path as its name, a number in digits,
// any other text verbatim.
inline Reason reasonValue(Reason r) { return r; }
// (As utf8FromPath shows it: path::string() is in the system's code page on Windows.)
Reason reasonValue(const std::filesystem::path& p);
inline Reason reasonValue(std::string text) { return Reason::verbatim(std::move(text)); }
inline Reason reasonValue(const char* text) { return Reason::verbatim(text); }
template <std::integral N>
Reason reasonValue(N n) {
    return Reason::verbatim(std::to_string(n));
}

// because(N_("{1}: cannot be read: {2}"), path, Reason::ofErrno(errno)).
template <class... Values>
Reason because(const char* english, Values&&... values) {
    return Reason(english, {reasonValue(std::forward<Values>(values))...});
}

}  // namespace jitsu
