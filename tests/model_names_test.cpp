// Player names: strict decoding, what cleaning removes and keeps, and the
// keys by which names that read alike are told apart.
#include "model/namelikeness.h"
#include "model/playername.h"
#ifdef BRIXO_HAVE_ICU
#include "icu/icunamekeys.h"
#endif

#include <gtest/gtest.h>

#include <string>

using namespace brixo;

namespace {

const std::string kBad = "\xEF\xBF\xBD"; // U+FFFD

std::string repeated(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

} // namespace

TEST(PlayerNames, InvalidUtf8BecomesReplacementBeforeAnyOtherRule)
{
    const struct {
        const char* what;
        std::string raw;
        std::string clean;
    } cases[] = {
        {"bad lead before a separator", "\xC3+Ann", kBad + " Ann"},
        {"bad lead before a bar and a control", "A\xE2|\x01" "B", "A" + kBad + " B"},
        {"four-byte lead before NULs", std::string("A\xF0\0\0\0" "B", 6), "A" + kBad + "B"},
        {"stray continuation byte", "A\x80" "B", "A" + kBad + "B"},
        {"overlong '+'", "A\xC0\xAB" "B", "A" + kBad + kBad + "B"},
        {"overlong three bytes", "\xE0\x80\xAB", kBad + kBad + kBad},
        {"surrogate", "A\xED\xA0\x80", "A" + kBad + kBad + kBad},
        {"beyond U+10FFFF", "A\xF4\x90\x80\x80", "A" + kBad + kBad + kBad + kBad},
        {"cut off at the end", "Ann\xE2\x82", "Ann" + kBad + kBad},
        {"valid four bytes stay", "A\xF0\x9F\x82\xA1", "A\xF0\x9F\x82\xA1"},
    };
    for (const auto& c : cases) EXPECT_EQ(cleanName(c.raw, 1), c.clean) << c.what;
}

TEST(PlayerNames, InvisibleCharactersGoBlanksFoldAndMarksAreLimited)
{
    const std::string acute = "\xCC\x81"; // U+0301
    const struct {
        const char* what;
        std::string raw;
        std::string clean;
    } cases[] = {
        {"zero-width space", "Ho\u200Bst", "Host"},
        {"zero-width joiner and word joiner", "H\u200Dos\u2060t", "Host"},
        {"right-to-left override", "\u202Etsoh", "tsoh"},
        {"bidi isolates and marks", "\u2066Ho\u200Fst\u2069", "Host"},
        {"soft hyphen", "Ho\u00ADst", "Host"},
        {"byte order mark", "\uFEFFHost", "Host"},
        {"variation selector", "Ho\uFE0Fst", "Host"},
        {"tag characters", "Host\U000E0041", "Host"},
        {"Hangul filler alone", "\u3164", "Player1"},
        {"C1 control", "Ho\u0085st", "Host"},
        {"wide blanks are one blank", "Ann\u00A0\u3000 +Bo", "Ann Bo"},
        {"two marks stay", "e" + acute + acute, "e" + acute + acute},
        {"more marks go", "e" + repeated(acute, 40) + "x", "e" + acute + acute + "x"},
        {"each base has its own", "a" + repeated(acute, 3) + "b" + repeated(acute, 3), "a" + acute + acute + "b" + acute + acute},
        {"no base at the start", acute + "Ann", "Ann"},
        {"no base after a blank", "Ann " + acute + "B", "Ann B"},
        {"a blank never ends a cut name", std::string(23, 'a') + " b", std::string(23, 'a')},
    };
    for (const auto& c : cases) EXPECT_EQ(cleanName(c.raw, 1), c.clean) << c.what;
}

TEST(PlayerNames, ANumberedNameIsCutBetweenCharacters)
{
    EXPECT_EQ(numberedName("Ann", 2), "Ann2");
    EXPECT_EQ(numberedName(repeated("é", 24), 12), repeated("é", 22) + "12");
    EXPECT_EQ(numberedName(std::string(22, 'a') + " b", 10), std::string(22, 'a') + "10");
}

TEST(NameLikeness, WithoutUnicodeDataOnlyLetterCaseIsIgnored)
{
    setNameKeys({});
    EXPECT_TRUE(namesReadAlike("Host", "hOST"));
    EXPECT_FALSE(namesReadAlike("Host", "Ho st"));
}

#ifdef BRIXO_HAVE_ICU
TEST(NameLikeness, LookAlikesFromOtherScriptsAndDigitsReadAsOneName)
{
    setNameKeys(icuNameKeys);
    const struct {
        const char* a;
        const char* b;
        bool alike;
    } cases[] = {
        {"Host", "\u041D\u043Est", true},       // Cyrillic capital En, small o
        {"Host", "\u0397\u03BFst", true},       // Greek capital Eta, small omicron
        {"Host", "H0st", true},
        {"Host", "HOST", true},
        {"Ian", "ian", true},
        {"Ian", "lan", true},
        {"Sam", "Sarn", true},
        {"fin", "\uFB01n", true},               // the "fi" ligature
        {"Host", "\uFF28\uFF4F\uFF53\uFF54", true}, // full-width letters
        {"Zo\u00EB", "Zoe\u0308", true},        // composed and decomposed
        {"Ann", "Anne", false},
        {"Host", "Hast", false},
        {"Bob", "Rob", false},
    };
    for (const auto& c : cases) EXPECT_EQ(namesReadAlike(c.a, c.b), c.alike) << c.a << " / " << c.b;
    setNameKeys({});
}
#endif
