// Frame and title block of the form sheet, drawn into the block "FRAME_1".
#include "cad/frame.h"

#include <algorithm>
#include <cstdio>

#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "settings/Settings.h"
#include "docu/Documentation.h"
#include "cad/CadOutput.h"
#include "cad/ScreenOutput.h"
#include "cad/cad.h"
#include "platform/Clock.h"
#include "text/cp850.h"
#include "text/program.h"
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

void Line(const CadContext& cx, long double x1, long double y1, long double x2, long double y2) {
    CadLine(cx, x1, y1, x2, y2);
}

void Style(const CadContext& cx, long double width, long double height, long double angle) {
    CadTextStyle(cx, 2, width, height, angle);
}

void FrameLines(const CadContext& cx) {
    CadSetLayer(cx, 5);
    CadRectangle(cx, 18, 5, 205, 292);
    Line(cx, 18, 43, 205, 43);
    CadSetLayer(cx, 4);
    Line(cx, 73, 5, 73, 43);
    Line(cx, 116, 5, 116, 43);
    Line(cx, 73, 22, 205, 22);
    Line(cx, 192, 9.4L, 192, 22);
    CadSetLayer(cx, 3);
    CadRectangle(cx, 0, 0, 210, 297);
    for (int i = 1; i <= 8; ++i)
        Line(cx, 18, 43 - 4.2L * i, 73, 43 - 4.2L * i);
    for (int i = 1; i <= 4; ++i)
        Line(cx, 73, 43 - 4.2L * i, 116, 43 - 4.2L * i);
    Line(cx, 26, 5, 26, 43);
    Line(cx, 52, 5, 52, 43);
    Line(cx, 65, 5, 65, 43);
    Line(cx, 82, 22, 82, 43);
    Line(cx, 98, 22, 98, 43);
    Line(cx, 73, 9.4L, 205, 9.4L);
    Line(cx, 160, 5, 160, 9.4L);
    Line(cx, 192, 14, 205, 14);
    Line(cx, 0, 148.5L, 15, 148.5L);
}

void HeadingTexts(const CadContext& cx) {
    Style(cx, 1.3L, 1.6L, 0);
    CadText(cx, "Zust.", 19, 6);
    CadText(cx, cp850("Änderung"), 30, 6);
    CadText(cx, "Datum", 54, 6);
    CadText(cx, "Name", 65.6L, 6);
    Style(cx, 1.5L, 1.8L, 0);
    CadText(cx, "Datum", 85, 39.8L);
    CadText(cx, "Name", 100, 39.8L);
    CadText(cx, "Bearb.", 74, 35.6L);
    CadText(cx, "Gepr.", 74, 31.4L);
    CadText(cx, "Norm", 74, 27.2L);
    CadText(cx, cx.Config.ReleaseField, 74, 23.2L);
}

void ProtectionNotice(const CadContext& cx) {
    Style(cx, 1.5L, 1.8L, 90);
    const long double xs[5] = {4, 6.7L, 9.4L, 12.1L, 14.8L};
    for (int i = 0; i < 5; ++i)
        CadText(cx, kProtectionNoticeEnglish[i], xs[i], 10);
    for (int i = 0; i < 5; ++i)
        CadText(cx, cp850(kProtectionNoticeGerman[i]), xs[i], 200);
}

void ApprovalTexts(const CadContext& cx, const Documentation& d) {
    Style(cx, 1.5L, 1.8L, 0);
    const long double ys[4] = {35.6L, 31.2L, 27.0L, 23.0L};
    for (int i = 0; i < 4; ++i) {
        const TApprovalRow& row = d.ApprovalRows[static_cast<std::size_t>(i)];
        CadText(cx, row.date, 83.5L, ys[i]);
        CadText(cx, row.name, 100, ys[i]);
    }
    CadText(cx, "Blatt", 194, 18);
    CadText(cx, "Bl.", 200, 10.4L);
    if (!d.ReplacementFor.empty()) CadText(cx, cp850("Ersatz für ") + d.ReplacementFor, 118, 6.5L);
    if (!d.ReplacedBy.empty()) CadText(cx, "Ersetzt durch " + d.ReplacedBy, 162, 6.5L);
}

void FreeTexts(const CadContext& cx, const Documentation& d) {
    const uint16_t n = d.FreeTextCount > kMaxFreeTexts ? kMaxFreeTexts : d.FreeTextCount;
    for (uint16_t i = 0; i < n; ++i) {
        const TFreeText& t = d.FreeTexts[i];
        if (t.h > 0) Style(cx, 0.8L * t.h, t.h, t.phi);
        CadText(cx, t.text, t.x, t.y);
    }
}

std::string ProjectFileName(const CadContext& cx) {
    std::string f = cx.ProjectPath();
    if (f.size() > kFileNameLength) f.resize(kFileNameLength);
    return f;
}

std::string DateAndTime(const CadContext& cx) {
    SystemClock system;
    const Clock& clock = cx.clock ? *cx.clock : static_cast<const Clock&>(system);
    const DateTime t = clock.Now();
    char hm[16];
    std::snprintf(hm, sizeof hm, "%d:%02d", t.hour, t.minute);
    return TodayText(clock, cx.Config) + " " + hm;
}

// On screen the logo's block file is read at the insertion; the plot file must hold the
// definition itself (DefineFormFrame copies it there before the frame).
bool LogoAvailable(const CadContext& cx) {
    const uint16_t device = cx.Cad.Out ? cx.Cad.Out->Device() : 0;
    const auto& blocks = cx.Cad.FileBlocks;
    if (device == cdScreen) return FileExists(BlockFilePath(cx.Config, kLogoBlock));
    return device == cdPlot && std::find(blocks.begin(), blocks.end(), kLogoBlock) != blocks.end();
}

void NamesAndFooter(const CadContext& cx, const std::string& name, const std::string& name2,
                    const std::string& number) {
    CadSetLayer(cx, 5);
    Style(cx, 4, 5, 0);
    CadText(cx, name, 120, 32.5L);
    CadText(cx, number, 120, 12);
    Style(cx, 2.8L, 3.5L, 0);
    CadText(cx, name2, 120, 25);
    Style(cx, 1.2L, 1.5L, 0);
    const Settings& s = cx.Config;
    if (!s.DrawHideFileName) CadText(cx, ProjectFileName(cx), 18, 1);
    if (!s.DrawHideDate) CadText(cx, DateAndTime(cx), 186, 1);
    Style(cx, 3.0L, 3.5L, 0);
    if (!s.DrawHideTitle)
        CadText(cx,
                std::string("QUORVEN Industriesoftware GmbH   ") + kProgramTitle + "   Version " +
                    kVersion,
                1, 300);
    if (!s.DrawHideLogo && LogoAvailable(cx)) CadInsert(cx, "logo_1", 75, 10, 0, 1, 1);
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

void DrawChangeRows(const CadContext& cx, const Documentation& d) {
    const int count = d.ChangeCount > kMaxChangeEntries ? kMaxChangeEntries : d.ChangeCount;
    if (count == 0) return;
    CadTextStyle(cx, 2, 1.3L, 1.7L, 0);
    CadSetLayer(cx, 3);
    const int first = count < 9 ? 1 : count - 7;
    for (int k = first; k <= count; ++k) {
        const TChangeEntry& e = d.ChangeEntries[static_cast<std::size_t>(k - 1)];
        const long double y = 6.5L + 4.2L * (k - first + 1);
        CadText(cx, ChangeIndex(cx.Config.IndexStyle, k), 21, y);
        CadText(cx, e.text, 27, y);
        CadText(cx, e.date, 52.5L, y);
        CadText(cx, e.editor, 66, y);
    }
}

void DrawFrame(const CadContext& cx, const Documentation& docu, const std::string& name,
               const std::string& name2, const std::string& number) {
    if (cx.AbortFlag) return;
    cx.Cad.FormSheetMarker = 2;
    FrameLines(cx);
    HeadingTexts(cx);
    ProtectionNotice(cx);
    ApprovalTexts(cx, docu);
    DrawChangeRows(cx, docu);
    FreeTexts(cx, docu);
    NamesAndFooter(cx, name, name2, number);
}

} // namespace vak1
