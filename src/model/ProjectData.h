// The one project: contour positions, the polygon made from them, extents, body data,
// results, flags and the text lines of the drawing.
#pragma once
#include <array>
#include <cstdint>
#include <numbers>
#include <string>

namespace vak1 {

constexpr uint16_t kMaxPositions = 500;
constexpr uint16_t kMaxPolyPoints = 2000;
constexpr long double UnsetCoordinate = 999;

// Lengths in mm; phi is the arc angle (radians) from this position to the next one.
struct TPosition {
    long double y = 0, z = 0, phi = 0;
};

struct TPolyPoint {
    long double y = 0, z = 0;
};

struct TSectionResults {
    long double A = 0, Hy = 0, Hz = 0, Iy = 0, Iz = 0, Iyz = 0, Ip0 = 0;
    long double ys = 0, zs = 0, IyS = 0, IzS = 0, IyzS = 0, IpS = 0;
    long double phi = 0, I1 = 0, I2 = 0, J0 = 0, Js = 0;
};

// Maximum lengths of the drawing's text lines.
constexpr std::size_t kDrawingNameLength = 25;
constexpr std::size_t kDrawingName2Length = 30;
constexpr std::size_t kDrawingNumberLength = 18;
constexpr std::size_t kRemarkLineLength = 65;

struct ProjectData {
    uint16_t PosCount = 0;
    std::array<TPosition, kMaxPositions + 1> Positions{};
    uint16_t PolyCount = 0;
    std::array<TPolyPoint, kMaxPolyPoints + 1> PolyPoints{};

    long double YMin = 0, ZMin = 0, YMax = 160, ZMax = 120;
    long double YWidth = 160, ZHeight = 120;

    long double lx = 1000;       // body length, mm
    long double rho = 7.8L;      // density, kg/dm3
    long double ArcDivision = 5; // chord angle of arcs, degrees

    TSectionResults R{};
    long double V = 0; // volume, mm3
    long double m = 0; // mass, kg

    uint8_t CalcError = 0;
    bool DrawHatching = true;
    bool DrawPrincipalAxes = true;

    // Code page 850 texts.
    std::string DrawingName;
    std::string DrawingName2;
    std::string DrawingNumber;
    std::array<std::string, 3> RemarkLines{};

    ProjectData() { StartUp(); }

    // Values before the main window exists.
    void StartUp();
    // PosCount 0, every slot (999, 999, 0), slot 0 the origin.
    void ResetContour();
    // "New": empties the remark lines and resets the contour; body data and results stay.
    void NewProject();
};

// Accepted input ranges of the body data.
constexpr long double kLxMin = 0, kLxMax = 1e9L;
constexpr long double kRhoMin = 0.01L, kRhoMax = 100;
constexpr long double kArcDivisionMin = 0.1L, kArcDivisionMax = 30;
// Coordinates lie within +-kCoordinateMax mm, the bound of the body length: beyond it the
// position list, the report and the drawings could no longer show them.
constexpr long double kCoordinateMax = kLxMax;
// Arc angles (radians) lie strictly within one full turn: from a full turn on, the two ends
// of an arc no longer fix its circle, and the chord count has no sensible bound.
constexpr long double kFullTurn = 2 * std::numbers::pi_v<long double>;

} // namespace vak1
