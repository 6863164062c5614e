// The command line of the plotting program: the stored lines, the form that builds one from
// the plotting parameters, the question sequence and the batch file for long lines.
#pragma once
#include <string>

#include "platform/printdialogs.h"

namespace vak1 {

struct CadContext;

// Longest command line started as it stands; a longer one is put into a batch file.
constexpr std::size_t kPlotLineLimit = 60;

// The parameters of one plot as the question sequence collects them.
struct PlotParameters {
    std::string program; // folder and program name
    std::string file;    // the plot file without extension
    int format = 0;      // 0 HPL, 1 PS, 2 PLT, 3 PL2, 4 ART
    int interface = 1;   // 0 serial, 1 parallel, 2 file
    int port = 1;
    std::string outputFile;
    long double scale = 1; // 0: fit to the sheet
    bool rotate = false;
    long double xOffset = 0, yOffset = 0;
    long double widthFactor = 1;
    std::string psFont;
};

// The line of the question sequence; numbers in significant digits with a point.
std::string ComposePlotLine(const PlotParameters& p);
// The line the form's controls make (its texts as they stand).
std::string FormPlotLine(const PlotFormFields& f);

// Device 4 was chosen: pick a stored line, edit it in the form and confirm it; the result is
// stored in the chosen slot. Cancel sets AbortFlag.
void ChoosePlotLine(const CadContext& cx);
// The question sequence; the line, or empty with AbortFlag set.
std::string BuildPlotLine(const CadContext& cx, const std::string& current);

} // namespace vak1
