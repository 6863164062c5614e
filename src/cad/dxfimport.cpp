// Contour import: the records of a DXF file read through the shared group reader, the model
// space's entities and the blocks it inserts turned into pieces in mm, then joined.
#include "cad/dxfimport.h"

#include <cmath>
#include <map>

#include "cad/dxfchains.h"
#include "cad/dxfgroups.h"
#include "cad/dxfread.h"
#include "text/cp850.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
// Blocks nest at most this deep in one insertion.
constexpr int kMaxImportDepth = 16;

struct Record {
    std::string type;
    std::vector<DxfGroup> groups;
    std::vector<Record> vertices; // POLYLINE: its VERTEX records
};

struct Block {
    std::string name;
    DxfPoint base;
    std::vector<Record> entities;
};

// x' = a x + b y + tx, y' = c x + d y + ty
struct Affine {
    long double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    DxfPoint operator()(DxfPoint p) const {
        return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty};
    }
    long double Det() const { return a * d - b * c; }
    // this after inner
    Affine After(const Affine& i) const {
        return {a * i.a + b * i.c, a * i.b + b * i.d,        c * i.a + d * i.c,
                c * i.b + d * i.d, a * i.tx + b * i.ty + tx, c * i.tx + d * i.ty + ty};
    }
    // Rotation with one scale (and perhaps a mirror): circles stay circles.
    bool KeepsCircles() const {
        const long double s = std::fabs(a) + std::fabs(b) + std::fabs(c) + std::fabs(d);
        const long double e = 1e-9L * s;
        return (std::fabs(a - d) <= e && std::fabs(b + c) <= e) ||
               (std::fabs(a + d) <= e && std::fabs(b - c) <= e);
    }
};

Affine Mirror() {
    return {-1, 0, 0, 1, 0, 0};
}

std::string Trimmed(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

long double Value(const Record& r, int code, long double fallback = 0) {
    long double v = fallback;
    for (const auto& g : r.groups)
        if (g.code == code) v = g.Number();
    return v;
}

long long Integer(const Record& r, int code) {
    long long v = 0;
    for (const auto& g : r.groups)
        if (g.code == code) v = g.integer;
    return v;
}

std::string Text(const Record& r, int code) {
    std::string v;
    for (const auto& g : r.groups)
        if (g.code == code) v = std::string(g.Name());
    return v;
}

// The entity's own coordinate system: extrusion (0, 0, -1) runs x the other way.
Affine Ocs(const Record& r) {
    return Value(r, 230, 1) < 0 ? Mirror() : Affine{};
}

long double UnitFactor(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i + 2 < lines.size(); ++i)
        if (Trimmed(lines[i]) == "$INSUNITS" && ParseNumber(lines[i + 2]).value == 1) return 25.4L;
    return 1;
}

struct Drawing {
    std::vector<Record> model;
    std::map<std::string, Block> blocks; // by name in capitals
    std::vector<std::string> layers;
    std::map<std::string, int> layerIndex;
    DxfShapes shapes;
    long double unit = 1;
    long insertions = 0;
    std::string error;

    int Layer(const std::string& name) {
        const std::string key = UpperAscii(name.empty() ? "0" : name);
        auto it = layerIndex.find(key);
        if (it != layerIndex.end()) return it->second;
        layers.push_back(name.empty() ? "0" : name);
        return layerIndex[key] = static_cast<int>(layers.size() - 1);
    }
};

// The records of the file, grouped into model space and block definitions.
bool ReadRecords(const std::vector<std::string>& lines, Drawing& d, std::size_t& failedLine) {
    DxfGroupReader r(lines);
    std::vector<Record> records;
    while (r.Next()) {
        const DxfGroup& g = r.Current();
        if (g.code == 0) {
            if (g.Name() == "EOF") break;
            records.push_back(Record{std::string(g.Name()), {}, {}});
        } else if (!records.empty()) {
            records.back().groups.push_back(g);
        }
    }
    if (r.Failed()) {
        failedLine = r.FailedLine();
        return false;
    }
    std::string section;
    Block* block = nullptr;
    Record* polyline = nullptr;
    for (Record& rec : records) {
        // A VERTEX belongs to the POLYLINE just before it, never across these records.
        if (rec.type == "SECTION" || rec.type == "ENDSEC" || rec.type == "ENDBLK")
            polyline = nullptr;
        if (rec.type == "SECTION") {
            section = Text(rec, 2);
            continue;
        }
        if (rec.type == "ENDSEC") {
            section.clear();
            continue;
        }
        if (section == "BLOCKS") {
            if (rec.type == "BLOCK") {
                Block& b = d.blocks[UpperAscii(Text(rec, 2))];
                b = Block{Text(rec, 2), {Value(rec, 10), Value(rec, 20)}, {}};
                // An external reference's content is not in this file.
                block = (Integer(rec, 70) & 4) ? nullptr : &b;
                polyline = nullptr;
                continue;
            }
            if (rec.type == "ENDBLK") {
                block = nullptr;
                continue;
            }
        } else if (!section.empty() && section != "ENTITIES") {
            continue; // a file cut down to its entities has no section around them
        }
        if (section == "BLOCKS" && !block) continue;
        std::vector<Record>& target = section == "BLOCKS" ? block->entities : d.model;
        if (rec.type == "VERTEX" && polyline) {
            polyline->vertices.push_back(rec);
            continue;
        }
        if (rec.type == "SEQEND") {
            polyline = nullptr;
            continue;
        }
        // Paper space is not part of the section.
        if (section != "BLOCKS" && Integer(rec, 67) == 1) continue;
        target.push_back(rec);
        polyline = rec.type == "POLYLINE" ? &target.back() : nullptr;
    }
    return true;
}

struct Emitter {
    Drawing& d;

    bool Arc(const Affine& t, const std::string& where, DxfPoint a, DxfPoint b, long double phi,
             int layer, std::vector<DxfPiece>& out) {
        if (phi != 0 && !t.KeepsCircles()) {
            d.error = "Block " + where + cp850(" ungleich skaliert: Kreisbögen würden Ellipsen");
            return false;
        }
        out.push_back({t(a), t(b), t.Det() < 0 ? -phi : phi, layer});
        return true;
    }

    bool Circle(const Affine& t, const std::string& where, DxfPoint c, long double r, int layer) {
        DxfClosedGroup g;
        return Arc(t, where, {c.x + r, c.y}, {c.x - r, c.y}, kPi, layer, g.pieces) &&
               Arc(t, where, {c.x - r, c.y}, {c.x + r, c.y}, kPi, layer, g.pieces) &&
               (d.shapes.closed.push_back(std::move(g)), true);
    }

    bool Polyline(const Record& e, const Affine& t, const std::string& where, int layer) {
        const long long flags = Integer(e, 70);
        if (e.type == "POLYLINE" && (flags & (8 | 16 | 64))) return true; // 3D and meshes
        struct V {
            long double x, y, bulge;
        };
        std::vector<V> vs;
        if (e.type == "LWPOLYLINE") {
            for (const auto& g : e.groups) {
                if (g.code == 10) vs.push_back({g.Number(), 0, 0});
                if (vs.empty()) continue;
                if (g.code == 20) vs.back().y = g.Number();
                if (g.code == 42) vs.back().bulge = g.Number();
            }
        } else {
            for (const Record& v : e.vertices)
                if (!(Integer(v, 70) & 16)) // spline frame points are not on the curve
                    vs.push_back({Value(v, 10), Value(v, 20), Value(v, 42)});
        }
        const bool closed = (flags & 1) != 0;
        const Affine ocs = t.After(Ocs(e));
        DxfClosedGroup g;
        g.polyline = true;
        std::vector<DxfPiece>& out = closed ? g.pieces : d.shapes.loose;
        const std::size_t n = vs.size();
        for (std::size_t i = 0; i + (closed ? 0 : 1) < n; ++i) {
            const V& p = vs[i];
            const V& q = vs[(i + 1) % n];
            if (!std::isfinite(p.bulge)) return Invalid();
            if (!Arc(ocs, where, {p.x, p.y}, {q.x, q.y}, 4 * std::atan(p.bulge), layer, out))
                return false;
        }
        if (closed && !g.pieces.empty()) d.shapes.closed.push_back(std::move(g));
        return true;
    }

    bool Invalid() {
        d.error = cp850("ungültige Koordinate");
        return false;
    }

    bool Entity(const Record& e, const Affine& t, const std::string& where,
                const std::string& insertLayer, int depth) {
        std::string layerName = Text(e, 8);
        // Entities of a block on layer "0" take the layer of their insertion.
        if (!insertLayer.empty() && (layerName.empty() || layerName == "0"))
            layerName = insertLayer;
        if (e.type == "LINE") {
            d.shapes.loose.push_back({t({Value(e, 10), Value(e, 20)}),
                                      t({Value(e, 11), Value(e, 21)}), 0, d.Layer(layerName)});
            return true;
        }
        if (e.type == "ARC" || e.type == "CIRCLE") {
            const Affine ocs = t.After(Ocs(e));
            const DxfPoint c{Value(e, 10), Value(e, 20)};
            const long double r = Value(e, 40);
            const int layer = d.Layer(layerName);
            long double sweep = 360;
            long double a1 = 0;
            if (e.type == "ARC") {
                a1 = Value(e, 50);
                sweep = std::fmod(Value(e, 51) - a1, 360.0L);
                if (sweep <= 0) sweep += 360;
            }
            if (!std::isfinite(sweep) || !std::isfinite(r)) return Invalid();
            if (sweep >= 360) return Circle(ocs, where, c, r, layer);
            const long double w1 = a1 * kPi / 180, w2 = (a1 + sweep) * kPi / 180;
            return Arc(ocs, where, {c.x + r * std::cos(w1), c.y + r * std::sin(w1)},
                       {c.x + r * std::cos(w2), c.y + r * std::sin(w2)}, sweep * kPi / 180, layer,
                       d.shapes.loose);
        }
        if (e.type == "LWPOLYLINE" || e.type == "POLYLINE")
            return Polyline(e, t, where, d.Layer(layerName));
        if (e.type == "INSERT") return Insert(e, t, layerName, depth);
        return true; // texts, dimensions, hatches, points and the like
    }

    bool Insert(const Record& e, const Affine& t, const std::string& layerName, int depth) {
        const std::string name = Text(e, 2);
        auto it = d.blocks.find(UpperAscii(name));
        if (it == d.blocks.end()) return true;
        if (depth >= kMaxImportDepth || ++d.insertions > kMaxBlockInsertions) {
            d.error = "Block \"" + name + "\" zu tief verschachtelt oder zu oft eingesetzt";
            return false;
        }
        const Block& b = it->second;
        const long double sx = Value(e, 41, 1), sy = Value(e, 42, 1);
        const long double rot = Value(e, 50) * kPi / 180;
        const long long cols = std::max<long long>(1, Integer(e, 70));
        const long long rows = std::max<long long>(1, Integer(e, 71));
        const long double dx = Value(e, 44), dy = Value(e, 45);
        const long double cr = std::cos(rot), sr = std::sin(rot);
        for (long long row = 0; row < rows; ++row)
            for (long long col = 0; col < cols; ++col) {
                if (row * cols + col > 0 && ++d.insertions > kMaxBlockInsertions) {
                    d.error = "Block \"" + name + "\" zu oft eingesetzt";
                    return false;
                }
                // Block point p: (p - base) scaled, rotated, moved to the insertion point
                // (plus the array step), then out of the insertion's own system.
                const long double ox = col * dx, oy = row * dy;
                Affine local{cr * sx,
                             -sr * sy,
                             sr * sx,
                             cr * sy,
                             Value(e, 10) + cr * ox - sr * oy,
                             Value(e, 20) + sr * ox + cr * oy};
                local.tx -= local.a * b.base.x + local.b * b.base.y;
                local.ty -= local.c * b.base.x + local.d * b.base.y;
                const Affine whole = t.After(Ocs(e)).After(local);
                for (const Record& child : b.entities)
                    if (!Entity(child, whole, "\"" + b.name + "\"", layerName, depth + 1))
                        return false;
            }
        return true;
    }
};

bool Finite(DxfPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= kCoordinateMax &&
           std::fabs(p.y) <= kCoordinateMax;
}

// Reads the file into pieces in mm; false with the message (naming the file) in error.
bool ReadDrawing(const std::string& path, Drawing& d, std::string& error) {
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        error = "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !";
        return false;
    }
    std::size_t failedLine = 0;
    if (!ReadRecords(lines, d, failedLine)) {
        error = "Datei " + path + ": keine DXF-Datei (Zeile " + std::to_string(failedLine) + ")";
        return false;
    }
    d.unit = UnitFactor(lines);
    Emitter em{d};
    const Affine root{d.unit, 0, 0, d.unit, 0, 0};
    for (const Record& e : d.model)
        if (!em.Entity(e, root, "", "", 0)) {
            error = "Datei " + path + ": " + d.error;
            return false;
        }
    auto check = [](const DxfPiece& p) {
        return Finite(p.a) && Finite(p.b) && std::isfinite(p.phi) && std::fabs(p.phi) < kFullTurn;
    };
    bool ok = true;
    for (const DxfPiece& p : d.shapes.loose)
        ok = ok && check(p);
    for (const DxfClosedGroup& g : d.shapes.closed)
        for (const DxfPiece& p : g.pieces)
            ok = ok && check(p);
    if (!ok) {
        error = "Datei " + path + cp850(": ungültige Koordinate");
        return false;
    }
    return true;
}

long double Extent(const DxfShapes& s) {
    bool any = false;
    DxfPoint lo{}, hi{};
    auto take = [&](DxfPoint p) {
        if (!any) lo = hi = p;
        any = true;
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    };
    auto piece = [&](const DxfPiece& p) {
        take(p.a);
        take(p.b);
        if (p.phi != 0) {
            // The arc's middle: the chord's midpoint moved by the sagitta.
            const long double dx = p.b.x - p.a.x, dy = p.b.y - p.a.y;
            const long double k = -std::tan(p.phi / 4) / 2;
            take({(p.a.x + p.b.x) / 2 - k * dy, (p.a.y + p.b.y) / 2 + k * dx});
        }
    };
    for (const DxfPiece& p : s.loose)
        piece(p);
    for (const DxfClosedGroup& g : s.closed)
        for (const DxfPiece& p : g.pieces)
            piece(p);
    return any ? std::max(hi.x - lo.x, hi.y - lo.y) : 0;
}

long double DefaultTolerance(long double extent) {
    return extent > 0 ? extent * kDxfToleranceShare : 1e-9L;
}

} // namespace

DxfDrawingSurvey SurveyDxfDrawing(const std::string& path, long double tolerance) {
    DxfDrawingSurvey s;
    Drawing d;
    if (!ReadDrawing(path, d, s.error)) return s;
    s.extent = Extent(d.shapes);
    s.tolerance = DefaultTolerance(s.extent);
    for (int i : LayersOfClosedChains(d.shapes, tolerance > 0 ? tolerance : s.tolerance))
        s.layers.push_back(d.layers[static_cast<std::size_t>(i)]);
    s.ok = true;
    return s;
}

DxfImportResult ImportDxfContour(const std::string& path, ProjectData& project,
                                 const DxfImportOptions& options) {
    DxfImportResult result;
    Drawing d;
    if (!ReadDrawing(path, d, result.error)) return result;
    int layer = -1;
    if (!options.layer.empty()) {
        auto it = d.layerIndex.find(UpperAscii(options.layer));
        if (it == d.layerIndex.end()) {
            result.error = "Datei " + path + ": kein Layer \"" + options.layer + "\"";
            return result;
        }
        layer = it->second;
    }
    const long double tolerance =
        options.tolerance > 0 ? options.tolerance : DefaultTolerance(Extent(d.shapes));
    const DxfJoinResult joined = JoinDxfContour(d.shapes, tolerance, layer, kMaxPositions);
    if (!joined.ok) {
        result.error = "Datei " + path + ": " + joined.error;
        return result;
    }
    project.ResetContour();
    for (const DxfContourPoint& p : joined.contour)
        project.Positions.push_back(TPosition{p.y, p.z, p.phi});
    result.ok = true;
    result.vertices = static_cast<int>(joined.contour.size());
    return result;
}

} // namespace vak1
