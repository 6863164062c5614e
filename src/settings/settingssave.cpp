// Writing the settings file in the fixed order of its entries. Reals always get a decimal
// point, whatever separator the user chose for the display.
#include "app/App.h"
#include "dialogs/dialogs.h"
#include "text/formats.h"
#include "settings/settingsfile.h"
#include "text/cp850.h"
#include "text/filenumbers.h"
#include "text/linecursor.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

class CfgWriter {
  public:
    CfgWriter(TextFileWriter& out, const Settings& s) : out_(out), fmt_(s) {
        fmt_.DecimalComma = 1;
    }

    void Key(std::string_view utf8) { out_.WriteLine(cp850(utf8)); }
    void Text(std::string_view v) { out_.WriteLine(SingleLine(v)); }
    void Int(long v) { out_.WriteLine(std::to_string(v)); }
    void Char(char c) { out_.WriteLine(c ? std::string(1, c) : std::string()); }
    void Bool(bool b) { out_.WriteLine(b ? "TRUE" : "FALSE"); }
    void RealS(long double x) { out_.WriteLine(FormatSignificant(fmt_, x)); }
    void Real7(long double x) { out_.WriteLine(FormatBodyValue(fmt_, x)); }
    void Rectangle(const Rect& r) {
        out_.WriteLine(std::to_string(r.left) + "|" + std::to_string(r.top) + "|" +
                       std::to_string(r.width) + "|" + std::to_string(r.height) + "|");
    }

  private:
    TextFileWriter& out_;
    Settings fmt_;
};

void Write1to23(CfgWriter& w, const Settings& s) {
    w.Text(std::string(kSettingsBase) + " Konfiguration");
    w.Text(std::string("Version ") + kVersion);
    for (std::size_t i = 0; i < s.LayerNames.size(); ++i) {
        w.Key("Layer"), w.Text(s.LayerNames[i]);
        w.Key("Farbe"), w.Int(s.LayerColors[i]);
    }
    w.Key("Textstil CAD"), w.Text(s.CadFontName);
    w.Key("Textbreitenfaktor CAD"), w.RealS(s.CadTextWidthFactor);
    w.Key("Textwinkel"), w.RealS(s.CadTextAngle);
    w.Key("CAD Ordner"), w.Text(s.CadDir);
    w.Key("DBF Ordner"), w.Text(s.DbfDir);
    w.Key("Hilfegrad"), w.Int(s.HelpLevel);
    w.Key("Druckerschnittstelle"), w.Int(s.PrinterPort);
    w.Key("Druckertyp"), w.Int(s.PrinterType);
    w.Key("Druckdichte"), w.Int(s.PrintDensity);
    w.Key("Hardcopy um 90° gedreht ?"), w.Char(s.HardcopyRotated);
    w.Key("Dezimalstellen"), w.Int(s.DecimalPlaces);
    w.Key("Druckdicke vertikal"), w.Int(s.PrintThicknessVertical);
    w.Key("Farbgrafik"), w.Bool(s.ColorGraphics);
    w.Key("GrafikKorrekturFaktor horizontal"), w.RealS(s.GraphCorrectionFactor);
    w.Key("Grafik-Mode"), w.Int(s.GraphMode);
    w.Key("Grafik-Treiber"), w.Int(s.GraphDriver);
    w.Key("Auflösung horizontal"), w.Int(s.GraphWidth);
    w.Key("Auflösung vertikal"), w.Int(s.GraphHeight);
    w.Key("Ordner für temporäre Dateien"), w.Text(s.TempDir);
    w.Key("Druckerschnittstelle Hardcopy"), w.Int(s.HardcopyPort);
}

void Write24to45(CfgWriter& w, const Settings& s) {
    w.Key("EDI Ordner"), w.Text(s.EdiDir);
    w.Key("PLT Ordner"), w.Text(s.PltDir);
    w.Key("Mode für Textausdruck 1:* 2:-"), w.Int(s.SeparatorStyle);
    w.Key("Zeilen pro Seite für Drucker"), w.Int(s.LinesPerPage);
    w.Key("Zoomfaktor"), w.Real7(s.ZoomFactor);
    w.Key("Pan-Faktor"), w.Real7(s.PanFactor);
    w.Key("QUORVEN-Programmverzeichnis"), w.Text(s.ProgramDir);
    w.Key("KARTUNO-Kommandozeile"), w.Text(s.PlotCommandLines[0]);
    w.Key("Hintergrundfarbe"), w.Int(s.BackgroundColor);
    w.Key("Windows-Druckmodus (1=mono 2=color)"), w.Int(s.PrintColorMode);
    w.Key("Layer Monochrom"), w.Bool(s.LayerMonochrome);
    w.Key("Textbreitenfaktor Grafik"), w.Real7(s.TextWidthFactor);
    w.Key("Textstil Grafik"), w.Text(s.GraphFontName);
    for (std::size_t k = 0; k < s.LayerColors16to31.size(); ++k)
        w.Key("Color Layer " + std::to_string(16 + k)), w.Int(s.LayerColors16to31[k]);
    w.Key("Textprogramm"), w.Text(s.TextProgram);
    w.Key("Datenbank mode"), w.Int(s.DatabaseMode);
    w.Key("externe Datenbank"), w.Text(s.ExternalDatabase);
    w.Key("Windows Screendump Origin X"), w.Int(s.ScreendumpOriginX);
    w.Key("Windows Screendump Origin Y"), w.Int(s.ScreendumpOriginY);
    w.Key("Windows Screendump Scale"), w.Real7(s.ScreendumpScale);
    w.Key("Windows Screendump Border ?"), w.Bool(s.ScreendumpBorder);
    const uint16_t n = std::min<uint16_t>(s.PlotCommandCount, s.PlotCommandLines.size());
    w.Key("KARTUNO Command lines (n, line 2 .. line n)"), w.Int(n);
    for (uint16_t k = 2; k <= n; ++k)
        w.Text(s.PlotCommandLines[k - 1]);
}

void Write46to60(CfgWriter& w, const Settings& s) {
    w.Key("Archive Flag ?"), w.Bool(s.ArchiveMode);
    w.Key("Date Code"), w.Int(s.DateCode);
    w.Key("Header Space Lines"), w.Int(s.HeaderSpaceLines);
    w.Key("Text Device"), w.Int(s.TextDevice);
    w.Key("Text Device Window ?"), w.Bool(s.TextDeviceDialog);
    w.Key("Small Online Window ?"), w.Bool(s.SmallOnlineWindow);
    w.Key("Enter Diagram Limits ?"), w.Bool(s.EnterDiagramLimits);
    w.Key("Dot=1 Komma=2"), w.Int(s.DecimalComma);
    w.Key("Default Data Directory"), w.Text(s.DataDir);
    w.Key("Text Height Factor"), w.Real7(s.TextHeightFactor);
    w.Key("Input Window Scale %"), w.Int(s.InputWindowScale);
    w.Key("HTML Browser"), w.Text(s.HtmlBrowser);
    w.Key("Print Scale Vertical"), w.Real7(s.PrintScaleVertical);
    w.Key("Line thickness Layer 0..5");
    for (int t : s.LineThickness0to5)
        w.Int(t);
    w.Key("Graphic Printout Dialog Box ?"), w.Bool(s.GraphicPrintDialog);
    w.Key("Text window left/top/width/height"), w.Rectangle(s.TextWindowRect);
}

void Write61to86(CfgWriter& w, const Settings& s) {
    w.Key("Metric Units=0,  English units=1"), w.Int(s.EnglishUnits);
    w.Key("printout with header=1, header page 1 only=2"), w.Int(s.HeaderMode);
    w.Key("Text Font Printout"), w.Text(s.PrintFontName);
    w.Key("Text Size Printout"), w.Int(s.PrintFontSize);
    w.Key("Text Style Printout"), w.Int(s.PrintFontStyle);
    w.Key("Text Style Graphics"), w.Int(s.GraphFontStyle);
    w.Key("Printer: Portrait=1, Landscape=2"), w.Int(s.PrinterOrientation);
    w.Key("Edit 3D x,y,z ?"), w.Bool(s.Edit3D);
    w.Key("3D - Default x,y,z");
    for (long double a : s.Default3D)
        w.Real7(a);
    w.Int(s.IndexStyle);
    w.Int(s.ExportDecimal);
    w.Text(s.ReleaseField);
    w.Key("Decimals DXF,TXT"), w.Int(s.DxfDecimals);
    w.Key("CAD Text Mode"), w.Int(s.CadTextMode);
    w.Key("Strichstärke Layer 16..31");
    for (int t : s.LineThickness16to31)
        w.Int(t);
    w.Int(s.PlainCharacters);
    w.Int(s.DialogElementsScale);
    w.Int(s.AngleFormat);
    w.Real7(s.DimensionFactor);
    w.Int(s.Reserved80);
    w.Int(s.MenuLanguage);
    w.Int(s.ResultGraphic);
    for (bool b : {s.DrawHideTitle, s.DrawHideFileName, s.DrawHideDate, s.DrawHideLogo})
        w.Bool(b);
}

} // namespace

void SaveSettings(App& app) {
    Settings& s = app.Config;
    if (s.SettingsFolder.empty()) s.SettingsFolder = app.State.StartDir;
    TextFileWriter out;
    if (out.Open(SettingsFilePath(s, "cfg"))) {
        CfgWriter w(out, s);
        Write1to23(w, s);
        Write24to45(w, s);
        Write46to60(w, s);
        Write61to86(w, s);
        out.Commit();
    }
    ReportWriteError(Dialogs(app), out);
}

} // namespace vak1
