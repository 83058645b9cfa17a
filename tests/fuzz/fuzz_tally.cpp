// Any file as a tally file: decompressing it never reads or writes out of
// bounds, and what does decompress compresses back to the same bytes.
#include "store/lzrw1.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto opened = brixo::Tlzrw1::decompressBytes(file);
    if (!opened.ok()) return 0;
    const auto again = brixo::Tlzrw1::compressBytes(opened.bytes);
    if (!again.ok()) std::abort();
    const auto back = brixo::Tlzrw1::decompressBytes(again.bytes);
    if (!back.ok() || back.bytes != opened.bytes) std::abort();
    return 0;
}
