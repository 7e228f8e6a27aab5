#include "Startgehilfe.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace nukbench {

namespace {

// The helper's answer; both ends are the same binary, so it goes as it is.
struct Antwort {
    int32_t gestartet = 0;
    int32_t status = 0;
    int64_t nanosekunden = 0;
    int64_t spitzeKb = 0;
};

bool allesLesen(int fd, void* ziel, size_t n) {
    auto* p = static_cast<char*>(ziel);
    while (n > 0) {
        const ssize_t r = ::read(fd, p, n);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        p += r;
        n -= static_cast<size_t>(r);
    }
    return true;
}

// MSG_NOSIGNAL: a helper that has gone must not take the benchmark with it.
bool allesSchreiben(int fd, const void* quelle, size_t n) {
    const auto* p = static_cast<const char*>(quelle);
    while (n > 0) {
        const ssize_t r = ::send(fd, p, n, MSG_NOSIGNAL);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        p += r;
        n -= static_cast<size_t>(r);
    }
    return true;
}

// The helper's loop: a request is a length and the arguments, each ended by a
// NUL; it ends when the benchmark closes its end.
[[noreturn]] void dienen(int fd) {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (;;) {
        uint32_t laenge = 0;
        if (!allesLesen(fd, &laenge, sizeof laenge)) break;
        std::string anfrage(laenge, '\0');
        if (!allesLesen(fd, anfrage.data(), laenge)) break;
        std::vector<char*> argv;
        for (size_t i = 0; i < anfrage.size(); i = anfrage.find('\0', i) + 1)
            argv.push_back(anfrage.data() + i);
        argv.push_back(nullptr);

        Antwort a;
        const auto anfang = std::chrono::steady_clock::now();
        pid_t kind = 0;
        if (argv.size() > 1 &&
            ::posix_spawn(&kind, argv[0], &aktionen, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            while (::waitpid(kind, &status, 0) < 0 && errno == EINTR) {
            }
            const auto ende = std::chrono::steady_clock::now();
            a.gestartet = 1;
            a.status = status;
            a.nanosekunden =
                std::chrono::duration_cast<std::chrono::nanoseconds>(ende - anfang).count();
            rusage verbrauch{};
            ::getrusage(RUSAGE_CHILDREN, &verbrauch);
            a.spitzeKb = verbrauch.ru_maxrss;
        }
        if (!allesSchreiben(fd, &a, sizeof a)) break;
    }
    ::_exit(0);
}

}  // namespace

Startgehilfe::Startgehilfe() {
    int enden[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, enden) != 0) return;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(enden[0]);
        dienen(enden[1]);
    }
    ::close(enden[1]);
    if (pid < 0) {
        ::close(enden[0]);
        return;
    }
    verbindung_ = enden[0];
    pid_ = pid;
}

Startgehilfe::~Startgehilfe() {
    if (verbindung_ >= 0) ::close(verbindung_);
    if (pid_ > 0)
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
}

Startgehilfe::Lauf Startgehilfe::ausfuehren(const std::vector<std::string>& argumente) {
    Lauf lauf;
    if (verbindung_ < 0 || argumente.empty()) return lauf;
    std::string anfrage;
    for (const std::string& a : argumente) anfrage.append(a).push_back('\0');
    const auto laenge = static_cast<uint32_t>(anfrage.size());
    Antwort a;
    if (!allesSchreiben(verbindung_, &laenge, sizeof laenge) ||
        !allesSchreiben(verbindung_, anfrage.data(), anfrage.size()) ||
        !allesLesen(verbindung_, &a, sizeof a))
        return lauf;
    lauf.gestartet = a.gestartet != 0;
    lauf.status = a.status;
    lauf.sekunden = static_cast<double>(a.nanosekunden) * 1e-9;
    lauf.spitzeKb = a.spitzeKb;
    return lauf;
}

}  // namespace nukbench
