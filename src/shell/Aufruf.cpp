#include "shell/Aufruf.h"

namespace nuk::shell {

const char* const NukviewAufruf = "Aufruf: nukview [DATEI]\n";

const char* const NukviewHilfe =
    "\n"
    "Zeigt ein RWX-Modell als Drahtmodell, das sich drehen, schieben und\n"
    "vergrößern lässt, markiert Punkte und Objekte des ersten Clumps, prüft die\n"
    "Hierarchie und jede Zeile und speichert den Text zurück. Mit DATEI wird\n"
    "diese Datei gleich geöffnet, wie über \"Öffnen\".\n"
    "\n"
    "  --help     diese Hilfe\n"
    "  --version  Name und Version\n"
    "\n"
    "Die Optionen von Qt (etwa -platform) gelten weiter.\n";

Aufruf AufrufLesen(const QStringList& argumente) {
    Aufruf a;
    bool optionen = true;
    for (const QString& arg : argumente) {
        if (optionen && (arg == QLatin1String("--help") || arg == QLatin1String("-h")))
            return {Aufruf::Hilfe, {}, {}};
        if (optionen && arg == QLatin1String("--version")) return {Aufruf::Version, {}, {}};
        if (optionen && arg == QLatin1String("--")) {
            optionen = false;
        } else if (optionen && arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            if (a.art != Aufruf::Falsch) a = {Aufruf::Falsch, {}, "unbekannte Option " + arg};
        } else if (!a.datei.isEmpty()) {
            if (a.art != Aufruf::Falsch) a = {Aufruf::Falsch, {}, QStringLiteral("nur eine Datei")};
        } else {
            a.datei = arg;
        }
    }
    return a;
}

}  // namespace nuk::shell
