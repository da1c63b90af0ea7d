#!/usr/bin/python3
"""Writes the text form of the menu's demonstration level (logom.txt) to standard output.

The menu plays a cellular automaton on this grid after a while (solid cells live on with two or
three solid neighbours; a cell with exactly two keeps its code, one born from three is a plain
brick). So the picture is built from patterns that survive it:
- the game's name, each letter dot a "pond" (a ring of eight cells, each with exactly two
  neighbours) of coloured bricks, so the letters keep their shape and their colours;
- a frame and two rules of armoured "tubs" and "beehives", also every cell with two neighbours;
- rows of small still lifes and blinkers, and four pulsars, in plain bricks, which move a little.
Every pattern stands far enough from the others that none of them disturbs another; the gliders
the menu drops later do.
"""

LARGEUR, HAUTEUR = 255, 202  # 255: the widest grid a level file can hold
PAS = 5  # a letter dot is a 4 x 4 pond, one cell apart from the next

ENTETE_TEXTE = """\
# Zarvinel level file in text form. Rebuild it with: zv-niveau map FILE.txt FILE.map
# Cells: . empty  # brick  W win  X lost  % fragile  @ armoured  ^ spring  o bomb
#        r y g b u d  switch: red yellow green blue grey-one grey-two
#        R Y G B U D  brick of that colour
#        * boom sign (254)  > move sign (255)  {hh} any other code, in hex
"""

# A narrow font (most letters 4 dots wide, I 3, V 5) so the whole name, 195 cells, fits the
# window from the depths the menu camera flies at.
POLICE = {
    "Z": ["####", "...#", "..#.", "..#.", ".#..", "#...", "####"],
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#", "#..#"],
    "R": ["###.", "#..#", "#..#", "###.", "#.#.", "#..#", "#..#"],
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "N": ["#..#", "##.#", "##.#", "#.##", "#.##", "#..#", "#..#"],
    "E": ["####", "#...", "#...", "###.", "#...", "#...", "####"],
    "L": ["#...", "#...", "#...", "#...", "#...", "#...", "####"],
}
# Red, yellow, green, blue bricks, one per letter in turn. The corner colours below are near
# white: the GL multiplies a coloured brick's picture by them, so pale corners keep the letters'
# hues pure, while the plain-brick patterns around take the corners' faint tints.
COULEURS = ["R", "Y", "G", "B"]

ETANG = [".##.", "#..#", "#..#", ".##."]
BAIGNOIRE = [".#.", "#.#", ".#."]
RUCHE = [".##.", "#..#", ".##."]
BLOC = ["##", "##"]
PAIN = [".##.", "#..#", ".#.#", "..#."]
BATEAU = ["##.", "#.#", ".#."]
CLIGNOTANT = ["###"]
CRAPAUD = [".###", "###."]
PULSAR = [
    "..###...###..",
    ".............",
    "#....#.#....#",
    "#....#.#....#",
    "#....#.#....#",
    "..###...###..",
    ".............",
    "..###...###..",
    "#....#.#....#",
    "#....#.#....#",
    "#....#.#....#",
    ".............",
    "..###...###..",
]


def poser(grille, motif, c, r, code="#"):
    for dr, ligne in enumerate(motif):
        for dc, ch in enumerate(ligne):
            if ch != ".":
                grille[r + dr][c + dc] = code


def main():
    grille = [["." for _ in range(LARGEUR)] for _ in range(HAUTEUR)]

    # Frame of armoured tubs along the edges.
    for c in range(3, LARGEUR - 5, 4):
        poser(grille, BAIGNOIRE, c, 3, "@")
        poser(grille, BAIGNOIRE, c, HAUTEUR - 6, "@")
    for r in range(7, HAUTEUR - 9, 4):
        poser(grille, BAIGNOIRE, 3, r, "@")
        poser(grille, BAIGNOIRE, LARGEUR - 6, r, "@")

    # The name, centred on the menu camera's first aim (column 128, row 101).
    texte = "ZARVINEL"
    points = sum(len(POLICE[l][0]) for l in texte) + len(texte) - 1
    largeur_texte = points * PAS - 1
    hauteur_texte = 7 * PAS - 1
    c0 = 128 - largeur_texte // 2
    r0 = 101 - hauteur_texte // 2
    colonne = 0
    for i, lettre in enumerate(texte):
        for ly, ligne in enumerate(POLICE[lettre]):
            for lx, ch in enumerate(ligne):
                if ch == "#":
                    poser(grille, ETANG, c0 + (colonne + lx) * PAS, r0 + ly * PAS,
                          COULEURS[i % len(COULEURS)])
        colonne += len(POLICE[lettre][0]) + 1

    # Armoured beehives above and below the name.
    for c in range(c0 + 2, c0 + largeur_texte - 3, 7):
        poser(grille, RUCHE, c, r0 - 8, "@")
        poser(grille, RUCHE, c, r0 + hauteur_texte + 5, "@")

    # Four pulsars, one in each corner.
    for c, r in ((14, 14), (LARGEUR - 27, 14), (14, HAUTEUR - 27), (LARGEUR - 27, HAUTEUR - 27)):
        poser(grille, PULSAR, c, r)

    # Rows of still lifes and blinkers between the pulsars, in a repeating order.
    motifs = [BLOC, RUCHE, CLIGNOTANT, PAIN, BATEAU, CRAPAUD]
    for rangee, r in enumerate((18, 36, 54, 143, 161, 179)):
        debut = 36 if rangee in (0, 5) else 14
        fin = LARGEUR - 40 if rangee in (0, 5) else LARGEUR - 18
        for k, c in enumerate(range(debut + 3 * (rangee % 3), fin, 13)):
            poser(grille, motifs[(k + rangee) % len(motifs)], c, r)

    print(ENTETE_TEXTE)
    print("level 1")
    print(f"size {LARGEUR} {HAUTEUR}")
    print(f"start 127 {r0 + hauteur_texte + 14}")
    print("bombs 0")
    print("colours 255 240 225  225 240 255  245 230 255  230 255 240")
    print("grid")
    for ligne in grille:
        print("".join(ligne))
    print("end")


if __name__ == "__main__":
    main()
