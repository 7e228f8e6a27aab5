#!/bin/sh
# Installs into a fresh prefix and checks what a user and a desktop find there:
# both programs answer, nukcheck finds its command list in the data folder,
# the desktop entry opens a file with nukview, *.rwx is model/x-rwx, and the
# desktop entry, the AppStream data and the man pages are valid.
#   sh tests/installation.sh BUILD-DIR
# Every check stands alone: under set -e, a failure left of && or || goes unnoticed.
set -e
praefix=$(mktemp -d)
trap 'rm -rf "$praefix"' EXIT
cmake --install "$1" --prefix "$praefix" >/dev/null
[ "$("$praefix/bin/nukcheck" --version)" = "nukcheck (NukViewer 4.8a)" ]
[ "$("$praefix/bin/nukview" --version)" = "nukview (NukViewer 4.8a)" ]
test ! -e "$praefix/bin/befehle.txt"
ende=0
printf 'ModelBegin\nFoo\nModelEnd\n' | "$praefix/bin/nukcheck" - >"$praefix/aus" || ende=$?
[ "$ende" = 1 ] || { echo "installiertes nukcheck: Ende $ende"; cat "$praefix/aus"; exit 1; }
grep -q 'unbekanntes Befehlswort "foo"' "$praefix/aus"
eintrag="$praefix/share/applications/de.nukviewer.NukViewer.desktop"
desktop-file-validate "$eintrag"
grep -Eq '^Exec=nukview .*%[fF]( |$)' "$eintrag" || { echo "Exec ohne %f: $eintrag"; exit 1; }
appstreamcli validate --no-net "$praefix/share/metainfo/de.nukviewer.NukViewer.metainfo.xml" >/dev/null
for seite in nukview nukcheck; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$praefix/share/man/man1/$seite.1" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || { echo "$seite.1: $warnungen"; exit 1; }
done
fehler=$(XDG_DATA_DIRS="$praefix/share" update-mime-database "$praefix/share/mime" 2>&1) ||
    { echo "$fehler"; exit 1; }
[ -z "$fehler" ] || { echo "$fehler"; exit 1; }
grep -Eq '^[0-9]+:model/x-rwx:\*\.rwx$' "$praefix/share/mime/globs2" ||
    { echo "*.rwx ist nicht model/x-rwx"; exit 1; }
echo "installiert und geprüft: $(find "$praefix" -type f | wc -l) Dateien"
