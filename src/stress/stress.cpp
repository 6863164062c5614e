// Normal stresses by the bending formula about the centroid with the product of inertia, so
// that any orientation of the principal axes is covered; shear stresses from the warping and
// shear functions of the finite-element solution, per unit load scaled and added.
#include "stress/stress.h"

#include <cmath>

#include "calc/extended.h"
#include <numbers>
#include "model/ProjectData.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

// The larger value wins; the first of equal values stays.
void Keep(StressPoint& best, bool& set, double value, double y, double z, bool larger) {
    if (!set || (larger ? value > best.value : value < best.value)) best = {value, y, z};
    set = true;
}

double Turn(double a) {
    const double full = 2 * std::numbers::pi;
    a = std::fmod(a, full);
    return a < 0 ? a + full : a;
}

// The extremes of the linear field over the contour: on its corners, and on an arc where the
// circle's normal runs along the gradient.
void ContourExtremes(const std::vector<ContourArcPoint>& c, const NormalStressField& f,
                     StressResults& out) {
    bool setMax = false, setMin = false;
    auto take = [&](double y, double z) {
        const double v = f.At(y, z);
        Keep(out.sxMax, setMax, v, y, z, true);
        Keep(out.sxMin, setMin, v, y, z, false);
    };
    const double gradient = std::hypot(f.gy, f.gz);
    for (std::size_t i = 0; i < c.size(); ++i) {
        const double ay = static_cast<double>(c[i].y), az = static_cast<double>(c[i].z);
        take(ay, az);
        const double phi = static_cast<double>(c[i].phi);
        const ContourArcPoint& next = c[(i + 1) % c.size()];
        const double by = static_cast<double>(next.y), bz = static_cast<double>(next.z);
        const double dy = by - ay, dz = bz - az, chord = std::hypot(dy, dz);
        const double halfSin = std::sin(phi / 2);
        if (phi == 0 || !(std::fabs(halfSin) > 1e-12) || !(chord > 0) || gradient == 0) continue;
        const double h = chord / 2 / std::tan(phi / 2);
        const double yc = (ay + by) / 2 - dz * h / chord, zc = (az + bz) / 2 + dy * h / chord;
        const double r = std::fabs(chord / 2 / halfSin);
        const double start = std::atan2(az - zc, ay - yc);
        const double up = std::atan2(f.gz, f.gy);
        for (const double t : {up, up + std::numbers::pi}) {
            const double along = phi > 0 ? Turn(t - start) : Turn(start - t);
            if (along <= std::fabs(phi)) take(yc + r * std::cos(t), zc + r * std::sin(t));
        }
    }
}

NeutralAxis NeutralAxisOf(const NormalStressField& f) {
    NeutralAxis n;
    if (f.gy == 0 && f.gz == 0) return n;
    n.exists = true;
    double a = std::atan2(f.gy, -f.gz); // the line runs across the gradient
    if (a > std::numbers::pi / 2) a -= std::numbers::pi;
    if (a <= -std::numbers::pi / 2) a += std::numbers::pi;
    n.angle = a;
    if (f.gy != 0) {
        n.crossesY = true;
        n.y = f.ys - f.c / f.gy;
    }
    if (f.gz != 0) {
        n.crossesZ = true;
        n.z = f.zs - f.c / f.gz;
    }
    return n;
}

} // namespace

LoadUnits LoadUnitsOf(bool inch) {
    if (!inch) return {};
    constexpr double kNewtonPerLbf = 4.4482216152605, kMmPerInch = 25.4;
    return {kNewtonPerLbf,
            kNewtonPerLbf * kMmPerInch,
            kNewtonPerLbf / (kMmPerInch * kMmPerInch),
            kMmPerInch,
            "lbf",
            "lbf*in",
            "psi"};
}

NormalStressField NormalStressOf(const NormalStressSection& s, const SectionLoads& l) {
    NormalStressField f;
    f.ys = s.ys;
    f.zs = s.zs;
    f.c = s.A != 0 ? l.N / s.A : 0;
    const double det = s.Iy * s.Iz - s.Iyz * s.Iyz;
    if (det > 0) {
        f.gz = (l.My * s.Iz + l.Mz * s.Iyz) / det;
        f.gy = -(l.Mz * s.Iy + l.My * s.Iyz) / det;
    }
    return f;
}

TorsionStatus SolveFieldInWorker(const TorsionInput& in, const TorsionOptions& options,
                                 TorsionValues& out, TorsionField& field, std::string& message,
                                 const std::function<bool(std::size_t, std::size_t)>& report) {
    return ComputeTorsionFieldContained(in, options, out, field, message, report);
}

StressStatus ComputeStresses(const ProjectData& p, const NumberStyle& settings,
                             const SectionLoads& loads, StressResults& out, std::string& message,
                             const TorsionFieldSolver& solver, const TorsionOptions& options,
                             const std::function<bool(std::size_t, std::size_t)>& report) {
    out = StressResults{};
    message.clear();
    ExactSectionValues e;
    if (p.CalcError || !ComputeExactArcValues(p, settings, e)) return StressStatus::NoSection;
    const long double sign = e.A < 0 ? -1 : 1;
    NormalStressSection& s = out.section;
    s.A = static_cast<double>(sign * e.A);
    s.ys = static_cast<double>(e.ys);
    s.zs = static_cast<double>(e.zs);
    s.Iy = static_cast<double>(sign * e.IyS);
    s.Iz = static_cast<double>(sign * e.IzS);
    s.Iyz = static_cast<double>(sign * e.IyzS);
    if (!(s.A > 0) || !std::isfinite(s.Iy) || !std::isfinite(s.Iz) || !std::isfinite(s.Iyz))
        return StressStatus::NoSection;
    out.normal = NormalStressOf(s, loads);
    out.neutral = NeutralAxisOf(out.normal);
    const std::vector<ContourArcPoint> contour = CounterClockwiseArcContour(p, settings);
    ContourExtremes(contour, out.normal, out);

    // The mesh about the first point: far from the origin the solver's double coordinates
    // would keep few digits of the section's own size.
    TorsionInput in;
    const double y0 = contour.empty() ? 0 : static_cast<double>(contour[0].y);
    const double z0 = contour.empty() ? 0 : static_cast<double>(contour[0].z);
    for (const ContourArcPoint& q : contour) {
        in.contour.push_back({static_cast<double>(q.y) - y0, static_cast<double>(q.z) - z0});
        in.arcs.push_back(static_cast<double>(q.phi));
    }
    in.ys = s.ys - y0;
    in.zs = s.zs - z0;
    in.phi = static_cast<double>(e.phi);
    in.I1 = static_cast<double>(e.I1);
    in.I2 = static_cast<double>(e.I2);
    in.A = s.A;
    TorsionValues values;
    TorsionField field;
    const TorsionStatus status = solver(in, options, values, field, message, report);
    if (status == TorsionStatus::Cancelled) return StressStatus::Cancelled;
    if (status != TorsionStatus::Ok || field.unit.size() != field.nodes.size() ||
        field.nodes.empty()) {
        if (message.empty()) message = cp850("Die Torsionswerte sind nicht berechenbar.");
        return StressStatus::Failed;
    }
    out.ySc = values.ySc + y0;
    out.zSc = values.zSc + z0;
    const double c = std::cos(in.phi), sn = std::sin(in.phi);
    const double V1 = loads.Vy * c + loads.Vz * sn, V2 = -loads.Vy * sn + loads.Vz * c;
    const std::size_t n = field.nodes.size();
    out.sigma.resize(n);
    out.tau.resize(n);
    out.sv.resize(n);
    out.tauVector.resize(n);
    bool setTau = false, setSv = false;
    for (std::size_t i = 0; i < n; ++i) {
        FemPoint& q = field.nodes[i];
        q.y += y0;
        q.z += z0;
        const std::array<double, 6>& u = field.unit[i];
        const double ty = loads.Mx * u[0] + V1 * u[2] + V2 * u[4];
        const double tz = loads.Mx * u[1] + V1 * u[3] + V2 * u[5];
        const double sigma = out.normal.At(q.y, q.z), tau = std::hypot(ty, tz);
        out.sigma[i] = sigma;
        out.tau[i] = tau;
        out.tauVector[i] = {ty, tz};
        out.sv[i] = std::sqrt(sigma * sigma + 3 * tau * tau);
        Keep(out.tauMax, setTau, tau, q.y, q.z, true);
        Keep(out.svMax, setSv, out.sv[i], q.y, q.z, true);
    }
    out.mesh = std::move(field);
    return StressStatus::Ok;
}

} // namespace vak1
