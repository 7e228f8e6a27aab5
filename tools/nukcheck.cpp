// nukcheck: the viewer's reader and checks on files, for scripts and CI.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Pruefung.h"
#include "selection/BefehlsPad.h"

namespace {

const char* const hilfe =
    "Aufruf: nukcheck [--befehle DATEI] [--dump] DATEI...\n"
    "\n"
    "Liest jede RWX-Datei wie \"Öffnen\" im NukViewer, prüft die Hierarchie\n"
    "(ModelBegin/ClumpBegin/ClumpEnd/ModelEnd) und jede Zeile gegen die Liste der\n"
    "erlaubten Befehlswörter.\n"
    "\n"
    "  --befehle DATEI  Befehlsliste (Vorgabe: befehle.txt neben nukcheck)\n"
    "  --dump           Maschinenform: Meldungen, Zeilen, Tabellen, Urteile\n"
    "  --help           diese Hilfe\n"
    "\n"
    "Ausgabe: DATEI:ZEILE: Text je Befund, dann eine Zusammenfassung je Datei.\n"
    "Ende: 0 alles in Ordnung, 1 Befunde, 2 Datei nicht lesbar oder Lesen abgebrochen.\n";

// The folder of the running program, with a trailing slash.
std::string programmOrdner(const char* argv0) {
    std::vector<char> puffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
    std::string pfad = n > 0 ? std::string(puffer.data(), static_cast<size_t>(n)) : argv0;
    const size_t schraeg = pfad.rfind('/');
    return schraeg == std::string::npos ? std::string("./") : pfad.substr(0, schraeg + 1);
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> befehlsDatei;
    bool dump = false;
    std::vector<std::string> dateien;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(hilfe, stdout);
            return 0;
        } else if (arg == "--dump") {
            dump = true;
        } else if (arg == "--befehle") {
            if (++i >= argc) {
                std::fputs("nukcheck: --befehle braucht eine Datei\n", stderr);
                return 2;
            }
            befehlsDatei = argv[i];
        } else if (arg == "--") {
            for (++i; i < argc; ++i) dateien.emplace_back(argv[i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "nukcheck: unbekannte Option %s\n%s", arg.c_str(), hilfe);
            return 2;
        } else {
            dateien.push_back(arg);
        }
    }
    if (dateien.empty()) {
        std::fputs(hilfe, stderr);
        return 2;
    }

    nuk::AufzeichnenderHost host;
    auto s = std::make_unique<nuk::State>(host);
    s->AppPfad = programmOrdner(argv[0]);
    const std::string liste = befehlsDatei ? *befehlsDatei : s->AppPfad + "befehle.txt";
    std::unique_ptr<nuk::Befehlssatz> befehle;
    if (nuk::BefehleLaden(*s, liste)) {
        befehle = std::make_unique<nuk::Befehlssatz>(s->BefehlsList);
    } else {
        std::fprintf(stderr, "nukcheck: Befehlsliste %s nicht lesbar, keine Zeilenprüfung\n",
                     liste.c_str());
    }

    nukcheck::Ausgabe aus(stdout);
    int ende = nukcheck::sauber;
    for (const std::string& datei : dateien) {
        const int status = nukcheck::DateiPruefen(*s, host, datei, befehle.get(), dump, aus);
        if (status > ende) ende = status;
    }
    aus.leeren();
    return std::fflush(stdout) == 0 ? ende : nukcheck::unlesbar;
}
