// The table's words: names and numbers go in once, and whatever they
// contain stays as it is; a translator, when installed, gets every text.
#include "table/wording.h"

#include <gtest/gtest.h>

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
