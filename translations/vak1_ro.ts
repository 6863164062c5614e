<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>%1 Meldungen</source>
        <translation>%1 mesaje</translation>
    </message>
    <message>
        <source>%1 darf nicht negativ sein.</source>
        <translation>%1 nu poate fi negativ.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.   Überschreiben ?</source>
        <translation>%1 există deja.   Suprascrieți ?</translation>
    </message>
    <message>
        <source>%1 ist zu groß: höchstens 1e9 mm.</source>
        <translation>%1 este prea mare: cel mult 1e9 mm.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden.</source>
        <translation>%1 nu a putut fi deschis.</translation>
    </message>
    <message>
        <source>%1 muß größer als 0 sein.</source>
        <translation>%1 trebuie să fie mai mare decât 0.</translation>
    </message>
    <message>
        <source>%1 muß kleiner als %2 sein (%3 = %4 mm, %5 = %6 mm).</source>
        <translation>%1 trebuie să fie mai mic decât %2 (%3 = %4 mm, %5 = %6 mm).</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <source>&amp;Auszug</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Berechnung</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Tipărește ...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Tipărire...</translation>
    </message>
    <message>
        <source>&amp;E-Mail an QUORVEN</source>
        <translation>&amp;E-mail către QUORVEN</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Inserare</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Setări</translation>
    </message>
    <message>
        <source>&amp;Erweiterte Werte</source>
        <translation>Valori e&amp;xtinse</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen</source>
        <translation>Mesaje de e&amp;roare</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen (%1)</source>
        <translation>Mesaje de e&amp;roare (%1)</translation>
    </message>
    <message>
        <source>&amp;Geometrie</source>
        <translation>&amp;Geometrie</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Grafică</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;Hilfebild</source>
        <translation>&amp;Imagini de ajutor</translation>
    </message>
    <message>
        <source>&amp;Hilfetext</source>
        <translation>Text de a&amp;jutor</translation>
    </message>
    <message>
        <source>&amp;Import DXF</source>
        <translation>&amp;Import DXF</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>Ș&amp;tergere</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;Nou...</translation>
    </message>
    <message>
        <source>&amp;Neue Änderung</source>
        <translation>Modificare &amp;nouă</translation>
    </message>
    <message>
        <source>&amp;Plotten</source>
        <translation>&amp;Plotare</translation>
    </message>
    <message>
        <source>&amp;Profil</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>&amp;Rücksetzen</source>
        <translation>&amp;Resetare</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Salvare...</translation>
    </message>
    <message>
        <source>&amp;Sprache Menü</source>
        <translation>&amp;Limbă Meniu</translation>
    </message>
    <message>
        <source>&amp;Standardausdruck</source>
        <translation>Tipărire &amp;standard</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Căutare</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Tabel</translation>
    </message>
    <message>
        <source>&amp;Versionen</source>
        <translation>&amp;Versiuni</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Căutare &amp;următoare</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>&amp;Zeichnen</source>
        <translation>&amp;Desenare</translation>
    </message>
    <message>
        <source>&amp;Zeichnung</source>
        <translation>&amp;Desen</translation>
    </message>
    <message>
        <source>&amp;Zeichnungsdaten</source>
        <translation>Date &amp;desen</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Modificare</translation>
    </message>
    <message>
        <source>-----  Einfügen ------</source>
        <translation>-----  Inserare  -----</translation>
    </message>
    <message>
        <source>-----  Erweitern  -----</source>
        <translation>-----  Adaugă  -----</translation>
    </message>
    <message>
        <source>-----  HP-GL/2 drucken/plotten  ------</source>
        <translation>-----  HP-GL/2 tipărire/plotare  ------</translation>
    </message>
    <message>
        <source>-----  Löschen  -----</source>
        <translation>-----  Ștergere  ----</translation>
    </message>
    <message>
        <source>-----  Ändern  ------</source>
        <translation>-----  Modificare  --</translation>
    </message>
    <message>
        <source>0 : Keine Info nach Eingabe</source>
        <translation>0 : Fără info după introducere</translation>
    </message>
    <message>
        <source>1 : Normale Einstellung</source>
        <translation>1 : Setare normală</translation>
    </message>
    <message>
        <source>1 Meldung</source>
        <translation>1 mesaj</translation>
    </message>
    <message>
        <source>2 : Erweiterte Hilfe, Einzeleingabe</source>
        <translation>2 : Ajutor extins, introducere individuală</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Abhilfe</source>
        <translation>Remediere</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>Selectare &amp;totală</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>Selectare totală</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vizualizare</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen</source>
        <translation>Număr de zecimale</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen DXF, TXT</source>
        <translation>Număr de zecimale DXF, TXT</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Adăugare</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Dosar de lucru</translation>
    </message>
    <message>
        <source>Archivierungsmodus ?</source>
        <translation>Mod arhivare ?</translation>
    </message>
    <message>
        <source>Ausdehnung:</source>
        <translation>Întindere:</translation>
    </message>
    <message>
        <source>Ausdruck</source>
        <translation>Tipărire</translation>
    </message>
    <message>
        <source>Ausgabe auf ..</source>
        <translation>Ieșire către ..</translation>
    </message>
    <message>
        <source>Ausgabe auf Laserprinter/Plotter mit KARTUNO</source>
        <translation>Ieșire la imprimantă laser/plotter cu KARTUNO</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>Format de ieșire</translation>
    </message>
    <message>
        <source>Ausgabeformat abfragen</source>
        <translation>Întreabă formatul de ieșire</translation>
    </message>
    <message>
        <source>Ausgabeschnittstelle</source>
        <translation>Interfață de ieșire</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.25 mm</source>
        <translation>Linie continuă      0.25 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.35 mm</source>
        <translation>Linie continuă      0.35 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.50 mm</source>
        <translation>Linie continuă      0.50 mm</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>Auszug</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Bearb.</source>
        <translation>Întocmit</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editare</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Berechnung erfolgreich ohne Fehlermeldungen</source>
        <translation>Calcul reușit fără mesaje de eroare</translation>
    </message>
    <message>
        <source>Berechnung fehlgeschlagen</source>
        <translation>Calculul a eșuat</translation>
    </message>
    <message>
        <source>Bericht: %1</source>
        <translation>Raport: %1</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Descriere</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Denumire</translation>
    </message>
    <message>
        <source>Biegemoment My (um y)</source>
        <translation>Moment încovoietor My (în jurul lui y)</translation>
    </message>
    <message>
        <source>Biegemoment My (um y):</source>
        <translation>Moment încovoietor My (în jurul lui y):</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z)</source>
        <translation>Moment încovoietor Mz (în jurul lui z)</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z):</source>
        <translation>Moment încovoietor Mz (în jurul lui z):</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Salvează imaginea</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>Imagine:</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Ecran</translation>
    </message>
    <message>
        <source>Bildschirmgrafik</source>
        <translation>Grafică pe ecran</translation>
    </message>
    <message>
        <source>Bisherige Eingaben verwerfen ?</source>
        <translation>Renunțați la datele introduse ?</translation>
    </message>
    <message>
        <source>Bitte wählen ..</source>
        <translation>Alegeți ..</translation>
    </message>
    <message>
        <source>Blatt x %1  y %2 mm</source>
        <translation>Foaie x %1  y %2 mm</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Lățime</translation>
    </message>
    <message>
        <source>Breite (Pixel)</source>
        <translation>Lățime (pixeli)</translation>
    </message>
    <message>
        <source>CAD Ordner</source>
        <translation>Dosar CAD</translation>
    </message>
    <message>
        <source>CAD-Code</source>
        <translation>Cod CAD</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculează</translation>
    </message>
    <message>
        <source>Color / Graustufen</source>
        <translation>Color / tonuri de gri</translation>
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
        <translation>DXF scris: %1</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden !</source>
        <translation>Fișierul %1 nu a fost găsit !</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden oder kein Zugriffsrecht !</source>
        <translation>Fișierul %1 nu a fost găsit sau lipsește dreptul de acces !</translation>
    </message>
    <message>
        <source>Datei 1</source>
        <translation>Fișier 1</translation>
    </message>
    <message>
        <source>Datei 2</source>
        <translation>Fișier 2</translation>
    </message>
    <message>
        <source>Datei 3</source>
        <translation>Fișier 3</translation>
    </message>
    <message>
        <source>Datei 4</source>
        <translation>Fișier 4</translation>
    </message>
    <message>
        <source>Datei 5</source>
        <translation>Fișier 5</translation>
    </message>
    <message>
        <source>Datei speichern (%1) ?</source>
        <translation>Salvați fișierul (%1) ?</translation>
    </message>
    <message>
        <source>Datei → Neu oder Datei → Öffnen</source>
        <translation>Fișier → Nou sau Fișier → Deschidere</translation>
    </message>
    <message>
        <source>Dateiname (ohne Endung .plt)</source>
        <translation>Nume de fișier (fără extensia .plt)</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>Nume de fișier prea lung</translation>
    </message>
    <message>
        <source>Daten aktualisieren</source>
        <translation>Actualizare date</translation>
    </message>
    <message>
        <source>Datenban&amp;k</source>
        <translation>&amp;Bază de date</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Bază de date</translation>
    </message>
    <message>
        <source>Datensatz als gelöscht markieren oder die Markierung aufheben</source>
        <translation>Marcați înregistrarea ca ștearsă sau anulați marcajul</translation>
    </message>
    <message>
        <source>Datensatz anhängen</source>
        <translation>Adăugare înregistrare</translation>
    </message>
    <message>
        <source>Datensatz bearbeiten</source>
        <translation>Editare înregistrare</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Datum ?</source>
        <translation>Data ?</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht erstellt werden.</source>
        <translation>Tipărirea nu a putut fi realizată.</translation>
    </message>
    <message>
        <source>Der Wert für %1 ist keine Zahl.</source>
        <translation>Valoarea pentru %1 nu este un număr.</translation>
    </message>
    <message>
        <source>Dezimalzeichen</source>
        <translation>Separator zecimal</translation>
    </message>
    <message>
        <source>Dezimalzeichen Excel</source>
        <translation>Separator zecimal Excel</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagramă</translation>
    </message>
    <message>
        <source>Diagrammgrenzen abfragen</source>
        <translation>Întreabă limitele diagramei</translation>
    </message>
    <message>
        <source>Dialogelemente Größe</source>
        <translation>Mărimea elementelor de dialog</translation>
    </message>
    <message>
        <source>Dialogfenster Größe</source>
        <translation>Mărimea ferestrelor de dialog</translation>
    </message>
    <message>
        <source>Dichte des Werkstoffs [kg/dm3]</source>
        <translation>Densitatea materialului [kg/dm3]</translation>
    </message>
    <message>
        <source>Die Demonstration ist in dieser Version nicht enthalten.</source>
        <translation>Demonstrația nu face parte din această versiune.</translation>
    </message>
    <message>
        <source>Die Maße des Profils fehlen.</source>
        <translation>Lipsesc dimensiunile profilului.</translation>
    </message>
    <message>
        <source>Die letzte Berechnung hat keine Fehlermeldungen.</source>
        <translation>Ultimul calcul nu a dat mesaje de eroare.</translation>
    </message>
    <message>
        <source>Diese Funktion folgt in einer späteren Version.</source>
        <translation>Această funcție va urma într-o versiune ulterioară.</translation>
    </message>
    <message>
        <source>Dokument</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Dokument %1 ist nicht eingerichtet.</source>
        <translation>Documentul %1 nu este configurat.</translation>
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
        <translation>&amp;Configurare documente</translation>
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
        <translation>Rotire</translation>
    </message>
    <message>
        <source>Drehen, schieben, vergrößern, verkleinern</source>
        <translation>Rotire, deplasare, mărire, micșorare</translation>
    </message>
    <message>
        <source>Drehwinkel °</source>
        <translation>Unghi de rotație °</translation>
    </message>
    <message>
        <source>Druckbreite (mm)</source>
        <translation>Lățime de tipărire (mm)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Tipărire</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Imprimantă</translation>
    </message>
    <message>
        <source>Drucker...</source>
        <translation>Imprimantă...</translation>
    </message>
    <message>
        <source>Druckerinfo</source>
        <translation>Info imprimantă</translation>
    </message>
    <message>
        <source>Druckerschnittstelle (max = 3, default=1)</source>
        <translation>Port imprimantă (max = 3, implicit=1)</translation>
    </message>
    <message>
        <source>Druckerschnittstelle für Textausdruck</source>
        <translation>Port imprimantă pentru tipărire text</translation>
    </message>
    <message>
        <source>Druckhöhe (mm)</source>
        <translation>Înălțime de tipărire (mm)</translation>
    </message>
    <message>
        <source>E-Mail an QUORVEN</source>
        <translation>E-mail către QUORVEN</translation>
    </message>
    <message>
        <source>EDI Ordner</source>
        <translation>Dosar EDI</translation>
    </message>
    <message>
        <source>Ecken der Rechteckrohre</source>
        <translation>Colțurile țevilor rectangulare</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Introducere</translation>
    </message>
    <message>
        <source>Eingabe der Positionen</source>
        <translation>Introducerea pozițiilor</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Einrichten</source>
        <translation>Configurare</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Endpunkte, die näher beieinander liegen, werden verbunden</source>
        <translation>Capetele mai apropiate decât atât sunt unite</translation>
    </message>
    <message>
        <source>Englisch (in, lbf, psi)</source>
        <translation>Imperial (in, lbf, psi)</translation>
    </message>
    <message>
        <source>Ergebnisgrafik</source>
        <translation>Grafica rezultatelor</translation>
    </message>
    <message>
        <source>Ersatz für</source>
        <translation>Înlocuiește</translation>
    </message>
    <message>
        <source>Ersetzt durch</source>
        <translation>Înlocuit de</translation>
    </message>
    <message>
        <source>Erster Datensatz</source>
        <translation>Prima înregistrare</translation>
    </message>
    <message>
        <source>Erweiterte Werte</source>
        <translation>Valori extinse</translation>
    </message>
    <message>
        <source>Ex&amp;port DXF</source>
        <translation>Ex&amp;port DXF</translation>
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
        <translation>Extern</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Culoare</translation>
    </message>
    <message>
        <source>Farbe für Layer%1 (%2)</source>
        <translation>Culoarea stratului %1 (%2)</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Culoare...</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Culori</translation>
    </message>
    <message>
        <source>Fehler :</source>
        <translation>Eroare :</translation>
    </message>
    <message>
        <source>Fehler : keine Geometrie eingegeben !</source>
        <translation>Eroare : nicio geometrie introdusă !</translation>
    </message>
    <message>
        <source>Fehler bei Zugriff auf Diskette/Platte</source>
        <translation>Eroare de acces la disc</translation>
    </message>
    <message>
        <source>Fehler beim Schließen einer Datei</source>
        <translation>Eroare la închiderea unui fișier</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>Mesaj de eroare</translation>
    </message>
    <message>
        <source>Fehlermeldungen</source>
        <translation>Mesaje de eroare</translation>
    </message>
    <message>
        <source>Fehlermeldungen zeigen</source>
        <translation>Afișează mesajele de eroare</translation>
    </message>
    <message>
        <source>Fenstergroesse</source>
        <translation>Mărimea ferestrei</translation>
    </message>
    <message>
        <source>Fertigungszeichnung</source>
        <translation>Desen de execuție</translation>
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
        <translation>Forma liniilor de separare</translation>
    </message>
    <message>
        <source>Formblatt</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Freigabefeld</source>
        <translation>Câmp de aprobare</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Geometrie mit Tabelle</source>
        <translation>Geometrie cu tabel</translation>
    </message>
    <message>
        <source>Gepr.</source>
        <translation>Verificat</translation>
    </message>
    <message>
        <source>German x,xx</source>
        <translation>German x,xx</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Salvat: %1</translation>
    </message>
    <message>
        <source>Gestrichelte Linie   0.25 mm</source>
        <translation>Linie întreruptă    0.25 mm</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Grafică</translation>
    </message>
    <message>
        <source>Größenfaktor Bemaßung</source>
        <translation>Factor mărime cote</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: %1 .. %2 !</source>
        <translation>Domeniu valid: %1 .. %2 !</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: -360 &lt; phi &lt; 360 !</source>
        <translation>Domeniu valid: -360 &lt; phi &lt; 360 !</translation>
    </message>
    <message>
        <source>HTML Browser</source>
        <translation>Browser HTML</translation>
    </message>
    <message>
        <source>HTML exportieren</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Hauptachsen</source>
        <translation>Axe principale</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Hilfe &amp;Layer</source>
        <translation>Ajutor &amp;straturi</translation>
    </message>
    <message>
        <source>Hilfe&amp;bild</source>
        <translation>&amp;Imagine de ajutor</translation>
    </message>
    <message>
        <source>Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)</source>
        <translation>Imagini de ajutor (plt), text de ajutor (hlp), script demo (dem)</translation>
    </message>
    <message>
        <source>Hilfegrad</source>
        <translation>Nivel de ajutor</translation>
    </message>
    <message>
        <source>Hintergrundfarbe...</source>
        <translation>Culoare de fundal...</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Înălțime</translation>
    </message>
    <message>
        <source>Höhe (Pixel)</source>
        <translation>Înălțime (pixeli)</translation>
    </message>
    <message>
        <source>I-Profil</source>
        <translation>Profil I</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Import..</translation>
    </message>
    <message>
        <source>Information zum Hilfebild</source>
        <translation>Informații despre imaginea de ajutor</translation>
    </message>
    <message>
        <source>K&amp;örper</source>
        <translation>&amp;Corp</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeile</source>
        <translation>Linie de comandă KARTUNO</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeilen</source>
        <translation>Linii de comandă KARTUNO</translation>
    </message>
    <message>
        <source>KARTUNO-Kommandozeile (0=Parameter)</source>
        <translation>Linie de comandă KARTUNO (0=parametri)</translation>
    </message>
    <message>
        <source>Keine Profilfamilie gewählt.</source>
        <translation>Nicio familie de profile aleasă.</translation>
    </message>
    <message>
        <source>Keine Profilgröße gewählt.</source>
        <translation>Nicio mărime de profil aleasă.</translation>
    </message>
    <message>
        <source>Kommandozeile:</source>
        <translation>Linie de comandă:</translation>
    </message>
    <message>
        <source>Kontrollausgabe auf Bildschirm</source>
        <translation>Control pe ecran</translation>
    </message>
    <message>
        <source>Kontur im Uhrzeigersinn: Fläche und Momente negativ</source>
        <translation>Contur în sens orar: arie și momente negative</translation>
    </message>
    <message>
        <source>Koordinaten %1</source>
        <translation>Coordonate %1</translation>
    </message>
    <message>
        <source>Koordinaten auf 0 setzen ?</source>
        <translation>Setați coordonatele la 0 ?</translation>
    </message>
    <message>
        <source>Kopf nur 1.Seite</source>
        <translation>Antet doar pe pagina 1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copiere</translation>
    </message>
    <message>
        <source>Kreisbogenwinkel %1</source>
        <translation>Unghi de arc %1</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Corp</translation>
    </message>
    <message>
        <source>L-Profil</source>
        <translation>Cornier</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Strat</translation>
    </message>
    <message>
        <source>Layer Monochrom ?</source>
        <translation>Straturi monocrome ?</translation>
    </message>
    <message>
        <source>Layer:</source>
        <translation>Strat:</translation>
    </message>
    <message>
        <source>Leerzeichen und Leerzeilen</source>
        <translation>Spații și rânduri goale</translation>
    </message>
    <message>
        <source>Leerzeilen am Seitenanfang</source>
        <translation>Rânduri goale la începutul paginii</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;bearbeiten</source>
        <translation>&amp;Editare ultima modificare</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;löschen</source>
        <translation>Ș&amp;tergere ultima modificare</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen</source>
        <translation>Ștergere ultima modificare</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen ?</source>
        <translation>Ștergeți ultima modificare ?</translation>
    </message>
    <message>
        <source>Letzter Datensatz</source>
        <translation>Ultima înregistrare</translation>
    </message>
    <message>
        <source>Linker Seitenoffset (Pixel)</source>
        <translation>Decalaj stânga pagină (pixeli)</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [inch]</source>
        <translation>Lungimea corpului în direcția x [inch]</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [mm]</source>
        <translation>Lungimea corpului pe direcția x [mm]</translation>
    </message>
    <message>
        <source>Löschen ?</source>
        <translation>Ștergeți ?</translation>
    </message>
    <message>
        <source>Markierer</source>
        <translation>Marcatori</translation>
    </message>
    <message>
        <source>Markierte Datensätze endgültig löschen ?</source>
        <translation>Ștergeți definitiv înregistrările marcate ?</translation>
    </message>
    <message>
        <source>Markierte Datensätze löschen</source>
        <translation>Ștergerea înregistrărilor marcate</translation>
    </message>
    <message>
        <source>Max. Anzahl Zeilen/Seite auf dem Ausdruck</source>
        <translation>Nr. max. de rânduri/pagină la tipărire</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Scară</translation>
    </message>
    <message>
        <source>Maßstab (0=anpassen)</source>
        <translation>Scară (0=ajustare)</translation>
    </message>
    <message>
        <source>Maßstab anpassen ?</source>
        <translation>Ajustați scara ?</translation>
    </message>
    <message>
        <source>Maßstab x</source>
        <translation>Scară x</translation>
    </message>
    <message>
        <source>Maßstab y</source>
        <translation>Scară y</translation>
    </message>
    <message>
        <source>Maßstab z</source>
        <translation>Scară z</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>Meldung:</source>
        <translation>Mesaj:</translation>
    </message>
    <message>
        <source>Metrisch (mm, N, MPa)</source>
        <translation>Metric (mm, N, MPa)</translation>
    </message>
    <message>
        <source>Mittellinie          0.25 mm</source>
        <translation>Linie de axă        0.25 mm</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>Monocrom</translation>
    </message>
    <message>
        <source>Nach Excel exportieren</source>
        <translation>Export în Excel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Name der Ausgabedatei</source>
        <translation>Numele fișierului de ieșire</translation>
    </message>
    <message>
        <source>Name der Batch-Datei (ohne .sh)</source>
        <translation>Numele fișierului batch (fără .sh)</translation>
    </message>
    <message>
        <source>Netzfeinheit für Torsion und Schub (1 = Standard, 2 = halbe Elementgröße):</source>
        <translation>Finețea rețelei pentru torsiune și forfecare (1 = standard, 2 = jumătate din mărimea elementului):</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Neue Position eingeben</source>
        <translation>Introduceți o poziție nouă</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv)</source>
        <translation>Forța axială N (întindere pozitivă)</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv):</source>
        <translation>Forța axială N (întindere pozitivă):</translation>
    </message>
    <message>
        <source>Normalspannung sx</source>
        <translation>Tensiune normală sx</translation>
    </message>
    <message>
        <source>Nullpunkt x</source>
        <translation>Origine x</translation>
    </message>
    <message>
        <source>Nullpunkt y</source>
        <translation>Origine y</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in x-Richtung</source>
        <translation>Deplasarea originii pe x</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in y-Richtung</source>
        <translation>Deplasarea originii pe y</translation>
    </message>
    <message>
        <source>Nächster Datensatz</source>
        <translation>Înregistrarea următoare</translation>
    </message>
    <message>
        <source>Oberer Seitenoffset (Pixel)</source>
        <translation>Decalaj sus pagină (pixeli)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Ordner der Projekttabelle wählen</source>
        <translation>Alegeți dosarul tabelului de proiecte</translation>
    </message>
    <message>
        <source>Ordner für Datenbankdateien (dbf)</source>
        <translation>Dosarul fișierelor bază de date (dbf)</translation>
    </message>
    <message>
        <source>Ordner für Projektdateien (*.vak1)</source>
        <translation>Dosarul fișierelor de proiect (*.vak1)</translation>
    </message>
    <message>
        <source>Ordner für temporäre Dateien</source>
        <translation>Dosarul fișierelor temporare</translation>
    </message>
    <message>
        <source>PDF-Datei</source>
        <translation>Fișier PDF</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Compactare</translation>
    </message>
    <message>
        <source>Pan-Faktor</source>
        <translation>Factor de deplasare</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Pensule</translation>
    </message>
    <message>
        <source>Plot um 90 Grad drehen ?</source>
        <translation>Rotiți plotarea cu 90 de grade ?</translation>
    </message>
    <message>
        <source>Pol&amp;ylinie</source>
        <translation>&amp;Polilinie</translation>
    </message>
    <message>
        <source>Polygon-Teilung für Kreisbogenberechnung [Grad]</source>
        <translation>Divizare poligonală pentru calculul arcelor [grade]</translation>
    </message>
    <message>
        <source>Polylinie</source>
        <translation>Polilinie</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Poz.</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>Inserare poziție</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>Ștergere poziție</translation>
    </message>
    <message>
        <source>Postscript-Zeichensatz</source>
        <translation>Font PostScript</translation>
    </message>
    <message>
        <source>Printer Info</source>
        <translation>Info imprimantă</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profil</translation>
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
        <translation>Porniți programul?</translation>
    </message>
    <message>
        <source>Programmtitel ?</source>
        <translation>Titlul programului ?</translation>
    </message>
    <message>
        <source>Programmverzeichnis von %1</source>
        <translation>Dosarul programului %1</translation>
    </message>
    <message>
        <source>Projekte lesen</source>
        <translation>Citirea proiectelor</translation>
    </message>
    <message>
        <source>QUORVEN-Programm-Ordner</source>
        <translation>Dosarul programelor QUORVEN</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Querkraft Vy</source>
        <translation>Forța tăietoare Vy</translation>
    </message>
    <message>
        <source>Querkraft Vy:</source>
        <translation>Forța tăietoare Vy:</translation>
    </message>
    <message>
        <source>Querkraft Vz</source>
        <translation>Forța tăietoare Vz</translation>
    </message>
    <message>
        <source>Querkraft Vz:</source>
        <translation>Forța tăietoare Vz:</translation>
    </message>
    <message>
        <source>Rasterdrucker</source>
        <translation>Imprimantă raster</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Dreptunghi</translation>
    </message>
    <message>
        <source>Rechteckrohr</source>
        <translation>Țeavă rectangulară</translation>
    </message>
    <message>
        <source>Richtungssinn umkehren</source>
        <translation>Inversează sensul</translation>
    </message>
    <message>
        <source>Rundrohr</source>
        <translation>Țeavă rotundă</translation>
    </message>
    <message>
        <source>Rundstahl</source>
        <translation>Bară rotundă</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Sch&amp;ubmittelpunkt und Netz</source>
        <translation>Centru de &amp;forfecare și rețea</translation>
    </message>
    <message>
        <source>Schattierung</source>
        <translation>Umbrire</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Schraffur</source>
        <translation>Hașuri</translation>
    </message>
    <message>
        <source>Schriften</source>
        <translation>Fonturi</translation>
    </message>
    <message>
        <source>Schubmittelpunkt und Netz</source>
        <translation>Centru de forfecare și rețea</translation>
    </message>
    <message>
        <source>Schubspannung tau</source>
        <translation>Tensiune tangențială tau</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Alegeți culoarea</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Alegeți dosarul</translation>
    </message>
    <message>
        <source>Sonderzeichen</source>
        <translation>Caractere speciale</translation>
    </message>
    <message>
        <source>Spa&amp;nnungen</source>
        <translation>&amp;Tensiuni</translation>
    </message>
    <message>
        <source>Spannungen</source>
        <translation>Tensiuni</translation>
    </message>
    <message>
        <source>Spannungen (finite Elemente)</source>
        <translation>Tensiuni (elemente finite)</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Speichern &amp;Unter...</source>
        <translation>Salvare c&amp;a...</translation>
    </message>
    <message>
        <source>Speichern Unter</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>Speichern als Text mit Trennzeichen</source>
        <translation>Salvare ca text delimitat</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Oglindire</translation>
    </message>
    <message>
        <source>Spiegeln um Achse y</source>
        <translation>Oglindire față de axa y</translation>
    </message>
    <message>
        <source>Spiegeln um Achse z</source>
        <translation>Oglindire față de axa z</translation>
    </message>
    <message>
        <source>Sprache Menü</source>
        <translation>Limbă Meniu</translation>
    </message>
    <message>
        <source>Standardausdruck</source>
        <translation>Tipărire standard</translation>
    </message>
    <message>
        <source>Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?</source>
        <translation>Trimiteți întâi secvența de control HP-GL/2 ?</translation>
    </message>
    <message>
        <source>Stifte</source>
        <translation>Penițe</translation>
    </message>
    <message>
        <source>Strg+C kopiert die gewählten Zeilen, Strg+V fügt eine Koordinatenliste (y z [phi] je Zeile) vor der Auswahl ein.</source>
        <translation>Ctrl+C copiază rândurile alese, Ctrl+V inserează o listă de coordonate (y z [phi] pe rând) înaintea selecției.</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Grosime linie</translation>
    </message>
    <message>
        <source>Strichstärke=1</source>
        <translation>Grosime linie=1</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Introduceți termenul căutat</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Căutare</translation>
    </message>
    <message>
        <source>T-Profil</source>
        <translation>Profil T</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Technologie</source>
        <translation>Tehnologie</translation>
    </message>
    <message>
        <source>Temporärer Ordner</source>
        <translation>Dosar temporar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text mit Trennzeichen anhängen</source>
        <translation>Adăugare text delimitat</translation>
    </message>
    <message>
        <source>Textausdruck</source>
        <translation>Tipărire text</translation>
    </message>
    <message>
        <source>Textbreitenfaktor</source>
        <translation>Factor lățime text</translation>
    </message>
    <message>
        <source>Textdrucker</source>
        <translation>Imprimantă text</translation>
    </message>
    <message>
        <source>Textfenster</source>
        <translation>Fereastră text</translation>
    </message>
    <message>
        <source>Texthöhenfaktor</source>
        <translation>Factor înălțime text</translation>
    </message>
    <message>
        <source>Textprogramm</source>
        <translation>Program de text</translation>
    </message>
    <message>
        <source>Textstil</source>
        <translation>Stil text</translation>
    </message>
    <message>
        <source>Textwinkel</source>
        <translation>Unghi text</translation>
    </message>
    <message>
        <source>Toleranz [mm]:</source>
        <translation>Toleranță [mm]:</translation>
    </message>
    <message>
        <source>Toleranz: bitte eine positive Zahl (mm) eingeben</source>
        <translation>Toleranță: introduceți un număr pozitiv (mm)</translation>
    </message>
    <message>
        <source>Torsion und Schub (finite Elemente)</source>
        <translation>Torsiune și forfecare (elemente finite)</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx</source>
        <translation>Moment de torsiune Mx</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx:</source>
        <translation>Moment de torsiune Mx:</translation>
    </message>
    <message>
        <source>Transform.</source>
        <translation>Transform.</translation>
    </message>
    <message>
        <source>Treiberversion</source>
        <translation>Versiune driver</translation>
    </message>
    <message>
        <source>Trennlinien  ---- ====  ****</source>
        <translation>Linii de separare  ---- ====  ****</translation>
    </message>
    <message>
        <source>Trennlinien  ──── ════</source>
        <translation>Linii de separare  ──── ════</translation>
    </message>
    <message>
        <source>U-Profil</source>
        <translation>Profil U</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Chenar</translation>
    </message>
    <message>
        <source>Ungültige Eingabe %1 !</source>
        <translation>Valoare invalidă %1 !</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname %1 !</source>
        <translation>Nume de fișier invalid %1 !</translation>
    </message>
    <message>
        <source>Ungültiges Datum: %1</source>
        <translation>Dată nevalidă: %1</translation>
    </message>
    <message>
        <source>Ursache</source>
        <translation>Cauză</translation>
    </message>
    <message>
        <source>Ursprung x</source>
        <translation>Origine x</translation>
    </message>
    <message>
        <source>Ursprung y</source>
        <translation>Origine y</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung</source>
        <translation>VAK1  Calculul secțiunii</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung  -  %1</source>
        <translation>VAK1  Calculul secțiunii  -  %1</translation>
    </message>
    <message>
        <source>VAK1 Hilfebilder</source>
        <translation>Imagini de ajutor VAK1</translation>
    </message>
    <message>
        <source>VAK1 Konfiguration</source>
        <translation>Configurare VAK1</translation>
    </message>
    <message>
        <source>Vergleichsspannung sv</source>
        <translation>Tensiune echivalentă sv</translation>
    </message>
    <message>
        <source>Verknüpfte Dokumente</source>
        <translation>Documente asociate</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Deplasare</translation>
    </message>
    <message>
        <source>Verschiebung y</source>
        <translation>Deplasare y</translation>
    </message>
    <message>
        <source>Verschiebung z</source>
        <translation>Deplasare z</translation>
    </message>
    <message>
        <source>Version 5.0: Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe.</source>
        <translation>Versiunea 5.0: caracteristici de secțiune, valori ale corpului, rapoarte, ieșire CAD.</translation>
    </message>
    <message>
        <source>Versionen</source>
        <translation>Versiuni</translation>
    </message>
    <message>
        <source>Vor welche Zeile einfügen ?</source>
        <translation>Inserare înaintea cărui rând ?</translation>
    </message>
    <message>
        <source>Vor welcher Position soll eingefügt werden ?</source>
        <translation>Înaintea cărei poziții se inserează ?</translation>
    </message>
    <message>
        <source>Vorheriger Datensatz</source>
        <translation>Înregistrarea anterioară</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>Avertisment:</translation>
    </message>
    <message>
        <source>Warnung: Kontur schneidet sich selbst, ihre Fläche ist die keines Querschnitts</source>
        <translation>Avertisment: conturul se intersectează, aria sa nu este a niciunei secțiuni</translation>
    </message>
    <message>
        <source>Weiter/zurück...</source>
        <translation>Următor/înapoi...</translation>
    </message>
    <message>
        <source>Weitersuchen</source>
        <translation>Căutare următoare</translation>
    </message>
    <message>
        <source>Welches Bild ausdrucken ?</source>
        <translation>Ce imagine se tipărește ?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Refă</translation>
    </message>
    <message>
        <source>Windows-Drucker</source>
        <translation>Imprimantă de sistem</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Unghi</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Desenare</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Desen</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Desen:</translation>
    </message>
    <message>
        <source>Zeichnungsinfo</source>
        <translation>Info desen</translation>
    </message>
    <message>
        <source>Zeichnungsname</source>
        <translation>Nume desen</translation>
    </message>
    <message>
        <source>Zeichnungsname 2</source>
        <translation>Nume desen 2</translation>
    </message>
    <message>
        <source>Zeichnungsnummer</source>
        <translation>Număr desen</translation>
    </message>
    <message>
        <source>Zeichnungsoptionen</source>
        <translation>Opțiuni desen</translation>
    </message>
    <message>
        <source>Zeile 1</source>
        <translation>Rândul 1</translation>
    </message>
    <message>
        <source>Zeile 2</source>
        <translation>Rândul 2</translation>
    </message>
    <message>
        <source>Zeile 3</source>
        <translation>Rândul 3</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>Factor de zoom</translation>
    </message>
    <message>
        <source>Zu löschende Zeile wählen...</source>
        <translation>Alegeți rândul de șters...</translation>
    </message>
    <message>
        <source>Zu ändernde Zeile wählen...</source>
        <translation>Alegeți rândul de modificat...</translation>
    </message>
    <message>
        <source>Zuerst „Start Excel“ wählen.</source>
        <translation>Alegeți mai întâi „Start Excel”.</translation>
    </message>
    <message>
        <source>achsen  : Schwerpunkt, Hauptachsen v/w und Winkel phi</source>
        <translation>achsen  : centru de greutate, axe principale v/w și unghiul phi</translation>
    </message>
    <message>
        <source>alle Layer</source>
        <translation>toate straturile</translation>
    </message>
    <message>
        <source>andere Schriften</source>
        <translation>alte fonturi</translation>
    </message>
    <message>
        <source>anpassen</source>
        <translation>ajustare</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>până la</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>albastru</translation>
    </message>
    <message>
        <source>bogen   : Kreisbogenwinkel zwischen zwei Positionen</source>
        <translation>bogen   : unghiul arcului între două poziții</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>maro</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>dbf Structure</source>
        <translation>Structură dbf</translation>
    </message>
    <message>
        <source>dbf-Struktur</source>
        <translation>Structură dbf</translation>
    </message>
    <message>
        <source>dbf-Tabelle anhängen</source>
        <translation>Adăugare tabel dbf</translation>
    </message>
    <message>
        <source>dunkel blau</source>
        <translation>albastru închis</translation>
    </message>
    <message>
        <source>dunkel cyan</source>
        <translation>cyan închis</translation>
    </message>
    <message>
        <source>dunkel grau</source>
        <translation>gri închis</translation>
    </message>
    <message>
        <source>dunkel grün</source>
        <translation>verde închis</translation>
    </message>
    <message>
        <source>dunkel magenta</source>
        <translation>magenta închis</translation>
    </message>
    <message>
        <source>dunkel rot</source>
        <translation>roșu închis</translation>
    </message>
    <message>
        <source>egal</source>
        <translation>oricare</translation>
    </message>
    <message>
        <source>externes Textprogramm</source>
        <translation>program de text extern</translation>
    </message>
    <message>
        <source>file name  ?</source>
        <translation>nume fișier  ?</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>galben</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>hell grau</source>
        <translation>gri deschis</translation>
    </message>
    <message>
        <source>höchstens %1 Zeichen</source>
        <translation>cel mult %1 caractere</translation>
    </message>
    <message>
        <source>kaltgefertigt</source>
        <translation>format la rece</translation>
    </message>
    <message>
        <source>koerper : Körperlänge lx, Volumen und Masse</source>
        <translation>koerper : lungimea lx, volum și masă</translation>
    </message>
    <message>
        <source>komprimiert, ohne Trennzeilen</source>
        <translation>comprimat, fără linii de separare</translation>
    </message>
    <message>
        <source>kontur  : Kontur mit Positionen und Umlaufsinn</source>
        <translation>kontur  : contur cu poziții și sens de parcurgere</translation>
    </message>
    <message>
        <source>links</source>
        <translation>stânga</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>mit Kopf</source>
        <translation>cu antet</translation>
    </message>
    <message>
        <source>monochrom</source>
        <translation>monocrom</translation>
    </message>
    <message>
        <source>nicht spiegeln</source>
        <translation>fără oglindire</translation>
    </message>
    <message>
        <source>nur Polylinie</source>
        <translation>doar polilinie</translation>
    </message>
    <message>
        <source>nur Tabelle</source>
        <translation>doar tabel</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>sus</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>paralel</translation>
    </message>
    <message>
        <source>poslist : Positionsliste und ihre Befehle</source>
        <translation>poslist : lista pozițiilor și comenzile ei</translation>
    </message>
    <message>
        <source>r innen</source>
        <translation>r interior</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>roșu</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>negru</translation>
    </message>
    <message>
        <source>seriell</source>
        <translation>serial</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>necunoscut</translation>
    </message>
    <message>
        <source>von</source>
        <translation>de la</translation>
    </message>
    <message>
        <source>warmgefertigt</source>
        <translation>finisat la cald</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>alb</translation>
    </message>
    <message>
        <source>zeichng : Zeichnungsarten 1 bis 5</source>
        <translation>zeichng : tipuri de desen 1 la 5</translation>
    </message>
    <message>
        <source>zu löschende Position wählen  ...</source>
        <translation>alegeți poziția de șters  ...</translation>
    </message>
    <message>
        <source>zu viele Punkte !</source>
        <translation>prea multe puncte !</translation>
    </message>
    <message>
        <source>zurück ..</source>
        <translation>înapoi ..</translation>
    </message>
    <message>
        <source>Ä-&gt;Ae, ß-&gt;ss...</source>
        <translation>Umlaut -&gt; Ae, ss...</translation>
    </message>
    <message>
        <source>Änderung %1</source>
        <translation>Modificarea %1</translation>
    </message>
    <message>
        <source>Änderung speichern</source>
        <translation>Salvare modificare</translation>
    </message>
    <message>
        <source>Änderung verwerfen</source>
        <translation>Renunțare la modificare</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Ausdruck</source>
        <translation>Modificări - &amp;Tipărire</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Info</source>
        <translation>Modificări - &amp;Info</translation>
    </message>
    <message>
        <source>Änderungen - Ausdruck</source>
        <translation>Modificări - Tipărire</translation>
    </message>
    <message>
        <source>Änderungen - Info</source>
        <translation>Modificări - Info</translation>
    </message>
    <message>
        <source>Änderungstext</source>
        <translation>Textul modificării</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Deschidere...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Öffnen... (&amp;Tabelle)</source>
        <translation>Deschidere... (&amp;Tabel)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Übernehmen &amp;Datenbank</source>
        <translation>Preluare din &amp;baza de date</translation>
    </message>
    <message>
        <source>Übernehmen Datenbank</source>
        <translation>Preluare din baza de date</translation>
    </message>
</context>
</TS>
