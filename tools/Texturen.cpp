#include "Texturen.h"

#include <QImageReader>
#include <QString>
#include <filesystem>

#include "model/Datei.h"
#include "model/Text.h"

namespace nukcheck {

using nuk::Einsetzen;
using nuk::Tr;

namespace {

std::string klein(std::string_view t) {
    std::string r(t);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool zweierpotenz(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

}  // namespace

Texturordner::Texturordner(const std::string& pfad) : pfad_(pfad) {
    std::error_code fehler;
    for (const auto& e : std::filesystem::directory_iterator(pfad, fehler)) {
        const std::string name = e.path().filename().string();
        namen_.emplace(klein(name), name);
    }
}

std::string Texturordner::finden(std::string_view name, bool maske) const {
    for (const std::string& k : nuk::TexturDateinamen(name, maske)) {
        const auto n = namen_.find(klein(k));
        if (n != namen_.end()) return pfad_ + "/" + n->second;
    }
    return {};
}

std::optional<std::pair<int, int>> Texturordner::groesse(const std::string& datei) {
    {
        std::lock_guard sperre(gemerktSperre_);
        const auto g = gemerkt_.find(datei);
        if (g != gemerkt_.end()) return g->second;
    }
    std::optional<std::pair<int, int>> ergebnis;
    QImageReader leser(QString::fromStdString(datei));
    const QSize s = leser.size();
    if (s.isValid()) ergebnis = std::pair(s.width(), s.height());
    std::lock_guard sperre(gemerktSperre_);
    gemerkt_.emplace(datei, ergebnis);
    return ergebnis;
}

void Texturordner::pruefen(const std::vector<nuk::Texturangabe>& texturen,
                           std::vector<nuk::Modellbefund>& befunde) {
    for (const nuk::Texturangabe& t : texturen) {
        const std::string name = nuk::Latin1ZuUtf8(t.name);
        const std::string datei = finden(t.name, t.maske);
        if (datei.empty()) {
            befunde.push_back(
                {t.zeile,
                 Einsetzen(t.maske ? Tr("nukcheck", "Maske \"%1\" gibt es in %2 nicht")
                                   : Tr("nukcheck", "Textur \"%1\" gibt es in %2 nicht"),
                           {name, pfad_}),
                 "texture-missing"});
            continue;
        }
        if (t.maske) continue;
        const auto g = groesse(datei);
        if (g && (!zweierpotenz(g->first) || !zweierpotenz(g->second) || g->first > 512 ||
                  g->second > 512))
            befunde.push_back(
                {t.zeile,
                 Einsetzen(Tr("nukcheck",
                              "Textur \"%1\" ist %2 x %3 groß: jede Seite soll eine Zweierpotenz "
                              "bis 512 sein"),
                           {name, std::to_string(g->first), std::to_string(g->second)}),
                 "texture-size"});
    }
}

}  // namespace nukcheck
