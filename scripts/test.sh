#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${PACKAGES[@]}" xvfb xauth openbox xdotool desktop-file-utils appstream groff-base
build_tree "$ROOT/build-tests" -DORIA_WERROR=ON -DORIA_BUILD_BENCH=ON
cd "$ROOT/build-tests"
ctest --output-on-failure -j2
