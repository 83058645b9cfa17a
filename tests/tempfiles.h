// A folder of its own for a test's files, removed afterwards, and whole
// files written and read as bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <sys/stat.h>

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

// Things a file's name may stand for that are not regular files: a FIFO
// (opening it for reading waits for a writer), a directory, and a link to
// a device that never ends. Each is made at the path given.
struct HostileFile {
    const char* what;
    void (*make)(const std::filesystem::path&);
};

inline const std::vector<HostileFile>& hostileFiles()
{
    static const std::vector<HostileFile> kinds = {
        {"FIFO", [](const std::filesystem::path& p) { ::mkfifo(p.c_str(), 0600); }},
        {"directory", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        {"link to /dev/zero", [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); }},
    };
    return kinds;
}

} // namespace brixo::test
