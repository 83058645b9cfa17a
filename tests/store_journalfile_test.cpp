// The journal's file: written whole, read back, and when damaged in any way
// set aside so that the game starts without it.
#include "store/journalfile.h"
#include "store/roomjournals.h"

#include "tests/tempfiles.h"

#include <gtest/gtest.h>

namespace brixo::test {
namespace {

GameJournal someJournal()
{
    GameJournal journal;
    journal.written = 1765000000;
    SeededRandom random(3);
    Pool pool;
    pool.shuffletiles(random);
    journal.pool = pool.order();
    journal.poolpos = 30;
    journal.playercount = 4;
    journal.turnseat = 2;
    journal.random = RandomState{3, 500};
    journal.seats[0] = {true, true, false, false, 40, 40, 40, "KEY1", "Ann", {}};
    journal.seats[2] = {true, true, true, false, 0, 0, 0, "KEY3", "Bob", {}};
    journal.seats[1].plays = true;
    // Places 1..30 dealt: 10 to seats 1, 2 and 3, except three on the board.
    for (int place = 1; place <= 27; ++place)
        journal.seats[std::size_t((place - 1) % 3)].rack.push_back({(place - 1) / 3 + 1, pool.at(place)});
    for (int place = 28; place <= 30; ++place) journal.board.push_back({place - 28, 0, pool.at(place)});
    return journal;
}

TEST(JournalFile, WrittenReadAndSummarisedThenGone)
{
    TempDir dir;
    const auto file = dir.file("journal.txt");
    EXPECT_FALSE(loadJournalFile(file).journal);
    EXPECT_TRUE(loadJournalFile(file).message.empty());

    const GameJournal journal = someJournal();
    JournalFileSink sink(file);
    sink.journal(journal);
    EXPECT_FALSE(std::filesystem::exists(dir.file("journal.txt.new")));
    const LoadedJournal loaded = loadJournalFile(file);
    ASSERT_TRUE(loaded.journal) << loaded.message;
    EXPECT_EQ(*loaded.journal, journal);
    const JournalSummary summary = summaryOf(*loaded.journal);
    EXPECT_EQ(summary.written, 1765000000);
    EXPECT_EQ(summary.names, (std::vector<std::string>{"Ann", "Bob"}));
    sink.gameOver();
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Cut at every byte: the journal is set aside with a message and nothing of
// it is used; the next start finds no journal.
TEST(JournalFile, ACutJournalIsSetAsideWhole)
{
    TempDir dir;
    const auto file = dir.file("journal.txt");
    const std::string text = journalText(someJournal());
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        writeFile(file, text.substr(0, cut));
        const LoadedJournal loaded = loadJournalFile(file);
        ASSERT_FALSE(loaded.journal) << "cut at " << cut;
        EXPECT_NE(loaded.message.find("set aside as " + dir.file("journal.txt.bad").string()), std::string::npos)
            << loaded.message;
        EXPECT_EQ(readFile(dir.file("journal.txt.bad")), text.substr(0, cut));
        EXPECT_FALSE(std::filesystem::exists(file));
        EXPECT_FALSE(loadJournalFile(file).journal);
        std::filesystem::remove(dir.file("journal.txt.bad"));
    }
}

// A lobby's rooms: each file says which room it is; one that says another
// room's code, says nothing, or holds a damaged journal is set aside, and
// the rest come back.
TEST(JournalFile, RoomFilesComeBackWithTheirRoomsOrAreSetAside)
{
    TempDir dir;
    const std::filesystem::path folder = dir.file("rooms");
    std::filesystem::create_directory(folder);
    const GameJournal journal = someJournal();
    JournalFileSink(roomJournalFile(folder, "K7M2P9"), {}, roomJournalHeader("K7M2P9", "Friday club", false))
        .journal(journal);
    const std::string text = journalText(journal);
    writeFile(folder / "ABCDEF.txt", roomJournalHeader("K7M2P9", "Copied", true) + text);
    writeFile(folder / "BCDEFG.txt", text);
    writeFile(folder / "CDEFGH.txt", roomJournalHeader("CDEFGH", "Cut", true) + text.substr(0, text.size() / 2));
    writeFile(folder / "notes.md", "not a room");

    std::vector<std::string> messages;
    const std::vector<KeptRoom> rooms = loadRoomJournals(folder, messages);
    ASSERT_EQ(rooms.size(), 1u);
    EXPECT_EQ(rooms[0].code, "K7M2P9");
    EXPECT_EQ(rooms[0].title, "Friday club");
    EXPECT_FALSE(rooms[0].isPublic);
    EXPECT_EQ(rooms[0].journal, journal);
    EXPECT_EQ(messages.size(), 3u);
    for (const char* aside : {"ABCDEF.txt.bad", "BCDEFG.txt.bad", "CDEFGH.txt.bad", "notes.md"})
        EXPECT_TRUE(std::filesystem::exists(folder / aside)) << aside;
}

} // namespace
} // namespace brixo::test
