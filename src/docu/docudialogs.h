// The dialogs and steps of the documentation menu: change entries, drawing information,
// linked documents. Texts are code page 850; a cancelled dialog sets AbortFlag.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/dialogs.h"
#include "docu/Documentation.h"

namespace vak1 {

class Launcher;

constexpr uint16_t kHelpDocumentProgram = 2710;
constexpr uint16_t kHelpDocumentFile = 2720;
constexpr uint16_t kHelpDocuments = 2730;
constexpr uint16_t kHelpChange = 3000;
constexpr uint16_t kHelpDrawingInfo = 3010;

// One more change entry, dated today, then its dialog. With all entries in use it says so
// and changes nothing. True when the entries changed: a cancelled dialog leaves the new
// entry counted with its date.
bool NewChange(const DialogContext& d, Documentation& docu, const std::string& today);
// The dialog of the last entry; false without entries or when cancelled.
bool ModifyLastChange(const DialogContext& d, Documentation& docu, const std::string& today);
// One entry less; its slot keeps its texts for the next new entry. False without entries.
bool DeleteLastChange(Documentation& docu);
// TForm_EinAend for entry n (1-based); true for "OK".
bool EditChange(const DialogContext& d, Documentation& docu, uint16_t n, const std::string& today);

// TForm_zeichInfo; true for "OK". releaseField titles the fourth approval row.
bool EditDrawingInfo(const DialogContext& d, Documentation& docu, const std::string& releaseField,
                     const std::string& today);

// TForm_confDoku with the help texts of its labels as hints; true for "OK".
bool EditDocumentLinks(const DialogContext& d, Documentation& docu, const std::string& programHint,
                       const std::string& fileHint);
// The "..." button of a documents field (UTF-8, as the dialog holds it): a file dialog in
// the folder of the field's file; true with the chosen full name in field.
bool BrowseDocumentFile(const DialogContext& d, bool program, std::string& field);

// Starts linked document k (1-based): its program with the file as one argument.
void StartDocumentLink(const DialogContext& d, Launcher* launcher, const Documentation& docu,
                       int k);

} // namespace vak1
