// The meeting server under load, a plain program. It starts grimward-server on 127.0.0.1 and
// pairs ROOMS rooms at once (two connections each); then every room passes a whole hand-over:
// the eight parts of a board of the room's own, SPACING ms apart (2000, as the game sends them),
// then a chat line back. The rooms' hand-overs all start within SPACING ms: every room hands
// over at once, the most that as many real games could send (with SPACING 250, eight times
// that). Every frame is checked to arrive whole, in
// order and in its own room; the time from its send to its arrival (an upper bound on its time
// in the server) and the server's memory are measured.
//
// The hosts and the joins live in two processes of their own, and the load runs twice: once
// with three nuisances beside it (a room whose partner never comes, a stream of clients that
// send garbage or nothing, a paired room whose join reads nothing while its host has sent all
// it could), run by this process, and once without, to show they delay nobody.
//
// A process may hold only so many files. When one server cannot hold every connection, the
// rooms are shared among several servers by their names, as docs/server.md describes.
//
//   meeting_bench [ROOMS [SPACING]]     (default 10000 rooms, 2000 ms)
//
// Goals: p99 of a frame's time at most 50 ms; the server's memory at most 32 KiB a room.
// Everything talks to 127.0.0.1 only; every wait has a deadline; it stops by itself.
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "online/board_parts.h"
#include "online/framing.h"
#include "online/meeting_wire.h"
#include "support/fakes.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using namespace grim;
using Clock = std::chrono::steady_clock;
constexpr int partCount = onlineSubs::partCount;
constexpr int framesPerRoom = partCount + 1; // and the chat line
constexpr double deadlineMs = 120'000;
// Room r sends part k at start + r * spreadMs / rooms + (k - 1) * spacingMs.
double spreadMs = 2000, spacingMs = 2000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}
double msSince(std::int64_t ns) {
    return static_cast<double>(nowNs() - ns) / 1e6;
}

// The eight parts of a board in the middle of a game, different in every room: the decks'
// order turns with the room, and player 1's life points are the room's number.
std::array<std::string, partCount> roomParts(int room) {
    test::TestWindow t;
    Window& w = t.w;
    for (Side* s : {&w.u1, &w.u2}) {
        const int turn = s == &w.u1 ? room : room / regularCount;
        std::vector<CardId> deck, hand;
        for (int i = 0; i < 28; ++i)
            deck.push_back(CardId::at((i * 5 + turn) % regularCount));
        for (int i = 0; i < 4; ++i)
            hand.push_back(CardId::at((i * 11 + turn) % regularCount));
        s->lstDeck.setItems(deck);
        s->lstHand.setItems(hand);
        s->cmbGrave.setItems(std::vector<GraveItem>{{CardId::at(turn % regularCount), std::int16_t{200}}});
        writeNumber(s->txtDeckCnt, 28);
        writeNumber(s->txtHandCnt, 4);
        writeNumber(s->txtGraveCnt, 1);
    }
    writeNumber(w.u1.txtLp, room % 30000);
    std::array<std::string, partCount> parts;
    for (int n = 1; n <= partCount; ++n)
        parts[static_cast<std::size_t>(n - 1)] = onlineSubs::encodePart(w, n);
    return parts;
}

std::string chatLine(int room) {
    return "^[9:05:31 PM] BOB>-> good game, room " + std::to_string(room);
}
std::string roomName(int room) {
    return "room-" + std::to_string(room);
}

// Rooms are shared among the servers by their names.
std::size_t serverOf(int room, std::size_t servers) {
    return std::hash<std::string>{}(meet::roomKey(roomName(room))) % servers;
}

long rssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string key; status >> key;)
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return 0;
}

// The processor time a process has used, in seconds.
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    for (int i = 1; i <= 13 && stat >> field;) // the name holds no blank here
        ++i;
    double user = 0, system = 0;
    stat >> user >> system;
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A server as a child process, on 127.0.0.1 and any free port.
struct Server {
    pid_t pid = -1;
    std::uint16_t port = 0;
    long rssBase = 0, rssPeak = 0;
    void start(int rooms) {
        int out[2];
        if (pipe(out) != 0) throw std::runtime_error("pipe");
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const std::string maxRooms = std::to_string(rooms + 10),
                              perAddress = std::to_string(2 * rooms + 4000);
            execl(GRIMWARD_SERVER, "grimward-server", "--port", "0", "--address", "127.0.0.1", "--max-rooms",
                  maxRooms.c_str(), "--max-per-address", perAddress.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        std::string banner;
        char c;
        while (read(out[0], &c, 1) == 1 && c != '\n')
            banner += c;
        close(out[0]); // the status lines are not read here
        if (banner.rfind("grimward-server listening on 127.0.0.1 port ", 0) != 0)
            throw std::runtime_error("the server did not start: " + banner);
        port = static_cast<std::uint16_t>(std::stoi(banner.substr(banner.rfind(' ') + 1)));
        rssBase = rssPeak = rssKiB(pid);
    }
    void sample() { rssPeak = std::max(rssPeak, rssKiB(pid)); }
    void stop() {
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
    }
};

// What the processes share: counters, the schedule's start, each frame's send time and its time
// to arrive (NaN until it has).
struct Shared {
    std::atomic<int> paired{0}, arrived{0}, faults{0};
    std::atomic<std::int64_t> start{0}; // the hand-overs' schedule, once every room is paired
    std::atomic<bool> finished{false};
    char firstFault[256]{};
    std::atomic<std::int64_t>* sentAt; // [room * framesPerRoom + frame]
    float* took;                       // ms, the same index
    void fault(const std::string& what) {
        if (faults.fetch_add(1) == 0) std::snprintf(firstFault, sizeof firstFault, "%s", what.c_str());
    }
};

Shared* shareMemory(int rooms) {
    const std::size_t frames = static_cast<std::size_t>(rooms) * framesPerRoom;
    const std::size_t size =
        sizeof(Shared) + frames * (sizeof(std::atomic<std::int64_t>) + sizeof(float)) + 64;
    void* at = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (at == MAP_FAILED) throw std::runtime_error("mmap");
    auto* s = new (at) Shared;
    s->sentAt = reinterpret_cast<std::atomic<std::int64_t>*>(static_cast<char*>(at) + sizeof(Shared) + 8);
    s->took = reinterpret_cast<float*>(s->sentAt + frames);
    std::fill(s->took, s->took + frames, std::nanf(""));
    return s;
}

// Connections to the servers, driven by one epoll loop.
class Clients {
  public:
    struct Conn {
        int fd = -1, room = -1, got = 0;
        bool connected = false, paired = false, reads = true, floods = false, closed = false;
        std::string in, out;
        std::size_t outAt = 0;
        std::function<void(Conn&, const std::string&)> onFrame; // after "</paired/>"
    };
    Clients() : epoll_(epoll_create1(0)) {}
    ~Clients() {
        for (auto& [fd, c] : conns_) {
            linger hard{1, 0}; // no TIME_WAIT left behind
            setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            close(fd);
        }
        close(epoll_);
    }
    Conn& open(std::uint16_t port, std::string first) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (fd < 0) throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0 && errno != EINPROGRESS)
            throw std::runtime_error(std::string("connect: ") + std::strerror(errno));
        Conn& c = conns_[fd];
        c.fd = fd, c.out = std::move(first);
        epoll_event e{EPOLLIN | EPOLLOUT, {}};
        e.data.fd = fd;
        epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &e);
        return c;
    }
    void send(Conn& c, const std::string& bytes) {
        c.out += bytes;
        flush(c);
    }
    // One round of the loop.
    void step(int waitMs) {
        std::array<epoll_event, 512> events;
        const int n = epoll_wait(epoll_, events.data(), static_cast<int>(events.size()), waitMs);
        for (int i = 0; i < n; ++i) {
            const auto at = conns_.find(events[static_cast<std::size_t>(i)].data.fd);
            if (at == conns_.end()) continue;
            Conn& c = at->second;
            const auto what = events[static_cast<std::size_t>(i)].events;
            if (what & EPOLLOUT) {
                c.connected = true;
                if (c.floods && c.paired && c.out.empty()) c.out = wire::frame(std::string(60000, 's'));
                flush(c);
            }
            if ((what & (EPOLLIN | EPOLLHUP | EPOLLERR)) && c.reads) take(c);
        }
    }
    long long flooded = 0; // bytes the flooding connection got away
    std::function<void(Conn&)> onClosed;

  private:
    void flush(Conn& c) {
        while (c.outAt < c.out.size()) {
            const ssize_t n = ::send(c.fd, c.out.data() + c.outAt, c.out.size() - c.outAt, MSG_NOSIGNAL);
            if (n <= 0) break;
            c.outAt += static_cast<std::size_t>(n);
            if (c.floods) flooded += n;
        }
        if (c.outAt == c.out.size()) c.out.clear(), c.outAt = 0;
        if (c.closed) return;
        const bool wantOut = !c.connected || !c.out.empty() || (c.floods && c.paired);
        epoll_event e{(c.reads ? static_cast<unsigned>(EPOLLIN) : 0u) | (wantOut ? EPOLLOUT : 0u), {}};
        e.data.fd = c.fd;
        epoll_ctl(epoll_, EPOLL_CTL_MOD, c.fd, &e);
    }
    void take(Conn& c) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                c.in.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
            c.closed = true;
            epoll_ctl(epoll_, EPOLL_CTL_DEL, c.fd, nullptr);
            break;
        }
        std::size_t at = 0;
        while (c.in.size() - at >= wire::headerSize) {
            std::uint32_t n = 0;
            for (std::size_t i = 0; i < wire::headerSize; ++i)
                n = n << 8 | static_cast<unsigned char>(c.in[at + i]);
            if (c.in.size() - at - wire::headerSize < n) break;
            const std::string m = c.in.substr(at + wire::headerSize, n);
            at += wire::headerSize + n;
            if (c.paired) {
                if (c.onFrame) c.onFrame(c, m);
            } else if (m == "</paired/>") {
                c.paired = true;
                if (c.onFrame) c.onFrame(c, m);
                flush(c);
            } else if (m != "</waiting/>" && c.onFrame) {
                c.onFrame(c, m); // a refusal
            }
        }
        c.in.erase(0, at);
        if (c.closed && onClosed) onClosed(c);
    }
    int epoll_;
    std::unordered_map<int, Conn> conns_;
};

// One side of every room: hosts send the parts on their schedule and take the chat line;
// joins take the parts and send the chat line after the eighth. Runs in a process of its own.
void playSide(bool hosts, int rooms, const std::vector<std::uint16_t>& ports, Shared& s,
              const std::vector<std::array<std::string, partCount>>& parts) {
    Clients clients;
    std::vector<Clients::Conn*> byRoom(static_cast<std::size_t>(rooms));
    const std::int64_t begun = nowNs();
    auto expired = [&] { return msSince(begun) > deadlineMs; };
    clients.onClosed = [&](Clients::Conn& c) {
        if (!s.finished) s.fault("room " + std::to_string(c.room) + ": the server closed a connection");
    };
    auto arrive = [&](Clients::Conn& c, const std::string& m) {
        if (m == "</paired/>") return void(s.paired.fetch_add(1));
        const std::size_t r = static_cast<std::size_t>(c.room);
        const int frame = hosts ? partCount : c.got;
        const std::string& expected =
            hosts ? chatLine(c.room) : parts[r][static_cast<std::size_t>(std::min(frame, partCount - 1))];
        if (++c.got > (hosts ? 1 : partCount) || m != expected)
            return s.fault("room " + std::to_string(c.room) + ": frame " + std::to_string(frame + 1) +
                           " is wrong: " + m.substr(0, 40));
        const std::size_t i = r * framesPerRoom + static_cast<std::size_t>(frame);
        s.took[i] = static_cast<float>(msSince(s.sentAt[i].load()));
        s.arrived.fetch_add(1);
        if (!hosts && frame == partCount - 1) { // the chat line back
            s.sentAt[r * framesPerRoom + partCount] = nowNs();
            clients.send(c, wire::frame(chatLine(c.room)));
        }
    };
    // Pairing: at most 1000 connections on their way at once.
    for (int r = 0; r < rooms && !expired(); clients.step(0)) {
        for (; r < rooms && s.paired.load() / 2 + 1000 > r; ++r) {
            const std::string name = roomName(r);
            Clients::Conn& c = clients.open(
                ports[serverOf(r, ports.size())],
                wire::frame(meet::firstFrameText(hosts ? meet::Role::host : meet::Role::join, name)));
            c.room = r;
            c.onFrame = arrive;
            byRoom[static_cast<std::size_t>(r)] = &c;
        }
    }
    while (s.start.load() == 0 && !expired())
        clients.step(5);
    // The hosts' schedule: room r sends part k at start + r * spread / rooms + (k - 1) * spacing.
    std::array<int, partCount> next{};
    while (!s.finished && !expired()) {
        clients.step(1);
        if (!hosts) continue;
        const double t = msSince(s.start.load());
        for (int k = 0; k < partCount; ++k)
            for (int& r = next[static_cast<std::size_t>(k)];
                 r < rooms && r * spreadMs / rooms + k * spacingMs <= t; ++r) {
                s.sentAt[static_cast<std::size_t>(r) * framesPerRoom + static_cast<std::size_t>(k)] = nowNs();
                clients.send(*byRoom[static_cast<std::size_t>(r)],
                             wire::frame(parts[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)]));
            }
    }
}

// The nuisances, beside the load, against the first server.
struct Nuisances {
    Clients clients;
    std::mt19937 random{7};
    std::int64_t last = 0;
    int made = 0, closedByServer = 0;
    bool lonelyUndisturbed = true;
    explicit Nuisances(std::uint16_t port) : port_(port) {
        clients.onClosed = [this](Clients::Conn& c) {
            c.room == -2 ? lonelyUndisturbed = false : ++closedByServer;
        };
        Clients::Conn& lonely = clients.open(port, wire::frame("</host=lonely/>"));
        lonely.room = -2;
        lonely.onFrame = [this](Clients::Conn&, const std::string&) { lonelyUndisturbed = false; };
        clients.open(port, wire::frame("</host=slow/>")).floods = true;
        clients.open(port, wire::frame("</join=slow/>")).reads = false;
        // The slow room's host sends until the bytes back up to it, then stalls.
        const std::int64_t warm = nowNs();
        for (std::int64_t still = nowNs(); msSince(still) < 300 && msSince(warm) < 20'000;) {
            const long long before = clients.flooded;
            clients.step(10);
            if (clients.flooded != before) still = nowNs();
        }
    }
    // Another client that sends 4 KiB of garbage, or nothing, every 5 ms.
    void step() {
        clients.step(1);
        if (made >= 4000 || msSince(last) < 5) return;
        last = nowNs();
        std::string junk(4096, '\0');
        for (char& b : junk)
            b = static_cast<char>(random());
        clients.open(port_, made++ % 2 ? junk : std::string());
    }

  private:
    std::uint16_t port_;
};

struct Result {
    int rooms = 0, servers = 0;
    double pairSeconds = 0, handOverSeconds = 0, serverCpu = 0; // the servers' processor time, all of the run
    std::vector<double> took, tookFirst,
        tookOthers; // all rooms; those of the first server (the nuisances'), of the others
    long rssGrowth = 0;
    int faults = 0;
    std::string firstFault;
    long long flooded = 0;
    int nuisances = 0, nuisancesClosed = 0;
    bool lonelyUndisturbed = false;
};

Result runLoad(int rooms, int servers, bool withNuisances,
               const std::vector<std::array<std::string, partCount>>& parts) {
    Result result;
    result.rooms = rooms, result.servers = servers;
    std::vector<Server> running(static_cast<std::size_t>(servers));
    std::vector<std::uint16_t> ports;
    for (Server& s : running)
        s.start(rooms / servers + 1), ports.push_back(s.port);
    Shared& shared = *shareMemory(rooms);
    std::optional<Nuisances> nuisances;
    if (withNuisances) nuisances.emplace(ports[0]);
    std::vector<pid_t> sides;
    for (bool hosts : {true, false}) {
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            playSide(hosts, rooms, ports, shared, parts);
            _exit(0);
        }
        sides.push_back(pid);
    }
    const std::int64_t begun = nowNs();
    std::int64_t sampled = 0;
    auto step = [&] {
        if (nuisances)
            nuisances->step();
        else
            usleep(1000);
        if (msSince(sampled) >= 100) {
            sampled = nowNs();
            for (Server& s : running)
                s.sample();
        }
    };
    while (shared.paired.load() < 2 * rooms && msSince(begun) < deadlineMs && shared.faults.load() == 0)
        step();
    result.pairSeconds = msSince(begun) / 1000;
    for (Server& s : running)
        s.sample();
    shared.start = nowNs() + 100'000'000; // 100 ms on
    while (shared.arrived.load() < framesPerRoom * rooms && msSince(begun) < deadlineMs)
        step();
    result.handOverSeconds = static_cast<double>(nowNs() - shared.start.load()) / 1e9;
    for (Server& s : running)
        result.serverCpu += cpuSeconds(s.pid);
    for (Server& s : running)
        s.sample(), result.rssGrowth += s.rssPeak - s.rssBase;
    shared.finished = true;
    for (pid_t pid : sides)
        waitpid(pid, nullptr, 0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(rooms) * framesPerRoom; ++i)
        if (!std::isnan(shared.took[i])) {
            result.took.push_back(shared.took[i]);
            if (serverOf(static_cast<int>(i / framesPerRoom), ports.size()) == 0)
                result.tookFirst.push_back(shared.took[i]);
            else
                result.tookOthers.push_back(shared.took[i]);
        }
    result.faults = shared.faults.load();
    result.firstFault = shared.firstFault;
    if (nuisances) {
        result.flooded = nuisances->clients.flooded;
        result.nuisances = nuisances->made;
        result.nuisancesClosed = nuisances->closedByServer;
        result.lonelyUndisturbed = nuisances->lonelyUndisturbed;
    }
    nuisances.reset();
    for (Server& s : running)
        s.stop();
    return result;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

bool report(const char* title, const Result& r) {
    const double p50 = percentile(r.took, 0.50), p99 = percentile(r.took, 0.99),
                 worst = percentile(r.took, 1.0);
    const double perRoom = static_cast<double>(r.rssGrowth) / r.rooms;
    std::printf("%s\n", title);
    std::printf("  rooms paired at once  %d (%d connections) on %d server process%s, all paired in %.2f s\n",
                r.rooms, 2 * r.rooms, r.servers, r.servers > 1 ? "es" : "", r.pairSeconds);
    std::printf("  frames arrived        %zu of %d (8 parts and a chat line a room), in %.2f s\n",
                r.took.size(), framesPerRoom * r.rooms, r.handOverSeconds);
    std::printf("  send to arrival       p50 %.2f ms, p99 %.2f ms, max %.2f ms   (goal: p99 <= 50 ms)\n", p50,
                p99, worst);
    std::printf("  server processor      %.2f s in all (pairing and hand-over): %.0f %% of one core over the "
                "hand-over\n",
                r.serverCpu, 100 * r.serverCpu / r.handOverSeconds);
    std::printf("  server memory         %.0f KiB more at the peak: %.2f KiB a room   (goal: <= 32)\n",
                static_cast<double>(r.rssGrowth), perRoom);
    if (r.nuisances && r.servers > 1)
        std::printf(
            "  rooms beside them     on the nuisances' server: p99 %.2f ms; on the other: p99 %.2f ms\n",
            percentile(r.tookFirst, 0.99), percentile(r.tookOthers, 0.99));
    if (r.nuisances)
        std::printf(
            "  nuisances             %d garbage or silent clients (%d closed by the server by the end), "
            "%lld bytes taken from the host whose join reads nothing, the lonely room %s\n",
            r.nuisances, r.nuisancesClosed, r.flooded, r.lonelyUndisturbed ? "still waiting" : "DISTURBED");
    if (r.faults) std::printf("  FAULTS %d, the first: %s\n", r.faults, r.firstFault.c_str());
    const bool met = r.faults == 0 && r.took.size() == static_cast<std::size_t>(framesPerRoom * r.rooms) &&
                     p99 <= 50 && perRoom <= 32 && (r.nuisances == 0 || r.lonelyUndisturbed);
    std::printf("  %s\n", met ? "goals met" : "GOALS NOT MET");
    return met;
}

} // namespace

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    const int rooms = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    if (argc > 2) spacingMs = std::clamp(std::atof(argv[2]), 1.0, 10'000.0);
    spreadMs = spacingMs;
    // Every process takes all the files it may; one only root can raise beyond its hard limit.
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    const rlim_t need = static_cast<rlim_t>(2 * rooms + 6000);
    if (const rlimit raised{need, need}; limit.rlim_max < need && setrlimit(RLIMIT_NOFILE, &raised) == 0)
        limit.rlim_max = need;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    if (static_cast<rlim_t>(rooms) + 6000 > limit.rlim_cur) {
        std::printf("each side needs %d files; the limit is %llu\n", rooms + 6000,
                    static_cast<unsigned long long>(limit.rlim_cur));
        return 1;
    }
    // Two files a room and a reserve for the nuisances; more servers when one cannot hold them.
    const int servers = static_cast<int>((need + limit.rlim_cur - 1) / limit.rlim_cur);
    std::printf("parts %.0f ms apart; file limit %llu a process: %d room%s on %d server%s\n", spacingMs,
                static_cast<unsigned long long>(limit.rlim_cur), rooms, rooms > 1 ? "s" : "", servers,
                servers > 1 ? "s, rooms shared by name" : "");
    std::vector<std::array<std::string, partCount>> parts;
    for (int r = 0; r < rooms; ++r)
        parts.push_back(roomParts(r));
    bool met = true;
    try {
        met &= report("with the nuisances beside the load:", runLoad(rooms, servers, true, parts));
        met &= report("the same load alone:", runLoad(rooms, servers, false, parts));
    } catch (const std::exception& e) {
        std::printf("FAILED: %s\n", e.what());
        return 1;
    }
    return met ? 0 : 1;
}
