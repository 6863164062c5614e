// Taking and restoring the project for undo and redo.
#include "app/snapshot.h"

#include <algorithm>

#include "app/App.h"
#include "app/commands.h"
#include "project/calculation.h"

namespace vak1 {
namespace {

bool SamePositions(const ProjectData& a, const ProjectData& b) {
    if (a.PosCount() != b.PosCount()) return false;
    return std::equal(a.Positions.begin(), a.Positions.end(), b.Positions.begin(),
                      [](const TPosition& p, const TPosition& q) {
                          return p.y == q.y && p.z == q.z && p.phi == q.phi;
                      });
}

bool SameDocu(const Documentation& a, const Documentation& b) {
    auto change = [](const TChangeEntry& p, const TChangeEntry& q) {
        return p.text == q.text && p.date == q.date && p.editor == q.editor &&
               p.description == q.description;
    };
    auto approval = [](const TApprovalRow& p, const TApprovalRow& q) {
        return p.date == q.date && p.name == q.name;
    };
    auto freeText = [](const TFreeText& p, const TFreeText& q) {
        return p.x == q.x && p.y == q.y && p.h == q.h && p.phi == q.phi && p.text == q.text;
    };
    auto link = [](const TDocumentLink& p, const TDocumentLink& q) {
        return p.program == q.program && p.file == q.file;
    };
    return a.ChangeCount == b.ChangeCount && a.FreeTextCount == b.FreeTextCount &&
           a.ReplacementFor == b.ReplacementFor && a.ReplacedBy == b.ReplacedBy &&
           std::equal(a.ChangeEntries.begin(), a.ChangeEntries.end(), b.ChangeEntries.begin(),
                      change) &&
           std::equal(a.ApprovalRows.begin(), a.ApprovalRows.end(), b.ApprovalRows.begin(),
                      approval) &&
           std::equal(a.FreeTexts.begin(), a.FreeTexts.end(), b.FreeTexts.begin(), freeText) &&
           std::equal(a.DocumentLinks.begin(), a.DocumentLinks.end(), b.DocumentLinks.begin(),
                      link);
}

} // namespace

std::shared_ptr<const ProjectSnapshot> TakeSnapshot(const App& app) {
    auto s = std::make_shared<ProjectSnapshot>();
    s->project = app.Project;
    s->docu = app.Docu;
    return s;
}

bool SameProject(const ProjectSnapshot& a, const ProjectSnapshot& b) {
    const ProjectData& p = a.project;
    const ProjectData& q = b.project;
    return SamePositions(p, q) && p.lx == q.lx && p.rho == q.rho &&
           p.ArcDivision == q.ArcDivision && p.DrawHatching == q.DrawHatching &&
           p.DrawPrincipalAxes == q.DrawPrincipalAxes && p.DrawingName == q.DrawingName &&
           p.DrawingName2 == q.DrawingName2 && p.DrawingNumber == q.DrawingNumber &&
           p.RemarkLines == q.RemarkLines && SameDocu(a.docu, b.docu);
}

void RestoreSnapshot(App& app, const ProjectSnapshot& s) {
    app.Project = s.project;
    app.Docu = s.docu;
    const uint8_t aborted = app.State.AbortFlag;
    if (app.Project.PosCount() > 0) CalcSection(app.Project, app.Messages, app.Config);
    ShowStartPicture(app);
    SetCaption(app);
    app.State.AbortFlag = aborted;
}

} // namespace vak1
