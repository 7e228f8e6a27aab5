// nukview as started from its command line, which says on standard output what
// its window shows once it stands: the caption, the file's rows and, on one
// line each, every menu with its entries.
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>

#include "shell/Hauptfenster.h"
#include "shell/Programm.h"

int main(int argc, char** argv) {
    return nuk::shell::Programm(argc, argv, [](nuk::shell::Hauptfenster& f) {
        const nuk::Liste& zeilen = f.zustand().TextList;
        std::printf("%s\n%d Zeilen\n",
                    f.windowTitle().remove(QStringLiteral("[*]")).toUtf8().constData(),
                    zeilen.anzahl());
        for (int i = 0; i < zeilen.anzahl(); ++i) std::printf("%s\n", zeilen.text(i).c_str());
        for (const QAction* m : f.menuBar()->actions()) {
            QStringList eintraege;
            for (const QAction* a : m->menu()->actions())
                if (!a->isSeparator()) eintraege << a->text();
            std::printf("%s: %s\n", m->text().toUtf8().constData(),
                        eintraege.join(QLatin1Char('|')).toUtf8().constData());
        }
        QCoreApplication::quit();
    });
}
