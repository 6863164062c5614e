// The program's texts that carry a name, number or path (%1, %2 ...): a text shown is matched
// against them, the more particular ones first, when it has no translation as it stands.
#pragma once

namespace vak1 {

inline const char* const kTranslationPatterns[] = {
    "VAK1  Querschnittberechnung  -  %1",
    "Datei speichern (%1) ?",
    "Dokument %1 ist nicht eingerichtet.",
    "&Fehlermeldungen (%1)",
    "Farbe für Layer%1 (%2)",
    "%1 konnte nicht geöffnet werden.",
    "Änderung %1",
};

} // namespace vak1
