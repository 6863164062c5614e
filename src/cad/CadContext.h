// What the CAD layer, its devices and the drawing procedures use of the program: the layer
// state, the settings, the message list, the dialogs, the clock and launcher, the graphics
// window of the screen device, the diagram and hatching state, the project's name for file
// names, and the message list display. References only: one is made where a drawing command
// starts and passed down; the open device keeps a copy.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"

namespace vak1 {

struct CadLayer;
struct Settings;
struct MessageList;
class Ui;
class Clock;
class Launcher;
struct GraphicsWindow;
struct DiagramState;
struct HatchBuffer;

struct CadContext {
    CadLayer& Cad;
    const Settings& Config;
    MessageList& Messages;
    Ui* ui; // null: nobody to ask (unattended runs)
    uint8_t& AbortFlag;
    const bool& MessageDisplay;    // error boxes are shown only while on
    const bool& OverwriteQuestion; // the file checks ask before replacing a file
    Clock* clock;                  // null: the system clock
    Launcher* launcher;            // null: programs cannot be started
    GraphicsWindow& Graphics;      // the screen device's display list
    DiagramState& Diagram;
    HatchBuffer& Hatch;
    const std::string& ProjectName; // the save dialog's proposed file name
    // Parameters after the program name; with two or more the run is a command-line job.
    const std::vector<std::string>& CommandLine;
    // The project's file as shown at the foot of drawings; empty when unnamed.
    std::function<std::string()> ProjectPath;
    // The message list of the last calculation, shown when a drawing finds it failed.
    std::function<void()> ShowMessageList;

    // The stored plotting command lines, where the plot device's choice stores an edited
    // line; null: lines are read from Config and not stored.
    std::array<std::string, 5>* PlotLines = nullptr;
    // The view option that adds the shear centre, the plastic neutral axes and the
    // finite-element mesh to the section drawing; null: off.
    const bool* SolverOverlay = nullptr;

    // The generic dialogs' view; only while ui is set.
    DialogContext Dialogs() const;
};

} // namespace vak1
