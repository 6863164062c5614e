// Queue-driven dialogs for tests and unattended runs.
#include "testing/ScriptedUi.h"

namespace vak1 {
namespace {

bool Fits(const std::string& answerKind, const std::string& dialogKind) {
    if (answerKind.empty() || answerKind == dialogKind) return true;
    if (answerKind == "file")
        return dialogKind == "open" || dialogKind == "save" || dialogKind == "folder" ||
               dialogKind == "dxfimport";
    if (answerKind == "action") return dialogKind == "positions" || dialogKind == "coordinates";
    return false;
}

std::vector<std::string> Captions(const std::vector<DialogButton>& buttons) {
    std::vector<std::string> out;
    for (const auto& b : buttons)
        out.push_back(b.caption);
    return out;
}

} // namespace

std::string Utf8Prefix(const std::string& text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < n; ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

DialogRecord& ScriptedUi::Record(DialogRecord r) {
    r.helpNumber = helpNumber;
    shown.push_back(std::move(r));
    if (onShown) onShown(shown.back());
    return shown.back();
}

bool ScriptedUi::Next(ScriptedAnswer& a, const std::string& kind) {
    if (answers_.empty()) {
        ++unanswered;
        a = ScriptedAnswer::Cancel();
        return false;
    }
    a = std::move(answers_.front());
    answers_.pop_front();
    if (!Fits(a.kind, kind)) ++mismatched;
    for (bool picture : a.helpPresses) {
        helpShown.emplace_back(helpNumber, picture);
        Help(picture);
    }
    return true;
}

bool ScriptedUi::InputTextDialog(const std::string& caption, const std::string& prompt,
                                 std::size_t maxLength, std::string& text) {
    DialogRecord r{"text", caption, prompt, text};
    r.maxLength = maxLength;
    Record(r);
    ScriptedAnswer a;
    Next(a, "text");
    if (a.cancel) return false;
    if (!a.keep) text = Utf8Prefix(a.text, maxLength);
    return true;
}

bool ScriptedUi::ChoiceDialog(const std::string& caption, const std::string& prompt,
                              const std::vector<std::string>& lines, bool asList, int& choice) {
    DialogRecord r{"choice", caption, prompt};
    r.lines = lines;
    r.asList = asList;
    r.preselected = choice;
    Record(r);
    ScriptedAnswer a;
    Next(a, "choice");
    if (a.cancel) return false;
    if (a.choice >= 1 && a.choice <= static_cast<int>(lines.size())) choice = a.choice;
    return true;
}

bool ScriptedUi::YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) {
    DialogRecord r{"yesno", caption, prompt};
    r.preselected = yes ? 1 : 2;
    Record(r);
    ScriptedAnswer a;
    Next(a, "yesno");
    if (a.cancel) return false;
    yes = a.yes;
    return true;
}

Reply ScriptedUi::Question(const std::string& caption, const std::string& text) {
    Record(DialogRecord{"question", caption, text});
    ScriptedAnswer a;
    Next(a, "question");
    return a.cancel ? Reply::Cancel : a.reply;
}

void ScriptedUi::MessageBox(MessageKind kind, const std::string& caption, const std::string& text) {
    DialogRecord r{"message", caption, text};
    r.messageKind = kind;
    Record(r);
}

bool ScriptedUi::OpenFileDialog(const std::string& filter, const std::string& initialDir,
                                std::string& path) {
    DialogRecord r{"open", "", "", initialDir};
    r.lines = {filter};
    Record(r);
    ScriptedAnswer a;
    Next(a, "open");
    if (a.cancel || a.text.empty()) return false;
    path = a.text;
    return true;
}

bool ScriptedUi::SaveFileDialog(const std::string& filter, const std::string& initialDir,
                                const std::string& proposedName, std::string& path) {
    DialogRecord r{"save", "", proposedName, initialDir};
    r.lines = {filter};
    Record(r);
    ScriptedAnswer a;
    Next(a, "save");
    if (a.cancel || a.text.empty()) return false;
    path = a.text;
    return true;
}

bool ScriptedUi::FolderDialog(const std::string& caption, std::string& folder) {
    Record(DialogRecord{"folder", caption, "", folder});
    ScriptedAnswer a;
    Next(a, "folder");
    if (a.cancel || a.text.empty()) return false;
    folder = a.text;
    return true;
}

DialogAction ScriptedUi::PositionListDialog(PositionListDialogData& data) {
    DialogRecord r{"positions", data.caption, ""};
    r.lines = data.lines;
    r.preselected = data.selected;
    r.buttons = Captions(data.buttons);
    Record(r);
    ScriptedAnswer a;
    Next(a, "positions");
    if (a.cancel) return DialogAction::Cancel;
    if (a.selected >= 0 && a.selected <= static_cast<int>(data.lines.size()))
        data.selected = a.selected;
    return a.action;
}

DialogAction ScriptedUi::CoordinateDialog(CoordinateDialogData& data) {
    DialogRecord r{"coordinates", data.caption, ""};
    r.labels.assign(data.labels.begin(), data.labels.end());
    r.units.assign(data.units.begin(), data.units.end());
    r.fields.assign(data.fields.begin(), data.fields.end());
    r.buttons = Captions(data.buttons);
    Record(r);
    ScriptedAnswer a;
    Next(a, "coordinates");
    if (a.cancel) return DialogAction::Cancel;
    for (std::size_t i = 0; i < a.fields.size() && i < data.fields.size(); ++i)
        if (a.fields[i]) data.fields[i] = *a.fields[i];
    return a.action;
}

bool ScriptedUi::TextLinesDialog(TextLinesDialogData& data) {
    DialogRecord r{"textlines", data.caption, ""};
    for (const auto& f : data.fields) {
        r.labels.push_back(f.label);
        r.fields.push_back(f.text);
        r.maxLengths.push_back(f.maxLength);
    }
    r.buttons = Captions(data.buttons);
    Record(r);
    ScriptedAnswer a;
    Next(a, "textlines");
    if (a.cancel) return false;
    for (std::size_t i = 0; i < a.fields.size() && i < data.fields.size(); ++i)
        if (a.fields[i]) data.fields[i].text = Utf8Prefix(*a.fields[i], data.fields[i].maxLength);
    return true;
}

bool ScriptedUi::PlotLineForm(PlotFormData& data) {
    Record(DialogRecord{"plotform", "KARTUNO", "", data.line});
    ScriptedAnswer a;
    Next(a, "plotform");
    if (a.cancel) return false;
    if (!a.text.empty()) data.line = a.text;
    return true;
}

bool ScriptedUi::PrintoutDialog(PrintoutDialogData& data) {
    std::string* fields[4] = {&data.xScale, &data.yScale, &data.xOrigin, &data.yOrigin};
    for (;;) {
        DialogRecord r{"printout", "Ausdruck", ""};
        for (const std::string* f : fields)
            r.fields.push_back(*f);
        Record(r);
        ScriptedAnswer a;
        Next(a, "printout");
        if (a.cancel) return false;
        for (std::size_t i = 0; i < a.fields.size() && i < 4; ++i)
            if (a.fields[i]) *fields[i] = *a.fields[i];
        if (!data.accept || data.accept(data)) return true;
    }
}

bool ScriptedUi::StressDialog(StressDialogData& data) {
    for (;;) {
        DialogRecord r{"stress", data.caption, data.error};
        r.labels.assign(data.labels.begin(), data.labels.end());
        r.units.assign(data.units.begin(), data.units.end());
        r.fields.assign(data.values.begin(), data.values.end());
        r.lines = data.kinds;
        r.preselected = data.kind + 1;
        Record(r);
        ScriptedAnswer a;
        Next(a, "stress");
        if (a.cancel) return false;
        for (std::size_t i = 0; i < a.fields.size() && i < data.values.size(); ++i)
            if (a.fields[i]) data.values[i] = *a.fields[i];
        if (a.choice >= 1 && a.choice <= static_cast<int>(data.kinds.size()))
            data.kind = a.choice - 1;
        if (!data.accept || data.accept(data)) return true;
    }
}

void ScriptedUi::StressPicture(StressPictureData& data) {
    DialogRecord r{"stresspicture", data.caption, ""};
    r.lines = data.kinds;
    r.preselected = data.kind + 1;
    Record(r);
    for (int k = 0; k < static_cast<int>(data.kinds.size()); ++k)
        if (data.render) pictures.push_back(data.render(k, 400, 300));
}

void ScriptedUi::PrinterInfoWindow(const PrinterInfoData& data) {
    DialogRecord r{"printerinfo", "Druckerinfo", ""};
    for (const auto& [name, value] : data.rows)
        r.lines.push_back(name + "|" + value);
    Record(r);
}

bool ScriptedUi::DiagramLimitsDialog(DiagramLimitsDialogData& data) {
    DialogRecord r{"limits", data.caption, ""};
    r.labels = {data.xLabel, data.yLabel};
    r.fields.assign(data.fields.begin(), data.fields.end());
    r.lines.assign(data.calculated.begin(), data.calculated.end());
    Record(r);
    ScriptedAnswer a;
    Next(a, "limits");
    if (a.cancel) return false;
    if (a.calculate) data.fields = data.calculated;
    for (std::size_t i = 0; i < a.fields.size() && i < data.fields.size(); ++i)
        if (a.fields[i]) data.fields[i] = *a.fields[i];
    return true;
}

bool ScriptedUi::DxfImportDialog(DxfImportDialogData& data) {
    ScriptedAnswer a;
    Next(a, "dxfimport");
    if (a.cancel) {
        Record(DialogRecord{"dxfimport", data.caption, "", data.folder});
        return false;
    }
    data.file = a.text;
    if (data.survey) data.survey(data, true);
    DialogRecord r{"dxfimport", data.caption, data.error, data.file};
    r.fields = {data.tolerance, data.extent};
    r.lines = data.layers;
    r.preselected = data.layer + 1;
    Record(r);
    if (!a.fields.empty() && a.fields[0]) {
        data.tolerance = *a.fields[0];
        if (data.survey) data.survey(data, false);
    }
    if (a.choice >= 1 && a.choice <= static_cast<int>(data.layers.size()))
        data.layer = a.choice - 1;
    return true;
}

PictureBrowserAction ScriptedUi::PictureBrowserDialog(PictureBrowserData& data) {
    DialogRecord r{"pictures", data.caption, ""};
    r.lines = data.entries;
    r.preselected = data.selected;
    Record(r);
    ScriptedAnswer a;
    Next(a, "pictures");
    if (a.cancel) return PictureBrowserAction::Close;
    if (a.selected >= 0) data.selected = a.selected;
    return a.browse;
}

bool ScriptedUi::TableWindowDialog(TableWindowModel& table) {
    DialogRecord r{"table", table.Caption(), table.RecordLabel()};
    for (int row = 0; row < table.Rows(); ++row) {
        std::string line = table.RowDeleted(row) ? "*" : " ";
        for (int c = 0; c < table.Columns(); ++c)
            line += (c ? "|" : "") + table.Cell(row, c);
        r.lines.push_back(line);
    }
    Record(r);
    ScriptedAnswer a;
    Next(a, "table");
    if (a.cancel) return false;
    for (const TableCommand c : a.tableCommands)
        if (table.Run(c)) return true;
    if (a.selected >= 0) table.SetCurrentRow(a.selected);
    return true;
}

ProjectTableAction ScriptedUi::ProjectTableDialog(ProjectTableData& data) {
    ScriptedAnswer a;
    const bool answered = Next(a, "projecttable");
    if (answered && !a.cancel)
        for (const int column : a.sortColumns)
            if (data.sort) data.sort(column);
    DialogRecord r{"projecttable", data.caption, ""};
    r.labels = data.titles;
    r.preselected = data.selected;
    for (const auto& row : data.rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += (c ? "|" : "") + row[c];
        r.lines.push_back(line);
    }
    Record(r);
    if (!answered || a.cancel) return ProjectTableAction::Close;
    if (a.selected >= 0) data.selected = a.selected;
    return a.projectAction;
}

void ScriptedUi::RunWithProgress(ProgressJob& job) {
    Record(DialogRecord{"progress", job.caption, ""});
    job.run([this](std::size_t) {
        ++progressed;
        return true;
    });
}

void ScriptedUi::ShowTextWindow(TextWindow& window) {
    Record(DialogRecord{"textwindow", window.caption, window.text, window.fontName});
    window.left += 10;
    window.top += 10;
}

void ScriptedUi::ExplanationDialog(Explanation& window) {
    DialogRecord r{"explain", "Fehlermeldung", window.message};
    r.lines = {window.cause, window.remedy};
    Record(r);
    ScriptedAnswer a;
    Next(a, "explain");
    if (a.edits.size() == 2 && (a.edits[0] != window.cause || a.edits[1] != window.remedy)) {
        window.cause = a.edits[0];
        window.remedy = a.edits[1];
        window.changed = true;
    }
}

namespace {

// Fields as a dialog record holds them and the answer's edits put back; each edit is cut
// to its field's length.
void ApplyForm(const ScriptedAnswer& a, const std::vector<std::string*>& fields,
               const std::vector<std::size_t>& lengths) {
    for (std::size_t i = 0; i < a.fields.size() && i < fields.size(); ++i)
        if (a.fields[i]) *fields[i] = Utf8Prefix(*a.fields[i], lengths[i]);
}

DialogRecord FormRecord(const std::string& kind, const std::string& caption,
                        const std::vector<std::string*>& fields,
                        const std::vector<std::size_t>& lengths) {
    DialogRecord r{kind, caption, ""};
    for (const std::string* f : fields)
        r.fields.push_back(*f);
    r.maxLengths = lengths;
    return r;
}

} // namespace

bool ScriptedUi::ChangeDialog(ChangeDialogData& data) {
    const std::vector<std::string*> fields{&data.text, &data.date, &data.editor, &data.description};
    const std::vector<std::size_t> lengths{data.textLength, data.dateLength, data.editorLength,
                                           data.descriptionLength};
    DialogRecord r = FormRecord("change", data.caption, fields, lengths);
    r.buttons = {"<" + data.today};
    Record(r);
    ScriptedAnswer a;
    Next(a, "change");
    if (a.cancel) return false;
    if (!a.dateButtons.empty()) data.date = data.today;
    ApplyForm(a, fields, lengths);
    return true;
}

bool ScriptedUi::DrawingInfoDialog(DrawingInfoDialogData& data) {
    std::vector<std::string*> fields{&data.replacementFor, &data.replacedBy};
    std::vector<std::size_t> lengths{data.replacementLength, data.replacementLength};
    for (auto& row : data.approvals)
        for (auto& cell : row) {
            fields.push_back(&cell);
            lengths.push_back(data.approvalLength);
        }
    for (auto& row : data.freeTexts)
        for (std::size_t c = 0; c < row.size(); ++c) {
            fields.push_back(&row[c]);
            lengths.push_back(c == 4 ? data.freeTextLength : 40);
        }
    DialogRecord r = FormRecord("drawinginfo", "Zeichnungsinfo", fields, lengths);
    r.labels = {"Bearb.", "Gepr.", "Norm", data.releaseLabel};
    for (int i = 0; i < 4; ++i)
        r.buttons.push_back("< " + data.today);
    Record(r);
    ScriptedAnswer a;
    Next(a, "drawinginfo");
    if (a.cancel) return false;
    for (int row : a.dateButtons)
        if (row >= 1 && row <= 4) data.approvals[row - 1][0] = data.today;
    ApplyForm(a, fields, lengths);
    return true;
}

bool ScriptedUi::DocumentsDialog(DocumentsDialogData& data) {
    std::vector<std::string*> fields;
    for (auto& p : data.programs)
        fields.push_back(&p);
    for (auto& f : data.files)
        fields.push_back(&f);
    const std::vector<std::size_t> lengths(fields.size(), data.fieldLength);
    DialogRecord r = FormRecord("documents", "Verknüpfte Dokumente", fields, lengths);
    r.labels = {data.programHint, data.fileHint};
    Record(r);
    ScriptedAnswer a;
    Next(a, "documents");
    if (a.cancel) return false;
    ApplyForm(a, fields, lengths);
    return true;
}

std::vector<std::string> ScriptedUi::Messages() const {
    std::vector<std::string> out;
    for (const auto& r : shown)
        if (r.kind == "message") out.push_back(r.caption + "|" + r.prompt);
    return out;
}

std::vector<DialogRecord> ScriptedUi::Shown(const std::string& kind) const {
    std::vector<DialogRecord> out;
    for (const auto& r : shown)
        if (r.kind == kind) out.push_back(r);
    return out;
}

bool ScriptedUi::ConfigDialog(ConfigDialogData& data) {
    Record(DialogRecord{"config", data.caption, ""});
    ScriptedAnswer a;
    Next(a, "config");
    if (a.configure) a.configure(data);
    return !a.cancel;
}

void ScriptedUi::ResizeGraphicsArea(int width, int height) {
    Record(DialogRecord{"graphicsarea", "", "",
                        std::to_string(width) + " x " + std::to_string(height)});
}

} // namespace vak1
