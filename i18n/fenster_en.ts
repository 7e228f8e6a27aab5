<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Fenster</name>
    <message>
        <source>Aufruf: nukview [DATEI]
</source>
        <translation>Usage: nukview [FILE]
</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>nur eine Datei</source>
        <translation>only one file</translation>
    </message>
    <message>
        <source>Da stimmt was nicht</source>
        <translation>Something is wrong here</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Drahtmodell des geöffneten Modells</source>
        <translation>Wire-frame of the open model</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Arbeitsbereich</source>
        <translation>Workspace</translation>
    </message>
    <message>
        <source>FileText</source>
        <translation>File Text</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Befehle</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern als</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Dreieck</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Viereck</source>
        <translation>Quad</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>was anderes</source>
        <translation>Something Else</translation>
    </message>
    <message>
        <source>Verändern</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Vertices</translation>
    </message>
    <message>
        <source>egal ob Objekte markiert</source>
        <translation>Whether or Not Objects Are Marked</translation>
    </message>
    <message>
        <source>von markierten Objekte</source>
        <translation>Of Marked Objects</translation>
    </message>
    <message>
        <source>ohne Objekte</source>
        <translation>Without Objects</translation>
    </message>
    <message>
        <source>Objekte</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>egal ob Punkte markiert</source>
        <translation>Whether or Not Vertices Are Marked</translation>
    </message>
    <message>
        <source>mit einem markierten Punkt</source>
        <translation>With One Marked Vertex</translation>
    </message>
    <message>
        <source>mit zwei markierten Punkt</source>
        <translation>With Two Marked Vertices</translation>
    </message>
    <message>
        <source>mit drei markierten Punkt</source>
        <translation>With Three Marked Vertices</translation>
    </message>
    <message>
        <source>Hierarchie</source>
        <translation>Hierarchy</translation>
    </message>
    <message>
        <source>Fehlerhaftes</source>
        <translation>Faulty Lines</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>von</source>
        <translation>From</translation>
    </message>
    <message>
        <source>vorn</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>hinten </source>
        <translation>Back</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Hauptbild</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Befehlsliste</source>
        <translation>Command List</translation>
    </message>
    <message>
        <source>       angeordnet</source>
        <translation>Arranged</translation>
    </message>
    <message>
        <source>flach</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>ganzes Modell</source>
        <translation>Whole Model</translation>
    </message>
    <message>
        <source>Flächen</source>
        <translation>Faces</translation>
    </message>
    <message>
        <source>Rückseiten</source>
        <translation>Back Faces</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Lupe</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Bewegungen</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Zeile:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Änderungen an %1 speichern?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Öffner</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Rwx-Datei  (*.Rwx)</source>
        <translation>RWX files (*.rwx)</translation>
    </message>
    <message>
        <source>Alle und jede (*.*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Neu</source>
        <comment>der Name eines Dokuments ohne Datei</comment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>
Zeigt ein RWX-Modell als Drahtmodell, das sich drehen, schieben und
vergrößern lässt, auf Wunsch mit gefüllten Flächen; markiert und
bearbeitet Punkte und Objekte, prüft die Hierarchie und jede Zeile und
speichert den Text zurück. Mit DATEI wird diese Datei gleich geöffnet,
wie über &quot;Öffnen&quot;.

  --help     diese Hilfe
  --version  Name und Version

Die Optionen von Qt (etwa -platform) gelten weiter.
</source>
        <translation>
Shows an RWX model as a wire-frame that turns, pans and zooms, with its
faces filled if wished; marks and edits vertices and objects, checks the
hierarchy and every line, and saves the text back. With FILE, that file is
opened at once, as through &quot;Open...&quot;.

  --help     this help
  --version  name and version

Qt&apos;s options (such as -platform) apply as well.
</translation>
    </message>
</context>
</TS>
