#!/bin/sh
# Takes the screenshots of the documentation from the real program: the form filled with a sample
# reading (docs/screenshot-form.png), its report, chart, table, working and vargas
# (docs/screenshot-report.png, -chart.png, -table.png, -working.png, -vargas.png), the atlas offering places for
# "Pun" under the city box (docs/screenshot-atlas.png), and the first page of the sample's PDF
# (docs/screenshot-pdf.png, drawn by pdftoppm from poppler-utils).
#
#   docs/take_screenshots.sh [build folder]     (default: build)
#
# Builds the picture tool when needed and runs it without a display (offscreen platform), so
# it works on a server or in CI as well as on a desktop.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build_dir=${1:-"$source_dir/build"}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" --target vela-docs-images -j 2

QT_QPA_PLATFORM=offscreen "$build_dir/vela-docs-images" --screenshots "$here"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$here/sample-reading.pdf" "$here/screenshot-pdf"
rm -f "$here/sample-reading.pdf"
for picture in form report chart table working vargas atlas pdf; do echo "written: $here/screenshot-$picture.png"; done
