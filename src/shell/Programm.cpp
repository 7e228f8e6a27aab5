#include "shell/Programm.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/Anfang.h"
#include "shell/Aufruf.h"
#include "shell/Hauptfenster.h"
#include "shell/Sprache.h"

namespace nuk::shell {

int Programm(int argc, char** argv, const std::function<void(Hauptfenster&)>& offen) {
    // Help and version need no window, nor a display to open one on.
    QStringList roh;
    for (int i = 1; i < argc; ++i) roh << QString::fromLocal8Bit(argv[i]);
    const Aufruf frage = AufrufLesen(roh);
    if (frage.art == Aufruf::Hilfe) {
        QCoreApplication app(argc, argv);
        const Sprache sprache(QCoreApplication::applicationDirPath(), false);
        std::printf("%s%s", qUtf8Printable(NukviewAufruf()), qUtf8Printable(NukviewHilfe()));
        return 0;
    }
    if (frage.art == Aufruf::Version) {
        std::printf("nukview (%s)\n", std::string(Programmtitel).c_str());
        return 0;
    }

    QApplication app(argc, argv);
    // In German, the toolkit's own words (dialog buttons, window menus) too.
    const Sprache sprache(QCoreApplication::applicationDirPath(), true);
    // What Qt has not taken for itself.
    const Aufruf aufruf = AufrufLesen(QCoreApplication::arguments().mid(1));
    if (aufruf.art == Aufruf::Falsch) {
        std::fprintf(stderr, "nukview: %s\n%s", aufruf.fehler.toLocal8Bit().constData(),
                     qUtf8Printable(NukviewAufruf()));
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("NukViewer"));
    Hauptfenster fenster(QCoreApplication::applicationDirPath());
    fenster.show();
    // Once the window stands: the reader's messages may come.
    QTimer::singleShot(0, &fenster, [&] {
        if (!aufruf.datei.isEmpty()) fenster.oeffnen(aufruf.datei);
        if (offen) offen(fenster);
    });
    return QApplication::exec();
}

}  // namespace nuk::shell
