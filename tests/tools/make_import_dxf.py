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
    msp.add_line((0, 0), (5, 5))  # something else first
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
