// The table's words: names and numbers go in once, and whatever they
// contain stays as it is; a translator, when installed, gets every text.
#include "table/wording.h"

#include "table/boardproblems.h"
#include "table/placerules.h"
#include "table/seatwords.h"
#include "table/tilewords.h"

#include <gtest/gtest.h>

#include <map>

using namespace brixo;

TEST(Wording, FillsInOnceAndTranslatesThroughTheInstalledTranslator)
{
    EXPECT_EQ(fillin("%1 drew %2 tiles (100%)", {"Ann%2", "3"}), "Ann%2 drew 3 tiles (100%)");
    EXPECT_EQ(fillin("%2 before %1, %3 unknown", {"a", "b"}), "b before a, %3 unknown");

    EXPECT_EQ(translate("Test", "Good Luck"), "Good Luck");
    settranslator([](const char* context, const char* source) { return std::string(context) + ":" + source; });
    EXPECT_EQ(translate("Test", "Good Luck"), "Test:Good Luck");
    settranslator({});
    EXPECT_EQ(translate("Test", "Good Luck"), "Good Luck");
}

// A language that turns a sentence round gets the names and tiles in its
// own order, and the article its grammar needs where the tile stands.
TEST(Wording, TheTablesSentencesTakeTheirPiecesInTheTranslationsOrder)
{
    const std::map<std::string, std::string> german{
        {"%1 cannot go after %2.", "Hinter %2 kann %1 nicht liegen."},
        {"A %1", "die %1"},
        {"a %1", "der %1"},
        {"King", "13"},
        {"Queen", "12"},
        {"%1 %2", "%2 %1"},
        {"Red", "rot"},
        {"%1 drew %2 tiles (penalty).", "%2 Strafsteine für %1."},
        {"a gap between %1 and %2", "Lücke: %1 … %2"},
    };
    settranslator([&](const char*, const char* source) {
        const auto found = german.find(source);
        return found == german.end() ? std::string(source) : found->second;
    });
    const auto red = [](int n) { return 26 + n; };
    const auto black = [](int n) { return 39 + n; };
    BoardGrid grid;
    grid.set(10, 3, black(13));
    EXPECT_EQ(placerules::whyNotHere(grid, {11, 3}, Tile(black(12))), "Hinter der 13 kann die 12 nicht liegen.");
    EXPECT_EQ(seatwords::drew("Klot", 3), "3 Strafsteine für Klot.");
    EXPECT_EQ(tileword(red(13)), "13 rot");
    grid.set(1, 5, red(3));
    grid.set(2, 5, red(4));
    grid.set(3, 5, red(7));
    EXPECT_EQ(whyNotASet(grid, {5, 1, 3}), "Lücke: 4 rot … 7 rot");
    settranslator({});
    EXPECT_EQ(placerules::whyNotHere(grid, {11, 3}, Tile(black(12))), "A Queen cannot go after a King.");
}
