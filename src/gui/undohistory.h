// Undo and redo of the project: every command that changes the project leaves one step, made
// of the project before and after it.
#pragma once
#include <QUndoStack>
#include <functional>
#include <string>

namespace vak1 {

struct App;

class UndoHistory {
  public:
    explicit UndoHistory(App& app);

    // Runs a command of the item name. A changed project becomes one step; a command that
    // puts another project in its place (new, open) starts the history anew.
    void Run(const std::string& name, const std::function<void()>& command);
    void Undo();
    void Redo();
    QUndoStack& Stack() { return stack_; }

  private:
    // The project matches its file exactly when the history stands at the clean step.
    void FollowModified();

    App& app_;
    QUndoStack stack_;
};

} // namespace vak1
