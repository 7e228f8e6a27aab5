#!/bin/sh
# Installs what is missing, builds, and runs every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
sh scripts/format-check.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
