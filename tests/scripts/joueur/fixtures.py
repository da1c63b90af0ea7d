"""Writes small level files for the player scripts: python3 fixtures.py OUT.map LEVEL...

Each LEVEL is "bombs:row|row|..." with the ball's start cell marked 'S' (an empty cell). Cells:
'.' empty, '#' brick, '@' armoured brick, 'W' win, 'X' lost, 'o' bomb."""
import sys

CODES = {".": 0, "S": 0, "#": 1, "W": 2, "X": 3, "@": 5, "o": 7}


def niveau(texte):
    bombes, lignes = texte.split(":", 1)
    lignes = lignes.split("|")
    w, h = len(lignes[0]), len(lignes)
    depart = next((c, r) for r, l in enumerate(lignes) for c, x in enumerate(l) if x == "S")
    entete = bytes([w, h, depart[0], depart[1], int(bombes)] + [200, 180, 120] * 4)
    grille = bytes(CODES[x] for l in lignes for x in l)
    return bytes([len(entete)]) + entete + grille


with open(sys.argv[1], "wb") as f:
    f.write(b"GameZorvik\0" + b"\0" + b"\0\0" + b"".join(niveau(t) for t in sys.argv[2:]))
