#!/bin/sh
# Fails when a text of the code has no English translation: the .ts files
# brought up to date in a scratch folder must hold no unfinished message.
set -e
quelle=${1:-$(dirname "$0")/..}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$quelle"/i18n/*_en.ts "$tmp"/
sh "$quelle"/scripts/texte.sh "$tmp"
offen=$(grep -c 'type="unfinished"' "$tmp"/*_en.ts | grep -v ':0$' || true)
[ -z "$offen" ] && exit 0
echo "Texte ohne englische Übersetzung (scripts/texte.sh, dann übersetzen):"
echo "$offen"
grep -B2 'type="unfinished"' "$tmp"/*_en.ts | grep '<source>' | head -40
exit 1
