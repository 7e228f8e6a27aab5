#include "model/Datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace nuk {

namespace {

struct Deskriptor {
    int fd = -1;
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

bool DateiLaden(const std::string& pfad, std::string& daten) {
    daten.clear();
    if (pfad.empty()) return false;
    Deskriptor d;
    d.fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (d.fd < 0) return false;
    struct stat st {};
    if (::fstat(d.fd, &st) != 0 || S_ISDIR(st.st_mode)) return false;
    // Read straight into the string; a file that grows meanwhile, or one whose
    // size says nothing (a pipe), just takes more rounds.
    size_t gelesen = 0;
    daten.resize(S_ISREG(st.st_mode) && st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1
                                                       : size_t{1} << 16);
    for (;;) {
        if (gelesen == daten.size()) daten.resize(daten.size() * 2);
        const ssize_t n = ::read(d.fd, daten.data() + gelesen, daten.size() - gelesen);
        if (n < 0) {
            if (errno == EINTR) continue;
            daten.clear();
            return false;
        }
        if (n == 0) break;
        gelesen += static_cast<size_t>(n);
    }
    daten.resize(gelesen);
    return true;
}

bool DateiErsetzen(const std::string& pfad, std::string_view daten, Schreibweg weg) {
    if (pfad.empty()) return false;
    const Schreibweg schreibweg = weg ? weg : ::write;
    // Replace what a link points to, not the link.
    std::string ziel = pfad;
    if (char* echt = ::realpath(pfad.c_str(), nullptr)) {
        ziel = echt;
        std::free(echt);
    }
    mode_t modus;
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        modus = st.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    std::vector<char> vorlage(ziel.begin(), ziel.end());
    const std::string endung = ".nuk-XXXXXX";
    vorlage.insert(vorlage.end(), endung.begin(), endung.end());
    vorlage.push_back('\0');
    Deskriptor d;
    d.fd = ::mkstemp(vorlage.data());
    if (d.fd < 0) return false;
    const std::string neu(vorlage.data());
    bool gut = ::fchmod(d.fd, modus) == 0;
    for (size_t geschrieben = 0; gut && geschrieben < daten.size();) {
        const ssize_t n = schreibweg(d.fd, daten.data() + geschrieben, daten.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            gut = false;
        else
            geschrieben += static_cast<size_t>(n);
    }
    gut = gut && ::fsync(d.fd) == 0;
    const int fd = d.fd;
    d.fd = -1;
    gut = (::close(fd) == 0) && gut;
    gut = gut && ::rename(neu.c_str(), ziel.c_str()) == 0;
    if (!gut) ::unlink(neu.c_str());
    return gut;
}

std::vector<std::string> TexturDateinamen(std::string_view name, bool maske) {
    const std::string n(name);
    if (name.substr(name.find_last_of("/\\") + 1).find('.') != std::string_view::npos) return {n};
    if (maske) return {n + ".zip", n + ".bmp"};
    return {n + ".jpg"};
}

}  // namespace nuk
