#!/usr/bin/env bash
# Builds the Debian package in build-package/ and prints its path.
# With --check, also unpacks it into a temporary folder and runs the program from there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

check=0
case "${1:-}" in
    --check) check=1 ;;
    "") ;;
    *) log "Usage : scripts/package.sh [--check]"; exit 2 ;;
esac

# file and dpkg-shlibdeps let CPack work out the package's library dependencies.
install_missing "${PACKAGES[@]}" file dpkg-dev
build_tree "$ROOT/build-package" -DORIA_BUILD_TESTS=OFF -DORIA_BUILD_BENCH=OFF
cd "$ROOT/build-package"
rm -f oria_*.deb
cpack -G DEB >&2
deb=$(ls "$ROOT"/build-package/oria_*_*.deb)

if [ "$check" -eq 1 ]; then
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' EXIT
    dpkg-deb -x "$deb" "$tree"
    cd "$tree"
    "$tree/usr/bin/oria" --help >/dev/null
    "$tree/usr/bin/oria" harmonie --type 0 --nombre 2 '#FF0000' >&2
    "$tree/usr/bin/oria" charte --modele standard3 --sortie "$tree/charte.html" --fond '#123456'
    grep -q 123456 "$tree/charte.html"
    dpkg-deb -f "$deb" Depends >&2
    log "Paquet vérifié : le programme extrait trouve ses données."
fi
echo "$deb"
