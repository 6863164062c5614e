// The report of the extended section values: perimeter, radii of gyration, elastic and
// plastic section moduli, the chord error of the arcs, and torsion and shear values by finite
// elements.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "fem/torsion.h"
#include "fem/worker.h"

namespace vak1 {

struct OutputContext;
struct ProjectData;

// Help entry of the extended values (the command and the progress window of its solver).
constexpr uint16_t kHelpExtendedValues = 8460;
// Help entry of the mesh fineness asked before the torsion solver runs, and its largest value.
constexpr uint16_t kHelpMeshFineness = 8465;
constexpr long double kMeshFinenessMax = 8;

// The torsion solver the report runs (ComputeTorsionInWorker unless a caller brings its own).
using TorsionSolver = std::function<TorsionStatus(
    const TorsionInput&, const TorsionOptions&, TorsionValues&, std::string&,
    const std::function<bool(std::size_t done, std::size_t total)>&)>;

// The heading that opens the torsion and shear part, the last part of the report.
inline constexpr const char* kTorsionHeading = "TORSION UND SCHUB (FINITE ELEMENTE)";

// Output kind 0: the configured kind or the user's choice. The solver runs under the Ui's
// progress window; a cancel there leaves a note in place of its values.
void ReportExtended(const OutputContext& ctx, const ProjectData& project, uint16_t kind = 0,
                    const TorsionSolver& solver = ComputeTorsionInWorker,
                    const TorsionOptions& options = {});

// Writes the extended report of the loaded and calculated project as the text file txtPath,
// without any dialog. False when the calculation failed or the file could not be written.
bool RunExtendedJob(const OutputContext& ctx, const ProjectData& project,
                    const std::string& txtPath,
                    const TorsionSolver& solver = ComputeTorsionInWorker);

} // namespace vak1
