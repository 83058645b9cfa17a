// Where a table connects: a host and a TCP port, read from what a person
// types or a game list shows.
//
// Accepted, blanks around it trimmed:
//   host               the default port
//   host:port          port 1..65535, plain decimal
//   [ipv6]             an IPv6 address in brackets, optionally ":port"
//   ipv6               an IPv6 address without brackets: host only, since
//                      its colons leave no room for a port
// A host is a name (letters, digits, hyphens, dot-separated labels of at
// most 63 characters, none beginning or ending with a hyphen; a trailing
// dot allowed), a dotted IPv4 address (four numbers 0..255; a name made
// only of digits and dots must be one), or an IPv6 address (with a "%zone"
// after a link-local one). Anything else is refused: empty text, blanks
// inside, unbalanced brackets, a bad port.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixo {

struct HostAddress {
    std::string host;  // without brackets
    int port = 0;

    // "host:port", an IPv6 host in brackets ("[::1]:7772"); the port is
    // always written, so the text reads back the same whatever the default.
    std::string text() const;

    bool operator==(const HostAddress&) const = default;
};

std::optional<HostAddress> parseHostAddress(std::string_view text, int defaultPort);

// Literal addresses, as a listener needs one: "192.168.1.5", "::1",
// "fe80::1%eth0".
bool isIPv4Address(std::string_view text);
bool isIPv6Address(std::string_view text);

} // namespace brixo
