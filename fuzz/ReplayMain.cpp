// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer: runs the target once on every file of the folders or files given, as
// `TARGET -runs=0 CORPUS` does, so that a compiler without libFuzzer still replays the corpora.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') continue;  // libFuzzer options
        std::vector<std::filesystem::path> files{argv[i]};
        if (std::filesystem::is_directory(files[0]))
            files.assign(std::filesystem::directory_iterator(files[0]), {});
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), {});
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("replayed %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
