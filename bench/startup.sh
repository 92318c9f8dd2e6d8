#!/usr/bin/env bash
# Time from launch to the program's first window on a virtual display, median of 10 runs, once with
# the machine's fonts, once with 2,000 more font files among the user's own ($XDG_DATA_HOME/fonts,
# which the system's font configuration lists), and once under a window manager (openbox) that was
# running already, as on a desktop, which frames and places the window before it shows.
#   bench/startup.sh [build dir]
# VEXOB_STARTUP_PROGRAM times another build of the program; VEXOB_STARTUP_RUNS changes the count.
# Figures mean most on an idle machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${VEXOB_STARTUP_RUNS:-10}"
program="${VEXOB_STARTUP_PROGRAM:-$build/src/app/vexob_editor_app_artefacts/RelWithDebInfo/VexoB Editor}"

cmake --build "$build" --target vexob_startup_timer vexob_editor_app >/dev/null
[ -n "${VEXOB_STARTUP_PROGRAM:-}" ] || [ -x "$program" ] ||
    program="$(find "$build/src/app" -type f -name 'VexoB Editor' -perm -u+x | head -n 1)"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Copies of the DejaVu files under other names; hard links where the file system allows, as the
# font reader opens each path in turn either way.
mkdir -p "$scratch/extra/fonts"
mapfile -t originals < <(find /usr/share/fonts -name 'DejaVu*.ttf' | sort)
[ "${#originals[@]}" -gt 0 ] || { echo "no DejaVu fonts under /usr/share/fonts" >&2; exit 1; }
for i in $(seq 1 2000); do
    original="${originals[$((i % ${#originals[@]}))]}"
    copy="$scratch/extra/fonts/Extra$i-$(basename "$original")"
    ln "$original" "$copy" 2>/dev/null || cp "$original" "$copy"
done

# The program's own choice of font folders is what is measured, not the caller's.
unset JUCE_FONT_PATH
timer="$build/bench/vexob_startup_timer"
measure() {
    echo "== $1"
    shift
    env "$@" xvfb-run -a -s "-screen 0 1920x1200x24" "$timer" --runs "$runs" "$program" | tail -n 1
}

echo "$program"
echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg), $(nproc) cores"
measure "machine's fonts ($(fc-list 2>/dev/null | wc -l) font files known to fontconfig)" HOME="$HOME"
measure "with 2,000 extra font files in XDG_DATA_HOME/fonts" XDG_DATA_HOME="$scratch/extra"
echo "== machine's fonts, under openbox started 1 s before"
xvfb-run -a -s "-screen 0 1920x1200x24" sh -c \
    'openbox & manager=$!; sleep 1; "$0" --runs "$1" "$2" | tail -n 1; kill $manager' "$timer" "$runs" "$program"
