#include "net/fieldreader.h"

#include <charconv>

namespace brixo {

std::optional<int> parseInt(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    const std::size_t digitsStart = text.front() == '-' ? 1 : 0;
    if (digitsStart == text.size()) return std::nullopt;
    for (std::size_t i = digitsStart; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> parseWholeNumber(std::string_view text, int low, int high)
{
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
}

std::string_view FieldReader::text()
{
    if (m_done) {
        m_bad = true;
        return {};
    }
    const std::size_t plus = m_text.find('+', m_pos);
    if (plus == std::string_view::npos) {
        m_done = true;
        return m_text.substr(m_pos);
    }
    const std::string_view field = m_text.substr(m_pos, plus - m_pos);
    m_pos = plus + 1;
    return field;
}

int FieldReader::integer()
{
    const bool wasDone = m_done;
    const std::optional<int> value = parseInt(text());
    if (!value || wasDone) {
        m_bad = true;
        return 0;
    }
    return *value;
}

bool FieldReader::flag()
{
    return text() == "t";
}

std::string_view FieldReader::rest()
{
    if (m_done) {
        m_bad = true;
        return {};
    }
    m_done = true;
    return m_text.substr(m_pos);
}

} // namespace brixo
