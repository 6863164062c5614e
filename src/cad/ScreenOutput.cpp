// Screen device: display-list records, and block files while block mode is on.
#include "cad/ScreenOutput.h"

#include <filesystem>
#include <system_error>

#include "app/App.h"
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
    return app_.Cad.BlockMode ? block_.get() : nullptr;
}

bool ScreenOutput::Open() {
    Clear(app_.Graphics);
    app_.Graphics.WaitCursor = true;
    if (app_.Env.ui) app_.Env.ui->SetWaitCursor(true);
    SetLineStyle(app_.Graphics, 0);
    app_.Cad.Insert = CadInsertState{};
    return true;
}

bool ScreenOutput::Close() {
    // The limits of a kind need not hold all of it (a long result table beside a flat
    // section): the window takes what was drawn, so the whole drawing is on show.
    FitWindowToDrawing(app_.Graphics, app_.Config);
    ClearViewPort(app_.Graphics);
    app_.Graphics.WaitCursor = false;
    if (app_.Env.ui) app_.Env.ui->SetWaitCursor(false);
    block_.reset();
    DeleteBlockFiles(app_.Config);
    return true;
}

void ScreenOutput::Limits(long double xmin, long double ymin, long double xmax, long double ymax) {
    Header(app_.Graphics, app_.State.AbortFlag, xmin, ymin, xmax, ymax);
}

void ScreenOutput::BlockBegin(const std::string& name) {
    // The block file is read back only by this device, whose Text converts for the window:
    // its texts stay in the program's code page, so they are converted exactly once.
    Settings s = app_.Config;
    s.CadTextMode = 1;
    block_ = std::make_unique<DxfWriter>(s, app_.Cad);
    if (!block_->Create(BlockFilePath(app_.Config, name))) {
        block_.reset();
        app_.State.AbortFlag = 1; // the block is skipped; CadBlockEnd clears the flag
    }
}

void ScreenOutput::BlockEnd() {
    if (app_.State.AbortFlag) {
        app_.State.AbortFlag = 0;
        block_.reset();
        return;
    }
    if (!block_) return;
    block_->DxfEof();
    if (!block_->Close()) app_.State.AbortFlag = 0; // a broken block file reads as missing
    block_.reset();
}

void ScreenOutput::EntitiesBegin() {
    ClearViewPort(app_.Graphics);
    SetLineStyle(app_.Graphics, 0);
}

namespace {

// The window's line style of layer n's line type.
uint16_t LayerLineStyle(int n) {
    return n == 1 ? 2 : n == 2 ? 3 : 0;
}

} // namespace

void ScreenOutput::LineStyle(int n) {
    if (!app_.Cad.BlockMode)
        SetLineStyle(app_.Graphics,
                     static_cast<uint16_t>(n != 0 ? n : LayerLineStyle(app_.Cad.LayerNumber)));
}

void ScreenOutput::Layer(int n) {
    GraphicsWindow& g = app_.Graphics;
    const Settings& s = app_.Config;
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
    if (!app_.Cad.BlockMode) SetTextStyle(app_.Graphics, kind, angle, height, 0.95L * width);
}

void ScreenOutput::Line(long double x1, long double y1, long double x2, long double y2) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfLine(x1, y1, x2, y2);
        return;
    }
    line(app_.Graphics, x1, y1, x2, y2);
}

void ScreenOutput::Circle(long double x, long double y, long double r) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfCircle(x, y, r);
        return;
    }
    circle(app_.Graphics, x, y, r);
}

void ScreenOutput::Arc(long double x, long double y, long double a1, long double a2,
                       long double r) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfArc(x, y, a1, a2, r);
        return;
    }
    vak1::Arc(app_.Graphics, x, y, a1, a2, r);
}

void ScreenOutput::Text(const std::string& text, long double x, long double y) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfText(text, x, y);
        return;
    }
    OutTextXY(app_.Graphics, x, y, OemToAnsiText(text, app_.Config.PlainCharacters == 1));
}

void ScreenOutput::Solid(long double x1, long double y1, long double x2, long double y2,
                         long double x3, long double y3, long double x4, long double y4) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfSolid(x1, y1, x2, y2, x3, y3, x4, y4);
        return;
    }
    // DXF solids list their corners in zigzag order; the window fills a polygon.
    vak1::Solid(app_.Graphics, x1, y1, x2, y2, x4, y4, x3, y3);
}

void ScreenOutput::Insert(const std::string& name, long double x, long double y,
                          long double rotation, long double sx, long double sy) {
    if (app_.Cad.BlockMode) {
        if (Block()) Block()->DxfInsert(name, x, y, rotation, sx, sy);
        return;
    }
    const int layer = app_.Cad.LayerNumber;
    const long insertions = app_.Cad.Insert.Insertions; // counted over the whole drawing
    app_.Cad.Insert = CadInsertState{};
    app_.Cad.Insert.Insertions = insertions;
    ReadBlock(app_, name, x, y, rotation, sx, sy);
    CadSetLayer(app_, layer);
}

} // namespace vak1
