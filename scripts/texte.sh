#!/bin/sh
# Brings the English translations i18n/*_en.ts up to date with the texts in
# the code (German is the source language): new texts come in unfinished, for
# a translator to fill in with Qt Linguist or an editor.
#   scripts/texte.sh [FOLDER]   the .ts files updated in FOLDER (default: i18n/)
set -e
quelle=$(cd "$(dirname "$0")/.." && pwd)
ziel=${1:-$quelle/i18n}
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
cd "$quelle"
aktualisieren() {
    "$lupdate" -silent -locations none -no-ui-lines -tr-function-alias translate+=Tr,translate+=Ue \
        -source-language de -target-language en "$@"
}
aktualisieren src/model src/rwx src/view src/selection src/check src/app -ts "$ziel/kern_en.ts"
aktualisieren src/shell -ts "$ziel/fenster_en.ts"
aktualisieren tools -ts "$ziel/nukcheck_en.ts"
