#include "table/chatrules.h"

#include "net/catalogue.h"

#include <array>

namespace brixo::chatrules {

std::optional<std::string> sendit(int seat, std::string_view input, Colour textColour, Colour actionColour)
{
    if (input.empty()) return std::nullopt;
    if (input.front() != '/') return msg::chat(seat, std::string(input) + "|" + writeColour(textColour));
    if (input.substr(0, 3) != "/me") return std::nullopt;
    const std::string_view action = input.size() > 4 ? input.substr(4) : std::string_view();
    return msg::action(seat, std::string(action) + "|" + writeColour(actionColour));
}

std::string phraseFrame(int seat, std::string_view phrase, Colour actionColour)
{
    const std::string words =
        phrase.substr(0, 4) == "/me " ? std::string(phrase.substr(4)) : "says: " + std::string(phrase);
    return msg::action(seat, words + "|" + writeColour(actionColour));
}

ChatLine chatrecieved(std::string_view text)
{
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) return {std::string(text), kRed};
    return {std::string(text.substr(0, bar)), readColour(text.substr(bar + 1)).value_or(kRed)};
}

namespace {

constexpr std::array<std::u16string_view, 8> kPrefixes{u"http://", u"ftp://",  u"file://", u"gopher://",
                                                       u"telnet://", u"news:", u"mailto:", u"www."};

bool endsWord(char16_t c)
{
    return c == u' ' || c == u'\r' || c == u'\n' || c == u'\u2029' || c == u'\u2028';
}

char16_t lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

bool keepsAtEnd(char16_t c)
{
    return c == u'/' || (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c > 0x7F;
}

std::u16string lowered(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out) c = lower(c);
    return out;
}

} // namespace

std::optional<Link> linkAt(std::u16string_view text, std::size_t pos)
{
    if (pos >= text.size() || endsWord(text[pos])) return std::nullopt;
    std::size_t begin = pos;
    while (begin > 0 && !endsWord(text[begin - 1])) --begin;
    std::size_t end = pos;
    while (end < text.size() && !endsWord(text[end])) ++end;
    const std::u16string word = lowered(text.substr(begin, end - begin));
    for (const std::u16string_view prefix : kPrefixes) {
        const std::size_t at = word.find(prefix);
        if (at == std::u16string::npos) continue;
        std::size_t last = word.size();
        while (last > at && !keepsAtEnd(word[last - 1])) --last;
        if (last - at <= prefix.size()) return std::nullopt;
        return Link{begin + at, last - at};
    }
    return std::nullopt;
}

bool opens(std::u16string_view link)
{
    const std::u16string l = lowered(link);
    for (const std::u16string_view safe : {u"http://", u"ftp://", u"www.", u"mailto:", u"news:"})
        if (l.rfind(safe, 0) == 0) return true;
    return false;
}

bool PhraseLock::tryUse(Clock::time_point now)
{
    if (m_last && now - *m_last < kInterval) return false;
    m_last = now;
    return true;
}

PhraseLock::Clock::duration PhraseLock::closedFor(Clock::time_point now) const
{
    if (!m_last || now - *m_last >= kInterval) return Clock::duration::zero();
    return *m_last + kInterval - now;
}

} // namespace brixo::chatrules
