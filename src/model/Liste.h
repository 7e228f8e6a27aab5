// The check-box list that TextList, AuswahlList and BefehlsList are made of:
// rows of text with a 32-bit item value and a tick, a current row, and a check
// handler that runs at once, nested in whatever changed a tick.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nuk {

class Liste {
  public:
    // Row indices are 16-bit in the program, so a list of file rows holds at
    // most this many; the command list has no such bound.
    static constexpr int MaxZeilen = 32767;

    explicit Liste(int hoechstens = MaxZeilen) : hoechstens_(hoechstens) {}
    // A copy would run the original's handler and tell the original's view.
    Liste(const Liste&) = delete;
    Liste& operator=(const Liste&) = delete;
    Liste(Liste&&) = default;
    Liste& operator=(Liste&&) = default;

    // Lets a view (the Qt adapter) follow the list; the list never asks it anything.
    struct Beobachter {
        virtual ~Beobachter() = default;
        virtual void vorEinfuegen(int zeile) = 0;
        virtual void nachEinfuegen() = 0;
        virtual void vorEntfernen(int zeile) = 0;
        virtual void nachEntfernen() = 0;
        // The list is emptied, or rebuilt as a whole.
        virtual void vorLeeren() = 0;
        virtual void nachLeeren() = 0;
        virtual void geaendert(int zeile) = 0;
        virtual void aktuellGeaendert(int zeile) = 0;
    };

    using PruefHandler = std::function<void(int16_t zeile)>;

    int anzahl() const { return static_cast<int>(zeilen_.size() - anfang_); }
    const std::string& text(int i) const { return zeile(i).text; }
    int32_t wert(int i) const { return zeile(i).wert; }
    bool haken(int i) const { return zeile(i).haken; }
    int aktuell() const { return aktuell_; }

    // Appends an unticked row; a full list refuses it (Fehlschlag).
    int anhaengen(std::string text, int32_t wert = 0);
    void entfernen(int i);
    void leeren();
    // Room for n rows, so that appending them moves nothing.
    void reservieren(int n) { zeilen_.reserve(anfang_ + static_cast<size_t>(n)); }
    // A text change never runs the check handler.
    void setText(int i, std::string text);
    void setWert(int i, int32_t wert);
    // Runs the check handler only when the tick really changes.
    void setHaken(int i, bool haken);
    // -1 removes the cursor.
    void setAktuell(int i);
    // Item value of every row := its index.
    void nummerieren();

    // A row of the list `umordnen` makes: row `alt` of the list as it stands,
    // or, with alt -1, a new row of text, item value and tick. A new row's
    // text may instead be a copy of *quelle, made where the row is placed
    // (into the memory of a text the list had before); *quelle must stay as
    // it is until `umordnen` returns.
    struct Neu {
        int alt = -1;
        std::string text;
        int32_t wert = 0;
        bool haken = false;
        const std::string* quelle = nullptr;
        static Neu wie(int alt) { return {alt, {}, 0, false}; }
    };
    // The rows become `ziel`, in its order. The most rows that keep their
    // order stay where they are; the others are removed and inserted one by
    // one, or, when that is many, the list is rebuilt at once and told as a
    // whole. Nothing is appended to or removed from `ziel`'s rows on the way,
    // so no check handler runs. A row of the list that `ziel` names twice is
    // taken once, at its first place.
    void umordnen(std::vector<Neu> ziel);

    // The highest / lowest row carrying the item value, -1 when none does:
    // the answers of a scan from the last row down / from row 0 up.
    int hoechsteMitWert(int32_t wert) const;
    int niedrigsteMitWert(int32_t wert) const;

    void setPruefHandler(PruefHandler handler) { handler_ = std::move(handler); }
    void setBeobachter(Beobachter* b) { beobachter_ = b; }

  private:
    struct Zeile {
        std::string text;
        uint64_t id;  // ascending along the rows, with room between for inserts
        int32_t wert;
        bool haken;
    };
    static constexpr uint64_t IdAbstand = uint64_t{1} << 16;
    // Inline, as the linkage pass and the drawing ask it for every row.
    const Zeile& zeile(int i) const {
        if (i < 0 || i >= anzahl()) [[unlikely]]
            ungueltig();
        return zeilen_[anfang_ + static_cast<size_t>(i)];
    }
    Zeile& zeile(int i) { return const_cast<Zeile&>(static_cast<const Liste*>(this)->zeile(i)); }
    [[noreturn]] static void ungueltig();
    int stelleVon(uint64_t id) const;
    void indexEntfernen(int32_t wert, uint64_t id);
    void indexEinfuegen(int32_t wert, uint64_t id) const;
    void indexBauen() const;
    // The ids of the rows with the value, ascending, and their number; nullptr for none.
    const uint64_t* idsVon(int32_t wert, size_t& anzahl) const;
    void indexVerwerfen();
    // Ids 1, 2, ... times IdAbstand along the rows.
    void idsNeu();
    void einfuegen(int i, Neu neu);
    void neuAufbauen(std::vector<Neu>& ziel, const std::vector<bool>& bleibt);
    // Keeps the rows' texts for new rows to write into.
    void texteAufheben(std::vector<Zeile>& zeilen);

    int hoechstens_;
    // Row i is zeilen_[anfang_ + i]. A removal moves the shorter side of the
    // list, so emptying it from the front (unmarking in the order of marking)
    // costs nothing per row; the free slots in front go when they are half.
    std::vector<Zeile> zeilen_;
    // What a rebuild left behind, for the next one to write into instead of
    // asking for new memory: the rows' storage, emptied, and the texts of the
    // rows that went.
    std::vector<Zeile> vorrat_;
    std::vector<std::string> freieTexte_;
    size_t anfang_ = 0;
    uint64_t naechsteId_ = IdAbstand;
    int aktuell_ = -1;
    PruefHandler handler_;
    Beobachter* beobachter_ = nullptr;

    // Item value -> ids of its rows. Built on the first look-up and kept up
    // to date from then on, so bulk fills (a file read) pay nothing. Row keys
    // are small and mostly one row each: such a value has its id in a plain
    // array; other values, and values of several rows, have their ids,
    // ascending, in the map.
    static constexpr int32_t DichtBis = 1 << 16;
    static constexpr uint64_t Keine = ~uint64_t{0}, Mehrere = Keine - 1;
    static bool dicht(int32_t wert) { return wert >= 0 && wert < DichtBis; }
    mutable std::vector<uint64_t> dicht_;
    mutable std::unordered_map<int32_t, std::vector<uint64_t>> index_;
    mutable bool indexGueltig_ = false;
};

}  // namespace nuk
