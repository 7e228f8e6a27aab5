#include "rwx/Wortscanner.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

#include "model/Zeilenform.h"

namespace nuk {

namespace {

char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

template <class PosT>
void naechstesWort(std::string_view text, PosT& pos, std::string& wort) {
    wort.assign(NaechstesWortRoh(text, pos));
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
    const std::string_view wort = NaechstesWortRoh(zeile, p);
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

}  // namespace nuk
