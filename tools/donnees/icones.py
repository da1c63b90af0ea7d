"""The desktop icons of the installed game (hicolor theme): the window icon's picture, a steel
ball over an amber block, drawn at every size the menus and software centres ask for, plus a
scalable SVG of the same picture. Written under packaging/icones/hicolor/."""
import os

import numpy as np
from PIL import Image

import commun
import formes
from commun import grille, reduire, sur, vide

SS = 4
TAILLES = (48, 64, 128, 256)
SORTIE = os.path.join(commun.RACINE, "packaging", "icones", "hicolor")
AMBRE = (0.98, 0.70, 0.35)


def icone(n):
    # The 32 x 32 window icon's layout, scaled: every length is in 32ths of the side.
    f = n / 32.0
    x, y = grille(n, n, SS)
    img = vide(n * SS, n * SS)
    img = sur(img, formes.bloc(x, y, 1 * f, 17 * f, 31 * f, 31 * f, 3 * f, 3.5 * f, AMBRE,
                               speculaire=0.4))
    balle = formes.boule(x, y, 16 * f, 12 * f, 10.5 * f, (1, 1, 1))
    img = sur(img, formes.ombre_portee(balle, 0, round(4 * f), round(3 * f), 0.4))
    img = sur(img, formes.boule(x, y, 16 * f, 12 * f, 10.5 * f, commun.BALLE, speculaire=1.0))
    return reduire(img, SS)


def ecrire_png(chemin, img):
    a = np.round(np.clip(img, 0, 1) * 255.0).astype(np.uint8)
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    Image.fromarray(np.ascontiguousarray(a), "RGBA").save(chemin, format="PNG", optimize=False,
                                                          compress_level=9)


def hexa(c):
    return "#" + "".join(f"{round(v * 255):02x}" for v in c)


def svg():
    # Same picture on a 32-unit canvas: gradients stand in for the lighting (from the top left).
    clair = tuple(min(1.0, v * 1.15 + 0.08) for v in AMBRE)
    sombre = tuple(v * 0.62 for v in AMBRE)
    balle_claire = (1.0, 1.0, 1.0)
    balle_sombre = tuple(v * 0.45 for v in commun.BALLE)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">
  <title>Zarvinel</title>
  <defs>
    <linearGradient id="bloc" x1="0" y1="0" x2="0.35" y2="1">
      <stop offset="0" stop-color="{hexa(clair)}"/>
      <stop offset="0.45" stop-color="{hexa(AMBRE)}"/>
      <stop offset="1" stop-color="{hexa(sombre)}"/>
    </linearGradient>
    <radialGradient id="balle" cx="0.36" cy="0.3" r="0.75">
      <stop offset="0" stop-color="{hexa(balle_claire)}"/>
      <stop offset="0.18" stop-color="{hexa(commun.BALLE)}"/>
      <stop offset="1" stop-color="{hexa(balle_sombre)}"/>
    </radialGradient>
    <filter id="flou" x="-0.3" y="-0.3" width="1.6" height="1.6">
      <feGaussianBlur stdDeviation="0.9"/>
    </filter>
  </defs>
  <rect x="1" y="17" width="30" height="14" rx="3" fill="url(#bloc)"/>
  <rect x="2" y="17.6" width="28" height="4.8" rx="2" fill="#ffffff" fill-opacity="0.3"/>
  <circle cx="16" cy="13" r="10.5" fill="#000000" fill-opacity="0.4" filter="url(#flou)"/>
  <circle cx="16" cy="12" r="10.5" fill="url(#balle)"/>
</svg>
"""


def generer():
    for n in TAILLES:
        ecrire_png(os.path.join(SORTIE, f"{n}x{n}", "apps", "zarvinel.png"), icone(n))
    chemin = os.path.join(SORTIE, "scalable", "apps", "zarvinel.svg")
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "w", encoding="utf-8", newline="\n") as f:
        f.write(svg())


if __name__ == "__main__":
    generer()
