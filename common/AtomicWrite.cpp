// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicWrite.h"

namespace jitsu {

AtomicReplacement::AtomicReplacement(std::filesystem::path target) : target_(std::move(target)) {}

AtomicReplacement::~AtomicReplacement() = default;

Status AtomicReplacement::start() {
    impl_ = fileSystem().replacement(target_);
    return impl_->start();
}

std::string AtomicReplacement::temporaryPath() const {
    return impl_ ? impl_->temporaryPath() : std::string();
}

Status AtomicReplacement::write(std::string_view content) { return impl_->write(content); }

Status AtomicReplacement::commit() { return impl_->commit(); }

Status writeFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicReplacement replacement(target);
    if (Status s = replacement.start(); !s) return s;
    if (Status s = replacement.write(content); !s) return s;
    return replacement.commit();
}

}  // namespace jitsu
