// The tally's compressor: LZRW1/KH (LZ77 over a hashed dictionary, with
// run-length items) in 32 KiB blocks, wrapped in a small container:
//
//   "WRZL"            method identifier ("!HZL" names LZH, never written)
//   int32 LE          uncompressed length
//   blocks            uint16 LE length n, then n bytes; block k holds bytes
//                     32768*k .. 32768*k+32767; a length that is a multiple
//                     of 32768 (zero too) ends with an empty block, 0x80.
//
// A block starts with a flag: 0x80 = the bytes follow stored; 0x40 = items
// follow in groups of up to 16, each group led by a 16-bit control word
// (high byte first, read from the top bit down: 0 literal, 1 copy). A
// literal is one byte; a copy is two bytes, offset*16 + (length-3), high
// byte first, offset 1..4095 back, length 3..18; a copy whose offset is 0
// is a run: 0x00, (length-16) high byte first, the byte; length 16..4095.
// A control word is written only when an item follows it; a block that
// ends in an empty one (as older writers left after 16 x k items) reads
// the same.
//
// Whole files are worked a block at a time, so memory stays a few blocks
// whatever a file claims. A tally file comes from disk and may be damaged,
// so decoding checks every length and offset and reports a failure with a
// message instead of reading or writing out of bounds.
#pragma once

#include <iosfwd>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brixo {

class Tlzrw1 {
public:
    enum class TCompressMode { Good, Fast, Auto };

    static constexpr std::size_t kBlockSize = 32768;
    // Room a block's output may need: compression gives up on a block once
    // its output exceeds the input, at most one item and a control word on.
    static constexpr std::size_t kBlockRoom = kBlockSize + 16;

    // What a call produced: the bytes, or the failure's message.
    struct Outcome {
        std::string bytes;
        std::string failure;
        bool ok() const { return failure.empty(); }
    };

    // The files a whole-file call reads and writes, and the method; only
    // Fast (LZRW1/KH) is built: Good and Auto also compress with it.
    std::string InputFile;
    std::string OutputFile;
    TCompressMode CompressMode = TCompressMode::Fast;

    // Compress InputFile into OutputFile, or the reverse; each returns the
    // number of bytes written, or -1 with failure() telling why. A failed
    // call leaves no output file behind. Only a regular file is read.
    long long Compress();
    long long Decompress();
    const std::string& failure() const { return m_failure; }

    // The same in memory. The name stands for the input in the messages.
    static Outcome compressBytes(std::string_view data, std::string_view name = {});
    // A container that claims more than limit bytes is refused before any
    // of its blocks is read.
    static constexpr std::size_t kNoLimit = 0x7FFFFFFF;
    static Outcome decompressBytes(std::string_view container, std::string_view name = {},
                                   std::size_t limit = kNoLimit);
    // The same into an outcome that is reused: its buffer keeps its room,
    // which spares fresh memory on every call in a loop.
    static void compressBytes(std::string_view data, Outcome& into, std::string_view name = {});
    static void decompressBytes(std::string_view container, Outcome& into, std::string_view name = {},
                                std::size_t limit = kNoLimit);

    // One block: m <= kBlockSize bytes in, into out (kBlockRoom bytes);
    // returns the block's length.
    static std::size_t compressBlock(const std::uint8_t* in, std::size_t m, std::uint8_t* out);
    // One block back, into out (kBlockSize bytes); returns the number of
    // bytes it gives, or -1 for a damaged block.
    static long decompressBlock(const std::uint8_t* block, std::size_t n, std::uint8_t* out);

private:
    // Open InputFile (a regular file only: a FIFO or a device could block or
    // never end) and OutputFile; false, with the failure said, otherwise.
    bool openInput(std::ifstream& in);
    bool openOutput(std::ofstream& out);

    std::string m_failure;
};

} // namespace brixo
