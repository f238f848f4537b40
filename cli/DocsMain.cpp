// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the package installs beside the programs, from the command-line tool's tables:
// `jitsu_docs DATE OUTDIR` puts the manual pages dated DATE into OUTDIR/man1 (English) and
// OUTDIR/ja/man1 (Japanese), and the bash completions into OUTDIR/completions.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Completion.h"
#include "ManPage.h"

using namespace jitsu::cli;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: jitsu_docs DATE OUTDIR\n";
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
    const std::filesystem::path completions = root / "completions";
    std::filesystem::create_directories(completions);
    std::ofstream(completions / "jitsuryoku") << bashCompletion();
    for (const WindowProgram& program : windowPrograms())
        std::ofstream(completions / program.name) << programBashCompletion(program.name);
    return 0;
}
