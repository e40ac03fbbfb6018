// Runs a fuzz target over saved inputs without libFuzzer, so that the seed corpora and every
// kept reproducer run with the ordinary tests, with any compiler. Arguments are files or folders
// of files; arguments starting with "-" (libFuzzer's options) are ignored.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path argument = argv[i];
        if (argv[i][0] == '-')
            continue;
        if (fs::is_directory(argument)) {
            for (const auto& entry : fs::directory_iterator(argument))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else {
            inputs.push_back(argument);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "Cannot read %s\n", path.c_str());
            return 1;
        }
        const std::vector<char> bytes {std::istreambuf_iterator<char>(file), {}};
        std::printf("Running %s\n", path.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("Ran %zu inputs\n", inputs.size());
    return 0;
}
