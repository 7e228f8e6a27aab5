#!/bin/sh
# Brings the English translations i18n/nukviewer_en.ts up to date with the texts in
# the code (German is the source language): new texts come in unfinished, for
# a translator to fill in with Qt Linguist or an editor; texts gone from the
# code go from the files.
#   scripts/texte.sh [FOLDER]   the .ts file updated in FOLDER (default: i18n/)
set -e
quelle=$(cd "$(dirname "$0")/.." && pwd)
ziel=${1:-$quelle/i18n}
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
cd "$quelle"
aktualisieren() {
    "$lupdate" -silent -locations none -no-ui-lines -no-obsolete -tr-function-alias translate+=Tr,translate+=Ue \
        -source-language de -target-language en "$@"
}
aktualisieren src tools -ts "$ziel/nukviewer_en.ts"
