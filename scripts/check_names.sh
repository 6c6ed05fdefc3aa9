#!/usr/bin/env bash
# Checks the naming scheme of .clang-tidy (readability-identifier-naming) on every folder of the
# program, the desktop one included (its compile commands carry Qt's flags; Qt's own virtual
# functions keep Qt's names, which .clang-tidy lets through).
#
#   scripts/check_names.sh [BUILD_DIR]      (default: build)
#
# BUILD_DIR must hold compile_commands.json of a build with the desktop program (VELA_BUILD_GUI=ON,
# the default) that has been built once, so that the generated headers (moc, .ui) exist: configure
# with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON.
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

folders="astro|sky|upagraha|reading|files|atlas|cli|desktop"
# A build without the desktop program would pass its folder over in silence.
if ! grep -q "\"file\": *\"$root/desktop/[^/\"]*\.cpp\"" "$build/compile_commands.json"; then
  echo "check_names: $build was configured without the desktop program; configure with -DVELA_BUILD_GUI=ON" >&2
  exit 2
fi
"$runner" -quiet -p "$build" -j "${JOBS:-2}" \
  -checks='-*,readability-identifier-naming' -extra-arg=-Wno-unknown-warning-option \
  -header-filter="^$root/($folders)/[^/]+\.h$" \
  "^$root/($folders)/[^/]+\.cpp$"
