#!/usr/bin/env bash
# Builds everything and runs every test (GUI and end-to-end tests on a virtual X display).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXOB_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOB_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"
xvfb-run -a -s "-screen 0 1920x1200x24" \
    ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel "$(nproc)" "$@"
