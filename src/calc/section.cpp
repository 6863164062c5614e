// Section calculation in 80-bit extended precision, without allocation.
#include "calc/section.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "report/formats.h"

namespace vak1 {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTwoThirds = 2.0L / 3.0L;
constexpr long double kSixth = 1.0L / 6.0L;
constexpr long double kHalf = 0.5L;

// Polar angle of the vector (v, u) = (dy, dz) about a centre.
long double Theta(long double u, long double v) {
    if (v > 0) return std::atan(u / v);
    if (v < 0) return std::atan(u / v) + kPi;
    return u >= 0 ? kPi / 2 : -kPi / 2;
}

constexpr const char* kPointMessage = "Fatal  : > 2000 Punkte !";

// Appends one polygon point; false once the 2000th point would be reached.
bool AddPoint(ProjectData& p, int& n, long double y, long double z) {
    ++n;
    if (n >= kMaxPolyPoints) return false;
    p.PolyPoints[n] = TPolyPoint{y, z};
    return true;
}

bool BuildPolygon(ProjectData& p, MessageList& messages, const Settings& settings, int& n) {
    n = 0;
    for (int i = 1; i <= p.PosCount; ++i) {
        const TPosition& P = p.Positions[i - 1];
        const TPosition& Q = p.Positions[i];
        ArcCenter c;
        if (i == 1 || P.phi == 0 ||
            !GetArcCenter(P.y, P.z, Q.y, Q.z, P.phi, c, messages, settings)) {
            if (!AddPoint(p, n, Q.y, Q.z)) return false;
            continue;
        }
        if (c.a1 < 0) c.a1 += 2 * kPi;
        if (c.a2 < 0) c.a2 += 2 * kPi;
        long double delta = p.ArcDivision * kPi / 180;
        long double absPhi = std::fabs(P.phi);
        long long k = std::llrint(absPhi / delta);
        if (k < 2) k = 2;
        long double step = absPhi / static_cast<long double>(k);
        for (long long j = 0; j <= k; ++j) {
            long double angle = P.phi >= 0 ? c.a1 + static_cast<long double>(j) * step
                                           : c.a2 - static_cast<long double>(j) * step;
            if (!AddPoint(p, n, c.yc + c.r * std::cos(angle), c.zc + c.r * std::sin(angle)))
                return false;
        }
    }
    return true;
}

void Extents(ProjectData& p) {
    p.YMax = p.ZMax = -1e32L;
    p.YMin = p.ZMin = 1e32L;
    for (int j = 1; j <= p.PolyCount; ++j) {
        const TPolyPoint& q = p.PolyPoints[j];
        if (q.y > p.YMax) p.YMax = q.y;
        if (q.y < p.YMin) p.YMin = q.y;
        if (q.z > p.ZMax) p.ZMax = q.z;
        if (q.z < p.ZMin) p.ZMin = q.z;
    }
    if (p.YMin == p.YMax) p.YMax = p.YMin + 1;
    if (p.ZMin == p.ZMax) p.ZMax = p.ZMin + 1;
    p.YWidth = p.YMax - p.YMin;
    p.ZHeight = p.ZMax - p.ZMin;
}

void EdgeIntegrals(ProjectData& p) {
    TSectionResults& R = p.R;
    R.A = R.Hy = R.Hz = R.Iy = R.Iz = R.Iyz = 0;
    for (int j = 1; j < p.PolyCount; ++j) {
        const long double y1 = p.PolyPoints[j].y, z1 = p.PolyPoints[j].z;
        const long double y2 = p.PolyPoints[j + 1].y, z2 = p.PolyPoints[j + 1].z;
        const long double dy = y2 - y1, dz = z2 - z1;
        const long double ym = (y1 + y2) * kHalf, zm = (z1 + z2) * kHalf;
        const long double e = kTwoThirds * zm * (-zm * dy) + kSixth * z1 * z2 * dy;
        const long double g = kTwoThirds * ym * (ym * dz) - kSixth * y1 * y2 * dz;
        R.A += -zm * dy;
        R.Hy += e;
        R.Hz += g;
        R.Iy += (e + kSixth * z1 * z2 * dy) * zm;
        R.Iz += (g - kSixth * y1 * y2 * dz) * ym;
        R.Iyz += y1 * e - dy * dy * (zm * zm + z2 * z2 * kHalf) * kSixth;
        R.Ip0 = R.Iy + R.Iz;
    }
}

// Principal angle when IzS = IyS: any axis is principal for IyzS = 0, so the given axes are
// kept; otherwise the principal directions lie at +-45 degrees.
long double EqualMomentsAngle(long double IyzS) {
    if (IyzS == 0) return 0;
    return IyzS > 0 ? kPi / 4 : -kPi / 4;
}

void CentroidAndPrincipal(TSectionResults& R) {
    R.ys = R.Hz / R.A;
    R.zs = R.Hy / R.A;
    R.IyS = R.Iy - R.zs * R.zs * R.A;
    R.IzS = R.Iz - R.ys * R.ys * R.A;
    R.IyzS = R.Iyz - R.ys * R.zs * R.A;
    R.IpS = R.IyS + R.IzS;

    const long double diff = R.IzS - R.IyS;
    R.phi = diff != 0 ? kHalf * std::atan(2 * R.IyzS / diff) : EqualMomentsAngle(R.IyzS);
    const long double d = R.IyS - R.IzS;
    const long double radius = kHalf * std::sqrt(d * d + (2 * R.IyzS) * (2 * R.IyzS));
    const long double mean = (R.IyS + R.IzS) * kHalf;
    R.I1 = mean + radius;
    R.I2 = mean - radius;
    if (!(R.I1 >= 0) && !(R.I2 >= 0)) {
        std::swap(R.I1, R.I2);
        R.I1 = -R.I1;
        R.I2 = -R.I2;
    }
}

void BodyValues(ProjectData& p) {
    if (!(p.lx > 0)) return;
    TSectionResults& R = p.R;
    p.V = std::fabs(R.A * p.lx);
    p.m = p.V * p.rho * 1e-6L;
    R.J0 = std::fabs(R.Ip0 * p.lx * p.rho * 1e-12L);
    R.Js = std::fabs(R.IpS * p.lx * p.rho * 1e-12L);
}

} // namespace

bool GetArcCenter(long double y1, long double z1, long double y2, long double z2,
                  long double phi, ArcCenter& out, MessageList& messages,
                  const Settings& settings) {
    const long double dy = y2 - y1, dz = z2 - z1;
    const long double c = std::sqrt(dy * dy + dz * dz);
    const long double ym = (y1 + y2) * kHalf, zm = (z1 + z2) * kHalf;
    const long double halfSin = std::sin(phi * kHalf);
    if (halfSin == 0) {
        std::string text = "Fehler in GetArcCenter (dphi = ";
        text += FormatSignificant(settings, phi);
        text += " ! ";
        AddMessage(messages, text);
        return false;
    }
    const long double h = std::sin(phi) != 0 ? (c * kHalf) / std::tan(phi * kHalf) : 0;
    out.r = std::fabs((c * kHalf) / halfSin);
    if (c != 0) {
        out.yc = ym - dz * h / c;
        out.zc = zm + dy * h / c;
    } else {
        AddMessage(messages, "GetArcCenter l12=0");
        out.yc = ym;
        out.zc = zm;
    }
    const long double t1 = Theta(z1 - out.zc, y1 - out.yc);
    const long double t2 = Theta(z2 - out.zc, y2 - out.yc);
    out.a1 = phi >= 0 ? t1 : t2;
    out.a2 = phi >= 0 ? t2 : t1;
    return true;
}

void CalcSection(ProjectData& p, MessageList& messages, const Settings& settings) {
    ClearMessages(messages, p.CalcError);
    if (p.PosCount == 0) return;

    int n = 0;
    if (!BuildPolygon(p, messages, settings, n)) {
        AddMessage(messages, kPointMessage);
        p.CalcError = 1;
        return;
    }
    ++n; // the closing point is stored without the limit test
    p.PolyCount = static_cast<uint16_t>(n);
    p.PolyPoints[n] = TPolyPoint{p.Positions[1].y, p.Positions[1].z};

    Extents(p);
    EdgeIntegrals(p);
    if (p.R.A == 0) {
        AddMessage(messages, "Fatal  : A = 0 !");
        p.CalcError = 1;
        return;
    }
    CentroidAndPrincipal(p.R);
    BodyValues(p);
}

} // namespace vak1
