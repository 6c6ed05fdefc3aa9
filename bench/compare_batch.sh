#!/usr/bin/env bash
# Two builds of vela-upagrahas-cli side by side on the same batch, in one run: the runs alternate
# (before, after, before, after, ...) so both meet the same load on a shared machine. Each run is
# pinned to one core (taskset -c 0) with its JSON going to /dev/null; /usr/bin/time gives the wall
# time, the CPU time (user + system) and the peak resident memory. Before the timing, the two
# outputs are compared byte for byte.
#   bench/compare_batch.sh BEFORE_CLI AFTER_CLI [ROWS] [RUNS]      (100000 rows, 5 runs each)
# IGNORE_KEY=NAME leaves a numeric key out of both outputs before they are compared, for a change that
# adds one (IGNORE_KEY=zone_offset_seconds against a build before that key).
# A build of the previous commit for BEFORE_CLI:
#   git worktree add /tmp/vela-before HEAD~1 && cmake -S /tmp/vela-before -B /tmp/vela-before/build \
#     -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELA_BUILD_GUI=OFF && ninja -C /tmp/vela-before/build vela-upagrahas-cli
set -euo pipefail
cd "$(dirname "$0")/.."

BEFORE=$1
AFTER=$2
ROWS=${3:-100000}
RUNS=${4:-5}

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
python3 bench/make_readings.py "$ROWS" "$WORK/rows.csv" 7

strip() { if [ -n "${IGNORE_KEY:-}" ]; then sed -E "s/,\"$IGNORE_KEY\":-?[0-9]+//"; else cat; fi; }
if ! cmp -s <("$BEFORE" --batch "$WORK/rows.csv" | strip) <("$AFTER" --batch "$WORK/rows.csv" | strip); then
  echo "the two builds write different output for the same rows" >&2
  exit 1
fi
echo "== $ROWS rows, the same output from both; load average $(cut -d' ' -f1-3 /proc/loadavg)"

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A wall cpu rss
for ((i = 0; i < RUNS; i++)); do
  for which in before after; do
    cli=$BEFORE
    [ "$which" = after ] && cli=$AFTER
    /usr/bin/time -f "%e %U %S %M" -o "$WORK/time.txt" taskset -c 0 "$cli" --batch "$WORK/rows.csv" >/dev/null
    read -r w u s m <"$WORK/time.txt"
    wall[$which]+="$w "
    cpu[$which]+="$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%.2f", u + s }') "
    rss[$which]+="$m "
  done
done
printf '| %-6s | %-22s | %-22s | %-14s |\n' build "wall s (median, runs)" "CPU s (median, runs)" "peak RSS KiB"
for which in before after; do
  printf '| %-6s | %-22s | %-22s | %-14s |\n' "$which" \
    "$(tr ' ' '\n' <<<"${wall[$which]}" | grep . | median) (${wall[$which]% })" \
    "$(tr ' ' '\n' <<<"${cpu[$which]}" | grep . | median) (${cpu[$which]% })" \
    "$(tr ' ' '\n' <<<"${rss[$which]}" | grep . | median)"
done
echo "== load average after the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
