// nukcheck: the viewer's reader and checks on files, for scripts and CI.
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Pruefung.h"
#include "app/Anfang.h"
#include "model/Datei.h"
#include "selection/BefehlsPad.h"

namespace {

const char* const aufruf =
    "Aufruf: nukcheck [--befehle DATEI] [--ohne-modell] [--json | --dump] DATEI...\n";

const char* const hilfe =
    "\n"
    "Liest jede RWX-Datei wie \"Öffnen\" im NukViewer, prüft die Hierarchie\n"
    "(ModelBegin/ClumpBegin/ClumpEnd/ModelEnd) und jede Zeile gegen die Liste der\n"
    "erlaubten Befehlswörter, und liest das ganze Modell: jeden Clump, jede\n"
    "Transformation, jeden Prototyp und Grundkörper. \"-\" als DATEI liest die\n"
    "Standardeingabe.\n"
    "\n"
    "  --befehle DATEI  Befehlsliste (Vorgabe: befehle.txt neben nukcheck, sonst\n"
    "                   im Datenordner ../share/nukviewer/)\n"
    "  --ohne-modell    nur die Prüfungen des Viewers, ohne das ganze Modell\n"
    "  --json           je Datei ein JSON-Objekt in einer Zeile (JSON Lines)\n"
    "  --dump           Maschinenform: Meldungen, Zeilen, Tabellen, Urteile\n"
    "  --version        Name und Version\n"
    "  --help           diese Hilfe\n"
    "\n"
    "Ausgabe (Standardausgabe): DATEI:ZEILE: Text je Befund, nach Zeilen geordnet\n"
    "(Meldung des Lesers, fehlerhafte Hierarchie, Zeile mit unbekanntem\n"
    "Befehlswort oder unzulässigem Zeichen, Befund am ganzen Modell), dann je\n"
    "Datei: DATEI: Zeilen N, Punkte N, ...; Modell: Clumps N, Punkte N, Flächen N:\n"
    "OK oder N Probleme.\n"
    "Steuerzeichen aus der Datei erscheinen als \\xHH. Meldungen zum Lauf (Datei\n"
    "oder Befehlsliste nicht lesbar, falsche Option) gehen auf die Fehlerausgabe.\n"
    "\n"
    "Ende: 0 alles in Ordnung, 1 Befunde, 2 Datei oder Befehlsliste nicht lesbar,\n"
    "Lesen abgebrochen oder falscher Aufruf.\n";

// The folder of the running program, with a trailing slash.
std::string programmOrdner(const char* argv0) {
    std::vector<char> puffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
    std::string pfad = n > 0 ? std::string(puffer.data(), static_cast<size_t>(n)) : argv0;
    const size_t schraeg = pfad.rfind('/');
    return schraeg == std::string::npos ? std::string("./") : pfad.substr(0, schraeg + 1);
}

// The bytes of a file, or of standard input for "-"; nothing when unreadable.
std::optional<std::string> laden(const std::string& datei) {
    std::string daten;
    if (datei != "-")
        return nuk::DateiLaden(datei, daten) ? std::optional(std::move(daten)) : std::nullopt;
    char puffer[1 << 16];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, stdin)) > 0) daten.append(puffer, n);
    return std::ferror(stdin) ? std::nullopt : std::optional(std::move(daten));
}

int falscherAufruf(const char* was, const std::string& arg) {
    std::fprintf(stderr, "nukcheck: %s%s\n%s", was, arg.c_str(), aufruf);
    return nukcheck::unlesbar;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // File after file the same large blocks are freed and taken again: kept in
    // the heap, they are not handed back and faulted in anew each time.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    std::optional<std::string> befehlsDatei;
    nukcheck::Form form;
    bool json = false, dump = false;
    std::vector<std::string> dateien;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("%s%s", aufruf, hilfe);
            return 0;
        } else if (arg == "--version") {
            std::printf("nukcheck (%s)\n", std::string(nuk::Programmtitel).c_str());
            return 0;
        } else if (arg == "--dump") {
            dump = true;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--ohne-modell") {
            form.mitModell = false;
        } else if (arg == "--befehle") {
            if (++i >= argc) return falscherAufruf("--befehle braucht eine Datei", "");
            befehlsDatei = argv[i];
        } else if (arg == "--") {
            for (++i; i < argc; ++i) dateien.emplace_back(argv[i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return falscherAufruf("unbekannte Option ", arg);
        } else {
            dateien.push_back(arg);
        }
    }
    if (dateien.empty()) return falscherAufruf("keine Datei angegeben", "");
    if (json && dump) return falscherAufruf("--json oder --dump, nicht beides", "");
    form.art = dump ? nukcheck::Form::Dump : json ? nukcheck::Form::Json : nukcheck::Form::Bericht;

    nuk::AufzeichnenderHost host;
    auto s = std::make_unique<nuk::State>(host);
    s->AppPfad = programmOrdner(argv[0]);
    const std::string liste = befehlsDatei ? *befehlsDatei : s->AppPfad + "befehle.txt";
    // Beside the program, else (installed) in the data folder. Without its
    // list no row could be judged, and "OK" would be a lie.
    const bool geladen = befehlsDatei ? nuk::BefehleLaden(*s, liste) : nuk::BefehleLaden(*s);
    if (!geladen) {
        std::fprintf(stderr, "nukcheck: Befehlsliste %s nicht lesbar\n", liste.c_str());
        return nukcheck::unlesbar;
    }
    const nuk::Befehlssatz befehle(s->BefehlsList);

    nukcheck::Ausgabe aus(stdout);
    int ende = nukcheck::sauber;
    for (const std::string& datei : dateien) {
        const std::optional<std::string> daten = laden(datei);
        if (!daten) {
            // After the findings before it, when both go to one terminal.
            aus.leeren();
            std::fflush(stdout);
            std::fprintf(stderr, "nukcheck: %s: Datei nicht lesbar\n", datei.c_str());
        }
        const int status = nukcheck::DateiPruefen(*s, host, datei, daten, &befehle, form, aus);
        if (status > ende) ende = status;
    }
    aus.leeren();
    return std::fflush(stdout) == 0 ? ende : nukcheck::unlesbar;
}
