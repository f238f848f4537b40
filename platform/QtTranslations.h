// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu {

// Installs Qt's own Japanese texts (the buttons of message boxes, the print dialog) in the
// running application, whatever the session's locale. Without the translations installed the
// texts stay English; false then.
bool installJapaneseQtTexts();

}  // namespace jitsu
