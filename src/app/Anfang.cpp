#include "app/Anfang.h"

#include "model/Datei.h"
#include "model/Text.h"
#include "model/Zeilenform.h"
#include "rwx/GanzesModellLesen.h"
#include "rwx/NukToRwx.h"
#include "rwx/RwxToNuk.h"
#include "selection/Ganzes.h"
#include "view/Zeichnen.h"

namespace nuk {

namespace {

// The main caption for the document's file: its name, or "Neu" without one.
void CaptionSetzen(State& s) {
    if (s.CommonDialog1.FileName.empty())
        s.Caption = Einsetzen(Tr("Kern", "Neu - %1"), {Programmtitel});
    else
        s.Caption = s.CommonDialog1.FileTitle + " - " + std::string(Programmtitel);
}

}  // namespace

void ListenLeeren(State& s) {
    s.PunktZahl = 0;
    s.DreieckZahl = 0;
    s.ViereckZahl = 0;
    s.PolygonZahl = 0;
    s.TextList.leeren();
    s.AuswahlList.leeren();
}

void Zuruecksetzen(State& s) {
    s.StartDrehung = Einheitsmatrix();
    s.Drehung = Einheitsmatrix();
    s.MaxBetrag = 1.0f;
    s.Lupenfaktor = 1.2;
    s.Modus = -1;
    s.Herkunft = {};
    s.Ganzes = {};
    s.GanzesPunktZeile.clear();
    s.GanzesFlaechenZeile.clear();
    s.ZeilenArt.clear();
    s.GanzesPunkte.clear();
    s.GanzesFlaechen.clear();
    s.GanzesFlaechenJeZeile.clear();
    s.Quellzeilen.clear();
    s.ErsterClumpVon = s.ErsterClumpBis = -1;
    s.Befundtexte.clear();
    ListenLeeren(s);
    Punkt p0 = s.Punkte[0];
    p0.Zeile = 1;  // the "Begin:" row of a new document
    s.Punkte.setzen(0, p0);
}

void NeueZeilen(State& s) {
    ListenLeeren(s);
    static constexpr std::string_view zeilen[][2] = {
        {"", "ModelBegin"}, {"Begin:", "ClumpBegin"}, {":", ""},        {":", ""},
        {":", ""},          {"End:", "ClumpEnd"},     {"", "ModelEnd"},
    };
    for (const auto& z : zeilen) s.TextList.anhaengen(ZeilenText(z[0], z[1]));
    ZeilenNummerieren(s);
}

void NeuesDokument(State& s) {
    Zuruecksetzen(s);
    s.CommonDialog1.FileName.clear();
    CaptionSetzen(s);
    NeueZeilen(s);
    NachDemLaden(s);
}

bool DateiWaehlen(State& s, Dialogart art) {
    std::optional<Dateiwahl> wahl = s.host.dateiDialog(art);
    if (!wahl) return false;
    s.CommonDialog1.FileName = std::move(wahl->FileName);
    s.CommonDialog1.FileTitle = std::move(wahl->FileTitle);
    return true;
}

void NachDemLaden(State& s) {
    ++s.Geladen;
    GanzesModellAbgleichen(s);
    FensterAnordnen(s);
    CaptionSetzen(s);
    AchsenSetzen(s);
    Einpassen(s);
    Timer1An(s);
    NeuZeichnen(s);
}

bool DatenLesen(State& s, std::string_view daten) {
    std::vector<int32_t> quellzeilen;
    const bool gelesen = RwxLesenAus(s, daten, &quellzeilen);
    s.Ganzes = GanzesModellLesen(daten);
    GanzesModellZuordnen(s, quellzeilen);
    return gelesen;
}

namespace {

// The dialog's file into rows, tables and the whole model; false when the
// read ended through its failure path.
bool DokumentLesen(State& s) {
    std::string daten;
    if (!DateiLaden(s.CommonDialog1.FileName, daten)) {
        Melden(s, Tr("Kern", "Da stimmt was nicht"));
        return false;
    }
    return DatenLesen(s, daten);
}

}  // namespace

void DateiOeffnen(State& s, std::optional<Dateiwahl> datei) {
    try {
        if (datei) {
            s.CommonDialog1.FileName = std::move(datei->FileName);
            s.CommonDialog1.FileTitle = std::move(datei->FileTitle);
        } else if (!DateiWaehlen(s, Dialogart::Oeffnen)) {
            throw Fehlschlag("Dialog abgebrochen");
        }
        Zuruecksetzen(s);
        s.Herkunft.unvollstaendig = !DokumentLesen(s);
        NachDemLaden(s);
    } catch (const std::exception&) {
        Melden(s, Tr("Kern", "Eben nich"));
    }
}

void DateiNeuLaden(State& s) {
    Zuruecksetzen(s);
    s.Herkunft.unvollstaendig = !DokumentLesen(s);
    NachDemLaden(s);
}

const char* const NichtGanzGelesen = vorgemerkt::Tr(
    "Kern",
    "Die Datei wurde nicht vollständig gelesen.\n"
    "Speichern würde den Rest der Datei löschen, also lass ich das.\n"
    "Mit \"Speichern als\" kommen die Zeilen unter einem anderen Namen auf die Platte.");

void SpeichernUnter(State& s) {
    try {
        const Dateidialog vorher = s.CommonDialog1;
        if (!DateiWaehlen(s, Dialogart::Speichern)) throw Fehlschlag("Dialog abgebrochen");
        if (!RwxSchreiben(s, s.CommonDialog1.FileName)) {
            // The document still belongs to the file it had.
            s.CommonDialog1 = vorher;
            return;
        }
        s.Herkunft.unvollstaendig = false;
        CaptionSetzen(s);
    } catch (const std::exception&) {
        Melden(s, Tr("Kern", "Eben nich"));
    }
}

void DateiSpeichern(State& s) {
    if (s.Herkunft.unvollstaendig && !s.CommonDialog1.FileName.empty()) {
        Melden(s, Tr("Kern", NichtGanzGelesen));
        return;
    }
    RwxSchreiben(s, s.CommonDialog1.FileName);
}

namespace {

void zeigen(State& s, Kind k, bool sichtbar) {
    s.host.fensterZeigen(k, sichtbar);
    s.Menu.Shows[static_cast<size_t>(k)] = sichtbar;
}

void setzen(State& s, Kind k, float links, float oben, float breite, float hoehe) {
    s.host.fensterLageSetzen(k, {links, oben, breite, hoehe});
}

// Moves a window and keeps its size.
void schieben(State& s, Kind k, float links, float oben) {
    Lage l = s.host.fensterLage(k);
    l.Left = links;
    l.Top = oben;
    s.host.fensterLageSetzen(k, l);
}

void Flach(State& s, float breite, float hoehe) {
    float W = breite - 3800;
    if (W < 800) W = 800;
    setzen(s, Kind::Ausgabe, 0, 0, W, W);
    zeigen(s, Kind::Ausgabe, true);
    schieben(s, Kind::Fenster_b, W, 0);
    zeigen(s, Kind::Fenster_b, true);
    const float Hb = s.host.fensterLage(Kind::Fenster_b).Height;
    const float h = (hoehe - Hb) / 2;
    const float R = breite - W;
    if (h > 200 && R > 200) {
        setzen(s, Kind::TextPad, W, Hb, R, h);
        zeigen(s, Kind::TextPad, true);
        setzen(s, Kind::Ausgewahl, W, Hb + h, R, h);
        zeigen(s, Kind::Ausgewahl, true);
    } else {
        setzen(s, Kind::TextPad, 0, 0, 5150, 3000);
        zeigen(s, Kind::TextPad, false);
        setzen(s, Kind::Ausgewahl, 100, 100, 5150, 3000);
        zeigen(s, Kind::Ausgewahl, false);
    }
}

void Schmal(State& s, float breite, float hoehe) {
    const Lage werkzeug = s.host.fensterLage(Kind::Fenster_b);
    const float D = hoehe - werkzeug.Height;
    float T = 0;
    if (D <= 6000) {
        zeigen(s, Kind::Ausgabe, false);
        zeigen(s, Kind::Fenster_b, false);
    } else {
        T = D - 5000;
        setzen(s, Kind::Ausgabe, 0, 0, T, T);
        zeigen(s, Kind::Ausgabe, true);
        if (werkzeug.Width + T <= breite) {
            schieben(s, Kind::Fenster_b, T, 0);
            zeigen(s, Kind::Fenster_b, true);
        } else {
            schieben(s, Kind::Fenster_b, 0, T);
            zeigen(s, Kind::Fenster_b, true);
            T += werkzeug.Height;
        }
    }
    const float h = (hoehe - T) / 2;
    setzen(s, Kind::TextPad, 0, T, breite, h);
    zeigen(s, Kind::TextPad, true);
    setzen(s, Kind::Ausgewahl, 0, T + h, breite, h);
    zeigen(s, Kind::Ausgewahl, true);
}

}  // namespace

void FensterAnordnen(State& s) {
    zeigen(s, Kind::BefehlsPad, false);
    const Fenstermass client = s.host.clientMass();
    if (s.Menu.FenAnGeO[1])
        Flach(s, client.Width, client.Height);
    else if (s.Menu.FenAnGeO[2])
        Schmal(s, client.Width, client.Height);
}

}  // namespace nuk
