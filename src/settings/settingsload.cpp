// Loading the settings file entry by entry along the table of its entries.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "settings/Settings.h"
#include "settings/cfgreader.h"
#include "settings/settingsfile.h"
#include "settings/settingstable.h"
#include "text/cp850.h"
#include "text/installation.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

void ApplyGraphicSize(Settings& s, const ScreenMetrics& m) {
    s.GraphWidthFromScreen = s.GraphWidth == 0 || s.GraphWidth == 65535;
    s.GraphHeightFromScreen = s.GraphHeight == 0 || s.GraphHeight == 65535;
    if (s.GraphWidthFromScreen) s.GraphWidth = static_cast<uint16_t>(m.width - 9);
    if (s.GraphHeightFromScreen) s.GraphHeight = static_cast<uint16_t>(m.height - 91);
}

template <class V> V& Ref(const CfgEntry& e, Settings& s) {
    return std::get<CfgSlot<V>>(e.setting).ref(s);
}

template <class V> void ApplyLimits(V& v, const CfgLimits& l) {
    if (l.check == CfgCheck::NonZero && v == 0) v = static_cast<V>(l.fallback);
    if (l.check == CfgCheck::Range && (v < l.min || v > l.max)) v = static_cast<V>(l.fallback);
}

void ReadPlotCommandLines(CfgReader& r, Settings& s) {
    uint16_t n = s.PlotCommandCount;
    r.Word(n);
    // The lines beyond the fifth are read past, so the entries after them stay in place.
    for (uint16_t k = 2; k <= n; ++k) {
        std::string excess;
        r.Text(k <= s.PlotCommandLines.size() ? s.PlotCommandLines[k - 1] : excess);
    }
    s.PlotCommandCount = std::min<uint16_t>(n, static_cast<uint16_t>(s.PlotCommandLines.size()));
}

// Reads one entry and checks it. A missing line leaves the setting as it was; the check
// then sees the value the setting already had.
void ReadEntry(CfgReader& r, const CfgEntry& e, Settings& s, const CfgLoadContext& context) {
    if (e.key) r.Key();
    switch (e.type) {
    case CfgType::Title:
    case CfgType::Version:
        r.Key();
        break;
    case CfgType::Text: {
        std::string& v = Ref<std::string>(e, s);
        const std::size_t max = e.maxLength ? e.maxLength : std::string::npos;
        if (e.limits.check == CfgCheck::NotEmpty) {
            std::string line = v;
            r.Text(line, max);
            if (!line.empty()) v = line;
        } else {
            r.Text(v, max);
        }
        break;
    }
    case CfgType::Integer:
        r.Integer(Ref<int>(e, s));
        ApplyLimits(Ref<int>(e, s), e.limits);
        break;
    case CfgType::Word: {
        uint16_t v = WordSetting(e, s);
        r.Word(v);
        ApplyLimits(v, e.limits);
        SetWordSetting(e, s, v);
        break;
    }
    case CfgType::Char:
        r.Char(Ref<char>(e, s));
        ApplyLimits(Ref<char>(e, s), e.limits);
        break;
    case CfgType::Bool:
        r.Bool(Ref<bool>(e, s));
        break;
    case CfgType::BoolUnlessFalse:
        r.BoolUnlessFalse(Ref<bool>(e, s));
        break;
    case CfgType::Real:
    case CfgType::RealSignificant:
        r.Real(Ref<long double>(e, s));
        ApplyLimits(Ref<long double>(e, s), e.limits);
        break;
    case CfgType::Real48:
        r.Real6(Ref<long double>(e, s));
        ApplyLimits(Ref<long double>(e, s), e.limits);
        break;
    case CfgType::Rectangle: {
        // Taken only when complete, with a size, and not the file's last line.
        Rect rect;
        if (r.Rectangle(rect) && rect.width != 0 && rect.height != 0 && !r.AtEnd())
            Ref<Rect>(e, s) = rect;
        break;
    }
    case CfgType::PlotCommands:
        ReadPlotCommandLines(r, s);
        break;
    }
    if (e.fix) e.fix(s, context);
}

// Reads the entries in file order up to the end of the table or an end mark at which the
// file ends. False when it ended at a mark that comes before the screen-dependent sizes.
bool ReadEntries(CfgReader& r, Settings& s, const std::string& startDir) {
    const CfgLoadContext context{startDir};
    for (const CfgEntry& e : SettingsEntries()) {
        r.endAllowed = e.optional;
        ReadEntry(r, e, s, context);
        r.endAllowed = false;
        if (e.end != CfgEnd::None && r.AtEnd()) {
            if (e.atEnd) e.atEnd(s);
            return e.end == CfgEnd::After;
        }
    }
    return true;
}

void ReportProblem(const DialogContext& d, const CfgReader& r, const std::string& path) {
    if (r.truncatedAt == 0 && r.badAt == 0) return;
    std::string text = "Einstellungsdatei " + path;
    if (r.badAt != 0 && (r.truncatedAt == 0 || r.badAt < r.truncatedAt))
        text += cp850(": ungültige Zahl in Zeile ") + std::to_string(r.badAt);
    else
        text += " endet vorzeitig in Zeile " + std::to_string(r.truncatedAt) +
                cp850(", fehlende Werte unverändert");
    ShowError(d, text + " !");
    d.AbortFlag = 1;
}

void NoSettingsFile(Settings& s, const DialogContext& d) {
    const ScreenMetrics m = d.ui.Screen();
    ApplyGraphicSize(s, m);
    s.TextWindowRect.height = m.height - 80;
    s.InputWindowScale = ScreenInputWindowScale(m);
    d.AbortFlag = 1;
}

} // namespace

int ScreenInputWindowScale(const ScreenMetrics& m) {
    const double ratio = static_cast<double>(m.mainWindowHeight) / (m.mainClientHeight + 46);
    return static_cast<int>(std::lround((ratio + 0.009) * (m.pixelsPerInchY / 96.0) * 100));
}

std::string FallbackSettingsFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return FolderPath(home) + ".quorven/";
}

std::string SettingsFilePath(const Settings& s, const std::string& extension) {
    return FolderPath(s.SettingsFolder) + s.SettingsBaseName + "." + extension;
}

bool CanHoldSettings(const std::string& folder) {
    const std::string dir = FolderPath(folder);
    return ::access(dir.empty() ? "." : dir.c_str(), W_OK | X_OK) == 0 &&
           !InsideInstalledData(dir + kSettingsBase + ".cfg");
}

void MakeSettingsFolder(const Settings& s) {
    const std::string user = FallbackSettingsFolder();
    if (user.empty() || FolderPath(s.SettingsFolder) != user) return;
    std::error_code ec;
    std::filesystem::create_directories(user, ec); // a failure shows at the write
}

namespace {

void LoadSettingsLines(Settings& s, const std::string& startDir, const DialogContext& d,
                       const std::vector<std::string>& lines, const std::string& path) {
    s.GraphCorrectionFactor = 1;
    s.SettingsSource = path;
    CfgReader r(lines);
    if (ReadEntries(r, s, startDir)) ApplyGraphicSize(s, d.ui.Screen());
    ReportProblem(d, r, path);
}

} // namespace

void LoadSettings(Settings& s, const std::string& startDir, const DialogContext& d) {
    if (s.SettingsFolder.empty()) s.SettingsFolder = startDir;
    std::vector<std::string> lines;
    std::string path = SettingsFilePath(s, "cfg");
    if (!ReadTextLines(path, lines)) {
        Settings fallback = s;
        fallback.SettingsFolder = FallbackSettingsFolder();
        path = SettingsFilePath(fallback, "cfg");
        if (fallback.SettingsFolder.empty() || !ReadTextLines(path, lines)) {
            // The files will be written to the start folder; one that cannot take them (a
            // desktop started in "/", the installation) leaves them to the per-user folder.
            if (!fallback.SettingsFolder.empty() && !CanHoldSettings(s.SettingsFolder))
                s.SettingsFolder = fallback.SettingsFolder;
            NoSettingsFile(s, d);
            return;
        }
        s.SettingsFolder = fallback.SettingsFolder;
    }
    LoadSettingsLines(s, startDir, d, lines, path);
}

void ImportSettings(Settings& s, const std::string& startDir, const DialogContext& d) {
    if (s.SettingsFolder.empty()) s.SettingsFolder = startDir;
    std::string chosen;
    if (!DialogUi(d, kHelpNone).OpenFileDialog(kSettingsFilter, s.SettingsFolder, chosen)) {
        d.AbortFlag = 1;
        return;
    }
    const std::string folder = s.SettingsFolder, base = s.SettingsBaseName;
    const std::filesystem::path p(chosen);
    s.SettingsFolder = FolderPath(p.parent_path().string());
    s.SettingsBaseName = p.stem().string();
    const std::string path = SettingsFilePath(s, "cfg");
    std::vector<std::string> lines;
    if (ReadTextLines(path, lines)) {
        LoadSettingsLines(s, startDir, d, lines, path);
    } else {
        ShowError(d, "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !");
        d.AbortFlag = 1;
    }
    s.SettingsFolder = folder;
    s.SettingsBaseName = base;
}

} // namespace vak1
