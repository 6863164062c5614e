// Taking the section calculation's outcome into the project.
#include "project/calculation.h"

namespace vak1 {

void TakeSection(ProjectData& p, MessageList& messages, const SectionOutcome& outcome) {
    messages = outcome.messages;
    p.CalcError = outcome.valid ? 0 : 1;
    if (!outcome.polygon.empty()) {
        p.PolyPoints = outcome.polygon;
        p.YMin = outcome.YMin;
        p.YMax = outcome.YMax;
        p.ZMin = outcome.ZMin;
        p.ZMax = outcome.ZMax;
        p.YWidth = outcome.YWidth;
        p.ZHeight = outcome.ZHeight;
    }
    if (!outcome.hasResults) return;
    const long double J0 = p.R.J0, Js = p.R.Js;
    p.R = outcome.R;
    if (outcome.hasBodyValues) {
        p.V = outcome.V;
        p.m = outcome.m;
    } else {
        p.R.J0 = J0;
        p.R.Js = Js;
    }
}

void CalcSection(ProjectData& p, MessageList& messages, const NumberStyle& style) {
    TakeSection(p, messages, ComputeSection(p, style));
}

} // namespace vak1
