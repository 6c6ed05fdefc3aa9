#!/usr/bin/env bash
# Checks the naming scheme of .clang-tidy (readability-identifier-naming) on the folders without Qt.
#
#   scripts/check_names.sh [BUILD_DIR]      (default: build)
#
# BUILD_DIR must hold compile_commands.json: configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON.
# Uses Debian's run-clang-tidy (clang-tidy 14); JOBS sets the parallel runs (default 2). Exits
# non-zero on the first misnamed identifier of a source file or of a header of these folders.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check_names: $build/compile_commands.json is missing; configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2
  exit 2
fi
runner="$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)"
if [ -z "$runner" ]; then
  echo "check_names: run-clang-tidy not found (Debian package clang-tidy)" >&2
  exit 2
fi

folders="astro|sky|upagraha|reading|atlas|cli"
"$runner" -quiet -p "$build" -j "${JOBS:-2}" \
  -checks='-*,readability-identifier-naming' -extra-arg=-Wno-unknown-warning-option \
  -header-filter="^$root/($folders)/[^/]+\.h$" \
  "^$root/($folders)/[^/]+\.cpp$"
