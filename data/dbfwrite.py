"""The dBase III file of the supplied tables, written by the scripts beside it."""
import struct


def write_dbf(path, fields, rows, cell, changed):
    """fields: (name, kind, length, decimals); cell(value, kind, length, decimals) -> bytes;
    changed: (year - 1900, month, day) of the header, fixed so the file does not change with
    each run. The language driver is 0x02 (code page 850)."""
    record_length = 1 + sum(f[2] for f in fields)
    header_length = 32 + 32 * len(fields) + 1
    out = bytearray()
    out += struct.pack("<BBBBIHH", 0x03, *changed, len(rows), header_length, record_length)
    out += bytes(17) + bytes([0x02]) + bytes(2)
    for name, kind, length, decimals in fields:
        out += name.encode("ascii").ljust(11, b"\0") + kind.encode("ascii") + bytes(4)
        out += bytes([length, decimals]) + bytes(14)
    out += b"\r"
    for values in rows:
        out += b" " + b"".join(cell(v, *f[1:]) for v, f in zip(values, fields))
    out += b"\x1a"
    path.write_bytes(bytes(out))
