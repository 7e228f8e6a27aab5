// The main window: start-up, arranging and toggling the child windows, the file
// menu's dialogs, the toolbar and the "Hinzufügen" guard.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "app/NukView.h"
#include "app/ZeigFenster.h"
#include "rwx/NukToRwx.h"
#include "selection/BefehlsPad.h"

namespace nuk {

inline void PrintTo(const Lage& l, std::ostream* os) {
    *os << "{" << l.Left << ", " << l.Top << ", " << l.Width << ", " << l.Height << "}";
}

namespace {

using test::datei;
using test::laden;
using test::TempOrdner;

const std::string Neu = "Neu - NukViewer 4.8a";

void schreiben(const std::string& pfad, const std::string& text) {
    std::ofstream(pfad, std::ios::binary) << text;
}

// A main window with every child window shown and ticked, the command list
// too, a tool window of 1500 x 400 and a drawing window somewhere else.
struct Rahmen : test::Dokument {
    explicit Rahmen(Fenstermass client = {6510, 9480}) {
        host.client = client;
        host.lage = {Lage{1, 1, 10, 10}, Lage{2, 2, 20, 20}, Lage{7, 7, 1500, 400},
                     Lage{5, 5, 900, 900}, Lage{3, 3, 30, 30}};
        host.mass = {900, 900};
        host.gezeigt.fill(true);
        s->Menu.Shows.fill(true);
    }
    void erwarteSichtbar(const std::array<bool, 5>& soll) const {
        EXPECT_EQ(host.gezeigt, soll);
        EXPECT_EQ(s->Menu.Shows, soll);
    }
};

TEST(Fenster, FlachUndSchmal) {
    struct Fall {
        const char* name;
        int16_t art;
        Fenstermass client;  // Height, Width
        Lage text;           // the selection window, when shown, sits right below it
        float werkzeugLinks, werkzeugOben;
        float bild;  // the drawing's side; 0: drawing and tool window hidden
        bool listen;
    };
    const std::vector<Fall> faelle = {
        {"flach", 1, {6510, 9480}, {5680, 400, 3800, 3055}, 5680, 0, 5680, true},
        {"flach, W nie unter 800", 1, {6510, 4000}, {800, 400, 3200, 3055}, 800, 0, 800, true},
        {"flach, R gerade 201", 1, {6510, 1001}, {800, 400, 201, 3055}, 800, 0, 800, true},
        {"flach, R 200", 1, {6510, 1000}, {0, 0, 5150, 3000}, 800, 0, 800, false},
        {"flach, h gerade 200.5", 1, {801, 9480}, {5680, 400, 3800, 200.5f}, 5680, 0, 5680, true},
        {"flach, h 200", 1, {800, 9480}, {0, 0, 5150, 3000}, 5680, 0, 5680, false},
        {"schmal", 2, {8000, 9480}, {0, 2600, 9480, 2700}, 2600, 0, 2600, true},
        {"schmal, genau daneben", 2, {8000, 4100}, {0, 2600, 4100, 2700}, 2600, 0, 2600, true},
        {"schmal, darunter", 2, {8000, 4000}, {0, 3000, 4000, 2500}, 0, 2600, 2600, true},
        {"schmal, D 6000", 2, {6400, 9480}, {0, 0, 9480, 3200}, 7, 7, 0, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Rahmen r(f.client);
        const Lage& t = f.text;
        const std::array<Lage, 4> soll = {
            t,
            f.listen ? Lage{t.Left, t.Top + t.Height, t.Width, t.Height}
                     : Lage{100, 100, 5150, 3000},
            Lage{f.werkzeugLinks, f.werkzeugOben, 1500, 400},
            f.bild > 0 ? Lage{0, 0, f.bild, f.bild} : Lage{5, 5, 900, 900}};
        const std::array<bool, 5> sichtbar = {f.listen, f.listen, f.bild > 0, f.bild > 0, false};
        NukView::FenAnGeO_Click(*r.s, f.art);
        // A second run, by a resize, starts from where the first left the tool window.
        for (int lauf = 0; lauf < 2; ++lauf) {
            const auto& l = r.host.lage;
            EXPECT_EQ((std::array<Lage, 4>{l[0], l[1], l[2], l[3]}), soll);
            r.erwarteSichtbar(sichtbar);
            r.host.gezeigt[4] = r.s->Menu.Shows[4] = true;
            NukView::MDIForm_Resize(*r.s);
        }
        EXPECT_EQ(r.s->Menu.FenAnGeO, (std::array<bool, 4>{false, f.art == 1, f.art == 2, false}));
    }
}

TEST(Fenster, ManuellSetztNurDenHaken) {
    Rahmen r;
    NukView::FenAnGeO_Click(*r.s, 1);
    r.host.gezeigt[4] = r.s->Menu.Shows[4] = true;
    const auto lagen = r.host.lage;
    auto sichtbar = r.host.gezeigt;
    NukView::FenAnGeO_Click(*r.s, 3);
    EXPECT_EQ(r.s->Menu.FenAnGeO, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(r.host.gezeigt, sichtbar);

    // Resizing and "Neu" move nothing; they only put the command list away.
    r.host.client = {3000, 4000};
    NukView::MDIForm_Resize(*r.s);
    NukView::MachsNeu_Click(*r.s);
    EXPECT_EQ(r.host.lage, lagen);
    sichtbar[4] = false;
    r.erwarteSichtbar(sichtbar);
    NukView::FenAnGeO_Click(*r.s, 1);
    EXPECT_EQ(r.host.lage[3], (Lage{0, 0, 800, 800}));
}

TEST(Fenster, MenueUndSchliessfeldHaltenHakenUndFensterGleich) {
    for (int16_t i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const Kind k = static_cast<Kind>(i);
        Rahmen r;
        NeueZeilen(*r.s);
        auto sichtbar = r.host.gezeigt;
        sichtbar[i] = false;
        NukView::Shows_Click(*r.s, i);
        r.erwarteSichtbar(sichtbar);
        const size_t striche = r.host.zeichnungen.size();
        NukView::Shows_Click(*r.s, i);
        EXPECT_TRUE(r.host.gezeigt[i] && r.s->Menu.Shows[i]);
        EXPECT_EQ(r.host.zeichnungen.size() > striche, k == Kind::Ausgabe);

        int16_t Cancel = Falsch;
        Form_Unload(*r.s, k, Cancel);
        EXPECT_EQ(Cancel, Wahr);
        r.erwarteSichtbar(sichtbar);
        EXPECT_EQ(r.s->TextList.anzahl(), 7);
    }
}

TEST(Fenster, BefehlslisteBringtDasBildOhneHakenMit) {
    Rahmen r;
    r.host.gezeigt[4] = r.s->Menu.Shows[4] = false;
    NukView::Shows_Click(*r.s, 3);
    const size_t striche = r.host.zeichnungen.size();
    NukView::Shows_Click(*r.s, 4);
    EXPECT_EQ(r.host.gezeigt, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(r.s->Menu.Shows, (std::array<bool, 5>{true, true, true, false, true}));
    EXPECT_EQ(r.host.zeichnungen.size(), striche);
}

TEST(FensterStart, ProgrammordnerMitUndOhneBefehlsliste) {
    struct Fall {
        const char* name;
        bool befehle, schraegstrich;
    };
    for (const Fall& f : {Fall{"befehle.txt da", true, false}, Fall{"endet auf /", true, true},
                          Fall{"befehle.txt fehlt", false, false}}) {
        SCOPED_TRACE(f.name);
        TempOrdner ordner;
        if (f.befehle) schreiben(ordner / "befehle.txt", "vertex\nquad\n");
        const std::string pfad = ordner / "";
        Rahmen r;
        State& s = *r.s;
        NukView::mdiForm_Initialize(s, f.schraegstrich ? pfad : pfad.substr(0, pfad.size() - 1));
        EXPECT_EQ(s.AppPfad, pfad);
        EXPECT_EQ(s.BefehleGeladen, f.befehle ? Wahr : Falsch);
        EXPECT_EQ(s.BefehlsList.anzahl(), f.befehle ? 2 : 0);
        EXPECT_EQ(r.meldungstexte(), f.befehle ? std::vector<std::string>{}
                                               : std::vector<std::string>{BefehlslisteFehlt});
        EXPECT_EQ(s.Caption, Neu);
        EXPECT_EQ(s.TextList.anzahl(), 7);
        EXPECT_EQ(s.Modus, 2);
        EXPECT_EQ(s.Toolbar1.gedrueckt, (std::array<bool, 4>{false, false, true, false}));
        EXPECT_EQ(s.Schwelle, 1);
        EXPECT_EQ(r.host.lage[4], (Lage{3, 3, 3000, 5000}));
        EXPECT_FALSE(r.host.gezeigt[4] || s.Menu.Shows[4]);
        // The fit comes after the arrangement, so it sees the 5680 square.
        EXPECT_FLOAT_EQ(s.Ausgabe.ScaleWidth, 2.4f);
    }
}

// After start-up, in a program folder without a command list.
struct Programm : Rahmen {
    TempOrdner ordner;
    Programm() {
        NukView::mdiForm_Initialize(*s, ordner / "");
        host.meldungen.clear();
    }
    void waehlen(const std::string& name) { host.antwort = Dateiwahl{ordner / name, name}; }
};

TEST(FensterDatei, OeffnenAbbrechenUndAktualisieren) {
    Programm p;
    State& s = *p.s;
    const std::string m = p.ordner / "m.rwx";
    schreiben(m, datei({"ModelBegin", "ClumpBegin", "Vertex 1 2 3", "ClumpEnd", "ModelEnd"}));
    p.waehlen("m.rwx");
    s.Timer1.Enabled = false;
    NukView::Oeffnen_Click(s);
    EXPECT_EQ(s.Caption, "m.rwx - NukViewer 4.8a");
    EXPECT_EQ(s.TextList.anzahl(), 5);
    EXPECT_TRUE(s.Timer1.Enabled);

    // Cancelling leaves the open document alone.
    p.host.antwort.reset();
    NukView::Oeffnen_Click(s);
    EXPECT_EQ(p.host.meldungen, (std::vector<Meldung>{{"Eben nich", "", 5}}));
    EXPECT_EQ(s.PunktZahl, 1);
    EXPECT_EQ(s.Caption, "m.rwx - NukViewer 4.8a");

    p.host.meldungen.clear();
    schreiben(m, datei({"ModelBegin", "ClumpBegin", "Vertex 1 2 3", "Vertex 4 5 6", "ClumpEnd"}));
    NukView::Aktualisieren_Click(s);
    EXPECT_EQ(p.host.dialoge.size(), 2u);
    EXPECT_TRUE(p.host.meldungen.empty());
    EXPECT_EQ(s.PunktZahl, 2);
    EXPECT_EQ(s.Caption, "m.rwx - NukViewer 4.8a");

    // "Neu" forgets the file: nothing to reread, and the document stays empty.
    NukView::MachsNeu_Click(s);
    NukView::Aktualisieren_Click(s);
    EXPECT_EQ(p.meldungstexte(), std::vector<std::string>{"Da stimmt was nicht"});
    EXPECT_EQ(s.TextList.anzahl(), 0);
    EXPECT_EQ(s.Caption, Neu);
}

TEST(FensterDatei, SpeichernUndSpeichernAls) {
    Programm p;
    State& s = *p.s;
    NukView::Speichern_Click(s);
    NukView::SpeichernAls_Click(s);
    EXPECT_EQ(p.meldungstexte(), (std::vector<std::string>{"Da stimmt was nicht", "Eben nich"}));
    EXPECT_TRUE(p.ordner.inhalt().empty());

    p.host.meldungen.clear();
    p.waehlen("neu.rwx");
    NukView::SpeichernAls_Click(s);
    const std::string neu = p.ordner / "neu.rwx";
    const std::string leer = "ModelBegin\r\nClumpBegin\r\n\r\n\r\n\r\nClumpEnd\r\nModelEnd\r\n";
    EXPECT_EQ(laden(neu), leer);
    EXPECT_EQ(s.Caption, "neu.rwx - NukViewer 4.8a");

    // A cancelled or failed "Speichern als" writes nothing and keeps the file
    // and the caption for "Speichern".
    s.TextList.anhaengen(":\t># nachgetragen");
    p.host.antwort.reset();
    NukView::SpeichernAls_Click(s);
    p.host.antwort = Dateiwahl{p.ordner / "fehlt/x.rwx", "x.rwx"};
    NukView::SpeichernAls_Click(s);
    EXPECT_EQ(laden(neu), leer);
    EXPECT_EQ(s.Caption, "neu.rwx - NukViewer 4.8a");
    NukView::Speichern_Click(s);
    EXPECT_EQ(laden(neu), leer + "# nachgetragen\r\n");
    EXPECT_EQ(p.meldungstexte(), (std::vector<std::string>{"Eben nich", "Da stimmt was nicht"}));
    EXPECT_EQ(p.host.dialoge.size(), 4u);

    NukView::Aktualisieren_Click(s);
    EXPECT_EQ(s.TextList.anzahl(), 8);
    EXPECT_EQ(s.Caption, "neu.rwx - NukViewer 4.8a");
}

// A read that broke off, or a file that could not be read, is never saved over
// its file; "Speichern als", a complete reread or "Neu" end that.
TEST(FensterDatei, AbgebrochenesLesenWirdNichtGespeichert) {
    std::string gross = "ModelBegin\nClumpBegin\nVertex 1 2 3\n";
    for (int i = 0; i < 700000; ++i) gross += "# Zeile\n";
    gross += "ClumpEnd\nModelEnd\n";
    struct Fall {
        const char* name;
        std::string inhalt;
        mode_t rechte;
        int zeilen;
    };
    for (const Fall& f : {Fall{"700000 Zeilen", gross, 0666, 32767},
                          Fall{"nicht lesbar, aber schreibbar", "ModelBegin\r\n", 0222, 0}}) {
        SCOPED_TRACE(f.name);
        Programm p;
        ::chmod((p.ordner / "").c_str(), 0777);
        const std::string m = p.ordner / "m.rwx";
        schreiben(m, f.inhalt);
        ::chmod(m.c_str(), f.rechte);
        EXPECT_TRUE(test::AlsNutzer([&] {
            State& s = *p.s;
            std::vector<std::string> soll = {"Da stimmt was nicht", NichtGanzGelesen};
            p.waehlen("m.rwx");
            NukView::Oeffnen_Click(s);
            NukView::Speichern_Click(s);
            bool gut = s.TextList.anzahl() == f.zeilen && s.Caption == "m.rwx - NukViewer 4.8a";
            // A reread that breaks off again is refused again.
            NukView::Aktualisieren_Click(s);
            NukView::Speichern_Click(s);
            soll.insert(soll.end(), {"Da stimmt was nicht", NichtGanzGelesen});
            p.waehlen("kopie.rwx");
            NukView::SpeichernAls_Click(s);
            NukView::Speichern_Click(s);
            gut = gut && s.Caption == "kopie.rwx - NukViewer 4.8a" &&
                  laden(p.ordner / "kopie.rwx") == RwxText(s.TextList);
            // "Neu" leaves a document without a file, as always.
            p.waehlen("m.rwx");
            NukView::Oeffnen_Click(s);
            NukView::MachsNeu_Click(s);
            NukView::Speichern_Click(s);
            soll.insert(soll.end(), {"Da stimmt was nicht", "Da stimmt was nicht"});
            return gut && p.meldungstexte() == soll;
        }));
        ::chmod(m.c_str(), 0644);
        EXPECT_TRUE(laden(m) == f.inhalt);  // a diff of 700000 lines would not fit in memory
    }
    // A complete reread after the file was mended makes "Speichern" write
    // again; a full table is no broken read.
    Programm p;
    const std::string m = p.ordner / "m.rwx";
    schreiben(m, gross);
    p.waehlen("m.rwx");
    NukView::Oeffnen_Click(*p.s);
    std::string voll = "ModelBegin\r\nClumpBegin\r\n";
    for (int i = 0; i < 9999; ++i) voll += "Vertex 0 0 1\r\n";
    schreiben(m, voll);
    NukView::Aktualisieren_Click(*p.s);
    p.s->TextList.anhaengen("\t># neu");
    NukView::Speichern_Click(*p.s);
    EXPECT_EQ(p.meldungstexte().back(),
              "Der 1.Clump enthält fast 10000 Punkte\nDas paßt mir aber garnicht");
    EXPECT_TRUE(laden(m) == voll + "# neu\r\n");
}

TEST(FensterLeiste, GedrueckteKnoepfeWaehlenDenModus) {
    struct Fall {
        int16_t modus;
        std::array<bool, 4> gedrueckt;  // as the click left them
        int16_t neu;
    };
    const std::vector<Fall> faelle = {
        {2, {false, true, true, false}, 1},  // "Lupe" pressed as well
        {2, {false, false, true, true}, 3},  // "Auswahl" pressed as well
        {3, {false, false, true, true}, 2},  // "Bewegungen" pressed as well
        {2, {}, 2},                          // the current button released
        {1, {}, 1},
        {-1, {}, 2},  // after a reset, before the tick
        {-1, {false, false, false, true}, 3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.modus << " -> " << f.neu);
        test::Dokument d;
        d.s->Modus = f.modus;
        d.s->Toolbar1.gedrueckt = f.gedrueckt;
        NukView::Toolbar1_ButtonClick(*d.s);
        EXPECT_EQ(d.s->Modus, f.neu);
        std::array<bool, 4> nurEiner{};
        nurEiner[static_cast<size_t>(f.neu)] = true;
        EXPECT_EQ(d.s->Toolbar1.gedrueckt, nurEiner);
    }
}

TEST(FensterMenue, HinzufuegenVerlangtPunkteNurFuerFlaechen) {
    const bool meldet[6] = {false, true, true, true, false, false};
    for (int16_t i = 0; i <= 5; ++i) {
        SCOPED_TRACE(i);
        test::Dokument d;
        NeueZeilen(*d.s);
        const auto zeilen = d.zeilen();
        NukView::Hinz_Click(*d.s, i);  // the dialog, if any, is cancelled
        std::vector<Meldung> soll;
        if (meldet[i])
            soll.push_back({"Creieren Sie bitte erst mal ein paar Punkte", "So nich!!", 7});
        EXPECT_EQ(d.host.meldungen, soll);
        EXPECT_EQ(d.host.vorgaben.size(), meldet[i] ? 0u : 1u);
        EXPECT_EQ(d.zeilen(), zeilen);
    }
}

}  // namespace
}  // namespace nuk
