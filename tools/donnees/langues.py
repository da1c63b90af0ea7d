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
        "DemandNew": "Nom du nouveau fichier :",
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
        "OptionsNonSauvees": "Options non enregistrées",
        "RaisonDossier": "Un dossier porte le nom du fichier d'options.",
        "RaisonLectureSeule": "Le fichier ou son dossier est protégé en écriture.",
        "RaisonEcriture": "Le fichier n'a pas pu être écrit (disque plein ?).",
        "OptionsGardees": "Les options en vigueur restent inchangées.",
        "VolumeMusique": "Volume de la musique", "VolumeEffets": "Volume des bruitages",
        "TGauche": "Gauche", "TDroite": "Droite", "TBombe": "Bombe",
        "TRecommencer": "Recommencer", "TPause": "Pause",
        "AppuyezTouche": "Une touche ?",
        "AideResolution": "Taille de la fenêtre ou de l'écran, en pixels.",
        "AideAntialias": "Lisse les bords des briques ; plus lent sur les petites cartes.",
        "AidePleinEcran": "Tout l'écran pour le jeu (Alt+Entrée bascule à tout moment).",
        "AideVSync": "Attend le balayage de l'écran : pas de déchirure, 60 images au plus.",
        "AideAfficheIPS": "Affiche le nombre d'images par seconde en haut à gauche.",
        "AideMenuTrenteImages": "Menus à 30 images par seconde au lieu de 60 : moins de calcul, la batterie dure plus.",
        "AideModeDaltonien": "Dessine un motif sur les cases gagnantes et perdantes.",
        "AideReflets": "Le ciel se reflète sur les briques.",
        "AideFond": "Un ciel en 3D derrière le niveau.",
        "AideFondShader": "Un fond fractal animé, calculé par la carte graphique.",
        "AideNet": "Finesse du fond fractal : plus net, plus lent.",
        "AideVitesse": "Vitesse de l'animation du fond fractal.",
        "AideIter": "Détail du fond fractal : plus de détail, plus lent.",
        "AideVolumeMusique": "Volume de la musique, de 0 à 100 %, entendu aussitôt.",
        "AideVolumeEffets": "Volume des bruitages, de 0 à 100 %, entendu aussitôt.",
        "AideTouche": "Cliquez, puis appuyez sur la nouvelle touche de cette action.",
        "NomTropCourt": "Au moins 4 caractères.",
        "NomTropLong": "Au plus 49 caractères.",
        "NomCaractere": "Lettres, chiffres, _ et - seuls.",
        "NomPrisJoueur": "Un de vos fichiers a ce nom.",
        "NomPrisJeu": "Un niveau du jeu a déjà ce nom.",
        "NomEcriture": "Le fichier n'a pas pu être créé.",
        "EnterPerdu": f"{ENTREE}Entrée{BLANC} pour rejouer, {ENTREE}Échap{BLANC} pour le menu",
        "Pause": "Pause", "Continuer": "Continuer", "Recommencer": "Recommencer le niveau",
        "RetourMenu": "Retour au menu",
        "Temps": "Temps : ", "Record": "Record : ", "NouveauRecord": "Nouveau record !",
        "ChoixNiveau": "Commencer au niveau :",
        "Essai": "Essayer (F5)", "Enregistre": "Fichier enregistré",
        "MontreMoi": "Montre-moi (H)", "Demo": "Démonstration :",
        "TEspace": "Espace",
        "FichierChange": "Fichier modifié par ailleurs",
        "Ecraser": "Écraser", "NouveauNom": "Autre nom",
        "AutreVersion": "Un autre programme l'a enregistré.",
        "ErreurCopie": "Copie de secours impossible",
        "Reessayer": "Réessayer", "Ailleurs": "Ailleurs", "SansSauver": "Perdre",
        "ModifsNonGardees": "Vos modifications ne sont pas gardées.",
        "Verifier": "Vérifier (F6)", "VerifTitre": "Vérification du niveau",
        "VerifRecherche": "Recherche de la victoire la plus rapide...",
        "VerifEtats": "États :", "VerifPas": "Profondeur :", "VerifGagnable": "Gagnable en",
        "VerifSansVictoire": "Aucune victoire dans les bornes de la recherche",
        "VerifSansDepart": "La balle n'a pas de départ", "Montrer": "Montrer",
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
        "OptionsNonSauvees": "Options not saved",
        "RaisonDossier": "A folder has the options file's name.",
        "RaisonLectureSeule": "The file or its folder is write-protected.",
        "RaisonEcriture": "The file could not be written (disk full?).",
        "OptionsGardees": "The options in force stay unchanged.",
        "VolumeMusique": "Music volume", "VolumeEffets": "Sound effects volume",
        "TGauche": "Left", "TDroite": "Right", "TBombe": "Bomb",
        "TRecommencer": "Restart", "TPause": "Pause",
        "AppuyezTouche": "Press a key",
        "AideResolution": "Size of the window or of the screen, in pixels.",
        "AideAntialias": "Smooths the bricks' edges; slower on small graphics cards.",
        "AidePleinEcran": "The whole screen for the game (Alt+Enter switches at any time).",
        "AideVSync": "Waits for the screen's refresh: no tearing, 60 frames at most.",
        "AideAfficheIPS": "Shows the number of frames per second at the top left.",
        "AideMenuTrenteImages": "The menus draw 30 frames a second instead of 60: less work, longer battery life.",
        "AideModeDaltonien": "Draws a pattern on the winning and losing cells.",
        "AideReflets": "The sky is reflected on the bricks.",
        "AideFond": "A 3D sky behind the level.",
        "AideFondShader": "An animated fractal background, drawn by the graphics card.",
        "AideNet": "Sharpness of the fractal background: sharper is slower.",
        "AideVitesse": "Speed of the fractal background's animation.",
        "AideIter": "Detail of the fractal background: more detail is slower.",
        "AideVolumeMusique": "Music volume, 0 to 100 %, heard at once.",
        "AideVolumeEffets": "Sound effects volume, 0 to 100 %, heard at once.",
        "AideTouche": "Click, then press the new key for this action.",
        "NomTropCourt": "At least 4 characters.",
        "NomTropLong": "At most 49 characters.",
        "NomCaractere": "Letters, digits, _ and - only.",
        "NomPrisJoueur": "One of your files has that name.",
        "NomPrisJeu": "A level of the game has that name.",
        "NomEcriture": "The file could not be created.",
        "EnterPerdu": f"{ENTREE}Enter{BLANC} to try again, {ENTREE}Escape{BLANC} for the menu",
        "Pause": "Paused", "Continuer": "Continue", "Recommencer": "Restart the level",
        "RetourMenu": "Back to the menu",
        "Temps": "Time: ", "Record": "Best: ", "NouveauRecord": "New best!",
        "ChoixNiveau": "Start at level:",
        "Essai": "Test (F5)", "Enregistre": "File saved",
        "MontreMoi": "Show me (H)", "Demo": "Showing:",
        "TEspace": "Space",
        "FichierChange": "File changed elsewhere",
        "Ecraser": "Overwrite", "NouveauNom": "New name",
        "AutreVersion": "Another program saved it.",
        "ErreurCopie": "Recovery copy impossible",
        "Reessayer": "Retry", "Ailleurs": "Elsewhere", "SansSauver": "Discard",
        "ModifsNonGardees": "Your changes are not kept yet.",
        "Verifier": "Check (F6)", "VerifTitre": "Check of level",
        "VerifRecherche": "Searching for the fastest win...",
        "VerifEtats": "States:", "VerifPas": "Depth:", "VerifGagnable": "Winnable in",
        "VerifSansVictoire": "No win found within the search's bounds",
        "VerifSansDepart": "The ball has no start", "Montrer": "Show",
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
        "OptionsNonSauvees": "Optionen nicht gespeichert",
        "RaisonDossier": "Ein Ordner trägt den Namen der Optionsdatei.",
        "RaisonLectureSeule": "Die Datei oder ihr Ordner ist schreibgeschützt.",
        "RaisonEcriture": "Die Datei konnte nicht geschrieben werden.",
        "OptionsGardees": "Die geltenden Optionen bleiben unverändert.",
        "VolumeMusique": "Musiklautstärke", "VolumeEffets": "Effektlautstärke",
        "TGauche": "Links", "TDroite": "Rechts", "TBombe": "Bombe",
        "TRecommencer": "Neustart", "TPause": "Pause",
        "AppuyezTouche": "Taste drücken",
        "AideResolution": "Größe des Fensters oder des Bildschirms in Pixeln.",
        "AideAntialias": "Glättet die Kanten der Steine; langsamer auf kleinen Grafikkarten.",
        "AidePleinEcran": "Der ganze Bildschirm für das Spiel (Alt+Enter wechselt jederzeit).",
        "AideVSync": "Wartet auf den Bildaufbau: kein Reißen, höchstens 60 Bilder.",
        "AideAfficheIPS": "Zeigt die Bilder pro Sekunde oben links.",
        "AideMenuTrenteImages": "Menüs mit 30 statt 60 Bildern pro Sekunde: weniger Rechenarbeit, längerer Akku.",
        "AideModeDaltonien": "Zeichnet ein Muster auf Gewinn- und Verlustfelder.",
        "AideReflets": "Der Himmel spiegelt sich in den Steinen.",
        "AideFond": "Ein 3D-Himmel hinter dem Level.",
        "AideFondShader": "Ein bewegter Fraktal-Hintergrund, von der Grafikkarte berechnet.",
        "AideNet": "Schärfe des Fraktal-Hintergrunds: schärfer ist langsamer.",
        "AideVitesse": "Tempo der Animation des Fraktal-Hintergrunds.",
        "AideIter": "Detail des Fraktal-Hintergrunds: mehr Detail ist langsamer.",
        "AideVolumeMusique": "Musiklautstärke, 0 bis 100 %, sofort hörbar.",
        "AideVolumeEffets": "Effektlautstärke, 0 bis 100 %, sofort hörbar.",
        "AideTouche": "Klicken, dann die neue Taste für diese Aktion drücken.",
        "NomTropCourt": "Mindestens 4 Zeichen.",
        "NomTropLong": "Höchstens 49 Zeichen.",
        "NomCaractere": "Nur Buchstaben, Ziffern, _ und -.",
        "NomPrisJoueur": "Sie haben schon eine solche Datei.",
        "NomPrisJeu": "Ein Level des Spiels heißt so.",
        "NomEcriture": "Die Datei ließ sich nicht anlegen.",
        "EnterPerdu": f"{ENTREE}Eingabe{BLANC}: nochmal, {ENTREE}Esc{BLANC}: Menü",
        "Pause": "Pause", "Continuer": "Weiter", "Recommencer": "Level neu starten",
        "RetourMenu": "Zurück zum Menü",
        "Temps": "Zeit: ", "Record": "Bestzeit: ", "NouveauRecord": "Neue Bestzeit!",
        "ChoixNiveau": "Ab Level starten:",
        "Essai": "Testen (F5)", "Enregistre": "Datei gespeichert",
        "MontreMoi": "Zeig es mir (H)", "Demo": "Vorführung:",
        "TEspace": "Leertaste",
        "FichierChange": "Datei anderswo geändert",
        "Ecraser": "Ersetzen", "NouveauNom": "Als Kopie",
        "AutreVersion": "Ein anderes Programm hat sie gespeichert.",
        "ErreurCopie": "Sicherungskopie unmöglich",
        "Reessayer": "Nochmal", "Ailleurs": "Anderswo", "SansSauver": "Verwerfen",
        "ModifsNonGardees": "Ihre Änderungen sind nicht gesichert.",
        "Verifier": "Prüfen (F6)", "VerifTitre": "Prüfung von Level",
        "VerifRecherche": "Suche nach dem schnellsten Sieg...",
        "VerifEtats": "Zustände:", "VerifPas": "Tiefe:", "VerifGagnable": "Gewinnbar in",
        "VerifSansVictoire": "Kein Sieg in den Grenzen der Suche gefunden",
        "VerifSansDepart": "Die Kugel hat keinen Start", "Montrer": "Zeigen",
    },
    "es": {
        "Play": "Jugar", "NewMap": "Nuevo", "EditMap": "Editar", "Opt": "Opciones",
        "Quit": "Salir",
        "Start": f"Pulsa {ENTREE}Intro{BLANC} para empezar",
        "Enter": f"{ENTREE}Intro{BLANC} para continuar",
        "Bomb": "Bombas: ",
        "DemandNew": "Nombre del nuevo archivo:",
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
        "OptionsNonSauvees": "Opciones no guardadas",
        "RaisonDossier": "Una carpeta tiene el nombre del archivo de opciones.",
        "RaisonLectureSeule": "El archivo o su carpeta está protegido.",
        "RaisonEcriture": "No se pudo escribir el archivo (¿disco lleno?).",
        "OptionsGardees": "Las opciones vigentes no cambian.",
        "VolumeMusique": "Volumen de la música", "VolumeEffets": "Volumen de efectos",
        "TGauche": "Izquierda", "TDroite": "Derecha", "TBombe": "Bomba",
        "TRecommencer": "Reiniciar", "TPause": "Pausa",
        "AppuyezTouche": "Pulse una tecla",
        "AideResolution": "Tamaño de la ventana o de la pantalla, en píxeles.",
        "AideAntialias": "Suaviza los bordes de los bloques; más lento en tarjetas modestas.",
        "AidePleinEcran": "Toda la pantalla para el juego (Alt+Intro cambia en cualquier momento).",
        "AideVSync": "Espera el refresco de la pantalla: sin cortes, 60 imágenes como máximo.",
        "AideAfficheIPS": "Muestra las imágenes por segundo arriba a la izquierda.",
        "AideMenuTrenteImages": "Los menús dibujan 30 imágenes por segundo en vez de 60: menos cálculo, más batería.",
        "AideModeDaltonien": "Dibuja un motivo en las casillas de victoria y de derrota.",
        "AideReflets": "El cielo se refleja en los bloques.",
        "AideFond": "Un cielo en 3D detrás del nivel.",
        "AideFondShader": "Un fondo fractal animado, calculado por la tarjeta gráfica.",
        "AideNet": "Nitidez del fondo fractal: más nítido, más lento.",
        "AideVitesse": "Velocidad de la animación del fondo fractal.",
        "AideIter": "Detalle del fondo fractal: más detalle, más lento.",
        "AideVolumeMusique": "Volumen de la música, de 0 a 100 %, se oye al momento.",
        "AideVolumeEffets": "Volumen de los efectos, de 0 a 100 %, se oye al momento.",
        "AideTouche": "Haga clic y pulse la nueva tecla de esta acción.",
        "NomTropCourt": "Al menos 4 caracteres.",
        "NomTropLong": "Como mucho 49 caracteres.",
        "NomCaractere": "Solo letras, cifras, _ y -.",
        "NomPrisJoueur": "Ya tiene un archivo así.",
        "NomPrisJeu": "Un nivel del juego ya se llama así.",
        "NomEcriture": "No se pudo crear el archivo.",
        "EnterPerdu": f"{ENTREE}Intro{BLANC} para reintentar, {ENTREE}Esc{BLANC} para el menú",
        "Pause": "Pausa", "Continuer": "Continuar", "Recommencer": "Reiniciar el nivel",
        "RetourMenu": "Volver al menú",
        "Temps": "Tiempo: ", "Record": "Récord: ", "NouveauRecord": "¡Nuevo récord!",
        "ChoixNiveau": "Empezar en el nivel:",
        "Essai": "Probar (F5)", "Enregistre": "Fichero guardado",
        "MontreMoi": "Muéstramelo (H)", "Demo": "Demostración:",
        "TEspace": "Espacio",
        "FichierChange": "Archivo cambiado fuera",
        "Ecraser": "Reemplazar", "NouveauNom": "Como copia",
        "AutreVersion": "Otro programa lo ha guardado.",
        "ErreurCopie": "Copia de seguridad imposible",
        "Reessayer": "Reintentar", "Ailleurs": "Otro sitio", "SansSauver": "Descartar",
        "ModifsNonGardees": "Sus cambios no están guardados.",
        "Verifier": "Revisar (F6)", "VerifTitre": "Comprobación del nivel",
        "VerifRecherche": "Buscando la victoria más rápida...",
        "VerifEtats": "Estados:", "VerifPas": "Profundidad:", "VerifGagnable": "Se gana en",
        "VerifSansVictoire": "Ninguna victoria en los límites de la búsqueda",
        "VerifSansDepart": "La bola no tiene salida", "Montrer": "Mostrar",
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
