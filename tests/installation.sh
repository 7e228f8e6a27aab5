#!/bin/sh
# Installs into a fresh prefix and checks what a user and a desktop find there:
# both programs answer, nukcheck finds its command list in the data folder,
# and the desktop entry, the AppStream data and the man pages are valid.
#   sh tests/installation.sh BUILD-DIR
set -e
praefix=$(mktemp -d)
trap 'rm -rf "$praefix"' EXIT
cmake --install "$1" --prefix "$praefix" >/dev/null
[ "$("$praefix/bin/nukcheck" --version)" = "nukcheck (NukViewer 4.8a)" ]
[ "$("$praefix/bin/nukview" --version)" = "nukview (NukViewer 4.8a)" ]
test ! -e "$praefix/bin/befehle.txt"
ende=0
printf 'ModelBegin\nFoo\nModelEnd\n' | "$praefix/bin/nukcheck" - >"$praefix/aus" || ende=$?
[ "$ende" = 1 ] && grep -q 'unbekanntes Befehlswort "foo"' "$praefix/aus"
desktop-file-validate "$praefix/share/applications/de.nukviewer.NukViewer.desktop"
appstreamcli validate --no-net "$praefix/share/metainfo/de.nukviewer.NukViewer.metainfo.xml" >/dev/null
for seite in nukview nukcheck; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$praefix/share/man/man1/$seite.1" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || { echo "$seite.1: $warnungen"; exit 1; }
done
if command -v update-mime-database >/dev/null 2>&1; then
    fehler=$(XDG_DATA_DIRS="$praefix/share" update-mime-database "$praefix/share/mime" 2>&1)
    [ -z "$fehler" ] || { echo "$fehler"; exit 1; }
    grep -q 'model/x-rwx' "$praefix/share/mime/globs2"
fi
echo "installiert und geprüft: $(find "$praefix" -type f | wc -l) Dateien"
