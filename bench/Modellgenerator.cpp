#include "Modellgenerator.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace nukbench {

namespace {

// splitmix64: the standard library's distributions differ between
// implementations, and the model must be the same bytes everywhere.
class Zufall {
  public:
    explicit Zufall(uint64_t saat) : zustand_(saat) {}
    uint64_t naechste() {
        uint64_t z = (zustand_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform enough in von..bis for a benchmark; the bias of % is negligible here.
    int64_t zwischen(int64_t von, int64_t bis) {
        return von + static_cast<int64_t>(naechste() % static_cast<uint64_t>(bis - von + 1));
    }

  private:
    uint64_t zustand_;
};

class Schreiber {
  public:
    explicit Schreiber(std::string& ziel) : ziel_(ziel) {}

    Schreiber& operator<<(std::string_view text) {
        ziel_.append(text);
        return *this;
    }
    Schreiber& operator<<(int64_t zahl) {
        char buf[24];
        const auto [ende, ec] = std::to_chars(buf, buf + sizeof buf, zahl);
        (void)ec;
        ziel_.append(buf, static_cast<size_t>(ende - buf));
        return *this;
    }
    // ganz / 10^stellen with exactly that many decimals, as exporters write them.
    void dezimal(int64_t ganz, int stellen) {
        static constexpr int64_t zehner[] = {1, 10, 100, 1000};
        const int64_t teiler = zehner[stellen];
        if (ganz < 0) {
            ziel_.push_back('-');
            ganz = -ganz;
        }
        *this << ganz / teiler;
        if (stellen == 0) return;
        ziel_.push_back('.');
        char bruch[3];
        int64_t rest = ganz % teiler;
        for (int k = stellen - 1; k >= 0; --k, rest /= 10)
            bruch[k] = static_cast<char>('0' + rest % 10);
        ziel_.append(bruch, static_cast<size_t>(stellen));
    }
    void zeilenende() {
        ziel_.append("\r\n");
        ++zeilen_;
    }
    int zeilen() const { return zeilen_; }

  private:
    std::string& ziel_;
    int zeilen_ = 0;
};

// A coordinate in -1000..1000 with 0 to 3 decimals.
void koordinate(Schreiber& aus, Zufall& zufall) {
    static constexpr int64_t grenze[] = {1000, 10000, 100000, 1000000};
    const int stellen = static_cast<int>(zufall.zwischen(0, 3));
    aus.dezimal(zufall.zwischen(-grenze[stellen], grenze[stellen]), stellen);
}

// A colour channel in 0..1 with 3 decimals.
void kanal(Schreiber& aus, Zufall& zufall) {
    aus.dezimal(zufall.zwischen(0, 1000), 3);
}

int64_t ecke(Zufall& zufall) {
    return zufall.zwischen(1, Modellgroesse::Punkte);
}

}  // namespace

std::string GrossesModell() {
    using G = Modellgroesse;
    constexpr int kopf = 5;  // the settings lines before the first vertex
    constexpr int flaechen = G::Dreiecke + G::Vierecke + G::Polygone;
    constexpr int geruest = 4;  // ModelBegin, ClumpBegin, ClumpEnd, ModelEnd
    constexpr int farbwechsel = G::Zeilen - geruest - kopf - G::Punkte - flaechen;
    static_assert(farbwechsel > 0 && farbwechsel < flaechen);

    std::string modell;
    modell.reserve(1400000);
    Schreiber aus(modell);
    Zufall zufall(20240611);

    aus << "ModelBegin";
    aus.zeilenende();
    aus << "ClumpBegin";
    aus.zeilenende();
    aus << "Color 0.8 0.8 0.8";
    aus.zeilenende();
    aus << "Surface 0.6 0.3 0.1";
    aus.zeilenende();
    aus << "Opacity 1";
    aus.zeilenende();
    aus << "LightSampling Vertex";
    aus.zeilenende();
    aus << "GeometrySampling Solid";
    aus.zeilenende();

    for (int i = 0; i < G::Punkte; ++i) {
        aus << "Vertex";
        for (int k = 0; k < 3; ++k) {
            aus << " ";
            koordinate(aus, zufall);
        }
        aus.zeilenende();
    }

    // Faces in the order triangles, quads, polygons, with colour changes spread
    // evenly between them, as exporters write a material change per face group.
    for (int f = 0; f < flaechen; ++f) {
        if (static_cast<int64_t>(f) * farbwechsel / flaechen !=
            static_cast<int64_t>(f + 1) * farbwechsel / flaechen) {
            aus << "Color";
            for (int k = 0; k < 3; ++k) {
                aus << " ";
                kanal(aus, zufall);
            }
            aus.zeilenende();
        }
        int ecken;
        if (f < G::Dreiecke) {
            aus << "Triangle";
            ecken = 3;
        } else if (f < G::Dreiecke + G::Vierecke) {
            aus << "Quad";
            ecken = 4;
        } else {
            aus << "Polygon " << int64_t{G::Ecken};
            ecken = G::Ecken;
        }
        for (int k = 0; k < ecken; ++k) aus << " " << ecke(zufall);
        aus.zeilenende();
    }

    aus << "ClumpEnd";
    aus.zeilenende();
    aus << "ModelEnd";
    aus.zeilenende();

    if (aus.zeilen() != G::Zeilen) throw std::logic_error("GrossesModell: falsche Zeilenzahl");
    return modell;
}

const std::string& GrossesModellEinmal() {
    static const std::string bytes = GrossesModell();
    return bytes;
}

std::string ProtoModell() {
    using G = Protogroesse;
    std::string modell;
    modell.reserve(400000);
    Schreiber aus(modell);
    Zufall zufall(20261208);
    auto zeile = [&](std::string_view text) {
        aus << text;
        aus.zeilenende();
    };

    zeile("ModelBegin");
    zeile("ProtoBegin gitter");
    // A grid 4.9 units wide in steps of 0.1, its height a gentle wave in
    // thousandths, as exporters write them.
    for (int z = 0; z < G::Seite; ++z)
        for (int x = 0; x < G::Seite; ++x) {
            const auto hoehe =
                static_cast<int64_t>(std::lround(300 * std::sin(x * 0.25) * std::cos(z * 0.2)));
            aus << "Vertex ";
            aus.dezimal(x * 100 - 2450, 3);
            aus << " ";
            aus.dezimal(hoehe, 3);
            aus << " ";
            aus.dezimal(z * 100 - 2450, 3);
            aus.zeilenende();
        }
    for (int z = 0; z + 1 < G::Seite; ++z)
        for (int x = 0; x + 1 < G::Seite; ++x) {
            const int64_t a = z * G::Seite + x + 1, b = a + 1, c = b + G::Seite, d = a + G::Seite;
            if ((x + z) % 5 == 0) {
                aus << "Triangle " << a << " " << b << " " << c;
                aus.zeilenende();
                aus << "Triangle " << a << " " << c << " " << d;
            } else {
                aus << "Quad " << a << " " << b << " " << c << " " << d;
            }
            aus.zeilenende();
        }
    zeile("ProtoEnd");

    zeile("ClumpBegin");
    zeile("Vertex -80 -3 -60");
    zeile("Vertex 80 -3 -60");
    zeile("Vertex 80 -3 60");
    zeile("Vertex -80 -3 60");
    zeile("Quad 1 2 3 4");
    zeile("ClumpEnd");

    // Groups on a 5 x 4 field 30 units apart, each with its copies on a 5 x 4
    // field 6 units apart.
    for (int g = 0; g < G::Gruppen; ++g) {
        zeile("ClumpBegin");
        aus << "Translate " << int64_t{(g % 5) * 30 - 60} << " 0 " << int64_t{(g / 5) * 30 - 45};
        aus.zeilenende();
        for (int k = 0; k < G::JeGruppe; ++k) {
            zeile("ClumpBegin");
            aus << "Translate ";
            aus.dezimal((k % 5) * 6000 - 12000 + zufall.zwischen(-500, 500), 3);
            aus << " ";
            aus.dezimal(zufall.zwischen(0, 2000), 3);
            aus << " ";
            aus.dezimal((k / 5) * 6000 - 9000 + zufall.zwischen(-500, 500), 3);
            aus.zeilenende();
            aus << "Rotate 0 1 0 " << zufall.zwischen(0, 359);
            aus.zeilenende();
            aus << "Rotate 1 0 0 " << zufall.zwischen(-30, 30);
            aus.zeilenende();
            zeile("ProtoInstance gitter");
            zeile("ClumpEnd");
        }
        zeile("ClumpEnd");
    }
    zeile("ModelEnd");
    return modell;
}

std::string ProgrammOrdner() {
    std::error_code fehler;
    const auto pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::string("./") : pfad.parent_path().string() + "/";
}

}  // namespace nukbench
