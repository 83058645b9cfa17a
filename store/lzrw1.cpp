#include "store/lzrw1.h"

#include "store/regularfile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

namespace brixo {

namespace {

constexpr std::uint8_t kFlagCompressed = 0x40;
constexpr std::uint8_t kFlagStored = 0x80;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kWindow = 4096; // offsets 1..4095
constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr std::size_t kHeaderSize = 8;

constexpr std::string_view kLzrw1Id = "WRZL";
constexpr std::string_view kLzhId = "!HZL";

const std::string kReadError = "Lzrw1 : Error reading from input file : ";
const std::string kSizeMismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

// How many bytes at a equal those at b, up to cap (a before b; the two
// may overlap, as only bytes already read are compared).
inline std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t cap)
{
    std::size_t n = 0;
    while (cap - n >= 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little) return n + std::size_t(std::countr_zero(x ^ y) / 8);
            break;
        }
        n += 8;
    }
    while (n < cap && a[n] == b[n]) ++n;
    return n;
}

// Whether the 16 bytes at p are all equal, the shortest run there is.
inline bool startsRun(const std::uint8_t* p)
{
    std::uint64_t x, y;
    std::memcpy(&x, p, 8);
    std::memcpy(&y, p + 8, 8);
    return x == std::uint64_t(p[0]) * 0x0101010101010101u && x == y;
}

inline std::uint32_t hashOf(const std::uint8_t* p)
{
    std::uint32_t h = ((((std::uint32_t(p[0]) << 4) ^ p[1]) << 4) ^ p[2]) * 40543u;
    return (h >> 4) & 0xFFF;
}

void putLe32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

const std::uint8_t* bytesOf(std::string_view s)
{
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

// Walks a container: checks the header, reads each block through read
// (which fills exactly n bytes or fails), decodes it and hands its bytes to
// write (which fails on a write error). A stated length above the limit is
// refused before any block is read. The failure's message, or empty.
template <class Read, class Write>
std::string decodeContainer(Read&& read, Write&& write, std::string_view name, std::size_t limit)
{
    const std::string readError = kReadError + std::string(name);
    std::uint8_t head[kHeaderSize];
    if (!read(head, 4)) return readError;
    const std::string_view id(reinterpret_cast<const char*>(head), 4);
    if (id == kLzhId) return std::string(name) + " : Lzrw1 decompression : LZH compressed files are not supported !";
    if (id != kLzrw1Id) return std::string(name) + " : Lzrw1 decompression : this file has no valid header !";
    if (!read(head + 4, 4)) return readError;
    const std::int32_t stated = std::int32_t(std::uint32_t(head[4]) | std::uint32_t(head[5]) << 8 |
                                             std::uint32_t(head[6]) << 16 | std::uint32_t(head[7]) << 24);
    if (stated < 0) return kSizeMismatch;
    if (std::size_t(stated) > limit)
        return std::string(name) + " : Lzrw1 decompression : the file claims " + std::to_string(stated) +
               " bytes, more than " + std::to_string(limit) + " !";

    std::array<std::uint8_t, Tlzrw1::kBlockSize + 1> packed;
    std::array<std::uint8_t, Tlzrw1::kBlockSize> block;
    std::size_t total = 0;
    for (;;) {
        std::uint8_t length[2];
        if (!read(length, 2)) return readError;
        const std::size_t n = std::size_t(length[0]) | std::size_t(length[1]) << 8;
        // A block is never longer than a stored one: more is damage.
        if (n > packed.size()) return "Lzrw1 (decompression LZRW1/KH) : Damaged compressed block in : " + std::string(name);
        if (!read(packed.data(), n)) return readError;
        const long got = Tlzrw1::decompressBlock(packed.data(), n, block.data());
        if (got < 0) return "Lzrw1 (decompression LZRW1/KH) : Damaged compressed block in : " + std::string(name);
        total += std::size_t(got);
        // More than stated can never end well: stop before it grows further.
        if (total > std::size_t(stated)) return kSizeMismatch;
        if (!write(block.data(), std::size_t(got))) return {};
        if (std::size_t(got) < Tlzrw1::kBlockSize) break;
    }
    return total == std::size_t(stated) ? std::string() : kSizeMismatch;
}

// Removes a failed call's output, unless it is not a file of its own
// (/dev/null, say), which is left alone.
void removeOutput(const std::string& name)
{
    std::error_code ignored;
    if (std::filesystem::is_regular_file(name, ignored)) std::filesystem::remove(name, ignored);
}

} // namespace

std::size_t Tlzrw1::compressBlock(const std::uint8_t* in, std::size_t m, std::uint8_t* out)
{
    std::array<std::uint16_t, 4096> hash;
    hash.fill(kEmpty);
    out[0] = kFlagCompressed;
    std::size_t controlAt = 1;
    std::size_t o = 3;
    unsigned control = 0;
    unsigned items = 0;
    std::size_t i = 0;
    while (i < m && o <= m) {
        // A control word is reserved only when an item follows it: a reader
        // that fetches the next word as soon as one is due would otherwise
        // read past a block of 16 x k items.
        if (items == 16) {
            out[controlAt] = std::uint8_t(control >> 8);
            out[controlAt + 1] = std::uint8_t(control & 0xFF);
            controlAt = o;
            o += 2;
            control = 0;
            items = 0;
        }
        const std::uint8_t b = in[i];
        const std::size_t left = m - i;
        std::size_t run = 1;
        if (left >= kMinRun && startsRun(in + i)) {
            const std::size_t runCap = std::min(left, kMaxRun);
            while (run < runCap && in[i + run] == b) ++run;
        }
        if (run >= kMinRun) {
            const std::size_t code = run - kMinRun;
            out[o] = 0;
            out[o + 1] = std::uint8_t(code >> 8);
            out[o + 2] = std::uint8_t(code & 0xFF);
            out[o + 3] = b;
            o += 4;
            control = (control << 1) | 1;
            i += run;
        } else {
            std::size_t length = 0;
            std::size_t offset = 0;
            // Fewer than three bytes left cannot make a copy.
            if (left >= kMinCopy) {
                const std::uint32_t h = hashOf(in + i);
                const std::uint16_t p = hash[h];
                // An empty entry (0xFFFF) is always farther back than the window.
                if (i - p < kWindow) {
                    length = matchLength(in + p, in + i, std::min(left, kMaxCopy));
                    offset = i - p;
                }
                hash[h] = std::uint16_t(i);
            }
            if (length >= kMinCopy) {
                const std::size_t code = (offset << 4) | (length - kMinCopy);
                out[o] = std::uint8_t(code >> 8);
                out[o + 1] = std::uint8_t(code & 0xFF);
                o += 2;
                control = (control << 1) | 1;
                i += length;
            } else {
                out[o++] = b;
                control <<= 1;
                ++i;
            }
        }
        ++items;
    }
    control <<= (16 - items);
    out[controlAt] = std::uint8_t((control >> 8) & 0xFF);
    out[controlAt + 1] = std::uint8_t(control & 0xFF);
    if (o <= m) return o;
    // Not smaller than the input (or too short to try): stored as it is.
    out[0] = kFlagStored;
    std::memcpy(out + 1, in, m);
    return m + 1;
}

long Tlzrw1::decompressBlock(const std::uint8_t* s, std::size_t n, std::uint8_t* out)
{
    if (n < 2) return 0;
    if (s[0] == kFlagStored) {
        if (n - 1 > kBlockSize) return -1;
        std::memcpy(out, s + 1, n - 1);
        return long(n - 1);
    }
    if (s[0] != kFlagCompressed) return -1;
    std::size_t i = 1;
    std::size_t o = 0;
    unsigned control = 0;
    unsigned bits = 0;
    while (i < n) {
        if (bits == 0) {
            if (n - i < 2) return -1;
            control = (unsigned(s[i]) << 8) | s[i + 1];
            i += 2;
            bits = 16;
            continue;
        }
        const bool copy = (control & 0x8000) != 0;
        control <<= 1;
        --bits;
        if (!copy) {
            if (o == kBlockSize) return -1;
            out[o++] = s[i++];
            continue;
        }
        if (n - i < 2) return -1;
        const std::size_t offset = (std::size_t(s[i]) << 4) | (s[i + 1] >> 4);
        if (offset == 0) {
            if (n - i < 4) return -1;
            const std::size_t length = ((std::size_t(s[i + 1]) << 8) | s[i + 2]) + kMinRun;
            if (length > kBlockSize - o) return -1;
            std::memset(out + o, s[i + 3], length);
            o += length;
            i += 4;
            continue;
        }
        const std::size_t length = (s[i + 1] & 0x0F) + kMinCopy;
        if (offset > o || length > kBlockSize - o) return -1;
        const std::uint8_t* from = out + o - offset;
        std::uint8_t* to = out + o;
        if (offset >= 8 && kBlockSize - o >= 24) {
            // Eight bytes at a time, each read from bytes already written;
            // up to six bytes past the copy are scribbled and later rewritten.
            std::memcpy(to, from, 8);
            std::memcpy(to + 8, from + 8, 8);
            if (length > 16) std::memcpy(to + 16, from + 16, 8);
        } else {
            // The source overlaps the bytes being written: byte by byte.
            for (std::size_t k = 0; k < length; ++k) to[k] = from[k];
        }
        o += length;
        i += 2;
    }
    return long(o);
}

Tlzrw1::Outcome Tlzrw1::compressBytes(std::string_view data, std::string_view name)
{
    Outcome result;
    compressBytes(data, result, name);
    return result;
}

Tlzrw1::Outcome Tlzrw1::decompressBytes(std::string_view container, std::string_view name, std::size_t limit)
{
    Outcome result;
    decompressBytes(container, result, name, limit);
    return result;
}

void Tlzrw1::compressBytes(std::string_view data, Outcome& result, std::string_view name)
{
    result.bytes.clear();
    result.failure.clear();
    if (data.size() > std::size_t(std::numeric_limits<std::int32_t>::max())) {
        result.failure = "Lzrw1 compression : Failed to obtain the size of : " + std::string(name);
        return;
    }
    std::string& out = result.bytes;
    const std::size_t blocks = data.size() / kBlockSize + 1;
    out.reserve(kHeaderSize + data.size() + blocks * 3);
    out += kLzrw1Id;
    putLe32(out, std::uint32_t(data.size()));
    std::array<std::uint8_t, kBlockRoom> block;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t m = std::min(kBlockSize, data.size() - pos);
        const std::size_t n = compressBlock(bytesOf(data) + pos, m, block.data());
        out += char(n & 0xFF);
        out += char(n >> 8);
        out.append(reinterpret_cast<const char*>(block.data()), n);
        pos += m;
        if (m < kBlockSize) break;
    }
}

void Tlzrw1::decompressBytes(std::string_view c, Outcome& result, std::string_view name, std::size_t limit)
{
    result.bytes.clear();
    result.failure.clear();
    std::string& out = result.bytes;
    // A damaged length must not decide how much is allocated: no block
    // gives more than about a thousand times its size.
    if (c.size() >= kHeaderSize) {
        const std::uint8_t* p = bytesOf(c);
        const std::uint32_t stated = std::uint32_t(p[4]) | std::uint32_t(p[5]) << 8 | std::uint32_t(p[6]) << 16 |
                                     std::uint32_t(p[7]) << 24;
        if (stated <= limit) out.reserve(std::min<std::size_t>(stated, c.size() * 1024 + kBlockSize));
    }
    std::size_t at = 0;
    const auto read = [&](std::uint8_t* into, std::size_t n) {
        if (c.size() - at < n) return false;
        std::memcpy(into, c.data() + at, n);
        at += n;
        return true;
    };
    const auto write = [&](const std::uint8_t* from, std::size_t n) {
        out.append(reinterpret_cast<const char*>(from), n);
        return true;
    };
    result.failure = decodeContainer(read, write, name, limit);
    if (!result.ok()) out.clear();
}

long long Tlzrw1::Compress()
{
    m_failure.clear();
    const std::string readError = kReadError + InputFile + " (LZRW1/KH)";
    std::ifstream in;
    if (!openInput(in)) return -1;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(InputFile, error);
    // The container states the length in a signed 32-bit field.
    if (error || size > std::uintmax_t(std::numeric_limits<std::int32_t>::max())) {
        m_failure = "Lzrw1 compression : Failed to obtain the size of : " + InputFile;
        return -1;
    }
    std::ofstream out;
    if (!openOutput(out)) return -1;
    std::string head(kLzrw1Id);
    putLe32(head, std::uint32_t(size));
    out.write(head.data(), std::streamsize(head.size()));
    long long written = std::streamsize(head.size());
    std::array<std::uint8_t, kBlockSize> chunk;
    std::array<std::uint8_t, kBlockRoom + 2> block;
    std::uintmax_t left = size;
    for (;;) {
        // As many bytes as the size promised; a file that shrinks meanwhile
        // is a read error, one that grows is cut at its size.
        const std::size_t m = std::size_t(std::min<std::uintmax_t>(kBlockSize, left));
        in.read(reinterpret_cast<char*>(chunk.data()), std::streamsize(m));
        if (std::size_t(in.gcount()) != m) {
            m_failure = readError;
            break;
        }
        left -= m;
        const std::size_t n = compressBlock(chunk.data(), m, block.data() + 2);
        block[0] = std::uint8_t(n & 0xFF);
        block[1] = std::uint8_t(n >> 8);
        out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(n + 2));
        written += std::streamsize(n + 2);
        if (!out) break;
        if (m < kBlockSize) break;
    }
    out.close();
    if (m_failure.empty() && !out) m_failure = "Lzrw1 : Error writing to output file : " + OutputFile;
    if (m_failure.empty()) return written;
    removeOutput(OutputFile);
    return -1;
}

bool Tlzrw1::openInput(std::ifstream& in)
{
    if (fileKind(InputFile) == FileKind::Regular) in.open(InputFile, std::ios::binary);
    if (in.is_open()) return true;
    m_failure = "Lzrw1 (de)compression : Failed to open input file : " + InputFile;
    return false;
}

bool Tlzrw1::openOutput(std::ofstream& out)
{
    out.open(OutputFile, std::ios::binary | std::ios::trunc);
    if (!out) {
        m_failure = "Lzrw1 (de)compression : Failed to open output file : " + OutputFile;
        return false;
    }
    return true;
}

long long Tlzrw1::Decompress()
{
    m_failure.clear();
    std::ifstream in;
    std::ofstream out;
    if (!openInput(in) || !openOutput(out)) return -1;
    // One block in and one out at a time, whatever the container claims.
    long long written = 0;
    const auto read = [&](std::uint8_t* into, std::size_t n) {
        in.read(reinterpret_cast<char*>(into), std::streamsize(n));
        return std::size_t(in.gcount()) == n;
    };
    const auto write = [&](const std::uint8_t* from, std::size_t n) {
        out.write(reinterpret_cast<const char*>(from), std::streamsize(n));
        written += std::streamsize(n);
        return bool(out);
    };
    try {
        m_failure = decodeContainer(read, write, InputFile, std::size_t(std::numeric_limits<std::int32_t>::max()));
    } catch (const std::exception&) {
        m_failure = kReadError + InputFile;
    }
    out.close();
    if (m_failure.empty() && !out) m_failure = "Lzrw1 : Error writing to output file : " + OutputFile;
    if (m_failure.empty()) return written;
    removeOutput(OutputFile);
    return -1;
}

} // namespace brixo
