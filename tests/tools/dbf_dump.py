#!/usr/bin/env python3
"""Prints a dBase table as dbfread reads it, for the tests' independent check.

First line: the language driver byte; then one line per field "name type length decimals";
then one line per record, deleted ones included in file order: "*" or " ", then the values
separated by "|" (numbers in %.6g, logicals T/F/?, dates YYYYMMDD).
"""
import sys

from dbfread import DBF


def text(value, kind):
    if value is None:
        return "?" if kind == "L" else ""
    if kind == "L":
        return "T" if value else "F"
    if kind in "NF":
        return "%.6g" % float(value)
    if kind == "D":
        return value.strftime("%Y%m%d")
    return str(value)


def main(path):
    table = DBF(path, load=True, char_decode_errors="strict")
    out = ["%d" % table.header.language_driver]
    out += ["%s %s %d %d" % (f.name, f.type, f.length, f.decimal_count) for f in table.fields]
    # dbfread lists deleted and kept records apart; the file order comes from the raw bytes.
    flags = []
    with open(path, "rb") as raw:
        data = raw.read()
    start, size = table.header.headerlen, table.header.recordlen
    for i in range(table.header.numrecords):
        flags.append(data[start + i * size : start + i * size + 1] == b"*")
    kept, deleted = iter(table.records), iter(table.deleted)
    for flag in flags:
        record = next(deleted) if flag else next(kept)
        values = [text(record[f.name], f.type) for f in table.fields]
        out.append(("*" if flag else " ") + "|".join(values))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
