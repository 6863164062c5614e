// The notes on a section and the message list that shows them.
#include "app/notes.h"

#include "app/App.h"
#include "app/outputcontext.h"
#include "calc/extended.h"
#include "fem/mesh.h"
#include "fem/torsion.h"
#include "help/helperr.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

// The chord polygon as the finite elements see it: an arc's end a rounding error beside its
// position would otherwise count as a crossing.
std::vector<FemPoint> Outline(const ProjectData& p) {
    std::vector<FemPoint> points;
    for (const ContourPoint& c : CounterClockwiseContour(p))
        points.push_back({static_cast<double>(c.y), static_cast<double>(c.z)});
    return MergedContour(points);
}

} // namespace

std::vector<std::string> SectionNotes(const ProjectData& p) {
    std::vector<std::string> notes;
    if (p.PosCount() == 0 || p.CalcError || p.PolyCount() == 0) return notes;
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
