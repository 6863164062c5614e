// The help entry each menu item is about: the help of the dialog its command opens first.
#pragma once
#include <cstdint>
#include <string_view>

namespace vak1 {

// 0 for an item without a help entry of its own.
uint16_t MenuItemHelp(std::string_view name);

} // namespace vak1
