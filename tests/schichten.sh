#!/bin/sh
# Lists every include in the core that points at a layer above its own
# (model < rwx < view, selection < check < app) and fails when it finds one
# beyond the documented exception: the State constructor wires the list
# handlers of selection/Listenfenster.
cd "${1:-$(dirname "$0")/../src}" || exit 2
rang() {
    case $1 in
        model) echo 0 ;; rwx) echo 1 ;; view | selection) echo 2 ;; check) echo 3 ;; app) echo 4 ;;
        *) echo 9 ;;
    esac
}
erlaubt="model/Variablen.cpp -> selection/Listenfenster.h"
funde=$(grep -n '^#include "[a-z]*/' model/* rwx/* view/* selection/* check/* app/* |
    while IFS=: read -r datei zeile text; do
        von=${datei%%/*}
        ziel=$(echo "$text" | sed 's/#include "\([^"]*\)".*/\1/')
        nach=${ziel%%/*}
        [ "$(rang "$nach")" -gt "$(rang "$von")" ] || continue
        [ "$datei -> $ziel" = "$erlaubt" ] && continue
        echo "$datei:$zeile: $von -> $ziel"
    done)
[ -z "$funde" ] && exit 0
echo "Includes gegen die Schichtung:"
echo "$funde"
exit 1
