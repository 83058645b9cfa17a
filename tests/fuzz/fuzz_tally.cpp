// Any file as a tally file: decompressing it never reads or writes out of
// bounds, and what does decompress compresses back to the same bytes. A
// one-byte input stands for a tally that is not a regular file (a FIFO, a
// directory, a link to /dev/zero): loading it must come back at once with
// a message and an empty tally, whatever it is.
#include "store/lzrw1.h"
#include "store/tallyfile.h"
#include "tests/tempfiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void loadNotARegularFile(std::uint8_t choice)
{
    static const brixo::test::TempDir dir;
    const std::filesystem::path tld = dir.file("brixotally.tld");
    const auto& kinds = brixo::test::hostileFiles();
    kinds[choice % kinds.size()].make(tld);
    brixo::TallyFile file(tld, dir.file("agametally.tld"));
    const brixo::TallyFile::Loaded loaded = file.load();
    if (loaded.problem.empty() || loaded.tally.rowCount() != 1) std::abort();
    std::error_code ignored;
    std::filesystem::remove_all(tld, ignored);
    std::filesystem::remove_all(dir.file("brixotally.tld.bad"), ignored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 1) loadNotARegularFile(data[0]);
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto opened = brixo::Tlzrw1::decompressBytes(file);
    if (!opened.ok()) return 0;
    const auto again = brixo::Tlzrw1::compressBytes(opened.bytes);
    if (!again.ok()) std::abort();
    const auto back = brixo::Tlzrw1::decompressBytes(again.bytes);
    if (!back.ok() || back.bytes != opened.bytes) std::abort();
    return 0;
}
