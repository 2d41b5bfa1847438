#!/usr/bin/env bash
# Installs what is missing, builds, and starts oria with the given arguments.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${PACKAGES[@]}"
build_tree "$ROOT/build" -DORIA_BUILD_TESTS=OFF
exec "$ROOT/build/oria" "$@"
