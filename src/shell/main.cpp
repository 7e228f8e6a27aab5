#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "shell/Hauptfenster.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("NukViewer"));
    // The toolkit's own words (dialog buttons, window menus) in German, like the program's.
    QTranslator qt;
    if (qt.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
    nuk::shell::Hauptfenster fenster(QCoreApplication::applicationDirPath());
    fenster.show();
    return QApplication::exec();
}
