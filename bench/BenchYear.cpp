// SPDX-License-Identifier: GPL-3.0-or-later
// bench_year DIR: writes the year the speed targets are measured on (FullYear.h) into DIR, for
// scripts/bench.sh to run the programs on.
#include <iostream>

#include "FullYear.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: bench_year DIR\n";
        return 2;
    }
    if (jitsu::Status s = jitsu::bench::writeFullYear(argv[1]); !s) {
        std::cerr << "bench_year: " << s.reason() << '\n';
        return 1;
    }
    return 0;
}
