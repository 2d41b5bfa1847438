#!/usr/bin/env bash
# Takes the manual's screenshots (resources/aide/images/) from the real program on a virtual
# X display with a window manager, a small palette of three colours opened at start.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${ORIA_SCREENSHOTS_DISPLAY:-}" ]; then
    install_missing "${PACKAGES[@]}" xvfb xauth openbox xdotool imagemagick
    build_tree "$ROOT/build"
    export ORIA_SCREENSHOTS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1400x1000x24" bash "${BASH_SOURCE[0]}"
fi

images=$ROOT/resources/aide/images
mkdir -p "$images"
work=$(mktemp -d)
trap 'kill $app $wm 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
printf 'GIMP Palette\nName: Exemple\n#\n 28 193 214\tTurquoise\n245 240 230\tCr\xc3\xa8me\n 40  50  70\tEncre\n' \
    >"$work/exemple.gpl"

wait_window() { # TITLE: the id of the visible window so named
    local id
    for _ in $(seq 1 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    log "fenêtre introuvable : $1"
    return 1
}
shoot() { # TITLE NAME
    local id
    id=$(wait_window "$1")
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.8
    import -window "$id" "$images/$2.png"
    log "$2.png"
}
close() { # TITLE
    local id
    id=$(wait_window "$1")
    xdotool windowactivate --sync "$id" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
    sleep 0.5
}
press() { # TITLE KEY
    local id
    id=$(wait_window "$1")
    xdotool windowactivate --sync "$id" key --clearmodifiers "$2" >/dev/null 2>&1 || true
}

openbox >/dev/null 2>&1 &
wm=$!
"$ROOT/build/oria" "$work/exemple.gpl" 2>/dev/null &
app=$!

shoot "Astuce du jour" astuce
close "Astuce du jour"
shoot "Oria 2000" harmonie
press "Oria 2000" F5
shoot "Razezev Aru 1.0" razezev-aru
close "Razezev Aru 1.0"
press "Oria 2000" F6
shoot "contrast" vizozudu
close "contrast"
press "Oria 2000" F9
shoot "Roverevod 1.0" composeur
press "Roverevod 1.0" F9
shoot "Charte Graphique" charte
close "Charte Graphique"
close "Roverevod 1.0"
close "Oria 2000"
