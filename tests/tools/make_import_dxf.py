"""Writes DXF files with ezdxf, as another CAD program would, for the contour import tests."""
import math
import sys

import ezdxf

out = sys.argv[1]


def lw(name, points, closed=True, version="R2010", units=None, extrusion=None, in_block=False):
    doc = ezdxf.new(version)
    if units is not None:
        doc.header["$INSUNITS"] = units
    msp = doc.modelspace()
    msp.add_text("Schnitt")  # something else first: entities the import passes over
    msp.add_point((5, 5))
    if in_block:
        blk = doc.blocks.new("B1")
        blk.add_lwpolyline(points, format="xyb", close=closed)
        msp.add_blockref("B1", (0, 0))
    else:
        e = msp.add_lwpolyline(points, format="xyb", close=closed)
        if extrusion:
            e.dxf.extrusion = extrusion
    doc.saveas(f"{out}/{name}.dxf")


half = math.tan(math.pi / 4)  # bulge of a half circle
# Rectangle 100 x 50 with a half circle on top edge: (100,50) -> (0,50) bulging upward.
lw("lw_arc", [(0, 0, 0), (100, 0, 0), (100, 50, half), (0, 50, 0)])
lw("lw_open", [(0, 0, 0), (100, 0, 0), (100, 50, 0)], closed=False)
lw("lw_block", [(0, 0, 0), (10, 0, 0), (10, 10, 0)], in_block=True)
lw("lw_inch", [(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)], units=1)
# Beyond the coordinate bound of 1e9 mm, the second only after the inch conversion.
lw("lw_far", [(0, 0, 0), (2e9, 0, 0), (2e9, 1, 0)])
lw("lw_far_inch", [(0, 0, 0), (5e7, 0, 0), (5e7, 1, 0)], units=1)
lw("lw_mirrored", [(0, 0, 0), (10, 0, 0), (10, 10, 0.5), (0, 10, 0)], extrusion=(0, 0, -1))
lw("lw_many", [(math.cos(i / 600 * 2 * math.pi) * 50, math.sin(i / 600 * 2 * math.pi) * 50, 0)
               for i in range(600)])

# Old-style POLYLINE with VERTEX entities (R12): a quarter-circle corner, bulge tan(22.5 deg).
doc = ezdxf.new("R12")
msp = doc.modelspace()
msp.add_text("Kontur")
pl = msp.add_polyline2d([(0, 0), (80, 0), (80, 60), (0, 60)], close=True)
pl.vertices[1].dxf.bulge = math.tan(math.pi / 8)
doc.saveas(f"{out}/r12_polyline.dxf")

# Only lines: no contour to take.
doc = ezdxf.new("R2010")
doc.modelspace().add_line((0, 0), (1, 1))
doc.saveas(f"{out}/only_lines.dxf")


# Drawings of lines and arcs. Each is shuffled in order and direction with a fixed seed.
import random

rng = random.Random(29)


def new_doc():
    doc = ezdxf.new("R2010")
    return doc, doc.modelspace()


def put(space, pieces, layer="0", shuffle=True):
    """pieces: ("L", p, q) lines, ("A", centre, r, start, end) arcs in degrees."""
    pieces = list(pieces)
    if shuffle:
        rng.shuffle(pieces)
    for p in pieces:
        attribs = {"layer": layer}
        if p[0] == "L":
            a, b = (p[1], p[2]) if not shuffle or rng.random() < 0.5 else (p[2], p[1])
            space.add_line(a, b, dxfattribs=attribs)
        else:
            space.add_arc(p[1], p[2], p[3], p[4], dxfattribs=attribs)


def polygon(points):
    return [("L", points[i], points[(i + 1) % len(points)]) for i in range(len(points))]


# L section 100 x 80, legs 10 thick.
L_SHAPE = [(0, 0), (100, 0), (100, 10), (10, 10), (10, 80), (0, 80)]
doc, msp = new_doc()
put(msp, polygon(L_SHAPE))
msp.add_text("L 100x80x10")
doc.saveas(f"{out}/lines_shuffled.dxf")

# Rectangle 100 x 60, a half round end of radius 30 on the right (an open LWPOLYLINE with a
# bulge) and a half round notch of radius 20 on the left (an ARC run backwards).
doc, msp = new_doc()
put(msp, [("L", (0, 0), (100, 0)), ("L", (100, 60), (0, 60)), ("L", (0, 60), (0, 50)),
          ("L", (0, 10), (0, 0)), ("A", (0, 30), 20, -90, 90)])
msp.add_lwpolyline([(100, 0, 1), (100, 60, 0)], format="xyb")
doc.saveas(f"{out}/arcs_both_ways.dxf")

# Plate 200 x 100 (closed polyline) with a round hole (CIRCLE, r 20 at (50, 50)) and a
# rectangular hole of lines (120..170 x 30..70).
doc, msp = new_doc()
msp.add_lwpolyline([(0, 0), (200, 0), (200, 100), (0, 100)], close=True)
msp.add_circle((50, 50), 20)
put(msp, polygon([(120, 30), (170, 30), (170, 70), (120, 70)]))
msp.add_text("Blech 200x100")
doc.saveas(f"{out}/plate_holes.dxf")

# I section h 200, b 100, tw 5.6, tf 8.5, root radius 12: lines and four fillet ARCs.
h, b, tw, tf, r = 200, 100, 5.6, 8.5, 12
w = tw / 2
doc, msp = new_doc()
put(msp, [
    ("L", (-b / 2, 0), (b / 2, 0)), ("L", (b / 2, 0), (b / 2, tf)), ("L", (b / 2, tf), (w + r, tf)),
    ("A", (w + r, tf + r), r, 180, 270), ("L", (w, tf + r), (w, h - tf - r)),
    ("A", (w + r, h - tf - r), r, 90, 180), ("L", (w + r, h - tf), (b / 2, h - tf)),
    ("L", (b / 2, h - tf), (b / 2, h)), ("L", (b / 2, h), (-b / 2, h)),
    ("L", (-b / 2, h), (-b / 2, h - tf)), ("L", (-b / 2, h - tf), (-w - r, h - tf)),
    ("A", (-w - r, h - tf - r), r, 0, 90), ("L", (-w, h - tf - r), (-w, tf + r)),
    ("A", (-w - r, tf + r), r, 270, 360), ("L", (-w - r, tf), (-b / 2, tf)),
    ("L", (-b / 2, tf), (-b / 2, 0))])
msp.add_linear_dim(base=(0, -20), p1=(-b / 2, 0), p2=(b / 2, 0)).render()
hatch = msp.add_hatch()
hatch.paths.add_polyline_path([(-b / 2, 0), (b / 2, 0), (b / 2, tf), (-b / 2, tf)])
doc.saveas(f"{out}/i_fillets.dxf")


def l_block(doc, name="LHOLE"):
    """The L section 60 x 40 x 10 with a root radius 4 (an ARC) and a round hole r 3 at
    (35, 5), base point (5, 5)."""
    blk = doc.blocks.new(name, base_point=(5, 5))
    put(blk, [("L", (0, 0), (60, 0)), ("L", (60, 0), (60, 10)), ("L", (60, 10), (14, 10)),
              ("A", (14, 14), 4, 180, 270), ("L", (10, 14), (10, 40)), ("L", (10, 40), (0, 40)),
              ("L", (0, 40), (0, 0))])
    blk.add_circle((35, 5), 3)
    return blk


# The block turned by 30 degrees at scale 2, and mirrored (x scale -1.5) turned by 90.
for name, attribs in (("block_rotated", {"xscale": 2, "yscale": 2, "rotation": 30}),
                      ("block_mirrored", {"xscale": -1.5, "yscale": 1.5, "rotation": 90})):
    doc, msp = new_doc()
    l_block(doc)
    msp.add_blockref("LHOLE", (300, -40), dxfattribs=attribs)
    doc.saveas(f"{out}/{name}.dxf")

# Nested: OUTER (base (1, 2)) holds LHOLE turned by 90; the model inserts OUTER at scale 0.5
# turned by -30.
doc, msp = new_doc()
l_block(doc)
outer = doc.blocks.new("OUTER", base_point=(1, 2))
outer.add_blockref("LHOLE", (10, 20), dxfattribs={"rotation": 90})
msp.add_blockref("OUTER", (-7, 3), dxfattribs={"xscale": 0.5, "yscale": 0.5, "rotation": -30})
doc.saveas(f"{out}/block_nested.dxf")

# The block of the old test inserted: a triangle; a block defined but never inserted.
doc, msp = new_doc()
doc.blocks.new("UNUSED").add_lwpolyline([(0, 0), (10, 0), (10, 10)], close=True)
msp.add_text("nichts")
doc.saveas(f"{out}/lw_block_unused.dxf")

# The L section with its top edge 1e-3 short: open at the default tolerance (1e-4).
doc, msp = new_doc()
pieces = polygon(L_SHAPE)
pieces[4] = ("L", (10, 80), (0.001, 80))
put(msp, pieces)
doc.saveas(f"{out}/gap.dxf")

# Two rectangles crossing; a circle outside a rectangle.
doc, msp = new_doc()
put(msp, polygon([(0, 0), (50, 0), (50, 30), (0, 30)]) + polygon([(40, 10), (80, 10), (80, 20), (40, 20)]))
doc.saveas(f"{out}/crossing.dxf")
doc, msp = new_doc()
put(msp, polygon([(0, 0), (50, 0), (50, 30), (0, 30)]))
msp.add_circle((80, 15), 5)
doc.saveas(f"{out}/outside.dxf")

# The L section on layer KONTUR; a frame across it on layer RAHMEN.
doc, msp = new_doc()
put(msp, polygon(L_SHAPE), layer="KONTUR")
put(msp, polygon([(-20, -20), (50, -20), (50, 50), (-20, 50)]), layer="RAHMEN")
doc.saveas(f"{out}/layers.dxf")

# A closed polyline whose closing edge is a half circle (bulge at its last vertex).
lw("lw_closing_arc", [(0, 0, 0), (100, 0, 0), (100, 50, 0), (0, 50, 1)])
# A polyline crossing itself; a line branching off a corner of a rectangle.
lw("lw_bowtie", [(0, 0, 0), (10, 10, 0), (10, 0, 0), (0, 10, 0)])
doc, msp = new_doc()
put(msp, polygon([(0, 0), (50, 0), (50, 30), (0, 30)]) + [("L", (50, 30), (70, 40))])
doc.saveas(f"{out}/branch.dxf")
