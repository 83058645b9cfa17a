// Any file as the settings file: it reads, the table's settings read from
// it, write back into it, and the written file reads the same. A one-byte
// input stands for a settings file that is not a regular file (a FIFO, a
// directory, a link to /dev/zero): it is refused at once with a message,
// reads as the defaults, and is never written into.
#include "store/settings.h"
#include "tests/tempfiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void loadNotARegularFile(std::uint8_t choice)
{
    static const brixo::test::TempDir dir;
    const std::filesystem::path ini = dir.file("quorvinlobby.ini");
    const auto& kinds = brixo::test::hostileFiles();
    kinds[choice % kinds.size()].make(ini);
    brixo::IniFile file;
    std::string failure;
    if (file.load(ini.string(), &failure) || failure.empty()) std::abort();
    if (!(brixo::readSettings(file, brixo::settingsSection(file)) == brixo::TableSettings())) std::abort();
    if (file.save(ini.string())) std::abort();
    std::error_code ignored;
    std::filesystem::remove_all(ini, ignored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 1) loadNotARegularFile(data[0]);
    brixo::IniFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string section = brixo::settingsSection(file);
    const brixo::TableSettings settings = brixo::readSettings(file, section);
    brixo::saveinifile(file, section, settings);
    const brixo::IniFile again(file.text());
    if (!(brixo::readSettings(again, section) == brixo::readSettings(file, section))) std::abort();
    return 0;
}
