// The entries of the settings file, in file order, with their load checks and the points at
// which an older, shorter file may end.
#include "settings/settingstable.h"

#include <algorithm>
#include <limits>
#include <type_traits>
#include <utility>

namespace vak1 {
namespace {

template <auto M> constexpr CfgSetting Field() {
    using T = std::remove_cvref_t<decltype(std::declval<Settings&>().*M)>;
    return CfgSlot<T>{[](Settings& s) -> T& { return s.*M; },
                      [](const Settings& s) -> const T& { return s.*M; }};
}

template <auto M, std::size_t I> constexpr CfgSetting Element() {
    using T = std::remove_cvref_t<decltype((std::declval<Settings&>().*M)[I])>;
    return CfgSlot<T>{[](Settings& s) -> T& { return (s.*M)[I]; },
                      [](const Settings& s) -> const T& { return (s.*M)[I]; }};
}

constexpr long double kNoMax = std::numeric_limits<long double>::max();
constexpr long double kWordMax = 65535;

// One table row, written as the entry followed by its checks and marks.
struct Row : CfgEntry {
    constexpr Row(const char* k, CfgType t, CfgSetting s) : CfgEntry{k, t, s} {}
    constexpr Row NonZero(long double fallback) const {
        Row r = *this;
        r.limits = {CfgCheck::NonZero, 0, 0, fallback};
        return r;
    }
    constexpr Row Range(long double min, long double max, long double fallback) const {
        Row r = *this;
        r.limits = {CfgCheck::Range, min, max, fallback};
        return r;
    }
    constexpr Row NotEmpty() const {
        Row r = *this;
        r.limits = {CfgCheck::NotEmpty, 0, 0, 0};
        return r;
    }
    constexpr Row Max(std::size_t n) const {
        Row r = *this;
        r.maxLength = n;
        return r;
    }
    constexpr Row Optional() const {
        Row r = *this;
        r.optional = true;
        return r;
    }
    constexpr Row MayEnd(CfgEnd e = CfgEnd::After, void (*atEnd)(Settings&) = nullptr) const {
        Row r = *this;
        r.end = e;
        r.atEnd = atEnd;
        return r;
    }
    constexpr Row Fix(void (*f)(Settings&, const CfgLoadContext&)) const {
        Row r = *this;
        r.fix = f;
        return r;
    }
};

using T = CfgType;
using S = Settings;

void ScreendumpScaleFix(Settings& s, const CfgLoadContext&) {
    if (s.ScreendumpScale == 0) {
        s.ScreendumpScale = 1;
        s.PrintScaleVertical = 1;
    }
}

void PrintScaleVerticalFix(Settings& s, const CfgLoadContext&) {
    if (s.PrintScaleVertical < 0.0001L) s.PrintScaleVertical = s.ScreendumpScale;
}

void DataDirFix(Settings& s, const CfgLoadContext& c) {
    if (s.DataDir.empty()) s.DataDir = c.startDir;
}

void PrintFontNameFix(Settings& s, const CfgLoadContext&) {
    if (s.PrintFontName.empty()) s.PrintFontName = "Courier New";
}

// Files that end after "Layer Monochrom" had no graphic text settings of their own.
void NoGraphicTextSettings(Settings& s) {
    s.TextWidthFactor = s.CadTextWidthFactor;
    s.GraphFontName = "Arial";
}

constexpr CfgEntry kEntries[] = {
    Row(nullptr, T::Title, {}),
    Row(nullptr, T::Version, {}),
    Row("Layer", T::Text, Element<&S::LayerNames, 0>()).Max(32),
    Row("Farbe", T::Integer, Element<&S::LayerColors, 0>()),
    Row("Layer", T::Text, Element<&S::LayerNames, 1>()).Max(32),
    Row("Farbe", T::Integer, Element<&S::LayerColors, 1>()),
    Row("Layer", T::Text, Element<&S::LayerNames, 2>()).Max(32),
    Row("Farbe", T::Integer, Element<&S::LayerColors, 2>()),
    Row("Layer", T::Text, Element<&S::LayerNames, 3>()).Max(32),
    Row("Farbe", T::Integer, Element<&S::LayerColors, 3>()),
    Row("Layer", T::Text, Element<&S::LayerNames, 4>()).Max(32),
    Row("Farbe", T::Integer, Element<&S::LayerColors, 4>()),
    Row("Textstil CAD", T::Text, Field<&S::CadFontName>()).Max(32),
    Row("Textbreitenfaktor CAD", T::RealSignificant, Field<&S::CadTextWidthFactor>()).NonZero(1),
    Row("Textwinkel", T::RealSignificant, Field<&S::CadTextAngle>()),
    Row("CAD Ordner", T::Text, Field<&S::CadDir>()),
    Row("DBF Ordner", T::Text, Field<&S::DbfDir>()),
    Row("Hilfegrad", T::Word, Field<&S::HelpLevel>()),
    Row("Druckerschnittstelle", T::Word, Field<&S::PrinterPort>())
        .Range(1, kWordMax, 1)
        .MayEnd(CfgEnd::Early),
    Row("Druckertyp", T::Word, Field<&S::PrinterType>()).MayEnd(CfgEnd::Early),
    Row("Druckdichte", T::Word, Field<&S::PrintDensity>()),
    Row("Hardcopy um 90° gedreht ?", T::Char, Field<&S::HardcopyRotated>()).NonZero('N'),
    Row("Dezimalstellen", T::Integer, Field<&S::DecimalPlaces>()).Range(1, 9, 3),
    Row("Druckdicke vertikal", T::Word, Field<&S::PrintThicknessVertical>())
        .Range(1, 4, 1)
        .MayEnd(CfgEnd::Early),
    Row("Farbgrafik", T::Bool, Field<&S::ColorGraphics>()),
    Row("GrafikKorrekturFaktor horizontal", T::RealSignificant, Field<&S::GraphCorrectionFactor>())
        .NonZero(1),
    Row("Grafik-Mode", T::Integer, Field<&S::GraphMode>()),
    Row("Grafik-Treiber", T::Integer, Field<&S::GraphDriver>()),
    Row("Auflösung horizontal", T::Word, Field<&S::GraphWidth>()),
    Row("Auflösung vertikal", T::Word, Field<&S::GraphHeight>()),
    Row("Ordner für temporäre Dateien", T::Text, Field<&S::TempDir>()),
    Row("Druckerschnittstelle Hardcopy", T::Word, Field<&S::HardcopyPort>())
        .Range(1, kWordMax, 1)
        .MayEnd(CfgEnd::Early),
    Row("EDI Ordner", T::Text, Field<&S::EdiDir>()),
    Row("PLT Ordner", T::Text, Field<&S::PltDir>()),
    Row("Mode für Textausdruck 1:* 2:-", T::Word, Field<&S::SeparatorStyle>())
        .Range(1, kWordMax, 1),
    Row("Zeilen pro Seite für Drucker", T::Integer, Field<&S::LinesPerPage>())
        .Range(5, std::numeric_limits<int>::max(), 66),
    Row("Zoomfaktor", T::Real, Field<&S::ZoomFactor>()).NonZero(1.02L),
    Row("Pan-Faktor", T::Real, Field<&S::PanFactor>()).NonZero(0.01L),
    Row("QUORVEN-Programmverzeichnis", T::Text, Field<&S::ProgramDir>()).MayEnd(),
    Row("KARTUNO-Kommandozeile", T::Text, Element<&S::PlotCommandLines, 0>()).NotEmpty().MayEnd(),
    Row("Hintergrundfarbe", T::Integer, Field<&S::BackgroundColor>()).MayEnd(),
    Row("Windows-Druckmodus (1=mono 2=color)", T::Word, Field<&S::PrintColorMode>())
        .Range(1, kWordMax, 1)
        .MayEnd(),
    Row("Layer Monochrom", T::Bool, Field<&S::LayerMonochrome>())
        .MayEnd(CfgEnd::After, NoGraphicTextSettings),
    Row("Textbreitenfaktor Grafik", T::Real, Field<&S::TextWidthFactor>()).NonZero(0.8L),
    Row("Textstil Grafik", T::Text, Field<&S::GraphFontName>()).Max(60).MayEnd(),
    Row("Color Layer 16", T::Integer, Element<&S::LayerColors16to31, 0>()).NonZero(1),
    Row("Color Layer 17", T::Integer, Element<&S::LayerColors16to31, 1>()).NonZero(1),
    Row("Color Layer 18", T::Integer, Element<&S::LayerColors16to31, 2>()).NonZero(1),
    Row("Color Layer 19", T::Integer, Element<&S::LayerColors16to31, 3>()).NonZero(1),
    Row("Color Layer 20", T::Integer, Element<&S::LayerColors16to31, 4>()).NonZero(1),
    Row("Color Layer 21", T::Integer, Element<&S::LayerColors16to31, 5>()).NonZero(1),
    Row("Color Layer 22", T::Integer, Element<&S::LayerColors16to31, 6>()).NonZero(1),
    Row("Color Layer 23", T::Integer, Element<&S::LayerColors16to31, 7>()).NonZero(1),
    Row("Color Layer 24", T::Integer, Element<&S::LayerColors16to31, 8>()).NonZero(1),
    Row("Color Layer 25", T::Integer, Element<&S::LayerColors16to31, 9>()).NonZero(1),
    Row("Color Layer 26", T::Integer, Element<&S::LayerColors16to31, 10>()).NonZero(1),
    Row("Color Layer 27", T::Integer, Element<&S::LayerColors16to31, 11>()).NonZero(1),
    Row("Color Layer 28", T::Integer, Element<&S::LayerColors16to31, 12>()).NonZero(1),
    Row("Color Layer 29", T::Integer, Element<&S::LayerColors16to31, 13>()).NonZero(1),
    Row("Color Layer 30", T::Integer, Element<&S::LayerColors16to31, 14>()).NonZero(1),
    Row("Color Layer 31", T::Integer, Element<&S::LayerColors16to31, 15>()).NonZero(1).MayEnd(),
    Row("Textprogramm", T::Text, Field<&S::TextProgram>()),
    Row("Datenbank mode", T::Word, Field<&S::DatabaseMode>()),
    Row("externe Datenbank", T::Text, Field<&S::ExternalDatabase>()).MayEnd(),
    Row("Windows Screendump Origin X", T::Integer, Field<&S::ScreendumpOriginX>()),
    Row("Windows Screendump Origin Y", T::Integer, Field<&S::ScreendumpOriginY>()),
    Row("Windows Screendump Scale", T::Real48, Field<&S::ScreendumpScale>())
        .Fix(ScreendumpScaleFix),
    Row("Windows Screendump Border ?", T::Bool, Field<&S::ScreendumpBorder>()).MayEnd(),
    Row("KARTUNO Command lines (n, line 2 .. line n)", T::PlotCommands,
        Field<&S::PlotCommandCount>()),
    Row("Archive Flag ?", T::Bool, Field<&S::ArchiveMode>()),
    // Entries up to the HTML browser came later: an older file may end anywhere among them.
    Row("Date Code", T::Word, Field<&S::DateCode>()).Range(1, 3, 1).Optional(),
    Row("Header Space Lines", T::Integer, Field<&S::HeaderSpaceLines>()).Range(0, 30, 0).Optional(),
    Row("Text Device", T::Word, Field<&S::TextDevice>()).Range(1, 9, 1).Optional(),
    Row("Text Device Window ?", T::Bool, Field<&S::TextDeviceDialog>()).Optional(),
    Row("Small Online Window ?", T::Bool, Field<&S::SmallOnlineWindow>()).Optional(),
    Row("Enter Diagram Limits ?", T::Bool, Field<&S::EnterDiagramLimits>()).Optional(),
    Row("Dot=1 Komma=2", T::Word, Field<&S::DecimalComma>()).Range(1, 2, 1).Optional(),
    Row("Default Data Directory", T::Text, Field<&S::DataDir>()).Fix(DataDirFix).Optional(),
    Row("Text Height Factor", T::Real, Field<&S::TextHeightFactor>())
        .Range(0.1L, kNoMax, 1)
        .Optional(),
    Row("Input Window Scale %", T::Integer, Field<&S::InputWindowScale>())
        .Range(10, 1000, 100)
        .Optional(),
    Row("HTML Browser", T::Text, Field<&S::HtmlBrowser>()).Optional().MayEnd(),
    Row("Print Scale Vertical", T::Real48, Field<&S::PrintScaleVertical>())
        .Fix(PrintScaleVerticalFix),
    Row("Line thickness Layer 0..5", T::Integer, Element<&S::LineThickness0to5, 0>())
        .Range(1, 255, 1),
    Row(nullptr, T::Integer, Element<&S::LineThickness0to5, 1>()).Range(1, 255, 1),
    Row(nullptr, T::Integer, Element<&S::LineThickness0to5, 2>()).Range(1, 255, 1),
    Row(nullptr, T::Integer, Element<&S::LineThickness0to5, 3>()).Range(1, 255, 1),
    Row(nullptr, T::Integer, Element<&S::LineThickness0to5, 4>()).Range(1, 255, 1),
    Row(nullptr, T::Integer, Element<&S::LineThickness0to5, 5>()).Range(1, 255, 1),
    Row("Graphic Printout Dialog Box ?", T::Bool, Field<&S::GraphicPrintDialog>()),
    Row("Text window left/top/width/height", T::Rectangle, Field<&S::TextWindowRect>()),
    Row("Metric Units=0,  English units=1", T::Word, Field<&S::EnglishUnits>()),
    Row("printout with header=1, header page 1 only=2", T::Word, Field<&S::HeaderMode>())
        .Range(1, 2, 1),
    Row("Text Font Printout", T::Text, Field<&S::PrintFontName>()).Max(60).Fix(PrintFontNameFix),
    Row("Text Size Printout", T::Word, Field<&S::PrintFontSize>()).Range(1, kWordMax, 10),
    Row("Text Style Printout", T::Word, Field<&S::PrintFontStyle>()),
    Row("Text Style Graphics", T::Word, Field<&S::GraphFontStyle>()),
    Row("Printer: Portrait=1, Landscape=2", T::Word, Field<&S::PrinterOrientation>()),
    Row("Edit 3D x,y,z ?", T::BoolUnlessFalse, Field<&S::Edit3D>()),
    Row("3D - Default x,y,z", T::Real, Element<&S::Default3D, 0>()),
    Row(nullptr, T::Real, Element<&S::Default3D, 1>()),
    Row(nullptr, T::Real, Element<&S::Default3D, 2>()),
    Row(nullptr, T::Word, Field<&S::IndexStyle>()),
    Row(nullptr, T::Word, Field<&S::ExportDecimal>()).Range(1, kWordMax, 2),
    Row(nullptr, T::Text, Field<&S::ReleaseField>()),
    Row("Decimals DXF,TXT", T::Integer, Field<&S::DxfDecimals>()).Range(1, 32, 6),
    Row("CAD Text Mode", T::Word, Field<&S::CadTextMode>()).Range(1, kWordMax, 1),
    Row("Strichstärke Layer 16..31", T::Integer, Element<&S::LineThickness16to31, 0>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 1>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 2>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 3>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 4>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 5>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 6>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 7>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 8>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 9>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 10>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 11>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 12>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 13>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 14>()),
    Row(nullptr, T::Integer, Element<&S::LineThickness16to31, 15>()),
    Row(nullptr, T::Word, Field<&S::PlainCharacters>()),
    Row(nullptr, T::Integer, Field<&S::DialogElementsScale>()).Range(10, 1000, 100),
    Row(nullptr, T::Word, Field<&S::AngleFormat>()).Range(1, 2, 2),
    Row(nullptr, T::Real, Field<&S::DimensionFactor>()).NonZero(1),
    Row(nullptr, T::Integer, Field<&S::Reserved80>()),
    Row(nullptr, T::Integer, Field<&S::MenuLanguage>()),
    Row(nullptr, T::Integer, Field<&S::ResultGraphic>()),
    Row(nullptr, T::Bool, Field<&S::DrawHideTitle>()),
    Row(nullptr, T::Bool, Field<&S::DrawHideFileName>()),
    Row(nullptr, T::Bool, Field<&S::DrawHideDate>()),
    Row(nullptr, T::Bool, Field<&S::DrawHideLogo>()),
};

// The type of every entry fits the setting it reads and writes.
template <class V> constexpr bool Holds(const CfgEntry& e) {
    return std::holds_alternative<CfgSlot<V>>(e.setting);
}

constexpr bool TypeFitsSetting(const CfgEntry& e) {
    switch (e.type) {
    case T::Title:
    case T::Version:
        return std::holds_alternative<std::monostate>(e.setting);
    case T::Text:
        return Holds<std::string>(e);
    case T::Integer:
        return Holds<int>(e);
    case T::Word:
        return Holds<uint16_t>(e) || Holds<DecimalSign>(e) || Holds<Units>(e) ||
               Holds<UnitCharacters>(e) || Holds<PrintColors>(e) || Holds<Orientation>(e) ||
               Holds<PageHeaders>(e);
    case T::PlotCommands:
        return Holds<uint16_t>(e);
    case T::Char:
        return Holds<char>(e);
    case T::Bool:
    case T::BoolUnlessFalse:
        return Holds<bool>(e);
    case T::Real:
    case T::RealSignificant:
    case T::Real48:
        return Holds<long double>(e);
    case T::Rectangle:
        return Holds<Rect>(e);
    }
    return false;
}

constexpr bool EveryTypeFits() {
    for (const CfgEntry& e : kEntries)
        if (!TypeFitsSetting(e)) return false;
    return true;
}
static_assert(EveryTypeFits(), "an entry's type does not fit its setting");

} // namespace

uint16_t WordSetting(const CfgEntry& e, const Settings& s) {
    return std::visit(
        [&](const auto& slot) -> uint16_t {
            if constexpr (std::is_same_v<std::decay_t<decltype(slot)>, std::monostate>) {
                return 0;
            } else {
                using V = std::remove_cvref_t<decltype(slot.get(s))>;
                if constexpr (std::is_same_v<V, uint16_t> || std::is_enum_v<V>)
                    return static_cast<uint16_t>(slot.get(s));
                else
                    return 0;
            }
        },
        e.setting);
}

void SetWordSetting(const CfgEntry& e, Settings& s, uint16_t value) {
    std::visit(
        [&](const auto& slot) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(slot)>, std::monostate>) {
                using V = std::remove_cvref_t<decltype(slot.get(s))>;
                if constexpr (std::is_same_v<V, uint16_t> || std::is_enum_v<V>)
                    slot.ref(s) = static_cast<V>(value);
            }
        },
        e.setting);
}

std::span<const CfgEntry> SettingsEntries() {
    return kEntries;
}

const CfgEntry* FindSettingsEntry(std::string_view key) {
    const auto it = std::find_if(std::begin(kEntries), std::end(kEntries),
                                 [&](const CfgEntry& e) { return e.key && key == e.key; });
    return it == std::end(kEntries) ? nullptr : &*it;
}

const CfgEntry* FindSettingsEntry(const Settings& s, const void* setting) {
    for (const CfgEntry& e : kEntries) {
        const bool found = std::visit(
            [&](const auto& slot) {
                if constexpr (std::is_same_v<std::decay_t<decltype(slot)>, std::monostate>)
                    return false;
                else
                    return slot.get && static_cast<const void*>(&slot.get(s)) == setting;
            },
            e.setting);
        if (found) return &e;
    }
    return nullptr;
}

void KeepUntouchedSettings(const Settings& before, const Settings& baseline, Settings& result) {
    for (const CfgEntry& e : kEntries)
        std::visit(
            [&](const auto& slot) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(slot)>, std::monostate>) {
                    const auto& base = slot.get(baseline);
                    if (!(base == slot.get(before)) && base == slot.get(result))
                        slot.ref(result) = slot.get(before);
                }
            },
            e.setting);
}

} // namespace vak1
