// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "DamagedFile.h"
#include "FileFindings.h"
#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

bool openBasicData(const std::filesystem::path& dir, BasicData& data, Messages& messages) {
    const auto path = basicDataPath(dir);
    FileFindings health;
    const Status read = readBasicData(path, data, &health);
    if (!read) {
        messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop, read.reason());
        return false;
    }
    // Every later field of a damaged file may sit in the wrong place: the person decides.
    return goOnDespiteDamage(path, health, messages);
}

}  // namespace jitsu
