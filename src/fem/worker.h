// The torsion solver in a worker process of its own: a mesher that loops for ever or crashes
// on a contour at the edge of what it handles ends there with a message, and never takes the
// program (and its unsaved project) with it.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "fem/torsion.h"

namespace vak1 {

// What the worker may use. 0 takes the default: 60 s times the mesh fineness, and half the
// machine's memory, at most 4 GiB.
struct WorkerBudget {
    double seconds = 0;
    std::size_t bytes = 0;
};

// How the worker ended, beyond the status (for callers that tell a crash from a limit).
enum class WorkerEnd { Finished, Cancelled, OutOfTime, OutOfMemory, Crashed };

// The computation a worker runs.
using TorsionWork = TorsionStatus (*)(const TorsionInput&, const TorsionOptions&, TorsionValues&,
                                      std::string&,
                                      const std::function<bool(std::size_t, std::size_t)>&);

// work (ComputeTorsion) run in a forked process under the budget. report is asked between the
// worker's messages (several times a second); false kills the worker and gives Cancelled.
// A worker that runs out of time or memory, or dies, gives Failed with its message (code page
// 850). Where no process can be started, the solver runs here.
TorsionStatus ComputeTorsionContained(
    const TorsionInput& in, const TorsionOptions& options, TorsionValues& out, std::string& message,
    const std::function<bool(std::size_t done, std::size_t total)>& report = {},
    const WorkerBudget& budget = {}, WorkerEnd* end = nullptr, TorsionWork work = ComputeTorsion);

// ComputeTorsionContained with the default budget, in the form of a TorsionWork.
inline TorsionStatus
ComputeTorsionInWorker(const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
                       std::string& message,
                       const std::function<bool(std::size_t, std::size_t)>& report) {
    return ComputeTorsionContained(in, options, out, message, report);
}

// ComputeTorsionField in a worker under the budget, as ComputeTorsionContained.
TorsionStatus ComputeTorsionFieldContained(
    const TorsionInput& in, const TorsionOptions& options, TorsionValues& out, TorsionField& field,
    std::string& message,
    const std::function<bool(std::size_t done, std::size_t total)>& report = {},
    const WorkerBudget& budget = {}, WorkerEnd* end = nullptr);

} // namespace vak1
