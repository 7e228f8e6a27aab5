#include "view/Zeichnen.h"

#include <algorithm>
#include <cmath>

namespace nuk {

namespace {

// Large enough that a redraw of the biggest model goes out in a few calls.
constexpr size_t Stapel = 8192;

void Ablegen(State& s, const Zeichenbefehl& b) {
    auto& puffer = s.Ausgabe.puffer;
    if (puffer.capacity() < Stapel) puffer.reserve(Stapel);
    puffer.push_back(b);
    if (puffer.size() == Stapel) ZeichnungAbgeben(s);
}

// Line (x1, y1)-(x2, y2): ends at the current position.
void Linie(State& s, float x1, float y1, float x2, float y2, Farbe f) {
    Ablegen(s, {Zeichenbefehl::Linie, f, x1, y1, x2, y2});
    s.Ausgabe.CurrentX = x2;
    s.Ausgabe.CurrentY = y2;
}

// Line -(x, y): from the current position.
void LinieNach(State& s, float x, float y, Farbe f) {
    Linie(s, s.Ausgabe.CurrentX, s.Ausgabe.CurrentY, x, y, f);
}

void Punktsetzen(State& s, float x, float y, Farbe f) {
    Ablegen(s, {Zeichenbefehl::Punkt, f, x, y, 0, 0});
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
void Umriss(State& s, const std::array<int16_t, N>& ecken, Farbe f) {
    float x[N] = {}, y[N] = {};
    bool da[N];
    for (size_t j = 0; j < N; ++j) da[j] = Ecke(s.Bildpunkte, ecken[j], x[j], y[j]);
    for (size_t j = 0; j < N; ++j) {
        const size_t k = (j + 1) % N;
        if (da[j] && da[k]) Linie(s, x[j], y[j], x[k], y[k], f);
    }
}

void Dreieckzeichnen(State& s, const Dreieck& d, Farbe f) {
    Umriss<3>(s, {d.P1, d.P2, d.P3}, f);
}

void Viereckzeichnen(State& s, const Viereck& v, Farbe f) {
    Umriss<4>(s, {v.P1, v.P2, v.P3, v.P4}, f);
}

// A dot at the first corner, a line on to each further corner, and back to the
// first. With fewer than two corners that is the dot and a line of no length.
void Polygonzeichnen(State& s, const Polygon& p, Farbe f) {
    const int n = Eckenzahl(p);
    float x0 = 0, y0 = 0;
    const bool erste = Ecke(s.Bildpunkte, p.P[1], x0, y0);
    if (erste) Punktsetzen(s, x0, y0, f);
    bool vorige = erste;
    for (int j = 2; j <= n; ++j) {
        float x = 0, y = 0;
        const bool da = Ecke(s.Bildpunkte, p.P[static_cast<size_t>(j)], x, y);
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
    puffer.clear();
}

void NeuZeichnen(State& s) {
    BildLoeschen(s);
    AchsenZeichnen(s);
    ObjekteZeichnen(s);
    AuswahlZeichnen(s);
    ZeichnungAbgeben(s);
}

void BildLoeschen(State& s) {
    // Whatever was queued is covered by the clear anyway.
    s.Ausgabe.puffer.clear();
    Ablegen(s, {Zeichenbefehl::Loeschen, Schwarz, 0, 0, 0, 0});
    s.Ausgabe.CurrentX = 0;
    s.Ausgabe.CurrentY = 0;
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

void ObjekteZeichnen(State& s) {
    for (int i = 1; i <= s.DreieckZahl; ++i) Dreieckzeichnen(s, s.Dreiecke[i], Blau);
    for (int i = 1; i <= s.ViereckZahl; ++i) Viereckzeichnen(s, s.Vierecke[i], Blau);
    for (int i = 1; i <= s.PolygonZahl; ++i) Polygonzeichnen(s, s.Polygone[i], Blau);
}

void AuswahlZeichnen(State& s) {
    for (int i = 1; i <= s.DreieckZahl; ++i) {
        const Dreieck& d = s.Dreiecke[i];
        if (Markiert(s, d.Zeile)) Dreieckzeichnen(s, d, Gruen);
    }
    for (int i = 1; i <= s.ViereckZahl; ++i) {
        const Viereck& v = s.Vierecke[i];
        if (Markiert(s, v.Zeile)) Viereckzeichnen(s, v, Gruen);
    }
    for (int i = 1; i <= s.PolygonZahl; ++i) {
        const Polygon& p = s.Polygone[i];
        if (Markiert(s, p.Zeile)) Polygonzeichnen(s, p, Gruen);
    }

    const float f = s.Fangweite;
    for (int k = 1; k <= s.PunktZahl; ++k) {
        const Punkt& b = s.Bildpunkte[k];
        if (!Markiert(s, b.Zeile)) continue;
        Ablegen(s, {Zeichenbefehl::Rechteck, Cyan, b.X - f, b.Y - f, b.X + f, b.Y + f});
        s.Ausgabe.CurrentX = b.X + f;
        s.Ausgabe.CurrentY = b.Y + f;
    }

    const Punkt& ursprung = s.Bildpunkte[0];
    Ablegen(s, {Zeichenbefehl::Kreis, Gruen, ursprung.X, ursprung.Y, std::fabs(f), 0});
    s.Ausgabe.CurrentX = ursprung.X;
    s.Ausgabe.CurrentY = ursprung.Y;
}

}  // namespace nuk
