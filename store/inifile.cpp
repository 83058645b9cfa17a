#include "store/inifile.h"

#include "model/textcase.h"
#include "store/regularfile.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace brixo {

namespace {

constexpr std::size_t kNone = std::string::npos;
// A settings file holds a few hundred bytes; a bigger one is not one.
constexpr std::uintmax_t kMaxFileSize = 1u << 20;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> headerName(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing (comments, blank lines).
std::optional<std::string_view> keyName(std::string_view line)
{
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, equals));
}

} // namespace

IniFile::IniFile(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        m_lines.emplace_back(line);
        start = end + 1;
    }
}

bool IniFile::load(const std::string& path, std::string* failure)
{
    *this = IniFile();
    if (fileKind(path) == FileKind::Missing) return false;
    std::string why;
    const std::optional<std::string> text = readRegularFile(path, kMaxFileSize, why);
    if (!text) {
        if (failure) *failure = why;
        return false;
    }
    *this = IniFile(*text);
    return true;
}

bool IniFile::save(const std::string& path) const
{
    // Writing into a FIFO would wait for a reader for ever.
    if (fileKind(path) == FileKind::Other) return false;
    try {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text();
        return bool(out.flush());
    } catch (const std::exception&) {
        return false;
    }
}

std::string IniFile::text() const
{
    std::string out;
    for (const std::string& line : m_lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::size_t IniFile::sectionLine(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (const auto name = headerName(m_lines[i]); name && sameIgnoringCase(*name, section)) return i;
    return kNone;
}

std::size_t IniFile::sectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < m_lines.size() && !headerName(m_lines[end])) ++end;
    return end;
}

std::size_t IniFile::keyLine(std::size_t header, std::string_view key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (const auto name = keyName(m_lines[i]); name && sameIgnoringCase(*name, key)) return i;
    return kNone;
}

bool IniFile::hasSection(std::string_view section) const
{
    return sectionLine(section) != kNone;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const std::size_t header = sectionLine(section);
    if (header == kNone) return std::nullopt;
    const std::size_t line = keyLine(header, key);
    if (line == kNone) return std::nullopt;
    const std::string_view text = m_lines[line];
    return std::string(trim(text.substr(text.find('=') + 1)));
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return value(section, key).value_or(std::string(fallback));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    std::size_t header = sectionLine(section);
    if (header == kNone) {
        if (!m_lines.empty() && !trim(m_lines.back()).empty()) m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(line));
        return;
    }
    if (const std::size_t existing = keyLine(header, key); existing != kNone) {
        m_lines[existing] = std::move(line);
        return;
    }
    // After the section's last key, before any blank lines that end it.
    std::size_t at = sectionEnd(header);
    while (at > header + 1 && trim(m_lines[at - 1]).empty()) --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::eraseSection(std::string_view section)
{
    const std::size_t header = sectionLine(section);
    if (header == kNone) return;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
}

} // namespace brixo
