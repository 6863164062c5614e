#!/usr/bin/env python3
"""Writes printout.dbf, the named printout sets offered by the printout dialog.

A dBase III table marked as code page 850. Run: python3 make_printout.py [folder]
"""
import struct
import sys
from pathlib import Path

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
    record_length = 1 + sum(f[2] for f in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    out = bytearray()
    # Version, date of the last change (fixed, so the file does not change with each run),
    # record count, header and record lengths, language driver 0x02 (code page 850).
    out += struct.pack("<BBBBIHH", 0x03, 126, 12, 7, len(SETS), header_length, record_length)
    out += bytes(17) + bytes([0x02]) + bytes(2)
    for name, kind, length, decimals in FIELDS:
        out += name.encode("ascii").ljust(11, b"\0") + kind.encode("ascii") + bytes(4)
        out += bytes([length, decimals]) + bytes(14)
    out += b"\r"
    for values in SETS:
        out += b" " + b"".join(cell(v, *f[1:]) for v, f in zip(values, FIELDS))
    out += b"\x1a"
    (folder / "printout.dbf").write_bytes(bytes(out))


if __name__ == "__main__":
    main()
