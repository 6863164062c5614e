"""Writes with ezdxf the same entities as the program's kind-1 DXF drawing, for the speed
comparison of bench_cad. The entities come from an entity list written by bench_cad:

  H xmin ymin xmax ymax        header extents
  Y layer                      the layer of the following entities
  L x1 y1 x2 y2 | C x y r | A x y r a1 a2 | S x1 y1 .. x4 y4
  T x y height width rotation oblique text
  P closed | V x y bulge | E   polyline, vertex, end of polyline

usage: ezdxf_kind1.py ENTITIES OUT.dxf
"""
import sys

import ezdxf


def main():
    src, out = sys.argv[1], sys.argv[2]
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    doc.linetypes.add("DASHDOT", pattern=[1.0, 0.5, -0.25, 0.0, -0.25])
    doc.linetypes.add("DASHED", pattern=[0.375, 0.25, -0.125])
    types = {"1": "DASHDOT", "2": "DASHED"}
    colours = {"0": 1, "1": 2, "2": 2, "3": 2, "4": 3, "5": 1}
    for name in ["1", "2", "3", "4", "5"] + [str(i) for i in range(16, 32)]:
        doc.layers.add(name, color=colours.get(name, int(name) - 15 if int(name) >= 16 else 1),
                       linetype=types.get(name, "CONTINUOUS"))
    layer = "0"
    poly = None
    with open(src, encoding="cp850") as f:
        for line in f:
            p = line.rstrip("\n").split("\t")
            k = p[0]
            v = [float(x) for x in p[1:]] if k not in ("T", "Y") else None
            if k == "H":
                doc.header["$EXTMIN"] = (v[0], v[1], 0)
                doc.header["$EXTMAX"] = (v[2], v[3], 0)
                doc.header["$LIMMIN"] = (v[0], v[1])
                doc.header["$LIMMAX"] = (v[2], v[3])
                doc.header["$LTSCALE"] = 15
            elif k == "Y":
                layer = p[1]
            elif k == "L":
                msp.add_line((v[0], v[1]), (v[2], v[3]), dxfattribs={"layer": layer})
            elif k == "C":
                msp.add_circle((v[0], v[1]), v[2], dxfattribs={"layer": layer})
            elif k == "A":
                msp.add_arc((v[0], v[1]), v[2], v[3], v[4], dxfattribs={"layer": layer})
            elif k == "S":
                msp.add_solid([(v[0], v[1]), (v[2], v[3]), (v[4], v[5]), (v[6], v[7])],
                              dxfattribs={"layer": layer})
            elif k == "T":
                n = [float(x) for x in p[1:7]]
                msp.add_text(p[7], dxfattribs={"layer": layer, "insert": (n[0], n[1]),
                                               "height": n[2], "width": n[3],
                                               "rotation": n[4], "oblique": n[5]})
            elif k == "P":
                poly = (v[0] != 0, [])
            elif k == "V":
                poly[1].append((v[0], v[1], v[2]))
            elif k == "E":
                msp.add_polyline2d(poly[1], format="xyb", close=poly[0],
                                   dxfattribs={"layer": layer})
                poly = None
    doc.saveas(out)


if __name__ == "__main__":
    main()
