// The project's own calculation: the outcome of the section calculation taken into the
// project data.
#pragma once
#include "calc/section.h"
#include "model/messages.h"
#include "model/ProjectData.h"
#include "text/formats.h"

namespace vak1 {

// Takes an outcome into the project: its messages, CalcError, and the polygon and results
// it has. What a failed calculation could not give stays as it was (the last polygon and
// its extents, the last results), marked invalid by CalcError; so do the body values of a
// body without length.
void TakeSection(ProjectData& p, MessageList& messages, const SectionOutcome& outcome);

// Calculates the project's positions and takes the outcome. Never throws.
void CalcSection(ProjectData& p, MessageList& messages, const NumberStyle& style);

} // namespace vak1
