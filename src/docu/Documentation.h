// Drawing documentation of the project: change entries, approval rows, replacements,
// free texts and linked documents.
#pragma once

namespace vak1 {

struct Documentation {};

} // namespace vak1
