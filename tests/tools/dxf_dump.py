"""Loads a DXF file with ezdxf and lists what a reader finds in it, one line per item, so
the C++ tests can compare it with what was drawn.

usage: dxf_dump.py FILE.dxf OUT.txt
exit code 0: loaded (warnings are listed as WARN lines); 2: ezdxf refused the file.
Lines: HEADER|name|x|y, LAYER|name|colour|linetype, LTYPE|name, STYLE|name|font,
BLOCK|name|count, and per model-space entity LINE|layer|x1|y1|x2|y2, CIRCLE|layer|x|y|r,
ARC|layer|x|y|r|start|end, TEXT|layer|x|y|height|width|rotation|oblique|text,
SOLID|layer|x1|y1|...|x4|y4, INSERT|layer|name|x|y|sx|sy|rotation,
POLYLINE|layer|closed|vertices, VERTEX|x|y|bulge; HEADER|$DWGCODEPAGE|name,
BTEXT|block|text for the texts of blocks, LINETYPE|type|layer|linetype for entities with a
line type of their own.
"""
import logging
import sys

import ezdxf
from ezdxf import recover
from ezdxf.tools import codepage


class Collect(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage())


def num(v):
    return "%.6f" % v


def entity_lines(e):
    t = e.dxftype()
    layer = e.dxf.layer
    if t == "LINE":
        s, f = e.dxf.start, e.dxf.end
        return ["|".join(["LINE", layer, num(s.x), num(s.y), num(f.x), num(f.y)])]
    if t == "CIRCLE":
        c = e.dxf.center
        return ["|".join(["CIRCLE", layer, num(c.x), num(c.y), num(e.dxf.radius)])]
    if t == "ARC":
        c = e.dxf.center
        return ["|".join(["ARC", layer, num(c.x), num(c.y), num(e.dxf.radius),
                          num(e.dxf.start_angle), num(e.dxf.end_angle)])]
    if t == "TEXT":
        p = e.dxf.insert
        return ["|".join(["TEXT", layer, num(p.x), num(p.y), num(e.dxf.height),
                          num(e.dxf.width), num(e.dxf.rotation), num(e.dxf.oblique),
                          e.dxf.text])]
    if t == "SOLID":
        pts = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3]
        return ["|".join(["SOLID", layer] + [num(c) for p in pts for c in (p.x, p.y)])]
    if t == "INSERT":
        p = e.dxf.insert
        return ["|".join(["INSERT", layer, e.dxf.name, num(p.x), num(p.y),
                          num(e.dxf.xscale), num(e.dxf.yscale), num(e.dxf.rotation)])]
    if t == "POLYLINE":
        vs = list(e.vertices)
        out = ["|".join(["POLYLINE", layer, "1" if e.is_closed else "0", str(len(vs))])]
        for v in vs:
            loc = v.dxf.location
            out.append("|".join(["VERTEX", num(loc.x), num(loc.y), num(v.dxf.bulge)]))
        return out
    return ["|".join(["OTHER", t, layer])]


# ezdxf maps only the Windows code pages and takes any other as Windows-1252: it learns the
# DOS code pages a header may declare ("dos850").
for _dos in ("437", "850"):
    codepage.codepage_to_encoding.setdefault(_dos, "cp" + _dos)


def main():
    path, out_path = sys.argv[1], sys.argv[2]
    collect = Collect()
    logging.getLogger("ezdxf").addHandler(collect)
    lines = []
    try:
        doc = ezdxf.readfile(path)
    except (IOError, ezdxf.DXFStructureError) as err:
        with open(out_path, "w", encoding="utf-8") as f:
            f.write("ERROR|%s\n" % err)
        return 2
    # The recover loader is stricter about structure and reports what it had to mend.
    _, auditor = recover.readfile(path)
    for err in auditor.errors:
        lines.append("WARN|recover error: %s" % err.message)
    for fix in auditor.fixes:
        lines.append("WARN|recover fix: %s" % fix.message)
    for name in ("$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"):
        if name in doc.header:
            v = doc.header[name]
            lines.append("|".join(["HEADER", name, num(v[0]), num(v[1])]))
    if "$DWGCODEPAGE" in doc.header:
        lines.append("HEADER|$DWGCODEPAGE|" + doc.header["$DWGCODEPAGE"])
    if "$LTSCALE" in doc.header:
        lines.append("HEADER|$LTSCALE|" + num(doc.header["$LTSCALE"]))
    for layer in doc.layers:
        lines.append("|".join(["LAYER", layer.dxf.name, str(layer.dxf.color),
                               layer.dxf.linetype]))
    for lt in doc.linetypes:
        lines.append("LTYPE|" + lt.dxf.name)
    for st in doc.styles:
        lines.append("|".join(["STYLE", st.dxf.name, st.dxf.font]))
    for block in doc.blocks:
        if not block.name.startswith("*"):
            lines.append("|".join(["BLOCK", block.name, str(len(block))]))
            lines.extend("|".join(["BTEXT", block.name, e.dxf.text])
                         for e in block if e.dxftype() == "TEXT")
    for e in doc.modelspace():
        lines.extend(entity_lines(e))
        if e.dxf.hasattr("linetype"):
            lines.append("|".join(["LINETYPE", e.dxftype(), e.dxf.layer, e.dxf.linetype]))
    # Listed before the audit, which deletes what it cannot mend.
    audit = doc.audit()
    for err in audit.errors:
        lines.append("WARN|audit error: %s" % err.message)
    for fix in audit.fixes:
        lines.append("WARN|audit fix: %s" % fix.message)
    for m in collect.messages:
        lines.append("WARN|log: " + m)
    # Bytes the declared code page cannot decode come out as escapes.
    with open(out_path, "w", encoding="utf-8", errors="backslashreplace") as f:
        f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
