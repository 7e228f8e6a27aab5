// The check-box list: the check handler's rules, the cursor, and look-ups by
// item value that must answer as a scan would.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

#include "model/Fehlschlag.h"
#include "model/Liste.h"

namespace nuk {
namespace {

TEST(Liste, PruefHandlerNurBeiEchterAenderung) {
    Liste l;
    std::vector<int> aufrufe;
    l.setPruefHandler([&](int16_t i) { aufrufe.push_back(i); });
    l.anhaengen("a");
    l.anhaengen("b");
    l.setHaken(1, true);
    l.setHaken(1, true);  // already ticked
    l.setText(1, "neu");  // a text change never runs it
    l.setWert(1, 5);
    l.setHaken(0, false);  // already unticked
    l.setHaken(1, false);
    EXPECT_EQ(aufrufe, (std::vector<int>{1, 1}));
    EXPECT_EQ(l.text(1), "neu");
    EXPECT_FALSE(l.haken(1));
}

TEST(Liste, HandlerLaeuftSofortUndDarfVerschachteln) {
    // The handler of one list ticks a row of another whose handler ticks back:
    // the second change finds the state already set and stops there.
    Liste a, b;
    std::vector<std::string> spur;
    a.anhaengen("a0");
    b.anhaengen("b0");
    a.setPruefHandler([&](int16_t i) {
        spur.push_back("a" + std::to_string(i));
        b.setHaken(0, a.haken(i));
    });
    b.setPruefHandler([&](int16_t i) {
        spur.push_back("b" + std::to_string(i));
        a.setHaken(0, b.haken(i));
        spur.push_back("b-ende");
    });
    a.setHaken(0, true);
    EXPECT_EQ(spur, (std::vector<std::string>{"a0", "b0", "b-ende"}));
    EXPECT_TRUE(b.haken(0));
}

TEST(Liste, CursorFolgtSeinerZeile) {
    Liste l;
    for (const char* t : {"a", "b", "c", "d"}) l.anhaengen(t);
    EXPECT_EQ(l.aktuell(), -1);
    l.setAktuell(2);
    l.entfernen(0);
    EXPECT_EQ(l.aktuell(), 1);
    EXPECT_EQ(l.text(l.aktuell()), "c");
    l.entfernen(1);
    EXPECT_EQ(l.aktuell(), -1);
    EXPECT_THROW(l.setAktuell(5), Fehlschlag);
    EXPECT_THROW(l.text(-1), Fehlschlag);
    l.leeren();
    EXPECT_EQ(l.anzahl(), 0);
}

TEST(Liste, HoechstensZeilenlimitZeilen) {
    Liste l;
    for (int i = 0; i < Liste::MaxZeilen; ++i) l.anhaengen({});
    EXPECT_THROW(l.anhaengen("zu viel"), Fehlschlag);
    EXPECT_EQ(l.anzahl(), Liste::MaxZeilen);
}

// What a view of the list (the Qt model) is told, in order.
struct Spur : Liste::Beobachter {
    std::vector<std::string> e;
    void vorEinfuegen(int z) override { e.push_back("+" + std::to_string(z)); }
    void nachEinfuegen() override { e.push_back("+."); }
    void vorEntfernen(int z) override { e.push_back("-" + std::to_string(z)); }
    void nachEntfernen() override { e.push_back("-."); }
    void vorLeeren() override { e.push_back("0"); }
    void nachLeeren() override { e.push_back("0."); }
    void geaendert(int z) override { e.push_back("~" + std::to_string(z)); }
    void aktuellGeaendert(int z) override { e.push_back(">" + std::to_string(z)); }
};

TEST(Liste, BeobachterHoertJedeSichtbareAenderung) {
    Liste l;
    Spur spur;
    l.setBeobachter(&spur);
    l.anhaengen("a");
    l.anhaengen("b");
    l.setHaken(1, true);
    l.setHaken(1, true);  // no change, nothing to tell
    l.setWert(1, 9);      // not shown
    l.setText(0, "x");
    l.setAktuell(1);
    l.entfernen(0);
    l.leeren();
    EXPECT_EQ(spur.e, (std::vector<std::string>{"+0", "+.", "+1", "+.", "~1", "~0", ">1", "-0",
                                                "-.", "0", "0."}));
}

int scanHoch(const Liste& l, int32_t w) {
    for (int i = l.anzahl() - 1; i >= 0; --i)
        if (l.wert(i) == w) return i;
    return -1;
}

int scanTief(const Liste& l, int32_t w) {
    for (int i = 0; i < l.anzahl(); ++i)
        if (l.wert(i) == w) return i;
    return -1;
}

// Random appends, removals (often at the front, as unmarking in order does),
// value changes, reorderings, numbering and clears, with look-ups between them: the index
// must always give the scan's answer, and the rows and the cursor stay those
// of a plain vector.
TEST(Liste, NachschlagenWieEinScan) {
    std::mt19937 zufall(42);
    Liste l;
    std::vector<std::string> texte;
    int cursor = -1;
    auto wuerfel = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
    auto alleTexte = [&] {
        std::vector<std::string> t;
        for (int i = 0; i < l.anzahl(); ++i) t.push_back(l.text(i));
        return t;
    };
    // Rows kept in order with some left out and new ones between, now and then
    // two swapped, now and then a burst that rebuilds the list.
    auto umordnen = [&](int schritt) {
        std::vector<Liste::Neu> ziel;
        std::vector<std::string> soll;
        const bool viele = wuerfel(4) == 0;
        for (int i = 0; i < l.anzahl(); ++i)
            if (wuerfel(viele ? 2 : 8) != 0) ziel.push_back(Liste::Neu::wie(i));
        // New texts given as they are, or as a string to copy from.
        std::deque<std::string> quellen;
        for (int k = viele ? wuerfel(150) : wuerfel(4); k > 0; --k) {
            Liste::Neu z{-1, "u" + std::to_string(schritt) + "." + std::to_string(k),
                         wuerfel(30) - 2, wuerfel(2) == 0};
            if (wuerfel(2) == 0) z.quelle = &quellen.emplace_back(std::exchange(z.text, "x"));
            ziel.insert(ziel.begin() + wuerfel(static_cast<int>(ziel.size()) + 1), std::move(z));
        }
        const bool getauscht = ziel.size() > 1 && wuerfel(3) == 0;
        if (getauscht)
            std::swap(ziel[0], ziel[static_cast<size_t>(wuerfel(static_cast<int>(ziel.size())))]);
        int cursorSoll = -1;
        std::vector<int> hakenSoll;
        for (size_t j = 0; j < ziel.size(); ++j) {
            hakenSoll.push_back(ziel[j].alt >= 0 ? l.haken(ziel[j].alt) : ziel[j].haken);
            soll.push_back(ziel[j].alt >= 0 ? texte[static_cast<size_t>(ziel[j].alt)]
                           : ziel[j].quelle ? *ziel[j].quelle
                                            : ziel[j].text);
            if (ziel[j].alt >= 0 && ziel[j].alt == cursor) cursorSoll = static_cast<int>(j);
        }
        const std::string vorher = cursor >= 0 ? texte[static_cast<size_t>(cursor)] : "";
        l.umordnen(std::move(ziel));
        texte = soll;
        ASSERT_EQ(alleTexte(), texte) << schritt;
        for (int j = 0; j < l.anzahl(); ++j)
            ASSERT_EQ(l.haken(j), hakenSoll[static_cast<size_t>(j)]) << schritt;
        // A moved row may be the one taken out and put back, which drops the cursor.
        if (getauscht)
            ASSERT_TRUE(l.aktuell() == -1 || l.text(l.aktuell()) == vorher) << schritt;
        else
            ASSERT_EQ(l.aktuell(), cursorSoll) << schritt;
        cursor = l.aktuell();
    };
    // Inserts at one place until the room between two ids runs out.
    for (int i = 0; i < 3; ++i) texte.push_back(std::to_string(l.anhaengen(std::to_string(i), i)));
    for (int k = 0; k < 40; ++k) {
        l.umordnen({Liste::Neu::wie(0),
                    {-1, "n" + std::to_string(k), 7, false},
                    Liste::Neu::wie(1),
                    Liste::Neu::wie(2)});
        l.entfernen(2);
        ASSERT_EQ(l.hoechsteMitWert(7), 1);
    }
    l.leeren();
    texte.clear();
    for (int schritt = 0; schritt < 20000; ++schritt) {
        switch (wuerfel(11)) {
            case 0:
            case 1:
            case 2: {
                const int i = l.anhaengen(std::to_string(schritt));
                texte.push_back(std::to_string(schritt));
                if (wuerfel(2)) l.setWert(i, wuerfel(30));
                break;
            }
            case 3:
                if (l.anzahl()) {
                    const int i = wuerfel(3) ? wuerfel(l.anzahl()) : wuerfel(3) % l.anzahl();
                    l.entfernen(i);
                    texte.erase(texte.begin() + i);
                    cursor = cursor == i ? -1 : cursor > i ? cursor - 1 : cursor;
                }
                break;
            case 4:
                if (l.anzahl()) l.setWert(wuerfel(l.anzahl()), wuerfel(30) - 2);
                if (l.anzahl() && wuerfel(4) == 0) l.setAktuell(cursor = wuerfel(l.anzahl()));
                break;
            case 5:
                if (wuerfel(50) == 0) l.nummerieren();
                if (wuerfel(400) == 0) {
                    l.leeren();
                    texte.clear();
                    cursor = -1;
                }
                break;
            case 6:
                umordnen(schritt);
                if (HasFatalFailure()) return;
                break;
            default: {
                const int32_t w = wuerfel(32) - 2;
                ASSERT_EQ(l.hoechsteMitWert(w), scanHoch(l, w)) << schritt;
                ASSERT_EQ(l.niedrigsteMitWert(w), scanTief(l, w)) << schritt;
                ASSERT_EQ(l.anzahl(), static_cast<int>(texte.size()));
                ASSERT_EQ(l.aktuell(), cursor) << schritt;
                if (l.anzahl()) {
                    const int i = wuerfel(l.anzahl());
                    ASSERT_EQ(l.text(i), texte[static_cast<size_t>(i)]) << schritt;
                }
            }
        }
    }
}

}  // namespace
}  // namespace nuk
