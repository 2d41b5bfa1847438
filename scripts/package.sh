#!/usr/bin/env bash
# Builds the Debian package in build-package/ and prints its path.
# With --check, also runs lintian on it (any error or warning fails), then unpacks it into a
# temporary folder and runs the program from there.
# The maintainer is ORIA_MAINTAINER ("Nom <adresse>") when set, else the project's default.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

check=0
case "${1:-}" in
    --check) check=1 ;;
    "") ;;
    *) log "Usage : scripts/package.sh [--check]"; exit 2 ;;
esac

# file and dpkg-shlibdeps let CPack work out the package's library dependencies;
# dpkg-buildflags gives Debian's hardening flags.
extra=(file dpkg-dev)
[ "$check" -eq 1 ] && extra+=(lintian)
install_missing "${PACKAGES[@]}" "${extra[@]}"

# Configured on every run, so that the flags and the maintainer are always the current ones;
# from the source folder, which dpkg-buildflags maps to "." in the recorded paths.
cd "$ROOT"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
options=(
    -DCMAKE_BUILD_TYPE=Release -DORIA_BUILD_TESTS=OFF -DORIA_BUILD_BENCH=OFF
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
)
if [ -n "${ORIA_MAINTAINER:-}" ]; then
    options+=("-DORIA_MAINTAINER=$ORIA_MAINTAINER")
else
    options+=(-UORIA_MAINTAINER) # the default, not what an earlier run left in the cache
fi
cmake -S "$ROOT" -B "$ROOT/build-package" "${options[@]}" >&2
build_tree "$ROOT/build-package"
cd "$ROOT/build-package"
rm -f oria_*.deb
cpack -G DEB >&2
deb=$(ls "$ROOT"/build-package/oria_*_*.deb)

if [ "$check" -eq 1 ]; then
    # Errors and warnings fail; information tags are shown. Tags the package overrides on
    # purpose are in packaging/oria.lintian-overrides, each with its reason.
    log "lintian :"
    lintian --fail-on error,warning --display-info "$deb" >&2 || {
        log "lintian signale des erreurs ou des avertissements."
        exit 1
    }
    dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || {
        log "le paquet ne recommande pas qt6-wayland."
        exit 1
    }

    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' EXIT
    dpkg-deb -x "$deb" "$tree"
    cd "$tree"
    "$tree/usr/bin/oria" --help >/dev/null
    "$tree/usr/bin/oria" harmonie --type 0 --nombre 2 '#FF0000' >&2
    "$tree/usr/bin/oria" charte --modele standard3 --sortie "$tree/charte.html" --fond '#123456'
    grep -q 123456 "$tree/charte.html"
    dpkg-deb -f "$deb" Maintainer Depends Recommends >&2
    log "Paquet vérifié : lintian ne signale rien et le programme extrait trouve ses données."
fi
echo "$deb"
