#include "shell/Aufruf.h"

#include <QCoreApplication>

namespace nuk::shell {

QString NukviewAufruf() {
    return QCoreApplication::translate("Fenster", "Aufruf: nukview [DATEI]\n");
}

QString NukviewHilfe() {
    return QCoreApplication::translate(
        "Fenster",
        "\n"
        "Zeigt ein RWX-Modell als Drahtmodell, das sich drehen, schieben und\n"
        "vergrößern lässt, auf Wunsch mit gefüllten Flächen; markiert und\n"
        "bearbeitet Punkte und Objekte, prüft die Hierarchie und jede Zeile und\n"
        "speichert den Text zurück. Mit DATEI wird diese Datei gleich geöffnet,\n"
        "wie über \"Öffnen\".\n"
        "\n"
        "  --help     diese Hilfe\n"
        "  --version  Name und Version\n"
        "\n"
        "Die Optionen von Qt (etwa -platform) gelten weiter.\n");
}

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
            if (a.art != Aufruf::Falsch)
                a = {Aufruf::Falsch,
                     {},
                     QCoreApplication::translate("Fenster", "unbekannte Option %1").arg(arg)};
        } else if (!a.datei.isEmpty()) {
            if (a.art != Aufruf::Falsch)
                a = {Aufruf::Falsch, {}, QCoreApplication::translate("Fenster", "nur eine Datei")};
        } else {
            a.datei = arg;
        }
    }
    return a;
}

}  // namespace nuk::shell
