// The one project: contour positions, the polygon made from them, extents, body data,
// results, flags and the text lines of the drawing.
#pragma once
#include <array>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

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
    // The contour, counted from 0 (at most kMaxPositions); files, lists and dialogs number
    // the positions from 1.
    std::vector<TPosition> Positions;
    // What each index of the contour held before the contour became shorter or was replaced
    // (a deletion, a reset that keeps the coordinates, a contour read): a position added at
    // such an index again starts from it.
    std::vector<TPosition> EarlierPositions;
    // The chord polygon of the last calculation, closed: its last point repeats the first.
    std::vector<TPolyPoint> PolyPoints;

    uint16_t PosCount() const { return static_cast<uint16_t>(Positions.size()); }
    uint16_t PolyCount() const { return static_cast<uint16_t>(PolyPoints.size()); }
    // The position before index i: the origin before the first.
    TPosition Before(std::size_t i) const { return i == 0 ? TPosition{} : Positions[i - 1]; }
    // What a new position at index i starts from: what the index held before, or the unset
    // coordinates (999, 999) where it never held one.
    TPosition Earlier(std::size_t i) const;
    // Remembers the positions by their index, before the contour becomes shorter.
    void KeepEarlier();
    // Replaces the contour, remembering the old one by index.
    void SetContour(std::vector<TPosition> positions);

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
    // No positions, and nothing remembered of earlier ones.
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
