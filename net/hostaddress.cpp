#include "net/hostaddress.h"

#include "net/fieldreader.h"

#include <algorithm>
#include <cctype>

namespace brixo {

namespace {

bool isLetterOrDigit(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The number of colon-separated groups of one to four hex digits in
// `text`; -1 when one is malformed. Empty text has none.
int hexGroups(std::string_view text)
{
    if (text.empty()) return 0;
    int groups = 0;
    while (true) {
        const std::size_t colon = text.find(':');
        const std::string_view group = text.substr(0, colon);
        if (group.empty() || group.size() > 4 ||
            !std::all_of(group.begin(), group.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
            return -1;
        ++groups;
        if (colon == std::string_view::npos) return groups;
        text.remove_prefix(colon + 1);
    }
}

bool isHostName(std::string_view name)
{
    if (name.ends_with('.')) name.remove_suffix(1);
    if (name.empty() || name.size() > 253) return false;
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return isIPv4Address(name);
    while (true) {
        const std::size_t dot = name.find('.');
        const std::string_view label = name.substr(0, dot);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        if (!std::all_of(label.begin(), label.end(), [](char c) { return isLetterOrDigit(c) || c == '-'; }))
            return false;
        if (dot == std::string_view::npos) return true;
        name.remove_prefix(dot + 1);
    }
}

std::string_view trimmedBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace

bool isIPv4Address(std::string_view text)
{
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.');
        if ((part < 3) == (dot == std::string_view::npos)) return false;
        if (!parseWholeNumber(text.substr(0, dot), 0, 255)) return false;
        text.remove_prefix(part < 3 ? dot + 1 : text.size());
    }
    return true;
}

bool isIPv6Address(std::string_view text)
{
    // A zone names the link of a link-local address: "fe80::1%eth0".
    if (const std::size_t percent = text.find('%'); percent != std::string_view::npos) {
        const std::string_view zone = text.substr(percent + 1);
        if (zone.empty() || !std::all_of(zone.begin(), zone.end(), [](char c) {
                return isLetterOrDigit(c) || c == '.' || c == '-' || c == '_';
            }))
            return false;
        text = text.substr(0, percent);
    }
    // An IPv4 address in the last place counts as two groups.
    int groups = 0;
    if (text.find('.') != std::string_view::npos) {
        const std::size_t colon = text.rfind(':');
        if (colon == std::string_view::npos || !isIPv4Address(text.substr(colon + 1))) return false;
        text = text.substr(0, colon + 1);
        if (!text.ends_with("::")) text.remove_suffix(1);
        groups = 2;
    }
    const std::size_t gap = text.find("::");
    if (gap == std::string_view::npos) {
        const int written = hexGroups(text);
        return written >= 0 && written + groups == 8;
    }
    if (text.find("::", gap + 1) != std::string_view::npos) return false;
    const int before = hexGroups(text.substr(0, gap));
    const int after = hexGroups(text.substr(gap + 2));
    return before >= 0 && after >= 0 && before + after + groups <= 7;
}

std::string HostAddress::text() const
{
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<HostAddress> parseHostAddress(std::string_view text, int defaultPort)
{
    text = trimmedBlanks(text);
    if (text.empty()) return std::nullopt;
    HostAddress address;
    std::string_view port;
    bool portGiven = false;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view host = text.substr(1, close - 1);
        if (!isIPv6Address(host)) return std::nullopt;
        address.host = host;
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            port = rest.substr(1);
            portGiven = true;
        }
    } else if (const auto colons = std::count(text.begin(), text.end(), ':'); colons >= 2) {
        if (!isIPv6Address(text)) return std::nullopt;
        address.host = text;
    } else {
        const std::size_t colon = text.find(':');
        const std::string_view host = text.substr(0, colon);
        if (!isHostName(host)) return std::nullopt;
        address.host = host;
        if (colon != std::string_view::npos) {
            port = text.substr(colon + 1);
            portGiven = true;
        }
    }
    if (portGiven) {
        const auto number = parseWholeNumber(port, 1, 65535);
        if (!number) return std::nullopt;
        address.port = *number;
    } else {
        if (defaultPort < 1 || defaultPort > 65535) return std::nullopt;
        address.port = defaultPort;
    }
    return address;
}

} // namespace brixo
