"""Contact sheet: every picture of the game on one page (docs/contact-sheet.png).
Each picture sits in a labelled cell over a checkerboard (so transparency shows); the font
sheets are shown as 16-column glyph grids."""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import commun

CELLULE = 136
MARGE = 8
COLONNES = 10


def damier(w, h):
    y, x = np.mgrid[0:h, 0:w]
    c = ((x // 8 + y // 8) % 2).astype(np.uint8)
    a = np.where(c[..., None] == 1, np.array((46, 52, 70)), np.array((34, 38, 54))).astype(np.uint8)
    return Image.fromarray(a, "RGB").convert("RGBA")


def grille_glyphes(chemin):
    a = np.asarray(Image.open(chemin).convert("RGBA"))[:, :, 3]
    n = a.shape[0] // 17
    cells = [a[k * 17:(k + 1) * 17, :20] for k in range(n)]
    lignes = []
    for r in range(0, n, 16):
        rang = cells[r:r + 16] + [np.zeros((17, 20), np.uint8)] * (16 - len(cells[r:r + 16]))
        lignes.append(np.concatenate(rang, axis=1))
    g = np.concatenate(lignes, axis=0)
    rgba = np.zeros(g.shape + (4,), np.uint8)
    rgba[..., :3] = 255
    rgba[..., 3] = g
    return Image.fromarray(rgba, "RGBA")


def im_mode(n):
    return {"L": "grey", "RGB": "RGB", "RGBA": "RGBA", "P": "palette"}.get(
        Image.open(os.path.join(commun.DONNEES, n)).mode, "?")


def images():
    out = []
    for racine, _, fichiers in os.walk(os.path.join(commun.DONNEES, "imgs")):
        for f in fichiers:
            if f.endswith(".png") or f.endswith(".bmp"):
                out.append(os.path.relpath(os.path.join(racine, f), commun.DONNEES))
    return sorted(out)


def generer():
    noms = images()
    police = ImageFont.truetype(os.path.join(commun.POLICES, "DejaVuSans.ttf"), 10)
    grosse = ImageFont.truetype(os.path.join(commun.POLICES, "DejaVuSans-Bold.ttf"), 16)
    simples = [n for n in noms if "lettres" not in n]
    rangs = (len(simples) + COLONNES - 1) // COLONNES
    haut_glyphes = 170
    w = COLONNES * (CELLULE + MARGE) + MARGE
    h = 40 + rangs * (CELLULE + 30 + MARGE) + haut_glyphes + 20
    page = Image.new("RGBA", (w, h), (16, 20, 34, 255))
    d = ImageDraw.Draw(page)
    d.text((MARGE, 10), f"Zarvinel - every picture of the game ({len(noms)} files)", font=grosse,
           fill=(255, 221, 119, 255))
    for i, n in enumerate(simples):
        cx = MARGE + (i % COLONNES) * (CELLULE + MARGE)
        cy = 40 + (i // COLONNES) * (CELLULE + 30 + MARGE)
        page.paste(damier(CELLULE, CELLULE), (cx, cy))
        im = Image.open(os.path.join(commun.DONNEES, n)).convert("RGBA")
        iw, ih = im.size
        k = min(CELLULE / iw, CELLULE / ih)
        if "msg/move" in n:   # drawn over 4 x 1.5 cells: shown in that shape
            k = 0
            im = im.resize((CELLULE, int(CELLULE * 1.5 / 4)), Image.LANCZOS)
        elif k >= 1:
            k = min(int(k), 4)
            im = im.resize((iw * k, ih * k), Image.NEAREST)
        elif k > 0:
            im = im.resize((max(1, int(iw * k)), max(1, int(ih * k))), Image.LANCZOS)
        page.alpha_composite(im, (cx + (CELLULE - im.size[0]) // 2, cy + (CELLULE - im.size[1]) // 2))
        etiquette = n.replace("imgs/", "")
        d.text((cx, cy + CELLULE + 2), etiquette, font=police, fill=(200, 215, 235, 255))
        forme = ", drawn 4 x 1.5" if "msg/move" in n else ""
        d.text((cx, cy + CELLULE + 14), f"{iw} x {ih}, {im_mode(n)}{forme}", font=police,
               fill=(140, 155, 180, 255))
    y0 = 40 + rangs * (CELLULE + 30 + MARGE)
    x0 = MARGE
    for n in [n for n in noms if "lettres" in n]:
        g = grille_glyphes(os.path.join(commun.DONNEES, n))
        g = g.resize((g.size[0] * 1, g.size[1] * 1), Image.NEAREST)
        page.paste(Image.new("RGBA", (g.size[0] + 8, g.size[1] + 8), (20, 36, 80, 255)), (x0, y0))
        page.alpha_composite(g, (x0 + 4, y0 + 4))
        d.text((x0, y0 + g.size[1] + 10), n.replace("imgs/", "") + " (as glyph grid)", font=police,
               fill=(200, 215, 235, 255))
        x0 += g.size[0] + 40
    os.makedirs(os.path.join(commun.RACINE, "docs"), exist_ok=True)
    page.convert("RGB").save(os.path.join(commun.RACINE, "docs", "contact-sheet.png"), format="PNG",
                             compress_level=9)


if __name__ == "__main__":
    generer()
