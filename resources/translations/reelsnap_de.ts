<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (Ctrl+O)&lt;/small&gt;</source>
        <translation>Filme hier ablegen&lt;br&gt;&lt;small&gt;oder einen mit Datei ▸ Film öffnen … (Ctrl+O) öffnen&lt;/small&gt;</translation>
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
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Reelsnap Preferences</source>
        <translation>Reelsnap-Einstellungen</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Erstes Bild:</translation>
    </message>
    <message>
        <source>Last frame:</source>
        <translation>Letztes Bild:</translation>
    </message>
    <message>
        <source>last of the movie</source>
        <translation>letztes des Films</translation>
    </message>
    <message>
        <source>Take every:</source>
        <translation>Jedes n-te:</translation>
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
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>JPEG 2000</source>
        <translation>JPEG 2000</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
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
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>100 percent</source>
        <translation>100 Prozent</translation>
    </message>
    <message>
        <source>Pad frame numbers with zeros</source>
        <translation>Bildnummern mit Nullen auffüllen</translation>
    </message>
    <message>
        <source>Append the frame count to the names</source>
        <translation>Bildanzahl an die Namen anhängen</translation>
    </message>
    <message>
        <source>Preserve dates</source>
        <translation>Datum übernehmen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Always copy to:</source>
        <translation>Immer kopieren nach:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Quit when done</source>
        <translation>Nach Abschluss beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
