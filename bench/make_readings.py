#!/usr/bin/env python3
"""Writes a CSV of valid readings for `vela-upagrahas-cli --batch` (the columns of docs/cli.md).

Usage: make_readings.py ROWS OUTPUT.csv [SEED]

Every row is one the window would accept and calculate: letters and blanks in the texts, a date
from 1901 to 2050, any clock time, any zone row, latitudes up to 60 degrees North or South (the
Sun rises and sets there on every date, so no row is refused), any longitude, and the
daylight-saving tick on about one row in five. The same seed gives the same file.
"""
import calendar
import random
import sys

HEADER = "name,date,time,zone,lat,lon,dst,city,state,country"
NAMES = ["Asha", "Ravi Kumar", "Meera", "Arjun", "Lakshmi Devi", "John", "Maria Elena", "Chen Wei"]
PLACES = [
    ("New Delhi", "Delhi", "India"),
    ("Chennai", "Tamil Nadu", "India"),
    ("London", "England", "United Kingdom"),
    ("Sao Paulo", "Sao Paulo", "Brazil"),
    ("Sydney", "New South Wales", "Australia"),
    ("Toronto", "Ontario", "Canada"),
]
ZONE_ROWS = 71
MAX_LATITUDE = 60


def row(rng):
    year = rng.randint(1901, 2050)
    month = rng.randint(1, 12)
    day = rng.randint(1, calendar.monthrange(year, month)[1])
    lat_deg = rng.randint(0, MAX_LATITUDE)
    lat_min = 0 if lat_deg == MAX_LATITUDE else rng.randint(0, 59)
    lon_deg = rng.randint(0, 180)
    lon_min = 0 if lon_deg == 180 else rng.randint(0, 59)
    city, state, country = rng.choice(PLACES)
    return ",".join([
        rng.choice(NAMES),
        f"{year:04d}-{month:02d}-{day:02d}",
        f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}",
        str(rng.randrange(ZONE_ROWS)),
        f"{lat_deg}{rng.choice('NS')}{lat_min:02d}",
        f"{lon_deg}{rng.choice('EW')}{lon_min:02d}",
        "true" if rng.random() < 0.2 else "false",
        f'"{city}"' if " " in city else city,
        f'"{state}"' if " " in state else state,
        f'"{country}"' if " " in country else country,
    ])


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    rows = int(sys.argv[1])
    seed = int(sys.argv[3]) if len(sys.argv) == 4 else 20261207
    rng = random.Random(seed)
    with open(sys.argv[2], "w", newline="\n", encoding="ascii") as out:
        out.write(HEADER + "\n")
        for _ in range(rows):
            out.write(row(rng) + "\n")


if __name__ == "__main__":
    main()
