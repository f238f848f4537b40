#include "StartUp.h"

#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

bool openBasicData(const std::filesystem::path& dir, BasicData& data, Messages& messages) {
    const Status read = readBasicData(basicDataPath(dir), data);
    if (read) return true;
    messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop, read.reason());
    return false;
}

}  // namespace jitsu
