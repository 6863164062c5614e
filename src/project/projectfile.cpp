// The lines of the project file, and the project's name after its file.
#include "project/projectfile.h"

#include <filesystem>

#include "docu/Documentation.h"
#include "docu/docusections.h"
#include "model/ProjectData.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/filenumbers.h"
#include "text/linecursor.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

void WriteHeader(TextFileWriter& out, const ProjectData& p) {
    const std::string rule(65, '-');
    out.WriteLine(rule);
    out.WriteLine(kProgramTitle);
    out.WriteLine(std::string("Version ") + kVersion);
    out.WriteLine(rule);
    for (const auto& line : p.RemarkLines)
        out.WriteLine(SingleLine(line));
}

void WriteContour(TextFileWriter& out, const ProjectData& p, const Settings& s) {
    // Arc angles get all ten decimals whatever the display decimals say: fewer would turn
    // a 90 degree arc into 90.012 degrees at every save.
    Settings angle = s;
    angle.DecimalPlaces = 3;
    const std::string rule(15, '-');
    out.WriteLine(rule);
    out.WriteLine("1. KONTUR");
    out.WriteLine(rule);
    out.WriteLine("Anz. Konturelemente");
    out.WriteLine(std::to_string(p.PosCount()));
    out.WriteLine(std::string(22, '-'));
    for (int k = 1; k <= p.PosCount() && k <= kMaxPositions; ++k) {
        const TPosition& pos = p.Positions[static_cast<std::size_t>(k - 1)];
        out.WriteLine(std::to_string(k) + ". Punkt");
        out.WriteLine(FormatFileFixed(s, pos.y, 3));
        out.WriteLine(FormatFileFixed(s, pos.z, 3));
        out.WriteLine(FormatFileFixed(angle, pos.phi, 10));
        out.WriteLine("------");
    }
}

void WriteBodyAndTexts(TextFileWriter& out, const ProjectData& p, const Settings& s) {
    out.WriteLine(FormatBodyValue(s, p.rho));
    out.WriteLine(FormatBodyValue(s, p.lx));
    out.WriteLine(FormatBodyValue(s, p.ArcDivision));
    out.WriteLine(SingleLine(p.DrawingName));
    out.WriteLine(SingleLine(p.DrawingNumber));
    out.WriteLine(SingleLine(p.DrawingName2));
}

} // namespace

void WriteProjectLines(TextFileWriter& out, const ProjectData& p, Documentation& docu,
                       const Settings& config) {
    WriteHeader(out, p);
    WriteContour(out, p, config);
    WriteBodyAndTexts(out, p, config);
    WriteChangesSection(out, docu, config);
    WriteDocumentsSection(out, docu);
    out.WriteLine(p.DrawHatching ? "1" : "0");
    out.WriteLine(p.DrawPrincipalAxes ? "1" : "0");
}

void NameProjectAfter(const ProjectLocation& where, const std::string& path) {
    const std::filesystem::path p(path);
    where.name = p.stem().string();
    where.dir = p.has_parent_path() ? FolderPath(p.parent_path().string()) : "";
    where.file = path;
}

} // namespace vak1
