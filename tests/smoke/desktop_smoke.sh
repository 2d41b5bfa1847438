#!/usr/bin/env bash
# The real program on a desktop: it starts, shows the harmony window after the splash, opens
# its windows with their keys and ends cleanly when its window is closed.
#   desktop_smoke.sh ORIA
#       on a virtual X display (run under xvfb-run), with a window manager; xdotool presses
#       the keys as a user does.
#   desktop_smoke.sh --wayland PLUGINS ORIA
#       under a headless Wayland compositor (Weston) started here, the program on Qt's Wayland
#       plug-in; the compositor has no keyboard, so PLUGINS/generic holds the Qt input plug-in
#       that presses the keys (SmokeKeyboard.cpp), and each window is also closed.
set -euo pipefail
wayland=0
if [ "${1:-}" = "--wayland" ]; then
    wayland=1
    plugins=$2
    shift 2
fi
oria=$1
unset QT_QPA_PLATFORM
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config

# The harmony window's keys and the windows they open.
keys=("F5|Razezev Aru 1.0" "F6|contrast" "F9|Roverevod 1.0")

if [ "$wayland" -eq 1 ]; then
    command -v weston >/dev/null || {
        echo "weston is not installed (scripts/test.sh installs it)"
        exit 1
    }
    # Weston in a private runtime folder (mode 0700, as Wayland requires), on its own socket.
    runtime=$config/runtime
    mkdir -m 700 "$runtime"
    socket=oria-smoke-$$
    weston=
    trap 'kill $weston 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$config"' EXIT
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
        --width=1280 --height=1024 --idle-time=0 --no-config --log="$runtime/weston.log" &
    weston=$!
    for _ in $(seq 1 200); do
        [ -S "$runtime/$socket" ] && break
        kill -0 "$weston" 2>/dev/null || break
        sleep 0.05
    done
    if [ ! -S "$runtime/$socket" ]; then
        echo "weston did not start"
        cat "$runtime/weston.log"
        exit 1
    fi

    # The tip of the day shows at start; F2 shows it again. F9 in the composer opens the
    # charter, modal.
    steps=("show|Oria 2000" "show|Astuce du jour" "close|Astuce du jour"
        "key|F2|Oria 2000" "show|Astuce du jour" "close|Astuce du jour")
    for key_title in "${keys[@]}"; do
        steps+=("key|${key_title%%|*}|Oria 2000" "show|${key_title#*|}")
        if [ "${key_title#*|}" = "Roverevod 1.0" ]; then
            steps+=("key|F9|Roverevod 1.0" "show|Charte Graphique" "close|Charte Graphique")
        fi
        steps+=("close|${key_title#*|}")
    done
    steps+=("close|Oria 2000")

    status=0
    (
        IFS=';'
        unset DISPLAY
        export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
        export QT_PLUGIN_PATH=$plugins QT_QPA_GENERIC_PLUGINS="oriasmokekeys:${steps[*]}"
        # Under the leak checker: whole stacks, so that an allocation the GL driver makes for
        # Qt's Wayland plug-in is seen to come from it (the driver is unloaded before the check).
        if [ -n "${LSAN_OPTIONS:-}" ]; then
            export LSAN_OPTIONS=$LSAN_OPTIONS:fast_unwind_on_malloc=0
        fi
        exec timeout -k 5 100 "$oria"
    ) 2>"$config/oria.err" || status=$?
    cat "$config/oria.err"
    if ! grep -qx "smoke: plate-forme wayland" "$config/oria.err"; then
        echo "the program did not run on Qt's Wayland plug-in with the smoke keyboard"
        exit 1
    fi
    if ! grep -qx "smoke: close|Oria 2000 ([0-9]* ms)" "$config/oria.err"; then
        echo "the program stopped before the end of the steps (status $status)"
        exit 1
    fi
    echo "oria ended with status $status"
    exit "$status"
fi

trap 'kill $wm 2>/dev/null || true; kill $app 2>/dev/null || true; rm -rf "$config"' EXIT

# Polls rather than xdotool's --sync: a window that closes while it is being looked at (the
# splash) makes xdotool fail with an X error, and the search must simply go on.
find_window() {
    local found
    for _ in $(seq 1 150); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

openbox >/dev/null 2>&1 &
wm=$!
"$oria" 2>"$config/oria.err" &
app=$!

# The splash closes itself after two seconds; then the harmony window and the tips show.
if ! window=$(find_window '^Oria 2000$'); then
    echo "the harmony window did not appear"
    kill -0 "$app" 2>/dev/null && echo "(the program is still running)"
    echo "windows shown:"
    xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null || true
    cat "$config/oria.err"
    exit 1
fi
find_window '^Astuce du jour$' >/dev/null || {
    echo "the tip of the day did not appear"
    exit 1
}
# F5, F6 and F9 open Razezev Aru, the contrast viewer and the composer; closing the
# harmony window closes them.
for key_title in "${keys[@]}"; do
    xdotool windowactivate --sync "$window" key --clearmodifiers "${key_title%%|*}"
    find_window "^${key_title#*|}$" >/dev/null || {
        echo "${key_title%%|*} opened no window"
        exit 1
    }
done
# Alt+F4 as a user presses it; the window manager may hand it to the tip window first, so
# press again until the program has ended.
for _ in $(seq 1 20); do
    kill -0 "$app" 2>/dev/null || break
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 2>/dev/null || true
    for _ in $(seq 1 10); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.2
    done
done
if kill -0 "$app" 2>/dev/null; then
    echo "the program did not end after its window was closed"
    exit 1
fi
status=0
wait "$app" || status=$?
cat "$config/oria.err"
echo "oria ended with status $status"
exit "$status"
