// Start-up, contour reset and "New" of the project data.
#include "model/ProjectData.h"

#include <algorithm>
#include <utility>

namespace vak1 {

void ProjectData::ResetContour() {
    Positions.clear();
    EarlierPositions.clear();
}

TPosition ProjectData::Earlier(std::size_t i) const {
    return i < EarlierPositions.size() ? EarlierPositions[i]
                                       : TPosition{UnsetCoordinate, UnsetCoordinate, 0};
}

void ProjectData::KeepEarlier() {
    if (EarlierPositions.size() < Positions.size()) EarlierPositions.resize(Positions.size());
    std::copy(Positions.begin(), Positions.end(), EarlierPositions.begin());
}

void ProjectData::SetContour(std::vector<TPosition> positions) {
    KeepEarlier();
    Positions = std::move(positions);
}

void ProjectData::StartUp() {
    ResetContour();
    PolyPoints.clear();
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
