// The report of the stresses under the internal forces: the loads, the extreme normal, shear
// and von Mises stresses with their points, and the neutral axis.
#pragma once
#include <cstdint>
#include <string>

#include "stress/stress.h"

namespace vak1 {

struct OutputContext;
struct ProjectData;

// Help entry of View -> "Spannungen" (the dialog of the loads and the picture).
constexpr uint16_t kHelpStresses = 8470;

inline constexpr const char* kStressHeading = "SPANNUNGEN";

// Output kind 0: the configured kind or the user's choice. The solver runs under the Ui's
// progress window. The results (also of a cancelled or failed solution: normal stresses only)
// go to results when given.
void ReportStresses(const OutputContext& ctx, const ProjectData& project, const SectionLoads& loads,
                    uint16_t kind = 0, const TorsionFieldSolver& solver = SolveFieldInWorker,
                    const TorsionOptions& options = {}, StressResults* results = nullptr);

// Parses "N,Vy,Vz,Mx,My,Mz" (units of the settings; missing trailing values are 0) into
// loads in N and N mm. False for a value that is no finite number, or more than six.
bool ParseLoads(const std::string& text, bool inch, SectionLoads& loads);

// Writes the stress report as txtPath and the colour map of the von Mises stress as pngPath,
// without any dialog. False (error says why, code page 850) when the project holds no
// calculation, the stresses could not be computed or a file could not be written.
bool RunStressJob(const OutputContext& ctx, const ProjectData& project, const SectionLoads& loads,
                  const std::string& txtPath, const std::string& pngPath, std::string& error,
                  const TorsionFieldSolver& solver = SolveFieldInWorker);

} // namespace vak1
