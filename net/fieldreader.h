// Reads the "+"-separated fields of a message's argument text.
//
// Every number is parsed strictly: an optional "-" and decimal digits,
// within int range. A missing or malformed field marks the reader bad, and
// a parser that finds it bad drops the whole message, so nothing is ever
// half-applied.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixo {

// Strict decimal int: optional "-", at least one digit, nothing else.
std::optional<int> parseInt(std::string_view text);
// Stricter, for numbers that have one way of being written (a port, a
// count): decimal digits only, no sign, no leading zero, within low..high.
std::optional<int> parseWholeNumber(std::string_view text, int low, int high);

class FieldReader {
public:
    explicit FieldReader(std::string_view args) : m_text(args) {}

    // The text up to the next "+" (or the end). Missing: empty and bad.
    std::string_view text();
    // The next field as an int; 0 and bad when missing or malformed.
    int integer();
    // The next field as a flag: only "t" is true (a missing field is bad).
    bool flag();
    // Everything that is left, "+" included; the message's last field.
    std::string_view rest();

    // True while at least one more field (possibly empty) is left.
    bool hasMore() const { return !m_done; }
    // True when the next field exists and is empty and is the last one: the
    // trailing "+" some layouts end with.
    bool atTrailingEmpty() const { return !m_done && m_pos == m_text.size(); }
    bool ok() const { return !m_bad; }
    void markBad() { m_bad = true; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_done = false;
    bool m_bad = false;
};

} // namespace brixo
