// Screen device: display-list records, and block files while block mode is on.
#include "cad/ScreenOutput.h"

#include <filesystem>
#include <system_error>

#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "graphics/GraphicsWindow.h"
#include "cad/cad.h"
#include "cad/dxfread.h"
#include "graphics/draw.h"
#include "graphics/replay.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "text/cp850.h"

namespace vak1 {

std::string BlockFilePath(const Settings& s, const std::string& name) {
    return FolderPath(s.TempDir) + "$" + name + ".dx$";
}

void DeleteBlockFiles(const Settings& s) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string folder = FolderPath(s.TempDir);
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= 5 && name.front() == '$' && name.ends_with(".dx$")) {
            std::error_code rm;
            if (it->is_regular_file(rm)) fs::remove(it->path(), rm);
        }
    }
}

DxfWriter* ScreenOutput::Block() const {
    return cx_.Cad.BlockMode ? block_.get() : nullptr;
}

bool ScreenOutput::Open() {
    Clear(cx_.Graphics);
    cx_.Graphics.WaitCursor = true;
    if (cx_.ui) cx_.ui->SetWaitCursor(true);
    SetLineStyle(cx_.Graphics, 0);
    cx_.Cad.Insert = CadInsertState{};
    return true;
}

bool ScreenOutput::Close() {
    // The limits of a kind need not hold all of it (a long result table beside a flat
    // section): the window takes what was drawn, so the whole drawing is on show.
    FitWindowToDrawing(cx_.Graphics, cx_.Config);
    ClearViewPort(cx_.Graphics);
    cx_.Graphics.WaitCursor = false;
    if (cx_.ui) cx_.ui->SetWaitCursor(false);
    block_.reset();
    DeleteBlockFiles(cx_.Config);
    return true;
}

void ScreenOutput::Limits(long double xmin, long double ymin, long double xmax, long double ymax) {
    Header(cx_.Graphics, cx_.AbortFlag, xmin, ymin, xmax, ymax);
}

void ScreenOutput::BlockBegin(const std::string& name) {
    // The block file is read back only by this device, whose Text converts for the window:
    // its texts stay in the program's code page, so they are converted exactly once.
    Settings s = cx_.Config;
    s.CadTextMode = 1;
    block_ = std::make_unique<DxfWriter>(s, cx_.Cad);
    if (!block_->Create(BlockFilePath(cx_.Config, name))) {
        ReportBlockFileError();
        block_.reset();
        cx_.AbortFlag = 1; // the block is skipped; CadBlockEnd clears the flag
    }
}

// The drawing goes on without the block (a block file that was not written reads as
// missing), but the user learns why it lacks a part.
void ScreenOutput::ReportBlockFileError() const {
    const CadFile& f = block_->File();
    if (cx_.ui)
        ShowError(cx_.Dialogs(), IoErrorText(f.Stage(), f.ErrorCode()) + " (" + f.Path() + ")");
}

void ScreenOutput::BlockEnd() {
    if (cx_.AbortFlag) {
        cx_.AbortFlag = 0;
        block_.reset();
        return;
    }
    if (!block_) return;
    block_->DxfEof();
    if (!block_->Close()) ReportBlockFileError();
    block_.reset();
}

void ScreenOutput::EntitiesBegin() {
    ClearViewPort(cx_.Graphics);
    SetLineStyle(cx_.Graphics, 0);
}

namespace {

// The window's line style of layer n's line type.
uint16_t LayerLineStyle(int n) {
    return n == 1 ? 2 : n == 2 ? 3 : 0;
}

} // namespace

void ScreenOutput::LineStyle(int n) {
    if (!cx_.Cad.BlockMode)
        SetLineStyle(cx_.Graphics,
                     static_cast<uint16_t>(n != 0 ? n : LayerLineStyle(cx_.Cad.LayerNumber)));
}

void ScreenOutput::Layer(int n) {
    GraphicsWindow& g = cx_.Graphics;
    const Settings& s = cx_.Config;
    if (n <= 5) {
        SetLineStyle(g, LayerLineStyle(n));
        SetColorAcad(g, n == 0 ? 1 : s.LayerColors[static_cast<std::size_t>(n - 1)]);
    } else {
        SetLineStyle(g, 0);
        if (n >= 16) SetColorAcad(g, s.LayerColors16to31[static_cast<std::size_t>(n - 16)]);
    }
    int width = 1;
    if (n >= 1 && n <= 5) width = s.LineThickness0to5[static_cast<std::size_t>(n)];
    if (n >= 16) {
        const int w = s.LineThickness16to31[static_cast<std::size_t>(n - 16)];
        width = w >= 2 && w <= 50 ? w : 1;
    }
    SetLineWidth(g, static_cast<uint16_t>(width < 1 ? 1 : width));
}

void ScreenOutput::TextStyle(int kind, long double width, long double height, long double angle) {
    if (!cx_.Cad.BlockMode) SetTextStyle(cx_.Graphics, kind, angle, height, 0.95L * width);
}

void ScreenOutput::Line(long double x1, long double y1, long double x2, long double y2) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfLine(x1, y1, x2, y2);
        return;
    }
    line(cx_.Graphics, x1, y1, x2, y2);
}

void ScreenOutput::Circle(long double x, long double y, long double r) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfCircle(x, y, r);
        return;
    }
    circle(cx_.Graphics, x, y, r);
}

void ScreenOutput::Arc(long double x, long double y, long double a1, long double a2,
                       long double r) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfArc(x, y, a1, a2, r);
        return;
    }
    vak1::Arc(cx_.Graphics, x, y, a1, a2, r);
}

void ScreenOutput::Text(const std::string& text, long double x, long double y) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfText(text, x, y);
        return;
    }
    OutTextXY(cx_.Graphics, x, y,
              OemToAnsiText(text, cx_.Config.PlainCharacters == UnitCharacters::Plain));
}

void ScreenOutput::Solid(long double x1, long double y1, long double x2, long double y2,
                         long double x3, long double y3, long double x4, long double y4) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfSolid(x1, y1, x2, y2, x3, y3, x4, y4);
        return;
    }
    // DXF solids list their corners in zigzag order; the window fills a polygon.
    vak1::Solid(cx_.Graphics, x1, y1, x2, y2, x4, y4, x3, y3);
}

void ScreenOutput::Insert(const std::string& name, long double x, long double y,
                          long double rotation, long double sx, long double sy) {
    if (cx_.Cad.BlockMode) {
        if (Block()) Block()->DxfInsert(name, x, y, rotation, sx, sy);
        return;
    }
    const int layer = cx_.Cad.LayerNumber;
    const long insertions = cx_.Cad.Insert.Insertions; // counted over the whole drawing
    cx_.Cad.Insert = CadInsertState{};
    cx_.Cad.Insert.Insertions = insertions;
    ReadBlock(cx_, name, x, y, rotation, sx, sy);
    CadSetLayer(cx_, layer);
}

} // namespace vak1
