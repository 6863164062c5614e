// The program's texts that carry a name, number or path (%1, %2 ...): a text shown is matched
// against them, the more particular ones first, when it has no translation as it stands.
#pragma once

namespace vak1 {

inline const char* const kTranslationPatterns[] = {
    "VAK1  Querschnittberechnung  -  %1",
    "Gültiger Wertebereich: %1 .. %2 !",
    "Ungültige Eingabe %1 !",
    "%1 existiert bereits.   Überschreiben ?",
    "Ungültiger Dateiname %1 !",
    "Datei %1 nicht gefunden oder kein Zugriffsrecht !",
    "Datei %1 nicht gefunden !",
    "Der Wert für %1 ist keine Zahl.",
    "%1 ist zu groß: höchstens 1e9 mm.",
    "%1 muß größer als 0 sein.",
    "%1 darf nicht negativ sein.",
    "%1 muß kleiner als %2 sein (%3 = %4 mm, %5 = %6 mm).",
    "Die Vernetzung kam in %1 s nicht zum Ende: die Kontur lässt sich nicht vernetzen.",
    "Max. Änderungen = %1 !",
    "%1 konnte nicht gestartet werden.",
    "%1 nennt ein Programm, das jetzt gestartet werden soll:",
    "%1 und Windows-Datei outwin.txt wurden angelegt..",
    "Datei %1: keine DXF-Datei (Zeile %2)",
    "Datei %1: ungültige Koordinate",
    "Datei %1: kein Layer \"%2\"",
    "Verzweigung bei %1: %2 Enden treffen sich",
    "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"%1\")",
    "Kontur nicht geschlossen: Lücke zwischen %1 und %2 (Abstand %3 mm)",
    "%1 Punkte, zu viele Punkte !",
    "Kontur schneidet sich selbst bei %1",
    "Konturen schneiden oder berühren sich bei %1",
    "Kontur ohne Fläche bei %1",
    "Kontur bei %1 liegt außerhalb der Außenkontur",
    "Kontur bei %1 liegt in einem Loch",
    "kein Steg ohne Schnitt zum Loch bei %1",
    "Datei speichern (%1) ?",
    "Dokument %1 ist nicht eingerichtet.",
    "&Fehlermeldungen (%1)",
    "Farbe für Layer%1 (%2)",
    "%1 konnte nicht geöffnet werden.",
    "Änderung %1",
    "Datei %1: %2",
};

} // namespace vak1
