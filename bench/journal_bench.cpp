// What the game journal costs a server: computer games played in process
// with the journal written to a file at every turn start and round end, as
// a server does; the time per write (median and worst, building the text
// included) and the journal's size.
//   journal_bench [--games N] [--folder DIR]
#include "server/serverform.h"
#include "store/journalfile.h"
#include "tests/support/quiethost.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

using namespace brixo;

namespace {

// Times each write of the real file sink.
struct TimedSink : JournalSink {
    explicit TimedSink(std::filesystem::path file) : sink(std::move(file)) {}
    void journal(const GameJournal& journal) override
    {
        const auto start = std::chrono::steady_clock::now();
        sink.journal(journal);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        bytes.push_back(journalText(journal).size());
    }
    void gameOver() override { sink.gameOver(); }
    JournalFileSink sink;
    std::vector<double> micros;
    std::vector<std::size_t> bytes;
};

std::string body(const std::string& frame) { return frame.substr(0, frame.size() - 1); }

} // namespace

int main(int argc, char** argv)
{
    int games = 20;
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--folder")) folder = argv[i + 1];
    }
    const std::filesystem::path file = folder / ("journal_bench_" + std::to_string(::getpid()) + ".txt");
    TimedSink sink(file);
    std::size_t writesPerGame = 0;
    for (int game = 0; game < games; ++game) {
        test::QuietHost host;
        SeededRandom random(std::uint64_t(game) + 1);
        TServer server(host, random);
        server.setRoundPauseSeconds(1);
        server.setJournalSink(&sink);
        const std::size_t before = sink.micros.size();
        server.connectionAccepted(1);
        server.message(1, body(msg::logininfo(1, msg::kVersion, "Ann", "")));
        server.message(1, body(msg::startgame({"Ann", 500, 60, "t", game % 2 ? "t" : "f", 14})));
        server.message(1, body(msg::justwatch(1, "1")));
        test::playByTimers(server, host);
        writesPerGame += sink.micros.size() - before;
    }
    std::vector<double> micros = sink.micros;
    std::sort(micros.begin(), micros.end());
    const auto [smallest, largest] = std::minmax_element(sink.bytes.begin(), sink.bytes.end());
    std::printf("Journal: %d games (half of them team games), %zu writes (%.0f a game) to %s\n", games,
                micros.size(), double(writesPerGame) / games, folder.c_str());
    std::printf("  time per write   median %.0f us, 99th percentile %.0f us, worst %.0f us (text, fsync, rename)\n",
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    std::printf("  journal size     %zu to %zu bytes\n", *smallest, *largest);
    std::filesystem::remove(file);
    return 0;
}
