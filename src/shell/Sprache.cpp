#include "shell/Sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdlib>

#include "model/Text.h"
#include "selection/BefehlsPad.h"

namespace nuk::shell {

namespace {

// What the core's Tr() looks in; filled before Tr() is set to look.
std::vector<const QTranslator*> kernUebersetzer;

std::string KernUebersetzen(const char* kontext, const char* text) {
    for (const QTranslator* t : kernUebersetzer) {
        const QString u = t->translate(kontext, text);
        if (!u.isEmpty()) return u.toStdString();
    }
    return text;
}

}  // namespace

bool EnglischGewuenscht() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* wert = std::getenv(name);
        if (!wert || !*wert) continue;
        const std::string_view w(wert);
        const std::string_view sprache = w.substr(0, w.find_first_of("_.@"));
        return sprache == "en";
    }
    return false;
}

Sprache::Sprache(const QString& programmOrdner, const QStringList& namen, bool qtDeutsch,
                 bool englisch)
    : englisch_(englisch) {
    if (!englisch_) {
        if (!qtDeutsch) return;
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            uebersetzer_.push_back(std::move(qt));
        }
        return;
    }
    const QString ordner = QDir(programmOrdner).absolutePath() + QLatin1Char('/');
    const QString daten =
        QString::fromStdString(Datenordner(QFile::encodeName(ordner).toStdString()));
    for (const QString& name : namen) {
        auto t = std::make_unique<QTranslator>();
        const QString datei = name + QStringLiteral("_en.qm");
        if (!t->load(ordner + datei) && !t->load(daten + datei)) continue;
        // nukcheck has no application object: the core's look-up is enough there.
        if (QCoreApplication::instance()) QCoreApplication::installTranslator(t.get());
        kernUebersetzer.push_back(t.get());
        uebersetzer_.push_back(std::move(t));
    }
    UebersetzerSetzen(&KernUebersetzen);
}

Sprache::~Sprache() {
    UebersetzerSetzen(nullptr);
    kernUebersetzer.clear();
    if (QCoreApplication::instance())
        for (const auto& t : uebersetzer_) QCoreApplication::removeTranslator(t.get());
}

}  // namespace nuk::shell
