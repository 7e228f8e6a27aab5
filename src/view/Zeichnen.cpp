#include "view/Zeichnen.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <type_traits>

#include "view/Modul_Mathe.h"

namespace nuk {

namespace {

// Large enough that a redraw of the biggest model goes out in a few calls.
constexpr size_t Stapel = 8192;

// Field by field into the buffer, the colour by reference: a command or a
// colour built by the caller is read back in one piece just after it was
// written in small ones, which stalls the processor on every line.
void Ablegen(State& s, Zeichenbefehl::Art art, const Farbe& f, float x1, float y1, float x2,
             float y2) {
    auto& puffer = s.Ausgabe.puffer;
    if (puffer.capacity() < Stapel) puffer.reserve(Stapel);
    Zeichenbefehl& b = puffer.emplace_back();
    b.art = art;
    b.farbe = f;
    b.x1 = x1;
    b.y1 = y1;
    b.x2 = x2;
    b.y2 = y2;
    if (puffer.size() == Stapel) ZeichnungAbgeben(s);
}

// Line (x1, y1)-(x2, y2): ends at the current position.
void Linie(State& s, float x1, float y1, float x2, float y2, const Farbe& f) {
    Ablegen(s, Zeichenbefehl::Linie, f, x1, y1, x2, y2);
    s.Ausgabe.CurrentX = x2;
    s.Ausgabe.CurrentY = y2;
}

// Line -(x, y): from the current position.
void LinieNach(State& s, float x, float y, const Farbe& f) {
    Linie(s, s.Ausgabe.CurrentX, s.Ausgabe.CurrentY, x, y, f);
}

void Punktsetzen(State& s, float x, float y, const Farbe& f) {
    Ablegen(s, Zeichenbefehl::Punkt, f, x, y, 0, 0);
    s.Ausgabe.CurrentX = x;
    s.Ausgabe.CurrentY = y;
}

// Corner numbers come from the file; one outside the table has no place to be drawn.
bool Ecke(const PunktTabelle& bild, int k, float& x, float& y) {
    if (!PunktTabelle::gueltig(k)) return false;
    const Punkt& p = bild[k];
    x = p.X;
    y = p.Y;
    return true;
}

// The closed outline through the corners; an edge with an undrawable corner is left out.
template <size_t N>
void Umriss(State& s, const std::array<int16_t, N>& ecken, const Farbe& f) {
    float x[N] = {}, y[N] = {};
    bool da[N];
    for (size_t j = 0; j < N; ++j) da[j] = Ecke(s.Bildpunkte, ecken[j], x[j], y[j]);
    for (size_t j = 0; j < N; ++j) {
        const size_t k = (j + 1) % N;
        if (da[j] && da[k]) Linie(s, x[j], y[j], x[k], y[k], f);
    }
}

void Objektzeichnen(State& s, const Dreieck& d, const Farbe& f) {
    Umriss(s, Ecken(d), f);
}

void Objektzeichnen(State& s, const Viereck& v, const Farbe& f) {
    Umriss(s, Ecken(v), f);
}

// A dot at the first corner, a line on to each further corner, and back to the
// first. With fewer than two corners that is the dot and a line of no length.
void Objektzeichnen(State& s, const Polygon& p, const Farbe& f) {
    const std::span<const int16_t> ecken = Ecken(p);
    float x0 = 0, y0 = 0;
    const bool erste = Ecke(s.Bildpunkte, p.P[1], x0, y0);  // even when the count says none
    if (erste) Punktsetzen(s, x0, y0, f);
    bool vorige = erste;
    for (int16_t k : ecken.subspan(std::min<size_t>(1, ecken.size()))) {
        float x = 0, y = 0;
        const bool da = Ecke(s.Bildpunkte, k, x, y);
        if (vorige && da) LinieNach(s, x, y, f);
        if (da) {
            s.Ausgabe.CurrentX = x;
            s.Ausgabe.CurrentY = y;
        }
        vorige = da;
    }
    if (vorige && erste) LinieNach(s, x0, y0, f);
}

bool Markiert(const State& s, int zeile) {
    return zeile >= 0 && zeile < s.TextList.anzahl() && s.TextList.haken(zeile);
}

}  // namespace

void ZeichnungAbgeben(State& s) {
    auto& puffer = s.Ausgabe.puffer;
    if (puffer.empty()) return;
    s.host.zeichne(puffer);
    if (s.Ausgabe.objekte.mitschreiben)
        s.Ausgabe.objekte.befehle.insert(s.Ausgabe.objekte.befehle.end(), puffer.begin(),
                                         puffer.end());
    puffer.clear();
}

void NeuZeichnen(State& s) {
    BildLoeschen(s);
    FlaechenZeichnen(s);
    GanzesModellZeichnen(s);
    AchsenZeichnen(s);
    ObjekteZeichnen(s);
    AuswahlZeichnen(s);
    ZeichnungAbgeben(s);
}

void BildLoeschen(State& s) {
    // Whatever was queued is covered by the clear anyway.
    s.Ausgabe.puffer.clear();
    Ablegen(s, Zeichenbefehl::Loeschen, Schwarz, 0, 0, 0, 0);
    s.Ausgabe.CurrentX = 0;
    s.Ausgabe.CurrentY = 0;
}

void GanzesModellZeichnen(State& s) {
    const GanzesModell& m = s.Ganzes;
    if (!s.Menu.GanzesModell || m.punkte.empty()) return;
    // Turned as Projizieren turns the first clump's points; picking and the
    // read-out find them here too.
    const Matrix& d = s.Drehung;
    auto& bild = s.Ausgabe.modellBild;
    bild.resize(m.punkte.size());
    for (size_t i = 0; i < m.punkte.size(); ++i) {
        const auto& p = m.punkte[i];
        bild[i] = {static_cast<float>(double{d.m[0][0]} * p[0] + double{d.m[0][1]} * p[1] +
                                      double{d.m[0][2]} * p[2]),
                   static_cast<float>(double{d.m[1][0]} * p[0] + double{d.m[1][1]} * p[1] +
                                      double{d.m[1][2]} * p[2])};
    }
    // What was queued goes first: the layer lies beneath it.
    ZeichnungAbgeben(s);
    s.host.zeichneNetz(Grau, bild, s.Ausgabe.modellKanten);
    // The first clump's picture goes on as it would without this layer.
    s.Ausgabe.CurrentX = 0;
    s.Ausgabe.CurrentY = 0;
}

void FlaechenZeichnen(State& s) {
    const GanzesModell& m = s.Ganzes;
    if (!s.Menu.Flaechen || m.flaechen() == 0) return;
    const Matrix& d = s.Drehung;
    using Vek = std::array<double, 3>;
    const Vek x{d.m[0][0], d.m[0][1], d.m[0][2]}, y{d.m[1][0], d.m[1][1], d.m[1][2]};
    auto kreuz = [](const Vek& a, const Vek& b) -> Vek {
        return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    };
    auto mal = [](const Vek& a, const Vek& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    // Towards the viewer: the picture's x to the right and y up, the third
    // axis out of it, as a right-handed system has it.
    Vek auge = kreuz(x, y);
    const double laenge = std::sqrt(mal(auge, auge));
    if (!(laenge > 0)) return;
    for (double& v : auge) v /= laenge;
    auto& punkte = s.Ausgabe.flaechenPunkte;
    punkte.resize(m.punkte.size());
    for (size_t i = 0; i < m.punkte.size(); ++i) {
        const Vek p{m.punkte[i][0], m.punkte[i][1], m.punkte[i][2]};
        punkte[i] = {static_cast<float>(mal(x, p)), static_cast<float>(mal(y, p)),
                     static_cast<float>(mal(auge, p))};
    }
    // Each face's normal by Newell's method; its length is twice the area.
    const size_t flaechen = m.flaechen();
    std::vector<Vek> normalen(flaechen);
    std::vector<Vek> glatt;  // per point, the normals of its smooth faces added up
    for (size_t f = 0; f < flaechen; ++f) {
        Vek n{};
        const uint32_t a = m.anfang[f], e = m.anfang[f + 1];
        for (uint32_t k = a; k < e; ++k) {
            const auto& p = m.punkte[m.ecken[k]];
            const auto& q = m.punkte[m.ecken[k + 1 < e ? k + 1 : a]];
            n[0] += (double{p[1]} - q[1]) * (double{p[2]} + q[2]);
            n[1] += (double{p[2]} - q[2]) * (double{p[0]} + q[0]);
            n[2] += (double{p[0]} - q[0]) * (double{p[1]} + q[1]);
        }
        normalen[f] = n;
        if (m.materialien[m.flaechenmaterial[f]].glatt) {
            if (glatt.empty()) glatt.resize(m.punkte.size());
            for (uint32_t k = a; k < e; ++k)
                for (int i = 0; i < 3; ++i) glatt[m.ecken[k]][i] += n[i];
        }
    }
    auto& farben = s.Ausgabe.flaechenFarben;
    farben.resize(m.ecken.size());
    auto licht = [&](const Material& mat, const Vek& n, bool hinten) {
        const double l = std::sqrt(mal(n, n));
        const double cos = l > 0 ? (hinten ? -1 : 1) * mal(n, auge) / l : 0;
        const double hell = mat.ambient + mat.diffuse * std::max(cos, 0.0);
        uint32_t c = static_cast<uint32_t>(std::lround(mat.opacity * 255)) << 24;
        for (int i = 0; i < 3; ++i)
            c |= static_cast<uint32_t>(std::lround(std::min(1.0, mat.farbe[i] * hell) * 255))
                 << (16 - 8 * i);
        return c;
    };
    auto& textur = s.Ausgabe.flaechenTextur;
    auto& maske = s.Ausgabe.flaechenMaske;
    textur.resize(flaechen);
    maske.resize(flaechen);
    for (size_t f = 0; f < flaechen; ++f) {
        const Material& mat = m.materialien[m.flaechenmaterial[f]];
        const bool hinten = mal(normalen[f], auge) < 0;
        const uint32_t a = m.anfang[f], e = m.anfang[f + 1];
        textur[f] = mat.textur;
        maske[f] = mat.maske;
        if (hinten && s.Menu.Rueckseiten && !mat.doppelt) {
            // The warning colour, without an image.
            std::fill(farben.begin() + a, farben.begin() + e, 0xFFFF00FFu);
            textur[f] = maske[f] = -1;
        } else if (mat.glatt) {
            for (uint32_t k = a; k < e; ++k) farben[k] = licht(mat, glatt[m.ecken[k]], hinten);
        } else {
            std::fill(farben.begin() + a, farben.begin() + e, licht(mat, normalen[f], hinten));
        }
    }
    const std::string_view ordner = ModellOrdner(s);
    // What was queued goes first: the faces lie beneath it.
    ZeichnungAbgeben(s);
    s.host.zeichneFlaechen(
        {punkte, m.ecken, m.anfang, farben, m.punktUv, textur, maske, m.texturnamen, ordner});
}

namespace {

uint32_t bits(float v) {
    return std::bit_cast<uint32_t>(v == 0 ? 0.0f : v);  // -0 and 0 lie on one pixel
}

// Open hash tables for the match below: a model at the tables' limits has
// over 100000 edges. Slot 0 of a value means empty.
size_t tafelgroesse(size_t eintraege) {
    size_t g = 16;
    while (g < 2 * eintraege) g *= 2;
    return g;
}

uint64_t mischen(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdu;
    return h ^ (h >> 33);
}

}  // namespace

void GanzesModellAbgleichen(State& s) {
    auto& kanten = s.Ausgabe.modellKanten;
    kanten.clear();
    const GanzesModell& m = s.Ganzes;
    if (m.kanten.empty()) return;
    // Each first-clump point by its coordinates, the first of equal ones
    // standing for all: point numbers then say whether two ends lie alike.
    const int16_t n = s.PunktZahl;
    const size_t pg = tafelgroesse(static_cast<size_t>(std::max<int16_t>(n, 0)));
    std::vector<int16_t> punkte(pg, 0);
    auto ortVon = [](float x, float y, float z) {
        return mischen((uint64_t{bits(x)} << 32 | bits(y)) ^ mischen(bits(z)));
    };
    // The slot of the point at (x, y, z), or of the empty one where it would go.
    auto platz = [&](float x, float y, float z) {
        size_t i = static_cast<size_t>(ortVon(x, y, z)) & (pg - 1);
        for (; punkte[i] != 0; i = (i + 1) & (pg - 1)) {
            const Punkt& p = s.Punkte[punkte[i]];
            if (bits(p.X) == bits(x) && bits(p.Y) == bits(y) && bits(p.Z) == bits(z)) break;
        }
        return i;
    };
    std::vector<int16_t> vertreter(static_cast<size_t>(std::max<int16_t>(n, 0)) + 1, 0);
    for (int16_t k = 1; k <= n; ++k) {
        const Punkt& p = s.Punkte[k];
        const size_t i = platz(p.X, p.Y, p.Z);
        if (punkte[i] == 0) punkte[i] = k;
        vertreter[static_cast<size_t>(k)] = punkte[i];
    }
    // The first clump's edges, as its drawing joins them (corners of real
    // points only), by the numbers that stand for their ends.
    size_t zahl = 0;
    JedeObjektart(s, [&](const auto& tabelle, int z) {
        for (int i = 1; i <= z; ++i) zahl += Ecken(tabelle[i]).size();
    });
    const size_t kg = tafelgroesse(zahl);
    std::vector<uint32_t> erster(kg, 0);
    auto stelle = [&](uint32_t schluessel) {
        size_t i = static_cast<size_t>(mischen(schluessel)) & (kg - 1);
        while (erster[i] != 0 && erster[i] != schluessel) i = (i + 1) & (kg - 1);
        return i;
    };
    auto schluessel = [](int16_t a, int16_t b) {
        return static_cast<uint32_t>(std::min(a, b)) << 16 | static_cast<uint32_t>(std::max(a, b));
    };
    JedeObjektart(s, [&](const auto& tabelle, int z) {
        for (int i = 1; i <= z; ++i) {
            const auto ecken = Ecken(tabelle[i]);
            const size_t e = ecken.size();
            for (size_t j = 0; j < e && e > 1; ++j) {
                const int16_t a = ecken[j], b = ecken[(j + 1) % e];
                if (a < 1 || a > n || b < 1 || b > n) continue;
                const uint32_t k = schluessel(vertreter[static_cast<size_t>(a)],
                                              vertreter[static_cast<size_t>(b)]);
                erster[stelle(k)] = k;
            }
        }
    });
    // The whole model's points that lie on a first-clump point, once each.
    // Only those within the first clump's bounds can: the others, mostly
    // all of a large model, need no look-up.
    std::array<float, 3> unten{HUGE_VALF, HUGE_VALF, HUGE_VALF},
        oben{-HUGE_VALF, -HUGE_VALF, -HUGE_VALF};
    for (int16_t k = 1; k <= n; ++k) {
        const Punkt& p = s.Punkte[k];
        const float v[] = {p.X, p.Y, p.Z};
        for (size_t a = 0; a < 3; ++a) {
            if (v[a] < unten[a]) unten[a] = v[a];
            if (v[a] > oben[a]) oben[a] = v[a];
        }
    }
    std::vector<int16_t> wie(m.punkte.size(), 0);
    bool einer = false;
    for (size_t i = 0; i < m.punkte.size() && n > 0; ++i) {
        const auto& p = m.punkte[i];
        if (!(p[0] >= unten[0] && p[0] <= oben[0] && p[1] >= unten[1] && p[1] <= oben[1] &&
              p[2] >= unten[2] && p[2] <= oben[2]))
            continue;
        wie[i] = punkte[platz(p[0], p[1], p[2])];
        einer |= wie[i] != 0;
    }
    if (!einer) {
        kanten = m.kanten;
        return;
    }
    for (const auto& k : m.kanten) {
        const int16_t a = wie[k[0]], b = wie[k[1]];
        if (a == 0 || b == 0 || erster[stelle(schluessel(a, b))] == 0) kanten.push_back(k);
    }
}

void AchsenZeichnen(State& s) {
    AchseZeichnen(s, -3);
    AchseZeichnen(s, -2);
    AchseZeichnen(s, -1);
}

void AchseZeichnen(State& s, int16_t i) {
    if (i < -3 || i > -1) return;
    const float x = s.Bildpunkte[i].X;
    const float y = s.Bildpunkte[i].Y;
    const float h = s.Buchstabengroesse;
    Linie(s, x, y, -x, -y, Rot);
    Linie(s, x, y, x - x / 10 - y / 30, y + x / 30 - y / 10, Rot);
    Linie(s, x, y, x - x / 10 + y / 30, y - x / 30 - y / 10, Rot);

    const float x0 = x + x / 30;
    const float y0 = y + y / 30;
    Linie(s, x0, y0, x0 + h, y0 + h, Rot);
    switch (i) {
        case -3:  // X
            Linie(s, x0, y0 + h, x0 + h, y0, Rot);
            break;
        case -2:  // Y
            Linie(s, x0 + h / 2, y0 + h / 2, x0, y0 + h, Rot);
            break;
        default:  // Z
            Linie(s, x0 + h, y0 + h, x0, y0 + h, Rot);
            Linie(s, x0, y0, x0 + h, y0, Rot);
            break;
    }
}

namespace {

// Whether the objects' outlines are drawn from what they were drawn from last
// time; keeps what they are drawn from now. A count beyond its table never is.
bool GleicheEingaben(const State& s, AusgabeFenster::Objektbild& m) {
    // Each value is compared and written over in one go, without branches:
    // a drag changes every point, and all of them are kept anew.
    uint32_t anders = 0;
    const auto bild = s.Bildpunkte.bereich(PunktTabelle::unten, PunktTabelle::oben);
    anders |= m.punkte.size() != 2 * bild.size();
    m.punkte.resize(2 * bild.size());
    uint32_t* p = m.punkte.data();
    for (const Punkt& b : bild) {
        const auto x = std::bit_cast<uint32_t>(b.X), y = std::bit_cast<uint32_t>(b.Y);
        anders |= (p[0] ^ x) | (p[1] ^ y);
        p[0] = x;
        p[1] = y;
        p += 2;
    }
    bool brauchbar = true;
    size_t platz = 0;
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        if (zahl > tabelle.oben) brauchbar = false;
        const size_t je = std::is_same_v<std::decay_t<decltype(tabelle[0])>, Polygon>
                              ? MaxEcken + 2
                              : Ecken(tabelle[0]).size();
        platz += 1 + je * static_cast<size_t>(std::clamp(zahl, 0, tabelle.oben));
    });
    const size_t vorher = m.ecken.size();
    m.ecken.resize(std::max(vorher, platz));
    int16_t* e = m.ecken.data();
    auto nimm = [&](int16_t k) {
        anders |= static_cast<uint16_t>(*e ^ k);
        *e++ = k;
    };
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        nimm(static_cast<int16_t>(zahl));
        for (const auto& o : tabelle.bereich(1, std::min(zahl, tabelle.oben))) {
            if constexpr (std::is_same_v<std::decay_t<decltype(o)>, Polygon>) {
                nimm(o.P[0]);
                nimm(o.P[1]);  // drawn even when the count says none
            }
            for (int16_t k : Ecken(o)) nimm(k);
        }
    });
    const auto genommen = static_cast<size_t>(e - m.ecken.data());
    anders |= genommen != vorher;
    m.ecken.resize(genommen);
    return anders == 0 && brauchbar;
}

}  // namespace

void ObjekteZeichnen(State& s) {
    AusgabeFenster& a = s.Ausgabe;
    AusgabeFenster::Objektbild& m = a.objekte;
    const bool gleich = GleicheEingaben(s, m);
    if (gleich && m.gemerkt) {
        ZeichnungAbgeben(s);
        if (!m.befehle.empty()) s.host.zeichne(m.befehle);
        a.CurrentX = m.endeX;
        a.CurrentY = m.endeY;
        return;
    }
    // Outlines that change with every redraw, as in a drag, are not kept;
    // the second redraw of the same ones is.
    m.gemerkt = false;
    if (gleich) {
        ZeichnungAbgeben(s);
        m.befehle.clear();
        m.mitschreiben = true;
    }
    struct Ende {
        bool& mitschreiben;
        ~Ende() { mitschreiben = false; }
    } ende{m.mitschreiben};
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i) Objektzeichnen(s, tabelle[i], Blau);
    });
    if (gleich) {
        ZeichnungAbgeben(s);
        m.gemerkt = true;
        m.endeX = a.CurrentX;
        m.endeY = a.CurrentY;
    }
}

namespace {

size_t zeilenZahl(const State& s) {
    return static_cast<size_t>(std::max(s.TextList.anzahl(), 0));
}

// The whole model's marked faces in green and its marked points' boxes, at
// every copy, but for the first clump's rows: it draws those itself.
void GanzesAuswahlZeichnen(State& s, bool punkte) {
    const GanzesModell& m = s.Ganzes;
    const auto& bild = s.Ausgabe.modellBild;
    const auto& zeilen = punkte ? s.GanzesPunktZeile : s.GanzesFlaechenZeile;
    if (!GanzesMarkierbar(s) || bild.size() != m.punkte.size() ||
        zeilen.size() != (punkte ? m.punkte.size() : m.flaechen()))
        return;
    auto markiert = [&](int32_t z) { return z < s.TextList.anzahl() && s.TextList.haken(z); };
    // A turn or a zoom mostly has none of them marked: a look at each row
    // spares the walk over a million points or faces.
    const auto& welche = punkte ? s.GanzesPunkte : s.GanzesFlaechen;
    const uint8_t art = punkte ? State::GanzPunkt : State::GanzFlaeche;
    bool eine = false;
    const size_t n = welche.empty() ? 0 : std::min(s.ZeilenArt.size(), zeilenZahl(s));
    for (size_t z = 0; z < n && !eine; ++z)
        eine = (s.ZeilenArt[z] & (art | State::ErsterClump)) == art &&
               s.TextList.haken(static_cast<int>(z));
    if (!eine) return;
    if (!punkte) {
        for (const uint32_t f : s.GanzesFlaechen) {
            if (!markiert(zeilen[f])) continue;
            const uint32_t a = m.anfang[f], e = m.anfang[f + 1];
            for (uint32_t i = a; i < e; ++i) {
                const auto& p = bild[m.ecken[i]];
                const auto& q = bild[m.ecken[i + 1 < e ? i + 1 : a]];
                Linie(s, p[0], p[1], q[0], q[1], Gruen);
            }
        }
        return;
    }
    const float f = s.Fangweite;
    for (const uint32_t i : s.GanzesPunkte) {
        if (!markiert(zeilen[i])) continue;
        const float x = bild[i][0], y = bild[i][1];
        Ablegen(s, Zeichenbefehl::Rechteck, Cyan, x - f, y - f, x + f, y + f);
        s.Ausgabe.CurrentX = x + f;
        s.Ausgabe.CurrentY = y + f;
    }
}

}  // namespace

void AuswahlZeichnen(State& s) {
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i)
            if (Markiert(s, tabelle[i].Zeile)) Objektzeichnen(s, tabelle[i], Gruen);
    });
    GanzesAuswahlZeichnen(s, false);

    const float f = s.Fangweite;
    for (int k = 1; k <= s.PunktZahl; ++k) {
        const Punkt& b = s.Bildpunkte[k];
        if (!Markiert(s, b.Zeile)) continue;
        Ablegen(s, Zeichenbefehl::Rechteck, Cyan, b.X - f, b.Y - f, b.X + f, b.Y + f);
        s.Ausgabe.CurrentX = b.X + f;
        s.Ausgabe.CurrentY = b.Y + f;
    }
    GanzesAuswahlZeichnen(s, true);

    const Punkt& ursprung = s.Bildpunkte[0];
    Ablegen(s, Zeichenbefehl::Kreis, Gruen, ursprung.X, ursprung.Y, std::fabs(f), 0);
    s.Ausgabe.CurrentX = ursprung.X;
    s.Ausgabe.CurrentY = ursprung.Y;
}

float Ausmass(const State& s) {
    if (!s.Menu.GanzesModell || s.Ganzes.punkte.empty()) return s.MaxBetrag;
    return std::max(s.MaxBetrag, s.Ganzes.betrag());
}

void AchsenSetzen(State& s) {
    const float m = Ausmass(s);
    const Punkt achsen[] = {Vektor(m, 0, 0), Vektor(0, m, 0), Vektor(0, 0, m)};
    for (int i = -3; i <= -1; ++i) {
        s.Punkte.setzen(i, achsen[i + 3]);
        s.Bildpunkte.setzen(i, achsen[i + 3]);
    }
}

bool Ausdehnung(const State& s, double lupenfaktor, float& breite, float& hoehe,
                float& verhaeltnis) {
    const Fenstermass mass = s.host.ausgabeMass();
    // A minimised window has no room to fit into.
    if (mass.Height <= 700 || !(mass.Width > 0)) return false;
    verhaeltnis = mass.Height / mass.Width;
    const double e = 2.0 * Ausmass(s) * lupenfaktor;
    if (verhaeltnis > 1) {
        breite = static_cast<float>(e);
        hoehe = static_cast<float>(-e * verhaeltnis);
    } else {
        breite = static_cast<float>(e / verhaeltnis);
        hoehe = static_cast<float>(-e);
    }
    // A zero or overflowing extent cannot be a coordinate system: keep the old one.
    return breite != 0 && hoehe != 0 && std::isfinite(breite) && std::isfinite(hoehe);
}

void FangweiteSetzen(State& s, float verhaeltnis) {
    const AusgabeFenster& a = s.Ausgabe;
    s.Fangweite = (verhaeltnis > 1 ? a.ScaleWidth : -a.ScaleHeight) / 120;
    s.Buchstabengroesse = 3 * s.Fangweite;
}

void Einpassen(State& s) {
    float breite, hoehe, verhaeltnis;
    if (!Ausdehnung(s, s.Lupenfaktor, breite, hoehe, verhaeltnis)) return;
    AusgabeFenster& a = s.Ausgabe;
    a.ScaleWidth = breite;
    a.ScaleHeight = hoehe;
    FangweiteSetzen(s, verhaeltnis);
    a.ScaleLeft = -a.ScaleWidth / 2;
    a.ScaleTop = -a.ScaleHeight / 2;
}

}  // namespace nuk
