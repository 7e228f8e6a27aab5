<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>Da stimmt was nicht</source>
        <translation>Something is wrong here</translation>
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
