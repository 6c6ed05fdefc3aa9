#!/usr/bin/env bash
# The side-by-side comparison with the Swiss Ephemeris: installs Debian's libswe-dev and
# swe-basic-data when missing, configures build-bench/ (Release, benchmarks on), builds
# vela_compare_swisseph and runs it. Arguments go to the program: [readings] [seed].
#   bench/compare.sh              # 5,000 readings, the fixed seed
#   bench/compare.sh 20000 7      # another count and seed
set -euo pipefail
cd "$(dirname "$0")/.."

if ! dpkg -s libswe-dev swe-basic-data >/dev/null 2>&1; then
  echo "== Installing the Swiss Ephemeris library and its data files (libswe-dev swe-basic-data)"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  # A fresh machine may have no package lists yet.
  $SUDO apt-get install -y libswe-dev swe-basic-data ||
    { $SUDO apt-get update && $SUDO apt-get install -y libswe-dev swe-basic-data; }
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELA_BUILD_BENCH=ON
cmake --build build-bench -j2 --target vela_compare_swisseph
echo
build-bench/vela_compare_swisseph "$@"
