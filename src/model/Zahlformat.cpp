#include "model/Zahlformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace nuk {

namespace {

// A float's exact value rounded to 7 significant digits: the digits without
// trailing zeros, and the decimal exponent of the first.
struct Ziffern {
    char z[10];
    int anzahl = 0;
    int exponent = 0;
};

// Reads "d.ddde+XX" as to_chars writes it in scientific form.
Ziffern zerlegen(const char* anfang, const char* ende) {
    Ziffern d;
    const char* p = anfang;
    for (; p < ende && *p != 'e'; ++p)
        if (*p != '.') d.z[d.anzahl++] = *p;
    while (d.anzahl > 1 && d.z[d.anzahl - 1] == '0') --d.anzahl;
    if (p < ende && *++p == '+') ++p;  // from_chars takes "-" but not "+"
    std::from_chars(p, ende, d.exponent);
    return d;
}

// The quick way: the exact value times a power of ten, in double precision,
// is off by far less than 1E-06 from the true product below 1E+07; only when
// it lies that near a half does the rounding need the exact digits.
bool schnell(double x, Ziffern& d) {
    static constexpr double zehn[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    int e = static_cast<int>(std::floor(std::log10(x)));
    for (int versuch = 0; versuch < 3; ++versuch) {
        const int k = 6 - e;
        if (k < -22 || k > 22) return false;
        const double s = k >= 0 ? x * zehn[k] : x / zehn[-k];
        if (s >= 1e7) {
            ++e;
            continue;
        }
        if (s < 1e6) {
            --e;
            continue;
        }
        const double unten = std::floor(s);
        if (std::fabs(s - unten - 0.5) < 1e-6) return false;
        auto n = static_cast<uint32_t>(unten) + (s - unten > 0.5 ? 1u : 0u);
        if (n == 10000000) {
            n = 1000000;
            ++e;
        }
        for (int i = 6; i >= 0; --i, n /= 10) d.z[i] = static_cast<char>('0' + n % 10);
        d.anzahl = 7;
        while (d.anzahl > 1 && d.z[d.anzahl - 1] == '0') --d.anzahl;
        d.exponent = e;
        return true;
    }
    return false;
}

Ziffern siebenZiffern(float betrag) {
    Ziffern d;
    if (schnell(betrag, d)) return d;
    char buf[32];
    const auto genau =
        std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific, 6);
    return zerlegen(buf, genau.ptr);
}

}  // namespace

std::string S(float v) {
    if (v == 0.0f) return " 0";  // -0 too
    if (!std::isfinite(v)) return v > 0 ? " inf" : (v < 0 ? "-inf" : " nan");
    const Ziffern d = siebenZiffern(std::fabs(v));
    std::string r(1, v < 0 ? '-' : ' ');
    const std::string_view z(d.z, static_cast<size_t>(d.anzahl));
    const int e = d.exponent;
    if (e < -4 || e >= 7) {
        // 1.234568E+07: at least two exponent digits.
        r += z[0];
        if (z.size() > 1) r.append(".").append(z.substr(1));
        r += e < 0 ? "E-" : "E+";
        const int betrag = std::abs(e);
        if (betrag < 10) r += '0';
        r += std::to_string(betrag);
    } else if (e >= 0) {
        const auto ganz = static_cast<size_t>(e) + 1;
        r.append(z.substr(0, ganz));
        if (z.size() < ganz) r.append(ganz - z.size(), '0');
        if (z.size() > ganz) r.append(".").append(z.substr(ganz));
    } else {
        // No zero before the point: .5, .0001
        r.append(".").append(static_cast<size_t>(-e - 1), '0').append(z);
    }
    return r;
}

std::string S(int v) {
    char buf[16];
    buf[0] = ' ';
    auto [ende, ec] = std::to_chars(buf + 1, buf + sizeof buf, v);
    (void)ec;
    return std::string(v < 0 ? buf + 1 : buf, ende);
}

}  // namespace nuk
