// Start-up, contour reset and "New" of the project data.
#include "model/ProjectData.h"

namespace vak1 {

void ProjectData::ResetContour() {
    PosCount = 0;
    for (auto& p : Positions)
        p = TPosition{UnsetCoordinate, UnsetCoordinate, 0};
    Positions[0] = TPosition{0, 0, 0};
}

void ProjectData::StartUp() {
    ResetContour();
    for (auto& p : PolyPoints)
        p = TPolyPoint{};
    PolyCount = 0;
    R = TSectionResults{};
    V = 0;
    m = 0;
    YMin = 0;
    ZMin = 0;
    YMax = 160;
    ZMax = 120;
    YWidth = YMax - YMin;
    ZHeight = ZMax - ZMin;
    lx = 1000;
    rho = 7.8L;
    ArcDivision = 5;
    CalcError = 0;
    DrawHatching = true;
    DrawPrincipalAxes = true;
    DrawingName.clear();
    DrawingName2.clear();
    DrawingNumber.clear();
}

void ProjectData::NewProject() {
    for (auto& line : RemarkLines)
        line.clear();
    ResetContour();
}

} // namespace vak1
