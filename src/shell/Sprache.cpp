#include "shell/Sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdlib>

#include "model/Text.h"
#include "selection/BefehlsPad.h"

namespace nuk::shell {

namespace {

// What the core's Tr() looks in; set before Tr() is set to look.
const QTranslator* kernUebersetzer = nullptr;

std::string KernUebersetzen(const char* kontext, const char* text) {
    const QString u = kernUebersetzer->translate(kontext, text);
    return u.isEmpty() ? std::string(text) : u.toStdString();
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

Sprache::Sprache(const QString& programmOrdner, bool qtDeutsch, bool englisch) {
    if (!englisch) {
        if (qtDeutsch && uebersetzer_.load(QLocale(QLocale::German), QStringLiteral("qtbase"),
                                           QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installiert_ = QCoreApplication::installTranslator(&uebersetzer_);
        return;
    }
    const QString ordner = QDir(programmOrdner).absolutePath() + QLatin1Char('/');
    const QString daten =
        QString::fromStdString(Datenordner(QFile::encodeName(ordner).toStdString()));
    const QString datei = QStringLiteral("nukviewer_en.qm");
    if (!uebersetzer_.load(ordner + datei) && !uebersetzer_.load(daten + datei)) return;
    // nukcheck has no application object: the core's look-up is enough there.
    if (QCoreApplication::instance())
        installiert_ = QCoreApplication::installTranslator(&uebersetzer_);
    kernUebersetzer = &uebersetzer_;
    UebersetzerSetzen(&KernUebersetzen);
}

Sprache::~Sprache() {
    if (kernUebersetzer == &uebersetzer_) {
        UebersetzerSetzen(nullptr);
        kernUebersetzer = nullptr;
    }
    if (installiert_) QCoreApplication::removeTranslator(&uebersetzer_);
}

}  // namespace nuk::shell
