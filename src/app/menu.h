// The main window's menu as plain data: item names, captions (UTF-8), shortcuts,
// visibility and enabled state. The Qt front end builds its menu bar from it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/captions.h"

namespace vak1 {

struct MenuItem {
    std::string name;    // e.g. "mi_fileOpen"; empty for a separator
    std::string caption; // UTF-8 with "&" marking the access key
    std::string shortcut;
    bool separator = false;
    bool visible = true;
    bool enabled = true;
    std::vector<MenuItem> items;
};

// Why Hilfe -> "Demo" is disabled; also the answer to the item and to the start switch DEMO.
inline constexpr const char* kNoDemonstrationText =
    "Die Demonstration ist in dieser Version nicht enthalten.";

// The menu bar with the captions of the window definition.
MenuItem BuildMenuBar();
// Copies the slot texts onto the items that take them.
void ApplyMenuCaptions(MenuItem& bar, const CaptionTables& tables);

MenuItem* FindMenuItem(MenuItem& root, std::string_view name);
const MenuItem* FindMenuItem(const MenuItem& root, std::string_view name);
// Every item name, depth first (separators left out).
std::vector<std::string> MenuItemNames(const MenuItem& root);

} // namespace vak1
