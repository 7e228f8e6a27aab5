#include "selection/BefehlsPad.h"

#include <array>

#include "model/Datei.h"
#include "model/Text.h"
#include "model/Zahlformat.h"
#include "rwx/ItemLeser.h"
#include "rwx/Wortscanner.h"
#include "selection/Modul_Auswahl.h"

namespace nuk {

const char* const BefehlslisteFehlt =
    vorgemerkt::Tr("Kern",
                   "Befehlsliste konnte nicht geladen werden !\n"
                   "...Fehlerkontrolle nicht möglich.!\n"
                   "Hinweis: Wenn Sie das stört, so sorgen Sie dafür,\n"
                   "               das sich die Datei ´Befehle.txt´ in ihrem \n"
                   "               NukViewer-Arbeitsverzeichnis befindet.");

void BefehlsPad_Form_Load(State& s) {
    Lage l = s.host.fensterLage(Kind::BefehlsPad);
    l.Width = 3000;
    l.Height = 5000;
    s.host.fensterLageSetzen(Kind::BefehlsPad, l);
    s.BefehleGeladen = BefehleLaden(s) ? Wahr : Falsch;
}

std::string Datenordner(const std::string& programmOrdner) {
    return programmOrdner + "../" NUK_DATENORDNER "/";
}

bool BefehleLaden(State& s) {
    return BefehleLaden(s, s.AppPfad + "befehle.txt", false) ||
           BefehleLaden(s, Datenordner(s.AppPfad) + "befehle.txt");
}

bool BefehleLaden(State& s, const std::string& datei, bool melden) {
    if (s.BefehleGeladen) return true;
    s.BefehlsList.leeren();
    std::string daten;
    bool gut = DateiLaden(datei, daten);
    if (gut) {
        try {
            for (std::string& wort : ItemsLesen(OhneBom(daten)))
                s.BefehlsList.anhaengen(std::move(wort));
        } catch (const std::exception&) {
            gut = false;
        }
    }
    if (!gut) {
        s.BefehlsList.leeren();
        if (melden) Melden(s, Tr("Kern", BefehlslisteFehlt));
        return false;
    }
    s.BefehleGeladen = Wahr;
    return true;
}

Befehlssatz::Befehlssatz(const Liste& BefehlsList) {
    for (int i = 0; i < BefehlsList.anzahl(); ++i) woerter_.insert(BefehlsList.text(i));
}

bool Befehlssatz::enthaelt(std::string_view wort) const {
    if (!letztesGilt_ || wort != letztes_) {
        letztes_.assign(wort);
        letztesBekannt_ = woerter_.find(wort) != woerter_.end();
        letztesGilt_ = true;
    }
    return letztesBekannt_;
}

namespace {

constexpr std::array<bool, 256> erlaubteZeichen() {
    std::array<bool, 256> t{};
    for (unsigned char c : std::string_view(".+-\t #")) t[c] = true;
    for (int c = '0'; c <= '9'; ++c) t[static_cast<size_t>(c)] = true;
    for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<size_t>(c)] = true;
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<size_t>(c)] = true;
    return t;
}

constexpr std::array<bool, 256> erlaubt = erlaubteZeichen();

}  // namespace

Befund ZeileBefund(std::string_view zeile, const Befehlssatz& befehle) {
    Befund b;
    int64_t p = 0;
    const std::string wort = Klein(BefehlswortRoh(zeile, &p));
    if (!befehle.enthaelt(wort)) {
        b.grund = Fehlergrund::unbekannterBefehl;
        b.wort = wort;
        return b;
    }
    // From the character that ended the word up to the first "#" (1-based, inclusive).
    const size_t raute = zeile.find('#');
    const int64_t e = raute == std::string_view::npos ? static_cast<int64_t>(zeile.size())
                                                      : static_cast<int64_t>(raute) + 1;
    for (int64_t i = p; i <= e; ++i)
        if (!erlaubt[static_cast<unsigned char>(zeile[static_cast<size_t>(i - 1)])]) {
            b.grund = Fehlergrund::unzulaessigesZeichen;
            b.zeichen = static_cast<size_t>(i - 1);
            return b;
        }
    return b;
}

bool ZeileFehlerhaft(std::string_view zeile, const Befehlssatz& befehle) {
    return ZeileBefund(zeile, befehle).grund != Fehlergrund::keiner;
}

std::vector<int> FehlerhafteZeilen(const State& s, const Befehlssatz& befehle) {
    std::vector<int> zeilen;
    for (int i = 0; i < s.TextList.anzahl(); ++i)
        if (ZeileFehlerhaft(s.TextList.text(i), befehle)) zeilen.push_back(i);
    return zeilen;
}

void FehlerhafteMarkieren(State& s) {
    // A list that failed at start-up gets another chance; its message says why not.
    if (!BefehleLaden(s)) return;
    AuswahlNeu(s);
    const Befehlssatz befehle(s.BefehlsList);
    for (int i = 0; i < s.TextList.anzahl(); ++i) {
        if (!ZeileFehlerhaft(s.TextList.text(i), befehle)) continue;
        s.TextList.setText(i, FehlerKennung(i, s.TextList.text(i)));
        s.TextList.setHaken(i, true);
    }
    ZeilenAbgleichen(s);
}

std::string FehlerKennung(int i, std::string_view zeile, char art) {
    const size_t tab = zeile.find('\t');
    std::string neu = S(i) + art + '\t';
    neu.append(tab == std::string_view::npos ? zeile : zeile.substr(tab + 1));
    return neu;
}

}  // namespace nuk
