// TForm_preview: the project table window, a read-only grid of the project files with their
// key results; a right click on a column title sorts, selecting another row opens it.
#pragma once
#include <QDialog>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QTableWidget;

namespace vak1 {

class TForm_preview : public QDialog {
  public:
    TForm_preview(QWidget* parent, ProjectTableData& data, const HelpHandler& help);
    ProjectTableAction Action() const { return action_; }

  private:
    void Fill();
    void CloseWith(ProjectTableAction action);
    ProjectTableData& data_;
    QTableWidget* grid_ = nullptr;
    ProjectTableAction action_ = ProjectTableAction::Close;
};

// Runs the job on a thread of its own under a progress window; "Abbrechen" asks it to stop.
void RunWithProgressWindow(QWidget* parent, ProgressJob& job);

} // namespace vak1
