// A newcomer whose name reads like one already in the game is numbered.
#include "model/namelikeness.h"
#include "tests/server_fakehost.h"
#ifdef BRIXO_HAVE_ICU
#include "icu/icunamekeys.h"
#endif

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

using ServerNames = ServerFixture;

#ifdef BRIXO_HAVE_ICU
TEST_F(ServerNames, NamesThatReadAlikeAreNumberedAsDuplicates)
{
    setNameKeys(icuNameKeys);
    join(1, "Host");
    const struct {
        std::string raw;
        std::string named;
    } cases[] = {
        {"\u041D\u043Est", "\u041D\u043Est2"}, // Cyrillic
        {"H0st", "H0st3"},
        {"Ho\u200Bst", "Host4"},               // zero-width space
        {"\u202EHost", "Host5"},               // right-to-left override
        {"Ho\u00ADst", "Host6"},               // soft hyphen
        {"Hos\xC3+t", "Hos\xEF\xBF\xBD t"},    // a bad lead no longer hides the "+"
    };
    ConnectionId id = 2;
    for (const auto& c : cases) {
        const int slot = join(id++, c.raw);
        EXPECT_EQ(server.slotTable()[slot].name, c.named) << c.raw;
    }
    setNameKeys({});
}
#endif
