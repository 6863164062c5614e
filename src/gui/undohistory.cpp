// The undo steps as whole projects before and after a command.
#include "gui/undohistory.h"

#include <memory>

#include "app/App.h"
#include "app/snapshot.h"

namespace vak1 {
namespace {

using Snapshot = std::shared_ptr<const ProjectSnapshot>;

class ProjectStep : public QUndoCommand {
  public:
    ProjectStep(App& app, Snapshot before, Snapshot after)
        : app_(app), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { RestoreSnapshot(app_, *before_); }
    // The first redo is the push itself: the command has changed the project already.
    void redo() override {
        if (pushed_) RestoreSnapshot(app_, *after_);
        pushed_ = true;
    }

  private:
    App& app_;
    Snapshot before_, after_;
    bool pushed_ = false;
};

// The commands after which the project in the window is another one.
bool ReplacesProject(const std::string& name) {
    return name == "mi_fileNew" || name == "mi_fileOpen" || name == "mi_fileOpenTable" ||
           (name.size() == 8 && name.rfind("mi_file", 0) == 0 && name[7] >= '1' && name[7] <= '4');
}

} // namespace

UndoHistory::UndoHistory(App& app) : app_(app) {
    // Each step holds two projects of some 100 kB.
    stack_.setUndoLimit(200);
}

void UndoHistory::Run(const std::string& name, const std::function<void()>& command) {
    const Snapshot before = TakeSnapshot(app_);
    const std::string path = app_.State.ProjectPath();
    command();
    const Snapshot after = TakeSnapshot(app_);
    const bool changed = !SameProject(*before, *after);
    if (ReplacesProject(name)) {
        if (changed || path != app_.State.ProjectPath()) {
            stack_.clear();
            if (app_.State.ModifiedFlag) stack_.resetClean();
        }
    } else if (changed) {
        stack_.push(new ProjectStep(app_, before, after));
    }
    if (!app_.State.ModifiedFlag) stack_.setClean();
}

void UndoHistory::Undo() {
    if (!stack_.canUndo()) return;
    stack_.undo();
    FollowModified();
}

void UndoHistory::Redo() {
    if (!stack_.canRedo()) return;
    stack_.redo();
    FollowModified();
}

void UndoHistory::FollowModified() {
    app_.State.ModifiedFlag = stack_.isClean() ? 0 : 1;
}

} // namespace vak1
