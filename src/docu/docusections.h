// The two sections of the project file that hold the drawing documentation.
#pragma once
#include "docu/Documentation.h"
#include "settings/Settings.h"
#include "text/linecursor.h"
#include "text/textfile.h"

namespace vak1 {

// Change entries, approval rows, replacements and free texts. Carriage returns in the
// descriptions become "|" first, in the stored text too.
void WriteChangesSection(TextFileWriter& out, Documentation& d, const Settings& s);
// The five linked documents.
void WriteDocumentsSection(TextFileWriter& out, const Documentation& d);

// Read what the writers above wrote into d; false, with the problem in the cursor, when
// the lines do not follow that form.
bool ReadChangesSection(LineCursor& in, Documentation& d);
bool ReadDocumentsSection(LineCursor& in, Documentation& d);

} // namespace vak1
