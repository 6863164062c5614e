// The plotting command line: composition, the form, the question sequence, the batch file.
#include "cad/plotline.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "dialogs/dialogs.h"
#include "help/helptext.h"
#include "platform/Launcher.h"
#include "platform/Ui.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 5> kFormatCodes{"HPL", "PS", "PLT", "PL2", "ART"};

std::string Trim(std::string_view t) {
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return std::string(t);
}

// True when text reads as the number x; a text that is no number never equals one.
bool TextIs(const std::string& text, long double x) {
    const ParsedNumber n = ParseNumber(text);
    return n.valid && n.value == x;
}

// The plotting program's numbers: significant digits, always with a point.
std::string PlotNumber(long double x) {
    NumberStyle style;
    style.DecimalComma = DecimalSign::Point;
    return Trim(FormatSignificant(style, x));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

// The folder part of the program word of a command line.
std::string ProgramFolder(const std::string& line) {
    const std::vector<std::string> words = SplitCommandLine(line);
    const std::string program = words.empty() ? std::string() : words.front();
    const std::size_t cut = program.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : program.substr(0, cut + 1);
}

// The program file in folder under the names it may carry here; empty when none exists.
std::string FindProgram(const std::string& folder, bool windowsVariant) {
    const std::string base = windowsVariant ? "WKARTUNO" : "KARTUNO";
    const std::string lower = windowsVariant ? "wkartuno" : "kartuno";
    for (const std::string& name : {base, lower, lower + ".exe", base + ".EXE"}) {
        const std::string path = JoinPath(folder, name);
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return path;
    }
    return {};
}

// word for the shell: as it stands when it has only characters the shell takes literally,
// else in single quotes (so blanks, "*" and "$" reach the program unchanged).
std::string ShellWord(const std::string& word) {
    constexpr std::string_view kLiteral = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          "0123456789_-+./,:=@%";
    if (!word.empty() && word.find_first_not_of(kLiteral) == std::string::npos) return word;
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// An executable shell script NAME.sh in the current folder that runs line with the words
// StartProgram would give it; the script's path as a word of a command line, or empty when
// it cannot be written.
std::string WriteBatchFile(const std::string& name, const std::string& line) {
    std::error_code ec;
    const fs::path path = fs::current_path(ec) / (name + ".sh");
    if (ec) return {};
    std::string command;
    for (const std::string& word : SplitCommandLine(line))
        command += (command.empty() ? "" : " ") + ShellWord(word);
    TextFileWriter out; // an older script of that name stays unless this one is whole
    if (out.Open(path.string())) out.Write("#!/bin/sh\n" + command + "\n");
    if (!out.Commit()) return {};
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ec);
    return ec ? std::string() : QuoteCommandWord(path.string());
}

// A line too long to start as it stands goes into a batch file; cancel keeps the line.
std::string OfferBatchFile(const CadContext& cx, const std::string& line) {
    const DialogContext d = cx.Dialogs();
    ShowInfo(d, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    std::string name;
    for (;;) {
        InputText(d, kHelpPlotBatch, "Name der Batch-Datei (ohne .sh)", 20, name);
        if (cx.AbortFlag) {
            cx.AbortFlag = 0;
            return line;
        }
        name = Trim(name);
        if (name.empty() || name.find_first_of("./") != std::string::npos) continue;
        const std::string path = WriteBatchFile(name, line);
        if (!path.empty()) return path;
        ShowError(d, "Datei " + name + ".sh " + "kann nicht angelegt werden");
    }
}

} // namespace

// Folders and names may hold blanks: every word that comes from them is quoted.
std::string ComposePlotLine(const PlotParameters& p) {
    std::string line = QuoteCommandWord(p.program) + " " + QuoteCommandWord(p.file);
    line += std::string(" /C") + kFormatCodes[std::clamp(p.format, 0, 4)];
    if (p.interface != 1) line += p.interface == 0 ? " /D1" : " /D3";
    if (p.interface != 2 && p.port != 1) line += " /P" + std::to_string(p.port);
    const std::string out = Trim(p.outputFile);
    if (p.interface == 2 && !out.empty()) line += " /F" + QuoteCommandWord(out);
    if (p.scale == 0)
        line += " /M*";
    else if (p.scale != 1)
        line += " /M" + PlotNumber(p.scale);
    if (p.xOffset != 0) line += " /X" + PlotNumber(p.xOffset);
    if (p.rotate) line += " /R";
    if (p.yOffset != 0) line += " /Y" + PlotNumber(p.yOffset);
    if (p.widthFactor != 1) line += " /B" + PlotNumber(p.widthFactor);
    if (p.format == 1 && !Trim(p.psFont).empty()) line += " /T" + QuoteCommandWord(Trim(p.psFont));
    return line;
}

std::string FormPlotLine(const PlotFormFields& f) {
    const std::string folder = FolderPath(f.outDir);
    const std::string file = QuoteCommandWord(folder + "kartuno");
    std::string line = QuoteCommandWord(Trim(f.program)) + " " + file;
    line += std::string(" /C") + kFormatCodes[std::clamp(f.format, 0, 4)];
    if (f.interface != 1) line += f.interface == 0 ? " /D1" : " /D3";
    const std::string& port = f.interface == 0 ? f.com : f.lpt;
    if (f.interface != 2 && !TextIs(port, 1)) line += " /P" + QuoteCommandWord(Trim(port));
    if (f.interface == 2 && !Trim(f.outDir).empty()) line += " /F" + file;
    const std::string scale = f.fitScale ? "0" : Trim(f.scale);
    if (TextIs(scale, 0))
        line += " /M*";
    else if (!TextIs(scale, 1))
        line += " /M" + QuoteCommandWord(scale);
    if (!TextIs(f.xOffset, 0)) line += " /X" + QuoteCommandWord(Trim(f.xOffset));
    if (!TextIs(f.yOffset, 0)) line += " /Y" + QuoteCommandWord(Trim(f.yOffset));
    if (!TextIs(f.widthFactor, 1)) line += " /B" + QuoteCommandWord(Trim(f.widthFactor));
    if (f.rotate) line += " /R";
    if (f.format == 1 && !Trim(f.psFont).empty()) line += " /T" + QuoteCommandWord(Trim(f.psFont));
    return line;
}

std::string BuildPlotLine(const CadContext& cx, const std::string& current) {
    const DialogContext d = cx.Dialogs();
    PlotParameters p;
    p.file = FolderPath(cx.Config.TempDir) + "kartuno";
    uint16_t variant = 2;
    InputChoice(d, kHelpPlotProgram, "KARTUNO/WKARTUNO",
                {"WKARTUNO.EXE (Windows)", "KARTUNO.EXE (MS-DOS)"}, variant);
    if (cx.AbortFlag) return {};
    const bool windows = variant == 1;
    std::string folder = ProgramFolder(current);
    do {
        InputText(d, kHelpPlotProgram,
                  std::string("Programmverzeichnis von ") +
                      (windows ? "wkartuno.exe" : "kartuno.exe"),
                  40, folder);
        if (cx.AbortFlag) return {};
        p.program = FindProgram(Trim(folder), windows);
    } while (p.program.empty());

    uint16_t format = 1;
    InputChoice(d, kHelpPlotFormat, "Ausgabeformat",
                {"HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)", "HP-GL/2  (PL2)",
                 "Aristo  (ART)"},
                format);
    if (cx.AbortFlag) return {};
    p.format = format - 1;
    uint16_t iface = 2;
    InputChoice(d, kHelpPlotInterface, "Ausgabeschnittstelle", {"seriell", "parallel", "Datei"},
                iface);
    if (cx.AbortFlag) return {};
    p.interface = iface - 1;
    if (p.interface == 2) {
        InputText(d, kHelpPlotFile, "Name der Ausgabedatei", 30, p.outputFile);
    } else {
        long port = 1;
        InputInteger(d, kHelpPlotPort, p.interface == 0 ? "COM-Port" : "LPT-Port", port, 1, 4);
        p.port = static_cast<int>(port);
    }
    if (cx.AbortFlag) return {};
    InputValue(d, kHelpPlotScale, cp850("Maßstab (0=anpassen)"), p.scale, 0, 1000);
    if (cx.AbortFlag) return {};
    InputYesNo(d, kHelpPlotRotate, "Plot um 90 Grad drehen ?", p.rotate);
    if (cx.AbortFlag) return {};
    InputValue(d, kHelpPlotOffset, "Nullpunktverschiebung in x-Richtung", p.xOffset, -1e8L, 1e8L);
    if (cx.AbortFlag) return {};
    InputValue(d, kHelpPlotOffset, "Nullpunktverschiebung in y-Richtung", p.yOffset, -1e8L, 1e8L);
    if (cx.AbortFlag) return {};
    InputValue(d, kHelpPlotWidth, "Textbreitenfaktor", p.widthFactor, 0.1L, 10);
    if (cx.AbortFlag) return {};
    if (p.format == 1) {
        InputText(d, kHelpPlotFont, "Postscript-Zeichensatz", 28, p.psFont);
        if (cx.AbortFlag) return {};
    }
    const std::string line = ComposePlotLine(p);
    return line.size() > kPlotLineLimit ? OfferBatchFile(cx, line) : line;
}

void ChoosePlotLine(const CadContext& cx) {
    if (!cx.ui) {
        cx.AbortFlag = 1;
        return;
    }
    const Settings& s = cx.Config;
    const std::size_t slots = s.PlotCommandLines.size();
    const std::size_t count = std::clamp<std::size_t>(s.PlotCommandCount, 1, slots);
    auto lineOf = [&](std::size_t k) -> std::string {
        return cx.PlotLines ? (*cx.PlotLines)[k - 1] : s.PlotCommandLines[k - 1];
    };
    uint16_t chosen = 1;
    const DialogContext d = cx.Dialogs();
    if (count >= 2) {
        std::vector<std::string> lines;
        for (std::size_t k = 1; k <= count; ++k)
            lines.push_back(lineOf(k).substr(0, 65));
        chosen = static_cast<uint16_t>(std::clamp<std::size_t>(cx.Cad.PlotLine, 1, count));
        InputChoice(d, kHelpPlotLines, "KARTUNO Command Line", lines, chosen);
        if (cx.AbortFlag) return;
    }
    cx.Cad.PlotLine = chosen;
    PlotFormData form;
    form.line = FieldText(lineOf(chosen));
    form.tempDir = FieldText(s.TempDir);
    form.hints = s.HelpLevel > 0;
    form.initial.outDir = form.tempDir;
    if (form.hints)
        for (uint16_t n : kPlotFormHints)
            form.hintTexts.push_back(HelpText(s, n)); // already display text
    if (!DialogUi(d, kHelpPlotLines).PlotLineForm(form)) {
        cx.AbortFlag = 1;
        return;
    }
    // The form's line is kept even when the prompt below is cancelled.
    std::string line = FieldValue(form.line);
    if (cx.PlotLines) (*cx.PlotLines)[chosen - 1] = line;
    InputText(d, kHelpPlotLine, "KARTUNO-Kommandozeile (0=Parameter)",
              std::max(kPlotLineLimit, line.size()), line);
    if (cx.AbortFlag) return;
    if (Trim(line).empty() || line.front() == '0') {
        line = BuildPlotLine(cx, lineOf(chosen));
        if (cx.AbortFlag) return;
    }
    if (cx.PlotLines) (*cx.PlotLines)[chosen - 1] = line;
}

} // namespace vak1
