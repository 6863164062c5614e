// The CAD layer operations: what every device shares, then the call of the open device.
#include "cad/cad.h"

#include <algorithm>
#include <cstdio>

#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "cad/CadOutput.h"
#include "cad/DxfOutput.h"
#include "cad/IgesOutput.h"
#include "cad/PlotOutput.h"
#include "cad/plotline.h"
#include "cad/ScreenOutput.h"
#include "cad/TxtOutput.h"
#include "dialogs/dialogs.h"
#include "text/parse.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {

const char* const kCadDeviceCaptions[5] = {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                                           "Ausgabe auf Laserprinter/Plotter mit KARTUNO", "TXT"};

CadLayer::CadLayer() = default;
CadLayer::~CadLayer() = default;
CadLayer::CadLayer(CadLayer&&) noexcept = default;
CadLayer& CadLayer::operator=(CadLayer&&) noexcept = default;

DialogContext CadContext::Dialogs() const {
    return {*ui, Config, AbortFlag, MessageDisplay, OverwriteQuestion};
}

namespace {

constexpr std::size_t kLayerNameLength = 32;

std::unique_ptr<CadOutput> MakeOutput(const CadContext& cx, uint16_t device) {
    switch (device) {
    case cdDxf:
        return std::make_unique<DxfOutput>(cx);
    case cdIges:
        return std::make_unique<IgesOutput>(cx);
    case cdScreen:
        return std::make_unique<ScreenOutput>(cx);
    case cdPlot:
        return std::make_unique<PlotOutput>(cx);
    case cdTxt:
        return std::make_unique<TxtOutput>(cx);
    default:
        return nullptr;
    }
}

// A failure that ends the drawing: remembered for unattended jobs, shown when there is a Ui.
void Fail(const CadContext& cx, const std::string& text) {
    cx.Cad.WriteError = text;
    cx.AbortFlag = 1;
    if (cx.ui) ShowError(cx.Dialogs(), text);
}

void ChooseDevice(const CadContext& cx) {
    if (!cx.ui) {
        cx.AbortFlag = 1;
        return;
    }
    std::vector<std::string> lines(kCadDeviceCaptions, kCadDeviceCaptions + 5);
    uint16_t choice = cx.Cad.CadDevice;
    InputChoice(cx.Dialogs(), kHelpDevice, "CAD-Code", lines, choice);
    if (cx.AbortFlag) return;
    cx.Cad.CadDevice = choice;
    if (choice == cdPlot) ChoosePlotLine(cx);
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
bool ChooseFile(const CadContext& cx, const std::string& ext) {
    CadLayer& cad = cx.Cad;
    if (!cad.JobOutputBase.empty()) {
        cad.FileName = cad.JobOutputBase + "." + ext;
        return true;
    }
    std::string path;
    const std::string pattern = "*." + ext;
    const std::string filter = pattern + "|" + pattern + "|*.*|*.*";
    if (!cx.ui ||
        !DialogUi(cx.Dialogs(), kHelpOpen)
             .SaveFileDialog(filter, FolderPath(cx.Config.CadDir), cx.ProjectName, path) ||
        path.empty()) {
        cx.AbortFlag = 1;
        cad.FileName.clear();
        return false;
    }
    if (!HasDot(path)) path += "." + ext;
    cad.FileName = path;
    return true;
}

// Time, date, program and project file, at the foot of a screen drawing.
std::string IdentificationLine(const CadContext& cx) {
    SystemClock system;
    const Clock& clock = cx.clock ? *cx.clock : static_cast<const Clock&>(system);
    const DateTime t = clock.Now();
    char when[40];
    std::snprintf(when, sizeof when, "%02d:%02d %02d.%02d.%04d", t.hour, t.minute, t.day, t.month,
                  t.year);
    std::string file = cx.ProjectPath();
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
void DefineLogoBlocks(const CadContext& cx) {
    for (const char* name : kLogoBlocks)
        DefineFileBlock(cx, name);
}

void InsertLogo(const CadContext& cx, const char* name, long double yFraction) {
    const CadLayer& c = cx.Cad;
    if (!FileExists(BlockFilePath(cx.Config, name))) return;
    if (c.Out->Device() == cdPlot &&
        std::find(c.FileBlocks.begin(), c.FileBlocks.end(), name) == c.FileBlocks.end())
        return;
    CadInsert(cx, name, c.XMin + 0.91L * c.Width, c.YMin + yFraction * c.Height, 0, c.Width / 480,
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

void CadOpen(const CadContext& cx, CadDeviceCode mode) {
    CadLayer& cad = cx.Cad;
    cad.FormSheetMarker = 0;
    cad.WriteFailed = false;
    cad.WriteError.clear();
    cad.FileBlocks.clear();
    cad.Out.reset();
    if (mode != cdChoose)
        cad.CadDevice = mode;
    else
        ChooseDevice(cx);
    if (cx.AbortFlag) return;
    auto out = MakeOutput(cx, cad.CadDevice);
    if (!out) {
        Fail(cx, cp850("Unbekanntes Ausgabegerät ") + std::to_string(cad.CadDevice));
        return;
    }
    if (cad.CadDevice == cdPlot) {
        cad.FileName = FolderPath(cx.Config.TempDir) + kPlotFileName;
    } else if (*out->Extension() != '\0' && !ChooseFile(cx, out->Extension())) {
        return;
    }
    if (!out->Open()) {
        Fail(cx, cad.WriteError.empty() ? FileErrorText(*out) : cad.WriteError);
        return;
    }
    cad.Out = std::move(out);
}

void CadClose(const CadContext& cx) {
    CadLayer& cad = cx.Cad;
    if (!cad.Out) return;
    const bool ok = cad.Out->Close();
    const std::string error = ok ? std::string() : FileErrorText(*cad.Out);
    cad.Out.reset();
    cad.BlockMode = false;
    if (!ok) {
        cad.WriteFailed = true;
        Fail(cx, error);
    }
}

void CadLimits(const CadContext& cx, long double xmin, long double ymin, long double xmax,
               long double ymax) {
    CadLayer& c = cx.Cad;
    c.XMin = xmin;
    c.YMin = ymin;
    c.XMax = xmax;
    c.YMax = ymax;
    c.Width = xmax - xmin;
    c.Height = ymax - ymin;
    if (!c.Out) return;
    c.Out->Limits(xmin, ymin, xmax, ymax);
    const uint16_t dev = c.Out->Device();
    if ((dev == cdScreen || dev == cdPlot) && cx.Config.ScreendumpBorder) {
        CadSetLayer(cx, 19);
        CadRectangle(cx, xmin, ymin, xmax, ymax);
    }
    if (dev == cdScreen) {
        CadSetLayer(cx, 30);
        CadTextStyle(cx, 2, 0.0045L * c.Width, 0.006L * c.Height, 0);
        CadText(cx, IdentificationLine(cx), xmin + 0.005L * c.Width, ymin + 0.002L * c.Height);
    }
}

void CadTables(const CadContext& cx, int variant) {
    if (cx.Cad.Out) cx.Cad.Out->Tables(variant);
}

bool DefineFileBlock(const CadContext& cx, const char* name) {
    auto* dxf = dynamic_cast<DxfOutput*>(cx.Cad.Out.get());
    std::vector<std::string> groups;
    if (!dxf || !ReadBlockGroups(BlockFilePath(cx.Config, name), groups)) return false;
    dxf->CopyBlock(name, groups);
    cx.Cad.FileBlocks.emplace_back(name);
    return true;
}

void CadBlocksBegin(const CadContext& cx) {
    if (!cx.Cad.Out) return;
    cx.Cad.Out->BlocksBegin();
    cx.Cad.BlockMode = true;
}

void CadBlocksEnd(const CadContext& cx) {
    if (!cx.Cad.Out) return;
    if (cx.Cad.Out->Device() == cdPlot && cx.Cad.FormSheetMarker != 2) DefineLogoBlocks(cx);
    cx.Cad.BlockMode = false;
    cx.Cad.Out->BlocksEnd();
}

void CadBlockBegin(const CadContext& cx, const std::string& name) {
    if (cx.Cad.Out) cx.Cad.Out->BlockBegin(name);
}

void CadBlockEnd(const CadContext& cx) {
    if (cx.Cad.Out) cx.Cad.Out->BlockEnd();
}

void CadEntitiesBegin(const CadContext& cx) {
    CadLayer& c = cx.Cad;
    if (!c.Out) return;
    c.Out->EntitiesBegin();
    // The form sheet's frame is defined before its entities begin; every other kind gets the
    // logos that may lie in the temporary folder.
    const uint16_t dev = c.Out->Device();
    if (c.FormSheetMarker != 2 && (dev == cdScreen || dev == cdPlot)) {
        InsertLogo(cx, kLogoBlocks[0], 0.01L);
        InsertLogo(cx, kLogoBlocks[1], 0.96L);
    }
}

void CadEntitiesEnd(const CadContext& cx) {
    if (cx.Cad.Out) cx.Cad.Out->EntitiesEnd();
}

void CadSetLayer(const CadContext& cx, int n) {
    n = CadLayerNumber(n);
    if (n < 0) n = 0;
    CadLayer& c = cx.Cad;
    c.LayerNumber = n;
    c.LineStyle = 0;
    c.LayerName = CadLayerName(cx.Config, n);
    if (c.LayerName.size() > kLayerNameLength) c.LayerName.resize(kLayerNameLength);
    if (c.Out) c.Out->Layer(n);
}

void CadSetLineStyle(const CadContext& cx, int n) {
    cx.Cad.LineStyle = static_cast<uint16_t>(n >= 0 && n <= 3 ? n : 0);
    if (cx.Cad.Out) cx.Cad.Out->LineStyle(cx.Cad.LineStyle);
}

void CadTextStyle(const CadContext& cx, int kind, long double width, long double height,
                  long double angle) {
    CadLayer& c = cx.Cad;
    const Settings& s = cx.Config;
    c.TextHeight = height;
    c.TextWidthFactor = width != 0 && height != 0 ? s.CadTextWidthFactor * (width / height)
                                                  : s.CadTextWidthFactor * 0.7L;
    c.TextRotation = angle;
    c.TextOblique = s.CadTextAngle;
    if (c.Out) c.Out->TextStyle(kind, width, height, angle);
}

void CadLine(const CadContext& cx, long double x1, long double y1, long double x2, long double y2) {
    if (cx.Cad.Out) cx.Cad.Out->Line(x1, y1, x2, y2);
}

void CadCircle(const CadContext& cx, long double x, long double y, long double r) {
    if (cx.Cad.Out) cx.Cad.Out->Circle(x, y, r);
}

void CadArc(const CadContext& cx, long double x, long double y, long double a1, long double a2,
            long double r) {
    if (r == 0 || !cx.Cad.Out) return;
    cx.Cad.Out->Arc(x, y, a1, a2, r);
}

void CadText(const CadContext& cx, const std::string& text, long double x, long double y) {
    if (text.empty() || !cx.Cad.Out) return;
    cx.Cad.Out->Text(text, x, y);
}

void CadSolid(const CadContext& cx, long double x1, long double y1, long double x2, long double y2,
              long double x3, long double y3, long double x4, long double y4) {
    if (cx.Cad.Out) cx.Cad.Out->Solid(x1, y1, x2, y2, x3, y3, x4, y4);
}

void CadInsert(const CadContext& cx, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy) {
    if (cx.Cad.Out) cx.Cad.Out->Insert(name, x, y, rotation, sx, sy);
}

void CadMoveTo(const CadContext& cx, long double x, long double y) {
    cx.Cad.CurX = x;
    cx.Cad.CurY = y;
}

void CadLineTo(const CadContext& cx, long double x, long double y) {
    CadLine(cx, cx.Cad.CurX, cx.Cad.CurY, x, y);
    CadMoveTo(cx, x, y);
}

void CadRectangle(const CadContext& cx, long double x1, long double y1, long double x2,
                  long double y2) {
    CadMoveTo(cx, x1, y1);
    CadLineTo(cx, x1, y2);
    CadLineTo(cx, x2, y2);
    CadLineTo(cx, x2, y1);
    CadLineTo(cx, x1, y1);
}

void CadPolyBegin(const CadContext& cx, bool closed) {
    if (cx.Cad.Out) cx.Cad.Out->PolyBegin(closed);
}

void CadVertex(const CadContext& cx, long double x, long double y, long double phi) {
    if (cx.Cad.Out) cx.Cad.Out->Vertex(x, y, phi);
}

void CadPolyEnd(const CadContext& cx) {
    if (cx.Cad.Out) cx.Cad.Out->PolyEnd();
}

} // namespace vak1
