<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1: frame %2 of %3, %4 frames/s, %5 s left</source>
        <translation>%1: Bild %2 von %3, %4 Bilder/s, noch %5 s</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>not a movie, or cannot be read</source>
        <translation>kein Film oder nicht lesbar</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no frame could be decoded</source>
        <translation>kein Bild konnte dekodiert werden</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>First frame index (default 1).</source>
        <translation>Nummer des ersten Bildes (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Last frame index (default: the movie&apos;s last).</source>
        <translation>Nummer des letzten Bildes (Vorgabe: das letzte des Films).</translation>
    </message>
    <message>
        <source>Take every Nth frame index (default 1).</source>
        <translation>Jede N-te Bildnummer nehmen (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Image size in percent, 1 to 100 (default 100).</source>
        <translation>Bildgröße in Prozent, 1 bis 100 (Vorgabe 100).</translation>
    </message>
    <message>
        <source>Pad indices with zeros to eight digits.</source>
        <translation>Nummern mit Nullen auf acht Stellen auffüllen.</translation>
    </message>
    <message>
        <source>Append the movie&apos;s frame count: frame_7 of 120.jpg.</source>
        <translation>Die Bildanzahl des Films anhängen: frame_7 of 120.jpg.</translation>
    </message>
    <message>
        <source>Date each file at the movie&apos;s creation time plus the frame&apos;s presentation time.</source>
        <translation>Jede Datei auf die Entstehungszeit des Films plus die Anzeigezeit des Bildes datieren.</translation>
    </message>
    <message>
        <source>Replace existing files of the same names.</source>
        <translation>Vorhandene Dateien gleichen Namens ersetzen.</translation>
    </message>
    <message>
        <source>Print each movie&apos;s frame count; write nothing.</source>
        <translation>Die Bildanzahl jedes Films ausgeben; nichts schreiben.</translation>
    </message>
    <message>
        <source>Encode with N workers (default: one a core, at most 8).</source>
        <translation>Mit N Arbeitern kodieren (Vorgabe: einer je Kern, höchstens 8).</translation>
    </message>
    <message>
        <source>Say nothing but errors.</source>
        <translation>Nur Fehler melden.</translation>
    </message>
    <message>
        <source>The movies to take frames from.</source>
        <translation>Die Filme, deren Bilder geschrieben werden.</translation>
    </message>
    <message>
        <source>try --help</source>
        <translation>siehe --help</translation>
    </message>
    <message>
        <source>no movie given</source>
        <translation>kein Film angegeben</translation>
    </message>
    <message>
        <source>--step takes a number from 1 to 32767</source>
        <translation>--step erwartet eine Zahl von 1 bis 32767</translation>
    </message>
    <message>
        <source>--scale takes a percentage from 1 to 100</source>
        <translation>--scale erwartet einen Prozentwert von 1 bis 100</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs erwartet eine Zahl von 1 bis 64</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation>
            <numerusform>%1: %n Bild</numerusform>
            <numerusform>%1: %n Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n Bild geschrieben</numerusform>
            <numerusform>%n Bilder geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <translation>
            <numerusform>%n behalten</numerusform>
            <numerusform>%n behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n misslungen</numerusform>
            <numerusform>%n misslungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not decoded</source>
        <translation>
            <numerusform>%n nicht dekodiert</numerusform>
            <numerusform>%n nicht dekodiert</numerusform>
        </translation>
    </message>
    <message>
        <source>too large: more than %1 frames</source>
        <translation>zu groß: mehr als %1 Bilder</translation>
    </message>
    <message>
        <source>no video stream</source>
        <translation>keine Videospur</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame(s)</source>
        <translation>
            <numerusform>%1: nichts ausgewählt: Bilder ab %2 wurden verlangt, und der Film hat %n Bild</numerusform>
            <numerusform>%1: nichts ausgewählt: Bilder ab %2 wurden verlangt, und der Film hat %n Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kept %n existing file(s); --overwrite replaces them</source>
        <translation>
            <numerusform>%n vorhandene Datei behalten; --overwrite ersetzt sie</numerusform>
            <numerusform>%n vorhandene Dateien behalten; --overwrite ersetzt sie</numerusform>
        </translation>
    </message>
    <message>
        <source>--output takes a folder</source>
        <translation>--output erwartet einen Ordner</translation>
    </message>
    <message>
        <source>--first %1 is after --last %2: no frame is selected</source>
        <translation>--first %1 liegt nach --last %2: kein Bild ist ausgewählt</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--quality takes low, medium, high or a number from 1 to 100</source>
        <translation>--quality erwartet low, medium, high oder eine Zahl von 1 bis 100</translation>
    </message>
    <message numerus="yes">
        <source>%n listed past the movie&apos;s end</source>
        <translation>
            <numerusform>%n nach dem Filmende aufgeführt</numerusform>
            <numerusform>%n nach dem Filmende aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the frame shown every S seconds from the first frame&apos;s time; S is a decimal or [[H:]M:]S[.fff].</source>
        <translation>Das Bild nehmen, das alle S Sekunden ab der Zeit des ersten Bildes gezeigt wird; S ist eine Dezimalzahl oder [[H:]M:]S[.fff].</translation>
    </message>
    <message>
        <source>Take every key frame.</source>
        <translation>Jedes Schlüsselbild nehmen.</translation>
    </message>
    <message>
        <source>Take N frames spread evenly from the first to the last.</source>
        <translation>N Bilder gleichmäßig verteilt vom ersten bis zum letzten nehmen.</translation>
    </message>
    <message>
        <source>Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a line.</source>
        <translation>Die aufgeführten Bilder nehmen: Nummern und Bereiche (1,50,100-120), oder @DATEI mit einem Eintrag je Zeile.</translation>
    </message>
    <message>
        <source>Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a line.</source>
        <translation>Die Bilder nehmen, die zu den aufgeführten Zeiten gezeigt werden (12.5,1:02:03.250), oder @DATEI mit einer Zeit je Zeile.</translation>
    </message>
    <message>
        <source>Take the first frame and the first frame of each scene.</source>
        <translation>Das erste Bild und das erste Bild jeder Szene nehmen.</translation>
    </message>
    <message>
        <source>With --scenes: the least scene score of a cut, 0 to 100 (default 10).</source>
        <translation>Mit --scenes: der kleinste Szenenwert eines Schnitts, 0 bis 100 (Vorgabe 10).</translation>
    </message>
    <message>
        <source>--%1 and --%2 choose frames two ways: give one</source>
        <translation>--%1 und --%2 wählen Bilder auf zwei Arten: nur eine angeben</translation>
    </message>
    <message>
        <source>--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]</source>
        <translation>--every-seconds erwartet eine Zeit über 0: eine Dezimalzahl oder [[H:]M:]S[.fff]</translation>
    </message>
    <message>
        <source>--times: “%1” is not a time</source>
        <translation>--times: „%1“ ist keine Zeit</translation>
    </message>
    <message>
        <source>--frames: “%1” is not a frame index or range</source>
        <translation>--frames: „%1“ ist keine Bildnummer und kein Bereich</translation>
    </message>
    <message>
        <source>--scene-threshold takes a number from 0 to 100, with --scenes</source>
        <translation>--scene-threshold erwartet eine Zahl von 0 bis 100, zusammen mit --scenes</translation>
    </message>
    <message>
        <source>Name files by TEMPLATE, the type&apos;s extension after it: {index} (as --pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the frame&apos;s place among those taken).</source>
        <translation>Dateien nach VORLAGE benennen, die Endung des Typs dahinter: {index} (wie --pad es sagt), {index:W} (W Stellen), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (die Stelle des Bildes unter den genommenen).</translation>
    </message>
    <message>
        <source>--name: %1</source>
        <translation>--name: %1</translation>
    </message>
    <message>
        <source>%1: frame %2 could not be decoded</source>
        <translation>%1: Bild %2 konnte nicht dekodiert werden</translation>
    </message>
    <message numerus="yes">
        <source>%n selected frame(s) could not be decoded</source>
        <translation>
            <numerusform>%n ausgewähltes Bild konnte nicht dekodiert werden</numerusform>
            <numerusform>%n ausgewählte Bilder konnten nicht dekodiert werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Writes a movie&apos;s frames as image files, one per selected frame, named frame_7.jpg
and so on. Frame i is the movie&apos;s i-th frame in display order, counted from 1;
the selected frames are the multiples of the step from the first to the last,
or those that --every-seconds, --key-frames, --spread, --frames, --times or
--scenes choose. An existing file is never replaced without --overwrite.

Exit status: 0 when every selected frame of every movie was written or was there
already; 1 when any movie failed or any selected frame could not be decoded or
written (the others are still done); 2 for a usage error; 128 and the signal&apos;s
number after SIGINT, SIGTERM or SIGHUP (130, 143, 129).</source>
        <translation>Schreibt die Bilder eines Films als Bilddateien, eine je ausgewähltem Bild, benannt
frame_7.jpg und so weiter. Bild i ist das i-te Bild des Films in Anzeigereihenfolge,
gezählt ab 1; ausgewählt sind die Vielfachen der Schrittweite vom ersten bis zum
letzten, oder die, die --every-seconds, --key-frames, --spread, --frames, --times
oder --scenes wählen. Eine vorhandene Datei wird ohne --overwrite nie ersetzt.

Rückgabewert: 0, wenn jedes ausgewählte Bild jedes Films geschrieben wurde oder schon
da war; 1, wenn ein Film misslang oder ein ausgewähltes Bild nicht dekodiert oder
geschrieben werden konnte (die anderen werden trotzdem fertig); 2 bei einem
Aufruffehler; 128 und die Nummer des Signals nach SIGINT, SIGTERM oder SIGHUP
(130, 143, 129).</translation>
    </message>
    <message>
        <source>Write into DIR (default: the current folder); with several movies, --from or --shard, each into a folder named after the movie, and &quot;clip (2)&quot;, &quot;clip (3)&quot; ... for later movies of the same name.</source>
        <translation>In DIR schreiben (Vorgabe: der aktuelle Ordner); bei mehreren Filmen, --from oder --shard jeden in einen Ordner mit dem Namen des Films, und „clip (2)“, „clip (3)“ … für spätere Filme gleichen Namens.</translation>
    </message>
    <message>
        <source>Take the movies listed in FILE, one a line (- for standard input), after those given.</source>
        <translation>Die in DATEI aufgeführten Filme nehmen, einen je Zeile (- für die Standardeingabe), nach den angegebenen.</translation>
    </message>
    <message>
        <source>With --from: the list&apos;s names end with NUL, as find -print0 writes them.</source>
        <translation>Mit --from: die Namen der Liste enden mit NUL, wie find -print0 sie schreibt.</translation>
    </message>
    <message>
        <source>Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 &lt;= K &lt;= N. In a Slurm job array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.</source>
        <translation>Nur den K-ten von N verzahnten Anteilen der Filme nehmen (K, K+N, K+2N …), 1 &lt;= K &lt;= N. In einem Slurm-Job-Array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; bei Task-IDs ab 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.</translation>
    </message>
    <message>
        <source>Write each movie&apos;s frames into DIR/ and its path below BASE without its extension (a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails.</source>
        <translation>Die Bilder jedes Films nach DIR/ und seinem Pfad unterhalb von BASIS ohne Endung schreiben (a/clip.mp4: DIR/a/clip/), wie auch immer die Filme aufgeteilt sind; ein Film außerhalb von BASIS misslingt.</translation>
    </message>
    <message>
        <source>Write records on standard output, one JSON object a line: one per frame written or kept, one at each movie&apos;s end.</source>
        <translation>Protokolle auf die Standardausgabe schreiben, ein JSON-Objekt je Zeile: eines je geschriebenem oder behaltenem Bild, eines am Ende jedes Films.</translation>
    </message>
    <message>
        <source>--null goes with --from</source>
        <translation>--null gehört zu --from</translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N</source>
        <translation>--shard erwartet K/N mit 1 &lt;= K &lt;= N</translation>
    </message>
    <message>
        <source>--tree takes a folder</source>
        <translation>--tree erwartet einen Ordner</translation>
    </message>
    <message>
        <source>is not inside %1 (--tree)</source>
        <translation>liegt nicht in %1 (--tree)</translation>
    </message>
    <message>
        <source>its folder %1 is that of %2</source>
        <translation>sein Ordner %1 ist der von %2</translation>
    </message>
    <message>
        <source>--depth takes 8 or 16</source>
        <translation>--depth erwartet 8 oder 16</translation>
    </message>
    <message>
        <source>HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always tone-mapped.</source>
        <translation>HDR-Filme: tonemap (Vorgabe) bildet sie auf SDR ab, keep behält ihre PQ- oder HLG-Bilder als HDR in png (mit 16 Bit und einem cICP-Block), avif und jxl, als BT.2020 gekennzeichnet; andere Typen werden immer auf SDR abgebildet.</translation>
    </message>
    <message>
        <source>--hdr takes tonemap or keep</source>
        <translation>--hdr erwartet tonemap oder keep</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>konnte nicht in die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>%1: cannot read %2: %3</source>
        <translation>%1: %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>%1: %2 is larger than %3 MiB</source>
        <translation>%1: %2 ist größer als %3 MiB</translation>
    </message>
    <message>
        <source>--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) takes --null</source>
        <translation>--from: %1 enthält NUL-Bytes; eine Liste von Namen, die mit NUL enden (find -print0), braucht --null</translation>
    </message>
    <message>
        <source>%1: %2 holds NUL bytes</source>
        <translation>%1: %2 enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>--first takes a frame index from 1 to %1</source>
        <translation>--first erwartet eine Bildnummer von 1 bis %1</translation>
    </message>
    <message>
        <source>--last takes a frame index from 1 to %1</source>
        <translation>--last erwartet eine Bildnummer von 1 bis %1</translation>
    </message>
    <message>
        <source>--spread takes a number of frames from 1 to %1</source>
        <translation>--spread erwartet eine Bildanzahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--append-count does not go with --name: put {count} in the name</source>
        <translation>--append-count passt nicht zu --name: schreiben Sie {count} in den Namen</translation>
    </message>
    <message>
        <source>--depth 16: %1 files hold 8 bits a channel; written at 8</source>
        <translation>--depth 16: %1-Dateien fassen 8 Bit je Kanal; mit 8 Bit geschrieben</translation>
    </message>
    <message>
        <source>--hdr keep: %1 files cannot hold HDR; tone-mapped</source>
        <translation>--hdr keep: %1-Dateien können kein HDR fassen; tonabgebildet</translation>
    </message>
    <message>
        <source>%1: frame %2 is larger than %3 pixels a side, the most Reelsnap takes</source>
        <translation>%1: Bild %2 ist größer als %3 Pixel je Seite, das Höchste, was Reelsnap verarbeitet</translation>
    </message>
    <message>
        <source>%1 (default, or %2)</source>
        <translation>%1 (Vorgabe, oder %2)</translation>
    </message>
    <message>
        <source>%1 (or %2)</source>
        <translation>%1 (oder %2)</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 oder %2.</translation>
    </message>
    <message>
        <source>--type takes %1 or %2</source>
        <translation>--type erwartet %1 oder %2</translation>
    </message>
    <message>
        <source>%1: the date the movie records is none that a file can hold; left out of the metadata</source>
        <translation>%1: das Datum, das der Film nennt, kann keine Datei tragen; in den Metadaten ausgelassen</translation>
    </message>
    <message>
        <source>%1: the place the movie records cannot be read; left out of the metadata</source>
        <translation>%1: der Ort, den der Film nennt, ist nicht lesbar; in den Metadaten ausgelassen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>For %1: low, medium (default) or high as in the window, or a number from 1 to 100 (high and 100: %2 lossless).</source>
        <translation>Für %1: low, medium (Vorgabe) oder high wie im Fenster, oder eine Zahl von 1 bis 100 (high und 100: %2 verlustfrei).</translation>
    </message>
    <message>
        <source>Bits a channel for %1: 8 (default) or 16, which keeps the levels of 10-bit and deeper movies (8-bit movies stay 8-bit).</source>
        <translation>Bit je Kanal für %1: 8 (Vorgabe) oder 16, das die Stufen von Filmen mit 10 und mehr Bit behält (8-Bit-Filme bleiben 8 Bit).</translation>
    </message>
    <message>
        <source>Write the frame&apos;s time and source into each file (%1): the movie&apos;s creation time plus the frame&apos;s time as EXIF DateTimeOriginal, the movie&apos;s name, the frame&apos;s index and time as XMP, and the place the movie was recorded, which is copied as EXIF GPS where the movie has one.</source>
        <translation>Zeit und Herkunft des Bildes in jede Datei schreiben (%1): die Entstehungszeit des Films plus die Zeit des Bildes als EXIF DateTimeOriginal, den Namen des Films, Nummer und Zeit des Bildes als XMP, und den Ort, an dem der Film aufgenommen wurde, der als EXIF GPS kopiert wird, wo der Film einen hat.</translation>
    </message>
</context>
<context>
    <name>LocalizedStrings</name>
    <message>
        <source>Drop a movie file on the application or this window to process.</source>
        <translation>Ziehen Sie eine Filmdatei auf das Programm oder dieses Fenster, um sie zu verarbeiten.</translation>
    </message>
    <message>
        <source>Reelsnap does not process folders.</source>
        <translation>Reelsnap verarbeitet keine Ordner.</translation>
    </message>
    <message>
        <source>(%d of %d)</source>
        <translation>(%d von %d)</translation>
    </message>
    <message>
        <source>Bye.</source>
        <translation>Tschüss.</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>The movie &quot;%1&quot; has %2 frames.</source>
        <translation>Der Film „%1“ hat %2 Bilder.</translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the movie frames.</source>
        <translation>Wählen Sie einen Zielordner für die Bilder des Films.</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the copy.</source>
        <translation>Wählen Sie einen Zielordner für die Kopie.</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>No frame of “%1” could be decoded.</source>
        <translation>Kein Bild von „%1“ konnte dekodiert werden.</translation>
    </message>
    <message>
        <source>Open Movie</source>
        <translation>Film öffnen</translation>
    </message>
    <message>
        <source>Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)</source>
        <translation>Filme (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>View in Ondrel &amp;Website...</source>
        <translation>Auf der Ondrel-&amp;Website ansehen …</translation>
    </message>
    <message>
        <source>View in &amp;Software Centre...</source>
        <translation>Im &amp;Software-Center ansehen …</translation>
    </message>
    <message>
        <source>About Reelsnap</source>
        <translation>Über Reelsnap</translation>
    </message>
    <message>
        <source>Turns a movie into still images, one per frame.</source>
        <translation>Macht aus einem Film Standbilder, eines je Bild.</translation>
    </message>
    <message>
        <source>Built on these libraries, in use now:</source>
        <translation>Gebaut auf diesen Bibliotheken, jetzt in Gebrauch:</translation>
    </message>
    <message>
        <source>The FFmpeg libraries are licensed under the %1.</source>
        <translation>Die FFmpeg-Bibliotheken stehen unter der Lizenz %1.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>frames in all</source>
        <translation>Bilder insgesamt</translation>
    </message>
    <message>
        <source>least scene score, 0 to 100</source>
        <translation>kleinster Szenenwert, 0 bis 100</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;</source>
        <translation>ein Name kann kein „/“ enthalten</translation>
    </message>
    <message>
        <source>a name cannot begin with &apos;.&apos;</source>
        <translation>ein Name kann nicht mit „.“ beginnen</translation>
    </message>
    <message>
        <source>it holds an unknown token or an unclosed brace</source>
        <translation>sie enthält einen unbekannten Platzhalter oder eine offene Klammer</translation>
    </message>
    <message>
        <source>it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart</source>
        <translation>sie braucht {index}, {time}, {ms}, {pts} oder {n}, um Bilder zu unterscheiden</translation>
    </message>
    <message>
        <source>Reelsnap is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Reelsnap ist freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>GPL version 2 or later</source>
        <translation>GPL Version 2 oder später</translation>
    </message>
    <message>
        <source>GPL version 3 or later</source>
        <translation>GPL Version 3 oder später</translation>
    </message>
    <message>
        <source>LGPL version 2.1 or later</source>
        <translation>LGPL Version 2.1 oder später</translation>
    </message>
    <message>
        <source>LGPL version 3 or later</source>
        <translation>LGPL Version 3 oder später</translation>
    </message>
    <message>
        <source>Choose Destination Folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Choose Copy Folder</source>
        <translation>Kopierordner wählen</translation>
    </message>
    <message>
        <source>“%1” is not a movie that Reelsnap can read.</source>
        <translation>„%1“ ist kein Film, den Reelsnap lesen kann.</translation>
    </message>
    <message>
        <source>Could not open “%1”: %2.</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>“%1” has no video to take frames from.</source>
        <translation>„%1“ enthält kein Video, aus dem Bilder entnommen werden können.</translation>
    </message>
    <message>
        <source>“%1” has more frames than Reelsnap can take.</source>
        <translation>„%1“ hat mehr Bilder, als Reelsnap verarbeiten kann.</translation>
    </message>
    <message>
        <source>frame %1 has the same name as frame %2, written before it</source>
        <translation>Bild %1 hat denselben Namen wie das zuvor geschriebene Bild %2</translation>
    </message>
    <message>
        <source>it makes names longer than a file name can be</source>
        <translation>es ergibt Namen, die länger sind, als ein Dateiname sein kann</translation>
    </message>
    <message>
        <source>not a time: 2.5, 1:30 or 1:02:03.250 seconds</source>
        <translation>keine Zeit: 2,5, 1:30 oder 1:02:03,250 Sekunden</translation>
    </message>
    <message>
        <source>not a whole number from 1</source>
        <translation>keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>not a score from 0 to 100</source>
        <translation>kein Wert von 0 bis 100</translation>
    </message>
    <message>
        <source>E&amp;very:</source>
        <translation>&amp;Alle:</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Bilder:</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwelle:</translation>
    </message>
    <message>
        <source>the image could not be encoded: %1</source>
        <translation>das Bild konnte nicht kodiert werden: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reelsnap</source>
        <translation>Reelsnap</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Open Movie…</source>
        <translation>Film ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Count Frames…</source>
        <translation>Bilder &amp;zählen …</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>Reelsnap &amp;Help</source>
        <translation>Reelsnap-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Frames written</source>
        <translation>Geschriebene Bilder</translation>
    </message>
    <message>
        <source>&amp;About Reelsnap</source>
        <translation>&amp;Über Reelsnap</translation>
    </message>
    <message>
        <source>Show &amp;Last Destination</source>
        <translation>&amp;Letztes Ziel zeigen</translation>
    </message>
    <message>
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (%1)&lt;/small&gt;</source>
        <translation>Filme hier ablegen&lt;br&gt;&lt;small&gt;oder einen mit Datei ▸ Film öffnen … (%1) öffnen&lt;/small&gt;</translation>
    </message>
    <message>
        <source>P&amp;ick Frames…</source>
        <translation>Bilder &amp;wählen …</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Pick Frames</source>
        <translation>Bilder wählen</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation>Bildnummer</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Zeit des Bildes</translation>
    </message>
    <message>
        <source>&amp;Go to:</source>
        <translation>&amp;Gehe zu:</translation>
    </message>
    <message>
        <source>frame or time</source>
        <translation>Bild oder Zeit</translation>
    </message>
    <message>
        <source>A frame number (120) or a time (1:02.5)</source>
        <translation>Eine Bildnummer (120) oder eine Zeit (1:02.5)</translation>
    </message>
    <message>
        <source>Go to frame or time</source>
        <translation>Gehe zu Bild oder Zeit</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>Mar&amp;kieren</translation>
    </message>
    <message>
        <source>C&amp;lear Marks</source>
        <translation>Markierungen &amp;löschen</translation>
    </message>
    <message>
        <source>Save Contact &amp;Sheet…</source>
        <translation>Kontakt&amp;abzug sichern …</translation>
    </message>
    <message>
        <source>E&amp;xtract Marked</source>
        <translation>Markierte e&amp;xtrahieren</translation>
    </message>
    <message>
        <source>Marked frames</source>
        <translation>Markierte Bilder</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>M&amp;arks</source>
        <translation>&amp;Markierungen</translation>
    </message>
    <message>
        <source>&amp;Next Frame</source>
        <translation>&amp;Nächstes Bild</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>&amp;Previous Frame</source>
        <translation>&amp;Vorheriges Bild</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Next &amp;Key Frame</source>
        <translation>Nächstes &amp;Schlüsselbild</translation>
    </message>
    <message>
        <source>Shift+Right</source>
        <translation>Shift+Right</translation>
    </message>
    <message>
        <source>Previous K&amp;ey Frame</source>
        <translation>Vorheriges Sc&amp;hlüsselbild</translation>
    </message>
    <message>
        <source>Shift+Left</source>
        <translation>Shift+Left</translation>
    </message>
    <message>
        <source>One &amp;Second Forward</source>
        <translation>Eine Sekunde v&amp;or</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>One Second &amp;Back</source>
        <translation>Eine Sekunde &amp;zurück</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>&amp;First Frame</source>
        <translation>&amp;Erstes Bild</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>&amp;Last Frame</source>
        <translation>&amp;Letztes Bild</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>&amp;Go To…</source>
        <translation>&amp;Gehe zu …</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark</source>
        <translation>&amp;Markieren oder aufheben</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>&amp;Clear Marks</source>
        <translation>Markierungen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Extract Marked</source>
        <translation>Markierte &amp;extrahieren</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Movie…</source>
        <translation>Film ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>last of the movie</source>
        <translation>letztes des Films</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>100 percent</source>
        <translation>100 Prozent</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Every Nth frame</source>
        <translation>Jedes n-te Bild</translation>
    </message>
    <message>
        <source>One frame every N seconds</source>
        <translation>Ein Bild alle N Sekunden</translation>
    </message>
    <message>
        <source>Key frames only</source>
        <translation>Nur Schlüsselbilder</translation>
    </message>
    <message>
        <source>N frames spread evenly</source>
        <translation>N gleichmäßig verteilte Bilder</translation>
    </message>
    <message>
        <source>Scene changes</source>
        <translation>Szenenwechsel</translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation>Bildnummer</translation>
    </message>
    <message>
        <source>Time in movie</source>
        <translation>Zeit im Film</translation>
    </message>
    <message>
        <source>PNG and TIFF files of 10-bit and deeper movies keep every level; 8-bit movies stay 8-bit.</source>
        <translation>PNG- und TIFF-Dateien von Filmen mit 10 und mehr Bit behalten jede Stufe; 8-Bit-Filme bleiben 8 Bit.</translation>
    </message>
    <message>
        <source>The movie&apos;s creation time plus the frame&apos;s time, the movie&apos;s name and the frame&apos;s number, and the place the movie was recorded, which is copied into each file.</source>
        <translation>Die Entstehungszeit des Films plus die Zeit des Bildes, der Name des Films und die Nummer des Bildes, und der Ort, an dem der Film aufgenommen wurde, der in jede Datei kopiert wird.</translation>
    </message>
    <message>
        <source>&amp;First frame:</source>
        <translation>&amp;Erstes Bild:</translation>
    </message>
    <message>
        <source>&amp;Last frame:</source>
        <translation>&amp;Letztes Bild:</translation>
    </message>
    <message>
        <source>&amp;Select:</source>
        <translation>A&amp;uswahl:</translation>
    </message>
    <message>
        <source>Take &amp;every:</source>
        <translation>&amp;Jedes n-te:</translation>
    </message>
    <message>
        <source>&amp;N:</source>
        <translation>&amp;N:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Na&amp;me files by:</source>
        <translation>&amp;Dateien benennen nach:</translation>
    </message>
    <message>
        <source>&amp;Pad frame numbers with zeros</source>
        <translation>&amp;Bildnummern mit Nullen auffüllen</translation>
    </message>
    <message>
        <source>&amp;Append the frame count to the names</source>
        <translation>Bild&amp;anzahl an die Namen anhängen</translation>
    </message>
    <message>
        <source>Preserve &amp;dates</source>
        <translation>Datum &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Write the frame&apos;s time and source into each file</source>
        <translation>&amp;Zeit und Herkunft des Bildes in jede Datei schreiben</translation>
    </message>
    <message>
        <source>&amp;Keep 16 bits for deep movies</source>
        <translation>&amp;16 Bit für Filme mit mehr Farbtiefe behalten</translation>
    </message>
    <message>
        <source>Always &amp;copy to:</source>
        <translation>&amp;Immer kopieren nach:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>Aus&amp;wählen …</translation>
    </message>
    <message>
        <source>Q&amp;uit when done</source>
        <translation>Nach Absc&amp;hluss beenden</translation>
    </message>
    <message>
        <source>HD&amp;R movies:</source>
        <translation>HD&amp;R-Filme:</translation>
    </message>
    <message>
        <source>PNG (at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR; other types are always tone-mapped.</source>
        <translation>PNG (mit 16 Bit), AVIF und JPEG XL behalten PQ- und HLG-Bilder als HDR; andere Typen werden immer auf SDR abgebildet.</translation>
    </message>
    <message>
        <source>Tone-map to SDR</source>
        <translation>Auf SDR abbilden</translation>
    </message>
    <message>
        <source>Keep HDR</source>
        <translation>HDR behalten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>reelsnap::Application</name>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n Bild geschrieben</numerusform>
            <numerusform>%n Bilder geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction stopped</source>
        <translation>Extraktion angehalten</translation>
    </message>
    <message>
        <source>Pick Frames</source>
        <translation>Bilder wählen</translation>
    </message>
</context>
<context>
    <name>reelsnap::DesktopNotices</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>reelsnap::PickerWindow</name>
    <message>
        <source>Pick Frames – %1</source>
        <translation>Bilder wählen – %1</translation>
    </message>
    <message>
        <source>Opening “%1”…</source>
        <translation>„%1“ wird geöffnet …</translation>
    </message>
    <message>
        <source>“%1” could not be opened as a movie.</source>
        <translation>„%1“ ließ sich nicht als Film öffnen.</translation>
    </message>
    <message>
        <source>“%1” is neither a frame number nor a time.</source>
        <translation>„%1“ ist weder eine Bildnummer noch eine Zeit.</translation>
    </message>
    <message>
        <source>Frame %1 could not be decoded.</source>
        <translation>Bild %1 ließ sich nicht decodieren.</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) marked</source>
        <translation>
            <numerusform>%n Bild markiert</numerusform>
            <numerusform>%n Bilder markiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation>Kontaktabzug sichern</translation>
    </message>
    <message>
        <source>Frames on the sheet:</source>
        <translation>Bilder auf dem Abzug:</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Bilder (*.%1)</translation>
    </message>
    <message>
        <source>Making the contact sheet…</source>
        <translation>Kontaktabzug wird erstellt …</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Contact sheet saved as “%1”.</source>
        <translation>Kontaktabzug als „%1“ gesichert.</translation>
    </message>
</context>
</TS>
