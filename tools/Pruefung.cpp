#include "Pruefung.h"

#include <charconv>
#include <cstring>
#include <type_traits>
#include <vector>

#include "app/Anfang.h"
#include "check/Fehler.h"
#include "model/Text.h"
#include "model/Zahlformat.h"
#include "model/Zeilenform.h"
#include "rwx/RwxToNuk.h"

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
    auto steuerzeichen = [](unsigned char b) {
        return (b < 0x20 && b != '\t') || (b >= 0x7F && b <= 0x9F);
    };
    while (!text.empty()) {
        size_t lauf = 0;
        while (lauf < text.size() && !steuerzeichen(static_cast<unsigned char>(text[lauf]))) ++lauf;
        latin1(text.substr(0, lauf));
        if (lauf == text.size()) return;
        static constexpr char hex[] = "0123456789abcdef";
        const auto b = static_cast<unsigned char>(text[lauf]);
        const char zeichen[] = {'\\', 'x', hex[b >> 4], hex[b & 15]};
        *this << std::string_view(zeichen, 4);
        text.remove_prefix(lauf + 1);
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

Status DateiPruefen(State& s, AufzeichnenderHost& host, const std::string& pfad,
                    const std::optional<std::string>& daten, const Befehlssatz* befehle, bool dump,
                    Ausgabe& aus) {
    host.meldungen.clear();
    Zuruecksetzen(s);
    if (!daten && !dump) return unlesbar;
    std::vector<int32_t> quellzeilen;
    bool gelesen = false;
    if (daten)
        gelesen = RwxLesenAus(s, *daten, &quellzeilen);
    else
        Melden(s, "Da stimmt was nicht");  // as "Öffnen" of a file it cannot open
    const std::vector<Meldung> meldungen = host.meldungen;
    const Urteil urteil = HierarchieUrteil(s.TextList);
    std::vector<int> fehlerhaft;
    if (befehle) fehlerhaft = FehlerhafteZeilen(s, *befehle);

    const Status status = !gelesen ? unlesbar
                          : (!meldungen.empty() || urteil.fehlerhaft || !fehlerhaft.empty())
                              ? befunde
                              : sauber;
    if (dump) {
        dumpSchreiben(s, meldungen, urteil, befehle ? &fehlerhaft : nullptr, aus);
        return status;
    }

    // Where the item of a row begins; a message raised on item r is at row r.
    auto ort = [&](int zeile) {
        std::string o = pfad + ":";
        if (zeile >= 0 && static_cast<size_t>(zeile) < quellzeilen.size())
            o += std::to_string(quellzeilen[static_cast<size_t>(zeile)]) + ":";
        return o + " ";
    };
    long probleme = 0;
    for (const Meldung& m : meldungen) {
        aus << ort(m.zeile) << lesbar(m.text) << '\n';
        ++probleme;
    }
    if (urteil.fehlerhaft) {
        // The row the verdict names is given by its place; its text would repeat it.
        const std::string_view text(urteil.text);
        aus << ort(urteil.eintrag) << lesbar(text.substr(0, text.find("\nZeile "))) << '\n';
        ++probleme;
    }
    for (int i : fehlerhaft) {
        const std::string_view zeile = s.TextList.text(i);
        const Befund b = ZeileBefund(zeile, *befehle);
        aus << ort(i);
        if (b.grund == Fehlergrund::unbekannterBefehl) {
            aus << "unbekanntes Befehlswort \"";
            aus.sichtbar(b.wort);
        } else {
            aus << "unzulässiges Zeichen \"";
            aus.sichtbar(zeile.substr(b.zeichen, 1));
        }
        aus << "\": ";
        aus.sichtbar(Dateitext(zeile));
        aus << '\n';
        ++probleme;
    }
    aus << pfad << ": Zeilen " << long{s.TextList.anzahl()} << ", Punkte " << long{s.PunktZahl}
        << ", Dreiecke " << long{s.DreieckZahl} << ", Vierecke " << long{s.ViereckZahl}
        << ", Polygone " << long{s.PolygonZahl} << ": ";
    if (probleme == 0)
        aus << "OK\n";
    else
        aus << probleme << (probleme == 1 ? " Problem\n" : " Probleme\n");
    return status;
}

}  // namespace nukcheck
