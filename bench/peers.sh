#!/usr/bin/env bash
# Times the peers beside the benchmarks that are measured against them and prints each pair with
# its ratio (ours / peer; at most 1.0 means not slower): CPython's `for i in range(n): s += i`
# against SumLoop, numpy's astype(uint8) against the engine's float-to-byte conversion, numpy's
# 3-box means of a line and of an image against SMOOTH 3. A shared machine's speed drifts from
# minute to minute, so every repetition runs ours and then the peer, back to back, and the ratio
# is the median of those pairs' ratios (times: medians, in processor time). Both run on one
# processor (PEERS_CPU, the first one by default): the processors of a virtual machine may run
# at different speeds (here, for a while, one at 1.7 times the other). The peers are the
# distribution's python3 and python3-numpy (scripts/setup bench installs them).
#   [PEERS_CPU=N] bench/peers.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
reps=${2:-7}

REPS=$reps /usr/bin/python3 - "$build" <<'PY'
import json, os, statistics, subprocess, sys, time
import numpy as np

reps = int(os.environ["REPS"])
build = sys.argv[1]
cpu = int(os.environ.get("PEERS_CPU", min(os.sched_getaffinity(0))))
os.sched_setaffinity(0, {cpu})  # our benchmarks, started from here, run there too
print(f"processor {cpu}, {reps} repetitions")

def ours_ms(program, name):
    """One timing of one of our benchmarks (its processor time per iteration)."""
    out = subprocess.run(
        [f"{build}/bench/{program}", f"--benchmark_filter=^{name}$", "--benchmark_format=json"],
        check=True, capture_output=True, text=True).stdout
    b = json.loads(out)["benchmarks"][0]
    return b["cpu_time"] * {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]

def peer_ms(f):
    times = []
    for _ in range(3):  # the first runs warm up
        t = time.process_time()
        f()
        times.append((time.process_time() - t) * 1e3)
    return min(times)

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

pairs = [
    ("olvide_engine_bench", "SumLoop/1000000", "for i in range(n): s += i, n = 10^6", running_sum),
    ("pendrel_engine_bench", "BM_ConvertFtoUC_Engine", "astype(uint8), 10^7 floats",
     lambda: floats.astype(np.uint8)),
    ("pendrel_engine_bench", "Smooth3Line", "3-box mean of a 10^7 line", line_mean),
    ("pendrel_engine_bench", "Smooth3Image", "3x3-box mean of 3200x3125", image_mean),
]
print(f"{'benchmark':24} {'ours ms':>9} {'peer ms':>9} {'ratio':>6} {'worst':>6}  peer")
for program, name, what, f in pairs:
    mine, theirs = [], []
    for _ in range(reps):
        mine.append(ours_ms(program, name))
        theirs.append(peer_ms(f))
    ratios = [a / b for a, b in zip(mine, theirs)]
    print(f"{name:24} {statistics.median(mine):9.2f} {statistics.median(theirs):9.2f} "
          f"{statistics.median(ratios):6.2f} {max(ratios):6.2f}  {what}")
for name in ("Convolve3Line", "Convolve3x3Image"):
    print(f"{name:24} {statistics.median(ours_ms('pendrel_engine_bench', name) for _ in range(reps)):9.2f}")
PY
