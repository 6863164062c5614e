// Frame and title block of the form sheet, drawn into the block "FRAME_1".
#include "cad/frame.h"

#include <algorithm>
#include <cstdio>

#include "app/App.h"
#include "cad/CadOutput.h"
#include "cad/ScreenOutput.h"
#include "cad/cad.h"
#include "platform/Clock.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {

const char* const kProtectionNoticeEnglish[5] = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents thereof, are forbidden",
    "without express authority. Offenders are liable to the",
    "payment of damages. All rights are reserved in the event",
    "of the grant of a patent, utility model or design."};

const char* const kProtectionNoticeGerman[5] = {
    "Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhaltes nicht gestattet,",
    "soweit nicht ausdrücklich zugestanden. Zuwiderhandlungen",
    "verpflichten zu Schadenersatz. Alle Rechte für den Fall",
    "der Patent- oder Gebrauchsmustereintragung vorbehalten."};

namespace {

constexpr std::size_t kFileNameLength = 150;
constexpr const char* kLogoBlock = "logo_1";

void Line(App& app, long double x1, long double y1, long double x2, long double y2) {
    CadLine(app, x1, y1, x2, y2);
}

void Style(App& app, long double width, long double height, long double angle) {
    CadTextStyle(app, 2, width, height, angle);
}

void FrameLines(App& app) {
    CadSetLayer(app, 5);
    CadRectangle(app, 18, 5, 205, 292);
    Line(app, 18, 43, 205, 43);
    CadSetLayer(app, 4);
    Line(app, 73, 5, 73, 43);
    Line(app, 116, 5, 116, 43);
    Line(app, 73, 22, 205, 22);
    Line(app, 192, 9.4L, 192, 22);
    CadSetLayer(app, 3);
    CadRectangle(app, 0, 0, 210, 297);
    for (int i = 1; i <= 8; ++i)
        Line(app, 18, 43 - 4.2L * i, 73, 43 - 4.2L * i);
    for (int i = 1; i <= 4; ++i)
        Line(app, 73, 43 - 4.2L * i, 116, 43 - 4.2L * i);
    Line(app, 26, 5, 26, 43);
    Line(app, 52, 5, 52, 43);
    Line(app, 65, 5, 65, 43);
    Line(app, 82, 22, 82, 43);
    Line(app, 98, 22, 98, 43);
    Line(app, 73, 9.4L, 205, 9.4L);
    Line(app, 160, 5, 160, 9.4L);
    Line(app, 192, 14, 205, 14);
    Line(app, 0, 148.5L, 15, 148.5L);
}

void HeadingTexts(App& app) {
    Style(app, 1.3L, 1.6L, 0);
    CadText(app, "Zust.", 19, 6);
    CadText(app, cp850("Änderung"), 30, 6);
    CadText(app, "Datum", 54, 6);
    CadText(app, "Name", 65.6L, 6);
    Style(app, 1.5L, 1.8L, 0);
    CadText(app, "Datum", 85, 39.8L);
    CadText(app, "Name", 100, 39.8L);
    CadText(app, "Bearb.", 74, 35.6L);
    CadText(app, "Gepr.", 74, 31.4L);
    CadText(app, "Norm", 74, 27.2L);
    CadText(app, app.Config.ReleaseField, 74, 23.2L);
}

void ProtectionNotice(App& app) {
    Style(app, 1.5L, 1.8L, 90);
    const long double xs[5] = {4, 6.7L, 9.4L, 12.1L, 14.8L};
    for (int i = 0; i < 5; ++i)
        CadText(app, kProtectionNoticeEnglish[i], xs[i], 10);
    for (int i = 0; i < 5; ++i)
        CadText(app, cp850(kProtectionNoticeGerman[i]), xs[i], 200);
}

void ApprovalTexts(App& app) {
    Style(app, 1.5L, 1.8L, 0);
    const long double ys[4] = {35.6L, 31.2L, 27.0L, 23.0L};
    for (int i = 0; i < 4; ++i) {
        const TApprovalRow& row = app.Docu.ApprovalRows[static_cast<std::size_t>(i)];
        CadText(app, row.date, 83.5L, ys[i]);
        CadText(app, row.name, 100, ys[i]);
    }
    CadText(app, "Blatt", 194, 18);
    CadText(app, "Bl.", 200, 10.4L);
    const Documentation& d = app.Docu;
    if (!d.ReplacementFor.empty()) CadText(app, cp850("Ersatz für ") + d.ReplacementFor, 118, 6.5L);
    if (!d.ReplacedBy.empty()) CadText(app, "Ersetzt durch " + d.ReplacedBy, 162, 6.5L);
}

void FreeTexts(App& app) {
    const Documentation& d = app.Docu;
    const uint16_t n = d.FreeTextCount > kMaxFreeTexts ? kMaxFreeTexts : d.FreeTextCount;
    for (uint16_t i = 0; i < n; ++i) {
        const TFreeText& t = d.FreeTexts[i];
        if (t.h > 0) Style(app, 0.8L * t.h, t.h, t.phi);
        CadText(app, t.text, t.x, t.y);
    }
}

std::string ProjectFileName(const App& app) {
    std::string f = app.State.ProjectPath();
    if (f.size() > kFileNameLength) f.resize(kFileNameLength);
    return f;
}

std::string DateAndTime(const App& app) {
    SystemClock system;
    const Clock& clock = app.Env.clock ? *app.Env.clock : static_cast<const Clock&>(system);
    const DateTime t = clock.Now();
    char hm[16];
    std::snprintf(hm, sizeof hm, "%d:%02d", t.hour, t.minute);
    return TodayText(clock, app.Config) + " " + hm;
}

// On screen the logo's block file is read at the insertion; the plot file must hold the
// definition itself (DefineFormFrame copies it there before the frame).
bool LogoAvailable(const App& app) {
    const uint16_t device = app.Cad.Out ? app.Cad.Out->Device() : 0;
    const auto& blocks = app.Cad.FileBlocks;
    if (device == cdScreen) return FileExists(BlockFilePath(app.Config, kLogoBlock));
    return device == cdPlot && std::find(blocks.begin(), blocks.end(), kLogoBlock) != blocks.end();
}

void NamesAndFooter(App& app, const std::string& name, const std::string& name2,
                    const std::string& number) {
    CadSetLayer(app, 5);
    Style(app, 4, 5, 0);
    CadText(app, name, 120, 32.5L);
    CadText(app, number, 120, 12);
    Style(app, 2.8L, 3.5L, 0);
    CadText(app, name2, 120, 25);
    Style(app, 1.2L, 1.5L, 0);
    const Settings& s = app.Config;
    if (!s.DrawHideFileName) CadText(app, ProjectFileName(app), 18, 1);
    if (!s.DrawHideDate) CadText(app, DateAndTime(app), 186, 1);
    Style(app, 3.0L, 3.5L, 0);
    if (!s.DrawHideTitle)
        CadText(app,
                std::string("QUORVEN Industriesoftware GmbH   ") + kProgramTitle + "   Version " +
                    kVersion,
                1, 300);
    if (!s.DrawHideLogo && LogoAvailable(app)) CadInsert(app, "logo_1", 75, 10, 0, 1, 1);
}

} // namespace

std::string ChangeIndex(uint16_t style, int k) {
    switch (style) {
    case 0:
        return std::string(1, static_cast<char>('a' + k - 1));
    case 1:
        return std::to_string(k);
    case 2:
        return std::string(1, static_cast<char>('A' + k - 1));
    default:
        return {};
    }
}

void DrawChangeRows(App& app) {
    const Documentation& d = app.Docu;
    const int count = d.ChangeCount > kMaxChangeEntries ? kMaxChangeEntries : d.ChangeCount;
    if (count == 0) return;
    CadTextStyle(app, 2, 1.3L, 1.7L, 0);
    CadSetLayer(app, 3);
    const int first = count < 9 ? 1 : count - 7;
    for (int k = first; k <= count; ++k) {
        const TChangeEntry& e = d.ChangeEntries[static_cast<std::size_t>(k - 1)];
        const long double y = 6.5L + 4.2L * (k - first + 1);
        CadText(app, ChangeIndex(app.Config.IndexStyle, k), 21, y);
        CadText(app, e.text, 27, y);
        CadText(app, e.date, 52.5L, y);
        CadText(app, e.editor, 66, y);
    }
}

void DrawFrame(App& app, const std::string& name, const std::string& name2,
               const std::string& number) {
    if (app.State.AbortFlag) return;
    app.Cad.FormSheetMarker = 2;
    FrameLines(app);
    HeadingTexts(app);
    ProtectionNotice(app);
    ApprovalTexts(app);
    DrawChangeRows(app);
    FreeTexts(app);
    NamesAndFooter(app, name, name2, number);
}

} // namespace vak1
