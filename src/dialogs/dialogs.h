// The generic value dialogs, message boxes and file checks. Every text passed in or out is
// code page 850; a cancelled dialog sets AbortFlag and leaves the value unchanged.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/formats.h"
#include "text/textfile.h"

namespace vak1 {

class Ui;

// What the generic dialogs need of the program: the Ui, the style of the numbers and unit
// texts they show, the abort flag a cancel sets, and two switches of the running command.
// It holds references only, so one is made where it is needed and passed down.
struct DialogContext {
    Ui& ui;
    const NumberStyle& style;
    uint8_t& AbortFlag;
    bool MessageDisplay = true;    // error boxes are shown only while on
    bool OverwriteQuestion = true; // CheckTargetFile asks before replacing a file
};

// A dialog without a help entry of its own (file dialogs, plain questions).
constexpr uint16_t kHelpNone = 0;
// Help numbers of the file checks' own questions.
constexpr uint16_t kHelpOverwrite = 3055;
constexpr uint16_t kHelpRetry = kHelpNone;

constexpr std::size_t kLineTableSize = 205;
constexpr std::size_t kLineTableWidth = 65;

// Every dialog is given its help number: its "&Hilfetext" and "Hilfe&bild" buttons show that
// entry. DialogUi tells the Ui the number of the dialog about to be shown.
Ui& DialogUi(const DialogContext& d, uint16_t help);
// A code page 850 text as a dialog shows it (UTF-8).
std::string DisplayText(const NumberStyle& style, std::string_view text);
// A stored text in an edit field and back. Unlike DisplayText this never depends on the
// plain-character setting: accepting a field unchanged must store the text it was filled
// with, umlauts included.
std::string FieldText(std::string_view text);
std::string FieldValue(std::string_view utf8);

void InputText(const DialogContext& d, uint16_t help, std::string_view prompt,
               std::size_t maxLength, std::string& text);
void InputValue(const DialogContext& d, uint16_t help, std::string_view prompt, long double& value,
                long double min, long double max);
// As InputValue, value and bounds in mm; shown and entered in inch in inch mode.
void InputLength(const DialogContext& d, uint16_t help, std::string_view prompt, long double& value,
                 long double min, long double max);
void InputInteger(const DialogContext& d, uint16_t help, std::string_view prompt, long& value,
                  long a, long b);
// Choice among lines 1..n of a line table.
void InputChoice(const DialogContext& d, uint16_t help, std::string_view prompt,
                 const std::vector<std::string>& table, uint16_t n, uint16_t& choice);
// The same over all the given lines.
void InputChoice(const DialogContext& d, uint16_t help, std::string_view prompt,
                 const std::vector<std::string>& lines, uint16_t& choice);
void InputYesNo(const DialogContext& d, uint16_t help, std::string_view prompt, bool& flag);
// Yes/No/Cancel: true for Yes; Cancel sets AbortFlag.
bool AskQuestion(const DialogContext& d, uint16_t help, std::string_view text);

// Message boxes: no help buttons.
void ShowError(const DialogContext& d, std::string_view text); // only while the display is on
// The beep and the range message of the value dialogs, for the bounds as shown.
void ShowRangeError(const DialogContext& d, std::string_view min, std::string_view max);
// The beep and the message for an entry that is not a number (text in code page 850).
void ShowInvalidEntry(const DialogContext& d, std::string_view text);
void ShowInfo(const DialogContext& d, std::string_view text);
void ShowHelpBox(const DialogContext& d, std::string_view caption, std::string_view text);

// A coordinate in the display unit: seven significant digits in mm, 4 decimals in inch.
std::string FormatCoordinate(const NumberStyle& s, long double mm);

// Before a file is written: the overwrite question and a writability test.
void CheckTargetFile(const DialogContext& d, const std::string& path);
// Before a file is read: it must open.
void CheckSourceFile(const DialogContext& d, const std::string& path);

// The message for a failed file operation, by the stage that failed and errno.
std::string IoErrorText(IoStage stage, int error);
// Shows the message of a failed writer and sets AbortFlag; nothing when it did not fail.
void ReportWriteError(const DialogContext& d, const TextFileWriter& writer);
// Opens path for writing; on failure explains it and offers to try again until it works or
// the user declines (AbortFlag).
bool CreateFileWithRetry(const DialogContext& d, TextFileWriter& writer, const std::string& path,
                         bool atomic = true);

} // namespace vak1
