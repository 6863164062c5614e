<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>"%1" erwartet</source>
        <translation>"%1" expected</translation>
    </message>
    <message>
        <source>%1 = %2 mm ist zu groß: höchstens %3 mm.</source>
        <translation>%1 = %2 mm is too large: at most %3 mm.</translation>
    </message>
    <message>
        <source>%1 Meldungen</source>
        <translation>%1 messages</translation>
    </message>
    <message>
        <source>%1 Punkte, zu viele Punkte !</source>
        <translation>%1 points, too many points !</translation>
    </message>
    <message>
        <source>%1 darf nicht negativ sein.</source>
        <translation>%1 must not be negative.</translation>
    </message>
    <message>
        <source>%1 ersetzen ?</source>
        <translation>Replace %1 ?</translation>
    </message>
    <message>
        <source>%1 existiert bereits.   Überschreiben ?</source>
        <translation>%1 exists already.   Overwrite ?</translation>
    </message>
    <message>
        <source>%1 ist keine lesbare dBase-Tabelle</source>
        <translation>%1 is not a readable dBase table</translation>
    </message>
    <message>
        <source>%1 ist zu groß: höchstens 1e9 mm.</source>
        <translation>%1 is too large: at most 1e9 mm.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gestartet werden.</source>
        <translation>%1 could not be started.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden.</source>
        <translation>%1 could not be opened.</translation>
    </message>
    <message>
        <source>%1 muß größer als 0 sein.</source>
        <translation>%1 must be greater than 0.</translation>
    </message>
    <message>
        <source>%1 muß kleiner als %2 sein (%3 = %4 mm, %5 = %6 mm).</source>
        <translation>%1 must be less than %2 (%3 = %4 mm, %5 = %6 mm).</translation>
    </message>
    <message>
        <source>%1 nennt ein Programm, das jetzt gestartet werden soll:</source>
        <translation>%1 names a program that is to be started now:</translation>
    </message>
    <message>
        <source>%1 nicht gefunden</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht lesbar</source>
        <translation>%1 not found or not readable</translation>
    </message>
    <message>
        <source>%1 und Windows-Datei outwin.txt wurden angelegt..</source>
        <translation>%1 and Windows file outwin.txt were made..</translation>
    </message>
    <message>
        <source>%1 wird geplottet..</source>
        <translation>%1 is being plotted..</translation>
    </message>
    <message>
        <source>%1, Satz %2: %3</source>
        <translation>%1, record %2: %3</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1: "%2" ist kein Datum (JJJJMMTT)</source>
        <translation>%1: "%2" is not a date (YYYYMMDD)</translation>
    </message>
    <message>
        <source>%1: "%2" ist kein logischer Wert</source>
        <translation>%1: "%2" is not a logical value</translation>
    </message>
    <message>
        <source>%1: "%2" ist keine Zahl</source>
        <translation>%1: "%2" is not a number</translation>
    </message>
    <message>
        <source>%1: %2 passt nicht in das Feld</source>
        <translation>%1: %2 does not fit into the field</translation>
    </message>
    <message>
        <source>%1: Bild nicht geschrieben</source>
        <translation>%1: picture not written</translation>
    </message>
    <message>
        <source>%1: Datei kann nicht angelegt werden</source>
        <translation>%1: file cannot be made</translation>
    </message>
    <message>
        <source>%1: Datensatz %2 nicht lesbar</source>
        <translation>%1: record %2 not readable</translation>
    </message>
    <message>
        <source>%1: Feld %2 ungültig</source>
        <translation>%1: field %2 invalid</translation>
    </message>
    <message>
        <source>%1: Kopf nicht lesbar</source>
        <translation>%1: header not readable</translation>
    </message>
    <message>
        <source>%1: Satzlänge %2 zu kurz für die Felder (%3)</source>
        <translation>%1: record length %2 too short for the fields (%3)</translation>
    </message>
    <message>
        <source>%1: Schreibfehler</source>
        <translation>%1: write error</translation>
    </message>
    <message>
        <source>%1: Tabelle kann nicht angelegt werden</source>
        <translation>%1: table cannot be made</translation>
    </message>
    <message>
        <source>%1: Tabelle kann nicht ersetzt werden</source>
        <translation>%1: table cannot be replaced</translation>
    </message>
    <message>
        <source>%1: Text zu lang (%2)</source>
        <translation>%1: text too long (%2)</translation>
    </message>
    <message>
        <source>%1: die Tabelle selbst kann nicht überschrieben werden</source>
        <translation>%1: the table itself cannot be overwritten</translation>
    </message>
    <message>
        <source>%1: größer als 1 MB, keine Projektdatei</source>
        <translation>%1: larger than 1 MB, not a project file</translation>
    </message>
    <message>
        <source>%1: kein Schreibrecht</source>
        <translation>%1: no write permission</translation>
    </message>
    <message>
        <source>%1: keine Zahl</source>
        <translation>%1: not a number</translation>
    </message>
    <message>
        <source>%1: keine dBase-Tabelle (.dbf)</source>
        <translation>%1: not a dBase table (.dbf)</translation>
    </message>
    <message>
        <source>%1: keine lesbare Datei</source>
        <translation>%1: not a readable file</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Auszug</source>
        <translation>&amp;Excerpt Printout</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Berechnung</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;E-Mail an QUORVEN</source>
        <translation>&amp;E-Mail to QUORVEN</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>S&amp;ettings</translation>
    </message>
    <message>
        <source>&amp;Erweiterte Werte</source>
        <translation>E&amp;xtended Values</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen</source>
        <translation>E&amp;rror messages</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen (%1)</source>
        <translation>E&amp;rror messages (%1)</translation>
    </message>
    <message>
        <source>&amp;Geometrie</source>
        <translation>&amp;Geometry</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Graphics</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Hilfebild</source>
        <translation>&amp;Auxiliary images</translation>
    </message>
    <message>
        <source>&amp;Hilfetext</source>
        <translation>&amp;Help text</translation>
    </message>
    <message>
        <source>&amp;Import DXF</source>
        <translation>&amp;Import DXF</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Neue Änderung</source>
        <translation>Modification - &amp;New</translation>
    </message>
    <message>
        <source>&amp;Plotten</source>
        <translation>&amp;Plot</translation>
    </message>
    <message>
        <source>&amp;Profil</source>
        <translation>&amp;Section</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Sections</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rücksetzen</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>&amp;Sprache Menü</source>
        <translation>&amp;Language Menu</translation>
    </message>
    <message>
        <source>&amp;Standardausdruck</source>
        <translation>&amp;Standard Printout</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;Versionen</source>
        <translation>&amp;Versions</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Zeichnen</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>&amp;Zeichnung</source>
        <translation>&amp;Drawing</translation>
    </message>
    <message>
        <source>&amp;Zeichnungsdaten</source>
        <translation>Dra&amp;wing data</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>-----  Einfügen ------</source>
        <translation>-----  Insert  ------</translation>
    </message>
    <message>
        <source>-----  Erweitern  -----</source>
        <translation>-----  Append  -----</translation>
    </message>
    <message>
        <source>-----  HP-GL/2 drucken/plotten  ------</source>
        <translation>-----  HP-GL/2 print/plot  ------</translation>
    </message>
    <message>
        <source>-----  Löschen  -----</source>
        <translation>-----  Delete  ------</translation>
    </message>
    <message>
        <source>-----  Ändern  ------</source>
        <translation>-----  Modify  ------</translation>
    </message>
    <message>
        <source>0 : Keine Info nach Eingabe</source>
        <translation>0 : No info after input</translation>
    </message>
    <message>
        <source>1 : Normale Einstellung</source>
        <translation>1 : Normal setting</translation>
    </message>
    <message>
        <source>1 Meldung</source>
        <translation>1 message</translation>
    </message>
    <message>
        <source>2 : Erweiterte Hilfe, Einzeleingabe</source>
        <translation>2 : Extended help, single input</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abhilfe</source>
        <translation>Remedy</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen</source>
        <translation>Number of decimals</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen DXF, TXT</source>
        <translation>Number of decimals DXF, TXT</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Working folder</translation>
    </message>
    <message>
        <source>Archivierungsmodus ?</source>
        <translation>Archive mode ?</translation>
    </message>
    <message>
        <source>Art "%1" unbekannt (I, U, T, L, RH oder C).</source>
        <translation>Kind "%1" unknown (I, U, T, L, RH or C).</translation>
    </message>
    <message>
        <source>Ausdehnung:</source>
        <translation>Extent:</translation>
    </message>
    <message>
        <source>Ausdruck</source>
        <translation>Printout</translation>
    </message>
    <message>
        <source>Ausgabe auf ..</source>
        <translation>Output to ..</translation>
    </message>
    <message>
        <source>Ausgabe auf Laserprinter/Plotter mit KARTUNO</source>
        <translation>Output to laser printer/plotter with KARTUNO</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>Output format</translation>
    </message>
    <message>
        <source>Ausgabeformat abfragen</source>
        <translation>Ask for the output format</translation>
    </message>
    <message>
        <source>Ausgabeschnittstelle</source>
        <translation>Output port</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.25 mm</source>
        <translation>Continuous   line    0.25 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.35 mm</source>
        <translation>Continuous   line    0.35 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.50 mm</source>
        <translation>Continuous   line    0.50 mm</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Auszug</source>
        <translation>Excerpt Printout</translation>
    </message>
    <message>
        <source>Bearb.</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Berechnung erfolgreich ohne Fehlermeldungen</source>
        <translation>Calculation successful without error messages</translation>
    </message>
    <message>
        <source>Berechnung fehlgeschlagen</source>
        <translation>Calculation failed</translation>
    </message>
    <message>
        <source>Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.</source>
        <translation>The calculation reports warnings or errors, see cause and remedy.</translation>
    </message>
    <message>
        <source>Bericht in die Tabellenkalkulation übergeben</source>
        <translation>Report passed to the spreadsheet</translation>
    </message>
    <message>
        <source>Bericht: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>Biegemoment My (um y)</source>
        <translation>Bending moment My (about y)</translation>
    </message>
    <message>
        <source>Biegemoment My (um y):</source>
        <translation>Bending moment My (about y):</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z)</source>
        <translation>Bending moment Mz (about z)</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z):</source>
        <translation>Bending moment Mz (about z):</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Bildschirmgrafik</source>
        <translation>Screen graphics</translation>
    </message>
    <message>
        <source>Bisherige Eingaben verwerfen ?</source>
        <translation>Discard the input so far ?</translation>
    </message>
    <message>
        <source>Bitte wählen ..</source>
        <translation>Please choose ..</translation>
    </message>
    <message>
        <source>Blatt in Drucker einlegen.  Fortfahren ?</source>
        <translation>Put a sheet into the printer.  Continue ?</translation>
    </message>
    <message>
        <source>Blatt x %1  y %2 mm</source>
        <translation>Sheet x %1  y %2 mm</translation>
    </message>
    <message>
        <source>Block "%1" zu oft eingesetzt</source>
        <translation>Block "%1" inserted too often</translation>
    </message>
    <message>
        <source>Block "%1" zu tief verschachtelt oder zu oft eingesetzt</source>
        <translation>Block "%1" nested too deeply or inserted too often</translation>
    </message>
    <message>
        <source>Block %1 ungleich skaliert: Kreisbögen würden Ellipsen</source>
        <translation>Block %1 scaled unequally: arcs would become ellipses</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Breite (Pixel)</source>
        <translation>Width (pixels)</translation>
    </message>
    <message>
        <source>CAD Ordner</source>
        <translation>CAD folder</translation>
    </message>
    <message>
        <source>CAD-Code</source>
        <translation>CAD code</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Color / Graustufen</source>
        <translation>Colour / greyscale</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>D&amp;okument</source>
        <translation>D&amp;ocument</translation>
    </message>
    <message>
        <source>DPI (vertikal)</source>
        <translation>DPI (vertical)</translation>
    </message>
    <message>
        <source>DXF geschrieben: %1</source>
        <translation>DXF written: %1</translation>
    </message>
    <message>
        <source>Das Gleichungssystem der Torsion ist nicht lösbar.</source>
        <translation>The equation system of the torsion cannot be solved.</translation>
    </message>
    <message>
        <source>Das Netz würde zu fein: bitte eine gröbere Netzfeinheit wählen.</source>
        <translation>The mesh would be too fine: please choose a coarser mesh fineness.</translation>
    </message>
    <message>
        <source>Das Zeichen "|" ist in den Freigabefeldern (Datum, Name) nicht erlaubt.</source>
        <translation>The character "|" is not allowed in the release fields (date, name).</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Datei %1 ist größer als 1 MB: keine Projektdatei</source>
        <translation>File %1 is larger than 1 MB: not a project file</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht angelegt werden</source>
        <translation>File %1 cannot be made</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden !</source>
        <translation>File %1 not found !</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden oder kein Zugriffsrecht !</source>
        <translation>File %1 not found or no access permission !</translation>
    </message>
    <message>
        <source>Datei %1: %2</source>
        <translation>File %1: %2</translation>
    </message>
    <message>
        <source>Datei %1: kein Layer "%2"</source>
        <translation>File %1: no layer "%2"</translation>
    </message>
    <message>
        <source>Datei %1: keine DXF-Datei (Zeile %2)</source>
        <translation>File %1: not a DXF file (line %2)</translation>
    </message>
    <message>
        <source>Datei %1: ungültige Koordinate</source>
        <translation>File %1: invalid coordinate</translation>
    </message>
    <message>
        <source>Datei 1</source>
        <translation>File 1</translation>
    </message>
    <message>
        <source>Datei 2</source>
        <translation>File 2</translation>
    </message>
    <message>
        <source>Datei 3</source>
        <translation>File 3</translation>
    </message>
    <message>
        <source>Datei 4</source>
        <translation>File 4</translation>
    </message>
    <message>
        <source>Datei 5</source>
        <translation>File 5</translation>
    </message>
    <message>
        <source>Datei endet vorzeitig</source>
        <translation>File ends early</translation>
    </message>
    <message>
        <source>Datei nicht gefunden: zuerst "Datei-&gt;Speichern" wählen.</source>
        <translation>File not found: choose "File-&gt;Save" first.</translation>
    </message>
    <message>
        <source>Datei speichern (%1) ?</source>
        <translation>Save the file (%1) ?</translation>
    </message>
    <message>
        <source>Datei → Neu oder Datei → Öffnen</source>
        <translation>File → New or File → Open</translation>
    </message>
    <message>
        <source>Dateiname (ohne Endung .plt)</source>
        <translation>File name (without the extension .plt)</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Dateiname zu lang (%1)</source>
        <translation>File name too long (%1)</translation>
    </message>
    <message>
        <source>Daten aktualisieren</source>
        <translation>Refresh the data</translation>
    </message>
    <message>
        <source>Datenban&amp;k</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Datensatz als gelöscht markieren oder die Markierung aufheben</source>
        <translation>Mark the record as deleted or remove the mark</translation>
    </message>
    <message>
        <source>Datensatz anhängen</source>
        <translation>Append a record</translation>
    </message>
    <message>
        <source>Datensatz bearbeiten</source>
        <translation>Edit the record</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Datum ?</source>
        <translation>Date ?</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht erstellt werden.</source>
        <translation>The printout could not be made.</translation>
    </message>
    <message>
        <source>Der Wert für %1 ist keine Zahl.</source>
        <translation>The value of %1 is not a number.</translation>
    </message>
    <message>
        <source>Dezimalzeichen</source>
        <translation>Decimal sign</translation>
    </message>
    <message>
        <source>Dezimalzeichen Excel</source>
        <translation>Decimal sign Excel</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Diagrammgrenzen abfragen</source>
        <translation>Ask for the diagram limits</translation>
    </message>
    <message>
        <source>Dialogelemente Größe</source>
        <translation>Dialog control size</translation>
    </message>
    <message>
        <source>Dialogfenster Größe</source>
        <translation>Dialog window size</translation>
    </message>
    <message>
        <source>Dichte des Werkstoffs [kg/dm3]</source>
        <translation>Density of the material [kg/dm3]</translation>
    </message>
    <message>
        <source>Die Antworten stehen in %1.</source>
        <translation>The answers are in %1.</translation>
    </message>
    <message>
        <source>Die Demonstration ist in dieser Version nicht enthalten.</source>
        <translation>The demonstration is not part of this version.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1</source>
        <translation>The settings file %1</translation>
    </message>
    <message>
        <source>Die Kontur enthält ungültige Koordinaten.</source>
        <translation>The contour holds invalid coordinates.</translation>
    </message>
    <message>
        <source>Die Kontur hat einen Winkel unter 0.001 Grad: sie lässt sich nicht vernetzen.</source>
        <translation>The contour has an angle below 0.001 degrees: it cannot be meshed.</translation>
    </message>
    <message>
        <source>Die Kontur ist zu schmal für ein Netz (Fläche unter einem Millionstel ihrer Größe im Quadrat): sie lässt sich nicht vernetzen.</source>
        <translation>The contour is too narrow for a mesh (area below a millionth of its size squared): it cannot be meshed.</translation>
    </message>
    <message>
        <source>Die Kontur lässt sich nicht vernetzen.</source>
        <translation>The contour cannot be meshed.</translation>
    </message>
    <message>
        <source>Die Kontur umschließt keine Fläche.</source>
        <translation>The contour encloses no area.</translation>
    </message>
    <message>
        <source>Die Maße des Profils fehlen.</source>
        <translation>The dimensions of the section are missing.</translation>
    </message>
    <message>
        <source>Die Netzverfeinerung kommt an der Kontur nicht zum Ende.</source>
        <translation>The mesh refinement does not come to an end at the contour.</translation>
    </message>
    <message>
        <source>Die Projektdatei</source>
        <translation>The project file</translation>
    </message>
    <message>
        <source>Die Tabellenkalkulation ist nicht mehr erreichbar</source>
        <translation>The spreadsheet cannot be reached any more</translation>
    </message>
    <message>
        <source>Die Torsionswerte sind nicht berechenbar.</source>
        <translation>The torsion values cannot be calculated.</translation>
    </message>
    <message>
        <source>Die Vernetzung ist an dieser Kontur gescheitert: sie lässt sich nicht vernetzen.</source>
        <translation>The meshing failed at this contour: it cannot be meshed.</translation>
    </message>
    <message>
        <source>Die Vernetzung kam in %1 s nicht zum Ende: die Kontur lässt sich nicht vernetzen.</source>
        <translation>The meshing did not end within %1 s: the contour cannot be meshed.</translation>
    </message>
    <message>
        <source>Die Zeichnung enthält eine Zahl ohne Wert</source>
        <translation>The drawing holds a number without a value</translation>
    </message>
    <message>
        <source>Die letzte Berechnung hat keine Fehlermeldungen.</source>
        <translation>The last calculation gave no error messages.</translation>
    </message>
    <message>
        <source>Die letzte Zeile der Beschreibung darf nicht aus genau 14 Strichen "-" bestehen.</source>
        <translation>The last line of the description must not consist of exactly 14 dashes "-".</translation>
    </message>
    <message>
        <source>Diese Funktion folgt in einer späteren Version.</source>
        <translation>This function follows in a later version.</translation>
    </message>
    <message>
        <source>Diskette/Platte voll</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Diskette/Platte voll (%1)</source>
        <translation>Disk full (%1)</translation>
    </message>
    <message>
        <source>Dokument</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Dokument %1 ist nicht eingerichtet.</source>
        <translation>Document %1 is not set up.</translation>
    </message>
    <message>
        <source>Dokument &amp;1</source>
        <translation>Document &amp;1</translation>
    </message>
    <message>
        <source>Dokument &amp;2</source>
        <translation>Document &amp;2</translation>
    </message>
    <message>
        <source>Dokument &amp;3</source>
        <translation>Document &amp;3</translation>
    </message>
    <message>
        <source>Dokument &amp;4</source>
        <translation>Document &amp;4</translation>
    </message>
    <message>
        <source>Dokument &amp;5</source>
        <translation>Document &amp;5</translation>
    </message>
    <message>
        <source>Dokument &amp;Setup</source>
        <translation>Document &amp;Setup</translation>
    </message>
    <message>
        <source>Dokument 1</source>
        <translation>Document 1</translation>
    </message>
    <message>
        <source>Dokument 2</source>
        <translation>Document 2</translation>
    </message>
    <message>
        <source>Dokument 3</source>
        <translation>Document 3</translation>
    </message>
    <message>
        <source>Dokument 4</source>
        <translation>Document 4</translation>
    </message>
    <message>
        <source>Dokument 5</source>
        <translation>Document 5</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Drehen, schieben, vergrößern, verkleinern</source>
        <translation>Rotate, move, enlarge, reduce</translation>
    </message>
    <message>
        <source>Drehwinkel °</source>
        <translation>Rotation angle °</translation>
    </message>
    <message>
        <source>Druckbreite (mm)</source>
        <translation>Print width (mm)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Drucker...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Druckerinfo</source>
        <translation>Printer info</translation>
    </message>
    <message>
        <source>Druckerschnittstelle (max = 3, default=1)</source>
        <translation>Printer port (max = 3, default=1)</translation>
    </message>
    <message>
        <source>Druckerschnittstelle für Textausdruck</source>
        <translation>Printer port for text printout</translation>
    </message>
    <message>
        <source>Druckhöhe (mm)</source>
        <translation>Print height (mm)</translation>
    </message>
    <message>
        <source>E-Mail an QUORVEN</source>
        <translation>E-Mail to QUORVEN</translation>
    </message>
    <message>
        <source>EDI Ordner</source>
        <translation>EDI folder</translation>
    </message>
    <message>
        <source>Ecken der Rechteckrohre</source>
        <translation>Corners of rectangular hollow sections</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Eingabe der Positionen</source>
        <translation>Input of the positions</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Einrichten</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Einstellungsdatei %1 endet vorzeitig in Zeile %2, fehlende Werte unverändert !</source>
        <translation>Settings file %1 ends early in line %2, missing values unchanged !</translation>
    </message>
    <message>
        <source>Einstellungsdatei %1: ungültige Zahl in Zeile %2 !</source>
        <translation>Settings file %1: invalid number in line %2 !</translation>
    </message>
    <message>
        <source>Endpunkte, die näher beieinander liegen, werden verbunden</source>
        <translation>End points closer together than this are joined</translation>
    </message>
    <message>
        <source>Englisch (in, lbf, psi)</source>
        <translation>Imperial (in, lbf, psi)</translation>
    </message>
    <message>
        <source>Ergebnisgrafik</source>
        <translation>Result graphics</translation>
    </message>
    <message>
        <source>Erneut versuchen ?</source>
        <translation>Try again ?</translation>
    </message>
    <message>
        <source>Ersatz für</source>
        <translation>Replacement for</translation>
    </message>
    <message>
        <source>Ersetzt durch</source>
        <translation>Replaced by</translation>
    </message>
    <message>
        <source>Erster Datensatz</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Erweiterte Werte</source>
        <translation>Extended Values</translation>
    </message>
    <message>
        <source>Ex&amp;port DXF</source>
        <translation>Ex&amp;port DXF</translation>
    </message>
    <message>
        <source>Excel kann nicht gestartet werden</source>
        <translation>Excel cannot be started</translation>
    </message>
    <message>
        <source>Export &amp;Notepad</source>
        <translation>Export &amp;Notepad</translation>
    </message>
    <message>
        <source>Export Notepad</source>
        <translation>Export Notepad</translation>
    </message>
    <message>
        <source>Extern</source>
        <translation>External</translation>
    </message>
    <message>
        <source>Falsches numerisches Format</source>
        <translation>Wrong numeric format</translation>
    </message>
    <message>
        <source>Falsches numerisches Format (%1)</source>
        <translation>Wrong numeric format (%1)</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Farbe für Layer%1 (%2)</source>
        <translation>Colour of layer %1 (%2)</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Fatal  : &gt; 2000 Punkte !</source>
        <translation>Fatal  : &gt; 2000 points !</translation>
    </message>
    <message>
        <source>Fatal  : A = 0 !</source>
        <translation>Fatal  : A = 0 !</translation>
    </message>
    <message>
        <source>Fatal  : Ergebnis nicht endlich !</source>
        <translation>Fatal  : result not finite !</translation>
    </message>
    <message>
        <source>Fatal  : Kontur zu weit vom Ursprung</source>
        <translation>Fatal  : contour too far from origin</translation>
    </message>
    <message>
        <source>Fatal  : Polygon ±1e9 mm !</source>
        <translation>Fatal  : polygon ±1e9 mm !</translation>
    </message>
    <message>
        <source>Fatal  : n schraff !</source>
        <translation>Fatal  : n hatch !</translation>
    </message>
    <message>
        <source>Fatal  : schraff schnittp</source>
        <translation>Fatal  : hatch intersection</translation>
    </message>
    <message>
        <source>Fehler :</source>
        <translation>Error :</translation>
    </message>
    <message>
        <source>Fehler : keine Geometrie eingegeben !</source>
        <translation>Error : no geometry entered !</translation>
    </message>
    <message>
        <source>Fehler bei Zugriff auf Diskette/Platte</source>
        <translation>Error accessing the disk</translation>
    </message>
    <message>
        <source>Fehler bei Zugriff auf Diskette/Platte (%1)</source>
        <translation>Error accessing the disk (%1)</translation>
    </message>
    <message>
        <source>Fehler beim Schließen einer Datei</source>
        <translation>Error closing a file</translation>
    </message>
    <message>
        <source>Fehler beim Schließen einer Datei (%1)</source>
        <translation>Error closing a file (%1)</translation>
    </message>
    <message>
        <source>Fehler in %1, Zeile %2: %3 !</source>
        <translation>Error in %1, line %2: %3 !</translation>
    </message>
    <message>
        <source>Fehler in GetArcCenter (dphi = %1</source>
        <translation>Error in GetArcCenter (dphi = %1</translation>
    </message>
    <message>
        <source>Fehler in Projektdatei %1, Zeile %2: %3 !</source>
        <translation>Error in project file %1, line %2: %3 !</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>Error message</translation>
    </message>
    <message>
        <source>Fehlermeldungen</source>
        <translation>Error messages</translation>
    </message>
    <message>
        <source>Fehlermeldungen zeigen</source>
        <translation>Show error messages</translation>
    </message>
    <message>
        <source>Feld %1 fehlt</source>
        <translation>field %1 missing</translation>
    </message>
    <message>
        <source>Feld fehlt</source>
        <translation>field missing</translation>
    </message>
    <message>
        <source>Fenstergroesse</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Fertigungszeichnung</source>
        <translation>Production drawing</translation>
    </message>
    <message>
        <source>File- und User- Befehle sind im Archivierungsmodus nicht möglich.</source>
        <translation>File and User commands are not possible in archive mode.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font..</source>
        <translation>Font..</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Form der Trennzeilen im Ausdruck</source>
        <translation>Style of the separator lines in the printout</translation>
    </message>
    <message>
        <source>Formblatt</source>
        <translation>Form sheet</translation>
    </message>
    <message>
        <source>Freigabefeld</source>
        <translation>Release field</translation>
    </message>
    <message>
        <source>Freigabezeile mit 8 Feldern und Anzahl Freitexte 0 bis 8 erwartet</source>
        <translation>release line with 8 fields and a number of free texts from 0 to 8 expected</translation>
    </message>
    <message>
        <source>Freitext (x|y|h|phi|Text||) erwartet</source>
        <translation>free text (x|y|h|phi|Text||) expected</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Geometrie mit Tabelle</source>
        <translation>Geometry with table</translation>
    </message>
    <message>
        <source>Gepr.</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>German x,xx</source>
        <translation>German x,xx</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Gestrichelte Linie   0.25 mm</source>
        <translation>Dashed       line    0.25 mm</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Größenfaktor Bemaßung</source>
        <translation>Dimension size factor</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: %1 .. %2 !</source>
        <translation>Valid range: %1 .. %2 !</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: -360 &lt; phi &lt; 360 !</source>
        <translation>Valid range: -360 &lt; phi &lt; 360 !</translation>
    </message>
    <message>
        <source>HTML Browser</source>
        <translation>HTML browser</translation>
    </message>
    <message>
        <source>HTML exportieren</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Hauptachsen</source>
        <translation>Principal axes</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Hilfe &amp;Layer</source>
        <translation>Help &amp;layers</translation>
    </message>
    <message>
        <source>Hilfe&amp;bild</source>
        <translation>Help &amp;picture</translation>
    </message>
    <message>
        <source>Hilfebild wird ausgegeben ..</source>
        <translation>The help picture is being output ..</translation>
    </message>
    <message>
        <source>Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)</source>
        <translation>Help pictures (plt), help text (hlp), demo script (dem)</translation>
    </message>
    <message>
        <source>Hilfegrad</source>
        <translation>Help level</translation>
    </message>
    <message>
        <source>Hilfetext Nr %1: keine Hilfe vorhanden.</source>
        <translation>Help text no. %1: no help available.</translation>
    </message>
    <message>
        <source>Hintergrundfarbe...</source>
        <translation>Background colour...</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Höhe (Pixel)</source>
        <translation>Height (pixels)</translation>
    </message>
    <message>
        <source>I-Profil</source>
        <translation>I-section</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Import..</translation>
    </message>
    <message>
        <source>In die Tabellenkalkulation übergeben: %1</source>
        <translation>Passed to the spreadsheet: %1</translation>
    </message>
    <message>
        <source>Information zum Hilfebild</source>
        <translation>Information on the help picture</translation>
    </message>
    <message>
        <source>K&amp;örper</source>
        <translation>&amp;Body</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeile</source>
        <translation>KARTUNO command line</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeilen</source>
        <translation>KARTUNO command lines</translation>
    </message>
    <message>
        <source>KARTUNO-Kommandozeile (0=Parameter)</source>
        <translation>KARTUNO command line (0=parameters)</translation>
    </message>
    <message>
        <source>Kein Drucker eingerichtet !</source>
        <translation>No printer set up !</translation>
    </message>
    <message>
        <source>Kein Drucker eingerichtet: Druckerinformationen sind nicht verfügbar.</source>
        <translation>No printer set up: printer information is not available.</translation>
    </message>
    <message>
        <source>Kein Drucker verfügbar.</source>
        <translation>No printer available.</translation>
    </message>
    <message>
        <source>Kein Name der Ausgabedatei</source>
        <translation>No name of the output file</translation>
    </message>
    <message>
        <source>Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.</source>
        <translation>No write permission in the dbf folder !  Editing in the temporary folder.</translation>
    </message>
    <message>
        <source>Kein beschreibbarer Ordner für printout.dbf: "%1" steht nur in der temporären Kopie %2 und geht beim Beenden verloren.</source>
        <translation>No writable folder for printout.dbf: "%1" is only in the temporary copy %2 and is lost when the program ends.</translation>
    </message>
    <message>
        <source>Keine Profilfamilie gewählt.</source>
        <translation>No family of sections chosen.</translation>
    </message>
    <message>
        <source>Keine Profilgröße gewählt.</source>
        <translation>No size of section chosen.</translation>
    </message>
    <message>
        <source>Keine Tabelle offen</source>
        <translation>No table open</translation>
    </message>
    <message>
        <source>Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.</source>
        <translation>Command line too long, a batch file is made.</translation>
    </message>
    <message>
        <source>Kommandozeile:</source>
        <translation>Command line:</translation>
    </message>
    <message>
        <source>Kontrollausgabe auf Bildschirm</source>
        <translation>Check output on the screen</translation>
    </message>
    <message>
        <source>Kontur bei %1 liegt außerhalb der Außenkontur</source>
        <translation>Contour at %1 lies outside the outer contour</translation>
    </message>
    <message>
        <source>Kontur bei %1 liegt in einem Loch</source>
        <translation>Contour at %1 lies in a hole</translation>
    </message>
    <message>
        <source>Kontur im Uhrzeigersinn: Fläche und Momente negativ</source>
        <translation>Contour clockwise: area and moments negative</translation>
    </message>
    <message>
        <source>Kontur nicht geschlossen: Lücke zwischen %1 und %2 (Abstand %3 mm)</source>
        <translation>Contour not closed: gap between %1 and %2 (distance %3 mm)</translation>
    </message>
    <message>
        <source>Kontur ohne Fläche bei %1</source>
        <translation>Contour without area at %1</translation>
    </message>
    <message>
        <source>Kontur schneidet sich selbst bei %1</source>
        <translation>Contour crosses itself at %1</translation>
    </message>
    <message>
        <source>Konturen schneiden oder berühren sich bei %1</source>
        <translation>Contours cross or touch at %1</translation>
    </message>
    <message>
        <source>Koordinaten %1</source>
        <translation>Coordinates %1</translation>
    </message>
    <message>
        <source>Koordinaten auf 0 setzen ?</source>
        <translation>Set the coordinates to 0 ?</translation>
    </message>
    <message>
        <source>Kopf nur 1.Seite</source>
        <translation>Header on page 1 only</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kreisbogenwinkel %1</source>
        <translation>Arc angle %1</translation>
    </message>
    <message>
        <source>Kreisbogenwinkel von 360 Grad oder mehr</source>
        <translation>Arc angle of 360 degrees or more</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>L-Profil</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Layer Monochrom ?</source>
        <translation>Layers monochrome ?</translation>
    </message>
    <message>
        <source>Layer:</source>
        <translation>Layer:</translation>
    </message>
    <message>
        <source>Leerzeichen und Leerzeilen</source>
        <translation>Blanks and empty lines</translation>
    </message>
    <message>
        <source>Leerzeilen am Seitenanfang</source>
        <translation>Empty lines at the top of the page</translation>
    </message>
    <message>
        <source>Lesefehler %1</source>
        <translation>Read error %1</translation>
    </message>
    <message>
        <source>Lesefehler (%1, errno %2)</source>
        <translation>Read error (%1, errno %2)</translation>
    </message>
    <message>
        <source>Lesefehler in %1</source>
        <translation>Read error in %1</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;bearbeiten</source>
        <translation>&amp;Edit previous modification</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;löschen</source>
        <translation>&amp;Delete previous modification</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen</source>
        <translation>Delete previous modification</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen ?</source>
        <translation>Delete the last change ?</translation>
    </message>
    <message>
        <source>Letzter Datensatz</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Linker Seitenoffset (Pixel)</source>
        <translation>Left page offset (pixels)</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [inch]</source>
        <translation>Length of the body in x direction [inch]</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [mm]</source>
        <translation>Length of the body in x direction [mm]</translation>
    </message>
    <message>
        <source>Löschen ?</source>
        <translation>Delete ?</translation>
    </message>
    <message>
        <source>Markierer</source>
        <translation>Markers</translation>
    </message>
    <message>
        <source>Markierte Datensätze endgültig löschen ?</source>
        <translation>Delete the marked records for good ?</translation>
    </message>
    <message>
        <source>Markierte Datensätze löschen</source>
        <translation>Delete the marked records</translation>
    </message>
    <message>
        <source>Max. Anzahl Zeilen/Seite auf dem Ausdruck</source>
        <translation>Max. number of lines/page in the printout</translation>
    </message>
    <message>
        <source>Max. Änderungen = %1 !</source>
        <translation>Max. modifications = %1 !</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Maßstab (0=anpassen)</source>
        <translation>Scale (0=fit)</translation>
    </message>
    <message>
        <source>Maßstab anpassen ?</source>
        <translation>Fit the scale ?</translation>
    </message>
    <message>
        <source>Maßstab x</source>
        <translation>Scale x</translation>
    </message>
    <message>
        <source>Maßstab y</source>
        <translation>Scale y</translation>
    </message>
    <message>
        <source>Maßstab z</source>
        <translation>Scale z</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Meldung:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>Metrisch (mm, N, MPa)</source>
        <translation>Metric (mm, N, MPa)</translation>
    </message>
    <message>
        <source>Mittellinie          0.25 mm</source>
        <translation>Centre line          0.25 mm</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Nach Excel exportieren</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name der Ausgabedatei</source>
        <translation>Name of the output file</translation>
    </message>
    <message>
        <source>Name der Batch-Datei (ohne .sh)</source>
        <translation>Name of the batch file (without .sh)</translation>
    </message>
    <message>
        <source>Netzfeinheit für Torsion und Schub (1 = Standard, 2 = halbe Elementgröße):</source>
        <translation>Mesh fineness for torsion and shear (1 = standard, 2 = half the element size):</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Neue Position eingeben</source>
        <translation>Enter a new position</translation>
    </message>
    <message>
        <source>Nicht gestartet: Sie haben diesen Befehl abgelehnt.</source>
        <translation>Not started: you refused this command.</translation>
    </message>
    <message>
        <source>Nicht lesbar (die Zeilen bleiben leer):</source>
        <translation>Not readable (the rows stay empty):</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standards</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv)</source>
        <translation>Normal force N (tension positive)</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv):</source>
        <translation>Normal force N (tension positive):</translation>
    </message>
    <message>
        <source>Normalspannung sx</source>
        <translation>Normal stress sx</translation>
    </message>
    <message>
        <source>Nullpunkt x</source>
        <translation>Origin x</translation>
    </message>
    <message>
        <source>Nullpunkt y</source>
        <translation>Origin y</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in x-Richtung</source>
        <translation>Origin shift in x direction</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in y-Richtung</source>
        <translation>Origin shift in y direction</translation>
    </message>
    <message>
        <source>Nächster Datensatz</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Oberer Seitenoffset (Pixel)</source>
        <translation>Top page offset (pixels)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Ordner der Projekttabelle wählen</source>
        <translation>Choose the folder of the project table</translation>
    </message>
    <message>
        <source>Ordner für Datenbankdateien (dbf)</source>
        <translation>Folder of the database files (dbf)</translation>
    </message>
    <message>
        <source>Ordner für Projektdateien (*.vak1)</source>
        <translation>Folder of the project files (*.vak1)</translation>
    </message>
    <message>
        <source>Ordner für temporäre Dateien</source>
        <translation>Folder for temporary files</translation>
    </message>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Pan-Faktor</source>
        <translation>Pan factor</translation>
    </message>
    <message>
        <source>Pause nach jeder Seite ?</source>
        <translation>Pause after every page ?</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Brushes</translation>
    </message>
    <message>
        <source>Plot um 90 Grad drehen ?</source>
        <translation>Turn the plot by 90 degrees ?</translation>
    </message>
    <message>
        <source>Pol&amp;ylinie</source>
        <translation>&amp;Polyline</translation>
    </message>
    <message>
        <source>Polygon-Teilung für Kreisbogenberechnung [Grad]</source>
        <translation>Polygon division for the arc calculation [degrees]</translation>
    </message>
    <message>
        <source>Polylinie</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>Insert a position</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>Delete a position</translation>
    </message>
    <message>
        <source>Postscript-Zeichensatz</source>
        <translation>PostScript font</translation>
    </message>
    <message>
        <source>Printer Info</source>
        <translation>Printer info</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Programm 1</source>
        <translation>Program 1</translation>
    </message>
    <message>
        <source>Programm 2</source>
        <translation>Program 2</translation>
    </message>
    <message>
        <source>Programm 3</source>
        <translation>Program 3</translation>
    </message>
    <message>
        <source>Programm 4</source>
        <translation>Program 4</translation>
    </message>
    <message>
        <source>Programm 5</source>
        <translation>Program 5</translation>
    </message>
    <message>
        <source>Programm starten?</source>
        <translation>Start the program?</translation>
    </message>
    <message>
        <source>Programmtitel ?</source>
        <translation>Program title ?</translation>
    </message>
    <message>
        <source>Programmverzeichnis von %1</source>
        <translation>Program folder of %1</translation>
    </message>
    <message>
        <source>Projekte lesen</source>
        <translation>Reading the projects</translation>
    </message>
    <message>
        <source>QUORVEN-Programm-Ordner</source>
        <translation>QUORVEN program folder</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Querkraft Vy</source>
        <translation>Shear force Vy</translation>
    </message>
    <message>
        <source>Querkraft Vy:</source>
        <translation>Shear force Vy:</translation>
    </message>
    <message>
        <source>Querkraft Vz</source>
        <translation>Shear force Vz</translation>
    </message>
    <message>
        <source>Querkraft Vz:</source>
        <translation>Shear force Vz:</translation>
    </message>
    <message>
        <source>Rasterdrucker</source>
        <translation>Raster printer</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rechteckrohr</source>
        <translation>Rectangular hollow section</translation>
    </message>
    <message>
        <source>Richtungssinn umkehren</source>
        <translation>Reverse the direction</translation>
    </message>
    <message>
        <source>Rundrohr</source>
        <translation>Circular hollow section</translation>
    </message>
    <message>
        <source>Rundstahl</source>
        <translation>Round bar</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Sch&amp;ubmittelpunkt und Netz</source>
        <translation>Shear centre and &amp;mesh</translation>
    </message>
    <message>
        <source>Schattierung</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Schraffur</source>
        <translation>Hatching</translation>
    </message>
    <message>
        <source>Schraffurfehler</source>
        <translation>Hatching error</translation>
    </message>
    <message>
        <source>Schreibschutz entfernen !</source>
        <translation>Remove the write protection !</translation>
    </message>
    <message>
        <source>Schreibschutz entfernen ! (%1)</source>
        <translation>Remove the write protection ! (%1)</translation>
    </message>
    <message>
        <source>Schriften</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Schubmittelpunkt und Netz</source>
        <translation>Shear centre and mesh</translation>
    </message>
    <message>
        <source>Schubspannung tau</source>
        <translation>Shear stress tau</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Select Colour</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>Sonderzeichen</source>
        <translation>Special characters</translation>
    </message>
    <message>
        <source>Spa&amp;nnungen</source>
        <translation>Stre&amp;sses</translation>
    </message>
    <message>
        <source>Spannungen</source>
        <translation>Stresses</translation>
    </message>
    <message>
        <source>Spannungen (finite Elemente)</source>
        <translation>Stresses (finite elements)</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern &amp;Unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Speichern Unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Speichern als Text mit Trennzeichen</source>
        <translation>Save as delimited text</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Spiegeln um Achse y</source>
        <translation>Mirror about axis y</translation>
    </message>
    <message>
        <source>Spiegeln um Achse z</source>
        <translation>Mirror about axis z</translation>
    </message>
    <message>
        <source>Sprache Menü</source>
        <translation>Language Menu</translation>
    </message>
    <message>
        <source>Standardausdruck</source>
        <translation>Standard Printout</translation>
    </message>
    <message>
        <source>Starten Sie es nur, wenn Sie der Herkunft der Datei vertrauen. Programm starten?</source>
        <translation>Start it only if you trust where the file comes from. Start the program?</translation>
    </message>
    <message>
        <source>Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?</source>
        <translation>Send the control sequence for HP-GL/2 laser printers first ?</translation>
    </message>
    <message>
        <source>Stifte</source>
        <translation>Pens</translation>
    </message>
    <message>
        <source>Strg+C kopiert die gewählten Zeilen, Strg+V fügt eine Koordinatenliste (y z [phi] je Zeile) vor der Auswahl ein.</source>
        <translation>Ctrl+C copies the selected rows, Ctrl+V inserts a list of coordinates (y z [phi] per line) before the selection.</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Line weight</translation>
    </message>
    <message>
        <source>Strichstärke=1</source>
        <translation>Line weight=1</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Enter the search term</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>T-Profil</source>
        <translation>T-section</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Tabelle %1</source>
        <translation>table %1</translation>
    </message>
    <message>
        <source>Tabelle %1 nicht gefunden.</source>
        <translation>Table %1 not found.</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Technologie</source>
        <translation>Technology</translation>
    </message>
    <message>
        <source>Temporärer Ordner</source>
        <translation>Temporary folder</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text mit Trennzeichen anhängen</source>
        <translation>Append delimited text</translation>
    </message>
    <message>
        <source>Textausdruck</source>
        <translation>Text printout</translation>
    </message>
    <message>
        <source>Textbreitenfaktor</source>
        <translation>Text width factor</translation>
    </message>
    <message>
        <source>Textdrucker</source>
        <translation>Text printer</translation>
    </message>
    <message>
        <source>Textfenster</source>
        <translation>Text window</translation>
    </message>
    <message>
        <source>Texthöhenfaktor</source>
        <translation>Text height factor</translation>
    </message>
    <message>
        <source>Textprogramm</source>
        <translation>Text program</translation>
    </message>
    <message>
        <source>Textstil</source>
        <translation>Text style</translation>
    </message>
    <message>
        <source>Textwinkel</source>
        <translation>Text angle</translation>
    </message>
    <message>
        <source>Toleranz [mm]:</source>
        <translation>Tolerance [mm]:</translation>
    </message>
    <message>
        <source>Toleranz: bitte eine positive Zahl (mm) eingeben</source>
        <translation>Tolerance: please enter a positive number (mm)</translation>
    </message>
    <message>
        <source>Torsion und Schub (finite Elemente)</source>
        <translation>Torsion and shear (finite elements)</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx</source>
        <translation>Torsional moment Mx</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx:</source>
        <translation>Torsional moment Mx:</translation>
    </message>
    <message>
        <source>Transform.</source>
        <translation>Transform.</translation>
    </message>
    <message>
        <source>Treiberversion</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>Trennlinien  ---- ====  ****</source>
        <translation>Separator lines  ---- ====  ****</translation>
    </message>
    <message>
        <source>Trennlinien  ──── ════</source>
        <translation>Separator lines  ──── ════</translation>
    </message>
    <message>
        <source>U-Profil</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Unbekanntes Ausgabegerät %1</source>
        <translation>Unknown output device %1</translation>
    </message>
    <message>
        <source>Ungültige Eingabe %1 !</source>
        <translation>Invalid entry %1 !</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname %1 !</source>
        <translation>Invalid file name %1 !</translation>
    </message>
    <message>
        <source>Ungültiges Datum: %1</source>
        <translation>Invalid date: %1</translation>
    </message>
    <message>
        <source>Ursache</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Ursprung x</source>
        <translation>Origin x</translation>
    </message>
    <message>
        <source>Ursprung y</source>
        <translation>Origin y</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung</source>
        <translation>VAK1  Cross-Section Calculation</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung  -  %1</source>
        <translation>VAK1  Cross-Section Calculation  -  %1</translation>
    </message>
    <message>
        <source>VAK1 Hilfebilder</source>
        <translation>VAK1 help pictures</translation>
    </message>
    <message>
        <source>VAK1 Konfiguration</source>
        <translation>VAK1 Configuration</translation>
    </message>
    <message>
        <source>Vergleichsspannung sv</source>
        <translation>Equivalent stress sv</translation>
    </message>
    <message>
        <source>Verknüpfte Dokumente</source>
        <translation>Linked documents</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Verschiebung y</source>
        <translation>Shift y</translation>
    </message>
    <message>
        <source>Verschiebung z</source>
        <translation>Shift z</translation>
    </message>
    <message>
        <source>Version %1: Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe.</source>
        <translation>Version %1: section values, body values, reports, CAD output.</translation>
    </message>
    <message>
        <source>Version 5.0: Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe.</source>
        <translation>Version 5.0: section properties, body values, reports, CAD output.</translation>
    </message>
    <message>
        <source>Versionen</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Verzweigung bei %1: %2 Enden treffen sich</source>
        <translation>Branch at %1: %2 ends meet</translation>
    </message>
    <message>
        <source>Vor welche Zeile einfügen ?</source>
        <translation>Insert before which line ?</translation>
    </message>
    <message>
        <source>Vor welcher Position soll eingefügt werden ?</source>
        <translation>Before which position shall it be inserted ?</translation>
    </message>
    <message>
        <source>Vorheriger Datensatz</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Warnung: Kontur schneidet sich selbst, ihre Fläche ist die keines Querschnitts</source>
        <translation>Warning: the contour crosses itself, its area is not that of any section</translation>
    </message>
    <message>
        <source>Weiter/zurück...</source>
        <translation>Next/back...</translation>
    </message>
    <message>
        <source>Weitersuchen</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Welches Bild ausdrucken ?</source>
        <translation>Which picture to print ?</translation>
    </message>
    <message>
        <source>Wert außerhalb %1 .. %2</source>
        <translation>value outside %1 .. %2</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Windows-Drucker</source>
        <translation>System printer</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Zahl erwartet</source>
        <translation>number expected</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Zeichnung abgebrochen</source>
        <translation>Drawing cancelled</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Drawing:</translation>
    </message>
    <message>
        <source>Zeichnungsinfo</source>
        <translation>Drawing info</translation>
    </message>
    <message>
        <source>Zeichnungsname</source>
        <translation>Drawing name</translation>
    </message>
    <message>
        <source>Zeichnungsname 2</source>
        <translation>Drawing name 2</translation>
    </message>
    <message>
        <source>Zeichnungsnummer</source>
        <translation>Drawing number</translation>
    </message>
    <message>
        <source>Zeichnungsoptionen</source>
        <translation>Drawing options</translation>
    </message>
    <message>
        <source>Zeile %1 in %2</source>
        <translation>Line %1 in %2</translation>
    </message>
    <message>
        <source>Zeile %1: zwei oder drei Zahlen erwartet (y, z, phi), |y|, |z| &lt;= %2, |phi| &lt; 360</source>
        <translation>Line %1: two or three numbers expected (y, z, phi), |y|, |z| &lt;= %2, |phi| &lt; 360</translation>
    </message>
    <message>
        <source>Zeile 1</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>Zeile 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Zeile 3</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>Zoom factor</translation>
    </message>
    <message>
        <source>Zu löschende Zeile wählen...</source>
        <translation>Choose the line to delete...</translation>
    </message>
    <message>
        <source>Zu wenig Speicher für das Netz.</source>
        <translation>Not enough memory for the mesh.</translation>
    </message>
    <message>
        <source>Zu ändernde Zeile wählen...</source>
        <translation>Choose the line to modify...</translation>
    </message>
    <message>
        <source>Zuerst müssen Sie Ihre Eingabedaten speichern (Menü "%1")</source>
        <translation>First you must save your input (menu "%1")</translation>
    </message>
    <message>
        <source>Zuerst „Start Excel“ wählen.</source>
        <translation>Choose "Start Excel" first.</translation>
    </message>
    <message>
        <source>achsen  : Schwerpunkt, Hauptachsen v/w und Winkel phi</source>
        <translation>achsen  : centroid, principal axes v/w and angle phi</translation>
    </message>
    <message>
        <source>alle Layer</source>
        <translation>all layers</translation>
    </message>
    <message>
        <source>andere Schriften</source>
        <translation>other fonts</translation>
    </message>
    <message>
        <source>anpassen</source>
        <translation>fit</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>bogen   : Kreisbogenwinkel zwischen zwei Positionen</source>
        <translation>bogen   : arc angle between two positions</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>dbf Structure</source>
        <translation>dbf structure</translation>
    </message>
    <message>
        <source>dbf-Struktur</source>
        <translation>dbf structure</translation>
    </message>
    <message>
        <source>dbf-Tabelle anhängen</source>
        <translation>Append dbf table</translation>
    </message>
    <message>
        <source>der Tabelle</source>
        <translation>the table</translation>
    </message>
    <message>
        <source>dunkel blau</source>
        <translation>dark blue</translation>
    </message>
    <message>
        <source>dunkel cyan</source>
        <translation>dark cyan</translation>
    </message>
    <message>
        <source>dunkel grau</source>
        <translation>dark grey</translation>
    </message>
    <message>
        <source>dunkel grün</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>dunkel magenta</source>
        <translation>dark magenta</translation>
    </message>
    <message>
        <source>dunkel rot</source>
        <translation>dark red</translation>
    </message>
    <message>
        <source>egal</source>
        <translation>any</translation>
    </message>
    <message>
        <source>externes Textprogramm</source>
        <translation>external text program</translation>
    </message>
    <message>
        <source>file name  ?</source>
        <translation>file name  ?</translation>
    </message>
    <message>
        <source>ganze Zahl von %1 bis %2 erwartet</source>
        <translation>whole number from %1 to %2 expected</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>hell grau</source>
        <translation>light grey</translation>
    </message>
    <message>
        <source>höchstens %1 Zeichen</source>
        <translation>at most %1 characters</translation>
    </message>
    <message>
        <source>kaltgefertigt</source>
        <translation>cold-formed</translation>
    </message>
    <message>
        <source>kein Steg ohne Schnitt zum Loch bei %1</source>
        <translation>no bridge without a crossing to the hole at %1</translation>
    </message>
    <message>
        <source>keine Beschreibung dieser Fehlermeldung vorhanden.</source>
        <translation>no description of this error message available.</translation>
    </message>
    <message>
        <source>keine geschlossene Polylinie und keine geschlossene Kontur aus Linien und Bögen gefunden</source>
        <translation>no closed polyline and no closed contour of lines and arcs found</translation>
    </message>
    <message>
        <source>koerper : Körperlänge lx, Volumen und Masse</source>
        <translation>koerper : body length lx, volume and mass</translation>
    </message>
    <message>
        <source>komprimiert, ohne Trennzeilen</source>
        <translation>compressed, without separator lines</translation>
    </message>
    <message>
        <source>kontur  : Kontur mit Positionen und Umlaufsinn</source>
        <translation>kontur  : contour with positions and direction</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>mit Kopf</source>
        <translation>with header</translation>
    </message>
    <message>
        <source>monochrom</source>
        <translation>monochrome</translation>
    </message>
    <message>
        <source>nicht spiegeln</source>
        <translation>do not mirror</translation>
    </message>
    <message>
        <source>nur Polylinie</source>
        <translation>polyline only</translation>
    </message>
    <message>
        <source>nur Tabelle</source>
        <translation>table only</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>parallel</translation>
    </message>
    <message>
        <source>poslist : Positionsliste und ihre Befehle</source>
        <translation>poslist : position list and its commands</translation>
    </message>
    <message>
        <source>r innen</source>
        <translation>r inner</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>black</translation>
    </message>
    <message>
        <source>seriell</source>
        <translation>serial</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>ungültige Koordinate</source>
        <translation>invalid coordinate</translation>
    </message>
    <message>
        <source>ungültiger CAD Ordner konfiguriert</source>
        <translation>invalid CAD folder configured</translation>
    </message>
    <message>
        <source>ungültiger DBF Ordner konfiguriert</source>
        <translation>invalid DBF folder configured</translation>
    </message>
    <message>
        <source>ungültiger Data Ordner konfiguriert</source>
        <translation>invalid data folder configured</translation>
    </message>
    <message>
        <source>ungültiger EDI Ordner konfiguriert</source>
        <translation>invalid EDI folder configured</translation>
    </message>
    <message>
        <source>ungültiger Ordner für temporäre Dateien konfiguriert</source>
        <translation>invalid folder for temporary files configured</translation>
    </message>
    <message>
        <source>ungültiger PLT Ordner konfiguriert</source>
        <translation>invalid PLT folder configured</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>warmgefertigt</source>
        <translation>hot-finished</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>white</translation>
    </message>
    <message>
        <source>zeichng : Zeichnungsarten 1 bis 5</source>
        <translation>zeichng : drawing kinds 1 to 5</translation>
    </message>
    <message>
        <source>zu löschende Position wählen  ...</source>
        <translation>choose the position to delete  ...</translation>
    </message>
    <message>
        <source>zu viele Punkte !</source>
        <translation>too many points !</translation>
    </message>
    <message>
        <source>zurück ..</source>
        <translation>back ..</translation>
    </message>
    <message>
        <source>Ä-&gt;Ae, ß-&gt;ss...</source>
        <translation>Umlauts -&gt; Ae, ss...</translation>
    </message>
    <message>
        <source>Änderung %1</source>
        <translation>Modification %1</translation>
    </message>
    <message>
        <source>Änderung speichern</source>
        <translation>Save the change</translation>
    </message>
    <message>
        <source>Änderung verwerfen</source>
        <translation>Discard the change</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Ausdruck</source>
        <translation>Modifications - &amp;Printout</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Info</source>
        <translation>Modifications - &amp;Info</translation>
    </message>
    <message>
        <source>Änderungen - Ausdruck</source>
        <translation>Modifications - Printout</translation>
    </message>
    <message>
        <source>Änderungen - Info</source>
        <translation>Modifications - Info</translation>
    </message>
    <message>
        <source>Änderungstext</source>
        <translation>Modification text</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Öffnen... (&amp;Tabelle)</source>
        <translation>Open... (&amp;Table)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Übernehmen &amp;Datenbank</source>
        <translation>Take from &amp;database</translation>
    </message>
    <message>
        <source>Übernehmen Datenbank</source>
        <translation>Take from database</translation>
    </message>
</context>
</TS>
