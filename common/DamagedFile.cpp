// SPDX-License-Identifier: GPL-3.0-or-later
#include "DamagedFile.h"

#include "FileSystem.h"
#include "MessageTexts.h"

namespace jitsu {

std::string findingOf(const std::filesystem::path& path, const FileFindings& health) {
    return utf8FromPath(path) + ": " + health.describe();
}

bool goOnDespiteDamage(const std::filesystem::path& path, const FileFindings& health,
                       Messages& messages) {
    if (!health.damaged()) return true;
    return messages.ask(text::kDamagedFile, text::kWarning, MessageIcon::Exclamation,
                        MessageButtons::YesNo, MessageAnswer::No,
                        findingOf(path, health)) == MessageAnswer::Yes;
}

}  // namespace jitsu
