#pragma once

#include <string>
#include <utility>

namespace jitsu {

// The outcome of an operation that can fail, with a reason for the user or the log.
class Status {
public:
    static Status ok() { return Status(); }
    static Status error(std::string reason) { return Status(std::move(reason)); }

    bool isOk() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& reason() const { return reason_; }

private:
    Status() = default;
    explicit Status(std::string reason) : ok_(false), reason_(std::move(reason)) {}

    bool ok_ = true;
    std::string reason_;
};

}  // namespace jitsu
