// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the suite's manual pages, English into OUTDIR/man1 and Japanese into OUTDIR/ja/man1,
// dated DATE: `jitsu_manpages DATE OUTDIR`. Run while building the package.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "ManPage.h"

using namespace jitsu::cli;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: jitsu_manpages DATE OUTDIR\n";
        return 2;
    }
    const std::string date = argv[1];
    const std::filesystem::path root = argv[2];
    for (const auto& [language, dir] :
         {std::pair{Language::English, root / "man1"}, {Language::Japanese, root / "ja/man1"}}) {
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "jitsuryoku.1") << toolManPage(language, date);
        for (const WindowProgram& program : windowPrograms())
            std::ofstream(dir / (std::string(program.name) + ".1"))
                << programManPage(program, language, date);
    }
    return 0;
}
