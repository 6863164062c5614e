#!/usr/bin/env python3
"""Writes the help pictures (*.plt, HP-GL) and their index vak1.dbh into this folder.

    python3 data/make_pictures.py

Every picture is drawn on a sheet of 160 mm x 120 mm (plotter units of 0.025 mm), with the
instructions the program's interpreter knows: PU, PD, PA, SP, CI, AA, SI, DI, CS, LB and PE.
Umlauts in labels are written as the letter and a "}" (character set 3). The files are
ASCII with CR LF; the index is code page 850 with CR LF.
"""

import math
from pathlib import Path

HERE = Path(__file__).resolve().parent
UNIT = 40  # plotter units per mm
ETX = "\x03"


def pu(mm):
    return int(round(mm * UNIT))


class Picture:
    def __init__(self):
        self.out = ["IN;", "SP1;", "SI0.25,0.35;", "DI1,0;", "CS3;"]

    def pen(self, n):
        self.out.append(f"SP{n};")

    def move(self, x, y):
        self.out.append(f"PU{pu(x)},{pu(y)};")

    def poly(self, points, closed=False):
        points = list(points)
        if closed:
            points.append(points[0])
        self.move(*points[0])
        self.out.append("PD" + ",".join(f"{pu(x)},{pu(y)}" for x, y in points[1:]) + ";")
        self.out.append("PU;")

    def line(self, a, b):
        self.poly([a, b])

    def rect(self, x0, y0, x1, y1):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], closed=True)

    def circle(self, x, y, r):
        self.move(x, y)
        self.out.append(f"CI{pu(r)};")

    def arc(self, start, centre, sweep):
        """Arc from start about centre by sweep degrees (positive counter-clockwise)."""
        self.move(*start)
        self.out.append(f"PD;AA{pu(centre[0])},{pu(centre[1])},{sweep:g};PU;")

    def arrow(self, a, b, size=2.5):
        self.line(a, b)
        ang = math.atan2(b[1] - a[1], b[0] - a[0])
        for side in (-1, 1):
            w = ang + math.pi + side * math.radians(20)
            self.line(b, (b[0] + size * math.cos(w), b[1] + size * math.sin(w)))

    def label(self, x, y, text, size=(0.25, 0.35), direction=(1, 0)):
        self.out.append(f"SI{size[0]:g},{size[1]:g};DI{direction[0]:g},{direction[1]:g};")
        self.move(x, y)
        for umlaut, letter in zip("äöüÄÖÜ", "aouAOU"):
            text = text.replace(umlaut, letter + "}")
        self.out.append("LB" + text + ETX)

    def encoded(self, start, deltas):
        """An encoded polyline (seven-bit): start absolute with the pen up, then relative."""

        def number(n):
            v = abs(n) * 2 + (1 if n < 0 else 0)
            digits = ""
            while v >= 32:
                digits += chr(63 + v % 32)
                v //= 32
            return digits + chr(95 + v)

        text = "PE7<=" + number(pu(start[0])) + number(pu(start[1]))
        for dx, dy in deltas:
            text += number(pu(dx)) + number(pu(dy))
        self.out.append(text + ";")

    def text(self):
        return "\r\n".join(self.out + ["PU;"]) + "\r\n"


def frame(p, title):
    p.pen(7)
    p.rect(2, 2, 158, 118)
    p.pen(1)
    p.label(6, 110, title, (0.3, 0.45))


L_SHAPE = [(30, 20), (110, 20), (110, 35), (50, 35), (50, 95), (30, 95)]


def kontur():
    p = Picture()
    frame(p, "Kontur: Positionen gegen den Uhrzeigersinn")
    p.pen(3)
    p.poly(L_SHAPE, closed=True)
    p.pen(2)
    for i, (x, y) in enumerate(L_SHAPE, 1):
        p.circle(x, y, 1.2)
        p.label(x + 2, y + 2, str(i))
    p.pen(5)
    for a, b in zip(L_SHAPE, L_SHAPE[1:] + L_SHAPE[:1]):
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        d = (b[0] - a[0], b[1] - a[1])
        n = math.hypot(*d)
        p.arrow((mid[0] - 4 * d[0] / n, mid[1] - 4 * d[1] / n), (mid[0] + 4 * d[0] / n, mid[1] + 4 * d[1] / n))
    p.pen(1)
    p.arrow((10, 10), (25, 10))
    p.label(26, 9, "y")
    p.arrow((10, 10), (10, 25))
    p.label(9, 27, "z")
    p.label(70, 60, "Letzte Position: gerade zur")
    p.label(70, 54, "ersten Position zurück")
    return p


def bogen():
    p = Picture()
    frame(p, "Kreisbogenwinkel phi zwischen zwei Positionen")
    for cx, sweep, name in ((45, 90, "phi > 0"), (115, -90, "phi < 0")):
        start, end = (cx + 25, 30), (cx, 55)
        centre = (cx, 30) if sweep > 0 else (cx + 25, 55)
        if sweep < 0:
            start, end = (cx, 55), (cx + 25, 30)
        p.pen(3)
        p.arc(start, centre, sweep)
        p.pen(2)
        p.circle(*start, 1.2)
        p.circle(*end, 1.2)
        p.label(start[0] + 2, start[1] - 5, "i")
        p.label(end[0] - 6, end[1] + 2, "i+1")
        p.pen(4)
        p.line(centre, start)
        p.line(centre, end)
        p.pen(1)
        p.label(cx - 5, 15, name)
    p.label(20, 85, "Positiv: Bogen gegen den Uhrzeigersinn,")
    p.label(20, 79, "negativ: im Uhrzeigersinn, 0: gerade Kante")
    return p


def achsen():
    p = Picture()
    frame(p, "Schwerpunkt S, Hauptachsen v, w und Winkel phi")
    s = (80, 55)
    p.pen(3)
    p.poly([(45, 25), (120, 40), (105, 90), (55, 80)], closed=True)
    p.pen(1)
    p.arrow((s[0] - 40, s[1]), (s[0] + 45, s[1]))
    p.label(s[0] + 46, s[1] - 1, "y")
    p.arrow((s[0], s[1] - 35), (s[0], s[1] + 45))
    p.label(s[0] - 1, s[1] + 47, "z")
    phi = math.radians(25)
    p.pen(4)
    v = (math.cos(phi), math.sin(phi))
    w = (-math.sin(phi), math.cos(phi))
    p.arrow((s[0] - 40 * v[0], s[1] - 40 * v[1]), (s[0] + 50 * v[0], s[1] + 50 * v[1]))
    p.label(s[0] + 51 * v[0], s[1] + 51 * v[1], "v")
    p.arrow((s[0] - 30 * w[0], s[1] - 30 * w[1]), (s[0] + 40 * w[0], s[1] + 40 * w[1]))
    p.label(s[0] + 41 * w[0] - 3, s[1] + 41 * w[1], "w")
    p.pen(6)
    p.arc((s[0] + 30, s[1]), s, 25)
    p.label(s[0] + 32, s[1] + 5, "phi")
    p.pen(2)
    p.circle(*s, 2)
    p.label(s[0] - 7, s[1] - 6, "S")
    return p


def koerper():
    p = Picture()
    frame(p, "Körper: Querschnitt und Länge lx")
    sec = [(20, 30), (45, 30), (45, 40), (30, 40), (30, 75), (20, 75)]
    off = (90, 20)
    p.pen(3)
    p.poly(sec, closed=True)
    p.poly([(x + off[0], y + off[1]) for x, y in sec], closed=True)
    p.pen(8)
    for x, y in sec:
        p.line((x, y), (x + off[0], y + off[1]))
    p.pen(4)
    p.arrow((60, 18), (20, 18))
    p.arrow((60, 18), (110, 38))
    p.label(60, 14, "lx")
    p.pen(1)
    p.arrow((20, 90), (50, 102))
    p.label(52, 101, "x: Körperachse")
    p.label(70, 60, "Volumen V = A * lx")
    p.label(70, 54, "Masse m = rho * V")
    return p


def poslist():
    p = Picture()
    frame(p, "Positionsliste: Neu, Einfügen, Löschen, Ändern")
    p.pen(1)
    p.rect(10, 20, 95, 100)
    rows = ["1   0.0   0.0   0", "2  80.0   0.0   0", "3  80.0  15.0   0", "4  20.0  15.0   0"]
    for i, row in enumerate(rows):
        p.label(14, 90 - 9 * i, row)
    p.pen(5)
    # the marked line, drawn as an encoded polyline
    p.encoded((12, 62), [(81, 0), (0, 9), (-81, 0), (0, -9)])
    p.pen(1)
    for i, name in enumerate(["Neu", "Einfügen", "Löschen", "Ändern", "Transform."]):
        y = 92 - 14 * i
        p.rect(105, y - 4, 150, y + 6)
        p.label(108, y - 1, name)
    p.pen(2)
    p.arrow((104, 79), (96, 66))
    p.label(14, 10, "Einfügen: vor die markierte Zeile")
    return p


def zeichng():
    p = Picture()
    frame(p, "Zeichnungsarten 1 bis 5")
    names = ["Geometrie+Tabelle", "Polylinie", "Tabelle", "Geometrie", "Formblatt"]
    for k, name in enumerate(names):
        x0 = 6 + 30.5 * k
        p.pen(1)
        p.rect(x0, 30, x0 + 28, 90)
        p.label(x0 + 12, 93, str(k + 1))
        p.label(x0 + 1, 22, name, (0.12, 0.25))
        section = [(x0 + 6, 60), (x0 + 20, 60), (x0 + 20, 64), (x0 + 10, 64), (x0 + 10, 80), (x0 + 6, 80)]
        if k != 2:
            p.pen(3)
            p.poly(section, closed=True)
        if k in (0, 3):
            p.pen(4)
            p.circle(x0 + 10, 66, 1)
            p.line((x0 + 4, 66), (x0 + 24, 66))
        if k in (0, 2):
            p.pen(2)
            for r in range(4):
                p.rect(x0 + 3, 34 + 5 * r, x0 + 25, 39 + 5 * r)
        if k == 4:
            p.pen(7)
            p.rect(x0 + 2, 32, x0 + 26, 88)
            p.rect(x0 + 14, 32, x0 + 26, 40)
    return p


PICTURES = [
    ("kontur", kontur, "Kontur mit Positionen und Umlaufsinn"),
    ("bogen", bogen, "Kreisbogenwinkel zwischen zwei Positionen"),
    ("achsen", achsen, "Schwerpunkt, Hauptachsen v/w und Winkel phi"),
    ("koerper", koerper, "Körperlänge lx, Volumen und Masse"),
    ("poslist", poslist, "Positionsliste und ihre Befehle"),
    ("zeichng", zeichng, "Zeichnungsarten 1 bis 5"),
]


def main():
    for name, make, _ in PICTURES:
        (HERE / f"{name}.plt").write_bytes(make().text().encode("ascii"))
    index = "".join(f'"{name}","{text}"\r\n' for name, _, text in PICTURES)
    (HERE / "vak1.dbh").write_bytes(index.encode("cp850"))


if __name__ == "__main__":
    main()
