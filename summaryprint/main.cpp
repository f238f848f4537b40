// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramMain.h"
#include "SummaryWindow.h"

int main(int argc, char** argv) {
    return jitsu::runProgram<jitsu::summaryprint::SummaryWindow>(argc, argv);
}
