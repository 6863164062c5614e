// The help-picture browser and its index file: one line "name","description" per picture.
#include "graphics/picturebrowser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "graphics/hpgl.h"
#include "platform/PortWriter.h"
#include "platform/Ui.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFilter = "*.plt|*.plt";
constexpr std::size_t kEntryWidth = 65;
constexpr std::size_t kNameWidth = 8;
constexpr std::size_t kDescriptionLength = 50;

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The quoted field at the start of s (after an optional comma); false when s has none.
bool QuotedField(std::string_view& s, std::string& field) {
    if (!s.empty() && s.front() == ',') s.remove_prefix(1);
    if (s.empty() || s.front() != '"') return false;
    s.remove_prefix(1);
    const auto end = s.find('"');
    field = std::string(s.substr(0, end));
    s.remove_prefix(end == std::string_view::npos ? s.size() : end + 1);
    return true;
}

std::string Base(const std::string& path) {
    return fs::path(path).stem().string();
}

// The dialog state of a running browser.
class Browser {
  public:
    explicit Browser(const PictureBrowserContext& c) : c_(c), d_(c.dialogs) {}

    void Run() {
        bool first = true;
        while (!d_.AbortFlag) {
            const std::string indexPath = PictureIndexPath(c_.settings);
            if (!FileExists(indexPath)) {
                if (!WithoutIndex()) break;
                continue;
            }
            index_ = PictureIndex{};
            ReadPictureIndex(indexPath, index_);
            if (index_.malformed > 0) ShowError(d_, "DBH file error");
            PictureBrowserAction action = PictureBrowserAction::Show;
            int selected = 1;
            if (!first || index_.entries.empty()) {
                PictureBrowserData data;
                data.caption = std::string(kProgramName) + " Hilfebilder";
                for (const auto& line : PictureBrowserLines(index_))
                    data.entries.push_back(DisplayText(d_.style, line));
                data.entries.resize(index_.entries.size());
                data.selected = std::min<int>(shown_, Count());
                action = DialogUi(d_, kHelpPictureBrowser).PictureBrowserDialog(data);
                selected = data.selected;
            }
            first = false;
            if (!Act(action, selected, indexPath)) break;
        }
        d_.AbortFlag = 0;
    }

  private:
    int Count() const { return static_cast<int>(index_.entries.size()); }
    bool Valid(int n) const { return n >= 1 && n <= Count(); }

    void Show(const std::string& path) {
        ShowHelpPicture(c_.graphics, c_.graphics.Hpgl, d_, path);
        d_.AbortFlag = 0; // a missing picture was reported; the browser goes on
    }

    // False when the browser ends.
    bool Act(PictureBrowserAction action, int selected, const std::string& indexPath) {
        using A = PictureBrowserAction;
        switch (action) {
        case A::Close:
            return false;
        case A::Show:
            if (Valid(selected)) {
                Show(PicturePath(c_.settings, index_.entries[selected - 1].name));
                shown_ = selected;
            }
            return true;
        case A::Add:
            return Add(indexPath);
        case A::Delete:
            return Delete(selected, indexPath);
        case A::Change:
            return Change(selected, indexPath);
        case A::Insert:
            return Insert(selected, indexPath);
        case A::Plot:
            return Plot(selected);
        }
        return false;
    }

    // The line an operation works on: the selected picture, else one the user chooses.
    int Line(int selected, uint16_t help, std::string_view prompt) {
        if (Valid(selected)) return selected;
        if (Count() == 0) return 0;
        std::vector<std::string> lines = PictureBrowserLines(index_);
        lines.resize(index_.entries.size());
        uint16_t choice = 1;
        InputChoice(d_, help, prompt, lines, choice);
        return d_.AbortFlag ? 0 : choice;
    }

    // A picture file chosen in the picture folder and its description; false when cancelled.
    bool NewLine(uint16_t help, std::string& line) {
        std::string file;
        if (!DialogUi(d_, help).OpenFileDialog(kFilter, FolderPath(c_.settings.PltDir), file)) {
            d_.AbortFlag = 1;
            return false;
        }
        std::string description;
        InputText(d_, help, "Information zum Hilfebild", kDescriptionLength, description);
        if (d_.AbortFlag) return false;
        line = PictureIndexLine(Base(file), description);
        return true;
    }

    bool Rewrite(const std::string& indexPath, const std::vector<std::string>& lines) {
        return RewritePictureIndex(d_, c_.settings, indexPath, lines);
    }

    bool Add(const std::string& indexPath) {
        std::string line;
        if (!NewLine(kHelpPictureAdd, line)) return false;
        std::vector<std::string> lines = index_.lines;
        lines.push_back(line);
        return Rewrite(indexPath, lines);
    }

    bool Delete(int selected, const std::string& indexPath) {
        int n = selected;
        if (Valid(n)) {
            if (!AskQuestion(d_, kHelpPictureDelete, cp850("Löschen ?"))) return false;
        } else {
            n = Line(0, kHelpPictureDelete, cp850("Zu löschende Zeile wählen..."));
            if (!Valid(n)) return !d_.AbortFlag;
        }
        std::vector<std::string> lines = index_.lines;
        lines.erase(lines.begin() + static_cast<long>(index_.entries[n - 1].line));
        if (shown_ >= n) --shown_;
        return Rewrite(indexPath, lines);
    }

    bool Change(int selected, const std::string& indexPath) {
        const int n = Line(selected, kHelpPictureChange, cp850("Zu ändernde Zeile wählen..."));
        if (!Valid(n)) return !d_.AbortFlag;
        PictureIndexEntry e = index_.entries[n - 1];
        InputText(d_, kHelpPictureName, "Dateiname (ohne Endung .plt)", kNameWidth, e.name);
        if (d_.AbortFlag) return false;
        InputText(d_, kHelpPictureChange, "Information zum Hilfebild", kDescriptionLength,
                  e.description);
        if (d_.AbortFlag) return false;
        std::vector<std::string> lines = index_.lines;
        lines[e.line] = PictureIndexLine(e.name, e.description);
        return Rewrite(indexPath, lines);
    }

    bool Insert(int selected, const std::string& indexPath) {
        const int n = Line(selected, kHelpPictureInsert, cp850("Vor welche Zeile einfügen ?"));
        if (d_.AbortFlag) return false;
        std::string line;
        if (!NewLine(kHelpPictureInsert, line)) return false;
        std::vector<std::string> lines = index_.lines;
        const std::size_t at = Valid(n) ? index_.entries[n - 1].line : lines.size();
        lines.insert(lines.begin() + static_cast<long>(at), line);
        return Rewrite(indexPath, lines);
    }

    bool Plot(int selected) {
        const int n = Line(selected, kHelpPicturePlot, "Welches Bild ausdrucken ?");
        if (!Valid(n)) return !d_.AbortFlag;
        long port = 1;
        InputInteger(d_, kHelpPicturePort, "Druckerschnittstelle (max = 3, default=1)", port, 1, 3);
        if (d_.AbortFlag) return false;
        const bool escapes =
            AskQuestion(d_, kHelpPictureEscapes,
                        cp850("Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?"));
        if (d_.AbortFlag) return false;
        d_.ui.StatusMessage("Hilfebild wird ausgegeben ..");
        PlotPicture(d_, c_.ports, PicturePath(c_.settings, index_.entries[n - 1].name),
                    static_cast<int>(port), escapes);
        return !d_.AbortFlag;
    }

    // Without an index: any picture file; its folder becomes the picture folder.
    bool WithoutIndex() {
        std::string file;
        if (!DialogUi(d_, kHelpPictureBrowser)
                 .OpenFileDialog(kFilter, FolderPath(c_.settings.PltDir), file))
            return false;
        const fs::path folder = fs::path(file).parent_path();
        if (!folder.empty()) c_.settings.PltDir = FolderPath(folder.string());
        Show(file);
        return true;
    }

    const PictureBrowserContext& c_;
    const DialogContext& d_;
    PictureIndex index_;
    int shown_ = 1;
};

} // namespace

std::string PictureIndexPath(const Settings& settings) {
    return FolderPath(settings.PltDir) + LowerAscii(settings.SettingsBaseName) + ".dbh";
}

bool ReadPictureIndex(const std::string& path, PictureIndex& index) {
    if (!ReadTextLines(path, index.lines)) return false;
    for (std::size_t i = 0; i < index.lines.size() && i < kMaxIndexEntries; ++i) {
        std::string_view s = index.lines[i];
        PictureIndexEntry e;
        e.line = i;
        if (!QuotedField(s, e.name)) {
            ++index.malformed;
            continue;
        }
        QuotedField(s, e.description);
        index.entries.push_back(std::move(e));
    }
    return true;
}

std::string PictureIndexLine(const std::string& name, const std::string& description) {
    return "\"" + name + "\",\"" + description + "\"";
}

std::vector<std::string> PictureBrowserLines(const PictureIndex& index) {
    std::vector<std::string> out;
    for (const auto& e : index.entries) {
        std::string name = e.name;
        if (name.size() < kNameWidth) name.resize(kNameWidth, ' ');
        out.push_back((name + ": " + e.description).substr(0, kEntryWidth));
    }
    out.push_back("-----  Erweitern  -----");
    out.push_back(cp850("-----  Löschen  -----"));
    out.push_back(cp850("-----  Ändern  ------"));
    out.push_back(cp850("-----  Einfügen ------"));
    out.push_back("-----  HP-GL/2 drucken/plotten  ------");
    return out;
}

std::string PicturePath(const Settings& settings, const std::string& name) {
    std::string trimmed;
    for (char c : name)
        if (c != ' ') trimmed += c;
    const std::string folder = FolderPath(settings.PltDir);
    const std::string lower = folder + LowerAscii(trimmed) + ".plt";
    const std::string asWritten = folder + trimmed + ".plt";
    return !FileExists(lower) && FileExists(asWritten) ? asWritten : lower;
}

bool RewritePictureIndex(const DialogContext& d, const Settings& settings,
                         const std::string& indexPath, const std::vector<std::string>& lines) {
    std::string temp;
    {
        TextFileWriter w;
        if (w.OpenNew(FolderPath(settings.TempDir) + "$$$", ".dbh")) {
            temp = w.Path();
            for (const auto& line : lines)
                w.WriteLine(line);
            w.Commit();
        }
        if (w.Failed()) {
            ReportWriteError(d, w);
            if (!temp.empty()) std::remove(temp.c_str());
            return false;
        }
    }
    // The complete temporary file replaces the index in one rename beside it.
    std::ifstream in(temp, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const bool readBack = static_cast<bool>(in) || in.eof();
    in.close();
    std::remove(temp.c_str());
    TextFileWriter out;
    if (readBack && out.Open(indexPath)) {
        out.Write(bytes);
        out.Commit();
    }
    if (!readBack) {
        ShowError(d, "DBH file error");
        d.AbortFlag = 1;
        return false;
    }
    ReportWriteError(d, out);
    return !out.Failed();
}

bool PlotPicture(const DialogContext& d, PortWriter* ports, const std::string& picture, int port,
                 bool escapes) {
    std::ifstream in(picture, std::ios::binary);
    std::error_code ec;
    if (!fs::is_regular_file(picture, ec) || !in) {
        std::string shown = picture;
        std::erase(shown, ' ');
        ShowError(d, shown + " nicht gefunden !");
        d.AbortFlag = 1;
        return false;
    }
    if (!ports || !ports->Open("LPT" + std::to_string(port))) {
        ShowError(d, "file write error");
        d.AbortFlag = 1;
        return false;
    }
    bool ok = true;
    if (escapes)
        ok = ports->Write("\x1b"
                          "E"
                          "\x1b"
                          "%0B");
    char block[kPortBlock];
    while (ok && in) {
        in.read(block, sizeof block);
        if (in.gcount() > 0) ok = ports->Write(std::string_view(block, in.gcount()));
    }
    if (ok && in.bad()) ok = false;
    if (ok && escapes)
        ok = ports->Write("\x1b"
                          "%0A"
                          "\x1b"
                          "E");
    ok = ports->Close() && ok;
    if (!ok) {
        ShowError(d, "file write error");
        d.AbortFlag = 1;
    }
    return ok;
}

void BrowseHelpPictures(const PictureBrowserContext& c) {
    Browser(c).Run();
}

} // namespace vak1
