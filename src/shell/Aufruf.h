// What the command line asks of nukview, beside Qt's own options.
#pragma once

#include <QString>
#include <QStringList>

namespace nuk::shell {

struct Aufruf {
    enum Art { Fenster, Hilfe, Version, Falsch } art = Fenster;
    QString datei;   // opened at start; empty: none
    QString fehler;  // what was wrong, with Falsch
};

// The arguments after the program's name. --help and --version win wherever
// they stand (before "--"), so that they answer even beside Qt's options.
Aufruf AufrufLesen(const QStringList& argumente);

// The usage line, and the help that follows it, in the user's language.
QString NukviewAufruf();
QString NukviewHilfe();

}  // namespace nuk::shell
