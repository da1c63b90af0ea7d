"""Language files lang/CODE.txt (Windows-1252) and the language list lang/liste.txt.

Line 1 of each file is the language's own name written in plain ASCII: the play screen builds
the result pictures' file names from it (imgs/msg/NAME_gagne.png), and those names stay ASCII
on disk. The name shown to the player, accents included, is the one in lang/liste.txt."""
import os

import commun
import police

# code, name in line 1 (ASCII, used in file names), name shown in the language list
LANGUES = [
    ("fr", "Francais", "Français"),
    ("en", "English", "English"),
    ("de", "Deutsch", "Deutsch"),
    ("es", "Espanol", "Español"),
]

ENTREE = "<cffdd77>"   # warm yellow for key names, back to white after
BLANC = "<cffffff>"

TEXTES = {
    "fr": {
        "Play": "Jouer", "NewMap": "Nouveau", "EditMap": "Modifier", "Opt": "Options",
        "Quit": "Sortir",
        "Start": f"Appuyez sur {ENTREE}Entrée{BLANC} pour commencer",
        "Enter": f"{ENTREE}Entrée{BLANC} pour continuer",
        "Bomb": "Bombes : ",
        "DemandNew": "Nom du nouveau fichier de niveaux :",
        "OK": "OK",
        "Resolution": "Résolution", "Antialias": "Lissage",
        "PleinEcran": "Plein écran", "VSync": "Synchronisation verticale",
        "AfficheIPS": "Afficher les images par seconde",
        "MenuTrenteImages": "Menus à 30 images par seconde", "ModeDaltonien": "Mode daltonien",
        "Reflets": "Reflets", "Fond": "Fond en 3D", "FondShader": "Fond fractal animé",
        "Net": "Netteté", "Vitesse": "Vitesse", "Iter": "Détails", "Ret": "Retour",
        "DemandRec": "Enregistrer avant de quitter ?", "Oui": "Oui", "No": "Non",
        "DemandAdd": "Ajouter un niveau avant ou après ?", "Av": "Avant", "Ap": "Après",
        "DemandSup": "Supprimer ce niveau ?", "Ann": "Annuler",
        "EditOptions": "Propriétés du niveau",
        "ColorBlocs": "Couleurs des blocs (cliquez un coin)",
        "TailleY": "Hauteur", "TailleX": "Largeur", "Niveau": "Niveau",
        "LienManuel": "Mode d'emploi", "LienCredits": "Crédits",
        "ErreurSauv": "Enregistrement impossible",
        "ModifsGardees": "Vos modifications sont gardées.",
        "DemandRecup": "Reprendre la copie de secours ?",
    },
    "en": {
        "Play": "Play", "NewMap": "New", "EditMap": "Edit", "Opt": "Options",
        "Quit": "Quit",
        "Start": f"Press {ENTREE}Enter{BLANC} to start",
        "Enter": f"{ENTREE}Enter{BLANC} to continue",
        "Bomb": "Bombs: ",
        "DemandNew": "Name of the new level file:",
        "OK": "OK",
        "Resolution": "Resolution", "Antialias": "Antialias",
        "PleinEcran": "Full screen", "VSync": "Vertical sync",
        "AfficheIPS": "Show frames per second",
        "MenuTrenteImages": "Menus at 30 frames per second", "ModeDaltonien": "Colour-blind mode",
        "Reflets": "Reflections", "Fond": "3D background", "FondShader": "Animated fractal background",
        "Net": "Sharpness", "Vitesse": "Speed", "Iter": "Detail", "Ret": "Back",
        "DemandRec": "Save before leaving?", "Oui": "Yes", "No": "No",
        "DemandAdd": "Add a level before or after this one?", "Av": "Before", "Ap": "After",
        "DemandSup": "Delete this level?", "Ann": "Cancel",
        "EditOptions": "Level properties",
        "ColorBlocs": "Brick colours (click a corner)",
        "TailleY": "Height", "TailleX": "Width", "Niveau": "Level",
        "LienManuel": "How to play", "LienCredits": "Credits",
        "ErreurSauv": "The file could not be saved",
        "ModifsGardees": "Your changes are kept.",
        "DemandRecup": "Load the recovery copy?",
    },
    "de": {
        "Play": "Spielen", "NewMap": "Neu", "EditMap": "Bearbeiten", "Opt": "Optionen",
        "Quit": "Ende",
        "Start": f"Zum Starten {ENTREE}Eingabe{BLANC} drücken",
        "Enter": f"Weiter mit {ENTREE}Eingabe{BLANC}",
        "Bomb": "Bomben: ",
        "DemandNew": "Name der neuen Level-Datei:",
        "OK": "OK",
        "Resolution": "Auflösung", "Antialias": "Glätten",
        "PleinEcran": "Vollbild", "VSync": "Vertikale Synchronisation",
        "AfficheIPS": "Bilder pro Sekunde anzeigen",
        "MenuTrenteImages": "Menüs mit 30 Bildern pro Sekunde", "ModeDaltonien": "Farbenblind-Modus",
        "Reflets": "Spiegelungen", "Fond": "3D-Hintergrund", "FondShader": "Animierter Fraktal-Hintergrund",
        "Net": "Schärfe", "Vitesse": "Tempo", "Iter": "Details", "Ret": "Zurück",
        "DemandRec": "Vor dem Beenden speichern?", "Oui": "Ja", "No": "Nein",
        "DemandAdd": "Level davor oder danach einfügen?", "Av": "Davor", "Ap": "Danach",
        "DemandSup": "Dieses Level löschen?", "Ann": "Abbrechen",
        "EditOptions": "Level-Eigenschaften",
        "ColorBlocs": "Blockfarben (eine Ecke anklicken)",
        "TailleY": "Höhe", "TailleX": "Breite", "Niveau": "Level",
        "LienManuel": "Anleitung", "LienCredits": "Mitwirkende",
        "ErreurSauv": "Speichern fehlgeschlagen",
        "ModifsGardees": "Ihre Änderungen bleiben erhalten.",
        "DemandRecup": "Sicherungskopie laden?",
    },
    "es": {
        "Play": "Jugar", "NewMap": "Nuevo", "EditMap": "Editar", "Opt": "Opciones",
        "Quit": "Salir",
        "Start": f"Pulsa {ENTREE}Intro{BLANC} para empezar",
        "Enter": f"{ENTREE}Intro{BLANC} para continuar",
        "Bomb": "Bombas: ",
        "DemandNew": "Nombre del nuevo archivo de niveles:",
        "OK": "OK",
        "Resolution": "Resolución", "Antialias": "Suavizado",
        "PleinEcran": "Pantalla completa", "VSync": "Sincronización vertical",
        "AfficheIPS": "Mostrar imágenes por segundo",
        "MenuTrenteImages": "Menús a 30 imágenes por segundo", "ModeDaltonien": "Modo daltónico",
        "Reflets": "Reflejos", "Fond": "Fondo en 3D", "FondShader": "Fondo fractal animado",
        "Net": "Nitidez", "Vitesse": "Velocidad", "Iter": "Detalle", "Ret": "Volver",
        "DemandRec": "¿Guardar antes de salir?", "Oui": "Sí", "No": "No",
        "DemandAdd": "¿Añadir un nivel antes o después?", "Av": "Antes", "Ap": "Después",
        "DemandSup": "¿Borrar este nivel?", "Ann": "Cancelar",
        "EditOptions": "Propiedades del nivel",
        "ColorBlocs": "Colores de los bloques (pulsa una esquina)",
        "TailleY": "Alto", "TailleX": "Ancho", "Niveau": "Nivel",
        "LienManuel": "Cómo jugar", "LienCredits": "Créditos",
        "ErreurSauv": "No se pudo guardar",
        "ModifsGardees": "Sus cambios se conservan.",
        "DemandRecup": "¿Cargar la copia de seguridad?",
    },
}

# Resulting pictures' words, per language (drawn by images.py).
RESULTATS = {
    "fr": ("Gagné !", "Perdu..."),
    "en": ("You win!", "You lose..."),
    "de": ("Gewonnen!", "Verloren..."),
    "es": ("¡Ganaste!", "Perdiste..."),
}

# Bytes the font draws without ink (no-break space, soft hyphen, unassigned codes, DEL):
# never used in a text.
SANS_ENCRE = {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xAD}


def cles():
    """(key, width) pairs of tools/donnees/cles.txt, in file order."""
    out = []
    with open(os.path.join(os.path.dirname(__file__), "cles.txt"), encoding="ascii") as f:
        for ligne in f:
            ligne = ligne.split("#", 1)[0].split()
            if ligne:
                out.append((ligne[0], int(ligne[1])))
    return out


def verifier(code, textes, av):
    for cle, largeur in cles():
        if cle not in textes:
            raise SystemExit(f"lang/{code}.txt: key {cle} is not translated")
        octets = textes[cle].encode("cp1252")
        if any(b in SANS_ENCRE or b < 32 for b in octets) or b"=" in cle.encode():
            raise SystemExit(f"lang/{code}.txt: {cle} holds a byte the font cannot draw")
        encre = police.largeur_texte(octets, av) - 2
        if encre > largeur:
            raise SystemExit(f"lang/{code}.txt: {cle} is {encre} pixels wide, more than {largeur}")
    inconnues = set(textes) - {c for c, _ in cles()}
    if inconnues:
        raise SystemExit(f"lang/{code}.txt: keys no screen uses: {sorted(inconnues)}")


def generer():
    av = police.avances()
    liste = []
    for code, nom, nom_affiche in LANGUES:
        assert nom.isascii() and nom.isalnum()
        textes = TEXTES[code]
        verifier(code, textes, av)
        lignes = [nom] + [f"{cle}={textes[cle]}" for cle, _ in cles()]
        with open(commun.chemin(f"lang/{code}.txt"), "wb") as f:
            f.write(("\n".join(lignes) + "\n").encode("cp1252"))
        liste.append(f"{code}|{nom_affiche}|")
    with open(commun.chemin("lang/liste.txt"), "wb") as f:
        f.write(("\n".join(liste) + "\n").encode("cp1252"))


if __name__ == "__main__":
    generer()
