// Host addresses as people type them and game lists show them.
#include "net/hostaddress.h"

#include <gtest/gtest.h>

using namespace brixo;

TEST(HostAddress, GoodFormsAreReadAndWrittenBack)
{
    const struct {
        const char* typed;
        const char* host;
        int port;
        const char* text;
    } cases[] = {
        {"example.com", "example.com", 7772, "example.com:7772"},
        {"  host-1.lan:7000 \t", "host-1.lan", 7000, "host-1.lan:7000"},
        {"LOCALHOST.", "LOCALHOST.", 7772, "LOCALHOST.:7772"},
        {"1.2.3.4", "1.2.3.4", 7772, "1.2.3.4:7772"},
        {"255.255.255.0:65535", "255.255.255.0", 65535, "255.255.255.0:65535"},
        {"0.0.0.0:1", "0.0.0.0", 1, "0.0.0.0:1"},
        {"[::1]", "::1", 7772, "[::1]:7772"},
        {"[::1]:7000", "::1", 7000, "[::1]:7000"},
        {"::1", "::1", 7772, "[::1]:7772"},
        {"::", "::", 7772, "[::]:7772"},
        {"2001:db8::1", "2001:db8::1", 7772, "[2001:db8::1]:7772"},
        {"1:2:3:4:5:6:7:8", "1:2:3:4:5:6:7:8", 7772, "[1:2:3:4:5:6:7:8]:7772"},
        {"1:2:3:4:5:6:7::", "1:2:3:4:5:6:7::", 7772, "[1:2:3:4:5:6:7::]:7772"},
        {"[::ffff:192.168.1.5]:80", "::ffff:192.168.1.5", 80, "[::ffff:192.168.1.5]:80"},
        {"1:2:3:4:5:6:1.2.3.4", "1:2:3:4:5:6:1.2.3.4", 7772, "[1:2:3:4:5:6:1.2.3.4]:7772"},
        {"[fe80::1%eth0]:7772", "fe80::1%eth0", 7772, "[fe80::1%eth0]:7772"},
    };
    for (const auto& c : cases) {
        const auto address = parseHostAddress(c.typed, 7772);
        ASSERT_TRUE(address) << c.typed;
        EXPECT_EQ(address->host, c.host);
        EXPECT_EQ(address->port, c.port) << c.typed;
        EXPECT_EQ(address->text(), c.text);
        EXPECT_EQ(parseHostAddress(address->text(), 1), address) << c.typed;
    }
}

TEST(HostAddress, BadFormsAreRefused)
{
    for (const char* typed :
         {"", "  ", ":7772", "host:", "host:0", "host:65536", "host:+80", "host:-1", "host:80x", "host:080",
          "host: 80", "ho st", "host name:80", "host\tname", "host_name", "-host", "host-.lan", "a..b", ".lan",
          "ex@mple.com", "caf\xC3\xA9.com", "1.2.3", "256.1.1.1", "1.2.3.4.5", "01.2.3.4", "1.2.3.4:", "[::1",
          "::1]", "[::1]x", "[::1]:", "[::1]:0", "[::1]:7772:1", "[1.2.3.4]", "[host]", "[]", "host:7772:1",
          "1:2:3:4:5:6:7:8:9", "1::2::3", ":::", "12345::1", "1:2:3:4:5:6:7:1.2.3.4", "::1.2.3", "fe80::1%",
          "fe80::1%et h0", "[::1] :80", "[[::1]]"})
        EXPECT_FALSE(parseHostAddress(typed, 7772)) << typed;
    // With no port given, the default must be a port too.
    EXPECT_FALSE(parseHostAddress("host", 0));
    EXPECT_TRUE(parseHostAddress("host:80", 0));
}
