#include "model/Text.h"

#include <atomic>

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

std::string Utf8ZuLatin1(std::string_view utf8) {
    std::string r;
    r.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const size_t laenge = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        const bool ganz = i + laenge <= utf8.size();
        if (laenge == 2 && ganz && c <= 0xC3 &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
            r.push_back(static_cast<char>((c & 0x03) << 6 | (utf8[i + 1] & 0x3F)));
        else
            r.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        i += ganz ? laenge : utf8.size() - i;
    }
    return r;
}

namespace {
std::atomic<Uebersetzer> uebersetzer{nullptr};
}

std::string Tr(const char* kontext, const char* text) {
    const Uebersetzer u = uebersetzer.load(std::memory_order_acquire);
    return u ? u(kontext, text) : std::string(text);
}

void UebersetzerSetzen(Uebersetzer u) {
    uebersetzer.store(u, std::memory_order_release);
}

std::string Einsetzen(std::string_view muster, std::initializer_list<std::string_view> werte) {
    std::string r;
    r.reserve(muster.size());
    for (size_t i = 0; i < muster.size(); ++i) {
        const char c = muster[i];
        if (c == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' && muster[i + 1] <= '9' &&
            static_cast<size_t>(muster[i + 1] - '1') < werte.size()) {
            r += werte.begin()[muster[i + 1] - '1'];
            ++i;
        } else {
            r.push_back(c);
        }
    }
    return r;
}

}  // namespace nuk
