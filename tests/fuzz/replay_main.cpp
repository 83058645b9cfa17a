// Runs a fuzz target over the inputs it has kept, without the fuzzer: every
// file in the folders (or the files) named on the command line is fed to
// it once, so that a build with the sanitizers shows any input that once
// found a fault, and any new fault on the kept inputs, with any compiler.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named)) {
                if (!entry.is_regular_file()) continue;
                replay(entry.path());
                ++files;
            }
        } else {
            replay(named);
            ++files;
        }
    }
    std::cout << files << " inputs replayed\n";
    // Nothing to replay is a mistake in the test's set-up, not a pass.
    return files > 0 ? 0 : 1;
}
