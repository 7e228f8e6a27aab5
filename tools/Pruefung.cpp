#include "Pruefung.h"

#include "Texturen.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>
#include <type_traits>
#include <vector>

#include "app/Anfang.h"
#include "check/Fehler.h"
#include "model/Regeln.h"
#include "model/Text.h"
#include "model/Zahlformat.h"
#include "model/Zeilenform.h"
#include "rwx/GanzesModellLesen.h"
#include "rwx/RwxToNuk.h"
#include "rwx/Wortscanner.h"

namespace nukcheck {

using namespace nuk;

char* Ausgabe::platz(size_t n) {
    if (voll_ + n > sizeof puffer_) leeren();
    return n <= sizeof puffer_ ? puffer_ + voll_ : nullptr;
}

Ausgabe& Ausgabe::operator<<(std::string_view text) {
    if (char* p = platz(text.size())) {
        std::memcpy(p, text.data(), text.size());
        voll_ += text.size();
    } else {
        schreiben(text);  // larger than the buffer: straight through
    }
    return *this;
}

Ausgabe& Ausgabe::operator<<(char c) {
    *platz(1) = c;
    ++voll_;
    return *this;
}

Ausgabe& Ausgabe::operator<<(long zahl) {
    char* p = platz(24);
    voll_ += static_cast<size_t>(std::to_chars(p, p + 24, zahl).ptr - p);
    return *this;
}

void Ausgabe::latin1(std::string_view text) {
    // Mostly plain ASCII: copy runs, and widen only the bytes above 127.
    while (!text.empty()) {
        size_t lauf = 0;
        while (lauf < text.size() && static_cast<unsigned char>(text[lauf]) < 0x80) ++lauf;
        *this << text.substr(0, lauf);
        if (lauf == text.size()) return;
        const auto b = static_cast<unsigned char>(text[lauf]);
        char* p = platz(2);
        p[0] = static_cast<char>(0xC0 | (b >> 6));
        p[1] = static_cast<char>(0x80 | (b & 0x3F));
        voll_ += 2;
        text.remove_prefix(lauf + 1);
    }
}

void Ausgabe::sichtbar(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    auto maskieren = [&](unsigned char b) {
        const char zeichen[] = {'\\', 'x', hex[b >> 4], hex[b & 15]};
        *this << std::string_view(zeichen, 4);
    };
    while (!text.empty()) {
        size_t lauf = 0;
        for (; lauf < text.size(); ++lauf) {
            const auto b = static_cast<unsigned char>(text[lauf]);
            if ((b < 0x20 && b != '\t') || b == 0x7F) break;
            // U+0080 .. U+009F, the C1 controls, are C2 80 .. C2 9F.
            if (b == 0xC2 && lauf + 1 < text.size() &&
                static_cast<unsigned char>(text[lauf + 1]) <= 0x9F)
                break;
        }
        *this << text.substr(0, lauf);
        if (lauf == text.size()) return;
        const auto b = static_cast<unsigned char>(text[lauf]);
        if (b == 0xC2) {
            maskieren(static_cast<unsigned char>(text[lauf + 1]));
            text.remove_prefix(lauf + 2);
        } else {
            maskieren(b);
            text.remove_prefix(lauf + 1);
        }
    }
}

void Ausgabe::schreiben(std::string_view text) {
    if (ziel_)
        ziel_->append(text);
    else if (datei_)
        std::fwrite(text.data(), 1, text.size(), datei_);
}

void Ausgabe::leeren() {
    schreiben(std::string_view(puffer_, voll_));
    voll_ = 0;
}

namespace {

// Line feeds of a message as the two characters \ and n.
std::string einzeilig(std::string_view text) {
    std::string r;
    for (char c : text) {
        if (c == '\n')
            r += "\\n";
        else
            r += c;
    }
    return r;
}

// A message for people: its lines joined by blanks.
std::string lesbar(std::string_view text) {
    std::string r(text);
    for (char& c : r)
        if (c == '\n' || c == '\t') c = ' ';
    return r;
}

// S without its leading blank.
std::string zahl(float v) {
    std::string t = S(v);
    return t[0] == ' ' ? t.substr(1) : t;
}

void dumpSchreiben(const State& s, const std::vector<Meldung>& meldungen, const Urteil& urteil,
                   const std::vector<int>* fehlerhaft, Ausgabe& aus) {
    for (const Meldung& m : meldungen)
        aus << "message " << long{m.zeile} << ' ' << m.titel << '|' << einzeilig(m.text) << '\n';
    const Liste& rows = s.TextList;
    aus << "rows " << long{rows.anzahl()} << '\n';
    for (int i = 0; i < rows.anzahl(); ++i) {
        aus << "row " << long{i} << ' ' << long{rows.wert(i)} << ' ';
        aus.latin1(rows.text(i));
        aus << '\n';
    }
    aus << "counts " << long{s.PunktZahl} << ' ' << long{s.DreieckZahl} << ' '
        << long{s.ViereckZahl} << ' ' << long{s.PolygonZahl} << '\n';
    aus << "maxbetrag " << zahl(s.MaxBetrag) << '\n';
    aus << "point0 " << long{s.Punkte[0].Zeile} << '\n';
    for (int i = 1; i <= s.PunktZahl; ++i) {
        const Punkt& p = s.Punkte[i];
        aus << "point " << long{i} << ' ' << zahl(p.X) << ' ' << zahl(p.Y) << ' ' << zahl(p.Z)
            << ' ' << long{p.Zeile} << '\n';
    }
    const char* art[] = {"triangle ", "quad ", "polygon "};
    int n = 0;
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i) {
            aus << art[n] << long{i};
            if constexpr (std::is_same_v<decltype(tabelle[i]), const Polygon&>)
                aus << ' ' << long{tabelle[i].P[0]};
            for (int16_t k : Ecken(tabelle[i])) aus << ' ' << long{k};
            aus << ' ' << long{tabelle[i].Zeile} << '\n';
        }
        ++n;
    });
    aus << "hierarchy " << einzeilig(urteil.text) << '\n';
    if (fehlerhaft)
        for (int i : *fehlerhaft)
            aus << "faulty " << long{i} << ' ' << Latin1ZuUtf8(FehlerKennung(i, rows.text(i)))
                << '\n';
}

}  // namespace

namespace {

nuk::Schwere schwere(const Diagnose& d) {
    const Regel* r = RegelMit(d.regel);
    return r ? r->schwere : Schwere::Fehler;
}

std::string_view art(const Diagnose& d) {
    const Regel* r = RegelMit(d.regel);
    return r ? r->art : "model";
}

// The rules "# nukcheck: ohne RULE[,RULE...]" switches off: by line, and
// (before ModelBegin) for the whole file under line 0.
std::vector<std::pair<int32_t, std::string>> Abgeschaltet(std::string_view daten) {
    std::vector<std::pair<int32_t, std::string>> aus;
    if (daten.find("nukcheck:") == std::string_view::npos) return aus;
    int32_t zeile = 0;
    bool modell = false;
    size_t p = 0;
    while (p < daten.size()) {
        ++zeile;
        size_t e = daten.find_first_of("\r\n", p);
        if (e == std::string_view::npos) e = daten.size();
        const std::string_view z = daten.substr(p, e - p);
        p = e +
            (e < daten.size() && daten[e] == '\r' && e + 1 < daten.size() && daten[e + 1] == '\n'
                 ? 2
                 : 1);
        const size_t w = z.find_first_not_of(" \t");
        if (!modell && w != std::string_view::npos && z.size() - w >= 10 &&
            Klein(z.substr(w, 10)) == "modelbegin")
            modell = true;
        const size_t raute = z.find('#');
        if (raute == std::string_view::npos) continue;
        std::string_view rest = z.substr(raute + 1);
        auto weg = [&](std::string_view wort) {
            const size_t a = rest.find_first_not_of(" \t");
            if (a == std::string_view::npos || rest.substr(a, wort.size()) != wort) return false;
            rest.remove_prefix(a + wort.size());
            return true;
        };
        if (!weg("nukcheck:") || !weg("ohne")) continue;
        for (size_t i = 0; i <= rest.size();) {
            size_t j = rest.find_first_of(", \t", i);
            if (j == std::string_view::npos) j = rest.size();
            if (j > i) aus.emplace_back(modell ? zeile : 0, std::string(rest.substr(i, j - i)));
            i = j + 1;
        }
    }
    return aus;
}

// A float as the shortest decimal that reads back as the same float.
double kurz(float v) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, v);
    (void)fehler;
    double d = 0;
    std::from_chars(puffer, ende, d);
    return d;
}

// JSON escapes the controls below 0x20 itself, but not DEL and the C1
// controls, which a terminal or a CI log may act on as raw bytes. The dump is
// valid UTF-8, so C2 starts a character wherever it stands.
std::string ohneSteuerzeichen(const std::string& json) {
    std::string r;
    r.reserve(json.size());
    static constexpr char hex[] = "0123456789abcdef";
    for (size_t i = 0; i < json.size(); ++i) {
        const auto b = static_cast<unsigned char>(json[i]);
        unsigned char c = 0;
        if (b == 0x7F)
            c = b;
        else if (b == 0xC2 && i + 1 < json.size() &&
                 static_cast<unsigned char>(json[i + 1]) <= 0x9F)
            c = static_cast<unsigned char>(json[++i]);
        if (c == 0) {
            r += json[i];
            continue;
        }
        const char maskiert[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
        r.append(maskiert, sizeof maskiert);
    }
    return r;
}

// The findings' texts and the file's name go through the JSON library; the
// frame around them is fixed, and writing it as it stands spares building a
// document for each of thousands of findings.
void jsonText(Ausgabe& aus, std::string_view text) {
    aus << nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void jsonSchreiben(const std::string& pfad, const Bericht& b, Ausgabe& aus) {
    std::string zeile;
    {
        Ausgabe z(&zeile);
        z << "{\"file\":";
        jsonText(z, pfad);
        z << ",\"status\":" << long{b.status} << ",\"findings\":[";
        for (size_t i = 0; i < b.diagnosen.size(); ++i) {
            const Diagnose& d = b.diagnosen[i];
            z << (i ? ",{\"line\":" : "{\"line\":");
            if (d.zeile >= 0)
                z << long{d.zeile};
            else
                z << "null";
            z << ",\"kind\":\"" << art(d) << "\",\"rule\":\"" << d.regel << "\",\"severity\":\""
              << SchwereName(schwere(d)) << "\",\"text\":";
            jsonText(z, d.text);
            z << '}';
        }
        z << "],\"first_clump\":{\"points\":" << long{b.punkte}
          << ",\"triangles\":" << long{b.dreiecke} << ",\"quads\":" << long{b.vierecke}
          << ",\"polygons\":" << long{b.polygone} << "},\"model\":{\"clumps\":" << long{b.clumps}
          << ",\"vertices\":" << static_cast<long>(b.modellPunkte)
          << ",\"faces\":" << static_cast<long>(b.flaechen)
          << ",\"edges\":" << static_cast<long>(b.kanten) << ",\"bounds\":";
        if (b.umfang) {
            for (size_t i = 0; i < 6; ++i) {
                z << (i ? ',' : '[');
                z << nlohmann::json(kurz((*b.umfang)[i])).dump();
            }
            z << ']';
        } else {
            z << "null";
        }
        z << "}}";
    }
    aus << ohneSteuerzeichen(zeile) << '\n';
}

}  // namespace

Bericht Pruefen(State& s, AufzeichnenderHost& host, const std::optional<std::string>& daten,
                const Befehlssatz* befehle, const Form& form) {
    host.meldungen.clear();
    Zuruecksetzen(s);
    Bericht b;
    b.mitModell = form.mitModell;
    if (!daten) {
        b.status = unlesbar;
        return b;
    }
    std::vector<int32_t> quellzeilen;
    const bool gelesen = RwxLesenAus(s, *daten, &quellzeilen);
    const Urteil urteil = HierarchieUrteil(s.TextList);
    std::vector<int> fehlerhaft;
    if (befehle) fehlerhaft = FehlerhafteZeilen(s, *befehle);

    // The file line where the item of a row begins; a message raised on item r is at row r.
    auto ort = [&](int zeile) {
        return zeile >= 0 && static_cast<size_t>(zeile) < quellzeilen.size()
                   ? quellzeilen[static_cast<size_t>(zeile)]
                   : -1;
    };
    std::vector<Diagnose>& diagnosen = b.diagnosen;
    for (const Meldung& m : host.meldungen)
        diagnosen.push_back({ort(m.zeile), "reader", lesbar(m.text)});
    if (urteil.fehlerhaft) {
        // The row the verdict names is given by its place; its text, the
        // verdict's last line in either language, would repeat it.
        const std::string_view text(urteil.text);
        diagnosen.push_back(
            {ort(urteil.eintrag), "hierarchy",
             lesbar(urteil.eintrag >= 0 ? text.substr(0, text.rfind('\n')) : text)});
    }
    for (int i : fehlerhaft) {
        const std::string_view zeile = s.TextList.text(i);
        const Befund f = ZeileBefund(zeile, *befehle);
        const bool befehl = f.grund == Fehlergrund::unbekannterBefehl;
        std::string text = Einsetzen(befehl ? Tr("nukcheck", "unbekanntes Befehlswort \"%1\": %2")
                                            : Tr("nukcheck", "unzulässiges Zeichen \"%1\": %2"),
                                     {Latin1ZuUtf8(befehl ? f.wort : zeile.substr(f.zeichen, 1)),
                                      Latin1ZuUtf8(Dateitext(zeile))});
        diagnosen.push_back({ort(i), befehl ? "unknown-command" : "character", std::move(text)});
    }
    if (form.mitModell) {
        GanzesModell modell = GanzesModellLesen(*daten, true);
        if (form.texturen) form.texturen->pruefen(modell.texturen, modell.befunde);
        for (Modellbefund& f : modell.befunde)
            diagnosen.push_back({f.zeile, f.regel, std::move(f.text)});
        b.clumps = modell.clumps;
        b.modellPunkte = modell.punkte.size();
        b.flaechen = modell.flaechen();
        b.kanten = modell.kanten.size();
        if (!modell.punkte.empty()) b.umfang = modell.umfang;
    }
    // What the project switched off, for the run, the file or the line.
    const auto abgeschaltet = Abgeschaltet(*daten);
    std::erase_if(diagnosen, [&](const Diagnose& d) {
        if (!form.regeln.an(d.regel)) return true;
        for (const auto& [zeile, regel] : abgeschaltet)
            if ((zeile == 0 || zeile == d.zeile) && regel == d.regel) return true;
        return false;
    });
    // In line order; what has no line comes last.
    std::stable_sort(diagnosen.begin(), diagnosen.end(), [](const Diagnose& x, const Diagnose& y) {
        return static_cast<uint32_t>(x.zeile) < static_cast<uint32_t>(y.zeile);
    });
    for (const Diagnose& d : diagnosen) ++b.zahl[static_cast<int>(schwere(d))];
    // Notes alone leave a file clean.
    b.status = !gelesen ? unlesbar : b.zahl[0] + b.zahl[1] == 0 ? sauber : befunde;
    b.zeilen = s.TextList.anzahl();
    b.punkte = s.PunktZahl;
    b.dreiecke = s.DreieckZahl;
    b.vierecke = s.ViereckZahl;
    b.polygone = s.PolygonZahl;
    return b;
}

void Schreiben(const std::string& pfad, const Bericht& b, const Form& form, Ausgabe& aus) {
    if (form.art == Form::Json) {
        jsonSchreiben(pfad, b, aus);
        return;
    }
    // What cannot be read is said on stderr.
    if (b.status == unlesbar && b.zeilen < 0) return;
    for (const Diagnose& d : b.diagnosen) {
        aus << pfad << ':';
        if (d.zeile >= 0) aus << long{d.zeile} << ':';
        aus << ' ';
        aus.sichtbar(d.text);
        if (art(d) == "rule") aus << " [" << d.regel << ']';
        aus << '\n';
    }
    const auto ganz = [](long n) { return std::to_string(n); };
    aus << pfad << ": "
        << Einsetzen(Tr("nukcheck", "Zeilen %1, Punkte %2, Dreiecke %3, Vierecke %4, Polygone %5"),
                     {ganz(b.zeilen), ganz(b.punkte), ganz(b.dreiecke), ganz(b.vierecke),
                      ganz(b.polygone)});
    if (b.mitModell)
        aus << Einsetzen(Tr("nukcheck", "; Modell: Clumps %1, Punkte %2, Flächen %3"),
                         {ganz(b.clumps), ganz(static_cast<long>(b.modellPunkte)),
                          ganz(static_cast<long>(b.flaechen))});
    aus << ": ";
    const auto probleme = static_cast<long>(b.diagnosen.size());
    if (probleme == 0) {
        aus << Tr("nukcheck", "OK") << '\n';
        return;
    }
    // One form for 1 and one for every other count; German "Fehler" is both,
    // English is not.
    const auto anzahl = [&](long n, const std::string& eins, const std::string& mehr) {
        return n == 1 ? eins : Einsetzen(mehr, {ganz(n)});
    };
    aus << anzahl(probleme, Tr("nukcheck", "1 Problem"), Tr("nukcheck", "%1 Probleme")) << " ("
        << anzahl(b.zahl[0], Tr("nukcheck", "1 Fehler"), Tr("nukcheck", "%1 Fehler")) << ", "
        << anzahl(b.zahl[1], Tr("nukcheck", "1 Warnung"), Tr("nukcheck", "%1 Warnungen")) << ", "
        << anzahl(b.zahl[2], Tr("nukcheck", "1 Hinweis"), Tr("nukcheck", "%1 Hinweise")) << ")\n";
}

Status DateiPruefen(State& s, AufzeichnenderHost& host, const std::string& pfad,
                    const std::optional<std::string>& daten, const Befehlssatz* befehle,
                    const Form& form, Ausgabe& aus) {
    if (form.art == Form::Dump) {
        host.meldungen.clear();
        Zuruecksetzen(s);
        bool gelesen = false;
        if (daten)
            gelesen = RwxLesenAus(s, *daten);
        else  // as "Öffnen" of a file it cannot open
            Melden(s, Tr("Kern", "Da stimmt was nicht"));
        const Urteil urteil = HierarchieUrteil(s.TextList);
        std::vector<int> fehlerhaft;
        if (befehle) fehlerhaft = FehlerhafteZeilen(s, *befehle);
        dumpSchreiben(s, host.meldungen, urteil, befehle ? &fehlerhaft : nullptr, aus);
        return !gelesen                                                                ? unlesbar
               : (!host.meldungen.empty() || urteil.fehlerhaft || !fehlerhaft.empty()) ? befunde
                                                                                       : sauber;
    }
    const Bericht b = Pruefen(s, host, daten, befehle, form);
    Schreiben(pfad, b, form, aus);
    return b.status;
}

}  // namespace nukcheck
