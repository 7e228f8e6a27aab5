// The hierarchy check, the command list and the line check, as verdicts and
// through the menu that marks their rows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "check/Fehler.h"
#include "selection/BefehlsPad.h"

namespace nuk {
namespace {

using test::Auswahl;
using test::auswahl;
using test::datei;
using test::Dokument;

Liste zeilen(const std::vector<std::string>& texte) {
    Liste l;
    for (const auto& t : texte) l.anhaengen(t);
    return l;
}

const std::string vorsatz = "Hierarchie wurde als fehlerhaft eingestuft,\nda ";

struct HierarchieFall {
    std::vector<std::string> zeilen;
    std::string text;
    int eintrag;
};

TEST(Hierarchie, Urteile) {
    const std::vector<HierarchieFall> faelle = {
        {{"\t>ModelBegin", "Begin:\t>ClumpBegin", " 1:\t>Vertex 0 0 0", "End:\t>ClumpEnd",
          "\t>ModelEnd"},
         "Hierarchie akzeptabel",
         -1},
        {{"\t>ModelBegin", "\t>ModelEnd"}, "Hierarchie akzeptabel", -1},
        {{"\t>ModelBegin", "\t>ClumpBegin", "\t>ClumpBegin", "\t>ClumpEnd", "\t>ClumpEnd",
          "\t>ModelEnd"},
         "Hierarchie akzeptabel",
         -1},
        {{"\t>ModelBegin", "\t>ClumpEnd", "\t>ClumpBegin", "\t>ModelEnd"},
         vorsatz + "ClumpEnd ohne ClumpBegin\nZeile \t>ClumpEnd",
         1},
        {{"\t>ModelBegin", "\t>ClumpBegin", "\t>ModelEnd"},
         vorsatz + "mehr ClumpBegin als ClumpEnd",
         -1},
        {{"\t>ClumpBegin", "\t>ModelBegin", "\t>ModelEnd"},
         vorsatz + "erste Hiro-Anweisung ungleich ModelBegin",
         -1},
        {{"\t>ModelBegin", ":\t>ModelBegin", "\t>ModelEnd"},
         vorsatz + "ModelBegin mehrfach\nZeile :\t>ModelBegin",
         1},
        {{"\t>ModelBegin", "\t>ModelEnd # a", "\t>ClumpBegin", "\t>ClumpEnd", "\t>ModelEnd"},
         vorsatz + "ModelEnd mehrfach\nZeile \t>ModelEnd # a",
         1},
        {{"\t>Vertex 1 2 3", ":\t>#ModelBegin"},
         vorsatz + "erste Hiro-Anweisung ungleich ModelBegin",
         -1},
        {{}, vorsatz + "erste Hiro-Anweisung ungleich ModelBegin", -1},
        {{"\t>ModelBegin"}, vorsatz + "letzte Hiro-Anweisung ungleich ModelEnd", -1},
        {{"\t>modelBEGIN", "x", "ModelEnd"}, "Hierarchie akzeptabel", -1},  // no marker: whole row
        {{"\t>ModelBegin", ":\t>x", "\t>ClumpBegin", "\t>ClumpEnd", "\t>ClumpEnd \xC4",
          "\t>ModelEnd"},
         vorsatz + "ClumpEnd ohne ClumpBegin\nZeile \t>ClumpEnd Ä",
         4},
    };
    for (const auto& f : faelle) {
        const Liste l = zeilen(f.zeilen);
        const Urteil u = HierarchieUrteil(l);
        EXPECT_EQ(u.text, f.text);
        EXPECT_EQ(u.eintrag, f.eintrag) << f.text;
        EXPECT_EQ(u.fehlerhaft, f.text != "Hierarchie akzeptabel");
    }
}

TEST(Hierarchie, NeuesDokumentIstAkzeptabel) {
    Dokument d;
    NeueZeilen(*d.s);
    EXPECT_EQ(HierarchieUrteil(d.s->TextList).text, "Hierarchie akzeptabel");
}

TEST(Hierarchie, LangeZeilenScheiternNicht) {
    const std::string lang = "\t>" + std::string(40000, ' ') + "ModelBegin";
    Liste l;
    l.anhaengen(lang);
    l.anhaengen("\t>ModelEnd");
    EXPECT_EQ(HierarchieUrteil(l).text, "Hierarchie akzeptabel");
}

Befehlssatz satz(const std::vector<std::string>& woerter) {
    return Befehlssatz(zeilen(woerter));
}

TEST(Hierarchie, MarkiertDieStrukturzeilenUndUrteilt) {
    struct Fall {
        std::vector<std::string_view> zeilen;
        std::vector<int> struktur;
        std::string meldung;
    };
    const std::string vorsatz = "Hierarchie wurde als fehlerhaft eingestuft,\nda ";
    const std::vector<Fall> faelle = {
        // Every clump counts, not only the one read into the tables.
        {{"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "ClumpEnd", "clumpBEGIN", "#ClumpEnd",
          "ModelEnd"},
         {0, 1, 3, 4, 6},
         vorsatz + "mehr ClumpBegin als ClumpEnd"},
        {{"ModelBegin", "ClumpBegin", "ClumpEnd", "ClumpBegin", "ClumpEnd", "ModelEnd"},
         {0, 1, 2, 3, 4, 5},
         "Hierarchie akzeptabel"},
        {{"Vertex 0 0 0"}, {}, vorsatz + "erste Hiro-Anweisung ungleich ModelBegin"},
    };
    for (const Fall& f : faelle) {
        Dokument d;
        std::string text;
        for (std::string_view z : f.zeilen) text.append(z).append("\n");
        d.lesen(text);
        State& s = *d.s;
        // Earlier marks go.
        s.TextList.setHaken(s.TextList.anzahl() - 1, false);
        s.TextList.setHaken(s.TextList.anzahl() > 2 ? 2 : 0, true);
        d.host.meldungen.clear();
        NukView::Auswahl_Click(s, 3);
        ASSERT_EQ(d.host.meldungen.size(), 1u);
        EXPECT_EQ(d.host.meldungen[0].text, f.meldung);
        EXPECT_EQ(d.host.meldungen[0].titel, "");
        std::vector<int> getickt;
        Auswahl erwartet;
        for (int i = 0; i < s.TextList.anzahl(); ++i)
            if (s.TextList.haken(i)) getickt.push_back(i);
        for (int z : f.struktur) erwartet.emplace_back(z, true);
        EXPECT_EQ(getickt, f.struktur);
        EXPECT_EQ(auswahl(s), erwartet);
        EXPECT_TRUE(s.Timer1.Enabled);
        if (f.struktur.empty()) continue;
        EXPECT_EQ(s.AktZeile, f.struktur.back());
        EXPECT_EQ(s.TextList.aktuell(), f.struktur.back());
        EXPECT_EQ(s.AuswahlList.aktuell(), static_cast<int>(f.struktur.size()) - 1);
    }
}

TEST(Zeilenpruefung, FehlerhafteZeilen) {
    const Befehlssatz mitLeer = satz({"vertex", "modelbegin", ""});
    const Befehlssatz ohneLeer = satz({"vertex", "Modelbegin"});
    struct Fall {
        const char* zeile;
        const Befehlssatz& befehle;
        bool fehlerhaft;
    };
    const std::vector<Fall> faelle = {
        {" 1:\t>Vertex 1 2 3", mitLeer, false},
        {" 1:\t>Vertex 1", mitLeer, false},
        {":\t>2 3", mitLeer, true},  // a number as command word
        {" 1:\t>VERTEX 1 2 3", mitLeer, false},
        {" 1:\t>Vertex 1 2 3 # Ärger/(x)", mitLeer, false},  // after the comment
        {" 1:\t>Vertex 1 2 3/", mitLeer, true},
        {" 1:\t>Vertex 1_2", mitLeer, true},
        {" 1:\t>Vertex 1\t2 3", mitLeer, false},  // TAB permitted
        {" 1:\t>Vertex \xC4", mitLeer, true},
        {" 1:\t>Vertex\x01", mitLeer, true},
        {":\t>", mitLeer, false},
        {":\t>", ohneLeer, true},
        {":\t># nur Kommentar", mitLeer, false},
        {"\t>ModelBegin", ohneLeer, true},  // a capital in the list never matches
        {"\t>Vertexx", mitLeer, true},
        {"\t>Vertex +1.5e-3 -2", mitLeer, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZeileFehlerhaft(f.zeile, f.befehle), f.fehlerhaft) << f.zeile;
    EXPECT_TRUE(ZeileFehlerhaft("\t>vertex", satz({})));
    const std::string lang = " 1:\t>Vertex " + std::string(40000, '1') + " /";
    EXPECT_TRUE(ZeileFehlerhaft(lang, mitLeer));

    const Befund b = ZeileBefund(":\t>Vertex 1,2", mitLeer);
    EXPECT_EQ(b.grund, Fehlergrund::unzulaessigesZeichen);
    EXPECT_EQ(b.zeichen, 11u);
    EXPECT_EQ(ZeileBefund(":\t>Vertexx", mitLeer).wort, "vertexx");
}

TEST(Zeilenpruefung, Kennung) {
    EXPECT_EQ(FehlerKennung(12, " 3:\t>Vertex 1 2 3/"), " 12f\t>Vertex 1 2 3/");
    EXPECT_EQ(FehlerKennung(0, "\t>x"), " 0f\t>x");
    EXPECT_EQ(FehlerKennung(5, " 5f\t>x"), " 5f\t>x");  // a second run writes the same
    EXPECT_EQ(FehlerKennung(1, "ohne"), " 1f\tohne");
}

TEST(Fehlerhaftes, KennungHakenUndAuswahl) {
    test::TempOrdner ordner;
    Dokument d;
    State& s = *d.s;
    s.AppPfad = ordner / "";
    d.lesen(
        datei({"ModelBegin", "ClumpBegin", "Vertex 1 2 3", "VERTEX 1 2 3 # grün", "Vertex 1/2 3",
               "Vertx 1 2 3", "Vertex\t1 2 3", "Vertex 1,2,3", "", "ClumpEnd", "ModelEnd"}));
    s.TextList.setHaken(2, true);
    const std::vector<std::string> vorher = d.zeilen();

    // Without a list nothing changes, and the next click tries again.
    d.host.meldungen.clear();
    NukView::Auswahl_Click(s, 4);
    EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{BefehlslisteFehlt});
    EXPECT_EQ(d.zeilen(), vorher);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}}));

    std::ofstream(ordner / "befehle.txt") << "modelbegin\nmodelend\nclumpbegin\nclumpend\nvertex\n";
    for (int lauf = 0; lauf < 2; ++lauf) {
        d.host.meldungen.clear();
        NukView::Auswahl_Click(s, 4);
        EXPECT_TRUE(d.host.meldungen.empty());
        const std::vector<int> fehlerhaft = {4, 5, 8, 9, 10};  // "1,2,3" gives rows 7..9
        std::vector<int> getickt;
        Auswahl erwartet;
        for (int i = 0; i < s.TextList.anzahl(); ++i)
            if (s.TextList.haken(i)) getickt.push_back(i);
        for (int z : fehlerhaft) erwartet.emplace_back(z, true);
        EXPECT_EQ(getickt, fehlerhaft);
        EXPECT_EQ(auswahl(s), erwartet);
        EXPECT_EQ(s.TextList.text(4), " 4f\t>Vertex 1/2 3");
        EXPECT_EQ(s.TextList.text(8), " 8f\t>2");
        EXPECT_EQ(s.AuswahlList.text(0), s.TextList.text(4));
        EXPECT_EQ(s.TextList.text(2), vorher[2]);
        EXPECT_EQ(s.TextList.aktuell(), 10);
        EXPECT_EQ(s.AuswahlList.aktuell(), 4);
    }
}

TEST(Befehlsliste, LadenUndNochmalVersuchen) {
    const auto ordner =
        std::filesystem::temp_directory_path() / ("nuk-befehle-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "befehle.txt").string();
    std::filesystem::remove(datei);
    Dokument d;
    State& s = *d.s;
    s.AppPfad = ordner.string() + "/";

    EXPECT_FALSE(BefehleLaden(s));
    EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{BefehlslisteFehlt});
    EXPECT_EQ(std::string(BefehlslisteFehlt),
              "Befehlsliste konnte nicht geladen werden !\n...Fehlerkontrolle nicht möglich.!\n"
              "Hinweis: Wenn Sie das stört, so sorgen Sie dafür,\n"
              "               das sich die Datei ´Befehle.txt´ in ihrem \n"
              "               NukViewer-Arbeitsverzeichnis befindet.");
    EXPECT_FALSE(s.BefehleGeladen);
    EXPECT_EQ(s.BefehlsList.anzahl(), 0);

    std::ofstream(datei) << "\xEF\xBB\xBFvertex\r\n  Quad, \"tri,angle\"\n\nmodelbegin";
    EXPECT_TRUE(BefehleLaden(s));
    EXPECT_EQ(s.BefehleGeladen, Wahr);
    std::vector<std::string> woerter;
    for (int i = 0; i < s.BefehlsList.anzahl(); ++i) woerter.push_back(s.BefehlsList.text(i));
    EXPECT_EQ(woerter, (std::vector<std::string>{"vertex", "Quad", "tri,angle", "", "modelbegin"}));

    std::filesystem::remove(datei);
    EXPECT_TRUE(BefehleLaden(s));  // loaded once per run
    EXPECT_EQ(s.BefehlsList.anzahl(), 5);

    // The command list is no list of file rows: it takes more than 32767 words.
    std::ofstream(datei) << std::string(40000, '\n') << "quad";
    s.BefehleGeladen = Falsch;
    EXPECT_TRUE(BefehleLaden(s));
    EXPECT_EQ(s.BefehlsList.anzahl(), 40001);
    std::filesystem::remove_all(ordner);
}

TEST(Befehlsliste, MitgelieferteListe) {
    Dokument d;
    d.s->AppPfad = NUK_BIN_DIR "/";
    ASSERT_TRUE(BefehleLaden(*d.s));
    EXPECT_EQ(d.s->BefehlsList.anzahl(), 71);  // 70 words and the empty line
    const Befehlssatz befehle(d.s->BefehlsList);
    for (const char* w :
         {"modelbegin", "protoinstancegeometry", "texturegammacorrection", "trace", ""})
        EXPECT_TRUE(befehle.enthaelt(w)) << w;
}

}  // namespace
}  // namespace nuk
