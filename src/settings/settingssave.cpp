// Writing the settings file along the table of its entries. Reals always get a decimal
// point, whatever separator the user chose for the display.
#include <algorithm>

#include "dialogs/dialogs.h"
#include "settings/Settings.h"
#include "settings/settingsfile.h"
#include "settings/settingstable.h"
#include "text/cp850.h"
#include "text/filenumbers.h"
#include "text/formats.h"
#include "text/linecursor.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

class CfgWriter {
  public:
    CfgWriter(TextFileWriter& out, const Settings& s) : out_(out), fmt_(s) {
        fmt_.DecimalComma = DecimalSign::Point;
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

template <class V> const V& Get(const CfgEntry& e, const Settings& s) {
    return std::get<CfgSlot<V>>(e.setting).get(s);
}

void WriteEntry(CfgWriter& w, const CfgEntry& e, const Settings& s) {
    if (e.key) w.Key(e.key);
    switch (e.type) {
    case CfgType::Title:
        w.Text(std::string(kSettingsBase) + " Konfiguration");
        break;
    case CfgType::Version:
        w.Text(std::string("Version ") + kVersion);
        break;
    case CfgType::Text:
        w.Text(Get<std::string>(e, s));
        break;
    case CfgType::Integer:
        w.Int(Get<int>(e, s));
        break;
    case CfgType::Word:
        w.Int(WordSetting(e, s));
        break;
    case CfgType::Char:
        w.Char(Get<char>(e, s));
        break;
    case CfgType::Bool:
    case CfgType::BoolUnlessFalse:
        w.Bool(Get<bool>(e, s));
        break;
    case CfgType::Real:
    case CfgType::Real48:
        w.Real7(Get<long double>(e, s));
        break;
    case CfgType::RealSignificant:
        w.RealS(Get<long double>(e, s));
        break;
    case CfgType::Rectangle:
        w.Rectangle(Get<Rect>(e, s));
        break;
    case CfgType::PlotCommands: {
        const uint16_t n = std::min<uint16_t>(s.PlotCommandCount, s.PlotCommandLines.size());
        w.Int(n);
        for (uint16_t k = 2; k <= n; ++k)
            w.Text(s.PlotCommandLines[k - 1]);
        break;
    }
    }
}

} // namespace

void SaveSettings(Settings& s, const std::string& startDir, const DialogContext& d) {
    if (s.SettingsFolder.empty()) s.SettingsFolder = startDir;
    MakeSettingsFolder(s);
    TextFileWriter out;
    if (out.Open(SettingsFilePath(s, "cfg"))) {
        CfgWriter w(out, s);
        Settings written = s;
        if (s.GraphWidthFromScreen) written.GraphWidth = 0;
        if (s.GraphHeightFromScreen) written.GraphHeight = 0;
        for (const CfgEntry& e : SettingsEntries())
            WriteEntry(w, e, written);
        out.Commit();
    }
    ReportWriteError(d, out);
}

} // namespace vak1
