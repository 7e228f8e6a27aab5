#include "model/Liste.h"

#include <algorithm>

#include "model/Fehlschlag.h"

namespace nuk {

void Liste::ungueltig() {
    throw Fehlschlag("Listenindex ungültig");
}

int Liste::anhaengen(std::string text, int32_t wert) {
    if (anzahl() >= hoechstens_) throw Fehlschlag("Liste voll");
    const int neu = anzahl();
    if (beobachter_) beobachter_->vorEinfuegen(neu);
    const uint64_t id = naechsteId_;
    naechsteId_ += IdAbstand;
    zeilen_.push_back(Zeile{std::move(text), id, wert, false});
    if (indexGueltig_) indexEinfuegen(wert, id);
    if (beobachter_) beobachter_->nachEinfuegen();
    return neu;
}

void Liste::entfernen(int i) {
    const Zeile& z = zeile(i);
    if (beobachter_) beobachter_->vorEntfernen(i);
    if (indexGueltig_) indexEntfernen(z.wert, z.id);
    const auto stelle = zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_) + i;
    if (i < anzahl() / 2) {
        std::move_backward(zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_), stelle,
                           stelle + 1);
        zeilen_[anfang_++] = Zeile{};
        if (anfang_ * 2 > zeilen_.size()) {
            zeilen_.erase(zeilen_.begin(), zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_));
            anfang_ = 0;
        }
    } else {
        zeilen_.erase(stelle);
    }
    // The cursor follows its row; removing that row removes the cursor.
    if (aktuell_ == i)
        aktuell_ = -1;
    else if (aktuell_ > i)
        --aktuell_;
    if (beobachter_) beobachter_->nachEntfernen();
}

void Liste::texteAufheben(std::vector<Zeile>& zeilen) {
    // Rows that stayed have left an empty text behind. As many texts as the
    // list can hold rows are enough.
    const size_t hoechstens = static_cast<size_t>(std::min(hoechstens_, 1 << 15));
    for (Zeile& z : zeilen)
        if (freieTexte_.size() < hoechstens && z.text.capacity() > std::string().capacity())
            freieTexte_.push_back(std::move(z.text));
}

void Liste::leeren() {
    if (beobachter_) beobachter_->vorLeeren();
    texteAufheben(zeilen_);
    zeilen_.clear();
    zeilen_.shrink_to_fit();
    vorrat_ = {};
    anfang_ = 0;
    indexVerwerfen();
    naechsteId_ = IdAbstand;
    aktuell_ = -1;
    if (beobachter_) beobachter_->nachLeeren();
}

void Liste::setText(int i, std::string text) {
    zeile(i).text = std::move(text);
    if (beobachter_) beobachter_->geaendert(i);
}

void Liste::setWert(int i, int32_t wert) {
    Zeile& z = zeile(i);
    if (z.wert == wert) return;
    if (indexGueltig_) {
        indexEntfernen(z.wert, z.id);
        indexEinfuegen(wert, z.id);
    }
    z.wert = wert;
}

void Liste::setHaken(int i, bool haken) {
    Zeile& z = zeile(i);
    if (z.haken == haken) return;
    z.haken = haken;
    if (beobachter_) beobachter_->geaendert(i);
    // Last: the handler may change this list.
    if (handler_) handler_(static_cast<int16_t>(i));
}

void Liste::setAktuell(int i) {
    if (i < -1 || i >= anzahl()) throw Fehlschlag("Listenindex ungültig");
    aktuell_ = i;
    if (beobachter_) beobachter_->aktuellGeaendert(i);
}

void Liste::nummerieren() {
    for (size_t i = anfang_; i < zeilen_.size(); ++i)
        zeilen_[i].wert = static_cast<int32_t>(i - anfang_);
    indexVerwerfen();
}

void Liste::indexVerwerfen() {
    index_.clear();
    dicht_.clear();
    indexGueltig_ = false;
}

void Liste::idsNeu() {
    for (int k = 0; k < anzahl(); ++k)
        zeilen_[anfang_ + static_cast<size_t>(k)].id = (static_cast<uint64_t>(k) + 1) * IdAbstand;
    naechsteId_ = (static_cast<uint64_t>(anzahl()) + 1) * IdAbstand;
    indexVerwerfen();
}

void Liste::einfuegen(int i, Neu neu) {
    if (anzahl() >= hoechstens_) throw Fehlschlag("Liste voll");
    auto idAn = [&](int k) { return zeilen_[anfang_ + static_cast<size_t>(k)].id; };
    if ((i > 0 ? idAn(i - 1) + 1 : 0) >= (i < anzahl() ? idAn(i) : naechsteId_)) {
        idsNeu();  // no id left between the neighbours: room again for everyone
    }
    const uint64_t unten = i > 0 ? idAn(i - 1) + 1 : 0;
    const uint64_t id = unten + ((i < anzahl() ? idAn(i) : naechsteId_) - unten) / 2;
    if (beobachter_) beobachter_->vorEinfuegen(i);
    Zeile z{neu.quelle ? *neu.quelle : std::move(neu.text), id, neu.wert, neu.haken};
    if (anfang_ > 0 && i < anzahl() / 2) {
        // The free slot in front: the shorter side moves.
        const auto vorn = zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_);
        std::move(vorn, vorn + i, vorn - 1);
        --anfang_;
        zeilen_[anfang_ + static_cast<size_t>(i)] = std::move(z);
    } else {
        zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_) + i, std::move(z));
    }
    if (indexGueltig_) indexEinfuegen(neu.wert, id);
    if (aktuell_ >= i) ++aktuell_;
    if (beobachter_) beobachter_->nachEinfuegen();
}

void Liste::umordnen(std::vector<Neu> ziel) {
    if (ziel.size() > static_cast<size_t>(hoechstens_)) throw Fehlschlag("Liste voll");
    const int n = anzahl();
    // A row taken as a new one: a copy of what it holds.
    auto alsNeu = [&](Neu& z) {
        const Zeile& alt = zeile(z.alt);
        z = Neu{-1, alt.text, alt.wert, alt.haken};
    };
    std::vector<int> stelle(static_cast<size_t>(n), -1);  // row -> its place in ziel
    for (size_t j = 0; j < ziel.size(); ++j) {
        Neu& z = ziel[j];
        if (z.alt < 0) continue;
        (void)zeile(z.alt);  // a row that is not there fails here, before any change
        if (stelle[static_cast<size_t>(z.alt)] < 0)
            stelle[static_cast<size_t>(z.alt)] = static_cast<int>(j);
        else
            alsNeu(z);
    }
    // The rows that stay: the longest run of rows whose places ascend.
    std::vector<int> folge, enden, vorher;
    for (int i = 0; i < n; ++i)
        if (stelle[static_cast<size_t>(i)] >= 0) folge.push_back(i);
    vorher.assign(folge.size(), -1);
    auto ort = [&](int e) { return stelle[static_cast<size_t>(folge[static_cast<size_t>(e)])]; };
    for (size_t q = 0; q < folge.size(); ++q) {
        const int platz = ort(static_cast<int>(q));
        // Rows mostly keep their order: a place past the longest run extends it.
        const auto it = !enden.empty() && ort(enden.back()) < platz
                            ? enden.end()
                            : std::lower_bound(enden.begin(), enden.end(), platz,
                                               [&](int e, int p) { return ort(e) < p; });
        if (it != enden.begin()) vorher[q] = *(it - 1);
        if (it == enden.end())
            enden.push_back(static_cast<int>(q));
        else
            *it = static_cast<int>(q);
    }
    std::vector<bool> bleibt(static_cast<size_t>(n), false);
    size_t bleibende = 0;
    for (int q = enden.empty() ? -1 : enden.back(); q >= 0; q = vorher[static_cast<size_t>(q)]) {
        bleibt[static_cast<size_t>(folge[static_cast<size_t>(q)])] = true;
        ++bleibende;
    }
    // A few changes reach the views row by row; beyond that they show one
    // reset anyway, and one rebuild moves fewer rows than many inserts.
    constexpr size_t Einzeln = 64;
    if ((static_cast<size_t>(n) - bleibende) + (ziel.size() - bleibende) > Einzeln) {
        neuAufbauen(ziel, bleibt);
        return;
    }
    for (Neu& z : ziel)
        if (z.alt >= 0 && !bleibt[static_cast<size_t>(z.alt)]) alsNeu(z);
    for (int i = n - 1; i >= 0; --i)
        if (!bleibt[static_cast<size_t>(i)]) entfernen(i);
    for (size_t j = 0; j < ziel.size(); ++j)
        if (ziel[j].alt < 0) einfuegen(static_cast<int>(j), std::move(ziel[j]));
}

void Liste::neuAufbauen(std::vector<Neu>& ziel, const std::vector<bool>& bleibt) {
    if (beobachter_) beobachter_->vorLeeren();
    std::vector<Zeile> neu = std::move(vorrat_);
    neu.clear();
    neu.reserve(ziel.size());
    int cursor = -1;
    for (Neu& z : ziel) {
        if (z.alt >= 0) {
            Zeile& alt = zeile(z.alt);
            // As row by row: the cursor stays on a row that stays.
            if (z.alt == aktuell_ && bleibt[static_cast<size_t>(z.alt)])
                cursor = static_cast<int>(neu.size());
            neu.push_back(Zeile{std::move(alt.text), 0, alt.wert, alt.haken});
        } else if (z.quelle) {
            std::string text;
            if (!freieTexte_.empty()) {
                text = std::move(freieTexte_.back());
                freieTexte_.pop_back();
            }
            text.assign(*z.quelle);
            neu.push_back(Zeile{std::move(text), 0, z.wert, z.haken});
        } else {
            neu.push_back(Zeile{std::move(z.text), 0, z.wert, z.haken});
        }
    }
    zeilen_.swap(neu);
    texteAufheben(neu);
    neu.clear();
    vorrat_ = std::move(neu);
    anfang_ = 0;
    aktuell_ = cursor;
    idsNeu();
    if (beobachter_) beobachter_->nachLeeren();
}

int Liste::stelleVon(uint64_t id) const {
    // Appended or rebuilt rows have their place in their id; moves spoil that.
    const uint64_t platz = id / IdAbstand;
    if (platz >= 1 && platz <= static_cast<uint64_t>(anzahl()) &&
        zeilen_[anfang_ + platz - 1].id == id)
        return static_cast<int>(platz - 1);
    const auto erste = zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_);
    auto it = std::lower_bound(erste, zeilen_.end(), id,
                               [](const Zeile& z, uint64_t gesucht) { return z.id < gesucht; });
    return static_cast<int>(it - erste);
}

void Liste::indexEntfernen(int32_t wert, uint64_t id) {
    if (dicht(wert)) {
        if (static_cast<size_t>(wert) >= dicht_.size()) return;
        uint64_t& eintrag = dicht_[static_cast<size_t>(wert)];
        if (eintrag != Mehrere) {
            if (eintrag == id) eintrag = Keine;
            return;
        }
    }
    auto it = index_.find(wert);
    if (it == index_.end()) return;
    auto& ids = it->second;
    auto pos = std::lower_bound(ids.begin(), ids.end(), id);
    if (pos != ids.end() && *pos == id) ids.erase(pos);
    if (dicht(wert) && ids.size() == 1) {
        dicht_[static_cast<size_t>(wert)] = ids.front();
        index_.erase(it);
    } else if (ids.empty()) {
        index_.erase(it);
    }
}

void Liste::indexEinfuegen(int32_t wert, uint64_t id) const {
    if (dicht(wert)) {
        const auto w = static_cast<size_t>(wert);
        if (w >= dicht_.size()) dicht_.resize(std::max(w + 1, dicht_.size() * 2), Keine);
        uint64_t& eintrag = dicht_[w];
        if (eintrag == Keine) {
            eintrag = id;
            return;
        }
        if (eintrag != Mehrere) {
            index_[wert].push_back(eintrag);
            eintrag = Mehrere;
        }
    }
    auto& ids = index_[wert];
    ids.insert(std::lower_bound(ids.begin(), ids.end(), id), id);
}

void Liste::indexBauen() const {
    index_.clear();
    dicht_.clear();
    for (size_t i = anfang_; i < zeilen_.size(); ++i)
        indexEinfuegen(zeilen_[i].wert, zeilen_[i].id);
    indexGueltig_ = true;
}

const uint64_t* Liste::idsVon(int32_t wert, size_t& anzahl) const {
    if (!indexGueltig_) indexBauen();
    if (dicht(wert)) {
        if (static_cast<size_t>(wert) >= dicht_.size()) return nullptr;
        const uint64_t& eintrag = dicht_[static_cast<size_t>(wert)];
        if (eintrag == Keine) return nullptr;
        if (eintrag != Mehrere) {
            anzahl = 1;
            return &eintrag;
        }
    }
    auto it = index_.find(wert);
    if (it == index_.end()) return nullptr;
    anzahl = it->second.size();
    return it->second.data();
}

int Liste::hoechsteMitWert(int32_t wert) const {
    size_t n = 0;
    const uint64_t* ids = idsVon(wert, n);
    return ids ? stelleVon(ids[n - 1]) : -1;
}

int Liste::niedrigsteMitWert(int32_t wert) const {
    size_t n = 0;
    const uint64_t* ids = idsVon(wert, n);
    return ids ? stelleVon(ids[0]) : -1;
}

}  // namespace nuk
