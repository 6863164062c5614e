// Settings that differ from the start values in every entry, and a comparison of all.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "settings/Settings.h"
#include "settings/settingstable.h"
#include "text/cp850.h"

namespace vak1::test {

inline void FillSettings(Settings& s) {
    s.LayerNames = {"KONTUR", "PFEILE", "ACHSEN", cp850("SCHRAFFUR"), cp850("Maße")};
    s.LayerColors = {7, 6, 5, 4, 3};
    s.CadFontName = "ROMANS";
    s.CadTextWidthFactor = 0.85L;
    s.CadTextAngle = 15;
    s.CadDir = "/daten/cad/";
    s.DbfDir = "/daten/dbf";
    s.HelpLevel = 2;
    s.PrinterPort = 2;
    s.PrinterType = 5;
    s.PrintDensity = 2;
    s.HardcopyRotated = 'N';
    s.DecimalPlaces = 4;
    s.PrintThicknessVertical = 3;
    s.ColorGraphics = false;
    s.GraphCorrectionFactor = 1.5L;
    s.GraphMode = 3;
    s.GraphDriver = -2;
    s.GraphWidth = 1280;
    s.GraphHeight = 900;
    s.TempDir = "/tmp/vak1";
    s.HardcopyPort = 3;
    s.EdiDir = "/daten/edi/";
    s.PltDir = "/daten/plt/";
    s.SeparatorStyle = 4;
    s.LinesPerPage = 72;
    s.ZoomFactor = 1.25L;
    s.PanFactor = 0.05L;
    s.ProgramDir = "/opt/quorven/";
    // Slots beyond the count are not in the file: they keep the stored default.
    s.PlotCommandLines = {"kartuno -a", "zwei", "drei", Settings::kDefaultPlotLine,
                          Settings::kDefaultPlotLine};
    s.PlotCommandCount = 3;
    s.BackgroundColor = 15;
    s.PrintColorMode = PrintColors::Color;
    s.LayerMonochrome = true;
    s.TextWidthFactor = 0.75L;
    s.GraphFontName = "DejaVu Sans";
    for (std::size_t k = 0; k < s.LayerColors16to31.size(); ++k)
        s.LayerColors16to31[k] = static_cast<int>(16 - k);
    s.TextProgram = "gedit";
    s.DatabaseMode = 2;
    s.ExternalDatabase = "dbview";
    s.ScreendumpOriginX = -5;
    s.ScreendumpOriginY = 12;
    s.ScreendumpScale = 0.75L;
    s.ScreendumpBorder = true;
    s.ArchiveMode = true;
    s.DateCode = 3;
    s.HeaderSpaceLines = 4;
    s.TextDevice = 5;
    s.TextDeviceDialog = true;
    s.SmallOnlineWindow = true;
    s.EnterDiagramLimits = true;
    s.DecimalComma = DecimalSign::Comma;
    s.DataDir = "/daten/projekte/";
    s.TextHeightFactor = 1.5L;
    s.InputWindowScale = 125;
    s.HtmlBrowser = "firefox";
    s.PrintScaleVertical = 1.25L;
    s.LineThickness0to5 = {5, 4, 3, 2, 1, 6};
    s.GraphicPrintDialog = true;
    s.TextWindowRect = Rect{10, 20, 640, 480};
    s.EnglishUnits = Units::English;
    s.HeaderMode = PageHeaders::FirstPageOnly;
    s.PrintFontName = "DejaVu Sans Mono";
    s.PrintFontSize = 9;
    s.PrintFontStyle = 3;
    s.GraphFontStyle = 2;
    s.PrinterOrientation = Orientation::Landscape;
    s.Edit3D = true;
    s.Default3D = {0.5L, -0.25L, 1.125L};
    s.IndexStyle = 2;
    s.ExportDecimal = DecimalSign::Point;
    s.ReleaseField = "Frei";
    s.DxfDecimals = 8;
    s.CadTextMode = 3;
    for (std::size_t k = 0; k < s.LineThickness16to31.size(); ++k)
        s.LineThickness16to31[k] = static_cast<int>(k + 2);
    s.PlainCharacters = UnitCharacters::Plain;
    s.DialogElementsScale = 150;
    s.AngleFormat = 1;
    s.DimensionFactor = 2.5L;
    s.Reserved80 = 7;
    s.MenuLanguage = 2;
    s.ResultGraphic = 4;
    s.DrawHideTitle = true;
    s.DrawHideFileName = true;
    s.DrawHideDate = true;
    s.DrawHideLogo = true;
}

// Every number with a load check at the low or the high end of what the table accepts
// (reals that must not be 0 just above 0 or large), graphic sizes beyond the edit's limit.
inline void SetTableLimits(Settings& s, bool high) {
    for (const CfgEntry& e : SettingsEntries()) {
        const CfgLimits& l = e.limits;
        if (l.check != CfgCheck::Range && l.check != CfgCheck::NonZero) continue;
        if (auto* real = std::get_if<CfgSlot<long double>>(&e.setting)) {
            const long double low = l.check == CfgCheck::Range ? l.min : 0.005L;
            real->ref(s) =
                high ? std::min(l.check == CfgCheck::Range ? l.max : 12345.5L, 12345.5L) : low;
        } else if (l.check == CfgCheck::Range) {
            const long double v = high ? std::min(l.max, 99999.0L) : l.min;
            if (auto* i = std::get_if<CfgSlot<int>>(&e.setting)) i->ref(s) = static_cast<int>(v);
            if (e.type == CfgType::Word) SetWordSetting(e, s, static_cast<uint16_t>(v));
        }
    }
    if (high) s.GraphWidth = s.GraphHeight = 6000;
}

// clang-format off
#define VAK1_SAME(field) EXPECT_EQ(a.field, b.field) << #field
inline void ExpectSameSettings(const Settings& a, const Settings& b) {
    VAK1_SAME(LayerNames); VAK1_SAME(LayerColors); VAK1_SAME(CadFontName);
    VAK1_SAME(CadTextWidthFactor); VAK1_SAME(CadTextAngle); VAK1_SAME(CadDir); VAK1_SAME(DbfDir);
    VAK1_SAME(HelpLevel); VAK1_SAME(PrinterPort); VAK1_SAME(PrinterType); VAK1_SAME(PrintDensity);
    VAK1_SAME(HardcopyRotated); VAK1_SAME(DecimalPlaces); VAK1_SAME(PrintThicknessVertical);
    VAK1_SAME(ColorGraphics); VAK1_SAME(GraphCorrectionFactor); VAK1_SAME(GraphMode);
    VAK1_SAME(GraphDriver); VAK1_SAME(GraphWidth); VAK1_SAME(GraphHeight); VAK1_SAME(TempDir);
    VAK1_SAME(HardcopyPort); VAK1_SAME(EdiDir); VAK1_SAME(PltDir); VAK1_SAME(SeparatorStyle);
    VAK1_SAME(LinesPerPage); VAK1_SAME(ZoomFactor); VAK1_SAME(PanFactor); VAK1_SAME(ProgramDir);
    VAK1_SAME(PlotCommandLines); VAK1_SAME(PlotCommandCount); VAK1_SAME(BackgroundColor);
    VAK1_SAME(PrintColorMode); VAK1_SAME(LayerMonochrome); VAK1_SAME(TextWidthFactor);
    VAK1_SAME(GraphFontName); VAK1_SAME(LayerColors16to31); VAK1_SAME(TextProgram);
    VAK1_SAME(DatabaseMode); VAK1_SAME(ExternalDatabase); VAK1_SAME(ScreendumpOriginX);
    VAK1_SAME(ScreendumpOriginY); VAK1_SAME(ScreendumpScale); VAK1_SAME(ScreendumpBorder);
    VAK1_SAME(ArchiveMode); VAK1_SAME(DateCode); VAK1_SAME(HeaderSpaceLines);
    VAK1_SAME(TextDevice); VAK1_SAME(TextDeviceDialog); VAK1_SAME(SmallOnlineWindow);
    VAK1_SAME(EnterDiagramLimits); VAK1_SAME(DecimalComma); VAK1_SAME(DataDir);
    VAK1_SAME(TextHeightFactor); VAK1_SAME(InputWindowScale); VAK1_SAME(HtmlBrowser);
    VAK1_SAME(PrintScaleVertical); VAK1_SAME(LineThickness0to5); VAK1_SAME(GraphicPrintDialog);
    VAK1_SAME(TextWindowRect.left); VAK1_SAME(TextWindowRect.top); VAK1_SAME(TextWindowRect.width);
    VAK1_SAME(TextWindowRect.height); VAK1_SAME(EnglishUnits); VAK1_SAME(HeaderMode);
    VAK1_SAME(PrintFontName); VAK1_SAME(PrintFontSize); VAK1_SAME(PrintFontStyle);
    VAK1_SAME(GraphFontStyle); VAK1_SAME(PrinterOrientation); VAK1_SAME(Edit3D);
    VAK1_SAME(Default3D); VAK1_SAME(IndexStyle); VAK1_SAME(ExportDecimal); VAK1_SAME(ReleaseField);
    VAK1_SAME(DxfDecimals); VAK1_SAME(CadTextMode); VAK1_SAME(LineThickness16to31);
    VAK1_SAME(PlainCharacters); VAK1_SAME(DialogElementsScale); VAK1_SAME(AngleFormat);
    VAK1_SAME(DimensionFactor); VAK1_SAME(Reserved80); VAK1_SAME(MenuLanguage);
    VAK1_SAME(ResultGraphic); VAK1_SAME(DrawHideTitle); VAK1_SAME(DrawHideFileName);
    VAK1_SAME(DrawHideDate); VAK1_SAME(DrawHideLogo);
}
#undef VAK1_SAME
// clang-format on

} // namespace vak1::test
