// Contour import: the entities of a DXF file read through the shared group reader.
#include "cad/dxfimport.h"

#include <cmath>
#include <vector>

#include "cad/dxfgroups.h"
#include "text/parse.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

struct Vertex {
    long double x = 0, y = 0, bulge = 0;
};

struct Polyline {
    bool closed = false;
    bool mirrored = false; // extrusion direction (0, 0, -1): x runs the other way
    std::vector<Vertex> vertices;
};

std::string Trimmed(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

long double Number(const std::string& v) {
    return ParseNumber(v).value;
}

// Groups of one entity up to the next group 0, which is left in next.
std::vector<DxfGroup> EntityGroups(DxfGroupReader& r, DxfGroup& next, bool& more) {
    std::vector<DxfGroup> groups;
    while ((more = r.Next()) && r.Current().code != 0)
        groups.push_back(r.Current());
    if (more) next = r.Current();
    return groups;
}

void ApplyCommon(const DxfGroup& g, Polyline& p) {
    if (g.code == 70) p.closed = (g.integer & 1) != 0;
    if (g.code == 230 && g.Number() < 0) p.mirrored = true;
}

bool Is3dOrMesh(const std::vector<DxfGroup>& header) {
    for (const auto& g : header)
        if (g.code == 70 && (g.integer & (8 | 16 | 64))) return true;
    return false;
}

// Vertices repeat their codes: 10 starts the next vertex.
Polyline LwPolyline(const std::vector<DxfGroup>& groups) {
    Polyline p;
    for (const auto& g : groups) {
        ApplyCommon(g, p);
        if (g.code == 10) p.vertices.push_back(Vertex{g.Number(), 0, 0});
        if (p.vertices.empty()) continue;
        if (g.code == 20) p.vertices.back().y = g.Number();
        if (g.code == 42) p.vertices.back().bulge = g.Number();
    }
    return p;
}

// POLYLINE header groups, then VERTEX entities up to SEQEND.
Polyline OldPolyline(const std::vector<DxfGroup>& header, DxfGroupReader& r, DxfGroup& next,
                     bool& more) {
    Polyline p;
    for (const auto& g : header)
        ApplyCommon(g, p);
    while (more && next.IsEntity("VERTEX")) {
        Vertex v;
        ReadDxfFields(r, {{10, &v.x}, {20, &v.y}, {42, &v.bulge}});
        if ((more = r.Ok())) next = r.Current();
        p.vertices.push_back(v);
    }
    return p;
}

long double UnitFactor(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i + 2 < lines.size(); ++i)
        if (Trimmed(lines[i]) == "$INSUNITS" && Number(lines[i + 2]) == 1) return 25.4L;
    return 1;
}

} // namespace

DxfImportResult ImportDxfContour(const std::string& path, ProjectData& project) {
    DxfImportResult result;
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        result.error = "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !";
        return result;
    }
    DxfGroupReader r(lines);
    bool more = r.Next();
    DxfGroup g = r.Current();
    bool inBlocks = false;
    Polyline found;
    bool haveFound = false;
    while (more && !haveFound) {
        if (g.code != 0) {
            if ((more = r.Next())) g = r.Current();
            continue;
        }
        const std::string type(g.Name());
        if (type == "EOF") break;
        DxfGroup next;
        std::vector<DxfGroup> groups = EntityGroups(r, next, more);
        if (type == "SECTION")
            for (const auto& s : groups)
                if (s.code == 2) inBlocks = s.Name() == "BLOCKS";
        if (type == "ENDSEC") inBlocks = false;
        Polyline p;
        bool candidate = false;
        if (type == "LWPOLYLINE") {
            p = LwPolyline(groups);
            candidate = true;
        } else if (type == "POLYLINE") {
            p = OldPolyline(groups, r, next, more);
            candidate = !Is3dOrMesh(groups);
        }
        // An entity cut short by a format error is not taken.
        if (candidate && !inBlocks && p.closed && !p.vertices.empty() && !r.Failed()) {
            found = std::move(p);
            haveFound = true;
        }
        g = next;
    }
    if (r.Failed() && !haveFound) {
        result.error =
            "Datei " + path + ": keine DXF-Datei (Zeile " + std::to_string(r.FailedLine()) + ")";
        return result;
    }
    if (!haveFound) {
        result.error = "Datei " + path + ": keine geschlossene Polylinie gefunden";
        return result;
    }
    const std::size_t n = found.vertices.size();
    if (n > kMaxPositions) {
        result.error = "Datei " + path + ": " + std::to_string(n) + " Punkte, zu viele Punkte !";
        return result;
    }
    const long double unit = UnitFactor(lines);
    for (const auto& v : found.vertices) {
        // The contour must stay within the coordinates a project can hold and read back.
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.bulge) ||
            !(std::fabs(v.x * unit) <= kCoordinateMax) ||
            !(std::fabs(v.y * unit) <= kCoordinateMax)) {
            result.error = "Datei " + path + cp850(": ungültige Koordinate");
            return result;
        }
    }
    project.ResetContour();
    for (const auto& v : found.vertices) {
        const long double sign = found.mirrored ? -1 : 1;
        project.Positions[++project.PosCount] =
            TPosition{sign * v.x * unit, v.y * unit, sign * 4 * std::atan(v.bulge)};
    }
    result.ok = true;
    result.vertices = static_cast<int>(n);
    return result;
}

} // namespace vak1
