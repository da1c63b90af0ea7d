"""Shared helpers of the data generators: paths, palette, deterministic PNG writing and
small drawing primitives on numpy float images (H x W x 4, values 0..1)."""
import os

import numpy as np
from PIL import Image

RACINE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DONNEES = os.path.join(RACINE, "data")
POLICES = "/usr/share/fonts/truetype/dejavu"

# The game's palette: deep night blue glass, cyan light, warm gold accents.
NUIT = (0.04, 0.07, 0.16)
BLEU_VERRE = (0.10, 0.20, 0.42)
CYAN = (0.45, 0.85, 1.00)
OR = (1.00, 0.80, 0.35)
ROUGE = (0.95, 0.22, 0.20)
JAUNE = (1.00, 0.86, 0.20)
VERT = (0.25, 0.85, 0.30)
BLEU = (0.25, 0.45, 1.00)
GRIS = (0.62, 0.64, 0.68)
BALLE = (0.86, 0.88, 0.93)   # the ball is drawn white and lit: a pale steel ball


def chemin(rel):
    p = os.path.join(DONNEES, rel)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    return p


def enregistrer(rel, img, mode="RGBA"):
    """Writes a float image (H x W x 4 or H x W) as an 8-bit PNG, without any metadata
    that would change between runs."""
    a = np.clip(np.asarray(img, dtype=np.float64), 0.0, 1.0)
    a = np.round(a * 255.0).astype(np.uint8)
    if mode == "L":
        if a.ndim == 3:
            a = a[:, :, 0]
        im = Image.fromarray(a, "L")
    elif mode == "RGB":
        im = Image.fromarray(np.ascontiguousarray(a[:, :, :3]), "RGB")
    else:
        im = Image.fromarray(np.ascontiguousarray(a), "RGBA")
    im.save(chemin(rel), format="PNG", optimize=False, compress_level=9)
    return chemin(rel)


def grille(h, w, ss=1):
    """Pixel-centre coordinates (x, y) in pixels of an h x w image sampled ss x ss times."""
    ys = (np.arange(h * ss) + 0.5) / ss
    xs = (np.arange(w * ss) + 0.5) / ss
    return np.meshgrid(xs, ys)


def reduire(img, ss):
    """Box-filters a supersampled image back to its size (premultiplied for RGBA)."""
    if ss == 1:
        return img
    h, w = img.shape[0] // ss, img.shape[1] // ss
    if img.ndim == 2:
        return img.reshape(h, ss, w, ss).mean(axis=(1, 3))
    a = img[:, :, 3:4]
    pre = np.concatenate([img[:, :, :3] * a, a], axis=2)
    pre = pre.reshape(h, ss, w, ss, 4).mean(axis=(1, 3))
    al = pre[:, :, 3:4]
    rgb = np.where(al > 1e-6, pre[:, :, :3] / np.maximum(al, 1e-6), 0.0)
    return np.concatenate([rgb, al], axis=2)


def vide(h, w):
    return np.zeros((h, w, 4))


def sur(dessous, dessus):
    """'Over' composition of two straight-alpha float images."""
    a1 = dessus[:, :, 3:4]
    a0 = dessous[:, :, 3:4]
    ao = a1 + a0 * (1 - a1)
    rgb = np.where(ao > 1e-6,
                   (dessus[:, :, :3] * a1 + dessous[:, :, :3] * a0 * (1 - a1)) / np.maximum(ao, 1e-6),
                   0.0)
    return np.concatenate([rgb, ao], axis=2)


def couche(masque, couleur, alpha=1.0):
    """A layer of one colour (or a per-pixel H x W x 3 colour) with the mask as coverage."""
    h, w = masque.shape
    out = np.zeros((h, w, 4))
    out[:, :, :3] = couleur
    out[:, :, 3] = np.clip(masque, 0, 1) * alpha
    return out


def lisse(d, largeur=1.0):
    """Coverage of a signed distance (negative inside) with a soft edge of 'largeur' pixels."""
    return np.clip(0.5 - d / largeur, 0.0, 1.0)


def rect_arrondi(x, y, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx = np.abs(x - cx) - hx
    qy = np.abs(y - cy) - hy
    ext = np.hypot(np.maximum(qx, 0), np.maximum(qy, 0))
    return ext + np.minimum(np.maximum(qx, qy), 0) - r


def cercle(x, y, cx, cy, r):
    return np.hypot(x - cx, y - cy) - r


def segment(x, y, ax, ay, bx, by, r):
    """Signed distance to a thick segment (capsule) of radius r."""
    px, py = x - ax, y - ay
    dx, dy = bx - ax, by - ay
    t = np.clip((px * dx + py * dy) / max(dx * dx + dy * dy, 1e-9), 0, 1)
    return np.hypot(px - t * dx, py - t * dy) - r


def polygone(x, y, pts):
    """Signed distance to a convex or concave polygon (list of (x, y))."""
    n = len(pts)
    d = np.full(x.shape, np.inf)
    signe = np.ones(x.shape)
    for i in range(n):
        ax, ay = pts[i]
        bx, by = pts[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        wx, wy = x - ax, y - ay
        t = np.clip((wx * ex + wy * ey) / (ex * ex + ey * ey), 0, 1)
        d = np.minimum(d, np.hypot(wx - ex * t, wy - ey * t))
        c1 = ay <= y
        c2 = by > y
        c3 = ex * wy - ey * wx > 0
        inv = (c1 & c2 & c3) | (~c1 & ~c2 & ~c3)
        signe = np.where(inv, -signe, signe)
    return signe * d


def texte_masque(texte, police, taille, largeur, hauteur, ss=1, centre=True, x=0, y=0):
    """Coverage mask (H x W floats) of a text drawn with a TrueType font."""
    from PIL import ImageDraw, ImageFont
    f = ImageFont.truetype(os.path.join(POLICES, police), taille * ss)
    im = Image.new("L", (largeur * ss, hauteur * ss), 0)
    d = ImageDraw.Draw(im)
    if centre:
        bb = d.textbbox((0, 0), texte, font=f)
        x = (largeur * ss - (bb[2] - bb[0])) / 2 - bb[0]
        y = (hauteur * ss - (bb[3] - bb[1])) / 2 - bb[1]
    else:
        x, y = x * ss, y * ss
    d.text((x, y), texte, font=f, fill=255)
    m = np.asarray(im, dtype=np.float64) / 255.0
    return reduire(m, ss) if ss > 1 else m


def flou(img, r):
    """Separable box blur applied three times (close to a gaussian), wrapping at the edges."""
    out = img.astype(np.float64)
    if r < 1:
        return out
    for _ in range(3):
        for axe in (0, 1):
            acc = np.zeros_like(out)
            for k in range(-r, r + 1):
                acc += np.roll(out, k, axis=axe)
            out = acc / (2 * r + 1)
    return out


def bruit_valeur(h, w, cellule, graine, octaves=4):
    """Tileable value noise in 0..1 (h and w multiples of the cell size)."""
    rng = np.random.default_rng(graine)
    total = np.zeros((h, w))
    amp, somme = 1.0, 0.0
    for o in range(octaves):
        c = max(1, cellule >> o)
        gh, gw = max(1, h // c), max(1, w // c)
        g = rng.random((gh, gw))
        ys = np.arange(h) / c
        xs = np.arange(w) / c
        y0 = np.floor(ys).astype(int) % gh
        x0 = np.floor(xs).astype(int) % gw
        fy = ys - np.floor(ys)
        fx = xs - np.floor(xs)
        fy = fy * fy * (3 - 2 * fy)
        fx = fx * fx * (3 - 2 * fx)
        y1 = (y0 + 1) % gh
        x1 = (x0 + 1) % gw
        a = g[np.ix_(y0, x0)]
        b = g[np.ix_(y0, x1)]
        c_ = g[np.ix_(y1, x0)]
        d = g[np.ix_(y1, x1)]
        top = a + (b - a) * fx[None, :]
        bot = c_ + (d - c_) * fx[None, :]
        total += amp * (top + (bot - top) * fy[:, None])
        somme += amp
        amp *= 0.5
    return total / somme
