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
<context>
    <name>Kern</name>
    <message>
        <source>Meldung des Lesers des Viewers</source>
        <translation>Message from the viewer&apos;s reader</translation>
    </message>
    <message>
        <source>ModelBegin/ClumpBegin/ClumpEnd/ModelEnd fehlerhaft</source>
        <translation>Faulty ModelBegin/ClumpBegin/ClumpEnd/ModelEnd</translation>
    </message>
    <message>
        <source>Zeile mit unbekanntem Befehlswort</source>
        <translation>Line with an unknown command word</translation>
    </message>
    <message>
        <source>Zeile mit unzulässigem Zeichen</source>
        <translation>Line with a character that is not allowed</translation>
    </message>
    <message>
        <source>Ecke, die der Clump nicht hat</source>
        <translation>Corner that the clump does not have</translation>
    </message>
    <message>
        <source>Fläche mit weniger als drei verschiedenen Ecken</source>
        <translation>Face with fewer than three different corners</translation>
    </message>
    <message>
        <source>Polygon, dessen Anzahl nicht zu den Ecken passt</source>
        <translation>Polygon whose count does not match its corners</translation>
    </message>
    <message>
        <source>Befehl mit zu wenigen Zahlen</source>
        <translation>Command with too few numbers</translation>
    </message>
    <message>
        <source>Wort, wo eine Zahl stehen muss</source>
        <translation>Word where there has to be a number</translation>
    </message>
    <message>
        <source>Begin ohne End oder End ohne Begin</source>
        <translation>Begin without End or End without Begin</translation>
    </message>
    <message>
        <source>ProtoBegin in einem Clump oder Prototyp</source>
        <translation>ProtoBegin inside a clump or prototype</translation>
    </message>
    <message>
        <source>Prototyp ohne Namen</source>
        <translation>Prototype without a name</translation>
    </message>
    <message>
        <source>Prototyp, der noch nicht definiert ist</source>
        <translation>Prototype that is not defined yet</translation>
    </message>
    <message>
        <source>Prototyp, der sich selbst aufruft</source>
        <translation>Prototype that calls itself</translation>
    </message>
    <message>
        <source>Modell über 4.000.000 Punkte oder 16.000.000 Ecken</source>
        <translation>Model with more than 4,000,000 points or 16,000,000 corners</translation>
    </message>
    <message>
        <source>Viereck oder Polygon, das nicht in einer Ebene liegt</source>
        <translation>Quad or polygon that does not lie in one plane</translation>
    </message>
    <message>
        <source>Fläche ohne Inhalt</source>
        <translation>Face without area</translation>
    </message>
    <message>
        <source>Fläche, die anders herum zeigt als ihre Nachbarin</source>
        <translation>Face that points the other way from its neighbour</translation>
    </message>
    <message>
        <source>Punkt, den es im Clump schon gibt</source>
        <translation>Point that the clump already has</translation>
    </message>
    <message>
        <source>Punkt, den keine Fläche benutzt</source>
        <translation>Point that no face uses</translation>
    </message>
    <message>
        <source>Grundkörper ohne Radius, Höhe oder Seiten</source>
        <translation>Primitive without radius, height or sides</translation>
    </message>
    <message>
        <source>Farbwert außerhalb von 0 bis 1</source>
        <translation>Colour value outside 0 to 1</translation>
    </message>
    <message>
        <source>Fläche mit Textur an einem Punkt ohne UV</source>
        <translation>Textured face at a point without UV</translation>
    </message>
    <message>
        <source>Erweiterung ohne vorangestelltes #!</source>
        <translation>Extension without a leading #!</translation>
    </message>
    <message>
        <source>Textur oder Maske, die es nicht gibt</source>
        <translation>Texture or mask that does not exist</translation>
    </message>
    <message>
        <source>Textur, deren Seite keine Zweierpotenz bis 512 ist</source>
        <translation>Texture with a side that is not a power of two up to 512</translation>
    </message>
    <message>
        <source>Dieser Fehler dürfte eigentlich niemals auftreten</source>
        <translation>This error should never actually happen</translation>
    </message>
    <message>
        <source>Fehler %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>%1 braucht %2 Zahl</source>
        <translation>%1 needs %2 number</translation>
    </message>
    <message>
        <source>%1 braucht %2 Zahlen</source>
        <translation>%1 needs %2 numbers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine ganze Zahl</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist zu groß</source>
        <translation>&quot;%1&quot; is too large</translation>
    </message>
    <message>
        <source>Das Modell wird zu groß (mehr als %1 Punkte oder %2 Flächenecken), der Rest fehlt</source>
        <translation>The model is getting too large (more than %1 points or %2 face corners); the rest is left out</translation>
    </message>
    <message>
        <source>Ecke %1 gibt es hier nicht (%2 Punkt)</source>
        <translation>There is no corner %1 here (%2 point)</translation>
    </message>
    <message>
        <source>Ecke %1 gibt es hier nicht (%2 Punkte)</source>
        <translation>There is no corner %1 here (%2 points)</translation>
    </message>
    <message>
        <source>Prototyp &quot;%1&quot; ruft sich selbst auf</source>
        <translation>Prototype &quot;%1&quot; calls itself</translation>
    </message>
    <message>
        <source>Prototyp &quot;%1&quot; ist hier noch nicht definiert</source>
        <translation>Prototype &quot;%1&quot; is not defined yet at this point</translation>
    </message>
    <message>
        <source>Polygon mit %1 Ecken gibt %2 an</source>
        <translation>Polygon with %1 corners gives %2</translation>
    </message>
    <message>
        <source>ClumpEnd ohne ClumpBegin</source>
        <translation>ClumpEnd without ClumpBegin</translation>
    </message>
    <message>
        <source>TransformEnd ohne TransformBegin</source>
        <translation>TransformEnd without TransformBegin</translation>
    </message>
    <message>
        <source>ProtoBegin braucht einen Namen</source>
        <translation>ProtoBegin needs a name</translation>
    </message>
    <message>
        <source>ProtoBegin in einem Clump</source>
        <translation>ProtoBegin inside a clump</translation>
    </message>
    <message>
        <source>ProtoBegin in einem Prototyp</source>
        <translation>ProtoBegin inside a prototype</translation>
    </message>
    <message>
        <source>ProtoEnd ohne ProtoBegin</source>
        <translation>ProtoEnd without ProtoBegin</translation>
    </message>
    <message>
        <source>ClumpBegin ohne ClumpEnd</source>
        <translation>ClumpBegin without ClumpEnd</translation>
    </message>
    <message>
        <source>%1 braucht einen Namen</source>
        <translation>%1 needs a name</translation>
    </message>
    <message>
        <source>MaterialEnd ohne MaterialBegin</source>
        <translation>MaterialEnd without MaterialBegin</translation>
    </message>
    <message>
        <source>Block mit einem Maß von 0 oder darunter</source>
        <translation>Block with a dimension of 0 or less</translation>
    </message>
    <message>
        <source>%1 mit einer Höhe von 0 oder darunter</source>
        <translation>%1 with a height of 0 or less</translation>
    </message>
    <message>
        <source>%1 mit einem Radius von 0 oder darunter</source>
        <translation>%1 with a radius of 0 or less</translation>
    </message>
    <message>
        <source>%1 mit weniger als 3 Seiten</source>
        <translation>%1 with fewer than 3 sides</translation>
    </message>
    <message>
        <source>%1 mit %2, außerhalb von 0 bis 1</source>
        <translation>%1 with %2, outside 0 to 1</translation>
    </message>
    <message>
        <source>%1 ohne #! davor: ältere Browser lehnen das ganze Modell ab</source>
        <translation>%1 without #! in front: older browsers reject the whole model</translation>
    </message>
    <message>
        <source>ProtoBegin ohne ProtoEnd</source>
        <translation>ProtoBegin without ProtoEnd</translation>
    </message>
    <message>
        <source>TransformBegin ohne TransformEnd</source>
        <translation>TransformBegin without TransformEnd</translation>
    </message>
    <message>
        <source>MaterialBegin ohne MaterialEnd</source>
        <translation>MaterialBegin without MaterialEnd</translation>
    </message>
    <message>
        <source>Da stimmt was nicht</source>
        <translation>Something is wrong here</translation>
    </message>
    <message>
        <source>Punkt wie in Zeile %1 (gleiche Lage und UV)</source>
        <translation>Point as in line %1 (same position and UV)</translation>
    </message>
    <message>
        <source>Fläche mit Textur, aber ihr Punkt in Zeile %1 hat kein UV</source>
        <translation>Textured face, but its point in line %1 has no UV</translation>
    </message>
    <message>
        <source>Fläche ohne Inhalt: ihre Ecken liegen an einer Stelle</source>
        <translation>Face without area: its corners lie at one spot</translation>
    </message>
    <message>
        <source>Fläche ohne Inhalt: ihre Ecken liegen auf einer Linie</source>
        <translation>Face without area: its corners lie on one line</translation>
    </message>
    <message>
        <source>Fläche liegt nicht in einer Ebene: eine Ecke liegt %1 % ihrer Weite daneben</source>
        <translation>Face does not lie in one plane: a corner is off it by %1 % of its width</translation>
    </message>
    <message>
        <source>Fläche zeigt anders herum als die in Zeile %1: eine gemeinsame Kante läuft in beiden gleich herum</source>
        <translation>Face points the other way from the one in line %1: a shared edge runs the same way in both</translation>
    </message>
    <message>
        <source>Punkt wird von keiner Fläche benutzt</source>
        <translation>Point is not used by any face</translation>
    </message>
    <message>
        <source>Der 1.Clump enthält fast %1
Das paßt mir aber garnicht</source>
        <translation>The 1st Clump holds almost %1
I don&apos;t like that at all</translation>
    </message>
    <message>
        <source>10000 Punkte</source>
        <translation>10000 points</translation>
    </message>
    <message>
        <source>10000 Dreiecke</source>
        <translation>10000 triangles</translation>
    </message>
    <message>
        <source>Dreieck 1000</source>
        <translation>Triangle 1000</translation>
    </message>
    <message>
        <source>10000 Vierecke</source>
        <translation>10000 quads</translation>
    </message>
    <message>
        <source>1000 Polygone</source>
        <translation>1000 polygons</translation>
    </message>
    <message>
        <source>ClumpEnd fehlt</source>
        <translation>ClumpEnd missing</translation>
    </message>
    <message>
        <source>ClumpBegin vor ModelBegin</source>
        <translation>ClumpBegin before ModelBegin</translation>
    </message>
    <message>
        <source>Programm works with only one Clump</source>
        <translation>The program works with only one Clump</translation>
    </message>
    <message>
        <source>ClumpEnd zu früh</source>
        <translation>ClumpEnd too early</translation>
    </message>
    <message>
        <source>Befehlsliste konnte nicht geladen werden !
...Fehlerkontrolle nicht möglich.!
Hinweis: Wenn Sie das stört, so sorgen Sie dafür,
               das sich die Datei ´Befehle.txt´ in ihrem 
               NukViewer-Arbeitsverzeichnis befindet.</source>
        <translation>Command list could not be loaded !
...No error checking possible.!
Note: If this bothers you, please make sure
               that the file ´Befehle.txt´ is in your 
               NukViewer working folder.</translation>
    </message>
    <message>
        <source>Vertex%1  x:%2  y:%3  z:%4</source>
        <translation>Vertex%1  x:%2  y:%3  z:%4</translation>
    </message>
    <message>
        <source>Zeile%1  x:%2  y:%3  z:%4</source>
        <translation>Line%1  x:%2  y:%3  z:%4</translation>
    </message>
    <message>
        <source>Position  x:%1  y:%2</source>
        <translation>Position  x:%1  y:%2</translation>
    </message>
    <message>
        <source>Creieren Sie bitte erst mal ein paar Punkte</source>
        <translation>Please create a few points first</translation>
    </message>
    <message>
        <source>So nich!!</source>
        <translation>Not like that!!</translation>
    </message>
    <message>
        <source>Hierarchie wurde als fehlerhaft eingestuft,
da %1</source>
        <translation>The hierarchy was judged faulty,
since %1</translation>
    </message>
    <message>
        <source>Hierarchie wurde als fehlerhaft eingestuft,
da %1
Zeile %2</source>
        <translation>The hierarchy was judged faulty,
since %1
Line %2</translation>
    </message>
    <message>
        <source>erste Hiro-Anweisung ungleich ModelBegin</source>
        <translation>the first hierarchy command is not ModelBegin</translation>
    </message>
    <message>
        <source>letzte Hiro-Anweisung ungleich ModelEnd</source>
        <translation>the last hierarchy command is not ModelEnd</translation>
    </message>
    <message>
        <source>ModelBegin mehrfach</source>
        <translation>ModelBegin occurs more than once</translation>
    </message>
    <message>
        <source>ModelEnd mehrfach</source>
        <translation>ModelEnd occurs more than once</translation>
    </message>
    <message>
        <source>mehr ClumpBegin als ClumpEnd</source>
        <translation>there are more ClumpBegin than ClumpEnd</translation>
    </message>
    <message>
        <source>Hierarchie akzeptabel</source>
        <translation>Hierarchy acceptable</translation>
    </message>
    <message>
        <source>Geometrie: alles in Ordnung</source>
        <translation>Geometry: all is well</translation>
    </message>
    <message>
        <source>Geometrie: %1 Befund</source>
        <translation>Geometry: %1 finding</translation>
    </message>
    <message>
        <source>Geometrie: %1 Befunde</source>
        <translation>Geometry: %1 findings</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Maske &quot;%1&quot; gibt es nicht</source>
        <translation>Mask &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Textur &quot;%1&quot; gibt es nicht</source>
        <translation>Texture &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Neu - %1</source>
        <translation>Untitled - %1</translation>
    </message>
    <message>
        <source>Eben nich</source>
        <translation>Well, no</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht vollständig gelesen.
Speichern würde den Rest der Datei löschen, also lass ich das.
Mit &quot;Speichern als&quot; kommen die Zeilen unter einem anderen Namen auf die Platte.</source>
        <translation>The file was not read completely.
Saving would delete the rest of the file, so I&apos;ll leave that alone.
With &quot;Save As&quot; the lines go onto the disk under another name.</translation>
    </message>
    <message>
        <source>Die geänderten Zeilen lassen sich nicht ganz lesen, also bleibt alles, wie es war.</source>
        <translation>The changed lines cannot be read completely, so everything stays as it was.</translation>
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
        <source>Für ein Dreieck markieren Sie bitte genau 3 Punkte; markiert sind %1.</source>
        <translation>For a triangle, please mark exactly 3 points; you have marked %1.</translation>
    </message>
    <message>
        <source>Für ein Viereck markieren Sie bitte genau 4 Punkte; markiert sind %1.</source>
        <translation>For a quad, please mark exactly 4 points; you have marked %1.</translation>
    </message>
    <message>
        <source>Für ein Polygon markieren Sie bitte mindestens 3 Punkte; markiert sind %1.</source>
        <translation>For a polygon, please mark at least 3 points; you have marked %1.</translation>
    </message>
    <message>
        <source>Die markierten Punkte liegen in verschiedenen Clumps; ein Objekt nimmt nur Punkte seines Clumps.</source>
        <translation>The marked points lie in different clumps; an object only takes points of its own clump.</translation>
    </message>
    <message>
        <source>Verändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Es wird auch 1 Objekt gelöscht, das gelöschte Punkte benutzt. Trotzdem löschen?</source>
        <translation>1 object that uses deleted points will be deleted too. Delete anyway?</translation>
    </message>
    <message>
        <source>Es werden auch %1 Objekte gelöscht, die gelöschte Punkte benutzen. Trotzdem löschen?</source>
        <translation>%1 objects that use deleted points will be deleted too. Delete anyway?</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>nukcheck</name>
    <message>
        <source>Aufruf: nukcheck [--befehle DATEI] [--ohne-modell] [--ohne REGEL,...] [--nur REGEL,...]
                 [--texturen ORDNER] [-j N] [--json | --sarif | --dump] DATEI|ORDNER...
</source>
        <translation>Usage: nukcheck [--befehle FILE] [--ohne-modell] [--ohne RULE,...] [--nur RULE,...]
                [--texturen FOLDER] [-j N] [--json | --sarif | --dump] FILE|FOLDER...
</translation>
    </message>
    <message>
        <source>
Liest jede RWX-Datei wie &quot;Öffnen&quot; im NukViewer, prüft die Hierarchie
(ModelBegin/ClumpBegin/ClumpEnd/ModelEnd) und jede Zeile gegen die Liste der
erlaubten Befehlswörter, liest das ganze Modell (jeden Clump, jede
Transformation, jeden Prototyp und Grundkörper) und hält es an die Regeln,
die Welten an Modelle stellen. &quot;-&quot; als DATEI liest die Standardeingabe; ein
ORDNER steht für jede .rwx-Datei darunter, auch in .zip-Archiven.

  --befehle DATEI  Befehlsliste (Vorgabe: befehle.txt neben nukcheck, sonst
                   im Datenordner ../share/nukviewer/)
  --ohne-modell    nur die Prüfungen des Viewers, ohne das ganze Modell
  --ohne REGELN    diese Regeln (durch Kommas getrennt) nicht prüfen
  --nur REGELN     nur diese Regeln prüfen
  --texturen ORDNER  Texturen und Masken dort suchen und ihre Größe prüfen
  -j N             N Dateien zugleich (Vorgabe: alle Kerne)
  --json           je Datei ein JSON-Objekt in einer Zeile (JSON Lines)
  --sarif          ein SARIF-2.1.0-Protokoll für den ganzen Lauf
  --dump           Maschinenform: Meldungen, Zeilen, Tabellen, Urteile
  --version        Name und Version
  --help           diese Hilfe

Ausgabe (Standardausgabe): DATEI:ZEILE: Text je Befund, nach Zeilen geordnet
(Meldung des Lesers, fehlerhafte Hierarchie, Zeile mit unbekanntem
Befehlswort oder unzulässigem Zeichen, Befund am ganzen Modell, Regel mit
ihrer Kennung in eckigen Klammern), dann je Datei: DATEI: Zeilen N, Punkte N,
...; Modell: Clumps N, Punkte N, Flächen N: OK oder N Probleme (N Fehler,
N Warnungen, N Hinweise).
&quot;# nukcheck: ohne REGEL&quot; schaltet eine Regel für ihre Zeile ab, vor
ModelBegin für die ganze Datei.
Steuerzeichen aus der Datei erscheinen als \xHH. Meldungen zum Lauf (Datei
oder Befehlsliste nicht lesbar, falsche Option) gehen auf die Fehlerausgabe.

Ende: 0 alles in Ordnung (Hinweise allein zählen nicht), 1 Fehler oder
Warnungen, 2 Datei oder Befehlsliste nicht lesbar, Lesen abgebrochen oder
falscher Aufruf.
</source>
        <translation>
Reads each RWX file as &quot;Open&quot; in NukViewer does, checks the hierarchy
(ModelBegin/ClumpBegin/ClumpEnd/ModelEnd) and each line against the list of
allowed command words, reads the whole model (every clump, transform,
prototype and primitive) and holds it to the rules that worlds set for
models. &quot;-&quot; as FILE reads standard input; a FOLDER stands for every .rwx file
below it, in .zip archives too.

  --befehle FILE   command list (default: befehle.txt beside nukcheck, else
                   in the data folder ../share/nukviewer/)
  --ohne-modell    only the viewer&apos;s checks, without the whole model
  --ohne RULES     do not check these rules (separated by commas)
  --nur RULES      check only these rules
  --texturen FOLDER  look for textures and masks there and check their size
  -j N             N files at once (default: all cores)
  --json           one JSON object per file on one line (JSON Lines)
  --sarif          one SARIF 2.1.0 log for the whole run
  --dump           machine form: messages, rows, tables, verdicts
  --version        name and version
  --help           this help

Output (standard output): FILE:LINE: text for each finding, in line order
(reader message, faulty hierarchy, line with an unknown command word or an
invalid character, finding in the whole model, rule with its id in square
brackets), then for each file: FILE: lines N, points N, ...; model:
clumps N, vertices N, faces N: OK or N problems (N errors, N warnings,
N notes).
&quot;# nukcheck: ohne RULE&quot; switches a rule off for its line, before ModelBegin
for the whole file.
Control characters from the file appear as \xHH. Messages about the run
(file or command list not readable, wrong option) go to standard error.

Exit status: 0 all is well (notes alone do not count), 1 errors or warnings,
2 file or command list not readable, reading aborted or wrong usage.
</translation>
    </message>
    <message>
        <source>unbekannte Regel &quot;%1&quot;; es gibt:</source>
        <translation>unknown rule &quot;%1&quot;; there are:</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>file not readable</translation>
    </message>
    <message>
        <source>%1 braucht eine Datei</source>
        <translation>%1 needs a file</translation>
    </message>
    <message>
        <source>%1 braucht einen Ordner</source>
        <translation>%1 needs a folder</translation>
    </message>
    <message>
        <source>%1 braucht Regeln</source>
        <translation>%1 needs rules</translation>
    </message>
    <message>
        <source>%1 braucht eine Zahl</source>
        <translation>%1 needs a number</translation>
    </message>
    <message>
        <source>-j braucht eine Zahl von 1 bis 1024</source>
        <translation>-j needs a number from 1 to 1024</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>keine Datei angegeben</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>nur eine von --json, --sarif und --dump</source>
        <translation>only one of --json, --sarif and --dump</translation>
    </message>
    <message>
        <source>Befehlsliste %1 nicht lesbar</source>
        <translation>command list %1 not readable</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien</source>
        <translation>%1 of %2 files</translation>
    </message>
    <message>
        <source>unbekanntes Befehlswort &quot;%1&quot;: %2</source>
        <translation>unknown command word &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>unzulässiges Zeichen &quot;%1&quot;: %2</source>
        <translation>invalid character &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Zeilen %1, Punkte %2, Dreiecke %3, Vierecke %4, Polygone %5</source>
        <translation>lines %1, points %2, triangles %3, quads %4, polygons %5</translation>
    </message>
    <message>
        <source>; Modell: Clumps %1, Punkte %2, Flächen %3</source>
        <translation>; model: clumps %1, vertices %2, faces %3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>1 Problem</source>
        <translation>1 problem</translation>
    </message>
    <message>
        <source>%1 Probleme</source>
        <translation>%1 problems</translation>
    </message>
    <message>
        <source>1 Fehler</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>%1 Fehler</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>1 Warnung</source>
        <translation>1 warning</translation>
    </message>
    <message>
        <source>%1 Warnungen</source>
        <translation>%1 warnings</translation>
    </message>
    <message>
        <source>1 Hinweis</source>
        <translation>1 note</translation>
    </message>
    <message>
        <source>%1 Hinweise</source>
        <translation>%1 notes</translation>
    </message>
    <message>
        <source>Maske &quot;%1&quot; gibt es in %2 nicht</source>
        <translation>Mask &quot;%1&quot; not found in %2</translation>
    </message>
    <message>
        <source>Textur &quot;%1&quot; gibt es in %2 nicht</source>
        <translation>Texture &quot;%1&quot; not found in %2</translation>
    </message>
    <message>
        <source>Textur &quot;%1&quot; ist %2 x %3 groß: jede Seite soll eine Zweierpotenz bis 512 sein</source>
        <translation>Texture &quot;%1&quot; is %2 x %3: each side should be a power of two up to 512</translation>
    </message>
</context>
</TS>
