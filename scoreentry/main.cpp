// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramMain.h"
#include "ScoreEntryWindow.h"

int main(int argc, char** argv) { return jitsu::runProgram<jitsu::ScoreEntryWindow>(argc, argv); }
