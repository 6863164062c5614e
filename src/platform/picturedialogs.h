// The help-picture browser's dialog: a drop-down list of the pictures with a spin, and the
// buttons that close it with an operation on the picture index.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

enum class PictureBrowserAction {
    Close,  // "OK" or the window closed
    Show,   // an entry chosen in the list or by the spin: selected is the picture
    Add,    // "&Neu"
    Delete, // "&Löschen"
    Change, // "&Ändern"
    Insert, // "&Einfügen"
    Plot,   // "&Plotten"
};

// entries: one line per picture (UTF-8); selected is 1-based (0: none) and comes back as the
// entry selected when the dialog closed.
struct PictureBrowserData {
    std::string caption;
    std::vector<std::string> entries;
    int selected = 0;
};

} // namespace vak1
