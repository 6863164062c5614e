// Block file reader of the screen device: entity readers and the nesting.
#include "cad/dxfread.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "model/angles.h"
#include "cad/CadContext.h"
#include "platform/Ui.h"
#include "cad/CadLayer.h"
#include "settings/Settings.h"
#include "cad/ScreenOutput.h"
#include "cad/cad.h"
#include "cad/dxfgroups.h"
#include "calc/section.h"
#include "dialogs/dialogs.h"
#include "model/messages.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {

namespace {

struct Point {
    long double x = 0, y = 0;
};

Point Transform(const CadInsertState& t, long double x, long double y) {
    const long double c = std::cos(t.Rotation * kRadPerDeg), s = std::sin(t.Rotation * kRadPerDeg);
    return {t.OffsetX + t.ScaleX * x * c - t.ScaleY * y * s,
            t.OffsetY + t.ScaleY * y * c + t.ScaleX * x * s};
}

void ReportFormatError(const CadContext& cx) {
    if (cx.ui)
        ShowError(cx.Dialogs(), "Error in DXF File");
    else
        AddMessage(cx.Messages, "Error in DXF File");
}

void ReadLine(const CadContext& cx, DxfGroupReader& g) {
    std::string layer;
    long double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ReadDxfFields(g, {{8, &layer}, {10, &x1}, {20, &y1}, {11, &x2}, {21, &y2}});
    const CadInsertState& t = cx.Cad.Insert;
    const Point a = Transform(t, x1, y1), b = Transform(t, x2, y2);
    CadSetLayer(cx, DxfLayerNumber(cx.Config, layer));
    CadLine(cx, a.x, a.y, b.x, b.y);
}

void ReadCircleOrArc(const CadContext& cx, DxfGroupReader& g, bool arc) {
    std::string layer;
    long double x = 0, y = 0, r = 0, a1 = 0, a2 = 0;
    ReadDxfFields(g, {{8, &layer}, {10, &x}, {20, &y}, {40, &r}, {50, &a1}, {51, &a2}});
    const CadInsertState& t = cx.Cad.Insert;
    const Point c = Transform(t, x, y);
    CadSetLayer(cx, DxfLayerNumber(cx.Config, layer));
    if (arc)
        CadArc(cx, c.x, c.y, a1 + t.Rotation, a2 + t.Rotation, r * t.ScaleX);
    else
        CadCircle(cx, c.x, c.y, r * t.ScaleX);
}

void ReadText(const CadContext& cx, DxfGroupReader& g) {
    std::string layer, text;
    long double x = 0, y = 0, h = 3.5L, f = 1, rot = 0;
    // 51, the oblique angle, stays the configured one.
    ReadDxfFields(g, {{1, &text}, {8, &layer}, {10, &x}, {20, &y}, {40, &h}, {41, &f}, {50, &rot}});
    const CadInsertState& t = cx.Cad.Insert;
    const Point p = Transform(t, x, y);
    CadSetLayer(cx, DxfLayerNumber(cx.Config, layer));
    CadTextStyle(cx, 2, h * f * t.ScaleX, h * t.ScaleY, rot + t.Rotation);
    CadText(cx, text, p.x, p.y);
}

void ReadSolid(const CadContext& cx, DxfGroupReader& g) {
    std::string layer;
    long double v[8] = {};
    ReadDxfFields(g, {{8, &layer},
                      {10, &v[0]},
                      {20, &v[1]},
                      {11, &v[2]},
                      {21, &v[3]},
                      {12, &v[4]},
                      {22, &v[5]},
                      {13, &v[6]},
                      {23, &v[7]}});
    const CadInsertState& t = cx.Cad.Insert;
    Point p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Transform(t, v[2 * i], v[2 * i + 1]);
    CadSetLayer(cx, DxfLayerNumber(cx.Config, layer));
    CadSolid(cx, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
}

struct Vertex {
    int layer = 0;
    long double x = 0, y = 0, angle = 0; // included angle of the edge to the next, degrees
};

Vertex ReadVertex(const CadContext& cx, DxfGroupReader& g) {
    Vertex v;
    std::string layer;
    long double bulge = 0;
    ReadDxfFields(g, {{8, &layer}, {10, &v.x}, {20, &v.y}, {42, &bulge}});
    v.layer = DxfLayerNumber(cx.Config, layer);
    v.angle = 4 * std::atan(bulge) * kDegPerRad;
    return v;
}

void DrawEdge(const CadContext& cx, const Vertex& p, const Vertex& q) {
    const CadInsertState& t = cx.Cad.Insert;
    const Point a = Transform(t, p.x, p.y), b = Transform(t, q.x, q.y);
    CadSetLayer(cx, q.layer);
    if (p.angle == 0) {
        CadLine(cx, a.x, a.y, b.x, b.y);
        return;
    }
    // A mirroring insertion turns the arc the other way.
    const long double phi = p.angle * kRadPerDeg * (t.ScaleX * t.ScaleY < 0 ? -1 : 1);
    ArcCenter c;
    GetArcCenter(a.x, a.y, b.x, b.y, phi, c, cx.Messages, cx.Config);
    CadArc(cx, c.yc, c.zc, c.a1 * kDegPerRad, c.a2 * kDegPerRad, c.r);
}

void ReadPolyline(const CadContext& cx, DxfGroupReader& g) {
    int flag = 0;
    ReadDxfFields(g, {{70, &flag}});
    if (g.Failed()) return; // reported by the entity loop
    if (!g.Ok() || !g.Current().IsEntity("VERTEX")) {
        ReportFormatError(cx);
        return;
    }
    const Vertex first = ReadVertex(cx, g);
    Vertex p = first;
    while (g.Ok() && g.Current().IsEntity("VERTEX")) {
        const Vertex q = ReadVertex(cx, g);
        DrawEdge(cx, p, q);
        p = q;
    }
    if (flag & 1) {
        Vertex straight = p;
        straight.angle = 0;
        Vertex back = first;
        back.layer = p.layer;
        DrawEdge(cx, straight, back);
    }
}

void ReadInsert(const CadContext& cx, DxfGroupReader& g) {
    std::string layer, name;
    long double x = 0, y = 0, sx = 1, sy = 1, rot = 0;
    ReadDxfFields(g,
                  {{2, &name}, {8, &layer}, {10, &x}, {20, &y}, {41, &sx}, {42, &sy}, {50, &rot}});
    ReadBlock(cx, name, x, y, rot, sx, sy);
    CadSetLayer(cx, DxfLayerNumber(cx.Config, layer));
}

void ReadEntities(const CadContext& cx, DxfGroupReader& g) {
    bool have = g.Next();
    while (have && !cx.AbortFlag) {
        const DxfGroup& group = g.Current();
        if (group.code != 0) {
            have = g.Next();
            continue;
        }
        const std::string_view v = group.Name();
        if (v == "EOF") break;
        if (v == "LINE")
            ReadLine(cx, g);
        else if (v == "POLYLINE")
            ReadPolyline(cx, g);
        else if (v == "CIRCLE")
            ReadCircleOrArc(cx, g, false);
        else if (v == "ARC")
            ReadCircleOrArc(cx, g, true);
        else if (v == "TEXT")
            ReadText(cx, g);
        else if (v == "SOLID")
            ReadSolid(cx, g);
        else if (v == "INSERT")
            ReadInsert(cx, g);
        else
            g.Next();
        have = g.Ok();
    }
    if (g.Failed()) ReportFormatError(cx);
}

} // namespace

int DxfLayerNumber(const Settings& s, const std::string& name) {
    if (name == "0") return 0;
    for (int i = 0; i < 5; ++i)
        if (name == s.LayerNames[static_cast<std::size_t>(i)]) return i + 1;
    const ParsedInteger n = ParseInteger(name);
    if (!n.valid || n.value < 0) return 0;
    return CadLayerNumber(n.value > 1000 ? 1000 : static_cast<int>(n.value));
}

namespace {

// Back to the insertion being read; the count of insertions goes on.
void Restore(CadInsertState& t, const CadInsertState& saved) {
    const long insertions = t.Insertions;
    t = saved;
    t.Insertions = insertions;
}

} // namespace

void ReadBlock(const CadContext& cx, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy) {
    CadInsertState& t = cx.Cad.Insert;
    const CadInsertState saved = t;
    const Point origin = Transform(t, x, y);
    t.OffsetX = origin.x;
    t.OffsetY = origin.y;
    t.Rotation += rotation;
    t.ScaleX *= sx;
    t.ScaleY *= sy;
    t.Depth = saved.Depth + 1;
    // A fifth level (a block that inserts itself, say) is left out instead of ending the
    // program, which would lose the user's unsaved project.
    if (t.Depth > kMaxBlockDepth) {
        AddMessage(cx.Messages, "error blockno." + std::to_string(t.Depth));
        Restore(t, saved);
        return;
    }
    if (t.Insertions >= kMaxBlockInsertions) {
        AddMessage(cx.Messages, "error blockno." + std::to_string(t.Depth));
        Restore(t, saved);
        return;
    }
    ++t.Insertions;
    std::vector<std::string> lines;
    if (!ReadTextLines(BlockFilePath(cx.Config, name), lines)) {
        AddMessage(cx.Messages, "Invalid temp directory");
        cx.AbortFlag = 1;
        Restore(t, saved);
        return;
    }
    DxfGroupReader g(lines);
    ReadEntities(cx, g);
    Restore(t, saved);
}

} // namespace vak1
