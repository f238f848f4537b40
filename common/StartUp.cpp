#include "StartUp.h"

#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

bool openBasicData(const std::filesystem::path& dir, BasicData& data, Messages& messages) {
    if (readBasicData(basicDataPath(dir), data)) return true;
    messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop);
    return false;
}

}  // namespace jitsu
