#include "rwx/ItemLeser.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace nuk {

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

std::string_view OhneBom(std::string_view daten) {
    return daten.starts_with(Bom) ? daten.substr(Bom.size()) : daten;
}

}  // namespace nuk
