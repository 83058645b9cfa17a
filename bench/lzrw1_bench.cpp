// Throughput of the tally's compressor on mixed text: game logs, chat,
// tally lines, numbers and some noise, the kinds of text the method meets.
//
//   lzrw1_bench [MiB] [repeats]      (32 MiB, best of 5 by default)
#include "store/lzrw1.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

std::string mixedText(std::size_t size)
{
    static const char* names[] = {"You", "Klot", "Klock", "Kling", "Ann", "Bob"};
    static const char* colours[] = {"Green", "Orange", "Red", "Black"};
    static const char* words[] = {"the", "board", "tile", "run", "group", "wild", "turn", "draw",
                                  "score", "round", "good", "game", "nice", "move", "rack", "again"};
    std::mt19937 rng(2024);
    std::string s;
    s.reserve(size + 256);
    while (s.size() < size) {
        const std::string who = names[rng() % 6];
        switch (rng() % 6) {
        case 0:
        case 1:
            s += who + " played a " + colours[rng() % 4] + " " + std::to_string(1 + rng() % 13) + ".\r\n";
            break;
        case 2: {
            s += who + ": ";
            for (int w = 1 + int(rng() % 12); w > 0; --w) s += std::string(words[rng() % 16]) + ' ';
            s += "\r\n";
            break;
        }
        case 3:
            s += std::to_string(rng() % 100000) + "\r\n" + std::to_string(rng() % 1000) + "\r\n";
            break;
        case 4:
            s += "CMD_placehistile+" + std::to_string(1 + rng() % 4) + '+' + std::to_string(rng() % 54) + '+' +
                 std::to_string(1 + rng() % 22) + '+' + std::to_string(1 + rng() % 12) + "+\r\n";
            break;
        default:
            for (int k = 0; k < 12; ++k) s += char('!' + rng() % 90);
            s += std::string(rng() % 24, ' ') + "\r\n";
            break;
        }
    }
    s.resize(size);
    return s;
}

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t mib = argc > 1 ? std::size_t(std::max(1, std::atoi(argv[1]))) : 32;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string data = mixedText(mib << 20);

    // The buffers are reused, so the figures are the codec's and not the
    // system's first touch of fresh memory.
    double bestCompress = 1e9, bestDecompress = 1e9;
    std::size_t packedSize = 0;
    brixo::Tlzrw1::Outcome packed, back;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        brixo::Tlzrw1::compressBytes(data, packed);
        const auto t1 = std::chrono::steady_clock::now();
        brixo::Tlzrw1::decompressBytes(packed.bytes, back);
        const auto t2 = std::chrono::steady_clock::now();
        if (!packed.ok() || !back.ok() || back.bytes != data) {
            std::fprintf(stderr, "round trip failed: %s%s\n", packed.failure.c_str(), back.failure.c_str());
            return 1;
        }
        packedSize = packed.bytes.size();
        bestCompress = std::min(bestCompress, seconds(t1 - t0));
        bestDecompress = std::min(bestDecompress, seconds(t2 - t1));
    }
    const double mb = double(data.size()) / 1e6;
    std::printf("lzrw1: %zu MiB of mixed text, compressed to %.1f%%\n", mib, 100.0 * double(packedSize) / double(data.size()));
    std::printf("compress:   %.0f MB/s\n", mb / bestCompress);
    std::printf("decompress: %.0f MB/s\n", mb / bestDecompress);
    return 0;
}
