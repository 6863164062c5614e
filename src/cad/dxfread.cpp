// Block file reader of the screen device: groups, entity readers and the nesting.
#include "cad/dxfread.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "app/App.h"
#include "cad/ScreenOutput.h"
#include "cad/cad.h"
#include "calc/section.h"
#include "project/messages.h"
#include "dialogs/dialogs.h"
#include "text/parse.h"

namespace vak1 {

namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180;

// The groups of one block file, read from memory: a code line and a value line each.
class GroupReader {
  public:
    explicit GroupReader(std::string text) : text_(std::move(text)) {}
    // False at the end of the file (no complete group left).
    bool Next() {
        std::string_view codeLine, valueLine;
        if (!ReadLine(codeLine) || !ReadLine(valueLine)) return ok = false;
        const ParsedInteger c = ParseInteger(codeLine);
        code = c.valid ? static_cast<int>(c.value) : -1; // an unreadable code is skipped
        value.assign(valueLine);
        return ok = true;
    }
    bool AtEntity() const { return ok && code == 0; }
    long double Number() const { return ParseNumber(value).value; }

    bool ok = false;
    int code = -1;
    std::string value;

  private:
    bool ReadLine(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string::npos) end = text_.size();
        std::size_t stop = end;
        if (stop > pos_ && text_[stop - 1] == '\r') --stop;
        line = std::string_view(text_).substr(pos_, stop - pos_);
        pos_ = end + 1;
        return true;
    }
    std::string text_;
    std::size_t pos_ = 0;
};

struct Point {
    long double x = 0, y = 0;
};

Point Transform(const CadInsertState& t, long double x, long double y) {
    const long double c = std::cos(t.Rotation * kDegree), s = std::sin(t.Rotation * kDegree);
    return {t.OffsetX + t.ScaleX * x * c - t.ScaleY * y * s,
            t.OffsetY + t.ScaleY * y * c + t.ScaleX * x * s};
}

// Reads the groups of the current entity up to the next group with code 0 (or the end),
// handing each to take.
template <class Take> void ReadEntity(GroupReader& g, Take take) {
    while (g.Next() && g.code != 0)
        take(g);
}

void ReadLine(App& app, GroupReader& g) {
    int layer = 0;
    long double v[4] = {};
    ReadEntity(g, [&](GroupReader& r) {
        switch (r.code) {
        case 8:
            layer = DxfLayerNumber(app.Config, r.value);
            break;
        case 10:
            v[0] = r.Number();
            break;
        case 20:
            v[1] = r.Number();
            break;
        case 11:
            v[2] = r.Number();
            break;
        case 21:
            v[3] = r.Number();
            break;
        default:
            break;
        }
    });
    const CadInsertState& t = app.Cad.Insert;
    const Point a = Transform(t, v[0], v[1]), b = Transform(t, v[2], v[3]);
    CadSetLayer(app, layer);
    CadLine(app, a.x, a.y, b.x, b.y);
}

void ReadCircleOrArc(App& app, GroupReader& g, bool arc) {
    int layer = 0;
    long double x = 0, y = 0, r = 0, a1 = 0, a2 = 0;
    ReadEntity(g, [&](GroupReader& q) {
        switch (q.code) {
        case 8:
            layer = DxfLayerNumber(app.Config, q.value);
            break;
        case 10:
            x = q.Number();
            break;
        case 20:
            y = q.Number();
            break;
        case 40:
            r = q.Number();
            break;
        case 50:
            a1 = q.Number();
            break;
        case 51:
            a2 = q.Number();
            break;
        default:
            break;
        }
    });
    const CadInsertState& t = app.Cad.Insert;
    const Point c = Transform(t, x, y);
    CadSetLayer(app, layer);
    if (arc)
        CadArc(app, c.x, c.y, a1 + t.Rotation, a2 + t.Rotation, r * t.ScaleX);
    else
        CadCircle(app, c.x, c.y, r * t.ScaleX);
}

void ReadText(App& app, GroupReader& g) {
    int layer = 0;
    long double x = 0, y = 0, h = 3.5L, f = 1, rot = 0;
    std::string text;
    ReadEntity(g, [&](GroupReader& q) {
        switch (q.code) {
        case 1:
            text = q.value;
            break;
        case 8:
            layer = DxfLayerNumber(app.Config, q.value);
            break;
        case 10:
            x = q.Number();
            break;
        case 20:
            y = q.Number();
            break;
        case 40:
            h = q.Number();
            break;
        case 41:
            f = q.Number();
            break;
        case 50:
            rot = q.Number();
            break;
        default:
            break; // 51, the oblique angle, stays the configured one
        }
    });
    const CadInsertState& t = app.Cad.Insert;
    const Point p = Transform(t, x, y);
    CadSetLayer(app, layer);
    CadTextStyle(app, 2, h * f * t.ScaleX, h * t.ScaleY, rot + t.Rotation);
    CadText(app, text, p.x, p.y);
}

void ReadSolid(App& app, GroupReader& g) {
    int layer = 0;
    long double v[8] = {};
    ReadEntity(g, [&](GroupReader& q) {
        if (q.code == 8) layer = DxfLayerNumber(app.Config, q.value);
        if (q.code >= 10 && q.code <= 13) v[2 * (q.code - 10)] = q.Number();
        if (q.code >= 20 && q.code <= 23) v[2 * (q.code - 20) + 1] = q.Number();
    });
    const CadInsertState& t = app.Cad.Insert;
    Point p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Transform(t, v[2 * i], v[2 * i + 1]);
    CadSetLayer(app, layer);
    CadSolid(app, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
}

struct Vertex {
    int layer = 0;
    long double x = 0, y = 0, angle = 0; // included angle of the edge to the next, degrees
};

Vertex ReadVertex(App& app, GroupReader& g) {
    Vertex v;
    ReadEntity(g, [&](GroupReader& q) {
        switch (q.code) {
        case 8:
            v.layer = DxfLayerNumber(app.Config, q.value);
            break;
        case 10:
            v.x = q.Number();
            break;
        case 20:
            v.y = q.Number();
            break;
        case 42:
            v.angle = 4 * std::atan(q.Number()) / kDegree;
            break;
        default:
            break;
        }
    });
    return v;
}

void DrawEdge(App& app, const Vertex& p, const Vertex& q) {
    const CadInsertState& t = app.Cad.Insert;
    const Point a = Transform(t, p.x, p.y), b = Transform(t, q.x, q.y);
    CadSetLayer(app, q.layer);
    if (p.angle == 0) {
        CadLine(app, a.x, a.y, b.x, b.y);
        return;
    }
    // A mirroring insertion turns the arc the other way.
    const long double phi = p.angle * kDegree * (t.ScaleX * t.ScaleY < 0 ? -1 : 1);
    ArcCenter c;
    GetArcCenter(a.x, a.y, b.x, b.y, phi, c, app.Messages, app.Config);
    CadArc(app, c.yc, c.zc, c.a1 / kDegree, c.a2 / kDegree, c.r);
}

void ReadPolyline(App& app, GroupReader& g) {
    int flag = 0;
    ReadEntity(g, [&](GroupReader& q) {
        if (q.code == 70) flag = static_cast<int>(q.Number());
    });
    if (!g.AtEntity() || g.value != "VERTEX") {
        if (app.Env.ui)
            ShowError(Dialogs(app), "Error in DXF File");
        else
            AddMessage(app.Messages, "Error in DXF File");
        return;
    }
    const Vertex first = ReadVertex(app, g);
    Vertex p = first;
    while (g.AtEntity() && g.value == "VERTEX") {
        const Vertex q = ReadVertex(app, g);
        DrawEdge(app, p, q);
        p = q;
    }
    if (flag & 1) {
        Vertex straight = p;
        straight.angle = 0;
        Vertex back = first;
        back.layer = p.layer;
        DrawEdge(app, straight, back);
    }
}

void ReadInsert(App& app, GroupReader& g) {
    int layer = 0;
    std::string name;
    long double x = 0, y = 0, sx = 1, sy = 1, rot = 0;
    ReadEntity(g, [&](GroupReader& q) {
        switch (q.code) {
        case 2:
            name = q.value;
            break;
        case 8:
            layer = DxfLayerNumber(app.Config, q.value);
            break;
        case 10:
            x = q.Number();
            break;
        case 20:
            y = q.Number();
            break;
        case 41:
            sx = q.Number();
            break;
        case 42:
            sy = q.Number();
            break;
        case 50:
            rot = q.Number();
            break;
        default:
            break;
        }
    });
    ReadBlock(app, name, x, y, rot, sx, sy);
    CadSetLayer(app, layer);
}

bool LoadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

void ReadEntities(App& app, GroupReader& g) {
    bool have = g.Next();
    while (have && !app.State.AbortFlag) {
        if (g.code != 0) {
            have = g.Next();
            continue;
        }
        const std::string& v = g.value;
        if (v == "EOF") break;
        if (v == "LINE")
            ReadLine(app, g);
        else if (v == "POLYLINE")
            ReadPolyline(app, g);
        else if (v == "CIRCLE")
            ReadCircleOrArc(app, g, false);
        else if (v == "ARC")
            ReadCircleOrArc(app, g, true);
        else if (v == "TEXT")
            ReadText(app, g);
        else if (v == "SOLID")
            ReadSolid(app, g);
        else if (v == "INSERT")
            ReadInsert(app, g);
        else
            g.Next();
        have = g.ok;
    }
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

void ReadBlock(App& app, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy) {
    CadInsertState& t = app.Cad.Insert;
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
        AddMessage(app.Messages, "error blockno." + std::to_string(t.Depth));
        t = saved;
        return;
    }
    std::string text;
    if (!LoadFile(BlockFilePath(app.Config, name), text)) {
        AddMessage(app.Messages, "Invalid temp directory");
        app.State.AbortFlag = 1;
        t = saved;
        return;
    }
    GroupReader g(std::move(text));
    ReadEntities(app, g);
    t = saved;
}

} // namespace vak1
