// Reading the project file into a copy of the project; the copy replaces the current
// project only when every line was as the writer writes it.
#include <cerrno>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "docu/Documentation.h"
#include "docu/docusections.h"
#include "model/ProjectData.h"
#include "project/projectfile.h"
#include "settings/Settings.h"
#include "text/formats.h"
#include "text/cp850.h"
#include "text/linecursor.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

bool ReadHeader(LineCursor& in, ProjectData& p) {
    const std::string rule(65, '-');
    std::string version;
    if (!in.Expect(rule) || !in.Expect(kProgramTitle) || !in.Next(version)) return false;
    if (!version.starts_with("Version ")) {
        in.Fail("\"Version ...\" erwartet");
        return false;
    }
    if (!in.Expect(rule)) return false;
    for (auto& line : p.RemarkLines)
        if (!in.Text(line, kRemarkLineLength)) return false;
    return true;
}

// A value must lie in the range the input dialogs accept: the calculation and every view
// rely on it.
bool RangedNumber(LineCursor& in, long double& value, long double min, long double max) {
    long double v = 0;
    if (!in.Number(v)) return false;
    if (v < min || v > max) {
        Settings plain;
        in.Fail(cp850("Wert außerhalb ") + FormatSignificant(plain, min) + " .. " +
                FormatSignificant(plain, max));
        return false;
    }
    value = v;
    return true;
}

// An arc angle below a full turn. The file's ten decimals may round an angle just below it
// up to 6.2831853072, a little more than a full turn; that is taken back as the largest
// angle below.
bool ArcAngle(LineCursor& in, long double& phi) {
    constexpr long double kFileRounding = 5e-11L;
    long double v = 0;
    if (!in.Number(v)) return false;
    if (!(std::fabs(v) < kFullTurn + kFileRounding)) {
        in.Fail("Kreisbogenwinkel von 360 Grad oder mehr");
        return false;
    }
    if (std::fabs(v) >= kFullTurn) v = std::copysign(std::nextafter(kFullTurn, 0.0L), v);
    phi = v;
    return true;
}

bool ReadContour(LineCursor& in, ProjectData& p) {
    const std::string rule(15, '-');
    long count = 0;
    if (!in.Expect(rule) || !in.Expect("1. KONTUR") || !in.Expect(rule) ||
        !in.Expect("Anz. Konturelemente") || !in.Integer(count, 0, kMaxPositions) ||
        !in.Expect(std::string(22, '-')))
        return false;
    p.ResetContour();
    std::vector<TPosition> positions(static_cast<std::size_t>(count));
    for (long k = 1; k <= count; ++k) {
        TPosition& pos = positions[static_cast<std::size_t>(k - 1)];
        if (!in.Expect(std::to_string(k) + ". Punkt") ||
            !RangedNumber(in, pos.y, -kCoordinateMax, kCoordinateMax) ||
            !RangedNumber(in, pos.z, -kCoordinateMax, kCoordinateMax) || !ArcAngle(in, pos.phi) ||
            !in.Expect("------"))
            return false;
    }
    p.Positions = std::move(positions);
    return true;
}

bool ReadBodyAndTexts(LineCursor& in, ProjectData& p) {
    return RangedNumber(in, p.rho, kRhoMin, kRhoMax) && RangedNumber(in, p.lx, kLxMin, kLxMax) &&
           RangedNumber(in, p.ArcDivision, kArcDivisionMin, kArcDivisionMax) &&
           in.Text(p.DrawingName, kDrawingNameLength) &&
           in.Text(p.DrawingNumber, kDrawingNumberLength) &&
           in.Text(p.DrawingName2, kDrawingName2Length);
}

bool ReadOptions(LineCursor& in, ProjectData& p) {
    long hatching = 0, axes = 0;
    if (!in.Integer(hatching, 0, 1) || !in.Integer(axes, 0, 1)) return false;
    p.DrawHatching = hatching == 1;
    p.DrawPrincipalAxes = axes == 1;
    return true;
}

} // namespace

ProjectReadResult ReadProjectFile(ProjectData& project, Documentation& docu,
                                  const std::string& path) {
    ProjectReadResult r;
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines, &r.error, kMaxProjectFileBytes)) {
        if (r.error == 0) r.error = -1;
        return r;
    }
    auto readProject = std::make_unique<ProjectData>(project);
    auto readDocu = std::make_unique<Documentation>(docu);
    LineCursor in(lines);
    r.ok = ReadHeader(in, *readProject) && ReadContour(in, *readProject) &&
           ReadBodyAndTexts(in, *readProject) && ReadChangesSection(in, *readDocu) &&
           ReadDocumentsSection(in, *readDocu) && ReadOptions(in, *readProject);
    if (!r.ok) {
        r.line = in.FailLine();
        r.reason = in.FailReason();
        return r;
    }
    project = *readProject;
    docu = std::move(*readDocu);
    return r;
}

} // namespace vak1
