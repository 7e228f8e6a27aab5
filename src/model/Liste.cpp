#include "model/Liste.h"

#include <algorithm>

#include "model/Fehlschlag.h"

namespace nuk {

const Liste::Zeile& Liste::zeile(int i) const {
    if (i < 0 || i >= anzahl()) throw Fehlschlag("Listenindex ungültig");
    return zeilen_[anfang_ + static_cast<size_t>(i)];
}

Liste::Zeile& Liste::zeile(int i) {
    return const_cast<Zeile&>(static_cast<const Liste*>(this)->zeile(i));
}

int Liste::anhaengen(std::string text) {
    if (anzahl() >= hoechstens_) throw Fehlschlag("Liste voll");
    const int neu = anzahl();
    if (beobachter_) beobachter_->vorEinfuegen(neu);
    const uint64_t id = naechsteId_++;
    zeilen_.push_back(Zeile{std::move(text), id, 0, false});
    if (indexGueltig_) indexEinfuegen(0, id);
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

void Liste::leeren() {
    if (beobachter_) beobachter_->vorLeeren();
    zeilen_.clear();
    zeilen_.shrink_to_fit();
    anfang_ = 0;
    index_.clear();
    indexGueltig_ = false;
    naechsteId_ = 0;
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
    index_.clear();
    indexGueltig_ = false;
}

int Liste::stelleVon(uint64_t id) const {
    const auto erste = zeilen_.begin() + static_cast<std::ptrdiff_t>(anfang_);
    auto it = std::lower_bound(erste, zeilen_.end(), id,
                               [](const Zeile& z, uint64_t gesucht) { return z.id < gesucht; });
    return static_cast<int>(it - erste);
}

void Liste::indexEntfernen(int32_t wert, uint64_t id) {
    auto it = index_.find(wert);
    if (it == index_.end()) return;
    auto& ids = it->second;
    auto pos = std::lower_bound(ids.begin(), ids.end(), id);
    if (pos != ids.end() && *pos == id) ids.erase(pos);
    if (ids.empty()) index_.erase(it);
}

void Liste::indexEinfuegen(int32_t wert, uint64_t id) {
    auto& ids = index_[wert];
    ids.insert(std::lower_bound(ids.begin(), ids.end(), id), id);
}

void Liste::indexBauen() const {
    index_.clear();
    index_.reserve(zeilen_.size() - anfang_);
    for (size_t i = anfang_; i < zeilen_.size(); ++i)
        index_[zeilen_[i].wert].push_back(zeilen_[i].id);
    indexGueltig_ = true;
}

int Liste::hoechsteMitWert(int32_t wert) const {
    if (!indexGueltig_) indexBauen();
    auto it = index_.find(wert);
    return it == index_.end() ? -1 : stelleVon(it->second.back());
}

int Liste::niedrigsteMitWert(int32_t wert) const {
    if (!indexGueltig_) indexBauen();
    auto it = index_.find(wert);
    return it == index_.end() ? -1 : stelleVon(it->second.front());
}

}  // namespace nuk
