#!/usr/bin/env python3
"""Writes printout.dbf, the named printout sets offered by the printout dialog.

A dBase III table marked as code page 850. Run: python3 make_printout.py [folder]
"""
import sys
from pathlib import Path

from dbfwrite import write_dbf

FIELDS = [  # name, type, length, decimals
    ("NAME", "C", 25, 0),
    ("XSCALE", "N", 10, 4),
    ("YSCALE", "N", 10, 4),
    ("XORIGIN", "N", 5, 0),
    ("YORIGIN", "N", 5, 0),
    ("LANDSCAPE", "L", 1, 0),
    ("MONOCHROM", "L", 1, 0),
    ("VARIABLE", "L", 1, 0),
    ("BORDERLINE", "L", 1, 0),
]

SETS = [  # name, x scale, y scale, x origin, y origin, landscape, monochrome, fit, border
    ("A4 Hochformat angepasst", 1, 1, 0, 0, False, True, True, False),
    ("A4 Querformat angepasst", 1, 1, 0, 0, True, True, True, False),
    ("Maßstab 1", 1, 1, 0, 0, False, True, False, False),
    ("Maßstab 1 farbig Rahmen", 1, 1, 10, 10, False, False, False, True),
    ("Formblatt A4", 1.9, 1, 0, 0, False, True, False, False),
]


def cell(value, kind, length, decimals):
    if kind == "C":
        return value.encode("cp850").ljust(length, b" ")[:length]
    if kind == "L":
        return b"T" if value else b"F"
    text = f"{value:.{decimals}f}" if decimals else str(int(value))
    return text.rjust(length).encode("ascii")


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    write_dbf(folder / "printout.dbf", FIELDS, SETS, cell, (126, 12, 7))


if __name__ == "__main__":
    main()
