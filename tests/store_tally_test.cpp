// The tally: counting finished games, following and dropping players, the
// stored text, and the file across restarts, upgrades and damage.
#include "store/lzrw1.h"
#include "store/tally.h"
#include "store/tallyfile.h"
#include "tests/tempfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using brixo::Tally;
using brixo::TallyFile;
namespace fs = std::filesystem;
using namespace brixo::test;

namespace {

// A player's row, columns 1 to 8.
std::vector<long long> counts(const Tally& t, int row)
{
    std::vector<long long> out;
    for (int col = 1; col < Tally::kColumns; ++col) out.push_back(t.count(col, row));
    return out;
}

using CountRow = std::vector<long long>;

void writeTally(const fs::path& file, const Tally& t)
{
    writeFile(file, brixo::Tlzrw1::compressBytes(t.savegrid()).bytes);
}

// The blocks of a container, without its header.
std::string blocksOf(const std::string& data)
{
    return brixo::Tlzrw1::compressBytes(data).bytes.substr(8);
}

// 2.7 MB that claim 2^31 - 1 bytes (2 GiB) and decode to them: 65535
// blocks of zeros, each a few runs, and a short last one.
std::string compressionBomb()
{
    const std::string zeros = blocksOf(std::string(brixo::Tlzrw1::kBlockSize, '\0'));
    const std::string block = zeros.substr(0, zeros.size() - 3); // without the empty last block
    std::string file = "WRZL\xFF\xFF\xFF\x7F";
    for (int k = 0; k < 65535; ++k) file += block;
    return file + blocksOf(std::string(brixo::Tlzrw1::kBlockSize - 1, '\0'));
}

} // namespace

TEST(TallyGames, EachFollowedPlayerAtTheTableCountsTheGameByWhoWon)
{
    Tally t;
    ASSERT_TRUE(t.follow("Klot"));
    ASSERT_TRUE(t.follow("Ann"));
    ASSERT_TRUE(t.follow("Zed")); // followed, not at the table

    // The owner wins against two followed players and one not followed.
    t.addgame(Tally::kOwnerWon, {"Klot", "Bob", "Ann"});
    EXPECT_EQ(t.count(1, 0), 1);
    EXPECT_EQ(t.count(2, 0), 1);
    EXPECT_EQ(counts(t, 1), (CountRow{1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(counts(t, 2), (CountRow{1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(t.rowOf("Bob"), 0);

    // A followed player wins: the other followed one saw neither win.
    t.addgame("Klot", {"Klot", "Bob", "Ann"});
    EXPECT_EQ(counts(t, 1), (CountRow{2, 1, 1, 0, 2, 1, 1, 0}));
    EXPECT_EQ(counts(t, 2), (CountRow{2, 0, 1, 1, 2, 0, 1, 1}));

    // A team or a player not followed wins: neither, for everybody.
    t.addgame("The Green Team", {"Klot", "Bob", "Ann"});
    t.addgame("Bob", {"Klot", "Bob", "Ann"});
    EXPECT_EQ(counts(t, 1), (CountRow{4, 1, 1, 2, 4, 1, 1, 2}));
    EXPECT_EQ(counts(t, 2), (CountRow{4, 0, 1, 3, 4, 0, 1, 3}));
    EXPECT_EQ(t.count(1, 0), 4);
    EXPECT_EQ(t.count(2, 0), 1);
    EXPECT_EQ(counts(t, 3), (CountRow{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(t.cell(3, 0), "0"); // the spare counts stay
}

TEST(TallyGames, DamagedOrEmptyCountsAndTwiceShownNamesCountOnce)
{
    // Klot: 5 games, then an empty cell and one that is no number.
    auto loaded = Tally::loadgrid("9\r\n2\r\n0\r\nKlot\r\n0\r\n5\r\n0\r\n\r\n0\r\nx\r\n0\r\n\r\n"
                                  "0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n");
    ASSERT_TRUE(loaded);
    Tally t = *loaded;
    // Two seats showing the same name are one followed row, counted once.
    t.addgame("Klot", {"Klot", "Klot"});
    EXPECT_EQ(counts(t, 1), (CountRow{6, 1, 0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(t.cell(4, 1), "0"); // empty cells become "0"
}

TEST(TallyRows, FollowDropAndReset)
{
    Tally t;
    EXPECT_TRUE(t.follow("A"));
    EXPECT_TRUE(t.follow("B"));
    EXPECT_TRUE(t.follow("C"));
    EXPECT_FALSE(t.follow("B"));        // once
    EXPECT_FALSE(t.follow(""));
    EXPECT_FALSE(t.follow("Evil\r\n9")); // could not be stored
    t.addgame("B", {"B"});
    t.addgame("C", {"C", "A"});

    // Dropping B removes exactly its row; C moves up with its counts.
    t.moverow(2);
    EXPECT_EQ(t.followed(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(counts(t, 2), (CountRow{1, 1, 0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(counts(t, 1), (CountRow{1, 0, 0, 1, 1, 0, 0, 1}));
    t.moverow(0); // the owner's row is not a player's
    t.moverow(3);
    EXPECT_EQ(t.rowCount(), 3);
    t.moverow(2);
    t.moverow(1);
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.count(1, 0), 2);

    t.follow("D");
    t.reset();
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.savegrid(), Tally().savegrid());
}

TEST(TallyText, CellsAreStoredColumnByColumnAndOnlyAWholeGridLoads)
{
    Tally t;
    t.follow("Klot");
    t.addgame(Tally::kOwnerWon, {"Klot"});
    const std::string text = "9\r\n2\r\n"
                             "0\r\nKlot\r\n"
                             "1\r\n1\r\n"
                             "1\r\n0\r\n"
                             "0\r\n1\r\n"
                             "0\r\n0\r\n"
                             "0\r\n1\r\n"
                             "0\r\n0\r\n"
                             "0\r\n1\r\n"
                             "0\r\n0\r\n";
    EXPECT_EQ(t.savegrid(), text);
    const auto back = Tally::loadgrid(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->savegrid(), text);

    const std::string cells = text.substr(6); // after "9\r\n2\r\n"
    const std::vector<std::string> damaged = {"",
                                              "9\r\n",
                                              "8\r\n2\r\n" + cells,
                                              "9\r\n3\r\n" + cells,
                                              "9\r\n1\r\n" + cells,
                                              "9\r\n0\r\n",
                                              "9\r\n-1\r\n",
                                              "9\r\n99999999999999999\r\n" + cells,
                                              "9\r\n2\r\n" + cells + "extra\r\n",
                                              "9\r\nx\r\n" + cells};
    for (const std::string& bad : damaged)
        EXPECT_FALSE(Tally::loadgrid(bad)) << bad;
}

TEST(TallyFileOnDisk, RestartKeepsTheTotalsAndStartsANewSession)
{
    TempDir dir;
    TallyFile file(dir.file("brixotally.tld"), dir.file("agametally.tld"));
    TallyFile::Loaded first = file.load();
    EXPECT_EQ(first.problem, "");
    EXPECT_EQ(first.tally.savegrid(), Tally().savegrid()); // first start: all "0", nobody
    first.tally.follow("Klot");
    first.tally.addgame("Klot", {"Klot"});
    ASSERT_TRUE(file.save(first.tally));
    EXPECT_FALSE(fs::exists(dir.file("brixotally.tld.new")));

    TallyFile::Loaded again = TallyFile(dir.file("brixotally.tld"), dir.file("agametally.tld")).load();
    EXPECT_EQ(again.problem, "");
    EXPECT_EQ(again.tally.followed(), (std::vector<std::string>{"Klot"}));
    EXPECT_EQ(counts(again.tally, 1), (CountRow{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(again.tally.count(1, 0), 1);

    // A save that cannot write its new file leaves the old one as it was.
    const std::string before = readFile(dir.file("brixotally.tld"));
    fs::create_directory(dir.file("brixotally.tld.new"));
    again.tally.addgame("Klot", {"Klot"});
    EXPECT_FALSE(file.save(again.tally));
    EXPECT_EQ(readFile(dir.file("brixotally.tld")), before);
}

TEST(TallyFileOnDisk, TheOlderFileBecomesTheTallyAndGoesOnceSaved)
{
    TempDir dir;
    Tally older;
    older.follow("Klock");
    older.addgame(Tally::kOwnerWon, {"Klock"});
    writeTally(dir.file("agametally.tld"), older);
    writeTally(dir.file("brixotally.tld"), Tally());

    TallyFile::Loaded loaded = TallyFile(dir.file("brixotally.tld"), dir.file("agametally.tld")).load();
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.tally.followed(), (std::vector<std::string>{"Klock"}));
    EXPECT_EQ(counts(loaded.tally, 1), (CountRow{1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(fs::exists(dir.file("agametally.tld")));
    std::string failure;
    const auto saved = TallyFile::read(dir.file("brixotally.tld"), failure);
    ASSERT_TRUE(saved) << failure;
    EXPECT_EQ(saved->savegrid(), loaded.tally.savegrid());
}

TEST(TallyFileOnDisk, AnUnreadableFileIsKeptAsideAndNeverWrittenOver)
{
    TempDir dir;
    const fs::path tld = dir.file("brixotally.tld");
    const fs::path older = dir.file("agametally.tld");

    // Each kind of bad file: renamed aside with ".bad", the user told why.
    const struct {
        std::string bytes;
        const char* why;
    } bad[] = {
        {"not compressed at all", "has no valid header"},
        {brixo::Tlzrw1::compressBytes("hello\r\n").bytes, "not a grid of 9 columns"},
        {std::string("!HZL\x05\0\0\0", 8), "LZH compressed files are not supported"},
        {brixo::Tlzrw1::compressBytes(Tally().savegrid()).bytes.substr(0, 12), "Error reading"},
    };
    for (const auto& b : bad) {
        writeFile(tld, b.bytes);
        TallyFile file(tld, older);
        TallyFile::Loaded loaded = file.load();
        EXPECT_NE(loaded.problem.find(b.why), std::string::npos) << loaded.problem;
        EXPECT_NE(loaded.problem.find("brixotally.tld.bad"), std::string::npos) << loaded.problem;
        EXPECT_EQ(readFile(dir.file("brixotally.tld.bad")), b.bytes);
        EXPECT_EQ(loaded.tally.rowCount(), 1);
        EXPECT_TRUE(file.save(loaded.tally));
        fs::remove(dir.file("brixotally.tld.bad"));
    }

    // An earlier ".bad" stays; a bad older file is set aside and the tally
    // file is read instead.
    Tally kept;
    kept.follow("Kling");
    writeTally(tld, kept);
    writeFile(older, "junk");
    writeFile(dir.file("agametally.tld.bad"), "earlier");
    TallyFile::Loaded loaded = TallyFile(tld, older).load();
    EXPECT_EQ(loaded.tally.followed(), (std::vector<std::string>{"Kling"}));
    EXPECT_NE(loaded.problem.find("agametally.tld.bad2"), std::string::npos) << loaded.problem;
    EXPECT_EQ(readFile(dir.file("agametally.tld.bad")), "earlier");
    EXPECT_EQ(readFile(dir.file("agametally.tld.bad2")), "junk");
    EXPECT_FALSE(fs::exists(older));
}

TEST(TallyFileOnDisk, WhatIsNotARegularFileOrClaimsTooMuchIsRefusedUnreadAndSetAside)
{
    TempDir dir;
    const fs::path tld = dir.file("brixotally.tld");
    const fs::path older = dir.file("agametally.tld");
    for (const HostileFile& kind : hostileFiles()) {
        kind.make(tld);
        TallyFile file(tld, older);
        const TallyFile::Loaded loaded = file.load();
        EXPECT_NE(loaded.problem.find("is not a regular file"), std::string::npos) << kind.what << loaded.problem;
        EXPECT_EQ(loaded.tally.rowCount(), 1) << kind.what;
        EXPECT_FALSE(fs::exists(fs::symlink_status(tld))) << kind.what;
        EXPECT_TRUE(file.save(loaded.tally)) << kind.what;
        fs::remove_all(tld);
        fs::remove_all(dir.file("brixotally.tld.bad"));
    }

    // A bomb is refused by what it claims, before a block is decoded.
    const std::string bomb = compressionBomb();
    ASSERT_LT(bomb.size(), 3u << 20);
    writeFile(tld, bomb);
    std::string failure;
    EXPECT_FALSE(TallyFile::read(tld, failure));
    EXPECT_NE(failure.find("claims 2147483647 bytes, more than 16777216"), std::string::npos) << failure;
    // A file that claims little but whose blocks go on stops at the claim.
    writeFile(tld, "WRZL\x00\x00\x00\x01" + bomb.substr(8));
    EXPECT_FALSE(TallyFile::read(tld, failure));
    EXPECT_EQ(failure, "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
}
