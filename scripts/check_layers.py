#!/usr/bin/env python3
"""Fails when an include points up the layer order.

The layers, lowest first: astro <- sky <- upagraha <- reading <- files <- atlas <- desktop, and
files <- cli, files <- web.
A file in one folder may include headers of its own folder and of the folders below it, never of
a folder above or beside it. Tests, benchmarks and fuzz targets stand outside the order.
"""
import re
import subprocess
import sys

ALLOWED = {
    "astro": set(),
    "sky": {"astro"},
    "upagraha": {"sky", "astro"},
    "reading": {"upagraha", "sky", "astro"},
    "files": {"reading", "upagraha", "sky", "astro"},
    "atlas": {"files", "reading", "upagraha", "sky", "astro"},
    "cli": {"files", "reading", "upagraha", "sky", "astro"},
    "web": {"files", "reading", "upagraha", "sky", "astro"},
    "desktop": {"atlas", "files", "reading", "upagraha", "sky", "astro"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/', re.MULTILINE)


def main() -> int:
    files = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard"],
                           check=True, stdout=subprocess.PIPE, text=True).stdout.split()
    wrong = []
    for path in files:
        layer = path.split("/")[0]
        if layer not in ALLOWED or not path.endswith((".cpp", ".h", ".hpp")):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for match in INCLUDE.finditer(text):
            target = match.group(1)
            if target in ALLOWED and target != layer and target not in ALLOWED[layer]:
                line = text.count("\n", 0, match.start()) + 1
                wrong.append(f"{path}:{line}: {layer}/ includes {target}/")
    for w in wrong:
        print(w)
    if wrong:
        print("includes must point down: astro <- sky <- upagraha <- reading <- files <- atlas <- desktop, "
              "files <- cli, files <- web")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
