#!/usr/bin/env bash
# Whole-command timings, on a Release build in build-bench/ (or the folder given as $1):
#   1. vela-upagrahas-cli --batch on CSV files of 0 (header only), 10,000 and 100,000 valid
#      readings: wall time and peak resident memory from /usr/bin/time -v, the median of
#      $REPEATS runs (5 unless set). The JSON goes to /dev/null, so the figure is the program's own
#      work (reading, calculating, writing) and not the disk's; one untimed run per file first
#      checks that every row gave a reading and none an error.
#   2. The desktop program on the offscreen platform, where it is built:
#      - start to exit with its test hook VELA_QUIT_AFTER_MS=1 (it has no hook for "first window
#        shown"), the median of 20 runs;
#      - start to the first painted window with vela_first_paint_probe, which repeats the
#        program's start-up and watches for the first paint, the median of 20 runs.
# The machine is shared: run it when nobody is building, or read the spread of the runs.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${1:-build-bench}
REPEATS=${REPEATS:-5}
CLI="$BUILD/vela-upagrahas-cli"
GUI="$BUILD/vela-upagrahas"
PROBE="$BUILD/vela_first_paint_probe"

if [ ! -x /usr/bin/time ]; then
  echo "== /usr/bin/time is missing: installing Debian's time package"
  apt-get install -y time
fi

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELA_BUILD_BENCH=ON
fi
cmake --build "$BUILD" -j2 --target vela-upagrahas-cli
# The desktop program needs Qt; without it the batch figures are still worth having.
cmake --build "$BUILD" -j2 --target vela-upagrahas vela_first_paint_probe || echo "(desktop program not built)"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# "m:ss.ss" or "h:mm:ss" as printed by GNU time, to seconds.
to_seconds() {
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f\n", s }' <<<"$1"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "== Load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== vela-upagrahas-cli --batch, median of $REPEATS runs (output to /dev/null)"
printf '| %-8s | %-14s | %-16s | %s\n' "rows" "wall time (s)" "peak RSS (KiB)" "runs: wall s / RSS KiB"
for rows in 0 10000 100000; do
  csv="$WORK/readings-$rows.csv"
  python3 bench/make_readings.py "$rows" "$csv"
  # Every row must come back as a reading: a refused row would time the refusal instead.
  read -r lines errors < <("$CLI" --batch "$csv" | awk '/^\{"row":/ { e++ } END { print NR, e + 0 }')
  if [ "$lines" != "$rows" ] || [ "$errors" != 0 ]; then
    echo "the batch of $rows rows gave $lines lines with $errors errors" >&2
    exit 1
  fi
  walls=()
  rsss=()
  for ((i = 0; i < REPEATS; i++)); do
    /usr/bin/time -v -o "$WORK/time.txt" "$CLI" --batch "$csv" >/dev/null
    walls+=("$(to_seconds "$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$WORK/time.txt")")")
    rsss+=("$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$WORK/time.txt")")
  done
  printf '| %-8s | %-14s | %-16s | %s\n' "$rows" \
    "$(printf '%s\n' "${walls[@]}" | median)" "$(printf '%s\n' "${rsss[@]}" | median)" \
    "$(paste -d/ <(printf '%s\n' "${walls[@]}") <(printf '%s\n' "${rsss[@]}") | tr '\n' ' ')"
done

if [ ! -x "$GUI" ]; then
  echo
  echo "== The desktop program is not built: no start-up figures"
  exit 0
fi

# A lock folder of our own, so a copy someone else is running cannot turn our start into the
# "already running" refusal.
export XDG_RUNTIME_DIR="$WORK"
export QT_QPA_PLATFORM=offscreen
echo
echo "== Desktop program, start to exit with VELA_QUIT_AFTER_MS=1 (median of 20 runs)"
python3 - "$GUI" <<'EOF'
import os, statistics, subprocess, sys, time
env = dict(os.environ, VELA_QUIT_AFTER_MS="1")
runs = []
for _ in range(20):
    t0 = time.perf_counter()
    subprocess.run([sys.argv[1]], env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    runs.append((time.perf_counter() - t0) * 1000)
print(f"median {statistics.median(runs):.1f} ms, min {min(runs):.1f} ms, max {max(runs):.1f} ms")
EOF
VELA_QUIT_AFTER_MS=1 /usr/bin/time -v -o "$WORK/time.txt" "$GUI" >/dev/null 2>&1
echo "peak RSS $(sed -n 's/.*Maximum resident set size (kbytes): //p' "$WORK/time.txt") KiB"

if [ -x "$PROBE" ]; then
  echo
  echo "== Desktop start-up to the first painted window (vela_first_paint_probe, median of 20 runs)"
  python3 - "$PROBE" <<'EOF'
import os, statistics, subprocess, sys, time
steps = {}
for _ in range(20):
    env = dict(os.environ, VELA_PROBE_START_NS=str(time.time_ns()))
    out = subprocess.run([sys.argv[1]], env=env, check=True, capture_output=True, text=True).stdout
    for line in out.splitlines():
        name, ms = line.rsplit(None, 2)[0], float(line.rsplit(None, 2)[1])
        steps.setdefault(name, []).append(ms)
for name, values in steps.items():
    print(f"| {name:<22} | {statistics.median(values):7.2f} ms | min {min(values):6.2f} | max {max(values):6.2f} |")
EOF
fi
