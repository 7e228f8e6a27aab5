#include "app/Bearbeiten.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "app/Anfang.h"
#include "app/NukView.h"
#include "model/Text.h"
#include "model/Zeilenform.h"
#include "rwx/Wortscanner.h"
#include "view/Zeichnen.h"

namespace nuk {

namespace {

// A word of a row's file text, by position.
struct Wort {
    size_t von, bis;
};

// The words before a comment; every byte up to the blank parts them.
std::vector<Wort> Woerter(std::string_view t) {
    std::vector<Wort> w;
    for (size_t i = 0; i < t.size();) {
        while (i < t.size() && static_cast<unsigned char>(t[i]) <= ' ') ++i;
        if (i == t.size() || t[i] == '#') break;
        const size_t von = i;
        while (i < t.size() && static_cast<unsigned char>(t[i]) > ' ' && t[i] != '#') ++i;
        w.push_back({von, i});
    }
    return w;
}

std::string_view Text(std::string_view t, const Wort& w) {
    return t.substr(w.von, w.bis - w.von);
}

// A whole number as a corner can be one; a larger one is no corner number,
// so that renumbering never runs past the integer's range.
std::optional<int> Ganzzahl(std::string_view w) {
    int v = 0;
    const auto [p, fehler] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (fehler != std::errc() || p != w.data() + w.size() || v > 1'000'000'000 ||
        v < -1'000'000'000)
        return std::nullopt;
    return v;
}

// The row's first word; empty for none. Tens of thousands of rows are
// looked at for every edit: no word list, no copy.
std::string_view ErstesWort(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && static_cast<unsigned char>(t[i]) <= ' ') ++i;
    size_t e = i;
    while (e < t.size() && static_cast<unsigned char>(t[e]) > ' ' && t[e] != '#') ++e;
    return t.substr(i, e - i);
}

// The row's first word, lowered; empty for none.
std::string Befehl(std::string_view zeile) {
    return Klein(ErstesWort(zeile));
}

enum class Art : uint8_t { Anderes, Punkt, Dreieck, Viereck, Vieleck, Anfang, Ende };

Art ArtVon(std::string_view zeile) {
    const std::string_view w = ErstesWort(zeile);
    auto ist = [w](std::string_view a, std::string_view b) {
        return IstWort(w, a) || IstWort(w, b);
    };
    if (ist("vertex", "vertexext")) return Art::Punkt;
    if (ist("triangle", "triangleext")) return Art::Dreieck;
    if (ist("quad", "quadext")) return Art::Viereck;
    if (ist("polygon", "polygonext")) return Art::Vieleck;
    if (ist("clumpbegin", "protobegin")) return Art::Anfang;
    if (ist("clumpend", "protoend")) return Art::Ende;
    return Art::Anderes;
}

bool IstFlaeche(Art a) {
    return a == Art::Dreieck || a == Art::Viereck || a == Art::Vieleck;
}

// What a row is, the clump or prototype it lies in (named by the row that
// begins it, -1 for none), and a point's number there: corners count the
// points of their own clump, a nested clump's apart.
struct Rolle {
    Art art = Art::Anderes;
    int ebene = -1;   // at the row; a begin row's is the one it begins
    int danach = -1;  // after the row
    int nummer = 0;
};

std::vector<Rolle> Rollen(const std::vector<std::string>& texte) {
    std::vector<Rolle> rollen(texte.size());
    std::vector<std::pair<int, int>> ebenen{{-1, 0}};  // begun by, points so far
    for (size_t i = 0; i < texte.size(); ++i) {
        Rolle& r = rollen[i];
        r.art = ArtVon(texte[i]);
        if (r.art == Art::Anfang) ebenen.push_back({static_cast<int>(i), 0});
        r.ebene = ebenen.back().first;
        if (r.art == Art::Ende && ebenen.size() > 1) ebenen.pop_back();
        if (r.art == Art::Punkt) r.nummer = ++ebenen.back().second;
        r.danach = ebenen.back().first;
    }
    return rollen;
}

// The words of a face's corners: a triangle's three, a quad's four, a
// polygon's as many as its count says; each up to the first word that is no
// whole number (a tag).
std::vector<Wort> Ecken(std::string_view t, Art art) {
    const auto w = Woerter(t);
    size_t von = 1, anzahl = art == Art::Dreieck ? 3 : 4;
    if (art == Art::Vieleck) {
        const auto n = w.size() > 1 ? Ganzzahl(Text(t, w[1])) : std::nullopt;
        von = 2, anzahl = n && *n > 0 ? static_cast<size_t>(*n) : 0;
    }
    std::vector<Wort> e;
    for (size_t i = von; i < w.size() && e.size() < anzahl && Ganzzahl(Text(t, w[i])); ++i)
        e.push_back(w[i]);
    return e;
}

// The row with its corners replaced, everything around them as it was.
std::string MitEcken(std::string_view t, const std::vector<Wort>& ecken,
                     const std::vector<int>& neu) {
    std::string r;
    size_t pos = 0;
    for (size_t k = 0; k < ecken.size(); ++k) {
        r.append(t.substr(pos, ecken[k].von - pos));
        r += std::to_string(neu[k]);
        pos = ecken[k].bis;
    }
    r.append(t.substr(pos));
    return r;
}

std::vector<int> Nummern(std::string_view t, const std::vector<Wort>& ecken) {
    std::vector<int> n;
    for (const Wort& w : ecken) n.push_back(*Ganzzahl(Text(t, w)));
    return n;
}

// Every corner number of the faces of a clump through f.
template <class F>
void Umnummerieren(Zeilenstand& z, const std::vector<Rolle>& rollen, int ebene, F f) {
    for (size_t i = 0; i < z.texte.size(); ++i) {
        if (!IstFlaeche(rollen[i].art) || rollen[i].ebene != ebene) continue;
        const auto ecken = Ecken(z.texte[i], rollen[i].art);
        auto n = Nummern(z.texte[i], ecken);
        for (int& k : n) k = f(k);
        z.texte[i] = MitEcken(z.texte[i], ecken, n);
    }
}

// Where a new row goes: after the current row, if it lies in the clump
// asked for; otherwise at the end of that clump, or of the first clump.
int Einfuegeort(const Zeilenstand& z, const std::vector<Rolle>& rollen, std::optional<int> ebene) {
    const int n = static_cast<int>(z.texte.size());
    if (z.aktuell >= 0 && z.aktuell < n &&
        (!ebene || rollen[static_cast<size_t>(z.aktuell)].danach == *ebene))
        return z.aktuell + 1;
    int e = -1;
    if (ebene)
        e = *ebene;
    else
        for (int i = 0; i < n && e < 0; ++i)
            if (Befehl(z.texte[static_cast<size_t>(i)]) == "clumpbegin") e = i;
    for (int i = std::max(e, 0); i < n; ++i) {
        const Rolle& r = rollen[static_cast<size_t>(i)];
        if (e >= 0 ? r.art == Art::Ende && r.ebene == e
                   : r.ebene == -1 && Befehl(z.texte[static_cast<size_t>(i)]) == "modelend")
            return i;
    }
    return n;
}

// The rows with text inserted at pos, made current; a point raises the later
// corner numbers of its clump, so that every face keeps its points.
Zeilenstand Einfuegen(const Zeilenstand& z, const std::vector<Rolle>& rollen, int pos,
                      std::string text) {
    Zeilenstand n = z;
    const bool punkt = ArtVon(text) == Art::Punkt;
    n.texte.insert(n.texte.begin() + pos, std::move(text));
    for (int& m : n.markiert)
        if (m >= pos) ++m;
    n.aktuell = pos;
    if (!punkt) return n;
    const int ebene = pos == 0 ? -1 : rollen[static_cast<size_t>(pos - 1)].danach;
    int nummer = 1;
    for (int i = 0; i < pos; ++i)
        if (rollen[static_cast<size_t>(i)].art == Art::Punkt &&
            rollen[static_cast<size_t>(i)].ebene == ebene)
            ++nummer;
    std::vector<Rolle> neu = rollen;
    neu.insert(neu.begin() + pos, Rolle{});
    Umnummerieren(n, neu, ebene, [nummer](int k) { return k >= nummer ? k + 1 : k; });
    return n;
}

// The edit into the document; a step for undo when it changed something. A
// result the reader cannot take whole is given up: nothing is lost.
void Anwenden(State& s, const std::string& was, Zeilenstand vorher, Zeilenstand nachher) {
    if (nachher == vorher) return;
    if (!StandSetzen(s, nachher)) {
        StandSetzen(s, vorher);
        Melden(s,
               Tr("Kern",
                  "Die geänderten Zeilen lassen sich nicht ganz lesen, also bleibt alles, "
                  "wie es war."),
               Tr("Kern", "So nich!!"));
        return;
    }
    s.host.bearbeitet(was, std::move(vorher), std::move(nachher));
}

}  // namespace

Zeilenstand StandNehmen(const State& s) {
    Zeilenstand z;
    const int n = s.TextList.anzahl();
    z.texte.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) z.texte.emplace_back(Dateitext(s.TextList.text(i)));
    // In the order of marking, as "Auswahl" lists the ticked rows; then any
    // ticked row it does not list.
    std::vector<bool> drin(static_cast<size_t>(n));
    auto dazu = [&](int r) {
        if (r < 0 || r >= n || !s.TextList.haken(r) || drin[static_cast<size_t>(r)]) return;
        drin[static_cast<size_t>(r)] = true;
        z.markiert.push_back(r);
    };
    for (int a = 0; a < s.AuswahlList.anzahl(); ++a) {
        if (!s.AuswahlList.haken(a)) continue;
        const int r = s.AuswahlList.wert(a);
        if (r >= 0 && r < n && s.TextList.text(r) == s.AuswahlList.text(a)) dazu(r);
    }
    for (int i = 0; i < n; ++i) dazu(i);
    z.aktuell = s.TextList.aktuell();
    return z;
}

bool StandSetzen(State& s, const Zeilenstand& z) {
    std::string daten;
    size_t laenge = 0;
    for (const auto& t : z.texte) laenge += t.size() + 2;
    daten.reserve(laenge);
    for (const auto& t : z.texte) daten.append(t).append("\r\n");
    // The view stays; the rest is the document's, read anew.
    const Matrix drehung = s.Drehung, start = s.StartDrehung;
    const double lupe = s.Lupenfaktor;
    const int16_t modus = s.Modus;
    const Dateiherkunft herkunft = s.Herkunft;
    Zuruecksetzen(s);
    s.Drehung = drehung;
    s.StartDrehung = start;
    s.Lupenfaktor = lupe;
    s.Modus = modus;
    s.Herkunft.bom = herkunft.bom;
    const bool gelesen = DatenLesen(s, daten);
    s.Herkunft.unvollstaendig = herkunft.unvollstaendig || !gelesen;
    GanzesModellAbgleichen(s);
    AchsenSetzen(s);
    const int n = s.TextList.anzahl();
    for (int r : z.markiert)
        if (r >= 0 && r < n) s.TextList.setHaken(r, true);
    // Ticking made each mark the current row; the current row stays the one it was.
    s.AktZeile = static_cast<int16_t>(z.aktuell < n ? z.aktuell : -1);
    s.TextList.setAktuell(s.AktZeile);
    // The marks spread now rather than on the next tick: one picture, at once.
    NukView::Timer1_Timer(s);
    return gelesen;
}

void Hinzufuegen(State& s, int16_t index) {
    static constexpr const char* Titel[] = {
        vorgemerkt::Tr("Kern", "Punkt"),     vorgemerkt::Tr("Kern", "Dreieck"),
        vorgemerkt::Tr("Kern", "Viereck"),   vorgemerkt::Tr("Kern", "Polygon"),
        vorgemerkt::Tr("Kern", "Kommentar"), vorgemerkt::Tr("Kern", "was anderes")};
    if (index < 0 || index > 5) return;
    Zeilenstand z = StandNehmen(s);
    const auto rollen = Rollen(z.texte);
    auto art = [&](int r) { return rollen[static_cast<size_t>(r)].art; };
    std::vector<int> punkte;  // marked, in the order of marking
    for (int r : z.markiert)
        if (art(r) == Art::Punkt) punkte.push_back(r);
    std::string vorgabe;
    std::optional<int> ebene;
    if (index == 0) {
        vorgabe = "Vertex 0 0 0";
        if (punkte.size() == 1) {
            const std::string& t = z.texte[static_cast<size_t>(punkte[0])];
            const auto w = Woerter(t);
            if (w.size() >= 4)
                vorgabe = "Vertex " + std::string(Text(t, w[1])) + " " +
                          std::string(Text(t, w[2])) + " " + std::string(Text(t, w[3]));
        }
    } else if (index <= 3) {
        if (std::none_of(rollen.begin(), rollen.end(),
                         [](const Rolle& r) { return r.art == Art::Punkt; })) {
            Melden(s, Tr("Kern", "Creieren Sie bitte erst mal ein paar Punkte"),
                   Tr("Kern", "So nich!!"));
            return;
        }
        const size_t n = punkte.size();
        const bool passt = index == 3 ? n >= 3 : n == static_cast<size_t>(index + 2);
        if (!passt) {
            // A sentence for each object: another language may want its own words around it.
            std::string text;
            if (index == 1)
                text = Tr("Kern",
                          "Für ein Dreieck markieren Sie bitte genau 3 Punkte; markiert "
                          "sind %1.");
            else if (index == 2)
                text = Tr("Kern",
                          "Für ein Viereck markieren Sie bitte genau 4 Punkte; markiert "
                          "sind %1.");
            else
                text = Tr("Kern",
                          "Für ein Polygon markieren Sie bitte mindestens 3 Punkte; "
                          "markiert sind %1.");
            Melden(s, Einsetzen(text, {std::to_string(n)}), Tr("Kern", "So nich!!"));
            return;
        }
        ebene = rollen[static_cast<size_t>(punkte[0])].ebene;
        for (int r : punkte)
            if (rollen[static_cast<size_t>(r)].ebene != *ebene) {
                Melden(s,
                       Tr("Kern",
                          "Die markierten Punkte liegen in verschiedenen Clumps; ein "
                          "Objekt nimmt nur Punkte seines Clumps."),
                       Tr("Kern", "So nich!!"));
                return;
            }
        vorgabe = index == 1 ? "Triangle" : index == 2 ? "Quad" : "Polygon " + std::to_string(n);
        for (int r : punkte) vorgabe += " " + std::to_string(rollen[static_cast<size_t>(r)].nummer);
    } else if (index == 4) {
        vorgabe = "# ";
    }
    const std::string titel = Tr("Kern", Titel[index]);
    const auto text = s.host.zeileFragen(titel, Latin1ZuUtf8(vorgabe));
    if (!text) return;
    const int pos = Einfuegeort(z, rollen, ebene);
    Zeilenstand neu = Einfuegen(z, rollen, pos, Utf8ZuLatin1(*text));
    Anwenden(s, titel, std::move(z), std::move(neu));
}

void Veraendern(State& s) {
    Zeilenstand z = StandNehmen(s);
    if (z.aktuell < 0 || z.aktuell >= static_cast<int>(z.texte.size())) return;
    const auto text = s.host.zeileFragen(Tr("Kern", "Verändern"),
                                         Latin1ZuUtf8(z.texte[static_cast<size_t>(z.aktuell)]));
    if (!text) return;
    Zeilenstand n = z;
    n.texte[static_cast<size_t>(z.aktuell)] = Utf8ZuLatin1(*text);
    Anwenden(s, Tr("Kern", "Verändern"), std::move(z), std::move(n));
}

void Umkehren(State& s) {
    Zeilenstand z = StandNehmen(s);
    const auto rollen = Rollen(z.texte);
    Zeilenstand n = z;
    for (int r : z.markiert) {
        const Art art = rollen[static_cast<size_t>(r)].art;
        if (!IstFlaeche(art)) continue;
        std::string& t = n.texte[static_cast<size_t>(r)];
        const auto ecken = Ecken(t, art);
        auto nummern = Nummern(t, ecken);
        std::reverse(nummern.begin(), nummern.end());
        t = MitEcken(t, ecken, nummern);
    }
    Anwenden(s, "Reverse", std::move(z), std::move(n));
}

void Loeschen(State& s) {
    Zeilenstand z = StandNehmen(s);
    if (z.markiert.empty()) return;
    const auto rollen = Rollen(z.texte);
    const size_t n = z.texte.size();
    std::vector<bool> weg(n);
    for (int r : z.markiert) weg[static_cast<size_t>(r)] = true;
    // By clump, the numbers of the points that go, in order.
    std::map<int, std::vector<int>> punkte;
    for (size_t i = 0; i < n; ++i)
        if (weg[i] && rollen[i].art == Art::Punkt)
            punkte[rollen[i].ebene].push_back(rollen[i].nummer);
    for (auto& [e, p] : punkte) std::sort(p.begin(), p.end());
    int mitgenommen = 0;
    for (size_t i = 0; i < n; ++i) {
        const auto p = punkte.find(rollen[i].ebene);
        if (weg[i] || !IstFlaeche(rollen[i].art) || p == punkte.end()) continue;
        for (int k : Nummern(z.texte[i], Ecken(z.texte[i], rollen[i].art)))
            if (std::binary_search(p->second.begin(), p->second.end(), k)) {
                weg[i] = true;
                ++mitgenommen;
                break;
            }
    }
    if (mitgenommen > 0 &&
        !s.host.frage({mitgenommen == 1
                           ? Tr("Kern",
                                "Es wird auch 1 Objekt gelöscht, das gelöschte Punkte "
                                "benutzt. Trotzdem löschen?")
                           : Einsetzen(Tr("Kern",
                                          "Es werden auch %1 Objekte gelöscht, die "
                                          "gelöschte Punkte benutzen. Trotzdem löschen?"),
                                       {std::to_string(mitgenommen)}),
                       Tr("Kern", "Löschen")}))
        return;
    Zeilenstand neu = z;
    for (const auto& [e, p] : punkte)
        Umnummerieren(neu, rollen, e, [&p = p](int k) {
            return k - static_cast<int>(std::lower_bound(p.begin(), p.end(), k) - p.begin());
        });
    // The rows that stay, with the marks and the cursor that stay with them.
    std::vector<int> neueZeile(n, -1);
    Zeilenstand nachher;
    for (size_t i = 0; i < n; ++i) {
        if (weg[i]) continue;
        neueZeile[i] = static_cast<int>(nachher.texte.size());
        nachher.texte.push_back(std::move(neu.texte[i]));
    }
    for (int r : z.markiert)
        if (neueZeile[static_cast<size_t>(r)] >= 0)
            nachher.markiert.push_back(neueZeile[static_cast<size_t>(r)]);
    if (z.aktuell >= 0 && static_cast<size_t>(z.aktuell) < n) {
        int a = 0;
        for (int i = 0; i < z.aktuell; ++i) a += !weg[static_cast<size_t>(i)];
        nachher.aktuell = std::min(a, static_cast<int>(nachher.texte.size()) - 1);
    }
    Anwenden(s, Tr("Kern", "Löschen"), std::move(z), std::move(nachher));
}

}  // namespace nuk
