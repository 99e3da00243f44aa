<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1: frame %2 of %3, %4 frames/s, %5 s left</source>
        <translation>%1 : image %2 sur %3, %4 images/s, encore %5 s</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>not a movie, or cannot be read</source>
        <translation>n’est pas une vidéo, ou ne peut pas être lu</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>no frame could be decoded</source>
        <translation>aucune image n’a pu être décodée</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>First frame index (default 1).</source>
        <translation>Numéro de la première image (par défaut 1).</translation>
    </message>
    <message>
        <source>Last frame index (default: the movie&apos;s last).</source>
        <translation>Numéro de la dernière image (par défaut : la dernière de la vidéo).</translation>
    </message>
    <message>
        <source>Take every Nth frame index (default 1).</source>
        <translation>Prendre un numéro d’image sur N (par défaut 1).</translation>
    </message>
    <message>
        <source>Image size in percent, 1 to 100 (default 100).</source>
        <translation>Taille de l’image en pour cent, de 1 à 100 (par défaut 100).</translation>
    </message>
    <message>
        <source>Pad indices with zeros to eight digits.</source>
        <translation>Compléter les numéros par des zéros jusqu’à huit chiffres.</translation>
    </message>
    <message>
        <source>Append the movie&apos;s frame count: frame_7 of 120.jpg.</source>
        <translation>Ajouter le nombre d’images de la vidéo : frame_7 of 120.jpg.</translation>
    </message>
    <message>
        <source>Date each file at the movie&apos;s creation time plus the frame&apos;s presentation time.</source>
        <translation>Dater chaque fichier de l’heure de création de la vidéo plus l’instant d’affichage de l’image.</translation>
    </message>
    <message>
        <source>Replace existing files of the same names.</source>
        <translation>Remplacer les fichiers existants de même nom.</translation>
    </message>
    <message>
        <source>Print each movie&apos;s frame count; write nothing.</source>
        <translation>Afficher le nombre d’images de chaque vidéo ; ne rien écrire.</translation>
    </message>
    <message>
        <source>Encode with N workers (default: one a core, at most 8).</source>
        <translation>Encoder avec N processus (par défaut : un par cœur, 8 au plus).</translation>
    </message>
    <message>
        <source>Say nothing but errors.</source>
        <translation>N’afficher que les erreurs.</translation>
    </message>
    <message>
        <source>The movies to take frames from.</source>
        <translation>Les vidéos dont prendre les images.</translation>
    </message>
    <message>
        <source>try --help</source>
        <translation>essayez --help</translation>
    </message>
    <message>
        <source>no movie given</source>
        <translation>aucune vidéo indiquée</translation>
    </message>
    <message>
        <source>--step takes a number from 1 to 32767</source>
        <translation>--step attend un nombre de 1 à 32767</translation>
    </message>
    <message>
        <source>--scale takes a percentage from 1 to 100</source>
        <translation>--scale attend un pourcentage de 1 à 100</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs attend un nombre de 1 à 64</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation>
            <numerusform>%1 : %n image</numerusform>
            <numerusform>%1 : %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n image écrite</numerusform>
            <numerusform>%n images écrites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <translation>
            <numerusform>%n conservée</numerusform>
            <numerusform>%n conservées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not decoded</source>
        <translation>
            <numerusform>%n non décodée</numerusform>
            <numerusform>%n non décodées</numerusform>
        </translation>
    </message>
    <message>
        <source>too large: more than %1 frames</source>
        <translation>trop grande : plus de %1 images</translation>
    </message>
    <message>
        <source>no video stream</source>
        <translation>aucun flux vidéo</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame(s)</source>
        <translation>
            <numerusform>%1 : rien de choisi : les images à partir de %2 étaient demandées, et la vidéo a %n image</numerusform>
            <numerusform>%1 : rien de choisi : les images à partir de %2 étaient demandées, et la vidéo a %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kept %n existing file(s); --overwrite replaces them</source>
        <translation>
            <numerusform>%n fichier existant conservé ; --overwrite le remplace</numerusform>
            <numerusform>%n fichiers existants conservés ; --overwrite les remplace</numerusform>
        </translation>
    </message>
    <message>
        <source>--output takes a folder</source>
        <translation>--output attend un dossier</translation>
    </message>
    <message>
        <source>--first %1 is after --last %2: no frame is selected</source>
        <translation>--first %1 est après --last %2 : aucune image n’est choisie</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>--quality takes low, medium, high or a number from 1 to 100</source>
        <translation>--quality attend low, medium, high ou un nombre de 1 à 100</translation>
    </message>
    <message numerus="yes">
        <source>%n listed past the movie&apos;s end</source>
        <translation>
            <numerusform>%n listé après la fin de la vidéo</numerusform>
            <numerusform>%n listés après la fin de la vidéo</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the frame shown every S seconds from the first frame&apos;s time; S is a decimal or [[H:]M:]S[.fff].</source>
        <translation>Prendre l’image affichée toutes les S secondes à partir du temps de la première image ; S est un nombre décimal ou [[H:]M:]S[.fff].</translation>
    </message>
    <message>
        <source>Take every key frame.</source>
        <translation>Prendre chaque image clé.</translation>
    </message>
    <message>
        <source>Take N frames spread evenly from the first to the last.</source>
        <translation>Prendre N images réparties régulièrement de la première à la dernière.</translation>
    </message>
    <message>
        <source>Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a line.</source>
        <translation>Prendre les images listées : numéros et plages (1,50,100-120), ou @FICHIER avec un élément par ligne.</translation>
    </message>
    <message>
        <source>Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a line.</source>
        <translation>Prendre les images affichées aux temps listés (12.5,1:02:03.250), ou @FICHIER avec un temps par ligne.</translation>
    </message>
    <message>
        <source>Take the first frame and the first frame of each scene.</source>
        <translation>Prendre la première image et la première image de chaque scène.</translation>
    </message>
    <message>
        <source>With --scenes: the least scene score of a cut, 0 to 100 (default 10).</source>
        <translation>Avec --scenes : le plus petit score de scène d’une coupe, de 0 à 100 (par défaut 10).</translation>
    </message>
    <message>
        <source>--%1 and --%2 choose frames two ways: give one</source>
        <translation>--%1 et --%2 choisissent les images de deux façons : n’en donner qu’une</translation>
    </message>
    <message>
        <source>--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]</source>
        <translation>--every-seconds attend un temps supérieur à 0 : un nombre décimal ou [[H:]M:]S[.fff]</translation>
    </message>
    <message>
        <source>--times: “%1” is not a time</source>
        <translation>--times : « %1 » n’est pas un temps</translation>
    </message>
    <message>
        <source>--frames: “%1” is not a frame index or range</source>
        <translation>--frames : « %1 » n’est ni un numéro d’image ni une plage</translation>
    </message>
    <message>
        <source>--scene-threshold takes a number from 0 to 100, with --scenes</source>
        <translation>--scene-threshold attend un nombre de 0 à 100, avec --scenes</translation>
    </message>
    <message>
        <source>Name files by TEMPLATE, the type&apos;s extension after it: {index} (as --pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the frame&apos;s place among those taken).</source>
        <translation>Nommer les fichiers selon MODÈLE, suivi de l’extension du type : {index} (selon --pad), {index:W} (W chiffres), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (le rang de l’image parmi celles prises).</translation>
    </message>
    <message>
        <source>--name: %1</source>
        <translation>--name : %1</translation>
    </message>
    <message>
        <source>%1: frame %2 could not be decoded</source>
        <translation>%1 : l’image %2 n’a pu être décodée</translation>
    </message>
    <message numerus="yes">
        <source>%n selected frame(s) could not be decoded</source>
        <translation>
            <numerusform>%n image choisie n’a pu être décodée</numerusform>
            <numerusform>%n images choisies n’ont pu être décodées</numerusform>
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
        <translation>Écrit les images d’une vidéo dans des fichiers image, un par image choisie, nommés
frame_7.jpg et ainsi de suite. L’image i est la i-ième image de la vidéo dans l’ordre
d’affichage, comptée à partir de 1 ; les images choisies sont les multiples du pas,
de la première à la dernière, ou celles que choisissent --every-seconds, --key-frames,
--spread, --frames, --times ou --scenes. Un fichier existant n’est jamais remplacé sans --overwrite.

Code de sortie : 0 quand chaque image choisie de chaque vidéo a été écrite ou était
déjà là ; 1 quand une vidéo a échoué ou qu’une image choisie n’a pu être décodée ou
écrite (les autres sont tout de même traitées) ; 2 pour une erreur d’utilisation ;
128 plus le numéro du signal après SIGINT, SIGTERM ou SIGHUP (130, 143, 129).</translation>
    </message>
    <message>
        <source>Write into DIR (default: the current folder); with several movies, --from or --shard, each into a folder named after the movie, and &quot;clip (2)&quot;, &quot;clip (3)&quot; ... for later movies of the same name.</source>
        <translation>Écrire dans DIR (par défaut : le dossier courant) ; avec plusieurs vidéos, --from ou --shard, chacune dans un dossier portant son nom, et « clip (2) », « clip (3) » … pour les vidéos suivantes de même nom.</translation>
    </message>
    <message>
        <source>Take the movies listed in FILE, one a line (- for standard input), after those given.</source>
        <translation>Prendre les vidéos listées dans FICHIER, une par ligne (- pour l’entrée standard), après celles indiquées.</translation>
    </message>
    <message>
        <source>With --from: the list&apos;s names end with NUL, as find -print0 writes them.</source>
        <translation>Avec --from : les noms de la liste se terminent par NUL, comme les écrit find -print0.</translation>
    </message>
    <message>
        <source>Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 &lt;= K &lt;= N. In a Slurm job array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.</source>
        <translation>Ne prendre que la K-ième de N parts entrelacées des vidéos (K, K+N, K+2N …), 1 &lt;= K &lt;= N. Dans un tableau de tâches Slurm (--array=1-N) : --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT ; avec des numéros de tâche à partir de 0 : --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.</translation>
    </message>
    <message>
        <source>Write each movie&apos;s frames into DIR/ and its path below BASE without its extension (a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails.</source>
        <translation>Écrire les images de chaque vidéo dans DIR/ suivi de son chemin sous BASE sans extension (a/clip.mp4 : DIR/a/clip/), quel que soit le partage des vidéos ; une vidéo hors de BASE échoue.</translation>
    </message>
    <message>
        <source>Write records on standard output, one JSON object a line: one per frame written or kept, one at each movie&apos;s end.</source>
        <translation>Écrire des enregistrements sur la sortie standard, un objet JSON par ligne : un par image écrite ou conservée, un à la fin de chaque vidéo.</translation>
    </message>
    <message>
        <source>--null goes with --from</source>
        <translation>--null va avec --from</translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N</source>
        <translation>--shard attend K/N avec 1 &lt;= K &lt;= N</translation>
    </message>
    <message>
        <source>--tree takes a folder</source>
        <translation>--tree attend un dossier</translation>
    </message>
    <message>
        <source>is not inside %1 (--tree)</source>
        <translation>n’est pas dans %1 (--tree)</translation>
    </message>
    <message>
        <source>its folder %1 is that of %2</source>
        <translation>son dossier %1 est celui de %2</translation>
    </message>
    <message>
        <source>--depth takes 8 or 16</source>
        <translation>--depth attend 8 ou 16</translation>
    </message>
    <message>
        <source>HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always tone-mapped.</source>
        <translation>Vidéos HDR : tonemap (par défaut) les convertit en SDR, keep garde leurs images PQ ou HLG en HDR dans png (en 16 bits, avec un bloc cICP), avif et jxl, marquées BT.2020 ; les autres types sont toujours convertis en SDR.</translation>
    </message>
    <message>
        <source>--hdr takes tonemap or keep</source>
        <translation>--hdr attend tonemap ou keep</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>%1: cannot read %2: %3</source>
        <translation>%1 : impossible de lire %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2 is larger than %3 MiB</source>
        <translation>%1 : %2 dépasse %3 Mio</translation>
    </message>
    <message>
        <source>--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) takes --null</source>
        <translation>--from : %1 contient des octets NUL ; une liste de noms terminés par NUL (find -print0) demande --null</translation>
    </message>
    <message>
        <source>%1: %2 holds NUL bytes</source>
        <translation>%1 : %2 contient des octets NUL</translation>
    </message>
    <message>
        <source>--first takes a frame index from 1 to %1</source>
        <translation>--first attend un numéro d’image de 1 à %1</translation>
    </message>
    <message>
        <source>--last takes a frame index from 1 to %1</source>
        <translation>--last attend un numéro d’image de 1 à %1</translation>
    </message>
    <message>
        <source>--spread takes a number of frames from 1 to %1</source>
        <translation>--spread attend un nombre d’images de 1 à %1</translation>
    </message>
    <message>
        <source>--append-count does not go with --name: put {count} in the name</source>
        <translation>--append-count ne va pas avec --name : mettez {count} dans le nom</translation>
    </message>
    <message>
        <source>--depth 16: %1 files hold 8 bits a channel; written at 8</source>
        <translation>--depth 16 : les fichiers %1 ont 8 bits par canal ; écrits en 8 bits</translation>
    </message>
    <message>
        <source>--hdr keep: %1 files cannot hold HDR; tone-mapped</source>
        <translation>--hdr keep : les fichiers %1 ne peuvent contenir de HDR ; tons adaptés en SDR</translation>
    </message>
    <message>
        <source>%1: frame %2 is larger than %3 pixels a side, the most Reelsnap takes</source>
        <translation>%1 : l’image %2 dépasse %3 pixels de côté, le plus que Reelsnap accepte</translation>
    </message>
    <message>
        <source>%1 (default, or %2)</source>
        <translation>%1 (par défaut, ou %2)</translation>
    </message>
    <message>
        <source>%1 (or %2)</source>
        <translation>%1 (ou %2)</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 ou %2.</translation>
    </message>
    <message>
        <source>--type takes %1 or %2</source>
        <translation>--type attend %1 ou %2</translation>
    </message>
    <message>
        <source>%1: the date the movie records is none that a file can hold; left out of the metadata</source>
        <translation>%1 : la date que la vidéo indique ne peut figurer dans aucun fichier ; omise des métadonnées</translation>
    </message>
    <message>
        <source>%1: the place the movie records cannot be read; left out of the metadata</source>
        <translation>%1 : le lieu que la vidéo indique est illisible ; omis des métadonnées</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>For %1: low, medium (default) or high as in the window, or a number from 1 to 100 (high and 100: %2 lossless).</source>
        <translation>Pour %1 : low, medium (par défaut) ou high comme dans la fenêtre, ou un nombre de 1 à 100 (high et 100 : %2 sans perte).</translation>
    </message>
    <message>
        <source>Bits a channel for %1: 8 (default) or 16, which keeps the levels of 10-bit and deeper movies (8-bit movies stay 8-bit).</source>
        <translation>Bits par canal pour %1 : 8 (par défaut) ou 16, qui garde les niveaux des vidéos de 10 bits et plus (les vidéos 8 bits restent en 8 bits).</translation>
    </message>
    <message>
        <source>Write the frame&apos;s time and source into each file (%1): the movie&apos;s creation time plus the frame&apos;s time as EXIF DateTimeOriginal, the movie&apos;s name, the frame&apos;s index and time as XMP, and the place the movie was recorded, which is copied as EXIF GPS where the movie has one.</source>
        <translation>Écrire l’heure et la source de l’image dans chaque fichier (%1) : l’heure de création de la vidéo plus le temps de l’image en EXIF DateTimeOriginal, le nom de la vidéo, le numéro et le temps de l’image en XMP, et le lieu où la vidéo a été tournée, copié en EXIF GPS quand la vidéo en a un.</translation>
    </message>
</context>
<context>
    <name>LocalizedStrings</name>
    <message>
        <source>Drop a movie file on the application or this window to process.</source>
        <translation>Déposez un fichier vidéo sur l’application ou sur cette fenêtre pour le traiter.</translation>
    </message>
    <message>
        <source>Reelsnap does not process folders.</source>
        <translation>Reelsnap ne traite pas les dossiers.</translation>
    </message>
    <message>
        <source>(%d of %d)</source>
        <translation>(%d sur %d)</translation>
    </message>
    <message>
        <source>Bye.</source>
        <translation>Au revoir.</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation>Impossible d’écrire « %1 » : %2.</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>l’image n’a pas pu être encodée</translation>
    </message>
    <message>
        <source>The movie &quot;%1&quot; has %2 frames.</source>
        <translation>La vidéo « %1 » compte %2 images.</translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the movie frames.</source>
        <translation>Choisissez un dossier de destination pour les images de la vidéo.</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Choose a folder for the destination of the copy.</source>
        <translation>Choisissez un dossier de destination pour la copie.</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 pour cent</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>image</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>images</translation>
    </message>
    <message>
        <source>No frame of “%1” could be decoded.</source>
        <translation>Aucune image de « %1 » n’a pu être décodée.</translation>
    </message>
    <message>
        <source>Open Movie</source>
        <translation>Ouvrir une vidéo</translation>
    </message>
    <message>
        <source>Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)</source>
        <translation>Vidéos (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>View in Ondrel &amp;Website...</source>
        <translation>Voir sur le &amp;site d’Ondrel…</translation>
    </message>
    <message>
        <source>View in &amp;Software Centre...</source>
        <translation>Voir dans la &amp;logithèque…</translation>
    </message>
    <message>
        <source>About Reelsnap</source>
        <translation>À propos de Reelsnap</translation>
    </message>
    <message>
        <source>Turns a movie into still images, one per frame.</source>
        <translation>Transforme une vidéo en images fixes, une par image.</translation>
    </message>
    <message>
        <source>Built on these libraries, in use now:</source>
        <translation>Construit sur ces bibliothèques, utilisées en ce moment :</translation>
    </message>
    <message>
        <source>The FFmpeg libraries are licensed under the %1.</source>
        <translation>Les bibliothèques FFmpeg sont distribuées sous la licence %1.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>frames in all</source>
        <translation>images en tout</translation>
    </message>
    <message>
        <source>least scene score, 0 to 100</source>
        <translation>plus petit score de scène, de 0 à 100</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;</source>
        <translation>un nom ne peut pas contenir « / »</translation>
    </message>
    <message>
        <source>a name cannot begin with &apos;.&apos;</source>
        <translation>un nom ne peut pas commencer par « . »</translation>
    </message>
    <message>
        <source>it holds an unknown token or an unclosed brace</source>
        <translation>il contient un élément inconnu ou une accolade non fermée</translation>
    </message>
    <message>
        <source>it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart</source>
        <translation>il lui faut {index}, {time}, {ms}, {pts} ou {n} pour distinguer les images</translation>
    </message>
    <message>
        <source>Reelsnap is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Reelsnap est un logiciel libre sous la licence publique générale GNU (GNU General Public License), version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>GPL version 2 or later</source>
        <translation>GPL version 2 ou ultérieure</translation>
    </message>
    <message>
        <source>GPL version 3 or later</source>
        <translation>GPL version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>LGPL version 2.1 or later</source>
        <translation>LGPL version 2.1 ou ultérieure</translation>
    </message>
    <message>
        <source>LGPL version 3 or later</source>
        <translation>LGPL version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Choose Destination Folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Choose Copy Folder</source>
        <translation>Choisir le dossier de copie</translation>
    </message>
    <message>
        <source>“%1” is not a movie that Reelsnap can read.</source>
        <translation>« %1 » n’est pas une vidéo que Reelsnap sait lire.</translation>
    </message>
    <message>
        <source>Could not open “%1”: %2.</source>
        <translation>Impossible d’ouvrir « %1 » : %2.</translation>
    </message>
    <message>
        <source>“%1” has no video to take frames from.</source>
        <translation>« %1 » ne contient aucune vidéo dont extraire des images.</translation>
    </message>
    <message>
        <source>“%1” has more frames than Reelsnap can take.</source>
        <translation>« %1 » a plus d’images que Reelsnap ne peut en traiter.</translation>
    </message>
    <message>
        <source>frame %1 has the same name as frame %2, written before it</source>
        <translation>l’image %1 porte le même nom que l’image %2, écrite avant elle</translation>
    </message>
    <message>
        <source>it makes names longer than a file name can be</source>
        <translation>il donne des noms plus longs qu’un nom de fichier ne peut l’être</translation>
    </message>
    <message>
        <source>not a time: 2.5, 1:30 or 1:02:03.250 seconds</source>
        <translation>pas une durée : 2,5, 1:30 ou 1:02:03,250 secondes</translation>
    </message>
    <message>
        <source>not a whole number from 1</source>
        <translation>pas un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>not a score from 0 to 100</source>
        <translation>pas un score de 0 à 100</translation>
    </message>
    <message>
        <source>E&amp;very:</source>
        <translation>&amp;Toutes les :</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Images :</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>the image could not be encoded: %1</source>
        <translation>l’image n’a pas pu être encodée : %1</translation>
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
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>&amp;Quitter</translation>
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
        <translation>&amp;Ouvrir une vidéo…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Count Frames…</source>
        <translation>&amp;Compter les images…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>Reelsnap &amp;Help</source>
        <translation>Aide de &amp;Reelsnap</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Traitement en cours</translation>
    </message>
    <message>
        <source>Frames written</source>
        <translation>Images écrites</translation>
    </message>
    <message>
        <source>&amp;About Reelsnap</source>
        <translation>À &amp;propos de Reelsnap</translation>
    </message>
    <message>
        <source>Show &amp;Last Destination</source>
        <translation>Afficher la &amp;dernière destination</translation>
    </message>
    <message>
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (%1)&lt;/small&gt;</source>
        <translation>Déposez des vidéos ici&lt;br&gt;&lt;small&gt;ou ouvrez-en une avec Fichier ▸ Ouvrir une vidéo… (%1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>P&amp;ick Frames…</source>
        <translation>&amp;Sélectionner des images…</translation>
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
        <translation>Sélectionner des images</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Ligne temporelle</translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation>Numéro d’image</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Temps de l’image</translation>
    </message>
    <message>
        <source>&amp;Go to:</source>
        <translation>&amp;Aller à :</translation>
    </message>
    <message>
        <source>frame or time</source>
        <translation>image ou temps</translation>
    </message>
    <message>
        <source>A frame number (120) or a time (1:02.5)</source>
        <translation>Un numéro d’image (120) ou un temps (1:02.5)</translation>
    </message>
    <message>
        <source>Go to frame or time</source>
        <translation>Aller à une image ou un temps</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>Ma&amp;rquer</translation>
    </message>
    <message>
        <source>C&amp;lear Marks</source>
        <translation>&amp;Effacer les marques</translation>
    </message>
    <message>
        <source>Save Contact &amp;Sheet…</source>
        <translation>Enregistrer la &amp;planche contact…</translation>
    </message>
    <message>
        <source>E&amp;xtract Marked</source>
        <translation>E&amp;xtraire les marquées</translation>
    </message>
    <message>
        <source>Marked frames</source>
        <translation>Images marquées</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>M&amp;arks</source>
        <translation>&amp;Marques</translation>
    </message>
    <message>
        <source>&amp;Next Frame</source>
        <translation>Image &amp;suivante</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>&amp;Previous Frame</source>
        <translation>Image &amp;précédente</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Next &amp;Key Frame</source>
        <translation>Image &amp;clé suivante</translation>
    </message>
    <message>
        <source>Shift+Right</source>
        <translation>Shift+Right</translation>
    </message>
    <message>
        <source>Previous K&amp;ey Frame</source>
        <translation>Image clé p&amp;récédente</translation>
    </message>
    <message>
        <source>Shift+Left</source>
        <translation>Shift+Left</translation>
    </message>
    <message>
        <source>One &amp;Second Forward</source>
        <translation>Une seconde en &amp;avant</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>One Second &amp;Back</source>
        <translation>&amp;Une seconde en arrière</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>&amp;First Frame</source>
        <translation>Première &amp;image</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>&amp;Last Frame</source>
        <translation>&amp;Dernière image</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>&amp;Go To…</source>
        <translation>A&amp;ller à…</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark</source>
        <translation>&amp;Marquer ou démarquer</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>&amp;Clear Marks</source>
        <translation>&amp;Effacer les marques</translation>
    </message>
    <message>
        <source>&amp;Extract Marked</source>
        <translation>E&amp;xtraire les marquées</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Movie…</source>
        <translation>&amp;Ouvrir une vidéo…</translation>
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
        <translation>Images</translation>
    </message>
    <message>
        <source>last of the movie</source>
        <translation>dernière de la vidéo</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>image</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>100 percent</source>
        <translation>100 pour cent</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Every Nth frame</source>
        <translation>Une image sur N</translation>
    </message>
    <message>
        <source>One frame every N seconds</source>
        <translation>Une image toutes les N secondes</translation>
    </message>
    <message>
        <source>Key frames only</source>
        <translation>Images clés seulement</translation>
    </message>
    <message>
        <source>N frames spread evenly</source>
        <translation>N images réparties régulièrement</translation>
    </message>
    <message>
        <source>Scene changes</source>
        <translation>Changements de scène</translation>
    </message>
    <message>
        <source>Frame number</source>
        <translation>Numéro d’image</translation>
    </message>
    <message>
        <source>Time in movie</source>
        <translation>Temps dans la vidéo</translation>
    </message>
    <message>
        <source>PNG and TIFF files of 10-bit and deeper movies keep every level; 8-bit movies stay 8-bit.</source>
        <translation>Les fichiers PNG et TIFF des vidéos de 10 bits et plus gardent chaque niveau ; les vidéos 8 bits restent en 8 bits.</translation>
    </message>
    <message>
        <source>The movie&apos;s creation time plus the frame&apos;s time, the movie&apos;s name and the frame&apos;s number, and the place the movie was recorded, which is copied into each file.</source>
        <translation>L’heure de création de la vidéo plus le temps de l’image, le nom de la vidéo et le numéro de l’image, et le lieu où la vidéo a été tournée, qui est copié dans chaque fichier.</translation>
    </message>
    <message>
        <source>&amp;First frame:</source>
        <translation>&amp;Première image :</translation>
    </message>
    <message>
        <source>&amp;Last frame:</source>
        <translation>&amp;Dernière image :</translation>
    </message>
    <message>
        <source>&amp;Select:</source>
        <translation>&amp;Sélection :</translation>
    </message>
    <message>
        <source>Take &amp;every:</source>
        <translation>Prendre &amp;toutes les :</translation>
    </message>
    <message>
        <source>&amp;N:</source>
        <translation>&amp;N :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité :</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>T&amp;aille :</translation>
    </message>
    <message>
        <source>Na&amp;me files by:</source>
        <translation>Nommer les &amp;fichiers par :</translation>
    </message>
    <message>
        <source>&amp;Pad frame numbers with zeros</source>
        <translation>&amp;Compléter les numéros d’images par des zéros</translation>
    </message>
    <message>
        <source>&amp;Append the frame count to the names</source>
        <translation>A&amp;jouter le nombre d’images aux noms</translation>
    </message>
    <message>
        <source>Preserve &amp;dates</source>
        <translation>C&amp;onserver les dates</translation>
    </message>
    <message>
        <source>&amp;Write the frame&apos;s time and source into each file</source>
        <translation>&amp;Écrire l’heure et la source de l’image dans chaque fichier</translation>
    </message>
    <message>
        <source>&amp;Keep 16 bits for deep movies</source>
        <translation>&amp;Garder 16 bits pour les vidéos en haute profondeur de couleur</translation>
    </message>
    <message>
        <source>Always &amp;copy to:</source>
        <translation>Toujours cop&amp;ier dans :</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>Q&amp;uit when done</source>
        <translation>Q&amp;uitter une fois terminé</translation>
    </message>
    <message>
        <source>HD&amp;R movies:</source>
        <translation>&amp;Vidéos HDR :</translation>
    </message>
    <message>
        <source>PNG (at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR; other types are always tone-mapped.</source>
        <translation>PNG (en 16 bits), AVIF et JPEG XL gardent les images PQ et HLG en HDR ; les autres types sont toujours convertis en SDR.</translation>
    </message>
    <message>
        <source>Tone-map to SDR</source>
        <translation>Convertir en SDR</translation>
    </message>
    <message>
        <source>Keep HDR</source>
        <translation>Garder le HDR</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>reelsnap::Application</name>
    <message numerus="yes">
        <source>%n frame(s) written</source>
        <translation>
            <numerusform>%n image écrite</numerusform>
            <numerusform>%n images écrites</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction stopped</source>
        <translation>Extraction interrompue</translation>
    </message>
    <message>
        <source>Pick Frames</source>
        <translation>Sélectionner des images</translation>
    </message>
</context>
<context>
    <name>reelsnap::DesktopNotices</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>reelsnap::PickerWindow</name>
    <message>
        <source>Pick Frames – %1</source>
        <translation>Sélectionner des images – %1</translation>
    </message>
    <message>
        <source>Opening “%1”…</source>
        <translation>Ouverture de « %1 »…</translation>
    </message>
    <message>
        <source>“%1” could not be opened as a movie.</source>
        <translation>« %1 » n’a pas pu être ouvert comme vidéo.</translation>
    </message>
    <message>
        <source>“%1” is neither a frame number nor a time.</source>
        <translation>« %1 » n’est ni un numéro d’image ni un temps.</translation>
    </message>
    <message>
        <source>Frame %1 could not be decoded.</source>
        <translation>L’image %1 n’a pas pu être décodée.</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Image %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s) marked</source>
        <translation>
            <numerusform>%n image marquée</numerusform>
            <numerusform>%n images marquées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation>Enregistrer la planche contact</translation>
    </message>
    <message>
        <source>Frames on the sheet:</source>
        <translation>Images sur la planche :</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Images (*.%1)</translation>
    </message>
    <message>
        <source>Making the contact sheet…</source>
        <translation>Création de la planche contact…</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation>Impossible d’écrire « %1 » : %2.</translation>
    </message>
    <message>
        <source>Contact sheet saved as “%1”.</source>
        <translation>Planche contact enregistrée sous « %1 ».</translation>
    </message>
</context>
</TS>
