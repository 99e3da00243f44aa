<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Drop movies here&lt;br&gt;&lt;small&gt;or open one with File ▸ Open Movie… (Ctrl+O)&lt;/small&gt;</source>
        <translation>Déposez des vidéos ici&lt;br&gt;&lt;small&gt;ou ouvrez-en une avec Fichier ▸ Ouvrir une vidéo… (Ctrl+O)&lt;/small&gt;</translation>
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
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Reelsnap Preferences</source>
        <translation>Préférences de Reelsnap</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Première image :</translation>
    </message>
    <message>
        <source>Last frame:</source>
        <translation>Dernière image :</translation>
    </message>
    <message>
        <source>last of the movie</source>
        <translation>dernière de la vidéo</translation>
    </message>
    <message>
        <source>Take every:</source>
        <translation>Prendre toutes les :</translation>
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
        <source>Type:</source>
        <translation>Type :</translation>
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
        <translation>Qualité :</translation>
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
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>100 percent</source>
        <translation>100 pour cent</translation>
    </message>
    <message>
        <source>Pad frame numbers with zeros</source>
        <translation>Compléter les numéros d’images par des zéros</translation>
    </message>
    <message>
        <source>Append the frame count to the names</source>
        <translation>Ajouter le nombre d’images aux noms</translation>
    </message>
    <message>
        <source>Preserve dates</source>
        <translation>Conserver les dates</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Always copy to:</source>
        <translation>Toujours copier dans :</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Quit when done</source>
        <translation>Quitter une fois terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
