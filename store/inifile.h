// An INI-style profile file read and written the way the desktop's profile
// functions do it: sections in square brackets, "key=value" lines, values
// kept exactly as written (quotes, commas and all), section and key names
// matched without regard to letter case, and everything the game does not
// know of (other sections, other keys, comments) left as it was. Lines may
// end in CRLF or LF; the file is written with CRLF, as the game's lobby
// expects.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

class IniFile {
public:
    IniFile() = default;
    // Parses a file's text.
    explicit IniFile(std::string_view text);

    // Reads the file; a missing or unreadable file reads as empty (false),
    // and for one that is there but cannot be read (not a regular file,
    // over 1 MiB, a read error) failure is told why.
    bool load(const std::string& path, std::string* failure = nullptr);
    // Writes the whole file; false when it could not be written (also when
    // something other than a regular file is in its place).
    bool save(const std::string& path) const;

    std::string text() const;

    bool hasSection(std::string_view section) const;
    // The value as written after the "=", with the blanks around it trimmed;
    // nothing when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Sets a value, adding the section (at the end) or the key (at the end
    // of its section) when missing.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void eraseSection(std::string_view section);

private:
    // The index of a section's header line, or npos.
    std::size_t sectionLine(std::string_view section) const;
    // The index just past a section's last line.
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t keyLine(std::size_t header, std::string_view key) const;

    std::vector<std::string> m_lines;
};

} // namespace brixo
