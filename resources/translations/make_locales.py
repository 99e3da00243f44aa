#!/usr/bin/env python3
"""Fills reelsnap_de.ts and reelsnap_fr.ts from reelsnap_en.ts and the tables
below. Run after lupdate has added texts; a text without a translation here
is left unfinished, which strings_test reports."""
import html
import pathlib
import re

HERE = pathlib.Path(__file__).parent

DE = {
    "Drop a movie file on the application or this window to process.":
        "Ziehen Sie eine Filmdatei auf das Programm oder dieses Fenster, um sie zu verarbeiten.",
    "Reelsnap does not process folders.": "Reelsnap verarbeitet keine Ordner.",
    "(%d of %d)": "(%d von %d)",
    "Bye.": "Tschüss.",
    "Could not write “%1”: %2.": "„%1“ konnte nicht geschrieben werden: %2.",
    "the image could not be encoded": "das Bild konnte nicht kodiert werden",
    "the image could not be encoded: %1": "das Bild konnte nicht kodiert werden: %1",
    "E&very:": "&Alle:",
    "&Frames:": "&Bilder:",
    "&Threshold:": "&Schwelle:",
    "not a time: 2.5, 1:30 or 1:02:03.250 seconds": "keine Zeit: 2,5, 1:30 oder 1:02:03,250 Sekunden",
    "not a whole number from 1": "keine ganze Zahl ab 1",
    "not a score from 0 to 100": "kein Wert von 0 bis 100",
    "%1: frame %2 is larger than %3 pixels a side, the most Reelsnap takes":
        "%1: Bild %2 ist größer als %3 Pixel je Seite, das Höchste, was Reelsnap verarbeitet",
    "--depth 16: %1 files hold 8 bits a channel; written at 8":
        "--depth 16: %1-Dateien fassen 8 Bit je Kanal; mit 8 Bit geschrieben",
    "--hdr keep: %1 files cannot hold HDR; tone-mapped":
        "--hdr keep: %1-Dateien können kein HDR fassen; tonabgebildet",
    "%1: cannot read %2: %3": "%1: %2 kann nicht gelesen werden: %3",
    "%1: %2 is larger than %3 MiB": "%1: %2 ist größer als %3 MiB",
    "--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) takes --null":
        "--from: %1 enthält NUL-Bytes; eine Liste von Namen, die mit NUL enden (find -print0), braucht --null",
    "%1: %2 holds NUL bytes": "%1: %2 enthält NUL-Bytes",
    "could not write to standard output: %1": "konnte nicht in die Standardausgabe schreiben: %1",
    "frame %1 has the same name as frame %2, written before it":
        "Bild %1 hat denselben Namen wie das zuvor geschriebene Bild %2",
    "“%1” is not a movie that Reelsnap can read.": "„%1“ ist kein Film, den Reelsnap lesen kann.",
    "Could not open “%1”: %2.": "„%1“ konnte nicht geöffnet werden: %2.",
    "“%1” has no video to take frames from.": "„%1“ enthält kein Video, aus dem Bilder entnommen werden können.",
    "“%1” has more frames than Reelsnap can take.": "„%1“ hat mehr Bilder, als Reelsnap verarbeiten kann.",
    "View in Ondrel &Website...": "Auf der Ondrel-&Website ansehen …",
    'The movie "%1" has %2 frames.': "Der Film „%1“ hat %2 Bilder.",
    "Choose a folder for the destination of the movie frames.":
        "Wählen Sie einen Zielordner für die Bilder des Films.",
    "Choose a file": "Datei auswählen",
    "Choose a folder for the destination of the copy.": "Wählen Sie einen Zielordner für die Kopie.",
    "%1 percent": "%1 Prozent",
    "frame": "Bild",
    "frames": "Bilder",
    "No frame of “%1” could be decoded.": "Kein Bild von „%1“ konnte dekodiert werden.",
    "Open Movie": "Film öffnen",
    "Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)":
        "Filme (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;Alle Dateien (*)",
    "View in &Software Centre...": "Im &Software-Center ansehen …",
    "Reelsnap": "Reelsnap",
    "Stop": "Stopp",
    "&File": "&Datei",
    "&Help": "&Hilfe",
    "&Count Frames…": "Bilder &zählen …",
    "Ctrl+I": "Ctrl+I",
    "&Preferences…": "&Einstellungen …",
    "Ctrl+,": "Ctrl+,",
    "&Quit": "&Beenden",
    "Show &Last Destination": "&Letztes Ziel zeigen",
    "Ctrl+Q": "Ctrl+Q",
    "Reelsnap &Help": "Reelsnap-&Hilfe",
    "F1": "F1",
    "Drop movies here<br><small>or open one with File ▸ Open Movie… (%1)</small>":
        "Filme hier ablegen<br><small>oder einen mit Datei ▸ Film öffnen … (%1) öffnen</small>",
    "&Open Movie…": "Film ö&ffnen …",
    "Ctrl+O": "Ctrl+O",
    "Preferences": "Einstellungen",
    "Frames": "Bilder",
    "&First frame:": "&Erstes Bild:",
    "&Last frame:": "&Letztes Bild:",
    "last of the movie": "letztes des Films",
    "Take &every:": "&Jedes n-te:",
    "Reelsnap is free software under the GNU General Public License, version 3 or later.":
        "Reelsnap ist freie Software unter der GNU General Public License, Version 3 oder später.",
    "GPL version 2 or later": "GPL Version 2 oder später",
    "GPL version 3 or later": "GPL Version 3 oder später",
    "LGPL version 2.1 or later": "LGPL Version 2.1 oder später",
    "LGPL version 3 or later": "LGPL Version 3 oder später",
    "Na&me files by:": "&Dateien benennen nach:",
    "Frame number": "Bildnummer",
    "Time in movie": "Zeit im Film",
    "it is empty": "sie ist leer",
    "a name cannot hold '/'": "ein Name kann kein „/“ enthalten",
    "a name cannot begin with '.'": "ein Name kann nicht mit „.“ beginnen",
    "it holds an unknown token or an unclosed brace": "sie enthält einen unbekannten Platzhalter oder eine offene Klammer",
    "it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart": "sie braucht {index}, {time}, {ms}, {pts} oder {n}, um Bilder zu unterscheiden",
    "&Select:": "A&uswahl:",
    "Every Nth frame": "Jedes n-te Bild",
    "One frame every N seconds": "Ein Bild alle N Sekunden",
    "Key frames only": "Nur Schlüsselbilder",
    "N frames spread evenly": "N gleichmäßig verteilte Bilder",
    "Scene changes": "Szenenwechsel",
    "&N:": "&N:",
    "seconds": "Sekunden",
    "frames in all": "Bilder insgesamt",
    "least scene score, 0 to 100": "kleinster Szenenwert, 0 bis 100",
    "Images": "Bilddateien",
    "&Type:": "&Typ:",
    "TIFF": "TIFF", "BMP": "BMP", "GIF": "GIF", "JPEG": "JPEG", "PNG": "PNG",
    "JPEG 2000": "JPEG 2000",
    "WebP": "WebP",
    "AVIF": "AVIF",
    "JPEG XL": "JPEG XL",
    "&Keep 16 bits for deep movies": "&16 Bit für Filme mit mehr Farbtiefe behalten",
    "HD&R movies:": "HD&R-Filme:",
    "Choose Destination Folder": "Zielordner wählen",
    "Choose Copy Folder": "Kopierordner wählen",
    "Open Folder": "Ordner öffnen",
    "P&ick Frames…": "Bilder &wählen …",
    "Pick Frames": "Bilder wählen",
    "Frame": "Bild",
    "Timeline": "Zeitleiste",
    "Frame time": "Zeit des Bildes",
    "Frame number": "Bildnummer",
    "&Go to:": "&Gehe zu:",
    "frame or time": "Bild oder Zeit",
    "A frame number (120) or a time (1:02.5)": "Eine Bildnummer (120) oder eine Zeit (1:02.5)",
    "Go to frame or time": "Gehe zu Bild oder Zeit",
    "&Mark": "Mar&kieren",
    "C&lear Marks": "Markierungen &löschen",
    "Save Contact &Sheet…": "Kontakt&abzug sichern …",
    "E&xtract Marked": "Markierte e&xtrahieren",
    "Marked frames": "Markierte Bilder",
    "Status": "Status",
    "F&rame": "&Bild",
    "M&arks": "&Markierungen",
    "&Next Frame": "&Nächstes Bild",
    "&Previous Frame": "&Vorheriges Bild",
    "Next &Key Frame": "Nächstes &Schlüsselbild",
    "Previous K&ey Frame": "Vorheriges Sc&hlüsselbild",
    "One &Second Forward": "Eine Sekunde v&or",
    "One Second &Back": "Eine Sekunde &zurück",
    "&First Frame": "&Erstes Bild",
    "&Last Frame": "&Letztes Bild",
    "&Go To…": "&Gehe zu …",
    "&Close": "S&chließen",
    "&Mark or Unmark": "&Markieren oder aufheben",
    "&Clear Marks": "Markierungen &löschen",
    "&Extract Marked": "Markierte &extrahieren",
    "Pick Frames – %1": "Bilder wählen – %1",
    "Opening “%1”…": "„%1“ wird geöffnet …",
    "“%1” could not be opened as a movie.": "„%1“ ließ sich nicht als Film öffnen.",
    "“%1” is neither a frame number nor a time.": "„%1“ ist weder eine Bildnummer noch eine Zeit.",
    "Frame %1 could not be decoded.": "Bild %1 ließ sich nicht decodieren.",
    "Frame %1 of %2": "Bild %1 von %2",
    "%1 · %2": "%1 · %2",
    "Save Contact Sheet": "Kontaktabzug sichern",
    "Frames on the sheet:": "Bilder auf dem Abzug:",
    "Images (*.%1)": "Bilder (*.%1)",
    "Making the contact sheet…": "Kontaktabzug wird erstellt …",
    "Contact sheet saved as “%1”.": "Kontaktabzug als „%1“ gesichert.",
    "Extraction stopped": "Extraktion angehalten",
    "Tone-map to SDR": "Auf SDR abbilden",
    "Keep HDR": "HDR behalten",
    "PNG (at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR; other types are always tone-mapped.":
        "PNG (mit 16 Bit), AVIF und JPEG XL behalten PQ- und HLG-Bilder als HDR; andere Typen werden immer auf SDR abgebildet.",
    "&Write the frame's time and source into each file": "&Zeit und Herkunft des Bildes in jede Datei schreiben",
    "The movie's creation time plus the frame's time, the movie's name and the frame's number, and the place the movie was recorded, which is copied into each file.":
        "Die Entstehungszeit des Films plus die Zeit des Bildes, der Name des Films und die Nummer des Bildes, und der Ort, an dem der Film aufgenommen wurde, der in jede Datei kopiert wird.",
    "PNG and TIFF files of 10-bit and deeper movies keep every level; 8-bit movies stay 8-bit.":
        "PNG- und TIFF-Dateien von Filmen mit 10 und mehr Bit behalten jede Stufe; 8-Bit-Filme bleiben 8 Bit.",
    "&Quality:": "&Qualität:",
    "Low": "Niedrig",
    "Medium": "Mittel",
    "High": "Hoch",
    "Si&ze:": "&Größe:",
    "100 percent": "100 Prozent",
    "&Pad frame numbers with zeros": "&Bildnummern mit Nullen auffüllen",
    "&Append the frame count to the names": "Bild&anzahl an die Namen anhängen",
    "Preserve &dates": "Datum &übernehmen",
    "Destination": "Ziel",
    "Always &copy to:": "&Immer kopieren nach:",
    "Copy": "Kopieren",
    "C&hoose…": "Aus&wählen …",
    "Q&uit when done": "Nach Absc&hluss beenden",
    "Cancel": "Abbrechen",
    "OK": "OK",
    "About Reelsnap": "Über Reelsnap",
    "Turns a movie into still images, one per frame.": "Macht aus einem Film Standbilder, eines je Bild.",
    "Built on these libraries, in use now:": "Gebaut auf diesen Bibliotheken, jetzt in Gebrauch:",
    "The FFmpeg libraries are licensed under the %1.": "Die FFmpeg-Bibliotheken stehen unter der Lizenz %1.",
    "Working": "In Arbeit",
    "Frames written": "Geschriebene Bilder",
    "&About Reelsnap": "&Über Reelsnap",
}

FR = {
    "Drop a movie file on the application or this window to process.":
        "Déposez un fichier vidéo sur l’application ou sur cette fenêtre pour le traiter.",
    "Reelsnap does not process folders.": "Reelsnap ne traite pas les dossiers.",
    "(%d of %d)": "(%d sur %d)",
    "Bye.": "Au revoir.",
    "Could not write “%1”: %2.": "Impossible d’écrire « %1 » : %2.",
    "the image could not be encoded": "l’image n’a pas pu être encodée",
    "the image could not be encoded: %1": "l’image n’a pas pu être encodée : %1",
    "E&very:": "&Toutes les :",
    "&Frames:": "&Images :",
    "&Threshold:": "&Seuil :",
    "not a time: 2.5, 1:30 or 1:02:03.250 seconds": "pas une durée : 2,5, 1:30 ou 1:02:03,250 secondes",
    "not a whole number from 1": "pas un nombre entier à partir de 1",
    "not a score from 0 to 100": "pas un score de 0 à 100",
    "%1: frame %2 is larger than %3 pixels a side, the most Reelsnap takes":
        "%1 : l’image %2 dépasse %3 pixels de côté, le plus que Reelsnap accepte",
    "--depth 16: %1 files hold 8 bits a channel; written at 8":
        "--depth 16 : les fichiers %1 ont 8 bits par canal ; écrits en 8 bits",
    "--hdr keep: %1 files cannot hold HDR; tone-mapped":
        "--hdr keep : les fichiers %1 ne peuvent contenir de HDR ; tons adaptés en SDR",
    "%1: cannot read %2: %3": "%1 : impossible de lire %2 : %3",
    "%1: %2 is larger than %3 MiB": "%1 : %2 dépasse %3 Mio",
    "--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) takes --null":
        "--from : %1 contient des octets NUL ; une liste de noms terminés par NUL (find -print0) demande --null",
    "%1: %2 holds NUL bytes": "%1 : %2 contient des octets NUL",
    "could not write to standard output: %1": "impossible d’écrire sur la sortie standard : %1",
    "frame %1 has the same name as frame %2, written before it":
        "l’image %1 porte le même nom que l’image %2, écrite avant elle",
    "“%1” is not a movie that Reelsnap can read.": "« %1 » n’est pas une vidéo que Reelsnap sait lire.",
    "Could not open “%1”: %2.": "Impossible d’ouvrir « %1 » : %2.",
    "“%1” has no video to take frames from.": "« %1 » ne contient aucune vidéo dont extraire des images.",
    "“%1” has more frames than Reelsnap can take.": "« %1 » a plus d’images que Reelsnap ne peut en traiter.",
    "View in Ondrel &Website...": "Voir sur le &site d’Ondrel…",
    'The movie "%1" has %2 frames.': "La vidéo « %1 » compte %2 images.",
    "Choose a folder for the destination of the movie frames.":
        "Choisissez un dossier de destination pour les images de la vidéo.",
    "Choose a file": "Choisir un fichier",
    "Choose a folder for the destination of the copy.":
        "Choisissez un dossier de destination pour la copie.",
    "%1 percent": "%1 pour cent",
    "frame": "image",
    "frames": "images",
    "No frame of “%1” could be decoded.": "Aucune image de « %1 » n’a pu être décodée.",
    "Open Movie": "Ouvrir une vidéo",
    "Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)":
        "Vidéos (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv *.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;Tous les fichiers (*)",
    "View in &Software Centre...": "Voir dans la &logithèque…",
    "Reelsnap": "Reelsnap",
    "Stop": "Arrêter",
    "&File": "&Fichier",
    "&Help": "&Aide",
    "&Count Frames…": "&Compter les images…",
    "Ctrl+I": "Ctrl+I",
    "&Preferences…": "&Préférences…",
    "Ctrl+,": "Ctrl+,",
    "&Quit": "&Quitter",
    "Show &Last Destination": "Afficher la &dernière destination",
    "Ctrl+Q": "Ctrl+Q",
    "Reelsnap &Help": "Aide de &Reelsnap",
    "F1": "F1",
    "Drop movies here<br><small>or open one with File ▸ Open Movie… (%1)</small>":
        "Déposez des vidéos ici<br><small>ou ouvrez-en une avec Fichier ▸ Ouvrir une vidéo… (%1)</small>",
    "&Open Movie…": "&Ouvrir une vidéo…",
    "Ctrl+O": "Ctrl+O",
    "Preferences": "Préférences",
    "Frames": "Images",
    "&First frame:": "&Première image :",
    "&Last frame:": "&Dernière image :",
    "last of the movie": "dernière de la vidéo",
    "Take &every:": "Prendre &toutes les :",
    "Reelsnap is free software under the GNU General Public License, version 3 or later.":
        "Reelsnap est un logiciel libre sous la licence publique générale GNU (GNU General Public License), version 3 ou ultérieure.",
    "GPL version 2 or later": "GPL version 2 ou ultérieure",
    "GPL version 3 or later": "GPL version 3 ou ultérieure",
    "LGPL version 2.1 or later": "LGPL version 2.1 ou ultérieure",
    "LGPL version 3 or later": "LGPL version 3 ou ultérieure",
    "Na&me files by:": "Nommer les &fichiers par :",
    "Frame number": "Numéro d’image",
    "Time in movie": "Temps dans la vidéo",
    "it is empty": "il est vide",
    "a name cannot hold '/'": "un nom ne peut pas contenir « / »",
    "a name cannot begin with '.'": "un nom ne peut pas commencer par « . »",
    "it holds an unknown token or an unclosed brace": "il contient un élément inconnu ou une accolade non fermée",
    "it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart": "il lui faut {index}, {time}, {ms}, {pts} ou {n} pour distinguer les images",
    "&Select:": "&Sélection :",
    "Every Nth frame": "Une image sur N",
    "One frame every N seconds": "Une image toutes les N secondes",
    "Key frames only": "Images clés seulement",
    "N frames spread evenly": "N images réparties régulièrement",
    "Scene changes": "Changements de scène",
    "&N:": "&N :",
    "seconds": "secondes",
    "frames in all": "images en tout",
    "least scene score, 0 to 100": "plus petit score de scène, de 0 à 100",
    "Images": "Fichiers image",
    "&Type:": "T&ype :",
    "TIFF": "TIFF", "BMP": "BMP", "GIF": "GIF", "JPEG": "JPEG", "PNG": "PNG",
    "JPEG 2000": "JPEG 2000",
    "WebP": "WebP",
    "AVIF": "AVIF",
    "JPEG XL": "JPEG XL",
    "&Keep 16 bits for deep movies": "&Garder 16 bits pour les vidéos en haute profondeur de couleur",
    "HD&R movies:": "&Vidéos HDR :",
    "Choose Destination Folder": "Choisir le dossier de destination",
    "Choose Copy Folder": "Choisir le dossier de copie",
    "Open Folder": "Ouvrir le dossier",
    "P&ick Frames…": "&Sélectionner des images…",
    "Pick Frames": "Sélectionner des images",
    "Frame": "Image",
    "Timeline": "Ligne temporelle",
    "Frame time": "Temps de l’image",
    "Frame number": "Numéro d’image",
    "&Go to:": "&Aller à :",
    "frame or time": "image ou temps",
    "A frame number (120) or a time (1:02.5)": "Un numéro d’image (120) ou un temps (1:02.5)",
    "Go to frame or time": "Aller à une image ou un temps",
    "&Mark": "Ma&rquer",
    "C&lear Marks": "&Effacer les marques",
    "Save Contact &Sheet…": "Enregistrer la &planche contact…",
    "E&xtract Marked": "E&xtraire les marquées",
    "Marked frames": "Images marquées",
    "Status": "État",
    "F&rame": "&Image",
    "M&arks": "&Marques",
    "&Next Frame": "Image &suivante",
    "&Previous Frame": "Image &précédente",
    "Next &Key Frame": "Image &clé suivante",
    "Previous K&ey Frame": "Image clé p&récédente",
    "One &Second Forward": "Une seconde en &avant",
    "One Second &Back": "&Une seconde en arrière",
    "&First Frame": "Première &image",
    "&Last Frame": "&Dernière image",
    "&Go To…": "A&ller à…",
    "&Close": "&Fermer",
    "&Mark or Unmark": "&Marquer ou démarquer",
    "&Clear Marks": "&Effacer les marques",
    "&Extract Marked": "E&xtraire les marquées",
    "Pick Frames – %1": "Sélectionner des images – %1",
    "Opening “%1”…": "Ouverture de « %1 »…",
    "“%1” could not be opened as a movie.": "« %1 » n’a pas pu être ouvert comme vidéo.",
    "“%1” is neither a frame number nor a time.": "« %1 » n’est ni un numéro d’image ni un temps.",
    "Frame %1 could not be decoded.": "L’image %1 n’a pas pu être décodée.",
    "Frame %1 of %2": "Image %1 sur %2",
    "%1 · %2": "%1 · %2",
    "Save Contact Sheet": "Enregistrer la planche contact",
    "Frames on the sheet:": "Images sur la planche :",
    "Images (*.%1)": "Images (*.%1)",
    "Making the contact sheet…": "Création de la planche contact…",
    "Contact sheet saved as “%1”.": "Planche contact enregistrée sous « %1 ».",
    "Extraction stopped": "Extraction interrompue",
    "Tone-map to SDR": "Convertir en SDR",
    "Keep HDR": "Garder le HDR",
    "PNG (at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR; other types are always tone-mapped.":
        "PNG (en 16 bits), AVIF et JPEG XL gardent les images PQ et HLG en HDR ; les autres types sont toujours convertis en SDR.",
    "&Write the frame's time and source into each file": "&Écrire l’heure et la source de l’image dans chaque fichier",
    "The movie's creation time plus the frame's time, the movie's name and the frame's number, and the place the movie was recorded, which is copied into each file.":
        "L’heure de création de la vidéo plus le temps de l’image, le nom de la vidéo et le numéro de l’image, et le lieu où la vidéo a été tournée, qui est copié dans chaque fichier.",
    "PNG and TIFF files of 10-bit and deeper movies keep every level; 8-bit movies stay 8-bit.":
        "Les fichiers PNG et TIFF des vidéos de 10 bits et plus gardent chaque niveau ; les vidéos 8 bits restent en 8 bits.",
    "&Quality:": "&Qualité :",
    "Low": "Basse",
    "Medium": "Moyenne",
    "High": "Haute",
    "Si&ze:": "T&aille :",
    "100 percent": "100 pour cent",
    "&Pad frame numbers with zeros": "&Compléter les numéros d’images par des zéros",
    "&Append the frame count to the names": "A&jouter le nombre d’images aux noms",
    "Preserve &dates": "C&onserver les dates",
    "Destination": "Destination",
    "Always &copy to:": "Toujours cop&ier dans :",
    "Copy": "Copier",
    "C&hoose…": "C&hoisir…",
    "Q&uit when done": "Q&uitter une fois terminé",
    "Cancel": "Annuler",
    "OK": "OK",
    "About Reelsnap": "À propos de Reelsnap",
    "Turns a movie into still images, one per frame.": "Transforme une vidéo en images fixes, une par image.",
    "Built on these libraries, in use now:": "Construit sur ces bibliothèques, utilisées en ce moment :",
    "The FFmpeg libraries are licensed under the %1.": "Les bibliothèques FFmpeg sont distribuées sous la licence %1.",
    "Working": "Traitement en cours",
    "Frames written": "Images écrites",
    "&About Reelsnap": "À &propos de Reelsnap",
}


# The command line's texts.
DESC_EN = "Writes a movie's frames as image files, one per selected frame, named frame_7.jpg\nand so on. Frame i is the movie's i-th frame in display order, counted from 1;\nthe selected frames are the multiples of the step from the first to the last,\nor those that --every-seconds, --key-frames, --spread, --frames, --times or\n--scenes choose. An existing file is never replaced without --overwrite.\n\nExit status: 0 when every selected frame of every movie was written or was there\nalready; 1 when any movie failed or any selected frame could not be decoded or\nwritten (the others are still done); 2 for a usage error; 128 and the signal's\nnumber after SIGINT, SIGTERM or SIGHUP (130, 143, 129)."
# Key names the windows' .ui files give as shortcuts: the same in every
# language (Qt writes them in the user's own when it shows them).
for key in ("Ctrl+P", "Right", "Left", "Shift+Right", "Shift+Left", "PgUp", "PgDown", "Home",
            "End", "Ctrl+G", "Ctrl+W", "M", "Ctrl+E", "Ctrl+Shift+S"):
    DE[key] = FR[key] = key

DE_CLI = {
    "“%1”": "„%1“",
    "%1: frame %2 of %3, %4 frames/s, %5 s left": "%1: Bild %2 von %3, %4 Bilder/s, noch %5 s",
    "is a folder": "ist ein Ordner",
    "not a movie, or cannot be read": "kein Film oder nicht lesbar",
    "cannot make the folder %1: %2": "der Ordner %1 kann nicht angelegt werden: %2",
    "%1: %2": "%1: %2",
    "too large: more than %1 frames": "zu groß: mehr als %1 Bilder",
    "no video stream": "keine Videospur",
    "out of memory": "kein Speicher mehr",
    "--output takes a folder": "--output erwartet einen Ordner",
    "--first %1 is after --last %2: no frame is selected": "--first %1 liegt nach --last %2: kein Bild ist ausgewählt",
    "could not write %1: %2": "%1 konnte nicht geschrieben werden: %2",
    "no frame could be decoded": "kein Bild konnte dekodiert werden",
    "interrupted": "unterbrochen",
    DESC_EN: "Schreibt die Bilder eines Films als Bilddateien, eine je ausgewähltem Bild, benannt\nframe_7.jpg und so weiter. Bild i ist das i-te Bild des Films in Anzeigereihenfolge,\ngezählt ab 1; ausgewählt sind die Vielfachen der Schrittweite vom ersten bis zum\nletzten, oder die, die --every-seconds, --key-frames, --spread, --frames, --times\noder --scenes wählen. Eine vorhandene Datei wird ohne --overwrite nie ersetzt.\n\nRückgabewert: 0, wenn jedes ausgewählte Bild jedes Films geschrieben wurde oder schon\nda war; 1, wenn ein Film misslang oder ein ausgewähltes Bild nicht dekodiert oder\ngeschrieben werden konnte (die anderen werden trotzdem fertig); 2 bei einem\nAufruffehler; 128 und die Nummer des Signals nach SIGINT, SIGTERM oder SIGHUP\n(130, 143, 129).",
    "Show this help and exit.": "Diese Hilfe zeigen und beenden.",
    "Show the version and exit.": "Die Version zeigen und beenden.",
    'Write into DIR (default: the current folder); with several movies, --from or --shard, each into a folder named after the movie, and "clip (2)", "clip (3)" ... for later movies of the same name.':
        "In DIR schreiben (Vorgabe: der aktuelle Ordner); bei mehreren Filmen, --from oder --shard jeden in einen Ordner mit dem Namen des Films, und „clip (2)“, „clip (3)“ … für spätere Filme gleichen Namens.",
    "First frame index (default 1).": "Nummer des ersten Bildes (Vorgabe 1).",
    "Last frame index (default: the movie's last).": "Nummer des letzten Bildes (Vorgabe: das letzte des Films).",
    "Take every Nth frame index (default 1).": "Jede N-te Bildnummer nehmen (Vorgabe 1).",
    "Image size in percent, 1 to 100 (default 100).": "Bildgröße in Prozent, 1 bis 100 (Vorgabe 100).",
    "%1 (default, or %2)": "%1 (Vorgabe, oder %2)",
    "%1 (or %2)": "%1 (oder %2)",
    "%1 or %2.": "%1 oder %2.",
    "%1 and %2": "%1 und %2",
    "For %1: low, medium (default) or high as in the window, or a number from 1 to 100 (high and 100: %2 lossless).":
        "Für %1: low, medium (Vorgabe) oder high wie im Fenster, oder eine Zahl von 1 bis 100 (high und 100: %2 verlustfrei).",
    "Pad indices with zeros to eight digits.": "Nummern mit Nullen auf acht Stellen auffüllen.",
    "Append the movie's frame count: frame_7 of 120.jpg.": "Die Bildanzahl des Films anhängen: frame_7 of 120.jpg.",
    "Date each file at the movie's creation time plus the frame's presentation time.":
        "Jede Datei auf die Entstehungszeit des Films plus die Anzeigezeit des Bildes datieren.",
    "Replace existing files of the same names.": "Vorhandene Dateien gleichen Namens ersetzen.",
    "Print each movie's frame count; write nothing.": "Die Bildanzahl jedes Films ausgeben; nichts schreiben.",
    "Encode with N workers (default: one a core, at most 8).": "Mit N Arbeitern kodieren (Vorgabe: einer je Kern, höchstens 8).",
    "Say nothing but errors.": "Nur Fehler melden.",
    "The movies to take frames from.": "Die Filme, deren Bilder geschrieben werden.",
    "try --help": "siehe --help",
    "no movie given": "kein Film angegeben",
    "--first takes a frame index from 1 to %1": "--first erwartet eine Bildnummer von 1 bis %1",
    "--last takes a frame index from 1 to %1": "--last erwartet eine Bildnummer von 1 bis %1",
    "--step takes a number from 1 to 32767": "--step erwartet eine Zahl von 1 bis 32767",
    "--scale takes a percentage from 1 to 100": "--scale erwartet einen Prozentwert von 1 bis 100",
    "--type takes %1 or %2": "--type erwartet %1 oder %2",
    "%1: the date the movie records is none that a file can hold; left out of the metadata": "%1: das Datum, das der Film nennt, kann keine Datei tragen; in den Metadaten ausgelassen",
    "%1: the place the movie records cannot be read; left out of the metadata": "%1: der Ort, den der Film nennt, ist nicht lesbar; in den Metadaten ausgelassen",
    "--quality takes low, medium, high or a number from 1 to 100": "--quality erwartet low, medium, high oder eine Zahl von 1 bis 100",
    "--jobs takes a number from 1 to 64": "--jobs erwartet eine Zahl von 1 bis 64",
    "Take the frame shown every S seconds from the first frame's time; S is a decimal or [[H:]M:]S[.fff].":
        "Das Bild nehmen, das alle S Sekunden ab der Zeit des ersten Bildes gezeigt wird; S ist eine Dezimalzahl oder [[H:]M:]S[.fff].",
    "Take every key frame.": "Jedes Schlüsselbild nehmen.",
    "Take N frames spread evenly from the first to the last.": "N Bilder gleichmäßig verteilt vom ersten bis zum letzten nehmen.",
    "Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a line.":
        "Die aufgeführten Bilder nehmen: Nummern und Bereiche (1,50,100-120), oder @DATEI mit einem Eintrag je Zeile.",
    "Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a line.":
        "Die Bilder nehmen, die zu den aufgeführten Zeiten gezeigt werden (12.5,1:02:03.250), oder @DATEI mit einer Zeit je Zeile.",
    "Take the first frame and the first frame of each scene.": "Das erste Bild und das erste Bild jeder Szene nehmen.",
    "With --scenes: the least scene score of a cut, 0 to 100 (default 10).":
        "Mit --scenes: der kleinste Szenenwert eines Schnitts, 0 bis 100 (Vorgabe 10).",
    "--%1 and --%2 choose frames two ways: give one": "--%1 und --%2 wählen Bilder auf zwei Arten: nur eine angeben",
    "--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]": "--every-seconds erwartet eine Zeit über 0: eine Dezimalzahl oder [[H:]M:]S[.fff]",
    "--spread takes a number of frames from 1 to %1": "--spread erwartet eine Bildanzahl von 1 bis %1",
    "--append-count does not go with --name: put {count} in the name":
        "--append-count passt nicht zu --name: schreiben Sie {count} in den Namen",
    "it makes names longer than a file name can be": "es ergibt Namen, die länger sind, als ein Dateiname sein kann",
    "Name files by TEMPLATE, the type's extension after it: {index} (as --pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the frame's place among those taken).":
        "Dateien nach VORLAGE benennen, die Endung des Typs dahinter: {index} (wie --pad es sagt), {index:W} (W Stellen), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (die Stelle des Bildes unter den genommenen).",
    "--name: %1": "--name: %1",
    "%1: cannot read %2": "%1: %2 kann nicht gelesen werden",
    "--times: “%1” is not a time": "--times: „%1“ ist keine Zeit",
    "--frames: “%1” is not a frame index or range": "--frames: „%1“ ist keine Bildnummer und kein Bereich",
    "--scene-threshold takes a number from 0 to 100, with --scenes": "--scene-threshold erwartet eine Zahl von 0 bis 100, zusammen mit --scenes",
    "Take the movies listed in FILE, one a line (- for standard input), after those given.":
        "Die in DATEI aufgeführten Filme nehmen, einen je Zeile (- für die Standardeingabe), nach den angegebenen.",
    "With --from: the list's names end with NUL, as find -print0 writes them.":
        "Mit --from: die Namen der Liste enden mit NUL, wie find -print0 sie schreibt.",
    "Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 <= K <= N. In a Slurm job array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.":
        "Nur den K-ten von N verzahnten Anteilen der Filme nehmen (K, K+N, K+2N …), 1 <= K <= N. In einem Slurm-Job-Array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; bei Task-IDs ab 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.",
    "Write each movie's frames into DIR/ and its path below BASE without its extension (a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails.":
        "Die Bilder jedes Films nach DIR/ und seinem Pfad unterhalb von BASIS ohne Endung schreiben (a/clip.mp4: DIR/a/clip/), wie auch immer die Filme aufgeteilt sind; ein Film außerhalb von BASIS misslingt.",
    "Write records on standard output, one JSON object a line: one per frame written or kept, one at each movie's end.":
        "Protokolle auf die Standardausgabe schreiben, ein JSON-Objekt je Zeile: eines je geschriebenem oder behaltenem Bild, eines am Ende jedes Films.",
    "--from: cannot read %1": "--from: %1 kann nicht gelesen werden",
    "--null goes with --from": "--null gehört zu --from",
    "--shard takes K/N with 1 <= K <= N": "--shard erwartet K/N mit 1 <= K <= N",
    "--tree takes a folder": "--tree erwartet einen Ordner",
    "--depth takes 8 or 16": "--depth erwartet 8 oder 16",
    "--hdr takes tonemap or keep": "--hdr erwartet tonemap oder keep",
    "HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always tone-mapped.":
        "HDR-Filme: tonemap (Vorgabe) bildet sie auf SDR ab, keep behält ihre PQ- oder HLG-Bilder als HDR in png (mit 16 Bit und einem cICP-Block), avif und jxl, als BT.2020 gekennzeichnet; andere Typen werden immer auf SDR abgebildet.",
    "Write the frame's time and source into each file (%1): the movie's creation time plus the frame's time as EXIF DateTimeOriginal, the movie's name, the frame's index and time as XMP, and the place the movie was recorded, which is copied as EXIF GPS where the movie has one.":
        "Zeit und Herkunft des Bildes in jede Datei schreiben (%1): die Entstehungszeit des Films plus die Zeit des Bildes als EXIF DateTimeOriginal, den Namen des Films, Nummer und Zeit des Bildes als XMP, und den Ort, an dem der Film aufgenommen wurde, der als EXIF GPS kopiert wird, wo der Film einen hat.",
    "Bits a channel for %1: 8 (default) or 16, which keeps the levels of 10-bit and deeper movies (8-bit movies stay 8-bit).":
        "Bit je Kanal für %1: 8 (Vorgabe) oder 16, das die Stufen von Filmen mit 10 und mehr Bit behält (8-Bit-Filme bleiben 8 Bit).",
    "is not inside %1 (--tree)": "liegt nicht in %1 (--tree)",
    "its folder %1 is that of %2": "sein Ordner %1 ist der von %2",
    "%1: frame %2 could not be decoded": "%1: Bild %2 konnte nicht dekodiert werden",
}
FR_CLI = {
    "“%1”": "« %1 »",
    "%1: frame %2 of %3, %4 frames/s, %5 s left": "%1 : image %2 sur %3, %4 images/s, encore %5 s",
    "is a folder": "est un dossier",
    "not a movie, or cannot be read": "n’est pas une vidéo, ou ne peut pas être lu",
    "cannot make the folder %1: %2": "impossible de créer le dossier %1 : %2",
    "%1: %2": "%1 : %2",
    "too large: more than %1 frames": "trop grande : plus de %1 images",
    "no video stream": "aucun flux vidéo",
    "out of memory": "mémoire épuisée",
    "--output takes a folder": "--output attend un dossier",
    "--first %1 is after --last %2: no frame is selected": "--first %1 est après --last %2 : aucune image n’est choisie",
    "could not write %1: %2": "impossible d’écrire %1 : %2",
    "no frame could be decoded": "aucune image n’a pu être décodée",
    "interrupted": "interrompu",
    DESC_EN: "Écrit les images d’une vidéo dans des fichiers image, un par image choisie, nommés\nframe_7.jpg et ainsi de suite. L’image i est la i-ième image de la vidéo dans l’ordre\nd’affichage, comptée à partir de 1 ; les images choisies sont les multiples du pas,\nde la première à la dernière, ou celles que choisissent --every-seconds, --key-frames,\n--spread, --frames, --times ou --scenes. Un fichier existant n’est jamais remplacé sans --overwrite.\n\nCode de sortie : 0 quand chaque image choisie de chaque vidéo a été écrite ou était\ndéjà là ; 1 quand une vidéo a échoué ou qu’une image choisie n’a pu être décodée ou\nécrite (les autres sont tout de même traitées) ; 2 pour une erreur d’utilisation ;\n128 plus le numéro du signal après SIGINT, SIGTERM ou SIGHUP (130, 143, 129).",
    "Show this help and exit.": "Afficher cette aide et quitter.",
    "Show the version and exit.": "Afficher la version et quitter.",
    'Write into DIR (default: the current folder); with several movies, --from or --shard, each into a folder named after the movie, and "clip (2)", "clip (3)" ... for later movies of the same name.':
        "Écrire dans DIR (par défaut : le dossier courant) ; avec plusieurs vidéos, --from ou --shard, chacune dans un dossier portant son nom, et « clip (2) », « clip (3) » … pour les vidéos suivantes de même nom.",
    "First frame index (default 1).": "Numéro de la première image (par défaut 1).",
    "Last frame index (default: the movie's last).": "Numéro de la dernière image (par défaut : la dernière de la vidéo).",
    "Take every Nth frame index (default 1).": "Prendre un numéro d’image sur N (par défaut 1).",
    "Image size in percent, 1 to 100 (default 100).": "Taille de l’image en pour cent, de 1 à 100 (par défaut 100).",
    "%1 (default, or %2)": "%1 (par défaut, ou %2)",
    "%1 (or %2)": "%1 (ou %2)",
    "%1 or %2.": "%1 ou %2.",
    "%1 and %2": "%1 et %2",
    "For %1: low, medium (default) or high as in the window, or a number from 1 to 100 (high and 100: %2 lossless).":
        "Pour %1 : low, medium (par défaut) ou high comme dans la fenêtre, ou un nombre de 1 à 100 (high et 100 : %2 sans perte).",
    "Pad indices with zeros to eight digits.": "Compléter les numéros par des zéros jusqu’à huit chiffres.",
    "Append the movie's frame count: frame_7 of 120.jpg.": "Ajouter le nombre d’images de la vidéo : frame_7 of 120.jpg.",
    "Date each file at the movie's creation time plus the frame's presentation time.":
        "Dater chaque fichier de l’heure de création de la vidéo plus l’instant d’affichage de l’image.",
    "Replace existing files of the same names.": "Remplacer les fichiers existants de même nom.",
    "Print each movie's frame count; write nothing.": "Afficher le nombre d’images de chaque vidéo ; ne rien écrire.",
    "Encode with N workers (default: one a core, at most 8).": "Encoder avec N processus (par défaut : un par cœur, 8 au plus).",
    "Say nothing but errors.": "N’afficher que les erreurs.",
    "The movies to take frames from.": "Les vidéos dont prendre les images.",
    "try --help": "essayez --help",
    "no movie given": "aucune vidéo indiquée",
    "--first takes a frame index from 1 to %1": "--first attend un numéro d’image de 1 à %1",
    "--last takes a frame index from 1 to %1": "--last attend un numéro d’image de 1 à %1",
    "--step takes a number from 1 to 32767": "--step attend un nombre de 1 à 32767",
    "--scale takes a percentage from 1 to 100": "--scale attend un pourcentage de 1 à 100",
    "--type takes %1 or %2": "--type attend %1 ou %2",
    "%1: the date the movie records is none that a file can hold; left out of the metadata": "%1 : la date que la vidéo indique ne peut figurer dans aucun fichier ; omise des métadonnées",
    "%1: the place the movie records cannot be read; left out of the metadata": "%1 : le lieu que la vidéo indique est illisible ; omis des métadonnées",
    "--quality takes low, medium, high or a number from 1 to 100": "--quality attend low, medium, high ou un nombre de 1 à 100",
    "--jobs takes a number from 1 to 64": "--jobs attend un nombre de 1 à 64",
    "Take the frame shown every S seconds from the first frame's time; S is a decimal or [[H:]M:]S[.fff].":
        "Prendre l’image affichée toutes les S secondes à partir du temps de la première image ; S est un nombre décimal ou [[H:]M:]S[.fff].",
    "Take every key frame.": "Prendre chaque image clé.",
    "Take N frames spread evenly from the first to the last.": "Prendre N images réparties régulièrement de la première à la dernière.",
    "Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a line.":
        "Prendre les images listées : numéros et plages (1,50,100-120), ou @FICHIER avec un élément par ligne.",
    "Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a line.":
        "Prendre les images affichées aux temps listés (12.5,1:02:03.250), ou @FICHIER avec un temps par ligne.",
    "Take the first frame and the first frame of each scene.": "Prendre la première image et la première image de chaque scène.",
    "With --scenes: the least scene score of a cut, 0 to 100 (default 10).":
        "Avec --scenes : le plus petit score de scène d’une coupe, de 0 à 100 (par défaut 10).",
    "--%1 and --%2 choose frames two ways: give one": "--%1 et --%2 choisissent les images de deux façons : n’en donner qu’une",
    "--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]": "--every-seconds attend un temps supérieur à 0 : un nombre décimal ou [[H:]M:]S[.fff]",
    "--spread takes a number of frames from 1 to %1": "--spread attend un nombre d’images de 1 à %1",
    "--append-count does not go with --name: put {count} in the name":
        "--append-count ne va pas avec --name : mettez {count} dans le nom",
    "it makes names longer than a file name can be": "il donne des noms plus longs qu’un nom de fichier ne peut l’être",
    "Name files by TEMPLATE, the type's extension after it: {index} (as --pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the frame's place among those taken).":
        "Nommer les fichiers selon MODÈLE, suivi de l’extension du type : {index} (selon --pad), {index:W} (W chiffres), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (le rang de l’image parmi celles prises).",
    "--name: %1": "--name : %1",
    "%1: cannot read %2": "%1 : impossible de lire %2",
    "--times: “%1” is not a time": "--times : « %1 » n’est pas un temps",
    "--frames: “%1” is not a frame index or range": "--frames : « %1 » n’est ni un numéro d’image ni une plage",
    "--scene-threshold takes a number from 0 to 100, with --scenes": "--scene-threshold attend un nombre de 0 à 100, avec --scenes",
    "Take the movies listed in FILE, one a line (- for standard input), after those given.":
        "Prendre les vidéos listées dans FICHIER, une par ligne (- pour l’entrée standard), après celles indiquées.",
    "With --from: the list's names end with NUL, as find -print0 writes them.":
        "Avec --from : les noms de la liste se terminent par NUL, comme les écrit find -print0.",
    "Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 <= K <= N. In a Slurm job array (--array=1-N): --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.":
        "Ne prendre que la K-ième de N parts entrelacées des vidéos (K, K+N, K+2N …), 1 <= K <= N. Dans un tableau de tâches Slurm (--array=1-N) : --shard $SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT ; avec des numéros de tâche à partir de 0 : --shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT.",
    "Write each movie's frames into DIR/ and its path below BASE without its extension (a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails.":
        "Écrire les images de chaque vidéo dans DIR/ suivi de son chemin sous BASE sans extension (a/clip.mp4 : DIR/a/clip/), quel que soit le partage des vidéos ; une vidéo hors de BASE échoue.",
    "Write records on standard output, one JSON object a line: one per frame written or kept, one at each movie's end.":
        "Écrire des enregistrements sur la sortie standard, un objet JSON par ligne : un par image écrite ou conservée, un à la fin de chaque vidéo.",
    "--from: cannot read %1": "--from : impossible de lire %1",
    "--null goes with --from": "--null va avec --from",
    "--shard takes K/N with 1 <= K <= N": "--shard attend K/N avec 1 <= K <= N",
    "--tree takes a folder": "--tree attend un dossier",
    "--depth takes 8 or 16": "--depth attend 8 ou 16",
    "--hdr takes tonemap or keep": "--hdr attend tonemap ou keep",
    "HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always tone-mapped.":
        "Vidéos HDR : tonemap (par défaut) les convertit en SDR, keep garde leurs images PQ ou HLG en HDR dans png (en 16 bits, avec un bloc cICP), avif et jxl, marquées BT.2020 ; les autres types sont toujours convertis en SDR.",
    "Write the frame's time and source into each file (%1): the movie's creation time plus the frame's time as EXIF DateTimeOriginal, the movie's name, the frame's index and time as XMP, and the place the movie was recorded, which is copied as EXIF GPS where the movie has one.":
        "Écrire l’heure et la source de l’image dans chaque fichier (%1) : l’heure de création de la vidéo plus le temps de l’image en EXIF DateTimeOriginal, le nom de la vidéo, le numéro et le temps de l’image en XMP, et le lieu où la vidéo a été tournée, copié en EXIF GPS quand la vidéo en a un.",
    "Bits a channel for %1: 8 (default) or 16, which keeps the levels of 10-bit and deeper movies (8-bit movies stay 8-bit).":
        "Bits par canal pour %1 : 8 (par défaut) ou 16, qui garde les niveaux des vidéos de 10 bits et plus (les vidéos 8 bits restent en 8 bits).",
    "is not inside %1 (--tree)": "n’est pas dans %1 (--tree)",
    "its folder %1 is that of %2": "son dossier %1 est celui de %2",
    "%1: frame %2 could not be decoded": "%1 : l’image %2 n’a pu être décodée",
}

DE.update(DE_CLI)
FR.update(FR_CLI)

# Texts with a count (tr(text, nullptr, n)): their forms in each language,
# English included, in the order of Qt's plural rules (one, other).
PLURALS = {
    "%n frame(s) marked": {"en": ["%n frame marked", "%n frames marked"],
                           "de": ["%n Bild markiert", "%n Bilder markiert"],
                           "fr": ["%n image marquée", "%n images marquées"]},
    "%1: %n frame(s)": {"en": ["%1: %n frame", "%1: %n frames"],
                        "de": ["%1: %n Bild", "%1: %n Bilder"],
                        "fr": ["%1 : %n image", "%1 : %n images"]},
    "%n frame(s) written": {"en": ["%n frame written", "%n frames written"],
                            "de": ["%n Bild geschrieben", "%n Bilder geschrieben"],
                            "fr": ["%n image écrite", "%n images écrites"]},
    "%n kept": {"en": ["%n kept", "%n kept"],
                "de": ["%n behalten", "%n behalten"],
                "fr": ["%n conservée", "%n conservées"]},
    "%n failed": {"en": ["%n failed", "%n failed"],
                  "de": ["%n misslungen", "%n misslungen"],
                  "fr": ["%n en échec", "%n en échec"]},
    "%n listed past the movie's end": {"en": ["%n listed past the movie's end", "%n listed past the movie's end"],
                                       "de": ["%n nach dem Filmende aufgeführt", "%n nach dem Filmende aufgeführt"],
                                       "fr": ["%n listé après la fin de la vidéo", "%n listés après la fin de la vidéo"]},
    "%n not decoded": {"en": ["%n not decoded", "%n not decoded"],
                       "de": ["%n nicht dekodiert", "%n nicht dekodiert"],
                       "fr": ["%n non décodée", "%n non décodées"]},
    "%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame(s)": {
        "en": ["%1: nothing selected: frames from %2 on were asked for, and the movie has %n frame",
               "%1: nothing selected: frames from %2 on were asked for, and the movie has %n frames"],
        "de": ["%1: nichts ausgewählt: Bilder ab %2 wurden verlangt, und der Film hat %n Bild",
               "%1: nichts ausgewählt: Bilder ab %2 wurden verlangt, und der Film hat %n Bilder"],
        "fr": ["%1 : rien de choisi : les images à partir de %2 étaient demandées, et la vidéo a %n image",
               "%1 : rien de choisi : les images à partir de %2 étaient demandées, et la vidéo a %n images"]},
    "%n selected frame(s) could not be decoded": {
        "en": ["%n selected frame could not be decoded", "%n selected frames could not be decoded"],
        "de": ["%n ausgewähltes Bild konnte nicht dekodiert werden",
               "%n ausgewählte Bilder konnten nicht dekodiert werden"],
        "fr": ["%n image choisie n’a pu être décodée", "%n images choisies n’ont pu être décodées"]},
    "kept %n existing file(s); --overwrite replaces them": {
        "en": ["kept %n existing file; --overwrite replaces it",
               "kept %n existing files; --overwrite replaces them"],
        "de": ["%n vorhandene Datei behalten; --overwrite ersetzt sie",
               "%n vorhandene Dateien behalten; --overwrite ersetzt sie"],
        "fr": ["%n fichier existant conservé ; --overwrite le remplace",
               "%n fichiers existants conservés ; --overwrite les remplace"]},
}


def fill_plurals(language):
    path = HERE / f"reelsnap_{language}.ts"
    text = path.read_text(encoding="utf-8")

    def translate(match):
        forms = PLURALS.get(html.unescape(match.group(1)), {}).get(language)
        if not forms:
            return match.group(0)
        done = "".join(f"\n            <numerusform>{html.escape(f, quote=False)}</numerusform>"
                       for f in forms)
        return f"<source>{match.group(1)}</source>\n        <translation>{done}\n        </translation>"

    text = re.sub(r'<source>([^<]*)</source>\s*<translation[^>]*>\s*(?:<numerusform>.*?</numerusform>\s*)+</translation>',
                  translate, text, flags=re.S)
    path.write_text(text, encoding="utf-8")


def fill(table, language):
    text = (HERE / "reelsnap_en.ts").read_text(encoding="utf-8")
    text = text.replace('language="en"', f'language="{language}"')

    def translate(match):
        source = html.unescape(match.group(1))
        if source not in table:
            return match.group(0)
        done = html.escape(table[source], quote=False).replace('"', "&quot;")
        return f"<source>{match.group(1)}</source>\n        <translation>{done}</translation>"

    text = re.sub(r'<source>([^<]*)</source>\s*<translation type="unfinished"></translation>',
                  translate, text, flags=re.S)
    (HERE / f"reelsnap_{language}.ts").write_text(text, encoding="utf-8")


fill(DE, "de")
fill(FR, "fr")
for language in ("en", "de", "fr"):
    fill_plurals(language)
