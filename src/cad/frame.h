// The drawing frame and title block of the A4 form sheet: border, title block rules, change
// list, approval fields, protection notice, names, file name, date and the logo.
#pragma once
#include <cstdint>
#include <string>

namespace vak1 {

struct CadContext;
struct Documentation;

// The five lines of the protection notice in the left margin, English and German
// (code page 850).
extern const char* const kProtectionNoticeEnglish[5];
extern const char* const kProtectionNoticeGerman[5];

// The content of the block "FRAME_1" in sheet millimetres; nothing when AbortFlag is set.
void DrawFrame(const CadContext& cx, const Documentation& docu, const std::string& name,
               const std::string& name2, const std::string& number);
// The last eight change entries above the heading row of the change list.
void DrawChangeRows(const CadContext& cx, const Documentation& docu);

// The index of change entry k in the title block ("a", "1", "A" or nothing).
std::string ChangeIndex(uint16_t style, int k);

} // namespace vak1
