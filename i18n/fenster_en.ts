<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Fenster</name>
    <message>
        <source>Aufruf: nukview [DATEI]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Zeigt ein RWX-Modell als Drahtmodell, das sich drehen, schieben und
vergrößern lässt, markiert Punkte und Objekte des ersten Clumps, prüft die
Hierarchie und jede Zeile und speichert den Text zurück. Mit DATEI wird
diese Datei gleich geöffnet, wie über &quot;Öffnen&quot;.

  --help     diese Hilfe
  --version  Name und Version

Die Optionen von Qt (etwa -platform) gelten weiter.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur eine Datei</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
