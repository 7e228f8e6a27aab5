<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
</TS>
