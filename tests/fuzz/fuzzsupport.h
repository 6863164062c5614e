// What every fuzz target shares: its own temporary folder (made once, removed at exit), a
// fresh App on the headless platform whose every folder setting points into it, and the
// path through the program that follows a reader that accepted its input: the calculation,
// the reports, every drawing kind on every file device and on the screen with its replay.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

#include "app/App.h"
#include "app/cadcontext.h"
#include "app/outputcontext.h"
#include "project/calculation.h"
#include "cad/drawing.h"
#include "graphics/replay.h"
#include "platform/headless/FilePortWriter.h"
#include "report/resultreport.h"
#include "testing/FixedClock.h"
#include "testing/ImageCanvas.h"
#include "testing/RecordingLauncher.h"
#include "testing/RecordingPrinter.h"
#include "testing/ScriptedUi.h"

namespace vak1::fuzz {

// The target's folder, ending with "/"; nothing is written anywhere else.
inline const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vak1-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        static const std::string removeAtExit = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(removeAtExit, ec);
        });
        return pattern + "/";
    }();
    return folder;
}

inline std::string InFolder(std::string_view name) {
    return Folder() + std::string(name);
}

inline void WriteFile(const std::string& path, const uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Empties the folder between runs, so one input's files never reach the next one.
inline void ClearFolder() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(), ec))
        std::filesystem::remove_all(entry.path(), ec);
}

// Points every folder setting into the target's folder (after a settings file was read, too).
inline void PinFolders(Settings& s) {
    const std::string& dir = Folder();
    for (std::string* folder : {&s.CadDir, &s.DbfDir, &s.TempDir, &s.EdiDir, &s.PltDir, &s.DataDir,
                                &s.ProgramDir, &s.SettingsFolder})
        *folder = dir;
}

// A fresh program on the headless platform, every folder inside the target's folder; the
// scripted dialogs answer every question with cancel.
struct FuzzApp {
    App app;
    ScriptedUi ui;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    FilePortWriter ports;

    FuzzApp() {
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Env.printer = &printer;
        app.Env.launcher = &launcher;
        app.Env.ports = &ports;
        PinFolders(app.Config);
        const std::string& dir = Folder();
        app.State.StartDir = dir;
        for (int n = 1; n <= 4; ++n)
            ports.Map(n, dir + "lpt" + std::to_string(n));
        app.State.ProjectDir = dir;
        app.State.ProjectName = "fuzz";
        app.State.NoGui = true;
    }
};

// The display list replayed on a small screen picture, then in print mode on screen and a
// small page at once.
inline void ReplayAll(GraphicsWindow& g, const Settings& s) {
    ImageCanvas screen(160, 120), paper(105, 148);
    uint8_t abort = 0;
    Replay(g, s, screen, abort);
    g.PrintMode = true;
    const PrintTarget print{&paper, PrinterPage{105, 148, 1, 1, 5, 5, true, 12}};
    abort = 0;
    Replay(g, s, screen, abort, &print);
    g.PrintMode = false;
}

// Whether every input goes every way after the reader: set for a run over a corpus without
// mutation (-runs=0), where speed does not count. While fuzzing, each input takes one device
// and one drawing kind, chosen by its bytes, which is many times faster and still reaches
// every way over the inputs.
inline bool& EveryWay() {
    static bool every = false;
    return every;
}

// Everything that follows the reading of a project: the calculation and, when it succeeds,
// the standard report, the drawing kinds into DXF, IGES and TXT, and the drawing kinds on
// the screen device with their replay. choice picks one device and one kind (see EveryWay).
inline void RunProject(FuzzApp& f, std::size_t choice) {
    App& app = f.app;
    CalcSection(app.Project, app.Messages, app.Config);
    RunReportJob(OutputContextOf(app), app.Project, app.Messages, InFolder("report.txt"));
    const int devices[] = {cdDxf, cdIges, cdTxt, cdScreen};
    for (int d = 0; d < 4; ++d)
        for (int kind = dkGeometryTable; kind <= dkForm; ++kind) {
            if (!EveryWay() && static_cast<std::size_t>(d * 5 + kind - 1) != choice % 20) continue;
            app.State.AbortFlag = 0;
            if (devices[d] != cdScreen) {
                RunCadJob(CadContextOf(app), app.Project, app.Docu, devices[d], kind,
                          InFolder("drawing"));
                continue;
            }
            DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen,
                        static_cast<DrawingKind>(kind));
            ReplayAll(app.Graphics, app.Config);
        }
}

// A choice made from all bytes of an input.
inline std::size_t ChoiceOf(const uint8_t* data, std::size_t size) {
    std::size_t h = size;
    for (std::size_t i = 0; i < size; ++i)
        h = h * 31 + data[i];
    return h;
}

} // namespace vak1::fuzz

// Each target includes this header once.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if (std::string_view((*argv)[i]) == "-runs=0") vak1::fuzz::EveryWay() = true;
    return 0;
}
