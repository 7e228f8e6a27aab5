// nukcheck: the viewer's reader and checks on files, for scripts and CI.
#include <malloc.h>
#include <unistd.h>
#include <QFile>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "Dateien.h"
#include "Pruefung.h"
#include "Texturen.h"
#include "app/Anfang.h"
#include "model/Regeln.h"
#include "model/Text.h"
#include "selection/BefehlsPad.h"
#include "shell/Sprache.h"

namespace {

// Made when asked, after the language is set.
std::string aufruf() {
    return nuk::Tr(
        "nukcheck",
        "Aufruf: nukcheck [--befehle DATEI] [--ohne-modell] [--ohne REGEL,...] [--nur REGEL,...]\n"
        "                 [--texturen ORDNER] [-j N] [--json | --sarif | --dump] "
        "DATEI|ORDNER...\n");
}

std::string hilfe() {
    return nuk::Tr("nukcheck",
                   "\n"
                   "Liest jede RWX-Datei wie \"Öffnen\" im NukViewer, prüft die Hierarchie\n"
                   "(ModelBegin/ClumpBegin/ClumpEnd/ModelEnd) und jede Zeile gegen die Liste der\n"
                   "erlaubten Befehlswörter, liest das ganze Modell (jeden Clump, jede\n"
                   "Transformation, jeden Prototyp und Grundkörper) und hält es an die Regeln,\n"
                   "die Welten an Modelle stellen. \"-\" als DATEI liest die Standardeingabe; ein\n"
                   "ORDNER steht für jede .rwx-Datei darunter, auch in .zip-Archiven.\n"
                   "\n"
                   "  --befehle DATEI  Befehlsliste (Vorgabe: befehle.txt neben nukcheck, sonst\n"
                   "                   im Datenordner ../share/nukviewer/)\n"
                   "  --ohne-modell    nur die Prüfungen des Viewers, ohne das ganze Modell\n"
                   "  --ohne REGELN    diese Regeln (durch Kommas getrennt) nicht prüfen\n"
                   "  --nur REGELN     nur diese Regeln prüfen\n"
                   "  --texturen ORDNER  Texturen und Masken dort suchen und ihre Größe prüfen\n"
                   "  -j N             N Dateien zugleich (Vorgabe: alle Kerne)\n"
                   "  --json           je Datei ein JSON-Objekt in einer Zeile (JSON Lines)\n"
                   "  --sarif          ein SARIF-2.1.0-Protokoll für den ganzen Lauf\n"
                   "  --dump           Maschinenform: Meldungen, Zeilen, Tabellen, Urteile\n"
                   "  --version        Name und Version\n"
                   "  --help           diese Hilfe\n"
                   "\n"
                   "Ausgabe (Standardausgabe): DATEI:ZEILE: Text je Befund, nach Zeilen geordnet\n"
                   "(Meldung des Lesers, fehlerhafte Hierarchie, Zeile mit unbekanntem\n"
                   "Befehlswort oder unzulässigem Zeichen, Befund am ganzen Modell, Regel mit\n"
                   "ihrer Kennung in eckigen Klammern), dann je Datei: DATEI: Zeilen N, Punkte N,\n"
                   "...; Modell: Clumps N, Punkte N, Flächen N: OK oder N Probleme (N Fehler,\n"
                   "N Warnungen, N Hinweise).\n"
                   "\"# nukcheck: ohne REGEL\" schaltet eine Regel für ihre Zeile ab, vor\n"
                   "ModelBegin für die ganze Datei.\n"
                   "Steuerzeichen aus der Datei erscheinen als \\xHH. Meldungen zum Lauf (Datei\n"
                   "oder Befehlsliste nicht lesbar, falsche Option) gehen auf die Fehlerausgabe.\n"
                   "\n"
                   "Ende: 0 alles in Ordnung (Hinweise allein zählen nicht), 1 Fehler oder\n"
                   "Warnungen, 2 Datei oder Befehlsliste nicht lesbar, Lesen abgebrochen oder\n"
                   "falscher Aufruf.\n");
}

// The folder of the running program, with a trailing slash.
std::string programmOrdner(const char* argv0) {
    std::vector<char> puffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
    std::string pfad = n > 0 ? std::string(puffer.data(), static_cast<size_t>(n)) : argv0;
    const size_t schraeg = pfad.rfind('/');
    return schraeg == std::string::npos ? std::string("./") : pfad.substr(0, schraeg + 1);
}

int falscherAufruf(const std::string& was) {
    std::fprintf(stderr, "nukcheck: %s\n%s", was.c_str(), aufruf().c_str());
    return nukcheck::unlesbar;
}

// "a,b,c" as rule ids; false after saying which one is unknown.
bool regelnLesen(const std::string& liste, std::set<std::string, std::less<>>& ziel) {
    size_t i = 0;
    while (i <= liste.size()) {
        size_t j = liste.find(',', i);
        if (j == std::string::npos) j = liste.size();
        const std::string id = liste.substr(i, j - i);
        if (!nuk::RegelMit(id)) {
            std::string alle;
            for (const nuk::Regel& r : nuk::AlleRegeln()) alle += "  " + std::string(r.id) + "\n";
            const std::string text =
                nuk::Einsetzen(nuk::Tr("nukcheck", "unbekannte Regel \"%1\"; es gibt:"), {id});
            std::fprintf(stderr, "nukcheck: %s\n%s", text.c_str(), alle.c_str());
            return false;
        }
        ziel.insert(id);
        i = j + 1;
    }
    return true;
}

// What one file gave, kept until its turn to be written.
struct Ergebnis {
    std::string ausgabe;  // the dump, written as it came
    std::string fehler;   // for stderr
    nukcheck::Bericht bericht;
    // Another file of the same bytes, whose check stands for this one's.
    size_t wie = SIZE_MAX;
    bool fertig = false;
};

void sarifSchreiben(const std::vector<nukcheck::Quelle>& quellen,
                    const std::vector<Ergebnis>& ergebnisse, nukcheck::Ausgabe& aus) {
    using Json = nlohmann::ordered_json;
    Json regeln = Json::array();
    for (const nuk::Regel& r : nuk::AlleRegeln())
        regeln.push_back({{"id", r.id},
                          {"shortDescription", {{"text", nuk::Beschreibung(r)}}},
                          {"defaultConfiguration", {{"level", nuk::SchwereName(r.schwere)}}}});
    Json ergebnisseJson = Json::array();
    for (size_t i = 0; i < quellen.size(); ++i) {
        const Ergebnis& e =
            ergebnisse[i].wie == SIZE_MAX ? ergebnisse[i] : ergebnisse[ergebnisse[i].wie];
        if (!ergebnisse[i].fehler.empty()) {
            ergebnisseJson.push_back(
                {{"ruleId", "reader"},
                 {"level", "error"},
                 {"message", {{"text", nuk::Tr("nukcheck", "Datei nicht lesbar")}}},
                 {"locations",
                  Json::array({{{"physicalLocation",
                                 {{"artifactLocation", {{"uri", quellen[i].name}}}}}}})}});
            continue;
        }
        for (const nukcheck::Diagnose& d : e.bericht.diagnosen) {
            const nuk::Regel* r = nuk::RegelMit(d.regel);
            Json ort = {{"artifactLocation", {{"uri", quellen[i].name}}}};
            if (d.zeile > 0) ort["region"] = {{"startLine", d.zeile}};
            ergebnisseJson.push_back(
                {{"ruleId", d.regel},
                 {"level", nuk::SchwereName(r ? r->schwere : nuk::Schwere::Fehler)},
                 {"message", {{"text", d.text}}},
                 {"locations", Json::array({{{"physicalLocation", std::move(ort)}}})}});
        }
    }
    const Json log = {
        {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
        {"version", "2.1.0"},
        {"runs", Json::array({{{"tool",
                                {{"driver",
                                  {{"name", "nukcheck"},
                                   {"version", std::string(nuk::Programmtitel)},
                                   {"rules", std::move(regeln)}}}}},
                               {"results", std::move(ergebnisseJson)}}})},
    };
    aus << log.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // File after file the same large blocks are freed and taken again: kept in
    // the heap, they are not handed back and faulted in anew each time.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    // Messages, help and findings in the user's language; keys and rule ids stay.
    const nuk::shell::Sprache sprache(QFile::decodeName(programmOrdner(argv[0]).c_str()), false);
    std::optional<std::string> befehlsDatei, texturOrdner;
    nukcheck::Form form;
    bool json = false, dump = false, sarif = false;
    unsigned kerne = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> argumente;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        // muster: what is missing, %1 the option.
        auto wert = [&](const std::string& muster) -> std::optional<std::string> {
            if (++i < argc) return std::string(argv[i]);
            falscherAufruf(nuk::Einsetzen(muster, {arg}));
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            std::printf("%s%s", aufruf().c_str(), hilfe().c_str());
            return 0;
        } else if (arg == "--version") {
            std::printf("nukcheck (%s)\n", std::string(nuk::Programmtitel).c_str());
            return 0;
        } else if (arg == "--dump") {
            dump = true;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--sarif") {
            sarif = true;
        } else if (arg == "--ohne-modell") {
            form.mitModell = false;
        } else if (arg == "--befehle") {
            if (!(befehlsDatei = wert(nuk::Tr("nukcheck", "%1 braucht eine Datei"))))
                return nukcheck::unlesbar;
        } else if (arg == "--texturen") {
            if (!(texturOrdner = wert(nuk::Tr("nukcheck", "%1 braucht einen Ordner"))))
                return nukcheck::unlesbar;
        } else if (arg == "--ohne" || arg == "--nur") {
            const auto liste = wert(nuk::Tr("nukcheck", "%1 braucht Regeln"));
            if (!liste) return nukcheck::unlesbar;
            if (arg == "--nur" && !form.regeln.nur) form.regeln.nur.emplace();
            if (!regelnLesen(*liste, arg == "--ohne" ? form.regeln.ohne : *form.regeln.nur))
                return nukcheck::unlesbar;
        } else if (arg == "-j" || (arg.starts_with("-j") && arg.size() > 2)) {
            std::optional<std::string> n =
                arg.size() > 2 ? arg.substr(2) : wert(nuk::Tr("nukcheck", "%1 braucht eine Zahl"));
            if (!n) return nukcheck::unlesbar;
            char* ende = nullptr;
            const long k = std::strtol(n->c_str(), &ende, 10);
            if (n->empty() || *ende != '\0' || k < 1 || k > 1024)
                return falscherAufruf(nuk::Tr("nukcheck", "-j braucht eine Zahl von 1 bis 1024"));
            kerne = static_cast<unsigned>(k);
        } else if (arg == "--") {
            for (++i; i < argc; ++i) argumente.emplace_back(argv[i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return falscherAufruf(
                nuk::Einsetzen(nuk::Tr("nukcheck", "unbekannte Option %1"), {arg}));
        } else {
            argumente.push_back(arg);
        }
    }
    if (argumente.empty()) return falscherAufruf(nuk::Tr("nukcheck", "keine Datei angegeben"));
    if (json + dump + sarif > 1)
        return falscherAufruf(nuk::Tr("nukcheck", "nur eine von --json, --sarif und --dump"));
    form.art = dump    ? nukcheck::Form::Dump
               : json  ? nukcheck::Form::Json
               : sarif ? nukcheck::Form::Sarif
                       : nukcheck::Form::Bericht;

    nuk::AufzeichnenderHost host;
    auto s = std::make_unique<nuk::State>(host);
    s->AppPfad = programmOrdner(argv[0]);
    const std::string liste = befehlsDatei ? *befehlsDatei : s->AppPfad + "befehle.txt";
    // Beside the program, else (installed) in the data folder. Without its
    // list no row could be judged, and "OK" would be a lie.
    const bool geladen = befehlsDatei ? nuk::BefehleLaden(*s, liste) : nuk::BefehleLaden(*s);
    if (!geladen) {
        const std::string text =
            nuk::Einsetzen(nuk::Tr("nukcheck", "Befehlsliste %1 nicht lesbar"), {liste});
        std::fprintf(stderr, "nukcheck: %s\n", text.c_str());
        return nukcheck::unlesbar;
    }
    const nuk::Befehlssatz befehle(s->BefehlsList);
    std::unique_ptr<nukcheck::Texturordner> texturen;
    if (texturOrdner) {
        texturen = std::make_unique<nukcheck::Texturordner>(*texturOrdner);
        form.texturen = texturen.get();
    }

    std::vector<nukcheck::Quelle> quellen;
    for (const std::string& a : argumente)
        for (nukcheck::Quelle& q : nukcheck::Aufzaehlen(a)) quellen.push_back(std::move(q));

    // Files are checked side by side and written in their order, as one
    // after the other would write them. Object paths hold the same model in
    // many places: the same bytes are checked once.
    std::vector<Ergebnis> ergebnisse(quellen.size());
    std::mutex sperre;
    std::condition_variable fertig;
    std::atomic<size_t> naechste{0};
    std::unordered_map<std::string_view::size_type, std::vector<size_t>> gesehen;  // hash -> files
    auto arbeiten = [&](nuk::State& zustand, nuk::AufzeichnenderHost& h) {
        for (size_t i; (i = naechste++) < quellen.size();) {
            Ergebnis e;
            const nukcheck::Quelle& q = quellen[i];
            const std::optional<std::string> daten = nukcheck::Laden(q);
            if (!daten)
                e.fehler =
                    "nukcheck: " + q.name + ": " + nuk::Tr("nukcheck", "Datei nicht lesbar") + "\n";
            if (daten && form.art != nukcheck::Form::Dump) {
                const size_t hash = std::hash<std::string_view>{}(*daten) ^ daten->size();
                std::vector<size_t> gleiche;
                {
                    std::lock_guard g(sperre);
                    auto& liste = gesehen[hash];
                    gleiche = liste;
                    liste.push_back(i);
                }
                // A hash says "probably"; the bytes say for sure.
                for (size_t j : gleiche)
                    if (nukcheck::Laden(quellen[j]) == daten) {
                        e.wie = j;
                        break;
                    }
            }
            if (form.art == nukcheck::Form::Dump) {
                nukcheck::Ausgabe aus(&e.ausgabe);
                e.bericht.status =
                    nukcheck::DateiPruefen(zustand, h, q.name, daten, &befehle, form, aus);
            } else if (e.wie == SIZE_MAX) {
                e.bericht = nukcheck::Pruefen(zustand, h, daten, &befehle, form);
            }
            std::lock_guard g(sperre);
            e.fertig = true;
            ergebnisse[i] = std::move(e);
            fertig.notify_all();
        }
    };
    // The main thread only writes; alone, it checks too.
    const size_t zugleich = std::min<size_t>(kerne, quellen.size());
    const size_t helfer = zugleich > 1 ? zugleich : 0;
    std::vector<std::thread> faeden;
    for (size_t k = 0; k < helfer; ++k)
        faeden.emplace_back([&] {
            nuk::AufzeichnenderHost h;
            auto zustand = std::make_unique<nuk::State>(h);
            zustand->AppPfad = s->AppPfad;
            arbeiten(*zustand, h);
        });

    nukcheck::Ausgabe aus(stdout);
    const bool terminal = ::isatty(STDERR_FILENO);
    const auto beginn = std::chrono::steady_clock::now();
    bool fortschritt = false;
    int ende = nukcheck::sauber;
    if (helfer == 0) arbeiten(*s, host);
    for (size_t i = 0; i < quellen.size(); ++i) {
        {
            std::unique_lock g(sperre);
            auto bereit = [&] {
                return ergebnisse[i].fertig &&
                       (ergebnisse[i].wie == SIZE_MAX || ergebnisse[ergebnisse[i].wie].fertig);
            };
            while (!bereit()) {
                fertig.wait_for(g, std::chrono::milliseconds(100));
                if (terminal &&
                    std::chrono::steady_clock::now() - beginn > std::chrono::seconds(1)) {
                    fortschritt = true;
                    const std::string stand =
                        nuk::Einsetzen(nuk::Tr("nukcheck", "%1 von %2 Dateien"),
                                       {std::to_string(i), std::to_string(quellen.size())});
                    std::fprintf(stderr, "\rnukcheck: %s", stand.c_str());
                }
            }
        }
        Ergebnis& e = ergebnisse[i];
        if (!e.fehler.empty()) {
            // After the findings before it, when both go to one terminal.
            aus.leeren();
            std::fflush(stdout);
            if (fortschritt) std::fprintf(stderr, "\r\033[K");
            std::fputs(e.fehler.c_str(), stderr);
        }
        const nukcheck::Bericht& b = e.wie == SIZE_MAX ? e.bericht : ergebnisse[e.wie].bericht;
        if (form.art == nukcheck::Form::Dump)
            aus << e.ausgabe;
        else if (!sarif)
            nukcheck::Schreiben(quellen[i].name, b, form, aus);
        e.ausgabe = {};
        if (b.status > ende) ende = b.status;
    }
    for (std::thread& f : faeden) f.join();
    if (fortschritt) std::fprintf(stderr, "\r\033[K");
    if (sarif) sarifSchreiben(quellen, ergebnisse, aus);
    aus.leeren();
    return std::fflush(stdout) == 0 ? ende : nukcheck::unlesbar;
}
