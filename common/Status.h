// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

#include "Reason.h"

namespace jitsu {

// The outcome of an operation that can fail, with a reason for the person or the log that
// names the file and the cause. A file that does not exist is told apart from one that exists
// but cannot be read, since only the first may be treated as new.
class [[nodiscard]] Status {
public:
    static Status ok() { return Status(); }
    static Status error(Reason reason) { return Status(Kind::Error, std::move(reason)); }
    static Status missing(Reason reason) { return Status(Kind::Missing, std::move(reason)); }
    // A reason already in words (a library's message, a text composed elsewhere).
    static Status error(std::string reason) { return error(Reason::verbatim(std::move(reason))); }

    bool isOk() const { return kind_ == Kind::Ok; }
    bool isMissing() const { return kind_ == Kind::Missing; }
    explicit operator bool() const { return isOk(); }
    // The reason in the process's language.
    std::string reason() const { return reason_.text(); }
    const Reason& why() const { return reason_; }

private:
    enum class Kind { Ok, Error, Missing };
    Status() = default;
    Status(Kind kind, Reason reason) : kind_(kind), reason_(std::move(reason)) {}

    Kind kind_ = Kind::Ok;
    Reason reason_;
};

}  // namespace jitsu
