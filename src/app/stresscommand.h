// View -> "Spannungen": the internal forces asked in a dialog, the stress report through the
// output document and the colour map of the chosen stress in a window of its own.
#pragma once

namespace vak1 {

struct App;

void ViewStresses(App& app);

} // namespace vak1
