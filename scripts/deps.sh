#!/bin/sh
# Installs the Debian packages the build and the tests need, where missing.
set -e
pakete="cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libzip-dev clang-format clang libclang-rt-dev qt6-translations-l10n qt6-l10n-tools desktop-file-utils appstream man-db shared-mime-info dpkg-dev"
fehlt=""
for p in $pakete; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt="$fehlt $p"
done
[ -z "$fehlt" ] && exit 0
als_root=""
[ "$(id -u)" -ne 0 ] && als_root="sudo"
echo "Installiere:$fehlt"
$als_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq --no-install-recommends $fehlt
