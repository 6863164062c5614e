// File dialog filters: the program writes them as "description|mask|description|mask",
// Qt wants "description (mask);;description (mask)".
#pragma once
#include <string>

namespace vak1 {

// Masks separated by ";" become separated by blanks; a description that already names its
// mask is not repeated. An empty filter gives "*" (all files).
std::string QtFileFilter(const std::string& filter);

} // namespace vak1
