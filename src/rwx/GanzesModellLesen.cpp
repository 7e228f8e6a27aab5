#include "rwx/GanzesModellLesen.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <unordered_map>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "model/Text.h"
#include "rwx/ItemLeser.h"
#include "rwx/Regelpruefung.h"
#include "rwx/Wortscanner.h"

namespace nuk {

namespace {

// Column by column, as the 16 numbers of "Transform" stand; a point p becomes
// M p, and each further transform acts before the ones already there.
using Matrix4 = std::array<double, 16>;

constexpr Matrix4 Einheit = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix4 mal(const Matrix4& a, const Matrix4& b) {
    Matrix4 m{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += a[k * 4 + r] * b[c * 4 + k];
            m[c * 4 + r] = s;
        }
    return m;
}

// Transforms may carry a point beyond what a float holds; it stays at the edge.
float alsFloat(double v) {
    return std::isnan(v) ? 0.0f : static_cast<float>(std::clamp<double>(v, -FLT_MAX, FLT_MAX));
}

inline std::array<float, 3> anwenden(const Matrix4& m, double x, double y, double z) {
    return {alsFloat(m[0] * x + m[4] * y + m[8] * z + m[12]),
            alsFloat(m[1] * x + m[5] * y + m[9] * z + m[13]),
            alsFloat(m[2] * x + m[6] * y + m[10] * z + m[14])};
}

// Rotation by grad degrees about the axis (x, y, z), right-handed.
Matrix4 drehung(double x, double y, double z, double grad) {
    const double laenge = std::sqrt(x * x + y * y + z * z);
    if (!(laenge > 0) || !std::isfinite(laenge)) return Einheit;
    x /= laenge, y /= laenge, z /= laenge;
    const double w = grad * std::numbers::pi / 180, c = std::cos(w), s = std::sin(w), t = 1 - c;
    return {t * x * x + c,
            t * x * y + s * z,
            t * x * z - s * y,
            0,
            t * x * y - s * z,
            t * y * y + c,
            t * y * z + s * x,
            0,
            t * x * z + s * y,
            t * y * z - s * x,
            t * z * z + c,
            0,
            0,
            0,
            0,
            1};
}

using Kanten = std::vector<std::array<uint32_t, 2>>;

struct Geometrie;

// A prototype placed: its points and faces are one stretch each, and no
// other face touches those points, so its edges are the prototype's, moved.
// Until the geometry is put together it is only noted, so that the arrays
// are made once at their full size and not grown and copied copy by copy.
struct Kopie {
    uint32_t punkt, punkte;               // the first point and how many
    uint32_t flaeche, flaechen;           // likewise the faces
    size_t eigenePunkte, eigeneFlaechen;  // the geometry's own ones before it
    std::shared_ptr<const Geometrie> quelle;
    Matrix4 welt;
};

// Faces and points collected for the model or for a prototype being defined.
// Before it is put together, the arrays hold its own points and faces only,
// the face starts counting their own corners; the corners and the numbers
// below count the copies too.
struct Geometrie {
    std::vector<std::array<float, 3>> punkte;
    std::vector<int32_t> punktzeile;
    std::vector<uint32_t> ecken;
    std::vector<uint32_t> anfang{0};
    std::vector<int32_t> zeile;
    std::vector<uint32_t> material;        // per face
    std::vector<std::array<float, 2>> uv;  // per point
    std::vector<Kopie> kopien;             // by their first point
    size_t punkteZahl = 0, flaechenZahl = 0, eckenZahl = 0;
    // A prototype's edges, found once when it ends.
    Kanten kanten;
    Regelstoff regelstoff;  // with the rules only
};

Kanten kantenVon(const Geometrie& g);
// The noted copies put in place.
void zusammensetzen(Geometrie& g);

// A level of nesting: the whole file, a clump or a prototype being defined.
struct Ebene {
    enum Art : uint8_t { Datei, Clump, Proto } art;
    size_t nummern;        // where its vertex numbers begin in Leser::nummern
    Matrix4 basis, lokal;  // the enclosing level's, back at the end
    int32_t zeile;         // of its Begin
    std::string name;      // the prototype's
    uint32_t serie = 0;    // each level's own number
    Material material;     // in force at its begin, back at its end
};

// What a byte is to the line scan.
enum Zeichenart : uint8_t { Wortzeichen, Trenner, Raute, Wagenruecklauf, Zeilenvorschub };

constexpr std::array<uint8_t, 256> Zeichenarten = [] {
    std::array<uint8_t, 256> k{};
    for (int c = 0; c <= ' '; ++c) k[static_cast<size_t>(c)] = Trenner;
    k[','] = Trenner;
    k['#'] = Raute;
    k['\r'] = Wagenruecklauf;
    k['\n'] = Zeilenvorschub;
    return k;
}();

inline uint8_t art(char c) {
    return Zeichenarten[static_cast<unsigned char>(c)];
}

// The end of the word that begins at p: the first blank, control character,
// comma or "#", or the end.
inline const char* wortende(const char* p, const char* ende) {
#ifdef __SSE2__
    // Most of a file's bytes are in words: sixteen at a step.
    const __m128i blank = _mm_set1_epi8(' '), komma = _mm_set1_epi8(','),
                  raute = _mm_set1_epi8('#');
    for (; ende - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i trenner =
            _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(v, blank), blank),
                         _mm_or_si128(_mm_cmpeq_epi8(v, komma), _mm_cmpeq_epi8(v, raute)));
        if (const int maske = _mm_movemask_epi8(trenner))
            return p + __builtin_ctz(static_cast<unsigned>(maske));
    }
#endif
    while (p < ende && art(*p) == Wortzeichen) ++p;
    return p;
}

// A count of sides or rings from the file, kept where its squares still fit.
int64_t anzahl(double v) {
    return v >= 0 ? static_cast<int64_t>(std::min(v, 1e6)) : -1;
}

inline std::optional<double> zahl(std::string_view w) {
    if (!w.empty() && w[0] == '+') w.remove_prefix(1);
    // Most numbers in a file are short decimals: exact digits divided by an
    // exact power of ten round correctly in one step.
    {
        static constexpr double zehnHoch[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        size_t i = w.size() > 0 && w[0] == '-' ? 1 : 0;
        uint64_t m = 0;
        int ziffern = 0, nachkomma = -1;
        for (; i < w.size() && ziffern <= 15; ++i) {
            const char c = w[i];
            if (c >= '0' && c <= '9') {
                m = m * 10 + static_cast<uint64_t>(c - '0');
                ++ziffern;
                if (nachkomma >= 0) ++nachkomma;
            } else if (c == '.' && nachkomma < 0) {
                nachkomma = 0;
            } else {
                break;
            }
        }
        if (i == w.size() && ziffern > 0 && ziffern <= 15) {
            const double v = static_cast<double>(m) / zehnHoch[std::max(nachkomma, 0)];
            return w[0] == '-' ? -v : v;
        }
    }
    double v = 0;
    const auto [ende, fehler] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (fehler != std::errc() || ende != w.data() + w.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

inline std::optional<int64_t> ganzzahl(std::string_view w) {
    const bool negativ = !w.empty() && w[0] == '-';
    if (!w.empty() && (w[0] == '+' || negativ)) w.remove_prefix(1);
    // Up to 18 digits fit without overflow; longer numbers are no corner anyway.
    if (w.empty() || w.size() > 18) return std::nullopt;
    int64_t v = 0;
    for (char c : w) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negativ ? -v : v;
}

// What a command word does, and how many numbers it needs first.
enum class Befehl : uint8_t {
    Vertex,
    Triangle,
    Quad,
    Polygon,
    ClumpBegin,
    ClumpEnd,
    TransformBegin,
    TransformEnd,
    ProtoBegin,
    ProtoEnd,
    ProtoInstance,
    MaterialBegin,
    MaterialEnd,
    Identity,
    Translate,
    Rotate,
    Scale,
    Transform,
    Block,
    Cone,
    Cylinder,
    Disc,
    Hemisphere,
    Sphere,
    // The material, and the rules.
    Farbe,
    Textur,
    Licht,
    Seiten,
    Erweiterung,
};

struct Befehlsart {
    std::string_view wort;  // lower case
    Befehl befehl;
    const char* name;  // as the findings call it
    int zahlen;        // the numbers it needs
};

constexpr Befehlsart Befehle[] = {
    {"vertex", Befehl::Vertex, "Vertex", 3},
    {"vertexext", Befehl::Vertex, "VertexExt", 3},
    {"triangle", Befehl::Triangle, "Triangle", 3},
    {"triangleext", Befehl::Triangle, "TriangleExt", 3},
    {"quad", Befehl::Quad, "Quad", 4},
    {"quadext", Befehl::Quad, "QuadExt", 4},
    {"polygon", Befehl::Polygon, "Polygon", 1},
    {"polygonext", Befehl::Polygon, "PolygonExt", 1},
    {"clumpbegin", Befehl::ClumpBegin, "ClumpBegin", 0},
    {"clumpend", Befehl::ClumpEnd, "ClumpEnd", 0},
    {"transformbegin", Befehl::TransformBegin, "TransformBegin", 0},
    {"transformend", Befehl::TransformEnd, "TransformEnd", 0},
    {"protobegin", Befehl::ProtoBegin, "ProtoBegin", 0},
    {"protoend", Befehl::ProtoEnd, "ProtoEnd", 0},
    {"protoinstance", Befehl::ProtoInstance, "ProtoInstance", 0},
    {"protoinstancegeometry", Befehl::ProtoInstance, "ProtoInstanceGeometry", 0},
    {"materialbegin", Befehl::MaterialBegin, "MaterialBegin", 0},
    {"materialend", Befehl::MaterialEnd, "MaterialEnd", 0},
    {"identity", Befehl::Identity, "Identity", 0},
    {"translate", Befehl::Translate, "Translate", 3},
    {"rotate", Befehl::Rotate, "Rotate", 4},
    {"scale", Befehl::Scale, "Scale", 3},
    {"transform", Befehl::Transform, "Transform", 16},
    {"block", Befehl::Block, "Block", 3},
    {"cone", Befehl::Cone, "Cone", 3},
    {"cylinder", Befehl::Cylinder, "Cylinder", 4},
    {"disc", Befehl::Disc, "Disc", 3},
    {"hemisphere", Befehl::Hemisphere, "Hemisphere", 2},
    {"sphere", Befehl::Sphere, "Sphere", 2},
    {"color", Befehl::Farbe, "Color", 0},
    {"surface", Befehl::Farbe, "Surface", 0},
    {"ambient", Befehl::Farbe, "Ambient", 0},
    {"diffuse", Befehl::Farbe, "Diffuse", 0},
    {"specular", Befehl::Farbe, "Specular", 0},
    {"opacity", Befehl::Farbe, "Opacity", 0},
    {"texture", Befehl::Textur, "Texture", 0},
    {"lightsampling", Befehl::Licht, "LightSampling", 0},
    {"materialmode", Befehl::Seiten, "MaterialMode", 0},
    {"prelight", Befehl::Erweiterung, "Prelight", 0},
    {"seamless", Befehl::Erweiterung, "Seamless", 0},
    {"randomuvs", Befehl::Erweiterung, "RandomUVs", 0},
    {"opacityfix", Befehl::Erweiterung, "OpacityFix", 0},
    {"textureaddressmode", Befehl::Erweiterung, "TextureAddressMode", 0},
};

const Befehlsart* befehlsart(std::string_view wort) {
    for (const Befehlsart& b : Befehle)
        if (IstWort(wort, b.wort)) return &b;
    return nullptr;
}

class Leser {
  public:
    explicit Leser(bool regeln) : regeln_(regeln) {}
    GanzesModell lesen(std::string_view daten);

  private:
    void befehl(const Befehlsart& art);
    void melden(std::string_view regel, std::string text) {
        melden(zeile_, regel, std::move(text));
    }
    void melden(int32_t zeile, std::string_view regel, std::string text) {
        befunde_.push_back({zeile, std::move(text), regel});
    }
    // The numbers a command needs, from word 1 on; false after its finding.
    bool zahlenLesen(const Befehlsart& art, bool ganz);
    Geometrie& ziel() { return ziele_.back(); }
    // Room for n more points and e more corners; false (with its finding once) when the model is
    // full.
    bool platz(size_t n, size_t e);
    void punkt(double x, double y, double z);
    void flaeche(const int64_t* nummern, size_t n);
    void transformieren(const Matrix4& t) {
        lokal_ = mal(lokal_, t);
        welt_ = mal(basis_, lokal_);
    }
    void lokalSetzen(const Matrix4& t) {
        lokal_ = t;
        welt_ = mal(basis_, lokal_);
    }
    void ebeneBeginnen(Ebene::Art art, std::string name);
    void ebeneBeenden();
    void instanz(const std::string& name);
    // Points in local coordinates, placed by the transform, and faces over them.
    void koerper(const std::vector<std::array<double, 3>>& ecken,
                 const std::vector<std::vector<uint32_t>>& flaechen);
    void primitiv(Befehl b);
    // The lines' rules: colours, primitives, textures, extensions.
    void zeilenregeln(const Befehlsart& art);
    void geometrieregeln(const Geometrie& g);

    std::vector<std::string_view> woerter_;
    std::vector<double> zahlen_;
    std::vector<int64_t> ganz_;
    int32_t zeile_ = 0;

    std::vector<Ebene> ebenen_;
    std::vector<uint32_t> nummern_;  // vertex number - 1 -> point, level by level
    std::vector<Geometrie> ziele_;   // the model, then each prototype being defined
    // Shared with the copies noted: a later prototype of the same name leaves them as they were.
    std::unordered_map<std::string, std::shared_ptr<const Geometrie>> protos_;
    std::vector<std::pair<Matrix4, int32_t>> transforms_;  // TransformBegin: saved, line
    std::vector<int32_t> materialien_;
    Matrix4 basis_ = Einheit, lokal_ = Einheit, welt_ = Einheit;
    size_t punkteGesamt_ = 0, eckenGesamt_ = 0;
    bool voll_ = false;
    int32_t clumps_ = 0;
    std::vector<Modellbefund> befunde_;
    std::vector<std::array<double, 3>> koerperEcken_;
    std::vector<std::vector<uint32_t>> koerperFlaechen_;
    std::vector<uint64_t> stempel_;  // per vertex number: the last long face that used it
    uint64_t stempelNummer_ = 0;

    const bool regeln_;
    bool ausrufe_ = false;          // "#!" before the line's first word
    std::vector<uint32_t> eigene_;  // with nummern_: the point's index among its geometry's own
    uint32_t serien_ = 0;           // levels begun
    std::vector<Texturangabe> texturen_;

    // The material in force, and its number once a face has used it.
    void material(Befehl b);
    uint32_t materialNummer();
    Material material_;
    std::optional<uint32_t> materialNummer_ = 0;
    std::vector<Material> materialListe_{Material{}};
    std::vector<Material> materialStapel_;  // at each open MaterialBegin
    std::vector<std::string> texturnamen_;
    std::unordered_map<std::string, int32_t> texturnummern_;  // lower case
};

bool Leser::zahlenLesen(const Befehlsart& art, bool ganz) {
    zahlen_.clear();
    ganz_.clear();
    for (int i = 1; i <= art.zahlen; ++i) {
        if (static_cast<size_t>(i) >= woerter_.size()) {
            melden("number-missing", Einsetzen(art.zahlen == 1 ? Tr("Kern", "%1 braucht %2 Zahl")
                                                               : Tr("Kern", "%1 braucht %2 Zahlen"),
                                               {art.name, std::to_string(art.zahlen)}));
            return false;
        }
        const std::string_view w = woerter_[static_cast<size_t>(i)];
        if (ganz) {
            const std::optional<int64_t> v = ganzzahl(w);
            if (!v) {
                melden("not-a-number",
                       Einsetzen(Tr("Kern", "\"%1\" ist keine ganze Zahl"), {Latin1ZuUtf8(w)}));
                return false;
            }
            ganz_.push_back(*v);
        } else {
            const std::optional<double> v = zahl(w);
            if (!v) {
                melden("not-a-number",
                       Einsetzen(Tr("Kern", "\"%1\" ist keine Zahl"), {Latin1ZuUtf8(w)}));
                return false;
            }
            if (std::fabs(*v) > FLT_MAX) {
                melden("not-a-number",
                       Einsetzen(Tr("Kern", "\"%1\" ist zu groß"), {Latin1ZuUtf8(w)}));
                return false;
            }
            zahlen_.push_back(*v);
        }
    }
    return true;
}

bool Leser::platz(size_t n, size_t e) {
    if (voll_) return false;
    if (n <= MaxModellpunkte - punkteGesamt_ && e <= MaxModellecken - eckenGesamt_) {
        punkteGesamt_ += n;
        eckenGesamt_ += e;
        return true;
    }
    voll_ = true;
    melden("model-too-large",
           Einsetzen(Tr("Kern",
                        "Das Modell wird zu groß (mehr als %1 Punkte oder %2 "
                        "Flächenecken), der Rest fehlt"),
                     {std::to_string(MaxModellpunkte), std::to_string(MaxModellecken)}));
    return false;
}

void Leser::punkt(double x, double y, double z) {
    if (!platz(1, 0)) return;
    Geometrie& g = ziel();
    nummern_.push_back(static_cast<uint32_t>(g.punkteZahl++));
    std::array<float, 2> uv{NAN, NAN};
    for (size_t i = 4; i + 2 < woerter_.size(); ++i)
        if (IstWort(woerter_[i], "uv")) {
            const auto u = zahl(woerter_[i + 1]), v = zahl(woerter_[i + 2]);
            if (u && v) uv = {static_cast<float>(*u), static_cast<float>(*v)};
            break;
        }
    g.uv.push_back(uv);
    if (regeln_) {
        eigene_.push_back(static_cast<uint32_t>(g.punkte.size()));
        Regelstoff& r = g.regelstoff;
        r.ebene.push_back(ebenen_.back().serie);
        r.vertex.push_back(1);
    }
    g.punkte.push_back(anwenden(welt_, x, y, z));
    g.punktzeile.push_back(zeile_);
}

void Leser::flaeche(const int64_t* nummern, size_t n) {
    const size_t erste = ebenen_.back().nummern;
    const size_t zahl = nummern_.size() - erste;
    for (size_t i = 0; i < n; ++i)
        if (nummern[i] < 1 || static_cast<uint64_t>(nummern[i]) > zahl) {
            melden("corner-missing",
                   Einsetzen(zahl == 1 ? Tr("Kern", "Ecke %1 gibt es hier nicht (%2 Punkt)")
                                       : Tr("Kern", "Ecke %1 gibt es hier nicht (%2 Punkte)"),
                             {std::to_string(nummern[i]), std::to_string(zahl)}));
            if (regeln_) ziel().regelstoff.verworfen.push_back(ebenen_.back().serie);
            return;
        }
    size_t verschieden = 0;
    if (n <= 4) {
        for (size_t i = 0; i < n; ++i)
            verschieden += std::find(nummern, nummern + i, nummern[i]) == nummern + i;
    } else {
        // Long polygons: each corner marked with this face's stamp, once.
        if (stempel_.size() < zahl + 1) stempel_.resize(zahl + 1, 0);
        ++stempelNummer_;
        for (size_t i = 0; i < n; ++i) {
            uint64_t& s = stempel_[static_cast<size_t>(nummern[i])];
            verschieden += s != stempelNummer_;
            s = stempelNummer_;
        }
    }
    if (verschieden < 3)
        melden("few-corners", Tr("Kern", "Fläche mit weniger als drei verschiedenen Ecken"));
    if (n == 0 || !platz(0, n)) return;
    Geometrie& g = ziel();
    for (size_t i = 0; i < n; ++i)
        g.ecken.push_back(nummern_[erste + static_cast<size_t>(nummern[i]) - 1]);
    if (regeln_) {
        Regelstoff& r = g.regelstoff;
        for (size_t i = 0; i < n; ++i)
            r.ecken.push_back(eigene_[erste + static_cast<size_t>(nummern[i]) - 1]);
        r.anfang.push_back(static_cast<uint32_t>(r.ecken.size()));
        r.zeile.push_back(zeile_);
        r.art.push_back(material_.textur >= 0 ? Regelstoff::Textur : 0);
    }
    g.anfang.push_back(static_cast<uint32_t>(g.ecken.size()));
    g.zeile.push_back(zeile_);
    g.material.push_back(materialNummer());
    ++g.flaechenZahl;
    g.eckenZahl += n;
}

void Leser::ebeneBeginnen(Ebene::Art art, std::string name) {
    ebenen_.push_back(
        {art, nummern_.size(), basis_, lokal_, zeile_, std::move(name), ++serien_, material_});
    if (art == Ebene::Proto) {
        basis_ = Einheit;
        ziele_.emplace_back();
    } else {
        basis_ = welt_;
    }
    lokalSetzen(Einheit);
}

void Leser::ebeneBeenden() {
    Ebene& e = ebenen_.back();
    nummern_.resize(e.nummern);
    if (regeln_) eigene_.resize(e.nummern);
    if (!(material_ == e.material)) {
        material_ = e.material;
        materialNummer_.reset();
    }
    basis_ = e.basis;
    lokalSetzen(e.lokal);
    if (e.art == Ebene::Proto) {
        Geometrie& g = ziele_.back();
        if (regeln_) geometrieregeln(g);
        zusammensetzen(g);
        g.kanten = kantenVon(g);
        g.kopien = {};
        protos_[e.name] = std::make_shared<const Geometrie>(std::move(g));
        ziele_.pop_back();
    }
    ebenen_.pop_back();
}

void Leser::instanz(const std::string& name) {
    for (const Ebene& e : ebenen_)
        if (e.art == Ebene::Proto && e.name == name) {
            melden("proto-recursion", Einsetzen(Tr("Kern", "Prototyp \"%1\" ruft sich selbst auf"),
                                                {Latin1ZuUtf8(name)}));
            return;
        }
    const auto p = protos_.find(name);
    if (p == protos_.end()) {
        melden("proto-undefined",
               Einsetzen(Tr("Kern", "Prototyp \"%1\" ist hier noch nicht definiert"),
                         {Latin1ZuUtf8(name)}));
        return;
    }
    const Geometrie& q = *p->second;
    if (!platz(q.punkte.size(), q.ecken.size())) return;
    Geometrie& g = ziel();
    g.kopien.push_back({static_cast<uint32_t>(g.punkteZahl), static_cast<uint32_t>(q.punkte.size()),
                        static_cast<uint32_t>(g.flaechenZahl),
                        static_cast<uint32_t>(q.zeile.size()), g.punkte.size(), g.zeile.size(),
                        p->second, welt_});
    g.punkteZahl += q.punkte.size();
    g.flaechenZahl += q.zeile.size();
    g.eckenZahl += q.ecken.size();
}

void zusammensetzen(Geometrie& g) {
    if (g.kopien.empty()) return;
    Geometrie z;
    z.punkte.reserve(g.punkteZahl);
    z.punktzeile.reserve(g.punkteZahl);
    z.ecken.reserve(g.eckenZahl);
    z.anfang.reserve(g.flaechenZahl + 1);
    z.zeile.reserve(g.flaechenZahl);
    z.material.reserve(g.flaechenZahl);
    z.uv.reserve(g.punkteZahl);
    // The own points and faces up to these, after those taken before.
    size_t punkt = 0, flaeche = 0;
    auto eigene = [&](size_t punkte, size_t flaechen) {
        z.punkte.insert(z.punkte.end(), g.punkte.begin() + static_cast<ptrdiff_t>(punkt),
                        g.punkte.begin() + static_cast<ptrdiff_t>(punkte));
        z.punktzeile.insert(z.punktzeile.end(),
                            g.punktzeile.begin() + static_cast<ptrdiff_t>(punkt),
                            g.punktzeile.begin() + static_cast<ptrdiff_t>(punkte));
        const auto um = static_cast<uint32_t>(z.ecken.size() - g.anfang[flaeche]);
        z.ecken.insert(z.ecken.end(), g.ecken.begin() + g.anfang[flaeche],
                       g.ecken.begin() + g.anfang[flaechen]);
        for (size_t f = flaeche; f < flaechen; ++f) z.anfang.push_back(g.anfang[f + 1] + um);
        z.zeile.insert(z.zeile.end(), g.zeile.begin() + static_cast<ptrdiff_t>(flaeche),
                       g.zeile.begin() + static_cast<ptrdiff_t>(flaechen));
        z.material.insert(z.material.end(), g.material.begin() + static_cast<ptrdiff_t>(flaeche),
                          g.material.begin() + static_cast<ptrdiff_t>(flaechen));
        z.uv.insert(z.uv.end(), g.uv.begin() + static_cast<ptrdiff_t>(punkt),
                    g.uv.begin() + static_cast<ptrdiff_t>(punkte));
        punkt = punkte, flaeche = flaechen;
    };
    // Copied whole, then moved in place: loops without a check per element.
    auto verschoben = [](std::vector<uint32_t>& ziel, auto von, auto bis, uint32_t um) {
        const size_t alt = ziel.size();
        ziel.insert(ziel.end(), von, bis);
        for (uint32_t *k = ziel.data() + alt, *e = ziel.data() + ziel.size(); k != e; ++k) *k += um;
    };
    for (const Kopie& k : g.kopien) {
        eigene(k.eigenePunkte, k.eigeneFlaechen);
        const Geometrie& q = *k.quelle;
        for (const auto& v : q.punkte) z.punkte.push_back(anwenden(k.welt, v[0], v[1], v[2]));
        z.punktzeile.insert(z.punktzeile.end(), q.punktzeile.begin(), q.punktzeile.end());
        verschoben(z.anfang, q.anfang.begin() + 1, q.anfang.end(),
                   static_cast<uint32_t>(z.ecken.size()));
        verschoben(z.ecken, q.ecken.begin(), q.ecken.end(), k.punkt);
        z.zeile.insert(z.zeile.end(), q.zeile.begin(), q.zeile.end());
        z.material.insert(z.material.end(), q.material.begin(), q.material.end());
        z.uv.insert(z.uv.end(), q.uv.begin(), q.uv.end());
    }
    eigene(g.punkte.size(), g.zeile.size());
    g.punkte = std::move(z.punkte);
    g.punktzeile = std::move(z.punktzeile);
    g.ecken = std::move(z.ecken);
    g.anfang = std::move(z.anfang);
    g.zeile = std::move(z.zeile);
    g.material = std::move(z.material);
    g.uv = std::move(z.uv);
}

void Leser::koerper(const std::vector<std::array<double, 3>>& ecken,
                    const std::vector<std::vector<uint32_t>>& flaechen) {
    size_t e = 0;
    for (const auto& f : flaechen) e += f.size();
    if (!platz(ecken.size(), e)) return;
    Geometrie& g = ziel();
    const auto versatz = static_cast<uint32_t>(g.punkteZahl);
    for (const auto& v : ecken) g.punkte.push_back(anwenden(welt_, v[0], v[1], v[2]));
    g.punktzeile.resize(g.punktzeile.size() + ecken.size(), zeile_);
    g.uv.resize(g.uv.size() + ecken.size(), {NAN, NAN});
    g.punkteZahl += ecken.size();
    if (regeln_) {
        Regelstoff& r = g.regelstoff;
        const auto eigen = static_cast<uint32_t>(g.punkte.size() - ecken.size());
        r.ebene.resize(r.ebene.size() + ecken.size(), ebenen_.back().serie);
        r.vertex.resize(r.vertex.size() + ecken.size(), 0);
        for (const auto& f : flaechen) {
            for (uint32_t k : f) r.ecken.push_back(k + eigen);
            r.anfang.push_back(static_cast<uint32_t>(r.ecken.size()));
            r.zeile.push_back(zeile_);
            r.art.push_back(Regelstoff::Primitiv);
        }
    }
    const uint32_t material = materialNummer();
    for (const auto& f : flaechen) {
        for (uint32_t k : f) g.ecken.push_back(k + versatz);
        g.anfang.push_back(static_cast<uint32_t>(g.ecken.size()));
        g.zeile.push_back(zeile_);
        g.material.push_back(material);
    }
    g.flaechenZahl += flaechen.size();
    g.eckenZahl += e;
}

// The primitives as the peer loaders build them, but with quads and whole
// discs where those show the wire-frame better than triangles.
void Leser::primitiv(Befehl b) {
    auto& ecken = koerperEcken_;
    auto& flaechen = koerperFlaechen_;
    ecken.clear();
    flaechen.clear();
    const std::vector<double>& z = zahlen_;
    // A ring of n points at height h, radius r, from +x turning about +y.
    auto ring = [&](double h, double r, int64_t n) {
        const auto erster = static_cast<uint32_t>(ecken.size());
        for (int64_t i = 0; i < n; ++i) {
            const double w = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
            ecken.push_back({r * std::cos(w), h, -r * std::sin(w)});
        }
        return erster;
    };
    // The band of quads between two rings of n points.
    auto band = [&](uint32_t unten, uint32_t oben, int64_t n) {
        for (uint32_t i = 0; i < n; ++i) {
            const auto j = static_cast<uint32_t>((i + 1) % n);
            flaechen.push_back({unten + i, unten + j, oben + j, oben + i});
        }
    };
    // The triangles from a ring of n points to one point.
    auto faecher = [&](uint32_t ring, uint32_t spitze, int64_t n) {
        for (uint32_t i = 0; i < n; ++i)
            flaechen.push_back({spitze, ring + i, ring + static_cast<uint32_t>((i + 1) % n)});
    };
    // Grid sizes come from the file: what would not fit the model is refused
    // before anything is built.
    auto passt = [&](int64_t punkte) {
        if (punkte <= static_cast<int64_t>(MaxModellpunkte)) return true;
        platz(MaxModellpunkte + 1, 0);
        return false;
    };
    switch (b) {
        case Befehl::Block: {
            const double x = z[0] / 2, y = z[1] / 2, t = z[2] / 2;
            ecken = {{-x, y, -t},  {x, y, -t},  {x, y, t},  {-x, y, t},
                     {-x, -y, -t}, {x, -y, -t}, {x, -y, t}, {-x, -y, t}};
            flaechen = {{0, 1, 2, 3}, {4, 7, 6, 5}, {0, 4, 5, 1},
                        {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}};
            break;
        }
        case Befehl::Cone:
        case Befehl::Cylinder:
        case Befehl::Disc: {
            const int64_t n = anzahl(z.back());
            if (n < 3 || !passt(2 * n + 1)) return;
            if (b == Befehl::Cone) {
                faecher(ring(0, z[1], n), static_cast<uint32_t>(n), n);
                ecken.push_back({0, z[0], 0});
            } else if (b == Befehl::Cylinder) {
                const uint32_t unten = ring(0, z[1], n);
                band(unten, ring(z[0], z[2], n), n);
            } else {
                ring(z[0], z[1], n);
                flaechen.emplace_back();
                for (uint32_t i = 0; i < n; ++i) flaechen.back().push_back(i);
            }
            break;
        }
        case Befehl::Hemisphere:
        case Befehl::Sphere: {
            const int64_t n = anzahl(z[1]);
            if (n < 2 || !passt(8 * n * n)) return;
            const double r = z[0], schritt = std::numbers::pi / static_cast<double>(2 * n);
            const int64_t seiten = 4 * n;
            const int64_t von = b == Befehl::Sphere ? -n + 1 : 0;
            std::optional<uint32_t> vorige;
            for (int64_t h = von; h < n; ++h) {
                const uint32_t jetzt = ring(std::sin(schritt * static_cast<double>(h)) * r,
                                            std::cos(schritt * static_cast<double>(h)) * r, seiten);
                if (vorige) band(*vorige, jetzt, seiten);
                vorige = jetzt;
            }
            ecken.push_back({0, r, 0});
            faecher(*vorige, static_cast<uint32_t>(ecken.size() - 1), seiten);
            if (b == Befehl::Sphere) {
                ecken.push_back({0, -r, 0});
                faecher(0, static_cast<uint32_t>(ecken.size() - 1), seiten);
            }
            break;
        }
        default:
            return;
    }
    koerper(ecken, flaechen);
}

void Leser::befehl(const Befehlsart& art) {
    switch (art.befehl) {
        case Befehl::Vertex:
            if (zahlenLesen(art, false)) punkt(zahlen_[0], zahlen_[1], zahlen_[2]);
            break;
        case Befehl::Triangle:
        case Befehl::Quad:
            if (zahlenLesen(art, true)) flaeche(ganz_.data(), ganz_.size());
            break;
        case Befehl::Polygon: {
            if (!zahlenLesen(art, true)) break;
            const int64_t soll = ganz_[0];
            ganz_.clear();
            // The corners run up to the first word that is no whole number ("tag").
            for (size_t i = 2; i < woerter_.size(); ++i) {
                const std::optional<int64_t> k = ganzzahl(woerter_[i]);
                if (!k) break;
                ganz_.push_back(*k);
            }
            if (soll != static_cast<int64_t>(ganz_.size()))
                melden("polygon-count",
                       Einsetzen(Tr("Kern", "Polygon mit %1 Ecken gibt %2 an"),
                                 {std::to_string(soll), std::to_string(ganz_.size())}));
            flaeche(ganz_.data(),
                    std::min(ganz_.size(), static_cast<size_t>(std::max<int64_t>(soll, 0))));
            break;
        }
        case Befehl::ClumpBegin:
            ++clumps_;
            ebeneBeginnen(Ebene::Clump, {});
            break;
        case Befehl::ClumpEnd:
            if (ebenen_.back().art == Ebene::Clump)
                ebeneBeenden();
            else
                melden("unbalanced", Tr("Kern", "ClumpEnd ohne ClumpBegin"));
            break;
        case Befehl::TransformBegin:
            transforms_.emplace_back(lokal_, zeile_);
            break;
        case Befehl::TransformEnd:
            if (transforms_.empty()) {
                melden("unbalanced", Tr("Kern", "TransformEnd ohne TransformBegin"));
                lokalSetzen(Einheit);
            } else {
                lokalSetzen(transforms_.back().first);
                transforms_.pop_back();
            }
            break;
        case Befehl::ProtoBegin: {
            if (woerter_.size() < 2) {
                melden("proto-name", Tr("Kern", "ProtoBegin braucht einen Namen"));
                // Still a level, so that its ProtoEnd does not stand alone.
            }
            for (auto e = ebenen_.rbegin(); e != ebenen_.rend(); ++e)
                if (e->art != Ebene::Datei) {
                    melden("proto-nesting", e->art == Ebene::Clump
                                                ? Tr("Kern", "ProtoBegin in einem Clump")
                                                : Tr("Kern", "ProtoBegin in einem Prototyp"));
                    break;
                }
            ebeneBeginnen(Ebene::Proto, woerter_.size() < 2 ? std::string() : Klein(woerter_[1]));
            break;
        }
        case Befehl::ProtoEnd: {
            const auto proto = std::find_if(ebenen_.rbegin(), ebenen_.rend(),
                                            [](const Ebene& e) { return e.art == Ebene::Proto; });
            if (proto == ebenen_.rend()) {
                melden("unbalanced", Tr("Kern", "ProtoEnd ohne ProtoBegin"));
                break;
            }
            while (ebenen_.back().art != Ebene::Proto) {
                melden(ebenen_.back().zeile, "unbalanced", Tr("Kern", "ClumpBegin ohne ClumpEnd"));
                ebeneBeenden();
            }
            ebeneBeenden();
            break;
        }
        case Befehl::ProtoInstance:
            if (woerter_.size() < 2)
                melden("proto-name", Einsetzen(Tr("Kern", "%1 braucht einen Namen"), {art.name}));
            else
                instanz(Klein(woerter_[1]));
            break;
        case Befehl::MaterialBegin:
            materialien_.push_back(zeile_);
            materialStapel_.push_back(material_);
            break;
        case Befehl::MaterialEnd:
            if (materialien_.empty()) {
                melden("unbalanced", Tr("Kern", "MaterialEnd ohne MaterialBegin"));
            } else {
                materialien_.pop_back();
                material_ = materialStapel_.back();
                materialStapel_.pop_back();
                materialNummer_.reset();
            }
            break;
        case Befehl::Identity:
            lokalSetzen(Einheit);
            break;
        case Befehl::Translate:
            if (zahlenLesen(art, false)) {
                Matrix4 t = Einheit;
                t[12] = zahlen_[0], t[13] = zahlen_[1], t[14] = zahlen_[2];
                transformieren(t);
            }
            break;
        case Befehl::Scale:
            if (zahlenLesen(art, false)) {
                Matrix4 t = Einheit;
                t[0] = zahlen_[0], t[5] = zahlen_[1], t[10] = zahlen_[2];
                transformieren(t);
            }
            break;
        case Befehl::Rotate:
            if (zahlenLesen(art, false))
                transformieren(drehung(zahlen_[0], zahlen_[1], zahlen_[2], zahlen_[3]));
            break;
        case Befehl::Transform:
            if (zahlenLesen(art, false)) {
                Matrix4 t;
                std::copy(zahlen_.begin(), zahlen_.end(), t.begin());
                // A last element of 0 acts as 1, as in the worlds these files come from.
                if (t[15] == 0) t[15] = 1;
                lokalSetzen(t);
            }
            break;
        case Befehl::Block:
        case Befehl::Cone:
        case Befehl::Cylinder:
        case Befehl::Disc:
        case Befehl::Hemisphere:
        case Befehl::Sphere:
            if (zahlenLesen(art, false)) {
                if (regeln_) zeilenregeln(art);
                primitiv(art.befehl);
            }
            break;
        case Befehl::Farbe:
        case Befehl::Textur:
        case Befehl::Licht:
        case Befehl::Seiten:
            material(art.befehl);
            [[fallthrough]];
        case Befehl::Erweiterung:
            if (regeln_) zeilenregeln(art);
            break;
    }
}

void Leser::material(Befehl b) {
    const Material vorher = material_;
    // The numbers from word 1 on, up to the first word that is none.
    double z[3];
    size_t n = 0;
    for (size_t i = 1; i < woerter_.size() && n < 3; ++i) {
        const auto v = zahl(woerter_[i]);
        if (!v) break;
        z[n++] = *v;
    }
    auto anteil = [](double v) { return static_cast<float>(std::clamp(v, 0.0, 1.0)); };
    const std::string_view wort = woerter_[0];
    if (b == Befehl::Farbe) {
        if (IstWort(wort, "color")) {
            if (n == 3) material_.farbe = {anteil(z[0]), anteil(z[1]), anteil(z[2])};
        } else if (IstWort(wort, "surface")) {
            if (n >= 2) material_.ambient = anteil(z[0]), material_.diffuse = anteil(z[1]);
        } else if (IstWort(wort, "ambient")) {
            if (n >= 1) material_.ambient = anteil(z[0]);
        } else if (IstWort(wort, "diffuse")) {
            if (n >= 1) material_.diffuse = anteil(z[0]);
        } else if (IstWort(wort, "opacity")) {
            if (n >= 1) material_.opacity = anteil(z[0]);
        }
    } else if (b == Befehl::Licht) {
        if (woerter_.size() >= 2) material_.glatt = IstWort(woerter_[1], "vertex");
    } else if (b == Befehl::Seiten) {
        if (woerter_.size() >= 2) material_.doppelt = IstWort(woerter_[1], "double");
    } else if (b == Befehl::Textur && woerter_.size() >= 2) {
        auto nummer = [&](std::string_view name) {
            const auto [it, neu] =
                texturnummern_.emplace(Klein(name), static_cast<int32_t>(texturnamen_.size()));
            if (neu) texturnamen_.emplace_back(name);
            return it->second;
        };
        material_.maske = -1;
        if (IstWort(woerter_[1], "null")) {
            material_.textur = -1;
        } else {
            material_.textur = nummer(woerter_[1]);
            texturen_.push_back({zeile_, std::string(woerter_[1]), false});
            for (size_t i = 2; i + 1 < woerter_.size(); ++i)
                if (IstWort(woerter_[i], "mask")) {
                    material_.maske = nummer(woerter_[i + 1]);
                    texturen_.push_back({zeile_, std::string(woerter_[i + 1]), true});
                }
        }
    }
    if (!(material_ == vorher)) materialNummer_.reset();
}

uint32_t Leser::materialNummer() {
    if (!materialNummer_) {
        const auto m = std::find(materialListe_.begin(), materialListe_.end(), material_);
        materialNummer_ = static_cast<uint32_t>(m - materialListe_.begin());
        if (m == materialListe_.end()) materialListe_.push_back(material_);
    }
    return *materialNummer_;
}

void Leser::zeilenregeln(const Befehlsart& art) {
    const std::string name(art.name);
    switch (art.befehl) {
        case Befehl::Block:
            if (std::any_of(zahlen_.begin(), zahlen_.end(), [](double v) { return v <= 0; }))
                melden("bad-primitive", Tr("Kern", "Block mit einem Maß von 0 oder darunter"));
            break;
        case Befehl::Cone:
        case Befehl::Cylinder:
        case Befehl::Disc:
        case Befehl::Hemisphere:
        case Befehl::Sphere: {
            const Befehl b = art.befehl;
            const bool rund = b == Befehl::Hemisphere || b == Befehl::Sphere;
            // Height first for cone and cylinder; a disc's first number is its offset.
            if ((b == Befehl::Cone || b == Befehl::Cylinder) && zahlen_[0] <= 0)
                melden("bad-primitive",
                       Einsetzen(Tr("Kern", "%1 mit einer Höhe von 0 oder darunter"), {name}));
            // A cylinder may narrow to a point at one end, not at both.
            const bool ohneRadius =
                rund ? zahlen_[0] <= 0
                : b == Befehl::Cylinder
                    ? zahlen_[1] < 0 || zahlen_[2] < 0 || (zahlen_[1] == 0 && zahlen_[2] == 0)
                    : zahlen_[1] <= 0;
            if (ohneRadius)
                melden("bad-primitive",
                       Einsetzen(Tr("Kern", "%1 mit einem Radius von 0 oder darunter"), {name}));
            // A sphere's second number is its density: four sides per step.
            if (rund ? zahlen_[1] < 1 : zahlen_.back() < 3)
                melden("bad-primitive",
                       Einsetzen(Tr("Kern", "%1 mit weniger als 3 Seiten"), {name}));
            break;
        }
        case Befehl::Farbe:
            for (size_t i = 1; i < woerter_.size(); ++i) {
                const std::optional<double> v = zahl(woerter_[i]);
                if (!v) break;
                if (*v < 0 || *v > 1) {
                    melden("colour-range", Einsetzen(Tr("Kern", "%1 mit %2, außerhalb von 0 bis 1"),
                                                     {name, Latin1ZuUtf8(woerter_[i])}));
                    break;
                }
            }
            break;
        case Befehl::Erweiterung:
            if (!ausrufe_)
                melden("extension-without-bang",
                       Einsetzen(Tr("Kern",
                                    "%1 ohne #! davor: ältere Browser lehnen das ganze "
                                    "Modell ab"),
                                 {name}));
            break;
        default:
            break;
    }
}

void Leser::geometrieregeln(const Geometrie& g) {
    GeometrieRegeln(g.punkte, g.punktzeile, g.uv, g.regelstoff, befunde_);
}

// Each edge once: bucketed by its lower point, then marked per bucket. The
// faces of copies are left to their prototype's edges, which stand in the
// same order as these faces would give them.
Kanten kantenVon(const Geometrie& g) {
    const size_t punkte = g.punkte.size();
    std::vector<uint32_t> anfang(punkte + 1, 0);
    auto jedeKante = [&](auto f) {
        const uint32_t* const starts = g.anfang.data();
        const uint32_t* const ecken = g.ecken.data();
        auto flaechen = [&](size_t von, size_t bis) {
            for (size_t fl = von; fl < bis; ++fl) {
                const uint32_t a = starts[fl], e = starts[fl + 1];
                for (uint32_t i = a; i < e; ++i) {
                    const uint32_t p = ecken[i], q = ecken[i + 1 < e ? i + 1 : a];
                    if (p != q) f(std::min(p, q), std::max(p, q));
                }
            }
        };
        size_t fl = 0;
        for (const Kopie& k : g.kopien) {
            flaechen(fl, k.flaeche);
            fl = k.flaeche + k.flaechen;
        }
        flaechen(fl, g.zeile.size());
    };
    jedeKante([&](uint32_t p, uint32_t) { ++anfang[p + 1]; });
    for (size_t i = 1; i <= punkte; ++i) anfang[i] += anfang[i - 1];
    std::vector<uint32_t> nach(anfang.back());
    std::vector<uint32_t> stelle(anfang.begin(), anfang.end() - 1);
    jedeKante([&](uint32_t p, uint32_t q) { nach[stelle[p]++] = q; });
    size_t zahl = nach.size();
    for (const Kopie& k : g.kopien) zahl += k.quelle->kanten.size();
    Kanten kanten;
    kanten.reserve(zahl);
    std::vector<uint32_t> zuletzt(punkte, UINT32_MAX);
    auto kopie = g.kopien.begin();
    for (uint32_t p = 0; p < punkte;) {
        if (kopie != g.kopien.end() && kopie->punkt == p) {
            const size_t alt = kanten.size();
            const Kanten& von = kopie->quelle->kanten;
            kanten.insert(kanten.end(), von.begin(), von.end());
            for (auto *k = kanten.data() + alt, *e = kanten.data() + kanten.size(); k != e; ++k)
                (*k)[0] += p, (*k)[1] += p;
            p += (kopie++)->punkte;
            continue;
        }
        for (uint32_t i = anfang[p]; i < anfang[p + 1]; ++i)
            if (zuletzt[nach[i]] != p) {
                zuletzt[nach[i]] = p;
                kanten.push_back({p, nach[i]});
            }
        ++p;
    }
    return kanten;
}

GanzesModell Leser::lesen(std::string_view daten) {
    daten = OhneBom(daten);
    ebenen_.push_back({Ebene::Datei, 0, Einheit, Einheit, 0, {}, 0, {}});
    ziele_.emplace_back();
    {
        // A line makes at most one point or face of the file's own, and real
        // lines are rarely shorter than this: room for that much up front
        // spares the copies and fresh pages of growing.
        const size_t zeilen = daten.size() / 16 + 16;
        Geometrie& g = ziele_.front();
        g.punkte.reserve(zeilen);
        g.punktzeile.reserve(zeilen);
        g.anfang.reserve(zeilen + 1);
        g.zeile.reserve(zeilen);
        g.ecken.reserve(4 * zeilen);
        nummern_.reserve(zeilen);
    }
    const char* p = daten.data();
    const char* const ende = p + daten.size();
    // Line by line, words as they come: one look at every byte.
    while (p < ende) {
        ++zeile_;
        woerter_.clear();
        ausrufe_ = false;
        while (p < ende) {
            uint8_t a = art(*p);
            while (a == Trenner && ++p < ende) a = art(*p);
            if (p == ende) break;
            if (a == Wortzeichen) {
                const char* anfang = p;
                p = wortende(p + 1, ende);
                woerter_.emplace_back(anfang, static_cast<size_t>(p - anfang));
            } else if (a == Raute) {
                // "#!" hides a command from other readers; anything else begins a comment.
                if (p + 1 < ende && p[1] == '!') {
                    ausrufe_ = ausrufe_ || woerter_.empty();
                    p += 2;
                } else
                    while (p < ende && art(*p) < Wagenruecklauf) ++p;
            } else {
                ++p;
                if (a == Wagenruecklauf && p < ende && *p == '\n') ++p;
                break;
            }
        }
        if (woerter_.empty()) continue;
        if (const Befehlsart* b = befehlsart(woerter_[0])) befehl(*b);
    }
    // What is still open at the end, with the line that opened it.
    while (ebenen_.size() > 1) {
        melden(ebenen_.back().zeile, "unbalanced",
               ebenen_.back().art == Ebene::Clump ? Tr("Kern", "ClumpBegin ohne ClumpEnd")
                                                  : Tr("Kern", "ProtoBegin ohne ProtoEnd"));
        if (ebenen_.back().art == Ebene::Proto) ziele_.pop_back();
        nummern_.resize(ebenen_.back().nummern);
        if (regeln_) eigene_.resize(ebenen_.back().nummern);
        ebenen_.pop_back();
    }
    for (const auto& [matrix, zeile] : transforms_)
        melden(zeile, "unbalanced", Tr("Kern", "TransformBegin ohne TransformEnd"));
    for (int32_t zeile : materialien_)
        melden(zeile, "unbalanced", Tr("Kern", "MaterialBegin ohne MaterialEnd"));

    GanzesModell m;
    Geometrie& g = ziele_.front();
    if (regeln_) geometrieregeln(g);
    zusammensetzen(g);
    m.kanten = kantenVon(g);
    m.punkte = std::move(g.punkte);
    m.punktzeile = std::move(g.punktzeile);
    m.ecken = std::move(g.ecken);
    m.anfang = std::move(g.anfang);
    m.flaechenzeile = std::move(g.zeile);
    m.flaechenmaterial = std::move(g.material);
    m.punktUv = std::move(g.uv);
    m.materialien = std::move(materialListe_);
    m.texturnamen = std::move(texturnamen_);
    m.clumps = clumps_;
    if (!m.punkte.empty()) {
        m.umfang = {m.punkte[0][0], m.punkte[0][1], m.punkte[0][2],
                    m.punkte[0][0], m.punkte[0][1], m.punkte[0][2]};
        for (const auto& p : m.punkte)
            for (int a = 0; a < 3; ++a) {
                m.umfang[a] = std::min(m.umfang[a], p[a]);
                m.umfang[a + 3] = std::max(m.umfang[a + 3], p[a]);
            }
    }
    std::stable_sort(
        befunde_.begin(), befunde_.end(),
        [](const Modellbefund& a, const Modellbefund& b) { return a.zeile < b.zeile; });
    m.befunde = std::move(befunde_);
    m.texturen = std::move(texturen_);
    return m;
}

}  // namespace

GanzesModell GanzesModellLesen(std::string_view daten, bool regeln) {
    return Leser(regeln).lesen(daten);
}

}  // namespace nuk
