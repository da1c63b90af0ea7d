"""The two glyph sheets of the GUI font, rendered from DejaVu Sans (Windows-1252 bytes).

Each sheet is one column of 17-pixel cells, one per byte code, as wide as a power of two;
glyphs are white with their coverage in alpha, so the loader's ink test (alpha above 100)
finds each glyph's columns. Also measures texts the way the game lays them out."""
import os
import shutil

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import commun

TAILLE = 17          # cell height = the font's line height
LARGEUR = 32         # sheet width (power of two); the widest glyph needs less
POLICE = "DejaVuSans.ttf"
CORPS = 12           # pixel size of the font
LIGNE_DE_BASE = 13   # baseline row inside the cell
FEUILLES = (("imgs/lettres/assci7.png", 0x21, 0x7F), ("imgs/lettres/assci8.png", 0x80, 0xFF))


def caractere(code):
    """The character a byte stands for in Windows-1252, or None (unassigned, DEL)."""
    if code == 0x7F:
        return None
    try:
        return bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return None


def cellule(police, code):
    im = Image.new("L", (LARGEUR, TAILLE), 0)
    c = caractere(code)
    if c is not None:
        d = ImageDraw.Draw(im)
        # Left-aligned with a 2-pixel margin; the loader shifts each glyph to its first inked column.
        d.text((2, LIGNE_DE_BASE), c, font=police, fill=255, anchor="ls")
    return np.asarray(im, dtype=np.uint8)


def generer():
    police = ImageFont.truetype(os.path.join(commun.POLICES, POLICE), CORPS)
    for rel, premier, dernier in FEUILLES:
        cells = [cellule(police, c) for c in range(premier, dernier + 1)]
        a = np.concatenate(cells, axis=0)
        rgba = np.zeros(a.shape + (4,), dtype=np.uint8)
        rgba[:, :, :3] = 255
        rgba[:, :, 3] = a
        Image.fromarray(rgba, "RGBA").save(commun.chemin(rel), format="PNG", compress_level=9)
    shutil.copyfile("/usr/share/doc/fonts-dejavu-core/copyright",
                    commun.chemin("imgs/lettres/LICENSE-DejaVu.txt"))


def avances():
    """Pen advance of each byte code as the game computes it from the sheets."""
    av = {32: TAILLE // 4}
    for rel, premier, dernier in FEUILLES:
        a = np.asarray(Image.open(commun.chemin(rel)))[:, :, 3]
        for k, code in enumerate(range(premier, dernier + 1)):
            encre = np.nonzero((a[k * TAILLE:(k + 1) * TAILLE] > 100).any(axis=0))[0]
            if len(encre):
                av[code] = int(encre[-1] - encre[0] + 3)
            else:
                av[code] = 0 - LARGEUR + 3  # first = width, last = 0
    return av


def largeur_texte(octets, av=None):
    """Width in pixels of a one-line text (bytes, markup skipped) in the game's font."""
    av = av or avances()
    total, dans_balise = 0, False
    for b in octets:
        if b == ord("<"):
            dans_balise = True
        elif b == ord(">"):
            dans_balise = False
        elif not dans_balise:
            total += av.get(b, av[ord("?")])
    return total


if __name__ == "__main__":
    generer()
