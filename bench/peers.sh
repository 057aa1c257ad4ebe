#!/usr/bin/env bash
# Times the peers beside the benchmarks that are measured against them, in one run, and prints
# each pair with its ratio (ours / peer; at most 1.0 means not slower): CPython's
# `for i in range(n): s += i` against SumLoop, numpy's astype(uint8) against the engine's
# float-to-byte conversion, numpy's 3-box means of a line and of an image against SMOOTH 3.
# Medians of repeated runs, in processor time (the machine may be shared). The peers are the
# distribution's python3 and python3-numpy (scripts/setup bench installs them).
#   bench/peers.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
reps=${2:-7}
python=/usr/bin/python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/olvide_engine_bench" --benchmark_filter='^SumLoop' \
    --benchmark_repetitions="$reps" --benchmark_format=json >"$work/olvide.json" 2>/dev/null
"$build/bench/pendrel_engine_bench" \
    --benchmark_filter='^(BM_ConvertFtoUC_Engine|Smooth3Line|Convolve3Line|Smooth3Image|Convolve3x3Image)$' \
    --benchmark_repetitions="$reps" --benchmark_format=json >"$work/pendrel.json" 2>/dev/null

REPS=$reps "$python" - "$work/olvide.json" "$work/pendrel.json" <<'PY'
import json, os, statistics, sys, time
import numpy as np

reps = int(os.environ["REPS"])

def median_ms(f):
    f()  # warm up
    times = []
    for _ in range(reps):
        t = time.process_time()
        f()
        times.append((time.process_time() - t) * 1e3)
    return statistics.median(times)

def ours(files):
    medians = {}
    for name in files:
        for b in json.load(open(name))["benchmarks"]:
            if b.get("aggregate_name") == "median":
                unit = {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
                medians[b["run_name"]] = b["cpu_time"] * unit
    return medians

n = 1_000_000
def running_sum():
    s = 0
    for i in range(n):
        s += i
    return s

count = 10_000_000
floats = (np.arange(count) % 1000).astype(np.float32) * np.float32(0.37)
line = ((np.arange(count, dtype=np.uint64) * 2654435761) >> 24).astype(np.uint8)
image = line[: 3200 * 3125].reshape(3125, 3200)  # the first dimension varies fastest

def line_mean():
    s = line[:-2].astype(np.uint32) + line[1:-1] + line[2:]
    out = np.zeros_like(line)
    out[1:-1] = s // 3
    return out

def image_mean():
    wide = image.astype(np.uint32)
    s = wide[:, :-2] + wide[:, 1:-1] + wide[:, 2:]
    s = s[:-2] + s[1:-1] + s[2:]
    out = np.zeros_like(image)
    out[1:-1, 1:-1] = s // 9
    return out

peers = {
    "SumLoop/1000000": ("for i in range(n): s += i, n = 10^6", median_ms(running_sum)),
    "BM_ConvertFtoUC_Engine": ("astype(uint8), 10^7 floats", median_ms(lambda: floats.astype(np.uint8))),
    "Smooth3Line": ("3-box mean of a 10^7 line", median_ms(line_mean)),
    "Smooth3Image": ("3x3-box mean of 3200x3125", median_ms(image_mean)),
}
measured = ours(sys.argv[1:])
print(f"{'benchmark':28} {'ours ms':>9} {'peer ms':>9} {'ratio':>6}  peer")
for name, (what, peer) in peers.items():
    mine = measured.get(name)
    if mine is None:
        print(f"{name:28} {'-':>9} {peer:9.2f} {'-':>6}  {what}")
        continue
    print(f"{name:28} {mine:9.2f} {peer:9.2f} {mine / peer:6.2f}  {what}")
for name in ("Convolve3Line", "Convolve3x3Image"):
    if name in measured:
        print(f"{name:28} {measured[name]:9.2f}")
PY
