// Any file as the settings file: it reads, the table's settings read from
// it, write back into it, and the written file reads the same.
#include "store/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    brixo::IniFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string section = brixo::settingsSection(file);
    const brixo::TableSettings settings = brixo::readSettings(file, section);
    brixo::saveinifile(file, section, settings);
    const brixo::IniFile again(file.text());
    if (!(brixo::readSettings(again, section) == brixo::readSettings(file, section))) std::abort();
    return 0;
}
