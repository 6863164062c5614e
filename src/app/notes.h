// Notes on the calculated section that are no calculation errors: a clockwise contour (its
// area and moments are negative) and a contour that crosses itself (its area belongs to no
// section). The desktop shows them in its status bar and message list; the reports, the
// unattended jobs and the files carry only the calculation's own messages.
#pragma once
#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace vak1 {

struct App;

// In code page 850; none while the calculation failed.
std::vector<std::string> SectionNotes(const ProjectData& p);
// What "Fehlermeldungen" lists: the calculation's messages and the notes.
int ShownMessageCount(const App& app);
// The message list dialog with the notes after the messages.
void ShowMessagesAndNotes(App& app);

} // namespace vak1
