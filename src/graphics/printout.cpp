// Printout dialog and printout of the graphics window.
#include "graphics/printout.h"

#include "graphics/draw.h"
#include "graphics/replay.h"
#include "platform/Printer.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/parse.h"

namespace vak1 {
namespace {

constexpr long double kMinScale = 0.001L, kMaxScale = 1000;

// The screen side of a printout replay: the window repaints by itself afterwards.
class NoCanvas : public Canvas {
  public:
    void SetPen(CanvasColor, int32_t, PenStyle, PenMode) override {}
    void SetBrush(CanvasColor, bool) override {}
    void SetFont(const CanvasFont&, CanvasColor) override {}
    void Line(CanvasPoint, CanvasPoint) override {}
    void Ellipse(CanvasPoint, CanvasPoint) override {}
    void Arc(CanvasPoint, CanvasPoint, CanvasPoint, CanvasPoint) override {}
    void Polygon(const CanvasPoint*, int) override {}
    void Text(CanvasPoint, const std::string&) override {}
};

std::string Number(long double x) {
    NumberStyle style;
    style.DecimalComma = DecimalSign::Point;
    std::string t = FormatSignificant(style, x);
    t.erase(0, t.find_first_not_of(' '));
    return t;
}

std::string Name40(const std::string& name) {
    // Cut to 40 characters, not bytes: the name is UTF-8.
    std::size_t chars = 0, at = 0;
    for (; at < name.size(); ++at)
        if ((static_cast<unsigned char>(name[at]) & 0xC0) != 0x80 && ++chars > 40) break;
    return name.substr(0, at);
}

void Fill(PrintoutDialogData& data, const PrintoutSettings& p) {
    data.xScale = Number(p.xScale);
    data.yScale = Number(p.yScale);
    data.xOrigin = std::to_string(p.xOrigin);
    data.yOrigin = std::to_string(p.yOrigin);
    data.border = p.border;
    data.fit = p.fit;
    data.monochrome = p.colorMode != 2;
    data.landscape = p.landscape;
}

// Unreadable numbers count as 0.
long double Real(const std::string& t) {
    return ParseNumber(t).value;
}
int32_t Integer(const std::string& t) {
    const ParsedNumber n = ParseNumber(t);
    return n.valid && n.value > -1e9L && n.value < 1e9L ? static_cast<int32_t>(n.value) : 0;
}

PrintoutSettings TakeOver(const PrintoutDialogData& data) {
    PrintoutSettings p;
    p.xScale = Real(data.xScale);
    p.yScale = Real(data.yScale);
    p.xOrigin = Integer(data.xOrigin);
    p.yOrigin = Integer(data.yOrigin);
    p.border = data.border;
    p.fit = data.fit;
    p.colorMode = data.monochrome ? 1 : 2;
    p.landscape = data.landscape;
    return p;
}

} // namespace

PrintoutSettings PrintoutDefaults(const Settings& s, bool formSheet) {
    PrintoutSettings p;
    p.colorMode = s.PrintColorMode == PrintColors::Color ? 2 : 1;
    if (formSheet) {
        p.xScale = 1.9L; // the form sheet's picture then fills an A4 page
        return p;
    }
    p.xScale = p.yScale = s.ScreendumpScale;
    p.xOrigin = s.ScreendumpOriginX;
    p.yOrigin = s.ScreendumpOriginY;
    // The frame chosen for the graphic ("Umrandung" of the graphics settings, kept for the
    // session only) frames its printout as well.
    p.border = s.ScreendumpBorder || s.GraphicBorder;
    p.landscape = s.PrinterOrientation != Orientation::Portrait;
    return p;
}

bool PrintGraphic(GraphicsWindow& g, const Settings& s, const PrintoutSettings& p, Printer& printer,
                  uint8_t& abortFlag) {
    if (p.fit) {
        // The reset of the window leaves the picture's aspect switched off; the printout
        // keeps the picture's own, so circles stay round on paper.
        const uint8_t keepAspect = g.KeepAspect;
        if (!RestoreLimit(g, abortFlag)) return false;
        ResetZoom(g);
        if (!ReSetWindow(g, abortFlag)) return false;
        g.KeepAspect = keepAspect;
    }
    Settings printing = s;
    printing.PrintColorMode = static_cast<PrintColors>(p.colorMode);
    NoCanvas screen;
    if (!Replay(g, printing, screen, abortFlag)) return false;
    PrintTarget target;
    int width = 0, height = 0, dpi = 0;
    target.canvas = printer.BeginGraphic(p.landscape, width, height, dpi);
    if (!target.canvas) {
        abortFlag = 1;
        return false;
    }
    target.page =
        PrinterPage{width, height, p.xScale, p.yScale, p.xOrigin, p.yOrigin, p.border, dpi};
    g.PrintMode = true;
    const bool ok = Replay(g, printing, screen, abortFlag, &target);
    g.PrintMode = false;
    printer.EndGraphic();
    g.RepaintRequested = true;
    return ok;
}

void ShowPrinterInfo(const DialogContext& d, Printer* printer) {
    PrinterInfoData info;
    if (!printer || !printer->Information(info)) {
        ShowInfo(d, cp850("Kein Drucker eingerichtet: Druckerinformationen sind nicht verfügbar."));
        return;
    }
    d.ui.PrinterInfoWindow(info);
}

void PrintoutCommand(const DialogContext& d, GraphicsWindow& g, const Settings& s, Printer* printer,
                     bool formSheet, const PrintoutSetHooks& sets) {
    if (!printer) {
        ShowError(d, cp850("Kein Drucker verfügbar."));
        d.AbortFlag = 1;
        return;
    }
    PrintoutDialogData data;
    Fill(data, PrintoutDefaults(s, formSheet));
    data.printerName = Name40(printer->PrinterName());
    data.currentPrinter = [printer] { return Name40(printer->PrinterName()); };
    data.choosePrinter = [&](PrintoutDialogData& dd) {
        if (!printer->ChoosePrinter()) return;
        dd.printerName = Name40(printer->PrinterName());
        dd.landscape = printer->Landscape();
    };
    data.printerInfo = [&](PrintoutDialogData&) { ShowPrinterInfo(d, printer); };
    data.loadSet = sets.load;
    data.storeSet = sets.store;
    data.accept = [&](PrintoutDialogData& dd) {
        for (const std::string* t : {&dd.xScale, &dd.yScale}) {
            const long double v = Real(*t);
            if (v < kMinScale || v > kMaxScale) {
                ShowRangeError(d, Number(kMinScale), Number(kMaxScale));
                return false;
            }
        }
        return true;
    };
    if (!DialogUi(d, kHelpPrintout).PrintoutDialog(data)) {
        d.AbortFlag = 1;
        return;
    }
    d.AbortFlag = 0;
    if (!PrintGraphic(g, s, TakeOver(data), *printer, d.AbortFlag))
        ShowError(d, cp850("Der Ausdruck konnte nicht erstellt werden."));
}

} // namespace vak1
