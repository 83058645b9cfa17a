// The tally's compressor: exact container and block bytes for the edge
// cases, round trips, and damaged input failing cleanly.
#include "store/lzrw1.h"
#include "store/lzrw1command.h"
#include "tests/tempfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using brixo::Tlzrw1;
using namespace brixo::test;

namespace {

std::string bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list) s += char(b);
    return s;
}

std::string header(std::uint32_t length)
{
    return "WRZL" + bytes({int(length & 0xFF), int((length >> 8) & 0xFF), int((length >> 16) & 0xFF),
                           int(length >> 24)});
}

std::string withLength(const std::string& block)
{
    return bytes({int(block.size() & 0xFF), int(block.size() >> 8)}) + block;
}

std::string packed(const std::string& data)
{
    const Tlzrw1::Outcome out = Tlzrw1::compressBytes(data);
    EXPECT_TRUE(out.ok()) << out.failure;
    return out.bytes;
}

std::string randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s) c = char(rng() & 0xFF);
    return s;
}

// Words, numbers and line ends, as a tally or a log reads.
std::string text(std::size_t n, unsigned seed)
{
    static const char* words[] = {"Klot", "Klock", "Kling", "You", "0", "12", "tally", "game", "wins", "\r\n"};
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < n) s += std::string(words[rng() % 10]) + (rng() % 3 ? " " : "");
    s.resize(n);
    return s;
}

} // namespace

TEST(Lzrw1Container, EdgeCasesGiveTheseExactBytes)
{
    // Empty input: the header and the empty last block.
    EXPECT_EQ(packed(""), header(0) + withLength(bytes({0x80})));
    // 100 equal bytes: flag, one control word, one run item.
    EXPECT_EQ(packed(std::string(100, 'a')), header(100) + withLength(bytes({0x40, 0x80, 0x00, 0x00, 0x00, 84, 'a'})));
    // 16 bytes that do not compress are stored.
    const std::string noise = "q7#Zp!x0Lw&3mB^k";
    EXPECT_EQ(packed(noise), header(16) + withLength(bytes({0x80}) + noise));
    // The longest run; one more byte is a literal; 5000 is two runs.
    EXPECT_EQ(packed(std::string(4095, 'z')), header(4095) + withLength(bytes({0x40, 0x80, 0x00, 0, 0x0F, 0xEF, 'z'})));
    EXPECT_EQ(packed(std::string(4096, 'z')),
              header(4096) + withLength(bytes({0x40, 0x80, 0x00, 0, 0x0F, 0xEF, 'z', 'z'})));
    EXPECT_EQ(packed(std::string(5000, 'z')),
              header(5000) + withLength(bytes({0x40, 0xC0, 0x00, 0, 0x0F, 0xEF, 'z', 0, 0x03, 0x79, 'z'})));
    // Three literals, then copies 3 back (18 bytes) and 18 back (3 bytes).
    EXPECT_EQ(packed("abcabcabcabcabcabcabcabc"),
              header(24) + withLength(bytes({0x40, 0x18, 0x00, 'a', 'b', 'c', 0x00, 0x3F, 0x01, 0x20})));
}

TEST(Lzrw1Container, BlocksOf16TimesKItemsEndWithoutAnEmptyControlWordAndBothFormsRead)
{
    for (int groups : {1, 2, 3}) {
        // 16 x k runs of 16 bytes, each a different byte: 16 x k run items.
        std::string runs;
        for (int b = 0; b < 16 * groups; ++b) runs += std::string(16, char(b + 1));
        const std::string out = packed(runs);
        std::string block = bytes({0x40});
        for (int g = 0; g < groups; ++g) {
            block += bytes({0xFF, 0xFF});
            for (int b = 16 * g; b < 16 * g + 16; ++b) block += bytes({0, 0, 0, b + 1});
        }
        const std::string written = header(std::uint32_t(runs.size())) + withLength(block);
        EXPECT_EQ(out, written) << groups;
        const std::string older = header(std::uint32_t(runs.size())) + withLength(block + bytes({0, 0}));
        for (const std::string& form : {written, older}) {
            const Tlzrw1::Outcome back = Tlzrw1::decompressBytes(form);
            EXPECT_TRUE(back.ok()) << groups << back.failure;
            EXPECT_EQ(back.bytes, runs) << groups;
        }
    }
}

TEST(Lzrw1Container, AMultipleOfTheBlockSizeEndsWithAnEmptyBlock)
{
    const std::string data = randomBytes(Tlzrw1::kBlockSize, 7);
    const std::string out = packed(data);
    // A random block is stored: 0x80 and its bytes, then the empty block.
    ASSERT_EQ(out.size(), 8u + 2 + 1 + Tlzrw1::kBlockSize + 2 + 1);
    EXPECT_EQ(out.substr(8, 3), bytes({0x01, 0x80, 0x80}));
    EXPECT_EQ(out.substr(out.size() - 3), bytes({0x01, 0x00, 0x80}));

    const std::string zeros = packed(std::string(2 * Tlzrw1::kBlockSize, '\0'));
    EXPECT_EQ(zeros.substr(zeros.size() - 3), bytes({0x01, 0x00, 0x80}));
}

TEST(Lzrw1Container, TextCompressesAndEveryBlockStaysWithinItsInput)
{
    const std::string data = text(100000, 3);
    const std::string out = packed(data);
    EXPECT_LT(out.size(), data.size() / 2);
    std::size_t at = 8;
    int blocks = 0;
    while (at < out.size()) {
        const std::size_t n = std::uint8_t(out[at]) | std::uint8_t(out[at + 1]) << 8;
        EXPECT_LE(n, Tlzrw1::kBlockSize + 1);
        EXPECT_EQ(std::uint8_t(out[at + 2]), 0x40);
        at += 2 + n;
        ++blocks;
    }
    EXPECT_EQ(at, out.size());
    EXPECT_EQ(blocks, 4);
}

TEST(Lzrw1RoundTrip, RandomAndStructuredDataOfManySizesComeBackUnchanged)
{
    const std::vector<std::size_t> sizes = {0,     1,     2,     3,     4,     15,    16,    17,    18,     19,
                                            100,   4095,  4096,  4097,  4111,  32767, 32768, 32769, 65536,  70001};
    unsigned seed = 1;
    for (std::size_t n : sizes) {
        std::vector<std::string> inputs = {randomBytes(n, seed++), text(n, seed++), std::string(n, '\x07')};
        // Runs of every length with noise between them, and a short pattern
        // with rare changes: runs, copies and literals side by side.
        std::string runs, pattern;
        std::mt19937 rng(seed++);
        while (runs.size() < n) runs += std::string(rng() % 40, char(rng() % 4)) + char(rng());
        for (std::size_t i = 0; i < n; ++i) pattern += rng() % 50 ? "Brixo!"[i % 6] : char(rng());
        runs.resize(n);
        inputs.push_back(runs);
        inputs.push_back(pattern);
        for (const std::string& data : inputs) {
            const Tlzrw1::Outcome back = Tlzrw1::decompressBytes(packed(data), "x");
            ASSERT_TRUE(back.ok()) << back.failure << " size " << n;
            ASSERT_EQ(back.bytes, data) << "size " << n;
        }
    }
}

TEST(Lzrw1Damaged, EveryKindOfDamageFailsWithItsMessage)
{
    const std::string noHeader = "t.tld : Lzrw1 decompression : this file has no valid header !";
    const std::string readError = "Lzrw1 : Error reading from input file : t.tld";
    const std::string mismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    const std::string damaged = "Lzrw1 (decompression LZRW1/KH) : Damaged compressed block in : t.tld";
    const std::string lzh = "t.tld : Lzrw1 decompression : LZH compressed files are not supported !";
    const std::string big(Tlzrw1::kBlockSize + 1, 'b');
    // Nine runs of 4095 bytes: the ninth would pass 32768.
    std::string runsPastTheEnd = bytes({0x40, 0xFF, 0x80});
    for (int run = 0; run < 9; ++run) runsPastTheEnd += bytes({0x00, 0x0F, 0xEF, 'r'});
    const struct {
        const char* what;
        std::string file;
        std::string message;
    } cases[] = {
        {"empty file", "", readError},
        {"short identifier", "WRZ", readError},
        {"plain text", "9\r\n1\r\n0\r\n", noHeader},
        {"LZH", "!HZL" + bytes({3, 0, 0, 0, 1, 2, 3}), lzh},
        {"short length", "WRZL" + bytes({1, 0}), readError},
        {"no block", header(0), readError},
        {"half a block length", header(0) + bytes({1}), readError},
        {"block cut short", header(3) + bytes({4, 0, 0x80, 'a'}), readError},
        {"stated length too long", header(5) + withLength(bytes({0x80, 'a'})), mismatch},
        {"stated length too short", header(1) + withLength(bytes({0x80, 'a', 'b'})), mismatch},
        {"negative length", header(0xFFFFFFFF) + withLength(bytes({0x80})), mismatch},
        {"stored block over 32768", header(32769) + withLength(bytes({0x80}) + big), damaged},
        {"unknown flag", header(1) + withLength(bytes({0x41, 0, 0, 'a'})), damaged},
        {"copy before the start", header(4) + withLength(bytes({0x40, 0x40, 0x00, 'a', 0x00, 0x20})), damaged},
        {"run past the block's end", header(40000) + withLength(runsPastTheEnd), damaged},
        {"truncated copy", header(4) + withLength(bytes({0x40, 0x40, 0x00, 'a', 0x00})), damaged},
        {"truncated run", header(20) + withLength(bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x04})), damaged},
        {"truncated control word", header(16) + withLength(bytes({0x40, 0, 0}) + std::string(16, 'a') + "\x80"), damaged},
    };
    for (const auto& c : cases) {
        const Tlzrw1::Outcome out = Tlzrw1::decompressBytes(c.file, "t.tld");
        EXPECT_EQ(out.failure, c.message) << c.what;
        EXPECT_TRUE(out.bytes.empty()) << c.what;
    }

    // A block whose copies write past 32768 bytes: 16 literals, then
    // copies of 16 bytes, 16 back, until they would pass the block's size.
    std::string over = bytes({0x40, 0x00, 0x00}) + std::string(16, 'a');
    for (int group = 0; group < 129; ++group) {
        over += bytes({0xFF, 0xFF});
        for (int item = 0; item < 16; ++item) over += bytes({0x01, 0x0D});
    }
    EXPECT_EQ(Tlzrw1::decompressBytes(header(40000) + withLength(over), "t.tld").failure, damaged);
}

TEST(Lzrw1Damaged, RandomDamageToValidFilesNeverCrashes)
{
    // Flipped bytes and cut files must come out as a failure or as some
    // bytes of the stated length; checked under AddressSanitizer too.
    std::mt19937 rng(11);
    const std::vector<std::string> files = {packed(text(70000, 5)), packed(std::string(40000, 'q') + text(3000, 6)),
                                            packed(randomBytes(5000, 8))};
    for (int round = 0; round < 3000; ++round) {
        std::string file = files[round % files.size()];
        const int flips = 1 + int(rng() % 8);
        for (int f = 0; f < flips; ++f) file[8 + rng() % (file.size() - 8)] = char(rng());
        if (round % 5 == 0) file.resize(rng() % file.size());
        const Tlzrw1::Outcome out = Tlzrw1::decompressBytes(file, "t");
        if (out.ok()) {
            const std::size_t stated = std::uint8_t(file[4]) | std::uint8_t(file[5]) << 8 | std::uint8_t(file[6]) << 16;
            EXPECT_EQ(out.bytes.size(), stated);
        }
    }
}

TEST(Lzrw1Files, WholeFilesAndTheCommandLine)
{
    TempDir dir;
    const std::string data = text(50000, 9);
    writeFile(dir.file("in.txt"), data);

    // The command line, both ways.
    std::ostringstream err;
    std::string in = dir.file("in.txt").string(), tld = dir.file("t.tld").string(), back = dir.file("back.txt").string();
    std::vector<char*> compress = {const_cast<char*>("brixo"), const_cast<char*>("--compress"), in.data(), tld.data()};
    std::vector<char*> decompress = {const_cast<char*>("brixo"), const_cast<char*>("--decompress"), tld.data(),
                                     back.data()};
    ASSERT_EQ(brixo::runLzrw1Command(4, compress.data(), err), 0);
    ASSERT_EQ(brixo::runLzrw1Command(4, decompress.data(), err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(readFile(back), data);
    EXPECT_EQ(readFile(tld), packed(data));

    // A stated length that does not match its blocks: the message, status
    // 1, and no output file.
    std::string file = readFile(tld);
    file[4] = char(file[4] + 1);
    writeFile(tld, file);
    std::filesystem::remove(back);
    EXPECT_EQ(brixo::runLzrw1Command(4, decompress.data(), err), 1);
    EXPECT_EQ(err.str(), "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !\n");
    EXPECT_FALSE(std::filesystem::exists(back));

    Tlzrw1 codec;
    codec.InputFile = dir.file("missing.tld").string();
    codec.OutputFile = back;
    EXPECT_EQ(codec.Decompress(), -1);
    EXPECT_EQ(codec.failure(), "Lzrw1 (de)compression : Failed to open input file : " + codec.InputFile);
    codec.InputFile = in;
    codec.OutputFile = dir.file("no/such/folder/out.tld").string();
    EXPECT_EQ(codec.Compress(), -1);
    EXPECT_EQ(codec.failure(), "Lzrw1 (de)compression : Failed to open output file : " + codec.OutputFile);
    EXPECT_FALSE(std::filesystem::exists(back));
}
