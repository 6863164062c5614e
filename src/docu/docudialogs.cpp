// Change entries, drawing information and linked documents: the dialogs' fields filled
// from the documentation and read back into it.
#include "docu/docudialogs.h"

#include <cmath>
#include <string_view>

#include "platform/Launcher.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/linecursor.h"
#include "text/parse.h"

namespace vak1 {
namespace {

std::string Cut(std::string text, std::size_t n) {
    if (text.size() > n) text.resize(n);
    return text;
}

// A short field back from a dialog: code page 850, at most n characters, on one line as the
// project file keeps it.
std::string Stored(const std::string& utf8, std::size_t n) {
    return SingleLine(Cut(FieldValue(utf8), n));
}

// The description as the memo shows it: one "\n" per line break. The whole text is
// converted, however long, so a full memo never comes back empty.
std::string MemoText(const std::string& description) {
    std::string memo;
    const std::vector<std::string> lines = DescriptionLines(description);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) memo += '\n';
        memo += Cp850ToUtf8(lines[i]);
    }
    return memo;
}

// The memo back: at most n characters, a line break counting one, stored as CR LF.
std::string StoredDescription(const std::string& memo, std::size_t n) {
    std::string out;
    for (char c : Cut(cp850(memo), n)) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// A free-text number: what is no number, or none the project file can hold, counts 0.
long double CellNumber(const std::string& cell) {
    const ParsedNumber n = ParseNumber(cell);
    return n.valid && std::fabs(n.value) <= kMaxFileNumber ? n.value : 0;
}

// A free-text number as the project file and the grid keep it: in its significant digits,
// so what the grid shows after "OK" is what a saved project reads back.
long double KeptNumber(const NumberStyle& style, const std::string& cell) {
    return CellNumber(FormatSignificant(style, CellNumber(cell)));
}

// The approval cells share one "|"-separated line of the project file.
bool ApprovalsFitTheFile(const DialogContext& d, const DrawingInfoDialogData& data) {
    for (const auto& row : data.approvals)
        for (const std::string& cell : row)
            if (cell.find('|') != std::string::npos) {
                ShowError(d, cp850("Das Zeichen \"|\" ist in den Freigabefeldern (Datum, Name) "
                                   "nicht erlaubt."));
                return false;
            }
    return true;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

bool NewChange(const DialogContext& d, Documentation& docu, const std::string& today) {
    if (docu.ChangeCount >= kMaxChangeEntries) {
        ShowError(d, cp850("Max. Änderungen = ") + std::to_string(kMaxChangeEntries) + " !");
        d.AbortFlag = 1;
        return false;
    }
    ++docu.ChangeCount;
    docu.ChangeEntries[docu.ChangeCount - 1].date = Cut(today, kChangeDateLength);
    EditChange(d, docu, docu.ChangeCount, today);
    return true;
}

bool ModifyLastChange(const DialogContext& d, Documentation& docu, const std::string& today) {
    if (docu.ChangeCount == 0) return false;
    return EditChange(d, docu, docu.ChangeCount, today);
}

bool DeleteLastChange(Documentation& docu) {
    if (docu.ChangeCount == 0) return false;
    --docu.ChangeCount;
    return true;
}

bool EditChange(const DialogContext& d, Documentation& docu, uint16_t n, const std::string& today) {
    TChangeEntry& e = docu.ChangeEntries[n - 1];
    ChangeDialogData data;
    data.caption = FieldText(cp850("Änderung") + " " + std::to_string(n));
    data.today = FieldText(today);
    data.text = FieldText(e.text);
    data.date = FieldText(e.date);
    data.editor = FieldText(e.editor);
    data.description = MemoText(e.description);
    data.textLength = kChangeTextLength;
    data.dateLength = kChangeDateLength;
    data.editorLength = kChangeEditorLength;
    data.descriptionLength = kChangeDescriptionLength;
    // A refused description comes back as typed, for the user to mend.
    std::string description;
    for (;;) {
        if (!DialogUi(d, kHelpChange).ChangeDialog(data)) {
            d.AbortFlag = 1;
            return false;
        }
        description = StoredDescription(data.description, kChangeDescriptionLength);
        if (!DescriptionEndsLikeAnEntry(description)) break;
        ShowError(d, cp850("Die letzte Zeile der Beschreibung darf nicht aus genau 14 "
                           "Strichen \"-\" bestehen."));
    }
    e.text = Stored(data.text, kChangeTextLength);
    e.date = Stored(data.date, kChangeDateLength);
    e.editor = Stored(data.editor, kChangeEditorLength);
    e.description = description;
    d.AbortFlag = 0;
    return true;
}

bool EditDrawingInfo(const DialogContext& d, Documentation& docu, const std::string& releaseField,
                     const std::string& today) {
    DrawingInfoDialogData data;
    data.releaseLabel = FieldText(releaseField);
    data.today = FieldText(today);
    data.replacementFor = FieldText(docu.ReplacementFor);
    data.replacedBy = FieldText(docu.ReplacedBy);
    for (std::size_t row = 0; row < 4; ++row)
        data.approvals[row] = {FieldText(docu.ApprovalRows[row].date),
                               FieldText(docu.ApprovalRows[row].name)};
    for (std::size_t i = 0; i < docu.FreeTextCount && i < kMaxFreeTexts; ++i) {
        const TFreeText& t = docu.FreeTexts[i];
        data.freeTexts[i] = {FormatSignificant(d.style, t.x), FormatSignificant(d.style, t.y),
                             FormatSignificant(d.style, t.h), FormatSignificant(d.style, t.phi),
                             FieldText(t.text)};
    }
    data.replacementLength = kReplacementLength;
    data.approvalLength = kApprovalFieldLength;
    data.freeTextLength = kFreeTextLength;
    do {
        if (!DialogUi(d, kHelpDrawingInfo).DrawingInfoDialog(data)) {
            d.AbortFlag = 1;
            return false;
        }
    } while (!ApprovalsFitTheFile(d, data));
    docu.ReplacementFor = Stored(data.replacementFor, kReplacementLength);
    docu.ReplacedBy = Stored(data.replacedBy, kReplacementLength);
    for (std::size_t row = 0; row < 4; ++row) {
        docu.ApprovalRows[row].date = Stored(data.approvals[row][0], kApprovalFieldLength);
        docu.ApprovalRows[row].name = Stored(data.approvals[row][1], kApprovalFieldLength);
    }
    // Row 1 always counts; the rows after it count up to the first one without text.
    std::size_t i = 0;
    for (;;) {
        const auto& cells = data.freeTexts[i];
        TFreeText& t = docu.FreeTexts[i];
        t.x = KeptNumber(d.style, cells[0]);
        t.y = KeptNumber(d.style, cells[1]);
        t.h = KeptNumber(d.style, cells[2]);
        t.phi = KeptNumber(d.style, cells[3]);
        t.text = Stored(cells[4], kFreeTextLength);
        ++i;
        if (i >= kMaxFreeTexts || IsBlank(data.freeTexts[i][4])) break;
    }
    docu.FreeTextCount = static_cast<uint16_t>(i);
    d.AbortFlag = 0;
    return true;
}

bool BrowseDocumentFile(const DialogContext& d, bool program, std::string& field) {
    // Programs here carry no extension of their own, so both kinds of field offer every file.
    (void)program;
    std::string path;
    const uint16_t help = d.ui.helpNumber;
    const bool chosen = DialogUi(d, kHelpNone).OpenFileDialog("*|*", FolderOf(field), path);
    d.ui.helpNumber = help;
    if (!chosen) {
        d.AbortFlag = 1;
        return false;
    }
    field = path;
    return true;
}

bool EditDocumentLinks(const DialogContext& d, Documentation& docu, const std::string& programHint,
                       const std::string& fileHint) {
    DocumentsDialogData data;
    for (std::size_t k = 0; k < kDocumentLinkCount; ++k) {
        data.programs[k] = FieldText(docu.DocumentLinks[k].program);
        data.files[k] = FieldText(docu.DocumentLinks[k].file);
    }
    data.fieldLength = kDocumentFieldLength;
    data.programHint = DisplayText(d.style, programHint);
    data.fileHint = DisplayText(d.style, fileHint);
    data.browse = [&d](bool program, std::string& field) {
        return BrowseDocumentFile(d, program, field);
    };
    if (!DialogUi(d, kHelpDocuments).DocumentsDialog(data)) {
        d.AbortFlag = 1;
        return false;
    }
    for (std::size_t k = 0; k < kDocumentLinkCount; ++k) {
        docu.DocumentLinks[k].program = Stored(data.programs[k], kDocumentFieldLength);
        docu.DocumentLinks[k].file = Stored(data.files[k], kDocumentFieldLength);
    }
    d.AbortFlag = 0;
    return true;
}

void StartDocumentLink(const DialogContext& d, Launcher* launcher, const Documentation& docu,
                       int k) {
    const TDocumentLink& link = docu.DocumentLinks[static_cast<std::size_t>(k - 1)];
    const bool noProgram = link.program.empty() || link.program == kDefaultDocumentProgram;
    if (link.file.empty() && noProgram) {
        ShowInfo(d, "Dokument " + std::to_string(k) + " ist nicht eingerichtet.");
        return;
    }
    std::vector<std::string> args;
    if (!link.file.empty()) args.push_back(link.file);
    const std::string command =
        link.program.empty() ? OpenCommandText(link.file) : CommandText(link.program, args);
    if (launcher && !launcher->MayStart(command, NamedBy::ProjectFile)) return;
    d.ui.SetWaitCursor(true);
    bool ok = false;
    if (launcher) {
        if (link.program.empty())
            ok = launcher->Open(link.file);
        else
            ok = launcher->Start(link.program, args);
    }
    d.ui.SetWaitCursor(false);
    if (!ok) ShowError(d, "Programm " + link.program + " konnte nicht gestartet werden.");
}

} // namespace vak1
