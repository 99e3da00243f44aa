<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: frame %2 of %3, %4 frames/s, %5 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a movie, or cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frame could be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First frame index (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last frame index (default: the movie&apos;s last).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take every Nth frame index (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image size in percent, 1 to 100 (default 100).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pad indices with zeros to eight digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append the movie&apos;s frame count: frame_7 of 120.jpg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date each file at the movie&apos;s creation time plus the frame&apos;s presentation time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace existing files of the same names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each movie&apos;s frame count; write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode with N workers (default: one a core, at most 8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say nothing but errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movies to take frames from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>try --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no movie given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step takes a number from 1 to 32767</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale takes a percentage from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation>
            <numerusform>%1: %n frame</numerusform>
            <numerusform>%1: %n frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n frame written</numerusform>
            <numerusform>%n frames written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <translation>
            <numerusform>%n kept</numerusform>
            <numerusform>%n kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not decoded</source>
        <translation>
            <numerusform>%n not decoded</numerusform>
            <numerusform>%n not decoded</numerusform>
        </translation>
    </message>
    <message>
        <source>too large: more than %1 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no video stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame(s)</source>
        <translation>
            <numerusform>%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame</numerusform>
            <numerusform>%1: nothing selected: frames from %2 on were asked for, and the movie has %n frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kept %n existing file(s); --overwrite replaces them</source>
        <translation>
            <numerusform>kept %n existing file; --overwrite replaces it</numerusform>
            <numerusform>kept %n existing files; --overwrite replaces them</numerusform>
        </translation>
    </message>
    <message>
        <source>--output takes a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--first %1 is after --last %2: no frame is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality takes low, medium, high or a number from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n listed past the movie&apos;s end</source>
        <translation>
            <numerusform>%n listed past the movie's end</numerusform>
            <numerusform>%n listed past the movie's end</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the frame shown every S seconds from the first frame&apos;s time; S is a decimal or [[H:]M:]S[.fff].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take every key frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take N frames spread evenly from the first to the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the first frame and the first frame of each scene.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --scenes: the least scene score of a cut, 0 to 100 (default 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 and --%2 choose frames two ways: give one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--times: “%1” is not a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--frames: “%1” is not a frame index or range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scene-threshold takes a number from 0 to 100, with --scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name files by TEMPLATE, the type&apos;s extension after it: {index} (as --pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the frame&apos;s place among those taken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: frame %2 could not be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n selected frame(s) could not be decoded</source>
        <translation>
            <numerusform>%n selected frame could not be decoded</numerusform>
            <numerusform>%n selected frames could not be decoded</numerusform>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write into DIR (default: the current folder); with several movies, --from or --shard, each into a folder named after the movie, and &quot;clip (2)&quot;, &quot;clip (3)&quot; ... for later movies of the same name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the movies listed in FILE, one a line (- for standard input), after those given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --from: the list&apos;s names end with NUL, as find -print0 writes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 &lt;= K &lt;= N. In a Slurm job array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each movie&apos;s frames into DIR/ and its path below BASE without its extension (a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write records on standard output, one JSON object a line: one per frame written or kept, one at each movie&apos;s end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--null goes with --from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tree takes a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not inside %1 (--tree)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is that of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--depth takes 8 or 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always tone-mapped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hdr takes tonemap or keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot read %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is larger than %3 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) takes --null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--first takes a frame index from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--last takes a frame index from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spread takes a number of frames from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--append-count does not go with --name: put {count} in the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--depth 16: %1 files hold 8 bits a channel; written at 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hdr keep: %1 files cannot hold HDR; tone-mapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: frame %2 is larger than %3 pixels a side, the most Reelsnap takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default, or %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (or %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type takes %1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the date the movie records is none that a file can hold; left out of the metadata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the place the movie records cannot be read; left out of the metadata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For %1: low, medium (default) or high as in the window, or a number from 1 to 100 (high and 100: %2 lossless).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits a channel for %1: 8 (default) or 16, which keeps the levels of 10-bit and deeper movies (8-bit movies stay 8-bit).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the frame&apos;s time and source into each file (%1): the movie&apos;s creation time plus the frame&apos;s time as EXIF DateTimeOriginal, the movie&apos;s name, the frame&apos;s index and time as XMP, and the place the movie was recorded, which is copied as EXIF GPS where the movie has one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frames in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>least scene score, 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name cannot begin with &apos;.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds an unknown token or an unclosed brace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reelsnap is free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPL version 2 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPL version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LGPL version 2.1 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LGPL version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Destination Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Copy Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a movie that Reelsnap can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” has no video to take frames from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” has more frames than Reelsnap can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame %1 has the same name as frame %2, written before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it makes names longer than a file name can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a time: 2.5, 1:30 or 1:02:03.250 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a whole number from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a score from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;very:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be encoded: %1</source>
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
    <message>
        <source>Show &amp;Last Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (%1)&lt;/small&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ick Frames…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Pick Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame or time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A frame number (120) or a time (1:02.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to frame or time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Contact &amp;Sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtract Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;arks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;Key Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous K&amp;ey Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One &amp;Second Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Second &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go To…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
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
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last of the movie</source>
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
        <source>100 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
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
    <message>
        <source>Every Nth frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One frame every N seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key frames only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N frames spread evenly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time in movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG and TIFF files of 10-bit and deeper movies keep every level; 8-bit movies stay 8-bit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie&apos;s creation time plus the frame&apos;s time, the movie&apos;s name and the frame&apos;s number, and the place the movie was recorded, which is copied into each file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take &amp;every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;N:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na&amp;me files by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pad frame numbers with zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Append the frame count to the names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preserve &amp;dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write the frame&apos;s time and source into each file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep 16 bits for deep movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always &amp;copy to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q&amp;uit when done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD&amp;R movies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR; other types are always tone-mapped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone-map to SDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep HDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reelsnap::Application</name>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n frame written</numerusform>
            <numerusform>%n frames written</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick Frames</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reelsnap::DesktopNotices</name>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reelsnap::PickerWindow</name>
    <message>
        <source>Pick Frames – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be opened as a movie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is neither a frame number nor a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 could not be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) marked</source>
        <translation>
            <numerusform>%n frame marked</numerusform>
            <numerusform>%n frames marked</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames on the sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making the contact sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact sheet saved as “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
