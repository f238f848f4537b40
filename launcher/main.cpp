// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "LauncherWindow.h"
#include "ProgramMain.h"

int main(int argc, char** argv) {
    // Where QSettings keeps the chosen data folder: ~/.config/jitsuryoku/launcher.conf.
    QCoreApplication::setOrganizationName("jitsuryoku");
    QCoreApplication::setApplicationName("launcher");
    return jitsu::runProgram<jitsu::launcher::LauncherWindow>(argc, argv);
}
