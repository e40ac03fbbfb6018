// Runs a fuzz target over saved inputs without libFuzzer, so that the seed corpora and every
// kept reproducer run with the ordinary tests, with any compiler. Arguments are files or folders
// of files; arguments starting with "-" (libFuzzer's options) are ignored.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::set<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i]))
            inputs.insert(fs::directory_iterator(argv[i]), fs::directory_iterator());
        else if (argv[i][0] != '-')
            inputs.insert(argv[i]);
    }
    for (const fs::path& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return std::fprintf(stderr, "Cannot read %s\n", path.c_str()), 1;
        const std::string bytes {std::istreambuf_iterator<char>(file), {}};
        std::printf("Running %s\n", path.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("Ran %zu inputs\n", inputs.size());
    return 0;
}
