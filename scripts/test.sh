#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole test suite.
# With --sanitize: the same suite built with clang, AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, in build-sanitize.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The desktop smoke test runs on a virtual X display and under a headless Wayland compositor.
install_missing "${PACKAGES[@]}" xvfb xauth openbox xdotool weston desktop-file-utils \
    appstream groff-base libxml2-utils shared-mime-info xdg-utils
if [ "${1:-}" = --sanitize ]; then
    install_missing "${SANITIZER_PACKAGES[@]}"
    build_sanitized
    cd "$ROOT/build-sanitize"
else
    build_tree "$ROOT/build-tests" -DORIA_WERROR=ON -DORIA_BUILD_BENCH=ON
    cd "$ROOT/build-tests"
fi
ctest --output-on-failure -j2
