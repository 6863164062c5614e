// The notes on a section and the message list that shows them.
#include "app/notes.h"

#include <algorithm>
#include <cmath>

#include "app/App.h"
#include "app/outputcontext.h"
#include "calc/extended.h"
#include "fem/mesh.h"
#include "help/helperr.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

// The chord polygon with points a billionth of its size apart taken as one: an arc ends a
// rounding error beside its position, and such a pair would count as a crossing.
std::vector<FemPoint> Outline(const ProjectData& p) {
    const double size = static_cast<double>(std::max(p.YWidth, p.ZHeight));
    const double tol = 1e-9 * size;
    std::vector<FemPoint> distinct, out;
    for (const ContourPoint& c : CounterClockwiseContour(p)) {
        FemPoint q{static_cast<double>(c.y), static_cast<double>(c.z)};
        const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const FemPoint& d) {
            return std::fabs(q.y - d.y) <= tol && std::fabs(q.z - d.z) <= tol;
        });
        if (same != distinct.end())
            q = *same;
        else
            distinct.push_back(q);
        if (out.empty() || q.y != out.back().y || q.z != out.back().z) out.push_back(q);
    }
    while (out.size() > 1 && out.front().y == out.back().y && out.front().z == out.back().z)
        out.pop_back();
    return out;
}

} // namespace

std::vector<std::string> SectionNotes(const ProjectData& p) {
    std::vector<std::string> notes;
    if (p.PosCount == 0 || p.CalcError || p.PolyCount == 0) return notes;
    if (p.R.A < 0) notes.push_back(cp850("Kontur im Uhrzeigersinn: Fläche und Momente negativ"));
    std::size_t first = 0, second = 0;
    if (FindCrossingEdges(Outline(p), first, second))
        notes.push_back(cp850("Warnung: Kontur schneidet sich selbst, ihre Fläche ist die "
                              "keines Querschnitts"));
    return notes;
}

int ShownMessageCount(const App& app) {
    return app.Messages.count + static_cast<int>(SectionNotes(app.Project).size());
}

void ShowMessagesAndNotes(App& app) {
    ShowMessageList(HelpContextOf(app), app.Messages, SectionNotes(app.Project));
}

} // namespace vak1
