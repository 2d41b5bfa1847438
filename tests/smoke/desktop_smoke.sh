#!/usr/bin/env bash
# Starts the real program on a virtual X display (run under xvfb-run), waits for the
# harmony window after the splash, closes it as a user would and expects a clean exit.
set -euo pipefail
oria=$1
unset QT_QPA_PLATFORM
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
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
"$oria" &
app=$!

# The splash closes itself after two seconds; then the harmony window and the tips show.
if ! window=$(find_window '^Oria 2000$'); then
    echo "the harmony window did not appear"
    exit 1
fi
find_window '^Astuce du jour$' >/dev/null || {
    echo "the tip of the day did not appear"
    exit 1
}
# F5, F6 and F9 open Razezev Aru, the contrast viewer and the composer; closing the
# harmony window closes them.
for key_title in "F5:^Razezev Aru 1.0$" "F6:^contrast$" "F9:^Roverevod 1.0$"; do
    xdotool windowactivate --sync "$window" key --clearmodifiers "${key_title%%:*}"
    find_window "${key_title#*:}" >/dev/null || {
        echo "${key_title%%:*} opened no window"
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
wait "$app"
status=$?
echo "oria ended with status $status"
exit "$status"
