#!/bin/sh
# Compares the whole model's bounds of every real model with those of the peer
# reader three-rwx-loader (npm), when node and npm are here. Without them, or
# when the npm registry cannot be reached, it says so and leaves it.
set -e
cd "$(dirname "$0")/.."
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    echo "vergleich: kein node/npm, kein Vergleich mit three-rwx-loader"
    exit 0
fi
ziel=build/vergleich
mkdir -p "$ziel"
cp tests/vergleich/package.json tests/vergleich/package-lock.json tests/vergleich/umfang.mjs "$ziel/"
if ! (cd "$ziel" && npm ci --no-audit --no-fund --loglevel=error >/dev/null 2>&1); then
    echo "vergleich: npm-Registry nicht erreichbar, kein Vergleich mit three-rwx-loader"
    exit 0
fi
exec node "$ziel/umfang.mjs" "$(pwd)/build/bin/nukcheck" "$(cd ../shared/corpus/rwx && pwd)"/*.rwx
