#!/usr/bin/env bash
# Builds the fuzzers with clang in their own build folder and runs each for a bounded time: the reading-file
# readers (.ved, .vela, .jhd) over seed corpora of sound files, the batch CSV reader over a few sound and
# damaged CSV files.
#
#   fuzz/run.sh [SECONDS]        default 60 for each target; VELA_FUZZ_BUILD chooses the build folder (default build-fuzz)
#
# Exits non-zero when the fuzzer finds a crash, a hang, a leak, undefined behaviour or a broken rule of the
# reader; the input that caused it is kept in the build folder's fuzz-artifacts/ and can be replayed with
#   build-fuzz/reading_file_fuzz build-fuzz/fuzz-artifacts/crash-...   (batch_csv_fuzz likewise)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${VELA_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELA_BUILD_FUZZ=ON -DVELA_BUILD_GUI=OFF -DVELA_BUILD_CLI=ON -DVELA_BUILD_TESTS=OFF -DVELA_BUILD_BENCH=OFF
cmake --build "$build" --target reading_file_fuzz reading_file_seeds vela_file_fuzz jhd_file_fuzz batch_csv_fuzz

# The corpus grows from run to run in the build folder; the seeds are written afresh every time.
corpus="$build/fuzz-corpus/reading_file"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"
"$build/reading_file_seeds" "$corpus"

"$build/reading_file_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"

# The .vela and .jhd readers, from the seed files kept beside this script.
for kind in vela jhd; do
  corpus="$build/fuzz-corpus/${kind}_file"
  mkdir -p "$corpus"
  cp "$root/fuzz/seeds/$kind"/* "$corpus/"
  "$build/${kind}_file_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"
done

# The batch CSV reader, seeded with a sound file and the shapes a spreadsheet or an editor writes.
csv_corpus="$build/fuzz-corpus/batch_csv"
mkdir -p "$csv_corpus"
header='name,date,time,zone,lat,lon,dst,city,state,country'
row='Asha,1975-06-15,10:30,34,28N37,77E13,false,"New Delhi",Delhi,India'
printf '%s\n%s\n' "$header" "$row" >"$csv_corpus/seed-lf.csv"
printf '\xEF\xBB\xBF%s\r\n%s\r\n\r\n"Ann ""A""",1980-01-01,08:15,20,51N30,0W07,false,London,England,UK\r\n' \
  "$header" "$row" >"$csv_corpus/seed-crlf-bom.csv"
printf '%s,profile\n%s,seven-lords;maandi=ghatis\n%s,\n' "$header" "$row" "$row" >"$csv_corpus/seed-profile.csv"
printf '%s\r%s\r' "$header" "$row" >"$csv_corpus/seed-cr.csv"
"$build/batch_csv_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$csv_corpus"
