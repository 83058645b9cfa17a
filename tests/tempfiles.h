// A folder of its own for a test's files, removed afterwards, and whole
// files written and read as bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace brixo::test {

struct TempDir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("brixo_test_" + std::to_string(std::random_device{}()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path file(const char* name) const { return path / name; }
};

inline void writeFile(const std::filesystem::path& file, const std::string& data)
{
    std::ofstream(file, std::ios::binary) << data;
}

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace brixo::test
