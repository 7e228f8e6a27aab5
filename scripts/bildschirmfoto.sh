#!/bin/sh
# Starts nukview on a virtual display, opens a model through the menu and the
# file dialog as a user would, and saves a screenshot. With "gummiband" it
# first marks with a rubber band in "Auswahl" mode over the lower middle of the
# drawing.
#   sh scripts/bildschirmfoto.sh [MODEL.rwx] [OUT.png] [gummiband]
set -e
projekt=$(realpath "$(dirname "$0")/..")
modell=$(realpath "${1:-$projekt/../shared/corpus/rwx/pocketrwx__house.rwx}")
ausgabe=$(realpath -m "${2:-$projekt/build/bildschirmfoto.png}")
cd "$projekt"

pakete="xvfb xdotool imagemagick"
fehlt=""
for p in $pakete; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt="$fehlt $p"
done
if [ -n "$fehlt" ]; then
    als_root=""
    [ "$(id -u)" -ne 0 ] && als_root="sudo"
    $als_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq --no-install-recommends $fehlt
fi
sh scripts/build.sh >/dev/null

anzeige=:$(( 90 + $$ % 9 ))
Xvfb "$anzeige" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $programm $xvfb 2>/dev/null' EXIT
export DISPLAY=$anzeige
sleep 1
build/bin/nukview >/dev/null 2>&1 &
programm=$!
fenster=$(xdotool search --sync --name 'NukViewer 4.8a' | head -n 1)
sleep 1
# "Datei" is the first menu, "Öffnen" its third entry.
xdotool mousemove --window "$fenster" 25 10 click 1
sleep 0.5
xdotool mousemove --window "$fenster" 40 78 click 1
xdotool search --sync --name 'Öffner' >/dev/null
sleep 0.5
xdotool type --delay 5 "$modell"
xdotool key Return
sleep 2
# The reader's messages, if the model brings any, are acknowledged one by one.
i=0
while [ $i -lt 500 ] && xdotool search --name '^(NukViewer|[?][?][?])$' >/dev/null 2>&1; do
    xdotool key Return
    sleep 0.05
    i=$((i + 1))
done
sleep 1
if [ "${3:-}" = gummiband ]; then
    # The third toolbar button, then a drag inside the drawing window.
    xdotool mousemove --window "$fenster" 105 42 click 1
    sleep 0.3
    xdotool mousemove --window "$fenster" 100 200 mousedown 1
    for x in 150 250 350 450; do
        xdotool mousemove --window "$fenster" "$x" $((x + 120))
        sleep 0.05
    done
    xdotool mousemove --window "$fenster" 470 400 mouseup 1
    sleep 1
fi
# The main window alone, in few colours: small enough to keep in the repository.
import -window "$fenster" -colors 64 "$ausgabe"
echo "$ausgabe"
