// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Commands.h"
#include "System.h"

int main(int argc, char** argv) {
    return jitsu::cli::runCli(jitsu::commandLineArguments(argc, argv), std::cout, std::cerr);
}
