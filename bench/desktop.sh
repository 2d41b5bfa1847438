# shellcheck shell=bash
# Shared by the benchmarks that start the program on a virtual X display as a user's desktop
# would run it (startup.sh, memory.sh). Sourced, not run.

# on_virtual_display ARGS...: runs the calling script again with ARGS on a virtual X display,
# unless it runs on one already.
on_virtual_display() {
    if [ -z "${ORIA_BENCH_IN_XVFB:-}" ]; then
        exec env ORIA_BENCH_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
    fi
}

# start_desktop: the real platform (no offscreen, no probe left set), a work folder $work
# removed on exit, settings in it with the tip of the day off, and a window manager that has
# taken the screen.
start_desktop() {
    unset QT_QPA_PLATFORM ORIA_STARTUP_PROBE
    work=$(mktemp -d)
    trap 'kill $wm 2>/dev/null || true; rm -rf "$work"' EXIT
    # The tip of the day stays off: it is no part of what is measured.
    mkdir -p "$work/config"
    printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$work/config/oria.conf"
    export XDG_CONFIG_HOME=$work/config

    openbox >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    sleep 0.3
}

# median COLUMN FILE: the median of a column of numbers separated by spaces.
median() {
    cut -d' ' -f"$1" "$2" | sort -n | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
