#include "model/Zahlformat.h"

#include <charconv>

namespace nuk {

std::string S(float v) {
    if (v == 0.0f) return " 0";  // -0 too
    char buf[40];
    buf[0] = ' ';
    // %.7G: exponent form below 1E-04 and from 1E+07 on, trailing zeros dropped.
    auto [ende, ec] = std::to_chars(buf + 1, buf + sizeof buf, v, std::chars_format::general, 7);
    if (ec != std::errc()) return " 0";
    std::string r(buf[1] == '-' ? buf + 1 : buf, ende);
    for (char& c : r)
        if (c == 'e') c = 'E';
    const size_t null = r[0] == '-' ? 1 : (r[0] == ' ' ? 1 : 0);
    if (r.size() > null + 1 && r[null] == '0' && r[null + 1] == '.') r.erase(null, 1);
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
