// The program-wide state, one instance of each part, owned by one App. Every test starts
// from a fresh App; nothing else is global.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "cad/CadLayer.h"
#include "cad/diagram.h"
#include "cad/schraff.h"
#include "dbase/tablewindow.h"
#include "dialogs/dialogs.h"
#include "docu/Documentation.h"
#include "graphics/GraphicsWindow.h"
#include "platform/Platform.h"
#include "model/ProjectData.h"
#include "model/messages.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "stress/stress.h"
#include "text/program.h"

namespace vak1 {

struct App;

struct AppState {
    std::string ProjectName; // without folder and extension; empty: unnamed
    std::string ProjectDir;  // ends with "/" when not empty
    std::string ProjectFile; // the file it was read from or written to, as given
    std::array<std::string, 4> RecentFiles{};
    uint8_t AbortFlag = 0;
    uint8_t ModifiedFlag = 0;
    bool CommandLineFile = false;
    bool NoGui = false;            // "/NOGUI" on the command line
    bool MessageDisplay = true;    // error boxes are shown only while on
    bool OverwriteQuestion = true; // CheckTargetFile asks before replacing a file
    long double MeshFineness = 1;  // torsion mesh of the extended values: 2 halves the elements
    std::string StartDir;          // current folder at program start, ends with "/"
    std::vector<std::string> CommandLine; // parameters after the program name
    std::vector<std::string> LineTable = std::vector<std::string>(205); // choice lines

    // The internal forces of View -> "Spannungen" (N, N mm) and the stress its picture shows
    // (sigma, tau, von Mises); the section drawing's option of shear centre, plastic axes, mesh.
    SectionLoads StressLoads;
    int StressPictureKind = 2;
    bool DrawSolverOverlay = false;

    // The position picked last in the drawing (0: none): the position list opens at it.
    uint16_t PickedPosition = 0;
    // Clears the graphics window for a help picture and draws pltFile (empty: no picture).
    std::function<void(App& app, const std::string& pltFile)> HelpPicture;
    // Set when a help picture took the graphics window's place during the running command.
    bool PictureReplaced = false;
    // Connections to the drawing and the message list display; an empty one does nothing.
    // RedrawView(kind) draws the section view in the main window (1 "Grafik", 2 "Polylinie").
    std::function<void(uint16_t kind)> RedrawView;
    std::function<void()> ShowMessageList;

    // The project's file: ProjectFile, else folder + name + extension; empty when unnamed.
    std::string ProjectPath() const {
        if (ProjectName.empty()) return {};
        if (!ProjectFile.empty()) return ProjectFile;
        return ProjectDir + ProjectName + "." + kExtension;
    }
    void Unname() {
        ProjectName.clear();
        ProjectFile.clear();
    }

    // The window caption; the front end shows what the commands leave here.
    std::string Caption;
    bool CloseRequested = false; // set by "Beenden": the front end closes the window
};

struct App {
    ProjectData Project;
    Settings Config;
    MessageList Messages;
    AppState State;
    Documentation Docu;
    OutputDocument Output;
    CadLayer Cad;
    GraphicsWindow Graphics;
    MenuState Menu;
    DiagramState Diagram;
    HatchBuffer Hatch;
    Platform Env;
    TableWindow Table;      // the table window, made once and used for every table
    int PrintoutRecord = 0; // record of "printout.dbf" chosen last (0: none)
};

// The generic dialogs' view of the program.
inline DialogContext Dialogs(App& app) {
    return {*app.Env.ui, app.Config, app.State.AbortFlag, app.State.MessageDisplay,
            app.State.OverwriteQuestion};
}

} // namespace vak1
