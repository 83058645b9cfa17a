#include "store/tally.h"

#include <algorithm>
#include <charconv>

namespace brixo {

namespace {

const std::string kEmptyCell;
const std::string kZero = "0";

// A decimal number and nothing else, within limits.
std::optional<long long> parseCount(std::string_view text)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

} // namespace

Tally::Tally()
{
    m_rows.emplace_back();
    m_rows[0].fill(kZero);
}

const std::string& Tally::cell(int col, int row) const
{
    if (col < 0 || col >= kColumns || row < 0 || row >= rowCount()) return kEmptyCell;
    return m_rows[std::size_t(row)][std::size_t(col)];
}

void Tally::setCell(int col, int row, std::string text)
{
    if (col < 0 || col >= kColumns || row < 0 || row >= rowCount()) return;
    m_rows[std::size_t(row)][std::size_t(col)] = std::move(text);
}

long long Tally::count(int col, int row) const
{
    return parseCount(cell(col, row)).value_or(0);
}

std::vector<std::string> Tally::followed() const
{
    std::vector<std::string> names;
    for (int row = 1; row < rowCount(); ++row) names.push_back(cell(0, row));
    return names;
}

int Tally::rowOf(std::string_view name) const
{
    for (int row = 1; row < rowCount(); ++row)
        if (cell(0, row) == name) return row;
    return 0;
}

bool Tally::follow(const std::string& name)
{
    if (name.empty() || name.find_first_of("\r\n") != std::string::npos || rowOf(name) != 0) return false;
    auto& row = m_rows.emplace_back();
    row.fill(kZero);
    row[0] = name;
    return true;
}

void Tally::moverow(int row)
{
    if (row < 1 || row >= rowCount()) return;
    m_rows.erase(m_rows.begin() + row);
}

void Tally::reset()
{
    m_rows.resize(1);
    m_rows[0].fill(kZero);
}

long long Tally::addit(int col, int row)
{
    const long long value = count(col, row) + 1;
    setCell(col, row, std::to_string(value));
    return value;
}

void Tally::addgame(std::string_view result, const std::vector<std::string>& atTable)
{
    addit(kGames, 0);
    const bool ownerWon = result == kOwnerWon;
    if (ownerWon) addit(kHisWins, 0);
    std::vector<int> counted;
    for (const std::string& name : atTable) {
        const int row = rowOf(name);
        // One game counts once for a row, even if two seats show the name.
        if (row == 0 || std::find(counted.begin(), counted.end(), row) != counted.end()) continue;
        counted.push_back(row);
        for (int col = 1; col < kColumns; ++col)
            if (cell(col, row).empty()) setCell(col, row, kZero);
        const int col = name == result ? kHisWins : ownerWon ? kMyWins : kNeitherWon;
        for (int c : {kGames, col}) {
            addit(c, row);
            addit(c + kSession, row);
        }
    }
}

void Tally::zeroSession()
{
    for (int row = 1; row < rowCount(); ++row)
        for (int col = kGames + kSession; col < kColumns; ++col) setCell(col, row, kZero);
}

std::string Tally::savegrid() const
{
    std::string text = std::to_string(kColumns) + "\r\n" + std::to_string(rowCount()) + "\r\n";
    for (int col = 0; col < kColumns; ++col)
        for (int row = 0; row < rowCount(); ++row) text += cell(col, row) + "\r\n";
    return text;
}

std::optional<Tally> Tally::loadgrid(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (lines.size() < 2) return std::nullopt;
    const auto columns = parseCount(lines[0]);
    const auto rows = parseCount(lines[1]);
    // The cells must all be there, and no more: the counts are checked
    // against the lines present before anything is allocated.
    if (columns != kColumns || !rows || *rows < 1 || *rows > static_cast<long long>(lines.size()) ||
        lines.size() - 2 != std::size_t(*rows) * kColumns)
        return std::nullopt;
    Tally tally;
    tally.m_rows.resize(std::size_t(*rows));
    std::size_t at = 2;
    for (int col = 0; col < kColumns; ++col)
        for (auto& row : tally.m_rows) row[std::size_t(col)] = std::string(lines[at++]);
    return tally;
}

} // namespace brixo
