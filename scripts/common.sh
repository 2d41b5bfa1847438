# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run. Progress goes to stderr so that the program's own output stays clean.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages the build, the program and the tests need on Debian 12 / Ubuntu.
PACKAGES=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-wayland libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core qt6-translations-l10n
)

log() { printf '%s\n' "$*" >&2; }

install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "Installation des paquets manquants : ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}

# build_tree DIR [cmake options...]: configure once, then build incrementally.
build_tree() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >&2
    fi
    cmake --build "$dir" -j2 >&2
}

# The sanitized build (test.sh --sanitize) and the fuzz targets (fuzz.sh) share one tree,
# built with clang; llvm gives the sanitizers' reports their function names and lines.
SANITIZER_PACKAGES=(clang libclang-rt-dev llvm)

build_sanitized() {
    export ASAN_OPTIONS=detect_leaks=1
    export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # -O1: the sanitizers' usual level, and a build much quicker than -O3.
    CC=clang CXX=clang++ build_tree "$ROOT/build-sanitize" -DORIA_FUZZ=ON -DORIA_BUILD_BENCH=OFF \
        -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG"
}
