"""Shaded shapes shared by the pictures: glossy balls, bevelled blocks, key caps, glows.
All work on supersampled coordinate grids and return straight-alpha float RGBA images."""
import numpy as np

import commun

LUMIERE = np.array([-0.55, -0.65, 0.52])   # from the top left, toward the viewer
LUMIERE = LUMIERE / np.linalg.norm(LUMIERE)


def ombrer(nx, ny, nz, base, speculaire=0.6, brillance=40.0, ambiant=0.35):
    """Lambert + Blinn-Phong shading of a colour for unit normals (nx, ny, nz)."""
    diff = np.clip(nx * LUMIERE[0] + ny * LUMIERE[1] + nz * LUMIERE[2], 0, 1)
    hx, hy, hz = LUMIERE[0], LUMIERE[1], LUMIERE[2] + 1.0
    n = np.sqrt(hx * hx + hy * hy + hz * hz)
    s = np.clip((nx * hx + ny * hy + nz * hz) / n, 0, 1) ** brillance
    base = np.asarray(base, dtype=np.float64)
    rgb = base[None, None, :] * (ambiant + (1 - ambiant) * diff)[..., None] + speculaire * s[..., None]
    return np.clip(rgb, 0, 1)


def boule(x, y, cx, cy, r, base, speculaire=0.8):
    """A glossy ball seen from the front."""
    dx, dy = (x - cx) / r, (y - cy) / r
    d2 = dx * dx + dy * dy
    nz = np.sqrt(np.clip(1 - d2, 0, 1))
    rgb = ombrer(dx, dy, nz, base, speculaire=speculaire, brillance=30)
    # soft rim light from the bottom right, as from a bright sky
    rim = np.clip(np.sqrt(d2) - 0.75, 0, 1) * 2.0 * np.clip(dx + dy, 0, 1)
    rgb = np.clip(rgb + rim[..., None] * 0.25, 0, 1)
    out = np.zeros(x.shape + (4,))
    out[..., :3] = rgb
    out[..., 3] = commun.lisse(np.sqrt(d2) * r - r, 1.0 * (x[0, 1] - x[0, 0]) * 1.5)
    return out


def bloc(x, y, x0, y0, x1, y1, rayon, biseau, base, speculaire=0.35, brillance=20.0, couleur_px=None):
    """A rounded block with a bevelled rim, lit from the top left. 'couleur_px' may give a
    per-pixel base colour (H x W x 3)."""
    d = commun.rect_arrondi(x, y, x0, y0, x1, y1, rayon)
    h = np.clip(-d / biseau, 0, 1)
    h = h * h * (3 - 2 * h)
    pas = x[0, 1] - x[0, 0]
    gy, gx = np.gradient(h, pas)
    nx, ny, nz = -gx * biseau * 0.9, -gy * biseau * 0.9, np.ones_like(h)
    n = np.sqrt(nx * nx + ny * ny + nz * nz)
    b = couleur_px if couleur_px is not None else base
    if couleur_px is None:
        rgb = ombrer(nx / n, ny / n, nz / n, base, speculaire=speculaire, brillance=brillance, ambiant=0.45)
    else:
        un = ombrer(nx / n, ny / n, nz / n, (1, 1, 1), speculaire=0.0, ambiant=0.45)
        sp = ombrer(nx / n, ny / n, nz / n, (0, 0, 0), speculaire=speculaire, brillance=brillance)
        rgb = np.clip(b * un + sp, 0, 1)
    out = np.zeros(x.shape + (4,))
    out[..., :3] = rgb
    out[..., 3] = commun.lisse(d, pas * 1.5)
    return out


def reflet(x, y, x0, y0, x1, y1, rayon, force=0.35):
    """Glossy highlight on the upper half of a block: white with falling alpha."""
    d = commun.rect_arrondi(x, y, x0 + 2, y0 + 2, x1 - 2, y0 + (y1 - y0) * 0.48, max(rayon - 2, 0.5))
    t = np.clip((y - y0) / max((y1 - y0) * 0.5, 1e-6), 0, 1)
    m = commun.lisse(d, 1.0) * (1 - t) * force
    return commun.couche(m, (1, 1, 1))


def halo(x, y, cx, cy, r, couleur, force=1.0):
    d = np.hypot(x - cx, y - cy) / r
    m = np.clip(1 - d, 0, 1) ** 2 * force
    return commun.couche(m, couleur)


def ombre_portee(img, dx, dy, flou_px, force=0.6):
    """A soft dark shadow of an image's alpha, offset by (dx, dy) pixels."""
    a = np.roll(np.roll(img[..., 3], dy, axis=0), dx, axis=1)
    a = commun.flou(a, flou_px)
    return commun.couche(a * force, (0, 0, 0))


def touche(x, y, x0, y0, x1, y1, enfoncee=False, base=(0.92, 0.93, 0.96)):
    """A keyboard key cap; pressed keys sit lower and darker."""
    dec = 2.0 if enfoncee else 0.0
    h = (y1 - y0)
    fond = bloc(x, y, x0, y0 + h * 0.12 + dec, x1, y1, 5, 3, np.array(base) * 0.55)
    haut = bloc(x, y, x0 + 2, y0 + dec, x1 - 2, y1 - h * 0.16, 4, 4,
                np.array(base) * (0.8 if enfoncee else 1.0), speculaire=0.5)
    return commun.sur(fond, haut)


def pave(x, y, n, base, biseau, rayon=None, bord=None, eclat=0.55, ombre=0.55):
    """A square tile filling its whole cell (cells sit edge to edge), for textures that the GL
    multiplies by a colour: the flat face keeps the base colour at full strength (so the cell
    colour shows as it is), the bevel catches light at the top left (toward white) and falls
    into shade at the bottom right, and a thin dark rim parts neighbouring tiles.
    'base' is an RGB colour or a per-pixel H x W x 3 colour; returns H x W x 3."""
    rayon = biseau * 0.8 if rayon is None else rayon
    bord = n / 48 if bord is None else bord
    d = commun.rect_arrondi(x, y, 0, 0, n, n, rayon)
    h = np.clip(-(d + bord) / biseau, 0, 1)
    h = h * h * (3 - 2 * h)
    pas = x[0, 1] - x[0, 0]
    gy, gx = np.gradient(h, pas)
    nx, ny = -gx * biseau * 0.8, -gy * biseau * 0.8
    nz = np.ones_like(h)
    norme = np.sqrt(nx * nx + ny * ny + nz * nz)
    lam = (nx * LUMIERE[0] + ny * LUMIERE[1] + nz * LUMIERE[2]) / norme / LUMIERE[2]
    b = np.asarray(base, dtype=np.float64)
    if b.ndim == 1:
        b = np.broadcast_to(b, x.shape + (3,))
    clair = np.clip(lam - 1, 0, None) * eclat
    sombre = np.clip(1 - lam, 0, None) * ombre
    rgb = b * (1 - sombre[..., None]) + (1 - b) * clair[..., None]
    # the rim: a dark groove on the outermost 'bord' pixels
    rainure = commun.lisse(d + bord, pas * 1.5)
    rgb = rgb * (0.35 + 0.65 * rainure[..., None])
    return np.clip(rgb, 0, 1)
