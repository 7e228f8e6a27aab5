#include "app/NukView.h"

#include "app/Anfang.h"
#include "app/Bearbeiten.h"
#include "app/ZeigFenster.h"
#include "check/Fehler.h"
#include "check/Geometrie.h"
#include "selection/BefehlsPad.h"
#include "selection/Ganzes.h"
#include "selection/Markierungen.h"
#include "selection/Modul_Auswahl.h"
#include "view/Bewegungen.h"
#include "view/Modul_Mathe.h"
#include "view/Zeichnen.h"

namespace nuk::NukView {

void mdiForm_Initialize(State& s, const std::string& programmOrdner) {
    s.AppPfad = programmOrdner;
    if (s.AppPfad.empty() || s.AppPfad.back() != '/') s.AppPfad += '/';
    s.BefehleGeladen = Falsch;
    BefehlsPad_Form_Load(s);
    NeuesDokument(s);
    ModusSetzen(s, 2);
    s.Schwelle = 1;
}

void MDIForm_Resize(State& s) {
    FensterAnordnen(s);
}

void MachsNeu_Click(State& s) {
    NeuesDokument(s);
}

void Aktualisieren_Click(State& s) {
    DateiNeuLaden(s);
}

void Oeffnen_Click(State& s) {
    DateiOeffnen(s);
}

void Speichern_Click(State& s) {
    DateiSpeichern(s);
}

void SpeichernAls_Click(State& s) {
    SpeichernUnter(s);
}

void Hinz_Click(State& s, int16_t Index) {
    Hinzufuegen(s, Index);
}

void Vera_Click(State& s) {
    Veraendern(s);
}

void Reverse_Click(State& s) {
    Umkehren(s);
}

void MachsWeg_Click(State& s) {
    Loeschen(s);
}

void Auswahl_Click(State& s, int16_t Index) {
    switch (Index) {
        case 0:
            AuswahlNeu(s);
            break;
        case 3:
            HierarchiePruefen(s);
            break;
        case 4:
            FehlerhafteMarkieren(s);
            break;
        case 5:
            GeometriePruefen(s);
            break;
        default:
            break;
    }
}

void AusP_Click(State& s, int16_t Index) {
    if (Index == 0 || Index == 1) {
        s.Menu.AusP[static_cast<size_t>(1 - Index)] = false;
        s.Menu.AusP[static_cast<size_t>(Index)] = true;
    } else if (Index == 2) {
        PunkteOhneObjekte(s);
    }
    Timer1An(s);
}

void MarkMal_Click(State& s, int16_t Index) {
    if (Index < 0 || Index > 3) return;
    s.Schwelle = Index;
    for (size_t i = 0; i < s.Menu.MarkMal.size(); ++i) s.Menu.MarkMal[i] = false;
    s.Menu.MarkMal[static_cast<size_t>(Index)] = true;
    Timer1An(s);
}

void Standard_Click(State& s) {
    s.StartDrehung = Einheitsmatrix();
    s.Drehung = Einheitsmatrix();
    s.MaxBetrag = 1.0f;
    s.Lupenfaktor = 1.2;
    Projizieren(s);
    Einpassen(s);
    NeuZeichnen(s);
}

void GanzesModell_Click(State& s) {
    s.Menu.GanzesModell = !s.Menu.GanzesModell;
    if (!s.Menu.GanzesModell) NurGanzesAbhaken(s);
    AchsenSetzen(s);
    Projizieren(s);
    Einpassen(s);
    NeuZeichnen(s);
}

void Flaechen_Click(State& s) {
    s.Menu.Flaechen = !s.Menu.Flaechen;
    NeuZeichnen(s);
}

void Rueckseiten_Click(State& s) {
    s.Menu.Rueckseiten = !s.Menu.Rueckseiten;
    NeuZeichnen(s);
}

void Ansicht_Click(State& s, int16_t Index) {
    Seitenansicht(s, Index);
}

void Shows_Click(State& s, int16_t Index) {
    ZeigFenster(s, Index);
}

void FenAnGeO_Click(State& s, int16_t Index) {
    for (int16_t k = 1; k <= 3; ++k) s.Menu.FenAnGeO[static_cast<size_t>(k)] = k == Index;
    if (Index != 3) FensterAnordnen(s);
}

void Toolbar1_ButtonClick(State& s) {
    for (int16_t i = 1; i <= 3; ++i)
        if (s.Toolbar1.gedrueckt[static_cast<size_t>(i)] && i != s.Modus) ModusSetzen(s, i);
    // Between a reset and the next tick no mode is chosen; the tick would choose 2.
    ModusSetzen(s, s.Modus < 0 ? int16_t{2} : s.Modus);
}

void Timer1_Timer(State& s) {
    s.Timer1.Enabled = false;
    MarkierungenAbgleichen(s);
    if (s.Modus < 0) ModusSetzen(s, 2);
    NeuZeichnen(s);
}

}  // namespace nuk::NukView
