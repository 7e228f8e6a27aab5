#include <QApplication>

#include "shell/Hauptfenster.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("NukViewer"));
    nuk::shell::Hauptfenster fenster(QCoreApplication::applicationDirPath());
    fenster.show();
    return QApplication::exec();
}
