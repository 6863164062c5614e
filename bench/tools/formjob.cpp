// The whole process of an unattended form-sheet drawing of the benchmark contour, like
// "vak1 NAME /CADi:5": device 1 (DXF) or 2 (IGES) into OUTPUT_BASE.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/cadcontext.h"
#include "cad/drawing.h"
#include "formcontour.h"

using namespace vak1;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DEVICE OUTPUT_BASE\n", argv[0]);
        return 2;
    }
    App app;
    bench::LoadFormContour(app);
    if (app.Project.CalcError) return 1;
    std::string error;
    if (!RunCadJob(CadContextOf(app), app.Project, app.Docu, std::atoi(argv[1]), dkForm, argv[2],
                   &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return app.Messages.count == 0 ? 0 : 1; // a hatching message would spoil the figures
}
