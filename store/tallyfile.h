// The tally on disk: compressed, in the tally file, and once in an older
// file ("agametally.tld") that replaces it at the first start after an
// upgrade.
//
// A file that cannot be read is never lost: it is renamed aside (".bad"
// added) before the tally starts empty, and the user is told where it is.
// Only a regular file is read (a FIFO or a device is set aside unread), and
// no file may claim more than 16 MiB of tally text.
// Saving writes a new file and only then replaces the old one, so a crash
// or a full disk never leaves half a tally.
#pragma once

#include "store/tally.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brixo {

class TallyFile {
public:
    TallyFile(std::filesystem::path file, std::filesystem::path olderFile);

    struct Loaded {
        Tally tally;
        // For the user when a file could not be read: why, and where the
        // file was kept. Empty when all went well.
        std::string problem;
    };
    // The tally at start: the older file when there is one (saved at once
    // as the tally file, then deleted), else the tally file, else empty.
    // The session columns start at "0".
    Loaded load();

    // False when the tally could not be written; the file is then as it was.
    bool save(const Tally& tally);

    // A tally file's grid, or nothing with the failure's message.
    static std::optional<Tally> read(const std::filesystem::path& file, std::string& failure);

private:
    std::filesystem::path m_file;
    std::filesystem::path m_older;
    // False once an unreadable file could not be renamed aside: it is then
    // never written over.
    bool m_writable = true;
};

} // namespace brixo
