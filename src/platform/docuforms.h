// Dialog data of the drawing documentation: one change entry, the drawing information and
// the linked documents. Texts are UTF-8; the core fills the fields, the dialog edits them
// in place and returns true for "OK".
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace vak1 {

// TForm_EinAend: the fields of one change entry.
struct ChangeDialogData {
    std::string caption; // "Änderung n"
    std::string today;   // the "<" button puts it into the date field
    std::string text, date, editor;
    std::string description; // lines separated by "\n"
    std::size_t textLength = 0, dateLength = 0, editorLength = 0;
    std::size_t descriptionLength = 0; // characters of the memo, a line break counting one
};

// TForm_zeichInfo: replacements, the approval rows (date, name) and the free texts
// (x, y, h, phi, text), as the cells of the two grids show them.
struct DrawingInfoDialogData {
    std::string releaseLabel; // title of the fourth approval row
    std::string today;        // the four date buttons put it into the date cell of their row
    std::string replacementFor, replacedBy;
    std::array<std::array<std::string, 2>, 4> approvals{};
    std::array<std::array<std::string, 5>, 8> freeTexts{};
    std::size_t replacementLength = 0, approvalLength = 0, freeTextLength = 0;
};

// TForm_confDoku: program and file of the five linked documents.
struct DocumentsDialogData {
    std::array<std::string, 5> programs{}, files{};
    std::size_t fieldLength = 0;
    std::string programHint, fileHint; // hover texts of the labels
    // The "..." button beside a field: true with the chosen file in field; false leaves it.
    std::function<bool(bool program, std::string& field)> browse;
};

} // namespace vak1
