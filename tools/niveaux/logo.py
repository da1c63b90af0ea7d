#!/usr/bin/python3
"""Writes the text form of the menu's demonstration level (logom.txt) to standard output.

The game's name in 4 x 4 cell letters of coloured bricks, each letter outlined by armoured
bricks, inside a frame, with small still lifes and blinkers around it: they stay put at rest,
and once the menu's automaton starts they keep the picture alive instead of dying out at once.
"""

LARGEUR, HAUTEUR = 255, 202  # 255: the widest grid a level file can hold
ECHELLE = 4

POLICE = {
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
}
ENTETE_TEXTE = """\
# Zarvinel level file in text form. Rebuild it with: zv-niveau map FILE.txt FILE.map
# Cells: . empty  # brick  W win  X lost  % fragile  @ armoured  ^ spring  o bomb
#        r y g b u d  switch: red yellow green blue grey-one grey-two
#        R Y G B U D  brick of that colour
#        * boom sign (254)  > move sign (255)  {hh} any other code, in hex
"""
# Coloured brick codes, one per letter in turn: red, yellow, green, blue.
COULEURS = ["R", "Y", "G", "B"]

# Patterns that the automaton leaves alone (still lifes) or flips back and forth (blinkers).
BLOC = ["##", "##"]
RUCHE = [".##.", "#..#", ".##."]
PAIN = [".##.", "#..#", ".#.#", "..#."]
BATEAU = ["##.", "#.#", ".#."]
CLIGNOTANT = ["###"]
CRAPAUD = [".###", "###."]


def poser(grille, motif, c, r, code="#"):
    for dr, ligne in enumerate(motif):
        for dc, ch in enumerate(ligne):
            if ch != ".":
                grille[r + dr][c + dc] = code


def main():
    grille = [["." for _ in range(LARGEUR)] for _ in range(HAUTEUR)]

    # Frame of armoured bricks one cell in from the edges (the automaton wraps at the edges).
    for c in range(2, LARGEUR - 2):
        grille[2][c] = grille[HAUTEUR - 3][c] = "@"
    for r in range(2, HAUTEUR - 2):
        grille[r][2] = grille[r][LARGEUR - 3] = "@"

    # The name, centred on the menu camera's first aim (column 128, row 101).
    texte = "ZARVINEL"
    pas = 6 * ECHELLE
    largeur_texte = len(texte) * pas - ECHELLE
    hauteur_texte = 7 * ECHELLE
    c0 = 128 - largeur_texte // 2
    r0 = 101 - hauteur_texte // 2
    for i, lettre in enumerate(texte):
        code = COULEURS[i % len(COULEURS)]
        gauche = c0 + i * pas
        for ly, ligne in enumerate(POLICE[lettre]):
            for lx, ch in enumerate(ligne):
                if ch != "#":
                    continue
                for dy in range(ECHELLE):
                    for dx in range(ECHELLE):
                        grille[r0 + ly * ECHELLE + dy][gauche + lx * ECHELLE + dx] = code
        # Armoured outline around the letter's cells.
        for r in range(r0 - 1, r0 + hauteur_texte + 1):
            for c in range(gauche - 1, gauche + 5 * ECHELLE + 1):
                if grille[r][c] != ".":
                    continue
                voisins = [grille[r + a][c + b] for a in (-1, 0, 1) for b in (-1, 0, 1)]
                if code in voisins:
                    grille[r][c] = "@"

    # Underline and overline of plain bricks, broken into dashes.
    for c in range(c0 - 4, c0 + largeur_texte + 4):
        if (c - c0) % 8 < 6:
            grille[r0 - 8][c] = "#"
            grille[r0 + hauteur_texte + 7][c] = "#"

    # Rows of still lifes and blinkers above and below the name, in a repeating order.
    motifs = [BLOC, RUCHE, CLIGNOTANT, PAIN, BATEAU, CRAPAUD]
    for rangee, r in enumerate((20, 40, 60, 140, 160, 180)):
        decalage = rangee * 3
        for k, c in enumerate(range(12 + decalage, LARGEUR - 16, 20)):
            poser(grille, motifs[(k + rangee) % len(motifs)], c, r)

    # Springs and bombs as small sparkles in the corners of the frame.
    for c, r in ((8, 8), (LARGEUR - 10, 8), (8, HAUTEUR - 10), (LARGEUR - 10, HAUTEUR - 10)):
        grille[r][c] = "^"
        grille[r][c + 1] = "o"

    # The same opening comment as the level tool's own text, so that the file converts back to
    # exactly this text.
    print(ENTETE_TEXTE)
    print("level 1")
    print(f"size {LARGEUR} {HAUTEUR}")
    print("start 128 120")
    print("bombs 0")
    print("colours 40 30 120  30 90 150  150 40 140  60 60 200")
    print("grid")
    for ligne in grille:
        print("".join(ligne))
    print("end")


if __name__ == "__main__":
    main()
