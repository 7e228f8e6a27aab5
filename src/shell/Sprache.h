// The language of the programs: English where the locale asks for it, German
// everywhere else.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

namespace nuk::shell {

// English when the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty names the English language; German for every other, C and POSIX too.
bool EnglischGewuenscht();

// While it lives, the texts of the window program or of nukcheck in the user's
// language: in English, the translations named (such as "kern" for
// kern_en.qm) from beside the program or from its data folder, for Qt's tr()
// and for the core's Tr(); in German, the toolkit's own words (dialog
// buttons) in German when qtDeutsch.
class Sprache {
  public:
    Sprache(const QString& programmOrdner, const QStringList& namen, bool qtDeutsch,
            bool englisch = EnglischGewuenscht());
    ~Sprache();
    Sprache(const Sprache&) = delete;
    Sprache& operator=(const Sprache&) = delete;

    bool englisch() const { return englisch_; }

  private:
    bool englisch_;
    std::vector<std::unique_ptr<QTranslator>> uebersetzer_;
};

}  // namespace nuk::shell
