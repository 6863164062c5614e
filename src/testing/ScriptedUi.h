// A Ui for tests: answers come from a queue, every dialog shown is recorded. A dialog with
// no answer left is cancelled and counted as unanswered.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Ui.h"

namespace vak1 {

struct ScriptedAnswer {
    // The kind of dialog the answer is meant for ("text", "choice", "yesno", "question",
    // "file", "action", "coordinates", "textlines"); empty fits any. A mismatch is counted.
    std::string kind;
    bool cancel = false;
    std::string text;                       // text input, file and folder dialogs
    int choice = 0;                         // choice dialogs (1-based)
    bool yes = true;                        // yes/no dialogs
    Reply reply = Reply::Yes;               // questions
    bool keep = false;                      // text input: accept the prefilled text unchanged
    DialogAction action = DialogAction::Ok; // position list and coordinate dialog
    int selected = -1;                      // position list: line to select; -1 keeps
    std::vector<std::optional<std::string>> fields; // edited fields; nullopt keeps one
    std::vector<bool> helpPresses;  // help buttons pressed before answering (true: picture)
    bool calculate = false;         // diagram limits: "Calculate" pressed before the fields
    std::vector<std::string> edits; // explanation window: new cause and remedy
    std::vector<int> dateButtons;   // documentation dialogs: date buttons pressed (row 1..4)
    PictureBrowserAction browse = PictureBrowserAction::Close; // help-picture browser
    // Settings dialog: what the user does with the controls and buttons before the dialog
    // closes with "OK" (or "Abbrechen" with cancel).
    std::function<void(ConfigDialogData&)> configure;
    std::vector<TableCommand> tableCommands; // table window
    // Project table: right clicks on these column titles (0-based), then the action.
    std::vector<int> sortColumns;
    ProjectTableAction projectAction = ProjectTableAction::Close;

    static ScriptedAnswer Text(std::string t) {
        ScriptedAnswer a;
        a.kind = "text";
        a.text = std::move(t);
        return a;
    }
    static ScriptedAnswer Keep() {
        ScriptedAnswer a;
        a.kind = "text";
        a.keep = true;
        return a;
    }
    static ScriptedAnswer Choice(int n) {
        ScriptedAnswer a;
        a.kind = "choice";
        a.choice = n;
        return a;
    }
    static ScriptedAnswer YesNo(bool y) {
        ScriptedAnswer a;
        a.kind = "yesno";
        a.yes = y;
        return a;
    }
    static ScriptedAnswer Answer(Reply r) {
        ScriptedAnswer a;
        a.kind = "question";
        a.reply = r;
        return a;
    }
    static ScriptedAnswer File(std::string path) {
        ScriptedAnswer a = Text(std::move(path));
        a.kind = "file";
        return a;
    }
    static ScriptedAnswer Cancel() {
        ScriptedAnswer a;
        a.cancel = true;
        a.reply = Reply::Cancel;
        a.action = DialogAction::Cancel;
        return a;
    }
    // A button of the position list or the coordinate dialog; line selects a list line.
    static ScriptedAnswer Press(DialogAction action, int line = -1) {
        ScriptedAnswer a;
        a.kind = "action";
        a.action = action;
        a.selected = line;
        return a;
    }
    // The coordinate dialog: the fields as typed (nullopt keeps one), then a button.
    static ScriptedAnswer Coordinates(std::vector<std::optional<std::string>> f,
                                      DialogAction action = DialogAction::Ok) {
        ScriptedAnswer a;
        a.kind = "coordinates";
        a.fields = std::move(f);
        a.action = action;
        return a;
    }
    // The text-lines dialog, answered with OK.
    static ScriptedAnswer Lines(std::vector<std::optional<std::string>> f) {
        ScriptedAnswer a;
        a.kind = "textlines";
        a.fields = std::move(f);
        return a;
    }
    // The diagram limits dialog: optionally "Calculate", then the fields, then OK.
    static ScriptedAnswer Limits(std::vector<std::optional<std::string>> f, bool calc = false) {
        ScriptedAnswer a;
        a.kind = "limits";
        a.fields = std::move(f);
        a.calculate = calc;
        return a;
    }
    // The DXF import closed with OK: the file, then the tolerance typed (nullopt keeps the
    // offered one) and the layer chosen (1-based line of the layer list; 0 keeps). A "file"
    // answer takes the file and what the drawing offers.
    static ScriptedAnswer DxfImport(std::string path, std::optional<std::string> tolerance = {},
                                    int layer = 0) {
        ScriptedAnswer a = Text(std::move(path));
        a.kind = "dxfimport";
        a.fields = {std::move(tolerance)};
        a.choice = layer;
        return a;
    }
    // The explanation window closed with OK, cause and remedy edited.
    static ScriptedAnswer Edit(std::string cause, std::string remedy) {
        ScriptedAnswer a;
        a.kind = "explain";
        a.edits = {std::move(cause), std::move(remedy)};
        return a;
    }
    // The explanation window closed with OK, nothing edited.
    static ScriptedAnswer Explained() {
        ScriptedAnswer a;
        a.kind = "explain";
        return a;
    }
    // A documentation dialog ("change", "drawinginfo", "documents") answered with OK: the
    // date buttons pressed first, then the fields typed in the order of its record.
    static ScriptedAnswer Form(std::string kind, std::vector<std::optional<std::string>> f,
                               std::vector<int> dates = {}) {
        ScriptedAnswer a;
        a.kind = std::move(kind);
        a.fields = std::move(f);
        a.dateButtons = std::move(dates);
        return a;
    }
    // The help-picture browser closed by an action; line selects an entry, -1 keeps.
    static ScriptedAnswer Browse(PictureBrowserAction action, int line = -1) {
        ScriptedAnswer a;
        a.kind = "pictures";
        a.browse = action;
        a.selected = line;
        return a;
    }
    // The settings dialog: configure acts on it, then "OK" or, with cancel, "Abbrechen".
    static ScriptedAnswer Config(std::function<void(ConfigDialogData&)> configure,
                                 bool cancel = false) {
        ScriptedAnswer a;
        a.kind = "config";
        a.configure = std::move(configure);
        a.cancel = cancel;
        return a;
    }
    // The table window: the commands run in order, then the row chosen (-1 keeps the
    // current one), then "OK".
    static ScriptedAnswer Table(std::vector<TableCommand> commands = {}, int row = -1) {
        ScriptedAnswer a;
        a.kind = "table";
        a.tableCommands = std::move(commands);
        a.selected = row;
        return a;
    }
    // The plotting command line form closed with OK: unchanged (empty line) or with the line
    // its controls made.
    static ScriptedAnswer PlotForm(std::string line = {}) {
        ScriptedAnswer a;
        a.kind = "plotform";
        a.text = std::move(line);
        return a;
    }
    // The printout dialog: x scale, y scale, x origin, y origin as typed (nullopt keeps one),
    // then OK.
    static ScriptedAnswer Printout(std::vector<std::optional<std::string>> f) {
        ScriptedAnswer a;
        a.kind = "printout";
        a.fields = std::move(f);
        return a;
    }
    // The project table: sorted by the columns in order, then closed by action (with row
    // selected for Open; -1 keeps).
    static ScriptedAnswer Projects(ProjectTableAction action, int row = -1,
                                   std::vector<int> sorts = {}) {
        ScriptedAnswer a;
        a.kind = "projecttable";
        a.projectAction = action;
        a.selected = row;
        a.sortColumns = std::move(sorts);
        return a;
    }
    ScriptedAnswer WithHelp(bool picture) && {
        helpPresses.push_back(picture);
        return std::move(*this);
    }
};

struct DialogRecord {
    DialogRecord() = default;
    DialogRecord(std::string k, std::string c, std::string p, std::string t = {})
        : kind(std::move(k)), caption(std::move(c)), prompt(std::move(p)), text(std::move(t)) {}

    // "text", "choice", "yesno", "question", "message", "open", "save", "folder",
    // "positions", "coordinates", "textlines", "limits", "dxfimport",
    // "textwindow", "explain", "change", "drawinginfo", "documents", "pictures", "config", "table",
    // "plotform", "printout", "printerinfo"
    // "projecttable", "progress", "stress" (prompt: why OK was refused), "stresspicture"
    std::string kind;
    std::string caption;
    std::string prompt;             // prompt or message text
    std::string text;               // prefilled text, initial folder or proposed name
    std::vector<std::string> lines; // choice lines, position lines or file filter
    bool asList = false;
    MessageKind messageKind = MessageKind::Info;
    std::size_t maxLength = 0;
    int preselected = 0;
    uint16_t helpNumber = 0;          // the help number the dialog was shown with
    std::vector<std::string> buttons; // button captions
    std::vector<std::string> labels;  // field labels
    std::vector<std::string> units;   // unit texts beside the fields
    std::vector<std::string> fields;  // prefilled field texts
    std::vector<std::size_t> maxLengths;
};

class ScriptedUi : public Ui {
  public:
    void Push(ScriptedAnswer a) { answers_.push_back(std::move(a)); }
    void Push(std::initializer_list<ScriptedAnswer> list) {
        for (const auto& a : list)
            answers_.push_back(a);
    }

    bool InputTextDialog(const std::string& caption, const std::string& prompt,
                         std::size_t maxLength, std::string& text) override;
    bool ChoiceDialog(const std::string& caption, const std::string& prompt,
                      const std::vector<std::string>& lines, bool asList, int& choice) override;
    bool YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) override;
    Reply Question(const std::string& caption, const std::string& text) override;
    void MessageBox(MessageKind kind, const std::string& caption, const std::string& text) override;
    bool OpenFileDialog(const std::string& filter, const std::string& initialDir,
                        std::string& path) override;
    bool SaveFileDialog(const std::string& filter, const std::string& initialDir,
                        const std::string& proposedName, std::string& path) override;
    bool FolderDialog(const std::string& caption, std::string& folder) override;
    DialogAction PositionListDialog(PositionListDialogData& data) override;
    DialogAction CoordinateDialog(CoordinateDialogData& data) override;
    bool TextLinesDialog(TextLinesDialogData& data) override;
    bool DiagramLimitsDialog(DiagramLimitsDialogData& data) override;
    // Records "dxfimport" after the drawing was read: text the file, fields the tolerance
    // and the extent, lines the layer list, preselected the layer (1-based).
    bool DxfImportDialog(DxfImportDialogData& data) override;
    // Records "stress" (labels, units, fields the values, lines the kinds, preselected the
    // kind + 1); a "stress" answer's fields replace values and its choice (1-based) the kind,
    // as often as the dialog refuses them.
    bool StressDialog(StressDialogData& data) override;
    // Records "stresspicture" (lines the kinds, preselected the kind + 1) and keeps the
    // picture of every kind at 400 x 300 in pictures.
    void StressPicture(StressPictureData& data) override;
    std::vector<std::vector<std::uint8_t>> pictures;
    // The documentation dialogs record their fields as one list: the change dialog text,
    // date, editor, description; the drawing information the two replacements, the approval
    // cells (date, name by row) and the free-text cells (x, y, h, phi, text by row); the
    // documents dialog the five programs, then the five files. Date buttons in buttons.
    bool ChangeDialog(ChangeDialogData& data) override;
    bool DrawingInfoDialog(DrawingInfoDialogData& data) override;
    bool DocumentsDialog(DocumentsDialogData& data) override;
    void Beep() override { ++beeps; }
    void StatusMessage(const std::string& text) override { status.push_back(text); }
    // Records the window (caption, text in prompt, font name in text); moves it by 10 so
    // a test sees the geometry stored back.
    void ShowTextWindow(TextWindow& window) override;
    // Records message (caption "Fehlermeldung", prompt message, lines cause and remedy);
    // an Edit answer replaces both memos.
    void ExplanationDialog(Explanation& window) override;
    // Records caption, entries (lines) and the preselected entry.
    PictureBrowserAction PictureBrowserDialog(PictureBrowserData& data) override;
    // Records the dialog (caption); the answer's configure acts on the controls.
    bool ConfigDialog(ConfigDialogData& data) override;
    // Records the size as "graphicsarea" with the size as "width x height" in text.
    void ResizeGraphicsArea(int width, int height) override;
    // Records the table window (caption, the record label in prompt, the rows as "|"-joined
    // lines); a command that closes the window ends the answer there.
    bool TableWindowDialog(TableWindowModel& table) override;
    // Records "plotform" (caption "KARTUNO", text the line passed in).
    bool PlotLineForm(PlotFormData& data) override;
    // Records "printout" (fields: the scales and origins as offered); a "printout" answer's
    // fields replace them and OK is pressed, as often as the dialog refuses it.
    bool PrintoutDialog(PrintoutDialogData& data) override;
    // Records "printerinfo" (lines: "name|value" per row).
    void PrinterInfoWindow(const PrinterInfoData& data) override;

    // Records the project table (caption, the rows as "|"-joined lines after the answer's
    // sorting, the column titles as labels).
    ProjectTableAction ProjectTableDialog(ProjectTableData& data) override;
    // Records "progress" with the caption and runs the job here; reports counted in progressed.
    void RunWithProgress(ProgressJob& job) override;
    std::size_t progressed = 0;

    std::vector<DialogRecord> shown; // every dialog and box, in order
    // Called as each dialog is shown, before it is answered (to look at what the window
    // shows while the dialog is open).
    std::function<void(const DialogRecord&)> onShown;
    std::vector<std::string> status;
    std::vector<std::pair<uint16_t, bool>> helpShown; // help buttons pressed: number, picture
    int beeps = 0;
    int unanswered = 0; // dialogs that found the queue empty
    int mismatched = 0; // answers that were meant for another kind of dialog
    std::size_t Pending() const { return answers_.size(); }
    // Message boxes shown so far, as "caption|text" lines.
    std::vector<std::string> Messages() const;
    // The dialogs of one kind, in order.
    std::vector<DialogRecord> Shown(const std::string& kind) const;

  private:
    DialogRecord& Record(DialogRecord r);
    bool Next(ScriptedAnswer& a, const std::string& kind);
    std::deque<ScriptedAnswer> answers_;
};

// The first n characters of a UTF-8 text (never a broken character).
std::string Utf8Prefix(const std::string& text, std::size_t n);

} // namespace vak1
