// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseSetupWindow.h"
#include "ProgramMain.h"

int main(int argc, char** argv) { return jitsu::runProgram<jitsu::BaseSetupWindow>(argc, argv); }
