#include "shell/Striche.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace nuk::shell {

namespace {

constexpr int64_t Eins = 65536;  // one pixel in 16.16 fixed point
constexpr uint64_t Voll = ~uint64_t{0};

// Runs below this many lines are not worth waking the second core.
constexpr size_t Teilenab = 2048;
// std::llround and std::floor without the library calls, for the range of
// pixel coordinates: a line costs only a few operations besides.
int64_t Gerundet(double v) {
    const auto t = static_cast<int64_t>(v);
    const double rest = v - static_cast<double>(t);  // exact: t is v without its fraction
    return t + (rest >= 0.5) - (rest <= -0.5);
}

int64_t Abgerundet(double v) {
    const auto t = static_cast<int64_t>(v);
    return t - (v < static_cast<double>(t));
}

#if defined(__SSE2__)
// The bytes of the steps 0..m.
constexpr uint64_t Schritte(int64_t m) {
    return m >= 7 ? Voll : (uint64_t{1} << ((m + 1) << 3)) - 1;
}

// Eight steps v, v + d, ..., v + 7d along an axis in 16.16 fixed point, as
// the scalar walk takes them (32 bits, wrapping alike): a byte each with the
// bit of the step's pixel within its tile, 1 << (pixel & 7), and a byte each
// that is FF where the step lies in the tile `kachel`.
struct Acht {
    uint64_t bits, inKachel;
};

[[gnu::always_inline]] inline Acht AchtSchritte(int32_t v, int32_t d, int32_t kachel) {
    const auto u = static_cast<uint32_t>(d);
    const __m128i lo = _mm_add_epi32(
        _mm_set1_epi32(v), _mm_set_epi32(static_cast<int32_t>(3 * u), static_cast<int32_t>(2 * u),
                                         static_cast<int32_t>(u), 0));
    const __m128i hi = _mm_add_epi32(lo, _mm_set1_epi32(static_cast<int32_t>(4 * u)));
    auto bit = [](__m128i x) {
        // 2^c through a float's exponent: SSE2 has no shift by lane.
        const __m128i c = _mm_and_si128(_mm_srai_epi32(x, 16), _mm_set1_epi32(7));
        const __m128i e = _mm_slli_epi32(_mm_add_epi32(c, _mm_set1_epi32(127)), 23);
        return _mm_cvttps_epi32(_mm_castsi128_ps(e));
    };
    auto drin = [&](__m128i x) {
        return _mm_cmpeq_epi32(_mm_srai_epi32(x, 19), _mm_set1_epi32(kachel));
    };
    const __m128i b = _mm_packs_epi32(bit(lo), bit(hi));
    const __m128i k = _mm_packs_epi32(drin(lo), drin(hi));
    return {static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_packus_epi16(b, b))),
            static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_packs_epi16(k, k)))};
}

// The 8 x 8 bits with bit 8i + j moved to 8j + i.
uint64_t Gestuerzt(uint64_t x) {
    x = (x & 0xAA55AA55AA55AA55) | ((x & 0x00AA00AA00AA00AA) << 7) |
        ((x >> 7) & 0x00AA00AA00AA00AA);
    x = (x & 0xCCCC3333CCCC3333) | ((x & 0x0000CCCC0000CCCC) << 14) |
        ((x >> 14) & 0x0000CCCC0000CCCC);
    x = (x & 0xF0F0F0F00F0F0F0F) | ((x & 0x00000000F0F0F0F0) << 28) |
        ((x >> 28) & 0x00000000F0F0F0F0);
    return x;
}
#endif

// Bit for bit: the same pixels need the same bits of every coordinate.
template <class A, class B>
bool Gleich(const A& a, const B& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

}  // namespace

bool Kappen(double& ax, double& ay, double& ex, double& ey, double links, double oben,
            double rechts, double unten) {
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(ex) || !std::isfinite(ey))
        return false;
    double t0 = 0, t1 = 1;
    const double dx = ex - ax, dy = ey - ay;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {ax - links, rechts - ax, ay - oben, unten - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double x = ax, y = ay;
    ax = x + dx * t0;
    ay = y + dy * t0;
    ex = x + dx * t1;
    ey = y + dy * t1;
    return true;
}

// The second core: it runs one half of a job while the caller runs the other
// and waits for it. Nothing else runs meanwhile, so the event loop stays one
// thread.
class Striche::Helfer {
  public:
    Helfer() : faden_([this] { laufen(); }) {}
    ~Helfer() {
        {
            std::lock_guard l(m_);
            ende_ = true;
        }
        auftrag_cv_.notify_one();
        faden_.join();
    }

    // job(0) here, job(1) on the helper; back when both are done.
    void beide(const std::function<void(int)>& job) {
        {
            std::lock_guard l(m_);
            job_ = &job;
            ++runde_;
        }
        auftrag_cv_.notify_one();
        job(0);
        std::unique_lock l(m_);
        fertig_cv_.wait(l, [&] { return erledigt_ == runde_; });
    }

  private:
    void laufen() {
        std::unique_lock l(m_);
        for (uint64_t gesehen = 0;;) {
            auftrag_cv_.wait(l, [&] { return ende_ || runde_ != gesehen; });
            if (ende_) return;
            gesehen = runde_;
            const auto* job = job_;
            l.unlock();
            (*job)(1);
            l.lock();
            erledigt_ = gesehen;
            fertig_cv_.notify_one();
        }
    }

    std::mutex m_;
    std::condition_variable auftrag_cv_, fertig_cv_;
    const std::function<void(int)>* job_ = nullptr;
    uint64_t runde_ = 0, erledigt_ = 0;
    bool ende_ = false;
    std::thread faden_;  // last: it starts on a complete object
};

Striche::Striche() = default;
Striche::~Striche() = default;

void Striche::beginnen(uint32_t farbe, const Massstab& m, const Pixelfeld& bild) {
    ohneWiederholte(frueher_, jetzt_);
    zeichnen(frueher_, bild);
    std::swap(frueher_, jetzt_);
    jetzt_.farbe = farbe;
    jetzt_.massstab = m;
}

void Striche::wachsen(std::vector<Linie>& l, size_t n) {
    if (frei_.capacity() < n) {
        l.reserve(std::max(n, 2 * l.capacity()));
        return;
    }
    frei_.assign(l.begin(), l.end());
    std::swap(l, frei_);
    frei_.clear();
}

void Striche::freigeben(std::vector<Linie>& l) {
    l.clear();
    if (l.capacity() > frei_.capacity()) std::swap(l, frei_);
}

void Striche::punkt(int64_t x, int64_t y) {
    const Massstab& m = jetzt_.massstab;
    if (x < 0 || y < 0 || x >= m.breite || y >= m.hoehe) return;
    jetzt_.punkte.push_back({x, y});
}

void Striche::zeichnen(const Pixelfeld& bild) {
    ohneWiederholte(frueher_, jetzt_);
    zeichnen(frueher_, bild);
    zeichnen(jetzt_, bild);
}

void Striche::verwerfen() {
    for (Lauf* l : {&frueher_, &jetzt_}) {
        freigeben(l->linien);
        l->punkte.clear();
    }
}

// The later run's lines and dots are sought in the earlier one in their
// order, as the marked objects follow all objects; one not found ends the
// search. A later run of a small part of the earlier one's size is not
// sought at all: it would save little drawing for a look at every line (the
// axes after a large model). Either way the picture is the same.
void Striche::ohneWiederholte(Lauf& frueher, const Lauf& spaeter) {
    if (frueher.leer() || spaeter.leer() || !(frueher.massstab == spaeter.massstab)) return;
    auto abziehen = [](auto& von, const auto& was) {
        if (was.size() * 64 < von.size()) return;
        size_t lesen = 0, schreiben = 0;
        for (const auto& l : was) {
            while (lesen < von.size() && !(von[lesen] == l)) von[schreiben++] = von[lesen++];
            if (lesen == von.size()) break;
            ++lesen;
        }
        while (lesen < von.size()) von[schreiben++] = von[lesen++];
        von.resize(schreiben);
    };
    abziehen(frueher.linien, spaeter.linien);
    abziehen(frueher.punkte, spaeter.punkte);
}

namespace {

using Strich = Striche::Strich;

// A line from (ax, ay) to (ex, ey) in pixels, cut to the picture, in fixed
// point. It steps one pixel at a time along its longer axis and takes the
// pixel nearest to it on the other, at the pixel's centre.
void Vorbereiten(double ax, double ay, double ex, double ey, double rechts, double unten,
                 Strich& s) {
    const bool innen = ax >= 0 && ax <= rechts && ex >= 0 && ex <= rechts && ay >= 0 &&
                       ay <= unten && ey >= 0 && ey <= unten;
    if (innen) {
        // What the cut leaves of a line inside, to the last bit.
        ex = ax + (ex - ax);
        ey = ay + (ey - ay);
    } else if (!Kappen(ax, ay, ex, ey, 0, 0, rechts, unten)) {
        s.rest = -1;
        return;
    }
    if (Abgerundet(ax) == Abgerundet(ex) && Abgerundet(ay) == Abgerundet(ey)) {
        // Within one pixel: that pixel, not the one its walk would reach at
        // the pixel's centre. Most lines of a large model are such.
        s = {Abgerundet(ax) * Eins + Eins / 2, Abgerundet(ay) * Eins + Eins / 2, 0, 0, 0};
        return;
    }
    // Along the longer axis u a pixel per step, from the end with the lower
    // u; across, v, the pixel nearest to the line at the pixel's centre.
    // Chosen by masks, not by branches: the lines of a model go every way,
    // and a branch would guess wrong for every other one.
    const double dx = ex - ax, dy = ey - ay;
#if defined(__SSE2__)
    const __m128d a = _mm_set_pd(ay, ax), e = _mm_set_pd(ey, ex), d = _mm_set_pd(dy, dx);
    auto auswahl = [](__m128d maske, __m128d ja, __m128d nein) {
        return _mm_or_pd(_mm_and_pd(maske, ja), _mm_andnot_pd(maske, nein));
    };
    auto getauscht = [](__m128d v) { return _mm_shuffle_pd(v, v, 1); };
    auto breit = [](__m128d v) { return _mm_unpacklo_pd(v, v); };
    const __m128d betrag = _mm_andnot_pd(_mm_set1_pd(-0.0), d);
    const __m128d flach = breit(_mm_cmpge_pd(betrag, getauscht(betrag)));
    const __m128d ua = auswahl(flach, a, getauscht(a)), ue = auswahl(flach, e, getauscht(e));
    const __m128d duv = auswahl(flach, d, getauscht(d));  // du, dv
    const __m128d zurueck = breit(_mm_cmplt_pd(duv, _mm_setzero_pd()));
    const __m128d anfang = auswahl(zurueck, ue, ua), ende = auswahl(zurueck, ua, ue);
    const double u0 = _mm_cvtsd_f64(anfang), v0 = _mm_cvtsd_f64(getauscht(anfang));
    const double u1 = _mm_cvtsd_f64(ende);
    // 0 / 0 only for a dot, whose slope is 0.
    const __m128d quotient = _mm_div_sd(getauscht(duv), duv);
    const double steigung =
        _mm_cvtsd_f64(_mm_and_pd(_mm_cmpneq_sd(duv, _mm_setzero_pd()), quotient));
    const int64_t istFlach = -static_cast<int64_t>(_mm_movemask_pd(flach) & 1);
#else
    const bool f = std::fabs(dx) >= std::fabs(dy);
    const double du = f ? dx : dy, dv = f ? dy : dx;
    const bool z = du < 0;
    const double ua = f ? ax : ay, ue = f ? ex : ey;
    const double u0 = z ? ue : ua, u1 = z ? ua : ue;
    const double v0 = f ? (z ? ey : ay) : (z ? ex : ax);
    const double steigung = du != 0 ? dv / du : 0;
    const int64_t istFlach = -static_cast<int64_t>(f);
#endif
    const int64_t k0 = Abgerundet(u0), k1 = Abgerundet(u1);
    const int64_t laengs = k0 * Eins + Eins / 2;
    const int64_t quer = Gerundet((v0 + (static_cast<double>(k0) + 0.5 - u0) * steigung) * Eins);
    const int64_t schritt = Gerundet(steigung * Eins);
    auto wahl = [](int64_t maske, int64_t ja, int64_t nein) {
        return (ja & maske) | (nein & ~maske);
    };
    const int64_t rest = k1 - k0;
    const int64_t x = wahl(istFlach, laengs, quer), y = wahl(istFlach, quer, laengs);
    const int64_t sx = wahl(istFlach, Eins, schritt), sy = wahl(istFlach, schritt, Eins);
    // Walked from its other end when it runs up; the pixels are the same.
    // Field by field: a whole one read back right after would stall.
    const int64_t hoch = sy >> 63;
    s.x = wahl(hoch, x + rest * sx, x);
    s.y = wahl(hoch, y + rest * sy, y);
    s.dx = wahl(hoch, -sx, sx);
    s.dy = wahl(hoch, -sy, sy);
    s.rest = rest;
}

#if defined(__SSE2__)
// Two lines as Vorbereiten prepares each, one in each lane: the same
// operations of the same precision give the same bits. Coordinates and
// steps in 16.16 stay below 2^31 in a picture under 32768 pixels each way,
// so truncation to 32 bits takes the integer parts; a line not wholly inside
// goes the single way. Neither line lies inside one pixel: setzen has drawn
// those.
void VorbereitenPaar(__m128d ax, __m128d ay, __m128d ex0, __m128d ey0, double rechts, double unten,
                     Strich& s0, Strich& s1) {
    const __m128d null = _mm_setzero_pd(), r = _mm_set1_pd(rechts), u = _mm_set1_pd(unten);
    auto zwischen = [&](__m128d v, __m128d bis) {
        return _mm_and_pd(_mm_cmpge_pd(v, null), _mm_cmple_pd(v, bis));
    };
    const __m128d innen = _mm_and_pd(_mm_and_pd(zwischen(ax, r), zwischen(ex0, r)),
                                     _mm_and_pd(zwischen(ay, u), zwischen(ey0, u)));
    if (_mm_movemask_pd(innen) != 3) {
        auto zweite = [](__m128d v) { return _mm_cvtsd_f64(_mm_unpackhi_pd(v, v)); };
        Vorbereiten(_mm_cvtsd_f64(ax), _mm_cvtsd_f64(ay), _mm_cvtsd_f64(ex0), _mm_cvtsd_f64(ey0),
                    rechts, unten, s0);
        Vorbereiten(zweite(ax), zweite(ay), zweite(ex0), zweite(ey0), rechts, unten, s1);
        return;
    }
    auto wahl = [](__m128d maske, __m128d ja, __m128d nein) {
        return _mm_or_pd(_mm_and_pd(maske, ja), _mm_andnot_pd(maske, nein));
    };
    const __m128d eins = _mm_set1_pd(1);
    auto ganz = [](__m128d v) { return _mm_cvtepi32_pd(_mm_cvttpd_epi32(v)); };
    auto abgerundet = [&](__m128d v) {
        const __m128d t = ganz(v);
        return _mm_sub_pd(t, _mm_and_pd(_mm_cmplt_pd(v, t), eins));
    };
    auto gerundet = [&](__m128d v) {
        const __m128d t = ganz(v), rest = _mm_sub_pd(v, t);
        return _mm_sub_pd(_mm_add_pd(t, _mm_and_pd(_mm_cmpge_pd(rest, _mm_set1_pd(0.5)), eins)),
                          _mm_and_pd(_mm_cmple_pd(rest, _mm_set1_pd(-0.5)), eins));
    };
    const __m128d ex = _mm_add_pd(ax, _mm_sub_pd(ex0, ax)),
                  ey = _mm_add_pd(ay, _mm_sub_pd(ey0, ay));
    const __m128d dx = _mm_sub_pd(ex, ax), dy = _mm_sub_pd(ey, ay);
    const __m128d vorzeichen = _mm_set1_pd(-0.0);
    const __m128d flach =
        _mm_cmpge_pd(_mm_andnot_pd(vorzeichen, dx), _mm_andnot_pd(vorzeichen, dy));
    const __m128d du = wahl(flach, dx, dy), dv = wahl(flach, dy, dx);
    const __m128d zurueck = _mm_cmplt_pd(du, null);
    const __m128d ua = wahl(flach, ax, ay), ue = wahl(flach, ex, ey);
    const __m128d va = wahl(flach, ay, ax), ve = wahl(flach, ey, ex);
    const __m128d u0 = wahl(zurueck, ue, ua), u1 = wahl(zurueck, ua, ue);
    const __m128d v0 = wahl(zurueck, ve, va);
    const __m128d k0 = abgerundet(u0), k1 = abgerundet(u1);
    const __m128d steigung = _mm_and_pd(_mm_cmpneq_pd(du, null), _mm_div_pd(dv, du));
    const __m128d e = _mm_set1_pd(Eins);
    const __m128d laengs = _mm_add_pd(_mm_mul_pd(k0, e), _mm_set1_pd(Eins / 2));
    const __m128d quer = gerundet(_mm_mul_pd(
        _mm_add_pd(v0, _mm_mul_pd(_mm_sub_pd(_mm_add_pd(k0, _mm_set1_pd(0.5)), u0), steigung)), e));
    const __m128d schritt = gerundet(_mm_mul_pd(steigung, e));
    const __m128d rest = _mm_sub_pd(k1, k0);
    const __m128d px = wahl(flach, laengs, quer), py = wahl(flach, quer, laengs);
    const __m128d sx = wahl(flach, e, schritt), sy = wahl(flach, schritt, e);
    // Walked from its other end when it runs up; the pixels are the same.
    const __m128d hoch = _mm_cmplt_pd(sy, null);
    const __m128d fx = wahl(hoch, _mm_add_pd(px, _mm_mul_pd(rest, sx)), px);
    const __m128d fy = wahl(hoch, _mm_add_pd(py, _mm_mul_pd(rest, sy)), py);
    const __m128d fdx = wahl(hoch, _mm_sub_pd(null, sx), sx);
    const __m128d fdy = wahl(hoch, _mm_sub_pd(null, sy), sy);
    auto zweite = [](__m128d v) { return _mm_unpackhi_pd(v, v); };
    s0.x = _mm_cvttsd_si64(fx);
    s0.y = _mm_cvttsd_si64(fy);
    s0.dx = _mm_cvttsd_si64(fdx);
    s0.dy = _mm_cvttsd_si64(fdy);
    s0.rest = _mm_cvttsd_si64(rest);
    s1.x = _mm_cvttsd_si64(zweite(fx));
    s1.y = _mm_cvttsd_si64(zweite(fy));
    s1.dx = _mm_cvttsd_si64(zweite(fdx));
    s1.dy = _mm_cvttsd_si64(zweite(fdy));
    s1.rest = _mm_cvttsd_si64(zweite(rest));
}
#endif

// Where the lines come from: eins(i) gives the ends of line i in pixels, and
// paar(i, ...) those of lines i and i + 1 in a lane each.
struct Linienquelle {
    const Massstab& m;
    const Striche::Linie* linien;
    std::array<double, 4> eins(size_t i) const {
        const Striche::Linie& l = linien[i];
        return {m.x(l.x1), m.y(l.y1), m.x(l.x2), m.y(l.y2)};
    }
#if defined(__SSE2__)
    void paar(size_t i, __m128d& ax, __m128d& ay, __m128d& ex, __m128d& ey) const {
        const Striche::Linie &l0 = linien[i], &l1 = linien[i + 1];
        const __m128d links = _mm_set1_pd(m.links), oben = _mm_set1_pd(m.oben);
        const __m128d breite = _mm_set1_pd(m.breite), hoehe = _mm_set1_pd(m.hoehe);
        const __m128d eb = _mm_set1_pd(m.einheitenBreite), eh = _mm_set1_pd(m.einheitenHoehe);
        auto x = [&](float a, float b) {
            return _mm_div_pd(_mm_mul_pd(_mm_sub_pd(_mm_set_pd(b, a), links), breite), eb);
        };
        auto y = [&](float a, float b) {
            return _mm_div_pd(_mm_mul_pd(_mm_sub_pd(_mm_set_pd(b, a), oben), hoehe), eh);
        };
        ax = x(l0.x1, l1.x1), ex = x(l0.x2, l1.x2);
        ay = y(l0.y1, l1.y1), ey = y(l0.y2, l1.y2);
    }
#endif
};

// The edges of a net over its points in pixels; the one point past the end
// stands for every point an edge names that is not there.
struct Netzquelle {
    const std::array<double, 2>* pixel;
    const std::array<uint32_t, 2>* kanten;
    uint32_t keiner;
    const std::array<double, 2>& punkt(uint32_t k) const { return pixel[std::min(k, keiner)]; }
    std::array<double, 4> eins(size_t i) const {
        const auto &a = punkt(kanten[i][0]), &e = punkt(kanten[i][1]);
        return {a[0], a[1], e[0], e[1]};
    }
#if defined(__SSE2__)
    void paar(size_t i, __m128d& ax, __m128d& ay, __m128d& ex, __m128d& ey) const {
        const __m128d a0 = _mm_loadu_pd(punkt(kanten[i][0]).data());
        const __m128d a1 = _mm_loadu_pd(punkt(kanten[i + 1][0]).data());
        const __m128d e0 = _mm_loadu_pd(punkt(kanten[i][1]).data());
        const __m128d e1 = _mm_loadu_pd(punkt(kanten[i + 1][1]).data());
        ax = _mm_unpacklo_pd(a0, a1), ay = _mm_unpackhi_pd(a0, a1);
        ex = _mm_unpacklo_pd(e0, e1), ey = _mm_unpackhi_pd(e0, e1);
    }
#endif
};

// Adds bits to the tile (kx, ky) of a core; a tile now full goes into its block.
inline void Dazu(uint64_t& kachel, uint64_t bits, uint64_t* bloecke, int64_t bb, int64_t kx,
                 int64_t ky, bool& neueVolle) {
    kachel |= bits;
    if (kachel != Voll) return;
    // The other core reads these while this one writes them.
    const std::atomic_ref<uint64_t> block(bloecke[(ky >> 3) * bb + (kx >> 3)]);
    const uint64_t bit = uint64_t{1} << ((ky & 7) << 3 | (kx & 7));
    const uint64_t vorher = block.load(std::memory_order_relaxed);
    if ((vorher & bit) != 0) return;
    block.store(vorher | bit, std::memory_order_relaxed);
    neueVolle = true;
}

}  // namespace

// The line's pixels as bits of the core t. Within the stretch of full tile
// columns of a row of blocks it needs no steps at all: once the middle of a
// dense model is filled, that is most of most lines.
void Striche::ziehen(int t, const Strich& s, int64_t w, int64_t h) {
    Teil& teil = teile_[static_cast<size_t>(t)];
    const int64_t n = s.rest, kb = kachelnBreite_;
    const int64_t xa = s.x >> 16, ya = s.y >> 16;
    const int64_t xe = (s.x + n * s.dx) >> 16, ye = (s.y + n * s.dy) >> 16;
    // Both ends inside means every pixel between is: the steps are even.
    const bool drin =
        xa >= 0 && xa < w && xe >= 0 && xe < w && ya >= 0 && ya < h && ye >= 0 && ye < h;
    if (!drin) {
        // A rounding off the edge: such a pixel goes to the nearest one inside.
        int64_t x = s.x, y = s.y;
        for (int64_t k = 0; k <= n; ++k, x += s.dx, y += s.dy) {
            const int64_t px = std::clamp<int64_t>(x >> 16, 0, w - 1);
            const int64_t py = std::clamp<int64_t>(y >> 16, 0, h - 1);
            teil.kacheln[static_cast<size_t>((py >> 3) * kb + (px >> 3))] |=
                uint64_t{1} << ((py & 7) << 3 | (px & 7));
        }
        return;
    }
    const auto& [oben, unten, links, rechts] = teil.rechteck;
    if (ya >= oben && ye <= unten && std::min(xa, xe) >> 3 >= links &&
        std::max(xa, xe) >> 3 <= rechts)
        return;
    if (n < 8) {
        // A line of a few pixels, as most of a large model's are: step by
        // step costs less than finding what it could skip.
        int64_t x = s.x, y = s.y;
        for (int64_t k = 0; k <= n; ++k, x += s.dx, y += s.dy) {
            const int64_t px = x >> 16, py = y >> 16;
            Dazu(teil.kacheln[static_cast<size_t>((py >> 3) * kb + (px >> 3))],
                 uint64_t{1} << ((py & 7) << 3 | (px & 7)), teil.bloecke.data(), bloeckeBreite_,
                 px >> 3, py >> 3, teil.neueVolle);
        }
        return;
    }
    // The steps by rows of blocks; a line runs down, and the divisions are
    // short ones, as a picture is less than 32768 pixels high.
    const bool steil = s.dy == Eins;
    auto teilen = [](int64_t a, int64_t b) {
        return static_cast<int64_t>(static_cast<uint32_t>(a) / static_cast<uint32_t>(b));
    };
    int64_t offen = -1;  // the first step of the stretch still to walk
    for (int64_t k = 0, b = ya >> 6; k <= n; ++b) {
        // The last step in this row of blocks.
        const int64_t ende = (b + 1) * 64 > ye ? n
                             : steil           ? (b + 1) * 64 - 1 - ya
                                               : teilen((b + 1) * 64 * Eins - 1 - s.y, s.dy);
        const int64_t x0 = (s.x + k * s.dx) >> 16, x1 = (s.x + ende * s.dx) >> 16;
        const auto [links, rechts] = teil.spannen[static_cast<size_t>(b)];
        const bool bedeckt = std::min(x0, x1) >> 3 >= links && std::max(x0, x1) >> 3 <= rechts;
        if (!bedeckt && offen < 0) offen = k;
        if (bedeckt && offen >= 0) {
            gehen(t, s, offen, k - 1);
            offen = -1;
        }
        k = ende + 1;
    }
    if (offen >= 0) gehen(t, s, offen, n);
}

// The steps k0..k1 of a line inside the picture. It walks a tile's worth of
// steps at a time and skips those through a tile that is already full, and
// through a block of full tiles at once.
void Striche::gehen(int t, const Strich& s, int64_t k0, int64_t k1) {
    Teil& teil = teile_[static_cast<size_t>(t)];
    const int64_t kb = kachelnBreite_, bb = bloeckeBreite_;
    uint64_t* const kacheln = teil.kacheln.data();
    uint64_t* const bloecke = teil.bloecke.data();
    // A block is full where each of its tiles is full in the bits of either
    // core: both come together in the picture.
    auto blockVoll = [&](int64_t kx, int64_t ky) {
        const auto i = static_cast<size_t>((ky >> 3) * bb + (kx >> 3));
        return (std::atomic_ref<uint64_t>(bloecke[i]).load(std::memory_order_relaxed) |
                std::atomic_ref<uint64_t>(teil.andere[i]).load(std::memory_order_relaxed)) == Voll;
    };
    auto dazu = [&](uint64_t& kachel, uint64_t bits, int64_t kx, int64_t ky) {
        Dazu(kachel, bits, bloecke, bb, kx, ky, teil.neueVolle);
    };
    // Steps to the edge of the block, forward or back along an axis.
    auto zumBlockrand = [](int64_t v, bool vor) { return vor ? 63 - (v & 63) : v & 63; };
    if (s.dy == Eins) {
        // One row per step, across by at most a pixel.
        int64_t y = (s.y >> 16) + k0;
        auto x = static_cast<int32_t>(s.x + k0 * s.dx);
        const auto dx = static_cast<int32_t>(s.dx);
        for (int64_t k = k0; k <= k1;) {
            const int64_t px = x >> 16;
            if (blockVoll(px >> 3, y >> 3)) {
                const int64_t m =
                    std::min({k1 - k, zumBlockrand(y, true), zumBlockrand(px, dx >= 0)});
                if (m >= 7) {
                    x += static_cast<int32_t>(m + 1) * dx;
                    y += m + 1;
                    k += m + 1;
                    continue;
                }
            }
            // The steps left in this row of tiles, across at most two tiles.
            const int64_t m = std::min(k1 - k, 7 - (y & 7));
            uint64_t* reihe = kacheln + (y >> 3) * kb;
            const int32_t xEnde = x + static_cast<int32_t>(m) * dx;
            if ((reihe[x >> 19] & reihe[xEnde >> 19]) != Voll) {
                // Gathered per tile first: the two words are written once.
                const int64_t ky = y >> 3, kx = x >> 19, kxEnde = xEnde >> 19;
                uint64_t erste = 0, zweite = 0;
#if defined(__SSE2__)
                // Step j is row (y & 7) + j: byte j moves there.
                const Acht a = AchtSchritte(x, dx, static_cast<int32_t>(kx));
                const uint64_t bits = a.bits & Schritte(m);
                erste = (bits & a.inKachel) << ((y & 7) << 3);
                zweite = (bits & ~a.inKachel) << ((y & 7) << 3);
#else
                int32_t sx = x;
                for (int64_t j = 0, sy = y; j <= m; ++j, sx += dx, ++sy) {
                    const uint64_t bit = uint64_t{1} << ((sy & 7) << 3 | ((sx >> 16) & 7));
                    ((sx >> 19) == kx ? erste : zweite) |= bit;
                }
#endif
                dazu(reihe[kx], erste, kx, ky);
                dazu(reihe[kxEnde], zweite, kxEnde, ky);
            }
            x = xEnde + dx;
            y += m + 1;
            k += m + 1;
        }
    } else {
        // One column per step, down by less than a pixel.
        const int64_t r = s.dx > 0 ? 1 : -1;
        int64_t x = (s.x >> 16) + k0 * r;
        auto y = static_cast<int32_t>(s.y + k0 * s.dy);
        const auto dy = static_cast<int32_t>(s.dy);
        for (int64_t k = k0; k <= k1;) {
            const int64_t py = y >> 16;
            if (blockVoll(x >> 3, py >> 3)) {
                const int64_t m =
                    std::min({k1 - k, zumBlockrand(py, true), zumBlockrand(x, r > 0)});
                if (m >= 7) {
                    x += (m + 1) * r;
                    y += static_cast<int32_t>(m + 1) * dy;
                    k += m + 1;
                    continue;
                }
            }
            // The steps left in this column of tiles, down at most two tiles.
            const int64_t m = std::min(k1 - k, r > 0 ? 7 - (x & 7) : x & 7);
            uint64_t* spalte = kacheln + (x >> 3);
            const int32_t yEnde = y + static_cast<int32_t>(m) * dy;
            if ((spalte[(y >> 19) * kb] & spalte[(yEnde >> 19) * kb]) != Voll) {
                const int64_t kx = x >> 3, ky = y >> 19, kyEnde = yEnde >> 19;
                uint64_t erste = 0, zweite = 0;
#if defined(__SSE2__)
                // Byte j holds the row bit of step j, whose column is (x & 7)
                // + j r: placed by column, then turned to rows.
                const Acht a = AchtSchritte(y, dy, static_cast<int32_t>(ky));
                const uint64_t bits = a.bits & Schritte(m);
                auto spalten = [&](uint64_t b) {
                    return Gestuerzt(r > 0 ? b << ((x & 7) << 3)
                                           : __builtin_bswap64(b) >> ((7 - (x & 7)) << 3));
                };
                erste = spalten(bits & a.inKachel);
                if (kyEnde != ky) zweite = spalten(bits & ~a.inKachel);
#else
                int32_t sy = y;
                for (int64_t j = 0, sx = x; j <= m; ++j, sx += r, sy += dy) {
                    const uint64_t bit = uint64_t{1} << (((sy >> 16) & 7) << 3 | (sx & 7));
                    ((sy >> 19) == ky ? erste : zweite) |= bit;
                }
#endif
                dazu(spalte[ky * kb], erste, kx, ky);
                dazu(spalte[kyEnde * kb], zweite, kx, kyEnde);
            }
            x += (m + 1) * r;
            y = yEnde + dy;
            k += m + 1;
        }
    }
}

// For each row of blocks the longest stretch of tile columns that are full
// in all eight rows of tiles.
void Striche::spannenErneuern(int t) {
    constexpr uint64_t Spalte = 0x0101010101010101;  // a tile column's bits in a block
    Teil& teil = teile_[static_cast<size_t>(t)];
    const int64_t bb = bloeckeBreite_, von = 0, bis = static_cast<int64_t>(teil.spannen.size());
    // Full in the bits of either core, as blockVoll in gehen.
    auto volleKacheln = [&](size_t i) {
        return std::atomic_ref<uint64_t>(teil.bloecke[i]).load(std::memory_order_relaxed) |
               std::atomic_ref<uint64_t>(teil.andere[i]).load(std::memory_order_relaxed);
    };
    for (int64_t b = von; b < bis; ++b) {
        auto& spanne = teil.spannen[static_cast<size_t>(b)];
        spanne = {1, 0};
        for (int64_t kx = 0, laengste = 0, anfang = -1; kx <= bb * 8; ++kx) {
            const bool voll = kx < bb * 8 &&
                              ((volleKacheln(static_cast<size_t>(b * bb + (kx >> 3))) >> (kx & 7)) &
                               Spalte) == Spalte;
            if (voll && anfang < 0) anfang = kx;
            if (voll || anfang < 0) continue;
            if (kx - anfang > laengste) {
                laengste = kx - anfang;
                spanne = {anfang, kx - 1};
            }
            anfang = -1;
        }
    }
    // The largest rectangle of full tiles over whole rows of blocks: a line
    // inside it needs not even a look at its rows of blocks.
    auto& groesstes = teil.rechteck;
    groesstes = {1, 0, 1, 0};
    for (int64_t b0 = von, flaeche = 0; b0 < bis; ++b0) {
        int64_t links = 0, rechts = bb * 8;
        for (int64_t b1 = b0; b1 < bis; ++b1) {
            links = std::max(links, teil.spannen[static_cast<size_t>(b1)][0]);
            rechts = std::min(rechts, teil.spannen[static_cast<size_t>(b1)][1]);
            if (rechts < links) break;
            if ((rechts - links + 1) * (b1 - b0 + 1) > flaeche) {
                flaeche = (rechts - links + 1) * (b1 - b0 + 1);
                groesstes = {b0 * 64, b1 * 64 + 63, links, rechts};
            }
        }
    }
    teil.neueVolle = false;
}

// Each line is cut to the picture, put in fixed point and drawn at once.
template <class Quelle>
void Striche::setzen(int t, const Quelle& quelle, const Pixelfeld& bild, size_t von, size_t bis) {
    Teil& teil = teile_[static_cast<size_t>(t)];
    // A hair inside the far edges, so that no end lies beyond the last pixel.
    const double rechts = static_cast<double>(bild.breite) - 1e-3;
    const double unten = static_cast<double>(bild.hoehe) - 1e-3;
    // A handful prepared before any is drawn: the preparation is a long
    // chain of arithmetic without branches, which the processor works on for
    // several lines at once, but a drawing's mispredicted branch breaks off.
    constexpr size_t Handvoll = 32;
    std::array<Strich, Handvoll> vorrat;
    // Two at a time, as long as coordinates and steps in 16.16 fit 32 bits.
    const bool paarweise = bild.breite < 32768 && bild.hoehe < 32768;
#if defined(__SSE2__)
    const __m128d null = _mm_setzero_pd(), r = _mm_set1_pd(rechts), u = _mm_set1_pd(unten);
    auto zwischen = [&](__m128d v, __m128d bis) {
        return _mm_and_pd(_mm_cmpge_pd(v, null), _mm_cmple_pd(v, bis));
    };
    const int64_t kb = kachelnBreite_;
    auto punkt = [&](int64_t px, int64_t py) {
        Dazu(teil.kacheln[static_cast<size_t>((py >> 3) * kb + (px >> 3))],
             uint64_t{1} << ((py & 7) << 3 | (px & 7)), teil.bloecke.data(), bloeckeBreite_,
             px >> 3, py >> 3, teil.neueVolle);
    };
#endif
    // The lines to walk, by coordinate: those left after the dots go in
    // pairs again.
    alignas(16) std::array<double, Handvoll> sax, say, sex, sey;
    auto sammeln = [&](size_t n, const std::array<double, 4>& e) {
        sax[n] = e[0], say[n] = e[1], sex[n] = e[2], sey[n] = e[3];
    };
    for (size_t i = von; i < bis;) {
        size_t n = 0;
#if defined(__SSE2__)
        for (; paarweise && i + 1 < bis && n + 2 <= Handvoll; i += 2) {
            __m128d ax, ay, ex, ey;
            quelle.paar(i, ax, ay, ex, ey);
            // A line inside and within one pixel is that pixel: no walk to
            // prepare. Most lines of a large model are such.
            const __m128d innen = _mm_and_pd(_mm_and_pd(zwischen(ax, r), zwischen(ex, r)),
                                             _mm_and_pd(zwischen(ay, u), zwischen(ey, u)));
            const __m128i x0 = _mm_cvttpd_epi32(ax), y0 = _mm_cvttpd_epi32(ay);
            const __m128i x1 = _mm_cvttpd_epi32(_mm_add_pd(ax, _mm_sub_pd(ex, ax)));
            const __m128i y1 = _mm_cvttpd_epi32(_mm_add_pd(ay, _mm_sub_pd(ey, ay)));
            const int gleich = _mm_movemask_ps(
                _mm_castsi128_ps(_mm_and_si128(_mm_cmpeq_epi32(x0, x1), _mm_cmpeq_epi32(y0, y1))));
            const int drin = _mm_movemask_pd(innen);
            if ((drin & 1) && (gleich & 1)) {
                punkt(_mm_cvtsi128_si32(x0), _mm_cvtsi128_si32(y0));
            } else {
                _mm_storel_pd(&sax[n], ax), _mm_storel_pd(&say[n], ay);
                _mm_storel_pd(&sex[n], ex), _mm_storel_pd(&sey[n], ey);
                ++n;
            }
            if ((drin & 2) && (gleich & 2)) {
                punkt(_mm_cvtsi128_si32(_mm_srli_si128(x0, 4)),
                      _mm_cvtsi128_si32(_mm_srli_si128(y0, 4)));
            } else {
                _mm_storeh_pd(&sax[n], ax), _mm_storeh_pd(&say[n], ay);
                _mm_storeh_pd(&sex[n], ex), _mm_storeh_pd(&sey[n], ey);
                ++n;
            }
        }
#endif
        for (; i < bis && n < Handvoll && (!paarweise || n == 0 || i + 1 == bis); ++i)
            sammeln(n++, quelle.eins(i));
        size_t k = 0;
#if defined(__SSE2__)
        if (paarweise)
            for (; k + 1 < n; k += 2)
                VorbereitenPaar(_mm_load_pd(&sax[k]), _mm_load_pd(&say[k]), _mm_load_pd(&sex[k]),
                                _mm_load_pd(&sey[k]), rechts, unten, vorrat[k], vorrat[k + 1]);
#endif
        for (; k < n; ++k) Vorbereiten(sax[k], say[k], sex[k], sey[k], rechts, unten, vorrat[k]);
        for (size_t k = 0; k < n; ++k) {
            if (teil.neueVolle && teil.gezogen % 512 == 0) spannenErneuern(t);
            ++teil.gezogen;
            if (vorrat[k].rest >= 0) ziehen(t, vorrat[k], bild.breite, bild.hoehe);
        }
    }
}

void Striche::auftragen(const std::vector<uint64_t>& kacheln, int64_t kb, uint32_t farbe,
                        const Pixelfeld& bild, int64_t von, int64_t bis) {
    for (int64_t ky = von >> 3; ky < (bis + 7) >> 3; ++ky) {
        for (int64_t kx = 0; kx < kb; ++kx) {
            const uint64_t bits = kacheln[static_cast<size_t>(ky * kb + kx)];
            if (bits == 0) continue;
            uint32_t* p = bild.pixel + ky * 8 * bild.zeile + kx * 8;
            if (bits == Voll) {
                // Only a tile wholly inside the picture can be full.
                for (int64_t zy = 0; zy < 8; ++zy, p += bild.zeile) std::fill_n(p, 8, farbe);
            } else {
                for (uint64_t rest = bits; rest != 0; rest &= rest - 1) {
                    const int k = std::countr_zero(rest);
                    p[(k >> 3) * bild.zeile + (k & 7)] = farbe;
                }
            }
        }
    }
}

void Striche::auftragenBeide(const std::vector<uint64_t>& kacheln, uint32_t farbe,
                             const Pixelfeld& bild) {
    const int64_t mitte = (bild.hoehe / 2 + 7) / 8 * 8;
    auto job = [&](int t) {
        auftragen(kacheln, kachelnBreite_, farbe, bild, t == 0 ? 0 : mitte,
                  t == 0 ? mitte : bild.hoehe);
    };
    if (helfer_)
        helfer_->beide(job);
    else
        job(0), job(1);
}

bool Striche::ausDemGedaechtnis(Lauf& lauf, const Pixelfeld& bild) {
    for (Gemerkt& g : gemerkt_) {
        if (!(g.massstab == lauf.massstab) || g.breite != bild.breite || g.hoehe != bild.hoehe ||
            !Gleich(g.linien, lauf.linien) || !Gleich(g.punkte, lauf.punkte))
            continue;
        auftragenBeide(g.kacheln, lauf.farbe, bild);
        std::swap(g, gemerkt_[0]);
        return true;
    }
    return false;
}

void Striche::einrichten(const Pixelfeld& bild) {
    const int64_t kb = (bild.breite + 7) / 8, kh = (bild.hoehe + 7) / 8;
    if (kb == kachelnBreite_ && kh == kachelnHoehe_) return;
    const int64_t reihen = (kh + 7) / 8;  // rows of blocks
    for (Gemerkt& g : gemerkt_) g = {};
    netz_ = {};
    kachelnBreite_ = kb;
    kachelnHoehe_ = kh;
    bloeckeBreite_ = (kb + 7) / 8;
    for (Teil& teil : teile_) {
        teil.kacheln.assign(static_cast<size_t>(kb * kh), 0);
        teil.bloecke.resize(static_cast<size_t>(bloeckeBreite_ * reihen));
        teil.spannen.resize(static_cast<size_t>(reihen));
    }
}

template <class Quelle>
void Striche::allesZiehen(const Quelle& quelle, size_t linien,
                          const std::vector<std::array<int64_t, 2>>& punkte, uint32_t farbe,
                          const Pixelfeld& bild) {
    const int64_t kb = kachelnBreite_, kh = kachelnHoehe_;
    if (linien >= Teilenab && !helfer_ && std::thread::hardware_concurrency() > 1)
        helfer_ = std::make_unique<Helfer>();
    const bool beide = linien >= Teilenab && helfer_;
    // Both cores' full tiles are cleared even when one draws alone: each
    // looks at the other's.
    for (size_t t = 0; t < 2; ++t) {
        Teil& teil = teile_[t];
        std::fill(teil.bloecke.begin(), teil.bloecke.end(), 0);
        teil.andere = teile_[1 - t].bloecke.data();
        std::fill(teil.spannen.begin(), teil.spannen.end(), std::array<int64_t, 2>{1, 0});
        teil.rechteck = {1, 0, 1, 0};
        teil.neueVolle = false;
        teil.gezogen = 0;
    }
    std::vector<uint64_t>& kacheln = teile_[0].kacheln;
    for (const auto& [x, y] : punkte)
        kacheln[static_cast<size_t>((y >> 3) * kb + (x >> 3))] |= uint64_t{1}
                                                                  << ((y & 7) << 3 | (x & 7));
    if (!beide) {
        setzen(0, quelle, bild, 0, linien);
        auftragen(kacheln, kb, farbe, bild, 0, bild.hoehe);
        return;
    }
    // Both cores take pieces of the lines, whichever is done first the next;
    // then each puts half of the rows into the picture, the second core's
    // bits joined to the first's there.
    constexpr size_t Stueck = 1024;
    std::atomic<size_t> naechstes{0};
    helfer_->beide([&](int t) {
        for (size_t von; (von = naechstes.fetch_add(Stueck)) < linien;)
            setzen(t, quelle, bild, von, std::min(von + Stueck, linien));
    });
    const int64_t mitte = (bild.hoehe / 2 + 7) / 8 * 8;
    helfer_->beide([&](int t) {
        const int64_t von = t == 0 ? 0 : mitte, bis = t == 0 ? mitte : bild.hoehe;
        uint64_t* const erste = kacheln.data();
        uint64_t* const zweite = teile_[1].kacheln.data();
        for (int64_t i = (von >> 3) * kb; i < std::min((bis + 7) >> 3, kh) * kb; ++i) {
            erste[i] |= zweite[i];
            zweite[i] = 0;
        }
        auftragen(kacheln, kb, farbe, bild, von, bis);
    });
}

void Striche::zeichnen(Lauf& lauf, const Pixelfeld& bild) {
    if (lauf.leer() || bild.breite <= 0 || bild.hoehe <= 0) {
        freigeben(lauf.linien);
        lauf.punkte.clear();
        return;
    }
    const int64_t kb = (bild.breite + 7) / 8, kh = (bild.hoehe + 7) / 8;
    if (lauf.linien.size() >= Teilenab && kb == kachelnBreite_ && kh == kachelnHoehe_ &&
        ausDemGedaechtnis(lauf, bild)) {
        freigeben(lauf.linien);
        lauf.punkte.clear();
        return;
    }
    einrichten(bild);
    const size_t linien = lauf.linien.size();
    allesZiehen(Linienquelle{lauf.massstab, lauf.linien.data()}, linien, lauf.punkte, lauf.farbe,
                bild);
    std::vector<uint64_t>& kacheln = teile_[0].kacheln;
    if (linien >= Teilenab) {
        // Kept in place of the one drawn longest ago, whose room is reused.
        std::swap(gemerkt_[0], gemerkt_[1]);
        Gemerkt& g = gemerkt_[0];
        g.massstab = lauf.massstab;
        g.breite = bild.breite;
        g.hoehe = bild.hoehe;
        std::swap(g.linien, lauf.linien);
        std::swap(g.punkte, lauf.punkte);
        std::swap(g.kacheln, kacheln);
        kacheln.assign(g.kacheln.size(), 0);
    } else {
        std::fill(kacheln.begin(), kacheln.end(), 0);
    }
    freigeben(lauf.linien);
    lauf.punkte.clear();
}

void Striche::netz(uint32_t farbe, const Massstab& m, const Pixelfeld& bild,
                   std::span<const std::array<float, 2>> punkte,
                   std::span<const std::array<uint32_t, 2>> kanten) {
    zeichnen(bild);
    jetzt_.farbe = farbe;
    jetzt_.massstab = m;
    if (kanten.empty() || bild.breite <= 0 || bild.hoehe <= 0) return;
    einrichten(bild);
    GemerktesNetz& g = netz_;
    // The edges are looked at only when the points are the same: a turn
    // moves every point.
    if (g.massstab == m && g.breite == bild.breite && g.hoehe == bild.hoehe &&
        Gleich(g.punkte, punkte) && Gleich(g.kanten, kanten)) {
        auftragenBeide(g.kacheln, farbe, bild);
        return;
    }
    // Each point to its pixel once, as a line's end would go, and kept for
    // the next time; the one past the end lies nowhere. The edges, the same
    // for a document, are copied only when they changed. Half of each on
    // either core.
    pixel_.resize(punkte.size() + 1);
    pixel_.back() = {NAN, NAN};
    g.punkte.resize(punkte.size());
    const bool gleichVieleKanten = g.kanten.size() == kanten.size();
    std::array<bool, 2> kantenGleich{gleichVieleKanten, gleichVieleKanten};
    auto umrechnen = [&](int t, int teile) {
        auto haelfte = [&](size_t n) {
            return std::array<size_t, 2>{t == 0 ? 0 : n / 2, teile == 1 || t == 1 ? n : n / 2};
        };
        const auto [von, bis] = haelfte(punkte.size());
        for (size_t i = von; i < bis; ++i) {
            pixel_[i] = {m.x(punkte[i][0]), m.y(punkte[i][1])};
            g.punkte[i] = punkte[i];
        }
        const auto [kvon, kbis] = haelfte(kanten.size());
        if (gleichVieleKanten)
            kantenGleich[static_cast<size_t>(t)] =
                std::memcmp(g.kanten.data() + kvon, kanten.data() + kvon,
                            (kbis - kvon) * sizeof kanten[0]) == 0;
    };
    if (helfer_ && punkte.size() >= Teilenab)
        helfer_->beide([&](int t) { umrechnen(t, 2); });
    else
        umrechnen(0, 1);
    if (!kantenGleich[0] || !kantenGleich[1]) g.kanten.assign(kanten.begin(), kanten.end());
    const auto keiner = static_cast<uint32_t>(std::min<size_t>(punkte.size(), UINT32_MAX));
    allesZiehen(Netzquelle{pixel_.data(), kanten.data(), keiner}, kanten.size(), {}, farbe, bild);
    std::vector<uint64_t>& kacheln = teile_[0].kacheln;
    g.massstab = m;
    g.breite = bild.breite;
    g.hoehe = bild.hoehe;
    std::swap(g.kacheln, kacheln);
    kacheln.assign(g.kacheln.size(), 0);
}

}  // namespace nuk::shell
