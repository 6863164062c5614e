// The CAD layer operations: what every device shares, then the call of the open device.
#include "cad/cad.h"

#include <algorithm>
#include <cstdio>

#include "app/App.h"
#include "cad/CadOutput.h"
#include "cad/DxfOutput.h"
#include "cad/IgesOutput.h"
#include "cad/PlotOutput.h"
#include "cad/ScreenOutput.h"
#include "cad/TxtOutput.h"
#include "dialogs/dialogs.h"
#include "text/parse.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {

const char* const kCadDeviceCaptions[5] = {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                                           "Ausgabe auf Laserprinter/Plotter mit KARTUNO", "TXT"};

CadLayer::CadLayer() = default;
CadLayer::~CadLayer() = default;
CadLayer::CadLayer(CadLayer&&) noexcept = default;
CadLayer& CadLayer::operator=(CadLayer&&) noexcept = default;

namespace {

constexpr std::size_t kLayerNameLength = 32;
constexpr uint16_t kHelpDevice = 2050;

std::unique_ptr<CadOutput> MakeOutput(App& app, uint16_t device) {
    switch (device) {
    case cdDxf:
        return std::make_unique<DxfOutput>(app);
    case cdIges:
        return std::make_unique<IgesOutput>(app);
    case cdScreen:
        return std::make_unique<ScreenOutput>(app);
    case cdPlot:
        return std::make_unique<PlotOutput>(app);
    case cdTxt:
        return std::make_unique<TxtOutput>(app);
    default:
        return nullptr;
    }
}

// A failure that ends the drawing: remembered for unattended jobs, shown when there is a Ui.
void Fail(App& app, const std::string& text) {
    app.Cad.WriteError = text;
    app.State.AbortFlag = 1;
    if (app.Env.ui) ShowError(Dialogs(app), text);
}

void ChooseDevice(App& app) {
    if (!app.Env.ui) {
        app.State.AbortFlag = 1;
        return;
    }
    std::vector<std::string> lines(kCadDeviceCaptions, kCadDeviceCaptions + 5);
    uint16_t choice = app.Cad.CadDevice;
    InputChoice(Dialogs(app), kHelpDevice, "CAD-Code", lines, choice);
    if (app.State.AbortFlag) return;
    app.Cad.CadDevice = choice;
    // Choice 4 picks and edits the plotting command line; until that dialog exists the stored
    // line of the last plot is used as it stands.
}

std::string FileErrorText(const CadOutput& out) {
    const CadFile* f = out.File();
    if (!f || !f->Failed()) return "I/O-Error";
    if (!f->Message().empty()) return f->Message() + " (" + f->Path() + ")";
    return IoErrorText(f->Stage(), f->ErrorCode()) + " (" + f->Path() + ")";
}

bool HasDot(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return path.find('.', slash == std::string::npos ? 0 : slash + 1) != std::string::npos;
}

// File name of a file device: the job's name, else the save dialog.
bool ChooseFile(App& app, const std::string& ext) {
    CadLayer& cad = app.Cad;
    if (!cad.JobOutputBase.empty()) {
        cad.FileName = cad.JobOutputBase + "." + ext;
        return true;
    }
    std::string path;
    const std::string pattern = "*." + ext;
    const std::string filter = pattern + "|" + pattern + "|*.*|*.*";
    if (!app.Env.ui ||
        !DialogUi(Dialogs(app), kHelpOpen)
             .SaveFileDialog(filter, FolderPath(app.Config.CadDir), app.State.ProjectName, path) ||
        path.empty()) {
        app.State.AbortFlag = 1;
        cad.FileName.clear();
        return false;
    }
    if (!HasDot(path)) path += "." + ext;
    cad.FileName = path;
    return true;
}

// Time, date, program and project file, at the foot of a screen drawing.
std::string IdentificationLine(const App& app) {
    SystemClock system;
    const Clock& clock = app.Env.clock ? *app.Env.clock : static_cast<const Clock&>(system);
    const DateTime t = clock.Now();
    char when[40];
    std::snprintf(when, sizeof when, "%02d:%02d %02d.%02d.%04d", t.hour, t.minute, t.day,
                  t.month, t.year);
    std::string file = app.State.ProjectPath();
    if (file.size() > 120) file.resize(120);
    return std::string(when) + "  " + kProgramName + " " + kVersion + "  " + file;
}

const char* const kLogoBlocks[2] = {"LOGO_2", "LOGO_3"};

// The entity groups of a block file without its closing "0 EOF"; false unless the file is a
// plain sequence of groups ending so.
bool ReadBlockGroups(const std::string& path, std::vector<std::string>& groups) {
    if (!ReadTextLines(path, groups) || groups.size() < 2 || groups.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < groups.size(); i += 2) {
        const ParsedInteger code = ParseInteger(groups[i]);
        if (!code.valid || code.value < 0 || code.value > 1071) return false;
    }
    if (ParseInteger(groups[groups.size() - 2]).value != 0 || groups.back() != "EOF") return false;
    groups.resize(groups.size() - 2);
    return true;
}

// A plot file goes to another program, which cannot see the temporary folder's block files:
// the logos it inserts are defined in the file itself, or not inserted.
void DefineLogoBlocks(App& app) {
    for (const char* name : kLogoBlocks) DefineFileBlock(app, name);
}

void InsertLogo(App& app, const char* name, long double yFraction) {
    const CadLayer& c = app.Cad;
    if (!FileExists(BlockFilePath(app.Config, name))) return;
    if (c.Out->Device() == cdPlot &&
        std::find(c.FileBlocks.begin(), c.FileBlocks.end(), name) == c.FileBlocks.end())
        return;
    CadInsert(app, name, c.XMin + 0.91L * c.Width, c.YMin + yFraction * c.Height, 0, c.Width / 480,
              c.Height / 360);
}

} // namespace

int CadLayerNumber(int n) {
    return n > 31 ? 16 + n % 16 : n;
}

std::string CadLayerName(const Settings& s, int n) {
    if (n >= 1 && n <= 5) return s.LayerNames[static_cast<std::size_t>(n - 1)];
    return std::to_string(n);
}

void CadOpen(App& app, int mode) {
    CadLayer& cad = app.Cad;
    cad.FormSheetMarker = 0;
    cad.WriteFailed = false;
    cad.WriteError.clear();
    cad.FileBlocks.clear();
    cad.Out.reset();
    if (mode != 0)
        cad.CadDevice = static_cast<uint16_t>(mode);
    else
        ChooseDevice(app);
    if (app.State.AbortFlag) return;
    auto out = MakeOutput(app, cad.CadDevice);
    if (!out) {
        Fail(app, cp850("Unbekanntes Ausgabegerät ") + std::to_string(cad.CadDevice));
        return;
    }
    if (cad.CadDevice == cdPlot) {
        cad.FileName = FolderPath(app.Config.TempDir) + kPlotFileName;
    } else if (*out->Extension() != '\0' && !ChooseFile(app, out->Extension())) {
        return;
    }
    if (!out->Open()) {
        Fail(app, cad.WriteError.empty() ? FileErrorText(*out) : cad.WriteError);
        return;
    }
    cad.Out = std::move(out);
}

void CadClose(App& app) {
    CadLayer& cad = app.Cad;
    if (!cad.Out) return;
    const bool ok = cad.Out->Close();
    const std::string error = ok ? std::string() : FileErrorText(*cad.Out);
    cad.Out.reset();
    cad.BlockMode = false;
    if (!ok) {
        cad.WriteFailed = true;
        Fail(app, error);
    }
}

void CadLimits(App& app, long double xmin, long double ymin, long double xmax, long double ymax) {
    CadLayer& c = app.Cad;
    c.XMin = xmin;
    c.YMin = ymin;
    c.XMax = xmax;
    c.YMax = ymax;
    c.Width = xmax - xmin;
    c.Height = ymax - ymin;
    if (!c.Out) return;
    c.Out->Limits(xmin, ymin, xmax, ymax);
    const uint16_t dev = c.Out->Device();
    if ((dev == cdScreen || dev == cdPlot) && app.Config.ScreendumpBorder) {
        CadSetLayer(app, 19);
        CadRectangle(app, xmin, ymin, xmax, ymax);
    }
    if (dev == cdScreen) {
        CadSetLayer(app, 30);
        CadTextStyle(app, 2, 0.0045L * c.Width, 0.006L * c.Height, 0);
        CadText(app, IdentificationLine(app), xmin + 0.005L * c.Width, ymin + 0.002L * c.Height);
    }
}

void CadTables(App& app, int variant) {
    if (app.Cad.Out) app.Cad.Out->Tables(variant);
}

bool DefineFileBlock(App& app, const char* name) {
    auto* dxf = dynamic_cast<DxfOutput*>(app.Cad.Out.get());
    std::vector<std::string> groups;
    if (!dxf || !ReadBlockGroups(BlockFilePath(app.Config, name), groups)) return false;
    dxf->CopyBlock(name, groups);
    app.Cad.FileBlocks.emplace_back(name);
    return true;
}

void CadBlocksBegin(App& app) {
    if (!app.Cad.Out) return;
    app.Cad.Out->BlocksBegin();
    app.Cad.BlockMode = true;
}

void CadBlocksEnd(App& app) {
    if (!app.Cad.Out) return;
    if (app.Cad.Out->Device() == cdPlot && app.Cad.FormSheetMarker != 2) DefineLogoBlocks(app);
    app.Cad.BlockMode = false;
    app.Cad.Out->BlocksEnd();
}

void CadBlockBegin(App& app, const std::string& name) {
    if (app.Cad.Out) app.Cad.Out->BlockBegin(name);
}

void CadBlockEnd(App& app) {
    if (app.Cad.Out) app.Cad.Out->BlockEnd();
}

void CadEntitiesBegin(App& app) {
    CadLayer& c = app.Cad;
    if (!c.Out) return;
    c.Out->EntitiesBegin();
    // The form sheet's frame is defined before its entities begin; every other kind gets the
    // logos that may lie in the temporary folder.
    const uint16_t dev = c.Out->Device();
    if (c.FormSheetMarker != 2 && (dev == cdScreen || dev == cdPlot)) {
        InsertLogo(app, kLogoBlocks[0], 0.01L);
        InsertLogo(app, kLogoBlocks[1], 0.96L);
    }
}

void CadEntitiesEnd(App& app) {
    if (app.Cad.Out) app.Cad.Out->EntitiesEnd();
}

void CadSetLayer(App& app, int n) {
    n = CadLayerNumber(n);
    if (n < 0) n = 0;
    CadLayer& c = app.Cad;
    c.LayerNumber = n;
    c.LineStyle = 0;
    c.LayerName = CadLayerName(app.Config, n);
    if (c.LayerName.size() > kLayerNameLength) c.LayerName.resize(kLayerNameLength);
    if (c.Out) c.Out->Layer(n);
}

void CadSetLineStyle(App& app, int n) {
    app.Cad.LineStyle = static_cast<uint16_t>(n >= 0 && n <= 3 ? n : 0);
    if (app.Cad.Out) app.Cad.Out->LineStyle(app.Cad.LineStyle);
}

void CadTextStyle(App& app, int kind, long double width, long double height, long double angle) {
    CadLayer& c = app.Cad;
    const Settings& s = app.Config;
    c.TextHeight = height;
    c.TextWidthFactor = width != 0 && height != 0 ? s.CadTextWidthFactor * (width / height)
                                                  : s.CadTextWidthFactor * 0.7L;
    c.TextRotation = angle;
    c.TextOblique = s.CadTextAngle;
    if (c.Out) c.Out->TextStyle(kind, width, height, angle);
}

void CadLine(App& app, long double x1, long double y1, long double x2, long double y2) {
    if (app.Cad.Out) app.Cad.Out->Line(x1, y1, x2, y2);
}

void CadCircle(App& app, long double x, long double y, long double r) {
    if (app.Cad.Out) app.Cad.Out->Circle(x, y, r);
}

void CadArc(App& app, long double x, long double y, long double a1, long double a2, long double r) {
    if (r == 0 || !app.Cad.Out) return;
    app.Cad.Out->Arc(x, y, a1, a2, r);
}

void CadText(App& app, const std::string& text, long double x, long double y) {
    if (text.empty() || !app.Cad.Out) return;
    app.Cad.Out->Text(text, x, y);
}

void CadSolid(App& app, long double x1, long double y1, long double x2, long double y2,
              long double x3, long double y3, long double x4, long double y4) {
    if (app.Cad.Out) app.Cad.Out->Solid(x1, y1, x2, y2, x3, y3, x4, y4);
}

void CadInsert(App& app, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy) {
    if (app.Cad.Out) app.Cad.Out->Insert(name, x, y, rotation, sx, sy);
}

void CadMoveTo(App& app, long double x, long double y) {
    app.Cad.CurX = x;
    app.Cad.CurY = y;
}

void CadLineTo(App& app, long double x, long double y) {
    CadLine(app, app.Cad.CurX, app.Cad.CurY, x, y);
    CadMoveTo(app, x, y);
}

void CadRectangle(App& app, long double x1, long double y1, long double x2, long double y2) {
    CadMoveTo(app, x1, y1);
    CadLineTo(app, x1, y2);
    CadLineTo(app, x2, y2);
    CadLineTo(app, x2, y1);
    CadLineTo(app, x1, y1);
}

void CadPolyBegin(App& app, bool closed) {
    if (app.Cad.Out) app.Cad.Out->PolyBegin(closed);
}

void CadVertex(App& app, long double x, long double y, long double phi) {
    if (app.Cad.Out) app.Cad.Out->Vertex(x, y, phi);
}

void CadPolyEnd(App& app) {
    if (app.Cad.Out) app.Cad.Out->PolyEnd();
}

} // namespace vak1
