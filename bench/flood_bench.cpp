// The headless server's memory under two floods, measured on a separate
// `brixo --server` process from its resident size (/proc/PID/status).
//
//   flood_bench BRIXO [megabytes] [seconds]     (defaults 200 and 10)
//
// 1. One table sends MEGABYTES of bare terminators (empty messages) as fast
//    as the server takes them, while another table's chat goes round.
// 2. One table logs in and never reads; another sends chat lines as long as
//    the chat field takes for SECONDS, and counts its own lines coming back
//    (the server relays a sender's first few, then a few a second).
// It prints the server's resident memory before, at its peak and after.
#include "bench/residentmemory.h"
#include "net/catalogue.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

class Peer {
public:
    explicit Peer(quint16 port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::exit(1);
    }
    ~Peer() { ::close(m_fd); }
    int login(const std::string& name)
    {
        std::string first;
        char c;
        while (::recv(m_fd, &c, 1, 0) == 1 && c != '\xFF') first += c;
        const int slot = std::atoi(first.c_str() + first.find('+') + 1);
        write(brixo::msg::logininfo(slot, brixo::msg::kVersion, name));
        return slot;
    }
    bool write(const std::string& bytes)
    {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0) return false;
            done += std::size_t(n);
        }
        return true;
    }
    // Reads for a while and counts the lines that start with `prefix`.
    long countLines(const std::string& prefix, int milliseconds)
    {
        const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
        long found = 0;
        timeval wait{0, 20000};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char buffer[65536];
        while (Clock::now() < until) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n == 0) break;
            if (n < 0) continue;
            m_pending.append(buffer, std::size_t(n));
            std::size_t start = 0, end;
            while ((end = m_pending.find('\xFF', start)) != std::string::npos) {
                if (m_pending.compare(start, prefix.size(), prefix) == 0) ++found;
                start = end + 1;
            }
            m_pending.erase(0, start);
        }
        return found;
    }

private:
    int m_fd = -1;
    std::string m_pending;
};

struct Peak {
    std::atomic<long> kib{0};
    std::atomic<bool> stop{false};
    std::thread watcher;
    explicit Peak(qint64 pid)
    {
        watcher = std::thread([this, pid] {
            while (!stop) {
                kib = std::max(kib.load(), residentKiB(std::to_string(pid)));
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~Peak()
    {
        stop = true;
        watcher.join();
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BRIXO [megabytes]\n", argv[0]);
        return 2;
    }
    const long megabytes = argc > 2 ? std::atol(argv[2]) : 200;
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    QProcess server;
    server.start(QString::fromLocal8Bit(argv[1]), {"--server", "--port", "0", "--no-announce"});
    if (!server.waitForStarted() || !server.waitForReadyRead(5000)) return 1;
    const QByteArray banner = server.readLine();
    const quint16 port = quint16(banner.mid(banner.lastIndexOf(' ') + 1).trimmed().toUInt());
    const qint64 pid = server.processId();

    {
        Peer host(port), flooder(port);
        host.login("Host");
        flooder.login("Flo");
        host.countLines("", 200);
        const long before = residentKiB(std::to_string(pid));
        Peak peak(pid);
        const auto start = Clock::now();
        std::thread flood([&] {
            const std::string chunk(1 << 20, '\xFF');
            for (long mb = 0; mb < megabytes && flooder.write(chunk); ++mb) {
            }
        });
        host.write(brixo::msg::chat(1, "during the flood|clBlack"));
        const long heard = host.countLines("CMD_chat+Host chats: during", 3000);
        flood.join();
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::printf("flood of %ld MiB of terminators: %.1f s; server resident %ld KiB before, peak %ld KiB, after %ld "
                    "KiB; the host's chat came back %s\n",
                    megabytes, took, before, peak.kib.load(), residentKiB(std::to_string(pid)), heard ? "during it" : "NOT");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    {
        Peer talker(port), sleeper(port);
        talker.login("Talker");
        sleeper.login("Sleeper"); // never reads from here on
        talker.countLines("", 200);
        const long before = residentKiB(std::to_string(pid));
        Peak peak(pid);
        const std::string line = brixo::msg::chat(1, std::string(brixo::msg::kChatFieldLength, 'c') + "|clBlack");
        std::atomic<bool> done{false};
        long sent = 0;
        std::thread chat([&] {
            const auto until = Clock::now() + std::chrono::seconds(seconds);
            std::string burst;
            for (int i = 0; i < 64; ++i) burst += line;
            while (Clock::now() < until && talker.write(burst)) sent += 64;
            done = true;
        });
        long back = 0;
        while (!done) back += talker.countLines("CMD_chat+Talker chats: ", 100);
        chat.join();
        back += talker.countLines("CMD_chat+Talker chats: ", 2000);
        std::printf("chat flood for %d s towards a table that does not read: %ld lines sent, %ld came back; server "
                    "resident %ld KiB before, peak %ld KiB, after %ld KiB\n",
                    seconds, sent, back, before, peak.kib.load(), residentKiB(std::to_string(pid)));
    }
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
