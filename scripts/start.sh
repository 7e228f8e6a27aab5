#!/bin/sh
# Installs what is missing, builds, and starts the viewer.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && [ -z "$QT_QPA_PLATFORM" ]; then
    echo "nukview needs a display, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Run it from a desktop session, or see it on a virtual display: sh scripts/bildschirmfoto.sh" >&2
    echo "The checker works without one: build/bin/nukcheck --help" >&2
    exit 1
fi
exec build/bin/nukview
