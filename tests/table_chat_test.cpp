// The chat's rules: colour text both ways, what typed lines and phrase
// buttons send, relayed lines, links and the phrase lock.
#include "net/catalogue.h"
#include "table/chatrules.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::chatrules;

TEST(ColourText, NamesDollarFormDecimalAndUnreadableText)
{
    EXPECT_EQ(readColour("clBlue"), 0xFF0000u);
    EXPECT_EQ(readColour("CLMAROON"), 0x000080u);
    EXPECT_EQ(readColour("clWindow"), 0xFFFFFFu); // a system colour name is read
    EXPECT_EQ(readColour("$0000FF00"), 0x00FF00u);
    EXPECT_EQ(readColour("255"), 0x0000FFu);
    for (const char* bad : {"", "blue", "$", "$1000000000", "$00GG0000", "-5", "16777216", "$01000000"})
        EXPECT_FALSE(readColour(bad)) << bad;
    EXPECT_EQ(writeColour(0x008000), "clGreen");
    EXPECT_EQ(writeColour(colourOf(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_EQ(readColour(writeColour(colourOf(0x12, 0x34, 0x56))), colourOf(0x12, 0x34, 0x56));
}

TEST(ChatRules, TypedLinesChatMeIsAnActionOtherSlashesAndEmptyLinesSendNothing)
{
    EXPECT_EQ(sendit(2, "hi all", 0xFF0000, 0), msg::chat(2, "hi all|clBlue"));
    EXPECT_EQ(sendit(2, "/me waves", 0, 0x0000FF), msg::action(2, "waves|clRed"));
    // The first four characters go, as with "/me ": "/men" leaves "tion".
    EXPECT_EQ(sendit(2, "/mention", 0, 0), msg::action(2, "tion|clBlack"));
    EXPECT_EQ(sendit(2, "/me", 0, 0), msg::action(2, "|clBlack"));
    EXPECT_FALSE(sendit(2, "/help", 0, 0));
    EXPECT_FALSE(sendit(2, "", 0, 0));

    EXPECT_EQ(phraseFrame(1, "Way To Go!", 0), msg::action(1, "says: Way To Go!|clBlack"));
    EXPECT_EQ(phraseFrame(1, "/me waves \"Good-Bye\"", 0), msg::action(1, "waves \"Good-Bye\"|clBlack"));
}

TEST(ChatRules, RelayedLinesWithoutAReadableColourAreRed)
{
    EXPECT_EQ(chatrecieved("Bob chats: hi|clBlue").line, "Bob chats: hi");
    EXPECT_EQ(chatrecieved("Bob chats: hi|clBlue").colour, 0xFF0000u);
    EXPECT_EQ(chatrecieved("no colour here").colour, kRed);
    EXPECT_EQ(chatrecieved("a|b|clBlue").line, "a");
    EXPECT_EQ(chatrecieved("a|b|clBlue").colour, kRed);
}

TEST(ChatRules, LinksAreFoundTrimmedAndOnlyWebAndMailLinksOpen)
{
    const std::u16string text = u"Bob chats: see www.example.com. or (http://a.b/c?d=1), http:// alone\nfile://etc/x";
    const auto at = [&](std::u16string_view word) { return text.find(word) + 1; };
    const auto link = [&](std::size_t pos) {
        const auto l = linkAt(text, pos);
        return l ? text.substr(l->start, l->length) : std::u16string(u"<none>");
    };
    EXPECT_EQ(link(at(u"www.")), u"www.example.com");
    EXPECT_EQ(link(at(u"(http")), u"http://a.b/c?d=1");
    EXPECT_EQ(link(text.find(u"(http")), u"http://a.b/c?d=1"); // anywhere on the word
    EXPECT_EQ(link(at(u"http:// ")), u"<none>");
    EXPECT_EQ(link(at(u"see")), u"<none>");
    EXPECT_EQ(link(text.find(u' ')), u"<none>");
    EXPECT_EQ(link(text.size()), u"<none>");
    EXPECT_EQ(link(at(u"file")), u"file://etc/x");
    EXPECT_TRUE(opens(u"www.example.com"));
    EXPECT_TRUE(opens(u"MAILTO:ann@example.com"));
    EXPECT_FALSE(opens(u"file://etc/x"));
    EXPECT_FALSE(opens(u"telnet://host"));
    EXPECT_FALSE(opens(u"gopher://host"));
}

TEST(ChatRules, APhraseGoesAtMostOnceEveryTwoSeconds)
{
    PhraseLock lock;
    const auto t0 = PhraseLock::Clock::time_point{} + std::chrono::hours(1);
    EXPECT_EQ(lock.closedFor(t0), PhraseLock::Clock::duration::zero());
    EXPECT_TRUE(lock.tryUse(t0));
    EXPECT_EQ(lock.closedFor(t0 + std::chrono::milliseconds(500)), std::chrono::milliseconds(1500));
    EXPECT_FALSE(lock.tryUse(t0 + std::chrono::milliseconds(100)));
    EXPECT_FALSE(lock.tryUse(t0 + std::chrono::milliseconds(1999)));
    EXPECT_EQ(lock.closedFor(t0 + std::chrono::milliseconds(2000)), PhraseLock::Clock::duration::zero());
    EXPECT_TRUE(lock.tryUse(t0 + std::chrono::milliseconds(2000)));
    EXPECT_FALSE(lock.tryUse(t0 + std::chrono::milliseconds(3000)));
}
