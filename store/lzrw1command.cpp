#include "store/lzrw1command.h"

#include "store/lzrw1.h"

#include <string_view>

namespace brixo {

namespace {
constexpr std::string_view kCompress = "--compress";
constexpr std::string_view kDecompress = "--decompress";
} // namespace

bool isLzrw1Command(int argc, char** argv)
{
    return argc > 1 && (argv[1] == kCompress || argv[1] == kDecompress);
}

int runLzrw1Command(int argc, char** argv, std::ostream& err)
{
    if (!isLzrw1Command(argc, argv) || argc != 4) {
        err << "usage: brixo --compress IN OUT | brixo --decompress IN OUT\n";
        return 2;
    }
    Tlzrw1 codec;
    codec.InputFile = argv[2];
    codec.OutputFile = argv[3];
    const long long written = argv[1] == kCompress ? codec.Compress() : codec.Decompress();
    if (written >= 0) return 0;
    err << codec.failure() << '\n';
    return 1;
}

} // namespace brixo
