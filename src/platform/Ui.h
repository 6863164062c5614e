// Every modal dialog and message box the core asks the outside world for. Texts cross this
// boundary as UTF-8; the core converts from and to code page 850. A dialog that returns
// false was cancelled (the caller then sets AbortFlag).
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/docuforms.h"
#include "platform/dxfimportform.h"
#include "platform/picturedialogs.h"
#include "platform/configform.h"
#include "platform/tabledialogs.h"
#include "platform/printdialogs.h"
#include "platform/projecttableform.h"
#include "platform/positiontable.h"
#include "platform/profileform.h"
#include "platform/stressform.h"

namespace vak1 {

enum class MessageKind { Error, Info, Help };
enum class Reply { Yes, No, Cancel };

// Buttons of the dialogs whose logic stays in the core. The dialog shows the buttons it is
// given, in their order and with their captions (the two spin buttons may be drawn as one
// spin control). Any of them closes the dialog and is returned, except HelpText and
// HelpPicture, which the dialog handles itself through Help() and stays open. The core acts
// on the returned button and shows the dialog again where the loop goes on.
enum class DialogAction {
    Ok,     // "OK" or Enter; closing the position list counts as OK
    Cancel, // "Abbrechen" or Escape
    Append,
    Insert,
    Delete,
    Transform,
    Edit,         // position list buttons
    Pick,         // double click on a line of the position list
    Messages,     // "&Fehlermeldungen"
    SpinDown,     // coordinate dialog: previous position
    SpinUp,       // coordinate dialog: next position
    SwitchUnit,   // "mm <--> inch"
    StorePicture, // coordinate dialog's "Hilfe&bild": the core keeps the fields, then the picture
    HelpText,
    HelpPicture,
};

struct DialogButton {
    DialogAction action = DialogAction::Ok;
    std::string caption;
};

// "Eingabe der Positionen": one line per position; selected is 1-based, 0 for none, and
// comes back as the line selected when the dialog closed (the line of a Pick).
struct PositionListDialogData {
    std::string caption;
    std::vector<std::string> lines;
    int selected = 0;
    std::vector<DialogButton> buttons;
    PositionTable table; // the same positions in columns
    // Editing in the table itself: each changes the positions at once and gives back the
    // table as it now is. False when refused (the core has said why) or nothing changed.
    // setCell: position k (1-based), column 1 y, 2 z, 3 the arc angle, the text typed.
    std::function<bool(int position, int column, const std::string& text, PositionTable& table)>
        setCell;
    // paste: the lines of a coordinate list inserted before a position (count + 1 appends).
    std::function<bool(int before, const std::string& text, PositionTable& table)> paste;
    // removeRows: the positions (1-based) deleted together.
    std::function<bool(const std::vector<int>& positions, PositionTable& table)> removeRows;
    // undo, redo: the table's own changes since the list opened, one step each.
    std::function<bool(PositionTable&table)> undo, redo;
};

// The coordinates of one position: y, z and the arc angle, each with label and unit; the
// fields come back as edited.
struct CoordinateDialogData {
    std::string caption;
    std::array<std::string, 3> labels{};
    std::array<std::string, 3> units{};
    std::array<std::string, 3> fields{};
    std::vector<DialogButton> buttons;
};

// One transformation of the contour (rotate, move, scale, mirror): its values in their
// order, or a choice among lines, over a picture of the contour as it is and as the values
// would leave it.
struct TransformDialogData {
    std::string caption;
    std::vector<std::string> labels, fields; // value fields, as typed
    std::vector<std::string> choices;        // a radio group when not empty
    int choice = 1;                          // 1-based
    // The contour now, and moved by the fields and choice as they stand (moved empty while
    // a field is no number).
    std::function<void(const TransformDialogData& data, PositionTable& now, PositionTable& moved)>
        preview;
};

struct TextLineField {
    std::string label;
    std::size_t maxLength = 0; // characters
    std::string text;
};

// Several labelled edit fields at once (the drawing's text lines).
struct TextLinesDialogData {
    std::string caption;
    std::vector<TextLineField> fields;
    std::vector<DialogButton> buttons;
};

// The diagram limits (TEinDiagramLimits): xmin, ymin, xmax, ymax as typed, under the two
// axis labels. "Calculate" puts the calculated limits into the fields; "&Hilfetext" shows
// the help of helpNumber. True for OK with the fields as edited.
struct DiagramLimitsDialogData {
    std::string caption;
    std::string xLabel, yLabel;
    std::array<std::string, 4> fields{};
    std::array<std::string, 4> calculated{};
};

// Screen and main-window sizes in pixels, for settings that have no stored value yet.
struct ScreenMetrics {
    int width = 1024, height = 768;
    int pixelsPerInchY = 96;
    int mainWindowHeight = 600, mainClientHeight = 554;
};

// The output window: a read-only text in the print font, with print and export commands.
// The geometry fields come in from the settings and go back when the window closes.
struct TextWindow {
    std::string caption;
    std::string text; // UTF-8, lines separated by "\n"
    std::string fontName;
    int fontSize = 10;
    int fontStyle = 0;
    int left = 0, top = 0, width = 0, height = 0; // width or height 0: the default place
    std::function<void()> print;                  // "&Drucken..."
    std::function<void()> exportText;             // "Export &Notepad"
};

// The explanation window of a message: the message read-only, cause and remedy editable.
// changed tells whether the user edited a memo before pressing OK.
struct Explanation {
    std::string message, cause, remedy; // UTF-8
    bool changed = false;
};

class Ui {
  public:
    virtual ~Ui() = default;

    // Text input: caption, word-wrapped prompt, one edit field of at most maxLength
    // characters prefilled with text.
    virtual bool InputTextDialog(const std::string& caption, const std::string& prompt,
                                 std::size_t maxLength, std::string& text) = 0;
    // Choice among lines 1..n: a radio group, or a list when asList; choice is 1-based.
    virtual bool ChoiceDialog(const std::string& caption, const std::string& prompt,
                              const std::vector<std::string>& lines, bool asList, int& choice) = 0;
    // "&Ja" / "&Nein" radio group preselected from yes.
    virtual bool YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) = 0;
    // Yes/No/Cancel box with a question icon.
    virtual Reply Question(const std::string& caption, const std::string& text) = 0;
    // Task-modal box with an OK button.
    virtual void MessageBox(MessageKind kind, const std::string& caption,
                            const std::string& text) = 0;
    // Common file dialogs; filter in the "desc|mask" form. Empty result: false.
    virtual bool OpenFileDialog(const std::string& filter, const std::string& initialDir,
                                std::string& path) = 0;
    virtual bool SaveFileDialog(const std::string& filter, const std::string& initialDir,
                                const std::string& proposedName, std::string& path) = 0;
    virtual bool FolderDialog(const std::string& caption, std::string& folder) = 0;
    // Check boxes with "OK" and "Abbrechen"; checked holds one flag per label. The default
    // asks one yes/no question per box.
    virtual bool CheckBoxDialog(const std::string& caption, const std::vector<std::string>& labels,
                                std::vector<bool>& checked) {
        checked.resize(labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            bool yes = checked[i];
            if (!YesNoDialog(caption, labels[i], yes)) return false;
            checked[i] = yes;
        }
        return true;
    }
    // The position list and the coordinate dialog return the button that closed them
    // (Cancel when cancelled).
    virtual DialogAction PositionListDialog(PositionListDialogData& data) = 0;
    virtual DialogAction CoordinateDialog(CoordinateDialogData& data) = 0;
    // True for OK, with the fields' texts edited; false when cancelled.
    virtual bool TextLinesDialog(TextLinesDialogData& data) = 0;
    // One transformation with its preview: 1 for "OK" with the fields and choice as left, 0
    // when cancelled; -1 (the default) for a back end without it, which the core then asks
    // value by value.
    virtual int TransformDialog(TransformDialogData& /*data*/) { return -1; }
    // A back end without this dialog keeps the calculated limits.
    virtual bool DiagramLimitsDialog(DiagramLimitsDialogData& /*data*/) { return false; }
    // The DXF import: the file dialog, then the drawing's tolerance and layer; true for "OK"
    // with the fields as left. The default takes the file and what the drawing offers.
    virtual bool DxfImportDialog(DxfImportDialogData& data) {
        if (!OpenFileDialog(data.filter, data.folder, data.file)) return false;
        if (data.survey) data.survey(data, true);
        return true;
    }
    virtual void Beep() = 0;
    // The status line of the main window; an empty text clears it.
    virtual void StatusMessage(const std::string& /*text*/) {}
    virtual void SetWaitCursor(bool /*on*/) {}
    virtual ScreenMetrics Screen() const { return {}; }
    // The output window, modal.
    virtual void ShowTextWindow(TextWindow& /*window*/) {}
    // The explanation window ("Fehlermeldung"), modal; its "&Hilfe" button calls Help(false).
    virtual void ExplanationDialog(Explanation& /*window*/) {}

    // Called by the "&Hilfetext" (picture = false) and "Hilfe&bild" buttons of a dialog with
    // the current help number; the dialog stays open.
    std::function<void(uint16_t number, bool picture)> onHelp;
    // The help number of the dialog about to be shown; the core sets it before every dialog.
    uint16_t helpNumber = 0;
    // Set while the text input asks for a number (the value dialogs): its field may then
    // take only what can be a number.
    bool numberInput = false;

    // What a help button does: show help helpNumber.
    void Help(bool picture) {
        if (onHelp) onHelp(helpNumber, picture);
    }

    // The drawing documentation's dialogs; true for "OK" with the data as edited.
    virtual bool ChangeDialog(ChangeDialogData& /*data*/) { return false; }
    virtual bool DrawingInfoDialog(DrawingInfoDialogData& /*data*/) { return false; }
    virtual bool DocumentsDialog(DocumentsDialogData& /*data*/) { return false; }
    // The help-picture browser's dialog; its "&Hilfe" button calls Help(false). A back end
    // without it closes the browser.
    virtual PictureBrowserAction PictureBrowserDialog(PictureBrowserData& /*data*/) {
        return PictureBrowserAction::Close;
    }
    // The settings dialog: true for "OK" with the controls as left, false for "Abbrechen".
    virtual bool ConfigDialog(ConfigDialogData& /*data*/) { return false; }
    // Gives the main window's drawing area this size in pixels and redraws it.
    virtual void ResizeGraphicsArea(int /*width*/, int /*height*/) {}
    // The table window over a dBase table, modal: true when closed with "OK" (or by moving to
    // a record in select-and-close mode), false for "Abbrechen". A back end without it
    // cancels.
    virtual bool TableWindowDialog(TableWindowModel& /*table*/) { return false; }
    // The plotting command line form; false when cancelled.
    virtual bool PlotLineForm(PlotFormData& /*data*/) { return false; }
    // The printout dialog; true for "OK" with the fields as edited.
    virtual bool PrintoutDialog(PrintoutDialogData& /*data*/) { return false; }
    // The printer information window, modal, closed by "OK".
    virtual void PrinterInfoWindow(const PrinterInfoData& /*data*/) {}

    // The project table window, modal; its "Help" button calls Help(false). A back end
    // without it closes the window.
    virtual ProjectTableAction ProjectTableDialog(ProjectTableData& /*data*/) {
        return ProjectTableAction::Close;
    }
    // The section window, modal: true for "OK" with the choice as left, false for
    // "Abbrechen". A back end without it cancels.
    virtual bool ProfileDialog(ProfileDialogData& /*data*/) { return false; }
    // The internal forces for the stresses and the stress to draw (false: cancelled).
    virtual bool StressDialog(StressDialogData& /*data*/) { return false; }
    // The colour map of the stresses in a window of its own, with its export and printout.
    virtual void StressPicture(StressPictureData& /*data*/) {}
    // Runs job on another thread under a progress window with a cancel button; the default
    // runs it here without a window.
    virtual void RunWithProgress(ProgressJob& job) {
        job.run([](std::size_t) { return true; });
    }
};

} // namespace vak1
