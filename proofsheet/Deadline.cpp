// SPDX-License-Identifier: GPL-3.0-or-later
#include "Deadline.h"

namespace jitsu {

Deadline deadlineFor(const LocalDate& today) {
    if (today.day < 30) return Deadline{today.month + 1, today.day + 2};
    return Deadline{today.month == 11 ? 1 : today.month + 2, 1};
}

}  // namespace jitsu
