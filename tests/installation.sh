#!/bin/sh
# Installs into a fresh prefix and checks what a user and a desktop find there:
# both programs answer, nukcheck finds its command list and its English texts
# in the data folder, the desktop entry opens a file with nukview, *.rwx is
# model/x-rwx, and the desktop entry, the AppStream data and the English and
# German man pages are valid.
#   sh tests/installation.sh BUILD-DIR
# Every check stands alone: under set -e, a failure left of && or || goes unnoticed.
set -e
praefix=$(mktemp -d)
trap 'rm -rf "$praefix"' EXIT
cmake --install "$1" --prefix "$praefix" >/dev/null
[ "$("$praefix/bin/nukcheck" --version)" = "nukcheck (NukViewer 4.8a)" ]
[ "$("$praefix/bin/nukview" --version)" = "nukview (NukViewer 4.8a)" ]
test ! -e "$praefix/bin/befehle.txt"
test ! -e "$praefix/bin/nukviewer_en.qm"
test -s "$praefix/share/nukviewer/nukviewer_en.qm" || { echo "nukviewer_en.qm fehlt"; exit 1; }
# German unless the locale names English; each text from the data folder.
for fall in 'C.UTF-8:unbekanntes Befehlswort "foo"' 'C.UTF-8:1 Problem (1 Fehler, 0 Warnungen' \
    'en_US.UTF-8:unknown command word "foo"' 'en_US.UTF-8:1 problem (1 error, 0 warnings'; do
    ende=0
    printf 'ModelBegin\nFoo\nModelEnd\n' | env -u LC_ALL -u LC_MESSAGES LANG="${fall%%:*}" \
        "$praefix/bin/nukcheck" - >"$praefix/aus" 2>&1 || ende=$?
    [ "$ende" = 1 ] || { echo "installiertes nukcheck: Ende $ende"; cat "$praefix/aus"; exit 1; }
    grep -qF "${fall#*:}" "$praefix/aus" ||
        { echo "LANG=${fall%%:*}: ${fall#*:} fehlt"; cat "$praefix/aus"; exit 1; }
done
eintrag="$praefix/share/applications/de.nukviewer.NukViewer.desktop"
desktop-file-validate "$eintrag"
grep -Eq '^Exec=nukview .*%[fF]( |$)' "$eintrag" || { echo "Exec ohne %f: $eintrag"; exit 1; }
appstreamcli validate --no-net "$praefix/share/metainfo/de.nukviewer.NukViewer.metainfo.xml" >/dev/null
grep -q '^Comment\[de\]=' "$eintrag" || { echo "Comment[de] fehlt: $eintrag"; exit 1; }
# The English pages in man1, the German ones in de/man1.
for seite in man1/nukview man1/nukcheck de/man1/nukview de/man1/nukcheck; do
    datei="$praefix/share/man/$seite.1"
    test -f "$datei" || { echo "$seite.1 fehlt"; exit 1; }
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$datei" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || { echo "$seite.1: $warnungen"; exit 1; }
    case $seite in de/*) titel='^\.SH ÜBERSICHT$' ;; *) titel='^\.SH SYNOPSIS$' ;; esac
    grep -q "$titel" "$datei" || { echo "$seite.1 in der falschen Sprache"; exit 1; }
done
fehler=$(XDG_DATA_DIRS="$praefix/share" update-mime-database "$praefix/share/mime" 2>&1) ||
    { echo "$fehler"; exit 1; }
[ -z "$fehler" ] || { echo "$fehler"; exit 1; }
grep -Eq '^[0-9]+:model/x-rwx:\*\.rwx$' "$praefix/share/mime/globs2" ||
    { echo "*.rwx ist nicht model/x-rwx"; exit 1; }
echo "installiert und geprüft: $(find "$praefix" -type f | wc -l) Dateien"
