// The generic value dialogs, message boxes and file checks. Every text passed in or out is
// code page 850; a cancelled dialog sets AbortFlag and leaves the value unchanged.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/textfile.h"

namespace vak1 {

struct App;
struct Settings;
class Ui;

constexpr std::size_t kLineTableSize = 205;
constexpr std::size_t kLineTableWidth = 65;

// The Ui for the next dialog, told the current help number so its help buttons show it.
Ui& DialogUi(App& app);
// A code page 850 text as a dialog shows it (UTF-8).
std::string DisplayText(const App& app, std::string_view text);
// A stored text in an edit field and back. Unlike DisplayText this never depends on the
// plain-character setting: accepting a field unchanged must store the text it was filled
// with, umlauts included.
std::string FieldText(std::string_view text);
std::string FieldValue(std::string_view utf8);

void InputText(App& app, std::string_view prompt, std::size_t maxLength, std::string& text);
void InputValue(App& app, std::string_view prompt, long double& value, long double min,
                long double max);
// As InputValue, value and bounds in mm; shown and entered in inch in inch mode.
void InputLength(App& app, std::string_view prompt, long double& value, long double min,
                 long double max);
void InputInteger(App& app, std::string_view prompt, long& value, long a, long b);
// Choice among lines 1..n of the line table (app.State.LineTable).
void InputChoice(App& app, std::string_view prompt, uint16_t n, uint16_t& choice);
// The same over the given lines.
void InputChoice(App& app, std::string_view prompt, const std::vector<std::string>& lines,
                 uint16_t& choice);
void InputYesNo(App& app, std::string_view prompt, bool& flag);
// Yes/No/Cancel: true for Yes; Cancel sets AbortFlag.
bool AskQuestion(App& app, std::string_view text);

void ShowError(App& app, std::string_view text); // only while the message display is on
// The beep and the range message of the value dialogs, for the bounds as shown.
void ShowRangeError(App& app, std::string_view min, std::string_view max);
void ShowInfo(App& app, std::string_view text);
void ShowHelpBox(App& app, std::string_view caption, std::string_view text);

// A coordinate in the display unit: seven significant digits in mm, 4 decimals in inch.
std::string FormatCoordinate(const Settings& s, long double mm);

// Before a file is written: the overwrite question and a writability test.
void CheckTargetFile(App& app, const std::string& path);
// Before a file is read: it must open.
void CheckSourceFile(App& app, const std::string& path);

// The message for a failed file operation, by the stage that failed and errno.
std::string IoErrorText(IoStage stage, int error);
// Shows the message of a failed writer and sets AbortFlag; nothing when it did not fail.
void ReportWriteError(App& app, const TextFileWriter& writer);
// Opens path for writing; on failure explains it and offers to try again until it works or
// the user declines (AbortFlag).
bool CreateFileWithRetry(App& app, TextFileWriter& writer, const std::string& path,
                         bool atomic = true);

// The folder rule: trimmed, and "/" appended unless it ends in "/", "\", ":" or ".".
std::string FolderPath(std::string_view folder);

} // namespace vak1
