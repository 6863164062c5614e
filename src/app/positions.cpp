// The position list: append, insert, delete, change and transform until the user leaves.
#include <algorithm>
#include <vector>

#include "app/App.h"
#include "app/notes.h"
#include "app/outputcontext.h"
#include "graphics/draw.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/formats.h"

namespace vak1 {
namespace {

// What a pass of the list leads to.
enum class Step {
    Again,   // show the list again
    Edited,  // a position was entered: recalculate and redraw
    Deleted, // a position was removed: redraw
    Leave,   // leave with the final recalculation
    Stop,    // cancelled: leave at once
};

DialogButton Button(const App& app, DialogAction action, const char* caption) {
    return DialogButton{action, DisplayText(app.Config, cp850(caption))};
}

void FillTable(const App& app, PositionTable& columns) {
    columns.rows.clear();
    columns.lengthUnit = DisplayText(app.Config, UnitLength(app.Config));
    columns.angleUnit = DisplayText(app.Config, UnitAngle(app.Config));
    for (uint16_t k = 1; k <= app.Project.PosCount(); ++k) {
        const TPosition& p = app.Project.Positions[k - 1u];
        const PositionTexts t = PositionColumns(app.Config, k, p);
        auto text = [&](const std::string& s) { return DisplayText(app.Config, s); };
        columns.rows.push_back(
            {text(t.number), text(t.y), text(t.z), text(t.phi), p.y, p.z, p.phi});
    }
}

PositionListDialogData ListData(const App& app, int selected) {
    PositionListDialogData d;
    d.caption = "Eingabe der Positionen";
    const auto& table = app.State.LineTable;
    for (uint16_t k = 1; k <= app.Project.PosCount(); ++k)
        d.lines.push_back(DisplayText(app.Config, table[k - 1]));
    d.selected = selected;
    FillTable(app, d.table);
    d.buttons = {Button(app, DialogAction::Append, "&Neu"),
                 Button(app, DialogAction::Insert, "&Einfügen"),
                 Button(app, DialogAction::Delete, "&Löschen"),
                 Button(app, DialogAction::Transform, "Transform."),
                 Button(app, DialogAction::Edit, "&Ändern"),
                 Button(app, DialogAction::Ok, "OK"),
                 Button(app, DialogAction::Cancel, "Abbrechen")};
    if (ShownMessageCount(app) > 0)
        d.buttons.push_back(Button(app, DialogAction::Messages, "&Fehlermeldungen"));
    d.buttons.push_back(Button(app, DialogAction::HelpText, "&Hilfe"));
    d.buttons.push_back(Button(app, DialogAction::HelpPicture, "Hilfe&bild"));
    return d;
}

// One more position at the end, starting from what its index held before; or the refusal
// at the maximum.
bool Grow(App& app) {
    ProjectData& p = app.Project;
    if (p.PosCount() >= kMaxPositions) {
        ShowError(Dialogs(app), "zu viele Punkte !");
        app.State.AbortFlag = 1;
        return false;
    }
    p.Positions.push_back(p.Earlier(p.Positions.size()));
    app.State.ModifiedFlag = 1;
    return true;
}

Step AfterPositionInput(const App& app) {
    return app.State.AbortFlag ? Step::Leave : Step::Edited;
}

Step Append(App& app) {
    if (!Grow(app)) return Step::Leave;
    EditPosition(app, app.Project.PosCount());
    return AfterPositionInput(app);
}

// Asks which position the action applies to, unless one is selected.
bool TargetPosition(App& app, int selected, uint16_t help, const char* prompt, uint16_t& target) {
    if (selected > 0) {
        target = static_cast<uint16_t>(selected);
        return true;
    }
    uint16_t choice = 1;
    InputChoice(Dialogs(app), help, cp850(prompt), app.State.LineTable, app.Project.PosCount(),
                choice);
    target = choice;
    return !app.State.AbortFlag;
}

Step Insert(App& app, int selected) {
    ProjectData& p = app.Project;
    uint16_t a = 1;
    // Before the first position there is nothing to choose from.
    if (p.PosCount() > 0 && !TargetPosition(app, selected, kHelpInsertAt,
                                            "Vor welcher Position soll eingefügt werden ?", a))
        return Step::Stop;
    if (!Grow(app)) return Step::Leave;
    // The new position starts as a copy of the one it goes before.
    std::copy_backward(p.Positions.begin() + (a - 1), p.Positions.end() - 1, p.Positions.end());
    EditPosition(app, a);
    if (!app.State.AbortFlag) return Step::Edited;
    // A cancelled insert would leave a copy of its neighbour behind: a second point on the
    // same spot. It is taken back, and the list stays open.
    p.Positions.erase(p.Positions.begin() + (a - 1));
    app.State.AbortFlag = 0;
    return Step::Again;
}

Step Delete(App& app, int selected) {
    ProjectData& p = app.Project;
    if (p.PosCount() == 0) return Step::Again;
    uint16_t d = 1;
    if (!TargetPosition(app, selected, kHelpDeleteWhich, "zu löschende Position wählen  ...", d))
        return Step::Stop;
    if (d < 1 || d > p.PosCount()) return Step::Again;
    p.KeepEarlier();
    p.Positions.erase(p.Positions.begin() + (d - 1));
    app.State.ModifiedFlag = 1;
    return Step::Deleted;
}

Step Change(App& app, int line) {
    if (app.Project.PosCount() == 0) return Step::Again;
    const auto k = static_cast<uint16_t>(std::clamp(line, 1, int{app.Project.PosCount()}));
    EditPosition(app, k);
    return AfterPositionInput(app);
}

Step Act(App& app, DialogAction action, int selected) {
    switch (action) {
    case DialogAction::Ok:
        return Step::Leave;
    case DialogAction::Cancel:
        app.State.AbortFlag = 1;
        return Step::Stop;
    case DialogAction::Append:
        return Append(app);
    case DialogAction::Insert:
        return Insert(app, selected);
    case DialogAction::Delete:
        return Delete(app, selected);
    case DialogAction::Edit:
        return Change(app, selected);
    case DialogAction::Pick:
        return selected > 0 ? Change(app, selected) : Step::Again;
    case DialogAction::Transform:
        TransformContour(app);
        return app.State.AbortFlag ? Step::Stop : Step::Again;
    case DialogAction::Messages:
        ShowMessagesAndNotes(app);
        return Step::Again;
    default:
        return Step::Again;
    }
}

// After an edit the drawing follows, as far as the settings ask for it.
void ShowEdited(App& app) {
    if (app.Config.HelpLevel == 0) return;
    Recalculate(app);
    if (app.Project.CalcError)
        Clear(app.Graphics); // the list is shown when the editing ends
    else
        RedrawView(app, dkPolyline);
}

// The edits in the table itself, each one step that the table's undo takes back.
class TableEdits {
  public:
    explicit TableEdits(App& app) : app_(app) {}

    void Connect(PositionListDialogData& d) {
        d.setCell = [this](int k, int column, const std::string& text, PositionTable& table) {
            const Contour before = Now();
            const bool stored =
                StoreCoordinateField(app_, static_cast<uint16_t>(k), column - 1, text);
            return Done(before, stored, table);
        };
        d.paste = [this](int before, const std::string& text, PositionTable& table) {
            return Paste(before, text, table);
        };
        d.removeRows = [this](const std::vector<int>& positions, PositionTable& table) {
            const Contour before = Now();
            ProjectData& p = app_.Project;
            std::vector<int> sorted = positions;
            std::sort(sorted.rbegin(), sorted.rend());
            sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
            p.KeepEarlier();
            for (const int k : sorted)
                if (k >= 1 && k <= p.PosCount()) p.Positions.erase(p.Positions.begin() + (k - 1));
            return Done(before, true, table);
        };
        d.undo = [this](PositionTable& table) { return Walk(undone_, redone_, table); };
        d.redo = [this](PositionTable& table) { return Walk(redone_, undone_, table); };
    }

  private:
    struct Contour {
        std::vector<TPosition> positions;
        bool operator==(const Contour& o) const {
            return positions.size() == o.positions.size() &&
                   std::equal(positions.begin(), positions.end(), o.positions.begin(),
                              [](const TPosition& a, const TPosition& b) {
                                  return a.y == b.y && a.z == b.z && a.phi == b.phi;
                              });
        }
    };

    Contour Now() const {
        const ProjectData& p = app_.Project;
        return {p.Positions};
    }
    void Put(const Contour& c) { app_.Project.SetContour(c.positions); }
    bool Done(const Contour& before, bool ok, PositionTable& table) {
        if (!ok || before == Now()) return false;
        undone_.push_back(before);
        redone_.clear();
        return Changed(table);
    }
    bool Changed(PositionTable& table) {
        app_.State.ModifiedFlag = 1;
        BuildLineTable(app_);
        FillTable(app_, table);
        ShowEdited(app_);
        return true;
    }
    bool Walk(std::vector<Contour>& from, std::vector<Contour>& to, PositionTable& table) {
        if (from.empty()) return false;
        to.push_back(Now());
        Put(from.back());
        from.pop_back();
        return Changed(table);
    }
    bool Paste(int before, const std::string& text, PositionTable& table) {
        std::vector<TPosition> list;
        std::string error;
        if (!ReadCoordinateList(app_.Config, text, list, error)) {
            ShowError(Dialogs(app_), error);
            return false;
        }
        if (list.empty()) return false;
        const Contour was = Now();
        if (was.positions.size() + list.size() > kMaxPositions) {
            ShowError(Dialogs(app_), "zu viele Punkte !");
            return false;
        }
        Contour now = was;
        const auto at = static_cast<std::size_t>(
            std::clamp(before, 1, static_cast<int>(was.positions.size()) + 1) - 1);
        now.positions.insert(now.positions.begin() + static_cast<std::ptrdiff_t>(at), list.begin(),
                             list.end());
        Put(now);
        return Done(was, true, table);
    }

    App& app_;
    std::vector<Contour> undone_, redone_;
};

void Leave(App& app) {
    if (app.Config.HelpLevel == 0 || app.Project.PosCount() == 0) return;
    Recalculate(app);
    ShowRecalculated(app, dkGeometryTable);
}

} // namespace

void EditPositions(App& app) {
    // "Abbrechen" of the list takes back everything done since it opened.
    const auto positionsAtEntry = app.Project.Positions;
    const auto earlierAtEntry = app.Project.EarlierPositions;
    const uint8_t modifiedAtEntry = app.State.ModifiedFlag;
    int selected = std::min(int{app.State.PickedPosition}, int{app.Project.PosCount()});
    TableEdits edits(app);
    for (;;) {
        BuildLineTable(app);
        PositionListDialogData d = ListData(app, selected);
        edits.Connect(d);
        const DialogAction action = DialogUi(Dialogs(app), kHelpPositionList).PositionListDialog(d);
        if (action == DialogAction::Cancel) {
            app.Project.Positions = positionsAtEntry;
            app.Project.EarlierPositions = earlierAtEntry;
            app.State.ModifiedFlag = modifiedAtEntry;
        }
        selected = std::clamp(d.selected, 0, int{app.Project.PosCount()});
        const Step step = Act(app, action, selected);
        selected = std::min(selected, int{app.Project.PosCount()});
        const bool live = app.Config.HelpLevel != 0;
        switch (step) {
        case Step::Again:
            break;
        case Step::Edited:
            ShowEdited(app);
            break;
        case Step::Deleted:
            if (live) RedrawView(app, dkPolyline);
            break;
        case Step::Leave:
            Leave(app);
            return;
        case Step::Stop:
            return;
        }
    }
}

} // namespace vak1
