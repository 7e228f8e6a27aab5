#!/bin/sh
# Installs what is missing, builds, and starts the viewer.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
if [ -x build/bin/nukview ]; then
    exec build/bin/nukview "$@"
fi
exec build/bin/nukcheck --help
