<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>%1 Meldungen</source>
        <translation>%1 messages</translation>
    </message>
    <message>
        <source>%1 darf nicht negativ sein.</source>
        <translation>%1 ne doit pas être négatif.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.   Überschreiben ?</source>
        <translation>%1 existe déjà.   Écraser ?</translation>
    </message>
    <message>
        <source>%1 ist zu groß: höchstens 1e9 mm.</source>
        <translation>%1 est trop grand : au plus 1e9 mm.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden.</source>
        <translation>%1 n'a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>%1 muß größer als 0 sein.</source>
        <translation>%1 doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>%1 muß kleiner als %2 sein (%3 = %4 mm, %5 = %6 mm).</source>
        <translation>%1 doit être inférieur à %2 (%3 = %4 mm, %5 = %6 mm).</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Auszug</source>
        <translation>&amp;Extrait</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Berechnung</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Imprimer ...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;E-Mail an QUORVEN</source>
        <translation>&amp;E-mail à QUORVEN</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Erweiterte Werte</source>
        <translation>Valeurs é&amp;tendues</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen</source>
        <translation>Messages d'e&amp;rreur</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen (%1)</source>
        <translation>Messages d'e&amp;rreur (%1)</translation>
    </message>
    <message>
        <source>&amp;Geometrie</source>
        <translation>&amp;Géométrie</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Hilfebild</source>
        <translation>&amp;Images d'aide</translation>
    </message>
    <message>
        <source>&amp;Hilfetext</source>
        <translation>Texte d'&amp;aide</translation>
    </message>
    <message>
        <source>&amp;Import DXF</source>
        <translation>&amp;Importer DXF</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Neue Änderung</source>
        <translation>&amp;Nouvelle modification</translation>
    </message>
    <message>
        <source>&amp;Plotten</source>
        <translation>&amp;Tracer</translation>
    </message>
    <message>
        <source>&amp;Profil</source>
        <translation>&amp;Profilé</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profilés</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Annuler l'action</translation>
    </message>
    <message>
        <source>&amp;Rücksetzen</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Sprache Menü</source>
        <translation>&amp;Langue Menu</translation>
    </message>
    <message>
        <source>&amp;Standardausdruck</source>
        <translation>Impression &amp;standard</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Versionen</source>
        <translation>&amp;Versions</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Rechercher la &amp;suite</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Zeichnen</source>
        <translation>&amp;Dessiner</translation>
    </message>
    <message>
        <source>&amp;Zeichnung</source>
        <translation>&amp;Dessin</translation>
    </message>
    <message>
        <source>&amp;Zeichnungsdaten</source>
        <translation>Données du &amp;dessin</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>-----  Einfügen ------</source>
        <translation>-----  Insérer  ------</translation>
    </message>
    <message>
        <source>-----  Erweitern  -----</source>
        <translation>-----  Ajouter  -----</translation>
    </message>
    <message>
        <source>-----  HP-GL/2 drucken/plotten  ------</source>
        <translation>-----  HP-GL/2 imprimer/tracer  ------</translation>
    </message>
    <message>
        <source>-----  Löschen  -----</source>
        <translation>-----  Supprimer  ----</translation>
    </message>
    <message>
        <source>-----  Ändern  ------</source>
        <translation>-----  Modifier  -----</translation>
    </message>
    <message>
        <source>0 : Keine Info nach Eingabe</source>
        <translation>0 : Pas d'info après la saisie</translation>
    </message>
    <message>
        <source>1 : Normale Einstellung</source>
        <translation>1 : Réglage normal</translation>
    </message>
    <message>
        <source>1 Meldung</source>
        <translation>1 message</translation>
    </message>
    <message>
        <source>2 : Erweiterte Hilfe, Einzeleingabe</source>
        <translation>2 : Aide étendue, saisie individuelle</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Abhilfe</source>
        <translation>Remède</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen DXF, TXT</source>
        <translation>Nombre de décimales DXF, TXT</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Archivierungsmodus ?</source>
        <translation>Mode archivage ?</translation>
    </message>
    <message>
        <source>Ausdehnung:</source>
        <translation>Étendue :</translation>
    </message>
    <message>
        <source>Ausdruck</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Ausgabe auf ..</source>
        <translation>Sortie sur ..</translation>
    </message>
    <message>
        <source>Ausgabe auf Laserprinter/Plotter mit KARTUNO</source>
        <translation>Sortie sur imprimante laser/traceur avec KARTUNO</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Ausgabeformat abfragen</source>
        <translation>Demander le format de sortie</translation>
    </message>
    <message>
        <source>Ausgabeschnittstelle</source>
        <translation>Interface de sortie</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.25 mm</source>
        <translation>Trait continu       0.25 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.35 mm</source>
        <translation>Trait continu       0.35 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.50 mm</source>
        <translation>Trait continu       0.50 mm</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Auszug</source>
        <translation>Extrait</translation>
    </message>
    <message>
        <source>Bearb.</source>
        <translation>Dessiné</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Berechnung erfolgreich ohne Fehlermeldungen</source>
        <translation>Calcul réussi sans message d'erreur</translation>
    </message>
    <message>
        <source>Berechnung fehlgeschlagen</source>
        <translation>Échec du calcul</translation>
    </message>
    <message>
        <source>Bericht: %1</source>
        <translation>Rapport : %1</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Biegemoment My (um y)</source>
        <translation>Moment fléchissant My (autour de y)</translation>
    </message>
    <message>
        <source>Biegemoment My (um y):</source>
        <translation>Moment fléchissant My (autour de y) :</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z)</source>
        <translation>Moment fléchissant Mz (autour de z)</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z):</source>
        <translation>Moment fléchissant Mz (autour de z) :</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Enregistrer l'image</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Bildschirmgrafik</source>
        <translation>Graphique à l'écran</translation>
    </message>
    <message>
        <source>Bisherige Eingaben verwerfen ?</source>
        <translation>Abandonner la saisie en cours ?</translation>
    </message>
    <message>
        <source>Bitte wählen ..</source>
        <translation>Veuillez choisir ..</translation>
    </message>
    <message>
        <source>Blatt x %1  y %2 mm</source>
        <translation>Feuille x %1  y %2 mm</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Breite (Pixel)</source>
        <translation>Largeur (pixels)</translation>
    </message>
    <message>
        <source>CAD Ordner</source>
        <translation>Dossier CAO</translation>
    </message>
    <message>
        <source>CAD-Code</source>
        <translation>Code CAO</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Color / Graustufen</source>
        <translation>Couleur / niveaux de gris</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
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
        <translation>DXF écrit : %1</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden !</source>
        <translation>Fichier %1 introuvable !</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden oder kein Zugriffsrecht !</source>
        <translation>Fichier %1 introuvable ou accès refusé !</translation>
    </message>
    <message>
        <source>Datei 1</source>
        <translation>Fichier 1</translation>
    </message>
    <message>
        <source>Datei 2</source>
        <translation>Fichier 2</translation>
    </message>
    <message>
        <source>Datei 3</source>
        <translation>Fichier 3</translation>
    </message>
    <message>
        <source>Datei 4</source>
        <translation>Fichier 4</translation>
    </message>
    <message>
        <source>Datei 5</source>
        <translation>Fichier 5</translation>
    </message>
    <message>
        <source>Datei speichern (%1) ?</source>
        <translation>Enregistrer le fichier (%1) ?</translation>
    </message>
    <message>
        <source>Datei → Neu oder Datei → Öffnen</source>
        <translation>Fichier → Nouveau ou Fichier → Ouvrir</translation>
    </message>
    <message>
        <source>Dateiname (ohne Endung .plt)</source>
        <translation>Nom de fichier (sans l'extension .plt)</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Daten aktualisieren</source>
        <translation>Actualiser les données</translation>
    </message>
    <message>
        <source>Datenban&amp;k</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Datensatz als gelöscht markieren oder die Markierung aufheben</source>
        <translation>Marquer l'enregistrement comme supprimé ou enlever la marque</translation>
    </message>
    <message>
        <source>Datensatz anhängen</source>
        <translation>Ajouter un enregistrement</translation>
    </message>
    <message>
        <source>Datensatz bearbeiten</source>
        <translation>Modifier l'enregistrement</translation>
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
        <translation>L'impression n'a pas pu être faite.</translation>
    </message>
    <message>
        <source>Der Wert für %1 ist keine Zahl.</source>
        <translation>La valeur de %1 n'est pas un nombre.</translation>
    </message>
    <message>
        <source>Dezimalzeichen</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Dezimalzeichen Excel</source>
        <translation>Séparateur décimal Excel</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Diagrammgrenzen abfragen</source>
        <translation>Demander les limites du diagramme</translation>
    </message>
    <message>
        <source>Dialogelemente Größe</source>
        <translation>Taille des éléments de dialogue</translation>
    </message>
    <message>
        <source>Dialogfenster Größe</source>
        <translation>Taille des fenêtres de dialogue</translation>
    </message>
    <message>
        <source>Dichte des Werkstoffs [kg/dm3]</source>
        <translation>Masse volumique du matériau [kg/dm3]</translation>
    </message>
    <message>
        <source>Die Demonstration ist in dieser Version nicht enthalten.</source>
        <translation>La démonstration ne fait pas partie de cette version.</translation>
    </message>
    <message>
        <source>Die Maße des Profils fehlen.</source>
        <translation>Les dimensions du profilé manquent.</translation>
    </message>
    <message>
        <source>Die letzte Berechnung hat keine Fehlermeldungen.</source>
        <translation>Le dernier calcul n'a donné aucun message d'erreur.</translation>
    </message>
    <message>
        <source>Diese Funktion folgt in einer späteren Version.</source>
        <translation>Cette fonction suivra dans une version ultérieure.</translation>
    </message>
    <message>
        <source>Dokument</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Dokument %1 ist nicht eingerichtet.</source>
        <translation>Le document %1 n'est pas configuré.</translation>
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
        <translation>&amp;Configuration des documents</translation>
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
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Drehen, schieben, vergrößern, verkleinern</source>
        <translation>Tourner, déplacer, agrandir, réduire</translation>
    </message>
    <message>
        <source>Drehwinkel °</source>
        <translation>Angle de rotation °</translation>
    </message>
    <message>
        <source>Druckbreite (mm)</source>
        <translation>Largeur d'impression (mm)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Drucker...</source>
        <translation>Imprimante...</translation>
    </message>
    <message>
        <source>Druckerinfo</source>
        <translation>Infos imprimante</translation>
    </message>
    <message>
        <source>Druckerschnittstelle (max = 3, default=1)</source>
        <translation>Port d'imprimante (max = 3, défaut=1)</translation>
    </message>
    <message>
        <source>Druckerschnittstelle für Textausdruck</source>
        <translation>Port d'imprimante pour l'impression texte</translation>
    </message>
    <message>
        <source>Druckhöhe (mm)</source>
        <translation>Hauteur d'impression (mm)</translation>
    </message>
    <message>
        <source>E-Mail an QUORVEN</source>
        <translation>E-mail à QUORVEN</translation>
    </message>
    <message>
        <source>EDI Ordner</source>
        <translation>Dossier EDI</translation>
    </message>
    <message>
        <source>Ecken der Rechteckrohre</source>
        <translation>Coins des tubes rectangulaires</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Eingabe der Positionen</source>
        <translation>Saisie des positions</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Einrichten</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Endpunkte, die näher beieinander liegen, werden verbunden</source>
        <translation>Les extrémités plus proches que cela sont reliées</translation>
    </message>
    <message>
        <source>Englisch (in, lbf, psi)</source>
        <translation>Impérial (in, lbf, psi)</translation>
    </message>
    <message>
        <source>Ergebnisgrafik</source>
        <translation>Graphique des résultats</translation>
    </message>
    <message>
        <source>Ersatz für</source>
        <translation>Remplace</translation>
    </message>
    <message>
        <source>Ersetzt durch</source>
        <translation>Remplacé par</translation>
    </message>
    <message>
        <source>Erster Datensatz</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Erweiterte Werte</source>
        <translation>Valeurs étendues</translation>
    </message>
    <message>
        <source>Ex&amp;port DXF</source>
        <translation>Ex&amp;porter DXF</translation>
    </message>
    <message>
        <source>Export &amp;Notepad</source>
        <translation>Exporter vers le &amp;Bloc-notes</translation>
    </message>
    <message>
        <source>Export Notepad</source>
        <translation>Exporter vers le Bloc-notes</translation>
    </message>
    <message>
        <source>Extern</source>
        <translation>Externe</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Farbe für Layer%1 (%2)</source>
        <translation>Couleur du calque %1 (%2)</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Fehler :</source>
        <translation>Erreur :</translation>
    </message>
    <message>
        <source>Fehler : keine Geometrie eingegeben !</source>
        <translation>Erreur : aucune géométrie saisie !</translation>
    </message>
    <message>
        <source>Fehler bei Zugriff auf Diskette/Platte</source>
        <translation>Erreur d'accès au disque</translation>
    </message>
    <message>
        <source>Fehler beim Schließen einer Datei</source>
        <translation>Erreur à la fermeture d'un fichier</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>Message d'erreur</translation>
    </message>
    <message>
        <source>Fehlermeldungen</source>
        <translation>Messages d'erreur</translation>
    </message>
    <message>
        <source>Fehlermeldungen zeigen</source>
        <translation>Afficher les messages d'erreur</translation>
    </message>
    <message>
        <source>Fenstergroesse</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>Fertigungszeichnung</source>
        <translation>Dessin de fabrication</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font..</source>
        <translation>Police..</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Form der Trennzeilen im Ausdruck</source>
        <translation>Forme des lignes de séparation</translation>
    </message>
    <message>
        <source>Formblatt</source>
        <translation>Cartouche</translation>
    </message>
    <message>
        <source>Freigabefeld</source>
        <translation>Champ de validation</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Géométrie</translation>
    </message>
    <message>
        <source>Geometrie mit Tabelle</source>
        <translation>Géométrie avec tableau</translation>
    </message>
    <message>
        <source>Gepr.</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>German x,xx</source>
        <translation>Allemand x,xx</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Gestrichelte Linie   0.25 mm</source>
        <translation>Trait interrompu    0.25 mm</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Größenfaktor Bemaßung</source>
        <translation>Facteur de taille des cotes</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: %1 .. %2 !</source>
        <translation>Plage valide : %1 .. %2 !</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: -360 &lt; phi &lt; 360 !</source>
        <translation>Plage valide : -360 &lt; phi &lt; 360 !</translation>
    </message>
    <message>
        <source>HTML Browser</source>
        <translation>Navigateur HTML</translation>
    </message>
    <message>
        <source>HTML exportieren</source>
        <translation>Exporter en HTML</translation>
    </message>
    <message>
        <source>Hauptachsen</source>
        <translation>Axes principaux</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Hilfe &amp;Layer</source>
        <translation>Aide &amp;calques</translation>
    </message>
    <message>
        <source>Hilfe&amp;bild</source>
        <translation>&amp;Image d'aide</translation>
    </message>
    <message>
        <source>Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)</source>
        <translation>Images d'aide (plt), texte d'aide (hlp), script de démo (dem)</translation>
    </message>
    <message>
        <source>Hilfegrad</source>
        <translation>Niveau d'aide</translation>
    </message>
    <message>
        <source>Hintergrundfarbe...</source>
        <translation>Couleur de fond...</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Höhe (Pixel)</source>
        <translation>Hauteur (pixels)</translation>
    </message>
    <message>
        <source>I-Profil</source>
        <translation>Profilé en I</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Importer..</translation>
    </message>
    <message>
        <source>Information zum Hilfebild</source>
        <translation>Information sur l'image d'aide</translation>
    </message>
    <message>
        <source>K&amp;örper</source>
        <translation>&amp;Corps</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeile</source>
        <translation>Ligne de commande KARTUNO</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeilen</source>
        <translation>Lignes de commande KARTUNO</translation>
    </message>
    <message>
        <source>KARTUNO-Kommandozeile (0=Parameter)</source>
        <translation>Ligne de commande KARTUNO (0=paramètres)</translation>
    </message>
    <message>
        <source>Keine Profilfamilie gewählt.</source>
        <translation>Aucune famille de profilés choisie.</translation>
    </message>
    <message>
        <source>Keine Profilgröße gewählt.</source>
        <translation>Aucune taille de profilé choisie.</translation>
    </message>
    <message>
        <source>Kommandozeile:</source>
        <translation>Ligne de commande :</translation>
    </message>
    <message>
        <source>Kontrollausgabe auf Bildschirm</source>
        <translation>Contrôle à l'écran</translation>
    </message>
    <message>
        <source>Kontur im Uhrzeigersinn: Fläche und Momente negativ</source>
        <translation>Contour dans le sens horaire : aire et moments négatifs</translation>
    </message>
    <message>
        <source>Koordinaten %1</source>
        <translation>Coordonnées %1</translation>
    </message>
    <message>
        <source>Koordinaten auf 0 setzen ?</source>
        <translation>Mettre les coordonnées à 0 ?</translation>
    </message>
    <message>
        <source>Kopf nur 1.Seite</source>
        <translation>En-tête sur la 1re page seulement</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Kreisbogenwinkel %1</source>
        <translation>Angle d'arc %1</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Corps</translation>
    </message>
    <message>
        <source>L-Profil</source>
        <translation>Cornière</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>Layer Monochrom ?</source>
        <translation>Calques monochromes ?</translation>
    </message>
    <message>
        <source>Layer:</source>
        <translation>Calque :</translation>
    </message>
    <message>
        <source>Leerzeichen und Leerzeilen</source>
        <translation>Espaces et lignes vides</translation>
    </message>
    <message>
        <source>Leerzeilen am Seitenanfang</source>
        <translation>Lignes vides en haut de page</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;bearbeiten</source>
        <translation>&amp;Modifier la dernière modification</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;löschen</source>
        <translation>&amp;Supprimer la dernière modification</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen</source>
        <translation>Supprimer la dernière modification</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen ?</source>
        <translation>Supprimer la dernière modification ?</translation>
    </message>
    <message>
        <source>Letzter Datensatz</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Linker Seitenoffset (Pixel)</source>
        <translation>Décalage gauche de la page (pixels)</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [inch]</source>
        <translation>Longueur du corps en direction x [inch]</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [mm]</source>
        <translation>Longueur du corps en direction x [mm]</translation>
    </message>
    <message>
        <source>Löschen ?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>Markierer</source>
        <translation>Marqueurs</translation>
    </message>
    <message>
        <source>Markierte Datensätze endgültig löschen ?</source>
        <translation>Supprimer définitivement les enregistrements marqués ?</translation>
    </message>
    <message>
        <source>Markierte Datensätze löschen</source>
        <translation>Supprimer les enregistrements marqués</translation>
    </message>
    <message>
        <source>Max. Anzahl Zeilen/Seite auf dem Ausdruck</source>
        <translation>Nombre max. de lignes/page à l'impression</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Maßstab (0=anpassen)</source>
        <translation>Échelle (0=ajuster)</translation>
    </message>
    <message>
        <source>Maßstab anpassen ?</source>
        <translation>Ajuster l'échelle ?</translation>
    </message>
    <message>
        <source>Maßstab x</source>
        <translation>Échelle x</translation>
    </message>
    <message>
        <source>Maßstab y</source>
        <translation>Échelle y</translation>
    </message>
    <message>
        <source>Maßstab z</source>
        <translation>Échelle z</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Meldung:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Metrisch (mm, N, MPa)</source>
        <translation>Métrique (mm, N, MPa)</translation>
    </message>
    <message>
        <source>Mittellinie          0.25 mm</source>
        <translation>Trait d'axe         0.25 mm</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Nach Excel exportieren</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name der Ausgabedatei</source>
        <translation>Nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Name der Batch-Datei (ohne .sh)</source>
        <translation>Nom du fichier de commandes (sans .sh)</translation>
    </message>
    <message>
        <source>Netzfeinheit für Torsion und Schub (1 = Standard, 2 = halbe Elementgröße):</source>
        <translation>Finesse du maillage pour torsion et cisaillement (1 = standard, 2 = demi-taille d'élément) :</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Neue Position eingeben</source>
        <translation>Saisir une nouvelle position</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norme</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv)</source>
        <translation>Effort normal N (traction positive)</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv):</source>
        <translation>Effort normal N (traction positive) :</translation>
    </message>
    <message>
        <source>Normalspannung sx</source>
        <translation>Contrainte normale sx</translation>
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
        <translation>Décalage de l'origine en x</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in y-Richtung</source>
        <translation>Décalage de l'origine en y</translation>
    </message>
    <message>
        <source>Nächster Datensatz</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Oberer Seitenoffset (Pixel)</source>
        <translation>Décalage haut de la page (pixels)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Ordner der Projekttabelle wählen</source>
        <translation>Choisir le dossier du tableau de projets</translation>
    </message>
    <message>
        <source>Ordner für Datenbankdateien (dbf)</source>
        <translation>Dossier des fichiers de base de données (dbf)</translation>
    </message>
    <message>
        <source>Ordner für Projektdateien (*.vak1)</source>
        <translation>Dossier des fichiers de projet (*.vak1)</translation>
    </message>
    <message>
        <source>Ordner für temporäre Dateien</source>
        <translation>Dossier des fichiers temporaires</translation>
    </message>
    <message>
        <source>PDF-Datei</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Compacter</translation>
    </message>
    <message>
        <source>Pan-Faktor</source>
        <translation>Facteur de déplacement</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Pinceaux</translation>
    </message>
    <message>
        <source>Plot um 90 Grad drehen ?</source>
        <translation>Tourner le tracé de 90 degrés ?</translation>
    </message>
    <message>
        <source>Pol&amp;ylinie</source>
        <translation>&amp;Polyligne</translation>
    </message>
    <message>
        <source>Polygon-Teilung für Kreisbogenberechnung [Grad]</source>
        <translation>Division polygonale pour le calcul des arcs [degrés]</translation>
    </message>
    <message>
        <source>Polylinie</source>
        <translation>Polyligne</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>Insérer une position</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>Supprimer une position</translation>
    </message>
    <message>
        <source>Postscript-Zeichensatz</source>
        <translation>Police PostScript</translation>
    </message>
    <message>
        <source>Printer Info</source>
        <translation>Infos imprimante</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profilé</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Programm 1</source>
        <translation>Programme 1</translation>
    </message>
    <message>
        <source>Programm 2</source>
        <translation>Programme 2</translation>
    </message>
    <message>
        <source>Programm 3</source>
        <translation>Programme 3</translation>
    </message>
    <message>
        <source>Programm 4</source>
        <translation>Programme 4</translation>
    </message>
    <message>
        <source>Programm 5</source>
        <translation>Programme 5</translation>
    </message>
    <message>
        <source>Programm starten?</source>
        <translation>Démarrer le programme ?</translation>
    </message>
    <message>
        <source>Programmtitel ?</source>
        <translation>Titre du programme ?</translation>
    </message>
    <message>
        <source>Programmverzeichnis von %1</source>
        <translation>Dossier du programme %1</translation>
    </message>
    <message>
        <source>Projekte lesen</source>
        <translation>Lecture des projets</translation>
    </message>
    <message>
        <source>QUORVEN-Programm-Ordner</source>
        <translation>Dossier des programmes QUORVEN</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Querkraft Vy</source>
        <translation>Effort tranchant Vy</translation>
    </message>
    <message>
        <source>Querkraft Vy:</source>
        <translation>Effort tranchant Vy :</translation>
    </message>
    <message>
        <source>Querkraft Vz</source>
        <translation>Effort tranchant Vz</translation>
    </message>
    <message>
        <source>Querkraft Vz:</source>
        <translation>Effort tranchant Vz :</translation>
    </message>
    <message>
        <source>Rasterdrucker</source>
        <translation>Imprimante raster</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rechteckrohr</source>
        <translation>Tube rectangulaire</translation>
    </message>
    <message>
        <source>Richtungssinn umkehren</source>
        <translation>Inverser le sens</translation>
    </message>
    <message>
        <source>Rundrohr</source>
        <translation>Tube rond</translation>
    </message>
    <message>
        <source>Rundstahl</source>
        <translation>Rond plein</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Annuler l'action</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Sch&amp;ubmittelpunkt und Netz</source>
        <translation>Centre de &amp;cisaillement et maillage</translation>
    </message>
    <message>
        <source>Schattierung</source>
        <translation>Ombrage</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Schraffur</source>
        <translation>Hachures</translation>
    </message>
    <message>
        <source>Schriften</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Schubmittelpunkt und Netz</source>
        <translation>Centre de cisaillement et maillage</translation>
    </message>
    <message>
        <source>Schubspannung tau</source>
        <translation>Contrainte de cisaillement tau</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Sonderzeichen</source>
        <translation>Caractères spéciaux</translation>
    </message>
    <message>
        <source>Spa&amp;nnungen</source>
        <translation>&amp;Contraintes</translation>
    </message>
    <message>
        <source>Spannungen</source>
        <translation>Contraintes</translation>
    </message>
    <message>
        <source>Spannungen (finite Elemente)</source>
        <translation>Contraintes (éléments finis)</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Speichern &amp;Unter...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Speichern Unter</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Speichern als Text mit Trennzeichen</source>
        <translation>Enregistrer en texte délimité</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Spiegeln um Achse y</source>
        <translation>Miroir par rapport à l'axe y</translation>
    </message>
    <message>
        <source>Spiegeln um Achse z</source>
        <translation>Miroir par rapport à l'axe z</translation>
    </message>
    <message>
        <source>Sprache Menü</source>
        <translation>Langue Menu</translation>
    </message>
    <message>
        <source>Standardausdruck</source>
        <translation>Impression standard</translation>
    </message>
    <message>
        <source>Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?</source>
        <translation>Envoyer d'abord la séquence de contrôle HP-GL/2 ?</translation>
    </message>
    <message>
        <source>Stifte</source>
        <translation>Stylos</translation>
    </message>
    <message>
        <source>Strg+C kopiert die gewählten Zeilen, Strg+V fügt eine Koordinatenliste (y z [phi] je Zeile) vor der Auswahl ein.</source>
        <translation>Ctrl+C copie les lignes choisies, Ctrl+V insère une liste de coordonnées (y z [phi] par ligne) avant la sélection.</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Épaisseur de trait</translation>
    </message>
    <message>
        <source>Strichstärke=1</source>
        <translation>Épaisseur de trait=1</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Saisir le terme à rechercher</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>T-Profil</source>
        <translation>Profilé en T</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xte</translation>
    </message>
    <message>
        <source>Technologie</source>
        <translation>Technologie</translation>
    </message>
    <message>
        <source>Temporärer Ordner</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text mit Trennzeichen anhängen</source>
        <translation>Ajouter du texte délimité</translation>
    </message>
    <message>
        <source>Textausdruck</source>
        <translation>Impression texte</translation>
    </message>
    <message>
        <source>Textbreitenfaktor</source>
        <translation>Facteur de largeur du texte</translation>
    </message>
    <message>
        <source>Textdrucker</source>
        <translation>Imprimante texte</translation>
    </message>
    <message>
        <source>Textfenster</source>
        <translation>Fenêtre de texte</translation>
    </message>
    <message>
        <source>Texthöhenfaktor</source>
        <translation>Facteur de hauteur du texte</translation>
    </message>
    <message>
        <source>Textprogramm</source>
        <translation>Programme de texte</translation>
    </message>
    <message>
        <source>Textstil</source>
        <translation>Style de texte</translation>
    </message>
    <message>
        <source>Textwinkel</source>
        <translation>Angle du texte</translation>
    </message>
    <message>
        <source>Toleranz [mm]:</source>
        <translation>Tolérance [mm] :</translation>
    </message>
    <message>
        <source>Toleranz: bitte eine positive Zahl (mm) eingeben</source>
        <translation>Tolérance : saisir un nombre positif (mm)</translation>
    </message>
    <message>
        <source>Torsion und Schub (finite Elemente)</source>
        <translation>Torsion et cisaillement (éléments finis)</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx</source>
        <translation>Moment de torsion Mx</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx:</source>
        <translation>Moment de torsion Mx :</translation>
    </message>
    <message>
        <source>Transform.</source>
        <translation>Transform.</translation>
    </message>
    <message>
        <source>Treiberversion</source>
        <translation>Version du pilote</translation>
    </message>
    <message>
        <source>Trennlinien  ---- ====  ****</source>
        <translation>Lignes de séparation  ---- ====  ****</translation>
    </message>
    <message>
        <source>Trennlinien  ──── ════</source>
        <translation>Lignes de séparation  ──── ════</translation>
    </message>
    <message>
        <source>U-Profil</source>
        <translation>Profilé en U</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Ungültige Eingabe %1 !</source>
        <translation>Saisie invalide %1 !</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname %1 !</source>
        <translation>Nom de fichier invalide %1 !</translation>
    </message>
    <message>
        <source>Ungültiges Datum: %1</source>
        <translation>Date invalide : %1</translation>
    </message>
    <message>
        <source>Ursache</source>
        <translation>Cause</translation>
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
        <translation>VAK1  Calcul de section</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung  -  %1</source>
        <translation>VAK1  Calcul de section  -  %1</translation>
    </message>
    <message>
        <source>VAK1 Hilfebilder</source>
        <translation>Images d'aide VAK1</translation>
    </message>
    <message>
        <source>VAK1 Konfiguration</source>
        <translation>Configuration VAK1</translation>
    </message>
    <message>
        <source>Vergleichsspannung sv</source>
        <translation>Contrainte équivalente sv</translation>
    </message>
    <message>
        <source>Verknüpfte Dokumente</source>
        <translation>Documents liés</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Verschiebung y</source>
        <translation>Décalage y</translation>
    </message>
    <message>
        <source>Verschiebung z</source>
        <translation>Décalage z</translation>
    </message>
    <message>
        <source>Version 5.0: Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe.</source>
        <translation>Version 5.0 : caractéristiques de section, valeurs du corps, rapports, sortie CAO.</translation>
    </message>
    <message>
        <source>Versionen</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Vor welche Zeile einfügen ?</source>
        <translation>Insérer avant quelle ligne ?</translation>
    </message>
    <message>
        <source>Vor welcher Position soll eingefügt werden ?</source>
        <translation>Insérer avant quelle position ?</translation>
    </message>
    <message>
        <source>Vorheriger Datensatz</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>Avertissement :</translation>
    </message>
    <message>
        <source>Warnung: Kontur schneidet sich selbst, ihre Fläche ist die keines Querschnitts</source>
        <translation>Avertissement : le contour se croise, son aire n'est celle d'aucune section</translation>
    </message>
    <message>
        <source>Weiter/zurück...</source>
        <translation>Suivant/retour...</translation>
    </message>
    <message>
        <source>Weitersuchen</source>
        <translation>Rechercher la suite</translation>
    </message>
    <message>
        <source>Welches Bild ausdrucken ?</source>
        <translation>Quelle image imprimer ?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Windows-Drucker</source>
        <translation>Imprimante système</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Dessin :</translation>
    </message>
    <message>
        <source>Zeichnungsinfo</source>
        <translation>Infos du dessin</translation>
    </message>
    <message>
        <source>Zeichnungsname</source>
        <translation>Nom du dessin</translation>
    </message>
    <message>
        <source>Zeichnungsname 2</source>
        <translation>Nom du dessin 2</translation>
    </message>
    <message>
        <source>Zeichnungsnummer</source>
        <translation>Numéro du dessin</translation>
    </message>
    <message>
        <source>Zeichnungsoptionen</source>
        <translation>Options de dessin</translation>
    </message>
    <message>
        <source>Zeile 1</source>
        <translation>Ligne 1</translation>
    </message>
    <message>
        <source>Zeile 2</source>
        <translation>Ligne 2</translation>
    </message>
    <message>
        <source>Zeile 3</source>
        <translation>Ligne 3</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>Facteur de zoom</translation>
    </message>
    <message>
        <source>Zu löschende Zeile wählen...</source>
        <translation>Choisir la ligne à supprimer...</translation>
    </message>
    <message>
        <source>Zu ändernde Zeile wählen...</source>
        <translation>Choisir la ligne à modifier...</translation>
    </message>
    <message>
        <source>Zuerst „Start Excel“ wählen.</source>
        <translation>Choisir d'abord « Start Excel ».</translation>
    </message>
    <message>
        <source>achsen  : Schwerpunkt, Hauptachsen v/w und Winkel phi</source>
        <translation>achsen  : centre de gravité, axes principaux v/w et angle phi</translation>
    </message>
    <message>
        <source>alle Layer</source>
        <translation>tous les calques</translation>
    </message>
    <message>
        <source>andere Schriften</source>
        <translation>autres polices</translation>
    </message>
    <message>
        <source>anpassen</source>
        <translation>ajuster</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>à</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>bogen   : Kreisbogenwinkel zwischen zwei Positionen</source>
        <translation>bogen   : angle d'arc entre deux positions</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>brun</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>dbf Structure</source>
        <translation>Structure dbf</translation>
    </message>
    <message>
        <source>dbf-Struktur</source>
        <translation>Structure dbf</translation>
    </message>
    <message>
        <source>dbf-Tabelle anhängen</source>
        <translation>Ajouter une table dbf</translation>
    </message>
    <message>
        <source>dunkel blau</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>dunkel cyan</source>
        <translation>cyan foncé</translation>
    </message>
    <message>
        <source>dunkel grau</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>dunkel grün</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>dunkel magenta</source>
        <translation>magenta foncé</translation>
    </message>
    <message>
        <source>dunkel rot</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>egal</source>
        <translation>indifférent</translation>
    </message>
    <message>
        <source>externes Textprogramm</source>
        <translation>programme de texte externe</translation>
    </message>
    <message>
        <source>file name  ?</source>
        <translation>nom de fichier  ?</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>hell grau</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>höchstens %1 Zeichen</source>
        <translation>au plus %1 caractères</translation>
    </message>
    <message>
        <source>kaltgefertigt</source>
        <translation>formé à froid</translation>
    </message>
    <message>
        <source>koerper : Körperlänge lx, Volumen und Masse</source>
        <translation>koerper : longueur lx, volume et masse</translation>
    </message>
    <message>
        <source>komprimiert, ohne Trennzeilen</source>
        <translation>compressé, sans lignes de séparation</translation>
    </message>
    <message>
        <source>kontur  : Kontur mit Positionen und Umlaufsinn</source>
        <translation>kontur  : contour avec positions et sens de parcours</translation>
    </message>
    <message>
        <source>links</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>mit Kopf</source>
        <translation>avec en-tête</translation>
    </message>
    <message>
        <source>monochrom</source>
        <translation>monochrome</translation>
    </message>
    <message>
        <source>nicht spiegeln</source>
        <translation>pas de miroir</translation>
    </message>
    <message>
        <source>nur Polylinie</source>
        <translation>polyligne seule</translation>
    </message>
    <message>
        <source>nur Tabelle</source>
        <translation>tableau seul</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>parallèle</translation>
    </message>
    <message>
        <source>poslist : Positionsliste und ihre Befehle</source>
        <translation>poslist : liste des positions et ses commandes</translation>
    </message>
    <message>
        <source>r innen</source>
        <translation>r intérieur</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>seriell</source>
        <translation>série</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>von</source>
        <translation>de</translation>
    </message>
    <message>
        <source>warmgefertigt</source>
        <translation>fini à chaud</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>zeichng : Zeichnungsarten 1 bis 5</source>
        <translation>zeichng : types de dessin 1 à 5</translation>
    </message>
    <message>
        <source>zu löschende Position wählen  ...</source>
        <translation>choisir la position à supprimer  ...</translation>
    </message>
    <message>
        <source>zu viele Punkte !</source>
        <translation>trop de points !</translation>
    </message>
    <message>
        <source>zurück ..</source>
        <translation>retour ..</translation>
    </message>
    <message>
        <source>Ä-&gt;Ae, ß-&gt;ss...</source>
        <translation>Trémas -&gt; Ae, ss...</translation>
    </message>
    <message>
        <source>Änderung %1</source>
        <translation>Modification %1</translation>
    </message>
    <message>
        <source>Änderung speichern</source>
        <translation>Enregistrer la modification</translation>
    </message>
    <message>
        <source>Änderung verwerfen</source>
        <translation>Abandonner la modification</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Ausdruck</source>
        <translation>Modifications - &amp;Impression</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Info</source>
        <translation>Modifications - &amp;Info</translation>
    </message>
    <message>
        <source>Änderungen - Ausdruck</source>
        <translation>Modifications - Impression</translation>
    </message>
    <message>
        <source>Änderungen - Info</source>
        <translation>Modifications - Info</translation>
    </message>
    <message>
        <source>Änderungstext</source>
        <translation>Texte de la modification</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Öffnen... (&amp;Tabelle)</source>
        <translation>Ouvrir... (&amp;Tableau)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Übernehmen &amp;Datenbank</source>
        <translation>Reprendre de la &amp;base</translation>
    </message>
    <message>
        <source>Übernehmen Datenbank</source>
        <translation>Reprendre de la base</translation>
    </message>
</context>
</TS>
