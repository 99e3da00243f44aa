<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LocalizedStrings</name>
    <message>
        <source>Drop a movie file on the application or this window to process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reelsnap does not process folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%d of %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bye.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie &quot;%1&quot; has %2 frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the movie frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No frame of “%1” could be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View in Ondrel &amp;Website...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View in &amp;Software Centre...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Reelsnap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns a movie into still images, one per frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built on these libraries, in use now:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FFmpeg libraries are licensed under the %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reelsnap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (Ctrl+O)&lt;/small&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Movie…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count Frames…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reelsnap &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Reelsnap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Reelsnap Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last of the movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pad frame numbers with zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append the frame count to the names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preserve dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always copy to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit when done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
