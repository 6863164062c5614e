// Group-pair reader for the contour import; tolerant of CR LF, blanks and unknown groups.
#include "cad/dxfimport.h"

#include <cmath>
#include <vector>

#include "input/parse.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

struct Group {
    int code = -1;
    std::string value;
};

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

class GroupReader {
  public:
    explicit GroupReader(const std::vector<std::string>& lines) : lines_(lines) {}
    // False at the end of the file or at a broken group code.
    bool Next(Group& g) {
        if (pos_ + 1 >= lines_.size()) return false;
        ParsedInteger code = ParseInteger(Trimmed(lines_[pos_]));
        if (!code.valid) {
            broken_ = true;
            return false;
        }
        g.code = static_cast<int>(code.value);
        g.value = Trimmed(lines_[pos_ + 1]);
        pos_ += 2;
        return true;
    }
    bool Broken() const { return broken_; }
    std::size_t Line() const { return pos_ + 1; }

  private:
    const std::vector<std::string>& lines_;
    std::size_t pos_ = 0;
    bool broken_ = false;
};

long double Number(const std::string& v) { return ParseNumber(v).value; }

// Groups of one entity up to the next group 0, which is left in next.
std::vector<Group> EntityGroups(GroupReader& r, Group& next, bool& more) {
    std::vector<Group> groups;
    while ((more = r.Next(next)) && next.code != 0) groups.push_back(next);
    return groups;
}

void ApplyCommon(const Group& g, Polyline& p) {
    if (g.code == 70) p.closed = (static_cast<long>(Number(g.value)) & 1) != 0;
    if (g.code == 230 && Number(g.value) < 0) p.mirrored = true;
}

bool Is3dOrMesh(const std::vector<Group>& header) {
    for (const auto& g : header)
        if (g.code == 70 && (static_cast<long>(Number(g.value)) & (8 | 16 | 64))) return true;
    return false;
}

Polyline LwPolyline(const std::vector<Group>& groups) {
    Polyline p;
    for (const auto& g : groups) {
        ApplyCommon(g, p);
        if (g.code == 10) p.vertices.push_back(Vertex{Number(g.value), 0, 0});
        if (p.vertices.empty()) continue;
        if (g.code == 20) p.vertices.back().y = Number(g.value);
        if (g.code == 42) p.vertices.back().bulge = Number(g.value);
    }
    return p;
}

// POLYLINE header groups, then VERTEX entities up to SEQEND.
Polyline OldPolyline(const std::vector<Group>& header, GroupReader& r, Group& next,
                     bool& more) {
    Polyline p;
    for (const auto& g : header) ApplyCommon(g, p);
    while (more && next.code == 0 && next.value == "VERTEX") {
        Vertex v;
        for (const auto& g : EntityGroups(r, next, more)) {
            if (g.code == 10) v.x = Number(g.value);
            if (g.code == 20) v.y = Number(g.value);
            if (g.code == 42) v.bulge = Number(g.value);
        }
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
    GroupReader r(lines);
    Group g;
    bool more = r.Next(g);
    bool inBlocks = false;
    Polyline found;
    bool haveFound = false;
    while (more && !haveFound) {
        if (g.code != 0) {
            more = r.Next(g);
            continue;
        }
        const std::string type = g.value;
        if (type == "EOF") break;
        Group next;
        std::vector<Group> groups = EntityGroups(r, next, more);
        if (type == "SECTION")
            for (const auto& s : groups)
                if (s.code == 2) inBlocks = s.value == "BLOCKS";
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
        if (candidate && !inBlocks && p.closed && !p.vertices.empty()) {
            found = std::move(p);
            haveFound = true;
        }
        g = next;
    }
    if (r.Broken() && !haveFound) {
        result.error = "Datei " + path + ": keine DXF-Datei (Zeile " + std::to_string(r.Line()) + ")";
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
