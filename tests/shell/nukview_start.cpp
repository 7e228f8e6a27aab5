// nukview as started from its command line, which says on standard output what
// its window shows once it stands: the caption and the file's rows.
#include <QCoreApplication>
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
        QCoreApplication::quit();
    });
}
