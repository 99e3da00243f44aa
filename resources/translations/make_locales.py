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
    "Ctrl+Q": "Ctrl+Q",
    "Reelsnap &Help": "Reelsnap-&Hilfe",
    "F1": "F1",
    "Drop movies here<br><small>or open one with File ▸ Open Movie… (Ctrl+O)</small>":
        "Filme hier ablegen<br><small>oder einen mit Datei ▸ Film öffnen … (Ctrl+O) öffnen</small>",
    "&Open Movie…": "Film ö&ffnen …",
    "Ctrl+O": "Ctrl+O",
    "Reelsnap Preferences": "Reelsnap-Einstellungen",
    "Frames": "Bilder",
    "First frame:": "Erstes Bild:",
    "Last frame:": "Letztes Bild:",
    "last of the movie": "letztes des Films",
    "Take every:": "Jedes n-te:",
    "Images": "Bilddateien",
    "Type:": "Typ:",
    "TIFF": "TIFF", "BMP": "BMP", "GIF": "GIF", "JPEG": "JPEG", "PNG": "PNG",
    "JPEG 2000": "JPEG 2000",
    "Quality:": "Qualität:",
    "Low": "Niedrig",
    "Medium": "Mittel",
    "High": "Hoch",
    "Size:": "Größe:",
    "100 percent": "100 Prozent",
    "Pad frame numbers with zeros": "Bildnummern mit Nullen auffüllen",
    "Append the frame count to the names": "Bildanzahl an die Namen anhängen",
    "Preserve dates": "Datum übernehmen",
    "Destination": "Ziel",
    "Always copy to:": "Immer kopieren nach:",
    "Copy": "Kopieren",
    "Choose…": "Auswählen …",
    "Quit when done": "Nach Abschluss beenden",
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
    "Ctrl+Q": "Ctrl+Q",
    "Reelsnap &Help": "Aide de &Reelsnap",
    "F1": "F1",
    "Drop movies here<br><small>or open one with File ▸ Open Movie… (Ctrl+O)</small>":
        "Déposez des vidéos ici<br><small>ou ouvrez-en une avec Fichier ▸ Ouvrir une vidéo… (Ctrl+O)</small>",
    "&Open Movie…": "&Ouvrir une vidéo…",
    "Ctrl+O": "Ctrl+O",
    "Reelsnap Preferences": "Préférences de Reelsnap",
    "Frames": "Images",
    "First frame:": "Première image :",
    "Last frame:": "Dernière image :",
    "last of the movie": "dernière de la vidéo",
    "Take every:": "Prendre toutes les :",
    "Images": "Fichiers image",
    "Type:": "Type :",
    "TIFF": "TIFF", "BMP": "BMP", "GIF": "GIF", "JPEG": "JPEG", "PNG": "PNG",
    "JPEG 2000": "JPEG 2000",
    "Quality:": "Qualité :",
    "Low": "Basse",
    "Medium": "Moyenne",
    "High": "Haute",
    "Size:": "Taille :",
    "100 percent": "100 pour cent",
    "Pad frame numbers with zeros": "Compléter les numéros d’images par des zéros",
    "Append the frame count to the names": "Ajouter le nombre d’images aux noms",
    "Preserve dates": "Conserver les dates",
    "Destination": "Destination",
    "Always copy to:": "Toujours copier dans :",
    "Copy": "Copier",
    "Choose…": "Choisir…",
    "Quit when done": "Quitter une fois terminé",
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


def fill(table, language):
    text = (HERE / "reelsnap_en.ts").read_text(encoding="utf-8")
    text = text.replace('language="en"', f'language="{language}"')

    def translate(match):
        source = html.unescape(match.group(1))
        if source not in table:
            return match.group(0)
        done = html.escape(table[source], quote=False).replace('"', "&quot;")
        return f"<source>{match.group(1)}</source>\n        <translation>{done}</translation>"

    text = re.sub(r'<source>(.*?)</source>\s*<translation type="unfinished"></translation>',
                  translate, text, flags=re.S)
    (HERE / f"reelsnap_{language}.ts").write_text(text, encoding="utf-8")


fill(DE, "de")
fill(FR, "fr")
