#include "model/Text.h"

namespace nuk {

std::string Latin1ZuUtf8(std::string_view latin1) {
    std::string r;
    r.reserve(latin1.size() + latin1.size() / 8);
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            r.push_back(static_cast<char>(c));
        } else {
            r.push_back(static_cast<char>(0xC0 | (c >> 6)));
            r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return r;
}

}  // namespace nuk
