#!/bin/sh
# Installs what is missing, builds, and runs every test: the normal build, the
# whole model beside a peer reader where node is here, the Debian package, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# short fuzz run.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
sh scripts/format-check.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
sh scripts/vergleich.sh
sh scripts/paket.sh

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUK_SANITIZE=ON -DNUK_BENCH=OFF >/dev/null
cmake --build build-san -j2
(cd build-san && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

if command -v clang++ >/dev/null 2>&1; then
    sh scripts/fuzz.sh 30
fi
