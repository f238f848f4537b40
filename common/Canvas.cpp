// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

namespace jitsu {

int halfEms(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) == 0x80) continue;
        const bool halfKana =
            byte == 0xEF && i + 2 < utf8.size() &&
            ((utf8[i + 1] == '\xBD' && static_cast<unsigned char>(utf8[i + 2]) >= 0xA1) ||
             utf8[i + 1] == '\xBE');
        width += byte < 0x80 || halfKana ? 1 : 2;
    }
    return width;
}

}  // namespace jitsu
