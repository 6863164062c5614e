// The extended values of fuzzed contours: positions from the input's bytes, the calculation
// and, when it succeeds, the extended report with its finite elements in the worker under a
// small budget. A worker that dies (a sanitizer finding or a crash in the mesher) ends the
// run as a finding; one that runs out of its budget is the budget's message, not a finding.
#include <cmath>
#include <cstring>
#include <numbers>

#include "fuzzsupport.h"
#include "fem/worker.h"
#include "report/extendedreport.h"

using namespace vak1;

namespace {

constexpr std::size_t kBytesPerPosition = 3 * sizeof(float);

long double Bounded(float v, long double bound) {
    if (!std::isfinite(v)) return 0;
    return std::clamp(static_cast<long double>(v), -bound, bound);
}

TorsionStatus SmallBudget(const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
                          std::string& message,
                          const std::function<bool(std::size_t, std::size_t)>& report) {
    WorkerEnd end = WorkerEnd::Finished;
    const TorsionStatus status = ComputeTorsionContained(in, options, out, message, report,
                                                         {3, std::size_t{512} << 20}, &end);
    if (end == WorkerEnd::Crashed) std::abort();
    return status;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    ProjectData& p = f.app.Project;
    p.ResetContour();
    const std::size_t count = std::min<std::size_t>(size / kBytesPerPosition, 40);
    for (std::size_t i = 0; i < count; ++i) {
        float v[3];
        std::memcpy(v, data + i * kBytesPerPosition, sizeof v);
        const long double turn = std::nextafter(kFullTurn, 0.0L);
        p.Positions.push_back(TPosition{Bounded(v[0], kCoordinateMax),
                                        Bounded(v[1], kCoordinateMax), Bounded(v[2], turn)});
    }
    CalcSection(p, f.app.Messages, f.app.Config);
    if (!p.CalcError)
        RunExtendedJob(OutputContextOf(f.app), p, fuzz::InFolder("extended.txt"), SmallBudget);
    return 0;
}
