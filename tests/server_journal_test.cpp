// The game journal: its text survives only whole, every journal a game
// writes holds the 106 tiles, and a game resumed from any journal plays on
// exactly as the game that was not interrupted.
#include "server_fakehost.h"

#include "server/gamejournal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brixo::test {
namespace {

// Keeps every journal's text and whether the game ended.
struct RecordingSink : JournalSink {
    void journal(const GameJournal& journal) override { texts.push_back(journalText(journal)); }
    void gameOver() override { over = true; }
    std::vector<std::string> texts;
    bool over = false;
};

// A server whose every seat the computer plays, with its own seeded source.
struct Game {
    explicit Game(std::uint64_t seed) : random(seed)
    {
        host.speed = 0;
        server.setRoundPauseSeconds(1);
        server.setJournalSink(&sink);
    }
    // Host table 1 logs in, starts the game and just watches.
    void start(bool team)
    {
        server.connectionAccepted(1);
        server.message(1, body(msg::logininfo(1, msg::kVersion, "Ann", "")));
        server.message(1, body(msg::startgame({"Ann", 300, 60, "t", team ? "t" : "f", 14})));
        server.message(1, body(msg::justwatch(1, "1")));
    }
    static std::string body(const std::string& frame) { return frame.substr(0, frame.size() - 1); }
    // Fires the computer timer or else the clock until the game is over.
    void playToEnd()
    {
        for (int steps = 0; server.state().gamerunning && steps < 200000; ++steps) {
            if (host.computerTimer) {
                host.computerTimer = false;
                server.computertimerTimer();
            } else {
                ASSERT_TRUE(host.clock);
                server.timer1Timer();
            }
        }
        ASSERT_FALSE(server.state().gamerunning);
    }
    FakeHost host;
    SeededRandom random;
    TServer server{host, random};
    RecordingSink sink;
};

// The journal without its date, for comparing games played at different
// moments, and without whether the people watched: after a resume nobody is
// there to watch until they come back.
std::string undated(const std::string& text)
{
    std::string failure;
    auto journal = parseJournal(text, failure);
    EXPECT_TRUE(journal) << failure;
    if (!journal) return {};
    journal->written = 0;
    for (JournalSeat& seat : journal->seats) seat.watching = false;
    return journalText(*journal);
}

TEST(GameJournal, EveryJournalHoldsTheTilesAndAResumedGamePlaysOnAsTheUninterrupted)
{
    for (const bool team : {false, true}) {
        for (std::uint64_t seed = 11; seed < 14; ++seed) {
            Game whole(seed);
            whole.start(team);
            whole.playToEnd();
            ASSERT_TRUE(whole.sink.over);
            const std::vector<std::string>& texts = whole.sink.texts;
            ASSERT_GT(texts.size(), 20u);
            // Each parses, which includes holding each tile exactly once.
            for (const std::string& text : texts) {
                std::string failure;
                ASSERT_TRUE(parseJournal(text, failure)) << failure << "\n" << text;
            }
            // Resumed from journals spread over the game (the first, between
            // rounds, the last), the game writes the same journals from there
            // on and ends with the same scores.
            std::vector<std::size_t> picks{0, texts.size() / 3, texts.size() / 2, texts.size() - 1};
            for (std::size_t i = 0; i < texts.size(); ++i) {
                std::string failure;
                if (parseJournal(texts[i], failure)->betweenRounds) {
                    picks.push_back(i);
                    break;
                }
            }
            for (const std::size_t pick : picks) {
                std::string failure;
                const auto journal = parseJournal(texts[pick], failure);
                ASSERT_TRUE(journal) << failure;
                Game resumed(999); // another seed: the journal's must win
                ASSERT_TRUE(resumed.server.resume(*journal));
                EXPECT_FALSE(resumed.server.resume(*journal)); // not over a running game
                resumed.playToEnd();
                EXPECT_TRUE(resumed.sink.over);
                const std::vector<std::string>& again = resumed.sink.texts;
                ASSERT_EQ(again.size(), texts.size() - pick) << "seed " << seed << " from " << pick;
                for (std::size_t i = 0; i < again.size(); ++i)
                    ASSERT_EQ(undated(again[i]), undated(texts[pick + i])) << "seed " << seed << " from " << pick;
                for (const Seat seat : Seat::all())
                    EXPECT_EQ(resumed.server.slotTable()[seat].score, whole.server.slotTable()[seat].score);
            }
        }
    }
}

TEST(GameJournal, TextIsReadWholeOrRefused)
{
    Game game(5);
    game.start(false);
    for (int i = 0; i < 40 && game.host.computerTimer; ++i) {
        game.host.computerTimer = false;
        game.server.computertimerTimer();
    }
    GameJournal journal = game.server.journal();
    journal.seats[0].name = "Ann Lee-%"; // a name with the bytes the text escapes
    journal.removed.push_back({"KEY", "Cy Lee", "127.0.0.9"});
    const std::string text = journalText(journal);
    std::string failure;
    const auto back = parseJournal(text, failure);
    ASSERT_TRUE(back) << failure;
    EXPECT_EQ(*back, journal);
    EXPECT_TRUE(back->random.has_value());

    // Cut at every byte: refused.
    for (std::size_t cut = 0; cut < text.size(); ++cut)
        EXPECT_FALSE(parseJournal(text.substr(0, cut), failure)) << "cut at " << cut;
    // A byte changed anywhere: refused.
    for (std::size_t at = 0; at < text.size(); at += 7) {
        std::string changed = text;
        changed[at] = changed[at] == '1' ? '2' : '1';
        EXPECT_FALSE(parseJournal(changed, failure)) << "changed at " << at;
    }
    // A journal whose own checksum is right but whose tiles do not add up.
    GameJournal lost = journal;
    lost.seats[1].rack.pop_back();
    EXPECT_FALSE(parseJournal(journalText(lost), failure));
    EXPECT_EQ(failure, "its tiles do not add up to a full set");
}

// A resumed game keeps each seat for its person: their seat key gives it
// back, rack and host's rights included; a name alone makes a newcomer. A
// player the host removed stays out.
TEST(GameJournal, ResumedSeatsOpenToTheirKeys)
{
    Game game(21);
    game.start(false);
    game.server.connectionAccepted(2, "127.0.0.9");
    game.server.message(2, Game::body(msg::logininfo(2, msg::kVersion, "Cy", "")));
    game.server.message(1, Game::body(msg::kickhim(1, 2)));
    ASSERT_FALSE(game.server.slotTable()[Slot(2)].connected);
    game.server.timer1Timer();
    while (game.host.computerTimer) {
        game.host.computerTimer = false;
        game.server.computertimerTimer();
        if (game.sink.texts.size() > 3) break;
    }
    const std::string key = [&] {
        std::string last;
        for (const std::string& line : game.host.sent[1])
            if (line.rfind("CMD_seatkey+", 0) == 0) last = msg::parseSeatkey(splitCommand(line)->args).value_or("");
        return last;
    }();
    ASSERT_FALSE(key.empty());
    std::string failure;
    const auto journal = parseJournal(game.sink.texts.back(), failure);
    ASSERT_TRUE(journal) << failure;
    EXPECT_TRUE(journal->seats[0].person);
    EXPECT_TRUE(journal->seats[0].watching);

    Game resumed(1);
    ASSERT_TRUE(resumed.server.resume(*journal));
    // A newcomer by the same name takes a free seat (2, the computer's) under
    // another name.
    resumed.server.connectionAccepted(7);
    resumed.server.message(7, Game::body(msg::logininfo(2, msg::kVersion, "Ann", "")));
    EXPECT_EQ(resumed.server.slotTable()[Slot(2)].name, "Ann2");
    resumed.server.connectionAccepted(8);
    resumed.server.message(8, Game::body(msg::logininfo(3, msg::kVersion, "Ann", key)));
    EXPECT_EQ(resumed.host.sent[8].back(), Game::body(msg::sendlogininfo(1)));
    resumed.server.message(8, Game::body(msg::logininfo(1, msg::kVersion, "Ann", key)));
    const TPlayerRecord& seat = resumed.server.slotTable()[Seat(1)];
    EXPECT_TRUE(seat.connected);
    EXPECT_EQ(seat.sock, 8u);
    EXPECT_EQ(seat.name, "Ann");
    EXPECT_EQ(seat.rack.items(), journal->seats[0].rack);

    ASSERT_EQ(journal->removed.size(), 1u);
    resumed.server.connectionAccepted(9, "127.0.0.9");
    resumed.server.message(9, Game::body(msg::logininfo(3, msg::kVersion, "Dee", "")));
    EXPECT_EQ(resumed.host.sent[9].back(), Game::body(msg::removed()));
    resumed.server.connectionAccepted(10, "127.0.0.10");
    resumed.server.message(10, Game::body(msg::logininfo(3, msg::kVersion, "cy", "")));
    EXPECT_EQ(resumed.host.sent[10].back(), Game::body(msg::removed()));
}

// The player whose turn a crash cut short gets that turn back when they
// return soon; else the computer plays it as it would have at once.
TEST(GameJournal, TheResumedTurnWaitsALittleForItsPlayer)
{
    Game game(21);
    game.start(false);
    std::string failure;
    auto journal = parseJournal(game.sink.texts.back(), failure);
    ASSERT_TRUE(journal) << failure;
    journal->seats[0].watching = false;
    journal->turnseat = 1;

    for (const bool comesBack : {true, false}) {
        Game resumed(1);
        ASSERT_TRUE(resumed.server.resume(*journal));
        EXPECT_FALSE(resumed.host.computerTimer);
        for (int second = 1; second < TServer::kReturnGraceSeconds; ++second) resumed.server.timer1Timer();
        EXPECT_FALSE(resumed.host.computerTimer);
        if (comesBack) {
            resumed.server.connectionAccepted(8);
            resumed.server.message(8, Game::body(msg::logininfo(2, msg::kVersion, "Ann", journal->seats[0].seatkey)));
            resumed.server.message(8, Game::body(msg::logininfo(1, msg::kVersion, "Ann", journal->seats[0].seatkey)));
            ASSERT_EQ(resumed.server.slotTable()[Seat(1)].sock, 8u);
        }
        resumed.server.timer1Timer();
        EXPECT_EQ(resumed.host.computerTimer, !comesBack);
        EXPECT_EQ(resumed.server.state().currentseat, Seat(1));
    }
}

} // namespace
} // namespace brixo::test
