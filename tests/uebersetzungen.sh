#!/bin/sh
# Fails when a text of the code has no English translation: the .ts file
# brought up to date in a scratch folder must hold no unfinished message.
set -e
quelle=${1:-$(dirname "$0")/..}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$quelle"/i18n/nukviewer_en.ts "$tmp"/
sh "$quelle"/scripts/texte.sh "$tmp"
ts="$tmp"/nukviewer_en.ts
offen=$(grep -c 'type="unfinished"' "$ts" || true)
[ "$offen" -eq 0 ] && exit 0
echo "$offen Texte ohne englische Übersetzung (scripts/texte.sh, dann übersetzen):"
grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -40
exit 1
