#!/usr/bin/env bash
# Builds the editor and starts it. Arguments go to the program (a preset file to open).
# VEXOB_SIMULATED_DEVICE=1 connects it to a simulated device instead of real MIDI ports.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXOB_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)" --target vexob_editor_app
exec "$build/src/app/vexob_editor_app_artefacts/RelWithDebInfo/VexoB Editor" "$@"
