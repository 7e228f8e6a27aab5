#include "Dateien.h"

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/Datei.h"

namespace nukcheck {

namespace {

bool endetAuf(const std::string& name, std::string_view endung) {
    if (name.size() < endung.size()) return false;
    for (size_t i = 0; i < endung.size(); ++i) {
        char c = name[name.size() - endung.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != endung[i]) return false;
    }
    return true;
}

struct ZipZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ZipZu>;

Zip oeffnen(const std::string& pfad) {
    int fehler = 0;
    return Zip(zip_open(pfad.c_str(), ZIP_RDONLY, &fehler));
}

// The .rwx members of an archive, named ARCHIVE:MEMBER; the archive itself
// when it cannot be opened.
void archiv(const std::string& name, const std::string& pfad, std::vector<Quelle>& quellen) {
    const Zip z = oeffnen(pfad);
    if (!z) {
        quellen.push_back({name, pfad, {}});
        return;
    }
    const zip_int64_t n = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        const char* m = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0);
        if (!m) continue;
        const std::string mitglied = m;
        if (!mitglied.empty() && mitglied.back() != '/' && endetAuf(mitglied, ".rwx"))
            quellen.push_back({name + ":" + mitglied, pfad, mitglied});
    }
}

}  // namespace

std::vector<Quelle> Aufzaehlen(const std::string& argument) {
    namespace fs = std::filesystem;
    std::vector<Quelle> quellen;
    std::error_code fehler;
    if (argument != "-" && fs::is_directory(argument, fehler)) {
        std::string wurzel = argument;
        while (wurzel.size() > 1 && wurzel.back() == '/') wurzel.pop_back();
        const auto optionen = fs::directory_options::skip_permission_denied;
        for (auto i = fs::recursive_directory_iterator(argument, optionen, fehler);
             !fehler && i != fs::recursive_directory_iterator(); i.increment(fehler)) {
            if (!i->is_regular_file(fehler)) continue;
            const std::string unten = fs::relative(i->path(), argument, fehler).generic_string();
            const std::string name = (wurzel == "/" ? "" : wurzel) + "/" + unten;
            if (endetAuf(unten, ".rwx"))
                quellen.push_back({name, i->path().string(), {}});
            else if (endetAuf(unten, ".zip"))
                archiv(name, i->path().string(), quellen);
        }
    } else if (argument != "-" && endetAuf(argument, ".zip") &&
               fs::is_regular_file(argument, fehler)) {
        archiv(argument, argument, quellen);
    } else {
        return {{argument, argument, {}}};
    }
    std::sort(quellen.begin(), quellen.end(),
              [](const Quelle& a, const Quelle& b) { return a.name < b.name; });
    return quellen;
}

std::optional<std::string> Laden(const Quelle& q) {
    std::string daten;
    if (q.pfad == "-") {
        char puffer[1 << 16];
        size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, stdin)) > 0) daten.append(puffer, n);
        return std::ferror(stdin) ? std::nullopt : std::optional(std::move(daten));
    }
    if (q.mitglied.empty())
        return nuk::DateiLaden(q.pfad, daten) ? std::optional(std::move(daten)) : std::nullopt;
    const Zip z = oeffnen(q.pfad);
    if (!z) return std::nullopt;
    zip_stat_t st;
    if (zip_stat(z.get(), q.mitglied.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    // A member that claims more than a model may be is refused before it is unpacked.
    if (st.size > (zip_uint64_t{1} << 31)) return std::nullopt;
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen(z.get(), q.mitglied.c_str(), 0),
                                                        zip_fclose);
    if (!f) return std::nullopt;
    daten.resize(static_cast<size_t>(st.size));
    zip_int64_t gelesen = 0;
    while (gelesen < static_cast<zip_int64_t>(st.size)) {
        const zip_int64_t n = zip_fread(f.get(), daten.data() + gelesen,
                                        st.size - static_cast<zip_uint64_t>(gelesen));
        if (n <= 0) return std::nullopt;
        gelesen += n;
    }
    return daten;
}

}  // namespace nukcheck
