"""Every picture of the game except the font sheets: GUI frame pieces and arrows, bricks,
explosion, editor and menu icons, hint signs, title, result pictures, backgrounds and the
window icon. Look: night-blue glass panels with a cyan bevel, glossy lit shapes, warm gold
accents, light from the top left."""
import numpy as np
from PIL import Image

import commun
import formes
from commun import (BLEU, CYAN, GRIS, JAUNE, OR, ROUGE, VERT, couche, enregistrer, grille,
                    lisse, reduire, sur, vide)

SS = 4


def toile(h, w, ss=SS):
    x, y = grille(h, w, ss)
    return x, y, vide(h * ss, w * ss)


# ---------------------------------------------------------------- GUI frame pieces
def gui():
    # The button style repeats the centre 4 times across and every 2 pixels down, so it is
    # uniform; the 2-pixel edges make a bevel: light on top and left, dark at bottom and right.
    centre = (0.07, 0.13, 0.29, 0.80)
    clair = [(0.62, 0.88, 1.00, 0.95), (0.30, 0.52, 0.82, 0.90)]   # outer, inner
    sombre = [(0.02, 0.04, 0.10, 0.95), (0.05, 0.09, 0.20, 0.90)]
    enregistrer("imgs/gui/gui_fond.png", np.tile(np.array(centre), (16, 16, 1)))
    h = np.zeros((2, 16, 4)); h[0] = clair[0]; h[1] = clair[1]
    b = np.zeros((2, 16, 4)); b[1] = sombre[0]; b[0] = sombre[1]
    g = np.zeros((16, 2, 4)); g[:, 0] = clair[0]; g[:, 1] = clair[1]
    d = np.zeros((16, 2, 4)); d[:, 1] = sombre[0]; d[:, 0] = sombre[1]
    enregistrer("imgs/gui/gui_h.png", h)
    enregistrer("imgs/gui/gui_b.png", b)
    enregistrer("imgs/gui/gui_g.png", g)
    enregistrer("imgs/gui/gui_d.png", d)
    # corners: each pixel takes the edge it belongs to (split on the diagonal)
    def coin(haut_clair, gauche_clair, droite):
        c = np.zeros((2, 2, 4))
        for r in range(2):
            for k in range(2):
                cote_x = k if droite else 1 - k          # 1 = outer column
                cote_y = 1 - r if haut_clair is not None else r
                if cote_y >= cote_x:                      # on the horizontal edge
                    ligne = (clair if haut_clair else sombre)
                    c[r, k] = ligne[0] if cote_y == 1 else ligne[1]
                else:
                    col = (clair if gauche_clair else sombre)
                    c[r, k] = col[0] if cote_x == 1 else col[1]
        return c
    enregistrer("imgs/gui/gui_hg.png", coin(True, True, False))
    enregistrer("imgs/gui/gui_hd.png", coin(True, False, True))
    enregistrer("imgs/gui/gui_bg.png", coin(False, True, False))
    enregistrer("imgs/gui/gui_bd.png", coin(False, False, True))


def fleche(bas):
    # Drawn 16 x 20 by the list; stored 16 x 32 (power of two) and drawn squeezed back.
    h, w = 32, 16
    x, y = grille(h, w, SS)
    y = y * 20.0 / 32.0
    img = formes.bloc(x, y, 0.5, 0.5, 15.5, 19.5, 3, 2.5, np.array((0.16, 0.30, 0.58)), speculaire=0.5)
    pts = [(3.5, 13), (12.5, 13), (8, 6)] if not bas else [(3.5, 7), (12.5, 7), (8, 14)]
    tri = commun.polygone(x, y, pts) - 0.3
    img = sur(img, couche(lisse(tri, 0.35), (0.85, 0.95, 1.0)))
    img = sur(img, formes.reflet(x, y, 0.5, 0.5, 15.5, 19.5, 3, 0.25))
    return reduire(img, SS)


# ---------------------------------------------------------------- bricks
def brique_fissuree():
    # Fragile: a pale stone tile with a deep bevel and a star of cracks whose dark lines are
    # wide enough to read on a 10-pixel cell. The GL multiplies it by the cell colour.
    n = 128
    x, y = grille(n, n, 2)
    pierre = commun.bruit_valeur(n * 2, n * 2, 32, 11)
    grain = commun.bruit_valeur(n * 2, n * 2, 4, 12, octaves=2)
    base = 0.86 + 0.10 * pierre + 0.04 * grain
    rgb = formes.pave(x, y, n, np.repeat(base[..., None], 3, axis=2), 12, bord=2.5)
    rng = np.random.default_rng(4)
    fente = np.full(x.shape, np.inf)
    depart = (n * 0.46, n * 0.42)
    for k in range(6):
        ang = k * 2 * np.pi / 6 + rng.uniform(-0.3, 0.3)
        px, py = depart
        for s in range(5):
            l = rng.uniform(11, 17)
            ang += rng.uniform(-0.45, 0.45)
            qx, qy = px + l * np.cos(ang), py + l * np.sin(ang)
            fente = np.minimum(fente, commun.segment(x, y, px, py, qx, qy, 3.2 - s * 0.45))
            px, py = qx, qy
    m = lisse(fente, 1.0)
    # a light lip below each crack, as if its edge catches the light
    levre = np.roll(np.roll(m, 3, axis=0), 2, axis=1) * (1 - m)
    rgb = rgb * (1 - 0.80 * m)[..., None] + 0.18 * levre[..., None]
    img = np.concatenate([np.clip(rgb, 0, 1), np.ones(x.shape + (1,))], axis=2)
    # designed at 128, stored at 64: about the size a cell takes on screen, so the
    # unmipmapped texture is not minified much
    return reduire(img, 4)


def brique_blindee():
    # Armoured: brushed steel plate with four rivets and a raised cross, lighter than the
    # fragile stone so the two read apart once tinted by the cell colour.
    n = 128
    x, y = grille(n, n, 2)
    brosse = commun.bruit_valeur(n * 2, n * 2, 4, 21, octaves=2)
    brosse = brosse.mean(axis=1, keepdims=True) * 0.6 + brosse * 0.4
    base = 0.84 + 0.12 * brosse
    cpx = np.clip(np.repeat(base[..., None], 3, axis=2) * np.array((0.97, 0.99, 1.03)), 0, 1)
    rgb = formes.pave(x, y, n, cpx, 9, bord=2.5, eclat=0.7)
    # an inner recessed panel: a dark groove around it
    creux = commun.rect_arrondi(x, y, 17, 17, n - 17, n - 17, 6)
    rgb = rgb * (1 - 0.55 * lisse(np.abs(creux) - 2.0, 1.0))[..., None]
    rgb = rgb * (1 - 0.22 * lisse(creux, 1.0))[..., None]
    for a, b, c, d in ((26, 26, n - 26, n - 26), (n - 26, 26, 26, n - 26)):
        barre = commun.segment(x, y, a, b, c, d, 7.5)
        h = np.clip(-barre / 6.5, 0, 1)
        gy, gx = np.gradient(h, 0.5)
        lam = np.clip(1 + 2.2 * (-gx * formes.LUMIERE[0] - gy * formes.LUMIERE[1]), 0.35, 1.6)
        m = lisse(barre, 1.0)
        acier = np.clip(np.where(lam > 1, 0.96 + (lam - 1) * 0.1, 0.96 * lam), 0, 1)
        ombre = lisse(commun.segment(x, y, a + 3, b + 4, c + 3, d + 4, 7.5), 3.0) * (1 - m)
        rgb = rgb * (1 - 0.5 * ombre)[..., None]
        rgb = rgb * (1 - m[..., None]) + acier[..., None] * m[..., None]
    img = np.concatenate([np.clip(rgb, 0, 1), np.ones(x.shape + (1,))], axis=2)
    for cx in (10, n - 10):
        for cy in (10, n - 10):
            img = sur(img, formes.ombre_portee(formes.boule(x, y, cx, cy, 6, (1, 1, 1)), 3, 3, 3, 0.5))
            img = sur(img, formes.boule(x, y, cx, cy, 6, (0.88, 0.89, 0.93), speculaire=0.9))
    img[..., 3] = 1
    return reduire(img, 4)


def ressort():
    # A steel coil: three turns around the cylinder (s around, t down). Each band is shaded
    # across its width like a round wire (dark edges, bright crest), and the back half of each
    # turn is darker, so the spring reads as a helix, not stripes. Alpha is the wire.
    n = 64
    x, y = grille(n, n, 4)
    s, t = x / n, y / n
    tours = 3.0
    f = (tours * t + s) % 1.0
    largeur = 0.50                                   # of one turn's period
    travers = (f - 0.5) / largeur * 2                 # -1 .. 1 across the wire
    d = (np.abs(f - 0.5) - largeur / 2) / tours * n
    fil = lisse(d, 0.8)
    rond = np.sqrt(np.clip(1 - travers ** 2, 0, 1))
    lum = 0.30 + 0.55 * rond + 0.45 * np.clip(rond - 0.75, 0, 1) ** 1.5 * 4
    devant = 0.75 + 0.25 * np.cos(2 * np.pi * (s - 0.75))   # the side facing the camera
    acier = np.array((0.80, 0.84, 0.92))
    rgb = np.clip(acier[None, None, :] * (lum * devant)[..., None], 0, 1)
    img = np.concatenate([rgb, fil[..., None]], axis=2)
    return reduire(img, 4)


def marque(chiffre):
    n = 64
    x, y = grille(n, n, SS)
    img = formes.bloc(x, y, 1, 1, n - 1, n - 1, 6, 6, (0.93, 0.93, 0.95), speculaire=0.3)
    rond = commun.cercle(x, y, n / 2, n / 2, 22)
    img = sur(img, couche(lisse(np.abs(rond) - 2.2, 1.0), (0.22, 0.24, 0.30)))
    m = commun.texte_masque(chiffre, "DejaVuSans-Bold.ttf", 34, n, n, ss=SS)
    m = np.kron(m, np.ones((SS, SS)))
    img = sur(img, couche(m, (0.20, 0.22, 0.28)))
    img = reduire(img, SS)
    # Transparent rounded corners; their colour is the tile's own, so where the GL draws the
    # picture without blending the corners still look like the tile, not black.
    vide_ = img[..., 3] < 1e-6
    img[vide_, :3] = (0.93, 0.93, 0.95)
    return img


def daltonien(gagne):
    n = 64
    x, y = grille(n, n, SS)
    coul = (0.20, 0.90, 0.35) if gagne else (0.95, 0.22, 0.20)
    verre = commun.rect_arrondi(x, y, 1, 1, n - 1, n - 1, 5)
    img = couche(lisse(verre, 1.0), coul, 0.45)
    # pattern that does not rely on colour: stripes for a goal, dots for danger
    if gagne:
        motif = (np.abs(((x + y) % 12) - 6) < 1.6)
    else:
        motif = np.hypot((x % 12) - 6, (y % 12) - 6) < 2.0
    img = sur(img, couche(motif.astype(float) * lisse(verre + 3, 1.0), (1, 1, 1), 0.22))
    bord = lisse(np.abs(verre + 2.5) - 2.0, 1.0)
    img = sur(img, couche(bord, np.array(coul) * 0.5 + 0.5, 0.85))
    if gagne:
        sym = np.minimum(commun.segment(x, y, 17, 33, 28, 45, 4.5),
                         commun.segment(x, y, 28, 45, 48, 19, 4.5))
    else:
        # a warning sign, not a cross: the armoured brick already wears a cross
        sym = np.minimum(commun.segment(x, y, 32, 11, 53, 50, 3.2),
                         commun.segment(x, y, 53, 50, 11, 50, 3.2))
        sym = np.minimum(sym, commun.segment(x, y, 11, 50, 32, 11, 3.2))
        sym = np.minimum(sym, commun.segment(x, y, 32, 25, 32, 37, 3.2))
        sym = np.minimum(sym, np.hypot(x - 32, y - 44) - 3.4)
    img = sur(img, couche(lisse(sym - 1.5, 1.0), (0, 0, 0), 0.5))
    img = sur(img, couche(lisse(sym, 1.0), (1, 1, 1), 0.95))
    return reduire(img, SS)


COULEURS = {"rouge": (1.00, 0.16, 0.12), "jaune": (1.00, 0.88, 0.05),
            "vert": (0.15, 0.92, 0.22), "bleu": (0.16, 0.42, 1.00)}


def brique_couleur(c):
    # The GL multiplies this by the cell's corner-colour gradient and the light, which both
    # darken it: the face is the pure colour at full strength, the bevel and rim give the edge,
    # and a raised diamond in a lighter tint is the detail that says "coloured brick".
    n = 32
    x, y = grille(n, n, SS)
    c = np.array(c)
    rgb = formes.pave(x, y, n, c, 4.5, bord=0.9, eclat=0.6)
    losange = commun.polygone(x, y, [(16, 7), (25, 16), (16, 25), (7, 16)])
    h = np.clip(-losange / 3.0, 0, 1)
    gy, gx = np.gradient(h, 1 / SS)
    lam = np.clip(1 + 1.6 * (-gx * formes.LUMIERE[0] - gy * formes.LUMIERE[1]), 0.3, 2.0)
    clair = np.clip(c * 0.55 + 0.45, 0, 1)
    gemme = np.where(lam[..., None] > 1, clair + (1 - clair) * (lam[..., None] - 1) * 0.8,
                     clair * lam[..., None])
    m = lisse(losange, 1.0)
    rgb = rgb * (1 - m[..., None]) + gemme * m[..., None]
    rgb = rgb * (1 - 0.5 * lisse(np.abs(losange) - 0.5, 0.8))[..., None]
    img = np.concatenate([np.clip(rgb, 0, 1), np.full(x.shape + (1,), 0.93)], axis=2)
    return reduire(img, SS)


def plaque_interrupteur(c):
    n = 32
    x, y = grille(n, n, SS)
    socle = formes.boule(x, y, 16, 16, 14, (0.30, 0.32, 0.38), speculaire=0.4)
    img = sur(vide(*x.shape), socle)
    anneau = commun.cercle(x, y, 16, 16, 10.5)
    img = sur(img, couche(lisse(np.abs(anneau) - 1.0, 1.0), (0.08, 0.08, 0.1)))
    img = sur(img, formes.halo(x, y, 16, 16, 12, np.clip(np.array(c) + 0.2, 0, 1), 0.6))
    img = sur(img, formes.boule(x, y, 16, 16, 8.5, c, speculaire=0.9))
    return reduire(img, SS)


# ---------------------------------------------------------------- explosion
def explosion():
    n = 128
    x, y = grille(n, n, 2)
    r = np.hypot(x - n / 2, y - n / 2) / (n / 2)
    ang = np.arctan2(y - n / 2, x - n / 2)
    rng = np.random.default_rng(9)
    rayons = np.zeros_like(r)
    for k in range(5, 13):
        rayons += rng.uniform(0.3, 1.0) * np.cos(k * ang + rng.uniform(0, 6.28))
    rr = r * (1 + 0.06 * rayons)
    chaleur = np.clip(1 - rr, 0, 1) ** 1.6
    rgb = np.stack([np.clip(chaleur * 2.2, 0, 1),
                    np.clip(chaleur * 1.7 - 0.25, 0, 1),
                    np.clip(chaleur * 2.4 - 1.4, 0, 1)], axis=-1)
    img = np.concatenate([rgb, np.ones(r.shape + (1,))], axis=2)
    return reduire(img, 2)


def particule():
    n = 32
    x, y = grille(n, n, SS)
    r = np.hypot(x - 16, y - 16) / 15
    a = np.clip(1 - r, 0, 1) ** 2
    coeur = np.clip(1 - r * 3, 0, 1)
    rgb = np.stack([np.ones_like(r), 0.55 + 0.45 * coeur, 0.15 + 0.85 * coeur], axis=-1)
    return reduire(np.concatenate([rgb, a[..., None]], axis=2), SS)


# ---------------------------------------------------------------- editor icons (32 x 32)
GRADIENT = [(0.98, 0.55, 0.35), (0.98, 0.82, 0.35), (0.40, 0.55, 0.98), (0.70, 0.42, 0.92)]


def icone_bloc(x, y, couleur=None, couleur_px=None):
    return formes.bloc(x, y, 2.5, 2.5, 29.5, 29.5, 3, 4.5, couleur if couleur is not None else (1, 1, 1),
                       speculaire=0.45, couleur_px=couleur_px)


def icone(code):
    x, y, img = toile(32, 32)
    if code == 0:
        fond = commun.rect_arrondi(x, y, 3, 3, 29, 29, 3)
        img = couche(lisse(fond, 1.0), (0.05, 0.09, 0.2), 0.55)
        tiret = ((x + y) // 4 % 2 == 0).astype(float)
        img = sur(img, couche(lisse(np.abs(fond) - 0.8, 0.5) * tiret, CYAN))
    elif code == 1:
        u, v = x / 32, y / 32
        c = [np.array(k) for k in GRADIENT]
        px = (c[0] * (1 - u[..., None]) + c[1] * u[..., None]) * (1 - v[..., None]) + \
             (c[2] * (1 - u[..., None]) + c[3] * u[..., None]) * v[..., None]
        img = icone_bloc(x, y, couleur_px=px)
        img = sur(img, formes.reflet(x, y, 2.5, 2.5, 29.5, 29.5, 3, 0.25))
    elif code in (2, 3):
        t = daltonien(code == 2)
        t = np.asarray(Image.fromarray((np.clip(t, 0, 1) * 255).astype(np.uint8), "RGBA")
                       .resize((32 * SS, 32 * SS), Image.LANCZOS), dtype=np.float64) / 255
        img = sur(formes.ombre_portee(t, 0, 0, 1, 0.0), t)
    elif code in (4, 5):
        t = brique_fissuree() if code == 4 else brique_blindee()
        t = np.asarray(Image.fromarray((np.clip(t[..., :3], 0, 1) * 255).astype(np.uint8), "RGB")
                       .resize((27 * SS, 27 * SS), Image.LANCZOS), dtype=np.float64) / 255
        img = icone_bloc(x, y, couleur=(1, 1, 1))
        plein = np.ones((32 * SS, 32 * SS, 3))
        o = int(2.5 * SS)
        plein[o:o + 27 * SS, o:o + 27 * SS] = t * np.array((0.75, 0.80, 0.95))
        img[..., :3] = plein
    elif code == 6:
        socle = formes.bloc(x, y, 4, 25, 28, 30, 1.5, 1.5, (0.5, 0.52, 0.58))
        img = socle
        for k in range(5):
            yy = 24 - k * 4.2
            s = commun.segment(x, y, 7, yy, 25, yy - 2.1, 1.6)
            img = sur(img, couche(lisse(s, 0.6), (0.85, 0.88, 0.95) if k % 2 == 0 else (0.65, 0.68, 0.78)))
        img = sur(img, formes.bloc(x, y, 5, 2, 27, 6, 1.5, 1.5, (0.95, 0.75, 0.30)))
    elif code == 7:
        img = formes.boule(x, y, 15, 18, 10.5, (0.30, 0.32, 0.55), speculaire=0.9)
        meche = commun.segment(x, y, 21, 10, 25, 5, 1.3)
        img = sur(img, couche(lisse(meche, 0.6), (0.75, 0.6, 0.4)))
        img = sur(img, formes.halo(x, y, 26, 4.5, 5, (1, 0.85, 0.3), 1.0))
        img = sur(img, formes.halo(x, y, 26, 4.5, 2.2, (1, 1, 0.9), 1.0))
    elif 8 <= code <= 19:
        k = (code - 8) // 2
        c = [ROUGE, JAUNE, VERT, BLEU, GRIS, GRIS][k]
        if code % 2 == 1:   # coloured brick
            img = icone_bloc(x, y, couleur=c)
            losange = commun.polygone(x, y, [(16, 8.5), (23.5, 16), (16, 23.5), (8.5, 16)])
            img = sur(img, couche(lisse(losange, 1.0), np.array(c) * 0.55))
            gem = formes.bloc(x, y, 9.5, 9.5, 22.5, 22.5, 2, 4, np.clip(np.array(c) * 1.15 + 0.08, 0, 1), speculaire=0.8)
            gem[..., 3] *= lisse(losange + 1.2, 1.0)
            img = sur(img, gem)
            img = sur(img, formes.reflet(x, y, 2.5, 2.5, 29.5, 29.5, 3, 0.25))
        else:               # switch: a plate with a glowing button and its lever
            img = formes.bloc(x, y, 3, 3, 29, 29, 4, 3, (0.28, 0.30, 0.36))
            img = sur(img, formes.halo(x, y, 16, 13, 11, np.clip(np.array(c) + 0.25, 0, 1), 0.7))
            img = sur(img, formes.boule(x, y, 16, 13, 7, c, speculaire=0.9))
            img = sur(img, formes.bloc(x, y, 8, 23, 24, 27.5, 1.2, 1.5, c, speculaire=0.5))
        if k >= 4:
            chiffre = "1" if k == 4 else "2"
            m = commun.texte_masque(chiffre, "DejaVuSans-Bold.ttf", 14, 32, 32, ss=SS)
            m = np.kron(m, np.ones((SS, SS)))
            dy = 0 if code % 2 == 1 else -3 * SS
            m = np.roll(m, dy, axis=0)
            img = sur(img, formes.ombre_portee(couche(m, (0, 0, 0)), SS, SS, 2, 0.8))
            img = sur(img, couche(m, (1, 1, 1)))
    elif code == 254:
        # The selection: a dashed frame around two small blocks, the cursor's corner bottom-right.
        cadre = commun.rect_arrondi(x, y, 3.5, 3.5, 28.5, 28.5, 2)
        tiret = ((x + y) // 4 % 2 == 0).astype(float)
        img = couche(lisse(cadre, 1.0), (0.05, 0.09, 0.2), 0.35)
        img = sur(img, couche(lisse(np.abs(cadre) - 0.9, 0.5) * tiret, CYAN))
        img = sur(img, formes.bloc(x, y, 8, 8, 16, 16, 1.5, 2, (0.98, 0.70, 0.35), speculaire=0.5))
        img = sur(img, formes.bloc(x, y, 16, 16, 24, 24, 1.5, 2, (0.40, 0.55, 0.98), speculaire=0.5))
    elif code == 255:
        img = formes.boule(x, y, 16, 16, 13, commun.BALLE, speculaire=1.0)
        img = sur(img, formes.halo(x, y, 11, 10, 6, (1, 1, 1), 0.35))
    return reduire(img, SS)


# ---------------------------------------------------------------- menu and editor buttons
def bouton_rond(x, y, c, symbole):
    img = formes.boule(x, y, 16, 16, 14, c, speculaire=0.7)
    img = sur(img, couche(lisse(symbole - 0.8, 0.6), (0, 0, 0), 0.35))
    img = sur(img, couche(lisse(symbole, 0.6), (1, 1, 1)))
    return img


def bouton(nom):
    x, y, img = toile(32, 32)
    if nom == "croix":
        s = np.minimum(commun.segment(x, y, 10.5, 10.5, 21.5, 21.5, 2.4),
                       commun.segment(x, y, 21.5, 10.5, 10.5, 21.5, 2.4))
        img = bouton_rond(x, y, (0.90, 0.20, 0.18), s)
    elif nom == "plus":
        s = np.minimum(commun.segment(x, y, 16, 9, 16, 23, 2.4), commun.segment(x, y, 9, 16, 23, 16, 2.4))
        img = bouton_rond(x, y, (0.22, 0.75, 0.28), s)
    elif nom == "moins":
        s = commun.segment(x, y, 9, 16, 23, 16, 2.4)
        img = bouton_rond(x, y, (0.95, 0.55, 0.15), s)
    elif nom == "options":
        ang = np.arctan2(y - 16, x - 16)
        r = np.hypot(x - 16, y - 16)
        dents = 12.5 + 2.6 * np.clip(np.cos(8 * ang) * 2.2, -1, 1)
        roue = r - dents
        h = np.clip(-roue / 3, 0, 1)
        gy, gx = np.gradient(h, 1 / SS)
        n = np.sqrt(gx ** 2 + gy ** 2 + 1)
        rgb = formes.ombrer(-gx / n, -gy / n, 1 / n, (0.62, 0.72, 0.85), speculaire=0.6)
        img = np.concatenate([rgb, lisse(roue, 0.5)[..., None]], axis=2)
        trou = formes.boule(x, y, 16, 16, 5, (0.10, 0.14, 0.25), speculaire=0.2)
        img = sur(img, trou)
    elif nom == "langue":
        img = formes.boule(x, y, 16, 16, 14, (0.20, 0.45, 0.95), speculaire=0.6)
        dx, dy = (x - 16) / 14, (y - 16) / 14
        dedans = dx * dx + dy * dy < 1
        lignes = np.zeros(x.shape)
        for m in (-0.6, 0, 0.6):
            lignes = np.maximum(lignes, lisse(np.abs(dy - m * np.sqrt(np.clip(1 - dx * dx, 0, 1)) * 0) * 14
                                              - 0.6, 0.5) if m == 0 else
                                lisse(np.abs(dy - m) * 14 - 0.6, 0.5))
        for k in (-0.7, 0.0, 0.7):
            w = np.sqrt(np.clip(1 - dy * dy, 0, 1))
            lignes = np.maximum(lignes, lisse(np.abs(dx - k * w) * 14 - 0.6, 0.5))
        terre = commun.bruit_valeur(32 * SS, 32 * SS, 32, 5, octaves=3) > 0.55
        img = sur(img, couche(terre * dedans * 0.85, (0.30, 0.80, 0.35)))
        img = sur(img, couche(lignes * dedans, (0.85, 0.95, 1.0), 0.75))
        img = sur(img, formes.halo(x, y, 11, 10, 7, (1, 1, 1), 0.3))
    elif nom == "save":
        corps = formes.bloc(x, y, 4, 4, 28, 28, 2.5, 2.5, (0.18, 0.32, 0.70), speculaire=0.5)
        volet = formes.bloc(x, y, 10, 4, 23, 12, 1, 1.2, (0.80, 0.82, 0.88), speculaire=0.7)
        fente = commun.rect_arrondi(x, y, 18, 5.5, 21, 10.5, 0.5)
        etiquette = formes.bloc(x, y, 8, 16, 24, 27, 1.2, 1.2, (0.96, 0.96, 0.93), speculaire=0.2)
        img = sur(sur(corps, volet), couche(lisse(fente, 0.5), (0.15, 0.2, 0.3)))
        img = sur(img, etiquette)
        for k in range(3):
            img = sur(img, couche(lisse(commun.segment(x, y, 10.5, 19.5 + 2.6 * k, 21.5, 19.5 + 2.6 * k, 0.45), 0.5),
                                  (0.55, 0.6, 0.75)))
    return reduire(img, SS)


# ---------------------------------------------------------------- hint signs
def panneau(x, y, l, h):
    fond = commun.rect_arrondi(x, y, 2, 2, l - 2, h - 2, 10)
    img = couche(lisse(fond, 1.2), (0.05, 0.10, 0.24), 0.78)
    img = sur(img, couche(lisse(np.abs(fond + 3) - 1.6, 1.0), CYAN, 0.9))
    return img


def fleche_forme(x, y, cx, cy, dirx, taille):
    pts = [(cx + dirx * taille * 0.55, cy), (cx - dirx * taille * 0.35, cy - taille * 0.5),
           (cx - dirx * taille * 0.35, cy + taille * 0.5)]
    return commun.polygone(x, y, pts)


def signe_move(etat):
    # Drawn 4 x 1.5 cells; stored 256 x 128, designed in a 384 x 144 space.
    h, w = 128, 256
    x, y = grille(h, w, 3)
    x, y = x * 384 / 256, y * 144 / 128
    img = panneau(x, y, 384, 144)
    for cote, cx in ((-1, 72), (1, 312)):
        enf = (etat == 1 and cote < 0) or (etat == 2 and cote > 0)
        k = formes.touche(x, y, cx - 44, 30, cx + 44, 116, enfoncee=enf,
                          base=(0.75, 0.93, 1.0) if enf else (0.92, 0.93, 0.96))
        img = sur(img, k)
        f = fleche_forme(x, y, cx, 66 + (2 if enf else 0), cote, 40)
        img = sur(img, couche(lisse(f, 1.2), (0.12, 0.22, 0.45)))
    bx = 192 + (-30 if etat == 1 else 30 if etat == 2 else 0)
    if etat:
        d = -1 if etat == 1 else 1
        for k in range(3):
            tr = commun.segment(x, y, bx - d * (38 + 10 * k), 52 + 18 * k, bx - d * (26 + 4 * k), 52 + 18 * k, 2.2)
            img = sur(img, couche(lisse(tr, 1.0), CYAN, 0.8 - 0.2 * k))
    img = sur(img, formes.ombre_portee(formes.boule(x, y, bx, 72, 30, (1, 1, 1)), 6, 8, 6, 0.5))
    img = sur(img, formes.boule(x, y, bx, 72, 30, commun.BALLE, speculaire=1.0))
    return reduire(img, 3)


def signe_boom(etat):
    n = 128
    x, y, img = toile(n, n, 3)
    img = panneau(x, y, n, n)
    enf = etat == 1
    img = sur(img, formes.touche(x, y, 14, 84, 114, 116, enfoncee=enf,
                                 base=(1.0, 0.86, 0.6) if enf else (0.92, 0.93, 0.96)))
    bx, by = 64, 46
    if enf:
        ang = np.arctan2(y - by, x - bx)
        r = np.hypot(x - bx, y - by)
        etoile = r - (22 + 10 * np.cos(8 * ang))
        img = sur(img, couche(lisse(etoile, 1.0), (1.0, 0.55, 0.1), 0.95))
        img = sur(img, couche(lisse(r - (13 + 6 * np.cos(8 * ang + 0.4)), 1.0), (1.0, 0.9, 0.4)))
        img = sur(img, formes.halo(x, y, bx, by, 10, (1, 1, 1), 0.9))
    else:
        img = sur(img, formes.boule(x, y, bx, by + 4, 22, (0.30, 0.32, 0.55), speculaire=0.9))
        img = sur(img, couche(lisse(commun.segment(x, y, 76, 26, 84, 14, 2.4), 1.0), (0.75, 0.6, 0.4)))
        img = sur(img, formes.halo(x, y, 86, 12, 9, (1, 0.8, 0.3), 1.0))
        img = sur(img, formes.halo(x, y, 86, 12, 4, (1, 1, 0.9), 1.0))
    return reduire(img, 3)


# ---------------------------------------------------------------- title, backdrop, results
def texte_grand(texte, police, taille, l, h, ss):
    m = commun.texte_masque(texte, police, taille, l, h, ss=ss)
    return np.kron(m, np.ones((ss, ss)))


def titre():
    l, h, ss = 512, 128, 2
    x, y, img = toile(h, l, ss)
    m = texte_grand("Zarvinel", "DejaVuSans-Bold.ttf", 88, l, h, ss)
    lueur = commun.flou(m, 8)
    img = sur(img, couche(np.clip(lueur * 1.6, 0, 1), (0.25, 0.6, 1.0), 0.9))
    contour = np.clip(commun.flou(m, 2) * 3, 0, 1)
    img = sur(img, couche(contour, (0.05, 0.06, 0.15)))
    t = np.clip((y - 22) / 84, 0, 1)
    c1, c2, c3 = np.array((1.0, 0.97, 0.80)), np.array(OR), np.array((0.85, 0.45, 0.12))
    px = np.where(t[..., None] < 0.5, c1 + (c2 - c1) * (t[..., None] * 2), c2 + (c3 - c2) * (t[..., None] * 2 - 1))
    lettres = np.concatenate([px, m[..., None]], axis=2)
    img = sur(img, lettres)
    reflet = (y < 62).astype(float) * m * 0.25
    img = sur(img, couche(reflet, (1, 1, 1)))
    return reduire(img, ss)


def cache():
    l, h = 1024, 128
    x, y = grille(h, l, 1)
    fx = np.clip(np.minimum(x, l - x) / 260, 0, 1)
    fy = np.clip(np.minimum(y, h - y) / 30, 0, 1)
    a = (fx * fx * (3 - 2 * fx)) * (fy * fy * (3 - 2 * fy)) * 0.82
    img = couche(a, (0.02, 0.04, 0.10))
    ligne = np.exp(-((np.abs(y - h / 2) - 52) ** 2) / 3.0) * fx
    img = sur(img, couche(ligne * 0.7, CYAN))
    return img


def resultat(texte, gagne):
    # Added over the backdrop (additive blending): the glow and the letters carry alpha, the
    # rest is transparent, so the picture also reads where it is drawn with ordinary blending.
    l, h, ss = 512, 128, 2
    x, y, _ = toile(h, l, ss)
    m = texte_grand(texte, "DejaVuSans-Bold.ttf", 60, l, h, ss)
    coul = np.array((0.35, 1.0, 0.45)) if gagne else np.array((1.0, 0.30, 0.25))
    lueur = commun.flou(m, 10) * 1.3
    t = np.clip((y - 30) / 70, 0, 1)[..., None]
    coeur = np.array((1.0, 1.0, 0.85)) * (1 - t) + coul * t
    rgb = np.clip(lueur[..., None] * coul * 0.8 + m[..., None] * coeur, 0, 1)
    # The play screen adds the colour as it stands (blend factors 1, 1), alpha unused: so the
    # colour holds the glow's light itself, already weighted, and fades to black with it.
    # Un-weighting it by alpha made the faint glow full-bright: a solid box behind the text.
    a = np.clip(np.maximum(rgb.max(axis=2), m), 0, 1)
    img = np.concatenate([rgb, a[..., None]], axis=2)
    return reduire(img, ss)


# ---------------------------------------------------------------- backgrounds
def galaxie(n=2048):
    # One face, repeated on all six sides of the sky cube and also the cube the board's
    # reflections are added from (GL_ADD): so it is mostly dark, with a few soft nebula clouds
    # and sharp stars. Looking straight ahead (the menu camera, the front faces' reflections)
    # falls on the face's centre, kept dim so the name and coloured bricks keep their hue.
    # Clouds fade to a plain night colour toward every edge, so faces meet without seams.
    x, y = grille(n, n, 1)
    u, v = x / n - 0.5, y / n - 0.5
    bord = np.clip(1 - np.maximum(np.abs(u), np.abs(v)) * 2, 0, 1)
    fondu = np.clip(bord / 0.30, 0, 1) ** 1.5
    m = 512                                        # clouds are smooth: made small, scaled up
    xs, ys = grille(m, m, 1)
    us, vs = xs / m - 0.5, ys / m - 0.5
    b1 = commun.bruit_valeur(m, m, 128, 31, octaves=5)
    b2 = commun.bruit_valeur(m, m, 32, 32, octaves=4)
    nuit = np.array((0.010, 0.014, 0.036))
    nuage = np.zeros((m, m, 3))
    # (centre u, v, radius, colour, strength): violet and teal clouds off the centre,
    # a faint rose wisp, one warm knot that gives the reflections a soft highlight
    for cu, cv, r, c, f in ((-0.22, -0.16, 0.20, (0.30, 0.14, 0.46), 0.85),
                            (0.22, 0.20, 0.20, (0.08, 0.30, 0.42), 0.50),
                            (0.16, -0.24, 0.12, (0.42, 0.14, 0.26), 0.55),
                            (-0.14, 0.24, 0.10, (0.50, 0.40, 0.22), 0.60)):
        d = np.hypot(us - cu, vs - cv) / r
        forme = np.exp(-d * d * 1.3) * np.clip(0.15 + 1.6 * (b1 - 0.3), 0, 1.5)
        filaments = 0.5 + 1.2 * np.clip(b2 - 0.35, 0, 1)
        nuage += (forme * filaments * f * 2.3)[..., None] * np.array(c)
    # a clear dark middle: the board's front faces reflect it from the level-start view
    rs = np.hypot(us, vs)
    clairiere = np.clip((rs - 0.08) / 0.18, 0, 1)
    nuage *= (clairiere * clairiere * (3 - 2 * clairiere))[..., None]
    grand = np.zeros((n, n, 3))
    for k in range(3):
        grand[..., k] = np.asarray(Image.fromarray(nuage[..., k].astype(np.float32), "F")
                                   .resize((n, n), Image.BICUBIC), dtype=np.float64)
    rgb = nuit + np.clip(grand, 0, 1) * fondu[..., None]
    # stars: many faint, some bright with a small glow, a few with cross spikes
    rng = np.random.default_rng(77)
    etoiles = np.zeros((n, n, 3))
    k = n // 512
    for i in range(2000):
        sx, sy = rng.uniform(6 * k + 2, n - 6 * k - 2, size=2)
        lum = rng.uniform(0.15, 1.0) ** 3
        teinte = np.array((1.0, 0.92, 0.80)) if rng.random() < 0.3 else np.array((0.80, 0.88, 1.0))
        rayon = 0.45 * k ** 0.5 + 0.9 * lum * k ** 0.5
        x0, y0 = int(sx) - 6 * k, int(sy) - 6 * k
        xx, yy = np.meshgrid(np.arange(x0, x0 + 12 * k) + 0.5, np.arange(y0, y0 + 12 * k) + 0.5)
        d2 = ((xx - sx) ** 2 + (yy - sy) ** 2) / (rayon * rayon)
        p = np.exp(-d2 * 1.4) * min(1.0, 0.35 + 1.6 * lum) + np.exp(-d2 * 0.12) * 0.08 * lum
        if lum > 0.85:
            p = p + 0.35 * lum * (np.exp(-((xx - sx) ** 2) / (0.5 * k)) + np.exp(-((yy - sy) ** 2) / (0.5 * k))) \
                * np.exp(-np.sqrt(d2) * 0.35)
        etoiles[y0:y0 + 12 * k, x0:x0 + 12 * k] += p[..., None] * teinte
    rgb = rgb + etoiles
    return np.concatenate([np.clip(rgb, 0, 1), np.ones((n, n, 1))], axis=2)


def rampe_julia():
    # Cyclic colour ramp (the shader wraps it): night blue, cyan, white, gold, violet.
    n = 256
    cles = [(0.00, (0.03, 0.05, 0.20)), (0.22, (0.10, 0.45, 0.85)), (0.38, (0.55, 0.95, 1.00)),
            (0.48, (1.00, 1.00, 0.95)), (0.60, (1.00, 0.78, 0.30)), (0.78, (0.70, 0.20, 0.55)),
            (1.00, (0.03, 0.05, 0.20))]
    t = (np.arange(n) + 0.5) / n
    rgb = np.zeros((n, 3))
    for k in range(3):
        rgb[:, k] = np.interp(t, [a for a, _ in cles], [c[k] for _, c in cles])
    img = np.zeros((1, n, 4))
    img[0, :, :3] = rgb
    img[0, :, 3] = 1
    return img


def icone_fenetre():
    x, y, img = toile(32, 32)
    img = sur(img, formes.bloc(x, y, 1, 17, 31, 31, 3, 3.5, (0.98, 0.70, 0.35), speculaire=0.4))
    img = sur(img, formes.ombre_portee(formes.boule(x, y, 16, 12, 10.5, (1, 1, 1)), 0, 4, 3, 0.4))
    img = sur(img, formes.boule(x, y, 16, 12, 10.5, commun.BALLE, speculaire=1.0))
    img = reduire(img, SS)
    a = np.round(np.clip(img, 0, 1) * 255).astype(np.uint8)
    Image.fromarray(a, "RGBA").save(commun.chemin("imgs/icon.bmp"), format="BMP")


def generer(resultats):
    gui()
    enregistrer("imgs/gui/haut.png", fleche(False))
    enregistrer("imgs/gui/bas.png", fleche(True))
    enregistrer("imgs/boom/1.png", explosion(), "RGB")
    enregistrer("imgs/boom/particule.png", particule())
    enregistrer("imgs/briques/casse.png", brique_fissuree(), "RGB")
    enregistrer("imgs/briques/blinde.png", brique_blindee(), "RGB")
    enregistrer("imgs/briques/ressort.png", ressort())
    enregistrer("imgs/briques/un.png", marque("1"))
    enregistrer("imgs/briques/deux.png", marque("2"))
    enregistrer("imgs/briques/win.png", daltonien(True))
    enregistrer("imgs/briques/lost.png", daltonien(False))
    for nom, c in COULEURS.items():
        enregistrer(f"imgs/briques/{nom}.png", brique_couleur(c))
        enregistrer(f"imgs/briques/{nom}_t.png", plaque_interrupteur(c))
    for code in list(range(20)) + [254, 255]:
        enregistrer(f"imgs/boutons_edit/{code}.png", icone(code))
    for nom in ("options", "langue", "croix", "plus", "save", "moins"):
        enregistrer(f"imgs/boutons/{nom}.png", bouton(nom))
    for k in range(3):
        enregistrer(f"imgs/msg/move{k}.png", signe_move(k))
    for k in range(2):
        enregistrer(f"imgs/msg/boom{k}.png", signe_boom(k))
    enregistrer("imgs/msg/titre.png", titre())
    enregistrer("imgs/msg/cache.png", cache())
    for nom, (gagne, perdu) in resultats:
        enregistrer(f"imgs/msg/{nom}_gagne.png", resultat(gagne, True))
        enregistrer(f"imgs/msg/{nom}_perdu.png", resultat(perdu, False))
    enregistrer("imgs/fond/gal.png", galaxie(), "RGB")
    enregistrer("imgs/fond/julia.png", rampe_julia(), "RGB")
    icone_fenetre()


if __name__ == "__main__":
    import langues
    generer([(nom, langues.RESULTATS[code]) for code, nom, _ in langues.LANGUES])
