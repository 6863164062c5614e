// Thilfebild: the help-picture browser's dialog, a drop-down list of the pictures with a spin
// and the buttons of the index operations.
#pragma once
#include <QDialog>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QComboBox;

namespace vak1 {

class Thilfebild : public QDialog {
  public:
    Thilfebild(QWidget* parent, const PictureBrowserData& data, const HelpHandler& help);
    PictureBrowserAction Action() const { return action_; }
    // The entry selected when the dialog closed (1-based, 0 for none).
    int Selected() const;

  private:
    void CloseWith(PictureBrowserAction action);
    void Step(int delta);
    QComboBox* list_ = nullptr;
    PictureBrowserAction action_ = PictureBrowserAction::Close;
};

} // namespace vak1
