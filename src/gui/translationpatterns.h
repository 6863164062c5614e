// The program's texts that carry a name, number or path (%1, %2 ...): a text shown is matched
// against them when it has no translation as it stands.
#pragma once

namespace vak1 {

inline const char* const kTranslationPatterns[] = {
    "%1 konnte nicht geöffnet werden.",
};

} // namespace vak1
