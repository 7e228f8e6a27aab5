#include "rwx/RwxToNuk.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "model/Anfang.h"
#include "model/Datei.h"
#include "model/Zahlformat.h"

namespace nuk {

namespace {

// The scan itself: the word as it stands in the text, before A..Z are lowered.
template <class PosT>
std::string_view wortRoh(std::string_view text, PosT& pos) {
    // Every step advances pos by one; the last position it may step from is the
    // type's maximum, so the scan fails once it would end beyond that.
    constexpr int64_t grenze = std::numeric_limits<PosT>::max();
    const int64_t laenge = static_cast<int64_t>(text.size());
    auto zeichen = [&](int64_t stelle) {  // 1-based
        return static_cast<unsigned char>(text[static_cast<size_t>(stelle - 1)]);
    };
    int64_t p = pos;
    // Skip phase: the character at the incoming pos counts as consumed.
    do {
        if (p >= grenze) throw Fehlschlag("Scannerposition über 32767");
        ++p;
        if (p > laenge) {
            pos = static_cast<PosT>(p);
            return {};
        }
    } while (zeichen(p) <= ' ');
    int64_t q = p;
    while (q <= laenge && q <= grenze) {
        const unsigned char c = zeichen(q);
        if (c <= ' ' || c == '#') break;
        ++q;
    }
    if (q > grenze) throw Fehlschlag("Scannerposition über 32767");
    pos = static_cast<PosT>(q);
    return text.substr(static_cast<size_t>(p - 1), static_cast<size_t>(q - p));
}

char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

template <class PosT>
void naechstesWort(std::string_view text, PosT& pos, std::string& wort) {
    wort.assign(wortRoh(text, pos));
    for (char& c : wort) c = klein(c);
}

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

int ziffernwert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// The digits' exact value, rounded once: the leading 60-odd bits are kept,
// later digits only raise the exponent, and any of them that is not zero
// sticks to the lowest bit, far below where the rounding happens.
double ganzzahlWert(std::string_view ziffern, int basis) {
    const int bits = basis == 16 ? 4 : 3;
    uint64_t v = 0;
    int64_t exponent = 0;
    bool rest = false;
    for (char c : ziffern) {
        const int z = ziffernwert(c);
        if (z >= basis) break;
        if (v >> (64 - bits) == 0) {
            v = (v << bits) | static_cast<uint64_t>(z);
        } else {
            exponent += bits;
            rest = rest || z != 0;
        }
    }
    if (rest) v |= 1;
    const double d =
        std::ldexp(static_cast<double>(v), static_cast<int>(std::min<int64_t>(exponent, 100000)));
    if (!std::isfinite(d)) throw Fehlschlag("Zahl zu groß");
    return d;
}

}  // namespace

void NaechstesWort(std::string_view text, int16_t& pos, std::string& wort) {
    naechstesWort(text, pos, wort);
}

std::string NaechstesWort(std::string_view text, int16_t& pos) {
    std::string wort;
    naechstesWort(text, pos, wort);
    return wort;
}

void NaechstesWort(std::string_view text, int64_t& pos, std::string& wort) {
    naechstesWort(text, pos, wort);
}

bool IstWort(std::string_view roh, std::string_view w) {
    if (roh.size() != w.size()) return false;
    for (size_t i = 0; i < roh.size(); ++i)
        if (klein(roh[i]) != w[i]) return false;
    return true;
}

std::string Klein(std::string_view roh) {
    std::string wort(roh);
    for (char& c : wort) c = klein(c);
    return wort;
}

std::string_view BefehlswortRoh(std::string_view zeile, int64_t* pos) {
    int64_t p = MarkerPosition(zeile);
    const std::string_view wort = wortRoh(zeile, p);
    if (pos) *pos = p;
    return wort;
}

std::string Befehlswort(std::string_view zeile, int64_t* pos) {
    return Klein(BefehlswortRoh(zeile, pos));
}

double Wert(std::string_view w) {
    if (w.size() >= 2 && w[0] == '&') {
        if (w[1] == 'h' || w[1] == 'H') return ganzzahlWert(w.substr(2), 16);
        if (w[1] == 'o' || w[1] == 'O') return ganzzahlWert(w.substr(2), 8);
        return 0;
    }
    size_t i = 0;
    const size_t n = w.size();
    bool negativ = false;
    if (i < n && (w[i] == '+' || w[i] == '-')) negativ = w[i++] == '-';
    // The digits, gathered on the way while they fit a double exactly.
    constexpr uint64_t exakt = uint64_t{1} << 53;
    uint64_t mantisse = 0;
    bool passt = true;
    const size_t ganzAnfang = i;
    for (; i < n && istZiffer(w[i]); ++i) {
        mantisse = mantisse * 10 + static_cast<uint64_t>(w[i] - '0');
        passt = passt && mantisse < exakt;
    }
    const size_t ganzEnde = i;
    size_t bruchAnfang = i, bruchEnde = i;
    if (i < n && w[i] == '.') {
        bruchAnfang = ++i;
        for (; i < n && istZiffer(w[i]); ++i) {
            mantisse = mantisse * 10 + static_cast<uint64_t>(w[i] - '0');
            passt = passt && mantisse < exakt;
        }
        bruchEnde = i;
    }
    if (ganzEnde == ganzAnfang && bruchEnde == bruchAnfang) return 0;
    const size_t mantisseEnde = i;
    size_t ende = mantisseEnde;
    int64_t exponent = 0;
    if (i < n && (w[i] == 'e' || w[i] == 'd' || w[i] == 'E' || w[i] == 'D')) {
        size_t j = i + 1;
        bool expNegativ = false;
        if (j < n && (w[j] == '+' || w[j] == '-')) expNegativ = w[j++] == '-';
        if (j < n && istZiffer(w[j])) {
            for (; j < n && istZiffer(w[j]); ++j)
                if (exponent < 1000000) exponent = exponent * 10 + (w[j] - '0');
            if (expNegativ) exponent = -exponent;
            ende = j;
        }
    }
    // Exact digits divided by an exact power of ten round correctly in one step.
    const size_t nachkomma = bruchEnde - bruchAnfang;
    if (ende == mantisseEnde && passt && nachkomma <= 22) {
        static constexpr double zehnHoch[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double v = static_cast<double>(mantisse);
        if (nachkomma > 0) v /= zehnHoch[nachkomma];
        return negativ ? -v : v;
    }
    // from_chars takes neither "+" nor "d"; hand it the number in its own form.
    std::string zahl;
    zahl.reserve(ende - ganzAnfang + 2);
    if (negativ) zahl.push_back('-');
    zahl.append(w.substr(ganzAnfang, mantisseEnde - ganzAnfang));
    if (ende > mantisseEnde) {
        zahl.push_back('e');
        zahl.append(w.substr(mantisseEnde + 1, ende - mantisseEnde - 1));
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), v);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small: the decimal exponent of the first non-zero
        // digit tells which; a value too small is 0.
        int64_t stelle = 0;
        bool gefunden = false;
        for (size_t k = ganzAnfang; k < ganzEnde && !gefunden; ++k)
            if (w[k] != '0') {
                stelle = static_cast<int64_t>(ganzEnde - k) - 1;
                gefunden = true;
            }
        for (size_t k = bruchAnfang; k < bruchEnde && !gefunden; ++k)
            if (w[k] != '0') {
                stelle = -static_cast<int64_t>(k - bruchAnfang) - 1;
                gefunden = true;
            }
        if (gefunden && stelle + exponent > 0) throw Fehlschlag("Zahl zu groß");
        return negativ ? -0.0 : 0.0;
    }
    if (ec != std::errc()) return 0;
    return v;
}

float AlsSingle(double v) {
    // Too large is what rounds to infinity: halfway between FLT_MAX and the next
    // power of two already does.
    const double grenze = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    if (!(std::fabs(v) < grenze)) throw Fehlschlag("Zahl zu groß für Single");
    return std::fabs(v) > FLT_MAX ? std::copysign(FLT_MAX, v) : static_cast<float>(v);
}

int16_t AlsInteger(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0)) throw Fehlschlag("Zahl zu groß für Integer");
    return static_cast<int16_t>(r);
}

bool ItemLeser::weiter() {
    while (pos_ < d_.size() && (d_[pos_] == ' ' || d_[pos_] == '\t')) ++pos_;
    return pos_ < d_.size();
}

void ItemLeser::zeilenendeUeberspringen() {
    if (d_[pos_] == '\r' && pos_ + 1 < d_.size() && d_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++zeile_;
}

namespace {

// The first place from pos on that holds one of the delimiters (all of them, or
// only the line ends and the quotation mark), or the end.
template <bool MitKomma>
size_t naechsterTrenner(std::string_view d, size_t pos) {
    const size_t n = d.size();
#ifdef __SSE2__
    // Lines are short but many: sixteen bytes a step pays off.
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), quote = _mm_set1_epi8('"');
    const __m128i komma = _mm_set1_epi8(MitKomma ? ',' : '\n');
    for (; pos + 16 <= n; pos += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d.data() + pos));
        const __m128i treffer =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, komma)));
        if (const int maske = _mm_movemask_epi8(treffer))
            return pos + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(maske)));
    }
#endif
    for (; pos < n; ++pos) {
        const char c = d[pos];
        if (c == '\r' || c == '\n' || c == '"' || (MitKomma && c == ',')) break;
    }
    return pos;
}

}  // namespace

void ItemLeser::lesen(std::string& ergebnis) {
    ergebnis.clear();
    const size_t n = d_.size();
    if (pos_ < n && d_[pos_] == '"') {
        const size_t anfang = ++pos_;
        pos_ = naechsterTrenner<false>(d_, pos_);
        ergebnis.append(d_.substr(anfang, pos_ - anfang));
        if (pos_ == n) return;
        if (d_[pos_] != '"') {
            zeilenendeUeberspringen();
            return;
        }
        ++pos_;  // the closing mark; what follows up to the delimiter belongs to the item
    }
    for (;;) {
        const size_t anfang = pos_;
        pos_ = naechsterTrenner<true>(d_, pos_);
        ergebnis.append(d_.substr(anfang, pos_ - anfang));
        if (pos_ == n) return;
        switch (d_[pos_]) {
            case '"':  // dropped
                ++pos_;
                break;
            case ',':
                ++pos_;
                return;
            default:
                zeilenendeUeberspringen();
                return;
        }
    }
}

std::vector<std::string> ItemsLesen(std::string_view daten) {
    std::vector<std::string> items;
    ItemLeser leser(daten);
    std::string item;
    while (leser.weiter()) {
        leser.lesen(item);
        items.push_back(item);
    }
    return items;
}

namespace {

// The value of the next word, as a float32 coordinate or a 16-bit number. Wert
// folds cases itself, so the word is taken as it stands.
float naechsteSingle(std::string_view text, int16_t& pos) {
    return AlsSingle(Wert(wortRoh(text, pos)));
}

int16_t naechsterInteger(std::string_view text, int16_t& pos) {
    return AlsInteger(Wert(wortRoh(text, pos)));
}

// The message of a full table: was is "10000 Punkte" and the like.
void grenzeMelden(State& s, const char* was, const char* titel) {
    Melden(s, std::string("Der 1.Clump enthält fast ") + was + "\nDas paßt mir aber garnicht",
           titel);
}

}  // namespace

Punkt VertexLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.PunktZahl <= 9998) {
        Punkt p;
        float* felder[] = {&p.X, &p.Y, &p.Z};
        for (float* f : felder) {
            *f = naechsteSingle(text, pos);
            if (std::fabs(*f) > s.MaxBetrag) s.MaxBetrag = std::fabs(*f);
        }
        p.Zeile = zeile;
        p.Markiert = 0;
        return p;
    }
    grenzeMelden(s, "10000 Punkte", "vertex 1000");
    s.PunktZahl = 9900;
    return Punkt{};
}

Dreieck DreieckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.DreieckZahl <= 9998) {
        Dreieck d;
        d.P1 = naechsterInteger(text, pos);
        d.P2 = naechsterInteger(text, pos);
        d.P3 = naechsterInteger(text, pos);
        d.Zeile = zeile;
        return d;
    }
    grenzeMelden(s, "10000 Dreiecke", "Dreieck 1000");
    s.DreieckZahl = 9900;
    return Dreieck{};
}

Viereck ViereckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.ViereckZahl <= 9998) {
        Viereck v;
        v.P1 = naechsterInteger(text, pos);
        v.P2 = naechsterInteger(text, pos);
        v.P3 = naechsterInteger(text, pos);
        v.P4 = naechsterInteger(text, pos);
        v.Zeile = zeile;
        return v;
    }
    grenzeMelden(s, "10000 Vierecke", "quad 1000");
    s.ViereckZahl = 9900;
    return Viereck{};
}

Polygon PolygonLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.PolygonZahl <= 998) {
        Polygon p;
        int16_t n = naechsterInteger(text, pos);
        if (n > MaxEcken) n = MaxEcken;
        p.P[0] = n;
        for (int i = 1; i <= n; ++i) p.P[static_cast<size_t>(i)] = naechsterInteger(text, pos);
        p.Zeile = zeile;
        return p;
    }
    grenzeMelden(s, "1000 Polygone", "Polygon 1000");
    s.PolygonZahl = 998;
    return Polygon{};
}

void ClumpBeginMerken(State& s, std::string& kennung, int16_t& Zustand) {
    Zustand = 2;
    kennung = "Begin:";
    Punkt p0 = s.Punkte[0];
    p0.Zeile = static_cast<int16_t>(s.TextList.anzahl());
    s.Punkte.setzen(0, p0);
}

void ClumpEndMerken(std::string& kennung, int16_t& Zustand) {
    Zustand = 3;
    kennung = "End:";
}

namespace {

// Raises the count, reads the record and stores it at the raised count (which
// the reader may have pulled back to its fall-back value). A record that fails
// leaves the count as it was.
template <class Tab, class Lesen>
void datensatzLesen(int16_t& zahl, Tab& tabelle, Lesen lesen) {
    const int16_t vorher = zahl;
    ++zahl;
    try {
        const auto satz = lesen();
        tabelle.setzen(zahl, satz);
    } catch (...) {
        zahl = vorher;
        throw;
    }
}

}  // namespace

void ZeileLesen(State& s, ItemLeser& datei, int16_t& Zustand) {
    std::string kennung = Zustand == 2 ? ":" : "";
    std::string& text = datei.item;
    datei.lesen(text);
    int16_t pos = 0;
    const std::string_view wort = wortRoh(std::string_view(text), pos);
    const auto zeile = static_cast<int16_t>(s.TextList.anzahl());

    if (IstWort(wort, "modelbegin")) {
        if (Zustand == 0)
            Zustand = 1;
        else if (Zustand == 2)
            Melden(s, "ClumpEnd fehlt");
        else
            Melden(s, "2 x ModelBegin", "???");
    } else if (IstWort(wort, "clumpbegin")) {
        if (Zustand == 0) {
            Melden(s, "ClumpBegin vor ModelBegin", "???");
            ClumpBeginMerken(s, kennung, Zustand);
        } else if (Zustand == 1) {
            ClumpBeginMerken(s, kennung, Zustand);
        } else if (Zustand == 2) {
            Melden(s, "Programm works with only one Clump");
            ClumpEndMerken(kennung, Zustand);
        }
    } else if (IstWort(wort, "clumpend")) {
        if (Zustand == 0 || Zustand == 1)
            Melden(s, "ClumpEnd zu früh");
        else if (Zustand == 2)
            ClumpEndMerken(kennung, Zustand);
    } else if (Zustand == 2) {
        if (IstWort(wort, "vertex")) {
            Punkt gelesen;
            datensatzLesen(s.PunktZahl, s.Punkte, [&] {
                gelesen = VertexLesen(s, text, pos, zeile);
                return gelesen;
            });
            s.Bildpunkte.setzen(s.PunktZahl, gelesen);
            kennung = S(static_cast<int>(s.PunktZahl)) + ":";
        } else if (IstWort(wort, "triangle")) {
            datensatzLesen(s.DreieckZahl, s.Dreiecke,
                           [&] { return DreieckLesen(s, text, pos, zeile); });
        } else if (IstWort(wort, "quad")) {
            datensatzLesen(s.ViereckZahl, s.Vierecke,
                           [&] { return ViereckLesen(s, text, pos, zeile); });
        } else if (IstWort(wort, "polygon")) {
            datensatzLesen(s.PolygonZahl, s.Polygone,
                           [&] { return PolygonLesen(s, text, pos, zeile); });
        }
    }
    s.TextList.anhaengen(ZeilenText(kennung, text));
}

std::string_view OhneBom(std::string_view daten) {
    return daten.starts_with(Bom) ? daten.substr(Bom.size()) : daten;
}

bool RwxLesenAus(State& s, std::string_view daten, std::vector<int32_t>* quellzeilen) {
    const std::string_view text = OhneBom(daten);
    s.Herkunft.bom = text.size() != daten.size();
    daten = text;
    s.MaxBetrag = -1000.0f;
    int16_t Zustand = 0;
    bool gelesen = true;
    try {
        ItemLeser datei(daten);
        // A guess at the rows, so that they are not moved while the list grows.
        s.TextList.reservieren(std::min<size_t>(Liste::MaxZeilen, daten.size() / 8 + 16));
        while (datei.weiter()) {
            if (quellzeilen) quellzeilen->push_back(datei.zeile());
            // A further item than the rows can hold ends the read before it is looked at.
            if (s.TextList.anzahl() >= Liste::MaxZeilen) throw Fehlschlag("zu viele Zeilen");
            ZeileLesen(s, datei, Zustand);
        }
    } catch (const std::exception&) {
        Melden(s, "Da stimmt was nicht");
        gelesen = false;
    }
    // Numbered after a failure too, so that row look-ups work on what was read.
    ZeilenNummerieren(s);
    return gelesen;
}

bool RwxLesen(State& s, const std::string& pfad, std::vector<int32_t>* quellzeilen) {
    std::string daten;
    if (!DateiLaden(pfad, daten)) {
        Melden(s, "Da stimmt was nicht");
        return false;
    }
    return RwxLesenAus(s, daten, quellzeilen);
}

}  // namespace nuk

namespace nuk {

void DateiOeffnen(State& s) {
    try {
        if (!DateiWaehlen(s, Dialogart::Oeffnen)) throw Fehlschlag("Dialog abgebrochen");
        Zuruecksetzen(s);
        s.Herkunft.unvollstaendig = !RwxLesen(s, s.CommonDialog1.FileName);
        NachDemLaden(s);
    } catch (const std::exception&) {
        Melden(s, "Eben nich");
    }
}

void DateiNeuLaden(State& s) {
    Zuruecksetzen(s);
    s.Herkunft.unvollstaendig = !RwxLesen(s, s.CommonDialog1.FileName);
    NachDemLaden(s);
}

}  // namespace nuk
