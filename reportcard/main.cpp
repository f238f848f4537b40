// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramMain.h"
#include "ReportcardWindow.h"

int main(int argc, char** argv) {
    return jitsu::runProgram<jitsu::reportcard::ReportcardWindow>(argc, argv);
}
