#!/bin/sh
# Builds the Debian package from build/ and checks its files and dependencies.
set -e
cd "$(dirname "$0")/.."
(cd build && rm -f nukviewer_*.deb && cpack -G DEB >/dev/null)
paket=$(ls build/nukviewer_*.deb)
inhalt=$(dpkg-deb -c "$paket" | awk '{print $NF}')
for datei in ./usr/bin/nukview ./usr/bin/nukcheck ./usr/share/nukviewer/befehle.txt \
    ./usr/share/applications/de.nukviewer.NukViewer.desktop \
    ./usr/share/metainfo/de.nukviewer.NukViewer.metainfo.xml \
    ./usr/share/mime/packages/de.nukviewer.NukViewer.xml \
    ./usr/share/icons/hicolor/scalable/apps/de.nukviewer.NukViewer.svg \
    ./usr/share/icons/hicolor/48x48/apps/de.nukviewer.NukViewer.png \
    ./usr/share/man/man1/nukview.1 ./usr/share/man/man1/nukcheck.1; do
    echo "$inhalt" | grep -qx "$datei" || { echo "paket: $datei fehlt in $paket"; exit 1; }
done
abhaengig=$(dpkg-deb -f "$paket" Depends)
echo "$abhaengig" | grep -q libqt6widgets6 || { echo "paket: Depends ohne Qt: $abhaengig"; exit 1; }
echo "$paket: $(echo "$inhalt" | grep -c '[^/]$') Dateien, Depends: $abhaengig"
