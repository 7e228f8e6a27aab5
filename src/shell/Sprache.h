// The language of the programs: English where the locale asks for it, German
// everywhere else.
#pragma once

#include <QString>
#include <QTranslator>

namespace nuk::shell {

// English when the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty names the English language; German for every other, C and POSIX too.
bool EnglischGewuenscht();

// While it lives, the programs' texts in the user's language: in English,
// nukviewer_en.qm from beside the program or from its data folder, for Qt's
// translate() and for the core's Tr(); in German, the toolkit's own words
// (dialog buttons) in German when qtDeutsch.
class Sprache {
  public:
    Sprache(const QString& programmOrdner, bool qtDeutsch, bool englisch = EnglischGewuenscht());
    ~Sprache();
    Sprache(const Sprache&) = delete;
    Sprache& operator=(const Sprache&) = delete;

  private:
    QTranslator uebersetzer_;  // the English texts, or the toolkit's German words
    bool installiert_ = false;
};

}  // namespace nuk::shell
