#include "app/Bearbeiten.h"

#include <optional>

#include "Hilfen.h"
#include "rwx/NukToRwx.h"

namespace nuk {
namespace {

// An outer clump with four points and three faces, and inside it a clump of
// its own three points: its corners count from 1 again.
const std::vector<std::string> Zeilen = {
    "ModelBegin",                // 0
    "ClumpBegin",                // 1
    "Vertex 0 0 0",              // 2  outer 1
    "Vertex 1 0 0",              // 3  outer 2
    "Vertex 0 1 0",              // 4  outer 3
    "Vertex 1 1 0",              // 5  outer 4
    "Triangle 1 2 3 Tag 7",      // 6
    "Triangle  2 4 3",           // 7
    "ClumpBegin",                // 8
    "Vertex 5 5 5",              // 9  inner 1
    "VertexExt 6 5 5",           // 10 inner 2
    "Vertex 5 6 5",              // 11 inner 3
    "PolygonExt 3 1 2 3 Tag 2",  // 12
    "ClumpEnd",                  // 13
    "QuadExt 1 2 4 3",           // 14
    "ClumpEnd",                  // 15
    "ModelEnd",                  // 16
};

// The rows with some replaced, inserted (at a row index with a leading "+")
// or removed ("-"), in the order given.
std::vector<std::string> Mit(std::vector<std::pair<std::string, std::string>> aenderungen) {
    auto z = Zeilen;
    for (const auto& [wo, text] : aenderungen) {
        if (wo[0] == '+')
            z.insert(z.begin() + std::stoi(wo.substr(1)), text);
        else if (wo[0] == '-')
            z.erase(z.begin() + std::stoi(wo.substr(1)));
        else
            z[static_cast<size_t>(std::stoi(wo))] = text;
    }
    return z;
}

std::string Text(const std::vector<std::string>& zeilen) {
    std::string d;
    for (const auto& z : zeilen) d.append(z).append("\n");
    return d;
}

enum Eintrag { Punkt, Dreieck, Viereck, Polygon, Kommentar, Anderes, Aendern, Umkehren, Weg };

struct Fall {
    const char* name;
    Eintrag eintrag;
    std::vector<int> marken;             // ticked in this order
    int aktuell;                         // current row, -1 for none
    std::optional<std::string> antwort;  // of the row dialog
    bool ja;                             // to the question
    std::string vorgabe;                 // what the dialog showed; empty: no dialog
    std::vector<std::string> nachher;
    std::vector<int> markenNachher;
    std::string meldung;  // a message or question, if any
};

TEST(Bearbeiten, JederEintrag) {
    const Fall faelle[] = {
        {"Punkt nach der Zeile: spätere Ecken seines Clumps rücken auf",
         Punkt,
         {9, 3},
         3,
         "Vertex 9 9 9",
         true,
         "Vertex 0 0 0",
         Mit({{"+4", "Vertex 9 9 9"},
              {"7", "Triangle 1 2 4 Tag 7"},
              {"8", "Triangle  2 5 4"},
              {"15", "QuadExt 1 2 5 4"}}),
         {10, 3},
         ""},
        {"Punkt ohne Zeile: ans Ende des ersten Clumps",
         Punkt,
         {},
         -1,
         "Vertex 2 2 2",
         true,
         "Vertex 0 0 0",
         Mit({{"+15", "Vertex 2 2 2"}}),
         {},
         ""},
        {"Punkt im inneren Clump, vorbelegt vom einen markierten",
         Punkt,
         {10},
         9,
         "Vertex 1 1 1",
         true,
         "Vertex 6 5 5",
         Mit({{"+10", "Vertex 1 1 1"}, {"13", "PolygonExt 3 1 3 4 Tag 2"}}),
         {11},
         ""},
        {"Punkt abgebrochen", Punkt, {}, 3, std::nullopt, true, "Vertex 0 0 0", Zeilen, {}, ""},
        {"Dreieck in Markierfolge, am Ende seines Clumps",
         Dreieck,
         {11, 9, 10},
         3,
         "Triangle 3 1 2",
         true,
         "Triangle 3 1 2",
         Mit({{"+13", "Triangle 3 1 2"}}),
         {11, 9, 10},
         ""},
        {"Dreieck aus zwei Clumps",
         Dreieck,
         {2, 9, 10},
         -1,
         "x",
         true,
         "",
         Zeilen,
         {2, 9, 10},
         "Die markierten Punkte liegen in verschiedenen Clumps; ein Objekt nimmt nur Punkte "
         "seines Clumps."},
        {"Viereck aus drei Punkten",
         Viereck,
         {2, 3, 4},
         -1,
         "x",
         true,
         "",
         Zeilen,
         {2, 3, 4},
         "Für ein Viereck markieren Sie bitte genau 4 Punkte; markiert sind 3."},
        {"Polygon nach der Zeile",
         Polygon,
         {5, 4, 3, 2},
         7,
         "Polygon 4 4 3 2 1",
         true,
         "Polygon 4 4 3 2 1",
         Mit({{"+8", "Polygon 4 4 3 2 1"}}),
         {5, 4, 3, 2},
         ""},
        {"Polygon aus zwei Punkten",
         Polygon,
         {2, 3},
         -1,
         "x",
         true,
         "",
         Zeilen,
         {2, 3},
         "Für ein Polygon markieren Sie bitte mindestens 3 Punkte; markiert sind 2."},
        {"Kommentar", Kommentar, {}, 0, "# Dach", true, "# ", Mit({{"+1", "# Dach"}}), {}, ""},
        {"was anderes",
         Anderes,
         {},
         15,
         "Scale 2 2 2",
         true,
         "",
         Mit({{"+16", "Scale 2 2 2"}}),
         {},
         ""},
        {"Verändern",
         Aendern,
         {},
         6,
         "Triangle 3 2 1",
         true,
         "Triangle 1 2 3 Tag 7",
         Mit({{"6", "Triangle 3 2 1"}}),
         {},
         ""},
        {"Reverse: jede Art, Tags und Anzahl bleiben",
         Umkehren,
         {6, 12, 14, 2},
         -1,
         "",
         true,
         "",
         Mit({{"6", "Triangle 3 2 1 Tag 7"},
              {"12", "PolygonExt 3 3 2 1 Tag 2"},
              {"14", "QuadExt 3 4 2 1"}}),
         {6, 12, 14, 2},
         ""},
        {"Löschen eines Punkts nimmt seine Objekte mit, spätere Ecken rücken nach",
         Weg,
         {2},
         3,
         "",
         true,
         "",
         Mit({{"7", "Triangle  1 3 2"}, {"-14", ""}, {"-6", ""}, {"-2", ""}}),
         {},
         "Es werden auch 2 Objekte gelöscht, die gelöschte Punkte benutzen. Trotzdem löschen?"},
        {"Löschen: Nein",
         Weg,
         {2},
         3,
         "",
         false,
         "",
         Zeilen,
         {2},
         "Es werden auch 2 Objekte gelöscht, die gelöschte Punkte benutzen. Trotzdem löschen?"},
        {"Löschen von Punkten zweier Clumps",
         Weg,
         {11, 5},
         -1,
         "",
         true,
         "",
         Mit({{"-14", ""}, {"-12", ""}, {"-11", ""}, {"-7", ""}, {"-5", ""}}),
         {},
         "Es werden auch 3 Objekte gelöscht, die gelöschte Punkte benutzen. Trotzdem löschen?"},
        {"Löschen eines Objekts fragt nicht", Weg, {7}, 7, "", true, "", Mit({{"-7", ""}}), {}, ""},
        {"Löschen eines Punkts mit einem Objekt",
         Weg,
         {10},
         -1,
         "",
         true,
         "",
         Mit({{"-12", ""}, {"-10", ""}}),
         {},
         "Es wird auch 1 Objekt gelöscht, das gelöschte Punkte benutzt. Trotzdem löschen?"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        test::Dokument d;
        ASSERT_TRUE(DatenLesen(*d.s, Text(Zeilen)));
        d.host.meldungen.clear();
        for (int m : f.marken) d.s->TextList.setHaken(m, true);
        d.s->TextList.setAktuell(f.aktuell);
        d.host.zeile = f.antwort;
        d.host.ja = f.ja;
        const Zeilenstand vorher = StandNehmen(*d.s);
        switch (f.eintrag) {
            case Aendern:
                NukView::Vera_Click(*d.s);
                break;
            case Umkehren:
                NukView::Reverse_Click(*d.s);
                break;
            case Weg:
                NukView::MachsWeg_Click(*d.s);
                break;
            default:
                NukView::Hinz_Click(*d.s, static_cast<int16_t>(f.eintrag));
        }
        const Zeilenstand nachher = StandNehmen(*d.s);
        EXPECT_EQ(nachher.texte, f.nachher);
        EXPECT_EQ(nachher.markiert, f.markenNachher);
        // Each read of the rows says what reading the file says.
        auto meldungen = d.meldungstexte();
        std::erase(meldungen, "Programm works with only one Clump");
        EXPECT_EQ(meldungen,
                  f.meldung.empty() ? std::vector<std::string>{} : std::vector{f.meldung});
        if (!f.vorgabe.empty()) {
            ASSERT_EQ(d.host.vorgaben.size(), 1u);
            EXPECT_EQ(d.host.vorgaben[0][1], f.vorgabe);
        }
        // A change is one step; undo gives back the bytes and the marks, redo the change.
        ASSERT_EQ(d.host.schritte.size(), f.nachher == Zeilen ? 0u : 1u);
        if (d.host.schritte.empty()) continue;
        EXPECT_EQ(d.host.schritte[0].vorher, vorher);
        EXPECT_EQ(d.host.schritte[0].nachher, nachher);
        EXPECT_TRUE(StandSetzen(*d.s, vorher));
        EXPECT_EQ(StandNehmen(*d.s), vorher);
        EXPECT_EQ(RwxText(*d.s), RwxText(d.s->TextList));
        std::string bytes;
        for (const auto& z : Zeilen) bytes.append(z).append("\r\n");
        EXPECT_EQ(RwxText(*d.s), bytes);
        EXPECT_TRUE(StandSetzen(*d.s, nachher));
        EXPECT_EQ(StandNehmen(*d.s), nachher);
    }
}

}  // namespace
}  // namespace nuk
