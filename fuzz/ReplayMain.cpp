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
        std::filesystem::path arg = argv[i];
        if (!arg.empty() && arg.string()[0] == '-') continue;  // libFuzzer options
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(arg))
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                files.push_back(entry.path());
        else
            files.push_back(arg);
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("replayed %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
