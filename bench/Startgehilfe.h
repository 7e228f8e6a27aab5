// Runs programs for whole-process benchmarks from a small helper process.
//
// A child started straight from the benchmark inherits the benchmark's memory
// high-water mark: posix_spawn runs the child in the parent's address space
// until the exec, and the kernel folds that space's peak into the child's
// ru_maxrss. The helper is forked before the benchmark builds its models, so
// its own footprint stays below that of the programs it runs.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace nukbench {

class Startgehilfe {
  public:
    struct Lauf {
        bool gestartet = false;  // false: the helper or the spawn failed
        int status = 0;          // as waitpid gives it
        double sekunden = 0;     // wall time from spawn to reaped
        int64_t spitzeKb = 0;    // largest ru_maxrss of all children run so far
    };

    // Forks the helper; call it early in main, before the process grows.
    Startgehilfe();
    ~Startgehilfe();
    Startgehilfe(const Startgehilfe&) = delete;
    Startgehilfe& operator=(const Startgehilfe&) = delete;

    bool bereit() const { return verbindung_ >= 0; }

    // Runs argumente[0] with the rest as its arguments, stdout to /dev/null,
    // and waits for it.
    Lauf ausfuehren(const std::vector<std::string>& argumente);

  private:
    int verbindung_ = -1;
    pid_t pid_ = -1;
};

}  // namespace nukbench
