#!/usr/bin/env bash
# Instructions per call of the hot paths, counted by callgrind: unlike times, these counts hardly
# move from run to run or machine to machine.
#   bench/instructions.sh <build dir>
set -euo pipefail
build="${1:?usage: $0 <build dir>}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# benchmark program, benchmark, function whose inclusive count is divided by its number of calls
measure() {
    local program="$1" benchmark="$2" function="$3"
    valgrind --tool=callgrind --callgrind-out-file="$out/$benchmark.out" \
        "$build/bench/$program" --benchmark_filter="^$benchmark\$" --benchmark_min_time=0.3 >/dev/null 2>&1
    callgrind_annotate --inclusive=yes --tree=caller "$out/$benchmark.out" 2>/dev/null |
        python3 -c '
import re, sys
name, function = sys.argv[1], sys.argv[2]
calls, done = 0, False
for line in sys.stdin:
    if done:
        continue
    # the callers of an entry come first ("< caller (4x)"), then the entry itself ("* function")
    if re.match(r" *[0-9,]+ .*< ", line):
        found = re.search(r"\(([0-9,]+)x\)", line)
        calls += int(found.group(1).replace(",", "")) if found else 0
    elif re.match(r" *[0-9,]+ .*\* ", line):
        if function in line and calls:
            cost = int(line.split()[0].replace(",", ""))
            print(f"{name:26} {function:42} {cost / calls:12,.0f} instructions per call ({calls} calls)")
            done = True
        calls = 0
' "$benchmark" "$function"
}

measure vexob_model_bench presetToBytes "VexoBEditorPreset::toBytes() const"
measure vexob_model_bench presetValidateBytes "VexoBEditorPreset::validateBytes("
measure vexob_model_bench presetFromBytes "VexoBEditorPreset::fromBytes("
measure vexob_model_bench presetFromAlternatingBytes "VexoBEditorPreset::fromBytes("
measure vexob_model_bench presetNewAndRelease "VexoBEditorPreset::VexoBEditorPreset()"
measure vexob_model_bench presetNewAndRelease "VexoBEditorPreset::~VexoBEditorPreset()"
measure vexob_engine_bench checkPresetFile "VexoEditorEngine::checkPresetFile("
measure vexob_engine_bench parseDumpIntoPreset "VexoBEditorPreset::fromBytes("
