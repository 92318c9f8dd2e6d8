#!/usr/bin/env bash
# The program at rest: one main window open on a virtual display of its own, the simulated device,
# nothing happening. Over 30 s it counts how often the program wakes (voluntary context switches,
# summed over all its threads) and its share of one core (user and system time over wall time),
# without a window manager and under openbox started before it; median of 3 runs each. Then, once
# a case, which timers ran and how often: the program runs once more under gdb, with a breakpoint
# that never stops on every timerCallback, whose hit counts are read at the end (gdb adds a little
# to each callback, which barely changes how often it falls due).
#   bench/idle.sh [build dir] [another build dir...]
# Other build folders (another commit's build, say) are measured in the same run, alternating with
# the first, so that the machine's load falls on each alike. VEXOB_IDLE_SECONDS and VEXOB_IDLE_RUNS
# change the time and the count. Figures mean most on an idle machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${VEXOB_IDLE_SECONDS:-30}"
runs="${VEXOB_IDLE_RUNS:-3}"
builds=("$(cd "${1:-$here/../build}" && pwd)")
for other in "${@:2}"; do builds+=("$(cd "$other" && pwd)"); done

programs=()
for build in "${builds[@]}"; do
    cmake --build "$build" --target vexob_editor_app >/dev/null
    programs+=("$(find "$build/src/app" -type f -name 'VexoB Editor' -perm -u+x | head -n 1)")
done

# The fields of /proc/<pid>/stat after the program's name, which may hold spaces: the state first,
# then the parent (1), ... user and system time (11, 12).
stat_fields() { # pid
    local stat
    stat="$(cat "/proc/$1/stat" 2>/dev/null)" || return 0
    echo "${stat##*) }"
}

scratch="$(mktemp -d)"
started=()
# Ends what is still running of what this script started, last first, and waits for each. A
# number whose process has ended and been waited for may already be another's: only a child of
# this script is signalled.
stop_started() {
    local i child fields
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        child="${started[i]}"
        read -r -a fields <<<"$(stat_fields "$child")"
        if [ "${fields[1]:-}" = "$$" ]; then
            kill "$child" 2>/dev/null || true
        fi
        wait "$child" 2>/dev/null || true
    done
    started=()
}
trap 'stop_started; rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM

wait_for() { # seconds command...: true once the command succeeds
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

# A fresh display, openbox on it when asked for, and the program with its first window shown and
# its start-up over; sets display and pid.
start_program() { # program with-manager
    : >"$scratch/display"
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    started+=($!)
    wait_for 10 test -s "$scratch/display" || { echo "Xvfb did not start" >&2; exit 1; }
    display=":$(cat "$scratch/display")"
    if [ "$2" = yes ]; then
        DISPLAY="$display" openbox >/dev/null 2>&1 &
        started+=($!)
        # openbox names the desktops once it manages the screen.
        wait_for 10 env DISPLAY="$display" xdotool get_num_desktops || { echo "openbox did not start" >&2; exit 1; }
    fi
    DISPLAY="$display" VEXOB_SIMULATED_DEVICE=1 "$1" 2>/dev/null &
    pid=$!
    started+=("$pid")
    wait_for 30 env DISPLAY="$display" xdotool search --onlyvisible --name '^VexoB Editor Untitled 1$' ||
        { echo "no window from $1" >&2; exit 1; }
    sleep 2
}

wakeups() { # pid: voluntary context switches of all its threads so far
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { sum += $2 } END { print sum }'
}
cpu_ticks() { # pid: user and system time so far, in clock ticks
    local fields
    read -r -a fields <<<"$(stat_fields "$1")"
    echo $((fields[11] + fields[12]))
}

measure() { # program with-manager: prints wake-ups per second and the percentage of one core
    start_program "$1" "$2"
    local w0 t0 s0 w1 t1 s1
    w0=$(wakeups "$pid") t0=$(cpu_ticks "$pid") s0=$(date +%s.%N)
    sleep "$seconds"
    w1=$(wakeups "$pid") t1=$(cpu_ticks "$pid") s1=$(date +%s.%N)
    stop_started
    awk -v w=$((w1 - w0)) -v t=$((t1 - t0)) -v s0="$s0" -v s1="$s1" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { s = s1 - s0; printf "%.0f %.2f\n", w / s, 100 * t / hz / s }'
}

count_timers() { # program with-manager: callbacks per second of each timer that ran
    start_program "$1" "$2"
    cat >"$scratch/timers.gdb" <<EOF
set pagination off
set confirm off
rbreak ::timerCallback
python
import time
for b in gdb.breakpoints():
    b.silent = True
    b.ignore_count = 1 << 30
open("$scratch/counting", "w").close()
began = time.time()
end
continue
python
spent = time.time() - began
for b in gdb.breakpoints():
    if b.hit_count:
        print("timer %.1f %s" % (b.hit_count / spent, b.location.split(":")[-1]))
end
detach
EOF
    rm -f "$scratch/counting"
    gdb -q -batch -p "$pid" -x "$scratch/timers.gdb" >"$scratch/gdb.out" 2>&1 &
    local debugger=$!
    started+=("$debugger")
    wait_for 60 test -e "$scratch/counting" || { echo "gdb set no breakpoints" >&2; exit 1; }
    sleep "$seconds"
    kill -INT "$debugger"
    wait "$debugger" || true
    unset 'started[-1]'
    stop_started
    grep '^timer ' "$scratch/gdb.out" | while read -r _ rate symbol; do
        printf '  %8s/s  %s\n' "$rate" "$(c++filt "$symbol" | sed 's/::timerCallback()$//')"
    done | sort -k1 -rn
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg), $(nproc) cores; ${seconds} s a run, median of ${runs}"
cases=(no yes)
for ((run = 1; run <= runs; run++)); do
    for manager in "${cases[@]}"; do
        for index in "${!programs[@]}"; do
            measure "${programs[index]}" "$manager" >>"$scratch/figures.$index.$manager"
        done
    done
done

printf '\n%-14s %12s %10s   %s\n' "window manager" "wake-ups/s" "CPU %" "program"
for manager in "${cases[@]}"; do
    for index in "${!programs[@]}"; do
        figures="$scratch/figures.$index.$manager"
        printf '%-14s %12s %10s   %s (runs: %s)\n' "$([ "$manager" = yes ] && echo openbox || echo none)" \
            "$(cut -d ' ' -f 1 "$figures" | median)" "$(cut -d ' ' -f 2 "$figures" | median)" \
            "${programs[index]}" "$(paste -sd '/' <(cut -d ' ' -f 1 "$figures"))"
    done
done

command -v gdb >/dev/null || { echo "(install gdb to see which timers ran)"; exit 0; }
for manager in "${cases[@]}"; do
    for index in "${!programs[@]}"; do
        echo
        echo "== timers, $([ "$manager" = yes ] && echo "under openbox" || echo "no window manager"): ${programs[index]}"
        count_timers "${programs[index]}" "$manager"
    done
done
