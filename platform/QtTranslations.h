// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu {

// Installs Qt's own Japanese texts (the buttons of message boxes, the print dialog) in the
// running application, whatever the session's locale, and after them the few texts Qt's
// translation leaves English ("Pages", "Advanced", "Folder"). Without Qt's translations
// installed its other texts stay English; false then.
bool installJapaneseQtTexts();

}  // namespace jitsu
