#!/usr/bin/env python3
"""Maintenance tool for the installed help and message files (vak1.hlp, quorven.hlp, vak1.err).

The files are code page 850 with CR LF line ends, which most editors mangle. Edit them as UTF-8:

    python3 data/datafiles.py decode data/vak1.err vak1.err.txt   # cp850 CR LF -> UTF-8 LF
    python3 data/datafiles.py encode vak1.err.txt data/vak1.err   # UTF-8 -> cp850 CR LF
    python3 data/datafiles.py check data                          # validate all three files

`check` reads the files the way the program does (help lookup by number with its continuation
rules, message lookup by the first 14 characters of any line) and fails when an entry would not
come back as written, when a required help number or message has no entry, or when a line would
be lost on display (255 characters or more).
"""

import re
import sys
from pathlib import Path

# Every help number a dialog or command of the program sets before it asks.
REQUIRED_HELP = [
    1030, 1040, 1050, 1060, 1070, 1210, 1555, 1570, 1590, 1595, 1600, 1605, 1610, 1910, 1920,
    1930, 1935, 1940, 1950, 1970, 2050, 2055, 2060, 2070, 2080, 2090, 2110, 2120, 2130, 2140,
    2145, 2150, 2160, 2170, 2280, 2300, 2310, 2320, 2330, 2340, 2350, 2360, 2365, 2370, 2450,
    2710, 2720, 2730, 3000, 3010, 3055, 3210, 3400,
    8200, 8210, 8260, 8270, 8290, 8300, 8320, 8330, 8340, 8350, 8400, 8410, 8420, 8430, 8440, 8450, 8460, 8465, 8470, 9010,
]

# Every text the program puts into its message list (as added; only the first 14 characters
# take part in the lookup).
REQUIRED_MESSAGES = [
    "Fatal  : > 2000 Punkte !",
    "Fatal  : A = 0 !",
    "Fatal  : Ergebnis nicht endlich !",
    "Fatal  : Kontur zu weit vom Ursprung",
    "Fatal  : Polygon \u00b11e9 mm !",
    "GetArcCenter l12=0",
    "Fehler in GetArcCenter (dphi = 0 ! ",
    "Schraffurfehler",
    "Fatal  : n schraff !",
    "Fatal  : schraff schnittp",
    "Fatal  : QSORT2 error",
    "Invalid temp directory",
    "Blockname FRAME_1 not found !",
    "error blockno.5",
    "Error: function tan in Unit math",
    "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.",
]

KEY = 14  # characters compared when a message is looked up
MAX_LINE = 254  # texts of 255 characters or more turn empty on display
NUMBER_LINE = re.compile(r"^(\d{4})(?::([A-Za-z0-9_]{1,8}))?$")


def decode(raw: bytes, name: str, errors: list) -> list:
    """Splits a cp850 CR LF file into lines and reports stray line ends and control bytes."""
    if not raw.endswith(b"\r\n"):
        errors.append(f"{name}: the last line has no CR LF")
    lines = raw.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    out = []
    for i, b in enumerate(lines, 1):
        if any(c < 0x20 or c == 0x7F for c in b):
            errors.append(f"{name}:{i}: control byte or lone CR/LF inside the line")
        text = b.decode("cp850")
        if len(text) > MAX_LINE:
            errors.append(f"{name}:{i}: {len(text)} characters (at most {MAX_LINE})")
        if text != text.rstrip():
            errors.append(f"{name}:{i}: trailing blank")
        out.append(text)
    return out


def help_number(line: str):
    """The number of a number line, or None; mirrors the program's four-character test."""
    head = line[:4]
    return int(head) if len(head) == 4 and head.isdigit() else None


def help_lookup(lines: list, n: int):
    """The five text lines and picture name of entry n, or None when not found."""
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        number = help_number(line)
        picture = line.split(":", 1)[1] if number is not None and ":" in line else "NULL"
        if number is not None:
            if i >= len(lines):
                return None
            i += 1
        if number != n:
            continue
        text = [lines[i - 1]] + [""] * 4
        slot = 1
        while slot < 5 and i < len(lines):
            more = help_number(lines[i])
            if more is None:
                text[slot] = lines[i]
                i += 1
            elif more % 5 == 0:
                break
            else:
                if i + 1 >= len(lines):
                    break
                if more == n + slot:
                    text[slot] = lines[i + 1]
                i += 2
            slot += 1
        return text, picture
    return None


def check_help(lines: list, name: str, low: int, high: int, errors: list) -> set:
    """Validates the layout of one help file and returns the entry numbers it holds."""
    entries = {}
    current = None
    i = 0
    while i < len(lines):
        m = NUMBER_LINE.match(lines[i])
        if not m:
            errors.append(f"{name}:{i + 1}: expected a number line, found {lines[i]!r}")
            i += 1
            continue
        number = int(m.group(1))
        if i + 1 >= len(lines):
            errors.append(f"{name}:{i + 1}: number line without text line")
            break
        text = lines[i + 1]
        if not text or not (text[0].isalpha() or text[0] == '"'):
            errors.append(f"{name}:{i + 2}: a text line must begin with a letter: {text!r}")
        if number % 5 == 0:
            if not low <= number < high:
                errors.append(f"{name}:{i + 1}: {number} belongs to the other help file")
            if number in entries or (current is not None and number <= current):
                errors.append(f"{name}:{i + 1}: {number} repeated or out of order")
            current = number
            entries[number] = [text]
        elif current is None or number != current + len(entries[current]):
            errors.append(f"{name}:{i + 1}: continuation {number} out of sequence")
        else:
            entries[current].append(text)
        i += 2
    for number, text in entries.items():
        found = help_lookup(lines, number)
        expected = (text + [""] * 5)[:5]
        if found is None or found[0] != expected:
            errors.append(f"{name}: entry {number} does not read back as written")
    return set(entries)


def check_messages(lines: list, name: str, errors: list) -> None:
    if len(lines) % 3:
        errors.append(f"{name}: {len(lines)} lines, not a whole number of three-line records")
    for r in range(0, len(lines) - 2, 3):
        message = lines[r]
        if len(message) < KEY:
            errors.append(f"{name}:{r + 1}: message shorter than {KEY} characters")
        first = next(i for i, line in enumerate(lines) if line[:KEY] == message[:KEY])
        if first != r:
            errors.append(f"{name}:{first + 1}: line is taken for the message of line {r + 1}")
        for k in (1, 2):
            if not lines[r + k].strip():
                errors.append(f"{name}:{r + k + 1}: empty cause or remedy")
    keys = [lines[r][:KEY] for r in range(0, len(lines), 3)]
    # A cause or remedy that begins like a message would be taken for it once records move.
    for i, line in enumerate(lines):
        if i % 3 and line[:KEY] in keys:
            errors.append(f"{name}:{i + 1}: begins like the message {line[:KEY]!r}")
    for message in REQUIRED_MESSAGES:
        if message[:KEY] not in keys:
            errors.append(f"{name}: no record for {message!r}")


def check_pictures(folder: Path, errors: list) -> None:
    """Every picture a help entry names and every line of the picture index has its file."""
    names = set()
    for file in ("quorven.hlp", "vak1.hlp"):
        for line in decode((folder / file).read_bytes(), file, []):
            m = NUMBER_LINE.match(line)
            if m and m.group(2):
                names.add(m.group(2))
    index = folder / "vak1.dbh"
    for i, line in enumerate(decode(index.read_bytes(), index.name, errors), 1):
        m = re.fullmatch(r'"([^"]{1,8})","([^"]{0,50})"', line)
        if not m:
            errors.append(f"{index.name}:{i}: not a line \"name\",\"description\"")
        else:
            names.add(m.group(1))
    for name in sorted(names):
        if not (folder / f"{name.lower()}.plt").is_file():
            errors.append(f"help picture {name}.plt is missing")


def check(folder: Path) -> int:
    errors = []
    numbers = set()
    for file, low, high in (("quorven.hlp", 0, 4000), ("vak1.hlp", 4000, 10000)):
        path = folder / file
        lines = decode(path.read_bytes(), file, errors)
        german = check_help(lines, file, low, high, errors)
        numbers |= german
        # The English help has the same entries, so that no dialog loses its help with it.
        english = folder / "en" / file
        if english.is_file():
            found = check_help(decode(english.read_bytes(), "en/" + file, errors),
                               "en/" + file, low, high, errors)
            for n in sorted(german ^ found):
                errors.append(f"en/{file}: entry {n} differs from {file}")
    for n in REQUIRED_HELP:
        if n not in numbers:
            errors.append(f"no help entry {n}")
    check_pictures(folder, errors)
    lines = decode((folder / "vak1.err").read_bytes(), "vak1.err", errors)
    check_messages(lines, "vak1.err", errors)
    for e in errors:
        print(e)
    records = len(lines) // 3
    print(f"{len(numbers)} help entries, {records} message records, {len(errors)} problems")
    return 1 if errors else 0


def encode_file(source: Path, target: Path) -> None:
    text = source.read_text(encoding="utf-8").replace("\r\n", "\n")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    with open(target, "w", encoding="cp850", errors="strict", newline="") as f:
        for line in lines:
            f.write(line + "\r\n")


def decode_file(source: Path, target: Path) -> None:
    text = source.read_bytes().decode("cp850").replace("\r\n", "\n")
    target.write_text(text, encoding="utf-8")


def main(argv: list) -> int:
    if len(argv) == 3 and argv[0] == "encode":
        encode_file(Path(argv[1]), Path(argv[2]))
        return 0
    if len(argv) == 3 and argv[0] == "decode":
        decode_file(Path(argv[1]), Path(argv[2]))
        return 0
    if argv and argv[0] == "check" and len(argv) <= 2:
        return check(Path(argv[1]) if len(argv) == 2 else Path(__file__).parent)
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
