// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "Clock.h"
#include "Messages.h"
#include "Printer.h"

namespace jitsu {

// What a program's window works with: the working directory and the platform's services.
// The programs get the real ones; tests pass fakes that answer at once.
struct Services {
    std::filesystem::path dir;
    Messages& messages;
    Printer& printer;
    const Clock& clock;
};

}  // namespace jitsu
