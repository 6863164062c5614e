#!/usr/bin/env python3
"""Writes profiles.dbf, the standard steel sections offered by Edit -> "Profil".

Reads steel-profiles.csv beside this script (dimensions in mm of the European series; lines
starting with "#" are comments) and writes a dBase III table marked as code page 850, one
record per section. Users may add their own rows to a copy of the table in their dBase folder.
Run: python3 make_profiles.py [folder]
"""
import csv
import sys
from pathlib import Path

from dbfwrite import write_dbf

FIELDS = [  # name, type, length, decimals
    ("SERIES", "C", 10, 0),
    ("DESIGNATIO", "C", 30, 0),
    ("KIND", "C", 2, 0),  # I rolled I/H, RH rectangular hollow, C circular hollow
    ("H", "N", 9, 2),  # height h, or the outside diameter D of a circular section
    ("B", "N", 9, 2),
    ("TW", "N", 7, 2),
    ("TF", "N", 7, 2),
    ("R", "N", 7, 2),  # root radius of I/H sections
    ("T", "N", 7, 2),  # wall of hollow sections
]
COLUMNS = ["series", "designation", "kind", "h_or_D", "b", "tw", "tf", "r", "t"]
# The window lists the series in the order of the table: the rolled sections first.
SERIES_ORDER = ["IPE", "IPEA", "IPEO", "HEA", "HEAA", "HEB", "HEM", "RHS", "CHS"]


def cell(value, kind, length, decimals):
    if kind == "C":
        data = value.encode("cp850")
        if len(data) > length:
            raise ValueError(f"{value!r} is longer than {length} characters")
        return data.ljust(length, b" ")
    if value == "":
        return b" " * length  # no value: a blank number
    text = f"{float(value):.{decimals}f}"
    if len(text) > length:
        raise ValueError(f"{value!r} does not fit {length} characters")
    return text.rjust(length).encode("ascii")


def read_rows(path):
    with open(path, newline="", encoding="utf-8") as f:
        lines = [line for line in f if not line.startswith("#")]
    rows = list(csv.DictReader(lines))
    rows = [[row[c].strip() for c in COLUMNS] for row in rows]
    rank = {name: k for k, name in enumerate(SERIES_ORDER)}
    # A stable sort: the sizes keep their order within a series.
    return sorted(rows, key=lambda row: rank.get(row[0], len(rank)))


def main():
    here = Path(__file__).parent
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else here
    rows = read_rows(here / "steel-profiles.csv")
    write_dbf(folder / "profiles.dbf", FIELDS, rows, cell, (126, 12, 8))


if __name__ == "__main__":
    main()
