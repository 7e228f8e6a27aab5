// The whole model: clumps, transforms, prototypes, primitives and the findings.
#include <gtest/gtest.h>

#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "rwx/GanzesModellLesen.h"

namespace nuk {

inline void PrintTo(const Modellbefund& b, std::ostream* os) {
    *os << b.zeile << ": " << b.text;
}

namespace {

using test::datei;

struct Fall {
    const char* name;
    std::string text;
    int32_t clumps;
    size_t punkte, flaechen, kanten;
    std::optional<std::array<float, 6>> umfang;
    std::vector<Modellbefund> befunde;
};

TEST(GanzesModell, BautUndBefundet) {
    const std::string dreieck = "Vertex 0 0 0\nVertex 1 0 0\nVertex 0 1 0\n";
    std::string tief, sehrViele;
    for (int i = 0; i < 100000; ++i) tief += "ClumpBegin\n";
    for (int i = 0; i < 100000; ++i) tief += "ClumpEnd\n";
    // Every prototype twice the one before: the model stops at its bound.
    sehrViele = "ProtoBegin p0\n" + dreieck + "Triangle 1 2 3\nProtoEnd\n";
    for (int i = 1; i <= 25; ++i)
        sehrViele += "ProtoBegin p" + std::to_string(i) + "\nProtoInstance p" +
                     std::to_string(i - 1) + "\nProtoInstance p" + std::to_string(i - 1) +
                     "\nProtoEnd\n";
    // Few points, many corners: the corners of the copies reach their bound first.
    std::string vieleEcken = "ProtoBegin q0\n" + dreieck;
    for (int i = 0; i < 8; ++i) vieleEcken += "Triangle 1 2 3\n";
    vieleEcken += "ProtoEnd\n";
    for (int i = 1; i <= 21; ++i)
        vieleEcken += "ProtoBegin q" + std::to_string(i) + "\nProtoInstance q" +
                      std::to_string(i - 1) + "\nProtoInstance q" + std::to_string(i - 1) +
                      "\nProtoEnd\n";
    const std::string voll =
        "Das Modell wird zu groß (mehr als 4000000 Punkte oder 16000000 "
        "Flächenecken), der Rest fehlt";
    const std::vector<Fall> faelle = {
        {"Clumps: eigene Nummern, geerbte und wiederhergestellte Transformation",
         datei({"ModelBegin", "ClumpBegin", "Translate 10 0 0", "Vertex 0 0 0", "Vertex 1 0 0",
                "Vertex 0 1 0", "ClumpBegin", "Translate 0 0 5", "Vertex 0 0 0", "Vertex 1 0 0",
                "Vertex 0 1 0", "Triangle 1 2 3", "ClumpEnd", "Vertex 0 0 -1", "Triangle 1 2 4",
                "ClumpEnd", "ModelEnd"}),
         2,
         7,
         2,
         6,
         std::array<float, 6>{10, 0, -1, 11, 1, 5},
         {}},
        {"TransformBegin/End, Rotate, Scale, Identity, Transform",
         datei({"TransformBegin", "Rotate 0 0 1 90", "Vertex 1 0 0", "TransformEnd", "Scale 2 3 4",
                "Vertex 1 1 1", "Identity", "Vertex -1 -1 -1",
                "Transform 1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 0", "Vertex 1 1 1"}),
         0,
         4,
         0,
         0,
         std::array<float, 6>{-1, -1, -1, 6, 7, 8},
         {}},
        {"Prototypen: erst beim Platzieren Geometrie",
         "ProtoBegin Teil\n" + dreieck +
             "Triangle 1 2 3\nProtoEnd\nClumpBegin\n"
             "Translate 5 0 0\nProtoInstance teil\nProtoInstanceGeometry TEIL\nClumpEnd\n",
         1,
         6,
         2,
         6,
         std::array<float, 6>{5, 0, 0, 6, 1, 0},
         {}},
        {"Grundkörper",
         datei({"Block 2 4 6", "Cone 1 1 4", "Cylinder 1 1 1 4", "Disc 0 1 5", "Hemisphere 1 2",
                "Sphere 1 2", "Cone 1 1 2"}),
         0,
         8 + 5 + 8 + 5 + 17 + 26,
         6 + 4 + 4 + 1 + 16 + 32,
         12 + 8 + 12 + 5 + 32 + 56,
         std::array<float, 6>{-1, -2, -3, 1, 2, 3},
         {}},
        {"Kommentare, #!, Kommas, Groß und klein, Zeilenenden",
         "vertex 0 0 0 # Triangle 9 9 9\r\n#!VERTEX 1,0,0\rVertexExt 0 1 0 UV 0 1\n"
         "TriangleExt 1 2 3 Tag 4\n",
         0,
         3,
         1,
         3,
         std::nullopt,
         {}},
        {"Ecken, die es nicht gibt, und zu wenige Ecken",
         dreieck + "Triangle 1 2 9\nQuad 0 1 2 3\nTriangle 1 1 2\nPolygon 2 1 2\n",
         0,
         3,
         2,
         1,
         std::nullopt,
         {{4, "Ecke 9 gibt es hier nicht (3 Punkte)", "corner-missing"},
          {5, "Ecke 0 gibt es hier nicht (3 Punkte)", "corner-missing"},
          {6, "Fläche mit weniger als drei verschiedenen Ecken", "few-corners"},
          {7, "Fläche mit weniger als drei verschiedenen Ecken", "few-corners"}}},
        {"Polygon, Zahlen und Wörter",
         dreieck + "Polygon 4 1 2 3\nPolygon 3 1 2 3 4 tag 7\nVertex 1 2\nTranslate 1 x 3\n"
                   "Triangle 1 2 3.5\nRotate 0 0 90\nPolygon\nProtoInstance\n",
         0,
         3,
         2,
         3,
         std::nullopt,
         {{4, "Polygon mit 4 Ecken gibt 3 an", "polygon-count"},
          {5, "Polygon mit 3 Ecken gibt 4 an", "polygon-count"},
          {6, "Vertex braucht 3 Zahlen", "number-missing"},
          {7, "\"x\" ist keine Zahl", "not-a-number"},
          {8, "\"3.5\" ist keine ganze Zahl", "not-a-number"},
          {9, "Rotate braucht 4 Zahlen", "number-missing"},
          {10, "Polygon braucht 1 Zahl", "number-missing"},
          {11, "ProtoInstance braucht einen Namen", "proto-name"}}},
        {"Begin und End paarweise",
         datei({"ClumpEnd", "TransformEnd", "ProtoEnd", "MaterialEnd", "ClumpBegin",
                "TransformBegin", "MaterialBegin", "ProtoBegin a", "ClumpBegin", "ProtoEnd",
                "ProtoBegin b", "ProtoBegin c"}),
         2,
         0,
         0,
         0,
         std::nullopt,
         {{1, "ClumpEnd ohne ClumpBegin", "unbalanced"},
          {2, "TransformEnd ohne TransformBegin", "unbalanced"},
          {3, "ProtoEnd ohne ProtoBegin", "unbalanced"},
          {4, "MaterialEnd ohne MaterialBegin", "unbalanced"},
          {5, "ClumpBegin ohne ClumpEnd", "unbalanced"},
          {6, "TransformBegin ohne TransformEnd", "unbalanced"},
          {7, "MaterialBegin ohne MaterialEnd", "unbalanced"},
          {8, "ProtoBegin in einem Clump", "proto-nesting"},
          {9, "ClumpBegin ohne ClumpEnd", "unbalanced"},
          {11, "ProtoBegin in einem Clump", "proto-nesting"},
          {11, "ProtoBegin ohne ProtoEnd", "unbalanced"},
          {12, "ProtoBegin in einem Prototyp", "proto-nesting"},
          {12, "ProtoBegin ohne ProtoEnd", "unbalanced"}}},
        {"Kopien zwischen eigenen Punkten, in Prototypen, nach neuer Definition",
         datei({"ProtoBegin a",    "Vertex 0 0 0",   "Vertex 1 0 0",    "Vertex 0 1 0",
                "Triangle 1 2 3",  "ProtoEnd",       "ProtoBegin b",    "Vertex 0 0 0",
                "ProtoInstance a", "Vertex 1 1 1",   "Vertex 2 2 2",    "Quad 1 2 3 1",
                "ProtoEnd",        "Vertex 5 5 5",   "ProtoInstance b", "Vertex 6 6 6",
                "Triangle 1 2 1",  "ProtoBegin a",   "Vertex 0 0 0",    "Vertex 1 0 0",
                "Vertex 1 1 0",    "Vertex 0 1 0",   "Quad 1 2 3 4",    "ProtoEnd",
                "ProtoInstance a", "ProtoInstance b"}),
         0,
         18,
         6,
         17,  // b's six, the own triangle's one, the new a's four, b's six again
         std::array<float, 6>{0, 0, 0, 6, 6, 6},
         {{17, "Fläche mit weniger als drei verschiedenen Ecken", "few-corners"}}},
        {"Prototypen, die es nicht gibt oder die sich selbst rufen",
         datei({"ProtoInstance fehlt", "ProtoBegin a", "ProtoInstance a", "ProtoEnd",
                "ProtoBegin b", "ProtoEnd", "ProtoInstance B"}),
         0,
         0,
         0,
         0,
         std::nullopt,
         {{1, "Prototyp \"fehlt\" ist hier noch nicht definiert", "proto-undefined"},
          {3, "Prototyp \"a\" ruft sich selbst auf", "proto-recursion"}}},
        {"100000 Clumps tief", tief, 100000, 0, 0, 0, std::nullopt, {}},
        {"Grenze der Geometrie",
         sehrViele + "ProtoInstance p25\n",
         0,
         0,
         0,
         0,
         std::nullopt,
         {{84, voll, "model-too-large"}}},  // p20 places p19 the first time
        {"Grenze der Flächenecken in Kopien",
         vieleEcken,
         0,
         0,
         0,
         0,
         std::nullopt,
         {{87, voll, "model-too-large"}}},  // q19 places q18 the first time: 18.9 million corners
        {"Grenze beim Grundkörper",
         "Sphere 1 1000000\nBlock 1 1 1\n",
         0,
         0,
         0,
         0,
         std::nullopt,
         {{1, voll, "model-too-large"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const GanzesModell m = GanzesModellLesen(f.text);
        EXPECT_EQ(m.befunde, f.befunde);
        EXPECT_EQ(m.clumps, f.clumps);
        EXPECT_EQ(m.punkte.size(), f.punkte);
        EXPECT_EQ(m.flaechen(), f.flaechen);
        EXPECT_EQ(m.kanten.size(), f.kanten);
        if (f.umfang) {
            for (int a = 0; a < 6; ++a) EXPECT_NEAR(m.umfang[a], (*f.umfang)[a], 1e-5) << a;
        }
        for (uint32_t k : m.ecken) ASSERT_LT(k, m.punkte.size());
        for (const auto& [p, q] : m.kanten) ASSERT_TRUE(p < q && q < m.punkte.size());
    }
}

// Every point where a reader of the world puts it, worked out by hand: the
// order of transforms, a turn about each axis, what a level restores, each
// primitive's own numbers.
TEST(GanzesModell, WeltkoordinatenJedesPunktes) {
    using P = std::array<float, 3>;
    const float w = std::numbers::sqrt2_v<float>;
    // Eight points at 45 degree steps from +x turning about +y.
    auto ring8 = [](float y, float r) {
        const float d = r * std::numbers::sqrt2_v<float> / 2;
        return std::vector<P>{{r, y, 0},  {d, y, -d}, {0, y, -r}, {-d, y, -d},
                              {-r, y, 0}, {-d, y, d}, {0, y, r},  {d, y, d}};
    };
    auto und = [](std::vector<P> a, const std::vector<P>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Fall {
        const char* name;
        std::string text;
        std::vector<P> punkte;
    };
    const std::vector<Fall> faelle = {
        {"verschieben, dann drehen, und umgekehrt",
         datei({"Translate 5 0 0", "Rotate 0 0 1 90", "Vertex 1 0 0", "Identity", "Rotate 0 0 1 90",
                "Translate 5 0 0", "Vertex 1 0 0", "Identity", "Scale 2 3 4", "Translate 1 0 0",
                "Vertex 1 1 1"}),
         {{5, 1, 0}, {0, 6, 0}, {4, 3, 4}}},
        {"90 Grad um jede Achse",
         datei({"Rotate 1 0 0 90", "Vertex 1 2 3", "Identity", "Rotate 0 1 0 90", "Vertex 1 2 3",
                "Identity", "Rotate 0 0 1 90", "Vertex 1 2 3", "Identity", "Rotate 0 0 -2 90",
                "Vertex 1 2 3"}),
         {{1, -3, 2}, {3, 2, -1}, {-2, 1, 3}, {2, -1, 3}}},
        {"Transform Spalte für Spalte",
         datei({"Transform 0 1 0 0 -1 0 0 0 0 0 1 0 5 6 7 1", "Vertex 1 2 3"}),
         {{3, 7, 10}}},
        {"TransformBegin/End im verschobenen Clump",
         datei({"ClumpBegin", "Translate 10 0 0", "TransformBegin", "Translate 0 5 0",
                "Vertex 0 0 0", "TransformEnd", "Vertex 0 0 0", "ClumpBegin", "Rotate 0 0 1 90",
                "Vertex 1 0 0", "ClumpEnd", "Vertex 1 0 0", "ClumpEnd", "Vertex 1 0 0"}),
         {{10, 5, 0}, {10, 0, 0}, {10, 1, 0}, {11, 0, 0}, {1, 0, 0}}},
        {"Prototyp durch die Transformation seiner Instanz",
         datei({"Translate 0 7 0", "ProtoBegin p", "Translate 1 0 0", "Vertex 0 0 0", "ProtoEnd",
                "Vertex 0 0 0", "ClumpBegin", "Translate 0 0 5", "Rotate 0 0 1 90",
                "ProtoInstance p", "ClumpEnd"}),
         {{0, 7, 0}, {0, 8, 5}}},
        {"Block",
         "Block 2 4 6\n",
         {{-1, 2, -3},
          {1, 2, -3},
          {1, 2, 3},
          {-1, 2, 3},
          {-1, -2, -3},
          {1, -2, -3},
          {1, -2, 3},
          {-1, -2, 3}}},
        {"Cone, Cylinder, Disc",
         datei({"Cone 3 2 4", "Cylinder 3 1 2 4", "Disc 1 2 4"}),
         {{2, 0, 0},
          {0, 0, -2},
          {-2, 0, 0},
          {0, 0, 2},
          {0, 3, 0},  // cone
          {1, 0, 0},
          {0, 0, -1},
          {-1, 0, 0},
          {0, 0, 1},  // bottom
          {2, 3, 0},
          {0, 3, -2},
          {-2, 3, 0},
          {0, 3, 2},  // top
          {2, 1, 0},
          {0, 1, -2},
          {-2, 1, 0},
          {0, 1, 2}}},  // disc
        {"Hemisphere", "Hemisphere 2 2\n", und(und(ring8(0, 2), ring8(w, w)), {{0, 2, 0}})},
        {"Sphere im verschobenen Raum", datei({"Translate 0 1 0", "Sphere 2 2"}),
         und(und(und(ring8(1 - w, w), ring8(1, 2)), ring8(1 + w, w)), {{0, 3, 0}, {0, -1, 0}})},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const GanzesModell m = GanzesModellLesen(f.text);
        EXPECT_TRUE(m.befunde.empty());
        ASSERT_EQ(m.punkte.size(), f.punkte.size());
        for (size_t i = 0; i < f.punkte.size(); ++i)
            for (int a = 0; a < 3; ++a)
                EXPECT_NEAR(m.punkte[i][a], f.punkte[i][a], 1e-5) << "Punkt " << i << ", " << a;
    }
}

// A face and a point keep the line that made them, also where a prototype is
// placed; after a nested clump the outer one's numbers name its own points again.
TEST(GanzesModell, FlaechenzeilenKantenUndEcken) {
    const GanzesModell clumps = GanzesModellLesen(
        datei({"ClumpBegin", "Vertex 0 0 0", "Vertex 1 0 0", "ClumpBegin", "Vertex 7 7 7",
               "ClumpEnd", "Vertex 0 1 0", "Triangle 1 2 3", "ClumpEnd"}));
    ASSERT_EQ(clumps.flaechen(), 1u);
    std::vector<std::array<float, 3>> ecken;
    for (uint32_t k : clumps.ecken) ecken.push_back(clumps.punkte[k]);
    EXPECT_EQ(ecken, (std::vector<std::array<float, 3>>{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));

    const GanzesModell m = GanzesModellLesen(
        datei({"ProtoBegin p", "Vertex 0 0 0", "Vertex 1 0 0", "Vertex 0 1 0", "Vertex 1 1 0",
               "Quad 1 2 4 3", "Triangle 1 2 4", "ProtoEnd", "ProtoInstance p", "Block 1 1 1"}));
    EXPECT_EQ(m.flaechenzeile, (std::vector<int32_t>{6, 7, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(m.punktzeile, (std::vector<int32_t>{2, 3, 4, 5, 10, 10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(m.kanten.size(), 5u + 12u);  // the quad's four and its diagonal, the block's twelve
}

}  // namespace
}  // namespace nuk
